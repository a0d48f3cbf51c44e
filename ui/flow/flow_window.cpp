#include "ui/flow/flow_window.h"

#include "geometry/circle.h"
#include "geometry/flow/flow.h"
#include "geometry/joukowsky.h"
#include "geometry/number_text.h"
#include "geometry/parameter_state.h"
#include "plot/flow_redraw.h"
#include "plot/image_surface.h"
#include "plot/shown_drawing.h"
#include "ui/exports/export_prompts.h"
#include "ui/flow/flow_exports.h"
#include "ui/flow/flow_text.h"
#include "ui/flow/pressure_pane.h"
#include "ui/widgets/accessible_roles.h"
#include "ui/widgets/notice_text.h"
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

// The panes have the main window's sizes: the circle pane square, the
// profile pane twice as wide; the pressure plot spans both.
constexpr QRect kCirclePane = fromTwips(0, 0, 3000, 3000);
constexpr QRect kProfilePane = fromTwips(0, 0, 6000, 3000);
constexpr QRect kPressurePane = fromTwips(0, 0, 9120, 3000);

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
    refuse(FlowText::noFlowYet());
}

FlowWindow::~FlowWindow() = default;

void FlowWindow::createControls()
{
    createPanes();
    createAngleControls();

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

    m_notice = new QLabel(this);
    m_notice->setObjectName("Label_flow_notice");
    m_notice->setWordWrap(true);
    m_notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void FlowWindow::createPanes()
{
    m_circlePane = new PlotPane(this);
    m_circlePane->setObjectName("Picture_circle_flow");
    m_circlePane->setFixedSize(kCirclePane.size());
    m_circlePane->setAccessibleName(tr("Flow round the circle"));

    m_profilePane = new PlotPane(this);
    m_profilePane->setObjectName("Picture_airfoil_flow");
    m_profilePane->setFixedSize(kProfilePane.size());
    m_profilePane->setAccessibleName(tr("Flow past the profile"));
    // Hundreds of streamline segments, two device pixels wide on a dense
    // screen, paint fast as overlapping segments.
    for (PlotPane *pane : {m_circlePane, m_profilePane})
        pane->surface().setLineJoins(LineJoins::Overlap);

    m_pressurePane = new PressurePane(this);
    m_pressurePane->setObjectName("Picture_pressure");
    m_pressurePane->setFixedSize(kPressurePane.size());
    m_pressurePane->setAccessibleName(tr("Pressure along the surface"));
    m_pressurePane->setTexts({tr("x/c"), tr("−Cp"), tr("upper side"), tr("lower side")});
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
    describeAngleBar();
}

// The panes keep their places whatever the font: they sit in a box of their
// own at the left, and the controls below them take two rows.
void FlowWindow::createLayout()
{
    auto *plots = new QWidget(this);
    auto *grid = new QGridLayout(plots);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(m_circlePane, 0, 0);
    grid->addWidget(m_profilePane, 0, 1);
    grid->addWidget(m_pressurePane, 1, 0, 1, 2);

    auto *angle = new QHBoxLayout;
    angle->addWidget(m_alphaLabel);
    angle->addWidget(m_alphaField);
    angle->addWidget(m_alphaBar, 1);

    auto *options = new QHBoxLayout;
    options->addWidget(m_kutta);
    options->addStretch(1);
    options->addWidget(m_sharp);

    auto *window = new QVBoxLayout(this);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->addWidget(plots, 0, Qt::AlignLeft);
    window->addLayout(angle);
    window->addLayout(options);
    window->addWidget(m_readout);
    window->addWidget(m_notice);

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
    const double alpha = ReadNumber(text.toStdString());
    if (!std::isnan(alpha)) {
        const double steps = std::clamp(std::nearbyint(alpha * kStepsPerDegree), double(kAlphaMin),
                                        double(kAlphaMax));
        const QSignalBlocker quiet(m_alphaBar);
        m_alphaBar->setValue(static_cast<int>(steps));
        describeAngleBar();
    }
    m_notice->setText(NoticeText::reading({{tr("α"), text}}, false));
    redraw();
}

// Writing the field redraws, through alphaTyped.
void FlowWindow::alphaScrolled(int value)
{
    describeAngleBar();
    m_alphaField->setText(numberText(value / kStepsPerDegree));
    m_alphaField->setCursorPosition(0);
}

// The bar counts half degrees; a screen reader hears the angle.
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
                                m_profilePane->contentsRect().width() * ratio};
    FlowRedrawOutcome outcome = RedrawFlow(*m_drawing, alpha, m_kutta->isChecked(), pixels,
                                           m_circlePane->surface(), m_profilePane->surface());
    if (!outcome.drawn()) {
        const ParameterState &drawn = m_drawing->state;
        refuse(FlowText::refusal(outcome.failure, outcome.refusal,
                                 {drawn.F, drawn.G, drawn.b, m_sharp->isEnabled()}));
        return;
    }
    m_circlePane->update();
    m_profilePane->update();
    m_flow = std::move(outcome.flow);
    m_lines = std::move(outcome.lines);
    m_pressurePane->setSides(m_flow->upperSide(), m_flow->lowerSide());
    m_exports->setFlow(m_flow.get(), &m_lines, m_drawing->MaxC);
    describe();
}

void FlowWindow::describe()
{
    const Flow &flow = *m_flow;
    m_readout->setText(FlowText::readout(flow));
    m_readout->setAccessibleName(FlowText::spokenReadout(flow));
    m_circlePane->setAccessibleDescription(FlowText::circlePane(flow));
    m_profilePane->setAccessibleDescription(FlowText::profilePane(flow));
    m_pressurePane->setAccessibleDescription(FlowText::pressurePane(flow));
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
