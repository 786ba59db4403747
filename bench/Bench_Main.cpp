// The benchmark program. With a display it runs the benchmarks inside a
// real application object, as the GUI tests do; without one only those
// that need no window run, the others are reported as skipped.
//
//   corvena_bench [benchmark options]
//   corvena_bench --plot-pictures=DIR   paints both plots both ways into DIR

#include "bench/Bench_Support.h"
#include "bench/Plot_Pictures.h"
#include "common/Text_Codec.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/toplevel.h>

namespace
{
    class Bench_App : public wxApp
    {
    public:
        explicit Bench_App(const char* pictures) : m_pPictures(pictures) {}

        bool OnInit() override
        {
            // No command-line parsing: the arguments belong to the benchmarks.
            wxLog::SetActiveTarget(new wxLogStderr);
            wxInitAllImageHandlers();
            Bench_Set_Display(true);
            CallAfter(&Bench_App::Run);
            return true;
        }

        int OnRun() override
        {
            wxApp::OnRun();
            return m_Result;
        }

    private:
        void Run()
        {
            if (m_pPictures)
                m_Result = Write_Plot_Pictures(m_pPictures) ? 0 : 1;
            else
            {
                benchmark::RunSpecifiedBenchmarks();
                m_Result = 0;
            }
            for (wxWindow* window : wxTopLevelWindows)
                window->Destroy();
            ExitMainLoop();
        }

        const char* m_pPictures;
        int m_Result = 1;
    };
}

int main(int argc, char** argv)
{
    Use_UTF8_Character_Locale();
    const char* pictures = nullptr;
    for (int i = 1; i < argc; i++)
        if (strncmp(argv[i], "--plot-pictures=", 16) == 0)
        {
            pictures = argv[i] + 16;
            for (int j = i; j < argc; j++)
                argv[j] = argv[j + 1];
            argc--;
            break;
        }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    const char* display = getenv("DISPLAY");
    if (!display || !*display)
    {
        if (pictures)
        {
            fprintf(stderr, "--plot-pictures needs a display: run under xvfb-run\n");
            return 1;
        }
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        return 0;
    }
    wxApp::SetInstance(new Bench_App(pictures));
    const int result = wxEntry(argc, argv);
    benchmark::Shutdown();
    return result;
}
