// The scene of the 3D view, built from the wells' trajectories once per computation.
#include "scene3d/scene.h"

#include "core/units.h"

#include <algorithm>
#include <cmath>

namespace scene3d {

namespace {

    unc::Sym3 mix(const unc::Sym3 &a, const unc::Sym3 &b, double f)
    {
        const auto m = [f](double x, double y) { return x + f * (y - x); };
        return { m(a.xx, b.xx), m(a.yy, b.yy), m(a.zz, b.zz), m(a.xy, b.xy), m(a.xz, b.xz),
            m(a.yz, b.yz) };
    }

    void addRingTo(Box3 &box, const Ring &r)
    {
        // The box of the ellipse: along each axis c ± sqrt(major² + minor²).
        const double n = std::hypot(r.major.north, r.minor.north);
        const double e = std::hypot(r.major.east, r.minor.east);
        const double z = std::hypot(r.major.tvd, r.minor.tvd);
        box.add(r.centre + Point3 { n, e, z });
        box.add(r.centre - Point3 { n, e, z });
    }

    SceneWell sceneWellOf(WellInput input, const SceneOptions &options, bool tube)
    {
        SceneWell w;
        w.name = std::move(input.name);
        w.colour = input.colour;
        w.planned = input.planned;
        w.slotNorth = input.slotNorth;
        w.slotEast = input.slotEast;
        w.depthShift = input.depthShift;
        w.path = std::move(input.path);
        const std::vector<traj::Station> &st = w.path.stations;
        if (st.empty())
            return w;
        const bool rings = tube && input.covariances.size() == st.size();
        const double maxTurn = options.maxTurn > 0 ? options.maxTurn : 2.0;

        const auto add = [&](double md, double n, double e, double tvd, const unc::Sym3 *nev,
                             double inc, double azi) {
            const Point3 p = w.inFrame(n, e, tvd);
            w.points.push_back(p);
            w.mds.push_back(md);
            if (nev)
                w.rings.push_back(ringOf(p, *nev, inc, azi, options.sigmas));
        };
        const auto covarianceAt
            = [&](std::size_t i) { return rings ? &input.covariances[i] : nullptr; };

        add(st[0].md, st[0].north, st[0].east, st[0].tvd, covarianceAt(0), st[0].inclination,
            st[0].azimuth);
        for (std::size_t i = 1; i < st.size(); ++i) {
            const traj::Station &upper = st[i - 1], &lower = st[i];
            const double turn = st[i].straight ? 0.0 : st[i].doglegRad / units::kRadiansPerDegree;
            const int steps = std::max(1, static_cast<int>(std::ceil(turn / maxTurn - 1e-9)));
            for (int j = 1; j < steps; ++j) {
                const double f = static_cast<double>(j) / steps;
                const double md = upper.md + f * (lower.md - upper.md);
                const traj::Point p = traj::pointOnArc(upper, lower, md);
                unc::Sym3 nev;
                if (rings)
                    nev = mix(input.covariances[i - 1], input.covariances[i], f);
                add(md, p.north, p.east, p.tvd, rings ? &nev : nullptr, p.inclination, p.azimuth);
            }
            add(lower.md, lower.north, lower.east, lower.tvd, covarianceAt(i), lower.inclination,
                lower.azimuth);
        }
        return w;
    }

} // namespace

double roundStep(double least)
{
    if (!(least > 0) || !std::isfinite(least))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double m : { 1.0, 2.0, 5.0, 10.0 }) {
        // Rounding in log10 may leave the power a little off; a step a hair below `least`
        // is as good.
        if (m * power >= least * (1 - 1e-12))
            return m * power;
    }
    return 10 * power;
}

Ring ringOf(
    const Point3 &centre, const unc::Sym3 &nev, double inclination, double azimuth, double sigmas)
{
    const unc::Sym3 hla = unc::toHla(nev, inclination, azimuth);
    const double r = units::kRadiansPerDegree;
    const double si = std::sin(inclination * r), ci = std::cos(inclination * r);
    const double sa = std::sin(azimuth * r), ca = std::cos(azimuth * r);
    // The directions unc::toHla projects on: high side and lateral (to the right).
    const Point3 h { ci * ca, ci * sa, -si };
    const Point3 l { -sa, ca, 0 };
    // The principal axes of the 2×2 high-side/lateral block.
    const double mean = 0.5 * (hla.xx + hla.yy), half = 0.5 * (hla.xx - hla.yy);
    const double radius = std::hypot(half, hla.xy);
    const double angle = radius > 0 ? 0.5 * std::atan2(hla.xy, half) : 0.0;
    const double c = std::cos(angle), s = std::sin(angle);
    const double a = sigmas * std::sqrt(std::max(0.0, mean + radius));
    const double b = sigmas * std::sqrt(std::max(0.0, mean - radius));
    return { centre, a * (c * h + s * l), b * ((-s) * h + c * l) };
}

Scene buildScene(std::vector<WellInput> wells, const SceneOptions &options)
{
    Scene scene;
    const bool tube = options.sigmas > 0 && std::isfinite(options.sigmas);
    double longest = 0;
    Box3 box;
    for (WellInput &input : wells) {
        SceneWell w = sceneWellOf(std::move(input), options, tube);
        for (const Point3 &p : w.points)
            box.add(p);
        for (const Ring &r : w.rings)
            addRingTo(box, r);
        if (!w.rings.empty())
            scene.sigmas = options.sigmas;
        if (w.mds.size() > 1)
            longest = std::max(longest, w.mds.back() - w.mds.front());
        scene.wells.push_back(std::move(w));
    }

    // Depth marks: about eight along the longest path, at whole multiples of the step.
    scene.markStep = roundStep(longest > 0 ? longest / 8 : 100);
    for (SceneWell &w : scene.wells) {
        if (w.mds.size() < 2)
            continue;
        const double first = w.mds.front(), last = w.mds.back();
        for (double k = std::floor(first / scene.markStep) + 1; k * scene.markStep <= last; ++k) {
            traj::Point p;
            if (traj::pointAtMd(w.path, k * scene.markStep, p))
                w.marks.push_back({ k * scene.markStep, w.inFrame(p.north, p.east, p.tvd) });
        }
    }

    // The ground grid covers the wells' horizontal extent in round steps; a vertical well
    // gets a grid of about a quarter of its depth around it.
    Grid &g = scene.grid;
    if (box.empty())
        box.add({});
    const double across = std::max(box.high.north - box.low.north, box.high.east - box.low.east);
    const double depth = box.high.tvd - box.low.tvd;
    const double extent = std::max({ across, depth / 4, 10.0 });
    g.spacing = roundStep(extent / 6);
    const auto lowLine = [&](double v) { return std::floor(v / g.spacing) * g.spacing; };
    const auto highLine = [&](double v) { return std::ceil(v / g.spacing) * g.spacing; };
    g.northLow = lowLine(std::min(box.low.north, 0.0));
    g.northHigh = highLine(std::max(box.high.north, 0.0));
    g.eastLow = lowLine(std::min(box.low.east, 0.0));
    g.eastHigh = highLine(std::max(box.high.east, 0.0));
    // At least two cells each way, added on both sides.
    const auto widen = [&](double &low, double &high) {
        while (high - low < 2 * g.spacing - 1e-9) {
            low -= g.spacing;
            if (high - low < 2 * g.spacing - 1e-9)
                high += g.spacing;
        }
    };
    widen(g.northLow, g.northHigh);
    widen(g.eastLow, g.eastHigh);
    box.add({ g.northLow, g.eastLow, 0 });
    box.add({ g.northHigh, g.eastHigh, 0 });
    // The north arrow west of the grid.
    box.add({ g.northLow, g.eastLow - g.spacing, 0 });
    scene.bounds = box;
    return scene;
}

} // namespace scene3d
