// The pressure plot: its -Cp ticks, its layout at several font sizes, the
// mark of a clipped side, and which side is drawn in which colour.
#include "plot/pressure_plot.h"
#include "tests/support/pixel_checks.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <limits>

using namespace wingmap;
using namespace pixels;

namespace {

using Tick = PressurePlot::Tick;

// The Flow window's pressure pane: 608 x 200 less a 2-pixel frame.
const QSizeF kArea(604, 196);

PressurePlot plotWith(std::vector<PressurePlot::Point> upper,
                      std::vector<PressurePlot::Point> lower)
{
    PressurePlot plot;
    plot.setTexts({"x/c", "−Cp", "upper side", "lower side"});
    plot.setSides(std::move(upper), std::move(lower));
    return plot;
}

QImage imageAt(qreal ratio)
{
    QImage image((kArea * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

struct TickCase
{
    double top;
    int step;
    std::vector<Tick> ticks;
};

TEST(PressurePlot, TicksAreZeroAndItsMultiplesAboveTheBottomEdge)
{
    const TickCase cases[] = {
        // The flat plate's axis, clipped at 6: once -1, 1, 3, 5.
        {6, 2, {{-1, false}, {0, true}, {2, true}, {4, true}, {6, true}}},
        {5, 2, {{-1, false}, {0, true}, {2, true}, {4, true}}},
        {3, 1, {{-1, true}, {0, true}, {1, true}, {2, true}, {3, true}}},
        {1, 1, {{-1, true}, {0, true}, {1, true}}},
        {6, 5, {{-1, false}, {0, true}, {5, true}}},
    };
    for (const TickCase &c : cases)
        EXPECT_EQ(PressurePlot::yTicks(c.top, c.step), c.ticks) << c.top << " by " << c.step;
}

// At any font size and ratio every number and word lies inside the area
// and clear of every other, and the -Cp axis numbers its 0.
TEST(PressurePlot, LabelsFollowTheFontAndNeverOverlap)
{
    const double inf = std::numeric_limits<double>::infinity();
    // The flat plate's: unbounded suction at the leading edge, and more
    // than 6 just behind it, so the axis runs to 6.
    const PressurePlot plot =
        plotWith({{0, -inf}, {0.01, -9}, {0.5, -0.5}, {1, 0}}, {{0, 1}, {1, 0}});
    ASSERT_EQ(plot.top(), 6.0);
    for (const double points : {9.0, 14.0, 20.0}) {
        for (const qreal ratio : {1.0, 2.0}) {
            QImage image = imageAt(ratio);
            QPainter painter(&image);
            QFont font = painter.font();
            font.setPointSizeF(points);
            painter.setFont(font);
            const PressurePlot::Layout layout = plot.layout(painter, QRectF(QPointF(), kArea));
            const QString where = QString("%1 pt at ratio %2").arg(points).arg(ratio);
            ASSERT_FALSE(layout.plot.isEmpty()) << where.toStdString();
            std::vector<PressurePlot::Label> labels = layout.axisLabels;
            labels.insert(labels.end(), layout.legend.begin(), layout.legend.end());
            bool numbersZero = false;
            for (std::size_t i = 0; i < labels.size(); ++i) {
                const PressurePlot::Label &a = labels[i];
                const std::string what = (a.text + " at " + where).toStdString();
                EXPECT_TRUE(QRectF(QPointF(), kArea).contains(a.rect)) << what;
                for (std::size_t j = i + 1; j < labels.size(); ++j)
                    EXPECT_FALSE(a.rect.intersects(labels[j].rect))
                        << what << " over " << labels[j].text.toStdString();
                numbersZero = numbersZero || (a.text == "0" && a.rect.right() < layout.plot.left());
            }
            EXPECT_TRUE(numbersZero) << where.toStdString();
        }
    }
}

// A suction peak above the top is clipped, and marked where the side
// crosses the top edge: -Cp rises from 0 to 8 over x/c 0 to 0.5 and falls
// back by 1, and the axis stops at 6, so the crossings lie at
// 6 / 8 * 0.5 = 0.375 and 0.5 + 2 / 8 * 0.5 = 0.625. The side inside the
// plot has none.
TEST(PressurePlot, ClippedSideEndsInAMarkAtTheTop)
{
    const PressurePlot plot = plotWith({{0, 0}, {0.5, -8}, {1, 0}}, {{0, 0.5}, {1, 0.5}});
    QImage image = imageAt(1.0);
    QPainter painter(&image);
    plot.paint(painter, QRectF(QPointF(), kArea));
    const PressurePlot::Layout layout = plot.layout(painter, QRectF(QPointF(), kArea));
    painter.end();
    const QRectF &box = layout.plot;
    ASSERT_EQ(layout.upperMarks.size(), 2u);
    EXPECT_NEAR(layout.upperMarks[0].x(), box.left() + 0.375 * box.width(), 1e-9);
    EXPECT_NEAR(layout.upperMarks[1].x(), box.left() + 0.625 * box.width(), 1e-9);
    EXPECT_EQ(layout.upperMarks[0].y(), box.top());
    EXPECT_TRUE(layout.lowerMarks.empty());
    // The triangle below its tip is the upper side's blue, filled.
    for (const QPointF &tip : layout.upperMarks)
        EXPECT_TRUE(isBlue(image.pixel(int(tip.x()), int(tip.y() + 4)))) << tip.x();
}

// The upper side is blue and the lower red: constant -Cp of 1.5 and -0.5 on
// an axis from -1 to 2 lie at 2.5 / 3 and 0.5 / 3 of the plot's height.
TEST(PressurePlot, UpperSideIsBlueAndLowerSideRed)
{
    const PressurePlot plot = plotWith({{0, -1.5}, {1, -1.5}}, {{0, 0.5}, {1, 0.5}});
    ASSERT_EQ(plot.top(), 2.0);
    for (const qreal ratio : {1.0, 2.0}) {
        QImage image = imageAt(ratio);
        QPainter painter(&image);
        plot.paint(painter, QRectF(QPointF(), kArea));
        const QRectF box = plot.layout(painter, QRectF(QPointF(), kArea)).plot;
        painter.end();
        const double x = (box.left() + 0.7 * box.width()) * ratio;
        const double upper = (box.bottom() - 2.5 / 3 * box.height()) * ratio;
        const double lower = (box.bottom() - 0.5 / 3 * box.height()) * ratio;
        EXPECT_TRUE(near(image, x, upper, 1, isBlue)) << ratio;
        EXPECT_FALSE(near(image, x, upper, 2, isRed)) << ratio;
        EXPECT_TRUE(near(image, x, lower, 1, isRed)) << ratio;
        EXPECT_FALSE(near(image, x, lower, 2, isBlue)) << ratio;
    }
}

} // namespace
