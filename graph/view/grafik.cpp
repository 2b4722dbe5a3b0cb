// The graph view on screen and paper.
#include "graph/view/grafik.h"

#include "document/dravondoc.h"
#include "graph/graphstyle.h"
#include "graph/painterdrawcontext.h"
#include "graph/plotoffsets.h"
#include "graph/plotplan.h"
#include "graph/plotuncertainty.h"
#include "graph/sectionview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QRubberBand>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

CGrafik::CGrafik(CDravonDoc &doc, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_doc(&doc)
{
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(pal);
    // A hidden view repaints from the current data when it is shown again; the paint
    // itself decides whether the data need new scaling.
    connect(m_doc, &CDravonDoc::viewsUpdate, viewport(), qOverload<>(&QWidget::update));
    // New results, a new name or new settings: the plot value is made again before it
    // is next drawn.
    connect(m_doc, &CDravonDoc::viewsUpdate, this, [this] {
        m_plotStale = true;
        m_ladderStale = m_cylinderStale = true;
    });
    connect(m_doc, &CDravonDoc::titleChanged, viewport(), qOverload<>(&QWidget::update));
    // The page fills the window: it is composed for the viewport's size.
    m_page.m_target = windowTarget();
    setFocusPolicy(Qt::StrongFocus);
    setStatusTip(tr("Mausrad: vergrößern oder verkleinern; linke Maustaste ziehen: verschieben; "
                    "Strg und linke Maustaste ziehen: Ausschnitt vergrößern; "
                    "Pos1: ganze Bohrung"));
}

void CGrafik::OnInitialUpdate()
{
    m_page.m_bComputed = 0;
    if (isZoomed()) {
        m_page.m_shownPart = QRectF(0.0, 0.0, 1.0, 1.0);
        emit zoomChanged(false);
    }
    m_plotStale = true;
    m_ladderStale = m_cylinderStale = true;
    updateScrollBars();
    viewport()->update();
}

graph::PageTarget CGrafik::windowTarget() const
{
    // The room without scroll bars: a page that fits needs none.
    const QSize pixels = maximumViewportSize();
    const double sx = PainterDrawContext::pixelsPerUnitX(*viewport());
    const double sy = PainterDrawContext::pixelsPerUnitY(*viewport());
    return graph::PageTarget::windowOf(QSize(static_cast<int>(std::floor(pixels.width() / sx)),
        static_cast<int>(std::floor(pixels.height() / sy))));
}

void CGrafik::updateScrollBars()
{
    const double sx = PainterDrawContext::pixelsPerUnitX(*viewport());
    const double sy = PainterDrawContext::pixelsPerUnitY(*viewport());
    // The page as large as the window unless it had to keep its least plot area.
    const graph::PageSize size = graph::pageSizeFor(m_page.m_target);
    int pageWidth = size.areaWidth + 2 * graph::kWindowMargin;
    int pageHeight = size.pageHeight;
    // The ladder and the cylinder keep room for one legend row per neighbour.
    if (offsetPageShown()) {
        const QSize used = m_shown == GraphShown::Ladder ? m_ladderPage.usedArea()
                                                         : m_cylinderPage.usedArea();
        pageWidth = std::max(pageWidth, used.width());
        pageHeight = std::max(pageHeight, used.height());
    }
    const int extentX = static_cast<int>(std::floor(pageWidth * sx));
    const int extentY = static_cast<int>(std::floor(pageHeight * sy));
    // A page that fits the room without scroll bars needs none.
    const QSize room = maximumViewportSize();
    const bool fits = extentX <= room.width() && extentY <= room.height();
    const QSize view = fits ? room : viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, extentX - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, extentY - view.height()));
    // Half the page per page step, a fiftieth per line.
    horizontalScrollBar()->setPageStep(std::max(1, extentX / 2));
    verticalScrollBar()->setPageStep(std::max(1, extentY / 2));
    horizontalScrollBar()->setSingleStep(std::max(1, extentX / 50));
    verticalScrollBar()->setSingleStep(std::max(1, extentY / 50));
}

void CGrafik::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    const graph::PageTarget target = windowTarget();
    if (target != m_page.m_target) {
        m_page.m_target = target;
        placeAgain();
        m_offsetLayoutStale = true;
    }
    updateScrollBars();
}

void CGrafik::placeAgain()
{
    // Only the points of data already scaled are placed anew; new data are scaled by
    // the next paint.
    if (m_page.m_bComputed == 1 && m_page.m_scaledRevision == m_plotRevision)
        m_page.worldtrans(m_plot);
}

QPointF CGrafik::logicalAt(QPointF pixel) const
{
    const double sx = PainterDrawContext::pixelsPerUnitX(*viewport());
    const double sy = PainterDrawContext::pixelsPerUnitY(*viewport());
    const QPoint origin = offsetPageShown() ? OffsetPage::windowOrigin()
                                            : GraphPage::windowOrigin(m_plot);
    return { (pixel.x() + horizontalScrollBar()->value()) / sx + origin.x(),
        origin.y() - (pixel.y() + verticalScrollBar()->value()) / sy };
}

QPointF CGrafik::pixelAt(QPointF logical) const
{
    const double sx = PainterDrawContext::pixelsPerUnitX(*viewport());
    const double sy = PainterDrawContext::pixelsPerUnitY(*viewport());
    const QPoint origin = offsetPageShown() ? OffsetPage::windowOrigin()
                                            : GraphPage::windowOrigin(m_plot);
    return { (logical.x() - origin.x()) * sx - horizontalScrollBar()->value(),
        (origin.y() - logical.y()) * sy - verticalScrollBar()->value() };
}

bool CGrafik::isZoomed() const
{
    return shownPart() != QRectF(0.0, 0.0, 1.0, 1.0);
}

const OffsetPage *CGrafik::shownOffsetPage() const
{
    if (m_shown == GraphShown::Ladder)
        return &m_ladderPage;
    if (m_shown == GraphShown::Cylinder)
        return &m_cylinderPage;
    return nullptr;
}

QRectF CGrafik::shownPart() const
{
    const OffsetPage *offsetPage = shownOffsetPage();
    return offsetPage ? offsetPage->m_shownPart : m_page.m_shownPart;
}

void CGrafik::setShownPart(QRectF part)
{
    const bool wasZoomed = isZoomed();
    // Rounding must not keep a view that shows the whole from saying so.
    const QRectF whole(0.0, 0.0, 1.0, 1.0);
    const auto near = [](double a, double b) { return std::fabs(a - b) < 1e-9; };
    if (near(part.left(), 0.0) && near(part.top(), 0.0) && near(part.width(), 1.0)
        && near(part.height(), 1.0))
        part = whole;
    if (!part.isValid() || !std::isfinite(part.left()) || !std::isfinite(part.top())
        || !std::isfinite(part.width()) || !std::isfinite(part.height()))
        return;
    if (m_shown == GraphShown::Ladder) {
        m_ladderPage.m_shownPart = part;
        m_offsetLayoutStale = true;
    } else if (m_shown == GraphShown::Cylinder) {
        m_cylinderPage.m_shownPart = part;
        m_offsetLayoutStale = true;
    } else {
        m_page.m_shownPart = part;
        placeAgain();
    }
    viewport()->update();
    if (wasZoomed != isZoomed())
        emit zoomChanged(isZoomed());
}

bool CGrafik::keepsEqualScales()
{
    return m_page.m_bComputed == 1 && m_page.equalScales(m_plot);
}

QPointF CGrafik::wholeFractionAt(QPointF pixel) const
{
    const QPointF logical = logicalAt(pixel);
    const OffsetPage *offsetPage = shownOffsetPage();
    if (!offsetPage)
        return m_page.wholeAreaFractionAt(logical);
    const QRectF part = offsetPage->m_shownPart;
    const double width = std::max(1, offsetPage->areaWidth());
    const double height = std::max(1, offsetPage->areaHeight());
    return { part.left() + logical.x() / width * part.width(),
        part.top() - logical.y() / height * part.height() };
}

void CGrafik::zoomAt(QPointF pixel, double factor)
{
    // Before the first drawing nothing is laid out to zoom into.
    if (m_page.m_bComputed != 1 || !(factor > 0.0))
        return;
    const QRectF part = shownPart();
    const QPointF at = wholeFractionAt(pixel);
    // No more than the whole, no less than a ten-thousandth of it across.
    const auto size = [factor](double now) { return std::clamp(now / factor, 1e-4, 1.0); };
    if (m_shown == GraphShown::Cylinder) {
        // The rings about the hole: the radius shrinks or grows, the centre stays.
        const double radius = size(part.width());
        setShownPart(QRectF((1.0 - radius) / 2, (1.0 - radius) / 2, radius, radius));
        return;
    }
    // The ladder zooms its depths alone; the graph page both ways.
    const bool across = m_shown != GraphShown::Ladder;
    const double width = across ? size(part.width()) : 1.0;
    const double height = size(part.height());
    // The point under the pointer keeps its place in the area; a side that shows all of
    // the well again starts at its edge.
    const double left = width >= 1.0 ? 0.0 : at.x() - (at.x() - part.left()) * width / part.width();
    const double top = height >= 1.0 ? 0.0 : at.y() - (at.y() - part.top()) * height / part.height();
    setShownPart(QRectF(left, top, width, height));
}

void CGrafik::panBy(QPointF pixels)
{
    // The cylinder is drawn about the hole: nothing to pan.
    if (m_page.m_bComputed != 1 || m_shown == GraphShown::Cylinder)
        return;
    const OffsetPage *offsetPage = shownOffsetPage();
    const int areaWidth = offsetPage ? offsetPage->areaWidth() : m_page.m_Breite;
    const int areaHeight = offsetPage ? offsetPage->areaHeight() : m_page.m_Hoehe;
    if (areaWidth <= 0 || areaHeight <= 0)
        return;
    const double sx = PainterDrawContext::pixelsPerUnitX(*viewport());
    const double sy = PainterDrawContext::pixelsPerUnitY(*viewport());
    const QRectF part = shownPart();
    // The data follow the pointer: the part shown moves the other way. The ladder moves
    // along its depths only.
    const double across = offsetPage ? 0.0 : pixels.x() / sx / areaWidth * part.width();
    const double down = pixels.y() / sy / areaHeight * part.height();
    setShownPart(part.translated(-across, -down));
}

void CGrafik::zoomToBox(QRectF pixels)
{
    if (m_page.m_bComputed != 1 || m_shown == GraphShown::Cylinder)
        return;
    const QPointF a = wholeFractionAt(pixels.topLeft());
    const QPointF b = wholeFractionAt(pixels.bottomRight());
    QRectF box = QRectF(a, b).normalized();
    if (!(box.width() > 0.0) || !(box.height() > 0.0))
        return;
    if (m_shown == GraphShown::Ladder) {
        // The depths of the box.
        box.setLeft(0.0);
        box.setWidth(1.0);
    } else if (keepsEqualScales()) {
        // As much as the box shows, at one scale: its shorter side is lengthened about
        // its middle.
        const double side = std::max(box.width(), box.height());
        const QPointF middle = box.center();
        box = QRectF(middle.x() - side / 2, middle.y() - side / 2, side, side);
    }
    const double least = 1e-4;
    box.setWidth(std::clamp(box.width(), least, 1.0));
    box.setHeight(std::clamp(box.height(), least, 1.0));
    setShownPart(box);
}

void CGrafik::showWhole()
{
    setShownPart(QRectF(0.0, 0.0, 1.0, 1.0));
}

void CGrafik::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y();
    if (notches == 0) {
        event->ignore();
        return;
    }
    zoomAt(event->position(), std::pow(kWheelStep, notches / 120.0));
    event->accept();
}

void CGrafik::mousePressEvent(QMouseEvent *event)
{
    // The right button keeps its context menu.
    const bool box
        = event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier);
    if (box) {
        m_drag = Drag::Box;
        m_boxStart = event->position().toPoint();
        if (!m_rubberBand)
            m_rubberBand = new QRubberBand(QRubberBand::Rectangle, viewport());
        m_rubberBand->setGeometry(QRect(m_boxStart, QSize()));
        m_rubberBand->show();
    } else if (event->button() == Qt::LeftButton) {
        m_drag = Drag::Pan;
        m_dragLast = event->position();
        viewport()->setCursor(Qt::ClosedHandCursor);
    } else {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    event->accept();
}

void CGrafik::mouseMoveEvent(QMouseEvent *event)
{
    if (m_drag == Drag::Pan) {
        panBy(event->position() - m_dragLast);
        m_dragLast = event->position();
    } else if (m_drag == Drag::Box && m_rubberBand) {
        m_rubberBand->setGeometry(QRect(m_boxStart, event->position().toPoint()).normalized());
    } else {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    event->accept();
}

void CGrafik::mouseReleaseEvent(QMouseEvent *event)
{
    const Drag drag = m_drag;
    m_drag = Drag::None;
    if (drag == Drag::Pan) {
        panBy(event->position() - m_dragLast);
        viewport()->unsetCursor();
    } else if (drag == Drag::Box) {
        if (m_rubberBand)
            m_rubberBand->hide();
        const QRect box = QRect(m_boxStart, event->position().toPoint()).normalized();
        // A click is no box.
        if (box.width() >= 4 && box.height() >= 4)
            zoomToBox(box);
    } else {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    event->accept();
}

void CGrafik::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Home && event->modifiers() == Qt::NoModifier) {
        showWhole();
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

const PlotData &CGrafik::shownData()
{
    refreshOffsets();
    const std::uint64_t revision = m_doc->dataRevision();
    const bool newData = revision != m_plotDataRevision;
    if (!newData && !m_plotStale)
        return m_plot;
    // The document made the covariances with its result, one per station of either
    // trajectory (both end at the same station).
    const std::vector<unc::Sym3> &covariances = m_doc->stationCovariances();
    const UncertaintySettings &model = m_doc->settings().uncertainty;
    if (m_shown == GraphShown::Section) {
        const ViewPreferences p = effectivePreferences(m_doc->settings(), m_remembered);
        const double azimuth = sectionAzimuthOf(m_doc->plotTrajectory(), p.sectionAzimuth);
        m_plot = sectionPlotData(m_doc->plotTrajectory(), m_doc->name(), azimuth, p.unit);
        if (m_uncertaintyShown)
            addSectionUncertainty(m_plot, azimuth, p.unit, covariances, model);
        if (m_offsets)
            addSectionOffsets(m_plot, *m_offsets, azimuth, p.unit, m_uncertaintyShown);
        if (m_doc->settings().plan)
            addSectionPlan(m_plot, m_doc->analysis().plan(), m_doc->settings().plan->targets,
                azimuth, p.unit);
    } else {
        const PlotView view = plotViewOf(m_doc->view());
        m_plot = plotDataOf(m_doc->plotTrajectory(), view, m_doc->name());
        if (m_uncertaintyShown)
            addUncertainty(m_plot, m_doc->plotTrajectory(), view, covariances, model);
        if (m_offsets)
            addOffsets(m_plot, *m_offsets, m_doc->plotTrajectory(), view, m_uncertaintyShown);
        if (m_doc->settings().plan)
            addPlan(m_plot, m_doc->analysis().plan(), m_doc->settings().plan->targets,
                m_doc->plotTrajectory(), view);
        markOutsideTolerance(m_plot, m_doc->plotTrajectory(), surveycheck::outsideDepths(m_doc->surveyCheck()));
    }
    m_plot.north = northNote(m_doc->analysis().courseNorth());
    // The path may also stop short where the check refused a station: the page says
    // where it ends, of how deep the stations go.
    const well::Computation &result = m_doc->result();
    if (result.endsShort() && !m_doc->plotTrajectory().stations.empty()) {
        m_plot.abortDepth = m_doc->plotTrajectory().last().md;
        m_plot.enteredDepth = result.deepestEntered;
    }
    m_plotDataRevision = revision;
    m_plotStale = false;
    // New results are scaled afresh; so is every new section, whose azimuth and unit
    // change its series without new results. A new name alone keeps the scaling.
    // New series show the whole well again.
    if (newData || m_shown == GraphShown::Section || m_rescale) {
        ++m_plotRevision;
        if (isZoomed()) {
            m_page.m_shownPart = QRectF(0.0, 0.0, 1.0, 1.0);
            emit zoomChanged(false);
        }
    }
    m_rescale = false;
    return m_plot;
}

double CGrafik::sectionAzimuth() const
{
    const ViewPreferences p = effectivePreferences(m_doc->settings(), m_remembered);
    return sectionAzimuthOf(m_doc->plotTrajectory(), p.sectionAzimuth);
}

void CGrafik::setSectionView(bool on)
{
    if (on)
        setShown(GraphShown::Section);
    else if (m_shown == GraphShown::Section)
        setShown(GraphShown::Plot);
}

void CGrafik::setShown(GraphShown shown)
{
    if (m_shown == shown)
        return;
    const bool section = m_shown == GraphShown::Section || shown == GraphShown::Section;
    m_shown = shown;
    // The page was scaled for the other data; without a first drawing there is nothing
    // to rescale.
    if (section)
        m_plotStale = true;
    if (m_page.m_bComputed == 1)
        OnCompute();
    updateScrollBars();
    viewport()->update();
}

void CGrafik::refreshOffsets()
{
    const std::uint64_t revision = m_doc->dataRevision();
    if (revision == m_offsetsRevision)
        return;
    m_offsetsRevision = revision;
    // Copies of the document's paths and covariances: nothing is computed here.
    const clr::WellScan &clearance = m_doc->clearance();
    m_offsets = clearance.offsets.empty()
        ? nullptr
        : std::make_unique<const OffsetPicture>(
            offsetPictureOf(clearance.offsets, clearance.scan, m_doc->offsetCovariances()));
    m_plotStale = true;
    m_ladderStale = m_cylinderStale = true;
}

const OffsetPicture *CGrafik::offsets()
{
    refreshOffsets();
    return m_offsets.get();
}

const LadderData &CGrafik::ladderData()
{
    refreshOffsets();
    if (m_ladderStale) {
        m_ladder = m_offsets ? ladderDataOf(*m_offsets, m_doc->name()) : LadderData {};
        m_ladder.title = m_doc->name();
        m_ladderStale = false;
        // New distances show all their depths again.
        m_ladderPage.m_shownPart = QRectF(0.0, 0.0, 1.0, 1.0);
        m_offsetLayoutStale = true;
    }
    return m_ladder;
}

const CylinderData &CGrafik::cylinderData()
{
    refreshOffsets();
    if (m_cylinderStale) {
        // The scan was made along the path of the stations as entered.
        m_cylinder = m_offsets ? cylinderDataOf(*m_offsets, m_doc->trajectory(), m_doc->name())
                               : CylinderData {};
        m_cylinder.title = m_doc->name();
        // The outer ring the user fixed in the view settings (unset: automatic).
        m_cylinder.outerRadius = m_remembered.cylinderRadius;
        m_cylinderStale = false;
        m_cylinderPage.m_shownPart = QRectF(0.0, 0.0, 1.0, 1.0);
        m_offsetLayoutStale = true;
    }
    return m_cylinder;
}

void CGrafik::layoutOffsetPage()
{
    if (m_shown == GraphShown::Ladder)
        m_ladderPage.layout(ladderData(), m_page.m_target);
    else if (m_shown == GraphShown::Cylinder)
        m_cylinderPage.layout(cylinderData(), m_page.m_target);
    m_offsetLayoutStale = false;
}

void CGrafik::drawOffsetPage(DrawContext &dc)
{
    // New data since the last layout: laid out before they are drawn.
    if (m_shown == GraphShown::Ladder) {
        const LadderData &data = ladderData();
        if (m_offsetLayoutStale)
            layoutOffsetPage();
        m_ladderPage.draw(dc, data, m_doc->titleText());
    } else {
        const CylinderData &data = cylinderData();
        if (m_offsetLayoutStale)
            layoutOffsetPage();
        m_cylinderPage.draw(dc, data, m_doc->titleText());
    }
}

void CGrafik::setUncertaintyShown(bool on)
{
    if (m_uncertaintyShown == on)
        return;
    m_uncertaintyShown = on;
    m_plotStale = true;
    m_rescale = true;
    if (m_page.m_bComputed == 1)
        OnCompute();
    viewport()->update();
}

void CGrafik::setViewPreferences(const ViewPreferences &remembered)
{
    if (remembered == m_remembered)
        return;
    m_remembered = remembered;
    m_plotStale = true;
    // The cylinder's outer ring may have changed.
    m_cylinderStale = true;
    if (isSectionView() && m_page.m_bComputed == 1)
        OnCompute();
    viewport()->update();
}

void CGrafik::OnCompute()
{
    const PlotData &data = shownData();
    m_page.OnCompute(data);
    m_page.m_scaledRevision = m_plotRevision;
    if (offsetPageShown())
        layoutOffsetPage();
}

void CGrafik::OnGrafiklupe()
{
    if (isZoomed()) {
        showWhole();
        return;
    }
    // The first drawing scales the page; until then there is nothing to zoom into.
    if (m_page.m_bComputed != 1)
        OnCompute();
    if (offsetPageShown() && m_offsetLayoutStale)
        layoutOffsetPage();
    const OffsetPage *offsetPage = shownOffsetPage();
    const double width = offsetPage ? offsetPage->areaWidth() : m_page.m_Breite;
    const double height = offsetPage ? offsetPage->areaHeight() : m_page.m_Hoehe;
    zoomAt(pixelAt(QPointF(width / 2.0, -height / 2.0)), kMenuStep);
}

void CGrafik::setTrueScale(bool on)
{
    if (isTrueScale() == on)
        return;
    m_page.m_bTrueScale = on ? 1 : 0;
    // A part chosen at the other scales would keep them: the whole well again.
    if (isZoomed()) {
        m_page.m_shownPart = QRectF(0.0, 0.0, 1.0, 1.0);
        emit zoomChanged(false);
    }
    // Before the first drawing there is nothing to rescale; the first paint computes.
    if (m_page.m_bComputed == 1)
        OnCompute();
    viewport()->update();
}

void CGrafik::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(event->rect());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    PainterDrawContext dc(painter);
    dc.setPixelThinning(true);
    if (offsetPageShown()) {
        // Drawn once anything was computed, as the graph page is.
        if (m_page.m_bComputed != 1)
            OnCompute();
        drawOffsetPage(dc);
        return;
    }
    const PlotData &data = shownData();
    m_page.OnDraw(dc, data, m_plotRevision, m_doc->titleText());
}

int CGrafik::print(QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The layout follows the shape of the printable area.
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    PainterDrawContext dc(painter);
    drawPageFor(graph::PageTarget::paper(area.size()), dc);
    painter.end();
    return 1;
}

void CGrafik::drawPageFor(const graph::PageTarget &target, DrawContext &dc)
{
    const std::string title = m_doc->titleText();
    if (m_shown == GraphShown::Ladder) {
        const LadderData &data = ladderData();
        LadderPage page;
        page.layout(data, target);
        page.draw(dc, data, title);
        return;
    }
    if (m_shown == GraphShown::Cylinder) {
        const CylinderData &data = cylinderData();
        CylinderPage page;
        page.layout(data, target);
        page.draw(dc, data, title);
        return;
    }
    // The screen page draws once it has been computed, or computes at its next paint
    // because the data moved on since it last scaled them.
    const PlotData &data = shownData();
    if (m_page.m_bComputed == 1 || m_page.m_scaledRevision != m_plotRevision)
        m_page.composedFor(target, data).zeichnen(dc, data, title);
}
