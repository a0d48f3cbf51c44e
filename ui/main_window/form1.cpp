#include "ui/main_window/form1.h"

#include "geometry/circle.h"
#include "geometry/number_text.h"
#include "geometry/profile_shape.h"
#include "plot/profile_redraw.h"
#include "plot/shown_drawing.h"
#include "ui/about/form_about.h"
#include "ui/exports/pane_exports.h"
#include "ui/flow/flow_window.h"
#include "ui/main_window/shape_text.h"
#include "ui/widgets/contrast.h"
#include "ui/widgets/menu_bar_keys.h"
#include "ui/widgets/notice_text.h"
#include "ui/widgets/number_string.h"
#include "ui/widgets/plot_pane.h"
#include "ui/widgets/scroll_bar.h"
#include "ui/widgets/twips.h"
#include "ui/widgets/window_keys.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace wingmap {

namespace {

constexpr double kParameterDivisor = 100.0; // F, G and b scroll values
constexpr double kScaleDivisor = 10.0;      // the Scale scroll value
constexpr int kMinB = 1;                    // the b scroll bar's range
constexpr int kMaxB = 200;
// The layout was made for a small UI font; at this size every label and
// text field shows its whole text.
constexpr qreal kUiPointSize = 8.0;
constexpr QRgb kStatusColour = 0xA00000; // dark red

// Writes a parameter into its field and shows the text from its start, as
// a long value such as 0.866025403784439 does not fit the narrow fields.
void writeNumber(QLineEdit *field, double value)
{
    field->setText(numberText(value));
    field->setCursorPosition(0);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QLineEdit *makeTextField(QWidget *parent, const char *name, const QString &accessibleName,
                         const QString &initial, const QRect &geometry)
{
    auto *field = new QLineEdit(initial, parent);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setGeometry(geometry);
    field->setTextMargins(0, 0, 0, 0);
    return field;
}

// Ranges and the stored value are set here, before any handler is
// connected: setRange can itself change the value. A screen reader hears the
// bar's integer value; the description says what it stands for.
QScrollBar *makeScrollBar(QWidget *parent, const char *name, const QString &parameter,
                          double divisor, int minimum, int maximum, int value,
                          const QRect &geometry)
{
    auto *bar = new ScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setAccessibleName(Form1::tr("%1 scroll bar").arg(parameter));
    bar->setAccessibleDescription(Form1::tr("%1 from %2 to %3: the bar's value divided by %4")
                                      .arg(parameter, numberText(minimum / divisor),
                                           numberText(maximum / divisor), numberText(divisor)));
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setValue(value);
    // The value changes on release of the thumb, not while it is dragged.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    // A scroll bar's keys are inverted by default (Left would add); here the
    // keys follow the thumb: Left lowers the value, Right raises it, and the
    // Page keys go the same way (see ScrollBar).
    bar->setInvertedControls(false);
    bar->setGeometry(geometry);
    return bar;
}

// What each pane shows, before the words for the drawing itself.
QString circlePaneSummary()
{
    return Form1::tr("The circle in the z-plane, its centre cross and the critical points ±b");
}

QString airfoilPaneSummary()
{
    return Form1::tr("The profile that the Joukowsky transformation makes of the circle, with "
                     "the images ±2b of the critical points");
}

// What the status line says when the plots were not redrawn.
QString refusalText(Refusal refusal)
{
    switch (refusal) {
    case Refusal::None:
        break;
    case Refusal::BIsZero:
        return Form1::tr(
            "Not redrawn: b is 0, so there is nothing to transform. Set b to a value other "
            "than 0.");
    case Refusal::CircleMissesOrigin:
        return Form1::tr(
            "Not redrawn: the circle no longer encloses the origin. Make b, F or G smaller.");
    case Refusal::CircleThroughOrigin:
        return Form1::tr(
            "Not redrawn: the circle passes through the origin, where the transformation "
            "is undefined. Change b, F or G a little.");
    case Refusal::NotANumber:
        return Form1::tr("Not redrawn: F, G or b is not a number. Type numbers.");
    case Refusal::TooLarge:
        return Form1::tr("Not redrawn: F, G or b is too large. Use smaller values.");
    case Refusal::BTooSmall:
        return Form1::tr("Not redrawn: b is too small. Use a value of b farther from 0.");
    case Refusal::ScaleIsZero:
        return Form1::tr("Not redrawn: Scale is 0. Type a Scale other than 0.");
    case Refusal::ScaleTooLarge:
        return Form1::tr("Not redrawn: Scale is too large. Type a smaller Scale.");
    }
    return {};
}

} // namespace

class Form1::ActionScope
{
public:
    explicit ActionScope(Form1 &form) : m_form(form)
    {
        if (m_form.m_handlerDepth++ == 0)
            m_form.m_limitNotice.clear();
    }
    ~ActionScope() { --m_form.m_handlerDepth; }
    ActionScope(const ActionScope &) = delete;
    ActionScope &operator=(const ActionScope &) = delete;

private:
    Form1 &m_form;
};

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle("Wingmap - Joukowsky Transformation");
    QFont uiFont = font();
    uiFont.setPointSizeF(kUiPointSize);
    setFont(uiFont);

    createControls();
    followPalette();
    createMenus();
    createKeys();
    createExports();
    connectHandlers();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    auto *client = new QWidget(this);
    client->setFixedSize(fromTwips(0, 0, 9405, 4650).size());
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Created in tab order, so that Tab visits the controls in that order.
    Picture_circle = new PlotPane(client);
    Picture_circle->setObjectName("Picture_circle");
    Picture_circle->setAccessibleName(tr("Circle"));
    Picture_circle->setAccessibleDescription(circlePaneSummary());
    Picture_circle->setGeometry(fromTwips(120, 240, 3000, 3000));

    Picture_airfoil = new PlotPane(client);
    Picture_airfoil->setObjectName("Picture_airfoil");
    Picture_airfoil->setAccessibleName(tr("Profile"));
    Picture_airfoil->setAccessibleDescription(airfoilPaneSummary());
    Picture_airfoil->setGeometry(fromTwips(3240, 240, 6000, 3000));

    Frame1 = new QGroupBox(client);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(fromTwips(120, 3360, 2415, 1215));

    Label_F = makeLabel(Frame1, "Label_F", "F = ", fromTwips(120, 240, 375, 255));
    Label_G = makeLabel(Frame1, "Label_G", "G = ", fromTwips(120, 480, 375, 255));
    Text_F = makeTextField(Frame1, "Text_F", tr("F"), "0", fromTwips(480, 240, 615, 285));
    Text_G = makeTextField(Frame1, "Text_G", tr("G"), "0", fromTwips(480, 480, 615, 285));
    Label_b = makeLabel(Frame1, "Label_b", "b = ", fromTwips(120, 720, 375, 255));
    Text_b = makeTextField(Frame1, "Text_b", tr("b"), "1", fromTwips(480, 720, 615, 285));
    HScroll_F = makeScrollBar(Frame1, "HScroll_F", tr("F"), kParameterDivisor, 0, 100, 0,
                              fromTwips(1200, 240, 1095, 255));
    HScroll_G = makeScrollBar(Frame1, "HScroll_G", tr("G"), kParameterDivisor, 0, 50, 0,
                              fromTwips(1200, 480, 1095, 255));
    HScroll_b = makeScrollBar(Frame1, "HScroll_b", tr("b"), kParameterDivisor, kMinB, kMaxB, 40,
                              fromTwips(1200, 720, 1095, 255));

    Check1 = new QCheckBox("Check1", client);
    Check1->setObjectName("Check1");
    Check1->setGeometry(fromTwips(3120, 3960, 975, 255));
    Check1->setToolTip(tr("On each move of F, G or b, holds b at or below where the circle as it "
                          "stood at the last F or G move crosses the positive x axis, so that "
                          "the trailing edge is nearly sharp."));

    Text_MaxC =
        makeTextField(client, "Text_MaxC", tr("Scale"), "1.5", fromTwips(6960, 3960, 495, 285));
    Label1 = makeLabel(client, "Label1", "Scale =", fromTwips(6240, 3960, 615, 255));
    HScroll_MaxC = makeScrollBar(client, "HScroll_MaxC", tr("Scale"), kScaleDivisor, 10, 30, 15,
                                 fromTwips(7440, 3960, 1095, 255));

    // Each label names the field beside it to a screen reader.
    Label_F->setBuddy(Text_F);
    Label_G->setBuddy(Text_G);
    Label_b->setBuddy(Text_b);
    Label1->setBuddy(Text_MaxC);
    describeFields();
    // The window opens with the cursor in the F field, although the panes
    // come before it in the tab order.
    Text_F->setFocus();

    // The status line, in the free band between the airfoil pane and the
    // Check1 and Scale row: three lines, the longest message with a notice
    // of a refused b limit.
    Label_status = makeLabel(client, "Label_status", QString(), fromTwips(3120, 3270, 6120, 675));
    Label_status->setWordWrap(true);
    Label_status->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The notices of how the texts were read, in the band below the Check1
    // and Scale row: two lines.
    Label_notice = makeLabel(client, "Label_notice", QString(), fromTwips(3120, 4245, 6120, 405));
    Label_notice->setWordWrap(true);
    Label_notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// The status line stands on the window's own background. (On a change of
// palette the window hears of it before its children.)
void Form1::followPalette()
{
    for (QLabel *label : {Label_status, Label_notice}) {
        QPalette status = label->palette();
        status.setColor(QPalette::WindowText, readableShade(QColor::fromRgb(kStatusColour),
                                                            palette().color(QPalette::Window)));
        label->setPalette(status);
    }
}

void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        followPalette();
    QMainWindow::changeEvent(event);
}

void Form1::createMenus()
{
    Mn_About = menuBar()->addAction("About");
    Mn_About->setObjectName("Mn_About");
}

// A shortcut of its own, not a mnemonic: the entry's text stays "About".
void Form1::createKeys()
{
    Mn_About->setShortcut(QKeySequence(Qt::ALT | Qt::Key_A));
    new MenuBarKeys(menuBar());
    addCloseKeys(this);
}

void Form1::createExports()
{
    m_exports = new PaneExports(this, {Picture_circle, Picture_airfoil});
    // The flow past the profile drawn, in a window of its own.
    m_showFlow = new QAction(tr("Show &flow…"), this);
    m_showFlow->setObjectName("Mn_Flow");
    m_showFlow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_showFlow->setShortcutContext(Qt::WindowShortcut);
    addAction(m_showFlow);
    m_exports->menu()->addSeparator();
    m_exports->menu()->addAction(m_showFlow);
}

// Direct connections: an assignment runs its control's handler nested,
// before the assignment returns, which the b limit and the Scale rely on.
// What the parameter fields are for, for screen readers.
void Form1::describeFields()
{
    Text_F->setAccessibleDescription(
        tr("F moves the circle's centre to the left, in units of b. Typed values take effect "
           "on Enter or a click on a plot. Numbers use a point."));
    Text_G->setAccessibleDescription(
        tr("G moves the circle's centre upwards, in units of b. Typed values take effect on "
           "Enter or a click on a plot. Numbers use a point."));
    Text_b->setAccessibleDescription(
        tr("b sets the transformation, whose critical points are ±b. Typed values take effect "
           "on Enter or a click on a plot. Numbers use a point."));
}

void Form1::connectHandlers()
{
    connect(HScroll_F, &QScrollBar::valueChanged, this, &Form1::HScroll_F_Change);
    connect(HScroll_G, &QScrollBar::valueChanged, this, &Form1::HScroll_G_Change);
    connect(HScroll_b, &QScrollBar::valueChanged, this, &Form1::HScroll_b_Change);
    connect(HScroll_MaxC, &QScrollBar::valueChanged, this, &Form1::HScroll_MaxC_Change);
    connect(Text_MaxC, &QLineEdit::textChanged, this, &Form1::Text_MaxC_Change);
    connect(Picture_circle, &PlotPane::clicked, this, &Form1::Picture_circle_Click);
    // Enter in a parameter field (also the keypad's) redraws as a click on a
    // plot does.
    for (QLineEdit *field : {Text_F, Text_G, Text_b})
        connect(field, &QLineEdit::returnPressed, this, &Form1::Picture_circle_Click);
    connect(Picture_airfoil, &PlotPane::clicked, this, &Form1::Picture_airfoil_Click);
    connect(Mn_About, &QAction::triggered, this, &Form1::Mn_About_Click);
    connect(m_showFlow, &QAction::triggered, this, &Form1::showFlow);
}

// F and G stay at their stored 0 and run nothing; b goes from its stored 40
// to 100, which runs the b handler and with it the first drawing.
void Form1::Form_Load()
{
    HScroll_F->setValue(0);
    HScroll_G->setValue(0);
    HScroll_b->setValue(100);
}

void Form1::hesapla()
{
    const InputTexts texts{Text_F->text().toStdString(), Text_G->text().toStdString(),
                           Text_b->text().toStdString(), Text_MaxC->text().toStdString()};
    const RedrawOutcome outcome = wingmap::RedrawProfile(texts, m_state, Picture_circle->surface(),
                                                         Picture_airfoil->surface());
    QString message;
    if (outcome.drawn) {
        Picture_circle->update(Picture_circle->contentsRect());
        Picture_airfoil->update(Picture_airfoil->contentsRect());
        const bool sameProfile = m_shown && m_shown->state.F == m_state.F &&
                                 m_shown->state.G == m_state.G && m_shown->state.b == m_state.b;
        m_shown = std::make_shared<const ShownDrawing>(ShownDrawing{m_state, outcome.MaxC});
        if (!sameProfile)
            describeDrawing();
        m_exports->setDrawing(m_shown);
        if (m_flow)
            m_flow->follow(m_shown);
        message = m_shapeText;
        if (m_limitNotice.isEmpty() && m_shapeCrosses && Check1->checkState() == Qt::Checked)
            message += ' ' + NoticeText::limitCrossing();
    } else {
        message = refusalText(outcome.refusal);
    }
    if (!m_limitNotice.isEmpty())
        message += ' ' + m_limitNotice;
    Label_status->setText(message);
    showReading(texts, outcome);
    emit redrawn(outcome.drawn);
}

// The fields that run read, and how: the Scale only when the sampling let
// it get that far.
void Form1::showReading(const InputTexts &texts, const RedrawOutcome &outcome)
{
    QList<NoticeText::Field> fields{{tr("F"), QString::fromStdString(texts.F)},
                                    {tr("G"), QString::fromStdString(texts.G)},
                                    {tr("b"), QString::fromStdString(texts.b)}};
    if (outcome.drawn || outcome.refusal == Refusal::ScaleIsZero ||
        outcome.refusal == Refusal::ScaleTooLarge)
        fields.append({tr("Scale"), QString::fromStdString(texts.MaxC)});
    Label_notice->setText(NoticeText::reading(fields, outcome.drawn && outcome.scaleUnderflows));
}

// Measures the profile shown; hesapla() calls it once per drawing of new
// parameters, so a redraw of the same F, G and b keeps the words it had.
void Form1::describeDrawing()
{
    const ParameterState &drawn = m_shown->state;
    const ProfileShape shape = MeasureProfile(drawn.F, drawn.G, drawn.b);
    m_shapeText = ShapeText::profile(shape);
    m_shapeCrosses = shape.failure == ShapeFailure::SelfCrossing;
    Picture_airfoil->setAccessibleDescription(airfoilPaneSummary() + ". " + m_shapeText);
    Picture_circle->setAccessibleDescription(circlePaneSummary() + ". " +
                                             ShapeText::circle(drawn.F, drawn.G, drawn.b));
}

void Form1::HScroll_F_Change(int value)
{
    const ActionScope scope(*this);
    m_state.F = value / kParameterDivisor;
    writeNumber(Text_F, m_state.F);
    m_state.Fb = m_state.F * m_state.b;
    if (Check1->checkState() == Qt::Checked)
        LimitB();
    hesapla();
}

void Form1::HScroll_G_Change(int value)
{
    const ActionScope scope(*this);
    m_state.G = value / kParameterDivisor;
    writeNumber(Text_G, m_state.G);
    m_state.Gb = m_state.G * m_state.b;
    if (Check1->checkState() == Qt::Checked)
        LimitB();
    hesapla();
}

// Leaves Fb and Gb as they are: they keep the b of the last F or G change.
void Form1::HScroll_b_Change(int value)
{
    const ActionScope scope(*this);
    m_state.b = value / kParameterDivisor;
    writeNumber(Text_b, m_state.b);
    if (Check1->checkState() == Qt::Checked)
        LimitB();
    hesapla();
}

// Assigning Text_MaxC runs Text_MaxC_Change (and its redraw) nested when the
// text changes; this handler then redraws once more.
void Form1::HScroll_MaxC_Change(int value)
{
    const ActionScope scope(*this);
    writeNumber(Text_MaxC, value / kScaleDivisor);
    hesapla();
}

void Form1::Text_MaxC_Change()
{
    const ActionScope scope(*this);
    hesapla();
}

void Form1::Picture_circle_Click()
{
    const ActionScope scope(*this);
    hesapla();
}

void Form1::Picture_airfoil_Click()
{
    const ActionScope scope(*this);
    hesapla();
}

// Holds b at or below X, where the circle of radius 1 about the stored centre
// (-Fb, Gb) crosses the positive x axis, so that (b, 0) stays inside it.
void Form1::LimitB()
{
    const BLimit limit = LimitAbscissa(m_state.Fb, m_state.Gb);
    if (!limit.reaches) {
        m_limitNotice = tr("b was not limited: the circle about the stored centre does not "
                           "reach the x axis.");
        return;
    }
    if (!(m_state.b > limit.X))
        return;

    m_state.b = limit.X;
    writeNumber(Text_b, m_state.b);
    // A different scroll value runs HScroll_b_Change nested, which may set b
    // and Text_b again.
    HScroll_b->setValue(LimitScrollValue(m_state.b, kParameterDivisor, kMinB, kMaxB));
}

void Form1::showFlow()
{
    if (!m_flow) {
        m_flow = std::make_unique<FlowWindow>();
        connect(m_flow.get(), &FlowWindow::sharpTrailingEdgeRequested, this,
                &Form1::sharpTrailingEdge);
        if (m_shown)
            m_flow->follow(m_shown);
    }
    m_flow->show();
    m_flow->raise();
    m_flow->activateWindow();
}

// As a typed b: the b scroll bar stays where it is, and the redraw is the
// one a click on a pane makes.
void Form1::sharpTrailingEdge(double b)
{
    writeNumber(Text_b, b);
    Picture_circle_Click();
}

void Form1::Mn_About_Click()
{
    if (!m_about)
        m_about = std::make_unique<Form_About>();
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

} // namespace wingmap
