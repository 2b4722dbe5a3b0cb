// A well plan as the engineer writes it down: where it starts (the slot or a tie-in), the
// sections that lead from there, one after the other, and the targets the hole is meant to
// hit. A plain value: the desktop's table, the plan file and the stored settings all fill
// one, and plan::compute (plan/compute.h) turns it into stations. No Qt.
//
// Directions are inclination from the vertical and azimuth clockwise from north (degrees),
// lengths and depths metres, dogleg rates degrees per 30 m. The tool face of an arc counts
// clockwise from the high side of the hole where the arc begins (0 builds, 180 drops, 90
// turns right); in a vertical hole, where there is no high side, it counts from the
// azimuth the hole carries (the start's, or the last one it had before it became vertical),
// so that a tool face of 0 builds toward that azimuth.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace plan {

// Where the plan begins: the slot (all zero, vertical) or the station of a tie-in.
struct Start
{
    double md = 0, tvd = 0, north = 0, east = 0;
    double inclination = 0, azimuth = 0;

    bool operator==(const Start &) const = default;
};

enum class SectionKind {
    Hold, // straight ahead: a length, or down to a TVD, or to an MD
    Arc, // build and turn at a dogleg rate: a length at a tool face, to an inclination or an
         // azimuth at a tool face, or to an inclination and an azimuth (the tool face follows)
    CurveToTarget, // an arc at the dogleg rate from the current direction, then a hold to a point
    Landing, // arc, hold, arc at the dogleg rate to a point, arriving in a given direction
};

// The values a section may carry; which it needs depends on its kind (see checkSection in
// plan/compute.h). They are the columns of the plan file and of the desktop's table.
enum class Field {
    Length,
    Dls,
    ToolFace,
    North,
    East,
    Tvd,
    Md,
    Inclination,
    Azimuth,
};

inline constexpr int kFieldCount = 9;

struct Section
{
    SectionKind kind = SectionKind::Hold;
    std::optional<double> length; // Hold, Arc
    std::optional<double> dls; // Arc, CurveToTarget, Landing
    std::optional<double> toolFace; // Arc
    std::optional<double> north, east, tvd; // CurveToTarget, Landing; tvd also Hold
    std::optional<double> md; // Hold
    std::optional<double> inclination, azimuth; // Arc, Landing

    std::optional<double> value(Field field) const;
    std::optional<double> &value(Field field);

    bool operator==(const Section &) const = default;

    static Section hold(double length);
    static Section holdToTvd(double tvd);
    static Section holdToMd(double md);
    static Section arc(double dls, double toolFace, double length);
    static Section arcToInclination(double dls, double toolFace, double inclination);
    static Section arcToAzimuth(double dls, double toolFace, double azimuth);
    static Section arcToDirection(double dls, double inclination, double azimuth);
    static Section curveToTarget(double dls, double north, double east, double tvd);
    static Section landing(
        double dls, double north, double east, double tvd, double inclination, double azimuth);
};

enum class TargetKind {
    Point, // a point with a tolerance radius
    Box, // north, east and TVD each from ... to
    Landing, // a point with a tolerance radius, reached in a direction within a tolerance
};

struct Target
{
    std::string name;
    TargetKind kind = TargetKind::Point;
    double north = 0, east = 0, tvd = 0; // Point, Landing
    double radius = 0; // Point, Landing
    double northFrom = 0, northTo = 0, eastFrom = 0, eastTo = 0, tvdFrom = 0, tvdTo = 0; // Box
    double inclination = 90, azimuth = 0, angleTolerance = 1; // Landing, degrees

    bool operator==(const Target &) const = default;

    static Target point(std::string name, double north, double east, double tvd, double radius);
    static Target box(std::string name, double northFrom, double northTo, double eastFrom,
        double eastTo, double tvdFrom, double tvdTo);
    static Target landing(std::string name, double north, double east, double tvd, double radius,
        double inclination, double azimuth, double angleTolerance);
};

// A distance from the measuring sensor to the bit (metres) that the comparison of the hole
// with its plan can take: finite, from 0 up to a long bottom-hole assembly.
inline bool validBitDistance(double metres)
{
    return metres >= 0 && metres <= 1000;
}

struct Plan
{
    Start start;
    std::vector<Section> sections;
    std::vector<Target> targets;

    bool operator==(const Plan &) const = default;
};

} // namespace plan
