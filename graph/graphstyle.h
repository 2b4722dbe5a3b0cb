// Pens and fonts of the graph page, and the page's fixed geometry in logical units.
#pragma once

#include "graph/drawcontext.h"

namespace graphstyle {

// Frame and axis ticks.
inline const DrawPen kFramePen { PenStyle::Solid, 4, { 0, 0, 0 } };
// Grid lines inside the plot area.
inline const DrawPen kGridPen { PenStyle::Dotted, 1, { 0, 0, 0 } };
// First curve (red) and second curve (blue), each with its legend line.
inline const DrawPen kCurvePen { PenStyle::Solid, 3, { 255, 0, 0 } };
inline const DrawPen kCurve1Pen { PenStyle::Solid, 3, { 0, 0, 255 } };
// The positional uncertainty of the first curve: a light area under the grid, and thin
// outlines of its ellipses and band over it, in the curve's red made paler.
inline const DrawColor kSpreadFill { 255, 224, 224 };
inline const DrawPen kSpreadPen { PenStyle::Solid, 1, { 220, 90, 90 } };
// A station whose magnetic or gravity readings lie outside the tolerance: a square
// around its point in orange, apart from the red curve and the black markers.
inline const DrawPen kOutsideTolerancePen { PenStyle::Solid, 3, { 230, 120, 0 } };

// The neighbouring wells: their curves as thick as the reference's, in their colours
// (wellpalette.h); their uncertainty in those colours moved this far toward white.
inline constexpr int kOffsetPenWidth = 3;
// The well's plan: dashed and near black, apart from the red hole and the neighbours'
// palette; its targets drawn with the same colour.
inline const DrawPen kPlanPen { PenStyle::Dashed, 4, { 30, 30, 30 } };
inline const DrawPen kPlanTargetPen { PenStyle::Solid, 3, { 30, 30, 30 } };
inline constexpr double kOffsetSpreadFill = 0.85;
inline constexpr double kOffsetSpreadLine = 0.4;

// The graph fonts name no face, only a fixed-pitch family.
inline const DrawFont kTitleFont { 80, 600, FontFamily::Modern, {} };
inline const DrawFont kCaptionFont { 60, 700, FontFamily::Modern, {} };
inline const DrawFont kLabelFont { 45, 700, FontFamily::Modern, {} };

// The scrollable page: 250 mm x 220 mm, scrolled by half of it per page and by a
// fiftieth per line.
inline constexpr int kPageWidth = 2500;
inline constexpr int kPageHeight = 2200;

// Titles are centred over the plot area and may reach this far beyond its width in
// total: the page has 40 mm left of the plot area but only 17 mm right of it on a
// landscape sheet with 10 mm margins, less a small margin.
inline constexpr int kTitleOverhang = 300;

} // namespace graphstyle
