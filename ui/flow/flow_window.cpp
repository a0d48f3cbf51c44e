#include "ui/flow/flow_window.h"

#include "geometry/circle.h"
#include "geometry/flow/flow.h"
#include "geometry/joukowsky.h"
#include "geometry/number_text.h"
#include "geometry/parameter_state.h"
#include "plot/flow_drawing.h"
#include "ui/exports/export_prompts.h"
#include "ui/flow/flow_exports.h"
#include "ui/flow/pressure_pane.h"
#include "ui/widgets/accessible_roles.h"
#include "ui/widgets/number_string.h"
#include "ui/widgets/plot_pane.h"
#include "ui/widgets/scroll_bar.h"
#include "ui/widgets/twips.h"
#include "ui/widgets/window_keys.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

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
// Typed angles beyond these are refused: the flow past a profile turned
// further round is the same as one at a smaller angle the other way.
constexpr double kLargestAngle = 90.0;
constexpr int kResultDecimals = 3;
constexpr int kAngleDecimals = 2;

// The panes have the main window's sizes: the circle pane square, the
// profile pane twice as wide; the pressure plot spans both.
constexpr QRect kCirclePane = fromTwips(0, 0, 3000, 3000);
constexpr QRect kProfilePane = fromTwips(0, 0, 6000, 3000);
constexpr QRect kPressurePane = fromTwips(0, 0, 9120, 3000);

// A fixed number of decimals, "." whatever the locale, no "-0.000".
QString fixed(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith('-') && text.count('0') == text.size() - 2)
        text.remove(0, 1);
    return text;
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
    m_exports = new FlowExports(this, m_circlePane, m_profilePane, m_pressurePane);
    addCloseKeys(this);
    refuse(tr("No flow yet: draw a profile in the main window."));
}

FlowWindow::~FlowWindow() = default;

void FlowWindow::createControls()
{
    m_circlePane = new PlotPane(this);
    m_circlePane->setObjectName("Picture_circle_flow");
    m_circlePane->setFixedSize(kCirclePane.size());
    m_circlePane->setAccessibleName(tr("Flow round the circle"));

    m_profilePane = new PlotPane(this);
    m_profilePane->setObjectName("Picture_airfoil_flow");
    m_profilePane->setFixedSize(kProfilePane.size());
    m_profilePane->setAccessibleName(tr("Flow past the profile"));

    m_pressurePane = new PressurePane(this);
    m_pressurePane->setObjectName("Picture_pressure");
    m_pressurePane->setFixedSize(kPressurePane.size());
    m_pressurePane->setAccessibleName(tr("Pressure along the surface"));
    m_pressurePane->setTexts({tr("x/c"), tr("−Cp"), tr("upper side"), tr("lower side")});

    m_alphaLabel = new QLabel(tr("&α (°) ="), this);
    m_alphaField = new QLineEdit(numberText(kAlphaStart / kStepsPerDegree), this);
    m_alphaField->setObjectName("Text_alpha");
    m_alphaField->setAccessibleName(tr("Angle of attack in degrees"));
    m_alphaField->setToolTip(tr("The angle of attack from the chord line, in degrees, from -90 "
                                "to 90; \".\" before the decimals"));
    m_alphaField->setMaximumWidth(70);
    m_alphaLabel->setBuddy(m_alphaField);

    m_alphaBar = new ScrollBar(Qt::Horizontal, this);
    m_alphaBar->setObjectName("HScroll_alpha");
    m_alphaBar->setAccessibleName(tr("Angle of attack, -15 to 15 degrees"));
    m_alphaBar->setRange(kAlphaMin, kAlphaMax);
    m_alphaBar->setSingleStep(1);
    m_alphaBar->setPageStep(kAlphaPage);
    m_alphaBar->setValue(kAlphaStart);
    m_alphaBar->setFocusPolicy(Qt::StrongFocus);
    // Right and Page Down raise the angle, as on the main window's bars.
    m_alphaBar->setInvertedControls(false);
    m_alphaBar->setMinimumWidth(160);

    m_kutta = new QCheckBox(tr("&Kutta condition"), this);
    m_kutta->setObjectName("Check_kutta");
    m_kutta->setChecked(true);
    m_kutta->setToolTip(tr("Holds the rear stagnation point at the trailing edge, which sets "
                           "the circulation and so the lift"));

    m_sharp = new QPushButton(tr("&Sharp trailing edge"), this);
    m_sharp->setObjectName("Button_sharp");
    m_sharp->setToolTip(tr("Sets b in the main window so that the circle passes through +b: "
                           "the trailing edge becomes sharp"));
    m_sharp->setEnabled(false);

    m_readout = new QLabel(this);
    m_readout->setObjectName("Label_readout");
    m_readout->setWordWrap(true);
    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_readout->setMinimumHeight(2 * fontMetrics().lineSpacing());
    m_readout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void FlowWindow::createLayout()
{
    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(m_circlePane, 0, 0);
    grid->addWidget(m_profilePane, 0, 1);
    grid->addWidget(m_pressurePane, 1, 0, 1, 2);

    auto *controls = new QHBoxLayout;
    controls->addWidget(m_alphaLabel);
    controls->addWidget(m_alphaField);
    controls->addWidget(m_alphaBar);
    controls->addSpacing(12);
    controls->addWidget(m_kutta);
    controls->addStretch(1);
    controls->addWidget(m_sharp);
    grid->addLayout(controls, 2, 0, 1, 2);
    grid->addWidget(m_readout, 3, 0, 1, 2);

    setTabOrder(m_circlePane, m_profilePane);
    setTabOrder(m_profilePane, m_pressurePane);
    setTabOrder(m_pressurePane, m_alphaField);
    setTabOrder(m_alphaField, m_alphaBar);
    setTabOrder(m_alphaBar, m_kutta);
    setTabOrder(m_kutta, m_sharp);
}

void FlowWindow::connectControls()
{
    connect(m_alphaField, &QLineEdit::textChanged, this, &FlowWindow::alphaTyped);
    connect(m_alphaBar, &QScrollBar::valueChanged, this, &FlowWindow::alphaScrolled);
    connect(m_kutta, &QCheckBox::toggled, this, &FlowWindow::redraw);
    connect(m_sharp, &QPushButton::clicked, this, &FlowWindow::sharpTrailingEdge);
    for (PlotPane *pane : {m_circlePane, m_profilePane, static_cast<PlotPane *>(m_pressurePane)})
        connect(pane, &PlotPane::clicked, this, &FlowWindow::redraw);
}

void FlowWindow::follow(const Source &source)
{
    m_source = source;
    m_sharp->setEnabled(true);
    redraw();
}

void FlowWindow::setPrompts(std::unique_ptr<ExportPrompts> prompts)
{
    m_exports->setPrompts(std::move(prompts));
}

// The bar follows a typed angle on its range to the nearest step, without
// writing that step back into the field.
void FlowWindow::alphaTyped()
{
    const double alpha = ReadNumber(m_alphaField->text().toStdString());
    const double steps = std::nearbyint(alpha * kStepsPerDegree);
    if (std::isfinite(alpha) && steps >= kAlphaMin && steps <= kAlphaMax) {
        const QSignalBlocker quiet(m_alphaBar);
        m_alphaBar->setValue(static_cast<int>(steps));
    }
    redraw();
}

// Writing the field redraws, through alphaTyped.
void FlowWindow::alphaScrolled(int value)
{
    m_alphaField->setText(numberText(value / kStepsPerDegree));
    m_alphaField->setCursorPosition(0);
}

void FlowWindow::sharpTrailingEdge()
{
    if (m_source)
        emit sharpTrailingEdgeRequested(SharpEdgeB(m_source->F, m_source->G));
}

void FlowWindow::refuse(const QString &why)
{
    m_readout->setText(why);
    m_readout->setAccessibleName(why);
}

void FlowWindow::redraw()
{
    if (!m_source)
        return;
    const Source source = *m_source;
    const double alpha = ReadNumber(m_alphaField->text().toStdString());
    if (!std::isfinite(alpha) || std::abs(alpha) > kLargestAngle) {
        refuse(tr("No flow drawn: the angle of attack must lie between -90° and 90°. Type an "
                  "angle in that range."));
        return;
    }

    auto flow = std::make_unique<Flow>(source.F, source.G, source.b, alpha, m_kutta->isChecked());
    if (!flow->ok()) {
        const FlowRefusal &refusal = flow->refusal();
        switch (refusal.failure) {
        case FlowFailure::PlusBOutside:
            refuse(tr("No flow drawn: the critical point +b lies outside the circle (%1 from its "
                      "centre), where the map folds the flow. Press “Sharp trailing edge” to "
                      "put the circle through +b, or make b smaller.")
                       .arg(fixed(refusal.distance, kResultDecimals)));
            return;
        case FlowFailure::MinusBOutside:
            refuse(tr("No flow drawn: the critical point -b lies outside the circle (%1 from its "
                      "centre), where the map folds the flow. Make G smaller, or F larger.")
                       .arg(fixed(refusal.distance, kResultDecimals)));
            return;
        case FlowFailure::AngleNotFinite:
            refuse(tr("No flow drawn: the angle of attack must lie between -90° and 90°. Type "
                      "an angle in that range."));
            return;
        case FlowFailure::Shape:
        case FlowFailure::None:
            break;
        }
        switch (refusal.shape) {
        case ShapeFailure::SelfCrossing:
            refuse(tr("No flow drawn: the profile crosses itself. Make b smaller, or press "
                      "“Sharp trailing edge”."));
            return;
        case ShapeFailure::NotSingleValued:
            refuse(tr("No flow drawn: a side of the profile turns back along the chord, so it "
                      "has no chord line to measure the angle from. Change F, G or b."));
            return;
        case ShapeFailure::NotSampled:
        case ShapeFailure::None:
            break;
        }
        refuse(tr("No flow drawn: the profile could not be measured with these values of F, G "
                  "and b. Change b, F or G a little."));
        return;
    }

    const double scale = std::abs(source.MaxC);
    const double circlePixels = m_circlePane->contentsRect().width() * devicePixelRatioF();
    const double profilePixels = m_profilePane->contentsRect().width() * devicePixelRatioF();
    Streamlines lines = TraceStreamlines(
        *flow, {scale, 2.0 * scale / circlePixels, 4.0 * scale / profilePixels});
    if (!lines.ok()) {
        refuse(tr("No flow drawn: the Scale is too small or too large to trace streamlines "
                  "at. Choose a Scale nearer 1."));
        return;
    }

    ParameterState body;
    body.F = source.F;
    body.G = source.G;
    body.b = source.b;
    if (!SampleProfile(body).ok())
        return;
    DrawFlow(body, source.MaxC, *flow, lines, m_circlePane->surface(),
             m_profilePane->surface());
    m_circlePane->update();
    m_profilePane->update();
    m_pressurePane->setPressure(flow->surfacePressure());

    m_flow = std::move(flow);
    m_lines = std::move(lines);
    m_exports->setFlow(m_flow.get(), &m_lines);
    describe();
}

void FlowWindow::describe()
{
    const Flow &flow = *m_flow;
    const QString readout = tr("C_L = %1 · C_M,c/4 = %2 · Γ = %3 · α₀ = %4°")
                                .arg(fixed(flow.liftCoefficient(), kResultDecimals),
                                     fixed(flow.momentCoefficient(), kResultDecimals),
                                     fixed(flow.gamma(), kResultDecimals),
                                     fixed(flow.zeroLiftDegrees(), kAngleDecimals));
    m_readout->setText(readout);
    const QString spoken =
        tr("Lift coefficient %1, moment coefficient about the quarter chord %2, circulation "
           "%3, zero-lift angle %4 degrees.")
            .arg(fixed(flow.liftCoefficient(), kResultDecimals),
                 fixed(flow.momentCoefficient(), kResultDecimals),
                 fixed(flow.gamma(), kResultDecimals),
                 fixed(flow.zeroLiftDegrees(), kAngleDecimals));
    m_readout->setAccessibleName(spoken);
    const QString angle = fixed(flow.alphaDegrees(), kAngleDecimals);
    m_circlePane->setAccessibleDescription(
        tr("Streamlines round the circle at an angle of attack of %1 degrees, with the "
           "stagnation points marked. %2")
            .arg(angle, spoken));
    m_profilePane->setAccessibleDescription(
        tr("Streamlines past the profile at an angle of attack of %1 degrees, with the "
           "stagnation points marked. %2")
            .arg(angle, spoken));

    // Where the pressure is lowest, in words.
    double lowest = 1.0;
    double lowestAt = 0.0;
    for (const SurfacePressure &p : flow.surfacePressure()) {
        if (p.cp < lowest) {
            lowest = p.cp;
            lowestAt = p.x;
        }
    }
    m_pressurePane->setAccessibleDescription(
        std::isinf(lowest)
            ? tr("Minus the pressure coefficient against the chord position, upper and lower "
                 "side. The suction is unbounded at x/c = %1, where the flow turns round a "
                 "sharp edge.")
                  .arg(fixed(lowestAt, 2))
            : tr("Minus the pressure coefficient against the chord position, upper and lower "
                 "side. The pressure is lowest at x/c = %1, where Cp is %2.")
                  .arg(fixed(lowestAt, 2), fixed(lowest, 2)));
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
    QWidget::changeEvent(event);
}

} // namespace wingmap
