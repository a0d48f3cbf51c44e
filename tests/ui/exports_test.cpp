// The drawings leaving the window, driven as a user drives them, offscreen:
// the panes' context menu, the picture on the clipboard and in files, and the
// profile's coordinates. Scripted answers stand in for the save dialog and
// the message box.
#include "tests/support/pixel_checks.h"
#include "ui/exports/export_prompts.h"
#include "ui/exports/pane_exports.h"
#include "ui/main_window/form1.h"
#include "ui/widgets/plot_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <memory>

using namespace wingmap;

namespace {

struct ScriptedPrompts : ExportPrompts
{
    QString answer; // the path "typed" into the save dialog
    QStringList warnings;
    QString saveFileName(QWidget *, const QString &, const QString &,
                         const QList<FileKind> &) override
    {
        return answer;
    }
    void warn(QWidget *, const QString &, const QString &text) override { warnings << text; }
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool mount(const QStringList &arguments)
{
    return QProcess::execute("mount", arguments) == 0;
}

} // namespace

class ExportsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_form.reset(); }

    void panesOpenTheExportMenu_data();
    void panesOpenTheExportMenu();
    void ctrlCCopiesBothPanesOutsideTextFields();
    void pictureIsTheSameInEveryTheme_data();
    void pictureIsTheSameInEveryTheme();
    void savingWritesWholeFilesOrNone_data();
    void savingWritesWholeFilesOrNone();
    void coordinatesOfTheDrawingShown_data();
    void coordinatesOfTheDrawingShown();

private:
    std::unique_ptr<Form1> m_form;
    ScriptedPrompts *m_prompts = nullptr;
    QTemporaryDir m_dir;
};

void ExportsTest::init()
{
    m_form = std::make_unique<Form1>();
    auto prompts = std::make_unique<ScriptedPrompts>();
    m_prompts = prompts.get();
    m_form->findChild<PaneExports *>()->setPrompts(std::move(prompts));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void ExportsTest::panesOpenTheExportMenu_data()
{
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QKeyCombination>("key"); // none: the right button
    QTest::newRow("right button") << "Picture_airfoil" << QKeyCombination();
    QTest::newRow("Menu key") << "Picture_circle" << QKeyCombination(Qt::Key_Menu);
    QTest::newRow("Shift+F10") << "Picture_airfoil" << (Qt::SHIFT | Qt::Key_F10);
}

void ExportsTest::panesOpenTheExportMenu()
{
    QFETCH(QString, pane);
    QFETCH(QKeyCombination, key);
    QSignalSpy spy(m_form.get(), &Form1::redrawn);
    QVERIFY(spy.isValid());
    auto *target = m_form->findChild<PlotPane *>(pane);
    target->setFocus();
    if (key.key() == Qt::Key_unknown) // through the window, which makes a right press a menu event
        QTest::mouseClick(m_form->windowHandle(), Qt::RightButton, {},
                          target->mapTo(m_form.get(), target->rect().center()));
    else
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList entries;
    for (QAction *action : menu->actions())
        entries << action->text();
    menu->close();
    QCOMPARE(entries, QStringList({"&Copy picture", "&Save picture\u2026",
                                   "E&xport profile coordinates\u2026", "", "Show &flow\u2026"}));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_form->menuBar()->actions().size(), 1);
}

// The start drawing. The inner areas of the circle pane (twips 120 to 3120
// less a 2-pixel frame: pixels 10 to 206) and of the airfoil pane (3240 to
// 9240: 218 to 614) make a picture 604 x 196 with a white gap.
void ExportsTest::ctrlCCopiesBothPanesOutsideTextFields()
{
    m_form->findChild<QWidget *>("HScroll_F")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData *data = QApplication::clipboard()->mimeData();
    const QImage image = qvariant_cast<QImage>(data->imageData());
    QCOMPARE(image.size(), QSize(604, 196) * m_form->devicePixelRatioF());
    const QImage shown = image.scaled(604, 196, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QVERIFY(pixels::showsStartCircle(shown, 0, 0));
    QVERIFY(pixels::showsStartProfile(shown, 208, 0));
    QCOMPARE(shown.pixelColor(202, 98), QColor(Qt::white));
    // Vector lines, blue ones among them, in the same proportions.
    const QByteArray svg = data->data("image/svg+xml");
    QCOMPARE(QSvgRenderer(svg).viewBox(), QRect(0, 0, 604, 196));
    QVERIFY(svg.contains("stroke=\"#0000ff\"") && svg.contains("<polyline"));

    // In a text field Ctrl+C copies its text.
    auto *field = m_form->findChild<QLineEdit *>("Text_b");
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(!QApplication::clipboard()->mimeData()->hasImage());
    QCOMPARE(QApplication::clipboard()->text(), QString("1"));
}

void ExportsTest::pictureIsTheSameInEveryTheme_data()
{
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("text");
    // White text does not read on the panes, whose axes then turn black.
    QTest::newRow("dark") << QColor(0x22, 0x20, 0x20) << QColor(Qt::white);
    // Navy reads on the panes' yellow and draws their axes, but not the picture's.
    QTest::newRow("navy text") << QColor(Qt::white) << QColor(0, 0, 0x80);
}

// Copied as in Fusion's light scheme, then in another: the same bytes.
void ExportsTest::pictureIsTheSameInEveryTheme()
{
    QFETCH(QColor, window);
    QFETCH(QColor, text);
    const auto copy = [this] {
        QTest::mouseClick(m_form->findChild<PlotPane *>("Picture_circle"), Qt::LeftButton);
        m_form->findChild<PaneExports *>()->copyPicture();
        const QMimeData *data = QApplication::clipboard()->mimeData();
        return QList<QByteArray>{data->data("image/png"), data->data("image/svg+xml")};
    };
    const QList<QByteArray> light = copy();
    const QPalette original = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(original); });
    QPalette palette = original;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();
    const QList<QByteArray> themed = copy();
    QVERIFY(!light[0].isEmpty() && !light[1].isEmpty());
    QVERIFY(themed[0] == light[0]);
    QVERIFY(themed[1] == light[1]);
}

void ExportsTest::savingWritesWholeFilesOrNone_data()
{
    QTest::addColumn<QString>("name"); // a picture, or the coordinates for .dat
    // A 16 KiB file system holding an old file: full, with one 4 KiB page
    // left (less than a picture takes), or read-only.
    QTest::addColumn<QString>("disk");
    QTest::addColumn<QByteArray>("start"); // of the file after saving
    QTest::addColumn<QString>("reason");   // in the warning
    // The system's words, in the language of the locale.
    const QString readOnly =
        QString("not writable (%1)").arg(QString::fromLocal8Bit(std::strerror(EROFS)));
    QTest::newRow("png") << "slide.png"
                         << "" << QByteArray("\x89PNG") << "";
    QTest::newRow("svg") << "notes.SVG"
                         << "" << QByteArray("<?xml") << "";
    QTest::newRow("other suffix") << "slide.jpg"
                                  << "" << QByteArray() << "saved as PNG or SVG";
    QTest::newRow("missing folder") << "missing/slide.png"
                                    << "" << QByteArray() << "No such file or directory";
    QTest::newRow("read-only folder") << "slide.png"
                                      << "ro" << QByteArray("old picture") << readOnly;
    QTest::newRow("full disk") << "slide.png"
                               << "full" << QByteArray("old picture") << "No space left on device";
    QTest::newRow("png, disk fills up")
        << "slide.png"
        << "4k" << QByteArray("old picture") << "No space left on device";
    QTest::newRow("svg, disk fills up")
        << "slide.svg"
        << "4k" << QByteArray("old picture") << "No space left on device";
    QTest::newRow("dat, read-only folder") << "slide.dat"
                                           << "ro" << QByteArray("old picture") << readOnly;
    QTest::newRow("dat, full disk")
        << "slide.dat"
        << "full" << QByteArray("old picture") << "No space left on device";
}

void ExportsTest::savingWritesWholeFilesOrNone()
{
    QFETCH(QString, name);
    QFETCH(QString, disk);
    QFETCH(QByteArray, start);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    m_prompts->answer = folder.filePath(name);
    bool mounted = false;
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            QProcess::execute("umount", {folder.path()});
    });
    if (!disk.isEmpty()) {
        mounted = mount({"-t", "tmpfs", "-o", "size=16k", "tmpfs", folder.path()});
        if (!mounted)
            QSKIP("mounting a small file system is not permitted here");
        QFile old(m_prompts->answer);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old picture") == 11);
        old.close();
        QFile filler(folder.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        if (disk == "full")
            while (filler.write(QByteArray(512, 'x')) > 0) {
            }
        if (disk == "4k")
            QCOMPARE(filler.write(QByteArray(8192, 'x')), 8192);
        filler.close();
        if (disk == "ro")
            mount({"-o", "remount,ro", folder.path()});
    }
    if (name.endsWith(".dat")) {
        m_form->findChild<QLineEdit *>("Text_F")->setText("0.1"); // a profile with an outline
        m_form->findChild<QLineEdit *>("Text_b")->setText("0.9");
        QTest::mouseClick(m_form->findChild<PlotPane *>("Picture_airfoil"), Qt::LeftButton);
        m_form->findChild<PaneExports *>()->exportCoordinates();
    } else {
        QTest::keyClick(m_form.get(), Qt::Key_S, Qt::ControlModifier);
    }

    const QByteArray written = contents(m_prompts->answer);
    QVERIFY(written.startsWith(start) && (written.isEmpty() == start.isEmpty()));
    QCOMPARE(m_prompts->warnings.size(), reason.isEmpty() ? 0 : 1);
    if (!reason.isEmpty()) {
        const QString &warning = m_prompts->warnings[0];
        QVERIFY2(warning.contains(m_prompts->answer) && warning.contains(reason) &&
                     !warning.contains("Unknown error"),
                 qPrintable(warning));
    }
    // No temporary file left behind.
    QVERIFY(QDir(QFileInfo(m_prompts->answer).path()).entryList({"slide.*.*"}).isEmpty());
}

void ExportsTest::coordinatesOfTheDrawingShown_data()
{
    QTest::addColumn<QStringList>("texts"); // F, G, b typed, then redrawn
    QTest::addColumn<QString>("name");      // empty: not exported
    QTest::newRow("cambered") << QStringList{"0.1", "0.05", "0.9"}
                              << "Joukowsky profile F=0.1 G=0.05 b=0.9";
    // b = 0 is refused: the panes keep the drawing of b = 0.8.
    QTest::newRow("after a refusal")
        << QStringList{"0.1", "0", "0.8", "0"} << "Joukowsky profile F=0.1 G=0 b=0.8";
    // b = 1 lies outside the circle through 0.7 and -1.3.
    QTest::newRow("self-crossing") << QStringList{"0.3", "0", "1"} << QString();
}

void ExportsTest::coordinatesOfTheDrawingShown()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, name);
    const char *fields[] = {"Text_F", "Text_G", "Text_b", "Text_b"};
    for (int i = 0; i < texts.size(); ++i) {
        m_form->findChild<QLineEdit *>(fields[i])->setText(texts[i]);
        QTest::mouseClick(m_form->findChild<PlotPane *>("Picture_airfoil"), Qt::LeftButton);
    }
    m_prompts->answer = m_dir.filePath(QTest::currentDataTag() + QString(".dat"));
    m_form->findChild<PaneExports *>()->menu()->actions().at(2)->trigger();
    QCOMPARE(m_prompts->warnings.size(), name.isEmpty() ? 1 : 0);
    QCOMPARE(QFile::exists(m_prompts->answer), !name.isEmpty());
    if (name.isEmpty())
        return;
    // As XFOIL reads it: a name line, then x y pairs, from the trailing edge
    // (1, 0) round the leading edge (0, 0) and back.
    const QStringList lines = QString(contents(m_prompts->answer)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), name);
    const QStringList pairs =
        lines.mid(1).filter(QRegularExpression("^-?\\d+\\.\\d+ -?\\d+\\.\\d+$"));
    QVERIFY(pairs.size() >= 100 && pairs.size() == lines.size() - 1);
    QVERIFY(pairs.first().startsWith("1.000000 ") && pairs.last().startsWith("1.000000 "));
    QVERIFY(pairs.contains("0.000000 0.000000"));
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setStyle("Fusion");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale::c());
    ExportsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "exports_test.moc"
