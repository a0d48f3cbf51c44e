// The lift curve plot: its coefficient axis, its layout at several font
// sizes, the current angle's marks, and which curve is drawn how.
#include "plot/lift_curve_plot.h"
#include "tests/support/pixel_checks.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLocale>
#include <QPainter>

#include <cmath>
#include <limits>

using namespace wingmap;
using namespace pixels;

namespace {

using Axis = LiftCurvePlot::Axis;

// The Flow window's pressure pane: 608 x 200 less a 2-pixel frame.
const QSizeF kArea(604, 196);
const QRectF kWhole(QPointF(), kArea);
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The curve sampled every 0.25° from -15° to 15°, as the window does.
template <typename Lift, typename Moment, typename Thin>
LiftCurvePlot plotOf(Lift lift, Moment moment, Thin thin)
{
    std::vector<LiftCurvePlot::Point> curve;
    for (int k = 0; k <= 120; ++k) {
        const double alpha = -15.0 + 0.25 * k;
        curve.push_back({alpha, lift(alpha), moment(alpha), thin(alpha)});
    }
    LiftCurvePlot plot;
    plot.setTexts({"α (°)", "C_L, C_M", "C_L", "C_M,c/4", "2π(α − α₀)"});
    plot.setCurve(std::move(curve));
    return plot;
}

// Straight lines whose axis runs from -2 to 2 at every step the pane's
// height allows (0.5, 1 or 2): the lift 2α/15, from -2 to 2; the moment
// -0.25; the thin line 0.1α + 0.5, from -1 to 2.
LiftCurvePlot straightPlot()
{
    return plotOf([](double a) { return 2 * a / 15; }, [](double) { return -0.25; },
                  [](double a) { return 0.1 * a + 0.5; });
}

QImage imageAt(qreal ratio)
{
    QImage image((kArea * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

// The logical point at α (degrees) and value v on an axis from -2 to 2.
QPointF pointAt(const QRectF &box, double alpha, double v)
{
    return {box.left() + (alpha + 15) / 30 * box.width(),
            box.bottom() - (v + 2) / 4 * box.height()};
}

// How many device pixels of the 6 x 6 logical square about `centre` the
// predicate holds for, as a share of them all: a curve through it covers
// about a fifth, the current α's circle of radius 3.5 nearly all.
template <typename Pred> double shareNear(const QImage &image, QPointF centre, Pred pred)
{
    const qreal ratio = image.devicePixelRatio();
    const int left = int(std::lround((centre.x() - 3) * ratio));
    const int top = int(std::lround((centre.y() - 3) * ratio));
    const int side = int(std::lround(6 * ratio));
    int count = 0;
    for (int j = top; j < top + side; ++j)
        for (int i = left; i < left + side; ++i)
            count += image.valid(i, j) && pred(image.pixel(i, j));
    return double(count) / (side * side);
}

struct AxisCase
{
    double lowest;
    double highest;
    int maxSteps;
    Axis axis;
};

TEST(LiftCurvePlot, CoefficientAxisIsARoundRangeAboutZero)
{
    const AxisCase cases[] = {
        // A cambered profile's lift: by 0.1 it takes 17 + 18 steps, by 0.2
        // 9 + 9, by 0.5 4 + 4.
        {-1.65, 1.75, 8, {-2, 2, 0.5}},
        {-1.65, 1.75, 7, {-2, 2, 1}},
        {-1.65, 1.75, 3, {-2, 2, 2}},
        // A moment alone: 2 steps below 0 and 1 above.
        {-0.12, 0.03, 10, {-0.2, 0.1, 0.1}},
        // Nothing below 0 still leaves one step there: 1 + 5 by 0.5.
        {0, 2.4, 6, {-0.5, 2.5, 0.5}},
        // An empty curve: one smallest step either side.
        {0, 0, 10, {-0.1, 0.1, 0.1}},
        // 0.1 + 0.2 is a hair above 0.3, and still 3 steps of 0.1.
        {-(0.1 + 0.2), 0.1 + 0.2, 6, {-0.3, 0.3, 0.1}},
        // Fewer than 2 steps count as 2: by 2 it takes 2 + 1, by 5 1 + 1.
        {-3, 2, 1, {-5, 5, 5}},
    };
    for (const AxisCase &c : cases) {
        const Axis axis = LiftCurvePlot::yAxis(c.lowest, c.highest, c.maxSteps);
        const std::string what = std::to_string(c.lowest) + " to " + std::to_string(c.highest) +
                                 " in " + std::to_string(c.maxSteps);
        EXPECT_NEAR(axis.low, c.axis.low, 1e-12) << what;
        EXPECT_NEAR(axis.high, c.axis.high, 1e-12) << what;
        EXPECT_NEAR(axis.step, c.axis.step, 1e-12) << what;
    }
}

// At any font size and ratio every number and word lies inside the area
// and clear of every other; the axis numbers its 0 and every angle from -15
// to 15, and its decimals are written with "." also in a German locale.
TEST(LiftCurvePlot, LabelsFollowTheFontAndNeverOverlap)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Values within ±0.3: every step the axis can take here (0.1, 0.2 or
    // 0.5) numbers a tick with decimals.
    const LiftCurvePlot plot = plotOf([](double a) { return a / 60; }, [](double) { return -0.05; },
                                      [](double a) { return a / 50; });
    for (const double points : {9.0, 14.0, 20.0}) {
        for (const qreal ratio : {1.0, 2.0}) {
            QImage image = imageAt(ratio);
            QPainter painter(&image);
            QFont font = painter.font();
            font.setPointSizeF(points);
            painter.setFont(font);
            const LiftCurvePlot::Layout layout = plot.layout(painter, kWhole);
            const QString where = QString("%1 pt at ratio %2").arg(points).arg(ratio);
            ASSERT_FALSE(layout.plot.isEmpty()) << where.toStdString();
            std::vector<LiftCurvePlot::Label> labels = layout.axisLabels;
            labels.insert(labels.end(), layout.legend.begin(), layout.legend.end());
            bool numbersZero = false;
            bool pointDecimal = false;
            int angles = 0;
            for (std::size_t i = 0; i < labels.size(); ++i) {
                const LiftCurvePlot::Label &a = labels[i];
                const std::string what = (a.text + " at " + where).toStdString();
                EXPECT_TRUE(kWhole.contains(a.rect)) << what;
                for (std::size_t j = i + 1; j < labels.size(); ++j)
                    EXPECT_FALSE(a.rect.intersects(labels[j].rect))
                        << what << " over " << labels[j].text.toStdString();
                const bool yNumber = a.rect.right() < layout.plot.left();
                numbersZero = numbersZero || (a.text == "0" && yNumber);
                pointDecimal = pointDecimal || (yNumber && a.text.contains('.'));
                EXPECT_FALSE(a.text.contains(',') && yNumber) << what;
                angles += a.rect.top() > layout.plot.bottom() &&
                          (a.text == "-15" || a.text == "0" || a.text == "15");
            }
            EXPECT_TRUE(numbersZero) << where.toStdString();
            EXPECT_TRUE(pointDecimal) << where.toStdString();
            EXPECT_EQ(angles, 3) << where.toStdString();
        }
    }
    QLocale::setDefault(before);
}

// The marks lie on the drawn curves: at 5°, a point of the curve, the lift
// is 2/3 and the moment -0.25; at 2.1°, between the points at 2° and 2.25°,
// the lift is 0.28; at -15°, the first point, the lift is -2, the bottom
// left corner. The lift's circle is filled blue and the moment's red.
TEST(LiftCurvePlot, CurrentAngleIsMarkedOnBothCurves)
{
    LiftCurvePlot plot = straightPlot();
    for (const double alpha : {5.0, 2.1, -15.0}) {
        plot.setCurrentAngle(alpha);
        for (const qreal ratio : {1.0, 2.0}) {
            QImage image = imageAt(ratio);
            QPainter painter(&image);
            plot.paint(painter, kWhole);
            const LiftCurvePlot::Layout layout = plot.layout(painter, kWhole);
            painter.end();
            const std::string what = std::to_string(alpha) + " at " + std::to_string(ratio);
            ASSERT_EQ(layout.yTicks.front(), -2.0) << what;
            ASSERT_EQ(layout.yTicks.back(), 2.0) << what;
            const QPointF lift = pointAt(layout.plot, alpha, 2 * alpha / 15);
            const QPointF moment = pointAt(layout.plot, alpha, -0.25);
            ASSERT_TRUE(layout.liftMark && layout.momentMark) << what;
            EXPECT_NEAR(layout.liftMark->x(), lift.x(), 1e-9) << what;
            EXPECT_NEAR(layout.liftMark->y(), lift.y(), 1e-9) << what;
            EXPECT_NEAR(layout.momentMark->x(), moment.x(), 1e-9) << what;
            EXPECT_NEAR(layout.momentMark->y(), moment.y(), 1e-9) << what;
            EXPECT_GT(shareNear(image, lift, isBlue), 0.6) << what;
            EXPECT_GT(shareNear(image, moment, isRed), 0.6) << what;
        }
    }
}

// The lift is blue and the moment red at -10°, where they are -4/3 and
// -0.25; the thin line is dark grey and dashed: along it from -3° to 3°,
// clear of the other lines, columns of ink and columns of background
// alternate.
TEST(LiftCurvePlot, LiftIsBlueMomentRedAndTheThinLineDashed)
{
    const LiftCurvePlot plot = straightPlot();
    const auto grey = [](QRgb p) { return qRed(p) == qGreen(p) && qBlue(p) <= qRed(p); };
    for (const qreal ratio : {1.0, 2.0}) {
        QImage image = imageAt(ratio);
        QPainter painter(&image);
        plot.paint(painter, kWhole);
        const QRectF box = plot.layout(painter, kWhole).plot;
        painter.end();
        const QPointF lift = pointAt(box, -10, -4.0 / 3) * ratio;
        const QPointF moment = pointAt(box, -10, -0.25) * ratio;
        EXPECT_TRUE(near(image, lift.x(), lift.y(), 1, isBlue)) << ratio;
        EXPECT_FALSE(near(image, lift.x(), lift.y(), 2, isRed)) << ratio;
        EXPECT_TRUE(near(image, moment.x(), moment.y(), 1, isRed)) << ratio;
        EXPECT_FALSE(near(image, moment.x(), moment.y(), 2, isBlue)) << ratio;

        const int first = int(pointAt(box, -3, 0).x() * ratio);
        const int last = int(pointAt(box, 3, 0).x() * ratio);
        int inked = 0;
        int clear = 0;
        for (int i = first; i <= last; ++i) {
            const double alpha = ((i + 0.5) / ratio - box.left()) / box.width() * 30 - 15;
            const int row = int(pointAt(box, alpha, 0.1 * alpha + 0.5).y() * ratio);
            int darkest = 255;
            for (int j = row - 1; j <= row + 1; ++j) {
                EXPECT_TRUE(isBackground(image.pixel(i, j)) || grey(image.pixel(i, j)))
                    << i << ", " << j << " at " << ratio;
                darkest = std::min(darkest, qRed(image.pixel(i, j)));
            }
            inked += darkest < 170;
            clear += darkest == 255;
        }
        const int columns = last - first + 1;
        EXPECT_GT(inked, columns / 4) << ratio;
        EXPECT_GT(clear, columns / 4) << ratio;
    }
}

// No mark where the angle is off the plot or not a number, nor where the
// curve has no value: the marks' squares at -15°, 0° and 15° keep the
// curves' share of blue. A lift missing about 5° leaves the moment's mark.
TEST(LiftCurvePlot, MarksOnlyWhereTheAngleMeetsTheCurve)
{
    LiftCurvePlot plot = straightPlot();
    for (const double alpha : {kNaN, 15.01, -15.5, 40.0, std::numeric_limits<double>::infinity()}) {
        plot.setCurrentAngle(alpha);
        QImage image = imageAt(1.0);
        QPainter painter(&image);
        plot.paint(painter, kWhole);
        const LiftCurvePlot::Layout layout = plot.layout(painter, kWhole);
        painter.end();
        EXPECT_FALSE(layout.liftMark) << alpha;
        EXPECT_FALSE(layout.momentMark) << alpha;
        for (const double at : {-15.0, 0.0, 15.0})
            EXPECT_LT(shareNear(image, pointAt(layout.plot, at, 2 * at / 15), isBlue), 0.4)
                << alpha << " at " << at;
    }

    LiftCurvePlot gap = plotOf([](double a) { return std::abs(a - 5) < 1 ? kNaN : 2 * a / 15; },
                               [](double) { return -0.25; }, [](double) { return 0.0; });
    gap.setCurrentAngle(5.0);
    QImage image = imageAt(1.0);
    QPainter painter(&image);
    const LiftCurvePlot::Layout layout = gap.layout(painter, kWhole);
    EXPECT_FALSE(layout.liftMark);
    EXPECT_TRUE(layout.momentMark);
}

} // namespace
