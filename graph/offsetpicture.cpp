// The neighbouring wells as the pictures take them.
#include "graph/offsetpicture.h"

#include "graph/wellpalette.h"

DrawColor OffsetPicture::colourOf(const std::string &name, int index) const
{
    for (const OffsetPath &p : paths)
        if (p.name == name)
            return p.colour;
    return wellpalette::offsetColour(index);
}

traj::Trajectory inReferenceFrame(const clr::Well &well)
{
    traj::Trajectory t = well.path;
    for (traj::Station &s : t.stations) {
        s.north += well.slotNorth;
        s.east += well.slotEast;
        s.tvd += well.depthShift;
        traj::displacement(s.north, s.east, s.displacement, s.displacementAzimuth);
    }
    return t;
}

OffsetPicture offsetPictureOf(
    const std::vector<clr::Well> &offsets, const clr::Scan &scan, bool withCovariances)
{
    // The covariance does not depend on where the slot is: it is made on the well's own
    // path.
    std::vector<std::vector<unc::Sym3>> covariances(offsets.size());
    for (std::size_t i = 0; i < offsets.size() && withCovariances; ++i)
        if (offsets[i].errorModel && !offsets[i].path.empty())
            covariances[i] = unc::stationCovariances(offsets[i].path, *offsets[i].errorModel);
    return offsetPictureOf(offsets, scan, covariances);
}

OffsetPicture offsetPictureOf(const std::vector<clr::Well> &offsets, const clr::Scan &scan,
    const std::vector<std::vector<unc::Sym3>> &covariances)
{
    OffsetPicture picture;
    picture.paths.reserve(offsets.size());
    // An offset the scan left out as beyond its radius is not drawn: a field's far wells
    // would only shrink the picture. Each keeps the colour of its place among all.
    const auto beyond = [&](std::size_t i) {
        return i < scan.offsets.size() && scan.offsets[i].outOfReach;
    };
    for (const clr::OffsetScan &s : scan.offsets) {
        if (!s.outOfReach)
            picture.scan.offsets.push_back(s);
    }
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        if (beyond(i))
            continue;
        OffsetPath p;
        p.name = offsets[i].name;
        p.colour = wellpalette::offsetColour(static_cast<int>(i));
        p.path = inReferenceFrame(offsets[i]);
        if (i < covariances.size())
            p.covariances = covariances[i];
        picture.paths.push_back(std::move(p));
    }
    return picture;
}
