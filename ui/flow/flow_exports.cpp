#include "ui/flow/flow_exports.h"

#include "geometry/flow/flow_files.h"
#include "plot/picture_export.h"
#include "ui/exports/file_saver.h"
#include "ui/flow/pressure_pane.h"
#include "ui/widgets/plot_pane.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace wingmap {

namespace {

const QString kPictureName = QStringLiteral("wingmap-flow.png");
const QString kPressureName = QStringLiteral("joukowsky-pressure.csv");
const QString kStreamlinesName = QStringLiteral("joukowsky-streamlines.csv");

QRect innerArea(const PlotPane *pane, const QWidget *window)
{
    return pane->contentsRect().translated(pane->mapTo(window, QPoint(0, 0)));
}

} // namespace

FlowExports::FlowExports(QWidget *window, PlotPane *circlePane, PlotPane *profilePane,
                         PressurePane *pressurePane)
    : QObject(window), m_window(window), m_circlePane(circlePane), m_profilePane(profilePane),
      m_pressurePane(pressurePane), m_saver(std::make_unique<FileSaver>(window))
{
    createActions();
    for (PlotPane *pane : {m_circlePane, m_profilePane, static_cast<PlotPane *>(m_pressurePane)})
        connect(pane, &PlotPane::contextMenuRequested, this, &FlowExports::showMenu);
}

FlowExports::~FlowExports() = default;

void FlowExports::createActions()
{
    auto *copy = new QAction(tr("&Copy picture"), m_window);
    copy->setShortcuts(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, &FlowExports::copyPicture);

    auto *save = new QAction(tr("&Save picture…"), m_window);
    save->setShortcuts(QKeySequence::Save);
    save->setShortcutContext(Qt::WindowShortcut);
    connect(save, &QAction::triggered, this, &FlowExports::savePicture);

    auto *pressure = new QAction(tr("Export surface &pressure…"), m_window);
    connect(pressure, &QAction::triggered, this, &FlowExports::exportPressure);
    auto *lines = new QAction(tr("Export stream&lines…"), m_window);
    connect(lines, &QAction::triggered, this, &FlowExports::exportStreamlines);

    m_window->addActions({copy, save, pressure, lines});
    m_menu = new QMenu(m_window);
    m_menu->setObjectName("flowPaneMenu");
    m_menu->addActions({copy, save, pressure, lines});
}

void FlowExports::setFlow(const Flow *flow, const Streamlines *lines)
{
    m_flow = flow;
    m_lines = lines;
}

void FlowExports::setPrompts(std::unique_ptr<ExportPrompts> prompts)
{
    m_saver->setPrompts(std::move(prompts));
}

void FlowExports::showMenu(const QPoint &globalPos)
{
    m_menu->popup(globalPos);
}

PictureExport FlowExports::picture() const
{
    return PictureExport(
        {{&m_circlePane->surface().drawing(), innerArea(m_circlePane, m_window)},
         {&m_profilePane->surface().drawing(), innerArea(m_profilePane, m_window)},
         {nullptr, innerArea(m_pressurePane, m_window), &m_pressurePane->plot()}});
}

void FlowExports::copyPicture()
{
    FileSaver::copyPicture(picture(), m_window->devicePixelRatioF());
}

void FlowExports::savePicture()
{
    m_saver->savePicture(picture(), m_window->devicePixelRatioF(), kPictureName);
}

bool FlowExports::haveFlow()
{
    if (m_flow)
        return true;
    m_saver->warn(tr("Nothing exported"),
                  tr("No flow has been drawn yet, so there is nothing to export.\n\n"
                     "Draw a profile in the main window first."));
    return false;
}

void FlowExports::exportPressure()
{
    if (!haveFlow())
        return;
    const QString path = m_saver->askPath(
        tr("Export surface pressure"), QStandardPaths::DocumentsLocation, kPressureName,
        {{tr("Comma-separated values (*.csv)"), "csv"}, {tr("All files (*)"), ""}});
    if (path.isEmpty())
        return;
    m_saver->save(path, QByteArray::fromStdString(SurfacePressureText(*m_flow)),
                  tr("Surface pressure not exported"));
}

void FlowExports::exportStreamlines()
{
    if (!haveFlow())
        return;
    const QString path = m_saver->askPath(
        tr("Export streamlines"), QStandardPaths::DocumentsLocation, kStreamlinesName,
        {{tr("Comma-separated values (*.csv)"), "csv"}, {tr("All files (*)"), ""}});
    if (path.isEmpty())
        return;
    m_saver->save(path, QByteArray::fromStdString(StreamlinesText(*m_flow, *m_lines)),
                  tr("Streamlines not exported"));
}

} // namespace wingmap
