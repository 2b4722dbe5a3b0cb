// The ladder: distances and separation factors of the neighbouring wells over depth.
#include "graph/ladder.h"

#include "core/decimalsign.h"
#include "graph/graphstyle.h"
#include "graph/labelplacer.h"
#include "graph/pagemath.h"
#include "graph/plotdata.h"
#include "graph/textfit.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxTicks = 1000;
// The lines at the factors: a dark red, the lower one thicker.
constexpr DrawColor kFactorLineColour { 170, 0, 0 };
constexpr int kFactorLineWidths[2] = { 4, 2 };

std::string number(double v, int decimals)
{
    return decimalsign::fixed(v, decimals, pageDecimalSign());
}

std::string label(double v)
{
    return decimalsign::shortest(v, pageDecimalSign());
}

void line(DrawContext &dc, int x1, int y1, int x2, int y2)
{
    dc.moveTo(x1, y1);
    dc.lineTo(x2, y2);
}

void dot(DrawContext &dc, int x, int y, int r)
{
    dc.ellipse(x - r, y + r, x + r, y - r, true);
}

} // namespace

bool LadderData::hasFactors() const
{
    return std::any_of(curves.begin(), curves.end(), [](const LadderCurve &c) {
        return std::any_of(c.factor.begin(), c.factor.end(),
            [](const std::optional<double> &f) { return f.has_value(); });
    });
}

LadderData ladderDataOf(const OffsetPicture &offsets, const std::string &name)
{
    LadderData d;
    d.title = name;
    for (std::size_t i = 0; i < offsets.scan.offsets.size(); ++i) {
        const clr::OffsetScan &s = offsets.scan.offsets[i];
        LadderCurve c;
        c.name = s.name;
        c.colour = offsets.colourOf(s.name, static_cast<int>(i));
        // The closest approach and the lowest factor lie between the rows as a rule: the
        // curves pass through them.
        std::vector<const clr::Row *> rows;
        rows.reserve(s.rows.size() + 2);
        for (const clr::Row &r : s.rows)
            rows.push_back(&r);
        if (s.closestApproach)
            rows.push_back(&*s.closestApproach);
        if (s.lowestSeparation)
            rows.push_back(&*s.lowestSeparation);
        std::stable_sort(rows.begin(), rows.end(),
            [](const clr::Row *a, const clr::Row *b) { return a->referenceMd < b->referenceMd; });
        for (const clr::Row *r : rows) {
            if (!c.md.empty() && r->referenceMd == c.md.back())
                continue;
            c.md.push_back(r->referenceMd);
            c.distance.push_back(r->distance);
            c.factor.push_back(r->separationFactor);
        }
        if (s.closestApproach) {
            c.closestMd = s.closestApproach->referenceMd;
            c.closestDistance = s.closestApproach->distance;
        }
        if (s.lowestSeparation && s.lowestSeparation->separationFactor) {
            c.lowestMd = s.lowestSeparation->referenceMd;
            c.lowestFactor = *s.lowestSeparation->separationFactor;
        }
        d.curves.push_back(std::move(c));
    }
    return d;
}

int LadderPage::yOf(double depth) const
{
    return -pagemath::position(m_areaHeight, depth, md.lo, md.hi);
}

int LadderPage::xOfDistance(double distance) const
{
    return pagemath::position(distanceWidth, distance, distanceAxis.lo, distanceAxis.hi);
}

int LadderPage::xOfFactor(double factor) const
{
    return factorLeft + pagemath::position(factorWidth, factor, factorAxis.lo, factorAxis.hi);
}

std::vector<OffsetPage::LegendRow> LadderPage::legendRows(const LadderData &data)
{
    std::vector<LegendRow> rows;
    std::vector<std::pair<std::optional<double>, std::optional<double>>> keys;
    for (const LadderCurve &c : data.curves) {
        QString text = QString::fromStdString(c.name);
        if (c.lowestFactor && std::isfinite(*c.lowestFactor) && c.lowestMd)
            text = QCoreApplication::translate(
                "Ladder", "%1 – kleinster Trennfaktor %2 in %3 m Teufe")
                       .arg(text, QString::fromStdString(number(*c.lowestFactor, 2)),
                           QString::fromStdString(number(*c.lowestMd, 1)));
        else if (c.closestDistance && c.closestMd)
            text
                = QCoreApplication::translate("Ladder", "%1 – kleinster Abstand %2 m in %3 m Teufe")
                      .arg(text, QString::fromStdString(number(*c.closestDistance, 2)),
                          QString::fromStdString(number(*c.closestMd, 1)));
        rows.push_back({ c.colour, text.toStdString() });
        keys.push_back({ c.lowestFactor, c.closestDistance });
    }
    // The closest calls head the legend.
    return worstFirst(std::move(rows), keys);
}

void LadderPage::layout(const LadderData &data, const graph::PageTarget &target)
{
    layoutArea(target, static_cast<int>(data.curves.size()), kScreenHeight, false);
    layoutInArea(data, m_areaWidth, m_areaHeight);
}

void LadderPage::layoutInArea(const LadderData &data, int width, int height)
{
    m_legendRows = static_cast<int>(data.curves.size());
    m_areaWidth = std::max(1, width);
    m_areaHeight = std::max(1, height);
    const int W = m_areaWidth;
    const bool factors = data.hasFactors();
    distanceWidth = factors ? std::max(1, (W - kPanelGap) / 2) : W;
    factorLeft = factors ? distanceWidth + kPanelGap : W;
    factorWidth = factors ? W - factorLeft : 0;

    bool any = false;
    double mdLo = 0, mdHi = 0, farthest = 0, largest = 0;
    for (const LadderCurve &c : data.curves) {
        for (std::size_t i = 0; i < c.md.size(); ++i) {
            if (!any) {
                mdLo = mdHi = c.md[i];
                any = true;
            }
            mdLo = std::min(mdLo, c.md[i]);
            mdHi = std::max(mdHi, c.md[i]);
            if (std::isfinite(c.distance[i]))
                farthest = std::max(farthest, c.distance[i]);
            if (c.factor[i] && std::isfinite(*c.factor[i]))
                largest = std::max(largest, *c.factor[i]);
        }
    }
    md = niceAxis(mdLo, mdHi, m_areaHeight);
    if (!showsWhole()) {
        // A part of the depths, with ticks for it.
        const double span = md.hi - md.lo;
        const double from = md.lo + m_shownPart.top() * span;
        const double to = md.lo + m_shownPart.bottom() * span;
        md = niceAxis(from, to, m_areaHeight);
        md.lo = from;
        md.hi = to;
        if (md.first < from)
            md.first = tickOf(md, 1);
    }
    distanceAxis = niceAxis(0.0, farthest, distanceWidth);
    // The lines at 1.0 and 1.5 always inside the panel.
    factorAxis = niceAxis(0.0, std::clamp(largest, 2.0, kLargestFactor), std::max(1, factorWidth));

    distanceRuns.assign(data.curves.size(), {});
    factorRuns.assign(data.curves.size(), {});
    for (std::size_t j = 0; j < data.curves.size(); ++j) {
        const LadderCurve &c = data.curves[j];
        std::vector<QPoint> run;
        const auto flush = [&](std::vector<std::vector<QPoint>> &into) {
            if (!run.empty())
                into.push_back(std::move(run));
            run.clear();
        };
        for (std::size_t i = 0; i < c.md.size(); ++i) {
            if (std::isfinite(c.distance[i]))
                run.push_back(QPoint(xOfDistance(c.distance[i]), yOf(c.md[i])));
            else
                flush(distanceRuns[j]);
        }
        flush(distanceRuns[j]);
        if (!factors)
            continue;
        // A factor beyond the axis leaves the panel at its edge, where the line between
        // the two points crosses it; an infinite one leaves it at the depth of its
        // neighbour.
        const double top = factorAxis.hi;
        for (std::size_t i = 0; i < c.md.size(); ++i) {
            if (!c.factor[i]) {
                flush(factorRuns[j]);
                continue;
            }
            const double v = *c.factor[i];
            const bool inside = v <= top;
            const bool before = i > 0 && c.factor[i - 1];
            if (before) {
                const double u = *c.factor[i - 1];
                const bool wasInside = u <= top;
                if (wasInside != inside) {
                    double t = 0.0;
                    if (std::isfinite(u) && std::isfinite(v))
                        t = (top - u) / (v - u);
                    else if (!std::isfinite(u))
                        t = 1.0;
                    const double depth = c.md[i - 1] + t * (c.md[i] - c.md[i - 1]);
                    run.push_back(QPoint(xOfFactor(top), yOf(depth)));
                    if (!inside)
                        flush(factorRuns[j]);
                }
            }
            if (inside)
                run.push_back(QPoint(xOfFactor(v), yOf(c.md[i])));
        }
        flush(factorRuns[j]);
    }
}

void LadderPage::draw(DrawContext &dc, const LadderData &data, const std::string &docTitle) const
{
    const int W = m_areaWidth, H = m_areaHeight;
    const QPoint origin = windowOrigin();
    dc.setWindowOrg(origin.x(), origin.y());
    const DrawPen oldPen = dc.selectPen(graphstyle::kFramePen);
    const DrawFont oldFont = dc.selectFont(graphstyle::kLabelFont);
    const TextAlign oldAlign = dc.textAlign();
    const bool factors = data.hasFactors() && factorWidth > 0;
    drawTitles(dc, data.title,
        (factors ? QCoreApplication::translate(
             "Ladder", "Abstand und Trennfaktor der Nachbarbohrungen über der Teufe")
                 : QCoreApplication::translate(
                     "Ladder", "Abstand der Nachbarbohrungen über der Teufe"))
            .toStdString());
    if (data.curves.empty()) {
        dc.rectangle(0, 0, W, -H);
        drawNoOffsets(dc);
        drawLegend(dc, {}, docTitle);
        dc.selectFont(oldFont);
        dc.selectPen(oldPen);
        return;
    }

    dc.rectangle(0, 0, distanceWidth, -H);
    if (factors)
        dc.rectangle(factorLeft, 0, W, -H);

    // Every text of the plot and its axes goes through one placer, in the order of its
    // importance: the captions, the names of the factor lines, the axes' values, then the
    // lowest factors of the curves. A text that finds no room is left out.
    LabelPlacer texts(origin.x(), origin.y(), W + 400, -H - belowArea(0));
    // Depth down the left edge, its grid across both panels.
    dc.setTextAlign(TextAlign::TopCenter);
    {
        const DrawFont f = dc.selectFont(graphstyle::kCaptionFont);
        const std::string depth = QCoreApplication::translate("Ladder", "Teufe").toStdString();
        dc.textOut(-50, 150, depth);
        texts.takeText(dc, -50, 150, depth);
        dc.textOut(-50, 90, "(m)");
        texts.takeText(dc, -50, 90, "(m)");
        dc.selectFont(f);
    }
    if (factors) {
        // The lines at the factors named above the panel: the lower left of its line, the
        // higher right of it, so that the names stay apart however close the lines.
        dc.setTextAlign(TextAlign::TopLeft);
        for (int i = 0; i < 2; ++i) {
            const int x = xOfFactor(kFactorLines[i]);
            const std::string name = number(kFactorLines[i], 1);
            texts.write(dc, i == 0 ? x - 8 - dc.textExtent(name).cx : x + 8, 70, name);
        }
        dc.setTextAlign(TextAlign::TopCenter);
    }
    for (int k = 0; k < kMaxTicks; ++k) {
        const double v = tickOf(md, k);
        if (v > md.hi)
            break;
        const int y = yOf(v);
        dc.selectPen(graphstyle::kFramePen);
        line(dc, 0, y, -10, y);
        texts.write(dc, -130, y + 20, label(v));
        if (v > md.lo && v < md.hi) {
            dc.selectPen(graphstyle::kGridPen);
            line(dc, 0, y, distanceWidth, y);
            if (factors)
                line(dc, factorLeft, y, W, y);
        }
    }
    // The value axes below their panels.
    const auto valueAxis = [&](const PageAxis &a, int left, int width, const std::string &caption) {
        // Every tick named where the widest name fits between two ticks, else every
        // second (third, ...) one, so that the names stay evenly spaced on a narrow panel.
        int widest = 0;
        for (int k = 0; k < kMaxTicks && tickOf(a, k) <= a.hi; ++k)
            widest = std::max(widest, dc.textExtent(label(tickOf(a, k))).cx);
        const double spacing = width * a.step / (a.hi - a.lo);
        int every = 1;
        // Between two names at least the width of a figure.
        const int gap = dc.textExtent("0").cx;
        while (every < 10 && spacing * every < widest + gap)
            ++every;
        for (int k = 0; k < kMaxTicks; ++k) {
            const double v = tickOf(a, k);
            if (v > a.hi)
                break;
            const int x = left + pagemath::position(width, v, a.lo, a.hi);
            dc.selectPen(graphstyle::kFramePen);
            line(dc, x, -H, x, -H - 20);
            if (k % every == 0)
                texts.write(dc, x, -H - 30, label(v));
            if (v > a.lo && v < a.hi) {
                dc.selectPen(graphstyle::kGridPen);
                line(dc, x, 0, x, -H);
            }
        }
        const DrawFont f = dc.selectFont(graphstyle::kCaptionFont);
        const int room = width + kPanelGap - 20;
        drawFitted(dc, left + width / 2, -H - 80, caption, room);
        const DrawSize size = fittedExtent(dc, caption, room);
        texts.take({ left + width / 2 - size.cx / 2, -H - 80 }, size.cx, size.cy);
        dc.selectFont(f);
    };
    valueAxis(distanceAxis, 0, distanceWidth,
        QCoreApplication::translate("Ladder", "Abstand (m)").toStdString());
    if (factors) {
        valueAxis(factorAxis, factorLeft, factorWidth,
            QCoreApplication::translate("Ladder", "Trennfaktor").toStdString());
        // The lines at the factors (named above).
        for (int i = 0; i < 2; ++i) {
            const int x = xOfFactor(kFactorLines[i]);
            dc.selectPen({ PenStyle::Solid, kFactorLineWidths[i], kFactorLineColour });
            line(dc, x, 0, x, -H);
        }
    }

    // The curves, and their closest approach and lowest factor; the values of the
    // latter where they find room in the panel clear of the dots.
    constexpr int kDot = 14;
    const auto lowestAt = [&](const LadderCurve &c) -> std::optional<QPoint> {
        if (!factors || !c.lowestMd || !c.lowestFactor || !(*c.lowestFactor <= factorAxis.hi))
            return std::nullopt;
        return QPoint(xOfFactor(std::max(*c.lowestFactor, factorAxis.lo)), yOf(*c.lowestMd));
    };
    // A part of the depths: the curves end at the frame.
    if (!showsWhole())
        dc.beginClip(0, 0, W, -H);
    for (std::size_t j = 0; j < data.curves.size(); ++j) {
        const LadderCurve &c = data.curves[j];
        dc.selectPen({ PenStyle::Solid, graphstyle::kOffsetPenWidth, c.colour });
        if (j < distanceRuns.size())
            for (const std::vector<QPoint> &run : distanceRuns[j])
                dc.polyline(run.size() == 1 ? std::vector<QPoint> { run[0], run[0] } : run);
        if (factors && j < factorRuns.size())
            for (const std::vector<QPoint> &run : factorRuns[j])
                dc.polyline(run.size() == 1 ? std::vector<QPoint> { run[0], run[0] } : run);
    }
    for (const LadderCurve &c : data.curves) {
        dc.selectPen({ PenStyle::Solid, graphstyle::kOffsetPenWidth, c.colour });
        if (c.closestMd && c.closestDistance)
            dot(dc, xOfDistance(*c.closestDistance), yOf(*c.closestMd), kDot);
        if (const std::optional<QPoint> p = lowestAt(c)) {
            dot(dc, p->x(), p->y(), kDot);
            texts.take({ p->x() - kDot, p->y() + kDot }, 2 * kDot, 2 * kDot);
        }
    }
    if (!showsWhole())
        dc.endClip();
    // The values inside the factor panel, the lowest factor first: where two crowd each
    // other the more important one keeps its place.
    dc.setTextAlign(TextAlign::TopLeft);
    texts.setBounds(factorLeft, 0, W, -H);
    std::vector<const LadderCurve *> byFactor;
    for (const LadderCurve &c : data.curves)
        if (lowestAt(c))
            byFactor.push_back(&c);
    std::stable_sort(
        byFactor.begin(), byFactor.end(), [](const LadderCurve *a, const LadderCurve *b) {
            return *a->lowestFactor < *b->lowestFactor;
        });
    for (const LadderCurve *c : byFactor) {
        const QPoint p = *lowestAt(*c);
        const std::string text = number(*c->lowestFactor, 2);
        const DrawSize size = dc.textExtent(text);
        if (const std::optional<QPoint> at = texts.place(p, size.cx, size.cy, 25, 2))
            dc.textOut(at->x(), at->y(), text);
    }
    dc.setTextAlign(TextAlign::TopCenter);
    // The frames again over the curves that reach the edges.
    dc.selectPen(graphstyle::kFramePen);
    const auto frame = [&](int left, int right) {
        const QPoint corners[]
            = { { left, 0 }, { right, 0 }, { right, -H }, { left, -H }, { left, 0 } };
        dc.polyline(corners, 5);
    };
    frame(0, distanceWidth);
    if (factors)
        frame(factorLeft, W);

    drawLegend(dc, legendRows(data), docTitle);
    dc.setTextAlign(oldAlign);
    dc.selectFont(oldFont);
    dc.selectPen(oldPen);
}
