// Thinning a polyline to one short run of points per device pixel.
#include "graph/pixelthinning.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct Cell
{
    double x, y;
    bool operator==(const Cell &) const = default;
};

Cell cellOf(const QPointF &p)
{
    return { std::floor(p.x()), std::floor(p.y()) };
}

} // namespace

std::vector<int> pixelThinnedIndices(const QPointF *points, int count)
{
    std::vector<int> kept;
    if (count <= 0)
        return kept;
    // The points of the current run that matter: first, extremes, last.
    int first = 0, minX = 0, maxX = 0, minY = 0, maxY = 0;
    Cell cell = cellOf(points[0]);
    const auto flush = [&](int last) {
        std::array<int, 6> run { first, minX, maxX, minY, maxY, last };
        std::sort(run.begin(), run.end());
        const auto end = std::unique(run.begin(), run.end());
        kept.insert(kept.end(), run.begin(), end);
    };
    for (int i = 1; i < count; ++i) {
        const QPointF &p = points[i];
        const Cell c = cellOf(p);
        if (!(c == cell)) {
            flush(i - 1);
            first = minX = maxX = minY = maxY = i;
            cell = c;
            continue;
        }
        if (p.x() < points[minX].x())
            minX = i;
        if (p.x() > points[maxX].x())
            maxX = i;
        if (p.y() < points[minY].y())
            minY = i;
        if (p.y() > points[maxY].y())
            maxY = i;
    }
    flush(count - 1);
    return kept;
}
