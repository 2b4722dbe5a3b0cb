// Thinning a polyline to one short run of points per device pixel.
#include "graph/pixelthinning.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

struct Pixel
{
    std::int64_t x, y;
    bool operator==(const Pixel &) const = default;
};

// The whole pixel a coordinate lies in. By hand rather than std::floor, which without
// SSE4.1 is a library call: it is made twice for each of a million points on every
// paint. Coordinates far outside any device are clamped first; a point that is not a
// number gets a pixel of its own.
std::int64_t pixelIndex(double v)
{
    constexpr double kFar = 1e15;
    if (!(v > -kFar))
        return v != v ? std::numeric_limits<std::int64_t>::min() : static_cast<std::int64_t>(-kFar);
    if (v > kFar)
        return static_cast<std::int64_t>(kFar);
    const auto truncated = static_cast<std::int64_t>(v);
    return static_cast<double>(truncated) > v ? truncated - 1 : truncated;
}

Pixel pixelOf(const QPointF &p)
{
    return { pixelIndex(p.x()), pixelIndex(p.y()) };
}

} // namespace

std::vector<int> pixelThinnedIndices(const QPointF *points, int count)
{
    std::vector<int> kept;
    if (count <= 0)
        return kept;
    // The points that hold the extent of the whole polyline.
    int minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 1; i < count; ++i) {
        const QPointF &p = points[i];
        if (p.x() < points[minX].x())
            minX = i;
        if (p.x() > points[maxX].x())
            maxX = i;
        if (p.y() < points[minY].y())
            minY = i;
        if (p.y() > points[maxY].y())
            maxY = i;
    }
    // Each run on one pixel is drawn from its first to its last point. Its extremes
    // inside the pixel are not: a path that turns back and forth inside every pixel
    // costs the painter more than all the points it stands for.
    Pixel previous = pixelOf(points[0]), current = previous;
    for (int i = 0; i < count; ++i) {
        const Pixel next = i + 1 < count ? pixelOf(points[i + 1]) : current;
        const bool first = i == 0 || !(current == previous);
        const bool last = i == count - 1 || !(current == next);
        if (first || last || i == minX || i == maxX || i == minY || i == maxY)
            kept.push_back(i);
        previous = current;
        current = next;
    }
    return kept;
}
