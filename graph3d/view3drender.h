// The 3D view drawn through the drawing layer: one frame of the scene (scene3d/frame.h)
// in a rectangle of the page, with the ground grid, the north arrow, the tubes, the paths
// with their markers, names and depth marks, the legend and the scale bar; and the
// printed page around it with title and legend. The screen, the printer, PNG, SVG and PDF
// all draw through these functions.
#pragma once

#include "graph/drawcontext.h"
#include "scene3d/camera.h"
#include "scene3d/frame.h"
#include "scene3d/scene.h"

#include <QPoint>

#include <string>

namespace view3d {

// A rectangle of the page in logical units (y upward): x from `left` to left + width, y
// from top - height to `top`.
struct Area
{
    int left = 0, top = 0, width = 0, height = 0;

    QPoint middle() const { return QPoint(left + width / 2, top - height / 2); }
};

struct Look
{
    double pixel = 1; // logical units per device pixel: what the thinning resolves
    bool tube = true; // the scene's tubes, where it has them
    bool legend = true; // names and colours of the wells in the view's top left corner
    // The line below the wells in the legend while a tube is drawn, as the
    // graph page's: "Unsicherheit: ISCWSA MWD Rev. 5, 2 Sigma".
    std::string uncertaintyCaption;
    // The line that names the north of the positions, last in the legend: "Nord und Ost:
    // Gitternord (EPSG:25832); …"; empty where the positions are as measured in true north.
    std::string northCaption;
    // The direction of view in the bottom right corner.
    bool direction = true;
};

// The logical point of a picture point of the frame in `area`.
QPoint toPage(const Area &area, const scene3d::Point2 &p);
// The picture point (from the middle of `area`) of a logical point.
scene3d::Point2 fromPage(const Area &area, const QPoint &p);

// Draws the scene as `camera` sees it into `area`; nothing outside the area.
void drawView(DrawContext &dc, const scene3d::Scene &scene, const scene3d::Camera &camera,
    const Area &area, const Look &look);

// The direction of view as the view and the page name it: "Blick aus
// Azimut 225°, 25° über dem Horizont".
std::string directionText(const scene3d::Camera &camera);

// A page: the title ("3D-Ansicht <name>") and the document above the view, the legend
// (colours and names, the uncertainty, the direction of view and the scale) below it.
struct PageTexts
{
    std::string wellName;
    std::string documentTitle;
    std::string uncertaintyCaption; // empty without a tube
    std::string northCaption; // as Look's
};

// The camera for a view of `to` (logical size) that shows what `camera` shows in a view of
// `from`: the same direction and middle, the scale changed so that all of `from` fits.
scene3d::Camera cameraFor(const scene3d::Camera &camera, double fromWidth, double fromHeight,
    double toWidth, double toHeight);

// Draws the page into `page`: the view in the middle with the camera for its size, made
// from `camera` as seen in a view of `seenWidth` by `seenHeight` logical units.
void drawPage(DrawContext &dc, const scene3d::Scene &scene, const scene3d::Camera &camera,
    double seenWidth, double seenHeight, const Area &page, const PageTexts &texts, bool tube);

// The view's area within a page area, and the camera the page draws with.
Area pageViewArea(const scene3d::Scene &scene, const Area &page, const PageTexts &texts);

} // namespace view3d
