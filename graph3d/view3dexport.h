// The 3D view written to a file, chosen by the file's extension:
//   .png  the view as on screen (legend, scale bar, direction), `pixels` in size;
//   .svg  the same as a vector drawing, one SVG unit per logical unit (0.1 mm);
//   .pdf  the printed page: an A4 landscape sheet with title and legend.
// Rendered from the scene through the drawing layer, as the screen draws it. The caller
// must have created a QGuiApplication (fonts need it); without a display, on the
// offscreen platform.
#pragma once

#include "graph3d/view3drender.h"
#include "scene3d/frame.h"

#include <QImage>
#include <QPointF>
#include <QSize>

#include <string>

namespace view3d {

// The view the batch tool draws: 240 mm by 180 mm, as a PNG image of 1600 by 1200
// pixels.
inline constexpr int kBatchWidth = 2400, kBatchHeight = 1800;
inline const QSize kBatchPixels { 1600, 1200 };

// The camera of the batch tool: from `azimuth` and `elevation`, the scene fitted into its
// view.
scene3d::Camera batchCamera(const scene3d::Scene &scene, double azimuth, double elevation);

// Where an image of `pixels` draws a view seen in `seenWidth` by `seenHeight` logical
// units: the view's area on the image's page (all that was seen, and more along one side
// when the shapes differ) and the pixels per logical unit.
struct ImageLayout
{
    Area area;
    double pixelsPerUnit = 1;

    // The pixel of the image (from its top left corner, y downward) of a picture point.
    QPointF pixelOf(const scene3d::Point2 &p) const;
};
ImageLayout imageLayout(double seenWidth, double seenHeight, QSize pixels);

// The view as an image of `pixels`, white behind it.
QImage renderImage(const scene3d::Scene &scene, const scene3d::Camera &camera, double seenWidth,
    double seenHeight, QSize pixels, const Look &look);

// Writes the file. `camera` is the camera of a view of `seenWidth` by `seenHeight`
// logical units (the screen's, or the batch tool's). False with a message in the program's
// language for an unknown extension, a missing QGuiApplication or a file that cannot be
// written; an existing file is then left as it was.
bool exportView(const scene3d::Scene &scene, const scene3d::Camera &camera, double seenWidth,
    double seenHeight, const std::string &path, QSize pixels, const PageTexts &texts, bool tube,
    std::string &error);

// Draws the printed page on any paint device already begun by `painter` (a printer, a
// PDF writer): the page fills the device's painting area.
void paintPage(QPainter &painter, const scene3d::Scene &scene, const scene3d::Camera &camera,
    double seenWidth, double seenHeight, const PageTexts &texts, bool tube);

} // namespace view3d
