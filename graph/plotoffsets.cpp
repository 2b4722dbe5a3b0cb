// The neighbouring wells in the series of each view.
#include "graph/plotoffsets.h"

#include "graph/pagemath.h"
#include "listing/listing.h"

#include <algorithm>
#include <cmath>

namespace {

struct Horizontal
{
    double n = 1, e = 0;
};

// The variance along the horizontal direction (cn, ce) and its covariance with the
// vertical, from the north-east-vertical covariance, as a spread of (TVD, along).
PlotSpread alongWithDepth(const unc::Sym3 &c, double cn, double ce, double f2)
{
    const double variance = cn * cn * c.xx + 2.0 * cn * ce * c.xy + ce * ce * c.yy;
    return { c.zz * f2, variance * f2, (cn * c.xz + ce * c.yz) * f2 };
}

// The reference's displacement direction by TVD: one entry per station that reaches
// deeper than every station before it and has a displacement, in TVD order.
class DisplacementDirections
{
public:
    explicit DisplacementDirections(const traj::Trajectory &reference)
    {
        for (const traj::Station &s : reference.stations) {
            const double d = std::hypot(s.north, s.east);
            if (!(d > pagemath::kAbsoluteNoise) || (!m_tvd.empty() && !(s.tvd > m_tvd.back())))
                continue;
            m_tvd.push_back(s.tvd);
            m_dir.push_back({ s.north / d, s.east / d });
        }
    }

    bool any() const { return !m_tvd.empty(); }

    Horizontal at(double tvd) const
    {
        if (tvd <= m_tvd.front())
            return m_dir.front();
        if (tvd >= m_tvd.back())
            return m_dir.back();
        const std::size_t i = static_cast<std::size_t>(
            std::upper_bound(m_tvd.begin(), m_tvd.end(), tvd) - m_tvd.begin());
        const double f = (tvd - m_tvd[i - 1]) / (m_tvd[i] - m_tvd[i - 1]);
        const Horizontal &a = m_dir[i - 1], &b = m_dir[i];
        const double n = a.n + f * (b.n - a.n), e = a.e + f * (b.e - a.e);
        const double len = std::hypot(n, e);
        // Opposite directions on either side: the nearer one.
        if (!(len > 1e-9))
            return f < 0.5 ? a : b;
        return { n / len, e / len };
    }

private:
    std::vector<double> m_tvd;
    std::vector<Horizontal> m_dir;
};

PlotOffset startOffset(const OffsetPath &p)
{
    PlotOffset o;
    o.name = p.name;
    o.colour = p.colour;
    const std::size_t n = p.path.stations.size();
    o.x.resize(n);
    o.y.resize(n);
    return o;
}

bool hasSpread(const OffsetPath &p, bool withSpread)
{
    return withSpread && !p.covariances.empty() && p.covariances.size() == p.path.stations.size();
}

} // namespace

void addOffsets(PlotData &d, const OffsetPicture &offsets, const traj::Trajectory &reference,
    PlotView view, bool withSpread)
{
    const DisplacementDirections directions(reference);
    for (const OffsetPath &p : offsets.paths) {
        PlotOffset o = startOffset(p);
        const bool spread = hasSpread(p, withSpread);
        if (spread)
            o.spread.resize(p.covariances.size());
        for (std::size_t i = 0; i < p.path.stations.size(); ++i) {
            const traj::Station &s = p.path.stations[i];
            if (view == PlotView::Top) {
                o.x[i] = static_cast<float>(s.east);
                o.y[i] = static_cast<float>(s.north);
                if (spread) {
                    const unc::Sym3 &c = p.covariances[i];
                    o.spread[i] = { c.yy, c.xx, c.xy };
                }
                continue;
            }
            Horizontal h;
            if (directions.any()) {
                h = directions.at(s.tvd);
            } else {
                // From the slot outward, as a displacement is measured.
                const double r = std::hypot(s.north, s.east);
                if (r > 0.0)
                    h = { s.north / r, s.east / r };
            }
            o.x[i] = static_cast<float>(s.tvd);
            o.y[i] = static_cast<float>(s.north * h.n + s.east * h.e);
            if (spread)
                o.spread[i] = alongWithDepth(p.covariances[i], h.n, h.e, 1.0);
        }
        d.offsets.push_back(std::move(o));
    }
}

void addSectionOffsets(
    PlotData &d, const OffsetPicture &offsets, double azimuth, LengthUnit unit, bool withSpread)
{
    const double a = azimuth * units::kRadiansPerDegree;
    const double cn = std::cos(a), ce = std::sin(a);
    const double f = units::fromMetres(1.0, unit);
    for (const OffsetPath &p : offsets.paths) {
        PlotOffset o = startOffset(p);
        const bool spread = hasSpread(p, withSpread);
        if (spread)
            o.spread.resize(p.covariances.size());
        for (std::size_t i = 0; i < p.path.stations.size(); ++i) {
            const traj::Station &s = p.path.stations[i];
            o.x[i] = static_cast<float>(units::fromMetres(s.tvd, unit));
            o.y[i] = static_cast<float>(
                units::fromMetres(listing::verticalSection(s.north, s.east, azimuth), unit));
            if (spread)
                o.spread[i] = alongWithDepth(p.covariances[i], cn, ce, f * f);
        }
        d.offsets.push_back(std::move(o));
    }
}
