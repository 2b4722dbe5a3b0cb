// The check of a magnetic survey for interference: each station's measured total field,
// dip and gravity against the reference field, within a tolerance. A reading states its
// own reference and tolerance where the survey file gave them; otherwise the well's
// settings give the reference and the usual tolerances of the industry apply. A quantity
// without any reference is not checked, and the result says so rather than passing it.
// No Qt.
#pragma once

#include "well/fieldreading.h"
#include "well/settings.h"
#include "well/survey.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace surveycheck {

using Values = std::array<std::optional<double>, well::kFieldQuantities>;

// The tolerances where the file states none: 300 nT, 0.45 degrees, 0.0245 m/s² (about
// 2.5 mg), the usual limits of a magnetic survey's quality check.
inline constexpr std::array<double, well::kFieldQuantities> kDefaultTolerance
    = { 300.0, 0.45, 0.0245 };

// The reference field the well's settings give: the one place that reads it, so that
// where those values come from (typed, or a geomagnetic model) can change here alone.
Values wellReference(const WellSettings &settings);

// A quantity of a station that lies outside its tolerance.
struct Deviation
{
    double md = 0;
    well::FieldQuantity quantity = well::FieldQuantity::TotalField;
    double measured = 0;
    double reference = 0;
    double deviation = 0; // measured - reference
    double tolerance = 0;
};

// One station that was checked: its deviations (none where the quantity was not measured
// or has no reference) and whether any of them lies outside its tolerance.
struct StationResult
{
    double md = 0;
    Values deviation;
    std::array<bool, well::kFieldQuantities> outside {};
    bool anyOutside() const { return outside[0] || outside[1] || outside[2]; }
    bool operator==(const StationResult &) const = default;
};

struct Result
{
    std::vector<StationResult> stations; // in the order of the readings
    std::vector<Deviation> outside; // by station, then quantity
    // A quantity some station measured but that had no reference: not checked.
    std::array<bool, well::kFieldQuantities> unreferenced {};

    bool empty() const { return stations.empty() && !unreferenced[0] && !unreferenced[1] && !unreferenced[2]; }
};

// Checks the readings whose depth is a station of `survey`; a reading at a depth no
// station has (the station was deleted or moved) is left aside.
Result check(const std::vector<well::FieldReading> &readings, const well::Survey &survey,
    const Values &wellReference);

// The depths of the stations outside the tolerance, each once, in the order of the result.
std::vector<double> outsideDepths(const Result &result);

// The quantity's name and unit in the chosen language ("Gesamtfeld", "nT").
std::string quantityName(well::FieldQuantity quantity);
const char *unitOf(well::FieldQuantity quantity);

// One station outside, in words: "Messpunkt bei 1200,00 m MD außerhalb der Toleranz:
// Gesamtfeld 50500 nT, Referenz 50000 nT, Abweichung 500 nT (Toleranz 300 nT)". The
// deviations are those of one station.
std::string stationText(const std::vector<Deviation> &deviations);
// The note that a quantity is not checked, for want of a reference.
std::string uncheckedText(well::FieldQuantity quantity);
// All texts of a result: one a station outside, then one a quantity not checked.
std::vector<std::string> texts(const Result &result);

} // namespace surveycheck
