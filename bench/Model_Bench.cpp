// The pond models alone, without any window: one run over a time span at
// the plug-ins' defaults (step width 1, constant habitat).

#include "plugins/pond/Pond_Model.h"

#include <benchmark/benchmark.h>

namespace
{
    void Model_Pond(benchmark::State& state)
    {
        Pond_Series series;
        series.Resize(Pond_Step_Count(int(state.range(0)), 1.0));
        Pond_Parameters p;
        p.a = 0.08;
        p.d = 0.2;
        p.Rudd_Start = 200;
        p.Pike_Start = 20;
        p.Capacity = 1000;
        for (auto _ : state)
        {
            benchmark::DoNotOptimize(Pond_Run(series, p, POND_SCENARIO_CONSTANT, POND_PREDATION_CLASSIC, 1.0));
            benchmark::ClobberMemory();
        }
    }

    void Model_Pond3(benchmark::State& state)
    {
        Pond3_Series series;
        series.Resize(Pond_Step_Count(int(state.range(0)), 1.0));
        Pond3_Parameters p;
        p.a = 0.08;
        p.b = 0.06;
        p.d = 0.2;
        p.Rudd_Start = 200;
        p.Carp_Start = 100;
        p.Pike_Start = 20;
        p.Capacity = 1000;
        for (auto _ : state)
        {
            Pond3_Run(series, p, POND_SCENARIO_CONSTANT, 1.0);
            benchmark::ClobberMemory();
        }
    }
}

BENCHMARK(Model_Pond)->ArgName("span")->Arg(200)->Arg(2000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Model_Pond3)->ArgName("span")->Arg(200)->Arg(2000)->Arg(10000)->Unit(benchmark::kMicrosecond);
