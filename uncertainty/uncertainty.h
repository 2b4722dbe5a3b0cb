// Where the hole could be: the positional uncertainty of a computed path by the ISCWSA
// error models for MWD surveys (revisions 4 and 5). Every error source of a model (depth
// reference and scale, sensor biases and scale factors, declination, magnetic
// interference, misalignment, sag, ...) has a weighting function that says how it changes
// the depth, inclination and azimuth read at a station; its effect on the positions
// propagates through the survey as random (independent from station to station),
// systematic or global (one value for the whole survey), and the sum over the sources
// is the 3×3 covariance of the position at each station. No Qt.
//
// Positions and covariances are in the frame of the path: north and east of the north
// the azimuths refer to, vertical downward, metres; covariances in m² at 1σ.
#pragma once

#include "core/trajectory.h"
#include "uncertainty/errorterms.h"
#include "well/settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace unc {

// A symmetric 3×3 matrix by its six values. In the NEV frame: xx = NN, yy = EE, zz = VV,
// xy = NE, xz = NV, yz = EV; in the HLA frame (high side, lateral, along hole) the same
// order.
struct Sym3
{
    double xx = 0, yy = 0, zz = 0, xy = 0, xz = 0, yz = 0;

    bool operator==(const Sym3 &) const = default;
};

// The horizontal error ellipse: semi-axes at a multiple of σ (metres) and the azimuth of
// the major axis, degrees clockwise from north in [0, 180).
struct Ellipse
{
    double semiMajor = 0, semiMinor = 0, majorAzimuth = 0;
};

// The NEV covariance turned into the frame of the hole's direction at inclination and
// azimuth (degrees): high side, lateral (to the right), along hole.
Sym3 toHla(const Sym3 &nev, double inclination, double azimuth);
// The ellipse of the horizontal (north-east) part of `nev` at `sigmas` times σ.
Ellipse horizontalEllipse(const Sym3 &nev, double sigmas);

// One run of a survey program as the propagation takes it: the stations from `fromMd` to
// `toMd` (unset: to the end; a station within 1e-6 m of an end is inside, and one where
// two runs meet belongs to the upper), read by a tool with these sources. Random errors
// accumulate along the whole well; the systematic and global ones of each run are that
// run's own sources, independent of every other run's.
struct Leg
{
    double fromMd = 0;
    std::optional<double> toMd;
    std::vector<terms::Term> terms;
    // The tool's least tortuosity (radians per metre) and misalignment course length.
    double tortuosity = terms::kDefaultTortuosity;
    double misalignmentCourseLength = 10; // metres
    std::string tool; // its code, as the listings name it
    std::string run; // the run's name; may be empty
    // The inclinations the tool is made for, degrees.
    double inclinationMin = 0, inclinationMax = 180;
};

// Everything a model needs besides the stations.
struct Inputs
{
    ErrorModel model = ErrorModel::IscwsaMwdRev5;
    double gravity = 9.80665; // m/s²
    double totalField = 50000; // nT
    double dip = 72; // degrees
    double declination = 0; // degrees: true azimuth = magnetic azimuth + declination
    double convergence = 0; // degrees: grid azimuth = true azimuth - convergence
    NorthReference north = NorthReference::True; // what the stations' azimuths refer to
    std::optional<double> latitude; // degrees north, shown with the results
    double verticalLimit = 1e-4; // degrees: below this inclination a station counts as vertical
    // The tools' own sources (the tool library's codes), run by run: when there are any
    // they take the place of `model`'s, and each station is read by the tool of the run
    // that holds its depth. A run of no sources is a tool of zero error.
    std::vector<Leg> legs;
    // The parameters of the long-course-length and misalignment errors of `model`: the
    // least tortuosity (radians per metre) and the course length below which XYM3E and
    // XYM4E grow. (A run's tool has its own.)
    double tortuosity = terms::kDefaultTortuosity;
    double misalignmentCourseLength = 10; // metres
};

// The sources of `model`, or of the single run, that `inputs` are computed with; those of
// the first run where there are several.
std::span<const terms::Term> termsOf(const Inputs &inputs);
// Whether `inputs` compute any source at all.
bool computesAnything(const Inputs &inputs);
// The run of `inputs.legs` that reads a station at `md`: the first that holds it; none
// outside every run (and always none without runs).
std::optional<std::size_t> legAt(const Inputs &inputs, double md);
// The first station of `path` below the surface station that no run of `inputs` holds;
// none when the inputs have no runs or every station lies in one. Such a survey cannot be
// computed: what would read that station is not known.
std::optional<std::size_t> stationOutsideLegs(const traj::Trajectory &path, const Inputs &inputs);

// Which input is missing or out of range, by the German name of its field (UTF-8), as
// the batch tool's option and the settings dialog's label name it.
enum class MissingInput {
    None,
    TotalField,
    Dip,
    Declination, // the azimuths are not magnetic, so the model needs the declination
    Convergence, // grid azimuths need the grid convergence
    Program, // the survey program cannot be computed (a tool, or a station outside its runs)
};

// The inputs of the model chosen in `settings`, with `latitude` where the settings give
// none (the wellhead's, when the well is placed on the map). None when the settings
// choose no model or an input is missing; `missing` then says which.
// `magnetic`: the sources read the magnetic field or the magnetic azimuth; without, the
// total field, dip and declination are not needed (and are taken as the defaults' where
// missing, which then weigh nothing).
std::optional<Inputs> inputsFor(const WellSettings &settings, std::optional<double> latitude,
    MissingInput *missing = nullptr, bool magnetic = true);

// The models' names for pages and title rows: "ISCWSA MWD Rev. 5". Their short names,
// modelKey and modelFromKey, come with the settings (uncertainty/settings.h).
std::string_view modelTitle(ErrorModel model);
// The same for what the stations are computed with: the model's title, or the tool codes
// of the survey program in the order of their runs, each once ("GYRO-NS, MWD+IFR1+MS").
std::string modelTitle(const UncertaintySettings &settings);
std::string modelTitle(const Inputs &inputs);

// The NEV covariance at every station of `path` (one per path.stations entry, the surface
// station's zero).
std::vector<Sym3> stationCovariances(const traj::Trajectory &path, const Inputs &inputs);

// The covariance at points on the path (traj::pointAtMd, pointsAtTvd, ...), in any order:
// each as if the survey ended with a station at the point, read with the point's
// inclination and azimuth. A point at a station has the station's covariance; one whose
// interval lies outside the path, that of the station nearest to the interval.
std::vector<Sym3> pointCovariances(
    const traj::Trajectory &path, const Inputs &inputs, const std::vector<traj::Point> &points);

// The covariance of one error source at every station, for an audit of the total: one
// per term of the model, or per term of each run in the order of the runs.
struct SourceCovariances
{
    std::string_view code; // the model's code of the source: "DRFR", "ABXY-TI1S", ...
    std::vector<Sym3> stations;
    std::size_t leg = 0; // the run of `inputs.legs` it belongs to (0 without runs)
    // With several runs, the run's tool and number from 1, "GYRO-NS (1)"; else empty.
    std::string run;
};
std::vector<SourceCovariances> sourceBreakdown(const traj::Trajectory &path, const Inputs &inputs);

} // namespace unc
