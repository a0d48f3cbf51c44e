#ifndef WINGMAP_MENU_BAR_KEYS_H
#define WINGMAP_MENU_BAR_KEYS_H

#include <QObject>
#include <QPointer>

class QMenuBar;
class QWidget;

namespace wingmap {

// F10 gives the keyboard to a window's menu bar, as on the desktops: the
// first entry is highlighted; Enter, Return or Space triggers it; Escape or
// F10 again leaves. Either way the focus goes back to the control that had
// it. (Alt pressed alone keeps doing what the toolkit makes of it.)
class MenuBarKeys : public QObject
{
    Q_OBJECT

public:
    explicit MenuBarKeys(QMenuBar *menuBar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void toggle();
    void enter();
    void leave();

    QMenuBar *m_menuBar;
    bool m_active = false;
    QPointer<QWidget> m_focusBefore;
};

} // namespace wingmap

#endif
