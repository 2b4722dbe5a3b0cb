// The camera of the 3D view: the basis of its parallel projection and its moves.
#include "scene3d/camera.h"

#include "core/units.h"

#include <algorithm>
#include <cmath>

namespace scene3d {

Projector::Projector(const Camera &camera)
    : m_target(camera.target)
    , m_scale(camera.scale)
{
    const double a = camera.azimuth * units::kRadiansPerDegree;
    const double e = camera.elevation * units::kRadiansPerDegree;
    const double sa = std::sin(a), ca = std::cos(a), se = std::sin(e), ce = std::cos(e);
    // From the target toward the viewer; up on the ground is -tvd.
    m_toward = { ca * ce, sa * ce, -se };
    // Horizontal whatever the elevation: looking south (azimuth 0) the right hand points
    // west.
    m_right = { sa, -ca, 0 };
    // toward x right, completing a right-handed picture frame.
    m_up = { -se * ca, -se * sa, -ce };
}

Point3 Projector::unproject(double x, double y, double depth) const
{
    return m_target + (x / m_scale) * m_right + (y / m_scale) * m_up + depth * m_toward;
}

Camera orbited(Camera camera, double dAzimuth, double dElevation)
{
    double azimuth = std::fmod(camera.azimuth + dAzimuth, 360.0);
    if (azimuth < 0)
        azimuth += 360.0;
    camera.azimuth = azimuth;
    camera.elevation = std::clamp(camera.elevation + dElevation, -90.0, 90.0);
    return camera;
}

Camera panned(Camera camera, double dx, double dy)
{
    const Projector p(camera);
    camera.target = p.unproject(-dx, -dy);
    return camera;
}

Camera zoomedAt(Camera camera, double factor, double x, double y)
{
    if (!(factor > 0) || !std::isfinite(factor))
        return camera;
    // The point under (x, y) in the target's plane; after the new scale it must land on
    // (x, y) again, so the target moves toward it by the part of the way the scale takes.
    const Projector before(camera);
    const Point3 under = before.unproject(x, y);
    camera.scale *= factor;
    camera.target = under - (x / camera.scale) * before.right() - (y / camera.scale) * before.up();
    return camera;
}

Camera centredOn(Camera camera, const Point3 &p)
{
    camera.target = p;
    return camera;
}

Camera viewedFrom(Camera camera, StandardView view)
{
    switch (view) {
    case StandardView::FromNorth:
        camera.azimuth = 0, camera.elevation = 0;
        break;
    case StandardView::FromEast:
        camera.azimuth = 90, camera.elevation = 0;
        break;
    case StandardView::FromSouth:
        camera.azimuth = 180, camera.elevation = 0;
        break;
    case StandardView::FromWest:
        camera.azimuth = 270, camera.elevation = 0;
        break;
    case StandardView::FromAbove:
        // Seen from the south and tilted over the top: north is up, east to the right.
        camera.azimuth = 180, camera.elevation = 90;
        break;
    }
    return camera;
}

} // namespace scene3d
