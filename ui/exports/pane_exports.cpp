#include "ui/exports/pane_exports.h"

#include "geometry/selig.h"
#include "plot/drawing.h"
#include "plot/picture_export.h"
#include "plot/shown_drawing.h"
#include "ui/exports/export_prompts.h"
#include "ui/exports/file_saver.h"
#include "ui/exports/picture_actions.h"
#include "ui/widgets/number_string.h"
#include "ui/widgets/plot_pane.h"
#include "ui/widgets/profile_words.h"

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
    m_pictures = new PictureActions(
        window, panes, *m_saver, [this] { return picture(); }, kPictureName, "paneMenu");
    auto *coordinates = new QAction(tr("E&xport profile coordinates…"), m_window);
    connect(coordinates, &QAction::triggered, this, &PaneExports::exportCoordinates);
    m_pictures->addAction(coordinates);
}

PaneExports::~PaneExports() = default;

QMenu *PaneExports::menu() const
{
    return m_pictures->menu();
}

void PaneExports::setDrawing(std::shared_ptr<const ShownDrawing> drawing)
{
    m_drawing = std::move(drawing);
}

void PaneExports::setPrompts(std::unique_ptr<ExportPrompts> prompts)
{
    m_saver->setPrompts(std::move(prompts));
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
    m_pictures->copyPicture();
}

void PaneExports::savePicture()
{
    m_pictures->savePicture();
}

void PaneExports::exportCoordinates()
{
    if (!m_drawing)
        return;
    const ParameterState &profile = m_drawing->state;
    const ProfileCoordinates coordinates = SeligCoordinates(profile.F, profile.G, profile.b);
    const QString title = tr("Coordinates not exported");
    switch (coordinates.failure) {
    case ShapeFailure::None:
        break;
    case ShapeFailure::SelfCrossing:
        m_saver->warn(title, tr("The profile crosses itself, so no outline of it can be written as "
                                "coordinates. No file was written.\n\n"
                                "Change F, G or b until the profile no longer crosses itself."));
        return;
    case ShapeFailure::NotSingleValued:
        m_saver->warn(title, tr("A side of the profile turns back along the chord, so it cannot be "
                                "written as coordinates of an upper and a lower side. No file was "
                                "written.\n\nChange F, G or b until neither side turns back."));
        return;
    case ShapeFailure::NotSampled:
        m_saver->warn(title, tr("%1 No file was written.\n\n%2")
                                 .arg(ProfileWords::notMeasured(), ProfileWords::changeALittle()));
        return;
    }

    const QString name =
        tr("Joukowsky profile F=%1 G=%2 b=%3")
            .arg(numberText(profile.F), numberText(profile.G), numberText(profile.b));
    m_saver->exportFile(
        tr("Export profile coordinates"), QStandardPaths::DocumentsLocation, kCoordinatesName,
        {{tr("Airfoil coordinates, Selig format (*.dat)"), "dat"}, {tr("All files (*)"), ""}},
        [&] {
            return QByteArray::fromStdString(SeligText(name.toStdString(), coordinates.points));
        },
        title);
}

} // namespace wingmap
