// The neighbouring wells on the graph page: each offset's curve in its colour with an
// open circle at its slot and a dot where its path ends, its name beside that dot, and a
// legend of all of them inside the plot area, in the corner where it hides the least of
// the curves. The well's plan goes the same way: dashed, without markers, its targets as
// crossed circles with their names, and first in the legend as "Planung".
#include "graph/graphpage.h"
#include "graph/graphstyle.h"
#include "graph/labelplacer.h"
#include "graph/textfit.h"

#include <QCoreApplication>
#include <QRect>

#include <algorithm>
#include <array>
#include <limits>

namespace {

// Room between a marker and a name, and between the rows of the legend.
constexpr int kNameGap = 15;
constexpr int kRowHeight = 60;
// The legend: its margin inside the frame, its padding, the sample line's length.
constexpr int kLegendInset = 20;
constexpr int kLegendPadding = 20;
constexpr int kSampleLength = 120;
// Half the label font's cell: a text anchored at y + this has its middle at y.
constexpr int kHalfCell = 22;

DrawPen offsetPen(const PlotOffset &o)
{
    return { PenStyle::Solid, graphstyle::kOffsetPenWidth, o.colour };
}

std::string legendHeading()
{
    return QCoreApplication::translate("GraphPage", "Nachbarbohrungen").toStdString();
}

// The rectangle between two corners in logical units (y up), as Qt's rectangle with y
// down, so that intersections need no sign of their own.
QRect box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, -top), QPoint(right, -bottom));
}

// How much of the curves the rectangle would hide: the number of their pieces whose
// bounding boxes meet it. A curve of a million points is taken in pieces of many points
// each: the paint that asks must stay quick, and the count only compares four corners.
int hidden(const QRect &r, const std::vector<const GraphPage::PointArray *> &curves)
{
    constexpr std::size_t kMostPieces = 20000;
    int count = 0;
    for (const GraphPage::PointArray *c : curves) {
        const std::size_t n = c->size(), step = std::max<std::size_t>(1, n / kMostPieces);
        for (std::size_t i = 0; i < n; i += step) {
            const QPoint a = (*c)[i], b = (*c)[std::min(i + step, n - 1)];
            const QRect piece = box(std::min(a.x(), b.x()), std::max(a.y(), b.y()),
                std::max(a.x(), b.x()), std::min(a.y(), b.y()));
            if (piece.intersects(r) || r.contains(QPoint(a.x(), -a.y())))
                ++count;
        }
    }
    return count;
}

} // namespace

void GraphPage::drawOffsets(DrawContext &dc, const PlotData &data) const
{
    const std::size_t count = std::min(data.offsets.size(), m_offsetPoints.size());
    const std::size_t targets = std::min(data.planTargets.size(), m_planTargetPoints.size());
    if (count == 0 && targets == 0)
        return;
    const DrawPen oldPen = dc.pen();
    const TextAlign oldAlign = dc.textAlign();
    const int r = kMarkerRadius, e = kEndMarkerRadius;
    for (std::size_t j = 0; j < count; ++j) {
        const PointArray &points = m_offsetPoints[j];
        if (points.empty())
            continue;
        if (data.offsets[j].plan) {
            dc.selectPen(graphstyle::kPlanPen);
            dc.polyline(points);
            continue;
        }
        dc.selectPen(offsetPen(data.offsets[j]));
        dc.polyline(points);
        const QPoint head = points.front(), end = points.back();
        dc.ellipse(head.x() - r, head.y() + r, head.x() + r, head.y() - r, false);
        dc.ellipse(end.x() - e, end.y() + e, end.x() + e, end.y() - e, true);
    }
    // The names beside the end dots, where each first finds room inside the frame clear
    // of the dots and the names before it; failing that, right of the dot.
    dc.setTextAlign(TextAlign::TopLeft);
    // The end dots are taken first: a name beside another well's dot would read as its.
    LabelPlacer placer(0, 0, m_Breite, -m_Hoehe);
    if (m_Punktzahl > 0)
        placer.take(
            { m_Punkte[m_Punktzahl - 1].x() - e, m_Punkte[m_Punktzahl - 1].y() + e }, 2 * e, 2 * e);
    for (std::size_t j = 0; j < count; ++j)
        if (!m_offsetPoints[j].empty() && !data.offsets[j].plan)
            placer.take({ m_offsetPoints[j].back().x() - e, m_offsetPoints[j].back().y() + e },
                2 * e, 2 * e);
    for (std::size_t j = 0; j < count; ++j) {
        const PointArray &points = m_offsetPoints[j];
        const std::string &name = data.offsets[j].name;
        if (points.empty() || name.empty() || data.offsets[j].plan)
            continue;
        const QPoint end = points.back();
        const DrawSize size = dc.textExtent(name);
        std::optional<QPoint> at = placer.place(end, size.cx, size.cy, e + kNameGap, 3);
        if (!at) {
            at = QPoint(end.x() + e + kNameGap, end.y() + size.cy / 2);
            placer.take(*at, size.cx, size.cy);
        }
        dc.textOut(at->x(), at->y(), name);
    }
    // The plan's targets: a circle crossed, its name beside it where there is room.
    dc.selectPen(graphstyle::kPlanTargetPen);
    for (std::size_t j = 0; j < targets; ++j) {
        const QPoint c = m_planTargetPoints[j];
        dc.ellipse(c.x() - r, c.y() + r, c.x() + r, c.y() - r, false);
        dc.moveTo(c.x() - 2 * r, c.y());
        dc.lineTo(c.x() + 2 * r, c.y());
        dc.moveTo(c.x(), c.y() - 2 * r);
        dc.lineTo(c.x(), c.y() + 2 * r);
    }
    for (std::size_t j = 0; j < targets; ++j) {
        const QPoint c = m_planTargetPoints[j];
        const std::string &name = data.planTargets[j].name;
        const DrawSize size = dc.textExtent(name);
        // Above or below the mark, clear of the plan's line that runs through it; else
        // beside it.
        const int above = c.y() + r + kNameGap + size.cy, below = c.y() - r - kNameGap;
        std::optional<QPoint> at;
        for (const QPoint &q : { QPoint(c.x() + r, above), QPoint(c.x() - r - size.cx, above),
                 QPoint(c.x() + r, below), QPoint(c.x() - r - size.cx, below) })
            if (!at && placer.claim(q, size.cx, size.cy))
                at = q;
        if (!at)
            at = placer.place(c, size.cx, size.cy, 2 * r + kNameGap, 3);
        if (!at) {
            at = QPoint(c.x() + 2 * r + kNameGap, c.y() + size.cy / 2);
            placer.take(*at, size.cx, size.cy);
        }
        dc.textOut(at->x(), at->y(), name);
    }
    dc.setTextAlign(oldAlign);
    dc.selectPen(oldPen);
}

void GraphPage::drawOffsetLegend(DrawContext &dc, const PlotData &data) const
{
    // The plan first, in a row of its own; the neighbouring wells under their heading.
    const PlotOffset *planned = nullptr;
    std::vector<const PlotOffset *> wells;
    for (const PlotOffset &o : data.offsets)
        if (o.plan)
            planned = &o;
        else
            wells.push_back(&o);
    if (!planned && wells.empty())
        return;
    const int W = m_Breite, H = m_Hoehe;
    const std::string heading = wells.empty() ? std::string() : legendHeading();
    const int fixedRows = (planned ? 1 : 0) + (wells.empty() ? 0 : 1);
    // As many rows as the area holds; the names as wide as half the area allows.
    const int most
        = std::max(1, (H - 2 * kLegendInset - 2 * kLegendPadding) / kRowHeight - fixedRows);
    const int rows = std::min(static_cast<int>(wells.size()), most);
    const int textRoom = std::max(100, W / 2 - kSampleLength - 3 * kLegendPadding);
    int textWidth = heading.empty() ? 0 : std::min(dc.textExtent(heading).cx, textRoom + kSampleLength);
    if (planned)
        textWidth = std::max(textWidth,
            kSampleLength + kLegendPadding + std::min(dc.textExtent(planned->name).cx, textRoom));
    for (int j = 0; j < rows; ++j)
        textWidth = std::max(textWidth,
            kSampleLength + kLegendPadding + std::min(dc.textExtent(wells[j]->name).cx, textRoom));
    const int width = textWidth + 2 * kLegendPadding;
    const int height = (rows + fixedRows) * kRowHeight + 2 * kLegendPadding - 10;

    // The corner where the legend hides the fewest pieces of the curves; of equals the
    // first of top right, bottom right, top left, bottom left.
    std::vector<const PointArray *> curves { &m_Punkte };
    if (data.kurven == 2)
        curves.push_back(&m_Punkte1);
    for (const PointArray &p : m_offsetPoints)
        curves.push_back(&p);
    struct Corner
    {
        int left, top;
    };
    const std::array<Corner, 4> corners { {
        { W - kLegendInset - width, -kLegendInset },
        { W - kLegendInset - width, -H + kLegendInset + height },
        { kLegendInset, -kLegendInset },
        { kLegendInset, -H + kLegendInset + height },
    } };
    Corner chosen = corners[0];
    int least = std::numeric_limits<int>::max();
    for (const Corner &c : corners) {
        const int n = hidden(box(c.left, c.top, c.left + width, c.top - height), curves);
        if (n < least) {
            least = n;
            chosen = c;
        }
    }

    const DrawPen oldPen = dc.selectPen({ PenStyle::Solid, 1, { 0, 0, 0 } });
    const TextAlign oldAlign = dc.textAlign();
    dc.setTextAlign(TextAlign::TopLeft);
    dc.rectangle(chosen.left, chosen.top, chosen.left + width, chosen.top - height);
    const int left = chosen.left + kLegendPadding;
    int row = chosen.top - kLegendPadding + kRowHeight;
    const auto sample = [&](const DrawPen &pen, const std::string &name) {
        dc.selectPen(pen);
        dc.moveTo(left, row - kHalfCell);
        dc.lineTo(left + kSampleLength, row - kHalfCell);
        dc.textOut(left + kSampleLength + kLegendPadding, row, shortenedText(dc, name, textRoom));
    };
    if (planned) {
        row -= kRowHeight;
        sample(graphstyle::kPlanPen, planned->name);
    }
    if (!heading.empty()) {
        row -= kRowHeight;
        dc.selectPen({ PenStyle::Solid, 1, { 0, 0, 0 } });
        drawFitted(dc, left, row, heading, width - 2 * kLegendPadding);
    }
    for (int j = 0; j < rows; ++j) {
        row -= kRowHeight;
        // More wells than rows: the last row says so.
        if (j == rows - 1 && rows < static_cast<int>(wells.size())) {
            dc.textOut(left + kSampleLength + kLegendPadding, row, "\x85");
            break;
        }
        sample(offsetPen(*wells[j]), wells[j]->name);
    }
    dc.setTextAlign(oldAlign);
    dc.selectPen(oldPen);
}
