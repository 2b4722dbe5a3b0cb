// The scene of the 3D view, built once per computation from the wells' trajectories:
// each path as points on its minimum-curvature arcs (traj::pointOnArc) close enough that
// the picture shows the arcs and not chords, the ellipses of its positional uncertainty
// in the planes normal to the hole (the tube), its depth marks at round measured depths,
// and the ground grid at the depth reference. The frames (frame.h) only project what is
// here; nothing is computed again while the view turns. No Qt.
#pragma once

#include "core/trajectory.h"
#include "scene3d/geometry.h"
#include "uncertainty/uncertainty.h"

#include <cstdint>
#include <string>
#include <vector>

namespace scene3d {

struct Rgb
{
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// One well as the caller hands it over: the document's well, an offset well, a
// synthetic one.
struct WellInput
{
    std::string name; // UTF-8
    Rgb colour;
    traj::Trajectory path; // from its own slot and depth reference
    // Where its frame lies in the reference well's: its slot north and east of the
    // reference's slot, and the metres added to its TVD (the reference's elevation minus
    // its own).
    double slotNorth = 0, slotEast = 0, depthShift = 0;
    // The NEV covariance at 1σ of each station of `path` (unc::stationCovariances); empty
    // or of another length: no tube.
    std::vector<unc::Sym3> covariances;
    // The well's plan rather than a hole: drawn dashed.
    bool planned = false;
};

struct SceneOptions
{
    // The tube at this multiple of σ; 0 draws none.
    double sigmas = 0;
    // The drawn path turns by at most this many degrees from one point to the next on an
    // arc: 2 degrees keep the chords within 0.004 % of the arc's radius of it.
    double maxTurn = 2;
};

// An ellipse of the tube: the points centre + cos(t) major + sin(t) minor, in the plane
// normal to the hole; `major` and `minor` are the semi-axes as vectors of the frame.
struct Ring
{
    Point3 centre, major, minor;
};

struct DepthMark
{
    double md = 0;
    Point3 at;
};

struct SceneWell
{
    std::string name; // UTF-8
    Rgb colour;
    bool planned = false; // the well's plan (WellInput::planned)
    // The path from the wellhead to its last computed station: points on the arcs and
    // their measured depths, ascending.
    std::vector<Point3> points;
    std::vector<double> mds;
    // The tube: one ellipse per point of the path, or none.
    std::vector<Ring> rings;
    std::vector<DepthMark> marks;
    // The trajectory and its place, for the exact point of a pick.
    traj::Trajectory path;
    double slotNorth = 0, slotEast = 0, depthShift = 0;

    // A point of the path (its own depths) in the frame of the scene.
    Point3 inFrame(double north, double east, double tvd) const
    {
        return { north + slotNorth, east + slotEast, tvd + depthShift };
    }
};

// The ground grid in the plane tvd = 0: lines every `spacing` metres from the low to the
// high north and east.
struct Grid
{
    double northLow = 0, northHigh = 0, eastLow = 0, eastHigh = 0, spacing = 0;
};

struct Scene
{
    std::vector<SceneWell> wells;
    Grid grid;
    double markStep = 0; // measured depth between depth marks, metres
    double sigmas = 0; // the tube's multiple of σ, 0 when no well has one
    Box3 bounds; // the wells with their tubes, and the grid
};

Scene buildScene(std::vector<WellInput> wells, const SceneOptions &options);

// The ellipse of the covariance `nev` (1σ) at `sigmas` times σ in the plane normal to the
// hole at inclination and azimuth (degrees), centred at `centre`: its high-side and
// lateral part (unc::toHla) turned back into the frame.
Ring ringOf(
    const Point3 &centre, const unc::Sym3 &nev, double inclination, double azimuth, double sigmas);

// 1, 2 or 5 times a power of ten, the smallest that is at least `least` (> 0).
double roundStep(double least);

} // namespace scene3d
