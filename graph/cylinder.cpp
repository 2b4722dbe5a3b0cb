// The travelling cylinder: where the neighbouring wells lie around the reference hole.
#include "graph/cylinder.h"

#include "core/decimalsign.h"
#include "graph/graphpage.h"
#include "graph/graphstyle.h"
#include "graph/highside.h"
#include "graph/labelplacer.h"
#include "graph/pagemath.h"
#include "graph/plotdata.h"
#include "graph/textfit.h"
#include "graph/wellpalette.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double kRad = std::numbers::pi / 180.0;
// Closer than this (metres), an offset touches the reference.
constexpr double kTouching = 1e-3;
// Between two points of a track the page draws a piece every so many degrees.
constexpr double kArcStep = 3.0;
// The marks of the depths along a track, and the least room between two of them.
constexpr int kDepthDot = 7;
constexpr int kDepthLabelSpacing = 90;
constexpr int kClosestRing = 24;
// The dot at a track's lowest separation factor, as large as the ladder's.
constexpr int kFactorDot = 14;
// The depths in a lighter font than the labels of the axes.
const DrawFont kDepthFont { 38, 400, FontFamily::Modern, {} };
// The closest approaches and the lowest factors bolder than the depths.
const DrawFont kValueFont { 40, 700, FontFamily::Modern, {} };

std::string number(double v, int decimals)
{
    return decimalsign::fixed(v, decimals, pageDecimalSign());
}

std::string label(double v)
{
    return decimalsign::shortest(v, pageDecimalSign());
}

struct P
{
    double x = 0, y = 0;
};

QPoint rounded(P p)
{
    return QPoint(pagemath::truncInt(std::round(p.x)), pagemath::truncInt(std::round(p.y)));
}

// Where the offset's nearest point lies around the hole. Touching the reference it lies
// in the middle whatever its angle; straight ahead along the hole it has no side and is
// left out.
// The point a fraction `f` of the way from `a` to `b`: the angle the shorter way round.
CylinderPoint between(const CylinderPoint &a, const CylinderPoint &b, double f)
{
    const double turn = std::remainder(b.angle - a.angle, 360.0);
    double angle = a.angle + f * turn;
    if (angle < 0)
        angle += 360;
    else if (angle >= 360)
        angle -= 360;
    return { a.md + f * (b.md - a.md), angle, a.distance + f * (b.distance - a.distance) };
}

// The next smaller step of the 1, 2, 5 series.
double finerStep(double step)
{
    const double unit = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double m = step / unit;
    return (m > 4.5 ? 2.0 : m > 1.5 ? 1.0 : 0.5) * unit;
}

std::optional<CylinderPoint> pointOfRow(const clr::Row &r, const traj::Trajectory &reference)
{
    traj::Point at;
    if (!traj::pointAtMd(reference, r.referenceMd, at))
        return std::nullopt;
    const std::optional<double> a
        = highside::angle(at.inclination, at.azimuth, r.offsetNorth - r.referenceNorth,
            r.offsetEast - r.referenceEast, r.offsetTvd - r.referenceTvd);
    if (!a && r.distance < kTouching)
        return CylinderPoint { r.referenceMd, 0.0, r.distance };
    if (!a)
        return std::nullopt;
    return CylinderPoint { r.referenceMd, *a, r.distance };
}

// The rings out to at least `reach` metres: round distances as niceAxis makes them, but
// when its round outer ring would lie beyond `most`, a finer step whose multiple just
// beyond `reach` stays within it. A step whose rings would crowd the labels names the
// outer ring alone.
PageAxis ringAxis(double reach, double most, int radius)
{
    const PageAxis nice = niceAxis(0.0, reach, radius);
    if (nice.hi <= most)
        return nice;
    for (double step = nice.step; step >= reach / 8; step = finerStep(step)) {
        const double hi
            = pagemath::tickAt(0.0, static_cast<int>(std::ceil(reach / step * (1 - 1e-12))), step);
        if (hi > most * (1 + 1e-12))
            continue;
        PageAxis a;
        a.hi = hi;
        a.step = radius * step / hi >= GraphPage::kLeastTickDistance ? step : hi;
        return a;
    }
    return nice;
}

// The angles named around the picture: the high side, the other quarters, the rest.
std::vector<int> anglesByImportance()
{
    std::vector<int> angles { 0, 180, 90, 270 };
    for (int a = CylinderPage::kSpokeStep; a < 360; a += CylinderPage::kSpokeStep)
        if (a % 90 != 0)
            angles.push_back(a);
    return angles;
}

// The tracks, the neighbour that matters most first: the lowest separation factor, then
// the closest approach; a track with neither last.
std::vector<std::size_t> tracksByImportance(const CylinderData &data)
{
    const auto key = [&](std::size_t j) {
        const CylinderTrack &t = data.tracks[j];
        const double inf = std::numeric_limits<double>::infinity();
        const double f = t.lowestFactor && std::isfinite(*t.lowestFactor) ? *t.lowestFactor : inf;
        const double d
            = t.closest && std::isfinite(t.closest->distance) ? t.closest->distance : inf;
        return std::pair(f, d);
    };
    std::vector<std::size_t> order(data.tracks.size());
    for (std::size_t j = 0; j < order.size(); ++j)
        order[j] = j;
    std::stable_sort(
        order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    return order;
}

} // namespace

CylinderData cylinderDataOf(
    const OffsetPicture &offsets, const traj::Trajectory &reference, const std::string &name)
{
    CylinderData d;
    d.title = name;
    for (std::size_t i = 0; i < offsets.scan.offsets.size(); ++i) {
        const clr::OffsetScan &s = offsets.scan.offsets[i];
        CylinderTrack t;
        t.name = s.name;
        t.colour = offsets.colourOf(s.name, static_cast<int>(i));
        if (s.closestApproach)
            t.closest = pointOfRow(*s.closestApproach, reference);
        if (s.lowestSeparation && s.lowestSeparation->separationFactor) {
            t.lowestFactor = *s.lowestSeparation->separationFactor;
            t.lowestMd = s.lowestSeparation->referenceMd;
        }
        for (const clr::Row &r : s.rows) {
            // The closest approach in its place among the rows.
            if (t.closest && r.referenceMd > t.closest->md
                && (t.points.empty() || t.points.back().md < t.closest->md))
                t.points.push_back(*t.closest);
            if (const std::optional<CylinderPoint> p = pointOfRow(r, reference))
                if (t.points.empty() || p->md > t.points.back().md)
                    t.points.push_back(*p);
        }
        if (t.closest && (t.points.empty() || t.points.back().md < t.closest->md))
            t.points.push_back(*t.closest);
        d.tracks.push_back(std::move(t));
    }
    return d;
}

std::optional<QPoint> CylinderPage::lowestFactorPoint(const CylinderTrack &t) const
{
    if (!t.lowestFactor || !t.lowestMd || t.points.empty() || *t.lowestMd < t.points.front().md
        || *t.lowestMd > t.points.back().md)
        return std::nullopt;
    // Between the two points of the track around its depth.
    std::size_t i = 0;
    while (i + 2 < t.points.size() && t.points[i + 1].md < *t.lowestMd)
        ++i;
    const CylinderPoint &a = t.points[i];
    const CylinderPoint &b = t.points.size() > 1 ? t.points[i + 1] : a;
    const double f = b.md > a.md ? std::clamp((*t.lowestMd - a.md) / (b.md - a.md), 0.0, 1.0) : 0.0;
    const CylinderPoint at = between(a, b, f);
    if (!std::isfinite(at.distance) || at.distance > rings.hi)
        return std::nullopt;
    return pointOf(at.angle, at.distance);
}

QPoint CylinderPage::pointOf(double angle, double distance) const
{
    const double r = distance * m_pageRadiusPerMetre;
    return rounded(
        { centre.x() + r * std::sin(angle * kRad), centre.y() + r * std::cos(angle * kRad) });
}

std::vector<OffsetPage::LegendRow> CylinderPage::legendRows(const CylinderData &data)
{
    std::vector<LegendRow> rows;
    std::vector<std::pair<std::optional<double>, std::optional<double>>> keys;
    for (const CylinderTrack &t : data.tracks) {
        QString text = QString::fromStdString(t.name);
        const bool factor = t.lowestFactor && std::isfinite(*t.lowestFactor) && t.lowestMd;
        if (factor && t.closest)
            text = QCoreApplication::translate("Cylinder",
                "%1 – kleinster Trennfaktor %2 in %3 m Teufe, kleinster Abstand %4 m in %5 m, "
                "%6°")
                       .arg(text, QString::fromStdString(number(*t.lowestFactor, 2)),
                           QString::fromStdString(number(*t.lowestMd, 1)),
                           QString::fromStdString(number(t.closest->distance, 2)),
                           QString::fromStdString(number(t.closest->md, 1)),
                           QString::fromStdString(number(t.closest->angle, 0)));
        else if (factor)
            text = QCoreApplication::translate(
                "Cylinder", "%1 – kleinster Trennfaktor %2 in %3 m Teufe")
                       .arg(text, QString::fromStdString(number(*t.lowestFactor, 2)),
                           QString::fromStdString(number(*t.lowestMd, 1)));
        else if (t.closest)
            text = QCoreApplication::translate(
                "Cylinder", "%1 – kleinster Abstand %2 m in %3 m Teufe, %4°")
                       .arg(text, QString::fromStdString(number(t.closest->distance, 2)),
                           QString::fromStdString(number(t.closest->md, 1)),
                           QString::fromStdString(number(t.closest->angle, 0)));
        rows.push_back({ t.colour, text.toStdString() });
        keys.push_back({ factor ? t.lowestFactor : std::nullopt,
            t.closest ? std::optional<double>(t.closest->distance) : std::nullopt });
    }
    // The closest calls head the legend.
    return worstFirst(std::move(rows), keys);
}

double automaticReach(const CylinderData &data)
{
    // The nearest closest approach of all tracks.
    double nearest = std::numeric_limits<double>::infinity(), farthest = 0;
    for (const CylinderTrack &t : data.tracks) {
        if (t.closest && std::isfinite(t.closest->distance))
            nearest = std::min(nearest, std::max(t.closest->distance, CylinderPage::kLeastReach));
        for (const CylinderPoint &p : t.points)
            if (std::isfinite(p.distance))
                farthest = std::max(farthest, p.distance);
    }
    // Without a closest approach the picture reaches the farthest point.
    if (!std::isfinite(nearest))
        return farthest;
    // The near parts of all tracks.
    double wanted = 0;
    for (const CylinderTrack &t : data.tracks) {
        if (!t.closest || !std::isfinite(t.closest->distance))
            continue;
        const double near
            = CylinderPage::kNearFactor * std::max(t.closest->distance, CylinderPage::kLeastReach);
        wanted = std::max(wanted, t.closest->distance);
        for (const CylinderPoint &p : t.points)
            if (p.distance <= near)
                wanted = std::max(wanted, p.distance);
    }
    // Rounding up to a distance the rings can name may add up to a third (ringAxis), so
    // the reach before it keeps below three quarters of the farthest the nearest approach
    // allows.
    const double least = nearest / CylinderPage::kNearestMost;
    const double most = 0.75 * nearest / CylinderPage::kNearestLeast;
    return std::clamp(wanted, least, most);
}

void CylinderPage::layout(const CylinderData &data, const graph::PageTarget &target)
{
    // A paper or image page keeps its square; a window gives its width to the titles and
    // the legend, with the picture in the middle.
    layoutArea(target, static_cast<int>(data.tracks.size()), kScreenHeight,
        target.kind != graph::TargetKind::Window);
    layoutInArea(data, m_areaWidth, m_areaHeight);
}

void CylinderPage::layoutInArea(const CylinderData &data, int width, int height)
{
    m_legendRows = static_cast<int>(data.tracks.size());
    m_areaWidth = std::max(1, width);
    m_areaHeight = std::max(1, height);
    centre = QPoint(m_areaWidth / 2, -m_areaHeight / 2);
    radius = std::max(50, std::min(m_areaWidth, m_areaHeight) / 2 - kAngleRoom);

    double mdLo = 0, mdHi = 0, nearest = std::numeric_limits<double>::infinity();
    bool any = false;
    for (const CylinderTrack &t : data.tracks) {
        for (const CylinderPoint &p : t.points) {
            if (!any)
                mdLo = mdHi = p.md;
            any = true;
            mdLo = std::min(mdLo, p.md);
            mdHi = std::max(mdHi, p.md);
        }
        if (t.closest && std::isfinite(t.closest->distance))
            nearest = std::min(nearest, std::max(t.closest->distance, kLeastReach));
    }
    // A view that zooms shows a part of the radius (1 the whole).
    const double part = std::clamp(m_shownPart.width(), 1e-4, 1.0);
    const std::optional<double> fixed = data.outerRadius;
    if (fixed && std::isfinite(*fixed) && *fixed > 0) {
        // The rings at round distances inside the fixed one, which is the frame.
        rings = niceAxis(0.0, *fixed * part, radius);
        rings.hi = *fixed * part;
    } else {
        double reach = automaticReach(data);
        if (!(reach > 0))
            reach = 1.0;
        if (showsWhole())
            rings = ringAxis(reach,
                std::isfinite(nearest) ? nearest / kNearestLeast
                                       : std::numeric_limits<double>::infinity(),
                radius);
        else
            rings = niceAxis(0.0, reach * part, radius);
    }
    m_pageRadiusPerMetre = radius / rings.hi;
    depthStep = GraphPage::delta(mdHi - mdLo);

    // The tracks inside the outer ring; a piece that crosses it ends there.
    runs.assign(data.tracks.size(), {});
    const double R = radius + 0.5;
    const auto toPage = [&](const CylinderPoint &p) {
        const double r = p.distance * m_pageRadiusPerMetre;
        return P { centre.x() + r * std::sin(p.angle * kRad),
            centre.y() + r * std::cos(p.angle * kRad) };
    };
    const auto inside = [&](P p) { return std::hypot(p.x - centre.x(), p.y - centre.y()) <= R; };
    // Where the line from a to b crosses the ring: the parameters in [0, 1], ascending.
    const auto crossings = [&](P a, P b) {
        const double dx = b.x - a.x, dy = b.y - a.y, fx = a.x - centre.x(), fy = a.y - centre.y();
        const double A = dx * dx + dy * dy, B = 2 * (fx * dx + fy * dy),
                     C = fx * fx + fy * fy - R * R;
        std::vector<double> ts;
        const double disc = B * B - 4 * A * C;
        if (!(A > 0) || disc < 0)
            return ts;
        const double s = std::sqrt(disc);
        for (double t : { (-B - s) / (2 * A), (-B + s) / (2 * A) })
            if (t >= 0 && t <= 1)
                ts.push_back(t);
        return ts;
    };
    for (std::size_t j = 0; j < data.tracks.size(); ++j) {
        const std::vector<CylinderPoint> &pts = data.tracks[j].points;
        std::vector<QPoint> run;
        const auto flush = [&] {
            if (!run.empty())
                runs[j].push_back(std::move(run));
            run.clear();
        };
        // Each piece from a to b of the track on the page, clipped at the ring.
        const auto piece = [&](P a, P b, bool first) {
            if (!first) {
                const bool ia = inside(a), ib = inside(b);
                const std::vector<double> ts = crossings(a, b);
                const auto at = [&](double t) {
                    return rounded({ a.x + t * (b.x - a.x), a.y + t * (b.y - a.y) });
                };
                if (ia && !ib) {
                    run.push_back(at(ts.empty() ? 1.0 : ts.back()));
                    flush();
                } else if (!ia && ib) {
                    run.push_back(at(ts.empty() ? 0.0 : ts.front()));
                } else if (!ia && !ib && ts.size() == 2) {
                    // Passing through the picture between two points outside it.
                    run.push_back(at(ts[0]));
                    run.push_back(at(ts[1]));
                    flush();
                }
            }
            if (inside(b))
                run.push_back(rounded(b));
        };
        for (std::size_t i = 0; i < pts.size(); ++i) {
            if (!std::isfinite(pts[i].distance)) {
                flush();
                continue;
            }
            if (i == 0 || !std::isfinite(pts[i - 1].distance)) {
                piece({}, toPage(pts[i]), true);
                continue;
            }
            // Between two points the angle turns the shorter way round and the distance
            // changes evenly: a well that passes round the hole keeps its distance on the
            // page instead of cutting across the middle.
            const int steps = std::max(1,
                static_cast<int>(std::ceil(
                    std::abs(std::remainder(pts[i].angle - pts[i - 1].angle, 360.0)) / kArcStep)));
            P a = toPage(pts[i - 1]);
            for (int k = 1; k <= steps; ++k) {
                const P b = toPage(between(pts[i - 1], pts[i], double(k) / steps));
                piece(a, b, false);
                a = b;
            }
        }
        flush();
    }
}

void CylinderPage::draw(
    DrawContext &dc, const CylinderData &data, const std::string &docTitle) const
{
    const QPoint origin = windowOrigin();
    dc.setWindowOrg(origin.x(), origin.y());
    const DrawPen oldPen = dc.selectPen(graphstyle::kFramePen);
    const DrawFont oldFont = dc.selectFont(graphstyle::kLabelFont);
    const TextAlign oldAlign = dc.textAlign();
    drawTitles(dc, data.title,
        QCoreApplication::translate(
            "Cylinder", "Mitlaufender Zylinder: Abstand (m) und Winkel von der Hochseite")
            .toStdString());
    const bool any = std::any_of(data.tracks.begin(), data.tracks.end(),
        [](const CylinderTrack &t) { return !t.points.empty(); });
    if (!any) {
        dc.rectangle(0, 0, m_areaWidth, -m_areaHeight);
        if (data.tracks.empty())
            drawNoOffsets(dc);
        else
            drawMessage(dc,

                QCoreApplication::translate("Cylinder", "Keine Punkte der Nachbarbohrungen")
                    .toStdString());
        drawLegend(dc, legendRows(data), docTitle);
        dc.selectFont(oldFont);
        dc.selectPen(oldPen);
        return;
    }

    const int cx = centre.x(), cy = centre.y();
    // The spokes and the inner rings dotted, the outer ring as the frame.
    dc.selectPen(graphstyle::kGridPen);
    for (int a = 0; a < 360; a += kSpokeStep) {
        const QPoint end = pointOf(a, rings.hi);
        dc.moveTo(cx, cy);
        dc.lineTo(end.x(), end.y());
    }
    for (int k = 1; k < 1000; ++k) {
        const double v = tickOf(rings, k);
        if (v >= rings.hi)
            break;
        const int r = pagemath::truncInt(std::round(v * m_pageRadiusPerMetre));
        dc.ellipse(cx - r, cy + r, cx + r, cy - r, false);
    }
    dc.selectPen(graphstyle::kFramePen);
    dc.ellipse(cx - radius, cy + radius, cx + radius, cy - radius, false);

    // The tracks and their closest approach.
    for (std::size_t j = 0; j < data.tracks.size() && j < runs.size(); ++j) {
        const CylinderTrack &t = data.tracks[j];
        dc.selectPen({ PenStyle::Solid, graphstyle::kOffsetPenWidth, t.colour });
        for (const std::vector<QPoint> &run : runs[j])
            dc.polyline(run.size() == 1 ? std::vector<QPoint> { run[0], run[0] } : run);
        if (t.closest && t.closest->distance <= rings.hi) {
            const QPoint c = pointOf(t.closest->angle, t.closest->distance);
            dc.selectPen({ PenStyle::Solid, 2, t.colour });
            dc.ellipse(c.x() - kClosestRing, c.y() + kClosestRing, c.x() + kClosestRing,
                c.y() - kClosestRing, false);
        }
    }

    // The reference well in the middle, over the tracks that pass through it.
    dc.selectPen({ PenStyle::Solid, graphstyle::kOffsetPenWidth, wellpalette::kReference });
    const int e = GraphPage::kEndMarkerRadius;
    dc.ellipse(cx - e, cy + e, cx + e, cy - e, true);

    // The texts in the order of their importance; one that finds no room is left out.
    // None covers the reference well.
    LabelPlacer placer(0, 0, m_areaWidth, -m_areaHeight);
    placer.take({ cx - e, cy + e }, 2 * e, 2 * e);
    // The outer ring's distance with its unit right of the top spoke, then the angles
    // around the outside (the high side and the quarters before the others).
    dc.setTextAlign(TextAlign::TopLeft);
    placer.write(dc, cx + 10, cy + radius - 5, label(rings.hi) + " m");
    dc.setTextAlign(TextAlign::TopCenter);
    for (const int a : anglesByImportance()) {
        const double r = radius + kAngleRoom / 2.0;
        const int x = pagemath::truncInt(std::round(cx + r * std::sin(a * kRad)));
        const int y = pagemath::truncInt(std::round(cy + r * std::cos(a * kRad)));
        placer.write(dc, x, y + 22,
            a == 0 ? QCoreApplication::translate("Cylinder", "0° Hochseite").toStdString()
                   : std::to_string(a) + "°");
    }
    // The inner rings' distances below the outer one's.
    dc.setTextAlign(TextAlign::TopLeft);
    for (int k = 1; k < 1000; ++k) {
        const double v = tickOf(rings, k);
        if (v >= rings.hi)
            break;
        const int r = pagemath::truncInt(std::round(v * m_pageRadiusPerMetre));
        placer.write(dc, cx + 10, cy + r - 5, label(v));
    }

    // Per neighbour, the most important first: the distance of its closest approach
    // beside its ring, its lowest separation factor dotted and named on its track. Then
    // the depths along the tracks in the same order.
    const std::vector<std::size_t> order = tracksByImportance(data);
    const DrawFont labelFont = dc.selectFont(kValueFont);
    for (const std::size_t j : order) {
        const CylinderTrack &t = data.tracks[j];
        if (t.closest && t.closest->distance <= rings.hi) {
            const std::string text = number(t.closest->distance, 1) + " m";
            const DrawSize size = dc.textExtent(text);
            if (const std::optional<QPoint> at
                = placer.place(pointOf(t.closest->angle, t.closest->distance), size.cx, size.cy,
                    kClosestRing + 6, 2))
                dc.textOut(at->x(), at->y(), text);
        }
        const std::optional<QPoint> p = lowestFactorPoint(t);
        if (!p)
            continue;
        dc.selectPen({ PenStyle::Solid, graphstyle::kOffsetPenWidth, t.colour });
        dc.ellipse(p->x() - kFactorDot, p->y() + kFactorDot, p->x() + kFactorDot,
            p->y() - kFactorDot, true);
        const std::string text = QCoreApplication::translate("Cylinder", "TF %1")
                                     .arg(QString::fromStdString(number(*t.lowestFactor, 2)))
                                     .toStdString();
        const DrawSize size = dc.textExtent(text);
        if (const std::optional<QPoint> at = placer.place(*p, size.cx, size.cy, 20, 2))
            dc.textOut(at->x(), at->y(), text);
    }
    dc.selectFont(kDepthFont);
    const double R = radius + 0.5;
    for (const std::size_t j : order) {
        const CylinderTrack &t = data.tracks[j];
        if (t.points.size() < 2 || !(depthStep > 0))
            continue;
        dc.selectPen({ PenStyle::Solid, 1, t.colour });
        bool placed = false;
        QPoint last;
        std::size_t i = 0;
        double m = std::ceil(t.points.front().md / depthStep) * depthStep;
        for (int n = 0; n < 1000 && m <= t.points.back().md;
             ++n, m = pagemath::tickAt(m, 1, depthStep)) {
            while (i + 1 < t.points.size() && t.points[i + 1].md < m)
                ++i;
            if (i + 1 >= t.points.size())
                break;
            const CylinderPoint &a = t.points[i], &b = t.points[i + 1];
            if (!std::isfinite(a.distance) || !std::isfinite(b.distance) || !(b.md > a.md))
                continue;
            const CylinderPoint mid = between(a, b, (m - a.md) / (b.md - a.md));
            const QPoint p = pointOf(mid.angle, mid.distance);
            if (std::hypot(p.x() - cx, p.y() - cy) > R)
                continue;
            if (placed && std::hypot(p.x() - last.x(), p.y() - last.y()) < kDepthLabelSpacing)
                continue;
            const std::string text = label(m);
            const DrawSize size = dc.textExtent(text);
            const std::optional<QPoint> at = placer.place(p, size.cx, size.cy, 12, 0);
            if (!at)
                continue;
            dc.ellipse(
                p.x() - kDepthDot, p.y() + kDepthDot, p.x() + kDepthDot, p.y() - kDepthDot, true);
            dc.textOut(at->x(), at->y(), text);
            placed = true;
            last = p;
        }
    }
    dc.selectFont(labelFont);

    drawLegend(dc, legendRows(data), docTitle);
    dc.setTextAlign(oldAlign);
    dc.selectFont(oldFont);
    dc.selectPen(oldPen);
}
