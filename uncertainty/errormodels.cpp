// The propagation of the error models: the error vector of every source at every station,
// summed over the survey by the source's propagation.
//
// A source's error at station k moves the position of every station below it. Its vector
// e_k sums what the reading does through the interval above the station and the one below
// it; e*_k takes the interval above alone, as if the survey ended at k. The covariance at
// station k is then, per source,
//   random:                Σ_{j<k} e_j e_jᵀ + e*_k e*_kᵀ
//   systematic and global: (Σ_{j<k} e_j + e*_k)(Σ_{j<k} e_j + e*_k)ᵀ
// and the total is the sum over the sources. The surface station carries no error.
//
// The derivatives of the positions are the balanced-tangential ones of the ISCWSA's
// example workbooks, with their two ways at the top: Rev 5 counts the inclination and
// azimuth derivatives of the first interval twice (its workbook's change for the surface
// tie-on), Rev 4 once; and below the vertical-inclination limit the weighting functions
// that divide by sin I take their limit. Their vertical forms never need a division: the
// azimuth's weight enters multiplied by sin I, and that product is what is computed here.
// (Where the Rev 5 workbook's vertical forms leave out a factor at the first station or
// the interval-length factor of XYM3E/XYM4E in e*, which its test well does not show,
// the vector is taken as the inclined formula's limit.)
//
// Everything runs in one sweep down the stations with running sums per source: no
// allocation per station, the sines and cosines of all stations taken at once. For the
// totals, sources with the same weighting function up to a constant factor and the same
// propagation are one source with the root sum of squares of their magnitudes.
#include "uncertainty/errorterms.h"
#include "uncertainty/uncertainty.h"

#include "core/vectormath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace unc {

namespace {

    using terms::Shape;

    constexpr double kRadian = std::numbers::pi / 180.0;

    struct Vec3
    {
        double n = 0, e = 0, v = 0;
    };

    inline Vec3 operator+(const Vec3 &a, const Vec3 &b) { return { a.n + b.n, a.e + b.e, a.v + b.v }; }
    inline Vec3 operator-(const Vec3 &a, const Vec3 &b) { return { a.n - b.n, a.e - b.e, a.v - b.v }; }
    inline Vec3 operator*(double s, const Vec3 &a) { return { s * a.n, s * a.e, s * a.v }; }
    inline Vec3 &operator+=(Vec3 &a, const Vec3 &b)
    {
        a.n += b.n;
        a.e += b.e;
        a.v += b.v;
        return a;
    }

    inline void addOuter(Sym3 &c, const Vec3 &a)
    {
        c.xx += a.n * a.n;
        c.yy += a.e * a.e;
        c.zz += a.v * a.v;
        c.xy += a.n * a.e;
        c.xz += a.n * a.v;
        c.yz += a.e * a.v;
    }

    inline void add(Sym3 &c, const Sym3 &d)
    {
        c.xx += d.xx;
        c.yy += d.yy;
        c.zz += d.zz;
        c.xy += d.xy;
        c.xz += d.xz;
        c.yz += d.yz;
    }

    // The inputs as the weighting functions take them.
    struct Setup
    {
        double gravity = 9.80665;
        double tanDip = 0;
        double perHorizontalField = 0; // 1 / (B cos Dip)
        double sinTurn = 0, cosTurn = 1; // true azimuth = path azimuth + turn
        double sinDeclination = 0, cosDeclination = 1; // magnetic = true - declination
        double verticalLimit = 1e-4; // degrees
        bool doubledFirstInterval = false;
    };

    Setup setupOf(const Inputs &in)
    {
        Setup m;
        m.gravity = in.gravity;
        m.tanDip = std::tan(in.dip * kRadian);
        m.perHorizontalField = 1.0 / (in.totalField * std::cos(in.dip * kRadian));
        double turn = 0;
        if (in.north == NorthReference::Grid)
            turn = in.convergence;
        else if (in.north == NorthReference::Magnetic)
            turn = in.declination;
        m.sinTurn = std::sin(turn * kRadian);
        m.cosTurn = std::cos(turn * kRadian);
        m.sinDeclination = std::sin(in.declination * kRadian);
        m.cosDeclination = std::cos(in.declination * kRadian);
        m.verticalLimit = in.verticalLimit;
        m.doubledFirstInterval = in.model == ErrorModel::IscwsaMwdRev5;
        return m;
    }

    // A station, or a point taken for one: its depths and direction, the azimuth as the
    // path's (the frame of the positions), true and magnetic.
    struct Place
    {
        double md = 0, tvd = 0;
        double inc = 0, azi = 0; // radians
        double sI = 0, cI = 1, sA = 0, cA = 1;
        double sT = 0, cT = 1, sM = 0, cM = 1;
        bool vertical = true;

        Vec3 tangent() const { return { sI * cA, sI * sA, cI }; }
    };

    // The places of `count` stations or points; `at(i)` gives md, tvd, inclination and
    // azimuth (degrees) of the i-th.
    template <class At> void placesOf(std::size_t count, At at, const Setup &m, Place *out)
    {
        constexpr std::size_t kBlock = 256;
        double angle[kBlock], s[kBlock], c[kBlock];
        for (std::size_t first = 0; first < count; first += kBlock) {
            const std::size_t b = std::min(kBlock, count - first);
            for (std::size_t j = 0; j < b; ++j) {
                const auto [md, tvd, inclination, azimuth] = at(first + j);
                Place &p = out[first + j];
                p.md = md;
                p.tvd = tvd;
                p.inc = inclination * kRadian;
                p.azi = azimuth * kRadian;
                p.vertical = std::abs(inclination) < m.verticalLimit;
                angle[j] = p.inc;
            }
            vmath::sincos(angle, s, c, b);
            for (std::size_t j = 0; j < b; ++j) {
                out[first + j].sI = s[j];
                out[first + j].cI = c[j];
                angle[j] = out[first + j].azi;
            }
            vmath::sincos(angle, s, c, b);
            for (std::size_t j = 0; j < b; ++j) {
                Place &p = out[first + j];
                p.sA = s[j];
                p.cA = c[j];
                p.sT = p.sA * m.cosTurn + p.cA * m.sinTurn;
                p.cT = p.cA * m.cosTurn - p.sA * m.sinTurn;
                p.sM = p.sT * m.cosDeclination - p.cT * m.sinDeclination;
                p.cM = p.cT * m.cosDeclination + p.sT * m.sinDeclination;
            }
        }
    }

    // An angle in [-π, π).
    double wrapped(double a)
    {
        constexpr double kTurn = 2.0 * std::numbers::pi;
        double r = std::fmod(a + std::numbers::pi, kTurn);
        if (r < 0)
            r += kTurn;
        return r - std::numbers::pi;
    }

    // How the readings at a station move the positions below it (the derivatives of the
    // positions with respect to the depth, inclination and azimuth read there).
    struct Reach
    {
        // Unit vectors: the tangent's derivative by the inclination, by the azimuth over
        // sin I, and the former for a vertical hole at the station's azimuth.
        Vec3 high, lateral, highVertical;
        Vec3 depthBoth, depthAbove; // per unit depth error: e, e*
        // Per unit inclination error along `high` or unit azimuth error times sin I along
        // `lateral`: e, e*.
        double lengthBoth = 0, lengthAbove = 0;
        double step = 1; // max(1, √(10 m / ΔMD)) of the interval above
        double courseHigh = 0, courseLateral = 0; // the interval above's course-length errors
    };

    // The station `at` below `above`, with `below` the next station or point (null when
    // the survey ends at `at`: only e* is then meaningful). `first`: the interval above
    // is the survey's first.
    Reach reachOf(const Place &above, const Place &at, const Place *below, bool first, const Setup &m)
    {
        Reach r;
        const Vec3 t0 = above.tangent(), t1 = at.tangent();
        const double length = at.md - above.md;
        r.high = { at.cI * at.cA, at.cI * at.sA, -at.sI };
        r.lateral = { -at.sA, at.cA, 0 };
        r.highVertical = { at.cA, at.sA, 0 };
        r.depthAbove = 0.5 * (t0 + t1);
        r.lengthAbove = 0.5 * (first && m.doubledFirstInterval ? 2.0 : 1.0) * length;
        r.lengthBoth = r.lengthAbove;
        if (below) {
            r.depthBoth = 0.5 * (t0 - below->tangent());
            r.lengthBoth += 0.5 * (below->md - at.md);
        }
        r.step = std::max(1.0, std::sqrt(10.0 / length));
        const double least = terms::kDefaultTortuosity * length;
        r.courseHigh = length * std::max(std::abs(at.inc - above.inc), least);
        const double turn = above.inc < 1e-6 ? 0.0 : wrapped(at.azi - above.azi);
        r.courseLateral = length * std::max(std::abs(at.sI * turn), least);
        return r;
    }

    // One source as the sweep takes it: its weighting function and its magnitude with
    // the function's constant factor.
    struct Source
    {
        Shape shape = Shape::DepthReference;
        bool random = false;
        double scale = 0;
    };

    // Weights of a reading's depth (d), inclination (i) and azimuth times sin I (a).
    struct Weights
    {
        double d = 0, i = 0, a = 0;
    };

    inline Weights weightsOf(Shape shape, const Place &p, const Setup &m, bool vertical)
    {
        const double sI = vertical ? 0.0 : p.sI, cI = vertical ? 1.0 : p.cI;
        const double sM = p.sM, cM = p.cM, tD = m.tanDip, G = m.gravity, H = m.perHorizontalField;
        switch (shape) {
        case Shape::DepthReference:
            return { 1.0, 0, 0 };
        case Shape::DepthScale:
            return { p.md, 0, 0 };
        case Shape::DepthStretch:
            return { p.md * p.tvd, 0, 0 };
        case Shape::AccelBiasXy1:
            return { 0, -cI / G, tD * cI * sM / G * sI };
        case Shape::AccelBiasXy2:
            return { 0, 0, (cI - tD * cM * sI) / G };
        case Shape::AccelBiasZ:
            return { 0, -sI / G, tD * sI * sM / G * sI };
        case Shape::AccelScale:
            return { 0, sI * cI, -tD * sI * cI * sM * sI };
        case Shape::AccelScaleXy3:
            return { 0, 0, 0.5 * (tD * sI * cM - cI) * sI };
        case Shape::MagBiasXy1:
            return { 0, 0, -cI * sM * H * sI };
        case Shape::MagBiasXy2:
            return { 0, 0, cM * H * sI };
        case Shape::MagAxial:
            return { 0, 0, sI * sM * H * sI };
        case Shape::MagScaleXy1:
            return { 0, 0, sI * sM * (tD * cI + sI * cM) / std::numbers::sqrt2 * sI };
        case Shape::MagScaleXy2:
            return { 0, 0, 0.5 * sM * (tD * sI * cI - cI * cI * cM - cM) * sI };
        case Shape::MagScaleXy3:
            return { 0, 0, 0.5 * (cI * cM * cM - cI * sM * sM - tD * sI * cM) * sI };
        case Shape::MagScaleZ:
            return { 0, 0, -(sI * cM + tD * cI) * sI * sM * sI };
        case Shape::Azimuth:
            return { 0, 0, sI };
        case Shape::SinInc:
            return { 0, std::abs(sI), 0 };
        case Shape::SagEnhanced:
            return { 0, std::sqrt(std::sqrt(std::abs(sI))), 0 };
        case Shape::MisalignNorth:
        case Shape::MisalignNorthStep:
            return { 0, std::abs(cI) * p.cT, -std::abs(cI) * p.sT };
        case Shape::MisalignEast:
        case Shape::MisalignEastStep:
            return { 0, std::abs(cI) * p.sT, std::abs(cI) * p.cT };
        case Shape::CourseHigh:
        case Shape::CourseLateral:
            break;
        }
        return {};
    }

    // A source's error vectors at a station: e (both intervals) and e* (the one above).
    struct Effect
    {
        Vec3 e, eStar;
    };

    inline Effect effectOf(const Source &s, const Place &p, const Reach &r, const Setup &m)
    {
        if (s.shape == Shape::CourseHigh) {
            const Vec3 x = (s.scale * r.courseHigh) * r.high;
            return { x, x };
        }
        if (s.shape == Shape::CourseLateral) {
            const Vec3 x = (s.scale * r.courseLateral) * r.lateral;
            return { x, x };
        }
        const bool vertical = p.vertical && terms::singularWhenVertical(s.shape);
        Weights w = weightsOf(s.shape, p, m, vertical);
        if (s.shape == Shape::MisalignNorthStep || s.shape == Shape::MisalignEastStep) {
            w.i *= r.step;
            w.a *= r.step;
        }
        const Vec3 u = w.i * (vertical ? r.highVertical : r.high) + w.a * r.lateral;
        return { s.scale * (w.d * r.depthBoth + r.lengthBoth * u),
            s.scale * (w.d * r.depthAbove + r.lengthAbove * u) };
    }

    double factorOf(terms::Factor f, const Setup &m)
    {
        switch (f) {
        case terms::Factor::One:
            return 1.0;
        case terms::Factor::MinusOne:
            return -1.0;
        case terms::Factor::Half:
            return 0.5;
        case terms::Factor::InvSqrt2:
            return 1.0 / std::numbers::sqrt2;
        case terms::Factor::PerHorizontalField:
            return m.perHorizontalField;
        }
        return 1.0;
    }

    // The model's sources one by one, or (`merged`) with those of one shape and
    // propagation taken together.
    std::vector<Source> sourcesOf(ErrorModel model, const Setup &m, bool merged)
    {
        std::vector<Source> out;
        for (const terms::Term &t : terms::termsOf(model)) {
            Source s;
            s.shape = t.shape;
            s.random = t.propagation == terms::Propagation::Random;
            s.scale = t.magnitude * (t.degrees ? kRadian : 1.0) * factorOf(t.factor, m);
            const auto same = std::find_if(out.begin(), out.end(),
                [&](const Source &o) { return o.shape == s.shape && o.random == s.random; });
            if (merged && same != out.end())
                same->scale = std::hypot(same->scale, s.scale);
            else
                out.push_back(s);
        }
        return out;
    }

    // The stations of `path` as places.
    std::vector<Place> stationPlaces(const traj::Trajectory &path, const Setup &m)
    {
        std::vector<Place> places(path.stations.size());
        placesOf(
            places.size(),
            [&](std::size_t i) {
                const traj::Station &s = path.stations[i];
                return std::array<double, 4> { s.md, s.tvd, s.inclination, s.azimuth };
            },
            m, places.data());
        return places;
    }

    // The running sums of the sources over the stations passed.
    struct Sums
    {
        std::vector<Vec3> errors; // Σ e (systematic sources)
        std::vector<Sym3> squares; // Σ e eᵀ (random sources)

        explicit Sums(std::size_t sources)
            : errors(sources)
            , squares(sources)
        {
        }
    };

    // The sweep down the stations. At station k ≥ 1, `station(k, source, covariance)`
    // receives each source's covariance there; before that station's errors join the
    // sums, `between(k, sums)` may take the points on the interval below it (k = 0 for
    // the first interval, with empty sums).
    template <class Station, class Between>
    void sweep(const std::vector<Place> &places, const std::vector<Source> &sources,
        const Setup &m, Station station, Between between)
    {
        const std::size_t n = places.size();
        if (n == 0)
            return;
        Sums sums(sources.size());
        std::vector<Effect> effects(sources.size());
        between(std::size_t { 0 }, sums);
        for (std::size_t k = 1; k < n; ++k) {
            const Place *below = k + 1 < n ? &places[k + 1] : nullptr;
            const Reach r = reachOf(places[k - 1], places[k], below, k == 1, m);
            for (std::size_t g = 0; g < sources.size(); ++g) {
                const Effect f = effectOf(sources[g], places[k], r, m);
                Sym3 c;
                if (sources[g].random) {
                    c = sums.squares[g];
                    addOuter(c, f.eStar);
                } else {
                    addOuter(c, sums.errors[g] + f.eStar);
                }
                station(k, g, c);
                effects[g] = f;
            }
            between(k, sums);
            for (std::size_t g = 0; g < sources.size(); ++g) {
                if (sources[g].random)
                    addOuter(sums.squares[g], effects[g].e);
                else
                    sums.errors[g] += effects[g].e;
            }
        }
    }

    // The covariance at `point`, a place on the interval below station k, from the sums
    // over the stations above k.
    Sym3 pointCovariance(const std::vector<Place> &places, std::size_t k, const Place &point,
        const std::vector<Source> &sources, const Sums &sums, const Setup &m)
    {
        // Station k's errors with the interval below it ending at the point, the point's own.
        Reach atK;
        if (k >= 1)
            atK = reachOf(places[k - 1], places[k], &point, k == 1, m);
        const Reach atPoint = reachOf(places[k], point, nullptr, k == 0, m);
        Sym3 c;
        for (std::size_t g = 0; g < sources.size(); ++g) {
            const Vec3 e = k >= 1 ? effectOf(sources[g], places[k], atK, m).e : Vec3 {};
            const Vec3 eStar = effectOf(sources[g], point, atPoint, m).eStar;
            if (sources[g].random) {
                add(c, sums.squares[g]);
                addOuter(c, e);
                addOuter(c, eStar);
            } else {
                addOuter(c, sums.errors[g] + e + eStar);
            }
        }
        return c;
    }

    bool modelChosen(const Inputs &inputs) { return !terms::termsOf(inputs.model).empty(); }

} // namespace

std::vector<Sym3> stationCovariances(const traj::Trajectory &path, const Inputs &inputs)
{
    std::vector<Sym3> out(path.stations.size());
    if (!modelChosen(inputs))
        return out;
    const Setup m = setupOf(inputs);
    const std::vector<Place> places = stationPlaces(path, m);
    const std::vector<Source> sources = sourcesOf(inputs.model, m, true);
    sweep(
        places, sources, m, [&](std::size_t k, std::size_t, const Sym3 &c) { add(out[k], c); },
        [](std::size_t, const Sums &) {});
    return out;
}

std::vector<SourceCovariances> sourceBreakdown(const traj::Trajectory &path, const Inputs &inputs)
{
    std::vector<SourceCovariances> out;
    if (!modelChosen(inputs))
        return out;
    const Setup m = setupOf(inputs);
    for (const terms::Term &t : terms::termsOf(inputs.model))
        out.push_back({ t.code, std::vector<Sym3>(path.stations.size()) });
    const std::vector<Place> places = stationPlaces(path, m);
    const std::vector<Source> sources = sourcesOf(inputs.model, m, false);
    sweep(
        places, sources, m,
        [&](std::size_t k, std::size_t g, const Sym3 &c) { out[g].stations[k] = c; },
        [](std::size_t, const Sums &) {});
    return out;
}

std::vector<Sym3> pointCovariances(
    const traj::Trajectory &path, const Inputs &inputs, const std::vector<traj::Point> &points)
{
    std::vector<Sym3> out(points.size());
    const std::size_t n = path.stations.size();
    if (!modelChosen(inputs) || n == 0)
        return out;
    const Setup m = setupOf(inputs);
    const std::vector<Place> places = stationPlaces(path, m);
    const std::vector<Source> sources = sourcesOf(inputs.model, m, true);

    // A point at a station (or outside the stations) takes the station's covariance; the
    // others are taken in the sweep, in the order of their intervals and depths.
    std::vector<std::size_t> atStation(points.size(), n);
    std::vector<std::size_t> between;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const traj::Point &p = points[i];
        const std::size_t k
            = static_cast<std::size_t>(std::clamp(p.interval, 0, static_cast<int>(n) - 1));
        if (k == 0 || p.atStation || k != static_cast<std::size_t>(p.interval) || !(p.md < places[k].md))
            atStation[i] = k;
        else if (!(p.md > places[k - 1].md))
            atStation[i] = k - 1;
        else
            between.push_back(i);
    }
    std::sort(between.begin(), between.end(), [&](std::size_t a, std::size_t b) {
        return points[a].interval != points[b].interval ? points[a].interval < points[b].interval
                                                         : points[a].md < points[b].md;
    });
    std::vector<Place> betweenPlaces(between.size());
    placesOf(
        between.size(),
        [&](std::size_t j) {
            const traj::Point &p = points[between[j]];
            return std::array<double, 4> { p.md, p.tvd, p.inclination, p.azimuth };
        },
        m, betweenPlaces.data());

    std::vector<Sym3> stations(n);
    std::size_t next = 0;
    sweep(
        places, sources, m, [&](std::size_t k, std::size_t, const Sym3 &c) { add(stations[k], c); },
        [&](std::size_t k, const Sums &sums) {
            for (; next < between.size() && static_cast<std::size_t>(points[between[next]].interval) == k + 1;
                 ++next)
                out[between[next]] = pointCovariance(places, k, betweenPlaces[next], sources, sums, m);
        });
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (atStation[i] < n)
            out[i] = stations[atStation[i]];
    }
    return out;
}

} // namespace unc
