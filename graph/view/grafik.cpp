// The graph view on screen and paper.
#include "graph/view/grafik.h"

#include "document/dravondoc.h"
#include "graph/graphstyle.h"
#include "graph/painterdrawcontext.h"
#include "graph/plotoffsets.h"
#include "graph/plotuncertainty.h"
#include "graph/sectionview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>

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
}

void CGrafik::OnInitialUpdate()
{
    m_page.m_bComputed = 0;
    m_plotStale = true;
    m_ladderStale = m_cylinderStale = true;
    updateScrollBars();
    viewport()->update();
}

void CGrafik::updateScrollBars()
{
    const double sx = PainterDrawContext::pixelsPerUnitX(*viewport());
    const double sy = PainterDrawContext::pixelsPerUnitY(*viewport());
    const int extentX = static_cast<int>(std::ceil(graphstyle::kPageWidth * sx));
    const int extentY = static_cast<int>(std::ceil(graphstyle::kPageHeight * sy));
    const QSize view = viewport()->size();
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
    updateScrollBars();
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
    } else {
        const PlotView view = plotViewOf(m_doc->view());
        m_plot = plotDataOf(m_doc->plotTrajectory(), view, m_doc->name());
        if (m_uncertaintyShown)
            addUncertainty(m_plot, m_doc->plotTrajectory(), view, covariances, model);
        if (m_offsets)
            addOffsets(m_plot, *m_offsets, m_doc->plotTrajectory(), view, m_uncertaintyShown);
    }
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
    if (newData || m_shown == GraphShown::Section || m_rescale)
        ++m_plotRevision;
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
    m_page.m_target = graph::PageTarget::screen(!isZoomed());
    OnCompute();
    viewport()->update();
    emit zoomChanged(isZoomed());
}

void CGrafik::setTrueScale(bool on)
{
    if (isTrueScale() == on)
        return;
    m_page.m_bTrueScale = on ? 1 : 0;
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
