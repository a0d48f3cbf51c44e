// The whole recompute on image surfaces with arbitrary texts: the input is
// split at line feeds into the F, G, b and Scale texts and the texts of the
// stored products Fb and Gb. No crash, no hang, and (checked by the surface's
// assertions in this build) nothing non-finite reaches the painter.
#include "fuzz/fuzz_check.h"
#include "geometry/number_text.h"
#include "plot/image_surface.h"
#include "plot/profile_redraw.h"

#include <QGuiApplication>

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < size && parts.size() <= 6; ++i) {
        if (data[i] == '\n')
            parts.emplace_back();
        else
            parts.back().push_back(static_cast<char>(data[i]));
    }
    parts.resize(6);

    wingmap::ParameterState state;
    state.Fb = wingmap::ReadNumber(parts[4]);
    state.Gb = wingmap::ReadNumber(parts[5]);
    const qreal ratio = size % 2 ? 2.0 : 1.0;
    wingmap::ImageSurface circle(QSize(196, 196), ratio);
    wingmap::ImageSurface airfoil(QSize(396, 196), ratio);
    const QImage before = circle.image().copy();

    const wingmap::RedrawOutcome outcome =
        wingmap::RedrawProfile({parts[0], parts[1], parts[2], parts[3]}, state, circle, airfoil);
    fuzzCheck(outcome.drawn == (outcome.refusal == wingmap::Refusal::None),
              "a refused redraw always says why");
    if (!outcome.drawn)
        fuzzCheck(circle.image() == before, "a refused redraw leaves the pane untouched");
    return 0;
}
