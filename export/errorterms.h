// The batch tool's --error-terms: what each source of the error model adds to the
// covariance of every station, as CSV, for checking the total against the model's
// published examples term by term. No Qt.
#pragma once

#include "listing/listing.h"
#include "uncertainty/uncertainty.h"

#include <string>

namespace surveyexport {

// Writes errorTermsTable of the model of `inputs` along `path` to `file` (UTF-8) as CSV;
// false when the file cannot be written. The file is replaced only when the new one is
// complete (see core/atomicfile.h).
bool writeErrorTerms(const std::string &file, const traj::Trajectory &path,
    const unc::Inputs &inputs, listing::Unit unit);

} // namespace surveyexport
