// Thousands of random user actions on the real main window. After every
// action every scroll bar is within its range; after every redraw the state's
// b is what Text_b reads, and the panes hold either exactly the drawing of
// the texts as they then read, with the status line giving the profile's
// measured shape, or, with the status line saying why, the last complete
// drawing.
//
// WINGMAP_SEED replays a run; WINGMAP_ACTIONS sets how many actions to make.
#include "ui/form1.h"
#include "ui/form_about.h"
#include "plot/hesapla.h"
#include "plot/image_surface.h"
#include "geometry/number_text.h"
#include "geometry/profile_shape.h"
#include "ui/plot_pane.h"
#include "ui/shape_text.h"
#include "tests/support/scroll_bar_parts.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>

#include <random>

using namespace wingmap;

namespace {

constexpr int kDefaultActions = 4000;
constexpr qint64 kTimeBudgetMs = 45000;

// Types the text key by key; characters beyond ASCII arrive as key events
// that carry only their text, as from an input method.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

class Driver
{
public:
    Driver(Form1 &form, quint64 seed) : m_form(form), m_rng(seed)
    {
        for (const char *name : {"HScroll_F", "HScroll_G", "HScroll_b", "HScroll_MaxC"})
            m_bars << form.findChild<QScrollBar *>(name);
        for (const char *name : {"Text_F", "Text_G", "Text_b", "Text_MaxC"})
            m_fields << form.findChild<QLineEdit *>(name);
        m_panes << form.findChild<PlotPane *>("Picture_circle")
                << form.findChild<PlotPane *>("Picture_airfoil");
        m_check = form.findChild<QCheckBox *>("Check1");
        m_status = form.findChild<QLabel *>("Label_status");
        m_lastCircle = m_panes[0]->surface().image();
        m_lastAirfoil = m_panes[1]->surface().image();
        m_lastDescriptions = descriptions();
        QObject::connect(&form, &Form1::redrawn, [this](bool drawn) { checkRedraw(drawn); });
    }

    // Makes one random action and returns what it was.
    QString act()
    {
        switch (pick(10)) {
        case 0:
        case 1:
            return clickArrow();
        case 2:
            return clickPage();
        case 3:
            return pressKey();
        case 4:
            return dragThumb();
        case 5:
        case 6:
            return type();
        case 7:
            QTest::mouseClick(m_check, Qt::LeftButton);
            return "toggle Check1";
        case 8: {
            PlotPane *pane = m_panes[pick(2)];
            QTest::mouseClick(pane, Qt::LeftButton, {},
                              QPoint(pick(pane->width()), pick(pane->height())));
            return "click " + pane->objectName();
        }
        default:
            return about();
        }
    }

    // Empty while everything holds; otherwise what went wrong first.
    QString failure() const { return m_failure; }

    QString checkRanges() const
    {
        for (QScrollBar *bar : m_bars)
            if (bar->value() < bar->minimum() || bar->value() > bar->maximum())
                return bar->objectName() + " out of range: " + QString::number(bar->value());
        return {};
    }

    int redraws() const { return m_redraws; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    QString clickArrow()
    {
        QScrollBar *bar = m_bars[pick(4)];
        const bool add = pick(2);
        QTest::mouseClick(
            bar, Qt::LeftButton, {},
            scrollBarPart(bar, add ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine)
                .center());
        return QString("arrow %1 %2").arg(bar->objectName(), add ? "right" : "left");
    }

    QString clickPage()
    {
        QScrollBar *bar = m_bars[pick(4)];
        const bool add = pick(2);
        const QRect page =
            scrollBarPart(bar, add ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage);
        if (page.isEmpty())
            return "page click on an empty page area (nothing)";
        QTest::mouseClick(bar, Qt::LeftButton, {}, page.center());
        return QString("page %1 %2").arg(bar->objectName(), add ? "right" : "left");
    }

    QString pressKey()
    {
        static const Qt::Key keys[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                       Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
        QScrollBar *bar = m_bars[pick(4)];
        const Qt::Key key = keys[pick(6)];
        bar->setFocus();
        QTest::keyClick(bar, key);
        return QString("key %1 on %2").arg(key).arg(bar->objectName());
    }

    QString dragThumb()
    {
        QScrollBar *bar = m_bars[pick(4)];
        const QPoint start = scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
        const int dx = pick(81) - 40;
        QTest::mousePress(bar, Qt::LeftButton, {}, start);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(bar, start + QPoint(dx * step / 4, 0));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, start + QPoint(dx, 0));
        return QString("drag %1 by %2").arg(bar->objectName()).arg(dx);
    }

    QString randomText()
    {
        static const char *const specials[] = {
            "1e400", "-0",  "nan", "inf",      "",         " ",        "-1e-400", "0.0001", "1E",
            "1e+",   "1,5", "--",  "0x10",     "+.5e-3",   "1e-300",   "1e300",   "-1.5",   "0",
            "3",     "0.6", "2",   "\xc3\xa4", "\xd9\xa3", "\xcf\x80", "1 2",     "\t-0.3"};
        switch (pick(4)) {
        case 0:
            return QString::fromUtf8(specials[pick(std::size(specials))]);
        case 1: {
            QString text;
            if (pick(3) == 0)
                text += pick(2) ? '-' : '+';
            const int digits = 1 + pick(5);
            for (int i = 0; i < digits; ++i) {
                text += QChar('0' + pick(10));
                if (pick(6) == 0)
                    text += '.';
                if (pick(10) == 0)
                    text += ' ';
            }
            if (pick(4) == 0)
                text += QString("e%1%2").arg(pick(2) ? "-" : "").arg(pick(400));
            return text;
        }
        case 2:
            return QString::number(pick(300) / 100.0);
        default:
            return QString::number(pick(30) / 10.0);
        }
    }

    QString type()
    {
        QLineEdit *field = m_fields[pick(4)];
        field->setFocus();
        if (pick(4) != 0)
            field->selectAll();
        if (pick(100) == 0) {
            // Ten thousand digits, pasted.
            QString digits(10000, '7');
            digits[1] = '.';
            QApplication::clipboard()->setText(digits);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            return "paste 10000 digits into " + field->objectName();
        }
        if (pick(8) == 0) {
            QTest::keyClick(field, pick(2) ? Qt::Key_Backspace : Qt::Key_Delete);
            return "erase in " + field->objectName();
        }
        const QString text = randomText();
        typeText(field, text);
        return QString("type \"%1\" into %2").arg(text, field->objectName());
    }

    QString about()
    {
        Form_About *window = m_form.aboutWindow();
        if (window && window->isVisible() && pick(2)) {
            window->close();
            return "close About";
        }
        QMenuBar *menu = m_form.menuBar();
        QAction *entry = m_form.findChild<QAction *>("Mn_About");
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        return "open About";
    }

    void fail(const QString &what)
    {
        if (m_failure.isEmpty())
            m_failure = what;
    }

    void checkRedraw(bool drawn)
    {
        ++m_redraws;
        const wingmap::InputTexts texts{
            m_fields[0]->text().toStdString(), m_fields[1]->text().toStdString(),
            m_fields[2]->text().toStdString(), m_fields[3]->text().toStdString()};
        const double b = wingmap::ReadNumber(texts.b);
        if (!(m_form.state().b == b))
            fail(QString("state b %1 but Text_b reads %2").arg(m_form.state().b).arg(b));

        wingmap::ImageSurface &circle = m_panes[0]->surface();
        wingmap::ImageSurface &airfoil = m_panes[1]->surface();
        if (!drawn) {
            if (m_status->text().isEmpty())
                fail("a refused redraw left the status line empty");
            if (circle.image() != m_lastCircle || airfoil.image() != m_lastAirfoil)
                fail("a refused redraw changed the panes");
            if (descriptions() != m_lastDescriptions)
                fail("a refused redraw changed what the panes say they show");
            return;
        }
        // An independent redraw of the same texts on fresh surfaces.
        wingmap::ParameterState reference;
        reference.Fb = m_form.state().Fb;
        reference.Gb = m_form.state().Gb;
        wingmap::ImageSurface refCircle(circle.logicalSize(), circle.devicePixelRatio());
        wingmap::ImageSurface refAirfoil(airfoil.logicalSize(), airfoil.devicePixelRatio());
        refCircle.setForeground(circle.foreground());
        refAirfoil.setForeground(airfoil.foreground());
        if (!wingmap::hesapla(texts, reference, refCircle, refAirfoil).drawn)
            fail("the window drew texts that cannot be drawn");
        else if (circle.image() != refCircle.image() || airfoil.image() != refAirfoil.image())
            fail("the panes differ from the drawing of the texts");
        // The shape measured afresh, whatever the window kept from before.
        const QString shape = wingmap::ShapeText::profile(
            wingmap::MeasureProfile(reference.F, reference.G, reference.b));
        if (m_status->text() != shape && !m_status->text().startsWith(shape + ' '))
            fail("a complete redraw left the status line: " + m_status->text());
        m_lastCircle = circle.image();
        m_lastAirfoil = airfoil.image();
        m_lastDescriptions = descriptions();
    }

    QStringList descriptions() const
    {
        return {m_panes[0]->accessibleDescription(), m_panes[1]->accessibleDescription()};
    }

    Form1 &m_form;
    std::mt19937_64 m_rng;
    QList<QScrollBar *> m_bars;
    QList<QLineEdit *> m_fields;
    QList<PlotPane *> m_panes;
    QCheckBox *m_check = nullptr;
    QLabel *m_status = nullptr;
    QStringList m_lastDescriptions;
    QImage m_lastCircle;
    QImage m_lastAirfoil;
    QString m_failure;
    int m_redraws = 0;
};

} // namespace

class RandomActionsTest : public QObject
{
    Q_OBJECT

private slots:
    void randomActionsKeepTheWindowSound();
};

void RandomActionsTest::randomActionsKeepTheWindowSound()
{
    const quint64 seed = qEnvironmentVariableIsSet("WINGMAP_SEED")
                             ? qEnvironmentVariable("WINGMAP_SEED").toULongLong()
                             : QRandomGenerator::system()->generate64();
    const int actions = qEnvironmentVariableIsSet("WINGMAP_ACTIONS")
                            ? qEnvironmentVariableIntValue("WINGMAP_ACTIONS")
                            : kDefaultActions;
    qInfo("seed %llu (replay with WINGMAP_SEED=%llu)", seed, seed);

    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Driver driver(form, seed);

    QElapsedTimer clock;
    clock.start();
    int done = 0;
    for (; done < actions && clock.elapsed() < kTimeBudgetMs; ++done) {
        const QString action = driver.act();
        QString problem = driver.failure();
        if (problem.isEmpty())
            problem = driver.checkRanges();
        if (!problem.isEmpty()) {
            QFAIL(qPrintable(
                QString("seed %1, action %2 (%3): %4").arg(seed).arg(done).arg(action, problem)));
        }
    }
    if (Form_About *about = form.aboutWindow())
        about->close();
    qInfo("%d actions, %d redraws in %lld ms", done, driver.redraws(),
          static_cast<long long>(clock.elapsed()));
    QVERIFY(done >= 500);
    QVERIFY(driver.redraws() > done / 4);
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setStyle("Fusion");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    RandomActionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "random_actions_test.moc"
