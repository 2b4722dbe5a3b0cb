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
    double n = 0, e = 0, d = 0; // north, east, down (true vertical depth)
};

inline Vec add(Vec a, double f, Vec b)
{
    return { a.n + f * b.n, a.e + f * b.e, a.d + f * b.d };
}

inline Vec cross(Vec a, Vec b)
{
    return { a.e * b.d - a.d * b.e, a.d * b.n - a.n * b.d, a.n * b.e - a.e * b.n };
}

inline Vec tangent(double inclinationDeg, double azimuthDeg)
{
    const double i = inclinationDeg * std::numbers::pi / 180.0,
                 a = azimuthDeg * std::numbers::pi / 180.0;
    return { std::sin(i) * std::cos(a), std::sin(i) * std::sin(a), std::cos(i) };
}

class Path
{
public:
    // Stations: measured depth (m), inclination and azimuth (degrees); the first at the origin.
    Path(const std::vector<double> &md, const std::vector<double> &inc,
        const std::vector<double> &azi)
        : m_md(md)
    {
        for (std::size_t i = 0; i < md.size(); ++i)
            m_t.push_back(tangent(inc[i], azi[i]));
        m_p.push_back({});
        for (std::size_t i = 1; i < md.size(); ++i)
            m_p.push_back(along(i, md[i] - md[i - 1]));
    }

    const Vec &station(std::size_t i) const { return m_p[i]; }

    // Position at measured depth `md` within the stations.
    Vec at(double md) const
    {
        std::size_t i = 1;
        while (i + 1 < m_md.size() && m_md[i] < md)
            ++i;
        return along(i, md - m_md[i - 1]);
    }

private:
    // Position s metres into the interval that ends at station i.
    Vec along(std::size_t i, double s) const
    {
        const Vec t1 = m_t[i - 1], axis = cross(t1, m_t[i]);
        const double sinTheta = std::sqrt(axis.n * axis.n + axis.e * axis.e + axis.d * axis.d);
        const double dot = t1.n * m_t[i].n + t1.e * m_t[i].e + t1.d * m_t[i].d;
        const double theta = std::atan2(sinTheta, dot), length = m_md[i] - m_md[i - 1];
        if (theta == 0.0)
            return add(m_p[i - 1], s, t1);
        // u = k x t1 points from t1 towards the centre of the circle.
        const Vec u = cross({ axis.n / sinTheta, axis.e / sinTheta, axis.d / sinTheta }, t1);
        const double radius = length / theta, phi = theta * s / length, half = std::sin(phi / 2.0);
        // R sin(phi) along t1 and R (1 - cos(phi)) towards the centre.
        return add(add(m_p[i - 1], radius * std::sin(phi), t1), radius * 2.0 * half * half, u);
    }

    std::vector<double> m_md;
    std::vector<Vec> m_t, m_p;
};

} // namespace rotated
