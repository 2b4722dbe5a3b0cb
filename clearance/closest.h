// The point of a computed path nearest to a point in space, anywhere on the minimum-
// curvature arcs between the stations. The clearance scan asks this of every offset well
// for every point of the reference well, so the path is indexed once: a capsule (the
// points within a radius of a line segment) around each interval and a tree of capsules
// over runs of intervals, which lets a search skip every run that cannot hold a nearer
// point than the best found so far. Capsules rather than spheres: seen from afar a
// nearly straight run of a path is almost equally distant over a long stretch, and only
// a bound as tight as the capsule's keeps such a search from visiting all of it. The
// answer is always the nearest point of the whole path; the hint of the previous search
// only makes the first guess good. No Qt.
#pragma once

#include "core/trajectory.h"

#include <vector>

namespace clr {

// A position in the frame of a path: north, east and TVD (downward), metres.
struct Vec3
{
    double n = 0, e = 0, d = 0;
};

struct Closest
{
    traj::Point point; // on the path, in the path's own frame
    double distance = 0; // metres
};

class PathIndex
{
public:
    // Indexes the part of `path` at or below measured depth `fromMd` (the whole path for
    // 0). The path must outlive the index and stay unchanged.
    explicit PathIndex(const traj::Trajectory &path, double fromMd = 0);
    PathIndex() = default;
    // The same for another path, in the memory of the last one.
    void assign(const traj::Trajectory &path, double fromMd = 0);

    // True when nothing of the path is left to search (no stations, or `fromMd` below
    // the last one).
    bool empty() const { return segments_.empty(); }

    // The point of the indexed path nearest to `p`. Of places at exactly the same
    // distance the shallowest wins. `hint`, when given, is where a search near `p`
    // ended before (start with 0); it is read as the first guess and set to where this
    // search ends. Not to be called on an empty index.
    Closest closest(const Vec3 &p, int *hint = nullptr) const;

private:
    // One interval's arc (or the part of it below fromMd): from x0 with unit tangent t,
    // turning toward the unit normal n at curvature kappa (1/m; 0 for a straight piece),
    // `length` metres long.
    struct Segment
    {
        Vec3 x0, t, n, x1; // x1 its end
        double kappa = 0, length = 0, md0 = 0;
        // cos β and sin β / κ of the segment's angle β (1 and the length when straight):
        // whether the circle's nearest point lies on the arc, without an angle.
        double cosAngle = 1, sinAngleRadius = 0;
        int upper = 0, lower = 0; // the stations around it
    };
    // The points within r of the line segment from a to a + d.
    struct Capsule
    {
        Vec3 a, d;
        double inverseLength2 = 0; // 1 / |d|², 0 for a single point
        double r = -1; // negative: an unused leaf of the tree
    };
    static double squaredDistance(const Capsule &c, const Vec3 &p);

    // Squared distance from p to the nearest point of segment k, and where on the
    // segment it lies (metres from its start) when `s` is given.
    double nearestOn(int k, const Vec3 &p, double *s) const;
    traj::Point pointAt(int k, double s) const;

    const traj::Trajectory *path_ = nullptr;
    std::vector<Segment> segments_;
    std::vector<Capsule> tree_; // node 1 the root, node i's children 2i and 2i+1
    int leaves_ = 0; // the power of two at which the leaves begin
};

} // namespace clr
