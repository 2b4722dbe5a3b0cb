// The 3D view on the desktop.
#include "graph3d/view/view3d.h"

#include "core/decimalsign.h"
#include "document/dravondoc.h"
#include "graph/painterdrawcontext.h"
#include "graph/plotdata.h"
#include "graph/plotuncertainty.h"
#include "graph3d/view3dexport.h"
#include "graph3d/view3dscene.h"
#include "scene3d/frame.h"

#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

namespace {

// Degrees of turn per pixel of mouse travel.
constexpr double kTurnPerPixel = 0.4;
// Degrees per arrow key.
constexpr double kTurnPerKey = 5;
// The zoom of one notch of the wheel (and of + and -).
constexpr double kZoomPerNotch = 1.2;
// Mouse travel (pixels) under which a press and release count as a click.
constexpr double kClickTravel = 3;
// How far (pixels) from a path a click still picks it.
constexpr double kPickRadius = 6;

QString number(double v)
{
    return QString::fromStdString(decimalsign::fixed(v, 2, decimalsign::interfaceSign()));
}

} // namespace

// The picture: it paints and hands the mouse to the view.
class View3d::Canvas : public QWidget
{
public:
    explicit Canvas(View3d &view)
        : QWidget(&view)
        , m_view(view)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
        setMouseTracking(false);
        setMinimumSize(100, 100);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_view.paintCanvas(painter);
    }
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        m_view.canvasResized();
    }
    void mousePressEvent(QMouseEvent *event) override { m_view.mousePress(event); }
    void mouseMoveEvent(QMouseEvent *event) override { m_view.mouseMove(event); }
    void mouseReleaseEvent(QMouseEvent *event) override { m_view.mouseRelease(event); }
    void mouseDoubleClickEvent(QMouseEvent *event) override { m_view.mouseDoubleClick(event); }
    void wheelEvent(QWheelEvent *event) override { m_view.wheel(event); }

private:
    View3d &m_view;
};

View3d::View3d(CDravonDoc &doc, QWidget *parent)
    : QWidget(parent)
    , m_doc(&doc)
{
    setFocusPolicy(Qt::StrongFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolBar = new QToolBar(tr("3D-Ansicht"), this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto addView = [this](const QString &text, const QString &tip, auto slot) {
        QAction *a = m_toolBar->addAction(text);
        a->setToolTip(tip);
        a->setStatusTip(tip);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    addView(tr("Von Norden"), tr("Zeigt die Bohrung von Norden (Taste N)"),
        [this] { showFrom(scene3d::StandardView::FromNorth); });
    addView(tr("Von Osten"), tr("Zeigt die Bohrung von Osten (Taste O)"),
        [this] { showFrom(scene3d::StandardView::FromEast); });
    addView(tr("Von oben"), tr("Zeigt die Bohrung von oben, Norden oben (Taste D)"),
        [this] { showFrom(scene3d::StandardView::FromAbove); });
    m_toolBar->addSeparator();
    addView(tr("Ausgangsansicht"),
        tr("Zeigt die ganze Bohrung aus der Ausgangsrichtung (Taste Pos1)"),
        [this] { resetCamera(); });
    layout->addWidget(m_toolBar);
    m_canvas = new Canvas(*this);
    layout->addWidget(m_canvas, 1);

    // New results, a new name or new settings: the scene is made again before it is next
    // drawn.
    connect(m_doc, &CDravonDoc::viewsUpdate, this, [this] {
        m_sceneStale = true;
        m_canvas->update();
    });
}

View3d::~View3d() = default;

QWidget *View3d::canvas() const
{
    return m_canvas;
}

void View3d::OnInitialUpdate()
{
    m_camera = scene3d::Camera {};
    m_sceneStale = true;
    m_cameraValid = false;
    m_userCamera = false;
    m_canvas->update();
}

void View3d::setUncertaintyShown(bool on)
{
    if (m_uncertaintyShown == on)
        return;
    m_uncertaintyShown = on;
    m_canvas->update();
}

void View3d::setOtherWells(std::vector<scene3d::WellInput> wells)
{
    m_others = std::move(wells);
    m_sceneStale = true;
    m_cameraValid = m_userCamera;
    m_canvas->update();
}

const scene3d::Scene &View3d::scene()
{
    const std::uint64_t revision = m_doc->dataRevision();
    if (!m_sceneStale && revision == m_sceneRevision)
        return m_scene;
    // The tube is part of the scene whenever the document has covariances; switching it
    // off only leaves it out of the picture.
    m_scene = view3d::wellScene(m_doc->analysis(), m_others);
    // A new scene (new results, new neighbours) is fitted afresh from the same direction,
    // unless the user has moved the view.
    if (!m_userCamera)
        m_cameraValid = false;
    m_sceneRevision = revision;
    m_sceneStale = false;
    return m_scene;
}

double View3d::pictureWidth() const
{
    return m_canvas->width() / PainterDrawContext::pixelsPerUnitX(*m_canvas);
}

double View3d::pictureHeight() const
{
    return m_canvas->height() / PainterDrawContext::pixelsPerUnitY(*m_canvas);
}

const scene3d::Camera &View3d::camera()
{
    const scene3d::Scene &s = scene();
    if (!m_cameraValid) {
        // From the direction the view has (the starting one at first).
        m_camera = scene3d::fitted(
            s, m_camera.azimuth, m_camera.elevation, pictureWidth(), pictureHeight());
        m_cameraValid = true;
    }
    return m_camera;
}

void View3d::setCamera(const scene3d::Camera &camera)
{
    scene();
    m_camera = camera;
    m_cameraValid = true;
    m_userCamera = true;
    m_canvas->update();
}

void View3d::cameraMoved(const scene3d::Camera &camera)
{
    setCamera(camera);
}

void View3d::resetCamera()
{
    m_camera = scene3d::fitted(
        scene(), scene3d::kHomeAzimuth, scene3d::kHomeElevation, pictureWidth(), pictureHeight());
    m_cameraValid = true;
    m_userCamera = false;
    m_canvas->update();
}

void View3d::showFrom(scene3d::StandardView view)
{
    const scene3d::Camera turned = scene3d::viewedFrom(camera(), view);
    // The whole scene from the new side, as the starting view shows it.
    m_camera = scene3d::fitted(
        scene(), turned.azimuth, turned.elevation, pictureWidth(), pictureHeight());
    m_cameraValid = true;
    m_userCamera = true;
    m_canvas->update();
}

void View3d::canvasResized()
{
    // The view keeps its middle and scale; until the user moves it, it fits the new size.
    if (!m_userCamera)
        m_cameraValid = false;
}

scene3d::Point2 View3d::pictureOf(QPointF pixel) const
{
    const double sx = PainterDrawContext::pixelsPerUnitX(*m_canvas);
    const double sy = PainterDrawContext::pixelsPerUnitY(*m_canvas);
    return { pixel.x() / sx - 0.5 * pictureWidth(), 0.5 * pictureHeight() - pixel.y() / sy };
}

QPointF View3d::pixelOf(const scene3d::Point2 &p) const
{
    const double sx = PainterDrawContext::pixelsPerUnitX(*m_canvas);
    const double sy = PainterDrawContext::pixelsPerUnitY(*m_canvas);
    return { (p.x + 0.5 * pictureWidth()) * sx, (0.5 * pictureHeight() - p.y) * sy };
}

void View3d::paintCanvas(QPainter &painter)
{
    painter.fillRect(m_canvas->rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PainterDrawContext dc(painter);
    const double sx = PainterDrawContext::pixelsPerUnitX(*m_canvas);
    // The picture's middle at the canvas's middle: the area spans the canvas, its
    // logical origin at the canvas's top left corner.
    const double w = pictureWidth(), h = pictureHeight();
    const view3d::Area area { 0, 0, static_cast<int>(std::lround(w)),
        static_cast<int>(std::lround(h)) };
    // The area's middle (integer logical units) and the canvas's differ by half a unit at
    // most; the window origin moves the picture onto the canvas's middle.
    const QPoint middle = area.middle();
    dc.setWindowOrg(static_cast<int>(std::lround(middle.x() - 0.5 * w)),
        static_cast<int>(std::lround(middle.y() + 0.5 * h)));
    const scene3d::Scene &s = scene();
    const scene3d::Camera &c = camera();
    view3d::Look look;
    look.pixel = 1 / sx;
    look.tube = m_uncertaintyShown;
    look.uncertaintyCaption = caption();
    look.northCaption = northNote(m_doc->analysis().courseNorth());
    view3d::drawView(dc, s, c, area, look);
}

std::optional<scene3d::Pick> View3d::pickAt(QPointF pixel)
{
    const scene3d::Point2 p = pictureOf(pixel);
    const double radius = kPickRadius / PainterDrawContext::pixelsPerUnitX(*m_canvas);
    return scene3d::pick(scene(), camera(), p.x, p.y, radius);
}

QString View3d::pickText(const scene3d::Pick &pick)
{
    const scene3d::SceneWell &w = scene().wells.at(static_cast<std::size_t>(pick.well));
    return tr("%1: Teufe %2 m, Seigerteufe %3 m, Nord %4 m, Ost %5 m")
        .arg(QString::fromStdString(w.name), number(pick.md), number(pick.at.tvd),
            number(pick.at.north), number(pick.at.east));
}

void View3d::mousePress(QMouseEvent *event)
{
    setFocus();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (event->button() == Qt::LeftButton)
        m_drag = shift ? Drag::Pan : Drag::Orbit;
    else if (event->button() == Qt::MiddleButton)
        m_drag = Drag::Pan;
    else
        return;
    m_pressAt = m_lastAt = event->position();
    m_moved = false;
    event->accept();
}

void View3d::mouseMove(QMouseEvent *event)
{
    if (m_drag == Drag::None)
        return;
    const QPointF at = event->position();
    // Until the pointer has travelled far enough to be no click, nothing moves; then the
    // whole way from the press counts.
    if (!m_moved && QLineF(at, m_pressAt).length() < kClickTravel)
        return;
    m_moved = true;
    const QPointF d = at - m_lastAt;
    m_lastAt = at;
    if (m_drag == Drag::Orbit) {
        // Dragging to the right turns the near side of the scene to the right; dragging
        // down tilts it toward the viewer.
        cameraMoved(scene3d::orbited(camera(), kTurnPerPixel * d.x(), kTurnPerPixel * d.y()));
    } else {
        const scene3d::Point2 from = pictureOf(at - d), to = pictureOf(at);
        cameraMoved(scene3d::panned(camera(), to.x - from.x, to.y - from.y));
    }
    event->accept();
}

void View3d::mouseRelease(QMouseEvent *event)
{
    const Drag drag = m_drag;
    m_drag = Drag::None;
    if (drag == Drag::None || m_moved || event->button() != Qt::LeftButton)
        return;
    // A click: the point of the path under it, if any.
    if (const auto picked = pickAt(event->position()))
        emit statusMessage(pickText(*picked));
    event->accept();
}

void View3d::mouseDoubleClick(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const scene3d::Camera &c = camera();
    if (const auto picked = pickAt(event->position())) {
        cameraMoved(scene3d::centredOn(c, picked->at));
        emit statusMessage(pickText(*picked));
    } else {
        // Nothing there: the point of the picture under the pointer, at the depth of the
        // middle.
        const scene3d::Point2 p = pictureOf(event->position());
        cameraMoved(scene3d::centredOn(c, scene3d::Projector(c).unproject(p.x, p.y)));
    }
    event->accept();
}

void View3d::wheel(QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0)
        return;
    const scene3d::Point2 p = pictureOf(event->position());
    cameraMoved(scene3d::zoomedAt(camera(), std::pow(kZoomPerNotch, notches), p.x, p.y));
    event->accept();
}

void View3d::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Home:
        resetCamera();
        break;
    case Qt::Key_N:
        showFrom(scene3d::StandardView::FromNorth);
        break;
    case Qt::Key_O:
        showFrom(scene3d::StandardView::FromEast);
        break;
    case Qt::Key_S:
        showFrom(scene3d::StandardView::FromSouth);
        break;
    case Qt::Key_W:
        showFrom(scene3d::StandardView::FromWest);
        break;
    case Qt::Key_D:
        showFrom(scene3d::StandardView::FromAbove);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        cameraMoved(scene3d::orbited(
            camera(), event->key() == Qt::Key_Right ? kTurnPerKey : -kTurnPerKey, 0));
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        cameraMoved(scene3d::orbited(
            camera(), 0, event->key() == Qt::Key_Down ? kTurnPerKey : -kTurnPerKey));
        break;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        cameraMoved(scene3d::zoomedAt(
            camera(), event->key() == Qt::Key_Plus ? kZoomPerNotch : 1 / kZoomPerNotch, 0, 0));
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

std::string View3d::caption()
{
    // The model of the document's well names the tube in the legend.
    const UncertaintySettings &u = m_doc->settings().uncertainty;
    if (!m_uncertaintyShown || scene().sigmas <= 0 || !u.hasModel())
        return {};
    return uncertaintyCaption(u, scene().sigmas);
}

view3d::PageTexts View3d::pageTexts()
{
    view3d::PageTexts texts;
    texts.wellName = m_doc->name();
    texts.documentTitle = m_doc->titleText();
    texts.uncertaintyCaption = caption();
    texts.northCaption = northNote(m_doc->analysis().courseNorth());
    return texts;
}

int View3d::print(QPrinter &printer)
{
    const view3d::PageTexts texts = pageTexts();
    const scene3d::Camera c = camera();
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing, true);
    view3d::paintPage(
        painter, scene(), c, pictureWidth(), pictureHeight(), texts, m_uncertaintyShown);
    painter.end();
    return 1;
}

bool View3d::saveImage(const QString &path, QSize pixels, std::string &error)
{
    const view3d::PageTexts texts = pageTexts();
    const scene3d::Camera c = camera();
    return view3d::exportView(scene(), c, pictureWidth(), pictureHeight(), path.toStdString(),
        pixels, texts, m_uncertaintyShown, error);
}
