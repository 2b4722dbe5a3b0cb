// Scaling of the plot series: raw extremes, tick spacing, first tick, and the widening
// of the displayed ranges to whole ticks.
#include "graph/graphpage.h"
#include "graph/pagemath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Upper bound for the tick-stepping loops below. A positive spacing chosen by delta()
// covers a range in at most a dozen steps; the bound only keeps a pathological spacing
// (smaller than the rounding step of the values) from hanging the program.
constexpr int kMaxSteps = 10000;

// A range whose spread is rounding noise becomes its middle value, and a value that is
// itself within the noise of zero becomes 0. Returns whether the range is a single value;
// `value` is then that value.
bool collapseNoise(double &lo, double &hi, double &value)
{
    if (!(lo <= hi) || !pagemath::negligibleSpread(lo, hi))
        return false;
    double mid = (lo + hi) / 2.0;
    if (std::fabs(mid) <= pagemath::kAbsoluteNoise)
        mid = 0.0;
    lo = hi = value = mid;
    return true;
}

double negligibleCentre(double mid)
{
    return std::fabs(mid) <= pagemath::kAbsoluteNoise ? 0.0 : mid;
}

// The first tick at or above `limit`, counted in whole spacings from `first`.
double upperEnd(double first, double spacing, double limit)
{
    double v = first;
    for (int k = 1; v < limit && k <= kMaxSteps; ++k)
        v = pagemath::tickAt(first, k, spacing);
    return v;
}

// Number of spacings from lo until hi is reached.
int intervals(double lo, double spacing, double hi)
{
    int n = 0;
    for (double v = lo; v < hi && n < kMaxSteps;)
        v = pagemath::tickAt(lo, ++n, spacing);
    return n;
}

// How far the ellipse of a point's spread reaches along x and y: k times the standard
// deviation of each series to either side. The band along the curve and the ellipse at
// its end lie inside the ellipses.
struct Reach
{
    double x = 0.0, y = 0.0;
};

Reach reachOf(const PlotData &data, int i)
{
    if (!data.hasSpread() || static_cast<std::size_t>(i) >= data.spread.size())
        return {};
    const PlotSpread &s = data.spread[static_cast<std::size_t>(i)];
    const auto reach = [&](double variance) {
        return std::isfinite(variance) && variance > 0.0 ? data.sigmas * std::sqrt(variance) : 0.0;
    };
    return { reach(s.xx), reach(s.yy) };
}

// The lowest y of the ellipse; a distance (the side view's displacement) stops at zero.
double lowestY(const PlotData &data, double y, double reach)
{
    return data.spreadFloorY ? std::max(std::min(y, 0.0), y - reach) : y - reach;
}

// The reach of an offset's point; an offset's y is a position, never a distance, and
// has no floor.
Reach offsetReachOf(const PlotData &data, const PlotOffset &o, int i)
{
    if (!(data.sigmas > 0) || static_cast<std::size_t>(i) >= o.spread.size())
        return {};
    const PlotSpread &s = o.spread[static_cast<std::size_t>(i)];
    const auto reach = [&](double variance) {
        return std::isfinite(variance) && variance > 0.0 ? data.sigmas * std::sqrt(variance) : 0.0;
    };
    return { reach(s.xx), reach(s.yy) };
}

} // namespace

bool GraphPage::spreadFits(const PlotData &data) const
{
    const double slackX = kFrameCover * (xmax - xmin), slackY = kFrameCover * (ymax - ymin);
    const int count = data.count();
    for (int i = 0; i < count; ++i) {
        const double x = data.x[i], y = data.y[i];
        const Reach r = reachOf(data, i);
        if (x - r.x < xmin - slackX || x + r.x > xmax + slackX
            || lowestY(data, y, r.y) < ymin - slackY || y + r.y > ymax + slackY)
            return false;
    }
    for (const PlotOffset &o : data.offsets) {
        for (int i = 0, n = o.count(); i < n; ++i) {
            const double x = o.x[i], y = o.y[i];
            const Reach r = offsetReachOf(data, o, i);
            if (x - r.x < xmin - slackX || x + r.x > xmax + slackX || y - r.y < ymin - slackY
                || y + r.y > ymax + slackY)
                return false;
        }
    }
    return true;
}

void GraphPage::extreme(const PlotData &data, bool withSpread)
{
    const int count = data.count();
    for (int i = 0; i < count; ++i) {
        const double x = data.x[i], y = data.y[i], y1 = data.y1[i];
        const Reach r = withSpread ? reachOf(data, i) : Reach {};
        const double rx = r.x, ry = r.y;
        const double ylow = withSpread ? lowestY(data, y, ry) : y;
        if (i == 0) {
            xmin = xmax = x;
            ymin = ymax = y;
            y1min = y1max = y1;
        }
        xmin = std::min(xmin, x - rx);
        xmax = std::max(xmax, x + rx);
        ymin = std::min(ymin, ylow);
        ymax = std::max(ymax, y + ry);
        if (y1 < y1min)
            y1min = y1;
        if (y1 > y1max)
            y1max = y1;
    }
    // The neighbouring wells share x and y with the reference; the second curve is the
    // reference's alone.
    bool any = count > 0;
    for (const PlotOffset &o : data.offsets) {
        for (int i = 0, n = o.count(); i < n; ++i) {
            const double x = o.x[i], y = o.y[i];
            const Reach r = withSpread ? offsetReachOf(data, o, i) : Reach {};
            if (!any) {
                xmin = xmax = x;
                ymin = ymax = y;
                any = true;
            }
            xmin = std::min(xmin, x - r.x);
            xmax = std::max(xmax, x + r.x);
            ymin = std::min(ymin, y - r.y);
            ymax = std::max(ymax, y + r.y);
        }
    }
    if (!any) {
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

void GraphPage::scale(const PlotData &data)
{
    // Rounding noise is no range: a well drilled due east has north offsets of 1e-14 m,
    // which would otherwise get an axis of their own.
    const double rawMidX = (xmin + xmax) / 2.0, rawMidY = (ymin + ymax) / 2.0;
    m_single.x = collapseNoise(xmin, xmax, m_single.xValue);
    m_single.y = collapseNoise(ymin, ymax, m_single.yValue);
    m_single.y1 = collapseNoise(y1min, y1max, m_single.y1Value);

    deltax = delta(xmax - xmin);
    deltay = delta(ymax - ymin);
    xstart = start(xmin, deltax);
    ystart = start(ymin, deltay);
    if (xstart < xmin)
        xmin = xstart;
    if (ystart < ymin)
        ymin = ystart;

    // A maximum a hair above a tick keeps that tick on the x axis only. Every tick is
    // the first one plus whole spacings, so no rounding excess adds an empty interval.
    xmax = upperEnd(xstart, deltax, xmax - 0.00001);
    ymax = upperEnd(ystart, deltay, ymax);

    if (ymax == ymin) {
        ymax += deltay;
        ymin -= deltay;
    }
    // In the plan view a single east value (a vertical well, one drilled due north or
    // south) gets the same symmetric range as a single north value, so that the well
    // lies inside the plot area instead of on its frame.
    if (xmax == xmin && data.invers == 0) {
        xmax += deltax;
        xmin -= deltax;
        xstart = xmin;
    }
    m_y1 = intervals(ymin, deltay, ymax);

    if (y1max == y1min)
        y1max = y1min + 1.0;
    if (data.kurven == 2) {
        deltay1 = delta(y1max - y1min);
        y1start = start(y1min, deltay1);
        if (y1start < y1min)
            y1min = y1start;
        m_y2 = intervals(y1min, deltay1, y1max);
        y1max = pagemath::tickAt(y1min, m_y2, deltay1);

        // Both value axes get the same number of intervals so that their ticks line up.
        if (m_y2 > m_y1)
            ymax = pagemath::tickAt(ystart, m_y2, deltay);
        else
            y1max = pagemath::tickAt(y1min, m_y1, deltay1);
    }

    m_fitted.valid = true;
    m_fitted.xmin = xmin;
    m_fitted.xmax = xmax;
    m_fitted.xstart = xstart;
    m_fitted.deltax = deltax;
    m_fitted.ymin = ymin;
    m_fitted.ymax = ymax;
    m_fitted.ystart = ystart;
    m_fitted.deltay = deltay;
    m_fitted.y1min = y1min;
    m_fitted.y1max = y1max;
    m_fitted.y1start = y1start;
    m_fitted.deltay1 = deltay1;
    // A collapsed range is centred on the value it collapsed to.
    m_fitted.midX = negligibleCentre(rawMidX);
    m_fitted.midY = negligibleCentre(rawMidY);
}

bool GraphPage::equalScales(const PlotData &data) const
{
    if (data.invers == 0)
        return data.kurven != 2;
    return m_bTrueScale != 0;
}

double GraphPage::scaleRatio(const PlotData &data) const
{
    const double spanX = xmax - xmin, spanY = ymax - ymin;
    if (!(spanX > 0.0) || !(spanY > 0.0))
        return 0.0;
    // Normal arrangement: m_X across, m_Y up; inverted: m_Y across, m_X down.
    const double across = data.invers != 0 ? m_Breite / spanY : m_Breite / spanX;
    const double up = data.invers != 0 ? m_Hoehe / spanX : m_Hoehe / spanY;
    return across / up;
}
