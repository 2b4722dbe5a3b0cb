// The camera of the 3D view and its parallel projection. The view is drawn to scale on
// all three axes: a parallel (orthographic) projection keeps one scale across the whole
// picture, so that a scale bar tells true lengths and a print has a scale like a map.
//
// The camera looks at `target` from the compass direction `azimuth` (degrees clockwise
// from north: 0 from the north, 90 from the east) and from `elevation` degrees above the
// horizon (90 straight down from above, negative from below ground). The picture's right
// is always horizontal, so the view has no roll and no singular direction: from above it
// shows the azimuth's opposite direction upward (from the south, north is up).
#pragma once

#include "scene3d/geometry.h"

namespace scene3d {

// The view the program starts with and returns to (Pos1): from the south-west, 25
// degrees above the horizon.
inline constexpr double kHomeAzimuth = 225;
inline constexpr double kHomeElevation = 25;

struct Camera
{
    double azimuth = kHomeAzimuth; // degrees, the direction the viewer looks from
    double elevation = kHomeElevation; // degrees above the horizon, -90 to 90
    Point3 target; // the point of the frame in the middle of the view
    double scale = 1; // output units per metre

    friend bool operator==(const Camera &, const Camera &) = default;
};

// Where a point of the frame lands: x, y in output units from the middle of the view (y
// upward), and its depth toward the viewer in metres from the plane through the target
// (larger is nearer).
struct Projected
{
    double x = 0, y = 0, depth = 0;
};

class Projector
{
public:
    explicit Projector(const Camera &camera);

    Projected operator()(const Point3 &p) const
    {
        const Point3 v = p - m_target;
        return { m_scale * dot(v, m_right), m_scale * dot(v, m_up), dot(v, m_toward) };
    }
    // The point of the frame that lands on (x, y) at `depth` (inverse of operator()).
    Point3 unproject(double x, double y, double depth = 0) const;

    // Unit vectors of the picture's right and up, and toward the viewer.
    const Point3 &right() const { return m_right; }
    const Point3 &up() const { return m_up; }
    const Point3 &toward() const { return m_toward; }

private:
    Point3 m_target;
    double m_scale;
    Point3 m_right, m_up, m_toward;
};

// The standard directions of view.
enum class StandardView {
    FromNorth, // looking south, east to the left
    FromEast, // looking west, north to the right
    FromSouth,
    FromWest,
    FromAbove, // plan view, north up
};

// Changes of the camera as the mouse makes them; each returns the new camera.
// Turned about the target: the azimuth modulo 360, the elevation held within -90..90.
Camera orbited(Camera camera, double dAzimuth, double dElevation);
// The picture moved by (dx, dy) output units: the target moves the other way.
Camera panned(Camera camera, double dx, double dy);
// Scaled by `factor` about the picture point (x, y): the point of the frame there stays
// there.
Camera zoomedAt(Camera camera, double factor, double x, double y);
// The same view with `p` in the middle.
Camera centredOn(Camera camera, const Point3 &p);
// The direction of a standard view, the target and scale kept.
Camera viewedFrom(Camera camera, StandardView view);

} // namespace scene3d
