#ifndef WINGMAP_PRESSURE_PANE_H
#define WINGMAP_PRESSURE_PANE_H

#include "plot/cached_image.h"
#include "plot/lift_curve_plot.h"
#include "plot/pressure_plot.h"
#include "ui/widgets/plot_pane.h"

#include <vector>

namespace wingmap {

struct LiftCurvePoint;
struct SurfacePressure;

// A plot pane that shows the pressure plot or, instead, the lift curve: the
// same frame, focus, keys and context menu as the other panes. The plot is painted into an image when
// its data, the pane's size or the screen's ratio changed; painting the
// pane only copies that image.
//
// Over the pressure plot's axes the pane reports the pointer's x/c.
class PressurePane : public PlotPane
{
    Q_OBJECT

public:
    explicit PressurePane(QWidget *parent = nullptr);

    enum class View { Pressure, LiftCurve };
    void setView(View view);
    View view() const { return m_view; }

    void setTexts(const PressurePlot::Texts &texts);
    void setLiftCurveTexts(const LiftCurvePlot::Texts &texts);
    // The pressure along each side, from the leading edge to the trailing
    // edge, as the flow hands them out.
    void setSides(const std::vector<SurfacePressure> &upper,
                  const std::vector<SurfacePressure> &lower);
    // The lift curve under the Kutta condition, and the angle shown on it.
    void setLiftCurve(const std::vector<LiftCurvePoint> &curve, double alphaDegrees);
    const PressurePlot &plot() const { return m_plot; }
    const LiftCurvePlot &liftCurve() const { return m_liftCurve; }

    // The chord fraction under a position of the pane, or NaN where the
    // pressure plot's axes are not (or the lift curve is shown).
    double chordFractionAt(QPointF position) const;

signals:
    void probed(double chordFraction);
    void probeLeft();

protected:
    const QImage &contentsImage() override;
    void followPalette() override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    PressurePlot m_plot;
    LiftCurvePlot m_liftCurve;
    View m_view = View::Pressure;
    CachedImage m_image;
    bool m_probing = false;
};

} // namespace wingmap

#endif
