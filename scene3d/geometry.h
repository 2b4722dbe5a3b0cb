// Points and directions of the 3D view in the frame of the wells: north and east of the
// reference well's slot on the ground and true vertical depth below its depth reference,
// metres. Depth grows downward; "up" in a picture is -tvd.
#pragma once

#include <cmath>

namespace scene3d {

struct Point3
{
    double north = 0, east = 0, tvd = 0;

    friend bool operator==(const Point3 &, const Point3 &) = default;
};

inline Point3 operator+(const Point3 &a, const Point3 &b)
{
    return { a.north + b.north, a.east + b.east, a.tvd + b.tvd };
}
inline Point3 operator-(const Point3 &a, const Point3 &b)
{
    return { a.north - b.north, a.east - b.east, a.tvd - b.tvd };
}
inline Point3 operator*(double k, const Point3 &a)
{
    return { k * a.north, k * a.east, k * a.tvd };
}
inline double dot(const Point3 &a, const Point3 &b)
{
    return a.north * b.north + a.east * b.east + a.tvd * b.tvd;
}
inline double length(const Point3 &a)
{
    return std::sqrt(dot(a, a));
}

// A point of a picture: x to the right and y upward, in the output's units (the drawing
// layer's logical units of 0.1 mm), from the middle of the view.
struct Point2
{
    double x = 0, y = 0;

    friend bool operator==(const Point2 &, const Point2 &) = default;
};

// An axis-aligned box of the frame; empty until a point is added.
struct Box3
{
    Point3 low { HUGE_VAL, HUGE_VAL, HUGE_VAL };
    Point3 high { -HUGE_VAL, -HUGE_VAL, -HUGE_VAL };

    bool empty() const { return !(low.north <= high.north); }
    void add(const Point3 &p)
    {
        low = { std::fmin(low.north, p.north), std::fmin(low.east, p.east),
            std::fmin(low.tvd, p.tvd) };
        high = { std::fmax(high.north, p.north), std::fmax(high.east, p.east),
            std::fmax(high.tvd, p.tvd) };
    }
    Point3 centre() const { return 0.5 * (low + high); }
};

} // namespace scene3d
