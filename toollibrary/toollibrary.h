// The survey tools' error models by their OWSG tool code ("MWD+SRGM", "GYRO-NS_Fl", ...):
// the codes of the ISCWSA's OWSG workbooks with their headers and error terms, as static
// tables generated from the workbooks at build time (no parsing at run time), and for a
// code the sources that the ISCWSA propagation (uncertainty/) computes a well with. A code
// whose weighting functions or units are not all known here is refused by name: no term
// is ever counted as zero because its function is missing. No Qt.
#pragma once

#include "uncertainty/errorterms.h"
#include "uncertainty/uncertainty.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace toollib {

// One error term as the workbook lists it; the texts are the workbook's.
struct TermRow
{
    std::string_view code; // "DRFR", "GXY-B1S", ...
    std::string_view description;
    std::string_view weightingFunction; // the "Wt.Fn." name: "DREF", "XYM3E", "GXY-B1", ...
    std::string_view functionSource; // where the function is published
    std::string_view type; // "Depth", "Sensor", "AziRef", "Align", ...
    double magnitude = 0; // 1σ, in `unit`
    std::string_view unit; // "m", "-", "deg", "deg.nT", "m/s2", "deg/hr", ...
    char propagation = 'S'; // R random, S systematic, G global, W well by well
    double p1 = 0, p2 = 0, p3 = 0; // the workbook's further columns (the gyro terms' parameters)
};

// A line of the header's tool parameters as the workbook gives it: "XCL Tortuosity" with
// "1 deg / 100 ft", "Start Inc" with "15 deg" (the gyro running modes), ...
struct Parameter
{
    std::string_view name;
    std::string_view value;
};

struct Tool
{
    std::string_view set; // "A" or "B": the workbook
    std::string_view code; // the short name, the sheet's name
    std::string_view prefix; // "A001Mc"
    std::string_view longName;
    std::string_view revision;
    std::string_view source;
    std::string_view application;
    std::string_view toolType; // "Magnetic", "Gyro", ...
    double inclinationMin = 0, inclinationMax = 180; // degrees
    // Read from the parameters, converted: radians per metre, metres. Absent where the
    // workbook gives none (the tool then has no term that needs it).
    std::optional<double> tortuosity;
    std::optional<double> misalignmentCourseLength;
    // The factor by which the gyros' random noise is reduced (GXY-RN); none: 1.
    std::optional<double> noiseReduction;
    std::span<const Parameter> parameters; // in the workbook's order
    std::span<const TermRow> terms; // in the workbook's order
};

// Every code of both workbooks, in their order (set A, then B).
std::span<const Tool> library();
// The code's tool (the short name exactly), or null.
const Tool *find(std::string_view code);

// A code's sources for the propagation, or why it cannot be computed.
struct Model
{
    const Tool *tool = nullptr; // the library's tool; null for an own tool
    std::string code; // the tool's code, the library's or the own tool's
    double inclinationMin = 0, inclinationMax = 180; // degrees
    std::vector<unc::terms::Term> terms; // one per TermRow, in its order
    double tortuosity = unc::terms::kDefaultTortuosity;
    double misalignmentCourseLength = 10;

    // A run of this tool over the stations from `fromMd` to `toMd`.
    unc::Leg leg(double fromMd, std::optional<double> toMd) const;
    // `inputs` computing the whole well with this tool.
    void applyTo(unc::Inputs &inputs) const;
};

struct Refusal
{
    std::string message; // German through the catalogue, naming the code and what is missing
    // The weighting function's name or unit that is not known, or the function that needs
    // an input which is missing.
    std::string missing;
};

// Why the tools of `inputs` cannot be computed with them: a gyrocompassing tool without a
// latitude or at a pole (the first run's that is). None when they can.
std::optional<Refusal> refusalFor(const unc::Inputs &inputs);

struct ModelOrRefusal
{
    std::optional<Model> model;
    std::optional<Refusal> refusal; // set exactly when `model` is not
};

ModelOrRefusal modelFor(const Tool &tool);
// The same for a code; an unknown code is refused too.
ModelOrRefusal modelFor(std::string_view code);
// An operator's own tool, by the functions and units the library knows; refused also when
// its values are out of their limits or its code is one of the library's.
ModelOrRefusal modelFor(const OwnTool &tool);
// The tool of `code` among `ownTools` (exactly as written), else the library's.
ModelOrRefusal modelFor(std::string_view code, std::span<const OwnTool> ownTools);

// `inputs` computing with the tools of `program` (uncertainty/settings.h), one run after the
// other, each run's code looked up among `ownTools` first, then in the library; the refusal
// of the first run whose tool is unknown or cannot be computed (naming the run), `inputs`
// then untouched. An empty program leaves `inputs` as they are.
std::optional<Refusal> applyProgram(const std::vector<SurveyRun> &program, unc::Inputs &inputs,
    std::span<const OwnTool> ownTools = {});

namespace generated {
    // The tables made from the workbooks (toollibrary/generator).
    extern const Tool kTools[];
    extern const std::size_t kToolCount;
} // namespace generated

} // namespace toollib
