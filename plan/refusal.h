// Why a plan cannot be computed: the section (or target) concerned, the reason as an id
// with its numbers, and its text in the chosen language, made at the edge by text(). A
// plan that cannot be drilled as written is refused whole; nothing is computed around the
// faulty section. No Qt.
#pragma once

#include "plan/plan.h"

#include <optional>
#include <string>
#include <vector>

namespace plan {

// The steepest dogleg rate a section may ask for (degrees per 30 m): well beyond what
// rotary-steerable and motor assemblies build in a well that is to be cased, and low
// enough that no interval of the computed stations comes near the half turn the survey
// computation refuses.
inline constexpr double kMaxDoglegPer30 = 30.0;

// The shortest piece of a plan (metres): a section, and each arc or hold a section is made
// of. Stations closer than this would read as the same depth to the survey's check, which
// compares depths in single precision.
inline constexpr double kMinPieceLength = 0.01;

// The most stations a plan is computed into, as many as a survey may have.
inline constexpr int kMaxStations = 1000000;

enum class Reason {
    // ---- the plan as a whole (section 0) ----
    StartNotFinite, // field
    StartOutOfRange, // field, values: the value
    StepInvalid, // values: the step
    TooManyStations, // values: the step
    NoSections,
    // ---- the values of a section ----
    MissingValue, // field
    UnusedValue, // field
    ConflictingValues, // field and other
    NotFinite, // field
    OutOfRange, // field, values: the value, lowest, highest
    DoglegNotPositive, // values: the rate
    DoglegOverLimit, // values: the rate, the limit
    // ---- the geometry of a section ----
    TooShort, // values: the length, the shortest
    ArcTooLong, // values: the angle the arc would turn (degrees)
    InclinationNotReached, // values: the inclination asked
    AzimuthNotReached, // values: the azimuth asked
    AlreadyThere, // the direction asked is the direction at the start of the section
    TvdNotReached, // values: TVD where the section begins, TVD asked
    MdNotBelow, // values: MD where the section begins, MD asked
    TargetAtStart, // the point lies where the section begins
    TargetBehind, // the point lies straight behind the hole
    TargetInsideTurningCircle, // values: the turning radius, the rate
    LandingNotReached, // values: the rate
    LandingPieceTooShort, // values: the length, the shortest
    // ---- a target (`target` from 1) ----
    TargetNotFinite,
    TargetOutOfRange,
};

struct Refusal
{
    int section = 0; // from 1; 0 for the plan as a whole or a target
    int target = 0; // from 1 for a target's fault
    Reason reason = Reason::NoSections;
    std::optional<Field> field;
    std::optional<Field> other;
    std::vector<double> values;

    bool operator==(const Refusal &) const = default;
};

// The refusal's text in the chosen language: "Abschnitt 3: …".
std::string text(const Refusal &refusal);

// The name of a value as the table and the plan file head its column ("Länge (m)").
std::string fieldHeading(Field field);

} // namespace plan
