// Reading survey stations from a WITSML document: a 1.4.1.1 trajectory list
// (<trajectorys><trajectory>…<trajectoryStation>) or a 2.0 Energistics <Trajectory>. Each
// trajectory's stations give a table of measured depth (metres), inclination and azimuth
// (degrees) as the stations' uom attributes say (m, ft, ftUS; dega, rad); the well and
// wellbore names give the borehole's name. A document with several trajectories offers
// them by name, as a workbook offers its sheets.
//
// The XML is read by pugixml, which knows no document type definitions: it expands only
// the five predefined entities and character references, never an entity of a DTD and
// never anything outside the file. A document that carries a DTD at all is refused, so
// that nothing in it seems to have been understood. Bounds: the document's size, the
// number of stations (kMaxRows) and the nesting of elements. No Qt.
#pragma once

#include "exchange/surveyfile.h"

#include <string>
#include <string_view>

namespace exchange {

// A WITSML survey of a hundred thousand stations takes about 40 MB.
inline constexpr std::size_t kMaxWitsmlBytes = 64u << 20;
// Elements nested deeper than this are no WITSML trajectory (it needs five levels).
inline constexpr int kMaxXmlDepth = 64;

// `trajectory`: empty for the first, a number from 1, or a trajectory's name.
SurveyFileRead readWitsml(std::string_view bytes, const std::string &trajectory);

} // namespace exchange
