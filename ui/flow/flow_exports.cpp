#include "ui/flow/flow_exports.h"

#include "geometry/flow/equipotentials.h"
#include "geometry/flow/flow_files.h"
#include "geometry/flow/streamlines.h"
#include "geometry/flow/time_lines.h"
#include "plot/flow_drawing.h"
#include "plot/flow_redraw.h"
#include "plot/picture_export.h"
#include "ui/exports/file_saver.h"
#include "ui/exports/picture_actions.h"
#include "ui/flow/flow_pane.h"
#include "ui/flow/pressure_pane.h"
#include "ui/widgets/plot_pane.h"

#include <QAction>

namespace wingmap {

namespace {

const QString kPictureName = QStringLiteral("wingmap-flow.png");
const QString kPressureName = QStringLiteral("joukowsky-pressure.csv");
const QString kStreamlinesName = QStringLiteral("joukowsky-streamlines.csv");
const QString kLiftCurveName = QStringLiteral("joukowsky-lift-curve.csv");
const QString kTimeLinesName = QStringLiteral("joukowsky-time-lines.csv");
const QString kNetName = QStringLiteral("joukowsky-equipotentials.csv");

QRect innerArea(const PlotPane *pane, const QWidget *window)
{
    return pane->contentsRect().translated(pane->mapTo(window, QPoint(0, 0)));
}

} // namespace

FlowExports::FlowExports(QWidget *window, FlowPane *circlePane, FlowPane *profilePane,
                         PressurePane *pressurePane, std::function<double()> timeShown)
    : QObject(window), m_window(window), m_circlePane(circlePane), m_profilePane(profilePane),
      m_pressurePane(pressurePane), m_saver(std::make_unique<FileSaver>(window)),
      m_timeShown(std::move(timeShown))
{
    m_pictures = new PictureActions(
        window, {m_circlePane, m_profilePane, m_pressurePane}, *m_saver,
        [this] { return picture(); }, kPictureName, "flowPaneMenu");
    auto *pressure = new QAction(tr("Export surface &pressure…"), m_window);
    connect(pressure, &QAction::triggered, this, &FlowExports::exportPressure);
    m_pictures->addAction(pressure);
    auto *lines = new QAction(tr("Export stream&lines…"), m_window);
    connect(lines, &QAction::triggered, this, &FlowExports::exportStreamlines);
    m_pictures->addAction(lines);
    auto *curve = new QAction(tr("Export lift c&urve…"), m_window);
    connect(curve, &QAction::triggered, this, &FlowExports::exportLiftCurve);
    m_pictures->addAction(curve);
    m_exportTimeLines = new QAction(tr("Export &time lines…"), m_window);
    connect(m_exportTimeLines, &QAction::triggered, this, &FlowExports::exportTimeLines);
    m_pictures->addAction(m_exportTimeLines);
    m_exportNet = new QAction(tr("Export &equipotential lines…"), m_window);
    connect(m_exportNet, &QAction::triggered, this, &FlowExports::exportEquipotentials);
    m_pictures->addAction(m_exportNet);
    setViews(nullptr, nullptr);
}

FlowExports::~FlowExports() = default;

QMenu *FlowExports::menu() const
{
    return m_pictures->menu();
}

void FlowExports::setFlow(const Flow *flow, const Streamlines *lines, double MaxC)
{
    m_flow = flow;
    m_lines = lines;
    m_MaxC = MaxC;
}

void FlowExports::setViews(const Equipotentials *net, const TimeLines *timeLines)
{
    m_net = net;
    m_timeLines = timeLines;
    m_exportNet->setVisible(net != nullptr);
    m_exportTimeLines->setVisible(timeLines != nullptr);
}

void FlowExports::setPrompts(std::unique_ptr<ExportPrompts> prompts)
{
    m_saver->setPrompts(std::move(prompts));
}

PictureExport FlowExports::picture() const
{
    const bool liftCurve = m_pressurePane->view() == PressurePane::View::LiftCurve;
    // The kept drawings, and over them the time lines at the time shown.
    m_circleShown = m_circlePane->surface().drawing();
    DrawTimeLines(m_circlePane->timeLines(), m_circlePane->logicalPixel(), m_circleShown);
    m_profileShown = m_profilePane->surface().drawing();
    DrawTimeLines(m_profilePane->timeLines(), m_profilePane->logicalPixel(), m_profileShown);
    return PictureExport({{&m_circleShown, innerArea(m_circlePane, m_window)},
                          {&m_profileShown, innerArea(m_profilePane, m_window), nullptr, nullptr,
                           m_profilePane->speedLegend()},
                          {nullptr, innerArea(m_pressurePane, m_window),
                           liftCurve ? nullptr : &m_pressurePane->plot(),
                           liftCurve ? &m_pressurePane->liftCurve() : nullptr}});
}

void FlowExports::copyPicture()
{
    m_pictures->copyPicture();
}

void FlowExports::savePicture()
{
    m_pictures->savePicture();
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
    m_saver->exportCsv(
        tr("Export surface pressure"), kPressureName,
        [this] { return QByteArray::fromStdString(SurfacePressureText(*m_flow)); },
        tr("Surface pressure not exported"));
}

// The lines of the panes shown, traced again for panes kStreamlineMagnification
// times as wide; where that fails (a Scale at the edge of what can be traced)
// the lines shown are written.
void FlowExports::exportStreamlines()
{
    if (!haveFlow())
        return;
    m_saver->exportCsv(
        tr("Export streamlines"), kStreamlinesName,
        [this] {
            const qreal pixels = m_window->devicePixelRatioF() * kStreamlineMagnification;
            const Streamlines fine = TraceStreamlines(
                *m_flow, FlowViewAt(m_MaxC, {m_circlePane->contentsRect().width() * pixels,
                                             m_profilePane->contentsRect().width() * pixels}));
            return QByteArray::fromStdString(StreamlinesText(*m_flow, fine.ok() ? fine : *m_lines));
        },
        tr("Streamlines not exported"));
}

void FlowExports::exportTimeLines()
{
    if (!haveFlow() || !m_timeLines)
        return;
    const double t = m_timeShown ? m_timeShown() : 0.0;
    m_saver->exportCsv(
        tr("Export time lines"), kTimeLinesName,
        [this, t] { return QByteArray::fromStdString(TimeLinesText(*m_flow, *m_timeLines, t)); },
        tr("Time lines not exported"));
}

void FlowExports::exportEquipotentials()
{
    if (!haveFlow() || !m_net)
        return;
    m_saver->exportCsv(
        tr("Export equipotential lines"), kNetName,
        [this] { return QByteArray::fromStdString(EquipotentialsText(*m_flow, *m_net)); },
        tr("Equipotential lines not exported"));
}

void FlowExports::exportLiftCurve()
{
    if (!haveFlow())
        return;
    m_saver->exportCsv(
        tr("Export lift curve"), kLiftCurveName,
        [this] { return QByteArray::fromStdString(LiftCurveText(*m_flow)); },
        tr("Lift curve not exported"));
}

} // namespace wingmap
