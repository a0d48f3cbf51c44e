#include "ui/exports/pane_exports.h"

#include "geometry/selig.h"
#include "plot/drawing.h"
#include "plot/picture_export.h"
#include "ui/exports/export_prompts.h"
#include "ui/exports/file_saver.h"
#include "ui/widgets/number_string.h"
#include "ui/widgets/plot_pane.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace wingmap {

namespace {

const QString kPictureName = QStringLiteral("wingmap.png");
const QString kCoordinatesName = QStringLiteral("joukowsky-profile.dat");

} // namespace

PaneExports::PaneExports(QWidget *window, const QList<PlotPane *> &panes)
    : QObject(window), m_window(window), m_panes(panes),
      m_saver(std::make_unique<FileSaver>(window))
{
    createActions();
    for (PlotPane *pane : m_panes)
        connect(pane, &PlotPane::contextMenuRequested, this, &PaneExports::showMenu);
}

PaneExports::~PaneExports() = default;

void PaneExports::createActions()
{
    // Window shortcuts: a focused text field claims Ctrl+C (a shortcut
    // override), so there it copies its own text.
    m_copy = new QAction(tr("&Copy picture"), m_window);
    m_copy->setShortcuts(QKeySequence::Copy);
    m_copy->setShortcutContext(Qt::WindowShortcut);
    connect(m_copy, &QAction::triggered, this, &PaneExports::copyPicture);

    m_save = new QAction(tr("&Save picture…"), m_window);
    m_save->setShortcuts(QKeySequence::Save);
    m_save->setShortcutContext(Qt::WindowShortcut);
    connect(m_save, &QAction::triggered, this, &PaneExports::savePicture);

    m_export = new QAction(tr("E&xport profile coordinates…"), m_window);
    connect(m_export, &QAction::triggered, this, &PaneExports::exportCoordinates);

    m_window->addActions({m_copy, m_save, m_export});
    m_menu = new QMenu(m_window);
    m_menu->setObjectName("paneMenu");
    m_menu->addActions({m_copy, m_save, m_export});
}

void PaneExports::setProfile(double F, double G, double b)
{
    m_profile = Profile{F, G, b};
}

void PaneExports::setPrompts(std::unique_ptr<ExportPrompts> prompts)
{
    m_saver->setPrompts(std::move(prompts));
}

void PaneExports::showMenu(const QPoint &globalPos)
{
    m_menu->popup(globalPos);
}

PictureExport PaneExports::picture() const
{
    QList<PictureExport::Pane> panes;
    for (PlotPane *pane : m_panes) {
        const QRect inner = pane->contentsRect().translated(pane->mapTo(m_window, QPoint(0, 0)));
        panes.append({&pane->surface().drawing(), inner});
    }
    return PictureExport(panes);
}

void PaneExports::copyPicture()
{
    FileSaver::copyPicture(picture(), m_window->devicePixelRatioF());
}

void PaneExports::savePicture()
{
    m_saver->savePicture(picture(), m_window->devicePixelRatioF(), kPictureName);
}

void PaneExports::exportCoordinates()
{
    if (!m_profile)
        return;
    const Profile profile = *m_profile;
    const ProfileCoordinates coordinates = SeligCoordinates(profile.F, profile.G, profile.b);
    const QString title = tr("Coordinates not exported");
    switch (coordinates.failure) {
    case ShapeFailure::None:
        break;
    case ShapeFailure::SelfCrossing:
        m_saver->warn(title,
                        tr("The profile crosses itself, so no outline of it can be written as "
                           "coordinates. No file was written.\n\n"
                           "Change F, G or b until the profile no longer crosses itself."));
        return;
    case ShapeFailure::NotSingleValued:
        m_saver->warn(title,
                        tr("A side of the profile turns back along the chord, so it cannot be "
                           "written as coordinates of an upper and a lower side. No file was "
                           "written.\n\nChange F, G or b until neither side turns back."));
        return;
    case ShapeFailure::NotSampled:
        m_saver->warn(title,
                        tr("The profile could not be computed with these values of F, G and b. "
                           "No file was written.\n\nChange b, F or G a little."));
        return;
    }

    const QString path = m_saver->askPath(
        tr("Export profile coordinates"), QStandardPaths::DocumentsLocation, kCoordinatesName,
        {{tr("Airfoil coordinates, Selig format (*.dat)"), "dat"}, {tr("All files (*)"), ""}});
    if (path.isEmpty())
        return;
    const QString name =
        tr("Joukowsky profile F=%1 G=%2 b=%3")
            .arg(numberText(profile.F), numberText(profile.G), numberText(profile.b));
    const std::string text = SeligText(name.toStdString(), coordinates.points);
    m_saver->save(path, QByteArray::fromStdString(text), title);
}

} // namespace wingmap
