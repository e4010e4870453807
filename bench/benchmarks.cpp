// Google Benchmark program: the time of each measured operation.
#include "bench/cases.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    SetUpCostCases();
    for (int i = 0; i < COST_CASE_COUNT; i++) {
        benchmark::RegisterBenchmark(CostCases[i].name, [](benchmark::State& state, void (*run)()) {
            for (auto _ : state)
                run();
        }, CostCases[i].run);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
