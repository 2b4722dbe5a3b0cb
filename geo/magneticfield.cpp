#include "geo/magneticfield.h"

#include "geo/projection.h"
#include "magnetic/decimalyear.h"

namespace geo {

ModelField modelField(const WellSettings &settings)
{
    ModelField out;
    const std::optional<WellheadOnEarth> onEarth = wellheadOnEarth(settings);
    if (!onEarth)
        return out;
    if (!settings.surveyDate) {
        out.state = ModelState::NoDate;
        return out;
    }
    const CalendarDate &day = *settings.surveyDate;
    const std::optional<double> year = magnetic::decimalYear(day.year, day.month, day.day);
    // The settings only hold days the calendar has; the model refuses a year it lacks.
    magnetic::FieldResult result = magnetic::fieldAt(onEarth->latitude, onEarth->longitude,
        settings.elevation.value_or(0.0), year.value_or(0.0));
    if (!result) {
        out.state = ModelState::Refused;
        out.refusal = std::move(result.error);
        return out;
    }
    out.state = ModelState::Given;
    out.field = std::move(result.field);
    return out;
}

bool needsModelField(const WellSettings &settings)
{
    const UncertaintySettings &u = settings.uncertainty;
    return !settings.declination
        || (u.hasModel() && (!u.dip || !u.totalField));
}

WellSettings effectiveSettings(const WellSettings &settings, ModelField *field)
{
    if (field)
        *field = {};
    if (!needsModelField(settings))
        return settings;
    const ModelField asked = modelField(settings);
    WellSettings out = settings;
    if (asked.field) {
        if (!out.declination)
            out.declination = asked.field->declinationDeg;
        if (!out.uncertainty.dip)
            out.uncertainty.dip = asked.field->inclinationDeg;
        if (!out.uncertainty.totalField)
            out.uncertainty.totalField = asked.field->totalNt;
    }
    if (field)
        *field = asked;
    return out;
}

WellSettings withModelRecord(WellSettings settings)
{
    settings.magneticModel.reset();
    if (!settings.surveyDate)
        return settings;
    const ModelField asked = modelField(settings);
    if (asked.field) {
        const magnetic::Field &f = *asked.field;
        settings.magneticModel
            = MagneticModelRecord { f.model, f.declinationDeg, f.inclinationDeg, f.totalNt };
    }
    return settings;
}

} // namespace geo
