// The targets against the computed path.
#include "plan/targets.h"

#include <algorithm>
#include <cmath>

namespace plan {

namespace {

    double boxDistance(const Target &t, const geom::Vec &p)
    {
        const double dn = std::max({ t.northFrom - p.n, 0.0, p.n - t.northTo });
        const double de = std::max({ t.eastFrom - p.e, 0.0, p.e - t.eastTo });
        const double dd = std::max({ t.tvdFrom - p.d, 0.0, p.d - t.tvdTo });
        return std::hypot(dn, de, dd);
    }

    // The least distance of the path from the box: samples a metre apart on every piece (at
    // most a hundred thousand), then the best of them refined between its neighbours. Along a hold
    // the distance from a box is convex, so the refinement finds its least value; along an arc a
    // metre is short against its radius.
    PathPoint closestToBox(const Target &t, const std::vector<Piece> &path, double &distance)
    {
        PathPoint best = pointOnPiece(path, 0, 0.0);
        distance = boxDistance(t, best.position);
        for (std::size_t k = 0; k < path.size() && distance > 0.0; ++k) {
            const double len = path[k].length();
            const int n = static_cast<int>(std::clamp(std::ceil(len), 16.0, 100000.0));
            const double h = len / n;
            int bestSample = -1;
            double bestHere = distance;
            for (int i = 0; i <= n; ++i) {
                const double d = boxDistance(t, path[k].arc.position(i * h));
                if (d < bestHere) {
                    bestHere = d;
                    bestSample = i;
                }
                if (d == 0.0)
                    break;
            }
            if (bestSample < 0)
                continue;
            double a = std::max(0, bestSample - 1) * h, b = std::min(n, bestSample + 1) * h;
            double s = bestSample * h;
            if (bestHere > 0.0) {
                // Golden section on [a, b].
                const double g = (std::sqrt(5.0) - 1.0) / 2.0;
                double x1 = b - g * (b - a), x2 = a + g * (b - a);
                double f1 = boxDistance(t, path[k].arc.position(x1));
                double f2 = boxDistance(t, path[k].arc.position(x2));
                for (int it = 0; it < 100 && b - a > 1e-12; ++it) {
                    if (f1 <= f2) {
                        b = x2;
                        x2 = x1;
                        f2 = f1;
                        x1 = b - g * (b - a);
                        f1 = boxDistance(t, path[k].arc.position(x1));
                    } else {
                        a = x1;
                        x1 = x2;
                        f1 = f2;
                        x2 = a + g * (b - a);
                        f2 = boxDistance(t, path[k].arc.position(x2));
                    }
                }
                const double m = (a + b) / 2.0;
                const double dm = boxDistance(t, path[k].arc.position(m));
                if (dm < bestHere) {
                    bestHere = dm;
                    s = m;
                }
            }
            if (bestHere < distance) {
                distance = bestHere;
                best = pointOnPiece(path, k, s);
            }
        }
        return best;
    }

    double azimuthDifference(double a, double b)
    {
        double d = std::fmod(a - b, 360.0);
        if (d > 180.0)
            d -= 360.0;
        else if (d <= -180.0)
            d += 360.0;
        return d;
    }

} // namespace

TargetResult evaluate(const Target &target, const std::vector<Piece> &path)
{
    TargetResult r;
    if (target.kind == TargetKind::Box) {
        r.closest = closestToBox(target, path, r.distance);
        r.miss = r.distance <= kHitSlack ? 0.0 : r.distance;
        r.hit = r.miss == 0.0;
        return r;
    }
    const geom::Vec q { target.north, target.east, target.tvd };
    r.closest = closestPoint(path, q);
    r.distance = geom::length(r.closest.position - q);
    r.miss = r.distance <= target.radius + kHitSlack ? 0.0 : r.distance - target.radius;
    r.hit = r.miss == 0.0;
    if (target.kind == TargetKind::Landing) {
        r.inclinationDifference = r.closest.inclination - target.inclination;
        r.azimuthDifference = azimuthDifference(r.closest.azimuth, target.azimuth);
        r.hit = r.hit && std::abs(r.inclinationDifference) <= target.angleTolerance
            && std::abs(r.azimuthDifference) <= target.angleTolerance;
    }
    return r;
}

} // namespace plan
