#include "ui/flow/flow_window.h"

#include "geometry/circle.h"
#include "geometry/flow/flow.h"
#include "geometry/flow/lift_curve.h"
#include "geometry/flow/potential_branch.h"
#include "geometry/flow/probe.h"
#include "geometry/flow/time_lines.h"
#include "geometry/joukowsky.h"
#include "geometry/number_text.h"
#include "geometry/parameter_state.h"
#include "plot/flow_redraw.h"
#include "plot/image_surface.h"
#include "plot/shown_drawing.h"
#include "ui/exports/export_prompts.h"
#include "ui/flow/flow_exports.h"
#include "ui/flow/flow_pane.h"
#include "ui/flow/flow_text.h"
#include "ui/flow/forces_group.h"
#include "ui/flow/pressure_pane.h"
#include "ui/flow/probe_text.h"
#include "ui/widgets/accessible_roles.h"
#include "ui/widgets/notice_text.h"
#include "ui/widgets/number_string.h"
#include "ui/widgets/plot_pane.h"
#include "ui/widgets/scroll_bar.h"
#include "ui/widgets/twips.h"
#include "ui/widgets/window_keys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wingmap {

namespace {

// The angle scroll bar counts half degrees: -15 to 15 degrees, a page 5.
constexpr double kStepsPerDegree = 2.0;
constexpr int kAlphaMin = -30;
constexpr int kAlphaMax = 30;
constexpr int kAlphaPage = 10;
constexpr int kAlphaStart = 8; // 4 degrees
// The circulation bar counts steps of 0.05: -15 to 15, a page 1.
constexpr double kStepsPerGamma = 20.0;
constexpr int kGammaMin = -300;
constexpr int kGammaMax = 300;
constexpr int kGammaPage = 20;
constexpr int kKuttaDecimals = 3;
// The time lines move at the screen's pace: a frame every 16 ms, each
// showing the particles at the time read from a monotonic clock.
constexpr int kFrameMilliseconds = 16;

// The panes have the main window's sizes: the circle pane square, the
// profile pane twice as wide; the pressure plot spans both.
constexpr QRect kCirclePane = fromTwips(0, 0, 3000, 3000);
constexpr QRect kProfilePane = fromTwips(0, 0, 6000, 3000);
constexpr QRect kPressurePane = fromTwips(0, 0, 9120, 3000);

// A bar whose keys follow its thumb, as on the main window: Right and Page
// Down raise the value.
QScrollBar *makeBar(QWidget *parent, const char *name, const QString &accessibleName, int minimum,
                    int maximum, int page)
{
    auto *bar = new ScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setAccessibleName(accessibleName);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(page);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false);
    bar->setMinimumWidth(160);
    return bar;
}

// Puts the bar at the step nearest to a value, or at its nearer end, without
// running its handler.
void followOnBar(QScrollBar *bar, double value, double stepsPerUnit)
{
    if (std::isnan(value))
        return;
    const QSignalBlocker quiet(bar);
    bar->setValue(static_cast<int>(std::clamp(std::nearbyint(value * stepsPerUnit),
                                              double(bar->minimum()), double(bar->maximum()))));
}

} // namespace

FlowWindow::FlowWindow(QWidget *parent) : QWidget(parent)
{
    registerAccessibleRole(staticMetaObject, QAccessible::Dialog);
    setWindowTitle(tr("Wingmap - Flow"));
    setObjectName("FlowWindow");
    createControls();
    createLayout();
    connectControls();
    m_exports = new FlowExports(this, m_circlePane, m_profilePane, m_pressurePane,
                                [this] { return m_frameTime; });
    addCloseKeys(this);
    refuse(FlowText::noFlowYet());
}

// The window closes its platform window only after this part of it is
// gone: its visibility must no longer reach runClock.
FlowWindow::~FlowWindow()
{
    if (QWindow *window = windowHandle())
        disconnect(window, nullptr, this, nullptr);
}

void FlowWindow::createControls()
{
    createPanes();
    createAngleControls();
    createCirculationControls();
    createForces();
    createViews();

    m_kutta = new QCheckBox(tr("&Kutta condition"), this);
    m_kutta->setObjectName("Check_kutta");
    m_kutta->setChecked(true);
    m_kutta->setToolTip(tr("Holds the rear stagnation point at the trailing edge, which sets "
                           "the circulation and so the lift"));

    m_sharp = new QPushButton(tr("&Sharp trailing edge"), this);
    m_sharp->setObjectName("Button_sharp");
    m_sharp->setToolTip(FlowText::noSharpEdge());
    m_sharp->setEnabled(false);

    m_readout = new QLabel(this);
    m_readout->setObjectName("Label_readout");
    m_readout->setWordWrap(true);
    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Selectable with the mouse but outside the Tab order: screen readers
    // read it through its accessible name.
    m_readout->setFocusPolicy(Qt::NoFocus);
    m_readout->setMinimumHeight(2 * fontMetrics().lineSpacing());
    m_readout->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The time lines' clock and which side reaches the trailing edge
    // first, under the readout: a line of its own, so that a frame rewrites
    // only it and the window keeps its size.
    m_clock = new QLabel(this);
    m_clock->setObjectName("Label_clock");
    m_clock->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_clock->setFocusPolicy(Qt::NoFocus);
    m_clock->setMinimumHeight(fontMetrics().lineSpacing());
    m_clock->setWordWrap(true);

    // The probe's line: selectable, and read by screen readers through its
    // accessible name, which carries the same numbers.
    m_probe = new QLabel(this);
    m_probe->setObjectName("Label_probe");
    m_probe->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_probe->setFocusPolicy(Qt::NoFocus);
    // Two lines: the reading wraps, and the window keeps its size as the
    // pointer comes and goes.
    m_probe->setMinimumHeight(2 * fontMetrics().lineSpacing());
    m_probe->setWordWrap(true);
    m_probe->setToolTip(tr("Point at a pane, or focus one and use the arrow keys, to read the "
                           "flow there and at its image"));

    m_notice = new QLabel(this);
    m_notice->setObjectName("Label_flow_notice");
    m_notice->setWordWrap(true);
    m_notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void FlowWindow::createPanes()
{
    m_circlePane = new FlowPane(this);
    m_circlePane->setObjectName("Picture_circle_flow");
    m_circlePane->setFixedSize(kCirclePane.size());
    m_circlePane->setAccessibleName(tr("Flow round the circle"));

    m_profilePane = new FlowPane(this);
    m_profilePane->setObjectName("Picture_airfoil_flow");
    m_profilePane->setFixedSize(kProfilePane.size());
    m_profilePane->setAccessibleName(tr("Flow past the profile"));
    // Hundreds of streamline segments, two device pixels wide on a dense
    // screen, paint fast as overlapping segments.
    for (FlowPane *pane : {m_circlePane, m_profilePane})
        pane->surface().setLineJoins(LineJoins::Overlap);

    m_pressurePane = new PressurePane(this);
    m_pressurePane->setObjectName("Picture_pressure");
    m_pressurePane->setFixedSize(kPressurePane.size());
    m_pressurePane->setAccessibleName(tr("Pressure along the surface"));
    m_pressurePane->setTexts({tr("x/c"), tr("−Cp"), tr("upper side"), tr("lower side")});
    m_pressurePane->setLiftCurveTexts(
        {tr("α (°)"), tr("C_L, C_M"), tr("C_L"), tr("C_M,c/4"), tr("thin airfoil 2π(α − α₀)")});

    m_viewLabel = new QLabel(tr("Sho&w:"), this);
    m_view = new QComboBox(this);
    m_view->setObjectName("Combo_view");
    m_view->addItems({tr("Pressure"), tr("Lift curve")});
    m_view->setAccessibleName(tr("What the lower plot shows"));
    m_view->setAccessibleDescription(
        tr("The pressure along the surface, or the lift curve of the profile drawn"));
    m_viewLabel->setBuddy(m_view);
}

void FlowWindow::showView(int index)
{
    const bool liftCurve = index == 1;
    m_pressurePane->setView(liftCurve ? PressurePane::View::LiftCurve
                                      : PressurePane::View::Pressure);
    m_pressurePane->setAccessibleName(liftCurve ? tr("Lift curve")
                                                : tr("Pressure along the surface"));
    if (liftCurve && m_probeFrom == ProbeFrom::Surface)
        endProbe();
    if (m_flow)
        describe();
}

void FlowWindow::createAngleControls()
{
    m_alphaLabel = new QLabel(tr("&Angle α (°) ="), this);
    m_alphaField = new QLineEdit(numberText(kAlphaStart / kStepsPerDegree), this);
    m_alphaField->setObjectName("Text_alpha");
    m_alphaField->setAccessibleName(tr("Angle of attack in degrees"));
    m_alphaField->setAccessibleDescription(
        tr("The angle of attack from the chord line, in degrees, from -90 to 90. Numbers use a "
           "point."));
    m_alphaField->setToolTip(tr("The angle of attack from the chord line, in degrees, from -90 "
                                "to 90; \".\" before the decimals"));
    m_alphaField->setMaximumWidth(70);
    m_alphaLabel->setBuddy(m_alphaField);

    m_alphaBar = makeBar(this, "HScroll_alpha", tr("Angle of attack, -15 to 15 degrees"), kAlphaMin,
                         kAlphaMax, kAlphaPage);
    m_alphaBar->setValue(kAlphaStart);
    describeAngleBar();
}

void FlowWindow::createCirculationControls()
{
    m_gammaLabel = new QLabel(tr("Ci&rculation Γ ="), this);
    m_gammaField = new QLineEdit(this);
    m_gammaField->setObjectName("Text_gamma");
    m_gammaField->setAccessibleName(tr("Circulation"));
    m_gammaField->setAccessibleDescription(
        tr("The circulation round the profile, positive clockwise, in plot units with a free "
           "stream of speed 1. Read-only under the Kutta condition, which sets it. Numbers use "
           "a point."));
    m_gammaField->setMaximumWidth(70);
    m_gammaField->setReadOnly(true);
    m_gammaLabel->setBuddy(m_gammaField);

    m_gammaBar = makeBar(this, "HScroll_gamma", tr("Circulation, -15 to 15"), kGammaMin, kGammaMax,
                         kGammaPage);
    m_gammaBar->setEnabled(false);
}

void FlowWindow::createForces()
{
    m_showForces = new QCheckBox(tr("F&orces"), this);
    m_showForces->setObjectName("Check_forces");
    m_showForces->setToolTip(tr("Shows the lift and moment on a real wing section at a speed, "
                                "chord and altitude you type"));
    m_showForces->setAccessibleDescription(m_showForces->toolTip());
    m_forces = new ForcesGroup(this);
    m_forces->setVisible(false);
}

void FlowWindow::createViews()
{
    const auto box = [this](const QString &text, const char *name, const QString &description) {
        auto *check = new QCheckBox(text, this);
        check->setObjectName(name);
        check->setToolTip(description);
        check->setAccessibleDescription(description);
        return check;
    };
    m_showTimeLines = box(tr("&Time lines"), "Check_time_lines",
                          tr("Releases a line of particles at the left of each pane at regular "
                             "times; each particle moves with the flow of its pane"));
    m_pause = new QPushButton(tr("&Pause"), this);
    m_pause->setObjectName("Button_pause");
    m_pause->setAccessibleDescription(tr("Stops and restarts the time lines' clock"));
    m_pause->setEnabled(false);
    m_showNet = box(tr("&Equipotential lines"), "Check_net",
                    tr("Draws the lines of equal velocity potential, which cross the "
                       "streamlines at right angles"));
    m_showGrid = box(tr("&Grid"), "Check_grid",
                     tr("Draws a polar grid round the circle and its image under the map, "
                        "which keeps right angles everywhere except at ±b"));
    m_showSpeed =
        box(tr("Spee&d"), "Check_speed", tr("Colours each pane by the speed of its own flow"));
}

// The panes keep their places whatever the font: they sit in a box of their
// own at the left, and the controls take rows below them.
void FlowWindow::createLayout()
{
    auto *plots = new QWidget(this);
    auto *grid = new QGridLayout(plots);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(m_circlePane, 0, 0);
    grid->addWidget(m_profilePane, 0, 1);
    grid->addWidget(m_pressurePane, 1, 0, 1, 2);

    // A row of widgets, the one given a stretch taking the room left.
    const auto row = [](std::initializer_list<QWidget *> widgets, QWidget *stretching) {
        auto *layout = new QHBoxLayout;
        for (QWidget *widget : widgets)
            layout->addWidget(widget, widget == stretching ? 1 : 0);
        if (!stretching)
            layout->addStretch(1);
        return layout;
    };
    auto *views = row({m_showTimeLines, m_pause, m_showNet, m_showGrid, m_showSpeed}, nullptr);
    auto *options = row({m_kutta, m_showForces}, nullptr);
    options->addWidget(m_sharp);

    auto *window = new QVBoxLayout(this);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->addWidget(plots, 0, Qt::AlignLeft);
    window->addLayout(row({m_viewLabel, m_view}, nullptr));
    window->addLayout(row({m_alphaLabel, m_alphaField, m_alphaBar}, m_alphaBar));
    window->addLayout(row({m_gammaLabel, m_gammaField, m_gammaBar}, m_gammaBar));
    window->addLayout(views);
    window->addLayout(options);
    window->addWidget(m_forces);
    window->addWidget(m_readout);
    window->addWidget(m_clock);
    window->addWidget(m_probe);
    window->addWidget(m_notice);

    QWidget *previous = m_circlePane;
    for (QWidget *next : std::initializer_list<QWidget *>{
             m_profilePane, m_pressurePane, m_view, m_alphaField, m_alphaBar, m_gammaField,
             m_gammaBar, m_showTimeLines, m_pause, m_showNet, m_showGrid, m_showSpeed, m_kutta,
             m_showForces, m_sharp, m_forces->findChild<QLineEdit *>("Text_speed")}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void FlowWindow::connectControls()
{
    connect(m_alphaField, &QLineEdit::textChanged, this, &FlowWindow::alphaTyped);
    connect(m_alphaBar, &QScrollBar::valueChanged, this, &FlowWindow::alphaScrolled);
    connect(m_kutta, &QCheckBox::toggled, this, &FlowWindow::kuttaToggled);
    connect(m_gammaField, &QLineEdit::textChanged, this, &FlowWindow::gammaTyped);
    connect(m_gammaBar, &QScrollBar::valueChanged, this, &FlowWindow::gammaScrolled);
    connect(m_showForces, &QCheckBox::toggled, m_forces, &QWidget::setVisible);
    connect(m_view, &QComboBox::currentIndexChanged, this, &FlowWindow::showView);
    connect(m_sharp, &QPushButton::clicked, this, &FlowWindow::sharpTrailingEdge);
    for (PlotPane *pane :
         {static_cast<PlotPane *>(m_circlePane), static_cast<PlotPane *>(m_profilePane),
          static_cast<PlotPane *>(m_pressurePane)})
        connect(pane, &PlotPane::clicked, this, &FlowWindow::redraw);
    for (QCheckBox *view : {m_showNet, m_showGrid, m_showSpeed})
        connect(view, &QCheckBox::toggled, this, &FlowWindow::redraw);
    connect(m_showTimeLines, &QCheckBox::toggled, this, &FlowWindow::timeLinesToggled);
    connect(m_pause, &QPushButton::clicked, this, &FlowWindow::pauseClicked);
    m_frames = new QTimer(this);
    m_frames->setObjectName("Timer_frames");
    m_frames->setTimerType(Qt::PreciseTimer);
    m_frames->setInterval(kFrameMilliseconds);
    connect(m_frames, &QTimer::timeout, this, &FlowWindow::frame);
    connect(m_circlePane, &FlowPane::probed, this, &FlowWindow::probeCircle);
    connect(m_profilePane, &FlowPane::probed, this, &FlowWindow::probeProfile);
    connect(m_pressurePane, &PressurePane::probed, this, &FlowWindow::probeSurface);
    // A pane ends only its own probe.
    const auto endFrom = [this](ProbeFrom from) {
        return [this, from] {
            if (m_probeFrom == from)
                endProbe();
        };
    };
    connect(m_circlePane, &FlowPane::probeLeft, this, endFrom(ProbeFrom::Circle));
    connect(m_profilePane, &FlowPane::probeLeft, this, endFrom(ProbeFrom::Profile));
    connect(m_pressurePane, &PressurePane::probeLeft, this, endFrom(ProbeFrom::Surface));
}

void FlowWindow::follow(std::shared_ptr<const ShownDrawing> drawing)
{
    m_drawing = std::move(drawing);
    offerSharpEdge();
    redraw();
}

void FlowWindow::setPrompts(std::unique_ptr<ExportPrompts> prompts)
{
    m_exports->setPrompts(std::move(prompts));
}

// The bar follows a typed angle to the nearest step, or to its nearer end,
// without writing that step back into the field; the line below the readout
// tells how a text that is not wholly one number was read.
void FlowWindow::alphaTyped()
{
    const QString text = m_alphaField->text();
    followOnBar(m_alphaBar, ReadNumber(text.toStdString()), kStepsPerDegree);
    describeAngleBar();
    sayHowTextsWereRead();
    redraw();
}

// The circulation field, while the Kutta condition is off: the bar follows
// as the angle's does, and the flow takes the number read.
void FlowWindow::gammaTyped()
{
    if (m_kutta->isChecked())
        return;
    m_gamma = ReadNumber(m_gammaField->text().toStdString());
    followOnBar(m_gammaBar, m_gamma, kStepsPerGamma);
    describeCirculationBar();
    sayHowTextsWereRead();
    redraw();
}

// Writing the field redraws, through gammaTyped.
void FlowWindow::gammaScrolled(int value)
{
    m_gammaField->setText(numberText(value / kStepsPerGamma));
    m_gammaField->setCursorPosition(0);
}

// Off, the circulation starts at 0 and is the user's; on, the field shows
// the Kutta condition's, read-only.
void FlowWindow::kuttaToggled(bool on)
{
    m_gammaField->setReadOnly(on);
    m_gammaBar->setEnabled(!on);
    if (!on) {
        m_gamma = 0.0;
        const QSignalBlocker quiet(m_gammaField);
        m_gammaField->setText(numberText(m_gamma));
        const QSignalBlocker quietBar(m_gammaBar);
        m_gammaBar->setValue(0);
        describeCirculationBar();
    }
    sayHowTextsWereRead();
    redraw();
}

void FlowWindow::showKuttaGamma()
{
    if (!m_kutta->isChecked() || !m_flow)
        return;
    const QSignalBlocker quiet(m_gammaField);
    m_gammaField->setText(FlowText::decimals(m_flow->gamma(), kKuttaDecimals));
    m_gammaField->setCursorPosition(0);
    followOnBar(m_gammaBar, m_flow->gamma(), kStepsPerGamma);
    describeCirculationBar();
}

// The fields the user types the flow's numbers into, read as the main
// window reads its own.
void FlowWindow::sayHowTextsWereRead()
{
    QList<NoticeText::Field> fields{{tr("α"), m_alphaField->text()}};
    if (!m_kutta->isChecked())
        fields.append({tr("Γ"), m_gammaField->text()});
    m_notice->setText(NoticeText::reading(fields, false));
}

// Writing the field redraws, through alphaTyped.
void FlowWindow::alphaScrolled(int value)
{
    describeAngleBar();
    m_alphaField->setText(numberText(value / kStepsPerDegree));
    m_alphaField->setCursorPosition(0);
}

// The bar counts half degrees; a screen reader hears the angle.
void FlowWindow::describeCirculationBar()
{
    m_gammaBar->setAccessibleDescription(
        FlowText::circulation(m_gammaBar->value() / kStepsPerGamma));
}

void FlowWindow::describeAngleBar()
{
    m_alphaBar->setAccessibleDescription(FlowText::angle(m_alphaBar->value() / kStepsPerDegree));
}

// The button writes b into the main window's b field, which reads it back
// and draws: it is offered only where that b survives the trip and draws.
void FlowWindow::offerSharpEdge()
{
    bool offered = false;
    if (m_drawing) {
        const ParameterState &drawn = m_drawing->state;
        const double b = SharpEdgeB(drawn.F, drawn.G);
        ParameterState sharp;
        sharp.F = drawn.F;
        sharp.G = drawn.G;
        sharp.b = ReadNumber(FormatNumber(b));
        offered = std::isfinite(b) && SampleProfile(sharp).ok();
        m_sharpB = sharp.b;
    }
    m_sharp->setEnabled(offered);
    m_sharp->setToolTip(offered ? FlowText::sharpEdge() : FlowText::noSharpEdge());
}

void FlowWindow::sharpTrailingEdge()
{
    if (m_sharp->isEnabled())
        emit sharpTrailingEdgeRequested(m_sharpB);
}

void FlowWindow::refuse(const QString &why)
{
    m_readout->setText(why);
    m_readout->setAccessibleName(why);
}

void FlowWindow::redraw()
{
    if (!m_drawing)
        return;
    const double alpha = ReadNumber(m_alphaField->text().toStdString());
    const qreal ratio = devicePixelRatioF();
    const FlowPanePixels pixels{m_circlePane->contentsRect().width() * ratio,
                                m_profilePane->contentsRect().width() * ratio, ratio};
    const FlowViewChoice views{m_showTimeLines->isChecked(), m_showNet->isChecked(),
                               m_showGrid->isChecked(), m_showSpeed->isChecked()};
    FlowRedrawOutcome outcome =
        RedrawFlow(*m_drawing, alpha, {m_kutta->isChecked(), m_gamma}, pixels, views,
                   m_circlePane->surface(), m_profilePane->surface());
    if (!outcome.drawn()) {
        const ParameterState &drawn = m_drawing->state;
        refuse(FlowText::refusal(outcome.failure, outcome.refusal,
                                 {drawn.F, drawn.G, drawn.b, m_sharp->isEnabled()}));
        return;
    }
    // Over the shading every line is drawn with a light halo.
    for (FlowPane *pane : {m_circlePane, m_profilePane}) {
        pane->surface().setHalo(views.speed);
        pane->update();
    }
    const PaneExtents extents = PaneExtentsAt(m_drawing->MaxC);
    m_circlePane->setExtent(extents.circle);
    m_profilePane->setExtent(extents.profile);
    m_profilePane->setSpeedLegend(views.speed);
    m_flow = std::move(outcome.flow);
    m_lines = std::move(outcome.lines);
    m_branch = std::move(outcome.branch);
    m_net = std::move(outcome.net);
    m_timeLines =
        outcome.timeLines && outcome.timeLines->ok() ? std::move(outcome.timeLines) : nullptr;
    m_pressurePane->setSides(m_flow->upperSide(), m_flow->lowerSide());
    m_pressurePane->setLiftCurve(LiftCurve(*m_flow), m_flow->alphaDegrees());
    m_exports->setFlow(m_flow.get(), &m_lines, m_drawing->MaxC);
    m_exports->setViews(m_showNet->isChecked() && m_net.ok() ? &m_net : nullptr, m_timeLines.get());
    m_forces->setCoefficients(m_flow->liftCoefficient(), m_flow->momentCoefficient());
    showKuttaGamma();
    describe();
    frame();
    runClock();
    reprobe();
}

void FlowWindow::describe()
{
    const Flow &flow = *m_flow;
    m_readout->setText(FlowText::readout(flow));
    QString spoken = FlowText::spokenReadout(flow);
    if (m_timeLines)
        spoken += ' ' + FlowText::trailingEdgeLead(m_timeLines->trailingEdgeLead());
    m_readout->setAccessibleName(spoken.trimmed());
    m_circlePane->setAccessibleDescription(FlowText::circlePane(flow));
    m_profilePane->setAccessibleDescription(FlowText::profilePane(flow));
    m_pressurePane->setAccessibleDescription(m_pressurePane->view() == PressurePane::View::LiftCurve
                                                 ? FlowText::liftCurvePane(flow)
                                                 : FlowText::pressurePane(flow));
}

// While the time lines are shown: their clock at the time of the frame
// shown, and which side reaches the trailing edge first.
void FlowWindow::showClock()
{
    if (!m_timeLines) {
        m_clock->clear();
        m_clock->setAccessibleName(QString());
        return;
    }
    QStringList parts{FlowText::clock(m_frameTime)};
    const QString lead = FlowText::trailingEdgeLead(m_timeLines->trailingEdgeLead());
    if (!lead.isEmpty())
        parts << lead;
    m_clock->setText(parts.join(QStringLiteral(" · ")));
}

double FlowWindow::timeShown() const
{
    if (!m_showTimeLines->isChecked())
        return 0.0;
    return m_timeBefore + (m_clockTimer.isValid() ? m_clockTimer.nsecsElapsed() * 1e-9 : 0.0);
}

// Ticked, the clock starts at 0 and runs; unticked, the particles go and
// the clock is back at 0. The travel times are computed by the redraw.
void FlowWindow::timeLinesToggled(bool on)
{
    m_timeBefore = 0.0;
    m_paused = false;
    m_pause->setText(tr("&Pause"));
    m_pause->setEnabled(on);
    if (on) {
        m_clockTimer.start();
    } else {
        // Also where the state is refused and the redraw draws nothing.
        m_clockTimer.invalidate();
        m_timeLines.reset();
        m_exports->setViews(m_showNet->isChecked() && m_net.ok() ? &m_net : nullptr, nullptr);
        frame();
        runClock();
    }
    redraw();
}

void FlowWindow::pauseClicked()
{
    if (!m_showTimeLines->isChecked())
        return;
    if (m_paused) {
        m_paused = false;
        m_clockTimer.start();
        m_pause->setText(tr("&Pause"));
    } else {
        m_timeBefore = timeShown();
        m_clockTimer.invalidate();
        m_paused = true;
        m_pause->setText(tr("&Play"));
    }
    frame();
    runClock();
}

// Frames come only while there is something moving to see: the time lines
// shown, the clock running, the window on the screen.
void FlowWindow::runClock()
{
    // The window system may hide or minimise the window without telling
    // the widget (another desktop, a window manager's own hiding): its
    // window's visibility says so.
    const QWindow *window = windowHandle();
    const bool shown = isVisible() && !isMinimized() && window &&
                       window->visibility() != QWindow::Hidden &&
                       window->visibility() != QWindow::Minimized;
    const bool run = m_showTimeLines->isChecked() && !m_paused && m_timeLines && shown;
    if (run && !m_frames->isActive())
        m_frames->start();
    else if (!run)
        m_frames->stop();
}

void FlowWindow::frame()
{
    m_frameTime = timeShown();
    if (!m_timeLines) {
        m_circlePane->setTimeLines({});
        m_profilePane->setTimeLines({});
    } else {
        m_circlePane->setTimeLines(m_timeLines->at(m_frameTime, FlowPlane::Circle));
        m_profilePane->setTimeLines(m_timeLines->at(m_frameTime, FlowPlane::Profile));
    }
    showClock();
}

void FlowWindow::probeCircle(double x, double y)
{
    m_probeFrom = ProbeFrom::Circle;
    m_probeAt = {x, y};
    if (!m_flow || !m_branch)
        return;
    const ProbeReading reading = ProbeCircle(*m_flow, *m_branch, m_probeAt);
    const bool inFlow = reading.where == ProbeReading::Where::Flow;
    m_circlePane->setProbeMarks({{reading.z}, {}});
    sayToFocusedPane(m_circlePane, ProbeText::spoken(reading));
    m_profilePane->setProbeMarks(
        {{}, inFlow ? std::vector{reading.zeta} : std::vector<std::complex<double>>{}});
    m_probe->setText(ProbeText::line(reading));
    m_probe->setAccessibleName(ProbeText::spoken(reading));
}

void FlowWindow::probeProfile(double x, double y)
{
    m_probeFrom = ProbeFrom::Profile;
    m_probeAt = {x, y};
    if (!m_flow || !m_branch)
        return;
    const ProbeReading reading = ProbeProfile(*m_flow, *m_branch, m_probeAt);
    const bool inFlow = reading.where == ProbeReading::Where::Flow;
    m_profilePane->setProbeMarks({{reading.zeta}, {}});
    sayToFocusedPane(m_profilePane, ProbeText::spoken(reading));
    m_circlePane->setProbeMarks(
        {{}, inFlow ? std::vector{reading.z} : std::vector<std::complex<double>>{}});
    m_probe->setText(ProbeText::line(reading));
    m_probe->setAccessibleName(ProbeText::spoken(reading));
}

void FlowWindow::probeSurface(double chordFraction)
{
    m_probeFrom = ProbeFrom::Surface;
    m_probeAt = chordFraction;
    if (!m_flow)
        return;
    const SurfaceProbe probe = ProbeChordFraction(*m_flow, chordFraction);
    if (!probe.ok) {
        endProbe();
        return;
    }
    m_circlePane->setProbeMarks({{}, {probe.upper.circle, probe.lower.circle}});
    m_profilePane->setProbeMarks({{}, {probe.upper.profile, probe.lower.profile}});
    m_probe->setText(ProbeText::surfaceLine(probe));
    m_probe->setAccessibleName(ProbeText::spokenSurface(probe));
}

// A screen reader follows the focus, not the probe's line: the focused pane
// whose probe the arrow keys move carries the reading as its description
// until the probe ends.
void FlowWindow::sayToFocusedPane(FlowPane *pane, const QString &reading)
{
    if (pane->hasFocus())
        pane->setAccessibleDescription(reading);
}

void FlowWindow::endProbe()
{
    if (m_flow) {
        m_circlePane->setAccessibleDescription(FlowText::circlePane(*m_flow));
        m_profilePane->setAccessibleDescription(FlowText::profilePane(*m_flow));
    }
    m_probeFrom = ProbeFrom::None;
    m_circlePane->setProbeMarks({});
    m_profilePane->setProbeMarks({});
    m_probe->clear();
    m_probe->setAccessibleName(QString());
}

// A new flow: the probe reads the same point again.
void FlowWindow::reprobe()
{
    switch (m_probeFrom) {
    case ProbeFrom::None:
        break;
    case ProbeFrom::Circle:
        probeCircle(m_probeAt.real(), m_probeAt.imag());
        break;
    case ProbeFrom::Profile:
        probeProfile(m_probeAt.real(), m_probeAt.imag());
        break;
    case ProbeFrom::Surface:
        probeSurface(m_probeAt.real());
        break;
    }
}

void FlowWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (QWindow *window = windowHandle())
        connect(window, &QWindow::visibilityChanged, this, &FlowWindow::runClock,
                Qt::UniqueConnection);
    runClock();
}

void FlowWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    runClock();
}

void FlowWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FlowWindow::changeEvent(QEvent *event)
{
    // The panes take the palette's text colour for their axes: draw again.
    if (event->type() == QEvent::PaletteChange && m_flow)
        redraw();
    if (event->type() == QEvent::WindowStateChange)
        runClock();
    QWidget::changeEvent(event);
}

} // namespace wingmap
