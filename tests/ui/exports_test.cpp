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
// 9240: 218 to 614) make a picture 604 x 196 with a gap in the window colour.
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
    QCOMPARE(shown.pixelColor(202, 98), m_form->palette().color(QPalette::Window));
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

void ExportsTest::savingWritesWholeFilesOrNone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("disk");     // a 16 KiB file system with an old file
    QTest::addColumn<QByteArray>("start"); // of the file after saving
    QTest::newRow("png") << "slide.png"
                         << "" << QByteArray("\x89PNG");
    QTest::newRow("svg") << "notes.SVG"
                         << "" << QByteArray("<?xml");
    QTest::newRow("other suffix") << "slide.jpg"
                                  << "" << QByteArray();
    QTest::newRow("missing folder") << "missing/slide.png"
                                    << "" << QByteArray();
    QTest::newRow("read-only folder") << "slide.png"
                                      << "ro" << QByteArray("old picture");
    QTest::newRow("full disk") << "slide.png"
                               << "full" << QByteArray("old picture");
}

void ExportsTest::savingWritesWholeFilesOrNone()
{
    QFETCH(QString, name);
    QFETCH(QString, disk);
    QFETCH(QByteArray, start);
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
        if (disk == "full" && filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            while (filler.write(QByteArray(512, 'x')) > 0) {
            }
        if (disk == "ro")
            mount({"-o", "remount,ro", folder.path()});
    }
    QTest::keyClick(m_form.get(), Qt::Key_S, Qt::ControlModifier);

    const QByteArray written = contents(m_prompts->answer);
    QVERIFY(written.startsWith(start) && (written.isEmpty() == start.isEmpty()));
    const bool failed = start.isEmpty() || !disk.isEmpty();
    QCOMPARE(m_prompts->warnings.size(), failed ? 1 : 0);
    if (failed)
        QVERIFY2(m_prompts->warnings[0].contains(m_prompts->answer),
                 qPrintable(m_prompts->warnings[0]));
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
