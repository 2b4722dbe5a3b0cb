// The well settings' JSON form: the well's own members here, the error model's and the
// clearance layer's through their parts of the form.
#include "well/settingsjson.h"

#include "clearance/settingsjson.h"
#include "i18n/i18n.h"
#include "uncertainty/settingsjson.h"
#include "well/settings.h"
#include "well/settingsreader.h"

#include <optional>
#include <utility>

using settingsjson::Json;

namespace {

const char *const kEasting = "easting";
const char *const kNorthing = "northing";
const char *const kElevation = "elevation";
const char *const kCrs = "crs";
const char *const kNorth = "north";
const char *const kGridConvergence = "gridConvergence";
const char *const kDeclination = "declination";
const char *const kSectionAzimuth = "sectionAzimuth";
const char *const kUnit = "unit";
// The error model's member among the well's; its inputs stand beside it.
const char *const kErrorModel = "errorModel";

bool isKnown(const std::string &key)
{
    for (const char *known : { kEasting, kNorthing, kElevation, kCrs, kNorth, kGridConvergence,
             kDeclination, kSectionAzimuth, kUnit }) {
        if (key == known)
            return true;
    }
    return settingsjson::isUncertaintyMember(key, kErrorModel)
        || settingsjson::isClearanceMember(key);
}

const char *northName(NorthReference north)
{
    switch (north) {
    case NorthReference::Grid:
        return "grid";
    case NorthReference::Magnetic:
        return "magnetic";
    case NorthReference::True:
        break;
    }
    return "true";
}

bool readEpsg(settingsjson::Reader &in, std::optional<int> &out)
{
    const Json *crs = in.member(kCrs);
    if (!crs)
        return true;
    const std::optional<int> code
        = crs->is_string() ? parseEpsg(crs->get_ref<const std::string &>()) : std::nullopt;
    if (!code)
        return in.fail(kCrs,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist kein EPSG-Code der Form \"EPSG:25832\"."));
    out = code;
    return true;
}

} // namespace

std::string settingsToJson(const WellSettings &s)
{
    Json j = Json::object();
    if (s.wellhead) {
        j[kEasting] = s.wellhead->easting;
        j[kNorthing] = s.wellhead->northing;
    }
    if (s.elevation)
        j[kElevation] = *s.elevation;
    if (s.epsg)
        j[kCrs] = "EPSG:" + std::to_string(*s.epsg);
    if (s.north != NorthReference::True)
        j[kNorth] = northName(s.north);
    if (s.gridConvergence)
        j[kGridConvergence] = *s.gridConvergence;
    if (s.declination)
        j[kDeclination] = *s.declination;
    if (s.sectionAzimuth)
        j[kSectionAzimuth] = *s.sectionAzimuth;
    if (s.unit == LengthUnit::Foot)
        j[kUnit] = "ft";
    settingsjson::writeUncertainty(j, kErrorModel, s.uncertainty, false);
    settingsjson::writeClearanceRule(j, s.clearance);
    settingsjson::writeOffsets(j, s.offsets);
    settingsjson::addOtherMembers(j, s.otherMembers);
    return j.dump();
}

bool settingsFromJson(std::string_view text, WellSettings &out, std::string *fault)
{
    const auto fail = [&](std::string why) {
        if (fault)
            *fault = std::move(why);
        return false;
    };
    // Deeper nesting than any settings need would make writing the members back
    // recurse without bound; it is noted while parsing and refused afterwards.
    bool tooDeep = false;
    const Json::parser_callback_t depthCheck = [&](int depth, Json::parse_event_t, Json &) {
        if (depth > kMaxSettingsDepth)
            tooDeep = true;
        return true;
    };
    const Json j = Json::parse(text.begin(), text.end(), depthCheck, false);
    if (j.is_discarded())
        return fail(i18n::translate(
            "Bohrungseinstellungen", "Die Einstellungen sind kein gültiger JSON-Text in UTF-8."));
    if (tooDeep)
        return fail(i18n::translate(
            "Bohrungseinstellungen", "Die Einstellungen sind zu tief verschachtelt."));
    if (!j.is_object())
        return fail(
            i18n::translate("Bohrungseinstellungen", "Die Einstellungen sind kein JSON-Objekt."));

    WellSettings s;
    settingsjson::Reader in(j);
    std::optional<double> easting, northing;
    if (!in.number(kEasting, validLength, easting) || !in.number(kNorthing, validLength, northing)
        || !in.number(kElevation, validLength, s.elevation) || !readEpsg(in, s.epsg)
        || !in.choice(kNorth, { "true", "grid", "magnetic" }, s.north)
        || !in.number(kGridConvergence, validTurnAngle, s.gridConvergence)
        || !in.number(kDeclination, validTurnAngle, s.declination)
        || !in.number(kSectionAzimuth, validAzimuth, s.sectionAzimuth)
        || !in.choice(kUnit, { "m", "ft" }, s.unit)
        || !settingsjson::readUncertainty(in, kErrorModel, s.uncertainty)
        || !settingsjson::readClearanceRule(in, s.clearance))
        return fail(in.fault);
    if (easting.has_value() != northing.has_value())
        return fail(i18n::translate(
            "Bohrungseinstellungen", "Der Ansatzpunkt braucht Rechtswert und Hochwert."));
    if (easting)
        s.wellhead = Wellhead { *easting, *northing };

    if (!settingsjson::readOffsets(in, s.offsets))
        return fail(in.fault);
    s.otherMembers = settingsjson::otherMembersOf(j, isKnown);
    out = std::move(s);
    return true;
}
