// The error model's settings: the survey tool's model that gives the positional
// uncertainty of the stations, its geomagnetic and gravity inputs and the limits of those
// inputs, shared by the stored settings, the command line and the forms. A plain value
// that the well's settings and each offset well hold. No Qt.
#pragma once

#include "i18n/i18n.h"
#include "well/settingsbase.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The error model of the survey tool that gives the positional uncertainty of the
// stations (ISCWSA MWD revisions 4 and 5), and its geomagnetic inputs. The declination
// and the north of the azimuths are the well's own (WellSettings).
enum class ErrorModel {
    None,
    IscwsaMwdRev4,
    IscwsaMwdRev5,
};

// One run of a survey program: the stations from `fromMd` to `toMd` (measured depth,
// metres; unset: to the end of the well) were surveyed with the tool `tool`, a code of the
// tool library (toollibrary/). A station at the depth where two runs meet belongs to the
// upper run: the lower one ties on to it.
struct SurveyRun
{
    double fromMd = 0;
    std::optional<double> toMd;
    std::string tool; // "MWD+IFR1+MS", "GYRO-NS", ...
    std::string name; // the run's name, UTF-8; may be empty
    std::optional<CalendarDate> date; // the day of the run

    bool operator==(const SurveyRun &) const = default;
};

// One error term of an operator's own tool model, as the tool library's workbooks list a
// term: its code, the weighting function by its workbook name ("ABXY-TI1", "GXY-B1", ...),
// the 1σ magnitude in `unit` ("deg", "m/s2", "deg/hr", ...) and how it propagates:
// 'R' random, 'S' systematic, 'W' well by well, 'G' global.
struct OwnToolTerm
{
    std::string code;
    std::string function;
    double magnitude = 0;
    std::string unit;
    char propagation = 'S';

    bool operator==(const OwnToolTerm &) const = default;
};

// An operator's own tool model, which a survey run names by its code as it names a code of
// the tool library. The terms are computed by the library's weighting functions; a term
// whose function or unit the library does not know refuses the tool when it is used.
struct OwnTool
{
    std::string code; // not a code of the library
    std::string description; // UTF-8
    double inclinationMin = 0, inclinationMax = 180; // degrees
    // Unset: the library's defaults (1°/100 ft, 10 m).
    std::optional<double> tortuosity; // degrees per 30 m
    std::optional<double> misalignmentCourseLength; // metres
    std::optional<double> noiseReduction; // the gyros' random noise factor; unset: 1
    std::vector<OwnToolTerm> terms;

    bool operator==(const OwnTool &) const = default;
};

// An own tool's values within their limits: a code and at most kMaxOwnToolTerms terms each
// with a code, a function, a unit and a finite magnitude of at least 0; the inclination
// range within 0 to 180 degrees and not empty; tortuosity, course length and noise factor
// above 0. False with a German fault (UTF-8) naming the tool.
bool ownToolValid(const OwnTool &tool, std::string *fault = nullptr);
inline constexpr std::size_t kMaxOwnToolTerms = 200;
inline constexpr std::size_t kMaxOwnTools = 100;
inline constexpr std::size_t kMaxOwnToolTextSize = 200;

struct UncertaintySettings
{
    ErrorModel model = ErrorModel::None;
    // The survey program, its runs in order of depth. Not empty: the stations take the
    // tools of their runs, in the place of `model`.
    std::vector<SurveyRun> program;
    // Latitude of the wellhead, degrees north; unset: from the wellhead when the well is
    // placed on the map.
    std::optional<double> latitude;
    double gravity = 9.80665; // m/s²
    std::optional<double> totalField; // nT
    std::optional<double> dip; // degrees, positive downward
    double ellipseSigma = 2; // the multiple of σ that ellipses and bands show

    // Whether the stations have an error model at all: a model, or a survey program.
    bool hasModel() const { return model != ErrorModel::None || !program.empty(); }

    bool operator==(const UncertaintySettings &) const = default;
};

// ---- limits of the error model's inputs, shared by the file and the command line ----
// Latitude and dip of the field: -90 to 90 degrees. Gravity and total field: within the
// widest range found on the earth's surface and a margin; outside it a value is a slip of
// the unit (gal, µT, gauss), not a place.
bool validLatitude(double degrees);
bool validGravity(double metresPerSecond2);
bool validTotalField(double nanotesla);
bool validDip(double degrees);
// The multiple of σ of ellipses and bands: above 0, at most 10.
bool validEllipseSigma(double sigmas);
inline constexpr double kMinGravity = 9.0, kMaxGravity = 10.5; // m/s²
inline constexpr double kMinTotalField = 10000, kMaxTotalField = 100000; // nT
inline constexpr double kMaxEllipseSigma = 10;
// The ranges as the faults name them (UTF-8, looked up in the catalogue where they are
// said).
inline constexpr const char *kLatitudeRange
    = DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "von -90 bis 90 Grad");
inline constexpr const char *kGravityRange
    = DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "von 9 bis 10,5 m/s²");
inline constexpr const char *kTotalFieldRange
    = DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "von 10000 bis 100000 nT");
inline constexpr const char *kEllipseSigmaRange
    = DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "größer als 0 und höchstens 10");

// A survey program: each run's tool named (at most kMaxToolCodeSize bytes) and its name at
// most kMaxRunNameSize bytes; depths finite from 0 to 1e9 m, each run's end below its
// start; every run but the last with an end, and each next run starting where the one
// above ends. At most kMaxSurveyRuns runs. False with a German fault (UTF-8) naming the
// run by its number from 1.
bool programValid(const std::vector<SurveyRun> &program, std::string *fault = nullptr);
inline constexpr std::size_t kMaxSurveyRuns = 100;
// A depth where a run begins or ends.
bool validRunDepth(double md);
inline constexpr std::size_t kMaxToolCodeSize = 60;
inline constexpr std::size_t kMaxRunNameSize = 200;

// Whether the interval from `fromMd` to `toMd` (unset: to the end of the well) holds a
// station at measured depth `md`; a depth within 1e-6 m of an end counts as inside.
inline bool intervalHolds(double fromMd, const std::optional<double> &toMd, double md)
{
    constexpr double kSlack = 1e-6;
    return md >= fromMd - kSlack && (!toMd || md <= *toMd + kSlack);
}

// The run that surveyed a station at measured depth `md`: the first whose interval holds
// it; none below, above or between the runs.
std::optional<std::size_t> runAt(const std::vector<SurveyRun> &program, double md);

namespace unc {

// The short names of the models, as the batch tool takes them and the stored settings
// hold them: "iscwsa-mwd-rev5".
std::string_view modelKey(ErrorModel model);
std::optional<ErrorModel> modelFromKey(std::string_view key);

} // namespace unc
