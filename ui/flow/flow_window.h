#ifndef WINGMAP_FLOW_WINDOW_H
#define WINGMAP_FLOW_WINDOW_H

#include "geometry/flow/equipotentials.h"
#include "geometry/flow/streamlines.h"

#include <QElapsedTimer>
#include <QWidget>

#include <complex>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace wingmap {

class ExportPrompts;
class Flow;
class ForcesGroup;
class FlowExports;
class FlowPane;
class PotentialBranch;
class PressurePane;
class TimeLines;
struct ShownDrawing;

// The flow past the profile of the main window's last drawing: the
// streamlines in the circle plane and in the profile plane (panes with the
// main window's extents), the pressure along the surface, and the lift,
// moment and circulation in a readout line. The angle of attack, from the
// chord line, is typed or set with a scroll bar (-15 to 15 degrees in steps
// of 0.5); the Kutta condition holds the rear stagnation point at the
// trailing edge. "Sharp trailing edge" asks the main window to put its
// circle through +b.
//
// Check boxes add time lines that move with the flow (with a clock, and
// "Pause" to stop it), the equipotential lines, the polar grid of the circle
// plane with its image, and the speed as the panes' background. A probe
// reads the point under the pointer (or moved by the arrow keys) and its
// image in the other pane; over the pressure plot, the surface at that x/c.
//
// A state with no flow (a critical point outside the circle, a profile that
// crosses itself, an angle outside -90 to 90 degrees) leaves the panes as
// they were and says in the readout what to change; a line below it tells
// how a typed angle was read when it is not wholly one number. Escape and
// Ctrl+W close the window, Ctrl+Q every window.
class FlowWindow : public QWidget
{
    Q_OBJECT

public:
    explicit FlowWindow(QWidget *parent = nullptr);
    ~FlowWindow() override;

    // The main window made a drawing: the flow follows.
    void follow(std::shared_ptr<const ShownDrawing> drawing);

    // Replaces the save dialog and the message box (a test's answers).
    void setPrompts(std::unique_ptr<ExportPrompts> prompts);
    FlowExports *exports() const { return m_exports; }

    // The flow drawn now, or null before the first drawing.
    const Flow *flow() const { return m_flow.get(); }
    const Streamlines &streamlines() const { return m_lines; }
    // The views drawn now: the net (empty unless shown), and the time
    // lines' travel times (null unless shown) with the time shown.
    const Equipotentials &equipotentials() const { return m_net; }
    const TimeLines *timeLines() const { return m_timeLines.get(); }
    double timeShown() const;
    // Places the time lines' particles at the time shown, as each frame of
    // the running clock does.
    void showFrame() { frame(); }

signals:
    // The "Sharp trailing edge" button: b for which the circle about
    // (-F b, G b) passes through +b. Pressable only where that b is a number
    // the main window's b field writes, reads back and draws.
    void sharpTrailingEdgeRequested(double b);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void createControls();
    void createPanes();
    void createAngleControls();
    void createCirculationControls();
    void createForces();
    void createViews();
    void showView(int index);
    void createLayout();
    void connectControls();
    void alphaTyped();
    void alphaScrolled(int value);
    void describeAngleBar();
    void describeCirculationBar();
    void gammaTyped();
    void gammaScrolled(int value);
    void kuttaToggled(bool on);
    void showKuttaGamma();
    void sayHowTextsWereRead();
    void offerSharpEdge();
    void sharpTrailingEdge();
    void redraw();
    void refuse(const QString &why);
    void describe();
    void timeLinesToggled(bool on);
    void pauseClicked();
    void runClock();
    void frame();
    void showClock();
    void probeCircle(double x, double y);
    void probeProfile(double x, double y);
    void probeSurface(double chordFraction);
    void endProbe();
    void sayToFocusedPane(FlowPane *pane, const QString &reading);
    void reprobe();

    std::shared_ptr<const ShownDrawing> m_drawing;
    double m_sharpB = 0.0; // the b "Sharp trailing edge" writes, when enabled
    std::unique_ptr<Flow> m_flow;
    Streamlines m_lines;
    // The circulation typed or scrolled while the Kutta condition is off.
    double m_gamma = 0.0;

    std::unique_ptr<PotentialBranch> m_branch;
    Equipotentials m_net;
    std::unique_ptr<TimeLines> m_timeLines;
    // The time lines' clock: the time shown is m_timeBefore plus, while it
    // runs, what m_clockTimer has measured since it was started; m_frameTime
    // is the time of the frame shown (the particles, the picture and the
    // exported file are all at it).
    QElapsedTimer m_clockTimer;
    double m_frameTime = 0.0;
    double m_timeBefore = 0.0;
    bool m_paused = false;
    QTimer *m_frames = nullptr; // "Timer_frames": runs only while frames are needed
    // Where the probe is, to read again after a redraw.
    enum class ProbeFrom { None, Circle, Profile, Surface } m_probeFrom = ProbeFrom::None;
    std::complex<double> m_probeAt;

    FlowPane *m_circlePane = nullptr;
    FlowPane *m_profilePane = nullptr;
    PressurePane *m_pressurePane = nullptr;
    QLabel *m_viewLabel = nullptr;
    QComboBox *m_view = nullptr;
    QLabel *m_alphaLabel = nullptr;
    QLineEdit *m_alphaField = nullptr;
    QScrollBar *m_alphaBar = nullptr;
    QCheckBox *m_kutta = nullptr;
    QLabel *m_gammaLabel = nullptr;
    QLineEdit *m_gammaField = nullptr;
    QScrollBar *m_gammaBar = nullptr;
    QCheckBox *m_showForces = nullptr;
    ForcesGroup *m_forces = nullptr;
    QPushButton *m_sharp = nullptr;
    QCheckBox *m_showTimeLines = nullptr;
    QPushButton *m_pause = nullptr;
    QCheckBox *m_showNet = nullptr;
    QCheckBox *m_showGrid = nullptr;
    QCheckBox *m_showSpeed = nullptr;
    QLabel *m_readout = nullptr;
    QLabel *m_clock = nullptr;
    QLabel *m_probe = nullptr;
    QLabel *m_notice = nullptr;
    FlowExports *m_exports = nullptr;
};

} // namespace wingmap

#endif
