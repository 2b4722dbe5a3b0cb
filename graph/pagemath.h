// Small arithmetic shared by the transform, the axes and the grid of the graph page.
#pragma once

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

} // namespace pagemath
