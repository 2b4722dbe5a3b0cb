// The computed survey as a WITSML 1.4.1.1 trajectory document, the form in which
// operators and service companies hand surveys between their systems: one <trajectory>
// with the well's and wellbore's names and uids, the azimuth reference of the well's
// settings and a <trajectoryStation> per row with md, tvd, incl, azi, dispNs, dispEw,
// vertSect and dls, each with its uom. Lengths are metres and the dogleg is per 30 m
// whatever unit the listing shows, and numbers are written in their shortest exact form,
// so that reading the file back gives the same stations to the last bit. No Qt.
#pragma once

#include "core/atomicfile.h"
#include "export/exportformats.h"

#include <string>

namespace surveyexport {

// Hands the document (UTF-8) to `append` a piece at a time; false when `append` failed.
bool writeWitsmlTrajectory(
    const listing::Listing &rows, const ExportInfo &info, const atomicfile::Append &append);

// The whole document's bytes.
std::string witsmlTrajectory(const listing::Listing &rows, const ExportInfo &info);

// A uid for a WITSML object from a name: ASCII letters, digits and '-' kept, every other
// character '_', at most 64 characters; `fallback` for an empty name.
std::string witsmlUid(const std::string &name, const std::string &fallback);

} // namespace surveyexport
