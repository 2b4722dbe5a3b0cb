// The graph page as a whole: when it is recomputed and the order in which it is drawn.
#include "graph/graphpage.h"

#include "core/cformat.h"
#include "core/decimalsign.h"
#include "graph/graphstyle.h"
#include "graph/textfit.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <iterator>

namespace {

// Room on either side of the "Dokument" line's anchor at x = 100: the page begins 40 mm
// left of the plot area.
constexpr int kDocumentHalfWidth = 480;
// Free space kept between texts on one row.
constexpr int kGap = 30;

} // namespace

GraphPage::GraphPage(const graph::PageTarget &target)
    : m_target(target)
    , m_Breite(graph::pageSizeFor(target).areaWidth)
    , m_Hoehe(graph::pageSizeFor(target).areaHeight)
{
}

GraphPage GraphPage::composedFor(const graph::PageTarget &target, const PlotData &data) const
{
    GraphPage page(target);
    page.m_bTrueScale = m_bTrueScale;
    page.OnCompute(data);
    return page;
}

QSize GraphPage::usedArea(const PlotData &data) const
{
    const QPoint origin = windowOrigin(data);
    return QSize(m_Breite + 400 - origin.x(), origin.y() + m_Hoehe + kBelowArea);
}

std::vector<std::string> GraphPage::notes(const PlotData &data) const
{
    std::vector<std::string> out;
    // An aborted computation first: it matters most.
    if (data.abortDepth && m_Punktzahl > 0)
        out.push_back(shortEndNote(*data.abortDepth, data.enteredDepth));
    if (data.invers != 0) {
        // The side view fills its plot area; say how far that distorts it.
        const double ratio = scaleRatio(data);
        if (ratio > 1.05)
            out.push_back(i18n::arg(i18n::translate("GraphPage", "Horizontal %1-fach überhöht"),
                { decimalsign::shown(ratio, 1) }));
        else if (ratio > 0.0 && ratio < 1.0 / 1.05)
            out.push_back(i18n::arg(i18n::translate("GraphPage", "Vertikal %1-fach überhöht"),
                { decimalsign::shown(1.0 / ratio, 1) }));
    }
    return out;
}

void GraphPage::drawNotes(DrawContext &dc, const PlotData &data) const
{
    const int W = m_Breite, H = m_Hoehe;
    // Left of the first legend, and one row higher left of the x caption.
    const int legendLeft = W / 2 - dc.textExtent(data.legende).cx / 2;
    const DrawFont labelFont = dc.selectFont(graphstyle::kCaptionFont);
    const int captionLeft = W / 2 - dc.textExtent(data.xTitel).cx / 2;
    dc.selectFont(labelFont);
    const struct
    {
        int row, right;
    } rows[] = { { -H - 150, legendLeft - kGap }, { -H - 100, captionLeft - kGap } };
    const int left = -400 + kGap;
    const std::vector<std::string> lines = notes(data);
    for (size_t i = 0; i < lines.size() && i < std::size(rows); ++i) {
        const int right = std::max(rows[i].right, left + 200);
        drawFitted(dc, (left + right) / 2, rows[i].row, lines[i], right - left);
    }
}

void GraphPage::OnGraf(const PlotData &data)
{
    extreme(data, false);
    scale(data);
    if (data.hasAnySpread() && !spreadFits(data)) {
        extreme(data, true);
        scale(data);
    }
    worldtrans(data);
}

void GraphPage::OnCompute(const PlotData &data)
{
    m_bComputed = 1;
    OnGraf(data);
}

void GraphPage::OnDraw(
    DrawContext &dc, const PlotData &data, std::uint64_t revision, const std::string &docTitle)
{
    // Data changed while the graph was hidden are scaled when it is next drawn.
    if (revision != m_scaledRevision) {
        OnCompute(data);
        m_scaledRevision = revision;
    }
    if (m_bComputed == 1)
        zeichnen(dc, data, docTitle);
}

void GraphPage::zeichnen(DrawContext &dc, const PlotData &data, const std::string &docTitle) const
{
    if (m_bComputed != 1)
        return;
    const int W = m_Breite, H = m_Hoehe;
    const DrawPen oldPen = dc.selectPen(graphstyle::kFramePen);
    const QPoint origin = windowOrigin(data);
    dc.setWindowOrg(origin.x(), origin.y());
    drawFrame(dc);

    const DrawFont oldFont = dc.selectFont(graphstyle::kTitleFont);
    dc.setTextAlign(TextAlign::TopCenter);
    drawFitted(dc, W / 2, 300, data.grafikTitel, W + graphstyle::kTitleOverhang);
    dc.selectFont(graphstyle::kCaptionFont);
    drawCaptions(dc, data);

    dc.selectFont(graphstyle::kLabelFont);
    xachse(dc, data);
    yachse(dc, data);
    if (data.kurven == 2)
        y1achse(dc, data);

    {
        // Centred below the left axis; it must neither leave the page on the left nor
        // run into the second legend on the same row.
        int right = 100 + kDocumentHalfWidth;
        if (data.kurven == 2)
            right = std::min(right, W / 2 - dc.textExtent(data.legende1).cx / 2 - kGap);
        const int half = std::max(0, std::min(kDocumentHalfWidth, right - 100));
        drawFitted(dc, 100, -H - 200, documentLine(docTitle), 2 * half);
    }
    // The north of the positions in a row of its own below, across the whole page.
    if (!data.north.empty())
        drawFitted(dc, W / 2, -H - 250, data.north, W + 800);
    dc.setTextAlign(TextAlign::TopCenter);
    drawNotes(dc, data);

    // The uncertainty's area lies under the grid, its outlines over it, the curves over
    // both.
    beginAreaClip(dc);
    drawSpreadArea(dc, data);
    endAreaClip(dc);
    if (data.gitter != 0) {
        dc.selectPen(graphstyle::kGridPen);
        gitter(dc, data);
    }
    beginAreaClip(dc);
    drawSpreadOutlines(dc, data);
    // The neighbouring wells under the reference, their legend over everything.
    drawOffsets(dc, data);
    endAreaClip(dc);
    drawCurves(dc, data);
    drawSpreadLegend(dc, data);
    drawToleranceLegend(dc, data);
    drawOffsetLegend(dc, data);

    dc.selectFont(oldFont);
    dc.selectPen(oldPen);
}
