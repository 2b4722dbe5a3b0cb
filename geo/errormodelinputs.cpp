#include "geo/errormodelinputs.h"

#include "geo/magneticfield.h"
#include "geo/north.h"
#include "geo/projection.h"

namespace geo {

std::optional<unc::Inputs> errorModelInputs(
    const WellSettings &typed, unc::MissingInput *missing)
{
    if (typed.uncertainty.model == ErrorModel::None) {
        if (missing)
            *missing = unc::MissingInput::None;
        return std::nullopt;
    }
    ModelField field;
    const WellSettings settings = effectiveSettings(typed, &field);
    WellSettings completed = settings;
    // The model reads the azimuths of the computed course, which are in the course's
    // north, with the convergence that turned them there.
    const CourseNorth course = courseNorth(settings);
    completed.north = course.north;
    if (course.convergence)
        completed.gridConvergence = course.convergence;
    std::optional<double> latitude;
    // PROJ is asked only for what the settings leave open.
    if (!settings.uncertainty.latitude || !settings.gridConvergence) {
        if (const auto onEarth = wellheadOnEarth(settings)) {
            latitude = onEarth->latitude;
            if (!completed.gridConvergence)
                completed.gridConvergence = onEarth->convergence;
        }
    }
    unc::MissingInput lacking = unc::MissingInput::None;
    std::optional<unc::Inputs> inputs = unc::inputsFor(completed, latitude, &lacking);
    // A magnetic value the model would have given is lacking for the model's reason.
    const bool magneticValue = lacking == unc::MissingInput::TotalField
        || lacking == unc::MissingInput::Dip || lacking == unc::MissingInput::Declination;
    if (magneticValue && field.state == ModelState::NoDate)
        lacking = unc::MissingInput::SurveyDate;
    else if (magneticValue && field.state == ModelState::Refused)
        lacking = unc::MissingInput::FieldModel;
    if (missing)
        *missing = lacking;
    return inputs;
}

} // namespace geo
