// The page frame of the ladder and the travelling cylinder.
#include "graph/offsetpage.h"

#include "core/cformat.h"
#include "graph/graphpage.h"
#include "graph/graphstyle.h"
#include "graph/pagemath.h"
#include "graph/textfit.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

// An area no lower than this, however many legend lines there are.
constexpr int kLeastArea = 500;
// Below the legend: the "Dokument" line and a margin.
constexpr int kDocumentRoom = 90;

constexpr int kLegendSample = 150;
constexpr int kGap = 20;

double coarser(double spacing)
{
    const double unit = std::pow(10.0, std::floor(std::log10(spacing)));
    const double m = spacing / unit;
    return (m < 1.5 ? 2.0 : m < 3.5 ? 5.0 : 10.0) * unit;
}

} // namespace

PageAxis niceAxis(double lo, double hi, int length)
{
    if (!std::isfinite(lo) || !std::isfinite(hi))
        lo = hi = 0.0;
    if (!(hi > lo))
        hi = lo + 1.0;
    PageAxis a;
    a.step = GraphPage::delta(hi - lo);
    for (int i = 0; i < 8 && length * a.step / (hi - lo) < GraphPage::kLeastTickDistance; ++i)
        a.step = coarser(a.step);
    a.first = pagemath::tickAt(0.0, static_cast<int>(std::floor(lo / a.step)), a.step);
    if (a.first > lo)
        a.first = pagemath::tickAt(a.first, -1, a.step);
    a.lo = a.first;
    int k = 0;
    while (tickOf(a, k) < hi && k < 1000)
        ++k;
    a.hi = tickOf(a, std::max(k, 1));
    return a;
}

double tickOf(const PageAxis &a, int k)
{
    return pagemath::tickAt(a.first, k, a.step);
}

QSize OffsetPage::usedArea() const
{
    const QPoint origin = windowOrigin();
    return QSize(
        m_areaWidth + 400 - origin.x(), origin.y() + m_areaHeight + belowArea(m_legendRows));
}

std::vector<OffsetPage::LegendRow> OffsetPage::worstFirst(std::vector<LegendRow> rows,
    const std::vector<std::pair<std::optional<double>, std::optional<double>>> &keys)
{
    constexpr double none = std::numeric_limits<double>::infinity();
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t { 0 });
    const auto key = [&](std::size_t i) {
        return i < keys.size()
            ? std::pair { keys[i].first.value_or(none), keys[i].second.value_or(none) }
            : std::pair { none, none };
    };
    std::stable_sort(order.begin(), order.end(),
        [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    std::vector<LegendRow> out;
    out.reserve(rows.size());
    for (std::size_t i : order)
        out.push_back(std::move(rows[i]));
    return out;
}

int OffsetPage::belowArea(int legendRows)
{
    return kLegendTop + legendRows * kLegendRow + kDocumentRoom;
}

void OffsetPage::layoutArea(
    const graph::PageTarget &target, int legendRows, int tallest, bool square)
{
    m_target = target;
    m_legendRows = legendRows;
    // As wide as the graph page's area, as high as the page holds below the titles with
    // the legend under it.
    const graph::PageSize &page = graph::pageSizeFor(target);
    int width = page.areaWidth;
    int height = page.pageHeight - windowOrigin().y() - belowArea(legendRows);
    if (page.scrolls)
        height = std::min(height, tallest * page.magnification / 100);
    height = std::max(height, kLeastArea);
    if (square)
        width = height = std::min(width, height);
    m_areaWidth = width;
    m_areaHeight = height;
}

void OffsetPage::drawTitles(
    DrawContext &dc, const std::string &title, const std::string &subtitle) const
{
    const int W = m_areaWidth;
    dc.setTextAlign(TextAlign::TopCenter);
    const DrawFont old = dc.selectFont(graphstyle::kTitleFont);
    drawFitted(dc, W / 2, 300, title, W + graphstyle::kTitleOverhang);
    dc.selectFont(graphstyle::kCaptionFont);
    drawFitted(dc, W / 2, 210, subtitle, W + graphstyle::kTitleOverhang);
    dc.selectFont(old);
}

void OffsetPage::drawLegend(
    DrawContext &dc, const std::vector<LegendRow> &rows, const std::string &docTitle) const
{
    const int W = m_areaWidth, H = m_areaHeight;
    const TextAlign oldAlign = dc.textAlign();
    const DrawPen oldPen = dc.pen();
    dc.setTextAlign(TextAlign::TopLeft);
    // From the left edge of the page's text to 40 mm right of the area.
    const int left = -350, room = W + 400 - left - kLegendSample - kGap;
    int row = -H - kLegendTop;
    for (const LegendRow &r : rows) {
        dc.selectPen({ PenStyle::Solid, graphstyle::kOffsetPenWidth, r.colour });
        dc.moveTo(left, row - 22);
        dc.lineTo(left + kLegendSample, row - 22);
        drawFitted(dc, left + kLegendSample + kGap, row, r.text, room);
        row -= kLegendRow;
    }
    drawFitted(dc, left, row - 10, documentLine(docTitle), W + 400 - left);
    dc.selectPen(oldPen);
    dc.setTextAlign(oldAlign);
}

void OffsetPage::drawMessage(
    DrawContext &dc, const std::string &text, const std::string &hint) const
{
    const TextAlign oldAlign = dc.textAlign();
    dc.setTextAlign(TextAlign::TopCenter);
    const DrawFont old = dc.selectFont(graphstyle::kCaptionFont);
    drawFitted(dc, m_areaWidth / 2, -m_areaHeight / 2 + 60, text, m_areaWidth);
    if (!hint.empty()) {
        dc.selectFont(graphstyle::kLabelFont);
        drawFitted(dc, m_areaWidth / 2, -m_areaHeight / 2 - 20, hint, m_areaWidth);
    }
    dc.selectFont(old);
    dc.setTextAlign(oldAlign);
}

void OffsetPage::drawNoOffsets(DrawContext &dc) const
{
    drawMessage(dc,
        QCoreApplication::translate("OffsetPage", "Keine Nachbarbohrungen").toStdString(),
        QCoreApplication::translate("OffsetPage",
            "Nachbarbohrungen werden unter Bearbeiten > Nachbarbohrungen … eingegeben.")
            .toStdString());
}
