// Around the plot area: titles and captions, the bottom, left and second value axes
// with their ticks and labels, and the dotted grid.
#include "core/cformat.h"
#include "graph/graphpage.h"
#include "graph/graphstyle.h"
#include "graph/pagemath.h"
#include "graph/textfit.h"

#include <string>

using pagemath::position;
using pagemath::tickAt;

namespace {

// Bounds the tick loops; a spacing from delta() covers a range in a dozen steps.
constexpr int kMaxTicks = 10000;

// Labels of m_X: without decimals beyond 1000 (or -500), shortest form beyond -1..1,
// three decimals inside it.
std::string labelX(double v, double lo, double hi)
{
    if (hi > 1000.0 || lo < -500.0)
        return cfmt("%4.0f", v);
    if (hi > 1.0 || lo < -1.0)
        return cfmt("%5g", v);
    return cfmt("%5.3f", v);
}

bool huge(double lo, double hi)
{
    return hi > 1000000.0 || lo < -100000.0;
}

std::string labelYBottom(double v, double lo, double hi)
{
    return huge(lo, hi) ? cfmt("%6.2e", v) : cfmt("%4g", v);
}

std::string labelYLeft(double v, double lo, double hi)
{
    return huge(lo, hi) ? cfmt("%6.2e", v) : cfmt("%6g", v);
}

std::string labelY1Top(double v, double lo, double hi)
{
    return huge(lo, hi) ? cfmt("%6.2e", v) : cfmt("%3g", v);
}

std::string labelY1Right(double v, double lo, double hi)
{
    return huge(lo, hi) ? cfmt("%6.1e", v) : cfmt("%4g", v);
}

void tick(DrawContext &dc, int x1, int y1, int x2, int y2)
{
    dc.moveTo(x1, y1);
    dc.lineTo(x2, y2);
}

// Labels are formatted with a field width; the blanks in front would push the digits
// off the tick when the text is centred on it.
void label(DrawContext &dc, int x, int y, const std::string &text)
{
    dc.setTextAlign(TextAlign::TopCenter);
    const size_t first = text.find_first_not_of(' ');
    dc.textOut(x, y, first == std::string::npos ? std::string() : text.substr(first));
}

} // namespace

void GraphPage::drawCaptions(DrawContext &dc, const PlotData &data) const
{
    const int W = m_Breite, H = m_Hoehe;
    drawFitted(dc, W / 2, 210, data.untertitel, W + graphstyle::kTitleOverhang);
    dc.textOut(-50, 150, data.yTitel);
    dc.textOut(-50, 90, data.yTitel2);
    dc.textOut(W / 2, 150, data.y1Titel);
    dc.textOut(W / 2, -H - 70, data.xTitel);
}

void GraphPage::xachse(DrawContext &dc, const PlotData &data) const
{
    const int W = m_Breite, H = m_Hoehe;
    const bool inverted = data.invers != 0;
    // Normal: m_X to the right; inverted: m_Y to the right.
    const double lo = inverted ? ymin : xmin;
    const double hi = inverted ? ymax : xmax;
    const double step = inverted ? deltay : deltax;
    const double first = inverted ? ystart : xstart;
    double v = first;
    for (int k = 0; v <= hi && k < kMaxTicks; v = tickAt(first, ++k, step)) {
        // The last tick stays inside the frame.
        const int px = v == hi ? W - 1 : position(W, v, lo, hi);
        tick(dc, px, -H, px, -H - 20);
        label(dc, px, -H - 30, inverted ? labelYBottom(v, lo, hi) : labelX(v, lo, hi));
    }
}

void GraphPage::yachse(DrawContext &dc, const PlotData &data) const
{
    const int H = m_Hoehe;
    if (data.invers != 0) {
        // Depth grows downward from the top edge.
        double v = xstart;
        for (int k = 0; v <= xmax && k < kMaxTicks; v = tickAt(xstart, ++k, deltax)) {
            const int py = v == xmax ? -H + 1 : -position(H, v, xmin, xmax);
            tick(dc, 0, py, -10, py);
            label(dc, -130, py + 20, labelX(v, xmin, xmax));
        }
        return;
    }
    double v = ystart;
    for (int k = 0; v <= ymax && k < kMaxTicks; v = tickAt(ystart, ++k, deltay)) {
        const int py = v == ymax ? 0 : position(H, v, ymin, ymax) - H;
        tick(dc, 0, py, -10, py);
        label(dc, -130, py + 20, labelYLeft(v, ymin, ymax));
    }
}

void GraphPage::y1achse(DrawContext &dc, const PlotData &data) const
{
    const int W = m_Breite, H = m_Hoehe;
    double v = y1start;
    if (data.invers != 0) {
        // Along the top edge.
        for (int k = 0; v <= y1max && k < kMaxTicks; v = tickAt(y1start, ++k, deltay1)) {
            const int px = v == y1max ? W - 1 : position(W, v, y1min, y1max);
            tick(dc, px, 0, px, 30);
            label(dc, px, 70, labelY1Top(v, y1min, y1max));
        }
        return;
    }
    // Along the right edge. The top tick may lie a hair above the range (a range set
    // from outside the page's own scaling), so the loop allows a hundredth of a percent
    // beyond it.
    for (int k = 0; v <= 1.0001 * y1max && k < kMaxTicks; v = tickAt(y1start, ++k, deltay1)) {
        const int py = position(H, v, y1min, y1max) - H;
        tick(dc, W, py, W + 10, py);
        label(dc, W + 240, py + 20, labelY1Right(v, y1min, y1max));
    }
}

void GraphPage::gitter(DrawContext &dc, const PlotData &data) const
{
    const int W = m_Breite, H = m_Hoehe;
    const bool inverted = data.invers != 0;
    // Only interior lines: ticks on the frame need none.
    double v = ystart;
    for (int k = 0; v < ymax && k < kMaxTicks; v = tickAt(ystart, ++k, deltay)) {
        if (v <= ymin)
            continue;
        if (inverted) {
            const int px = position(W, v, ymin, ymax);
            tick(dc, px, 0, px, -H);
        } else {
            const int py = position(H, v, ymin, ymax);
            tick(dc, 0, py - H, W, py - H);
        }
    }
    v = xstart;
    for (int k = 0; v < xmax && k < kMaxTicks; v = tickAt(xstart, ++k, deltax)) {
        if (v <= xmin)
            continue;
        if (inverted) {
            const int py = -position(H, v, xmin, xmax);
            tick(dc, 0, py, W, py);
        } else {
            const int px = position(W, v, xmin, xmax);
            tick(dc, px, -H, px, 0);
        }
    }
}
