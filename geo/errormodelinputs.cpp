#include "geo/errormodelinputs.h"

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
