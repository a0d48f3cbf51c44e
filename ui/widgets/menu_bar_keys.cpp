#include "ui/widgets/menu_bar_keys.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>

#include <algorithm>

namespace wingmap {

MenuBarKeys::MenuBarKeys(QMenuBar *menuBar) : QObject(menuBar), m_menuBar(menuBar)
{
    new QShortcut(QKeySequence(Qt::Key_F10), menuBar->window(), this, &MenuBarKeys::toggle);
    menuBar->installEventFilter(this);
}

void MenuBarKeys::toggle()
{
    if (m_active)
        leave();
    else
        enter();
}

void MenuBarKeys::enter()
{
    const QList<QAction *> entries = m_menuBar->actions();
    const auto first = std::find_if(entries.begin(), entries.end(), [](const QAction *entry) {
        return entry->isVisible() && entry->isEnabled() && !entry->isSeparator();
    });
    if (first == entries.end() || !m_menuBar->isVisible())
        return;
    m_focusBefore = m_menuBar->window()->focusWidget();
    m_active = true;
    m_menuBar->setFocus(Qt::MenuBarFocusReason);
    m_menuBar->setActiveAction(*first);
}

void MenuBarKeys::leave()
{
    m_active = false;
    m_menuBar->setActiveAction(nullptr);
    // Also when the window was left: it then gets that control's focus back
    // when it is activated again.
    if (m_focusBefore && m_menuBar->window()->focusWidget() == m_menuBar)
        m_focusBefore->setFocus(Qt::MenuBarFocusReason);
    m_focusBefore = nullptr;
}

// Only while F10 holds the menu bar: the keys that end its use are taken
// here, before the menu bar, which would keep the focus after them.
bool MenuBarKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_menuBar || !m_active)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            leave();
    } else if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Escape:
            leave();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (QAction *entry = m_menuBar->activeAction(); entry && !entry->menu()) {
                leave();
                entry->trigger();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace wingmap
