#ifndef WINGMAP_ACCESSIBLE_ROLES_H
#define WINGMAP_ACCESSIBLE_ROLES_H

#include <QAccessible>

struct QMetaObject;

namespace wingmap {

// Gives one of the program's own widget classes the role a screen reader
// expects, where the toolkit would announce the class it derives from: a
// window made of a plain widget is a dialog, not a "filler"; a plot pane is
// a graphic. A class registers its role before anything asks for the
// accessible interface of one of its objects, which is kept once made: at
// the start of its constructor. Registering a class again changes nothing.
// Needs the application object.
void registerAccessibleRole(const QMetaObject &type, QAccessible::Role role);

} // namespace wingmap

#endif
