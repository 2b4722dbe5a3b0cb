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
    OffsetPicture picture;
    picture.scan = scan;
    picture.paths.reserve(offsets.size());
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        const clr::Well &w = offsets[i];
        OffsetPath p;
        p.name = w.name;
        p.colour = wellpalette::offsetColour(static_cast<int>(i));
        p.path = inReferenceFrame(w);
        // The covariance does not depend on where the slot is: it is made on the well's
        // own path.
        if (withCovariances && w.errorModel && !w.path.empty())
            p.covariances = unc::stationCovariances(w.path, *w.errorModel);
        picture.paths.push_back(std::move(p));
    }
    return picture;
}
