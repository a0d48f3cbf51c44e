// The Flow window driven as a user drives it, offscreen: opened from the main
// window, following its drawings, its angle controls and refusals, the sharp
// trailing edge, and its exports. Expected numbers are closed forms: the flat
// plate (F = G = 0, b = 1, the start state) has C_L = 2 pi sin(alpha) and
// alpha_0 = 0.
#include "geometry/flow/flow.h"
#include "geometry/flow/streamlines.h"
#include "geometry/pane_extent.h"
#include "ui/exports/export_prompts.h"
#include "ui/flow/flow_exports.h"
#include "ui/flow/flow_pane.h"
#include "ui/flow/flow_text.h"
#include "ui/flow/flow_window.h"
#include "ui/flow/pressure_pane.h"
#include "ui/main_window/form1.h"
#include "ui/widgets/plot_pane.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <memory>
#include <numbers>

using namespace wingmap;

Q_DECLARE_METATYPE(wingmap::FlowText::Advice)

namespace {

struct ScriptedPrompts : ExportPrompts
{
    QString answer;
    QStringList warnings;
    QString saveFileName(QWidget *, const QString &, const QString &,
                         const QList<FileKind> &) override
    {
        return answer;
    }
    void warn(QWidget *, const QString &, const QString &text) override { warnings << text; }
};

QString liftText(double degrees)
{
    return QString::number(2.0 * std::numbers::pi * std::sin(degrees * std::numbers::pi / 180.0),
                           'f', 3);
}

} // namespace

class FlowWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnceFromTheKeyAndTheMenuAndCloses();
    void followsTheMainWindowAndKeepsARefusedState();
    void angleControlsFollowEachOther_data();
    void angleControlsFollowEachOther();
    void refusalsNameOnlyChangesThatHelp_data();
    void refusalsNameOnlyChangesThatHelp();
    void sharpTrailingEdgePutsTheCircleThroughPlusB();
    void sharpTrailingEdgeIsOfferedOnlyWhereItDraws();
    void readoutAndDescriptionsSayTheFlowShown_data();
    void readoutAndDescriptionsSayTheFlowShown();
    void streamlinesAreTracedForTheScreensPixels();
    void circulationIsTheUsersWithoutTheKuttaCondition();
    void forcesFollowTheStandardAtmosphere_data();
    void forcesFollowTheStandardAtmosphere();
    void exportsWriteTheFlowShownWholeOrNot();
    void timeLinesRunOnlyWhileShownAndPauseHoldsTheTime();
    void probeReadsThePointAndItsImage();

private:
    FlowWindow *openFlow();
    // Types F, G and b into the main window and presses Enter in b.
    void drawProfile(const QString &F, const QString &G, const QString &b);
    QLabel *readout() { return m_flow->findChild<QLabel *>("Label_readout"); }
    QImage paneImage(const char *name)
    {
        return m_flow->findChild<PlotPane *>(name)->surface().image();
    }

    std::unique_ptr<Form1> m_form;
    FlowWindow *m_flow = nullptr;
};

void FlowWindowTest::init()
{
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void FlowWindowTest::cleanup()
{
    m_form.reset();
    m_flow = nullptr;
}

FlowWindow *FlowWindowTest::openFlow()
{
    m_form->activateWindow();
    if (!QTest::qWaitForWindowActive(m_form.get()))
        return nullptr;
    QTest::keyClick(m_form.get(), Qt::Key_L, Qt::ControlModifier);
    m_flow = m_form->flowWindow();
    if (m_flow)
        (void)QTest::qWaitForWindowExposed(m_flow);
    return m_flow;
}

void FlowWindowTest::drawProfile(const QString &F, const QString &G, const QString &b)
{
    m_form->findChild<QLineEdit *>("Text_F")->setText(F);
    m_form->findChild<QLineEdit *>("Text_G")->setText(G);
    auto *field = m_form->findChild<QLineEdit *>("Text_b");
    field->setText(b);
    QTest::keyClick(field, Qt::Key_Return);
}

void FlowWindowTest::opensOnceFromTheKeyAndTheMenuAndCloses()
{
    QVERIFY(openFlow());
    QCOMPARE(m_flow->windowTitle(), QString("Wingmap - Flow"));
    QVERIFY(m_flow->isVisible());
    QVERIFY(readout()->text().contains("C_L = " + liftText(4.0)));

    // The panes' menu opens the same window again.
    auto *pane = m_form->findChild<PlotPane *>("Picture_circle");
    pane->setFocus();
    QTest::keyClick(pane, Qt::Key_Menu);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction *show = menu->actions().last();
    QCOMPARE(show->text(), QString("Show &flow\u2026"));
    menu->close();
    show->trigger();
    QCOMPARE(m_form->flowWindow(), m_flow);
    int flowWindows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        flowWindows += qobject_cast<FlowWindow *>(w) != nullptr;
    QCOMPARE(flowWindows, 1);

    // Escape closes it; Ctrl+L brings the same one back; Ctrl+W closes it.
    QTest::keyClick(m_flow, Qt::Key_Escape);
    QVERIFY(!m_flow->isVisible());
    QCOMPARE(openFlow(), m_form->flowWindow());
    QVERIFY(m_flow->isVisible());
    QTest::keyClick(m_flow, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!m_flow->isVisible());
    QVERIFY(m_form->isVisible());
}

void FlowWindowTest::followsTheMainWindowAndKeepsARefusedState()
{
    QVERIFY(openFlow());
    const Flow *before = m_flow->flow();
    QVERIFY(before);
    QCOMPARE(before->circle().F(), 0.0);

    // F 0.1 by its scroll bar with b = 1: +b = 1 lies 1.1 from the centre
    // (-0.1, 0), outside the circle: no flow, the panes as they were.
    const QImage circle = paneImage("Picture_circle_flow");
    m_form->findChild<QScrollBar *>("HScroll_F")->setValue(10);
    QCOMPARE(m_flow->flow(), before);
    QCOMPARE(paneImage("Picture_circle_flow"), circle);
    QVERIFY(readout()->text().contains("+b lies outside the circle (1.100"));
    QVERIFY(readout()->text().contains("Sharp trailing edge"));

    // b 0.9: +b on the circle, a sharp symmetric profile: no lift at 0 degrees
    // is its zero-lift angle 0, and at 4 degrees the window draws again.
    m_form->findChild<QScrollBar *>("HScroll_b")->setValue(90);
    QVERIFY(m_flow->flow() != before);
    QCOMPARE(m_flow->flow()->circle().F(), 0.1);
    QCOMPARE(m_flow->flow()->circle().b(), 0.9);
    QVERIFY(paneImage("Picture_circle_flow") != circle);
    QVERIFY(readout()->text().contains("α₀ = 0.00°"));

    // A refused main drawing (b typed as 0 and a click) leaves the flow.
    const Flow *drawn = m_flow->flow();
    m_form->findChild<QLineEdit *>("Text_b")->setText("0");
    QTest::mouseClick(m_form->findChild<PlotPane *>("Picture_circle"), Qt::LeftButton);
    QCOMPARE(m_flow->flow(), drawn);
}

void FlowWindowTest::angleControlsFollowEachOther_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("bar");        // the scroll bar's value after typing
    QTest::addColumn<QString>("shown");  // in the readout
    QTest::addColumn<QString>("notice"); // how the text was read
    QTest::newRow("ten degrees") << "10" << 20 << "C_L = " + liftText(10.0) << "";
    QTest::newRow("to the nearest half") << "-2.3" << -5 << "C_L = " + liftText(-2.3) << "";
    // Beyond the bar its thumb goes to the nearer end.
    QTest::newRow("off the bar") << "40" << 30 << "C_L = " + liftText(40.0) << "";
    QTest::newRow("off the bar below") << "-45" << -30 << "C_L = " + liftText(-45.0) << "";
    QTest::newRow("too far") << "100" << 30 << "between -90° and 90°"
                             << "";
    // Read as the main window reads its fields, and said in the same words.
    QTest::newRow("comma") << "1,5" << 2 << "C_L = " + liftText(1.0)
                           << "α reads as 1: \"1,5\" stops at \",\". Numbers use a point.";
    QTest::newRow("no number") << "abc" << 0 << "C_L = 0.000"
                               << "α reads as 0: \"abc\" holds no number.";
    QTest::newRow("not a number") << "nan" << 0 << "C_L = 0.000"
                                  << "α reads as 0: \"nan\" holds no number.";
}

void FlowWindowTest::angleControlsFollowEachOther()
{
    QFETCH(QString, typed);
    QFETCH(int, bar);
    QFETCH(QString, shown);
    QFETCH(QString, notice);
    QVERIFY(openFlow());
    auto *field = m_flow->findChild<QLineEdit *>("Text_alpha");
    auto *scroll = m_flow->findChild<QScrollBar *>("HScroll_alpha");
    QCOMPARE(field->text(), QString("4"));
    QCOMPARE(scroll->value(), 8);

    field->selectAll();
    QTest::keyClicks(field, typed);
    QCOMPARE(scroll->value(), bar);
    QVERIFY2(readout()->text().contains(shown), qPrintable(readout()->text()));
    QCOMPARE(m_flow->findChild<QLabel *>("Label_flow_notice")->text(), notice);
    QCOMPARE(field->text(), typed);

    // A step on the bar towards 0 writes its angle, and the flow follows.
    const int stepped = bar > 0 ? bar - 1 : bar + 1;
    QTest::keyClick(scroll, bar > 0 ? Qt::Key_Left : Qt::Key_Right);
    QCOMPARE(field->text(), QString::number(stepped / 2.0));
    QVERIFY(readout()->text().contains("C_L = " + liftText(stepped / 2.0)));
    // A screen reader hears the angle, not the bar's half-degree steps.
    QCOMPARE(scroll->accessibleDescription(), QString::number(stepped / 2.0) + " degrees");

    // Without the Kutta condition there is no circulation and no lift.
    m_flow->findChild<QCheckBox *>("Check_kutta")->setChecked(false);
    QVERIFY(readout()->text().contains("C_L = 0.000"));
    QVERIFY(readout()->text().contains("Γ = 0.000"));
}

void FlowWindowTest::sharpTrailingEdgePutsTheCircleThroughPlusB()
{
    QVERIFY(openFlow());
    m_form->findChild<QScrollBar *>("HScroll_F")->setValue(10); // +b outside
    QVERIFY(readout()->text().contains("outside"));
    auto *bBar = m_form->findChild<QScrollBar *>("HScroll_b");
    const int barBefore = bBar->value();
    QTest::mouseClick(m_flow->findChild<QPushButton *>("Button_sharp"), Qt::LeftButton);
    // b = 1 / sqrt(1.1^2) = 1/1.1 to 15 digits.
    QCOMPARE(m_form->findChild<QLineEdit *>("Text_b")->text(), QString("0.909090909090909"));
    QCOMPARE(bBar->value(), barBefore);
    QVERIFY(m_flow->flow());
    QCOMPARE(m_flow->flow()->circle().b(), 0.909090909090909);
    QVERIFY2(readout()->text().startsWith("C_L = "), qPrintable(readout()->text()));
}

// Each refusal's advice names only changes that help from the state shown:
// -b lies |b| |F - 1 - iG| from the centre, +b |b| |F + 1 - iG|.
void FlowWindowTest::refusalsNameOnlyChangesThatHelp_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("flowFailure");
    QTest::addColumn<int>("shape");
    QTest::addColumn<FlowText::Advice>("advice");
    QTest::addColumn<QString>("says");   // a pattern the text matches
    QTest::addColumn<QString>("leaves"); // a pattern it must not match
    const auto row = [](const char *name, FlowRedrawFailure failure, FlowFailure flowFailure,
                        ShapeFailure shape, FlowText::Advice advice, const char *says,
                        const char *leaves) {
        QTest::newRow(name) << int(failure) << int(flowFailure) << int(shape) << advice
                            << QString(says) << QString(leaves);
    };
    using R = FlowRedrawFailure;
    using N = FlowFailure;
    using S = ShapeFailure;
    row("drawn", R::None, N::None, S::None, {}, "^$", ".");
    row("angle", R::AngleOutOfRange, N::None, S::None, {}, "between -90° and 90°\\. Type", "");
    row("angle not finite", R::NoFlow, N::AngleNotFinite, S::None, {},
        "between -90° and 90°\\. Type", "");
    row("+b, sharp edge", R::NoFlow, N::PlusBOutside, S::None, {0.1, 0, 1, true},
        "\\+b lies outside .+ Press “Sharp trailing edge” .+ b nearer 0\\.$", "F|G ");
    row("+b, no sharp edge", R::NoFlow, N::PlusBOutside, S::None, {0.1, 0, 1, false},
        "\\+b lies outside .+ Move b nearer 0\\.$", "Sharp");
    row("-b, G at 0", R::NoFlow, N::MinusBOutside, S::None, {-0.3, 0, 1, true},
        "-b lies outside .+ Move b nearer 0 or make F larger\\.$", "G|Sharp");
    row("-b, F beyond 1", R::NoFlow, N::MinusBOutside, S::None, {1.5, 0, 1, true},
        "Move b nearer 0 or make F smaller\\.$", "G");
    row("-b, F at 1", R::NoFlow, N::MinusBOutside, S::None, {1, 0.3, 1, true},
        "Move b nearer 0 or move G nearer 0\\.$", "F");
    row("-b, all three", R::NoFlow, N::MinusBOutside, S::None, {-0.3, 0.2, 1, true},
        "Move b nearer 0, make F larger or move G nearer 0\\.$", "");
    row("crossing, sharp edge", R::NoFlow, N::Shape, S::SelfCrossing, {0, 0, 1, true},
        "crosses itself\\. Move b nearer 0, or press “Sharp trailing edge”\\.$", "");
    row("crossing, no sharp edge", R::NoFlow, N::Shape, S::SelfCrossing, {0, 0, 1, false},
        "crosses itself\\. Move b nearer 0\\.$", "Sharp");
    row("turns back", R::NoFlow, N::Shape, S::NotSingleValued, {}, "turns back .+ F, G or b", "");
    row("not measured", R::NoFlow, N::Shape, S::NotSampled, {},
        "^No flow drawn\\. The profile could not be measured with these values of F, G and b\\. "
        "Change b, F or G a little\\.$",
        "");
    row("Scale too small", R::ScaleTooSmall, N::None, S::None, {}, "Choose a larger Scale", "");
    row("Scale too large", R::ScaleTooLarge, N::None, S::None, {}, "Choose a smaller Scale", "");
}

void FlowWindowTest::refusalsNameOnlyChangesThatHelp()
{
    QFETCH(int, failure);
    QFETCH(int, flowFailure);
    QFETCH(int, shape);
    QFETCH(FlowText::Advice, advice);
    QFETCH(QString, says);
    QFETCH(QString, leaves);
    FlowRefusal refusal;
    refusal.failure = FlowFailure(flowFailure);
    refusal.shape = ShapeFailure(shape);
    refusal.distance = 1.3;
    const QString text = FlowText::refusal(FlowRedrawFailure(failure), refusal, advice);
    QVERIFY2(QRegularExpression(says).match(text).hasMatch(), qPrintable(text));
    QVERIFY2(leaves.isEmpty() || !QRegularExpression(leaves).match(text).hasMatch(),
             qPrintable(text));
}

// The b the button writes must be one the b field reads back and the main
// window draws: for F = -1, G = 0 it would be infinite.
void FlowWindowTest::sharpTrailingEdgeIsOfferedOnlyWhereItDraws()
{
    FlowWindow alone;
    QVERIFY(!alone.findChild<QPushButton *>("Button_sharp")->isEnabled());

    QVERIFY(openFlow());
    auto *sharp = m_flow->findChild<QPushButton *>("Button_sharp");
    QVERIFY(sharp->isEnabled());
    // The circle about (b, 0) encloses the origin for b < 1.
    drawProfile("-1", "0", "0.5");
    QCOMPARE(m_flow->flow()->circle().F(), -1.0); // Enter in b drew it
    QVERIFY(!sharp->isEnabled());
    QVERIFY(sharp->toolTip().contains("not a number the main window can draw"));
    QTest::mouseClick(sharp, Qt::LeftButton);
    QCOMPARE(m_form->findChild<QLineEdit *>("Text_b")->text(), QString("0.5"));

    drawProfile("0.1", "0", "1");
    QVERIFY(sharp->isEnabled());
    QVERIFY(sharp->toolTip().contains("passes through +b"));
}

void FlowWindowTest::readoutAndDescriptionsSayTheFlowShown_data()
{
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("zeroLift");
    QTest::addColumn<bool>("facesLeft");
    QTest::addColumn<QString>("suctionSide"); // the side above or below in the panes
    // F = G = 0.1 with the circle through +b, b = 1 / sqrt(1.1^2 + 0.1^2),
    // and that profile turned round by -b: the same flow turned through 180
    // degrees, the same zero-lift angle (-5.11 degrees, not 174.89), the
    // profile facing left and the suction on the side now below.
    QTest::newRow("cambered") << "0.905357460425185"
                              << "α₀ = -5.11°" << false << "upper";
    QTest::newRow("turned round") << "-0.905357460425185"
                                  << "α₀ = -5.11°" << true << "lower";
}

void FlowWindowTest::readoutAndDescriptionsSayTheFlowShown()
{
    QFETCH(QString, b);
    QFETCH(QString, zeroLift);
    QFETCH(bool, facesLeft);
    QFETCH(QString, suctionSide);
    QVERIFY(openFlow());
    drawProfile("0.1", "0.1", b);
    const Flow *flow = m_flow->flow();
    QVERIFY(flow && flow->circle().b() == b.toDouble());
    const QString text = readout()->text();
    const auto shows = [&text](const char *name, double value) {
        return text.contains(QString("%1 = %2").arg(name, QString::number(value, 'f', 3)));
    };
    QVERIFY2(shows("C_L", flow->liftCoefficient()) && shows("C_M,c/4", flow->momentCoefficient()) &&
                 shows("Γ", flow->gamma()) && flow->gamma() > 0.5 &&
                 flow->momentCoefficient() < -0.01,
             qPrintable(text));
    QVERIFY2(text.contains(zeroLift), qPrintable(text));
    QCOMPARE(text.contains("faces left"), facesLeft);
    QCOMPARE(readout()->focusPolicy(), Qt::NoFocus);

    // The panes say where the stagnation points are, and where Cp is lowest.
    const auto hundredths = [](double v) {
        return QString::number(std::round(v * 100) / 100 + 0.0, 'f', 2); // no "-0.00"
    };
    const QString rear = QString("(%1, %2)")
                             .arg(hundredths(flow->rearStagnation().real()),
                                  hundredths(flow->rearStagnation().imag()));
    const QString circle =
        m_flow->findChild<PlotPane *>("Picture_circle_flow")->accessibleDescription();
    QVERIFY2(circle.contains("the rear one at " + rear), qPrintable(circle + " / " + rear));
    // The pressure plot's upper side is the one above in the panes: at
    // mid-chord it has the suction there.
    const PressurePlot &plot = m_flow->findChild<PressurePane *>("Picture_pressure")->plot();
    const auto cpAtMidChord = [](const std::vector<PressurePlot::Point> &side) {
        return std::min_element(side.begin(), side.end(),
                                [](const auto &a, const auto &b) {
                                    return std::abs(a.x - 0.5) < std::abs(b.x - 0.5);
                                })
            ->cp;
    };
    QCOMPARE(cpAtMidChord(plot.upper()) < cpAtMidChord(plot.lower()), suctionSide == "upper");
    for (const char *pane : {"Picture_airfoil_flow", "Picture_pressure"})
        QVERIFY(m_flow->findChild<PlotPane *>(pane)->accessibleDescription().contains(
            "The pressure is lowest on the " + suctionSide + " side"));
}

// The lines are traced for the pixels they are drawn in: on a screen of
// ratio 2 (the dense-screen run) twice as many across each pane.
void FlowWindowTest::streamlinesAreTracedForTheScreensPixels()
{
    QVERIFY(openFlow());
    const qreal ratio = m_flow->devicePixelRatioF();
    const double width =
        m_flow->findChild<PlotPane *>("Picture_circle_flow")->contentsRect().width();
    const double scale = 1.5;
    const StreamlineView view{PaneExtentsAt(scale), 2 * scale / (width * ratio),
                              4 * scale / (2 * width * ratio)};
    const Streamlines expected = TraceStreamlines(*m_flow->flow(), view);
    const Streamlines &shown = m_flow->streamlines();
    QCOMPARE(shown.lines.size(), expected.lines.size());
    for (std::size_t k = 0; k < shown.lines.size(); ++k)
        QCOMPARE(shown.lines[k].circle.size(), expected.lines[k].circle.size());
}

// The flat plate (chord 4) at 4 degrees: the Kutta condition gives
// Gamma = 4 pi sin 4° = 0.877; without it C_L = 2 Gamma / 4, and with no
// circulation the stagnation points lie at 4° and 184° on the circle, the
// rear one's image 2 cos 4° = 1.995, at x/c = (1.995 + 2) / 4 = 0.999.
void FlowWindowTest::circulationIsTheUsersWithoutTheKuttaCondition()
{
    QVERIFY(openFlow());
    auto *field = m_flow->findChild<QLineEdit *>("Text_gamma");
    auto *bar = m_flow->findChild<QScrollBar *>("HScroll_gamma");
    auto *kutta = m_flow->findChild<QCheckBox *>("Check_kutta");
    QVERIFY(field->isReadOnly() && !bar->isEnabled());
    QCOMPARE(field->text(), QString("0.877"));

    kutta->setChecked(false);
    QVERIFY(!field->isReadOnly() && bar->isEnabled());
    QCOMPARE(field->text(), QString("0"));
    QVERIFY2(readout()->text().contains("C_L = 0.000") &&
                 readout()->text().contains("at 4.0° on the circle, at x/c = 0.999") &&
                 readout()->text().contains("would give Γ = 0.877"),
             qPrintable(readout()->text()));

    field->selectAll();
    QTest::keyClicks(field, "1");
    QCOMPARE(bar->value(), 20);
    QVERIFY(readout()->text().contains("C_L = 0.500"));
    QTest::keyClick(bar, Qt::Key_PageDown); // 1 + 1
    QCOMPARE(field->text(), QString("2"));
    QCOMPARE(bar->accessibleDescription(), QString("circulation 2"));
    QVERIFY(readout()->text().contains("C_L = 1.000"));

    // Beyond 4 pi the stagnation point leaves the body; the circulation
    // stays the user's when the angle changes.
    field->selectAll();
    QTest::keyClicks(field, "14");
    QVERIFY(readout()->text().contains("The stagnation point has left the body"));
    QTest::keyClick(m_flow->findChild<QScrollBar *>("HScroll_alpha"), Qt::Key_Right);
    QCOMPARE(field->text(), QString("14"));
    QCOMPARE(m_flow->flow()->gamma(), 14.0);

    kutta->setChecked(true);
    QVERIFY(field->isReadOnly());
    QCOMPARE(field->text(), QString("0.986")); // 4 pi sin 4.5°, at the angle the bar moved to
}

// The flat plate at 4 degrees, C_L = 2 pi sin 4° = 0.43828, on a section of
// chord 1 m. The air of the standard atmosphere's tables: at sea level
// 1.225 kg/m³ and 1.789e-5 Pa s; at 2000 ft (609.6 m) 1.1549 kg/m³ and
// 1.770e-5 Pa s. At 100 mph (44.704 m/s): q = 1154 Pa, L' = 505.8 N/m.
void FlowWindowTest::forcesFollowTheStandardAtmosphere_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("altitude");
    QTest::addColumn<QString>("says");
    QTest::newRow("sea level") << "50"
                               << "0"
                               << "ρ = 1.225 kg/m³ · q = 1531 Pa · L′ = 671.1 N/m · M′ = 0 N·m/m "
                                  "· Re = 3.423 × 10⁶";
    QTest::newRow("100 mph, 2000 ft") << "44.704"
                                      << "609.6"
                                      << "ρ = 1.155 kg/m³ · q = 1154 Pa · L′ = 505.8 N/m · M′ = "
                                         "0 N·m/m · Re = 2.917 × 10⁶";
    QTest::newRow("standing air") << "0"
                                  << "0"
                                  << "Type a speed above 0 m/s.";
    QTest::newRow("too high") << "50"
                              << "25000"
                              << "Type an altitude from 0 to 20000 m.";
    QTest::newRow("comma") << "44,7"
                           << "0"
                           << "V reads as 44: \"44,7\" stops at \",\". Numbers use a point.";
}

void FlowWindowTest::forcesFollowTheStandardAtmosphere()
{
    QFETCH(QString, speed);
    QFETCH(QString, altitude);
    QFETCH(QString, says);
    QVERIFY(openFlow());
    auto *group = m_flow->findChild<QWidget *>("Frame_forces");
    QVERIFY(!group->isVisible());
    const int height = m_flow->height();
    QTest::mouseClick(m_flow->findChild<QCheckBox *>("Check_forces"), Qt::LeftButton);
    QVERIFY(group->isVisible());
    QTRY_VERIFY(m_flow->height() > height); // the window grows to fit it
    m_flow->findChild<QLineEdit *>("Text_speed")->setText(speed);
    m_flow->findChild<QLineEdit *>("Text_altitude")->setText(altitude);
    const QString line = m_flow->findChild<QLabel *>("Label_forces")->text();
    QVERIFY2(line.contains(says), qPrintable(line));
}

void FlowWindowTest::exportsWriteTheFlowShownWholeOrNot()
{
    // Numbers keep their "." under a comma locale.
    const QByteArray numeric = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(openFlow());
    auto prompts = std::make_unique<ScriptedPrompts>();
    ScriptedPrompts *answers = prompts.get();
    m_flow->setPrompts(std::move(prompts));
    QTemporaryDir dir;
    answers->answer = dir.filePath("pressure.csv");
    m_flow->exports()->exportPressure();
    QFile pressure(answers->answer);
    QVERIFY(pressure.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = pressure.readAll().split('\n');
    QCOMPARE(lines.value(0), QByteArray("# F=0 G=0 b=1"));
    QCOMPARE(lines.value(7), QByteArray("x/c,y/c,Cp,side"));
    QCOMPARE(lines.size(), 8 + 161 + 1); // the last line ends too
    QCOMPARE(lines.value(8).left(18), QByteArray("1.000000,0.000000,"));
    QVERIFY(lines.value(8).endsWith(",upper"));
    QVERIFY(lines.value(8 + 160).endsWith(",lower"));

    answers->answer = dir.filePath("lift.csv");
    m_flow->exports()->exportLiftCurve();
    QFile curve(answers->answer);
    QVERIFY(curve.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = curve.readAll().split('\n');
    QCOMPARE(rows.value(0), QByteArray("# F=0 G=0 b=1"));
    QCOMPARE(rows.value(1), QByteArray("alpha_deg,CL,CM_c4,CL_thin"));
    QCOMPARE(rows.size(), 2 + 121 + 1);
    QVERIFY(rows.value(2).startsWith("-15,"));
    QVERIFY(rows.value(62).startsWith("0,0,")); // the flat plate lifts nothing at 0°

    answers->answer = dir.filePath("lines.csv");
    m_flow->exports()->exportStreamlines();
    QFile streamlines(answers->answer);
    QVERIFY(streamlines.open(QIODevice::ReadOnly));
    QVERIFY(streamlines.readAll().startsWith("# F=0 G=0 b=1 alpha_deg=4 kutta=1 delta_psi=0.1875\n"
                                             "plane,line,psi,x,y\ncircle,1,"));

    // The time lines and the net are offered while shown, and written with
    // the time shown.
    const auto offered = [this](const QString &text) {
        const QList<QAction *> actions = m_flow->exports()->menu()->actions();
        return std::any_of(actions.begin(), actions.end(), [&](const QAction *action) {
            return action->text() == text && action->isVisible();
        });
    };
    QVERIFY(!offered("Export &time lines…") && !offered("Export &equipotential lines…"));
    m_flow->findChild<QCheckBox *>("Check_net")->setChecked(true);
    m_flow->findChild<QCheckBox *>("Check_time_lines")->setChecked(true);
    QTest::mouseClick(m_flow->findChild<QPushButton *>("Button_pause"), Qt::LeftButton);
    QVERIFY(offered("Export &time lines…") && offered("Export &equipotential lines…"));
    answers->answer = dir.filePath("time.csv");
    m_flow->exports()->exportTimeLines();
    QFile times(answers->answer);
    QVERIFY(times.open(QIODevice::ReadOnly));
    const QList<QByteArray> timeRows = times.readAll().split('\n');
    QVERIFY2(timeRows.value(0).startsWith("# F=0 G=0 b=1 alpha_deg=4 kutta=1 gamma="),
             timeRows.value(0).constData());
    const QRegularExpressionMatch shownAt =
        QRegularExpression(" t=([0-9.e+-]+) ").match(QString::fromUtf8(timeRows.value(0)));
    QVERIFY(shownAt.hasMatch());
    QCOMPARE(shownAt.captured(1).toDouble(), m_flow->timeShown());
    QCOMPARE(timeRows.value(1), QByteArray("plane,release,level,psi,t_release,x,y"));
    QVERIFY(timeRows.value(2).startsWith("circle,0,"));
    answers->answer = dir.filePath("net.csv");
    m_flow->exports()->exportEquipotentials();
    QFile net(answers->answer);
    QVERIFY(net.open(QIODevice::ReadOnly));
    QVERIFY(net.readAll().startsWith("# F=0 G=0 b=1 alpha_deg=4 kutta=1 delta_phi=0.1875 gamma="));
    m_flow->findChild<QCheckBox *>("Check_time_lines")->setChecked(false);
    m_flow->findChild<QCheckBox *>("Check_net")->setChecked(false);

    // Into a folder that is not there: told why, nothing written.
    answers->answer = dir.filePath("missing/pressure.csv");
    m_flow->exports()->exportPressure();
    QCOMPARE(answers->warnings.size(), 1);
    QVERIFY(!QFile::exists(answers->answer));

    // The picture holds all three plots.
    answers->answer = dir.filePath("flow.png");
    m_flow->exports()->savePicture();
    QImage picture(answers->answer);
    QVERIFY(!picture.isNull());
    QVERIFY(picture.height() > 2 * 196);
    // ... with the lift curve in the lower plot when it is shown.
    m_flow->findChild<QComboBox *>("Combo_view")->setCurrentIndex(1);
    QVERIFY(m_flow->findChild<PlotPane *>("Picture_pressure")
                ->accessibleDescription()
                .startsWith("The lift coefficient"));
    answers->answer = dir.filePath("flow-lift.png");
    m_flow->exports()->savePicture();
    QVERIFY(QImage(answers->answer) != picture);
    m_flow->findChild<QComboBox *>("Combo_view")->setCurrentIndex(0);
    // ... and is the same under a dark window and navy text (which reads on
    // the panes' yellow and draws their axes): white gaps, black axes.
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Window, QColor(0x22, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, QColor(0, 0, 0x80));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    answers->answer = dir.filePath("flow-dark.png");
    m_flow->exports()->savePicture();
    QApplication::setPalette(original);
    QFile light(dir.filePath("flow.png")), themed(answers->answer);
    QVERIFY(light.open(QIODevice::ReadOnly) && themed.open(QIODevice::ReadOnly));
    QVERIFY(light.readAll() == themed.readAll());
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, numeric.constData());
}

// Ticked, the clock runs from 0 and particles move on both panes; "Pause"
// holds the time and stops the frames, as hiding the window does; unticked,
// the particles go and the clock is back at 0.
void FlowWindowTest::timeLinesRunOnlyWhileShownAndPauseHoldsTheTime()
{
    QVERIFY(openFlow());
    auto *box = m_flow->findChild<QCheckBox *>("Check_time_lines");
    auto *pause = m_flow->findChild<QPushButton *>("Button_pause");
    auto *frames = m_flow->findChild<QTimer *>("Timer_frames");
    auto *circle = m_flow->findChild<FlowPane *>("Picture_circle_flow");
    auto *profile = m_flow->findChild<FlowPane *>("Picture_airfoil_flow");
    QVERIFY(!pause->isEnabled() && !frames->isActive() && !m_flow->timeLines());
    box->setChecked(true);
    QVERIFY(pause->isEnabled() && frames->isActive() && m_flow->timeLines());
    QTest::qWait(300);
    const double running = m_flow->timeShown();
    QVERIFY2(running >= 0.3 && running < 5.0, qPrintable(QString::number(running)));
    QVERIFY(!circle->timeLines().empty() && !profile->timeLines().empty());
    auto *clock = m_flow->findChild<QLabel *>("Label_clock");
    QVERIFY2(clock->text().contains(QRegularExpression("^t = \\d+\\.\\d\\d s · upper side "
                                                       "reaches the trailing edge")),
             qPrintable(clock->text()));

    QTest::mouseClick(pause, Qt::LeftButton);
    QCOMPARE(pause->text(), QStringLiteral("&Play"));
    QVERIFY(!frames->isActive());
    const double held = m_flow->timeShown();
    QTest::qWait(100);
    QCOMPARE(m_flow->timeShown(), held);
    QTest::mouseClick(pause, Qt::LeftButton);
    QVERIFY(frames->isActive());
    m_flow->hide();
    QVERIFY(!frames->isActive());
    m_flow->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_flow));
    QVERIFY(frames->isActive());

    // Refused, the state keeps its reason in the readout while the clock
    // runs, and unticking still stops it and clears the particles.
    m_flow->findChild<QLineEdit *>("Text_alpha")->setText("91");
    const QString refusal = readout()->text();
    QTest::qWait(50);
    QCOMPARE(readout()->text(), refusal);
    box->setChecked(false);
    QVERIFY(!frames->isActive() && !pause->isEnabled() && !m_flow->timeLines());
    QCOMPARE(m_flow->timeShown(), 0.0);
    QVERIFY(circle->timeLines().empty() && profile->timeLines().empty());
    QVERIFY(clock->text().isEmpty());
}

// The probe over the circle pane of a centred circle at no incidence: at the
// circle's top point the speed is 2 and Cp = 1 - 4; the cross marks the
// point and the ring its image. Inside the circle only z is read; leaving
// the pane empties the line. Over the pressure plot both sides are marked.
void FlowWindowTest::probeReadsThePointAndItsImage()
{
    QVERIFY(openFlow());
    drawProfile("0", "0", "0.8");
    m_flow->findChild<QLineEdit *>("Text_alpha")->setText("0");
    auto *circle = m_flow->findChild<FlowPane *>("Picture_circle_flow");
    auto *profile = m_flow->findChild<FlowPane *>("Picture_airfoil_flow");
    auto *line = m_flow->findChild<QLabel *>("Label_probe");
    const double scale = m_form->findChild<QLineEdit *>("Text_MaxC")->text().toDouble();
    const auto moveTo = [&](std::complex<double> z) {
        const QRectF area(circle->contentsRect());
        const QPointF at(area.left() + area.width() * (z.real() + scale) / (2 * scale),
                         area.top() + area.height() * (scale - z.imag()) / (2 * scale));
        QMouseEvent move(QEvent::MouseMove, at, circle->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(circle, &move);
    };
    moveTo({0.0, 1.0});
    QVERIFY2(line->text().startsWith("z = 0.000 + 1.000i ↔ ζ = 0.000 + 0.360i"),
             qPrintable(line->text()));
    QVERIFY(line->text().contains("q/U = 2.000 ↔ "));
    QVERIFY(line->text().contains("Cp = −3.000 ↔ "));
    QVERIFY(line->accessibleName().contains("2.000") && line->accessibleName().contains("0.360i"));
    QCOMPARE(circle->probeMarks().crosses.size(), std::size_t(1));
    QCOMPARE(profile->probeMarks().rings.size(), std::size_t(1));
    QVERIFY(std::abs(profile->probeMarks().rings[0] - std::complex<double>(0.0, 0.36)) < 0.01);

    moveTo({0.2, -0.1});
    QCOMPARE(line->text(), QStringLiteral("z = 0.200 − 0.100i lies inside the circle"));
    QVERIFY(profile->probeMarks().rings.empty());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(circle, &leave);
    QVERIFY(line->text().isEmpty() && circle->probeMarks().crosses.empty());

    // The arrow keys start at the pane's centre, the circle's inside.
    circle->setFocus();
    QTest::keyClick(circle, Qt::Key_Right);
    QVERIFY2(line->text().endsWith("lies inside the circle"), qPrintable(line->text()));

    auto *pressure = m_flow->findChild<PressurePane *>("Picture_pressure");
    const QPointF middle = QRectF(pressure->contentsRect()).center();
    QMouseEvent move(QEvent::MouseMove, middle, pressure->mapToGlobal(middle), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pressure, &move);
    QVERIFY2(line->text().startsWith("x/c = 0."), qPrintable(line->text()));
    QCOMPARE(profile->probeMarks().rings.size(), std::size_t(2));
    QCOMPARE(circle->probeMarks().rings.size(), std::size_t(2));

    // A cambered profile with its sharp edge at 8°: the whole line at
    // z = 0.3 + 1.4i, with the numbers worked out apart from the program.
    drawProfile("0.1", "0.1", "0.905357460425185");
    m_flow->findChild<QLineEdit *>("Text_alpha")->setText("8");
    moveTo({0.3, 1.4});
    QCOMPARE(line->text(), QStringLiteral("z = 0.300 + 1.400i ↔ ζ = 0.420 + 0.840i · |dζ/dz| = "
                                          "1.375, turn 6.8° · q/U = 1.740 ↔ 1.266 · Cp = −2.027 "
                                          "↔ −0.602 · ψ = 0.719 · φ = 0.290"));
}

QTEST_MAIN(FlowWindowTest)
#include "flow_window_test.moc"
