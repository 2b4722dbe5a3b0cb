// A minimum-curvature path computed another way, to check the program's trajectory
// against: on each interval the tangent is turned about the dogleg's axis (Rodrigues'
// rotation) and the position is the closed-form integral of that turning tangent. No
// ratio factor, no tangent length, no interpolation weights.
#pragma once

#include <cmath>
#include <numbers>
#include <vector>

namespace rotated {

struct Vec
{
    double n = 0, e = 0, d = 0;
};

inline Vec operator+(Vec a, Vec b)
{
    return { a.n + b.n, a.e + b.e, a.d + b.d };
}

inline Vec operator*(double f, Vec a)
{
    return { f * a.n, f * a.e, f * a.d };
}

inline double dot(Vec a, Vec b)
{
    return a.n * b.n + a.e * b.e + a.d * b.d;
}

inline Vec cross(Vec a, Vec b)
{
    return { a.e * b.d - a.d * b.e, a.d * b.n - a.n * b.d, a.n * b.e - a.e * b.n };
}

inline Vec tangent(double inclinationDeg, double azimuthDeg)
{
    const double r = std::numbers::pi / 180.0;
    const double i = inclinationDeg * r, a = azimuthDeg * r;
    return { std::sin(i) * std::cos(a), std::sin(i) * std::sin(a), std::cos(i) };
}

class Path
{
public:
    // Stations: measured depth (m), inclination and azimuth (degrees); the first at the
    // origin.
    Path(const std::vector<double> &md, const std::vector<double> &inc,
        const std::vector<double> &azi)
        : m_md(md)
    {
        for (std::size_t i = 0; i < md.size(); ++i)
            m_t.push_back(tangent(inc[i], azi[i]));
        m_p.push_back({});
        for (std::size_t i = 1; i < md.size(); ++i)
            m_p.push_back(m_p.back() + offset(i, md[i] - md[i - 1]));
    }

    std::size_t size() const { return m_md.size(); }
    const Vec &station(std::size_t i) const { return m_p[i]; }

    // Position at measured depth `md` (within the stations): tvd = d, north = n, east = e.
    Vec at(double md) const
    {
        std::size_t i = 1;
        while (i + 1 < m_md.size() && m_md[i] < md)
            ++i;
        return m_p[i - 1] + offset(i, md - m_md[i - 1]);
    }

private:
    // Offset after s metres into the interval that ends at station i.
    Vec offset(std::size_t i, double s) const
    {
        const Vec t1 = m_t[i - 1], t2 = m_t[i];
        const Vec axis = cross(t1, t2);
        const double sinTheta = std::sqrt(dot(axis, axis));
        const double theta = std::atan2(sinTheta, dot(t1, t2));
        if (theta == 0.0)
            return s * t1;
        // Unit vector in the plane of the arc, normal to t1 and towards t2: k x t1.
        const Vec k = (1.0 / sinTheta) * axis;
        const Vec u = cross(k, t1);
        const double radius = (m_md[i] - m_md[i - 1]) / theta;
        const double phi = theta * s / (m_md[i] - m_md[i - 1]);
        const double half = std::sin(phi / 2.0);
        // R sin(phi) along t1 and R (1 - cos(phi)) towards the centre.
        return (radius * std::sin(phi)) * t1 + (radius * 2.0 * half * half) * u;
    }

    std::vector<double> m_md;
    std::vector<Vec> m_t;
    std::vector<Vec> m_p;
};

} // namespace rotated
