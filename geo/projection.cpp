#include "geo/projection.h"

#include "core/cformat.h"
#include "core/trajectory.h"
#include "core/units.h"
#include "geo/north.h"
#include "i18n/i18n.h"

#include <proj.h>

#include <cmath>

namespace geo {

namespace {

    // One PROJ context per thread, offline whatever PROJ_NETWORK says, silent on stderr.
    class ThreadContext
    {
    public:
        ThreadContext()
            : m_ctx(proj_context_create())
        {
            proj_context_set_enable_network(m_ctx, 0);
            proj_log_level(m_ctx, PJ_LOG_NONE);
        }
        ~ThreadContext() { proj_context_destroy(m_ctx); }
        ThreadContext(const ThreadContext &) = delete;
        ThreadContext &operator=(const ThreadContext &) = delete;
        PJ_CONTEXT *get() const { return m_ctx; }

    private:
        PJ_CONTEXT *m_ctx;
    };

    PJ_CONTEXT *context()
    {
        thread_local ThreadContext ctx;
        return ctx.get();
    }

    // A step along the meridian small enough to stay on the wellhead's sheet, large enough
    // to be far above the rounding of the coordinates (about 11 m).
    constexpr double kMeridianStep = 1e-4;

} // namespace

struct GridToWgs84::Pj
{
    PJ *transform = nullptr;
    PJ *crs = nullptr; // the projected system itself, for its scale factors
    ~Pj()
    {
        proj_destroy(transform);
        proj_destroy(crs);
    }
};

GridToWgs84::GridToWgs84(int epsg)
    : m_pj(std::make_unique<Pj>())
{
    PJ_CONTEXT *ctx = context();
    const std::string code = cfmt("EPSG:%d", epsg);
    PJ *crs = proj_create(ctx, code.c_str());
    if (!crs) {
        m_fault = cfmt(i18n::translateFormat(
                           "Koordinaten", "Das Koordinatenbezugssystem EPSG:%d ist unbekannt.")
                           .c_str(),
            epsg);
        return;
    }
    const PJ_TYPE type = proj_get_type(crs);
    if (type == PJ_TYPE_PROJECTED_CRS)
        m_pj->crs = crs;
    else
        proj_destroy(crs);
    if (type != PJ_TYPE_PROJECTED_CRS) {
        m_fault = cfmt(i18n::translateFormat("Koordinaten",
                           "EPSG:%d ist kein projiziertes Koordinatenbezugssystem; Rechtswert und "
                           "Hochwert brauchen eines (z. B. EPSG:25832 für UTM Zone 32).")
                           .c_str(),
            epsg);
        return;
    }
    PJ *raw = proj_create_crs_to_crs(ctx, code.c_str(), "EPSG:4326", nullptr);
    if (raw) {
        // Easting before northing and longitude before latitude, whatever the axis order
        // of the definitions.
        m_pj->transform = proj_normalize_for_visualization(ctx, raw);
        proj_destroy(raw);
    }
    if (!m_pj->transform)
        m_fault = cfmt(i18n::translateFormat(
                           "Koordinaten", "Von EPSG:%d gibt es keine Umrechnung nach WGS 84.")
                           .c_str(),
            epsg);
}

GridToWgs84::~GridToWgs84() = default;

std::optional<LonLat> GridToWgs84::toWgs84(GridPosition at) const
{
    if (!m_pj->transform)
        return std::nullopt;
    const PJ_COORD c
        = proj_trans(m_pj->transform, PJ_FWD, proj_coord(at.easting, at.northing, 0, HUGE_VAL));
    if (!std::isfinite(c.xy.x) || !std::isfinite(c.xy.y))
        return std::nullopt;
    return LonLat { c.xy.x, c.xy.y };
}

std::optional<GridPosition> GridToWgs84::fromWgs84(LonLat at) const
{
    if (!m_pj->transform)
        return std::nullopt;
    const PJ_COORD c = proj_trans(m_pj->transform, PJ_INV, proj_coord(at.lon, at.lat, 0, HUGE_VAL));
    if (!std::isfinite(c.xy.x) || !std::isfinite(c.xy.y))
        return std::nullopt;
    return GridPosition { c.xy.x, c.xy.y };
}

std::optional<double> GridToWgs84::convergenceAt(GridPosition at) const
{
    const auto here = toWgs84(at);
    if (!here)
        return std::nullopt;
    // Toward the equator, so that the step never passes a pole.
    const double step = here->lat > 0 ? -kMeridianStep : kMeridianStep;
    const auto there = fromWgs84({ here->lon, here->lat + step });
    const auto back = fromWgs84(*here);
    if (!there || !back)
        return std::nullopt;
    // True north (or south) seen in the grid: its grid azimuth is -convergence.
    double dE = there->easting - back->easting, dN = there->northing - back->northing;
    if (step < 0) {
        dE = -dE;
        dN = -dN;
    }
    return -std::atan2(dE, dN) / units::kRadiansPerDegree;
}

std::optional<double> GridToWgs84::scaleFactorAt(GridPosition at) const
{
    const auto lonLat = toWgs84(at);
    if (!m_pj->crs || !lonLat)
        return std::nullopt;
    // The factors want the projection's own geographic coordinates in radians; WGS 84
    // stands in for the system's datum, whose shift of some hundred metres changes a
    // scale factor by far less than its last printed digit.
    const PJ_FACTORS f = proj_factors(m_pj->crs,
        proj_coord(
            lonLat->lon * units::kRadiansPerDegree, lonLat->lat * units::kRadiansPerDegree, 0, 0));
    if (proj_errno(m_pj->crs) != 0) {
        proj_errno_reset(m_pj->crs);
        return std::nullopt;
    }
    // A conformal projection has one scale in every direction; for another the mean of
    // the two along the meridian and the parallel.
    const double k = std::sqrt(f.meridional_scale * f.parallel_scale);
    if (!std::isfinite(k) || !(k > 0.0))
        return std::nullopt;
    return k;
}

bool placementWithCrs(
    const WellSettings &settings, const GridToWgs84 &crs, Placement &out, std::string &fault)
{
    out = placementOf(settings);
    if (!settings.wellhead) {
        fault = i18n::translate(
            "Koordinaten", "Der Ansatzpunkt (Rechtswert und Hochwert) ist nicht angegeben.");
        return false;
    }
    if (!crs.fault().empty()) {
        fault = crs.fault();
        return false;
    }
    // The course is in grid north wherever the grid's convergence is known, so that its
    // offsets are placed without a turn; the north of the course says why not otherwise.
    const CourseNorth north = courseNorth(settings);
    out.turn = north.toGrid;
    if (out.turn)
        return true;
    if (north.missing == MissingAngle::Declination) {
        fault = i18n::translate("Koordinaten",
            "Die Azimute sind auf magnetisch Nord bezogen, aber die Deklination ist nicht "
            "angegeben.");
        // Where the model would give it, why it did not.
        if (north.model == ModelState::NoDate) {
            fault += ' ';
            fault += i18n::translate("Koordinaten",
                "Die Deklination kommt aus dem Magnetfeldmodell, aber das Vermessungsdatum "
                "fehlt.");
        } else if (north.model == ModelState::Refused) {
            fault += ' ';
            fault += north.modelRefusal;
        }
        return false;
    }
    fault = i18n::translate(
        "Koordinaten", "Der Ansatzpunkt liegt außerhalb des Koordinatenbezugssystems.");
    return false;
}

std::optional<WellheadOnEarth> wellheadOnEarth(const WellSettings &settings)
{
    if (!settings.wellhead || !settings.epsg)
        return std::nullopt;
    const GridToWgs84 crs(*settings.epsg);
    const GridPosition at { settings.wellhead->easting, settings.wellhead->northing };
    const auto lonLat = crs.toWgs84(at);
    const auto convergence = crs.convergenceAt(at);
    if (!lonLat || !convergence)
        return std::nullopt;
    return WellheadOnEarth { lonLat->lat, lonLat->lon, *convergence };
}

Placement bestPlacement(const WellSettings &settings, std::string *why)
{
    // Offsets of the course are in its north; without a coordinate system they are turned
    // to grid north by a convergence given by hand.
    Placement p = placementOf(settings);
    p.turn = courseNorth(settings).toGrid;
    if (p.turn || !settings.wellhead)
        return p;
    std::string fault = i18n::translate("Koordinaten",
        "Für Rechtswert und Hochwert fehlt die Meridiankonvergenz oder das "
        "Koordinatenbezugssystem (EPSG-Code).");
    if (settings.epsg) {
        const GridToWgs84 crs(*settings.epsg);
        Placement withCrs;
        if (placementWithCrs(settings, crs, withCrs, fault))
            return withCrs;
    }
    if (why)
        *why = fault;
    return p;
}

} // namespace geo
