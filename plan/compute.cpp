// Sections into pieces, pieces into stations.
#include "plan/compute.h"

#include "core/units.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <tuple>

namespace plan {

namespace {

    using geom::Vec;

    constexpr double kPi = std::numbers::pi;
    // The largest value of a length, depth or coordinate, as for a tie-in.
    constexpr double kMaxLength = 1e9;
    // The most an arc turns between two stations (radians).
    constexpr double kMaxTurnPerInterval = kPi / 4.0;
    // Pieces shorter than this (metres) are rounding noise of a solution that has none: an
    // arc of that length turns by less than 1e-10 radians at the steepest rate allowed.
    constexpr double kNoLength = 1e-9;

    Refusal refuse(int section, Reason reason, std::vector<double> values = {})
    {
        Refusal r;
        r.section = section;
        r.reason = reason;
        r.values = std::move(values);
        return r;
    }

    Refusal refuseField(int section, Reason reason, Field field, std::vector<double> values = {})
    {
        Refusal r = refuse(section, reason, std::move(values));
        r.field = field;
        return r;
    }

    std::optional<Refusal> checkRange(int section, Field field, double value, double lo, double hi)
    {
        if (value < lo || value > hi)
            return refuseField(section, Reason::OutOfRange, field, { value, lo, hi });
        return std::nullopt;
    }

    // Where the path has got to.
    struct Cursor
    {
        Vec p, t;
        double md = 0;
        double carriedAzimuth = 0;
    };

    class Builder
    {
    public:
        explicit Builder(const Start &start)
        {
            m_at.p = { start.north, start.east, start.tvd };
            m_at.t = geom::tangentOf(start.inclination, start.azimuth);
            m_at.md = start.md;
            m_at.carriedAzimuth = start.azimuth;
        }

        std::optional<Refusal> add(const Section &s, int number);
        std::vector<Piece> take() { return std::move(m_path); }

    private:
        std::optional<Refusal> hold(const Section &s, int number);
        std::optional<Refusal> arc(const Section &s, int number);
        std::optional<Refusal> curveToTarget(const Section &s, int number);
        std::optional<Refusal> landing(const Section &s, int number);

        // Appends a piece from the cursor and moves the cursor to its end.
        void piece(int section, const Vec &normal, double kappa, double len);
        std::optional<Refusal> arcOfAngle(
            int section, const Vec &normal, double kappa, double theta);

        Cursor m_at;
        std::vector<Piece> m_path;
    };

    void Builder::piece(int section, const Vec &normal, double kappa, double len)
    {
        Piece p;
        p.section = section;
        p.mdFrom = m_at.md;
        p.mdTo = m_at.md + len;
        p.arc = { m_at.p, m_at.t, normal, kappa };
        p.carriedAzimuth = m_at.carriedAzimuth;
        m_path.push_back(p);
        m_at.p = p.arc.position(len);
        m_at.t = p.arc.tangent(len);
        m_at.md = p.mdTo;
        if (!geom::isVertical(m_at.t))
            m_at.carriedAzimuth = geom::azimuthOf(m_at.t, m_at.carriedAzimuth);
    }

    std::optional<Refusal> Builder::arcOfAngle(
        int section, const Vec &normal, double kappa, double theta)
    {
        if (theta >= kPi - 1e-12)
            return refuse(section, Reason::ArcTooLong, { units::degrees(theta) });
        const double len = theta / kappa;
        if (len < kMinPieceLength)
            return refuse(section, Reason::TooShort, { len, kMinPieceLength });
        piece(section, normal, kappa, len);
        return std::nullopt;
    }

    std::optional<Refusal> Builder::add(const Section &s, int number)
    {
        switch (s.kind) {
        case SectionKind::Hold:
            return hold(s, number);
        case SectionKind::Arc:
            return arc(s, number);
        case SectionKind::CurveToTarget:
            return curveToTarget(s, number);
        case SectionKind::Landing:
            break;
        }
        return landing(s, number);
    }

    std::optional<Refusal> Builder::hold(const Section &s, int number)
    {
        double len = 0;
        if (s.length) {
            len = *s.length;
        } else if (s.tvd) {
            const double down = m_at.t.d;
            len = std::abs(down) < 1e-12 ? -1.0 : (*s.tvd - m_at.p.d) / down;
            if (!(len > 0.0))
                return refuse(number, Reason::TvdNotReached, { m_at.p.d, *s.tvd });
        } else {
            len = *s.md - m_at.md;
            if (!(len > 0.0))
                return refuse(number, Reason::MdNotBelow, { m_at.md, *s.md });
        }
        if (len < kMinPieceLength)
            return refuse(number, Reason::TooShort, { len, kMinPieceLength });
        piece(number, {}, 0.0, len);
        return std::nullopt;
    }

    // The least angle in (0, 2 pi) among `roots` (any angles) that `accept` takes; none
    // when none does. Angles within 1e-12 of 0 (the start itself) do not count.
    template <class Accept>
    std::optional<double> firstRoot(std::array<double, 2> roots, Accept accept)
    {
        std::optional<double> best;
        for (double r : roots) {
            r = std::fmod(r, 2.0 * kPi);
            if (r < 0.0)
                r += 2.0 * kPi;
            if (r <= 1e-12 || r >= 2.0 * kPi - 1e-12 || !accept(r))
                continue;
            if (!best || r < *best)
                best = r;
        }
        return best;
    }

    std::optional<Refusal> Builder::arc(const Section &s, int number)
    {
        const double kappa = geom::curvatureOf(*s.dls);
        const Vec t = m_at.t;
        if (s.inclination && s.azimuth) {
            const Vec wanted = geom::tangentOf(*s.inclination, *s.azimuth);
            const double theta = geom::angleBetween(t, wanted);
            if (theta < 1e-12)
                return refuse(number, Reason::AlreadyThere);
            if (theta >= kPi - 1e-9)
                return refuse(number, Reason::ArcTooLong, { units::degrees(theta) });
            return arcOfAngle(number, geom::unit(wanted - geom::dot(wanted, t) * t), kappa, theta);
        }
        const Vec n = geom::normalOfToolFace(t, m_at.carriedAzimuth, *s.toolFace);
        if (s.length) {
            if (*s.length < kMinPieceLength)
                return refuse(number, Reason::TooShort, { *s.length, kMinPieceLength });
            const double theta = kappa * *s.length;
            if (theta >= kPi - 1e-12)
                return refuse(number, Reason::ArcTooLong, { units::degrees(theta) });
            piece(number, n, kappa, *s.length);
            return std::nullopt;
        }
        if (s.inclination) {
            // The downward component along the arc, cos(theta) t.d + sin(theta) n.d, equals
            // the cosine of the inclination asked where the arc reaches it.
            const double a = t.d, b = n.d, c = std::cos(units::radians(*s.inclination));
            const double r = std::hypot(a, b);
            if (r < 1e-12 || std::abs(c) > r)
                return refuse(number, Reason::InclinationNotReached, { *s.inclination });
            const double phi = std::atan2(b, a), delta = std::acos(std::clamp(c / r, -1.0, 1.0));
            const auto theta = firstRoot({ phi - delta, phi + delta }, [](double) { return true; });
            if (!theta)
                return refuse(number, Reason::AlreadyThere);
            return arcOfAngle(number, n, kappa, *theta);
        }
        // The azimuth asked: the tangent has no component across it (u) and a positive one
        // along it (w).
        const double az = units::radians(*s.azimuth);
        const Vec u { -std::sin(az), std::cos(az), 0.0 }, w { std::cos(az), std::sin(az), 0.0 };
        const double a = geom::dot(u, t), b = geom::dot(u, n);
        const geom::Arc probe { {}, t, n, 1.0 };
        const auto along = [&](double theta) {
            const Vec tt = probe.tangent(theta);
            return geom::dot(w, tt) > 1e-9;
        };
        if (std::hypot(a, b) < 1e-12) {
            // The arc stays in the vertical plane of the azimuth asked.
            return refuse(number, along(1e-6) ? Reason::AlreadyThere : Reason::AzimuthNotReached,
                { *s.azimuth });
        }
        const double root = std::atan2(-a, b);
        const auto theta = firstRoot({ root, root + kPi }, along);
        if (!theta)
            return refuse(number, Reason::AzimuthNotReached, { *s.azimuth });
        // Already on the azimuth and turning off it: the arc would come back only after a
        // full turn.
        if (std::abs(a) < 1e-12 && geom::dot(w, t) > 0.0)
            return refuse(number, Reason::AlreadyThere);
        return arcOfAngle(number, n, kappa, *theta);
    }

    std::optional<Refusal> Builder::curveToTarget(const Section &s, int number)
    {
        const double kappa = geom::curvatureOf(*s.dls), radius = 1.0 / kappa;
        const Vec target { *s.north, *s.east, *s.tvd };
        const Vec d = target - m_at.p;
        const Vec t = m_at.t;
        // The point in the plane of the arc: `a` ahead, `b` to the side it turns to.
        const double a = geom::dot(d, t);
        const Vec side = d - a * t;
        const double b = geom::length(side);
        if (geom::length(d) < kMinPieceLength)
            return refuse(number, Reason::TargetAtStart);
        if (b <= 1e-12 * std::max(1.0, std::abs(a))) {
            if (a < 0.0)
                return refuse(number, Reason::TargetBehind);
            piece(number, {}, 0.0, a);
            return std::nullopt;
        }
        const Vec n = (1.0 / b) * side;
        // Inside the circle the arc runs on, no tangent from it reaches the point.
        const double tangent2 = a * a + b * b - 2.0 * radius * b;
        if (tangent2 < 0.0)
            return refuse(number, Reason::TargetInsideTurningCircle, { radius, *s.dls });
        const double hold = std::sqrt(tangent2);
        // Seen from the centre of the circle, the point lies at the angle of (a, b - radius);
        // the end of the arc lies back from it by the angle of the tangent.
        double theta = std::atan2(b - radius, a) + kPi / 2.0 - std::atan2(hold, radius);
        if (theta < 0.0)
            theta += 2.0 * kPi;
        if (theta * radius >= kMinPieceLength && hold >= kMinPieceLength) {
            if (theta >= kPi - 1e-12)
                return refuse(number, Reason::ArcTooLong, { units::degrees(theta) });
            piece(number, n, kappa, theta * radius);
            // The hold from where the arc ends, straight at the point.
            const Vec rest = target - m_at.p;
            m_at.t = geom::unit(rest);
            piece(number, {}, 0.0, geom::length(rest));
            return std::nullopt;
        }
        // One arc through the point: the circle tangent to the hole here that passes through
        // it, never tighter than the rate asked, since the point lies outside that circle.
        const double through = 2.0 * std::atan2(b, a);
        const double flatter = (a * a + b * b) / (2.0 * b);
        return arcOfAngle(number, n, 1.0 / flatter, through);
    }

    // The arc-hold-arc of a landing, or why there is none.
    struct LandingSolution
    {
        Vec hold; // the direction of the hold
        double first = 0, straight = 0, second = 0; // lengths
        bool found = false;

        double total() const { return first + straight + second; }
    };

    // The arcs from t0 to u and from u to tf move the hole by r tan(angle / 2) along both of
    // their directions, the hold along u: so u must be the direction of
    // d - r tan(a1/2) t0 - r tan(a2/2) tf. This is that direction for a given u; false
    // where an arc would turn half round.
    struct LandingMap
    {
        Vec d, t0, tf;
        double radius = 0;

        bool operator()(const Vec &u, Vec &image) const
        {
            const double a1 = geom::angleBetween(t0, u), a2 = geom::angleBetween(u, tf);
            if (a1 > kPi - 1e-6 || a2 > kPi - 1e-6)
                return false;
            const Vec v
                = d - (radius * std::tan(a1 / 2.0)) * t0 - (radius * std::tan(a2 / 2.0)) * tf;
            if (geom::length(v) == 0.0)
                return false;
            image = geom::unit(v);
            return true;
        }

        LandingSolution at(const Vec &u) const
        {
            LandingSolution s;
            const double b1 = geom::angleBetween(t0, u), b2 = geom::angleBetween(u, tf);
            const double l1 = radius * std::tan(b1 / 2.0), l2 = radius * std::tan(b2 / 2.0);
            const Vec w = d - l1 * t0 - l2 * tf;
            s.hold = u;
            s.first = b1 * radius;
            s.second = b2 * radius;
            s.straight = geom::dot(w, u) - l1 - l2;
            s.found = geom::dot(w, u) > 0.0 && s.straight > -1e-9;
            return s;
        }
    };

    // The fixed point by iteration, each step moved `damping` of the way.
    LandingSolution iterateLanding(const LandingMap &map, double damping, int iterations)
    {
        Vec u = geom::unit(map.d), image;
        for (int i = 0; i < iterations; ++i) {
            if (!map(u, image))
                return {};
            const Vec next = geom::unit(u + damping * (image - u));
            const double change = geom::length(next - u);
            u = next;
            if (change < 1e-15)
                return map.at(u);
        }
        return {};
    }

    // The fixed point by Newton's method in the plane at right angles to u, from `u`.
    LandingSolution newtonLanding(const LandingMap &map, Vec u)
    {
        Vec image;
        const auto residual = [&](const Vec &x, Vec &r) {
            if (!map(x, image))
                return false;
            r = image - x;
            return true;
        };
        Vec r;
        if (!residual(u, r))
            return {};
        for (int i = 0; i < 100; ++i) {
            if (geom::length(r) < 1e-15)
                break;
            // Two directions at right angles to u and to each other.
            const Vec helper = std::abs(u.d) < 0.9 ? Vec { 0.0, 0.0, 1.0 } : Vec { 1.0, 0.0, 0.0 };
            const Vec e1 = geom::unit(geom::cross(u, helper)), e2 = geom::cross(u, e1);
            constexpr double h = 1e-7;
            double jac[2][2];
            for (int k = 0; k < 2; ++k) {
                const Vec e = k == 0 ? e1 : e2;
                Vec rp, rm;
                if (!residual(geom::unit(u + h * e), rp) || !residual(geom::unit(u - h * e), rm))
                    return {};
                const Vec dr = (1.0 / (2.0 * h)) * (rp - rm);
                jac[0][k] = geom::dot(dr, e1);
                jac[1][k] = geom::dot(dr, e2);
            }
            const double g1 = -geom::dot(r, e1), g2 = -geom::dot(r, e2);
            const double det = jac[0][0] * jac[1][1] - jac[0][1] * jac[1][0];
            if (!std::isfinite(det) || std::abs(det) < 1e-300)
                return {};
            const double x = (g1 * jac[1][1] - g2 * jac[0][1]) / det;
            const double y = (jac[0][0] * g2 - jac[1][0] * g1) / det;
            // Halve the step until the residual shrinks.
            double lambda = 1.0;
            Vec next, rn;
            bool better = false;
            for (int k = 0; k < 30; ++k, lambda /= 2.0) {
                next = geom::unit(u + (lambda * x) * e1 + (lambda * y) * e2);
                if (residual(next, rn) && geom::length(rn) < geom::length(r)) {
                    better = true;
                    break;
                }
            }
            if (!better)
                break;
            u = next;
            r = rn;
        }
        if (geom::length(r) > 1e-12)
            return {};
        return map.at(u);
    }

    // The landing: the iteration first, which settles on the natural solution where the
    // hold is long against the radius; else Newton's method from the most promising
    // directions of a coarse grid, and the shortest of the landings found.
    LandingSolution solveLanding(const Vec &d, const Vec &t0, const Vec &tf, double radius)
    {
        const LandingMap map { d, t0, tf, radius };
        for (const auto &[damping, iterations] :
            std::array<std::pair<double, int>, 2> { { { 1.0, 500 }, { 0.5, 2000 } } }) {
            const LandingSolution s = iterateLanding(map, damping, iterations);
            if (s.found)
                return s;
        }
        std::vector<std::pair<double, Vec>> starts;
        Vec image;
        for (double inclination = 0.0; inclination <= 180.0; inclination += 10.0) {
            for (double azimuth = 0.0; azimuth < 360.0; azimuth += 10.0) {
                const Vec u = geom::tangentOf(inclination, azimuth);
                if (map(u, image))
                    starts.push_back({ geom::length(image - u), u });
                if (inclination == 0.0 || inclination == 180.0)
                    break;
            }
        }
        std::sort(starts.begin(), starts.end(),
            [](const auto &a, const auto &b) { return a.first < b.first; });
        starts.resize(std::min<std::size_t>(starts.size(), 12));
        starts.insert(starts.begin(), { 0.0, geom::unit(d) });
        LandingSolution best;
        for (const auto &start : starts) {
            const LandingSolution s = newtonLanding(map, start.second);
            if (s.found && (!best.found || s.total() < best.total()))
                best = s;
        }
        return best;
    }

    std::optional<Refusal> Builder::landing(const Section &s, int number)
    {
        const double kappa = geom::curvatureOf(*s.dls), radius = 1.0 / kappa;
        const Vec target { *s.north, *s.east, *s.tvd };
        const Vec tf = geom::tangentOf(*s.inclination, *s.azimuth);
        const Vec d = target - m_at.p;
        if (geom::length(d) < kMinPieceLength)
            return refuse(number, Reason::TargetAtStart);
        const LandingSolution sol = solveLanding(d, m_at.t, tf, radius);
        if (!sol.found)
            return refuse(number, Reason::LandingNotReached, { *s.dls });
        std::array<double, 3> lengths { sol.first, std::max(sol.straight, 0.0), sol.second };
        for (double &len : lengths) {
            if (len < kNoLength)
                len = 0.0;
            else if (len < kMinPieceLength)
                return refuse(number, Reason::LandingPieceTooShort, { len, kMinPieceLength });
        }
        // The pieces, then the check that they arrive where and as asked: an iteration that
        // settled elsewhere is no landing.
        const Cursor before = m_at;
        const std::size_t pieces = m_path.size();
        const Vec u = sol.hold;
        if (lengths[0] > 0.0)
            piece(number, geom::unit(u - geom::dot(u, m_at.t) * m_at.t), kappa, lengths[0]);
        m_at.t = u;
        if (lengths[1] > 0.0)
            piece(number, {}, 0.0, lengths[1]);
        if (lengths[2] > 0.0)
            piece(number, geom::unit(tf - geom::dot(tf, u) * u), kappa, lengths[2]);
        const double scale = std::max(1.0, geom::length(d));
        if (geom::length(m_at.p - target) > 1e-9 * scale || geom::angleBetween(m_at.t, tf) > 1e-10
            || m_path.size() == pieces) {
            m_path.resize(pieces);
            m_at = before;
            return refuse(number, Reason::LandingNotReached, { *s.dls });
        }
        m_at.t = tf;
        return std::nullopt;
    }

    // The station `s` metres into piece `p` at measured depth `md`; its interval began
    // `from` metres into the piece.
    PlanStation stationAt(const Piece &p, double s, double md, double from)
    {
        PlanStation st;
        st.md = md;
        const Vec pos = p.arc.position(s), t = p.arc.tangent(s);
        st.tvd = pos.d;
        st.north = pos.n;
        st.east = pos.e;
        st.inclination = geom::inclinationOf(t);
        st.azimuth = geom::azimuthOf(t, p.carriedAzimuth);
        st.section = p.section;
        st.doglegPer30 = p.doglegPer30();
        if (!p.isHold())
            st.toolFace
                = geom::toolFaceOf(p.arc.tangent(from), p.carriedAzimuth, p.arc.normal(from));
        return st;
    }

    std::vector<PlanStation> stationsOf(
        const Start &start, const std::vector<Piece> &path, double step)
    {
        std::vector<PlanStation> out;
        PlanStation first;
        first.md = start.md;
        first.tvd = start.tvd;
        first.north = start.north;
        first.east = start.east;
        first.inclination = start.inclination;
        first.azimuth = start.azimuth;
        first.sectionEnd = true;
        out.push_back(first);
        struct At
        {
            double s, md;
        };
        std::vector<At> at;
        for (std::size_t k = 0; k < path.size(); ++k) {
            const Piece &p = path[k];
            at.clear();
            // The multiples of the step inside the piece, their depths exactly those.
            const double lo = std::ceil((p.mdFrom + kMinPieceLength) / step);
            const double hi = std::floor((p.mdTo - kMinPieceLength) / step);
            for (double j = lo; j <= hi; j += 1.0)
                at.push_back({ j * step - p.mdFrom, j * step });
            at.push_back({ p.length(), p.mdTo });
            At previous { 0.0, p.mdFrom };
            for (const At &a : at) {
                const double turn = p.arc.kappa * (a.s - previous.s);
                const int parts = turn > kMaxTurnPerInterval
                    ? static_cast<int>(std::ceil(turn / kMaxTurnPerInterval))
                    : 1;
                for (int i = 1; i <= parts; ++i) {
                    const double from = previous.s + (a.s - previous.s) * (i - 1) / parts;
                    const double here = previous.s + (a.s - previous.s) * i / parts;
                    const double md = previous.md + (a.md - previous.md) * i / parts;
                    out.push_back(
                        i == parts ? stationAt(p, a.s, a.md, from) : stationAt(p, here, md, from));
                }
                previous = a;
            }
            const bool lastOfSection = k + 1 == path.size() || path[k + 1].section != p.section;
            out.back().sectionEnd = lastOfSection;
        }
        return out;
    }

} // namespace

std::optional<Refusal> checkSection(const Section &s, int number)
{
    constexpr std::array<Field, kFieldCount> kAll { Field::Length, Field::Dls, Field::ToolFace,
        Field::North, Field::East, Field::Tvd, Field::Md, Field::Inclination, Field::Azimuth };
    for (Field f : kAll) {
        if (s.value(f) && !std::isfinite(*s.value(f)))
            return refuseField(number, Reason::NotFinite, f);
    }
    std::vector<Field> needed, allowed;
    switch (s.kind) {
    case SectionKind::Hold: {
        allowed = { Field::Length, Field::Tvd, Field::Md };
        std::vector<Field> given;
        for (Field f : allowed) {
            if (s.value(f))
                given.push_back(f);
        }
        if (given.empty())
            return refuseField(number, Reason::MissingValue, Field::Length);
        if (given.size() > 1) {
            Refusal r = refuseField(number, Reason::ConflictingValues, given[0]);
            r.other = given[1];
            return r;
        }
        break;
    }
    case SectionKind::Arc:
        needed = { Field::Dls };
        allowed
            = { Field::Dls, Field::Length, Field::ToolFace, Field::Inclination, Field::Azimuth };
        if (s.length) {
            for (Field f : { Field::Inclination, Field::Azimuth }) {
                if (s.value(f)) {
                    Refusal r = refuseField(number, Reason::ConflictingValues, Field::Length);
                    r.other = f;
                    return r;
                }
            }
            needed.push_back(Field::ToolFace);
        } else if (s.inclination && s.azimuth) {
            if (s.toolFace) {
                Refusal r = refuseField(number, Reason::ConflictingValues, Field::ToolFace);
                r.other = Field::Azimuth;
                return r;
            }
        } else if (s.inclination || s.azimuth) {
            needed.push_back(Field::ToolFace);
        } else {
            return refuseField(number, Reason::MissingValue, Field::Length);
        }
        break;
    case SectionKind::CurveToTarget:
        needed = { Field::Dls, Field::North, Field::East, Field::Tvd };
        allowed = needed;
        break;
    case SectionKind::Landing:
        needed = { Field::Dls, Field::North, Field::East, Field::Tvd, Field::Inclination,
            Field::Azimuth };
        allowed = needed;
        break;
    }
    for (Field f : needed) {
        if (!s.value(f))
            return refuseField(number, Reason::MissingValue, f);
    }
    for (Field f : kAll) {
        if (s.value(f) && std::find(allowed.begin(), allowed.end(), f) == allowed.end())
            return refuseField(number, Reason::UnusedValue, f);
    }
    if (s.dls) {
        if (!(*s.dls > 0.0))
            return refuseField(number, Reason::DoglegNotPositive, Field::Dls, { *s.dls });
        if (*s.dls > kMaxDoglegPer30)
            return refuseField(
                number, Reason::DoglegOverLimit, Field::Dls, { *s.dls, kMaxDoglegPer30 });
    }
    if (s.length && !(*s.length >= kMinPieceLength))
        return refuseField(number, Reason::TooShort, Field::Length, { *s.length, kMinPieceLength });
    const std::array<std::tuple<Field, double, double>, 8> ranges { {
        { Field::Length, 0.0, kMaxLength },
        { Field::ToolFace, -360.0, 360.0 },
        { Field::North, -kMaxLength, kMaxLength },
        { Field::East, -kMaxLength, kMaxLength },
        { Field::Tvd, -kMaxLength, kMaxLength },
        { Field::Md, 0.0, kMaxLength },
        { Field::Inclination, 0.0, 180.0 },
        { Field::Azimuth, 0.0, 360.0 },
    } };
    for (const auto &[f, lo, hi] : ranges) {
        if (s.value(f)) {
            if (auto r = checkRange(number, f, *s.value(f), lo, hi))
                return r;
        }
    }
    return std::nullopt;
}

std::optional<Refusal> checkTarget(const Target &t, int number)
{
    Refusal r;
    r.target = number;
    for (double v : { t.north, t.east, t.tvd, t.radius, t.northFrom, t.northTo, t.eastFrom,
             t.eastTo, t.tvdFrom, t.tvdTo, t.inclination, t.azimuth, t.angleTolerance }) {
        if (!std::isfinite(v)) {
            r.reason = Reason::TargetNotFinite;
            return r;
        }
    }
    bool fine = true;
    if (t.kind == TargetKind::Box)
        fine = t.northFrom <= t.northTo && t.eastFrom <= t.eastTo && t.tvdFrom <= t.tvdTo;
    else
        fine = t.radius >= 0.0;
    if (t.kind == TargetKind::Landing) {
        fine = fine && t.angleTolerance >= 0.0 && t.inclination >= 0.0 && t.inclination <= 180.0
            && t.azimuth >= 0.0 && t.azimuth <= 360.0;
    }
    if (!fine) {
        r.reason = Reason::TargetOutOfRange;
        return r;
    }
    return std::nullopt;
}

std::vector<PlanStation> ComputedPlan::sectionEnds() const
{
    std::vector<PlanStation> ends;
    for (const PlanStation &s : stations) {
        if (s.sectionEnd && s.section > 0)
            ends.push_back(s);
    }
    return ends;
}

PlanResult compute(const Plan &plan, double step)
{
    PlanResult result;
    const auto refused = [&](Refusal r) {
        result.refusal = std::move(r);
        return result;
    };
    const Start &st = plan.start;
    const std::array<std::pair<Field, double>, 6> start { { { Field::Md, st.md },
        { Field::Tvd, st.tvd }, { Field::North, st.north }, { Field::East, st.east },
        { Field::Inclination, st.inclination }, { Field::Azimuth, st.azimuth } } };
    for (const auto &[f, v] : start) {
        if (!std::isfinite(v))
            return refused(refuseField(0, Reason::StartNotFinite, f));
        const double lo
            = f == Field::Md || f == Field::Inclination || f == Field::Azimuth ? 0.0 : -kMaxLength;
        const double hi = f == Field::Inclination ? 180.0
            : f == Field::Azimuth                 ? 360.0
                                                  : kMaxLength;
        if (v < lo || v > hi)
            return refused(refuseField(0, Reason::StartOutOfRange, f, { v }));
    }
    if (!(std::isfinite(step) && step >= kMinStep))
        return refused(refuse(0, Reason::StepInvalid, { step }));
    if (plan.sections.empty())
        return refused(refuse(0, Reason::NoSections));
    for (std::size_t i = 0; i < plan.sections.size(); ++i) {
        if (auto r = checkSection(plan.sections[i], static_cast<int>(i) + 1))
            return refused(*r);
    }
    for (std::size_t i = 0; i < plan.targets.size(); ++i) {
        if (auto r = checkTarget(plan.targets[i], static_cast<int>(i) + 1))
            return refused(*r);
    }
    Builder builder(st);
    for (std::size_t i = 0; i < plan.sections.size(); ++i) {
        if (auto r = builder.add(plan.sections[i], static_cast<int>(i) + 1))
            return refused(*r);
    }
    ComputedPlan computed;
    computed.path = builder.take();
    // Stations of the step, the pieces' ends and at most four more per arc.
    const double total = computed.path.back().mdTo - computed.path.front().mdFrom;
    if (total / step + 5.0 * static_cast<double>(computed.path.size()) + 1.0 > kMaxStations)
        return refused(refuse(0, Reason::TooManyStations, { step }));
    computed.stations = stationsOf(st, computed.path, step);
    for (const Target &t : plan.targets)
        computed.targets.push_back(evaluate(t, computed.path));
    result.plan = std::move(computed);
    return result;
}

traj::Trajectory stationPath(const ComputedPlan &plan)
{
    traj::Trajectory t;
    t.stations.reserve(plan.stations.size());
    for (const PlanStation &p : plan.stations) {
        traj::Station s;
        s.md = p.md;
        s.inclination = p.inclination;
        s.azimuth = p.azimuth;
        s.tvd = p.tvd;
        s.north = p.north;
        s.east = p.east;
        s.doglegPer30 = p.doglegPer30;
        t.stations.push_back(s);
    }
    return t;
}

} // namespace plan
