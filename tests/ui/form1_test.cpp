// The main window driven as a user drives it: mouse and keys on the real
// controls, offscreen.
#include "tests/support/pixel_checks.h"
#include "tests/support/scroll_bar_parts.h"
#include "ui/about/form_about.h"
#include "ui/main_window/form1.h"
#include "ui/translations/translations.h"
#include "ui/widgets/contrast.h"
#include "ui/widgets/plot_pane.h"
#include "wingmap_version.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QtMath>

#include <memory>

using namespace wingmap;

namespace {

// Twips, 1/1440 inch, in logical pixels of 1/96 inch: 15 to a pixel.
constexpr int pixelsOf(int twips)
{
    return twips * 96 / 1440;
}

void clickRightArrow(QScrollBar *bar)
{
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      scrollBarPart(bar, QStyle::SC_ScrollBarAddLine).center());
}

void clickLeftArrow(QScrollBar *bar)
{
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      scrollBarPart(bar, QStyle::SC_ScrollBarSubLine).center());
}

// What happens before a row of the status table: nothing, a refused b
// limit, or b held by Check1 where the profile then crosses itself.
constexpr int kLimitRefused = 1;
constexpr int kCheck1Crossing = 2;

QList<QWidget *> topLevelAboutWindows()
{
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<Form_About *>(w) && w->isVisible())
            found << w;
    return found;
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithTheStoredValuesAndTheFirstDrawing();
    void arrowClicksRedrawOnceOrTwice_data();
    void arrowClicksRedrawOnceOrTwice();
    void limitPullsBBackToTheCircle_data();
    void limitPullsBBackToTheCircle();
    void checkingTheBoxAloneChangesNothing();
    void oneStepLeftEndsTheCheck1Crossing();
    void limitRefusedWhenTheCircleMissesTheAxis();
    void limitBeyondTheScrollRangeKeepsTheBarInRange();
    void typingDoesNotRedrawUntilAPaneIsClicked();
    void typingTheScaleRedrawsAtEveryKeystroke();
    void draggingTheThumbRedrawsOnlyOnRelease();
    void keyboardReachesAndMovesEveryControl();
    void refusedRedrawKeepsTheDrawingAndSaysWhy();
    void statusLineGivesTheMeasuredShape_data();
    void statusLineGivesTheMeasuredShape();
    void germanTextsFitAndLeaveTheFixedCaptions_data();
    void germanTextsFitAndLeaveTheFixedCaptions();
    void panesRenderAtTheScreenRatio();
    void aboutOpensOneNonModalWindow();
    void aboutKeepsTheProgramRunningAfterTheMainWindowCloses();
    void contrastIsTheWcagRatio_data();
    void contrastIsTheWcagRatio();
    void textStaysReadableInEveryTheme_data();
    void textStaysReadableInEveryTheme();
    void focusShowsOnEveryKindOfControl_data();
    void focusShowsOnEveryKindOfControl();
    void standardKeysAct_data();
    void standardKeysAct();
    void screenReadersHearRolesNamesAndDescriptions_data();
    void screenReadersHearRolesNamesAndDescriptions();
    void aboutShowsTheVersionBetweenNameAndDescription();

private:
    template <typename T> T *child(const char *name)
    {
        T *widget = m_form->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QString statusText() { return child<QLabel>("Label_status")->text(); }
    bool showStatus(const QStringList &texts, const QString &bar, int value, int before);
    QImage circleImage() { return child<PlotPane>("Picture_circle")->surface().image(); }
    // After a drawing the status line gives the measured shape, not a refusal.
    bool showsShape() { return statusText().startsWith("chord"); }

    std::unique_ptr<Form1> m_form;
};

void Form1Test::init()
{
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void Form1Test::cleanup()
{
    m_form.reset();
}

void Form1Test::startsWithTheStoredValuesAndTheFirstDrawing()
{
    QCOMPARE(m_form->windowTitle(), QString("Wingmap - Joukowsky Transformation"));
    QCOMPARE(m_form->centralWidget()->size(), QSize(pixelsOf(9405), pixelsOf(4650)));
    QCOMPARE(child<QLineEdit>("Text_F")->text(), QString("0"));
    QCOMPARE(child<QLineEdit>("Text_G")->text(), QString("0"));
    QCOMPARE(child<QLineEdit>("Text_b")->text(), QString("1"));
    QCOMPARE(child<QLineEdit>("Text_MaxC")->text(), QString("1.5"));
    // b at 100, not at its stored 40; every bar steps by 1 and by 10.
    struct Bar
    {
        const char *name;
        int minimum, maximum, value;
    };
    for (const Bar &bar : {Bar{"HScroll_F", 0, 100, 0}, Bar{"HScroll_G", 0, 50, 0},
                           Bar{"HScroll_b", 1, 200, 100}, Bar{"HScroll_MaxC", 10, 30, 15}}) {
        const QScrollBar *scroll = child<QScrollBar>(bar.name);
        QCOMPARE(scroll->minimum(), bar.minimum);
        QCOMPARE(scroll->maximum(), bar.maximum);
        QCOMPARE(scroll->value(), bar.value);
        QCOMPARE(scroll->singleStep(), 1);
        QCOMPARE(scroll->pageStep(), 10);
    }
    QCOMPARE(child<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
    QCOMPARE(m_form->state().b, 1.0);
    QCOMPARE(m_form->state().Fb, 0.0);
    QVERIFY2(showsShape(), qPrintable(statusText()));
    // The panes come first in the tab order, but the cursor starts in F.
    QCOMPARE(m_form->focusWidget(), child<QWidget>("Text_F"));

    // The drawing made before the window was shown is on screen.
    const QImage shown = m_form->grab().toImage();
    const auto innerCorner = [this](const char *name) {
        const PlotPane *pane = child<PlotPane>(name);
        return pane->mapTo(m_form.get(), pane->contentsRect().topLeft());
    };
    const QPoint circleInner = innerCorner("Picture_circle");
    const QPoint airfoilInner = innerCorner("Picture_airfoil");
    QVERIFY(pixels::showsStartCircle(shown, circleInner.x(), circleInner.y()));
    QVERIFY(pixels::showsStartProfile(shown, airfoilInner.x(), airfoilInner.y()));
}

void Form1Test::arrowClicksRedrawOnceOrTwice_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("redraws");
    QTest::newRow("F") << "HScroll_F"
                       << "Text_F"
                       << "0.01" << 1;
    QTest::newRow("G") << "HScroll_G"
                       << "Text_G"
                       << "0.01" << 1;
    QTest::newRow("b") << "HScroll_b"
                       << "Text_b"
                       << "1.01" << 1;
    // The Scale handler writes its text, which redraws nested, then redraws.
    QTest::newRow("Scale") << "HScroll_MaxC"
                           << "Text_MaxC"
                           << "1.6" << 2;
}

void Form1Test::arrowClicksRedrawOnceOrTwice()
{
    QFETCH(QString, bar);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, redraws);
    QSignalSpy spy(m_form.get(), &Form1::redrawn);
    QVERIFY(spy.isValid());
    clickRightArrow(child<QScrollBar>(bar.toLatin1()));
    QCOMPARE(spy.count(), redraws);
    QCOMPARE(child<QLineEdit>(field.toLatin1())->text(), text);
    QVERIFY(spy.last().at(0).toBool());
}

void Form1Test::limitPullsBBackToTheCircle_data()
{
    QTest::addColumn<int>("b"); // the b scroll value, set first
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("redraws");
    QTest::addColumn<QString>("bText");
    QTest::addColumn<int>("bValue");
    // F = 0.1 with b = 1: X = 0.9 and b goes to 0.9, nested b handler included.
    QTest::newRow("worked example") << 100 << "HScroll_F" << 9 << 2 << "0.9" << 90;
    // F = G = 0: X = 1, so 1.01 is pulled back to 1.
    QTest::newRow("b beyond 1") << 100 << "HScroll_b" << 100 << 2 << "1" << 100;
    // G = 0.5 with b = 1: X = sqrt(0.75) = 0.866..., k = 87 lies beyond X,
    // so the nested limit puts b back to X itself.
    QTest::newRow("G") << 100 << "HScroll_G" << 49 << 2 << "0.866025403784439" << 87;
    // F = 0.1 with b = 0.95: X is the double of 0.905 and 100 X is 90.5
    // exactly, so k = 90 (halves to even); the nested b = 0.9 lies within X
    // and stays. Rounding up would give 91, beyond X, and b = 0.905.
    QTest::newRow("halves to even") << 95 << "HScroll_F" << 9 << 2 << "0.9" << 90;
}

void Form1Test::limitPullsBBackToTheCircle()
{
    QFETCH(int, b);
    QFETCH(QString, bar);
    QFETCH(int, from);
    QFETCH(int, redraws);
    QFETCH(QString, bText);
    QFETCH(int, bValue);
    child<QScrollBar>("HScroll_b")->setValue(b);
    QScrollBar *scroll = child<QScrollBar>(bar.toLatin1());
    scroll->setValue(from); // unchecked: b stays
    QCOMPARE(m_form->state().b, b / 100.0);
    QTest::mouseClick(child<QCheckBox>("Check1"), Qt::LeftButton);
    QCOMPARE(child<QCheckBox>("Check1")->checkState(), Qt::Checked);

    QSignalSpy spy(m_form.get(), &Form1::redrawn);
    QVERIFY(spy.isValid());
    clickRightArrow(scroll);
    QCOMPARE(spy.count(), redraws);
    QCOMPARE(child<QLineEdit>("Text_b")->text(), bText);
    QCOMPARE(child<QScrollBar>("HScroll_b")->value(), bValue);
    QCOMPARE(m_form->state().b, bText.toDouble());
    QVERIFY2(showsShape(), qPrintable(statusText()));
}

void Form1Test::checkingTheBoxAloneChangesNothing()
{
    child<QScrollBar>("HScroll_F")->setValue(50); // Fb = 0.5, X = 0.5 < b = 1
    QSignalSpy spy(m_form.get(), &Form1::redrawn);
    QTest::mouseClick(child<QCheckBox>("Check1"), Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_form->state().b, 1.0);
    QCOMPARE(child<QScrollBar>("HScroll_b")->value(), 100);
    // The next change of b applies the limit.
    clickLeftArrow(child<QScrollBar>("HScroll_b"));
    QCOMPARE(child<QLineEdit>("Text_b")->text(), QString("0.5"));
    QCOMPARE(child<QScrollBar>("HScroll_b")->value(), 50);
}

// The limit holds b = 0.905941765365827 by the circle of the last F and G
// move; one step left puts b at 0.9, 0.994 from the drawn circle's centre
// (-0.09, 0.09): inside, a rounded edge.
void Form1Test::oneStepLeftEndsTheCheck1Crossing()
{
    QVERIFY(showStatus({"0.1", "0.1", "0.9", "1.5"}, "", 0, kCheck1Crossing));
    QCOMPARE(child<QLineEdit>("Text_b")->text(), QString("0.905941765365827"));
    QCOMPARE(child<QScrollBar>("HScroll_b")->value(), 91);
    QVERIFY2(statusText().contains("Check1 holds b"), qPrintable(statusText()));
    clickLeftArrow(child<QScrollBar>("HScroll_b"));
    QCOMPARE(child<QLineEdit>("Text_b")->text(), QString("0.9"));
    QVERIFY2(showsShape(), qPrintable(statusText()));
}

void Form1Test::limitRefusedWhenTheCircleMissesTheAxis()
{
    // A typed b of 3 read by a redraw, then G = 0.5: Gb = 1.5 and the circle
    // of radius 1 about (0, 1.5) never reaches the x axis.
    QLineEdit *textB = child<QLineEdit>("Text_b");
    textB->selectAll();
    QTest::keyClicks(textB, "3");
    QTest::mouseClick(child<PlotPane>("Picture_circle"), Qt::LeftButton);
    QCOMPARE(m_form->state().b, 3.0);
    QTest::mouseClick(child<QCheckBox>("Check1"), Qt::LeftButton);

    child<QScrollBar>("HScroll_G")->setValue(50);
    QCOMPARE(m_form->state().Gb, 1.5);
    QCOMPARE(textB->text(), QString("3"));
    QCOMPARE(child<QScrollBar>("HScroll_b")->value(), 100);
    QVERIFY2(statusText().contains("not limited"), qPrintable(statusText()));
}

void Form1Test::limitBeyondTheScrollRangeKeepsTheBarInRange()
{
    // F = 1 with b = 1 puts the circle's crossing at X = 0: the integer for
    // the b scroll bar would be 0, below its minimum 1.
    child<QScrollBar>("HScroll_F")->setValue(99);
    QTest::mouseClick(child<QCheckBox>("Check1"), Qt::LeftButton);
    const QImage before = circleImage();
    QSignalSpy spy(m_form.get(), &Form1::redrawn);
    clickRightArrow(child<QScrollBar>("HScroll_F"));
    QCOMPARE(child<QScrollBar>("HScroll_b")->value(), 1);
    // The nested b handler set 0.01, its own limit put b back to X = 0, and
    // a b of 0 cannot be drawn: the panes keep their drawing and say why.
    QCOMPARE(child<QLineEdit>("Text_b")->text(), QString("0"));
    QCOMPARE(spy.count(), 2);
    QVERIFY(!spy.last().at(0).toBool());
    QVERIFY2(statusText().contains("b is 0"), qPrintable(statusText()));
    QCOMPARE(circleImage(), before);
}

void Form1Test::typingDoesNotRedrawUntilAPaneIsClicked()
{
    QSignalSpy spy(m_form.get(), &Form1::redrawn);
    QVERIFY(spy.isValid());
    QLineEdit *textF = child<QLineEdit>("Text_F");
    textF->selectAll();
    QTest::keyClicks(textF, "0.3");
    QCOMPARE(textF->text(), QString("0.3"));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(child<QScrollBar>("HScroll_F")->value(), 0);
    QCOMPARE(m_form->state().F, 0.0);

    QTest::mouseClick(child<PlotPane>("Picture_airfoil"), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(m_form->state().F, 0.3);
    // The circle moved left: its centre is at (-0.3, 0), in a pane 3 wide.
    const double width = child<PlotPane>("Picture_circle")->contentsRect().width();
    const QPointF centre = pixels::blueCentroid(circleImage());
    QVERIFY2(qAbs(centre.x() - (width / 2 - 0.3 * width / 3)) < 2,
             qPrintable(QString::number(centre.x())));
}

void Form1Test::typingTheScaleRedrawsAtEveryKeystroke()
{
    QSignalSpy spy(m_form.get(), &Form1::redrawn);
    QLineEdit *scale = child<QLineEdit>("Text_MaxC");
    scale->selectAll();
    QTest::keyClicks(scale, "3");
    QTest::keyClicks(scale, ".0");
    QCOMPARE(spy.count(), 3);
    QCOMPARE(child<QScrollBar>("HScroll_MaxC")->value(), 15);
    QVERIFY2(showsShape(), qPrintable(statusText()));
}

void Form1Test::draggingTheThumbRedrawsOnlyOnRelease()
{
    QScrollBar *bar = child<QScrollBar>("HScroll_F");
    QSignalSpy spy(m_form.get(), &Form1::redrawn);
    const QRect handle = scrollBarPart(bar, QStyle::SC_ScrollBarSlider);
    const QPoint start = handle.center();
    QTest::mousePress(bar, Qt::LeftButton, {}, start);
    for (int dx = 4; dx <= 20; dx += 4)
        QTest::mouseMove(bar, start + QPoint(dx, 0));
    QVERIFY(bar->sliderPosition() > 0);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(child<QLineEdit>("Text_F")->text(), QString("0"));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, start + QPoint(20, 0));
    QCOMPARE(spy.count(), 1);
    QVERIFY(bar->value() > 0);
    QCOMPARE(child<QLineEdit>("Text_F")->text(), QString::number(bar->value() / 100.0));
}

void Form1Test::keyboardReachesAndMovesEveryControl()
{
    const QStringList order{"Picture_circle", "Picture_airfoil", "Text_F",      "Text_G",
                            "Text_b",         "HScroll_F",       "HScroll_G",   "HScroll_b",
                            "Check1",         "Text_MaxC",       "HScroll_MaxC"};
    child<QWidget>("Picture_circle")->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>("Picture_circle"));
    for (int i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i % order.size()]);
    }

    QScrollBar *bar = child<QScrollBar>("HScroll_F");
    bar->setFocus();
    QSignalSpy spy(m_form.get(), &Form1::redrawn);
    const int end = bar->maximum();
    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(bar->value(), end);
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(bar->value(), end - 1);
    QTest::keyClick(bar, Qt::Key_PageUp);
    QCOMPARE(bar->value(), end - 11);
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->value(), end - 10);
    QTest::keyClick(bar, Qt::Key_PageDown);
    QCOMPARE(bar->value(), end);
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(bar->value(), bar->minimum());
    QCOMPARE(spy.count(), 6);
    QCOMPARE(child<QLineEdit>("Text_F")->text(), QString("0"));
}

void Form1Test::refusedRedrawKeepsTheDrawingAndSaysWhy()
{
    const QImage before = circleImage();
    QLineEdit *scale = child<QLineEdit>("Text_MaxC");
    scale->selectAll();
    QTest::keyClick(scale, Qt::Key_Delete);
    QCOMPARE(scale->text(), QString());
    QVERIFY2(statusText().contains("Scale is 0"), qPrintable(statusText()));
    QCOMPARE(circleImage(), before);
    QTest::keyClicks(scale, "2");
    QVERIFY2(showsShape(), qPrintable(statusText()));
    QVERIFY(circleImage() != before);
}

void Form1Test::statusLineGivesTheMeasuredShape_data()
{
    QTest::addColumn<QStringList>("texts"); // F, G, b and Scale, as typed
    QTest::addColumn<QString>("bar");       // then its left arrow sets its
    QTest::addColumn<int>("value");         // parameter to value / 100; none: a click on a pane
    QTest::addColumn<int>("before");        // a refused b limit, or the Check1 crossing
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("circle");  // in the circle pane's description
    QTest::addColumn<QString>("reading"); // the line below Check1; "" when empty
    const auto row = [](const char *name, const QStringList &texts, const char *bar, int value,
                        int before, bool drawn, const QString &pattern, const QString &circle = "",
                        const QString &reading = "") {
        QTest::newRow(name) << texts << QString(bar) << value << before << drawn << pattern
                            << circle << reading;
    };
    // The segment from -2 to 2: neither thick nor cambered, so no positions.
    row("flat", {"0", "0", "1", "1.5"}, "HScroll_F", 0, false, true,
        "^chord 4\\.00 · thickness 0\\.0 % · camber 0\\.0 %$",
        "about (0, 0). Critical points at -1 and 1 on the x axis; 1 lies on the circle.");
    // b = 0.9 on the circle about (-0.1, 0): the trailing edge at 2b = 1.8,
    // the leading edge at -1.1 - 0.81/1.1, a chord of 3.64. Thickness and
    // camber here and below from an independent sampling of 20000 points:
    // 12.96 % at 25 %; 12.35 % at 26 % and 4.44 % at 51 %.
    row("symmetric", {"0.111111111111111", "0", "0.9", "1.5"}, "HScroll_b", 90, false, true,
        "^chord 3\\.64 · thickness (12\\.9|13\\.0) % at 2[4-6] % · camber 0\\.0 %$");
    row("cambered", {"0.1", "0.1", "0.9", "1.5"}, "HScroll_F", 10, false, true,
        "^chord 3\\.63 · thickness 12\\.[34] % at 2[5-7] % · camber 4\\.[45] % at 5[0-2] %$",
        "about (-0.09, 0.09). Critical points at -0.9 and 0.9 on the x axis; 0.9 lies inside");
    row("negative camber", {"0.1", "-0.1", "0.9", "1.5"}, "HScroll_F", 10, false, true,
        "· camber -4\\.[45] % at 5[0-2] %$");
    row("self-crossing", {"0.3", "0", "1", "1.5"}, "HScroll_F", 30, false, true, "crosses itself",
        "about (-0.3, 0). Critical points at -1 and 1 on the x axis; 1 lies outside");
    row("not single-valued", {"-0.45", "0.35", "1.75", "1.5"}, "HScroll_b", 175, false, true,
        "turns back");
    // b = 1e20 about the origin: the ellipse of semi-axes b^2 + 1 and b^2 - 1,
    // a chord of 2e40 in three digits and a thickness of 100 %; at b = 1e100
    // the profile's squared size leaves the double range.
    row("huge ellipse", {"0", "0", "1e20", "1.5"}, "HScroll_F", 0, false, true,
        "^chord 2\\.00e\\+40 · thickness 100\\.0 % at 50 % · camber 0\\.0 %$");
    row("too large to measure", {"0", "0", "1e100", "1.5"}, "HScroll_F", 0, false, true,
        "could not be measured");

    // Typed texts that are not wholly one number, drawn as they read, by a
    // click on a pane. Blanks before and after a number are no notice.
    const QString point = " Numbers use a point\\.$";
    row("comma in Scale", {"0", "0", "1", "1,5"}, "", 0, false, true, "^chord 4\\.00", "",
        "^Scale reads as 1: \"1,5\" stops at \",\"\\." + point);
    // The sampling refuses b = 0 before the Scale is read: no word of it.
    row("comma in b", {"0", "0", "0,9", "1,5"}, "", 0, false, false, "^Not redrawn: b is 0", "",
        "^b reads as 0: \"0,9\" stops at \",\"\\." + point);
    row("no number", {"abc", "0", "1", "1.5"}, "", 0, false, true, "^chord 4\\.00", "",
        "^F reads as 0: \"abc\" holds no number\\.$");
    row("blank before", {" 0.1", "0", "0.9", "1.5"}, "", 0, false, true, "^chord 3\\.6");
    row("blank after", {"0.1 ", "0", "0.9", "1.5"}, "", 0, false, true, "^chord 3\\.6");
    row("exponent without digits", {"0", "0", "1e", "1.5"}, "", 0, false, true, "^chord 4\\.00", "",
        "^b reads as 1: \"1e\" stops at \"e\"\\.$");
    row("empty", {"0", "", "1", "1.5"}, "", 0, false, true, "^chord 4\\.00", "",
        "^G is empty and reads as 0\\.$");
    row("several", {"0,1", "x", "0.9y", "1.5 "}, "", 0, false, true, "^chord 3\\.6", "",
        "^Only the leading number counts in F, G and b\\." + point);
    // Below the smallest normal float the axes collapse to a dot.
    const QString dot = "Scale is too near 0 and draws only a dot: type a Scale farther from 0\\.$";
    row("Scale too near 0", {"0", "0", "1", "1e-46"}, "", 0, false, true, "^chord 4\\.00", "",
        "^" + dot);
    // Check1 held b = 0.905941765365827 by the circle of the last F and G
    // move, about (-0.09, 0.09); the circle drawn, about (-0.0906, 0.0906),
    // leaves (b, 0) 1.00061 from its centre.
    row("Check1 crossing", {"0.1", "0.1", "0.9", "1.5"}, "", 0, kCheck1Crossing, true,
        "^The profile crosses itself: .+ Check1 holds b .+ one step left on the b bar\\.$");

    // Every text the status lines can hold fits, also with the notices.
    const QString refused = " b was not limited";
    row("shape, notice", {"0.1", "0.1", "0.9", "1.5"}, "HScroll_F", 10, true, true,
        "^chord .+ b was");
    row("self-crossing, notice", {"0.3", "0", "1", "1.5"}, "HScroll_F", 30, true, true, "crosses");
    row("not single-valued, notice", {"-0.45", "0.35", "1.75", "1.5"}, "HScroll_b", 175, true, true,
        "turns back");
    row("b is 0, notice", {"0.1", "0", "0", "1.5"}, "HScroll_F", 10, true, false, refused);
    row("origin outside, notice", {"0.1", "0.5", "3", "1.5"}, "HScroll_F", 10, true, false,
        refused);
    row("origin on circle, notice", {"0.5", "0", "2,0", "1.5"}, "HScroll_F", 50, true, false,
        refused, "", "^b reads as 2: \"2,0\" stops at \",\"\\." + point);
    row("b too large, notice", {"0.1", "0", "1e999", "1.5"}, "HScroll_F", 10, true, false, refused);
    row("b too small, notice", {"0.1", "0", "1e-200", "1.5"}, "HScroll_F", 10, true, false,
        refused);
    row("Scale 0, notice", {"0.1", "0", "1", ""}, "HScroll_F", 10, true, false, refused, "",
        "^Scale is empty and reads as 0\\.$");
    row("Scale too large, notice", {"0.1", "0", "1", "1e308"}, "HScroll_F", 10, true, false,
        refused);
    row("long number, comma", {"0", "0", "123456789012345000000,5", "1.5"}, "", 0, false, true,
        "^chord", "", "^b reads as 1\\.23456789012345E\\+20: \"123456789…\" stops at \",\"\\.");
    row("several, Scale too near 0, notice", {"0.1", "0,0", "3y", "1e-46z"}, "HScroll_F", 10, true,
        true, "^chord .+ b was", "", "^Only the leading number counts in G, b and Scale\\. " + dot);
    row("Check1 crossing, Scale too near 0", {"0.1", "0.1", "0.9", "-1e-46,"}, "", 0,
        kCheck1Crossing, true, "Check1 holds b", "",
        "^Only the leading number counts in Scale\\. " + dot);
}

// In the German locale, whose decimal separator is a comma.
void Form1Test::statusLineGivesTheMeasuredShape()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, bar);
    QFETCH(int, value);
    QFETCH(int, before);
    QFETCH(bool, drawn);
    QFETCH(QString, pattern);
    QFETCH(QString, circle);
    QFETCH(QString, reading);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    QCOMPARE(showStatus(texts, bar, value, before), drawn);

    const QLabel *status = child<QLabel>("Label_status");
    const QLabel *notice = child<QLabel>("Label_notice");
    QVERIFY2(QRegularExpression(pattern).match(status->text()).hasMatch(),
             qPrintable(status->text()));
    QCOMPARE(status->text().contains("b was not limited"), before == kLimitRefused);
    QVERIFY2(reading.isEmpty() ? notice->text().isEmpty()
                               : QRegularExpression(reading).match(notice->text()).hasMatch(),
             qPrintable(notice->text()));
    for (const QLabel *label : {status, notice})
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(label->text()));
    if (before == 0 && drawn)
        QVERIFY(child<PlotPane>("Picture_airfoil")
                    ->accessibleDescription()
                    .endsWith(". " + status->text()));
    QVERIFY(child<PlotPane>("Picture_circle")->accessibleDescription().contains(circle));
}

// Types the texts, then moves the bar's parameter to value / 100 with its
// left arrow, or with no bar clicks the circle pane. Before that, when
// `before` says so: a refused b limit; or the Check1 crossing, where the
// texts (F = G = 0.1, b = 0.9) are drawn, the F and G bars go from 0 to 10,
// and with Check1 ticked b's right arrow is clicked. Returns whether the
// last redraw drew.
bool Form1Test::showStatus(const QStringList &texts, const QString &bar, int value, int before)
{
    if (before == kLimitRefused) { // Gb = 3 * 0.5: the stored circle misses the x axis
        child<QLineEdit>("Text_b")->setText("3");
        QTest::mouseClick(child<PlotPane>("Picture_circle"), Qt::LeftButton);
        QTest::mouseClick(child<QCheckBox>("Check1"), Qt::LeftButton);
        child<QScrollBar>("HScroll_G")->setValue(50);
    }
    const char *fields[] = {"Text_F", "Text_G", "Text_b", "Text_MaxC"};
    for (int i = 0; i < 4; ++i)
        child<QLineEdit>(fields[i])->setText(texts[i]);
    if (before == kCheck1Crossing) { // Fb = Gb = 0.1 * 0.9
        QTest::mouseClick(child<PlotPane>("Picture_circle"), Qt::LeftButton);
        for (const char *name : {"HScroll_F", "HScroll_G"}) {
            child<QScrollBar>(name)->setValue(0);
            child<QScrollBar>(name)->setValue(10);
        }
        QTest::mouseClick(child<QCheckBox>("Check1"), Qt::LeftButton);
        clickRightArrow(child<QScrollBar>("HScroll_b"));
    }
    QScrollBar *scroll = bar.isEmpty() ? nullptr : child<QScrollBar>(bar.toLatin1());
    if (scroll)
        scroll->setValue(value + 1);
    QSignalSpy spy(m_form.get(), &Form1::redrawn);
    if (scroll)
        clickLeftArrow(scroll);
    else
        QTest::mouseClick(child<PlotPane>("Picture_circle"), Qt::LeftButton);
    return !spy.isEmpty() && spy.last().at(0).toBool();
}

// With the German translation every status text is German and still fits,
// numbers keep ".", and the window's fixed captions stay as they are.
void Form1Test::germanTextsFitAndLeaveTheFixedCaptions_data()
{
    statusLineGivesTheMeasuredShape_data();
}

void Form1Test::germanTextsFitAndLeaveTheFixedCaptions()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, bar);
    QFETCH(int, value);
    QFETCH(int, before);
    QFETCH(bool, drawn);
    QFETCH(QString, reading);
    QVERIFY(installTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany)));
    const auto restore = qScopeGuard([] {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    });
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QCOMPARE(showStatus(texts, bar, value, before), drawn);

    const QLabel *status = child<QLabel>("Label_status");
    const QString german = !drawn                      ? "^Nicht neu gezeichnet: "
                           : before == kLimitRefused   ? " b nicht begrenzt"
                           : before == kCheck1Crossing ? " Check1 begrenzt b "
                                                       : "^(Sehne|Das|Eine)";
    QVERIFY2(QRegularExpression(german).match(status->text()).hasMatch(),
             qPrintable(status->text()));
    QVERIFY2(!QRegularExpression("\\d,\\d").match(status->text()).hasMatch(),
             qPrintable(status->text()));
    // The notices quote the texts as typed, commas and all, but write their
    // own numbers with a point.
    const QLabel *notice = child<QLabel>("Label_notice");
    QString own = notice->text();
    own.remove(QRegularExpression("„[^“]*“"));
    QVERIFY2(
        reading.isEmpty()
            ? own.isEmpty()
            : QRegularExpression("^(\\w+ (wird als|ist leer)|In .+ zählt nur|Scale liegt zu nah)")
                  .match(own)
                  .hasMatch(),
        qPrintable(notice->text()));
    QVERIFY2(!QRegularExpression("\\d,\\d").match(own).hasMatch(), qPrintable(notice->text()));
    for (const QLabel *label : {status, notice})
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(label->text()));
    QCOMPARE(m_form->windowTitle(), QString("Wingmap - Joukowsky Transformation"));
    QCOMPARE(child<QLabel>("Label_F")->text(), QString("F = "));
    QCOMPARE(child<QLabel>("Label1")->text(), QString("Scale ="));
    QCOMPARE(child<QCheckBox>("Check1")->text(), QString("Check1"));
    QCOMPARE(m_form->findChild<QAction *>("Mn_About")->text(), QString("About"));
}

// Run again with QT_SCALE_FACTOR=2 and 1.25: the panes then draw two device
// pixels (or 1.25) per logical pixel; their one-pixel lines are floor(ratio)
// device pixels wide and stay on whole rows, and the window shows the image
// unscaled, also where a pane's inner area begins between device pixels.
void Form1Test::panesRenderAtTheScreenRatio()
{
    PlotPane *pane = child<PlotPane>("Picture_circle");
    const qreal ratio = pane->devicePixelRatioF();
    const QImage image = pane->surface().image();
    QCOMPARE(image.size(), pane->contentsRect().size() * ratio);
    const int width = qMax(1, qFloor(ratio)); // the x axis, in device rows
    // Odd widths are centred on a pixel, even ones on a pixel boundary.
    const int middle = pane->contentsRect().height() / 2;
    const int top = qRound(middle * ratio + (width % 2 ? 0.5 : 0.0) - width / 2.0);
    for (int row = top; row < top + width; ++row)
        QVERIFY2(pixels::isDark(image.pixel(5, row)), qPrintable(QString::number(row)));
    QVERIFY(pixels::isBackground(image.pixel(5, top - 1)));
    QVERIFY(pixels::isBackground(image.pixel(5, top + width)));

    const QImage shown = m_form->grab().toImage().convertToFormat(image.format());
    const QPointF inner = pane->mapTo(m_form.get(), pane->contentsRect().topLeft()) * ratio;
    const QPoint corner(qRound(inner.x()), qRound(inner.y()));
    const QRect inside(QPoint(1, 1), image.size() - QSize(2, 2)); // clear of the frame
    QCOMPARE(shown.copy(inside.translated(corner)), image.copy(inside));
}

void Form1Test::aboutOpensOneNonModalWindow()
{
    QMenuBar *menu = m_form->menuBar();
    QAction *about = m_form->findChild<QAction *>("Mn_About");
    QVERIFY(about);
    QCOMPARE(about->text(), QString("About"));
    QVERIFY(!about->menu());
    const QPoint entry = menu->actionGeometry(about).center();
    QTest::mouseClick(menu, Qt::LeftButton, {}, entry);
    QTest::mouseClick(menu, Qt::LeftButton, {}, entry);
    QCOMPARE(topLevelAboutWindows().size(), 1);
    Form_About *window = m_form->aboutWindow();
    QVERIFY(window && window->isVisible());
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowTitle(), QString("About"));
    QCOMPARE(window->size(), QSize(pixelsOf(4125), pixelsOf(3195)));
    QCOMPARE(window->findChild<QLabel *>("Label8")->text(),
             QString("last update : Februaray 2007"));

    // The main window stays usable.
    QSignalSpy spy(m_form.get(), &Form1::redrawn);
    clickRightArrow(child<QScrollBar>("HScroll_F"));
    QCOMPARE(spy.count(), 1);

    // Closed, it opens again: the same window.
    window->close();
    QVERIFY(topLevelAboutWindows().isEmpty());
    QTest::mouseClick(menu, Qt::LeftButton, {}, entry);
    QCOMPARE(m_form->aboutWindow(), window);
    QVERIFY(window->isVisible());
}

// Runs the real event loop, which ends the program when its last window
// closes: closing the main window first must not end it.
void Form1Test::aboutKeepsTheProgramRunningAfterTheMainWindowCloses()
{
    m_form->findChild<QAction *>("Mn_About")->trigger();
    Form_About *about = m_form->aboutWindow();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QVERIFY(about->parentWidget() == nullptr);

    bool aboutClosedByUs = false;
    QTimer::singleShot(0, m_form.get(), [&] {
        m_form->close();
        QTimer::singleShot(100, about, [&] {
            aboutClosedByUs = true;
            QCOMPARE(about->isVisible(), true);
            about->close();
        });
    });
    QTimer safety;
    safety.setSingleShot(true);
    connect(&safety, &QTimer::timeout, qApp, &QCoreApplication::quit);
    safety.start(5000);

    qApp->setQuitOnLastWindowClosed(true);
    QApplication::exec();
    qApp->setQuitOnLastWindowClosed(false);
    QVERIFY2(aboutClosedByUs, "the program ended when the main window closed");
    QVERIFY2(safety.isActive(), "the program kept running after both windows closed");
}

// L = 0.2126 R + 0.7152 G + 0.0722 B of the linear channels, c / 12.92 up
// to 0.04045 and ((c + 0.055) / 1.055)^2.4 above; the ratio is (L1 + 0.05) /
// (L2 + 0.05), the lighter over the darker.
void Form1Test::contrastIsTheWcagRatio_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    // The panes' light yellow: 192 / 255 = 0.75294 is 0.52712 linear, so
    // L = 0.2126 + 0.7152 + 0.0722 * 0.52712 = 0.96586.
    const QColor yellow(255, 255, 192);
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 1.05 / 0.05;
    QTest::newRow("white on white") << QColor(Qt::white) << QColor(Qt::white) << 1.0;
    // Pure red has L = 0.2126, pure blue L = 0.0722.
    QTest::newRow("red on white") << QColor(Qt::red) << QColor(Qt::white) << 1.05 / 0.2626;
    QTest::newRow("white on blue") << QColor(Qt::white) << QColor(Qt::blue) << 1.05 / 0.1222;
    QTest::newRow("red on yellow") << QColor(Qt::red) << yellow << 1.01586 / 0.2626;
    QTest::newRow("blue on yellow") << QColor(Qt::blue) << yellow << 1.01586 / 0.1222;
    // 10 / 255 = 0.03922 lies on the linear part: L = 0.03922 / 12.92.
    QTest::newRow("dark grey on black")
        << QColor(10, 10, 10) << QColor(Qt::black) << 0.053035 / 0.05;
}

void Form1Test::contrastIsTheWcagRatio()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(contrastRatio(a, b) - ratio) < 1e-4 * ratio,
             qPrintable(QString::number(contrastRatio(a, b), 'g', 8)));
}

void Form1Test::textStaysReadableInEveryTheme_data()
{
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("axis"); // also the About window's plain labels
    QTest::addColumn<bool>("statusKept");
    // Dark red on Fusion's light grey: 7.3 : 1.
    QTest::newRow("light") << QColor(0xEF, 0xEF, 0xEF) << QColor(Qt::black) << QColor(Qt::black)
                           << true;
    // Navy reads on the yellow (15.5 : 1) and is kept; dark red on white 8.4 : 1.
    QTest::newRow("navy text") << QColor(Qt::white) << QColor(0, 0, 0x80) << QColor(0, 0, 0x80)
                               << true;
    // White on the yellow is 1.03 : 1; dark red on #303030 1.6 : 1.
    QTest::newRow("dark") << QColor(0x30, 0x30, 0x30) << QColor(Qt::white) << QColor(Qt::black)
                          << false;
    // Dark red on mid grey is 1.9 : 1; only a darker red reads there.
    QTest::newRow("mid grey") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << QColor(Qt::black)
                              << false;
}

// The palette changes while the windows are open, as a desktop's does.
void Form1Test::textStaysReadableInEveryTheme()
{
    QFETCH(QColor, window);
    QFETCH(QColor, text);
    QFETCH(QColor, axis);
    QFETCH(bool, statusKept);
    const QPalette original = QApplication::palette();
    const QColor preferred = child<QLabel>("Label_status")->palette().color(QPalette::WindowText);
    const auto restore = qScopeGuard([&] { QApplication::setPalette(original); });
    m_form->findChild<QAction *>("Mn_About")->trigger();
    QPalette palette = original;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();

    QTest::mouseClick(child<PlotPane>("Picture_circle"), Qt::LeftButton);
    const QImage circle = circleImage();
    QCOMPARE(QColor(circle.pixel(5, circle.height() / 2)), axis);
    for (const char *name : {"Label7", "Label4", "Label_version"})
        QCOMPARE(
            m_form->aboutWindow()->findChild<QLabel *>(name)->palette().color(QPalette::WindowText),
            axis);
    const QColor status = child<QLabel>("Label_status")->palette().color(QPalette::WindowText);
    QCOMPARE(status == preferred, statusKept);
    QVERIFY(status.red() > status.green() && status.green() == status.blue());
    QVERIFY2(contrastRatio(status, window) >= 4.5, qPrintable(status.name()));
}

void Form1Test::focusShowsOnEveryKindOfControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("before"); // the control before it in the tab order
    for (const auto &[control, before] : {std::pair{"Picture_circle", "HScroll_MaxC"},
                                          {"Text_F", "Picture_airfoil"},
                                          {"HScroll_F", "Text_b"},
                                          {"Check1", "HScroll_b"}})
        QTest::newRow(control) << QString(control) << QString(before);
}

void Form1Test::focusShowsOnEveryKindOfControl()
{
    QFETCH(QString, control);
    QFETCH(QString, before);
    QWidget *widget = child<QWidget>(control.toLatin1());
    child<QWidget>(before.toLatin1())->setFocus();
    QTRY_VERIFY(QApplication::focusWidget() == child<QWidget>(before.toLatin1()));
    const QImage unfocused = widget->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), widget);
    const QImage focused = widget->grab().toImage();
    QVERIFY(focused != unfocused);
    // A pane shows it on its frame: the drawing itself stays as it was.
    if (qobject_cast<PlotPane *>(widget)) {
        const QRect drawing = widget->contentsRect();
        QCOMPARE(focused.copy(drawing), unfocused.copy(drawing));
    }
}

namespace {

// The widget's name, or its class for an unnamed one such as the menu bar.
QString focusName(QWidget *widget)
{
    if (!widget)
        return "none";
    return widget->objectName().isEmpty() ? widget->metaObject()->className()
                                          : widget->objectName();
}

} // namespace

void Form1Test::standardKeysAct_data()
{
    QTest::addColumn<QString>("start"); // the focused control, or the About window
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("redraws");
    QTest::addColumn<bool>("aboutOpen");
    QTest::addColumn<bool>("mainOpen");
    QTest::addColumn<QString>("focusAfter"); // the main window's
    QTest::addColumn<int>("repeats");        // auto-repeated presses of a held key
    const auto row = [](const char *name, const char *start, const QKeySequence &keys, int redraws,
                        bool aboutOpen, bool mainOpen, const char *focusAfter, int repeats = 0) {
        QTest::newRow(name) << QString(start) << keys << redraws << aboutOpen << mainOpen
                            << QString(focusAfter) << repeats;
    };
    const QKeyCombination f10(Qt::Key_F10);
    row("Space on a pane", "Picture_circle", Qt::Key_Space, 1, false, true, "Picture_circle");
    // A held key is one click, however long it repeats.
    row("Space held on a pane", "Picture_circle", Qt::Key_Space, 1, false, true, "Picture_circle",
        3);
    row("Return on a pane", "Picture_airfoil", Qt::Key_Return, 1, false, true, "Picture_airfoil");
    row("Enter on a pane", "Picture_circle", Qt::Key_Enter, 1, false, true, "Picture_circle");
    // Enter in a parameter field redraws as a click does; in the Scale field
    // typing has redrawn already.
    row("Return in F", "Text_F", Qt::Key_Return, 1, false, true, "Text_F");
    row("keypad Enter in b", "Text_b", Qt::Key_Enter, 1, false, true, "Text_b");
    row("Return in Scale", "Text_MaxC", Qt::Key_Return, 0, false, true, "Text_MaxC");
    row("Alt+A", "Text_F", Qt::ALT | Qt::Key_A, 0, true, true, "Text_F");
    row("Escape on About", "About", Qt::Key_Escape, 0, false, true, "Text_F");
    row("Ctrl+W on About", "About", Qt::CTRL | Qt::Key_W, 0, false, true, "Text_F");
    row("Ctrl+W on main", "Text_F", Qt::CTRL | Qt::Key_W, 0, false, false, "Text_F");
    row("Ctrl+Q on About", "About", Qt::CTRL | Qt::Key_Q, 0, false, false, "Text_F");
    row("F10", "HScroll_b", f10, 0, false, true, "QMenuBar");
    row("F10, Return", "HScroll_b", QKeySequence(f10, QKeyCombination(Qt::Key_Return)), 0, true,
        true, "HScroll_b");
    row("F10, Escape", "HScroll_b", QKeySequence(f10, QKeyCombination(Qt::Key_Escape)), 0, false,
        true, "HScroll_b");
    // About takes the activation from the menu bar, which gives the focus back.
    row("F10, Alt+A", "HScroll_b", QKeySequence(f10, Qt::ALT | Qt::Key_A), 0, true, true,
        "HScroll_b");
}

// Keys go where a user's would: to the focused control of the active window.
void Form1Test::standardKeysAct()
{
    QFETCH(QString, start);
    QFETCH(QKeySequence, keys);
    QFETCH(int, redraws);
    QFETCH(bool, aboutOpen);
    QFETCH(bool, mainOpen);
    QFETCH(QString, focusAfter);
    QFETCH(int, repeats);
    child<QWidget>(start == "About" ? "Text_F" : start.toLatin1())->setFocus();
    QTRY_VERIFY(QApplication::focusWidget());
    if (start == "About") {
        m_form->findChild<QAction *>("Mn_About")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(m_form->aboutWindow()));
    }
    QSignalSpy spy(m_form.get(), &Form1::redrawn);
    for (int i = 0; i < keys.count(); ++i) {
        QWidget *target = QApplication::focusWidget();
        if (!target)
            target = QApplication::activeWindow();
        const Qt::Key key = keys[i].key();
        const Qt::KeyboardModifiers modifiers = keys[i].keyboardModifiers();
        QTest::keyPress(target, key, modifiers);
        for (int r = 0; r < repeats; ++r) {
            QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(), true);
            QApplication::sendEvent(target, &repeat);
        }
        QTest::keyRelease(target, key, modifiers);
    }
    QCOMPARE(spy.count(), redraws);
    QCOMPARE(m_form->aboutWindow() && m_form->aboutWindow()->isVisible(), aboutOpen);
    QCOMPARE(m_form->isVisible(), mainOpen);
    QTRY_COMPARE(focusName(m_form->focusWidget()), focusAfter);
}

void Form1Test::screenReadersHearRolesNamesAndDescriptions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description"); // a part of it
    QTest::addColumn<QString>("label");
    const auto row = [](const char *control, QAccessible::Role role, const char *name,
                        const char *description, const char *label) {
        QTest::newRow(control) << QString(control) << int(role) << QString(name)
                               << QString(description) << QString(label);
    };
    row("Form_About", QAccessible::Dialog, "About", "", "");
    row("Picture_circle", QAccessible::Graphic, "Circle", "critical points ±b", "");
    row("Picture_airfoil", QAccessible::Graphic, "Profile", "images ±2b", "");
    row("HScroll_F", QAccessible::ScrollBar, "F scroll bar",
        "F from 0 to 1: the bar's value divided by 100", "");
    row("HScroll_MaxC", QAccessible::ScrollBar, "Scale scroll bar",
        "Scale from 1 to 3: the bar's value divided by 10", "");
    row("Text_F", QAccessible::EditableText, "F", "centre to the left, in units of b", "Label_F");
    row("Text_b", QAccessible::EditableText, "b", "critical points are ±b", "Label_b");
    row("Text_MaxC", QAccessible::EditableText, "Scale", "", "Label1");
}

void Form1Test::screenReadersHearRolesNamesAndDescriptions()
{
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, label);
    m_form->findChild<QAction *>("Mn_About")->trigger();
    QObject *object = control == "Form_About" ? static_cast<QObject *>(m_form->aboutWindow())
                                              : child<QWidget>(control.toLatin1());
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    QVERIFY(iface);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QVERIFY2(iface->text(QAccessible::Description).contains(description),
             qPrintable(iface->text(QAccessible::Description)));
    const auto labels = iface->relations(QAccessible::Label);
    QCOMPARE(labels.isEmpty() ? QString() : labels.first().first->object()->objectName(), label);
}

// Also run on a screen of ratio 2: the text stays whole in its band.
void Form1Test::aboutShowsTheVersionBetweenNameAndDescription()
{
    m_form->findChild<QAction *>("Mn_About")->trigger();
    Form_About *about = m_form->aboutWindow();
    const QLabel *version = about->findChild<QLabel *>("Label_version");
    QCOMPARE(version->text(), QString("Version " WINGMAP_VERSION));
    const QRect band = version->geometry();
    QCOMPARE(band.top(), about->findChild<QLabel *>("Label1")->geometry().bottom() + 1);
    QCOMPARE(band.bottom() + 1, about->findChild<QLabel *>("Label2")->geometry().top());
    const QRect text = version->fontMetrics().boundingRect(version->text());
    QVERIFY2(text.width() <= band.width() && version->fontMetrics().height() <= band.height(),
             qPrintable(QString("%1 x %2").arg(text.width()).arg(version->fontMetrics().height())));
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setStyle("Fusion");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false); // the test, not a closed window, ends the run
    QLocale::setDefault(QLocale::c());
    Form1Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "form1_test.moc"
