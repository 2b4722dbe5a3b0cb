// The geometry of a planned path: vectors in north, east and down, the direction of the
// hole as a unit tangent, and the one kind of curve a plan is made of, a circular arc of
// constant curvature in a plane (a straight hold being the arc of curvature zero). Between
// any two of its points such an arc is exactly the minimum-curvature interval of the two
// directions, so stations taken on it reproduce it through the survey computation. No Qt.
#pragma once

namespace plan::geom {

struct Vec
{
    double n = 0, e = 0, d = 0; // north, east, down (TVD)
};

inline Vec operator+(const Vec &a, const Vec &b)
{
    return { a.n + b.n, a.e + b.e, a.d + b.d };
}
inline Vec operator-(const Vec &a, const Vec &b)
{
    return { a.n - b.n, a.e - b.e, a.d - b.d };
}
inline Vec operator*(double k, const Vec &a)
{
    return { k * a.n, k * a.e, k * a.d };
}
inline double dot(const Vec &a, const Vec &b)
{
    return a.n * b.n + a.e * b.e + a.d * b.d;
}
Vec cross(const Vec &a, const Vec &b);
double length(const Vec &a);
// `a` scaled to length 1; a zero vector stays zero.
Vec unit(const Vec &a);
// The angle between two directions (radians, 0 to pi), accurate also for small angles.
double angleBetween(const Vec &a, const Vec &b);

// The unit tangent of a direction (degrees).
Vec tangentOf(double inclination, double azimuth);
// Inclination (0 to 180) and azimuth (0 to 360) of a unit tangent; a vertical one (or one
// within 1e-9 radians of it) keeps `carriedAzimuth`.
double inclinationOf(const Vec &t);
double azimuthOf(const Vec &t, double carriedAzimuth);
bool isVertical(const Vec &t);

// The high side and the right side of the hole at tangent `t`: unit vectors at right
// angles to it, the high side toward the top of the hole, the right side horizontal. In a
// vertical hole the high side is the horizontal direction of `carriedAzimuth`.
Vec highSide(const Vec &t, double carriedAzimuth);
Vec rightSide(const Vec &t, double carriedAzimuth);

// The direction into which an arc at tool face `toolFace` (degrees) turns the hole.
Vec normalOfToolFace(const Vec &t, double carriedAzimuth, double toolFace);
// The tool face (degrees, 0 to 360) of a turn toward the unit normal `normal`.
double toolFaceOf(const Vec &t, double carriedAzimuth, const Vec &normal);

// An arc from position p0 in direction t0, turning toward the unit normal n (at right
// angles to t0) with curvature kappa (radians per metre); kappa 0 is a straight hold.
struct Arc
{
    Vec p0, t0, n;
    double kappa = 0;

    Vec position(double s) const; // after s metres
    Vec tangent(double s) const;
    Vec normal(double s) const; // the direction the arc still turns toward there
};

// Degrees per 30 m to radians per metre, and back.
double curvatureOf(double doglegPer30);
double doglegPer30Of(double curvature);

} // namespace plan::geom
