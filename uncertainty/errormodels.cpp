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
#include "uncertainty/settings.h"
#include "uncertainty/uncertainty.h"

#include "core/vectormath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <span>
#include <type_traits>

namespace unc {

namespace {

    using terms::Shape;

    constexpr double kRadian = std::numbers::pi / 180.0;
    constexpr double kHalfSqrt2 = 0.5 * std::numbers::sqrt2; // 1/√2

    struct Vec3
    {
        double n = 0, e = 0, v = 0;
    };

    inline Vec3 operator+(const Vec3 &a, const Vec3 &b)
    {
        return { a.n + b.n, a.e + b.e, a.v + b.v };
    }
    inline Vec3 operator-(const Vec3 &a, const Vec3 &b)
    {
        return { a.n - b.n, a.e - b.e, a.v - b.v };
    }
    inline Vec3 operator*(double s, const Vec3 &a)
    {
        return { s * a.n, s * a.e, s * a.v };
    }
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

    // The inputs as the weighting functions take them.
    struct Setup
    {
        double perGravity = 1 / 9.80665;
        double tanDip = 0;
        double perHorizontalField = 0; // 1 / (B cos Dip)
        double perField = 0; // 1 / B
        double sinTurn = 0, cosTurn = 1; // true azimuth = path azimuth + turn
        double sinDeclination = 0, cosDeclination = 1; // magnetic = true - declination
        double verticalLimit = 1e-4; // degrees
        bool doubledFirstInterval = false;
        double tortuosity = terms::kDefaultTortuosity; // radians per metre
        double misalignmentCourseLength = 10; // metres
        // 1 / (Ω cos latitude) in hours per radian, for rates in radians per hour; NaN
        // without a latitude, so that gyrocompassing is never taken as free of error.
        double perHorizontalEarthRate = std::numeric_limits<double>::quiet_NaN();
        // The model uses shapes beyond those of the MWD models (a tool library's code):
        // only then are their weights worth computing at every station.
        bool furtherShapes = false;
    };

    // The setup of `in` for the sources `terms`, with the course-length parameters of
    // `leg` (or of the inputs, for their model).
    Setup setupOf(const Inputs &in, std::span<const terms::Term> terms, const Leg *leg)
    {
        Setup m;
        m.perGravity = 1.0 / in.gravity;
        m.tanDip = std::tan(in.dip * kRadian);
        m.perHorizontalField = 1.0 / (in.totalField * std::cos(in.dip * kRadian));
        m.perField = 1.0 / in.totalField;
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
        m.doubledFirstInterval = in.model == ErrorModel::IscwsaMwdRev5 || !in.legs.empty();
        m.tortuosity = leg ? leg->tortuosity : in.tortuosity;
        m.misalignmentCourseLength
            = leg ? leg->misalignmentCourseLength : in.misalignmentCourseLength;
        if (in.latitude)
            m.perHorizontalEarthRate
                = 1.0 / (terms::kEarthRate * kRadian * std::cos(*in.latitude * kRadian));
        for (const terms::Term &t : terms)
            m.furtherShapes = m.furtherShapes || t.shape >= Shape::Inclination;
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
        // Unit vectors: the tangent's derivative by the inclination and by the azimuth
        // over sin I.
        Vec3 high, lateral;
        Vec3 depthBoth, depthAbove; // e, e* per unit depth error
        // e per unit inclination error (along `high`; for a vertical hole at the station's
        // azimuth) and per unit azimuth error times sin I (along `lateral`); e* is the
        // share `above` of e.
        Vec3 alongHigh, alongHighVertical, alongLateral;
        double above = 1;
        double step = 1; // max(1, √(10 m / ΔMD)) of the interval above
        double courseHigh = 0, courseLateral = 0; // the interval above's course-length errors
    };

    // The station `at` below `above`, with `below` the next station or point (null when
    // the survey ends at `at`: only e* is then meaningful). `first`: the interval above
    // is the survey's first.
    [[gnu::always_inline]] inline Reach reachOf(
        const Place &above, const Place &at, const Place *below, bool first, const Setup &m)
    {
        Reach r;
        const Vec3 t0 = above.tangent(), t1 = at.tangent();
        const double length = at.md - above.md;
        r.high = { at.cI * at.cA, at.cI * at.sA, -at.sI };
        r.lateral = { -at.sA, at.cA, 0 };
        r.depthAbove = 0.5 * (t0 + t1);
        const double lengthAbove = 0.5 * (first && m.doubledFirstInterval ? 2.0 : 1.0) * length;
        double lengthBoth = lengthAbove;
        if (below) {
            r.depthBoth = 0.5 * (t0 - below->tangent());
            lengthBoth += 0.5 * (below->md - at.md);
        }
        r.alongHigh = lengthBoth * r.high;
        r.alongHighVertical = { lengthBoth * at.cA, lengthBoth * at.sA, 0 };
        r.alongLateral = lengthBoth * r.lateral;
        r.above = lengthAbove / lengthBoth;
        r.step = std::max(1.0, std::sqrt(m.misalignmentCourseLength / length));
        const double least = m.tortuosity * length;
        r.courseHigh = length * std::max(std::abs(at.inc - above.inc), least);
        const double turn = above.inc < 1e-6 ? 0.0 : wrapped(at.azi - above.azi);
        r.courseLateral = length * std::max(std::abs(at.sI * turn), least);
        return r;
    }

    // Weights of a reading's depth (d), inclination (i) and azimuth times sin I (a). (No
    // initialisers: the table below is filled at every station, for every shape the model
    // uses.)
    struct Weights
    {
        double d, i, a;
    };
    using WeightTable = std::array<Weights, terms::kShapes>;

    // The weights of every shape at one place, at once: the loops over the sources then
    // only look them up. Shapes that divide by sin I take their limit at a vertical
    // place. The course-length shapes hold their error along the high side (i) or to
    // the lateral (a).
    [[gnu::always_inline]] inline void weightsAt(
        const Place &p, const Reach &r, const Setup &m, WeightTable &w)
    {
        const double sI = p.sI, cI = p.cI, sM = p.sM, cM = p.cM, sT = p.sT, cT = p.cT;
        const double tD = m.tanDip, g = m.perGravity, H = m.perHorizontalField;
        const auto set = [&](Shape s, double d, double i, double a) {
            w[static_cast<std::size_t>(s)] = { d, i, a };
        };
        set(Shape::DepthReference, 1.0, 0, 0);
        set(Shape::DepthScale, p.md, 0, 0);
        set(Shape::DepthStretch, p.md * p.tvd, 0, 0);
        set(Shape::AccelBiasXy1, 0, -cI * g, tD * cI * sM * g * sI);
        set(Shape::AccelBiasZ, 0, -sI * g, tD * sI * sM * g * sI);
        set(Shape::AccelScale, 0, sI * cI, -tD * sI * cI * sM * sI);
        set(Shape::AccelScaleXy3, 0, 0, 0.5 * (tD * sI * cM - cI) * sI);
        set(Shape::MagBiasXy1, 0, 0, -cI * sM * H * sI);
        set(Shape::MagBiasXy2, 0, 0, cM * H * sI);
        set(Shape::MagAxial, 0, 0, sI * sM * H * sI);
        set(Shape::MagScaleXy1, 0, 0, sI * sM * (tD * cI + sI * cM) * kHalfSqrt2 * sI);
        set(Shape::MagScaleXy2, 0, 0, 0.5 * sM * (tD * sI * cI - cI * cI * cM - cM) * sI);
        set(Shape::MagScaleXy3, 0, 0, 0.5 * (cI * cM * cM - cI * sM * sM - tD * sI * cM) * sI);
        set(Shape::MagScaleZ, 0, 0, -(sI * cM + tD * cI) * sI * sM * sI);
        set(Shape::Azimuth, 0, 0, sI);
        set(Shape::SinInc, 0, std::abs(sI), 0);
        set(Shape::SagEnhanced, 0, std::sqrt(std::sqrt(std::abs(sI))), 0);
        const double vsI = p.vertical ? 0.0 : sI, vcI = p.vertical ? 1.0 : cI;
        set(Shape::AccelBiasXy2, 0, 0, (vcI - tD * cM * vsI) * g);
        const double north = std::abs(vcI) * cT, east = std::abs(vcI) * sT;
        set(Shape::MisalignNorth, 0, north, -east);
        set(Shape::MisalignEast, 0, east, north);
        set(Shape::MisalignNorthStep, 0, r.step * north, -r.step * east);
        set(Shape::MisalignEastStep, 0, r.step * east, r.step * north);
        set(Shape::CourseHigh, 0, r.courseHigh, 0);
        set(Shape::CourseLateral, 0, 0, r.courseLateral);
        if (!m.furtherShapes)
            return; // their weights are never looked up
        set(Shape::Inclination, 0, 1.0, 0);
        set(Shape::Lateral, 0, 0, 1.0);
        set(Shape::SinIncSinAzM, 0, 0, sI * sM * sI);
        set(Shape::AccelScaleInc, 0, 1.3 * sI * cI, 0);
        set(Shape::AccelBiasZInc, 0, sI * g, 0);
        const double perD = 1.0 / (1.0 - sI * sI * sM * sM), tilt = sM * (tD * cI + sI * cM);
        set(Shape::AxialAccelBiasXy1, 0, -cI * g, cI * cI * tilt * g * perD * sI);
        set(Shape::AxialAccelBiasXy2, 0, 0,
            (vcI - tD * cM * vsI) * g / (1.0 - vsI * vsI * sM * sM));
        set(Shape::AxialAccelBiasZ, 0, -sI * g, sI * cI * tilt * g * perD * sI);
        set(Shape::AxialAccelScale, 0, sI * cI, -sI * cI * cI * tilt * perD * sI);
        set(Shape::AxialAccelScaleXy3, 0, 0, 0.5 * (tD * sI * cM - cI) * perD * sI);
        set(Shape::AxialMagBiasXy1, 0, 0, -cI * sM * H * perD * sI);
        set(Shape::AxialMagBiasXy2, 0, 0, cM * H * perD * sI);
        set(Shape::AxialMagScaleXy1, 0, 0, sI * tilt * kHalfSqrt2 * perD * sI);
        set(Shape::AxialMagScaleXy2, 0, 0,
            0.5 * sM * (tD * sI * cI - cI * cI * cM - cM) * perD * sI);
        set(Shape::AxialMagScaleXy3, 0, 0,
            0.5 * (cI * cM * cM - cI * sM * sM - tD * sI * cM) * perD * sI);
        set(Shape::AxialDip, 0, 0, -sI * sM * (cI - tD * sI * cM) * perD * sI);
        set(Shape::AxialField, 0, 0, -sI * tilt * m.perField * perD * sI);
        const double perCosI = 1.0 / cI;
        set(Shape::GyroBiasXy1, 0, 0, sT * perCosI * sI);
        set(Shape::GyroBiasXy2, 0, 0, cT * sI);
        set(Shape::GyroGravityXy1, 0, 0, cT * sI * sI);
        set(Shape::GyroGravityXy4, 0, 0, sT * sI * perCosI * sI);
        set(Shape::GyroNoiseXy, 0, 0,
            std::sqrt(std::max(0.0, 1.0 - cT * cT * sI * sI)) * perCosI * sI);
    }

    // How a source's error reaches the positions: through the depth; through the
    // inclination and azimuth; the same with a limit at a vertical station; as an error
    // vector of its own over the interval above.
    enum class Kind : unsigned char { Depth, Angles, AnglesWithLimit, Course };

    constexpr Kind kindOf(Shape s)
    {
        if (terms::depthOnly(s))
            return Kind::Depth;
        if (s == Shape::CourseHigh || s == Shape::CourseLateral)
            return Kind::Course;
        return terms::singularWhenVertical(s) ? Kind::AnglesWithLimit : Kind::Angles;
    }

    // One source as the sweep takes it: its weighting function and its magnitude with
    // the function's constant factor.
    struct Source
    {
        Shape shape = Shape::DepthReference;
        bool random = false;
        double scale = 0;
        std::size_t term = 0; // its place in the model's list (the first, when merged)
    };

    // The sources of one tool (the model, or one run's): its setup, and where its sources
    // lie in the model's list, the systematic ones first, each group in the order of the
    // kinds, with where each kind's run ends (the systematic kinds' ends, then the
    // random; indices into the whole list).
    struct LegModel
    {
        Setup setup;
        std::size_t first = 0, last = 0;
        std::array<std::size_t, 8> ends {};

        std::size_t systematic() const { return ends[3]; }
    };

    // Every tool's sources, one run after the other.
    struct Model
    {
        std::vector<Source> sources;
        std::vector<LegModel> legs; // one per run, or one for the model
    };

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
            return kHalfSqrt2;
        case terms::Factor::PerHorizontalField:
            return m.perHorizontalField;
        case terms::Factor::PerHorizontalEarthRate:
            return m.perHorizontalEarthRate;
        }
        return 1.0;
    }

    // The model of `inputs` with its sources one by one, or (`merged`) with those of one
    // tool, shape and propagation taken together.
    Model modelOf(const Inputs &inputs, bool merged)
    {
        Model model;
        std::vector<Source> &out = model.sources;
        std::size_t termBase = 0;
        const auto add = [&](std::span<const terms::Term> terms, const Leg *legInputs) {
            LegModel leg;
            leg.setup = setupOf(inputs, terms, legInputs);
            leg.first = out.size();
            for (std::size_t t = 0; t < terms.size(); ++t) {
                Source s;
                s.shape = terms[t].shape;
                s.random = terms[t].propagation == terms::Propagation::Random;
                s.scale = terms[t].magnitude * (terms[t].degrees ? kRadian : 1.0)
                    * factorOf(terms[t].factor, leg.setup);
                s.term = termBase + t;
                const auto same = std::find_if(out.begin() + leg.first, out.end(),
                    [&](const Source &o) { return o.shape == s.shape && o.random == s.random; });
                if (merged && same != out.end())
                    same->scale = std::hypot(same->scale, s.scale);
                else
                    out.push_back(s);
            }
            termBase += terms.size();
            const auto group = [](const Source &s) {
                return (s.random ? 4u : 0u) + static_cast<unsigned>(kindOf(s.shape));
            };
            const auto begin = out.begin() + leg.first;
            std::stable_sort(begin, out.end(),
                [&](const Source &a, const Source &b) { return group(a) < group(b); });
            for (unsigned k = 0; k < leg.ends.size(); ++k) {
                leg.ends[k] = leg.first + static_cast<std::size_t>(std::count_if(begin, out.end(),
                                  [&](const Source &s) { return group(s) <= k; }));
            }
            leg.last = out.size();
            model.legs.push_back(leg);
        };
        if (inputs.legs.empty())
            add(terms::termsOf(inputs.model), nullptr);
        for (const Leg &leg : inputs.legs)
            add(leg.terms, &leg);
        return model;
    }

    // The run whose tool reads a station or point at `md`; outside every run, the
    // nearest (what callers refuse beforehand: stationOutsideLegs).
    std::size_t legIndex(const Inputs &inputs, double md)
    {
        if (const auto leg = legAt(inputs, md))
            return *leg;
        std::size_t nearest = 0;
        for (std::size_t i = 0; i < inputs.legs.size(); ++i) {
            if (md >= inputs.legs[i].fromMd)
                nearest = i;
        }
        return nearest;
    }

    // A source's error vectors at a station: e (both intervals) and e* (the one above).
    struct Effect
    {
        Vec3 e, eStar;
    };

    // The error vectors of the sources of `leg` at place `p` with reach `r`, into `out`
    // at the sources' places in the model's list.
    [[gnu::always_inline]] inline void effectsAt(
        const Place &p, const Reach &r, const LegModel &leg, const Source *s, Effect *out)
    {
        WeightTable w;
        weightsAt(p, r, leg.setup, w);
        const Vec3 &highWithLimit = p.vertical ? r.alongHighVertical : r.alongHigh;
        const auto angles = [&](std::size_t first, std::size_t last, const Vec3 &high,
                                const Vec3 &lateral, double above) {
            for (std::size_t g = first; g < last; ++g) {
                const Weights &x = w[static_cast<std::size_t>(s[g].shape)];
                const Vec3 e = (s[g].scale * x.i) * high + (s[g].scale * x.a) * lateral;
                out[g] = { e, above * e };
            }
        };
        for (std::size_t half = 0, first = leg.first; half < 8; half += 4) {
            const std::size_t *end = leg.ends.data() + half;
            for (std::size_t g = first; g < end[0]; ++g) {
                const double d = s[g].scale * w[static_cast<std::size_t>(s[g].shape)].d;
                out[g] = { d * r.depthBoth, d * r.depthAbove };
            }
            angles(end[0], end[1], r.alongHigh, r.alongLateral, r.above);
            angles(end[1], end[2], highWithLimit, r.alongLateral, r.above);
            angles(end[2], end[3], r.high, r.lateral, 1.0);
            first = end[3];
        }
    }

    // The stations of `path` as places, made a chunk at a time as the sweep goes down: it
    // looks at three neighbours at once, and a survey of a million stations needs no copy
    // of itself.
    class StationPlaces
    {
    public:
        StationPlaces(const traj::Trajectory &path, const Setup &m)
            : path_(path)
            , setup_(m)
            , ring_(2 * kChunk)
        {
        }

        std::size_t size() const { return path_.stations.size(); }

        // Station k, for k no more than a chunk below the deepest one asked for so far.
        const Place &operator[](std::size_t k)
        {
            while (k >= made_) {
                const std::size_t first = made_;
                made_ = std::min(size(), first + kChunk);
                placesOf(
                    made_ - first,
                    [&](std::size_t i) {
                        const traj::Station &s = path_.stations[first + i];
                        return std::array<double, 4> { s.md, s.tvd, s.inclination, s.azimuth };
                    },
                    setup_, ring_.data() + first % ring_.size());
            }
            return ring_[k % ring_.size()];
        }

    private:
        static constexpr std::size_t kChunk = 256;
        const traj::Trajectory &path_;
        const Setup &setup_;
        std::vector<Place> ring_;
        std::size_t made_ = 0;
    };

    // The running sums of the sources over the stations passed, and the run of the
    // station that joined them last.
    struct Sums
    {
        std::vector<Vec3> errors; // Σ e (systematic sources)
        std::vector<Sym3> squares; // Σ e eᵀ (random sources, kept one by one on request)
        Sym3 allSquares; // Σ e eᵀ over all random sources
        std::size_t leg = 0;
        // Σ (Σ e)(Σ e)ᵀ over the systematic sources of every other run than `leg`: those
        // above are done, those below have no errors yet.
        Sym3 otherLegs;

        Sums(std::size_t sources, bool eachRandom)
            : errors(sources)
            , squares(eachRandom ? sources : 0)
        {
        }

        // Moves on to run `to`.
        void enter(std::size_t to, const Model &model)
        {
            leg = to;
            otherLegs = {};
            for (std::size_t l = 0; l < model.legs.size(); ++l) {
                if (l == to)
                    continue;
                for (std::size_t g = model.legs[l].first; g < model.legs[l].systematic(); ++g)
                    addOuter(otherLegs, errors[g]);
            }
        }
    };

    inline Sym3 operator+(const Sym3 &a, const Sym3 &b)
    {
        return { a.xx + b.xx, a.yy + b.yy, a.zz + b.zz, a.xy + b.xy, a.xz + b.xz, a.yz + b.yz };
    }

    // The runs of the stations, one station after the other.
    class LegCursor
    {
    public:
        explicit LegCursor(const Inputs &inputs)
            : inputs_(inputs)
        {
        }

        std::size_t at(double md)
        {
            if (inputs_.legs.size() > 1) {
                const Leg &leg = inputs_.legs[leg_];
                if (!intervalHolds(leg.fromMd, leg.toMd, md))
                    leg_ = legIndex(inputs_, md);
            }
            return leg_;
        }

    private:
        const Inputs &inputs_;
        std::size_t leg_ = 0;
    };

    // What a sweep does not want: no covariance per source, no points.
    struct Unwanted
    {
        template <class... A> void operator()(A &&...) const { }
    };

    // The sweep down the stations. At station k ≥ 1, `total(k, covariance)` receives the
    // sum over the sources and `perSource(k, source, covariance)` each source's share;
    // before that station's errors join the sums, `between(k, sums)` may take the points
    // on the interval below it (k = 0 for the first interval, with empty sums).
    template <class Total, class PerSource, class Between>
    void sweep(StationPlaces &places, const Inputs &inputs, const Model &model, Total total,
        PerSource perSource, Between between)
    {
        constexpr bool kPerSource = !std::is_same_v<PerSource, Unwanted>;
        const std::size_t n = places.size(), count = model.sources.size();
        if (n == 0)
            return;
        const Source *sources = model.sources.data();
        Sums sums(count, kPerSource);
        std::vector<Effect> effects(count);
        LegCursor legs(inputs);
        sums.enter(legs.at(places[0].md), model);
        between(std::size_t { 0 }, sums);
        for (std::size_t k = 1; k < n; ++k) {
            const Place *below = k + 1 < n ? &places[k + 1] : nullptr;
            const Place &above = places[k - 1], &at = places[k];
            const std::size_t l = legs.at(at.md);
            if (l != sums.leg)
                sums.enter(l, model);
            const LegModel &leg = model.legs[l];
            const std::size_t systematic = leg.systematic();
            effectsAt(at, reachOf(above, at, below, k == 1, leg.setup), leg, sources,
                effects.data());
            // In registers: through memory each source would wait for the one before.
            Sym3 sum = sums.allSquares;
            if (model.legs.size() > 1)
                sum = sum + sums.otherLegs;
            for (std::size_t g = leg.first; g < systematic; ++g) {
                const Vec3 c = sums.errors[g] + effects[g].eStar;
                addOuter(sum, c);
                if constexpr (kPerSource) {
                    Sym3 own;
                    addOuter(own, c);
                    perSource(k, sources[g].term, own);
                }
            }
            for (std::size_t g = systematic; g < leg.last; ++g) {
                addOuter(sum, effects[g].eStar);
                if constexpr (kPerSource) {
                    Sym3 own = sums.squares[g];
                    addOuter(own, effects[g].eStar);
                    perSource(k, sources[g].term, own);
                }
            }
            if constexpr (kPerSource) {
                // The other runs' sources as they stand.
                for (const LegModel &other : model.legs) {
                    if (&other == &leg)
                        continue;
                    for (std::size_t g = other.first; g < other.last; ++g) {
                        Sym3 own;
                        if (g < other.systematic())
                            addOuter(own, sums.errors[g]);
                        else
                            own = sums.squares[g];
                        perSource(k, sources[g].term, own);
                    }
                }
            }
            total(k, sum);
            between(k, sums);
            for (std::size_t g = leg.first; g < systematic; ++g)
                sums.errors[g] += effects[g].e;
            Sym3 squares = sums.allSquares;
            for (std::size_t g = systematic; g < leg.last; ++g) {
                addOuter(squares, effects[g].e);
                if constexpr (kPerSource)
                    addOuter(sums.squares[g], effects[g].e);
            }
            sums.allSquares = squares;
        }
    }

    // The covariance at `point`, a place on the interval below station k read by run
    // `pointLeg`, from the sums over the stations above k: station k's errors with the
    // interval below it ending at the point, and the point's own e*.
    Sym3 pointCovariance(StationPlaces &places, std::size_t k, const Place &point,
        std::size_t pointLeg, const Model &model, const Sums &sums, std::vector<Effect> &atK,
        std::vector<Effect> &atPoint)
    {
        const LegModel &kLeg = model.legs[sums.leg], &pLeg = model.legs[pointLeg];
        const Source *sources = model.sources.data();
        if (k >= 1)
            effectsAt(places[k],
                reachOf(places[k - 1], places[k], &point, k == 1, kLeg.setup), kLeg, sources,
                atK.data());
        else
            std::fill(atK.begin(), atK.end(), Effect {});
        effectsAt(point, reachOf(places[k], point, nullptr, k == 0, pLeg.setup), pLeg, sources,
            atPoint.data());
        Sym3 c = sums.allSquares;
        if (model.legs.size() > 1)
            c = c + sums.otherLegs; // the point's run, when another, has no errors yet
        const bool same = pointLeg == sums.leg;
        for (std::size_t g = kLeg.first; g < kLeg.systematic(); ++g)
            addOuter(c, sums.errors[g] + atK[g].e + (same ? atPoint[g].eStar : Vec3 {}));
        for (std::size_t g = kLeg.systematic(); g < kLeg.last; ++g)
            addOuter(c, atK[g].e);
        if (!same) {
            for (std::size_t g = pLeg.first; g < pLeg.systematic(); ++g)
                addOuter(c, atPoint[g].eStar);
        }
        for (std::size_t g = pLeg.systematic(); g < pLeg.last; ++g)
            addOuter(c, atPoint[g].eStar);
        return c;
    }

} // namespace

std::span<const terms::Term> termsOf(const Inputs &inputs)
{
    return inputs.legs.empty() ? terms::termsOf(inputs.model)
                               : std::span<const terms::Term>(inputs.legs.front().terms);
}

bool computesAnything(const Inputs &inputs)
{
    if (inputs.legs.empty())
        return !terms::termsOf(inputs.model).empty();
    return std::any_of(inputs.legs.begin(), inputs.legs.end(),
        [](const Leg &leg) { return !leg.terms.empty(); });
}

std::optional<std::size_t> legAt(const Inputs &inputs, double md)
{
    for (std::size_t i = 0; i < inputs.legs.size(); ++i) {
        if (intervalHolds(inputs.legs[i].fromMd, inputs.legs[i].toMd, md))
            return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> stationOutsideLegs(const traj::Trajectory &path, const Inputs &inputs)
{
    if (inputs.legs.empty())
        return std::nullopt;
    for (std::size_t k = 1; k < path.stations.size(); ++k) {
        if (!legAt(inputs, path.stations[k].md))
            return k;
    }
    return std::nullopt;
}

std::vector<Sym3> stationCovariances(const traj::Trajectory &path, const Inputs &inputs)
{
    std::vector<Sym3> out(path.stations.size());
    if (!computesAnything(inputs))
        return out;
    const Model model = modelOf(inputs, true);
    StationPlaces places(path, model.legs.front().setup);
    sweep(
        places, inputs, model, [&](std::size_t k, const Sym3 &c) { out[k] = c; }, Unwanted {},
        Unwanted {});
    return out;
}

std::vector<SourceCovariances> sourceBreakdown(const traj::Trajectory &path, const Inputs &inputs)
{
    std::vector<SourceCovariances> out;
    if (inputs.legs.empty()) {
        for (const terms::Term &t : terms::termsOf(inputs.model))
            out.push_back({ t.code, std::vector<Sym3>(path.stations.size()), 0, {} });
    }
    for (std::size_t l = 0; l < inputs.legs.size(); ++l) {
        std::string run;
        if (inputs.legs.size() > 1) {
            run = inputs.legs[l].tool;
            run += " (";
            run += std::to_string(l + 1);
            run += ')';
        }
        for (const terms::Term &t : inputs.legs[l].terms)
            out.push_back({ t.code, std::vector<Sym3>(path.stations.size()), l, run });
    }
    if (out.empty())
        return out;
    const Model model = modelOf(inputs, false);
    StationPlaces places(path, model.legs.front().setup);
    sweep(
        places, inputs, model, Unwanted {},
        [&](std::size_t k, std::size_t term, const Sym3 &c) { out[term].stations[k] = c; },
        Unwanted {});
    return out;
}

std::vector<Sym3> pointCovariances(
    const traj::Trajectory &path, const Inputs &inputs, const std::vector<traj::Point> &points)
{
    std::vector<Sym3> out(points.size());
    const std::size_t n = path.stations.size();
    if (!computesAnything(inputs) || n == 0)
        return out;
    const Model model = modelOf(inputs, true);
    const Setup &setup = model.legs.front().setup;
    const std::vector<traj::Station> &st = path.stations;

    // A point at a station (or outside the stations) takes the station's covariance; the
    // others are taken in the sweep, in the order of their intervals and depths.
    std::vector<std::size_t> atStation(points.size(), n);
    std::vector<std::size_t> between;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const traj::Point &p = points[i];
        const std::size_t k
            = static_cast<std::size_t>(std::clamp(p.interval, 0, static_cast<int>(n) - 1));
        if (k == 0 || p.atStation || k != static_cast<std::size_t>(p.interval)
            || !(p.md < st[k].md))
            atStation[i] = k;
        else if (!(p.md > st[k - 1].md))
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
        setup, betweenPlaces.data());

    std::vector<Sym3> stations(n);
    std::vector<Effect> atK(model.sources.size()), atPoint(model.sources.size());
    std::size_t next = 0;
    StationPlaces places(path, setup);
    sweep(
        places, inputs, model, [&](std::size_t k, const Sym3 &c) { stations[k] = c; },
        Unwanted {}, [&](std::size_t k, const Sums &sums) {
            for (; next < between.size()
                 && static_cast<std::size_t>(points[between[next]].interval) == k + 1;
                 ++next)
                out[between[next]] = pointCovariance(places, k, betweenPlaces[next],
                    legIndex(inputs, betweenPlaces[next].md), model, sums, atK, atPoint);
        });
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (atStation[i] < n)
            out[i] = stations[atStation[i]];
    }
    return out;
}

} // namespace unc
