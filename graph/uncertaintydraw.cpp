// The positional uncertainty on the page: the error ellipses of the top view, the band
// along the curve of the side view and the section, and their legend. worldtrans places
// them in logical units for the layout at hand; drawing only hands the polygons on.
#include "graph/graphpage.h"
#include "graph/graphstyle.h"
#include "graph/pagemath.h"
#include "graph/textfit.h"
#include "graph/wellpalette.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// A covariance in logical units of the page: across (x) and up (y).
struct PageSpread
{
    double xx = 0, yy = 0, xy = 0;
};

struct Vec
{
    double x = 0, y = 0;
};

// The ellipse of k σ: semi-axes and the direction of the major axis (radians from the
// page's x axis toward its y axis).
struct Axes
{
    double a = 0, b = 0, angle = 0;
};

// Smaller than a hundredth of a millimetre: nothing to draw.
constexpr double kLeastSemiAxis = 0.1;
// A multiple of four, so that the ends of both axes are vertices of the polygon.
constexpr int kEllipseVertices = 72;

Axes axesOf(const PageSpread &p, double k)
{
    const double mean = 0.5 * (p.xx + p.yy);
    const double half = 0.5 * (p.xx - p.yy);
    const double r = std::hypot(half, p.xy);
    return { k * std::sqrt(std::max(0.0, mean + r)), k * std::sqrt(std::max(0.0, mean - r)),
        0.5 * std::atan2(p.xy, half) };
}

// The semi-major axis alone, for choosing among a million points.
double semiMajor(const PageSpread &p, double k)
{
    const double half = 0.5 * (p.xx - p.yy);
    return k * std::sqrt(std::max(0.0, 0.5 * (p.xx + p.yy) + std::sqrt(half * half + p.xy * p.xy)));
}

QPoint rounded(Vec v)
{
    return QPoint(pagemath::truncInt(std::round(v.x)), pagemath::truncInt(std::round(v.y)));
}

GraphPage::PointArray ellipseRing(Vec c, const Axes &e)
{
    GraphPage::PointArray ring;
    ring.reserve(kEllipseVertices);
    const double ca = std::cos(e.angle), sa = std::sin(e.angle);
    for (int j = 0; j < kEllipseVertices; ++j) {
        const double t = 2.0 * std::numbers::pi * j / kEllipseVertices;
        const double u = e.a * std::cos(t), v = e.b * std::sin(t);
        ring.push_back(rounded({ c.x + u * ca - v * sa, c.y + u * sa + v * ca }));
    }
    return ring;
}

GraphPage::PointArray closed(GraphPage::PointArray ring)
{
    if (!ring.empty())
        ring.push_back(ring.front());
    return ring;
}

// At least `distance` logical units apart.
bool apart(const QPoint &a, const QPoint &b, int distance)
{
    const double dx = a.x() - b.x(), dy = a.y() - b.y();
    return dx * dx + dy * dy >= double(distance) * distance;
}

Vec at(const QPoint &p)
{
    return { double(p.x()), double(p.y()) };
}

} // namespace

void GraphPage::placeSpread(const PlotData &data)
{
    m_spreadArea.clear();
    m_spreadOutlines.clear();
    m_spreadPoints.clear();
    m_offsetSpreads.clear();
    if (data.hasSpread()) {
        SpreadShape own
            = spreadShape(m_Punkte, std::min(m_Punktzahl, static_cast<int>(data.spread.size())),
                data.spread, data.spreadFloorY, data);
        m_spreadArea = std::move(own.area);
        m_spreadOutlines = std::move(own.outlines);
        m_spreadPoints = std::move(own.points);
    }
    // The neighbours' at the same multiple of σ; their y is a position, never a distance.
    if (data.sigmas > 0 && data.hasAnySpread()) {
        const std::size_t count = std::min(data.offsets.size(), m_offsetPoints.size());
        for (std::size_t j = 0; j < count; ++j) {
            const PointArray &points = m_offsetPoints[j];
            const int n = std::min(
                static_cast<int>(points.size()), static_cast<int>(data.offsets[j].spread.size()));
            m_offsetSpreads.push_back(spreadShape(points, n, data.offsets[j].spread, false, data));
        }
    }
}

GraphPage::SpreadShape GraphPage::spreadShape(const PointArray &points, int n,
    const std::vector<PlotSpread> &spread, bool floorY, const PlotData &data) const
{
    SpreadShape shape;
    const double rx = xmax - xmin, ry = ymax - ymin;
    if (!(data.sigmas > 0) || n < 1 || !(rx > 0.0) || !(ry > 0.0))
        return shape;
    const double W = m_Breite, H = m_Hoehe, k = data.sigmas;
    const bool side = data.invers != 0;

    // The page maps each series linearly onto one of its axes; the factors of that map
    // turn a covariance of the series into one of the page. In the side view y runs
    // across and x (depth) down.
    const double across = side ? W / ry : W / rx;
    const double up = side ? H / rx : H / ry;
    // Made when needed: a million points are not worth a copy of their spreads.
    const auto spreadAt = [&](int i) -> PageSpread {
        const PlotSpread &s = spread[static_cast<std::size_t>(i)];
        if (!std::isfinite(s.xx) || !std::isfinite(s.yy) || !std::isfinite(s.xy))
            return {};
        return side ? PageSpread { s.yy * across * across, s.xx * up * up, -s.xy * across * up }
                    : PageSpread { s.xx * across * across, s.yy * up * up, s.xy * across * up };
    };
    bool any = false;
    for (int i = 0; i < n && !any; ++i) {
        const PageSpread p = spreadAt(i);
        any = p.xx > 0.0 || p.yy > 0.0;
    }
    if (!any)
        return shape;

    if (!side) {
        // The top view: an ellipse at a point wherever it shows something the next
        // ellipse drawn does not (another place or another size), counted from the
        // deepest point up; the last and the largest are always drawn.
        int largest = -1;
        double largestMajor = 0.0;
        for (int i = 0; i < n; ++i) {
            const double a = semiMajor(spreadAt(i), k);
            if (a >= kLeastSemiAxis && (largest < 0 || a > largestMajor)) {
                largest = i;
                largestMajor = a;
            }
        }
        int next = -1;
        double nextMajor = 0.0;
        for (int i = n - 1; i >= 0; --i) {
            const double a = semiMajor(spreadAt(i), k);
            if (a < kLeastSemiAxis)
                continue;
            const bool keep = next < 0 || i == largest
                || apart(points[i], points[next], kEllipseSpacing)
                || std::fabs(a - nextMajor) >= kEllipseSpacing;
            if (keep) {
                shape.points.push_back(i);
                next = i;
                nextMajor = a;
            }
        }
        std::reverse(shape.points.begin(), shape.points.end());
        for (int i : shape.points) {
            PointArray ring = ellipseRing(at(points[i]), axesOf(spreadAt(i), k));
            shape.outlines.push_back(closed(ring));
            shape.area.push_back(std::move(ring));
        }
        return shape;
    }

    // The side view and the section: a band either side of the curve, made of the
    // points of the ellipses (of k σ, in the plane of the view) where their tangent runs
    // parallel to the curve. Its edges are therefore the envelope of the ellipses
    // moving along the curve, the area they sweep, and its width across the curve at a
    // point is the spread of the position in the direction perpendicular to the curve:
    // how far the hole may lie beside the line drawn. (Across the page alone would make
    // a band along a nearly horizontal piece look thin however uncertain the depth.)
    // The envelope is found in page units, so that the page's own exaggeration applies
    // to band and curve alike: a map that stretches one axis keeps tangents and
    // ellipses what they are to each other.
    std::vector<int> kept { 0 };
    for (int i = 1; i < n; ++i) {
        if (i == n - 1 || apart(points[i], points[kept.back()], kBandStep))
            kept.push_back(i);
    }
    const std::size_t m = kept.size();
    // The direction of the curve at each kept point, from its neighbours; where points
    // coincide, that of the nearest point that has one.
    std::vector<Vec> tangent(m);
    std::vector<bool> known(m, false);
    for (std::size_t j = 0; j < m; ++j) {
        const QPoint a = points[kept[j > 0 ? j - 1 : 0]];
        const QPoint b = points[kept[j + 1 < m ? j + 1 : m - 1]];
        tangent[j] = { double(b.x() - a.x()), double(b.y() - a.y()) };
        known[j] = tangent[j].x != 0.0 || tangent[j].y != 0.0;
    }
    for (std::size_t j = 1; j < m; ++j)
        if (!known[j] && known[j - 1]) {
            tangent[j] = tangent[j - 1];
            known[j] = true;
        }
    for (std::size_t j = m - 1; j-- > 0;)
        if (!known[j] && known[j + 1]) {
            tangent[j] = tangent[j + 1];
            known[j] = true;
        }

    // A displacement is a distance: the band ends where it is zero.
    const double floorAcross = W * (0.0 - ymin) / ry;
    const double floorUp = H * (0.0 - ymin) / ry - H;
    const auto floored = [&](Vec v) {
        if (floorY) {
            if (side)
                v.x = std::max(v.x, floorAcross);
            else
                v.y = std::max(v.y, floorUp);
        }
        return v;
    };

    PointArray left, right;
    left.reserve(m);
    right.reserve(m);
    for (std::size_t j = 0; j < m; ++j) {
        const Vec p = at(points[kept[j]]);
        const PageSpread s = spreadAt(kept[j]);
        const Vec normal { -tangent[j].y, tangent[j].x };
        const Vec sn { s.xx * normal.x + s.xy * normal.y, s.xy * normal.x + s.yy * normal.y };
        const double q = normal.x * sn.x + normal.y * sn.y;
        Vec d;
        if (known[j] && q > 0.0) {
            const double f = k / std::sqrt(q);
            d = { f * sn.x, f * sn.y };
        }
        left.push_back(rounded(floored({ p.x + d.x, p.y + d.y })));
        right.push_back(rounded(floored({ p.x - d.x, p.y - d.y })));
    }
    // Two triangles between each pair of neighbours: they stay simple however sharply
    // the curve turns, and their union is the band.
    for (std::size_t j = 0; j + 1 < m; ++j) {
        shape.area.push_back({ left[j], left[j + 1], right[j + 1] });
        shape.area.push_back({ left[j], right[j + 1], right[j] });
    }
    shape.outlines.push_back(std::move(left));
    shape.outlines.push_back(std::move(right));

    // Where the hole ends it may lie anywhere in its ellipse, along the curve as well.
    const int last = kept.back();
    const Axes end = axesOf(spreadAt(last), k);
    if (end.a >= kLeastSemiAxis) {
        PointArray ring = ellipseRing(at(points[last]), end);
        for (QPoint &p : ring)
            p = rounded(floored(at(p)));
        shape.outlines.push_back(closed(ring));
        shape.area.push_back(std::move(ring));
    }
    return shape;
}

void GraphPage::drawSpreadArea(DrawContext &dc, const PlotData &data) const
{
    // The neighbours' under the reference's, each in its well's colour made pale.
    for (std::size_t j = 0; j < m_offsetSpreads.size() && j < data.offsets.size(); ++j)
        if (!m_offsetSpreads[j].area.empty())
            dc.fillArea(m_offsetSpreads[j].area,
                wellpalette::paler(data.offsets[j].colour, graphstyle::kOffsetSpreadFill));
    if (!m_spreadArea.empty())
        dc.fillArea(m_spreadArea, graphstyle::kSpreadFill);
}

void GraphPage::drawSpreadOutlines(DrawContext &dc, const PlotData &data) const
{
    const bool offsetOutlines = std::any_of(m_offsetSpreads.begin(), m_offsetSpreads.end(),
        [](const SpreadShape &s) { return !s.outlines.empty(); });
    if (m_spreadOutlines.empty() && !offsetOutlines)
        return;
    const DrawPen old = dc.selectPen(graphstyle::kSpreadPen);
    if (offsetOutlines) {
        for (std::size_t j = 0; j < m_offsetSpreads.size() && j < data.offsets.size(); ++j) {
            DrawPen pen = graphstyle::kSpreadPen;
            pen.color = wellpalette::paler(data.offsets[j].colour, graphstyle::kOffsetSpreadLine);
            dc.selectPen(pen);
            for (const PointArray &line : m_offsetSpreads[j].outlines)
                dc.polyline(line);
        }
        dc.selectPen(graphstyle::kSpreadPen);
    }
    for (const PointArray &line : m_spreadOutlines)
        dc.polyline(line);
    // Area and outlines may reach onto the frame line (a band down to zero displacement,
    // or within kFrameCover of the range beyond it): the frame is drawn over them again.
    dc.selectPen(graphstyle::kFramePen);
    const QPoint corners[]
        = { { 0, 0 }, { m_Breite, 0 }, { m_Breite, -m_Hoehe }, { 0, -m_Hoehe }, { 0, 0 } };
    dc.polyline(corners, 5);
    dc.selectPen(old);
}

void GraphPage::drawToleranceLegend(DrawContext &dc, const PlotData &data) const
{
    if (data.outsideTolerance.empty() || m_Punktzahl < 1)
        return;
    const int W = m_Breite, H = m_Hoehe;
    const int row = -H - kSpreadLegendRow, middle = row - 22;
    constexpr int gap = 12, margin = 30;
    const int h = kToleranceMarkHalf;
    const std::string text
        = graphText(DRV_TRANSLATE_NOOP("GraphPage", "Messpunkt außerhalb der Toleranz"));
    // It ends where the marker legend above the plot area ends, or at the page's right
    // margin where the uncertainty's legend shares the row; it begins right of that
    // legend, and the text is fitted in between.
    const bool shared = !m_spreadOutlines.empty() && !data.spreadCaption.empty();
    const int right = shared ? W + 400 - margin : W + 100;
    int leftmost = -400 + margin;
    if (shared) {
        constexpr int sampleWidth = 150, spreadGap = 20;
        const int room = W + 800 - 2 * margin - sampleWidth - spreadGap;
        const int textWidth = std::min(dc.textExtent(data.spreadCaption).cx, room);
        // The uncertainty's legend begins at the left edge of the page in this case.
        leftmost = -400 + margin + sampleWidth + spreadGap + textWidth + 2 * margin;
    }
    const int width = std::min(dc.textExtent(text).cx, std::max(0, right - leftmost - 2 * h - gap));
    if (width <= 0)
        return;
    const int x = right - width - gap - 2 * h;
    const DrawPen old = dc.selectPen(graphstyle::kOutsideTolerancePen);
    dc.rectangle(x, middle + h, x + 2 * h, middle - h);
    dc.selectPen(old);
    const TextAlign align = dc.textAlign();
    dc.setTextAlign(TextAlign::TopLeft);
    drawFitted(dc, x + 2 * h + gap, row, text, width);
    dc.setTextAlign(align);
}

void GraphPage::drawSpreadLegend(DrawContext &dc, const PlotData &data) const
{
    if (m_spreadOutlines.empty() || data.spreadCaption.empty())
        return;
    const int W = m_Breite, H = m_Hoehe;
    const int row = -H - kSpreadLegendRow;
    const int middle = row - 22; // the middle of the label font's cell
    constexpr int sampleWidth = 150, sampleHeight = 40, gap = 20, margin = 30;
    // The page reaches 40 mm either side of the plot area.
    const int room = W + 800 - 2 * margin - sampleWidth - gap;
    const int textWidth = std::min(dc.textExtent(data.spreadCaption).cx, room);
    // Centred; from the left edge of the page when the row also holds the legend of the
    // stations outside the survey check's tolerance, so that both fit.
    const int left = data.outsideTolerance.empty()
        ? std::max(-400 + margin, W / 2 - (sampleWidth + gap + textWidth) / 2)
        : -400 + margin;

    // The sample shows what the plot area shows: an ellipse, or a piece of the band
    // with the curve inside it.
    const DrawPen old = dc.selectPen(graphstyle::kSpreadPen);
    if (data.invers == 0) {
        const PointArray ring = ellipseRing({ left + sampleWidth / 2.0, double(middle) },
            { sampleWidth / 2.0, sampleHeight / 2.0, 0.0 });
        dc.fillArea({ ring }, graphstyle::kSpreadFill);
        dc.polyline(closed(ring));
    } else {
        const int top = middle + sampleHeight / 2, bottom = middle - sampleHeight / 2;
        const PointArray strip { { left, top }, { left + sampleWidth, top },
            { left + sampleWidth, bottom }, { left, bottom } };
        dc.fillArea({ strip }, graphstyle::kSpreadFill);
        dc.polyline(PointArray { strip[0], strip[1] });
        dc.polyline(PointArray { strip[3], strip[2] });
        dc.selectPen(graphstyle::kCurvePen);
        dc.polyline(PointArray { { left, middle }, { left + sampleWidth, middle } });
    }
    dc.selectPen(old);

    const TextAlign align = dc.textAlign();
    dc.setTextAlign(TextAlign::TopLeft);
    drawFitted(dc, left + sampleWidth + gap, row, data.spreadCaption, room);
    dc.setTextAlign(align);
}
