#include "cli/offsetplace.h"

#include "clearance/offsetform.h"
#include "i18n/i18n.h"
#include "toollibrary/toollibrary.h"

bool placeOffset(const OffsetOption &off, const well::Well &source,
    const std::optional<WellSettings> &stored, const std::string &label,
    const std::string &defaultName, const std::string &wellName, const WellSettings &settings,
    OffsetWell &out, std::string &message)
{
    OffsetWell o;
    std::string why, note;
    if (!clr::offsetOfWell(source, stored, settings, o, why, &note)) {
        message = i18n::arg(
            i18n::translate("Batch", "--offset %1: %2 Die Nachbarbohrung wird nicht übernommen."),
            { label, why });
        return false;
    }
    if (off.name)
        o.name = *off.name;
    if (o.name.empty())
        o.name = defaultName;
    if (off.kickOff) {
        o.parent = off.parent.value_or(wellName);
        o.kickOffMd = *off.kickOff;
        o.wellhead.reset();
    } else if (off.position) {
        o.wellhead.reset();
        o.slotNorth = off.position->first;
        o.slotEast = off.position->second;
    } else if (off.wellhead) {
        o.wellhead = off.wellhead;
    } else if (!o.wellhead) {
        // The note (why a document's wellhead does not serve) comes first.
        message = "--offset ";
        message += label;
        message += ": ";
        if (!note.empty()) {
            message += note;
            message += ' ';
        }
        message += i18n::translate("Batch",
            "Wo liegt ihr Ansatzpunkt? --offset-position N,E oder --offset-wellhead E,N gibt "
            "ihn an.");
        return false;
    }
    if (off.elevation)
        o.elevation = off.elevation;
    if (off.hole)
        o.holeDiameter = *off.hole;
    if (off.tool) {
        const toollib::ModelOrRefusal r = toollib::modelFor(*off.tool, settings.ownTools);
        if (r.refusal) {
            message = "--offset-tool: ";
            message += r.refusal->message;
            return false;
        }
        // The whole offset by one tool, with the well's geomagnetic inputs unless its
        // document brought its own.
        UncertaintySettings u = o.uncertainty.value_or(settings.uncertainty);
        u.program = { SurveyRun { 0, std::nullopt, *off.tool, {}, {} } };
        o.uncertainty = u;
    }
    out = std::move(o);
    return true;
}
