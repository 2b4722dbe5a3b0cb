// The computed survey as a WITSML 1.4.1.1 trajectory document, the form in which
// operators and service companies hand surveys between their systems: one <trajectory>
// with the well's and wellbore's names and uids, the azimuth reference of the well's
// settings and a <trajectoryStation> per row with md, tvd, incl, azi, dispNs, dispEw,
// vertSect and dls, each with its uom. Lengths are metres and the dogleg is per 30 m
// whatever unit the listing shows, and numbers are written in their shortest exact form,
// so that reading the file back gives the same stations to the last bit. No Qt.
#pragma once

#include "export/exportformats.h"

#include <string>

namespace surveyexport {

// The document's bytes (UTF-8).
std::string witsmlTrajectory(const listing::Listing &rows, const ExportInfo &info);

// A uid for a WITSML object from a name: ASCII letters, digits and '-' kept, every other
// character '_', at most 64 characters; `fallback` for an empty name.
std::string witsmlUid(const std::string &name, const std::string &fallback);

} // namespace surveyexport
