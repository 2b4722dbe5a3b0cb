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

} // namespace surveyexport
