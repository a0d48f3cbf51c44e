#ifndef WINGMAP_ACCESSIBLE_ROLES_H
#define WINGMAP_ACCESSIBLE_ROLES_H

namespace wingmap {

// Gives the program's own widget classes the roles a screen reader expects:
// the About window is a dialog (as a plain widget window it would be
// announced as a "filler"), and a plot pane is a graphic. Needs the
// application object; later calls do nothing.
void installAccessibleRoles();

} // namespace wingmap

#endif
