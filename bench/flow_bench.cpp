#include "geometry/flow/flow.h"
#include "geometry/flow/streamlines.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// One recompute of the whole flow at 4 degrees: the solution with the
// pressure at the 161 coordinate points, and every streamline for panes of
// 300 x 300 and 600 x 300 pixels at Scale 1.5. Argument: 0 for the start
// state (the flat plate), 1 for a cambered profile with a sharp trailing
// edge (F = G = 0.1, b = 1 / sqrt(1.1^2 + 0.1^2), the circle through +b).
void BM_Flow(benchmark::State &state)
{
    const bool cambered = state.range(0) != 0;
    const double F = cambered ? 0.1 : 0.0;
    const double G = cambered ? 0.1 : 0.0;
    const double b = cambered ? 1.0 / std::hypot(1.1, 0.1) : 1.0;
    constexpr double kScale = 1.5;
    const wingmap::StreamlineView view{wingmap::PaneExtentsAt(kScale), 2 * kScale / 300,
                                       4 * kScale / 600};
    for (auto _ : state) {
        const wingmap::Flow flow(F, G, b, 4.0, true);
        const wingmap::Streamlines lines = wingmap::TraceStreamlines(flow, view);
        benchmark::DoNotOptimize(flow.surfacePressure().data());
        benchmark::DoNotOptimize(lines.lines.data());
    }
}

// The geometry of one step of the circulation: the flow of the cambered
// profile above at 4 degrees with a given Gamma (argument, in tenths) and
// every streamline for the same two panes. 1.0 is near the Kutta value;
// 140 puts the stagnation point off the body, with the loop round it.
void BM_FlowGammaSolve(benchmark::State &state)
{
    const double gamma = state.range(0) / 10.0;
    const double b = 1.0 / std::hypot(1.1, 0.1);
    constexpr double kScale = 1.5;
    const wingmap::StreamlineView view{wingmap::PaneExtentsAt(kScale), 2 * kScale / 300, 4 * kScale / 600};
    for (auto _ : state) {
        const wingmap::Flow flow(0.1, 0.1, b, 4.0, wingmap::FlowCirculation{false, gamma});
        const wingmap::Streamlines lines = wingmap::TraceStreamlines(flow, view);
        benchmark::DoNotOptimize(flow.surfacePressure().data());
        benchmark::DoNotOptimize(lines.lines.data());
    }
}

} // namespace

BENCHMARK(BM_Flow)->ArgName("cambered")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlowGammaSolve)->ArgName("gamma_tenths")->Arg(0)->Arg(10)->Arg(140)->Unit(benchmark::kMicrosecond);
