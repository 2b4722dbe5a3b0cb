// The clearance rule's and the offset wells' members of the stored settings.
#include "clearance/settingsjson.h"

#include "i18n/i18n.h"
#include "uncertainty/settingsjson.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace settingsjson {

namespace {

// The clearance rule among the well's members.
const char *const kHoleDiameter = "holeDiameter";
const char *const kSurfaceMargin = "surfaceMargin";
const char *const kProjectAhead = "projectAhead";
const char *const kScalingFactor = "scalingFactor";
const char *const kWarningFactor = "warningFactor";
const char *const kOffsets = "offsets";
const char *const kField = "field";
// Members of one offset well; its own error model is an object of the model's members.
const char *const kName = "name";
const char *const kSlotNorth = "north";
const char *const kSlotEast = "east";
const char *const kEasting = "easting";
const char *const kNorthing = "northing";
const char *const kElevation = "elevation";
const char *const kErrorModel = "errorModel";
const char *const kModel = "model";
const char *const kParent = "parent";
const char *const kKickOff = "kickOffMd";
const char *const kStations = "stations";

bool isKnownOffsetMember(const std::string &key)
{
    for (const char *known : { kName, kSlotNorth, kSlotEast, kEasting, kNorthing, kElevation,
             kHoleDiameter, kErrorModel, kParent, kKickOff, kStations }) {
        if (key == known)
            return true;
    }
    return false;
}

Json offsetToJson(const OffsetWell &o)
{
    Json j = Json::object();
    j[kName] = o.name;
    if (o.wellhead) {
        j[kEasting] = o.wellhead->easting;
        j[kNorthing] = o.wellhead->northing;
    } else {
        j[kSlotNorth] = o.slotNorth;
        j[kSlotEast] = o.slotEast;
    }
    if (o.elevation)
        j[kElevation] = *o.elevation;
    if (o.holeDiameter != 0.0)
        j[kHoleDiameter] = o.holeDiameter;
    if (o.uncertainty) {
        Json model = Json::object();
        writeUncertainty(model, kModel, *o.uncertainty, true);
        j[kErrorModel] = std::move(model);
    }
    if (!o.parent.empty()) {
        j[kParent] = o.parent;
        j[kKickOff] = o.kickOffMd;
    }
    Json stations = Json::array();
    stations.get_ref<Json::array_t &>().reserve(o.stations.size());
    for (const well::Station &s : o.stations)
        stations.push_back(Json::array({ s.md, s.inclination, s.azimuth }));
    j[kStations] = std::move(stations);
    addOtherMembers(j, o.otherMembers);
    return j;
}

// The stations of an offset: an array of [md, inclination, azimuth].
bool readStations(Reader &in, std::vector<well::Station> &out)
{
    const Json *list = in.member(kStations);
    if (!list)
        return in.fail(kStations,
            DRV_TRANSLATE_NOOP(
                "Bohrungseinstellungen", "Der Eintrag \"%1\" ist nicht angegeben."));
    if (!list->is_array() || list->size() > kMaxOffsetStations)
        return in.fail(kStations,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist keine Liste von höchstens einer Million Messpunkten."));
    out.reserve(list->size());
    for (const Json &row : *list) {
        const std::string key = std::string(kStations) + "[" + std::to_string(out.size()) + "]";
        if (!row.is_array() || row.size() != 3 || !row[0].is_number() || !row[1].is_number()
            || !row[2].is_number())
            return in.fail(key,
                DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                    "Der Eintrag \"%1\" ist kein Messpunkt [Teufe, Neigung, Azimut]."));
        const well::Station s { row[0].get<double>(), row[1].get<double>(),
            row[2].get<double>() };
        if (!validOffsetStation(s))
            return in.fail(key,
                DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                    "Der Eintrag \"%1\" ist außerhalb der Grenzen (Teufe von 0 bis 1e9 m, "
                    "Neigung von 0 bis 180 Grad, Azimut von 0 bis 360 Grad)."));
        // The depths as the check of the stations compares them.
        if (!out.empty() && !(static_cast<float>(s.md) > static_cast<float>(out.back().md)))
            return in.fail(key,
                DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                    "Der Eintrag \"%1\" ist nicht tiefer als der Messpunkt davor."));
        out.push_back(s);
    }
    return true;
}

bool readOffset(const Json &object, std::size_t index, OffsetWell &o, std::string &fault)
{
    const std::string where = std::string(kOffsets) + "[" + std::to_string(index) + "].";
    if (!object.is_object()) {
        fault = i18n::arg(i18n::translate("Bohrungseinstellungen",
                              "Der Eintrag \"%1\" ist kein JSON-Objekt."),
            { std::string(kOffsets) + "[" + std::to_string(index) + "]" });
        return false;
    }
    Reader in(object, where);
    std::optional<double> north, east, easting, northing, hole, kickOff;
    const auto done = [&](bool ok) {
        if (!ok)
            fault = in.fault;
        return ok;
    };
    if (!in.text(kName, kMaxOffsetNameSize, true, o.name)
        || !in.number(kSlotNorth, validLength, north)
        || !in.number(kSlotEast, validLength, east)
        || !in.number(kEasting, validLength, easting)
        || !in.number(kNorthing, validLength, northing)
        || !in.number(kElevation, validLength, o.elevation)
        || !in.number(kHoleDiameter, validHoleDiameter, hole, kHoleDiameterRange)
        || !in.text(kParent, kMaxOffsetNameSize, false, o.parent)
        || !in.number(kKickOff, validLength, kickOff))
        return done(false);
    if (easting.has_value() != northing.has_value())
        return done(in.fail(kEasting,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist ohne Hochwert oder der Hochwert ohne Rechtswert.")));
    if (easting && (north || east))
        return done(in.fail(kSlotNorth,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist neben Rechtswert und Hochwert nicht erlaubt.")));
    if (easting)
        o.wellhead = Wellhead { *easting, *northing };
    o.slotNorth = north.value_or(0.0);
    o.slotEast = east.value_or(0.0);
    o.holeDiameter = hole.value_or(0.0);
    if (kickOff && o.parent.empty())
        return done(in.fail(kKickOff,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist nur mit \"parent\" erlaubt.")));
    if (!o.parent.empty() && !kickOff)
        return done(in.fail(kKickOff,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist nicht angegeben, den \"parent\" verlangt.")));
    if (kickOff && *kickOff < 0.0)
        return done(in.fail(kKickOff,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist keine gültige Teufe ab 0 m.")));
    o.kickOffMd = kickOff.value_or(0.0);
    if (const Json *model = in.member(kErrorModel)) {
        if (!model->is_object())
            return done(in.fail(kErrorModel,
                DRV_TRANSLATE_NOOP(
                    "Bohrungseinstellungen", "Der Eintrag \"%1\" ist kein JSON-Objekt.")));
        Reader modelIn(*model, where + kErrorModel + ".");
        UncertaintySettings u;
        if (!modelIn.member(kModel)) {
            fault = i18n::arg(i18n::translate("Bohrungseinstellungen",
                                  "Der Eintrag \"%1\" ist nicht angegeben."),
                { where + kErrorModel + "." + kModel });
            return false;
        }
        if (!readUncertainty(modelIn, kModel, u)) {
            fault = modelIn.fault;
            return false;
        }
        o.uncertainty = u;
    }
    if (!readStations(in, o.stations))
        return done(false);
    o.otherMembers = otherMembersOf(object, isKnownOffsetMember);
    return true;
}

} // namespace

bool readClearanceRule(Reader &in, ClearanceSettings &rule)
{
    return in.number(kHoleDiameter, validHoleDiameter, rule.holeDiameter, kHoleDiameterRange)
        && in.number(
            kSurfaceMargin, validClearanceLength, rule.surfaceMargin, kClearanceLengthRange)
        && in.number(kProjectAhead, validClearanceLength, rule.projectAhead, kClearanceLengthRange)
        && in.number(
            kScalingFactor, validClearanceFactor, rule.scalingFactor, kClearanceFactorRange)
        && in.number(
            kWarningFactor, validClearanceFactor, rule.warningFactor, kClearanceFactorRange);
}

void writeClearanceRule(Json &j, const ClearanceSettings &c)
{
    const ClearanceSettings rule;
    if (c.holeDiameter != rule.holeDiameter)
        j[kHoleDiameter] = c.holeDiameter;
    if (c.surfaceMargin != rule.surfaceMargin)
        j[kSurfaceMargin] = c.surfaceMargin;
    if (c.projectAhead != rule.projectAhead)
        j[kProjectAhead] = c.projectAhead;
    if (c.scalingFactor != rule.scalingFactor)
        j[kScalingFactor] = c.scalingFactor;
    if (c.warningFactor != rule.warningFactor)
        j[kWarningFactor] = c.warningFactor;
}

bool readOffsets(Reader &in, std::vector<OffsetWell> &out)
{
    const Json *offsets = in.member(kOffsets);
    if (!offsets)
        return true;
    if (!offsets->is_array()) {
        in.fault
            = i18n::translate("Bohrungseinstellungen", "Der Eintrag \"offsets\" ist keine Liste.");
        return false;
    }
    out.resize(offsets->size());
    for (std::size_t i = 0; i < offsets->size(); ++i) {
        if (!readOffset((*offsets)[i], i, out[i], in.fault))
            return false;
    }
    // The names and parents together; each value was checked where it was read.
    std::string why;
    if (!offsetsValid(out, {}, &why)) {
        in.fault = i18n::arg(
            i18n::translate("Bohrungseinstellungen", "Der Eintrag \"offsets\": %1"), { why });
        return false;
    }
    return true;
}

void writeOffsets(Json &j, const std::vector<OffsetWell> &offsets)
{
    if (offsets.empty())
        return;
    Json list = Json::array();
    for (const OffsetWell &o : offsets)
        list.push_back(offsetToJson(o));
    j[kOffsets] = std::move(list);
}

bool readFieldLink(Reader &in, std::optional<FieldLink> &out)
{
    const Json *object = in.member(kField);
    if (!object)
        return true;
    if (!object->is_object())
        return in.fail(kField,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "Der Eintrag \"%1\" ist kein JSON-Objekt."));
    Reader member(*object, std::string(kField) + ".");
    FieldLink link;
    if (!member.text("location", kMaxFieldLinkText, true, link.location)
        || !member.text("wellbore", kMaxFieldLinkText, false, link.wellbore)
        || !member.number("radius", validFieldRadius, link.radius, kFieldRadiusRange)) {
        in.fault = member.fault;
        return false;
    }
    out = std::move(link);
    return true;
}

void writeFieldLink(Json &j, const std::optional<FieldLink> &link)
{
    if (!link)
        return;
    Json f = Json::object();
    f["location"] = link->location;
    if (!link->wellbore.empty())
        f["wellbore"] = link->wellbore;
    if (link->radius)
        f["radius"] = *link->radius;
    j[kField] = std::move(f);
}

bool isClearanceMember(const std::string &key)
{
    for (const char *known : { kHoleDiameter, kSurfaceMargin, kProjectAhead, kScalingFactor,
             kWarningFactor, kOffsets, kField }) {
        if (key == known)
            return true;
    }
    return false;
}

} // namespace settingsjson
