#include "export/wellrows.h"

#include "geo/errormodelinputs.h"
#include "geo/projection.h"

#include <memory>

namespace surveyexport {

namespace {

    void markUncertainty(listing::Listing &rows, const RowSettings &settings)
    {
        rows.uncertainty = settings.uncertainty;
        rows.ellipseSigma = settings.ellipseSigma;
    }

    // Each row's covariance: a station's own where the row is a station, else the
    // covariance at the point (as if the survey ended there).
    void addCovariances(
        listing::Listing &rows, const traj::Trajectory &path, const unc::Inputs &inputs)
    {
        std::vector<traj::Point> points;
        std::vector<std::size_t> pointRows;
        bool atStations = false;
        for (std::size_t r = 0; r < rows.rows.size(); ++r) {
            const traj::Point &p = rows.rows[r].point;
            if (p.atStation) {
                atStations = true;
            } else {
                points.push_back(p);
                pointRows.push_back(r);
            }
        }
        if (atStations) {
            const std::vector<unc::Sym3> stations = unc::stationCovariances(path, inputs);
            for (listing::Row &row : rows.rows) {
                const auto k = static_cast<std::size_t>(row.point.interval);
                if (row.point.atStation && k < stations.size())
                    row.covariance = stations[k];
            }
        }
        if (!points.empty()) {
            const std::vector<unc::Sym3> atPoints = unc::pointCovariances(path, inputs, points);
            for (std::size_t k = 0; k < pointRows.size() && k < atPoints.size(); ++k)
                rows.rows[pointRows[k]].covariance = atPoints[k];
        }
    }

} // namespace

RowSettings rowSettings(const WellSettings &settings, listing::Unit unit,
    std::optional<double> sectionAzimuth, std::string *unplaced, unc::MissingInput *missing)
{
    RowSettings s { unit, sectionAzimuth, geo::bestPlacement(settings, unplaced) };
    s.uncertainty = geo::errorModelInputs(settings, missing);
    s.ellipseSigma = settings.uncertainty.ellipseSigma;
    return s;
}

listing::Listing wellRows(const traj::Trajectory &path,
    const std::vector<listing::Request> &requests, const RowSettings &settings)
{
    listing::Listing rows
        = listing::buildListing(path, requests, settings.unit, settings.sectionAzimuth);
    geo::placeRows(rows, settings.placement);
    if (settings.uncertainty) {
        markUncertainty(rows, settings);
        addCovariances(rows, path, *settings.uncertainty);
    }
    return rows;
}

RowSource stationRows(const traj::Trajectory &path, const RowSettings &settings)
{
    RowSource source;
    source.size = path.stations.size();
    const double azimuth
        = settings.sectionAzimuth.value_or(listing::defaultSectionAzimuth(path));
    // Shared by the copies of the maker; empty without a model, so that an export
    // without one costs nothing more per row.
    std::shared_ptr<const std::vector<unc::Sym3>> covariances;
    if (settings.uncertainty)
        covariances = std::make_shared<const std::vector<unc::Sym3>>(
            unc::stationCovariances(path, *settings.uncertainty));
    source.make = [&path, settings, azimuth, covariances](
                      std::size_t first, std::size_t count, listing::Listing &piece) {
        piece = listing::stationListing(path, first, count, settings.unit, azimuth);
        geo::placeRows(piece, settings.placement);
        if (covariances) {
            markUncertainty(piece, settings);
            for (std::size_t k = 0; k < piece.rows.size() && first + k < covariances->size(); ++k)
                piece.rows[k].covariance = (*covariances)[first + k];
        }
    };
    return source;
}

} // namespace surveyexport
