// The Flow window driven as a user drives it, offscreen: opened from the main
// window, following its drawings, its angle controls and refusals, the sharp
// trailing edge, and its exports. Expected numbers are closed forms: the flat
// plate (F = G = 0, b = 1, the start state) has C_L = 2 pi sin(alpha) and
// alpha_0 = 0.
#include "geometry/flow/flow.h"
#include "ui/exports/export_prompts.h"
#include "ui/flow/flow_exports.h"
#include "ui/flow/flow_window.h"
#include "ui/main_window/form1.h"
#include "ui/widgets/plot_pane.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cmath>
#include <memory>
#include <numbers>

using namespace wingmap;

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
    void sharpTrailingEdgePutsTheCircleThroughPlusB();
    void exportsWriteTheFlowShownWholeOrNot();

private:
    FlowWindow *openFlow();
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
    QTest::addColumn<int>("bar");       // the scroll bar's value after typing
    QTest::addColumn<QString>("shown"); // in the readout
    QTest::newRow("ten degrees") << "10" << 20 << "C_L = " + liftText(10.0);
    QTest::newRow("to the nearest half") << "-2.3" << -5 << "C_L = " + liftText(-2.3);
    // Beyond the bar its thumb goes to the nearer end.
    QTest::newRow("off the bar") << "40" << 30 << "C_L = " + liftText(40.0);
    QTest::newRow("off the bar below") << "-45" << -30 << "C_L = " + liftText(-45.0);
    QTest::newRow("leading number") << "1,5" << 2 << "C_L = " + liftText(1.0);
    QTest::newRow("too far") << "100" << 30 << "between -90° and 90°";
}

void FlowWindowTest::angleControlsFollowEachOther()
{
    QFETCH(QString, typed);
    QFETCH(int, bar);
    QFETCH(QString, shown);
    QVERIFY(openFlow());
    auto *field = m_flow->findChild<QLineEdit *>("Text_alpha");
    auto *scroll = m_flow->findChild<QScrollBar *>("HScroll_alpha");
    QCOMPARE(field->text(), QString("4"));
    QCOMPARE(scroll->value(), 8);

    field->selectAll();
    QTest::keyClicks(field, typed);
    QCOMPARE(scroll->value(), bar);
    QVERIFY2(readout()->text().contains(shown), qPrintable(readout()->text()));
    QCOMPARE(field->text(), typed);

    // A step on the bar towards 0 writes its angle, and the flow follows.
    const int stepped = bar > 0 ? bar - 1 : bar + 1;
    QTest::keyClick(scroll, bar > 0 ? Qt::Key_Left : Qt::Key_Right);
    QCOMPARE(field->text(), QString::number(stepped / 2.0));
    QVERIFY(readout()->text().contains("C_L = " + liftText(stepped / 2.0)));

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

    answers->answer = dir.filePath("lines.csv");
    m_flow->exports()->exportStreamlines();
    QFile streamlines(answers->answer);
    QVERIFY(streamlines.open(QIODevice::ReadOnly));
    QVERIFY(streamlines.readAll().startsWith("# F=0 G=0 b=1 alpha_deg=4 kutta=1 delta_psi=0.1875\n"
                                             "plane,line,psi,x,y\ncircle,1,"));

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

QTEST_MAIN(FlowWindowTest)
#include "flow_window_test.moc"
