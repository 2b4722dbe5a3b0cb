// One picture of the scene: everything projected by the camera, thinned to what the
// pixels resolve, clipped to the view and sorted by depth, for the renderer to draw as it
// comes (graph3d/). Made for every frame while the view turns; it reads the scene and
// computes nothing of the wells. No Qt.
//
// The drawing order: the ground grid and the north arrow, the tubes' translucent bodies
// (one area per well without seams, farthest well first), then the paths, the tubes'
// rings and the markers sorted by depth (farthest first: a nearer piece is drawn over a
// farther one), then the labels.
#pragma once

#include "scene3d/camera.h"
#include "scene3d/scene.h"

#include <vector>

namespace scene3d {

// The view: its size in output units, and how many output units one device pixel takes
// (what the thinning resolves).
struct Viewport
{
    double width = 0, height = 0;
    double pixel = 1;
};

enum class ItemKind {
    Path, // a piece of a well's path: an open polyline
    Ring, // the part of a tube's ellipse in front of its path or behind it: a polyline
    Wellhead, // the marker at the top of a path: `points` holds its centre
    End, // the marker at the end of a path
};

struct Item
{
    ItemKind kind = ItemKind::Path;
    int well = 0;
    double depth = 0; // metres toward the viewer, as the sort saw it
    // 0 at the far side of the scene, 1 at its near side: the depth cue.
    double nearness = 1;
    std::vector<Point2> points;
};

// A tube's body: the union of the polygons that join its neighbouring ellipses.
struct TubeBody
{
    int well = 0;
    double depth = 0;
    std::vector<std::vector<Point2>> polygons;
};

struct Label
{
    enum class Kind { Name, Mark };
    Kind kind = Kind::Name;
    int well = 0;
    double md = 0; // a depth mark's measured depth
    Point2 at; // the path's point the label belongs to
};

struct Frame
{
    std::vector<std::vector<Point2>> grid; // polylines of the ground grid, clipped
    // The north arrow on the ground: its shaft and the two strokes of its head, and where
    // its "N" goes; empty when the ground is seen edge on.
    std::vector<std::vector<Point2>> northArrow;
    Point2 northLabel;
    std::vector<TubeBody> bodies; // farthest first
    std::vector<Item> items; // farthest first
    std::vector<Label> labels; // the names, then the depth marks
    // The scale bar: a round length and its length in the picture (output units).
    double scaleMetres = 0, scaleLength = 0;
};

// Lengths in output units; the defaults suit the drawing layer's tenths of a millimetre,
// on the screen as on paper.
struct FrameOptions
{
    bool tube = true; // the scene's tubes, where it has them
    double piece = 30; // length of path per depth-sorted piece (3 mm)
    double ringSpacing = 100; // between drawn rings of a tube at least (1 cm)
    double hullSpacing = 10; // between the ellipses that make a tube's body (1 mm)
    int ringPoints = 32; // points of a drawn ring
    int hullPoints = 16; // points of an ellipse in the body
};

Frame frameOf(const Scene &scene, const Camera &camera, const Viewport &view,
    const FrameOptions &options = {});

// The camera at `azimuth` and `elevation` that shows the whole scene (its paths, tubes,
// grid and north arrow) in a view of `width` by `height` output units, `margin` (a
// fraction of the view) left free on every side, and the scene's picture in the middle.
Camera fitted(const Scene &scene, double azimuth, double elevation, double width, double height,
    double margin = 0.04);

// The north arrow on the ground west of the grid's south-west corner: its tail, its head
// and the strokes of its head, and where its "N" goes.
struct NorthArrow
{
    Point3 tail, head, left, right, label;
};
NorthArrow northArrowOf(const Grid &grid);

// 1, 2 or 5 times a power of ten, the largest that is at most `most` (> 0).
double roundStepBelow(double most);

} // namespace scene3d
