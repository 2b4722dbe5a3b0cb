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
// The depths in a lighter font than the labels of the axes.
const DrawFont kDepthFont { 38, 400, FontFamily::Modern, {} };

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

QPoint CylinderPage::pointOf(double angle, double distance) const
{
    const double r = distance * m_pageRadiusPerMetre;
    return rounded(
        { centre.x() + r * std::sin(angle * kRad), centre.y() + r * std::cos(angle * kRad) });
}

std::vector<OffsetPage::LegendRow> CylinderPage::legendRows(const CylinderData &data)
{
    std::vector<LegendRow> rows;
    for (const CylinderTrack &t : data.tracks) {
        QString text = QString::fromStdString(t.name);
        if (t.closest)
            text = QCoreApplication::translate(
                "Cylinder", "%1 – kleinster Abstand %2 m in %3 m Teufe, %4°")
                       .arg(text, QString::fromStdString(number(t.closest->distance, 2)),
                           QString::fromStdString(number(t.closest->md, 1)),
                           QString::fromStdString(number(t.closest->angle, 0)));
        rows.push_back({ t.colour, text.toStdString() });
    }
    return rows;
}

void CylinderPage::layout(const CylinderData &data, const graph::PageTarget &target)
{
    layoutArea(target, static_cast<int>(data.tracks.size()), kScreenHeight, true);
    centre = QPoint(m_areaWidth / 2, -m_areaHeight / 2);
    radius = std::max(50, m_areaWidth / 2 - kAngleRoom);

    // Out to twice the largest closest approach, or to the farthest point when that is
    // nearer.
    double farthest = 0, closest = 0, mdLo = 0, mdHi = 0;
    bool any = false;
    for (const CylinderTrack &t : data.tracks) {
        for (const CylinderPoint &p : t.points) {
            if (std::isfinite(p.distance))
                farthest = std::max(farthest, p.distance);
            if (!any)
                mdLo = mdHi = p.md;
            any = true;
            mdLo = std::min(mdLo, p.md);
            mdHi = std::max(mdHi, p.md);
        }
        if (t.closest && std::isfinite(t.closest->distance))
            closest = std::max(closest, t.closest->distance);
    }
    double reach = closest > 0 ? std::min(farthest, 2.0 * closest) : farthest;
    if (!(reach > 0))
        reach = 1.0;
    // A view that zooms rings out to a part of the radius.
    rings = niceAxis(0.0, reach * std::clamp(m_shownPart.width(), 1e-4, 1.0), radius);
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

    // The distances of the rings right of the top spoke, the outer one with its unit.
    // The depths along the tracks keep clear of them.
    LabelPlacer placer(0, 0, m_areaWidth, -m_areaHeight);
    dc.setTextAlign(TextAlign::TopLeft);
    for (int k = 1; k < 1000; ++k) {
        const double v = tickOf(rings, k);
        if (v > rings.hi)
            break;
        const int r = pagemath::truncInt(std::round(v * m_pageRadiusPerMetre));
        const std::string text = v >= rings.hi ? label(v) + " m" : label(v);
        const DrawSize size = dc.textExtent(text);
        dc.textOut(cx + 10, cy + r - 5, text);
        placer.take({ cx + 10, cy + r - 5 }, size.cx, size.cy);
    }
    // The angles around the outside, the high side at the top.
    dc.setTextAlign(TextAlign::TopCenter);
    for (int a = 0; a < 360; a += kSpokeStep) {
        const double r = radius + kAngleRoom / 2.0;
        const int x = pagemath::truncInt(std::round(cx + r * std::sin(a * kRad)));
        const int y = pagemath::truncInt(std::round(cy + r * std::cos(a * kRad)));
        dc.textOut(x, y + 22,
            a == 0 ? QCoreApplication::translate("Cylinder", "0° Hochseite").toStdString()
                   : std::to_string(a) + "°");
    }

    // The tracks, the reference's depths along them and their closest approach.
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
            dc.selectPen({ PenStyle::Solid, graphstyle::kOffsetPenWidth, t.colour });
        }
    }
    dc.setTextAlign(TextAlign::TopLeft);
    const DrawFont labelFont = dc.selectFont(kDepthFont);
    const double R = radius + 0.5;
    for (std::size_t j = 0; j < data.tracks.size(); ++j) {
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
    // The reference well in the middle.
    dc.selectPen({ PenStyle::Solid, graphstyle::kOffsetPenWidth, wellpalette::kReference });
    const int e = GraphPage::kEndMarkerRadius;
    dc.ellipse(cx - e, cy + e, cx + e, cy - e, true);

    drawLegend(dc, legendRows(data), docTitle);
    dc.setTextAlign(oldAlign);
    dc.selectFont(oldFont);
    dc.selectPen(oldPen);
}
