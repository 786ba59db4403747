// One update of a pond window as the pupil feels it: the window reads its
// controls, runs the reference and the current model and logs, then the
// whole plot is painted into a memory DC of 1600 x 900. "polyline" is the
// plug-ins' drawing, "literal" the baseline with one DrawLine per segment.

#include "bench/Bench_Support.h"
#include "bench/Plot_Pictures.h"

#include <memory>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

namespace
{
    void Update_And_Paint(benchmark::State& state, const char* plugin, bool literal)
    {
        if (!Bench_Need_Display(state))
            return;
        const int span = int(state.range(0));
        Bench_Pond pond(plugin, span);
        // The comparison is only fair when the baseline paints the plug-in's
        // own plot.
        const wxImage own = Paint_Image(Bench_Plot_Size, [&](wxDC& dc) { pond.Paint(dc, Bench_Plot_Size); });
        const wxImage copy = Paint_Image(Bench_Plot_Size, [&](wxDC& dc) { pond.Paint_Through_Copy(dc, Bench_Plot_Size); });
        if (Compare_Pictures(own, copy).Pixels != 0)
        {
            state.SkipWithError("the baseline's copy of the plot data paints another picture");
            return;
        }
        wxBitmap bitmap(Bench_Plot_Size, 24);
        wxMemoryDC dc(bitmap);
        for (auto _ : state)
        {
            pond.Update();
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            const bool drawn = literal ? pond.Paint_Literal(dc, Bench_Plot_Size)
                                       : pond.Paint(dc, Bench_Plot_Size);
            benchmark::DoNotOptimize(drawn);
        }
        dc.SelectObject(wxNullBitmap);
    }
}

BENCHMARK_CAPTURE(Update_And_Paint, fischlauf/polyline, "fischlauf", false)
    ->ArgName("span")->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Update_And_Paint, fischlauf/literal, "fischlauf", true)
    ->ArgName("span")->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Update_And_Paint, fischlauf_2/polyline, "fischlauf_2", false)
    ->ArgName("span")->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Update_And_Paint, fischlauf_2/literal, "fischlauf_2", true)
    ->ArgName("span")->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);
