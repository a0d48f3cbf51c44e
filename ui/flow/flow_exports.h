#ifndef WINGMAP_FLOW_EXPORTS_H
#define WINGMAP_FLOW_EXPORTS_H

#include <QObject>
#include <QPoint>

#include <memory>

class QAction;
class QMenu;
class QWidget;

namespace wingmap {

class ExportPrompts;
class FileSaver;
class Flow;
class PictureExport;
class PlotPane;
class PressurePane;
struct Streamlines;

// What the Flow window's panes give out, from their context menu (right
// button, Menu key, Shift+F10) and, for the picture, Ctrl+C and Ctrl+S: the
// picture of the three plots (clipboard, PNG or SVG file), the pressure
// along the surface and the streamlines as CSV files. Everything comes from
// the flow the panes show. A file is written whole or not at all.
class FlowExports : public QObject
{
    Q_OBJECT

public:
    FlowExports(QWidget *window, PlotPane *circlePane, PlotPane *profilePane,
                PressurePane *pressurePane);
    ~FlowExports() override;

    // The flow the panes show; both outlive this until the next call.
    void setFlow(const Flow *flow, const Streamlines *lines);
    void setPrompts(std::unique_ptr<ExportPrompts> prompts);
    QMenu *menu() const { return m_menu; }

    void copyPicture();
    void savePicture();
    void exportPressure();
    void exportStreamlines();

private:
    void createActions();
    void showMenu(const QPoint &globalPos);
    PictureExport picture() const;
    bool haveFlow();

    QWidget *m_window;
    PlotPane *m_circlePane;
    PlotPane *m_profilePane;
    PressurePane *m_pressurePane;
    std::unique_ptr<FileSaver> m_saver;
    const Flow *m_flow = nullptr;
    const Streamlines *m_lines = nullptr;
    QMenu *m_menu = nullptr;
};

} // namespace wingmap

#endif
