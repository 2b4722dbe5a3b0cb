// The clearance scan: the reference well's points in depth order against one offset well
// at a time, each search starting where the last one ended.
#include "clearance/scan.h"

#include "clearance/closest.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <numbers>
#include <thread>
#include <utility>

namespace clr {

namespace {

    constexpr double kInfinity = std::numeric_limits<double>::infinity();

    // The largest eigenvalue of a symmetric 3×3 matrix (the trigonometric solution of its
    // characteristic cubic).
    double largestEigenvalue(const unc::Sym3 &c)
    {
        const double q = (c.xx + c.yy + c.zz) / 3.0;
        const double off = c.xy * c.xy + c.xz * c.xz + c.yz * c.yz;
        const double a = c.xx - q, b = c.yy - q, d = c.zz - q;
        const double p = std::sqrt((a * a + b * b + d * d + 2.0 * off) / 6.0);
        if (p == 0.0)
            return q;
        const double det = a * (b * d - c.yz * c.yz) - c.xy * (c.xy * d - c.yz * c.xz)
            + c.xz * (c.xy * c.yz - b * c.xz);
        const double r = std::clamp(det / (2.0 * p * p * p), -1.0, 1.0);
        return q + 2.0 * p * std::cos(std::acos(r) / 3.0);
    }

    // The pedal-curve radius of covariance `c` toward unit vector (n, e, v); with no
    // direction (the centres coincide), the largest of all.
    double pedalCurveRadius(const unc::Sym3 &c, double n, double e, double v, bool hasDirection)
    {
        if (!hasDirection)
            return std::sqrt(std::max(0.0, largestEigenvalue(c)));
        const double cn = c.xx * n + c.xy * e + c.xz * v;
        const double ce = c.xy * n + c.yy * e + c.yz * v;
        const double cv = c.xz * n + c.yz * e + c.zz * v;
        return std::sqrt(std::max(0.0, n * cn + e * ce + v * cv));
    }

    struct RefPoint
    {
        traj::Point point;
        int station = -1; // index into the path's stations, -1 for a depth of the caller's
    };

    // The reference's points of the scan in depth order: every station, and the caller's
    // depths that are not a station's.
    std::vector<RefPoint> referencePoints(const traj::Trajectory &path, std::vector<double> more)
    {
        std::vector<RefPoint> points;
        points.reserve(path.stations.size() + more.size());
        for (std::size_t i = 0; i < path.stations.size(); ++i)
            points.push_back({ traj::stationPoint(path, i), static_cast<int>(i) });
        if (more.empty())
            return points;
        std::sort(more.begin(), more.end());
        more.erase(std::unique(more.begin(), more.end()), more.end());
        for (double md : more) {
            traj::Point q;
            if (traj::pointAtMd(path, md, q) && !q.atStation)
                points.push_back({ q, -1 });
        }
        std::stable_sort(points.begin(), points.end(),
            [](const RefPoint &a, const RefPoint &b) { return a.point.md < b.point.md; });
        return points;
    }

    // What the scan of one offset needs at hand.
    struct Pair
    {
        const Well &reference;
        const Well &offset;
        const PathIndex &index;
    };

    Row rowAt(const Pair &pair, const traj::Point &r, int *hint, traj::Point &nearest)
    {
        const Well &o = pair.offset;
        const Closest c = pair.index.closest(
            { r.north - o.slotNorth, r.east - o.slotEast, r.tvd - o.depthShift }, hint);
        nearest = c.point;
        Row row;
        row.referenceMd = r.md;
        row.referenceTvd = r.tvd;
        row.referenceNorth = r.north;
        row.referenceEast = r.east;
        row.offsetMd = c.point.md;
        row.offsetTvd = c.point.tvd + o.depthShift;
        row.offsetNorth = c.point.north + o.slotNorth;
        row.offsetEast = c.point.east + o.slotEast;
        row.offsetAtStation = c.point.atStation;
        row.distance = c.distance;
        // Straight below or above (to the rounding of the positions' sums) has no bearing.
        const double dn = row.offsetNorth - r.north, de = row.offsetEast - r.east;
        if (std::hypot(dn, de) > 1e-9) {
            row.bearing = std::atan2(de, dn) * (180.0 / std::numbers::pi);
            if (row.bearing < 0.0)
                row.bearing += 360.0;
            if (row.bearing >= 360.0)
                row.bearing = 0.0;
        }
        return row;
    }

    // The uncertainty part of a row from the two covariances (either may be missing).
    void rate(
        Row &row, const unc::Sym3 *ref, const unc::Sym3 *off, const Rule &rule, double holeTerm)
    {
        const double D = row.distance;
        const bool hasDirection = D > 0.0;
        const double un = hasDirection ? (row.offsetNorth - row.referenceNorth) / D : 0.0;
        const double ue = hasDirection ? (row.offsetEast - row.referenceEast) / D : 0.0;
        const double uv = hasDirection ? (row.offsetTvd - row.referenceTvd) / D : 0.0;
        if (ref)
            row.referencePcr = pedalCurveRadius(*ref, un, ue, uv, hasDirection);
        if (off)
            row.offsetPcr = pedalCurveRadius(*off, un, ue, uv, hasDirection);
        if (!ref || !off)
            return;
        row.separationFactor
            = separationFactor(rule, D, holeTerm, *row.referencePcr, *row.offsetPcr);
    }

    // A point of the reference between two rows, its nearest point of the offset and the
    // row for them.
    struct Approach
    {
        Row row;
        traj::Point reference, offset;
    };

    // The smallest distance between the rows on either side of row k (the nearest), by
    // golden-section search on the reference's depth: two paths cross between stations as
    // a rule. Empty when nothing there is nearer than row k by more than rounding (along
    // parallel paths any depth would do).
    std::optional<Approach> approachBetween(
        const Pair &pair, const std::vector<Row> &rows, std::size_t k, int hint)
    {
        double lo = rows[k > 0 ? k - 1 : k].referenceMd;
        double hi = rows[k + 1 < rows.size() ? k + 1 : k].referenceMd;
        if (!(lo < hi))
            return std::nullopt;
        Approach at;
        const auto distanceAt = [&](double md) {
            if (!traj::pointAtMd(pair.reference.path, md, at.reference))
                return kInfinity;
            at.row = rowAt(pair, at.reference, &hint, at.offset);
            return at.row.distance;
        };
        const double g = 0.5 * (std::sqrt(5.0) - 1.0);
        double x1 = hi - g * (hi - lo), x2 = lo + g * (hi - lo);
        double f1 = distanceAt(x1), f2 = distanceAt(x2);
        for (int step = 0; step < 200 && hi - lo > 1e-9 * (1.0 + std::abs(hi)); ++step) {
            if (f1 <= f2) {
                hi = x2;
                x2 = x1;
                f2 = f1;
                x1 = hi - g * (hi - lo);
                f1 = distanceAt(x1);
            } else {
                lo = x1;
                x1 = x2;
                f1 = f2;
                x2 = lo + g * (hi - lo);
                f2 = distanceAt(x2);
            }
        }
        if (!(distanceAt(0.5 * (lo + hi)) < rows[k].distance - 1e-9))
            return std::nullopt;
        return at;
    }

    // The covariances of `well` at `points` on its path, between stations as `how` says.
    // The course of `path` below `from` as a survey of its own that begins there: a first
    // station at `from` (on the path's arc, with its direction) and the stations below.
    traj::Trajectory pathFrom(const traj::Trajectory &path, double from)
    {
        traj::Trajectory out;
        traj::Point at;
        if (!traj::pointAtMd(path, from, at))
            return out;
        traj::Station first;
        first.md = at.md;
        first.inclination = at.inclination;
        first.azimuth = at.azimuth;
        first.tvd = at.tvd;
        first.north = at.north;
        first.east = at.east;
        out.stations.push_back(first);
        for (const traj::Station &s : path.stations) {
            if (s.md > at.md)
                out.stations.push_back(s);
        }
        return out;
    }

    // `points` of a path as points of `to`, a part of it (pathFrom): their intervals
    // counted among its stations.
    std::vector<traj::Point> pointsOn(const traj::Trajectory &to, std::vector<traj::Point> points)
    {
        const auto &st = to.stations;
        for (traj::Point &p : points) {
            const auto below = std::lower_bound(st.begin(), st.end(), p.md,
                [](const traj::Station &s, double md) { return s.md < md; });
            p.interval = static_cast<int>(below - st.begin());
            p.atStation = below != st.end() && below->md == p.md;
        }
        return points;
    }

    std::vector<unc::Sym3> covariancesAt(const traj::Trajectory &path, const unc::Inputs &inputs,
        const std::vector<traj::Point> &points, BetweenStations how)
    {
        if (how == BetweenStations::AsStation)
            return unc::pointCovariances(path, inputs, points);
        const std::vector<unc::Sym3> at = unc::stationCovariances(path, inputs);
        const auto &st = path.stations;
        std::vector<unc::Sym3> out;
        out.reserve(points.size());
        for (const traj::Point &p : points) {
            const std::size_t i = static_cast<std::size_t>(std::max(p.interval, 0));
            if (p.atStation || i == 0 || i >= st.size()) {
                out.push_back(at[std::min(i, at.size() - 1)]);
                continue;
            }
            const unc::Sym3 &a = at[i - 1], &b = at[i];
            const double f = (p.md - st[i - 1].md) / (st[i].md - st[i - 1].md);
            const auto mix = [f](double x, double y) { return x + (y - x) * f; };
            out.push_back({ mix(a.xx, b.xx), mix(a.yy, b.yy), mix(a.zz, b.zz), mix(a.xy, b.xy),
                mix(a.xz, b.xz), mix(a.yz, b.yz) });
        }
        return out;
    }

    // The covariances of `well` at `points` (on its path); `from` > 0: relative to the
    // point at that depth, as if its survey began there. Above `from` two wells that share
    // their hole share every error of its readings: in the difference of their positions
    // those errors cancel, and what remains are the errors of the readings below.
    std::vector<unc::Sym3> covariancesAt(
        const Well &well, const std::vector<traj::Point> &points, BetweenStations how, double from)
    {
        if (!(from > 0.0))
            return covariancesAt(well.path, *well.errorModel, points, how);
        const traj::Trajectory below = pathFrom(well.path, from);
        if (below.stations.empty())
            return std::vector<unc::Sym3>(points.size());
        return covariancesAt(below, *well.errorModel, pointsOn(below, points), how);
    }

} // namespace

double separationFactor(
    const Rule &rule, double distance, double holeTerm, double referencePcr, double offsetPcr)
{
    const double pr = referencePcr, po = offsetPcr, pa = rule.projectAhead;
    const double span = rule.scalingFactor * std::sqrt(pr * pr + po * po + pa * pa);
    const double clear = distance - holeTerm - rule.surfaceMargin;
    if (span > 0.0)
        return clear / span;
    return clear > 0.0 ? kInfinity : clear < 0.0 ? -kInfinity : 0.0;
}

traj::Trajectory pathOf(const std::vector<Reading> &readings)
{
    traj::Trajectory t;
    t.stations.resize(readings.size());
    for (std::size_t i = 0; i < readings.size(); ++i) {
        t.stations[i].md = readings[i].md;
        t.stations[i].inclination = readings[i].inclination;
        t.stations[i].azimuth = readings[i].azimuth;
    }
    traj::computeNumericTrajectory(t);
    return t;
}

traj::Trajectory sidetrackPath(
    const traj::Trajectory &parent, double kickOffMd, const std::vector<Reading> &below)
{
    traj::Point at;
    if (!traj::pointAtMd(parent, kickOffMd, at))
        return parent;
    std::vector<Reading> readings;
    for (const traj::Station &s : parent.stations) {
        if (s.md >= at.md)
            break;
        readings.push_back({ s.md, s.inclination, s.azimuth });
    }
    readings.push_back({ at.md, at.inclination, at.azimuth });
    for (const Reading &r : below) {
        if (r.md > at.md)
            readings.push_back(r);
    }
    return pathOf(readings);
}

double sharedDepth(const Well &a, const Well &b, const std::vector<const Well *> &wells)
{
    // Each well's line of ancestors, with the depth down to which it is each of them.
    const auto ancestors = [&](const Well &w) {
        std::vector<std::pair<const std::string *, double>> line { { &w.name, kInfinity } };
        const Well *at = &w;
        double depth = kInfinity;
        while (!at->parent.empty() && line.size() <= wells.size()) {
            depth = std::min(depth, at->kickOffMd);
            line.push_back({ &at->parent, depth });
            const auto found = std::find_if(
                wells.begin(), wells.end(), [&](const Well *x) { return x->name == at->parent; });
            if (found == wells.end())
                break;
            at = *found;
        }
        return line;
    };
    double shared = 0.0;
    for (const auto &[name, depth] : ancestors(a)) {
        for (const auto &[otherName, otherDepth] : ancestors(b)) {
            if (!name->empty() && *name == *otherName)
                shared = std::max(shared, std::min(depth, otherDepth));
        }
    }
    return shared;
}

namespace {

    // What the scan of one offset reads of the reference, made once for all offsets.
    struct ReferenceSide
    {
        const Well &well;
        const std::vector<const Well *> &wells;
        const std::vector<RefPoint> &points;
        const std::vector<unc::Sym3> &covariances; // at `points`; empty without a model
        const Rule &rule;
    };

    // The working memory of one thread of the scan: the offset's index and lists.
    struct Workspace
    {
        PathIndex index;
        std::vector<traj::Point> nearest; // the offset's nearest points in its own frame
        std::vector<traj::Point> rowPoints; // the reference's point of each row
    };

    void scanOffset(const ReferenceSide &ref, const Well &offset, Workspace &ws, OffsetScan &os)
    {
        const Well &reference = ref.well;
        const Rule &rule = ref.rule;
        const std::vector<RefPoint> &points = ref.points;
        os.name = offset.name;
        os.fromMd = sharedDepth(reference, offset, ref.wells);
        if (os.fromMd == kInfinity)
            return;
        PathIndex &index = ws.index;
        index.assign(offset.path, os.fromMd);
        if (index.empty())
            return;
        const Pair pair { reference, offset, index };

        std::vector<traj::Point> &nearest = ws.nearest;
        std::vector<traj::Point> &rowPoints = ws.rowPoints;
        nearest.clear();
        rowPoints.clear();
        os.rows.reserve(points.size() + 1);
        int hint = 0;
        const auto addRow = [&](const traj::Point &at) {
            traj::Point q;
            os.rows.push_back(rowAt(pair, at, &hint, q));
            if (offset.errorModel)
                nearest.push_back(q);
            rowPoints.push_back(at);
        };
        // Two wells of one hole down to fromMd are compared from where they part, that
        // point included.
        traj::Point parting;
        if (os.fromMd > 0.0 && traj::pointAtMd(reference.path, os.fromMd, parting)
            && !parting.atStation)
            addRow(parting);
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (os.fromMd > 0.0 && points[i].point.md < os.fromMd)
                continue;
            addRow(points[i].point);
        }
        if (os.rows.empty())
            return;

        const std::size_t k = static_cast<std::size_t>(
            std::min_element(os.rows.begin(), os.rows.end(),
                [](const Row &a, const Row &b) { return a.distance < b.distance; })
            - os.rows.begin());
        std::optional<Approach> found = approachBetween(pair, os.rows, k, hint);

        // The uncertainties at every row, each model asked once for all its points.
        // Wells of one hole, relative to where they part.
        const double holeTerm = 0.5 * (reference.holeDiameter + offset.holeDiameter);
        std::vector<unc::Sym3> offCovariances, relativeReference;
        if (offset.errorModel) {
            if (found)
                nearest.push_back(found->offset);
            offCovariances = covariancesAt(offset, nearest, rule.betweenStations, os.fromMd);
        }
        if (reference.errorModel && os.fromMd > 0.0)
            relativeReference
                = covariancesAt(reference, rowPoints, rule.betweenStations, os.fromMd);
        // A hole of its own has a row at every point.
        const std::vector<unc::Sym3> &refCovariances
            = os.fromMd > 0.0 ? relativeReference : ref.covariances;
        for (std::size_t i = 0; i < os.rows.size(); ++i) {
            rate(os.rows[i], reference.errorModel ? &refCovariances[i] : nullptr,
                offset.errorModel ? &offCovariances[i] : nullptr, rule, holeTerm);
        }
        if (found) {
            std::optional<unc::Sym3> refAt;
            if (reference.errorModel)
                refAt = covariancesAt(
                    reference, { found->reference }, rule.betweenStations, os.fromMd)
                            .front();
            rate(found->row, refAt ? &*refAt : nullptr,
                offset.errorModel ? &offCovariances.back() : nullptr, rule, holeTerm);
        }
        const Row &approach = found ? found->row : os.rows[k];
        os.closestApproach = approach;

        const Row *lowest = nullptr;
        for (const Row &row : os.rows) {
            if (row.separationFactor
                && (!lowest || *row.separationFactor < *lowest->separationFactor))
                lowest = &row;
        }
        if (approach.separationFactor && lowest
            && *approach.separationFactor < *lowest->separationFactor)
            lowest = &approach;
        if (lowest)
            os.lowestSeparation = *lowest;
    }

} // namespace

Box reach(const Well &well)
{
    Box box;
    const std::vector<traj::Station> &st = well.path.stations;
    const double shiftN = well.slotNorth, shiftE = well.slotEast, shiftD = well.depthShift;
    for (std::size_t i = 0; i < st.size(); ++i) {
        // An arc lies within its sagitta of its chord, the chord within the box of its
        // ends.
        double sagitta = 0.0;
        if (i > 0 && !st[i].straight && st[i].doglegRad > 0.0) {
            const double radius = (st[i].md - st[i - 1].md) / st[i].doglegRad;
            sagitta = radius * (1.0 - std::cos(0.5 * st[i].doglegRad));
        }
        const double p[3] = { st[i].north + shiftN, st[i].east + shiftE, st[i].tvd + shiftD };
        for (int a = 0; a < 3; ++a) {
            const double before = i > 0
                ? (a == 0 ? st[i - 1].north + shiftN
                          : a == 1 ? st[i - 1].east + shiftE : st[i - 1].tvd + shiftD)
                : p[a];
            box.low[a] = std::min({ box.low[a], p[a] - sagitta, before - sagitta });
            box.high[a] = std::max({ box.high[a], p[a] + sagitta, before + sagitta });
        }
    }
    return box;
}

double Box::distanceTo(const Box &other) const
{
    double sum = 0.0;
    for (int a = 0; a < 3; ++a) {
        const double gap = std::max({ 0.0, other.low[a] - high[a], low[a] - other.high[a] });
        sum += gap * gap;
    }
    return std::sqrt(sum);
}

Scan scan(const Well &reference, const std::vector<Well> &offsets, const Rule &rule,
    const std::vector<double> &moreMds, const ScanOptions &options)
{
    Scan result;
    const std::vector<RefPoint> points = referencePoints(reference.path, moreMds);

    // The reference's covariances, at its stations and at the caller's depths: those of
    // the rows against every offset of a hole of its own.
    std::vector<unc::Sym3> wholeReference;
    if (reference.errorModel) {
        const std::vector<unc::Sym3> atStations
            = unc::stationCovariances(reference.path, *reference.errorModel);
        std::vector<traj::Point> between;
        for (const RefPoint &p : points) {
            if (p.station < 0)
                between.push_back(p.point);
        }
        const std::vector<unc::Sym3> atPoints
            = covariancesAt(reference, between, rule.betweenStations, 0.0);
        wholeReference.reserve(points.size());
        std::size_t next = 0;
        for (const RefPoint &p : points)
            wholeReference.push_back(p.station >= 0 ? atStations[p.station] : atPoints[next++]);
    }

    std::vector<const Well *> wells { &reference };
    for (const Well &o : offsets)
        wells.push_back(&o);
    const ReferenceSide side { reference, wells, points, wholeReference, rule };

    // The offsets that can come within the radius; the others keep no rows.
    result.offsets.resize(offsets.size());
    std::vector<std::size_t> todo;
    todo.reserve(offsets.size());
    const bool bounded = std::isfinite(options.radius);
    const Box mine = bounded ? reach(reference) : Box {};
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        if (bounded && !offsets[i].path.empty()
            && mine.distanceTo(reach(offsets[i])) > options.radius) {
            result.offsets[i].name = offsets[i].name;
            result.offsets[i].outOfReach = true;
            continue;
        }
        todo.push_back(i);
    }

    // The offsets are independent of each other: shared out among the threads, each with
    // its own working memory, one offset at a time.
    const unsigned threads = static_cast<unsigned>(
        std::clamp<std::size_t>(options.threads, 1, std::max<std::size_t>(todo.size(), 1)));
    std::atomic<std::size_t> next { 0 };
    const auto work = [&] {
        Workspace ws;
        for (std::size_t k; (k = next.fetch_add(1)) < todo.size();)
            scanOffset(side, offsets[todo[k]], ws, result.offsets[todo[k]]);
    };
    if (threads == 1) {
        work();
    } else {
        std::vector<std::thread> pool;
        pool.reserve(threads - 1);
        for (unsigned t = 1; t < threads; ++t)
            pool.emplace_back(work);
        work();
        for (std::thread &t : pool)
            t.join();
    }
    if (bounded) {
        // What passed the boxes but stays farther off is out of reach too.
        for (OffsetScan &os : result.offsets) {
            if (!os.outOfReach && (!os.closestApproach || os.closestApproach->distance > options.radius)) {
                os.outOfReach = true;
                os.rows.clear();
                os.closestApproach.reset();
                os.lowestSeparation.reset();
            }
        }
    }
    return result;
}

} // namespace clr
