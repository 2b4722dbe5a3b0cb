// What a computation has to say: a message id with its numbers and the line concerned.
// The computations return these and never show anything; the desktop program and the
// batch tool turn them into text at the edge (text, germanText), so that a translation can
// replace the words without touching the model. No Qt.
#pragma once

#include <string>
#include <vector>

namespace well {

enum class Message {
    // ---- the check of the stations; `line` is the line concerned ----
    LineWithoutThreeValues, // values: line number
    NegativeFirstDepth, // values: depth
    InclinationOutOfRange, // values: inclination
    AzimuthOutOfRange, // values: azimuth
    DepthNotIncreasing, // values: line number, depth
    FirstDepthAtTieIn, // values: depth, the tie-in's depth; the first station not below it
    // ---- the run of the computation ----
    NoCurvature, // values: from depth, to depth
    DoglegTooLarge, // values: depth, inclination, azimuth of the station not reached
    EqualDepths, // values: station number, depth, previous depth
    // ---- the interpolation at a depth ----
    InterpolationResult, // values: depth, TVD, north, east, displacement, its azimuth
    NoStations, // nothing to interpolate in
    DepthBeyondLast, // the depth lies below the last station
    DepthAboveSurface, // values: depth; a negative depth
    NoIntervalBelowSurface, // values: depth; only the surface station
    DepthBeyondComputed, // values: depth, depth where the computation stopped
    DepthAboveTieIn, // values: depth, the tie-in's depth; the survey begins below it
    // ---- the north of the course (no values) ----
    NorthDeclinationMissing, // magnetic azimuths, no declination: the course is not turned
    NorthConvergenceMissing, // a grid, but no convergence: the course is not turned
    // After NorthDeclinationMissing where the geomagnetic model would give the
    // declination for the wellhead: the survey date is missing ...
    NorthSurveyDateMissing,
    // ... or the model has no field for it or the place; `line` holds the model's words
    NorthFieldModelMissing,
};

struct Diagnostic
{
    Message id;
    std::vector<double> values;
    std::string line; // empty where no line is concerned (see NorthFieldModelMissing)

    bool operator==(const Diagnostic &) const = default;
};

using Diagnostics = std::vector<Diagnostic>;

// The German text of a diagnostic, exactly as the program has always shown it: the results
// table and the batch tool's standard output keep it in every language.
std::string germanText(const Diagnostic &diagnostic);
// The same in the chosen language (i18n): the text of a message.
std::string text(const Diagnostic &diagnostic);
// The German printf format a diagnostic's text is made from, the catalogue's key for its
// translation (context "Diagnose").
const char *germanFormat(Message id);

} // namespace well
