// One update of a pond window as the pupil feels it: the window reads its
// controls, runs the reference and the current model and logs, then the
// whole plot is painted into a memory DC of 1600 x 900. "polyline" is the
// plug-ins' drawing, "literal" the baseline with one DrawLine per segment.

#include "bench/Bench_Support.h"
#include "bench/Plot_Pictures.h"

#include <chrono>
#include <memory>
#include <thread>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/window.h>

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

namespace
{
    // A control dragged or a spin button held, at the worst: a second's
    // worth of changes at 60 a second arrives at once. Every change runs
    // the update and its log entry; the plot is painted on screen (not into
    // a memory DC) as the toolkit gathers the repaints, counted here.
    void Drag_Burst(benchmark::State& state, const char* plugin)
    {
        if (!Bench_Need_Display(state))
            return;
        const int changes = 60;
        Bench_Pond pond(plugin, int(state.range(0)));
        int paints = 0;
        pond.Get_Plot()->Bind(wxEVT_PAINT, [&](wxPaintEvent& event) {
            paints++;
            event.Skip();
        });
        Bench_Process_Events();
        int bursts = 0;
        paints = 0;
        for (auto _ : state)
        {
            const int before = paints;
            for (int i = 0; i < changes; i++)
                pond.Update();
            // Until the plot has been painted again (or a second is over).
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
            while (paints == before && std::chrono::steady_clock::now() < until)
            {
                Bench_Process_Events();
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            Bench_Process_Events();
            bursts++;
        }
        state.counters["paints_per_burst"] = double(paints) / bursts;
        state.counters["changes_per_burst"] = changes;
    }
}

// 100,000 is the longest span any course can ask for (Pond_Max_Steps points).
BENCHMARK_CAPTURE(Drag_Burst, fischlauf, "fischlauf")->ArgName("span")->Arg(10000)->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Drag_Burst, fischlauf_2, "fischlauf_2")->ArgName("span")->Arg(10000)->Arg(100000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(Update_And_Paint, fischlauf/polyline, "fischlauf", false)
    ->ArgName("span")->Arg(200)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Update_And_Paint, fischlauf/literal, "fischlauf", true)
    ->ArgName("span")->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Update_And_Paint, fischlauf_2/polyline, "fischlauf_2", false)
    ->ArgName("span")->Arg(200)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Update_And_Paint, fischlauf_2/literal, "fischlauf_2", true)
    ->ArgName("span")->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);
