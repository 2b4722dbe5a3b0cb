// Picking a path point in the 3D view.
#include "scene3d/pick.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace scene3d {

std::optional<Pick> pick(
    const Scene &scene, const Camera &camera, double x, double y, double radius)
{
    const Projector proj(camera);
    struct Best
    {
        int well = -1;
        double md = 0, distance = HUGE_VAL, depth = -HUGE_VAL;
    };
    // The nearest point of each path in the picture.
    std::vector<Best> nearest;
    for (std::size_t w = 0; w < scene.wells.size(); ++w) {
        const SceneWell &well = scene.wells[w];
        if (well.points.empty())
            continue;
        Best b;
        const auto consider = [&](double d, double md, double depth) {
            if (d <= radius && d < b.distance)
                b = { static_cast<int>(w), md, d, depth };
        };
        Projected a = proj(well.points[0]);
        if (well.points.size() == 1)
            consider(std::hypot(a.x - x, a.y - y), well.mds[0], a.depth);
        for (std::size_t i = 1; i < well.points.size(); ++i) {
            const Projected c = proj(well.points[i]);
            const double dx = c.x - a.x, dy = c.y - a.y;
            const double len2 = dx * dx + dy * dy;
            double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0.0;
            t = std::clamp(t, 0.0, 1.0);
            const double d = std::hypot(a.x + t * dx - x, a.y + t * dy - y);
            consider(d, well.mds[i - 1] + t * (well.mds[i] - well.mds[i - 1]),
                a.depth + t * (c.depth - a.depth));
            a = c;
        }
        if (b.well >= 0)
            nearest.push_back(b);
    }
    // Paths within a quarter of the radius of the nearest one count as one spot, where
    // the one nearer to the viewer is seen.
    Best best;
    for (const Best &b : nearest)
        if (b.distance < best.distance)
            best = b;
    for (const Best &b : nearest)
        if (b.distance <= best.distance + 0.25 * radius && b.depth > best.depth)
            best = b;
    if (best.well < 0)
        return std::nullopt;
    const SceneWell &well = scene.wells[static_cast<std::size_t>(best.well)];
    Pick p;
    p.well = best.well;
    p.md = best.md;
    p.distance = best.distance;
    traj::Point on;
    if (traj::pointAtMd(well.path, best.md, on)) {
        p.md = on.md;
        p.at = well.inFrame(on.north, on.east, on.tvd);
    } else {
        p.at = well.points.front();
    }
    return p;
}

} // namespace scene3d
