// The computation of one well: the check of its stations, the numeric trajectory, the
// results table and what the run has to say, made by one function from the typed well.
// Nothing here asks or shows anything; the callers show the diagnostics.
//
// Two trajectories come out of one run. The results table and the graph have always been
// computed from the stations rounded to single precision, and their digits stay exactly
// as they were; every other output (listings, exports, the map, the interpolation) reads
// the stations as entered, in double precision. Both end at the same station. No Qt.
#pragma once

#include "core/trajectory.h"
#include "well/diagnostic.h"
#include "well/well.h"

#include <array>
#include <functional>
#include <optional>
#include <string_view>

namespace well {

// The stations the check took, the surface station first (put in front when the first
// line lies below the surface) or the tie-in station, and the messages of the check.
struct CheckedSurvey
{
    std::vector<Station> stations;
    traj::Origin origin; // the position of the first station: the tie-in's, or the surface
    Diagnostics diagnostics;
    bool clean = true; // every line taken without a message
};

// With a tie-in the survey continues from it: the tie-in station comes first and every
// measured station must lie below it.
CheckedSurvey checkSurvey(const Survey &survey, const std::optional<TieIn> &tieIn = std::nullopt);

// The rules the check applies to each station, one by one, for an editor that refuses a
// value as it is typed by the same rules the computation refuses a line. Like the check
// they compare in single precision: a depth that rounds to its predecessor does not rise.
bool firstDepthAccepted(double md); // the first depth: at or below the surface
bool inclinationAccepted(double inclination); // 0..180 degrees
bool azimuthAccepted(double azimuth); // 0..360 degrees
bool depthRises(double previous, double md); // each depth below the one before

struct Computation
{
    CheckedSurvey checked;
    std::optional<TieIn> tieIn; // the well's, where its survey begins
    traj::Trajectory legacy; // single-precision stations: the results table and the graph
    traj::Trajectory path; // the stations as entered: everything else
    StringList table; // the results table, one entry per line
    Diagnostics diagnostics; // the check's, then the run's, in the order they arose
    bool aborted = false; // the run ended with one of its "ABBRUCH" lines
    bool doglegAbort = false; // ... and that was a change of direction of 90 degrees or more

    // The deepest depth among the stations entered; none without stations.
    std::optional<double> deepestEntered;

    // The single-precision stations the kept table was written from, while `legacy` is
    // computed anew: a table written again keeps its lines up to the first interval whose
    // stations changed, so that an edit far down a long survey writes only what follows.
    std::vector<traj::Station> tableStations;
    // Whether `tableStations` (basis) or `legacy` itself (current) is what `table` was
    // written from; none after a table handed to a sink.
    enum class TableBasis { None, Current, Kept } tableBasis = TableBasis::None;

    bool clean() const { return checked.clean; }
    // The computed path stops short of the stations entered: the check refused a line
    // (and took none after it), or the run stopped at a station.
    bool endsShort() const { return aborted || !checked.clean; }
    // The depth of the last station the check took, as the interpolation request shows it;
    // none without stations.
    std::optional<double> lastDepth() const;
};

// The results table's column heading: the three lines below its title that name the
// columns and their units (a printed page after the first repeats them).
std::array<std::string_view, 3> columnHeading();
// The whole heading below the well's name: the two title lines, then the column heading.
std::array<std::string_view, 5> tableHeading();

// Computes `well` into `out`, reusing its storage (a recomputation then allocates almost
// nothing).
void compute(const Well &well, Computation &out);
Computation compute(const Well &well);

// The same, with the results table handed line by line to `sink` instead of kept in
// `out.table` (which stays empty): a million stations' table need not be held.
using TableSink = std::function<void(const std::string &line)>;
void compute(const Well &well, Computation &out, const TableSink &sink);

// The same in two steps, for a caller that writes other outputs of the trajectories
// while the table is made: the check and both trajectories, then the results table (to
// `sink`, or kept in `out.table` without one) with the diagnostics of the run. The
// second step reads the trajectories and does not change them. `azimuthTurn` degrees are
// added to every azimuth the check took before the trajectories are computed (the turn to
// the north of the course, see geo/north.h); the check itself reads the azimuths as
// entered.
void computeCourse(const Well &well, Computation &out, double azimuthTurn = 0.0);
void computeTable(const Well &well, Computation &out, const TableSink &sink);

// Stations given as three columns of numbers, station k at md[k * stride] and so on: a
// caller's arrays (stride 1) or a survey's records (stride 3).
struct StationColumns
{
    const double *md = nullptr, *inclination = nullptr, *azimuth = nullptr;
    std::size_t stride = 1;
    std::size_t count = 0;

    Station at(std::size_t k) const
    {
        const std::size_t i = k * stride;
        return { md[i], inclination[i], azimuth[i] };
    }
};

// What the check of `stations` (checkSurvey's rules, every line a station) takes: the
// number of stations, the surface or tie-in station included, and whether that station
// stands in front of the first line (`shifted`) or takes its place. None when the check
// has anything to say, whose messages then come from compute().
struct CheckedColumns
{
    std::size_t count = 0;
    bool shifted = false;
};
std::optional<CheckedColumns> checkColumns(
    const StationColumns &stations, const std::optional<TieIn> &tieIn = std::nullopt);

// The course of `stations`, which the check passed as `checked`, as computeCourse() makes
// `path`, written into the columns of `out` (checked.count values each) with no station
// records and no results table: the same values to the last digit, ending where `path`
// ends. Returns the number of stations computed.
std::size_t computeCourseColumns(const StationColumns &stations, const CheckedColumns &checked,
    const std::optional<TieIn> &tieIn, double azimuthTurn, const traj::CourseColumns &out);

// The position at measured depth `md` on the computed path, or why there is none. The
// point is on the minimum-curvature arc of its interval, the same point a listing gives.
struct Interpolation
{
    std::optional<traj::Point> point;
    Diagnostic diagnostic; // the result's text, or why there is none
};
Interpolation interpolate(const Computation &computation, double md);

} // namespace well
