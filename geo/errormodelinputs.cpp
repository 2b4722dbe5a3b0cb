#include "geo/errormodelinputs.h"

#include "geo/magneticfield.h"
#include "geo/north.h"
#include "geo/projection.h"
#include "i18n/i18n.h"
#include "toollibrary/toollibrary.h"

namespace geo {

std::optional<unc::Inputs> errorModelInputs(
    const WellSettings &typed, unc::MissingInput *missing, std::string *refusal)
{
    if (!typed.uncertainty.hasModel()) {
        if (missing)
            *missing = unc::MissingInput::None;
        return std::nullopt;
    }
    const WellSettings settings = effectiveSettings(typed);
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
    // The program's tools first: whether they read the field decides what is missing.
    unc::Inputs tools;
    if (const auto refused = toollib::applyProgram(settings.uncertainty.program, tools, settings.ownTools)) {
        if (missing)
            *missing = unc::MissingInput::Program;
        if (refusal)
            *refusal = refused->message;
        return std::nullopt;
    }
    bool magnetic = tools.legs.empty();
    for (const unc::Leg &leg : tools.legs) {
        for (const unc::terms::Term &t : leg.terms)
            magnetic = magnetic || unc::terms::magnetic(t.shape)
                || t.factor == unc::terms::Factor::PerHorizontalField;
    }
    std::optional<unc::Inputs> inputs = unc::inputsFor(completed, latitude, missing, magnetic);
    if (!inputs)
        return inputs;
    inputs->legs = std::move(tools.legs);
    if (const auto refused = toollib::refusalFor(*inputs)) {
        if (missing)
            *missing = unc::MissingInput::Program;
        if (refusal)
            *refusal = refused->message;
        return std::nullopt;
    }
    return inputs;
}

std::string missingInputReason(const WellSettings &settings, unc::MissingInput missing)
{
    switch (missing) {
    case unc::MissingInput::TotalField:
    case unc::MissingInput::Dip:
    case unc::MissingInput::Declination:
        break;
    case unc::MissingInput::Convergence:
    case unc::MissingInput::Program:
    case unc::MissingInput::None:
        return {};
    }
    const ModelField field = modelField(settings);
    switch (field.state) {
    case ModelState::NoDate:
        return i18n::translate("Magnetfeld",
            "Totalintensität, Inklination und Deklination kommen aus dem Magnetfeldmodell, wo "
            "sie nicht angegeben sind, aber das Vermessungsdatum fehlt.");
    case ModelState::Refused:
        return field.refusal;
    case ModelState::NotAsked:
    case ModelState::Given:
        break;
    }
    return {};
}

} // namespace geo
