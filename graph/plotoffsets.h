// The neighbouring wells on the graph page: each offset's path put into the series of the
// view the page shows, with the spread of its points in the view's plane. Made with the
// plot value, once per new result; the page scales and draws what it finds in
// PlotData::offsets.
//
// How each view reads an offset point (north, east, TVD in the reference's frame):
//   Top view: east across, north up, as the reference.
//   Section: TVD against the position along the section's azimuth, as the reference.
//   Side view: TVD against the position along the reference's displacement direction at
//   the point's TVD (the direction of the reference's horizontal displacement where the
//   reference first reaches that TVD; above its first displacement the first direction,
//   below its deepest point the last). The reference's own displacement is exactly its
//   position along that direction, so that at every depth an offset is drawn where it
//   lies in the vertical plane through the reference's slot and the reference itself:
//   beside it at the distance it keeps in the reference's direction of travel, behind
//   the slot (below zero) when it lies on the far side. Its distance from the slot alone
//   would put a well on the far side beside the reference, and one fixed direction (the
//   section) would draw the reference itself shorter than its displacement wherever it
//   turns. A reference without any displacement (a vertical hole) has no direction: the
//   offsets are then drawn at their own distance from the slot, as the reference's
//   displacement is measured.
#pragma once

#include "core/units.h"
#include "graph/offsetpicture.h"
#include "graph/plotdata.h"

// Gives the side or top view made from `reference` by plotDataOf the paths of `offsets`;
// with `withSpread` each offset's covariances, where it has one per station.
void addOffsets(PlotData &d, const OffsetPicture &offsets, const traj::Trajectory &reference,
    PlotView view, bool withSpread);

// The same for the vertical section along `azimuth` (degrees) in `unit`.
void addSectionOffsets(
    PlotData &d, const OffsetPicture &offsets, double azimuth, LengthUnit unit, bool withSpread);
