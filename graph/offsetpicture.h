// What the pictures need of the neighbouring wells: each offset's path in the reference
// well's frame with its name, colour and (optionally) the covariances of its stations,
// and the clearance scan of the reference against them. Made once per computation by
// whoever holds the wells (the document, the batch tool, a test); the graph page, the
// ladder and the travelling cylinder read it and compute nothing of their own.
#pragma once

#include "clearance/scan.h"
#include "core/trajectory.h"
#include "graph/drawcontext.h"
#include "uncertainty/uncertainty.h"

#include <string>
#include <vector>

struct OffsetPath
{
    std::string name; // UTF-8, as the scan names the well
    DrawColor colour;
    // North and east of the reference's slot, TVD below the reference's depth reference:
    // the slot and the depth shift are applied already.
    traj::Trajectory path;
    // One per station of `path` (north, east, vertical; m² at 1σ), or none.
    std::vector<unc::Sym3> covariances;
};

struct OffsetPicture
{
    std::vector<OffsetPath> paths;
    clr::Scan scan;

    bool empty() const { return paths.empty() && scan.offsets.empty(); }
    // The colour of the scanned offset `name` at `index` of the scan: the colour of the
    // path of that name, else the palette's for the index.
    DrawColor colourOf(const std::string &name, int index) const;
};

// The path of `well` in the frame of the reference well of its scan: its slot added to
// north and east, its depth shift to TVD, the displacement from the reference's slot.
traj::Trajectory inReferenceFrame(const clr::Well &well);

// The picture of `offsets` as a scan took them and its result `scan`: the paths in the
// reference's frame in the palette's colours (in the order of `offsets`), and with
// `withCovariances` the covariances of each well that has an error model.
OffsetPicture offsetPictureOf(
    const std::vector<clr::Well> &offsets, const clr::Scan &scan, bool withCovariances = true);
// The same with the covariances made already: `covariances[i]` those of `offsets[i]`'s
// stations (a list shorter than the offsets, or an empty entry: none).
OffsetPicture offsetPictureOf(const std::vector<clr::Well> &offsets, const clr::Scan &scan,
    const std::vector<std::vector<unc::Sym3>> &covariances);
