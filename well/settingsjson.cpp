// The well settings' JSON form: the well's own members here, the error model's and the
// clearance layer's through their parts of the form.
#include "well/settingsjson.h"

#include "clearance/settingsjson.h"
#include "i18n/i18n.h"
#include "plan/planjson.h"
#include "uncertainty/settingsjson.h"
#include "well/computation.h"
#include "well/settings.h"
#include "well/settingsreader.h"

#include <cmath>
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
// The day of the survey, "2025-03-14", and what the geomagnetic model gave for it.
const char *const kSurveyDate = "surveyDate";
const char *const kMagneticModel = "magneticModel";
const char *const kRecordName = "name";
const char *const kRecordMembers[3] = { "declination", "dip", "totalField" };
const char *const kSectionAzimuth = "sectionAzimuth";
const char *const kUnit = "unit";
// The tie-in station, one object with all six of its values.
const char *const kTieIn = "tieIn";
const char *const kTieInMembers[6] = { "md", "tvd", "north", "east", "inclination", "azimuth" };
// The field readings: one array a station, [md, the three measured values, the three
// references, the three tolerances], null where a value is not given and shortened by its
// unset values at the end; a long survey's readings stay a small part of the file.
const char *const kFieldReadings = "fieldReadings";
constexpr std::size_t kFieldReadingValues = 1 + 3 * well::kFieldQuantities;
// The error model's member among the well's; its inputs stand beside it.
const char *const kErrorModel = "errorModel";
const char *const kOwnTools = "ownTools";
const char *const kPlan = "plan";

bool isKnown(const std::string &key)
{
    for (const char *known : { kEasting, kNorthing, kElevation, kCrs, kNorth, kGridConvergence,
             kDeclination, kSurveyDate, kMagneticModel, kSectionAzimuth, kUnit, kTieIn,
             kFieldReadings, kOwnTools, kPlan }) {
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

bool validDepth(double metres)
{
    return validLength(metres) && metres >= 0.0;
}

bool validInclination(double degrees)
{
    return std::isfinite(degrees) && well::inclinationAccepted(degrees);
}

// The tie-in: an object with all six values, each within a station's limits.
bool readTieIn(settingsjson::Reader &in, std::optional<well::TieIn> &out)
{
    const Json *object = in.member(kTieIn);
    if (!object)
        return true;
    if (!object->is_object())
        return in.fail(kTieIn,
            DRV_TRANSLATE_NOOP(
                "Bohrungseinstellungen", "Der Eintrag \"%1\" ist kein JSON-Objekt."));
    settingsjson::Reader member(*object, std::string(kTieIn) + ".");
    bool (*const limits[6])(double)
        = { validDepth, validLength, validLength, validLength, validInclination, validAzimuth };
    std::optional<double> values[6];
    for (int i = 0; i < 6; ++i) {
        if (!member.member(kTieInMembers[i])) {
            member.fail(kTieInMembers[i],
                DRV_TRANSLATE_NOOP(
                    "Bohrungseinstellungen", "Der Eintrag \"%1\" ist nicht angegeben."));
            in.fault = member.fault;
            return false;
        }
        if (!member.number(kTieInMembers[i], limits[i], values[i])) {
            in.fault = member.fault;
            return false;
        }
    }
    out = well::TieIn { *values[0], *values[1], *values[2], *values[3], *values[4], *values[5] };
    return true;
}

Json fieldReadingsToJson(const std::vector<well::FieldReading> &readings)
{
    Json list = Json::array();
    for (const well::FieldReading &r : readings) {
        Json row = Json::array();
        row.push_back(r.md);
        for (const auto *values : { &r.measured, &r.reference, &r.tolerance })
            for (const std::optional<double> &v : *values)
                row.push_back(v ? Json(*v) : Json(nullptr));
        while (row.size() > 1 && row.back().is_null())
            row.erase(row.size() - 1);
        list.push_back(std::move(row));
    }
    return list;
}

bool readFieldReadings(settingsjson::Reader &in, std::vector<well::FieldReading> &out)
{
    const Json *list = in.member(kFieldReadings);
    if (!list)
        return true;
    if (!list->is_array())
        return in.fail(kFieldReadings,
            DRV_TRANSLATE_NOOP(
                "Bohrungseinstellungen", "Der Eintrag \"%1\" ist keine JSON-Liste."));
    std::vector<well::FieldReading> readings;
    readings.reserve(list->size());
    for (std::size_t i = 0; i < list->size(); ++i) {
        const Json &row = (*list)[i];
        const std::string key = std::string(kFieldReadings) + "[" + std::to_string(i) + "]";
        if (!row.is_array() || row.empty() || row.size() > kFieldReadingValues || !row[0].is_number()
            || !validDepth(row[0].get<double>()))
            return in.fail(key,
                DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                    "Der Eintrag \"%1\" ist keine gültige Messung (Teufe, Werte, "
                    "Referenzwerte, Toleranzen)."));
        well::FieldReading r;
        r.md = row[0].get<double>();
        for (std::size_t k = 1; k < row.size(); ++k) {
            if (row[k].is_null())
                continue;
            const std::size_t group = (k - 1) / well::kFieldQuantities;
            const auto q = static_cast<well::FieldQuantity>((k - 1) % well::kFieldQuantities);
            const bool valid = row[k].is_number()
                && (group == 2 ? well::validFieldTolerance(q, row[k].get<double>())
                               : well::validFieldValue(q, row[k].get<double>()));
            if (!valid)
                return in.fail(key,
                    DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                        "Der Eintrag \"%1\" ist keine gültige Messung (Teufe, Werte, "
                        "Referenzwerte, Toleranzen)."));
            std::array<std::optional<double>, well::kFieldQuantities> *groups[3]
                = { &r.measured, &r.reference, &r.tolerance };
            (*groups[group])[static_cast<std::size_t>(q)] = row[k].get<double>();
        }
        readings.push_back(r);
    }
    out = std::move(readings);
    return true;
}

bool readSurveyDate(settingsjson::Reader &in, std::optional<CalendarDate> &out)
{
    const Json *date = in.member(kSurveyDate);
    if (!date)
        return true;
    const std::optional<CalendarDate> day
        = date->is_string() ? parseIsoDate(date->get_ref<const std::string &>()) : std::nullopt;
    if (!day)
        return in.fail(kSurveyDate,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist kein Tag des Kalenders der Form \"2025-03-14\"."));
    out = day;
    return true;
}

bool validDip(double degrees)
{
    return std::isfinite(degrees) && degrees >= -90.0 && degrees <= 90.0;
}

bool validFieldStrength(double nanotesla)
{
    return std::isfinite(nanotesla) && nanotesla > 0.0 && nanotesla < 1e6;
}

// The model's record: an object with the model's name and its three values.
bool readMagneticModel(settingsjson::Reader &in, std::optional<MagneticModelRecord> &out)
{
    const Json *object = in.member(kMagneticModel);
    if (!object)
        return true;
    if (!object->is_object())
        return in.fail(kMagneticModel,
            DRV_TRANSLATE_NOOP(
                "Bohrungseinstellungen", "Der Eintrag \"%1\" ist kein JSON-Objekt."));
    settingsjson::Reader member(*object, std::string(kMagneticModel) + ".");
    MagneticModelRecord record;
    bool (*const limits[3])(double) = { validTurnAngle, validDip, validFieldStrength };
    double *const values[3] = { &record.declination, &record.dip, &record.totalField };
    bool read = member.text(kRecordName, 64, true, record.model);
    for (int i = 0; read && i < 3; ++i) {
        std::optional<double> value;
        read = member.number(kRecordMembers[i], limits[i], value);
        if (read && !value)
            read = member.fail(kRecordMembers[i],
                DRV_TRANSLATE_NOOP(
                    "Bohrungseinstellungen", "Der Eintrag \"%1\" ist nicht angegeben."));
        if (read)
            *values[i] = *value;
    }
    if (!read) {
        in.fault = member.fault;
        return false;
    }
    out = record;
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
    if (s.surveyDate)
        j[kSurveyDate] = isoDate(*s.surveyDate);
    if (s.magneticModel) {
        const MagneticModelRecord &m = *s.magneticModel;
        Json record = Json::object();
        record[kRecordName] = m.model;
        const double values[3] = { m.declination, m.dip, m.totalField };
        for (int i = 0; i < 3; ++i)
            record[kRecordMembers[i]] = values[i];
        j[kMagneticModel] = std::move(record);
    }
    if (s.sectionAzimuth)
        j[kSectionAzimuth] = *s.sectionAzimuth;
    if (s.unit == LengthUnit::Foot)
        j[kUnit] = "ft";
    if (s.tieIn) {
        const double values[6] = { s.tieIn->md, s.tieIn->tvd, s.tieIn->north, s.tieIn->east,
            s.tieIn->inclination, s.tieIn->azimuth };
        Json t = Json::object();
        for (int i = 0; i < 6; ++i)
            t[kTieInMembers[i]] = values[i];
        j[kTieIn] = std::move(t);
    }
    if (!s.fieldReadings.empty())
        j[kFieldReadings] = fieldReadingsToJson(s.fieldReadings);
    settingsjson::writeUncertainty(j, kErrorModel, s.uncertainty, false);
    settingsjson::writeOwnTools(j, kOwnTools, s.ownTools);
    settingsjson::writePlan(j, kPlan, s.plan, s.planStep, s.bitDistance);
    settingsjson::writeClearanceRule(j, s.clearance);
    settingsjson::writeOffsets(j, s.offsets);
    settingsjson::writeFieldLink(j, s.field);
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
    // Deeper nesting than any settings need is refused after parsing.
    bool tooDeep = false;
    const Json j = settingsjson::parseBounded(text, kMaxSettingsDepth, tooDeep);
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
        || !readSurveyDate(in, s.surveyDate) || !readMagneticModel(in, s.magneticModel)
        || !in.number(kSectionAzimuth, validAzimuth, s.sectionAzimuth)
        || !in.choice(kUnit, { "m", "ft" }, s.unit) || !readTieIn(in, s.tieIn)
        || !readFieldReadings(in, s.fieldReadings)
        || !settingsjson::readUncertainty(in, kErrorModel, s.uncertainty)
        || !settingsjson::readOwnTools(in, kOwnTools, s.ownTools)
        || !settingsjson::readPlan(in, kPlan, s.plan, s.planStep, s.bitDistance)
        || !settingsjson::readClearanceRule(in, s.clearance))
        return fail(in.fault);
    if (easting.has_value() != northing.has_value())
        return fail(i18n::translate(
            "Bohrungseinstellungen", "Der Ansatzpunkt braucht Rechtswert und Hochwert."));
    if (easting)
        s.wellhead = Wellhead { *easting, *northing };

    if (!settingsjson::readOffsets(in, s.offsets) || !settingsjson::readFieldLink(in, s.field))
        return fail(in.fault);
    s.otherMembers = settingsjson::otherMembersOf(j, isKnown);
    out = std::move(s);
    return true;
}
