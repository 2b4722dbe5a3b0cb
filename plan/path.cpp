// Points on the pieces of a computed plan.
#include "plan/path.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace plan {

std::optional<double> Piece::toolFace() const
{
    if (isHold())
        return std::nullopt;
    return geom::toolFaceOf(arc.t0, carriedAzimuth, arc.n);
}

PathPoint pointOnPiece(const std::vector<Piece> &path, std::size_t k, double s)
{
    const Piece &piece = path[k];
    PathPoint p;
    p.piece = k;
    p.md = s >= piece.length() ? piece.mdTo : piece.mdFrom + s;
    p.position = piece.arc.position(s);
    p.tangent = piece.arc.tangent(s);
    p.inclination = geom::inclinationOf(p.tangent);
    p.azimuth = geom::azimuthOf(p.tangent, piece.carriedAzimuth);
    return p;
}

namespace {

    // Metres into the piece of its point closest to `q`.
    double closestOnPiece(const Piece &piece, const geom::Vec &q)
    {
        const double len = piece.length();
        const geom::Arc &a = piece.arc;
        if (piece.isHold())
            return std::clamp(geom::dot(q - a.p0, a.t0), 0.0, len);
        // The circle about its centre c: c + (sin phi t0 - cos phi n) / kappa, phi = kappa s.
        const double r = 1.0 / a.kappa;
        const geom::Vec w = q - (a.p0 + r * a.n);
        const double x = geom::dot(w, a.t0), y = -geom::dot(w, a.n);
        if (x == 0.0 && y == 0.0)
            return 0.0; // on the circle's axis: every point is as near
        double phi = std::atan2(x, y);
        if (phi < 0.0)
            phi += 2.0 * std::numbers::pi;
        const double theta = a.kappa * len;
        if (phi <= theta)
            return std::min(phi * r, len);
        // Outside the piece the distance grows toward the opposite point of the circle from
        // either end, so the nearer end is the nearest point.
        const double d0 = geom::length(a.position(0.0) - q), d1 = geom::length(a.position(len) - q);
        return d0 <= d1 ? 0.0 : len;
    }

} // namespace

PathPoint closestPoint(const std::vector<Piece> &path, const geom::Vec &q)
{
    PathPoint best;
    double bestDistance = INFINITY;
    for (std::size_t k = 0; k < path.size(); ++k) {
        const PathPoint p = pointOnPiece(path, k, closestOnPiece(path[k], q));
        const double d = geom::length(p.position - q);
        if (d < bestDistance) {
            bestDistance = d;
            best = p;
        }
    }
    return best;
}

std::optional<PathPoint> pointAtMd(const std::vector<Piece> &path, double md)
{
    if (path.empty() || !(md >= path.front().mdFrom && md <= path.back().mdTo))
        return std::nullopt;
    const auto it = std::lower_bound(
        path.begin(), path.end(), md, [](const Piece &p, double m) { return p.mdTo < m; });
    const std::size_t k = static_cast<std::size_t>(it - path.begin());
    return pointOnPiece(path, k, md - path[k].mdFrom);
}

} // namespace plan
