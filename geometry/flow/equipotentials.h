#ifndef WINGMAP_FLOW_EQUIPOTENTIALS_H
#define WINGMAP_FLOW_EQUIPOTENTIALS_H

#include "geometry/flow/streamlines.h"

#include <complex>
#include <vector>

namespace wingmap {

class Flow;
class PotentialBranch;

// One equipotential line: vertices in the circle plane (plot units, y up)
// and their images under the map, one for one.
struct Equipotential
{
    int level = 0;    // phi = level * deltaPhi
    double phi = 0.0;
    std::vector<std::complex<double>> circle;
    std::vector<std::complex<double>> profile;
};

struct Equipotentials
{
    StreamlineFailure failure = StreamlineFailure::None;
    double deltaPhi = 0.0; // the streamlines' deltaPsi: far upstream the net is of squares
    // By rising phi; a level may be several lines (ended by the body, by
    // the cut or beyond both panes).
    std::vector<Equipotential> lines;

    bool ok() const { return failure == StreamlineFailure::None; }
};

// The level curves of phi (on the branch given) at phi_k = k deltaPhi,
// deltaPhi = lines.deltaPsi, outside the circle, traced in the circle plane
// with their images. Every vertex lies on its level to 1e-9 deltaPhi
// (projected by Newton's method along grad phi); the polylines stay within
// a quarter pixel of their curves in both panes, as the streamlines do. A
// line ends on the body, on the branch's cut (the downstream dividing
// streamline) or beyond both panes; a vertex on the cut is on its level on
// the side its line comes from (on the other side phi differs by Gamma).
// Only the levels either pane shows are traced, at most 4096 each side of
// phi = 0. Fails as the streamlines failed.
[[nodiscard]] Equipotentials TraceEquipotentials(const Flow &flow, const StreamlineView &view,
                                                 const Streamlines &lines,
                                                 const PotentialBranch &branch);

} // namespace wingmap

#endif
