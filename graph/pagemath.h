// Small arithmetic shared by the transform, the axes and the grid of the graph page.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace pagemath {

// Drops the fractional part toward zero. Values outside the int range (which finite
// plot data never give) are pinned to its ends instead of being undefined.
inline int truncInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

// Fraction of a value within a range, formed first (curve points). A zero range gives 0.
inline double fraction(double v, double lo, double hi)
{
    const double range = hi - lo;
    return range == 0.0 ? 0.0 : (v - lo) / range;
}

// Position of a value along an axis of `size` units: the product of size and offset is
// formed first and then divided by the range (ticks and grid). A zero range gives 0.
inline int position(int size, double v, double lo, double hi)
{
    const double range = hi - lo;
    return range == 0.0 ? 0 : truncInt(size * (v - lo) / range);
}

// A spread of plot values smaller than this (in metres or degrees) is rounding noise:
// half a millimetre, far below what any survey measures.
inline constexpr double kAbsoluteNoise = 0.0005;
// Relative to the largest magnitude of the values: the float series carry about seven
// significant digits, the computation in double far more.
inline constexpr double kRelativeNoise = 1e-9;

// True when the spread lo..hi is negligible against the values themselves, so that the
// range is to be treated as a single value.
inline bool negligibleSpread(double lo, double hi)
{
    const double magnitude = std::max(std::fabs(lo), std::fabs(hi));
    return hi - lo <= std::max(kAbsoluteNoise, kRelativeNoise * magnitude);
}

// The k-th tick of an axis whose ticks start at `first` with `spacing`: first plus k
// spacings, with the rounding error of that sum removed by rounding to the precision
// of the spacing (a spacing of 0.2 has one decimal). A value that is more than rounding
// noise away from that precision (a first tick that is not a multiple of the spacing)
// keeps its value. A tick at zero is +0, never -0 or 1e-17.
inline double tickAt(double first, int k, double spacing)
{
    const double v = first + k * spacing;
    if (!(spacing > 0.0) || !std::isfinite(v) || !std::isfinite(spacing))
        return v;
    const double digits = std::floor(std::log10(spacing));
    double r = 0.0;
    if (digits < 0.0) {
        // Dividing by a power of ten gives the correctly rounded decimal (0.3, not
        // 0.30000000000000004 = 3 * 0.1).
        const double scale = std::pow(10.0, -digits);
        r = std::round(v * scale) / scale;
    } else {
        const double unit = std::pow(10.0, digits);
        r = std::round(v / unit) * unit;
    }
    if (!(std::fabs(r - v) <= 1e-6 * spacing))
        return v;
    return r + 0.0; // turns -0 into +0
}

} // namespace pagemath
