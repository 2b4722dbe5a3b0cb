// The north of the course and its caption.
#include "geo/north.h"

#include "geo/magneticfield.h"
#include "geo/projection.h"
#include "i18n/i18n.h"

namespace geo {

bool CourseNorth::named() const
{
    return north != NorthReference::True || declination || convergence || epsg
        || missing != MissingAngle::None;
}

CourseNorth courseNorth(const WellSettings &typed)
{
    ModelField field;
    const WellSettings settings = typed.north == NorthReference::Magnetic && !typed.declination
        ? effectiveSettings(typed, &field)
        : typed;
    const std::string model
        = !typed.declination && field.field ? field.field->model : std::string();
    CourseNorth c;
    c.north = settings.north;
    if (settings.north == NorthReference::Grid) {
        c.epsg = settings.epsg;
        c.toGrid = 0.0;
        return c;
    }
    const std::optional<double> toTrue = settings.turnToTrue();
    if (!toTrue) {
        // Magnetic azimuths and no declination: neither true nor grid north is known.
        c.missing = MissingAngle::Declination;
        c.model = field.state;
        c.modelRefusal = field.refusal;
        return c;
    }
    const bool magnetic = settings.north == NorthReference::Magnetic;
    if (!settings.epsg) {
        c.north = NorthReference::True;
        c.turn = *toTrue;
        if (magnetic) {
            c.declination = settings.declination;
            c.declinationModel = model;
        }
        // Grid coordinates of the points still follow from a convergence given by hand.
        if (settings.gridConvergence)
            c.toGrid = -*settings.gridConvergence;
        return c;
    }
    std::optional<double> convergence = settings.gridConvergence;
    if (!convergence) {
        if (const auto onEarth = wellheadOnEarth(settings))
            convergence = onEarth->convergence;
    }
    if (!convergence) {
        // The course stays in the north of the azimuths, unturned, as it was computed
        // before a grid was named: half a turn would be a third north nobody asked for.
        c.missing = MissingAngle::Convergence;
        return c;
    }
    c.north = NorthReference::Grid;
    c.epsg = settings.epsg;
    // grid = true - convergence
    c.turn = *toTrue - *convergence;
    if (magnetic) {
        c.declination = settings.declination;
        c.declinationModel = model;
    }
    c.convergence = convergence;
    c.toGrid = 0.0;
    return c;
}

std::string northCaption(const CourseNorth &north, decimalsign::Sign sign, CaptionWords words)
{
    const auto word = [words](const char *german) {
        return words == CaptionWords::Chosen ? i18n::translate("Nordbezug", german)
                                             : std::string(german);
    };
    const auto angle = [&](const char *german, double value) {
        return i18n::arg(word(german), { decimalsign::fixed(value, 2, sign) });
    };
    std::string out;
    switch (north.north) {
    case NorthReference::Grid:
        out = north.epsg ? i18n::arg(word(DRV_TRANSLATE_NOOP("Nordbezug", "Gitternord (EPSG:%1)")),
                  { std::to_string(*north.epsg) })
                         : word(DRV_TRANSLATE_NOOP("Nordbezug", "Gitternord"));
        break;
    case NorthReference::True:
        out = word(DRV_TRANSLATE_NOOP("Nordbezug", "Geographisch Nord"));
        break;
    case NorthReference::Magnetic:
        out = word(DRV_TRANSLATE_NOOP("Nordbezug", "Magnetisch Nord"));
        break;
    }
    std::string angles;
    if (north.declination && north.declinationModel.empty())
        angles = angle(DRV_TRANSLATE_NOOP("Nordbezug", "Deklination %1°"), *north.declination);
    else if (north.declination)
        angles = i18n::arg(word(DRV_TRANSLATE_NOOP("Nordbezug", "Deklination %1° (%2)")),
            { decimalsign::fixed(*north.declination, 2, sign), north.declinationModel });
    if (north.convergence) {
        if (!angles.empty())
            angles += ", ";
        angles
            += angle(DRV_TRANSLATE_NOOP("Nordbezug", "Meridiankonvergenz %1°"), *north.convergence);
    }
    if (!angles.empty())
        out += "; " + angles;
    switch (north.missing) {
    case MissingAngle::None:
        break;
    case MissingAngle::Declination:
        out += "; " + word(DRV_TRANSLATE_NOOP("Nordbezug", "nicht gedreht, die Deklination fehlt"));
        break;
    case MissingAngle::Convergence:
        out += "; "
            + word(DRV_TRANSLATE_NOOP("Nordbezug", "nicht gedreht, die Meridiankonvergenz fehlt"));
        break;
    }
    return out;
}

} // namespace geo
