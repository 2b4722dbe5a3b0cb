// The rows that every written table of a computed well is made of (the batch tool's
// --export and --listing, the desktop's "Exportieren …" and "Kopieren", the path dialog):
// the listing in the unit and section azimuth in effect, with the absolute columns where
// the well's settings place it and the positional uncertainty where they choose an error
// model. Both programs decide the settings in effect their own way (options, or the
// settings dialog) and hand them here, so that equal settings give equal bytes. No Qt.
#pragma once

#include "export/exportformats.h"
#include "geo/placement.h"
#include "listing/listing.h"
#include "uncertainty/uncertainty.h"
#include "well/settings.h"

#include <optional>
#include <string>
#include <vector>

namespace surveyexport {

struct RowSettings
{
    listing::Unit unit = listing::Unit::Metre;
    std::optional<double> sectionAzimuth; // degrees; unset: the final displacement's direction
    geo::Placement placement; // what the well's settings give, with their coordinate system
    // The error model's inputs, when the settings choose one and give all it needs; the
    // rows then carry their covariance, and ellipses are at `ellipseSigma` times σ.
    std::optional<unc::Inputs> uncertainty {};
    double ellipseSigma = 2;
};

// The row settings for a well with `settings`, in `unit` along `sectionAzimuth`. When
// the settings give a wellhead that cannot be placed, `unplaced` (if given) says why in
// the chosen language (UTF-8) and the absolute columns stay empty. An error model that lacks an
// input gives no uncertainty; `missing` (if given) says which input.
RowSettings rowSettings(const WellSettings &settings, listing::Unit unit,
    std::optional<double> sectionAzimuth, std::string *unplaced = nullptr,
    unc::MissingInput *missing = nullptr);

// The rows of `requests` (every station when there is none).
listing::Listing wellRows(const traj::Trajectory &path,
    const std::vector<listing::Request> &requests, const RowSettings &settings);

// The rows of every station made a piece at a time, for an export written without
// holding them all: the same rows as wellRows(path, {}, settings). With an error model
// the covariances of all stations are computed here, once.
RowSource stationRows(const traj::Trajectory &path, const RowSettings &settings);

} // namespace surveyexport
