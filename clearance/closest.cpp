// The nearest point of a path, in closed form on each arc: the squared distance from a
// point to a circle's points is a constant minus a cosine of the angle along the circle,
// so it has one minimum and one maximum per turn. On an arc shorter than half a turn (the
// method never makes one of 90 degrees or more) the nearest point is that minimum when it
// lies on the arc, else the nearer end. No iteration, no tolerance to tune.
#include "clearance/closest.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace clr {

namespace {

Vec3 operator-(const Vec3 &a, const Vec3 &b)
{
    return { a.n - b.n, a.e - b.e, a.d - b.d };
}

Vec3 operator+(const Vec3 &a, const Vec3 &b)
{
    return { a.n + b.n, a.e + b.e, a.d + b.d };
}

Vec3 operator*(double f, const Vec3 &a)
{
    return { f * a.n, f * a.e, f * a.d };
}

double dot(const Vec3 &a, const Vec3 &b)
{
    return a.n * b.n + a.e * b.e + a.d * b.d;
}

Vec3 positionOf(const traj::Station &s)
{
    return { s.north, s.east, s.tvd };
}

Vec3 tangentOf(const traj::Direction &d)
{
    return { d.north(), d.east(), d.down() };
}

// Below this angle (radians) the trajectory draws an interval as a straight line.
constexpr double kStraightBelow = 1e-9;

// Offset from the start of a segment after s metres: s along the tangent for a straight
// piece; sin(κs)/κ along the tangent and (1 − cos κs)/κ toward the centre on an arc (the
// half-angle form keeps its digits when κs is small).
Vec3 along(const Vec3 &t, const Vec3 &n, double kappa, double s)
{
    if (kappa == 0.0)
        return s * t;
    const double half = std::sin(0.5 * kappa * s);
    return (std::sin(kappa * s) / kappa) * t + (2.0 * half * half / kappa) * n;
}

} // namespace

PathIndex::PathIndex(const traj::Trajectory &path, double fromMd)
    : path_(&path)
{
    const auto &st = path.stations;
    for (std::size_t i = 1; i < st.size(); ++i) {
        const traj::Station &u = st[i - 1], &l = st[i];
        if (l.md <= fromMd)
            continue;
        Segment g;
        g.upper = static_cast<int>(i - 1);
        g.lower = static_cast<int>(i);
        g.x0 = positionOf(u);
        g.md0 = u.md;
        g.length = l.md - u.md;
        const double beta = l.doglegRad;
        if (l.straight || beta <= kStraightBelow) {
            // The chord's direction: the trajectory's own straight line ends at the
            // station to the last digit, a tangent of a nearly equal pair would not.
            const Vec3 chord = positionOf(l) - g.x0;
            const double c = std::sqrt(dot(chord, chord));
            g.t = c > 0.0 ? (1.0 / c) * chord : tangentOf(u.direction);
        } else {
            const Vec3 t1 = tangentOf(u.direction), t2 = tangentOf(l.direction);
            Vec3 n = t2 - std::cos(beta) * t1;
            n = (1.0 / std::sqrt(dot(n, n))) * n;
            g.t = t1;
            g.n = n;
            g.kappa = beta / g.length;
        }
        if (u.md < fromMd) {
            // The interval begins above the searched part: start the segment at fromMd,
            // with the arc's tangent and normal turned to that point.
            const double s0 = fromMd - u.md;
            const traj::Point q = traj::pointOnArc(u, l, fromMd);
            g.x0 = { q.north, q.east, q.tvd };
            if (g.kappa != 0.0) {
                const double c = std::cos(g.kappa * s0), s = std::sin(g.kappa * s0);
                const Vec3 t = c * g.t + s * g.n, n = c * g.n - s * g.t;
                g.t = t;
                g.n = n;
            }
            g.md0 = fromMd;
            g.length = l.md - fromMd;
        }
        segments_.push_back(g);
    }
    if (segments_.empty() && !st.empty() && st.back().md >= fromMd) {
        // A path of one station, or searched from its last one: that station alone.
        Segment g;
        g.upper = g.lower = static_cast<int>(st.size() - 1);
        g.x0 = positionOf(st.back());
        g.t = tangentOf(st.back().direction);
        g.md0 = st.back().md;
        segments_.push_back(g);
    }
    if (segments_.empty())
        return;

    // The leaves: each arc lies inside the sphere on its chord (every point of an arc
    // under half a turn sees the chord at more than a right angle). The margin covers
    // the rounding of the arc's points.
    leaves_ = 1;
    while (leaves_ < static_cast<int>(segments_.size()))
        leaves_ *= 2;
    tree_.assign(2 * static_cast<std::size_t>(leaves_), Sphere {});
    for (std::size_t k = 0; k < segments_.size(); ++k) {
        const Segment &g = segments_[k];
        const Vec3 x1 = g.x0 + along(g.t, g.n, g.kappa, g.length);
        const Vec3 chord = x1 - g.x0;
        Sphere &s = tree_[leaves_ + k];
        s.c = g.x0 + 0.5 * chord;
        s.r = 0.5 * std::sqrt(dot(chord, chord)) * (1.0 + 1e-12) + 1e-9;
    }
    // Each node the smallest sphere around its children's spheres.
    for (int i = leaves_ - 1; i >= 1; --i) {
        const Sphere &a = tree_[2 * i], &b = tree_[2 * i + 1];
        Sphere &s = tree_[i];
        if (b.r < 0.0 || a.r < 0.0) {
            s = b.r < 0.0 ? a : b;
            continue;
        }
        const Vec3 ab = b.c - a.c;
        const double d = std::sqrt(dot(ab, ab));
        if (d + b.r <= a.r) {
            s = a;
        } else if (d + a.r <= b.r) {
            s = b;
        } else {
            const double r = 0.5 * (d + a.r + b.r);
            s.c = a.c + ((r - a.r) / d) * ab;
            s.r = r * (1.0 + 1e-12);
        }
    }
}

double PathIndex::nearestOn(int k, const Vec3 &p, double &s) const
{
    const Segment &g = segments_[k];
    const Vec3 w = g.x0 - p;
    const double a = dot(w, g.t);
    double at = -a; // a straight piece: the foot of the perpendicular
    if (g.kappa != 0.0) {
        // The distance is least at the angle atan2(−w·t, R + w·n) on the circle; times
        // κ for a form that turns into the straight line's as κ goes to 0.
        const double b = dot(w, g.n);
        at = std::atan2(-g.kappa * a, 1.0 + g.kappa * b) / g.kappa;
    }
    if (at > 0.0 && at < g.length) {
        s = at;
        const Vec3 v = w + along(g.t, g.n, g.kappa, at);
        return dot(v, v);
    }
    // Off the arc: one of its ends, the upper one of two at the same distance.
    const Vec3 v = w + along(g.t, g.n, g.kappa, g.length);
    const double toUpper = dot(w, w), toLower = dot(v, v);
    s = toLower < toUpper ? g.length : 0.0;
    return std::min(toUpper, toLower);
}

traj::Point PathIndex::pointAt(int k, double s) const
{
    const Segment &g = segments_[k];
    const auto &st = path_->stations;
    if (g.upper == g.lower || s >= g.length)
        return traj::stationPoint(*path_, static_cast<std::size_t>(g.lower));
    if (s <= 0.0 && g.md0 == st[g.upper].md)
        return traj::stationPoint(*path_, static_cast<std::size_t>(g.upper));
    traj::Point q = traj::pointOnArc(st[g.upper], st[g.lower], g.md0 + s);
    q.interval = g.lower;
    return q;
}

Closest PathIndex::closest(const Vec3 &p, int *hint) const
{
    const int count = static_cast<int>(segments_.size());
    int bestK = -1;
    double bestSq = std::numeric_limits<double>::infinity(), bestS = 0.0;
    const auto consider = [&](int k) {
        double s;
        const double dsq = nearestOn(k, p, s);
        if (dsq < bestSq
            || (dsq == bestSq && segments_[k].md0 + s < segments_[bestK].md0 + bestS)) {
            bestSq = dsq;
            bestS = s;
            bestK = k;
        }
    };
    if (hint) {
        const int h = std::clamp(*hint, 0, count - 1);
        for (int k : { h, h - 1, h + 1 }) {
            if (k >= 0 && k < count)
                consider(k);
        }
    }

    // Depth first through the spheres, the nearer child first; a node whose sphere lies
    // farther away than the best distance so far cannot hold a nearer point. Equal
    // distances are searched on, for the shallowest of equal points.
    std::array<int, 128> stack;
    int top = 0;
    stack[top++] = 1;
    const auto gap = [&](int node) {
        const Vec3 v = tree_[node].c - p;
        return dot(v, v);
    };
    while (top > 0) {
        const int node = stack[--top];
        const Sphere &sphere = tree_[node];
        if (sphere.r < 0.0)
            continue;
        if (bestK >= 0) {
            const double reach = std::sqrt(bestSq) + sphere.r;
            if (gap(node) > reach * reach)
                continue;
        }
        if (node >= leaves_) {
            consider(node - leaves_);
            continue;
        }
        const int a = 2 * node, b = 2 * node + 1;
        const bool aNearer = tree_[b].r < 0.0
            || (tree_[a].r >= 0.0 && std::sqrt(gap(a)) - tree_[a].r <= std::sqrt(gap(b)) - tree_[b].r);
        stack[top++] = aNearer ? b : a;
        stack[top++] = aNearer ? a : b;
    }
    if (hint)
        *hint = bestK;

    Closest c;
    c.point = pointAt(bestK, bestS);
    const Vec3 v = Vec3 { c.point.north, c.point.east, c.point.tvd } - p;
    c.distance = std::sqrt(dot(v, v));
    return c;
}

} // namespace clr
