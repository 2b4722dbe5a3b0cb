// Pens, fonts and colours of the 3D view, in the drawing layer's logical units (0.1 mm).
#pragma once

#include "graph/drawcontext.h"
#include "graph/wellpalette.h"
#include "scene3d/scene.h"

namespace view3dstyle {

// The ground grid, faint, and the north arrow over it.
inline const DrawPen kGridPen { PenStyle::Solid, 0, { 200, 200, 200 } };
inline const DrawPen kArrowPen { PenStyle::Solid, 4, { 90, 90, 90 } };
// A path is as wide as the graph page's curves.
inline constexpr int kPathWidth = 4;
// The tube: its body a light veil of the well's colour, its rings thin lines.
inline constexpr std::uint8_t kBodyAlpha = 46;
inline constexpr std::uint8_t kRingAlpha = 150;
// How far the far side of the scene fades toward the white background.
inline constexpr double kFarFade = 0.5;
// Marker radii as on the graph page: an open circle at the wellhead, a dot at the end.
inline constexpr int kWellheadRadius = 18;
inline constexpr int kEndRadius = 11;
// Texts.
inline const DrawFont kNameFont { 40, 700, FontFamily::Swiss, {} };
inline const DrawFont kMarkFont { 32, 400, FontFamily::Swiss, {} };
inline const DrawFont kLegendFont { 35, 400, FontFamily::Swiss, {} };
inline const DrawFont kTitleFont { 80, 600, FontFamily::Modern, {} };
inline const DrawFont kCaptionFont { 45, 700, FontFamily::Modern, {} };
// A depth mark's tick, and the free space around a label.
inline constexpr int kTickLength = 25;
inline constexpr int kLabelGap = 12;
// The legend's and the scale bar's distance from the view's edges.
inline constexpr int kInset = 50;

// The colours of the wells in the order the scene lists them: the document's well and
// then its neighbours, each in the colour it has in every graph view.
inline scene3d::Rgb wellColour(std::size_t index)
{
    const DrawColor c = index == 0 ? wellpalette::kReference
                                   : wellpalette::offsetColour(static_cast<int>(index - 1));
    return { c.r, c.g, c.b };
}

// The well's plan: as on the graph page, near black, and dashed.
inline const scene3d::Rgb kPlanColour { 30, 30, 30 };
inline PenStyle pathStyle(const scene3d::SceneWell &w)
{
    return w.planned ? PenStyle::Dashed : PenStyle::Solid;
}

} // namespace view3dstyle
