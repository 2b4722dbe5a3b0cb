// Picking a path point in the 3D view.
#include "scene3d/pick.h"

#include <algorithm>
#include <cmath>

namespace scene3d {

std::optional<Pick> pick(const Scene &scene, const Camera &camera, double x, double y, double radius)
{
    const Projector proj(camera);
    struct Best
    {
        int well = -1;
        double md = 0, distance = HUGE_VAL, depth = -HUGE_VAL;
    } best;
    // Two candidates within this much of one another in the picture count as one spot;
    // the nearer to the viewer wins.
    const double tie = 0.25 * radius;
    for (std::size_t w = 0; w < scene.wells.size(); ++w) {
        const SceneWell &well = scene.wells[w];
        if (well.points.empty())
            continue;
        Projected a = proj(well.points[0]);
        const auto consider = [&](double d, double md, double depth) {
            if (d > radius)
                return;
            const bool clearlyNearer = d < best.distance - tie;
            const bool sameSpotInFront = d <= best.distance + tie && depth > best.depth;
            if (best.well < 0 || clearlyNearer || sameSpotInFront)
                best = { static_cast<int>(w), md, d, depth };
        };
        if (well.points.size() == 1)
            consider(std::hypot(a.x - x, a.y - y), well.mds[0], a.depth);
        for (std::size_t i = 1; i < well.points.size(); ++i) {
            const Projected b = proj(well.points[i]);
            const double dx = b.x - a.x, dy = b.y - a.y;
            const double len2 = dx * dx + dy * dy;
            double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0.0;
            t = std::clamp(t, 0.0, 1.0);
            const double d = std::hypot(a.x + t * dx - x, a.y + t * dy - y);
            consider(d, well.mds[i - 1] + t * (well.mds[i] - well.mds[i - 1]),
                a.depth + t * (b.depth - a.depth));
            a = b;
        }
    }
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
