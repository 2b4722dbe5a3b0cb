// Rows of the trajectory for a listing: at requested measured depths, at a true vertical
// depth (every crossing), at a regular step, or the stations themselves; each row with
// its vertical section and the request that made it, in measured-depth order.
#pragma once

#include "core/trajectory.h"
#include "core/units.h"
#include "uncertainty/uncertainty.h"

#include <optional>
#include <string>
#include <vector>

namespace listing {

// The same type as the unit in the well settings.
using Unit = LengthUnit;

enum class RequestKind {
    Stations, // every computed station
    AtMd, // the point at a measured depth
    AtTvd, // every point at a true vertical depth
    EveryMd, // points at a regular measured-depth step, first and last station included
};

struct Request
{
    RequestKind kind = RequestKind::Stations;
    double value = 0; // depth or step in the listing's unit; unused for Stations
};

struct Row
{
    traj::Point point; // metres and degrees
    double verticalSection; // metres
    std::string request; // which request made the row (ASCII)
    // Absolute values, set only where the well settings give them (geo::placeRows):
    // easting and northing in the wellhead's coordinate system and the height above
    // sea level, elevation of the depth reference - TVD; metres.
    std::optional<double> easting, northing, height;
    // The position's covariance at 1σ in north, east and down (m²), set only where an
    // error model is chosen (surveyexport::wellRows).
    std::optional<unc::Sym3> covariance {};
};

struct Listing
{
    Unit unit = Unit::Metre;
    double sectionAzimuth = 0; // degrees from north
    std::vector<Row> rows; // in measured-depth order
    std::vector<std::string> faults; // requests that gave no row
    // The error model and its inputs that the rows' covariances come from; none when no
    // model is chosen. Ellipses are drawn at `ellipseSigma` times σ.
    std::optional<unc::Inputs> uncertainty;
    double ellipseSigma = 2;
};

// Horizontal offset projected on the section azimuth (degrees from north).
double verticalSection(double north, double east, double azimuth);

// verticalSection() of `n` offsets into `out`, the same values.
void verticalSections(
    const double *north, const double *east, std::size_t n, double azimuth, double *out);

// The direction of the final displacement; 0 when there is none.
double defaultSectionAzimuth(const traj::Trajectory &t);

// The rows of the stations from `first` on, at most `count` of them, as the listing of
// all stations has them: a long listing made and written a piece at a time.
Listing stationListing(const traj::Trajectory &t, std::size_t first, std::size_t count, Unit unit,
    double sectionAzimuth);

// Rows for `requests` (all stations when there is no request). The section azimuth
// defaults to the direction of the final displacement.
Listing buildListing(const traj::Trajectory &t, const std::vector<Request> &requests, Unit unit,
    std::optional<double> sectionAzimuth = std::nullopt);

} // namespace listing
