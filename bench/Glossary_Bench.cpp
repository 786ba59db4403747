// The glossary from a file of 5,000 entries: reading and sorting the
// entries and gathering the pages (no window), and the whole glossary
// notebook with an HTML window per page as the catalogue makes it.

#include "activities/CSim_Glossar.h"
#include "activities/Glossary_Builder.h"
#include "bench/Bench_Support.h"
#include "tests/support/Temp_Dir.h"

#include <wx/frame.h>

namespace
{
    void Glossary_Pages(benchmark::State& state)
    {
        const std::string bytes = Generated_Glossary(int(state.range(0)));
        size_t pages = 0;
        for (auto _ : state)
        {
            Glossary_Builder builder;
            builder.Read_Entries_From_Bytes(bytes, "/kurs/lexikon");
            builder.Build_Pages();
            pages = builder.Get_Pages().size();
        }
        state.counters["pages"] = double(pages);
    }

    void Glossary_Window(benchmark::State& state)
    {
        if (!Bench_Need_Display(state))
            return;
        Temp_Dir dir;
        dir.Write("lexikon/lexikon.txt", Generated_Glossary(int(state.range(0))));
        wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "Lexikon", wxDefaultPosition, wxSize(1200, 800));
        frame->Show();
        Bench_Process_Events();
        size_t pages = 0;
        for (auto _ : state)
        {
            CSim_Glossar* glossar = new CSim_Glossar(frame, dir.File("lexikon/lexikon.txt"));
            state.PauseTiming();
            pages = glossar->GetPageCount();
            glossar->Destroy();
            Bench_Process_Events();
            state.ResumeTiming();
        }
        state.counters["pages"] = double(pages);
        frame->Destroy();
        Bench_Process_Events();
    }
}

BENCHMARK(Glossary_Pages)->ArgName("entries")->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(Glossary_Window)->ArgName("entries")->Arg(5000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
