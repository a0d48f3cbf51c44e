#ifndef WINGMAP_PANE_EXPORTS_H
#define WINGMAP_PANE_EXPORTS_H

#include <QList>
#include <QObject>
#include <QStandardPaths>
#include <QString>

#include <memory>

class QAction;
class QMenu;
class QWidget;

namespace wingmap {

class ExportPrompts;
class FileSaver;
class PictureActions;
class PictureExport;
class PlotPane;
struct ShownDrawing;

// The commands that take the drawings out of the window: copy the picture,
// save it as a PNG or SVG file, and export the profile's coordinates as a
// Selig file. They make up the panes' context menu (right button, Menu key,
// Shift+F10); Ctrl+C and Ctrl+S act anywhere in the window, except that a
// text field keeps Ctrl+C for its own text.
//
// Everything comes from the drawing the panes show, also after a refused
// redraw. A file is written only when the user asks for one, whole or not at
// all; when that fails the user is told why and the program goes on.
class PaneExports : public QObject
{
    Q_OBJECT

public:
    // The panes in the order they stand in the window.
    PaneExports(QWidget *window, const QList<PlotPane *> &panes);
    ~PaneExports() override;

    // The drawing the panes show.
    void setDrawing(std::shared_ptr<const ShownDrawing> drawing);

    // Replaces the save dialog and the message box (a test's answers).
    void setPrompts(std::unique_ptr<ExportPrompts> prompts);

    QMenu *menu() const;

    void copyPicture();
    void savePicture();
    void exportCoordinates();

private:
    PictureExport picture() const;

    QWidget *m_window;
    QList<PlotPane *> m_panes;
    std::unique_ptr<FileSaver> m_saver;
    PictureActions *m_pictures = nullptr;
    std::shared_ptr<const ShownDrawing> m_drawing;
};

} // namespace wingmap

#endif
