#include "plot/image_surface.h"
#include "plot/profile_redraw.h"

#include <benchmark/benchmark.h>

namespace {

// One full recompute and redraw of both panes into their backing images.
// Arguments: device-pixel ratio, and 0 for the start texts or 1 for a
// cambered profile.
void BM_Hesapla(benchmark::State &state)
{
    const qreal ratio = static_cast<qreal>(state.range(0));
    const bool cambered = state.range(1) != 0;
    const wingmap::InputTexts texts = cambered ? wingmap::InputTexts{"0.1", "0.1", "0.9", "1.5"}
                                               : wingmap::InputTexts{"0", "0", "1", "1.5"};
    wingmap::ParameterState parameters;
    parameters.Fb = cambered ? 0.1 : 0.0;
    parameters.Gb = cambered ? 0.09 : 0.0;
    wingmap::ImageSurface circle(QSize(196, 196), ratio);
    wingmap::ImageSurface airfoil(QSize(396, 196), ratio);
    for (auto _ : state) {
        const auto outcome = wingmap::RedrawProfile(texts, parameters, circle, airfoil);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(circle.image().constBits());
        benchmark::DoNotOptimize(airfoil.image().constBits());
    }
}

} // namespace

BENCHMARK(BM_Hesapla)
    ->ArgNames({"ratio", "cambered"})
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);
