// The wellhead's projected coordinate system and WGS 84 through PROJ. The PROJ context
// is one per thread and never uses the network (the grids of proj-data are local), so a
// transformation works offline and gives the same result on every machine.
#pragma once

#include "geo/placement.h"

#include <memory>
#include <optional>
#include <string>

namespace geo {

struct LonLat
{
    double lon = 0.0; // degrees, east positive
    double lat = 0.0; // degrees, north positive
};

// Between one projected coordinate system (an EPSG code) and WGS 84 longitude/latitude.
// Use it in the thread that made it.
class GridToWgs84
{
public:
    explicit GridToWgs84(int epsg);
    ~GridToWgs84();
    GridToWgs84(const GridToWgs84 &) = delete;
    GridToWgs84 &operator=(const GridToWgs84 &) = delete;

    // Empty when the transformation exists; otherwise why not (in the chosen language, UTF-8).
    const std::string &fault() const { return m_fault; }

    std::optional<LonLat> toWgs84(GridPosition at) const;
    std::optional<GridPosition> fromWgs84(LonLat at) const;
    // The grid convergence at a point, degrees: positive where grid north lies east of
    // true north. Found from the grid direction of the meridian through the point.
    std::optional<double> convergenceAt(GridPosition at) const;
    // The grid's point scale factor at a point: grid length over length on the
    // ellipsoid (0.9996 on a UTM zone's central meridian), from PROJ's factors of the
    // projection.
    std::optional<double> scaleFactorAt(GridPosition at) const;

private:
    struct Pj;
    std::unique_ptr<Pj> m_pj;
    std::string m_fault;
};

// The placement of the computed course (whose offsets are in the north of geo/north.h):
// its turn to grid north is 0 where the course is in grid north, which it is whenever the
// convergence is given or the coordinate system gives it at the wellhead. False with a
// fault in the chosen language (UTF-8) when the horizontal placement cannot be made.
bool placementWithCrs(
    const WellSettings &settings, const GridToWgs84 &crs, Placement &out, std::string &fault);

// Where the wellhead lies on the earth, when the settings give a wellhead in a projected
// coordinate system that PROJ knows: its latitude and longitude (WGS 84) and the grid
// convergence there.
struct WellheadOnEarth
{
    double latitude = 0; // degrees, north positive
    double longitude = 0; // degrees, east positive
    double convergence = 0; // degrees, positive where grid north lies east of true north
};
std::optional<WellheadOnEarth> wellheadOnEarth(const WellSettings &settings);

// The placement of the computed course for listings: the one of placementWithCrs where
// that succeeds, else the one that the settings give by themselves. Values that neither gives stay
// unset; when a wellhead is given but cannot be placed, `why` (if given) says why in the chosen
// language (UTF-8).
Placement bestPlacement(const WellSettings &settings, std::string *why = nullptr);

} // namespace geo
