#ifndef WINGMAP_FLOW_PANE_H
#define WINGMAP_FLOW_PANE_H

#include "geometry/flow/time_lines.h"
#include "geometry/pane_extent.h"
#include "plot/flow_drawing.h"
#include "ui/widgets/plot_pane.h"

#include <complex>
#include <optional>
#include <vector>

namespace wingmap {

// A flow pane: its kept drawing (streamlines, net, grid, shading) is its
// image, and the time lines and the probe's marks are painted over that
// image at each paint, so that a frame of the time lines repaints only them.
//
// The pane reports the probe: the pointer over its inner area, in plot
// units; with the pane focused, the arrow keys move the probe one logical
// pixel (Shift: ten), the first press putting it at the centre. The pointer leaving, or the
// focus, ends it.
class FlowPane : public PlotPane
{
    Q_OBJECT

public:
    explicit FlowPane(QWidget *parent = nullptr);

    // What the inner area shows, in plot units (the Scale's panes).
    void setExtent(const PaneExtent &extent);
    // Plot units to a logical pixel; 0 before an extent is set.
    double logicalPixel() const;

    void setTimeLines(std::vector<TimeLine> lines);
    const std::vector<TimeLine> &timeLines() const { return m_timeLines; }
    void setProbeMarks(const ProbeMarks &marks);
    // The speed shading's legend in the top right corner.
    void setSpeedLegend(bool shown);
    bool speedLegend() const { return m_speedLegend; }
    const ProbeMarks &probeMarks() const { return m_marks; }

    // The point of the plane under a position of the pane, in plot units.
    std::complex<double> plotPoint(QPointF position) const;

signals:
    void probed(double x, double y);
    void probeLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void paintOverlay(QPainter &painter);
    void probeAt(QPointF position);
    void endProbe();

    std::optional<PaneExtent> m_extent;
    std::vector<TimeLine> m_timeLines;
    ProbeMarks m_marks;
    std::optional<QPointF> m_keyProbe; // where the arrow keys have put the probe
    std::optional<QPointF> m_probePosition; // the probe's place, by pointer or keys
    bool m_probing = false;
    bool m_speedLegend = false;
};

} // namespace wingmap

#endif
