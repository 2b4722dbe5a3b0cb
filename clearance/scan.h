// The clearance scan: how far the reference well passes from each offset well, and by
// how much their positional uncertainties eat into that distance. At each point of the
// reference well the scan finds the nearest point of every offset well (on its arcs, not
// only at its stations), the centre-to-centre distance and the horizontal bearing to it,
// the pedal-curve radius of each well's covariance toward the other, and the separation
// factor by the ISCWSA rule:
//
//     SF = (D − (d_ref + d_off)/2 − Sm) / (k · sqrt(PCR_ref² + PCR_off² + σpa²))
//
// D the centre-to-centre distance, d the hole diameters, Sm the surface margin, σpa the
// project-ahead uncertainty, k the scaling factor and PCR = sqrt(uᵀCu) with u the unit
// vector between the centres and C the 1σ NEV covariance of the well's position there.
// The scan returns numbers only; findings.h says what of it deserves a message. No Qt.
//
// All positions are in the reference well's frame: north and east of its slot, on the
// ground, and TVD below its depth reference. The azimuths of every well must refer to the
// same north.
#pragma once

#include "core/trajectory.h"
#include "uncertainty/uncertainty.h"

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace clr {

// A well taking part in a scan: the reference well or an offset well.
struct Well
{
    std::string name; // what messages call it, and what a sidetrack names as parent
    traj::Trajectory path; // from its own slot and depth reference
    double slotNorth = 0, slotEast = 0; // its slot from the reference well's slot, metres
    // Metres added to the well's TVD to give the depth below the reference well's depth
    // reference: the elevation of the reference's depth reference minus this well's.
    double depthShift = 0;
    double holeDiameter = 0; // metres
    std::optional<unc::Inputs> errorModel; // none: distances only, no separation factor

    // A sidetrack: above kickOffMd it is the well called `parent` (the same hole, the
    // same survey, so the same errors); it leaves that hole at kickOffMd. Empty for a
    // well of its own.
    std::string parent;
    double kickOffMd = 0;
};

// A measured depth, inclination and azimuth (metres, degrees) as surveyed.
struct Reading
{
    double md = 0, inclination = 0, azimuth = 0;
};

// The path of surveyed stations (the first one at the top of the hole, usually MD 0).
traj::Trajectory pathOf(const std::vector<Reading> &readings);

// The path of a sidetrack: the parent's stations above `kickOffMd`, a station at the
// kick-off with the parent's direction there, then the sidetrack's own readings below it
// (readings at or above the kick-off are ignored). Above the kick-off its positions are
// the parent's. A kick-off below the parent's last station gives the parent's path.
traj::Trajectory sidetrackPath(
    const traj::Trajectory &parent, double kickOffMd, const std::vector<Reading> &below);

// The measured depth down to which two wells are one hole: the deeper kick-off where one
// is a sidetrack of the other (also through sidetracks of sidetracks) or where both leave
// a common parent, the depth of the shallower of the two kick-offs; 0 for separate wells.
// `wells` are every well the names may refer to; the parent of a sidetrack that is not
// among them ends its line of ancestors.
double sharedDepth(const Well &a, const Well &b, const std::vector<const Well *> &wells);

// How a well's covariance at a point between two of its stations is taken.
enum class BetweenStations {
    // As if its survey ended with a station at the point: the error model's own answer
    // (unc::pointCovariances).
    AsStation,
    // Interpolated linearly between the covariances of the two stations around the
    // point. The ISCWSA clearance set takes its offset radii so: with it the scan meets
    // the set's radii to 0.001 m, with AsStation to 0.002 m.
    Interpolated,
};

// The ISCWSA rule's constants, and the covariances between stations.
struct Rule
{
    double surfaceMargin = 0.3; // Sm, metres
    double projectAhead = 0.5; // σpa, metres at 1σ
    double scalingFactor = 3.5; // k
    BetweenStations betweenStations = BetweenStations::AsStation;
};

// The rule at one point: centre-to-centre distance `distance`, the half sum of the hole
// diameters `holeTerm`, the pedal-curve radii of the two wells. Infinite (with the sign
// of the clearance) where the rule's denominator is 0.
double separationFactor(
    const Rule &rule, double distance, double holeTerm, double referencePcr, double offsetPcr);

// One point of the reference well and what the scan found for one offset well there.
struct Row
{
    double referenceMd = 0, referenceTvd = 0, referenceNorth = 0, referenceEast = 0;
    // The nearest point of the offset well: its own MD, the position in the reference's
    // frame.
    double offsetMd = 0, offsetTvd = 0, offsetNorth = 0, offsetEast = 0;
    bool offsetAtStation = false; // the nearest point is one of the offset's stations
    // Horizontal, reference to offset, degrees [0, 360); 0 straight below or above.
    double bearing = 0;
    double distance = 0; // centre to centre, metres
    // Unset where the well has no error model; the factor needs both.
    std::optional<double> referencePcr, offsetPcr; // metres, 1σ
    std::optional<double> separationFactor;
};

struct OffsetScan
{
    std::string name;
    // Rows only below this reference depth: where the two wells are one hole above it
    // (sharedDepth), 0 otherwise.
    double fromMd = 0;
    std::vector<Row> rows; // in the order of the reference's depths
    // The smallest distance, searched between the rows around the nearest row too (the
    // crossing of two paths lies between stations as a rule). Unset without rows.
    std::optional<Row> closestApproach;
    // The smallest separation factor of the rows and the closest approach. Unset without
    // factors.
    std::optional<Row> lowestSeparation;
    // Left out of a scan within a radius: the offset nowhere comes that near (no rows).
    bool outOfReach = false;
};

struct Scan
{
    std::vector<OffsetScan> offsets; // one per offset well, in their order
};

// How far a scan reaches and how it is shared out.
struct ScanOptions
{
    // Offsets whose closest approach lies farther than this (metres) are left out
    // (OffsetScan::outOfReach). An offset whose box of reach (reach()) lies farther off
    // is not searched at all; any other is scanned whole, as without a radius, so that
    // what a scan within a radius finds is what a scan of the pair alone finds.
    double radius = std::numeric_limits<double>::infinity();
    // Threads sharing the offsets (1: the caller's only).
    unsigned threads = 1;
};

// A box in the reference's frame (north, east, TVD) that holds the whole path of a well
// taking part in a scan, its arcs between the stations included.
struct Box
{
    double low[3] = { std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity() };
    double high[3] = { -std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity() };

    // The least distance between a point of this box and one of `other`: no two points of
    // the paths within them lie nearer.
    double distanceTo(const Box &other) const;
};
Box reach(const Well &well);

// The scan of `reference` against each of `offsets`, at the reference's stations and at
// the measured depths `moreMds` (each within its computed stations, for steps of the
// caller's choosing; the others are left out).
Scan scan(const Well &reference, const std::vector<Well> &offsets, const Rule &rule = {},
    const std::vector<double> &moreMds = {}, const ScanOptions &options = {});

} // namespace clr
