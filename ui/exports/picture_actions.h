#ifndef WINGMAP_PICTURE_ACTIONS_H
#define WINGMAP_PICTURE_ACTIONS_H

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace wingmap {

class FileSaver;
class PictureExport;
class PlotPane;

// The picture commands every window's panes share: "Copy picture" (Ctrl+C
// anywhere in the window, except that a text field keeps Ctrl+C for its own
// text) and "Save picture…" (Ctrl+S), as window actions and at the top of
// the panes' context menu (right button, Menu key, Shift+F10), which the
// window goes on filling with its own exports.
class PictureActions : public QObject
{
    Q_OBJECT

public:
    // `picture` makes the picture of the panes as they are shown, when asked;
    // a saved one is first named `fileName`. The saver outlives this.
    PictureActions(QWidget *window, const QList<PlotPane *> &panes, FileSaver &saver,
                   std::function<PictureExport()> picture, const QString &fileName,
                   const QString &menuName);

    QMenu *menu() const { return m_menu; }
    // Adds a command below the others, in the menu and to the window.
    void addAction(QAction *action);

    void copyPicture();
    void savePicture();

private:
    void showMenu(const QPoint &globalPos);

    QWidget *m_window;
    FileSaver &m_saver;
    std::function<PictureExport()> m_picture;
    QString m_fileName;
    QMenu *m_menu = nullptr;
};

} // namespace wingmap

#endif
