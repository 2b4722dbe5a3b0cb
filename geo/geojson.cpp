#include "geo/geojson.h"

#include "core/cformat.h"
#include "geo/north.h"
#include "geo/projection.h"
#include "i18n/i18n.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace geo {

namespace {

    using nlohmann::ordered_json;

    // 1e-9 degrees is 0.1 mm on the ground; lengths to a micrometre.
    // `scale` is a power of ten, so that the quotient is the double nearest to the decimal.
    double rounded(double v, double scale)
    {
        const double r = std::round(v * scale) / scale;
        return r == 0.0 ? 0.0 : r; // no "-0"
    }

    const char *northName(NorthReference north)
    {
        switch (north) {
        case NorthReference::True:
            return "geographisch";
        case NorthReference::Grid:
            return "Gitter";
        case NorthReference::Magnetic:
            return "magnetisch";
        }
        return "";
    }

} // namespace

bool geoJson(const traj::Trajectory &t, const WellSettings &settings, const std::string &name,
    std::string &out, std::string &fault)
{
    if (!settings.epsg) {
        fault = i18n::translate(
            "GeoJson", "Für die Karte fehlt das Koordinatenbezugssystem (EPSG-Code) der Bohrung.");
        return false;
    }
    if (!settings.wellhead) {
        fault = i18n::translate("GeoJson",
            "Für die Karte fehlt der Ansatzpunkt der Bohrung (Rechtswert und Hochwert).");
        return false;
    }
    if (t.empty()) {
        fault = i18n::translate("GeoJson", "Es gibt keine berechneten Messpunkte für die Karte.");
        return false;
    }
    const GridToWgs84 crs(*settings.epsg);
    // The trajectory is the computed course, already in grid north: the placement only
    // moves it to the wellhead (a turn of 0), so nothing is turned twice.
    Placement place;
    if (!placementWithCrs(settings, crs, place, fault))
        return false;
    const CourseNorth north = courseNorth(settings);
    const std::string caption = northCaption(north, decimalsign::Sign::Point);

    ordered_json line = ordered_json::array();
    ordered_json features = ordered_json::array();
    const double deg = 1e9, len = 1e6;
    for (std::size_t i = 0; i < t.stations.size(); ++i) {
        const traj::Station &s = t.stations[i];
        const GridPosition at = *place.grid(s.north, s.east);
        const auto lonLat = crs.toWgs84(at);
        if (!lonLat) {
            fault = cfmt(i18n::translateFormat("GeoJson",
                             "Der Messpunkt bei %.2f m liegt außerhalb des "
                             "Koordinatenbezugssystems EPSG:%d.")
                             .c_str(),
                s.md, *settings.epsg);
            return false;
        }
        ordered_json position = { rounded(lonLat->lon, deg), rounded(lonLat->lat, deg) };
        const auto height = place.height(s.tvd);
        if (height)
            position.push_back(rounded(*height, deg));
        line.push_back(position);

        ordered_json values = {
            { "nr", i },
            { "teufe_m", rounded(s.md, len) },
            { "neigung_grad", rounded(s.inclination, len) },
            { "azimut_grad", rounded(s.azimuth, len) },
            { "seigerteufe_m", rounded(s.tvd, len) },
            { "nord_m", rounded(s.north, len) },
            { "ost_m", rounded(s.east, len) },
            { "rechtswert_m", rounded(at.easting, len) },
            { "hochwert_m", rounded(at.northing, len) },
        };
        if (height)
            values["hoehe_nn_m"] = rounded(*height, len);
        values["abknickung_grad_30m"] = rounded(s.doglegPer30, len);
        // A single station has no line feature to name the north.
        if (t.stations.size() == 1)
            values["nordbezug"] = caption;
        features.push_back({ { "type", "Feature" },
            { "geometry", { { "type", "Point" }, { "coordinates", position } } },
            { "properties", values } });
    }

    ordered_json about = { { "name", name }, { "epsg", *settings.epsg },
        { "rechtswert_m", settings.wellhead->easting },
        { "hochwert_m", settings.wellhead->northing } };
    if (settings.elevation)
        about["hoehe_bezugspunkt_m"] = *settings.elevation;
    // The azimuths as measured, the turn that took them to grid north, and the north of
    // every value of this file in words.
    about["nordrichtung"] = northName(settings.north);
    about["drehung_zu_gitternord_grad"] = rounded(north.turn + *place.turn, len);
    about["nordbezug"] = caption;
    // A single station is a point, not a line: RFC 7946 wants two positions in a line.
    if (line.size() >= 2) {
        const ordered_json path = { { "type", "Feature" },
            { "geometry", { { "type", "LineString" }, { "coordinates", line } } },
            { "properties", about } };
        features.insert(features.begin(), path);
    }
    const ordered_json collection
        = { { "type", "FeatureCollection" }, { "features", std::move(features) } };
    // Invalid UTF-8 in the name is replaced, never a reason to fail.
    out = collection.dump(-1, ' ', false, ordered_json::error_handler_t::replace) + "\n";
    return true;
}

} // namespace geo
