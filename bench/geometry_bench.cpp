#include "geometry/joukowsky.h"

#include <benchmark/benchmark.h>

// One sampling of 181 points of a cambered circle and its profile.
static void BM_SampleProfile(benchmark::State &state)
{
    wingmap::ParameterState parameters;
    parameters.F = 0.1;
    parameters.G = 0.1;
    parameters.b = 0.9;
    for (auto _ : state) {
        const auto outcome = wingmap::SampleProfile(parameters);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(parameters.airfoil_y.at(90));
    }
}
BENCHMARK(BM_SampleProfile);
