#include "ui/widgets/accessible_roles.h"

#include <QAccessibleWidget>
#include <QByteArray>
#include <QMetaObject>
#include <QWidget>

#include <utility>
#include <vector>

namespace wingmap {

namespace {

using Roles = std::vector<std::pair<QByteArray, QAccessible::Role>>;

Roles &registeredRoles()
{
    static Roles roles;
    return roles;
}

// Asked for each class of an object, most derived first, before the
// toolkit's own widget interfaces.
QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    for (const auto &[name, role] : registeredRoles()) {
        if (className == QLatin1String(name))
            return new QAccessibleWidget(widget, role);
    }
    return nullptr;
}

} // namespace

void registerAccessibleRole(const QMetaObject &type, QAccessible::Role role)
{
    Roles &roles = registeredRoles();
    if (roles.empty())
        QAccessible::installFactory(interfaceFor);
    const QByteArray name(type.className());
    for (const auto &registered : roles) {
        if (registered.first == name)
            return;
    }
    roles.emplace_back(name, role);
}

} // namespace wingmap
