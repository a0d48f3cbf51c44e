#ifndef WINGMAP_FLOW_FLOW_FILES_H
#define WINGMAP_FLOW_FLOW_FILES_H

#include <string>

namespace wingmap {

class Flow;
struct Streamlines;
struct Equipotentials;
class TimeLines;

// The flow's two CSV files. "." is the decimal separator whatever the
// locale; every line ends with a line feed. Coordinates have 6 decimals, as
// in the coordinates file ("-0.000000" written "0.000000"); every other
// number is written in full: the shortest text that reads back as the same
// double, "-inf" for an unbounded Cp.

// The pressure along the surface: comment lines "# F=.. G=.. b=..",
// "# alpha_deg=..", "# kutta=1" (or 0), "# CL=..", "# CM_c4=..",
// "# alpha0_deg=..", "# Gamma=..", the header "x/c,y/c,Cp,side", and one row
// a point of the coordinates file, in its order, its side "upper" (from the
// trailing edge up to and including the leading edge) or "lower" (the rest),
// as SurfacePressure::side. An empty text for a refused flow.
std::string SurfacePressureText(const Flow &flow);

// The streamlines: a comment line "# F=.. G=.. b=.. alpha_deg=.. kutta=..
// delta_psi=..", the header "plane,line,psi,x,y", then every vertex of
// every line in the circle plane ("circle"), then of their images
// ("profile"). `line` numbers the polylines from 1, the same for a line and
// its image; psi is its level. An empty text when there are no lines.
std::string StreamlinesText(const Flow &flow, const Streamlines &lines);

// The lift curve of the flow's profile (LiftCurve): a comment line
// "# F=.. G=.. b=..", the header "alpha_deg,CL,CM_c4,CL_thin", and one row
// an angle, from -15 to 15 degrees. An empty text for a refused flow.
std::string LiftCurveText(const Flow &flow);

// The flow net: a comment line "# F=.. G=.. b=.. alpha_deg=.. kutta=..
// delta_phi=.. gamma=..", the header "plane,line,phi,x,y", then every vertex
// of every line in the circle plane ("circle"), then of their images
// ("profile"). `line` numbers the polylines from 1, the same for a line and
// its image; phi is its level. An empty text when there are no lines.
std::string EquipotentialsText(const Flow &flow, const Equipotentials &net);
// The particles of the time lines shown at time t (seconds): a comment line
// "# F=.. G=.. b=.. alpha_deg=.. kutta=.. gamma=.. t=.. release_interval=..",
// the header "plane,release,level,psi,t_release,x,y", then every particle in
// the circle plane ("circle"), then in the profile plane ("profile"), each
// plane by release and the rows of one release by rising psi. `release` is
// k (released at t_release = k T), `level` is j (psi = psiBody + j deltaPsi / 4).
// An empty text for a refused flow or time lines, or a t that is not a
// finite time from 0 on.
std::string TimeLinesText(const Flow &flow, const TimeLines &lines, double t);

} // namespace wingmap

#endif
