#include "export/wellrows.h"

#include "geo/projection.h"

namespace surveyexport {

RowSettings rowSettings(const WellSettings &settings, listing::Unit unit,
    std::optional<double> sectionAzimuth, std::string *unplaced)
{
    return { unit, sectionAzimuth, geo::bestPlacement(settings, unplaced) };
}

listing::Listing wellRows(const traj::Trajectory &path,
    const std::vector<listing::Request> &requests, const RowSettings &settings)
{
    listing::Listing rows
        = listing::buildListing(path, requests, settings.unit, settings.sectionAzimuth);
    geo::placeRows(rows, settings.placement);
    return rows;
}

RowSource stationRows(const traj::Trajectory &path, const RowSettings &settings)
{
    RowSource source;
    source.size = path.stations.size();
    const double azimuth
        = settings.sectionAzimuth.value_or(listing::defaultSectionAzimuth(path));
    source.make = [&path, settings, azimuth](
                      std::size_t first, std::size_t count, listing::Listing &piece) {
        piece = listing::stationListing(path, first, count, settings.unit, azimuth);
        geo::placeRows(piece, settings.placement);
    };
    return source;
}

} // namespace surveyexport
