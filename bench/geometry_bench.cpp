#include "geometry/joukowsky.h"
#include "geometry/profile_shape.h"

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

// One measurement of a cambered profile with a rounded trailing edge: the
// edges, thickness and camber, as done once per drawn state.
static void BM_ProfileShape(benchmark::State &state)
{
    for (auto _ : state) {
        const wingmap::ProfileShape shape = wingmap::MeasureProfile(0.1, 0.1, 0.9);
        benchmark::DoNotOptimize(shape);
    }
}
BENCHMARK(BM_ProfileShape);
