// Scaling of the plot series: raw extremes, tick spacing, first tick, and the widening
// of the displayed ranges to whole ticks.
#include "graph/graphpage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Upper bound for the tick-stepping loops below. A positive spacing chosen by delta()
// covers a range in at most a dozen steps; the bound only keeps a pathological spacing
// (smaller than the rounding step of the values) from hanging the program.
constexpr int kMaxSteps = 10000;

int plotCount(const SurveyData &data)
{
    return std::clamp(data.m_PlotWerte, 0, MAX_MESSWERTE);
}

} // namespace

void GraphPage::extreme(const SurveyData &data)
{
    const int count = plotCount(data);
    for (int i = 0; i < count; ++i) {
        const double x = data.m_X[i], y = data.m_Y[i], y1 = data.m_Y1[i];
        if (i == 0) {
            xmin = xmax = x;
            ymin = ymax = y;
            y1min = y1max = y1;
        }
        if (x < xmin)
            xmin = x;
        if (x > xmax)
            xmax = x;
        if (y < ymin)
            ymin = y;
        if (y > ymax)
            ymax = y;
        if (y1 < y1min)
            y1min = y1;
        if (y1 > y1max)
            y1max = y1;
    }
    if (count == 0) {
        xmax = 1.0;
        ymax = 1.0;
    }
}

double GraphPage::delta(double delt)
{
    const double ddelt = delt / 10.0;
    if (delt == 0.0 || !std::isfinite(delt))
        return 1.0;
    // Truncation rounds the exponent toward zero, i.e. up for spacings below 1.
    const double n = ddelt > 0.0 ? std::trunc(std::log10(ddelt)) : 0.0;
    const double s = std::pow(10.0, n);
    const double a = ddelt / s;
    if (a >= 4.0)
        return 10.0 * s;
    if (a >= 2.0)
        return 5.0 * s;
    if (a >= 1.0)
        return 2.0 * s;
    if (a >= 0.5)
        return s;
    if (a >= 0.2)
        return 0.5 * s;
    if (a > 0.1)
        return 0.2 * s;
    if (a == 0.1)
        return 0.1 * s;
    return 1.0;
}

double GraphPage::start(double min, double delt)
{
    if (min == 0.0)
        return 0.0;
    // delta() never gives a spacing that is not positive; anything else has no grid.
    if (!(delt > 0.0) || !std::isfinite(delt) || !std::isfinite(min))
        return min;
    const double q = min / delt;
    const bool inIntRange = q >= static_cast<double>(std::numeric_limits<std::int32_t>::min())
        && q <= static_cast<double>(std::numeric_limits<std::int32_t>::max());
    if (inIntRange && q == std::trunc(q))
        return min; // already on the tick grid
    const double n = q > 0.0 ? std::trunc(std::log10(q)) : 0.0;
    if (std::fabs(n) <= 4.0) {
        double result = std::trunc(q) * delt;
        if (min < 0.0)
            result -= delt;
        return result;
    }
    // Far from 1 the first tick is the first value of 10^n*delt - delt + k*delt
    // (k = 0, 1, ...) above min - delt. Computed directly: stepping there would take
    // about q - 10^n steps, tens of millions for a series that varies only in its last
    // digits.
    const double p = std::pow(10.0, n);
    double k = std::max(0.0, std::floor(q - p) + 1.0);
    // Guard the floor against rounding: k must be the smallest count that passes.
    for (int i = 0; i < 4 && k > 0.0 && (p - 1.0 + (k - 1.0)) * delt > min - delt; ++i)
        k -= 1.0;
    for (int i = 0; i < 4 && !((p - 1.0 + k) * delt > min - delt); ++i)
        k += 1.0;
    if (k == 0.0)
        return p * delt - delt;
    return (p - 1.0 + k) * delt;
}

void GraphPage::scale(const SurveyData &data)
{
    deltax = delta(xmax - xmin);
    deltay = delta(ymax - ymin);
    xstart = start(xmin, deltax);
    ystart = start(ymin, deltay);
    if (xstart < xmin)
        xmin = xstart;
    if (ystart < ymin)
        ymin = ystart;

    // A maximum a hair above a tick keeps that tick on the x axis only.
    double v = xstart;
    for (int i = 0; v < xmax - 0.00001 && i < kMaxSteps; ++i)
        v += deltax;
    xmax = v;
    v = ystart;
    for (int i = 0; v < ymax && i < kMaxSteps; ++i)
        v += deltay;
    ymax = v;

    if (ymax == ymin) {
        ymax += deltay;
        ymin -= deltay;
    }
    m_y1 = 0;
    for (v = ymin; v < ymax && m_y1 < kMaxSteps; v += deltay)
        ++m_y1;

    if (y1max == y1min)
        y1max = y1min + 1.0;
    if (data.m_Kurven != 2)
        return;

    deltay1 = delta(y1max - y1min);
    y1start = start(y1min, deltay1);
    if (y1start < y1min)
        y1min = y1start;
    m_y2 = 0;
    for (v = y1min; v < y1max && m_y2 < kMaxSteps; v += deltay1)
        ++m_y2;
    y1max = v;

    // Both value axes get the same number of intervals so that their ticks line up.
    if (m_y2 > m_y1)
        ymax = ystart + m_y2 * deltay;
    else
        y1max = y1min + m_y1 * deltay1;
}
