#include "ui/accessible_roles.h"

#include "ui/form_about.h"
#include "ui/plot_pane.h"

#include <QAccessibleWidget>

namespace wingmap {

namespace {

// Asked for each class of an object, most derived first, before the
// toolkit's own widget interfaces.
QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String(Form_About::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    if (className == QLatin1String(PlotPane::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace wingmap
