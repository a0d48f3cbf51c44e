#ifndef WINGMAP_FLOW_EXPORTS_H
#define WINGMAP_FLOW_EXPORTS_H

#include "plot/drawing.h"

#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QWidget;

namespace wingmap {

class ExportPrompts;
class FileSaver;
class Flow;
class PictureActions;
class PictureExport;
class FlowPane;
class PressurePane;
class TimeLines;
struct Equipotentials;
struct Streamlines;

// What the Flow window's panes give out, from their context menu (right
// button, Menu key, Shift+F10) and, for the picture, Ctrl+C and Ctrl+S: the
// picture of the three plots (clipboard, PNG or SVG file, with the time
// lines as shown but not the probe's marks), the pressure along the surface,
// the streamlines, the lift curve and, while they are shown, the time lines
// and the equipotential lines as CSV files. Everything comes from
// the flow the panes show; the exported streamlines are traced for a picture
// four times the panes' size, so that they stay smooth when plotted large.
// A file is written whole or not at all.
class FlowExports : public QObject
{
    Q_OBJECT

public:
    // Each exported streamline is traced for panes this many times as wide.
    static constexpr double kStreamlineMagnification = 4.0;

    FlowExports(QWidget *window, FlowPane *circlePane, FlowPane *profilePane,
                PressurePane *pressurePane, std::function<double()> timeShown);
    ~FlowExports() override;

    // The flow the panes show, its streamlines and the Scale they were
    // traced at; the flow and lines outlive this until the next call.
    void setFlow(const Flow *flow, const Streamlines *lines, double MaxC);
    // The flow net and the time lines shown (null when not shown); each
    // export is offered only while its lines are shown.
    void setViews(const Equipotentials *net, const TimeLines *timeLines);
    void setPrompts(std::unique_ptr<ExportPrompts> prompts);
    QMenu *menu() const;

    void copyPicture();
    void savePicture();
    void exportPressure();
    void exportStreamlines();
    void exportLiftCurve();
    void exportTimeLines();
    void exportEquipotentials();

private:
    PictureExport picture() const;
    bool haveFlow();

    QWidget *m_window;
    FlowPane *m_circlePane;
    FlowPane *m_profilePane;
    PressurePane *m_pressurePane;
    std::unique_ptr<FileSaver> m_saver;
    PictureActions *m_pictures = nullptr;
    const Flow *m_flow = nullptr;
    const Streamlines *m_lines = nullptr;
    double m_MaxC = 0.0;
    std::function<double()> m_timeShown;
    const Equipotentials *m_net = nullptr;
    const TimeLines *m_timeLines = nullptr;
    QAction *m_exportTimeLines = nullptr;
    QAction *m_exportNet = nullptr;
    // The flow panes' drawings with the time lines shown, for a picture.
    mutable Drawing m_circleShown;
    mutable Drawing m_profileShown;
};

} // namespace wingmap

#endif
