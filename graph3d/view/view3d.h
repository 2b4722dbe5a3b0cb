// The 3D view of the desktop program: the document's well (and the wells shown with it)
// with its uncertainty tube, seen through an orbit camera. The left mouse button turns
// the view about its middle, the middle button or Shift with the left one moves it, the
// wheel zooms toward the pointer, a double click centres on the point under the pointer,
// Pos1 returns to the starting view; the buttons above the picture and the keys N, O, S,
// W and D show it from the north, east, south, west and from above. A click on a path
// says its measured depth, TVD, north and east in the status bar.
//
// The scene is built when the document's results change, never while drawing; a frame
// only projects it. The view reads the document and never writes into it.
#pragma once

#include "graph3d/view3drender.h"
#include "scene3d/camera.h"
#include "scene3d/pick.h"
#include "scene3d/scene.h"

#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CDravonDoc;
class QPrinter;
class QToolBar;

class View3d : public QWidget
{
    Q_OBJECT
public:
    explicit View3d(CDravonDoc &doc, QWidget *parent = nullptr);
    ~View3d() override;

    // Back to the starting view at the next drawing (after a document was opened).
    void OnInitialUpdate();

    // "Unsicherheit": the tube of a well with an error model.
    void setUncertaintyShown(bool on);
    bool isUncertaintyShown() const { return m_uncertaintyShown; }

    // Wells shown with the document's, each in the next colour of the palette; their
    // frames must already be the document well's.
    void setOtherWells(std::vector<scene3d::WellInput> wells);

    // The scene drawn, made again when the document changed.
    const scene3d::Scene &scene();
    // The camera: the starting view fitted to the picture until the user moves it.
    const scene3d::Camera &camera();
    void setCamera(const scene3d::Camera &camera);
    // Pos1: the starting direction, the whole scene in the picture.
    void resetCamera();
    void showFrom(scene3d::StandardView view);

    // The widget the picture is drawn on, which takes the mouse.
    QWidget *canvas() const;
    QToolBar *toolBar() const { return m_toolBar; }
    // The picture point (logical units from the middle of the picture, y upward) of a
    // pixel of the canvas, and back.
    scene3d::Point2 pictureOf(QPointF pixel) const;
    QPointF pixelOf(const scene3d::Point2 &p) const;
    // The size of the picture in logical units.
    double pictureWidth() const;
    double pictureHeight() const;

    // The path point under a pixel of the canvas, if one lies within a few pixels.
    std::optional<scene3d::Pick> pickAt(QPointF pixel);
    // The status bar's text for a picked point.
    QString pickText(const scene3d::Pick &pick);

    // Prints the view on one page of `printer` with title and legend; the page count
    // (0 when the printer could not be opened).
    int print(QPrinter &printer);
    // "Bild speichern": the view as PNG (`pixels` in size), SVG or PDF; false with the
    // message to show.
    bool saveImage(const QString &path, QSize pixels, std::string &error);

signals:
    // A text for the status bar (a picked point).
    void statusMessage(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    class Canvas;
    friend class Canvas;

    void paintCanvas(QPainter &painter);
    void mousePress(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);
    void mouseRelease(QMouseEvent *event);
    void mouseDoubleClick(QMouseEvent *event);
    void wheel(QWheelEvent *event);
    void canvasResized();
    void cameraMoved(const scene3d::Camera &camera);
    view3d::PageTexts pageTexts();
    // The legend's line for the tube, empty when none is drawn.
    std::string caption();

    CDravonDoc *m_doc;
    Canvas *m_canvas = nullptr;
    QToolBar *m_toolBar = nullptr;
    bool m_uncertaintyShown = true;
    std::vector<scene3d::WellInput> m_others;

    scene3d::Scene m_scene;
    bool m_sceneStale = true;
    std::uint64_t m_sceneRevision = 0; // the document revision the scene was made from

    scene3d::Camera m_camera;
    bool m_cameraValid = false; // fitted or moved since the scene changed
    bool m_userCamera = false; // the user moved it: a resize keeps it

    enum class Drag { None, Orbit, Pan };
    Drag m_drag = Drag::None;
    QPointF m_pressAt, m_lastAt;
    bool m_moved = false;
};
