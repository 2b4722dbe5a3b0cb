// Thinning long polylines to the pixels of a screen: what is drawn still covers the
// same extent, starts and ends at the same points, and runs through the same pixels,
// also when the QPainter back end draws it on a screen-like image.
#include "graph/painterdrawcontext.h"
#include "graph/pixelthinning.h"
#include "graphtestdata.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

struct Box
{
    double left, right, top, bottom;
    bool operator==(const Box &) const = default;
};

Box boxOf(const std::vector<QPointF> &points, const std::vector<int> &indices)
{
    Box b { INFINITY, -INFINITY, INFINITY, -INFINITY };
    for (int i : indices) {
        const QPointF &p = points[static_cast<std::size_t>(i)];
        b.left = std::min(b.left, p.x());
        b.right = std::max(b.right, p.x());
        b.top = std::min(b.top, p.y());
        b.bottom = std::max(b.bottom, p.y());
    }
    return b;
}

std::vector<int> all(int n)
{
    std::vector<int> v(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        v[static_cast<std::size_t>(i)] = i;
    return v;
}

bool samePixel(const QPointF &a, const QPointF &b)
{
    return std::floor(a.x()) == std::floor(b.x()) && std::floor(a.y()) == std::floor(b.y());
}

// A wandering path of many small steps, with now and then a jump of several pixels.
std::vector<QPointF> wanderingPath(int n, unsigned seed)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> step(0.0, 0.05);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::vector<QPointF> points;
    QPointF p(200.3, 100.7);
    for (int i = 0; i < n; ++i) {
        p += QPointF(step(random), step(random) + 0.004);
        if (chance(random) < 0.001)
            p += QPointF(step(random) * 100.0, step(random) * 100.0);
        points.push_back(p);
    }
    return points;
}

TEST(PixelThinning, KeepsEndsExtentAndEveryPixelOfAWanderingPath)
{
    for (unsigned seed : { 1u, 2u, 3u }) {
        const std::vector<QPointF> points = wanderingPath(100000, seed);
        const int n = static_cast<int>(points.size());
        const std::vector<int> kept = pixelThinnedIndices(points.data(), n);
        ASSERT_FALSE(kept.empty());
        EXPECT_EQ(kept.front(), 0);
        EXPECT_EQ(kept.back(), n - 1);
        EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
        EXPECT_EQ(std::adjacent_find(kept.begin(), kept.end()), kept.end()) << "no index twice";
        EXPECT_EQ(boxOf(points, kept), boxOf(points, all(n))) << seed;
        // A point left out lies on the pixel of the kept points on either side of it, so
        // the path visits the same pixels in the same order.
        for (std::size_t k = 1; k < kept.size(); ++k)
            for (int i = kept[k - 1] + 1; i < kept[k]; ++i) {
                const QPointF &p = points[static_cast<std::size_t>(i)];
                ASSERT_TRUE(samePixel(p, points[static_cast<std::size_t>(kept[k - 1])])
                    && samePixel(p, points[static_cast<std::size_t>(kept[k])]))
                    << "point " << i << " seed " << seed;
            }
        // What makes it worth doing: far fewer points to draw.
        EXPECT_LT(kept.size(), points.size() / 4) << seed;
    }
}

TEST(PixelThinning, PointsOnPixelsOfTheirOwnAreAllKept)
{
    std::vector<QPointF> points;
    for (int i = 0; i < 50; ++i)
        points.emplace_back(i * 1.5, std::sin(i) * 20.0);
    EXPECT_EQ(pixelThinnedIndices(points.data(), 50), all(50));
}

TEST(PixelThinning, ShortAndDegenerateInput)
{
    EXPECT_TRUE(pixelThinnedIndices(nullptr, 0).empty());
    const QPointF one(3.5, 4.5);
    EXPECT_EQ(pixelThinnedIndices(&one, 1), std::vector<int> { 0 });
    // A thousand points on one pixel: the ends and the extremes remain.
    std::vector<QPointF> dot;
    for (int i = 0; i < 1000; ++i)
        dot.emplace_back(7.0 + (i % 10) * 0.09, 7.0 + (i % 7) * 0.1);
    const std::vector<int> kept = pixelThinnedIndices(dot.data(), 1000);
    EXPECT_LE(kept.size(), 6u);
    EXPECT_EQ(kept.front(), 0);
    EXPECT_EQ(kept.back(), 999);
    EXPECT_EQ(boxOf(dot, kept), boxOf(dot, all(1000)));
}

// The ink of a long polyline on an image, drawn as on screen or whole.
QRect inkOf(const std::vector<QPoint> &points, bool thinning)
{
    QImage image(700, 500, QImage::Format_RGB32);
    image.fill(Qt::white);
    // About a screen's resolution: 0.4 pixels per logical unit.
    image.setDotsPerMeterX(4000);
    image.setDotsPerMeterY(4000);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PainterDrawContext dc(painter);
        dc.setPixelThinning(thinning);
        dc.selectPen(DrawPen { PenStyle::Solid, 3, { 255, 0, 0 } });
        dc.setWindowOrg(-50, 50);
        dc.polyline(points);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGreen(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST(PixelThinning, ALongCurveOnScreenCoversWhatTheWholeCurveCovers)
{
    graphtest::ensureGuiApp();
    // 20,000 points: a spiral that ends far from where it turns most densely, so that
    // a lost last piece or a lost extreme shows in the extent.
    std::vector<QPoint> spiral;
    for (int i = 0; i < 20000; ++i) {
        const double a = i * 0.002, r = 100.0 + i * 0.05;
        spiral.emplace_back(
            800 + static_cast<int>(r * std::cos(a)), -500 + static_cast<int>(r * std::sin(a)));
    }
    const QRect whole = inkOf(spiral, false);
    const QRect thinned = inkOf(spiral, true);
    ASSERT_FALSE(whole.isEmpty());
    // The thinned curve is drawn with the thinnest line, so its edge may lie a pixel
    // inside that of the whole curve's pen.
    EXPECT_LE(std::abs(thinned.left() - whole.left()), 1);
    EXPECT_LE(std::abs(thinned.right() - whole.right()), 1);
    EXPECT_LE(std::abs(thinned.top() - whole.top()), 1);
    EXPECT_LE(std::abs(thinned.bottom() - whole.bottom()), 1);
}

} // namespace

// Pixels on both sides of zero and far beyond any device: a run of points on one pixel
// is cut to its ends exactly where whole pixels (std::floor) change, also for negative
// coordinates, where truncation would put -0.5 and 0.5 on one pixel.
TEST(PixelThinning, RunsEndWhereTheWholePixelChangesOnEitherSideOfZero)
{
    std::vector<QPointF> points = wanderingPath(20000, 11);
    for (QPointF &p : points)
        p -= QPointF(200.3, 100.7 + 40.0);
    points[5000] = QPointF(1e20, -1e20);
    points[5001] = QPointF(-1e18, 3e17);
    const std::vector<int> kept = pixelThinnedIndices(points.data(), static_cast<int>(points.size()));
    const int n = static_cast<int>(points.size());
    for (int i = 0; i < n; ++i) {
        const bool runStarts = i == 0 || !samePixel(points[i - 1], points[i]);
        const bool runEnds = i == n - 1 || !samePixel(points[i], points[i + 1]);
        const bool isKept = std::binary_search(kept.begin(), kept.end(), i);
        if (runStarts || runEnds) {
            EXPECT_TRUE(isKept) << i << ": " << points[i].x() << ", " << points[i].y();
        }
    }
    EXPECT_EQ(boxOf(points, kept), boxOf(points, all(n)));
    EXPECT_LT(kept.size(), points.size() / 2) << "most points share a pixel with their neighbours";
}
