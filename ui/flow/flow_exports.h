#ifndef WINGMAP_FLOW_EXPORTS_H
#define WINGMAP_FLOW_EXPORTS_H

#include <QObject>

#include <memory>

class QMenu;
class QWidget;

namespace wingmap {

class ExportPrompts;
class FileSaver;
class Flow;
class PictureActions;
class PictureExport;
class PlotPane;
class PressurePane;
struct Streamlines;

// What the Flow window's panes give out, from their context menu (right
// button, Menu key, Shift+F10) and, for the picture, Ctrl+C and Ctrl+S: the
// picture of the three plots (clipboard, PNG or SVG file), the pressure
// along the surface and the streamlines as CSV files. Everything comes from
// the flow the panes show; the exported streamlines are traced for a picture
// four times the panes' size, so that they stay smooth when plotted large.
// A file is written whole or not at all.
class FlowExports : public QObject
{
    Q_OBJECT

public:
    // Each exported streamline is traced for panes this many times as wide.
    static constexpr double kStreamlineMagnification = 4.0;

    FlowExports(QWidget *window, PlotPane *circlePane, PlotPane *profilePane,
                PressurePane *pressurePane);
    ~FlowExports() override;

    // The flow the panes show, its streamlines and the Scale they were
    // traced at; the flow and lines outlive this until the next call.
    void setFlow(const Flow *flow, const Streamlines *lines, double MaxC);
    void setPrompts(std::unique_ptr<ExportPrompts> prompts);
    QMenu *menu() const;

    void copyPicture();
    void savePicture();
    void exportPressure();
    void exportStreamlines();
    void exportLiftCurve();

private:
    PictureExport picture() const;
    bool haveFlow();

    QWidget *m_window;
    PlotPane *m_circlePane;
    PlotPane *m_profilePane;
    PressurePane *m_pressurePane;
    std::unique_ptr<FileSaver> m_saver;
    PictureActions *m_pictures = nullptr;
    const Flow *m_flow = nullptr;
    const Streamlines *m_lines = nullptr;
    double m_MaxC = 0.0;
};

} // namespace wingmap

#endif
