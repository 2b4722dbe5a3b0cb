// Picking in the 3D view: the point of a path nearest to a point of the picture, on the
// path's arc, with its measured depth and its place in the scene's frame. No Qt.
#pragma once

#include "scene3d/camera.h"
#include "scene3d/scene.h"

#include <optional>

namespace scene3d {

struct Pick
{
    int well = 0;
    double md = 0; // the well's own measured depth, metres
    Point3 at; // in the scene's frame: north, east of the reference slot, TVD below its datum
    double distance = 0; // from the picked picture point, output units
};

// The path point that the camera shows nearest to (x, y) (output units from the middle of
// the view), if one lies within `radius`; where two paths cross in the picture, the one
// nearer to the viewer. The measured depth is found along the projected path and the
// point taken on the arc at that depth (traj::pointAtMd).
std::optional<Pick> pick(
    const Scene &scene, const Camera &camera, double x, double y, double radius);

} // namespace scene3d
