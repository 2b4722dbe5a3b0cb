// The nearest point of a path, in closed form on each arc: the squared distance from a
// point to a circle's points is a constant minus a cosine of the angle along the circle,
// so it has one minimum and one maximum per turn. On an arc shorter than half a turn (the
// method never makes one of 90 degrees or more) the nearest point is that minimum when it
// lies on the arc, else the nearer end. No iteration, no tolerance to tune, and no angle
// computed but the winner's.
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
{
    assign(path, fromMd);
}

void PathIndex::assign(const traj::Trajectory &path, double fromMd)
{
    path_ = &path;
    segments_.clear();
    tree_.clear();
    leaves_ = 0;
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
        const double angle = g.kappa * g.length;
        g.cosAngle = g.kappa == 0.0 ? 1.0 : std::cos(angle);
        g.sinAngleRadius = g.kappa == 0.0 ? g.length : std::sin(angle) / g.kappa;
        g.x1 = g.x0 + along(g.t, g.n, g.kappa, g.length);
        segments_.push_back(g);
    }
    if (segments_.empty() && !st.empty() && st.back().md >= fromMd) {
        // A path of one station, or searched from its last one: that station alone.
        Segment g;
        g.upper = g.lower = static_cast<int>(st.size() - 1);
        g.x0 = positionOf(st.back());
        g.t = tangentOf(st.back().direction);
        g.x1 = g.x0;
        g.md0 = st.back().md;
        segments_.push_back(g);
    }
    if (segments_.empty())
        return;

    // The leaves: an arc under half a turn lies over its chord, within its sagitta
    // (1 − cos β/2) / κ of it. The margins cover the rounding of the arc's points.
    leaves_ = 1;
    while (leaves_ < static_cast<int>(segments_.size()))
        leaves_ *= 2;
    tree_.assign(2 * static_cast<std::size_t>(leaves_), Capsule {});
    const auto axis = [](const Vec3 &from, const Vec3 &to, double r) {
        Capsule c;
        c.a = from;
        c.d = to - from;
        const double length2 = dot(c.d, c.d);
        c.inverseLength2 = length2 > 0.0 ? 1.0 / length2 : 0.0;
        c.r = r * (1.0 + 1e-12) + 1e-9;
        return c;
    };
    for (std::size_t k = 0; k < segments_.size(); ++k) {
        const Segment &g = segments_[k];
        const double quarter = std::sin(0.25 * g.kappa * g.length);
        tree_[leaves_ + k]
            = axis(g.x0, g.x1, g.kappa == 0.0 ? 0.0 : 2.0 * quarter * quarter / g.kappa);
    }
    // A node's capsule runs from its first point to its last. Distance from a segment is
    // convex, so the farthest point of a child's capsule lies within the child's radius
    // of one of its axis's ends.
    for (int i = leaves_ - 1; i >= 1; --i) {
        const Capsule &a = tree_[2 * i], &b = tree_[2 * i + 1];
        if (b.r < 0.0) {
            tree_[i] = a;
            continue;
        }
        Capsule c = axis(a.a, b.a + b.d, 0.0);
        double reach = 0.0;
        for (const Vec3 &x : { a.a, a.a + a.d, b.a, b.a + b.d })
            reach = std::max(reach, std::sqrt(squaredDistance(c, x)));
        c.r = (reach + std::max(a.r, b.r)) * (1.0 + 1e-12) + 1e-9;
        tree_[i] = c;
    }
}

double PathIndex::squaredDistance(const Capsule &c, const Vec3 &p)
{
    const Vec3 v = p - c.a;
    const double f = std::clamp(dot(v, c.d) * c.inverseLength2, 0.0, 1.0);
    const Vec3 u = v - f * c.d;
    return dot(u, u);
}

double PathIndex::nearestOn(int k, const Vec3 &p, double *s) const
{
    const Segment &g = segments_[k];
    const Vec3 w = g.x0 - p;
    const double a = dot(w, g.t), b = dot(w, g.n);
    // The circle's nearest point lies at the angle θ with tan θ = y / x; on the arc when
    // 0 < θ < β. Its offset from x0, sin θ / κ along t and (1 − cos θ) / κ toward the
    // centre, follows from y and x without an angle: −a / ρ and κa² / (ρ(ρ + x)). A
    // straight piece is the case κ = 0 of the same forms.
    const double y = -g.kappa * a, x = 1.0 + g.kappa * b;
    if (-a > 0.0 && x > 0.0 && -a * g.cosAngle < x * g.sinAngleRadius) {
        const double rho = std::sqrt(x * x + y * y);
        const Vec3 v = w + (-a / rho) * g.t + (g.kappa * a * a / (rho * (rho + x))) * g.n;
        if (s)
            *s = g.kappa == 0.0 ? -a : std::atan2(y, x) / g.kappa;
        return dot(v, v);
    }
    // Off the arc: one of its ends, the upper one of two at the same distance.
    const Vec3 v = g.x1 - p;
    const double toUpper = dot(w, w), toLower = dot(v, v);
    if (s)
        *s = toLower < toUpper ? g.length : 0.0;
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
    double bestSq = std::numeric_limits<double>::infinity(), best = bestSq;
    // The depth of segment k's nearest point, only wanted for a tie and the winner.
    const auto mdOn = [&](int k) {
        double s = 0.0;
        nearestOn(k, p, &s);
        return segments_[k].md0 + s;
    };
    const auto consider = [&](int k) {
        const double dsq = nearestOn(k, p, nullptr);
        if (dsq < bestSq || (dsq == bestSq && mdOn(k) < mdOn(bestK))) {
            bestSq = dsq;
            best = std::sqrt(dsq);
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

    // Depth first through the capsules, the nearer child first; a node whose capsule lies
    // farther away than the best distance so far cannot hold a nearer point. Equal
    // distances are searched on, for the shallowest of equal points. Each entry carries
    // its squared distance to the capsule's axis, checked again when its turn comes.
    struct Entry
    {
        int node;
        double gap;
    };
    std::array<Entry, 128> stack;
    int top = 0;
    const auto gapOf = [&](int node) { return squaredDistance(tree_[node], p); };
    const auto farOff = [&](const Entry &e) {
        const double reach = best + tree_[e.node].r;
        return e.gap > reach * reach;
    };
    stack[top++] = { 1, gapOf(1) };
    while (top > 0) {
        const Entry e = stack[--top];
        if (farOff(e))
            continue;
        if (e.node >= leaves_) {
            consider(e.node - leaves_);
            continue;
        }
        const int a = 2 * e.node, b = a + 1;
        if (tree_[b].r < 0.0) {
            stack[top++] = { a, gapOf(a) };
            continue;
        }
        const Entry ea { a, gapOf(a) }, eb { b, gapOf(b) };
        const bool aNearer = ea.gap <= eb.gap;
        stack[top++] = aNearer ? eb : ea;
        stack[top++] = aNearer ? ea : eb;
    }
    if (hint)
        *hint = bestK;

    Closest c;
    c.point = pointAt(bestK, mdOn(bestK) - segments_[bestK].md0);
    const Vec3 v = Vec3 { c.point.north, c.point.east, c.point.tvd } - p;
    c.distance = std::sqrt(dot(v, v));
    return c;
}

} // namespace clr
