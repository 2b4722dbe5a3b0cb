#include "magnetic/field.h"

#include "core/cformat.h"
#include "i18n/i18n.h"
#include "magnetic/coefficients.h"

#include <GeographicLib/Geocentric.hpp>
#include <GeographicLib/MagneticModel.hpp>
#include <GeographicLib/SphericalHarmonic1.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace magnetic {

namespace {

    // The reference radius of the Gauss coefficients of both the WMM and the IGRF (metres).
    constexpr double kReferenceRadius = 6371200.0;

    // GeographicLib's column-major layout of the coefficients of degree `degree`: C holds
    // (n, m) at m·N − m(m−1)/2 + n from C00, S the same without its m = 0 column.
    std::size_t cosineIndex(int n, int m, int degree)
    {
        return std::size_t(m) * degree - std::size_t(m) * (m - 1) / 2 + n;
    }

    struct Layout
    {
        std::vector<double> c, s;
    };

    Layout layout(const Coefficients &k, int degree)
    {
        Layout out;
        out.c.assign(std::size_t(degree + 1) * (degree + 2) / 2, 0.0);
        out.s.assign(std::size_t(degree) * (degree + 1) / 2, 0.0);
        for (int n = 1; n <= std::min(k.degree, degree); ++n) {
            for (int m = 0; m <= n; ++m) {
                out.c[cosineIndex(n, m, degree)] = k.g[Coefficients::index(n, m)];
                if (m > 0)
                    out.s[cosineIndex(n, m, degree) - (degree + 1)]
                        = k.h[Coefficients::index(n, m)];
            }
        }
        return out;
    }

    // The field (nT) in geocentric Cartesian coordinates at (x, y, z) metres.
    std::array<double, 3> cartesianField(
        const Model &model, double year, double x, double y, double z)
    {
        // The coefficients at the year are base + tau · rate: after the last epoch its secular
        // variation, else the straight line between the epochs either side.
        const std::size_t last = model.epochs.size() - 1;
        std::size_t i = 0;
        while (i < last && year > model.epochs[i + 1])
            ++i;
        const Coefficients *base = nullptr;
        Coefficients rate;
        double tau = 0;
        if (i == last || (model.secular.degree > 0 && year >= model.epochs[last])) {
            base = &model.main[last];
            rate = model.secular;
            tau = year - model.epochs[last];
        } else {
            // The IGRF's models before 2000 end at degree 10; their table holds zeros above,
            // so that the years from 1995 bring in degrees 11 to 13 as the IGRF's own
            // synthesis does.
            base = &model.main[i];
            const Coefficients &next = model.main[i + 1];
            const double span = model.epochs[i + 1] - model.epochs[i];
            rate = Coefficients(std::max(base->degree, next.degree));
            for (std::size_t k = 0; k < rate.g.size(); ++k) {
                const double g0 = k < base->g.size() ? base->g[k] : 0.0;
                const double h0 = k < base->h.size() ? base->h[k] : 0.0;
                const double g1 = k < next.g.size() ? next.g[k] : 0.0;
                const double h1 = k < next.h.size() ? next.h[k] : 0.0;
                rate.g[k] = (g1 - g0) / span;
                rate.h[k] = (h1 - h0) / span;
            }
            tau = year - model.epochs[i];
        }
        const int degree = std::max(base->degree, rate.degree);
        const Layout main = layout(*base, degree);
        const Layout change = layout(rate, degree);
        const GeographicLib::SphericalHarmonic1 harmonic(main.c, main.s, degree, change.c, change.s,
            degree, kReferenceRadius, GeographicLib::SphericalHarmonic1::SCHMIDT);
        // The sum is V/a of the magnetic potential V = a Σ (a/r)^(n+1) (g cos mλ + h sin mλ) P;
        // the field is B = −∇V.
        double gx = 0, gy = 0, gz = 0;
        harmonic(tau, x, y, z, gx, gy, gz);
        return { -kReferenceRadius * gx, -kReferenceRadius * gy, -kReferenceRadius * gz };
    }

    constexpr double kDegree = std::numbers::pi / 180.0;

} // namespace

Components geocentricField(
    const Model &model, double year, double radiusM, double colatitudeDeg, double longitudeDeg)
{
    const double theta = colatitudeDeg * kDegree, lambda = longitudeDeg * kDegree;
    const double st = std::sin(theta), ct = std::cos(theta);
    const double sl = std::sin(lambda), cl = std::cos(lambda);
    const auto b = cartesianField(model, year, radiusM * st * cl, radiusM * st * sl, radiusM * ct);
    // The unit vectors up (radial), east and north (towards smaller colatitude).
    const double up = st * cl * b[0] + st * sl * b[1] + ct * b[2];
    const double east = -sl * b[0] + cl * b[1];
    const double north = -ct * cl * b[0] - ct * sl * b[1] + st * b[2];
    return { north, east, -up };
}

Components geodeticField(
    const Model &model, double year, double latitudeDeg, double longitudeDeg, double heightM)
{
    const GeographicLib::Geocentric &earth = GeographicLib::Geocentric::WGS84();
    double x = 0, y = 0, z = 0;
    std::vector<double> rotation(9); // geocentric = rotation · (east, north, up)
    earth.Forward(latitudeDeg, longitudeDeg, heightM, x, y, z, rotation);
    const auto b = cartesianField(model, year, x, y, z);
    // (east, north, up) = rotationᵀ · geocentric; the matrix is stored by rows.
    double local[3];
    for (int col = 0; col < 3; ++col)
        local[col] = rotation[col] * b[0] + rotation[3 + col] * b[1] + rotation[6 + col] * b[2];
    return { local[1], local[0], -local[2] };
}

FieldResult fieldAt(double latitudeDeg, double longitudeDeg, double heightM, double decimalYear)
{
    FieldResult result;
    if (!(latitudeDeg >= -90.0 && latitudeDeg <= 90.0)) {
        result.error = i18n::arg(
            i18n::translate("Magnetfeld", "Die Breite %1° liegt nicht zwischen -90° und 90°."),
            { cfmt("%g", latitudeDeg) });
        return result;
    }
    if (!(longitudeDeg >= -360.0 && longitudeDeg <= 360.0)) {
        result.error = i18n::arg(
            i18n::translate("Magnetfeld", "Die Länge %1° liegt nicht zwischen -360° und 360°."),
            { cfmt("%g", longitudeDeg) });
        return result;
    }
    if (!(heightM >= kLowestHeightM && heightM <= kHighestHeightM)) {
        result.error = i18n::arg(i18n::translate("Magnetfeld",
                                     "Die Höhe %1 m über dem Ellipsoid liegt nicht zwischen "
                                     "%2 m und %3 m."),
            { cfmt("%g", heightM), cfmt("%.0f", kLowestHeightM), cfmt("%.0f", kHighestHeightM) });
        return result;
    }
    const Model *model = modelForYear(decimalYear);
    if (!model) {
        result.error = i18n::arg(i18n::translate("Magnetfeld",
                                     "Für das Jahr %1 gibt es kein Modell des Erdmagnetfelds: "
                                     "die Modelle reichen von %2 bis %3."),
            { cfmt("%.3f", decimalYear), cfmt("%.1f", kFirstYear), cfmt("%.1f", kLastYear) });
        return result;
    }
    const Components c = geodeticField(*model, decimalYear, latitudeDeg, longitudeDeg, heightM);
    Field f;
    // GeographicLib takes the field as east, north and up.
    GeographicLib::MagneticModel::FieldComponents(
        c.east, c.north, -c.down, f.horizontalNt, f.totalNt, f.declinationDeg, f.inclinationDeg);
    f.northNt = c.north;
    f.eastNt = c.east;
    f.downNt = c.down;
    f.model = model->name;
    result.field = std::move(f);
    return result;
}

} // namespace magnetic
