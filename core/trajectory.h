// The numeric course of the hole: one record per station in double precision, made once
// per recomputation from the validated stations by one pure function, and the points
// between the stations on each interval's minimum-curvature arc. The results table, the
// plot series, the interpolation command and every listing read these values; none of
// them computes positions on its own.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace traj {

// Degrees to radians as the results table has always converted them.
double degree();

// A station's direction of drilling, as sines and cosines of its angles.
struct Direction
{
    double sinInc = 0, cosInc = 1, sinAzi = 0, cosAzi = 1;

    // Unit tangent: north, east and downward components.
    double north() const { return sinInc * cosAzi; }
    double east() const { return sinInc * sinAzi; }
    double down() const { return cosInc; }
};

// Inclination from the vertical and azimuth from north, both in degrees.
Direction directionOf(double inclination, double azimuth);

// How the check of one interval came out.
enum class IntervalCheck {
    Curved, // an arc of the method
    Straight, // no curvature between the two directions: a straight piece
    DoglegTooLarge, // a change of direction of 90 degrees or more is no arc of the method
    EqualDepths, // the interval has no length
};

// One interval between two stations: dogleg, ratio factor and increments of position.
struct Interval
{
    IntervalCheck check = IntervalCheck::Curved;
    double cosDogleg = 1; // cosine of the dogleg as computed, before a straight piece is set to 1
    double dogleg = 0; // degrees
    double doglegPer30 = 0; // degrees per 30 m
    double doglegRad = 0; // radians, the arc's angle
    double radius = 0; // of the arc, 0 for a straight piece
    double tangentLength = 0;
    double ratioFactor = 1; // tangent length against half the interval's length
    double dTvd = 0, dNorth = 0, dEast = 0;
};

// The interval from depth md1 with direction d1 to depth md2 with direction d2 (metres).
// The increments are only meaningful for Curved and Straight.
Interval computeInterval(double md1, const Direction &d1, double md2, const Direction &d2);

// Total displacement and its azimuth (degrees from north in [0, 360)) of an offset.
void displacement(double north, double east, double &A, double &Z);

// One computed station. The interval values belong to the interval that ends here (0 and
// not straight at the first station).
struct Station
{
    double md = 0, inclination = 0, azimuth = 0; // as validated: metres, degrees
    double tvd = 0, north = 0, east = 0; // metres
    double displacement = 0, displacementAzimuth = 0;
    double doglegPer30 = 0, radius = 0, depthLoss = 0;
    double doglegRad = 0; // the arc's angle
    bool straight = false;
    Direction direction;
};

// Why a run stopped before the last station.
enum class StopKind {
    None, // every station was reached
    DoglegTooLarge, // the change of direction to `station` is 90 degrees or more
    EqualDepths, // `station` has the depth of the one before it
};

struct Stop
{
    StopKind kind = StopKind::None;
    int station = -1; // index of the station that could not be reached
    double md = 0; // that station's reading
    double inclination = 0;
    double azimuth = 0;
    double previousMd = 0; // depth of the station before it
};

// Where the first station lies. A survey that begins at the surface starts from zero; one
// that continues another survey starts at the tie-in station's position (metres).
struct Origin
{
    double tvd = 0, north = 0, east = 0;

    bool atSurface() const { return tvd == 0 && north == 0 && east == 0; }
    bool operator==(const Origin &) const = default;
};

struct Trajectory
{
    // The surface station (or the tie-in station) first; ends where the run stopped.
    std::vector<Station> stations;
    Origin origin; // the position of the first station; set by the caller before a run
    int stationsGiven = 0; // stations handed to the run
    Stop stop;

    bool empty() const { return stations.empty(); }
    const Station &last() const { return stations.back(); }
};

// The numeric pass: the trajectory of `count` stations from the station arrays (depth
// in metres, inclination and azimuth in degrees). Reuses the storage of `out`.
void computeTrajectory(
    const float *md, const float *inclination, const float *azimuth, int count, Trajectory &out);

// The same pass on stations whose md, inclination and azimuth the caller has set in
// out.stations (one per station given); the rest of each record is computed, and the
// records after a stop are dropped.
void computeTrajectory(Trajectory &out);

// The same trajectory from stations in full double precision, for every output but the
// results table: the same records and stops, with the arc's angle from the chord between
// the two directions (exact also for the smallest doglegs, so that only the same
// direction at both ends makes a straight piece) and the angles through vector math
// (core/vectormath.h), several times faster. Its values agree with computeTrajectory's
// to rounding, not digit for digit.
void computeNumericTrajectory(Trajectory &out);

// Below this cosine of an interval's dogleg (about 89.994 degrees) the run of the
// rounded stations, whose directions lie within a few 1e-7 of the numeric pass's, may
// stop where the numeric pass goes on; above it neither stops.
constexpr double kNearRightAngle = 1e-4;

// The columns of computed stations, one array per quantity with a value per station: the
// values of computeNumericTrajectory's records, the dogleg per 30 m and the radius 0 at
// the first station. tvd, north and east are always written; a column left null is not.
struct CourseColumns
{
    double *md, *inclination, *azimuth, *tvd, *north, *east, *displacement,
        *displacementAzimuth, *doglegPer30, *radius, *depthLoss;
};

// Fills md, inclination and azimuth (degrees) of `count` stations from `first` on.
using StationInput = std::function<void(
    std::size_t first, std::size_t count, double *md, double *inclination, double *azimuth)>;
// For an interval whose cosine of the dogleg lies in (0, kNearRightAngle): whether the
// run reaches station `i` at its end.
using NearRightAngle = std::function<bool(std::size_t i)>;

// computeNumericTrajectory's pass over `n` stations read through `input`, written into
// `out` (n values each) without records: the same values to the last digit, where a run
// of records stops and where `near` ends it. Returns the number of stations reached.
// A long run takes two threads, which call `input` and `near` at the same time.
std::size_t computeNumericColumns(std::size_t n, const Origin &origin, const StationInput &input,
    const NearRightAngle &near, const CourseColumns &out);

// A position between stations (or at one).
struct Point
{
    double md = 0, inclination = 0, azimuth = 0;
    double tvd = 0, north = 0, east = 0;
    double displacement = 0, displacementAzimuth = 0;
    double doglegPer30 = 0, radius = 0, depthLoss = 0;
    int interval = 0; // index of the station that ends the interval (0 at the surface)
    bool atStation = false; // the values are that station's own
};

// The point at `md` on the arc from `upper` to `lower` (md between their depths): the
// circle that the interval's dogleg defines, a straight line for a straight piece.
Point pointOnArc(const Station &upper, const Station &lower, double md);

// The values of a station as a point.
Point stationPoint(const Trajectory &t, std::size_t index);

// The point at measured depth `md`. A depth that reads as a station's depth (stations are
// held in single precision) is that station. False outside the computed stations.
bool pointAtMd(const Trajectory &t, double md, Point &out);

// Every point where the path reaches true vertical depth `tvd`, in measured-depth order;
// each found to far better than a micrometre. Empty when the path never reaches it.
std::vector<Point> pointsAtTvd(const Trajectory &t, double tvd);

} // namespace traj
