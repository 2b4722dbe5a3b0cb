// Thinning a polyline to one short run of points per device pixel.
#include "graph/pixelthinning.h"

#include <algorithm>
#include <cmath>

namespace {

struct Pixel
{
    double x, y;
    bool operator==(const Pixel &) const = default;
};

Pixel pixelOf(const QPointF &p)
{
    return { std::floor(p.x()), std::floor(p.y()) };
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
