#include "geo/errormodelinputs.h"

#include "geo/north.h"
#include "geo/projection.h"

namespace geo {

std::optional<unc::Inputs> errorModelInputs(
    const WellSettings &settings, unc::MissingInput *missing)
{
    if (settings.uncertainty.model == ErrorModel::None) {
        if (missing)
            *missing = unc::MissingInput::None;
        return std::nullopt;
    }
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
    return unc::inputsFor(completed, latitude, missing);
}

} // namespace geo
