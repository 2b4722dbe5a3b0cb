// The plot area: its size for the page's target, the transformation of the plot series
// into points of the plot area, and the frame, curves and legends.
#include "graph/graphpage.h"
#include "graph/graphstyle.h"
#include "graph/pagemath.h"
#include "graph/pagetarget.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using pagemath::fraction;
using pagemath::truncInt;

void GraphPage::worldtrans(const PlotData &data)
{
    restoreFitted();
    const graph::PageSize size = graph::pageSizeFor(m_target);
    m_Breite = size.areaWidth;
    m_Hoehe = size.areaHeight;
    const bool window = m_target.kind == graph::TargetKind::Window;
    // A window keeps room above the area only for the titles this page has.
    if (window)
        m_Hoehe = std::max(graph::kLeastWindowHeight,
            m_target.window.height() - windowOrigin(data).y() - kBelowArea);

    const bool fitted = data.invers != 0 && equalScales(data) && fitAreaToWell(data);
    equalizeScales(data);
    // A window can be smaller than the layouts the spacing rule was made for.
    if (fitted || window)
        spaceTicks();
    narrowToShownPart(data);

    const double W = m_Breite, H = m_Hoehe;
    const bool twoCurves = data.kurven == 2;
    m_Punktzahl = data.count();
    m_Punkte.resize(static_cast<std::size_t>(m_Punktzahl));
    // The second curve's points stay at the origin when the data show only one.
    m_Punkte1.assign(static_cast<std::size_t>(m_Punktzahl), QPoint());
    for (int i = 0; i < m_Punktzahl; ++i) {
        // A series whose values differ only by rounding noise is drawn as the single
        // value it stands for, so that a straight well is drawn straight.
        const double fx = fraction(m_single.x ? m_single.xValue : data.x[i], xmin, xmax);
        const double fy = fraction(m_single.y ? m_single.yValue : data.y[i], ymin, ymax);
        const double fy1 = fraction(m_single.y1 ? m_single.y1Value : data.y1[i], y1min, y1max);
        if (data.invers != 0) {
            // Side view: depth runs down the left axis, the values across.
            const int y = -truncInt(H * fx);
            m_Punkte[i] = QPoint(truncInt(W * fy), y);
            if (twoCurves)
                m_Punkte1[i] = QPoint(truncInt(W * fy1), y);
        } else {
            const int x = truncInt(W * fx);
            m_Punkte[i] = QPoint(x, truncInt(H * fy - H));
            if (twoCurves)
                m_Punkte1[i] = QPoint(x, truncInt(H * fy1 - H));
        }
    }
    // The neighbouring wells, the plan and its targets by the same map.
    const auto place = [&](double x, double y) {
        const double fx = fraction(m_single.x ? m_single.xValue : x, xmin, xmax);
        const double fy = fraction(m_single.y ? m_single.yValue : y, ymin, ymax);
        return data.invers != 0 ? QPoint(truncInt(W * fy), -truncInt(H * fx))
                                : QPoint(truncInt(W * fx), truncInt(H * fy - H));
    };
    m_offsetPoints.resize(data.offsets.size());
    for (std::size_t j = 0; j < data.offsets.size(); ++j) {
        const PlotOffset &o = data.offsets[j];
        PointArray &points = m_offsetPoints[j];
        points.resize(static_cast<std::size_t>(o.count()));
        for (int i = 0; i < o.count(); ++i)
            points[i] = place(o.x[i], o.y[i]);
    }
    m_planTargetPoints.resize(data.planTargets.size());
    for (std::size_t j = 0; j < data.planTargets.size(); ++j)
        m_planTargetPoints[j] = place(data.planTargets[j].x, data.planTargets[j].y);
    placeSpread(data);
}

namespace {

// One axis's range, first tick and spacing, as references into the page's members.
struct AxisRange
{
    double &lo, &hi, &first, &spacing;
};

// Gives the axis `span` units of length: from `anchor` - span/2 when centred, from
// `anchor` on otherwise. Its spacing follows the usual rule for the new range, and its
// first tick is the first whole multiple of the spacing inside it.
// The first whole multiple of `spacing` at or above `lo`.
double firstTick(double lo, double spacing)
{
    double first = pagemath::tickAt(0.0, static_cast<int>(std::ceil(lo / spacing)), spacing);
    if (first < lo)
        first = pagemath::tickAt(first, 1, spacing);
    return first;
}

void widen(AxisRange a, double span, double anchor, bool centred)
{
    a.lo = centred ? anchor - span / 2.0 : anchor;
    a.hi = a.lo + span;
    a.spacing = GraphPage::delta(span);
    a.first = firstTick(a.lo, a.spacing);
}

// The part from `from` to `to` (fractions) of the axis, with the usual spacing for
// the new range.
void narrow(AxisRange a, double from, double to)
{
    const double lo = a.lo, span = a.hi - a.lo;
    if (!(span > 0.0) || !std::isfinite(span))
        return;
    a.lo = lo + from * span;
    a.hi = lo + to * span;
    a.spacing = GraphPage::delta(a.hi - a.lo);
    a.first = firstTick(a.lo, a.spacing);
}

} // namespace

void GraphPage::restoreFitted()
{
    if (!m_fitted.valid)
        return;
    xmin = m_fitted.xmin;
    xmax = m_fitted.xmax;
    xstart = m_fitted.xstart;
    deltax = m_fitted.deltax;
    ymin = m_fitted.ymin;
    ymax = m_fitted.ymax;
    ystart = m_fitted.ystart;
    deltay = m_fitted.deltay;
    y1min = m_fitted.y1min;
    y1max = m_fitted.y1max;
    y1start = m_fitted.y1start;
    deltay1 = m_fitted.deltay1;
}

void GraphPage::narrowToShownPart(const PlotData &data)
{
    if (showsWhole())
        return;
    const QRectF &part = m_shownPart;
    AxisRange x { xmin, xmax, xstart, deltax };
    AxisRange y { ymin, ymax, ystart, deltay };
    AxisRange y1 { y1min, y1max, y1start, deltay1 };
    if (data.invers != 0) {
        // The side view: the values across, the depth down from the top edge.
        narrow(y, part.left(), part.right());
        narrow(y1, part.left(), part.right());
        narrow(x, part.top(), part.bottom());
    } else {
        // East across; north (or the second curve's value) up from the lower edge.
        narrow(x, part.left(), part.right());
        narrow(y, 1.0 - part.bottom(), 1.0 - part.top());
        narrow(y1, 1.0 - part.bottom(), 1.0 - part.top());
    }
    spaceTicks();
}

QPointF GraphPage::wholeAreaFractionAt(QPointF logical) const
{
    const double across = m_Breite > 0 ? logical.x() / m_Breite : 0.0;
    const double down = m_Hoehe > 0 ? -logical.y() / m_Hoehe : 0.0;
    return { m_shownPart.left() + across * m_shownPart.width(),
        m_shownPart.top() + down * m_shownPart.height() };
}

bool GraphPage::fitAreaToWell(const PlotData &data)
{
    if (!m_fitted.valid)
        return false;
    const double across = m_fitted.ymax - m_fitted.ymin; // the side view's values
    const double down = m_fitted.xmax - m_fitted.xmin; // its depths
    if (!(across > 0.0) || !(down > 0.0) || !std::isfinite(across) || !std::isfinite(down))
        return false;
    struct Area
    {
        int width, height;
    };
    // The side view's azimuth caption shares the row above the area with the marker
    // legend: with two curves the area keeps its layout's width.
    const int least = std::min(data.kurven == 2 ? m_Breite : kNarrowestArea, m_Breite);
    std::vector<Area> areas { { m_Breite, m_Hoehe } };
    // The screen page scrolls: its area may stand upright, as tall as the page holds
    // below the titles with the room for the legends and notes under it. A sheet of
    // paper keeps the area its orientation gives.
    const graph::PageSize &page = graph::pageSizeFor(m_target);
    if (page.scrolls) {
        const int tallest = page.pageHeight - windowOrigin(data).y() - kBelowArea;
        areas.push_back({ std::clamp(m_Hoehe, least, m_Breite), std::max(m_Hoehe, tallest) });
    }
    // The area that draws the well largest at one scale for both axes.
    double metresPerUnit = std::numeric_limits<double>::infinity();
    Area chosen = areas.front();
    for (const Area &a : areas) {
        const double m = std::max(across / a.width, down / a.height);
        if (m < metresPerUnit) {
            metresPerUnit = m;
            chosen = a;
        }
    }
    // Shrunk to the well along its slack side, but no narrower than the titles and the
    // legends above the area need, and no lower than half the area.
    const auto fit = [metresPerUnit](double metres, int least, int most) {
        const double units = std::ceil(metres / metresPerUnit);
        return static_cast<int>(std::clamp(units, double(std::min(least, most)), double(most)));
    };
    m_Breite = fit(across, least, chosen.width);
    m_Hoehe = fit(down, chosen.height / 2, chosen.height);
    return true;
}

namespace {

// The next spacing of the 1, 2, 5 steps above `spacing`.
double coarser(double spacing)
{
    const double unit = std::pow(10.0, std::floor(std::log10(spacing)));
    const double m = spacing / unit;
    return (m < 1.5 ? 2.0 : m < 3.5 ? 5.0 : 10.0) * unit;
}

} // namespace

void GraphPage::spaceTicks()
{
    // A fitted area can be narrower than the layouts the spacing rule was made for; its
    // labels must not run into each other.
    const auto space = [](AxisRange a, int units) {
        const double span = a.hi - a.lo;
        if (!(span > 0.0) || !(a.spacing > 0.0) || !std::isfinite(span))
            return;
        bool changed = false;
        for (int i = 0; i < 8 && units * a.spacing / span < kLeastTickDistance; ++i) {
            a.spacing = coarser(a.spacing);
            changed = true;
        }
        if (!changed)
            return;
        double first
            = pagemath::tickAt(0.0, static_cast<int>(std::ceil(a.lo / a.spacing)), a.spacing);
        if (first < a.lo)
            first = pagemath::tickAt(first, 1, a.spacing);
        a.first = first;
    };
    // The side view: depths down the height, the values and the azimuth across.
    space({ xmin, xmax, xstart, deltax }, m_Hoehe);
    space({ ymin, ymax, ystart, deltay }, m_Breite);
    space({ y1min, y1max, y1start, deltay1 }, m_Breite);
}

void GraphPage::equalizeScales(const PlotData &data)
{
    if (!m_fitted.valid || !equalScales(data))
        return;
    // From the ranges and ticks scale() chose, so that every target gets its own
    // whatever the page was transformed for before.
    xmin = m_fitted.xmin;
    xmax = m_fitted.xmax;
    xstart = m_fitted.xstart;
    deltax = m_fitted.deltax;
    ymin = m_fitted.ymin;
    ymax = m_fitted.ymax;
    ystart = m_fitted.ystart;
    deltay = m_fitted.deltay;
    y1start = m_fitted.y1start;
    deltay1 = m_fitted.deltay1;

    const bool side = data.invers != 0;
    AxisRange x { xmin, xmax, xstart, deltax };
    AxisRange y { ymin, ymax, ystart, deltay };
    // Metres per logical unit across and up.
    const double across = (side ? ymax - ymin : xmax - xmin) / m_Breite;
    const double up = (side ? xmax - xmin : ymax - ymin) / m_Hoehe;
    if (!(across > 0.0) || !(up > 0.0) || !std::isfinite(across) || !std::isfinite(up))
        return;
    if (across == up)
        return;
    // The axis that needs more room keeps its range; the other one is lengthened.
    const double common = std::max(across, up);
    if (across < common) {
        // The plan view centres the lengthened axis on the data; the side view keeps its
        // displacement starting on the left edge, as it always does.
        if (side)
            widen(y, common * m_Breite, ymin, false);
        else
            widen(x, common * m_Breite, m_fitted.midX, true);
    } else {
        // The side view keeps the surface on the top edge and lengthens the depth axis
        // downward.
        if (side)
            widen(x, common * m_Hoehe, xmin, false);
        else
            widen(y, common * m_Hoehe, m_fitted.midY, true);
    }
}

QPoint GraphPage::windowOrigin(const PlotData &data)
{
    // The side view with two curves needs room above the plot for the azimuth axis.
    if (data.invers != 0 && data.kurven == 2)
        return QPoint(-400, 450);
    return QPoint(-400, 350);
}

void GraphPage::beginAreaClip(DrawContext &dc) const
{
    if (!showsWhole())
        dc.beginClip(0, 0, m_Breite, -m_Hoehe);
}

void GraphPage::endAreaClip(DrawContext &dc) const
{
    if (!showsWhole())
        dc.endClip();
}

void GraphPage::drawFrame(DrawContext &dc) const
{
    dc.rectangle(0, 0, m_Breite, -m_Hoehe);
}

void GraphPage::drawMarkers(DrawContext &dc) const
{
    if (m_Punktzahl < 1)
        return;
    // An open circle around the wellhead, a filled dot at the last computed point; for
    // a vertical well in the top view they coincide as a dot in a ring.
    const QPoint head = m_Punkte[0], end = m_Punkte[m_Punktzahl - 1];
    const int r = kMarkerRadius, e = kEndMarkerRadius;
    dc.ellipse(head.x() - r, head.y() + r, head.x() + r, head.y() - r, false);
    dc.ellipse(end.x() - e, end.y() + e, end.x() + e, end.y() - e, true);
}

void GraphPage::drawToleranceMarks(DrawContext &dc, const PlotData &data) const
{
    // A page without such stations draws what it always drew, pen changes included.
    if (data.outsideTolerance.empty())
        return;
    const int h = kToleranceMarkHalf;
    const DrawPen before = dc.selectPen(graphstyle::kOutsideTolerancePen);
    for (const int i : data.outsideTolerance) {
        if (i < 0 || i >= m_Punktzahl)
            continue;
        const QPoint p = m_Punkte[static_cast<std::size_t>(i)];
        dc.rectangle(p.x() - h, p.y() + h, p.x() + h, p.y() - h);
    }
    dc.selectPen(before);
}

void GraphPage::drawMarkerLegend(DrawContext &dc) const
{
    if (m_Punktzahl < 1)
        return;
    const int r = kMarkerRadius, e = kEndMarkerRadius;
    // Their legend in one row above the plot area, ending a little right of it: below
    // the curve legends, a landscape sheet has no room to spare.
    const int W = m_Breite;
    const int row = kMarkerLegendRow, cy = row - 22; // the middle of the label font's cell
    const int gap = 12, between = 40;
    const std::string headText = graphText(DRV_TRANSLATE_NOOP("GraphPage", "Ansatz"));
    const std::string endText = graphText(DRV_TRANSLATE_NOOP("GraphPage", "Endpunkt"));
    const int headW = dc.textExtent(headText).cx, endW = dc.textExtent(endText).cx;
    int x = W + 100 - (2 * r + gap + headW + between + 2 * e + gap + endW);
    dc.setTextAlign(TextAlign::TopLeft);
    dc.ellipse(x, cy + r, x + 2 * r, cy - r, false);
    x += 2 * r + gap;
    dc.textOut(x, row, headText);
    x += headW + between;
    dc.ellipse(x, cy + e, x + 2 * e, cy - e, true);
    x += 2 * e + gap;
    dc.textOut(x, row, endText);
    dc.setTextAlign(TextAlign::TopCenter);
}

void GraphPage::drawCurves(DrawContext &dc, const PlotData &data) const
{
    const int W = m_Breite, H = m_Hoehe;
    dc.selectPen(graphstyle::kCurvePen);
    beginAreaClip(dc);
    dc.polyline(m_Punkte.data(), m_Punktzahl);
    drawMarkers(dc);
    drawToleranceMarks(dc, data);
    endAreaClip(dc);
    drawMarkerLegend(dc);
    // The sample line starts half a text width right of the centred legend's end.
    const int cx = dc.textExtent(data.legende).cx;
    dc.textOut(W / 2, -H - 150, data.legende);
    dc.moveTo(W / 2 + cx, -H - 170);
    dc.lineTo(W / 2 + cx + 200, -H - 170);

    dc.selectPen(graphstyle::kCurve1Pen);
    if (data.kurven != 2)
        return;
    beginAreaClip(dc);
    if (data.invers != 0) {
        // The azimuth: a point without horizontal displacement has no direction, and a
        // step across north (359 to 0 degrees) is no movement across the plot. Only
        // points the data still hold are read.
        const int n = std::min(m_Punktzahl, data.count());
        std::vector<QPoint> run;
        run.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i <= n; ++i) {
            const bool defined
                = i < n && std::fabs(static_cast<double>(data.y[i])) > pagemath::kAbsoluteNoise;
            const bool wraps = defined && !run.empty()
                && std::fabs(static_cast<double>(data.y1[i]) - data.y1[i - 1]) > 180.0;
            if (!defined || wraps) {
                // A lone direction is drawn as a dot.
                if (run.size() == 1)
                    run.push_back(run.front());
                if (!run.empty())
                    dc.polyline(run);
                run.clear();
            }
            if (defined)
                run.push_back(m_Punkte1[i]);
        }
    } else {
        dc.polyline(m_Punkte1.data(), m_Punktzahl);
    }
    endAreaClip(dc);
    const int cx1 = dc.textExtent(data.legende1).cx;
    dc.textOut(W / 2, -H - 200, data.legende1);
    dc.moveTo(W / 2 + cx1, -H - 220);
    dc.lineTo(W / 2 + cx1 + 200, -H - 220);
}
