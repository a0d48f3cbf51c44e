#ifndef WINGMAP_FLOW_FLOW_FILES_H
#define WINGMAP_FLOW_FLOW_FILES_H

#include <string>

namespace wingmap {

class Flow;
struct Streamlines;
struct Equipotentials;

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

} // namespace wingmap

#endif
