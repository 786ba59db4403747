// The records as they grow: the main window's activity log (each entry is
// added to the text in memory and written to the end of its file) and a
// simulation window's log (each line appended to the file, or written over
// the last one when it merges with it). A log already holding the given
// number of entries gets Batch more; the time is per entry.
//
// Clocks: the program's clock (Clock) and the framework's (Tirsal_*) are
// set to a fixed day and moved on by hand. Simulation entries are 3 s apart
// in "append", so none merges and each adds a line; 1 s apart in "merge",
// so each replaces the last line.

#include "bench/Bench_Support.h"
#include "common/Clock.h"
#include "common/Text_Codec.h"
#include "shell/CSim_Frame.h"
#include "simframe/src/Activity_Log.h"
#include "simframe/src/Tirsal_Testing.h"
#include "tests/support/Temp_Dir.h"
#include "tirsal/CSim_Window.h"

#include <wx/frame.h>

namespace
{
    constexpr int Batch = 4096;
    const wxDateTime Day(5, wxDateTime::Mar, 2024, 8, 0, 0);

    void Per_Entry(benchmark::State& state)
    {
        state.counters["per_entry"] = benchmark::Counter(double(state.iterations()) * Batch,
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    }

    void Log_Activity_Frame(benchmark::State& state)
    {
        if (!Bench_Need_Display(state))
            return;
        const int entries = int(state.range(0));
        Temp_Dir dir;
        for (auto _ : state)
        {
            state.PauseTiming();
            Clock::Set(Day);
            dir.Write("sim_corvena.ini", "THEMES=klein.ini\nDOLOG=1\nLOGFILE=aktivitaet.log\n");
            dir.Write("klein.ini", "[General]\nName=Klein\n[Themes]\nName=Start\n");
            CSim_Frame* frame = new CSim_Frame(dir.File("sim_corvena.ini"));
            const wxString text = "Thema 12 - Simulation";
            for (int i = 0; i < entries; i++)
            {
                Clock::Advance(wxTimeSpan::Seconds(1));
                frame->Add_Log_Entry(text);
            }
            state.ResumeTiming();
            for (int i = 0; i < Batch; i++)
            {
                Clock::Advance(wxTimeSpan::Seconds(1));
                frame->Add_Log_Entry(text);
            }
            state.PauseTiming();
            frame->Destroy();
            Bench_Process_Events();
            Clock::Use_System();
            state.ResumeTiming();
        }
        Per_Entry(state);
    }

    class Bench_Sim_Window : public CSim_Window
    {
    public:
        using CSim_Window::CSim_Window;
        using CSim_Window::Log_Activity;
    };

    void Log_Simulation(benchmark::State& state, bool merge)
    {
        if (!Bench_Need_Display(state))
            return;
        const int entries = int(state.range(0));
        wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "Simulation");
        const wxString value = wxString::FromCDouble(0.08, 6);
        Temp_Dir dir;
        for (auto _ : state)
        {
            state.PauseTiming();
            Tirsal_Reset_Activity_Merge();
            Tirsal_Set_Clock(Day);
            Bench_Sim_Window* window = new Bench_Sim_Window(frame, wxEmptyString);
            window->Set_Log_File(dir.File("simulation.log"));
            for (int i = 0; i < entries; i++)
            {
                Tirsal_Advance_Clock(wxTimeSpan::Seconds(3));
                window->Log_Activity("RF Grow", value);
            }
            const wxTimeSpan step = wxTimeSpan::Seconds(merge ? 1 : 3);
            state.ResumeTiming();
            for (int i = 0; i < Batch; i++)
            {
                Tirsal_Advance_Clock(step);
                window->Log_Activity("RF Grow", value);
            }
            state.PauseTiming();
            delete window;
            Tirsal_Use_System_Clock();
            Tirsal_Reset_Activity_Merge();
            state.ResumeTiming();
        }
        frame->Destroy();
        Bench_Process_Events();
        Per_Entry(state);
    }

    // The text of one simulation log line, as it goes to the file; needs no
    // window.
    void Log_Line_Text(benchmark::State& state)
    {
        const wxString value = wxString::FromCDouble(0.08, 6);
        for (auto _ : state)
            benchmark::DoNotOptimize(Encode_Windows_1252(Activity_Log_Line(Day, "RF Grow", value)));
    }
}

BENCHMARK(Log_Activity_Frame)->ArgName("entries")->Arg(1000)->Arg(100000)
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Log_Simulation, append, false)->ArgName("entries")->Arg(1000)->Arg(100000)
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Log_Simulation, merge, true)->ArgName("entries")->Arg(1000)->Arg(100000)
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Log_Line_Text);
