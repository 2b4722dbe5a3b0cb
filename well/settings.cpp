// The well settings' limits, their turns between the norths and their JSON form.
#include "well/settings.h"

#include "i18n/i18n.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <set>
#include <utility>
#include <vector>

namespace {

// Keeps the members in the order they were read or set, so that unknown members are
// written back where they were among themselves and equal settings give equal text.
using Json = nlohmann::ordered_json;

const char *const kEasting = "easting";
const char *const kNorthing = "northing";
const char *const kElevation = "elevation";
const char *const kCrs = "crs";
const char *const kNorth = "north";
const char *const kGridConvergence = "gridConvergence";
const char *const kDeclination = "declination";
const char *const kSectionAzimuth = "sectionAzimuth";
const char *const kUnit = "unit";
const char *const kErrorModel = "errorModel";
const char *const kLatitude = "latitude";
const char *const kGravity = "gravity";
const char *const kMagField = "magField";
const char *const kMagDip = "magDip";
const char *const kEllipseSigma = "ellipseSigma";
// The clearance rule and the offset wells.
const char *const kHoleDiameter = "holeDiameter";
const char *const kSurfaceMargin = "surfaceMargin";
const char *const kProjectAhead = "projectAhead";
const char *const kScalingFactor = "scalingFactor";
const char *const kWarningFactor = "warningFactor";
const char *const kOffsets = "offsets";
// Members of one offset well; its own error model is an object of the model's members.
const char *const kName = "name";
const char *const kSlotNorth = "north";
const char *const kSlotEast = "east";
const char *const kModel = "model";
const char *const kParent = "parent";
const char *const kKickOff = "kickOffMd";
const char *const kStations = "stations";

// The error models by the names the batch tool takes (uncertainty/ names them alike), in
// the order of ErrorModel.
const std::initializer_list<const char *> kModelNames
    = { "none", "iscwsa-mwd-rev4", "iscwsa-mwd-rev5" };

bool isKnown(const std::string &key)
{
    for (const char *known : { kEasting, kNorthing, kElevation, kCrs, kNorth, kGridConvergence,
             kDeclination, kSectionAzimuth, kUnit, kErrorModel, kLatitude, kGravity, kMagField,
             kMagDip, kEllipseSigma, kHoleDiameter, kSurfaceMargin, kProjectAhead, kScalingFactor,
             kWarningFactor, kOffsets }) {
        if (key == known)
            return true;
    }
    return false;
}

bool isKnownOffsetMember(const std::string &key)
{
    for (const char *known : { kName, kSlotNorth, kSlotEast, kEasting, kNorthing, kElevation,
             kHoleDiameter, kErrorModel, kParent, kKickOff, kStations }) {
        if (key == known)
            return true;
    }
    return false;
}

// The members of `object` that `known` does not name, as compact JSON; empty for none.
std::string otherMembersOf(const Json &object, bool (*known)(const std::string &))
{
    Json others = Json::object();
    for (const auto &[key, value] : object.items()) {
        if (!known(key))
            others[key] = value;
    }
    return others.empty() ? std::string() : others.dump();
}

// Adds the members of `others` (compact JSON) to `j` after its own, none twice.
void addOtherMembers(Json &j, const std::string &others)
{
    if (others.empty())
        return;
    const Json parsed = Json::parse(others, nullptr, false);
    if (!parsed.is_object())
        return;
    for (const auto &[key, value] : parsed.items()) {
        if (!j.contains(key))
            j[key] = value;
    }
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

// Reads the settings from a parsed object; the first problem ends the reading.
class SettingsReader
{
public:
    // `where` names the object in the faults: empty for the settings themselves,
    // "offsets[2]." for an offset well's.
    explicit SettingsReader(const Json &object, std::string where = {})
        : m_object(object)
        , m_where(std::move(where))
    {
    }

    std::string fault;

    // `range` (if given, a text of the catalogue) completes the fault: "keine gültige Zahl
    // von -90 bis 90 Grad".
    bool number(const char *key, bool (*valid)(double), std::optional<double> &out,
        const char *range = nullptr)
    {
        const auto it = m_object.find(key);
        if (it == m_object.end())
            return true;
        if (!it->is_number() || !valid(it->get<double>())) {
            if (!range)
                return fail(key,
                    DRV_TRANSLATE_NOOP(
                        "Bohrungseinstellungen", "Der Eintrag \"%1\" ist keine gültige Zahl."));
            return fail(key,
                DRV_TRANSLATE_NOOP(
                    "Bohrungseinstellungen", "Der Eintrag \"%1\" ist keine gültige Zahl %2."),
                i18n::translate("Bohrungseinstellungen", range));
        }
        out = it->get<double>();
        return true;
    }

    // A number that has a default in place of "not set".
    bool number(const char *key, bool (*valid)(double), double &out, const char *range)
    {
        std::optional<double> read;
        if (!number(key, valid, read, range))
            return false;
        if (read)
            out = *read;
        return true;
    }

    // One of `names`, whose index goes to `out`.
    template <typename Enum>
    bool choice(const char *key, std::initializer_list<const char *> names, Enum &out)
    {
        const auto it = m_object.find(key);
        if (it == m_object.end())
            return true;
        if (it->is_string()) {
            int index = 0;
            for (const char *name : names) {
                if (it->get_ref<const std::string &>() == name) {
                    out = static_cast<Enum>(index);
                    return true;
                }
                ++index;
            }
        }
        return fail(key,
            DRV_TRANSLATE_NOOP(
                "Bohrungseinstellungen", "Der Eintrag \"%1\" ist keiner der erlaubten Werte."));
    }

    bool epsg(std::optional<int> &out)
    {
        const auto it = m_object.find(kCrs);
        if (it == m_object.end())
            return true;
        const std::optional<int> code
            = it->is_string() ? parseEpsg(it->get_ref<const std::string &>()) : std::nullopt;
        if (!code)
            return fail(kCrs,
                DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                    "Der Eintrag \"%1\" ist kein EPSG-Code der Form \"EPSG:25832\"."));
        out = code;
        return true;
    }

    // A text of at most `maxSize` bytes; `required` refuses a missing or empty one.
    bool text(const char *key, std::size_t maxSize, bool required, std::string &out)
    {
        const auto it = m_object.find(key);
        if (it == m_object.end())
            return !required
                || fail(key,
                    DRV_TRANSLATE_NOOP(
                        "Bohrungseinstellungen", "Der Eintrag \"%1\" ist nicht angegeben."));
        if (!it->is_string() || it->get_ref<const std::string &>().size() > maxSize
            || (required && it->get_ref<const std::string &>().empty()))
            return fail(key,
                DRV_TRANSLATE_NOOP(
                    "Bohrungseinstellungen", "Der Eintrag \"%1\" ist kein gültiger Text."));
        out = it->get_ref<const std::string &>();
        return true;
    }

    // The member, when it is there.
    const Json *member(const char *key) const
    {
        const auto it = m_object.find(key);
        return it == m_object.end() ? nullptr : &*it;
    }

    // `sentence`: a text of the catalogue with the entry's name as %1 and `more` as %2.
    bool fail(const std::string &key, const char *sentence, const std::string &more = {})
    {
        fault = i18n::arg(
            i18n::translate("Bohrungseinstellungen", sentence), { m_where + key, more });
        return false;
    }

private:
    const Json &m_object;
    std::string m_where;
};

// The error model's members of `in` into `u`; false with in.fault set.
bool readUncertainty(SettingsReader &in, const char *modelKey, UncertaintySettings &u)
{
    return in.choice(modelKey, kModelNames, u.model)
        && in.number(kLatitude, validLatitude, u.latitude, kLatitudeRange)
        && in.number(kGravity, validGravity, u.gravity, kGravityRange)
        && in.number(kMagField, validTotalField, u.totalField, kTotalFieldRange)
        && in.number(kMagDip, validDip, u.dip, kLatitudeRange)
        && in.number(kEllipseSigma, validEllipseSigma, u.ellipseSigma, kEllipseSigmaRange);
}

// The error model's members that are set or differ from the default; the model itself
// under `modelKey`, always when `withNone`.
void writeUncertainty(Json &j, const char *modelKey, const UncertaintySettings &u, bool withNone)
{
    const UncertaintySettings defaults;
    if (u.model != ErrorModel::None || withNone)
        j[modelKey] = std::data(kModelNames)[static_cast<int>(u.model)];
    if (u.latitude)
        j[kLatitude] = *u.latitude;
    if (u.gravity != defaults.gravity)
        j[kGravity] = u.gravity;
    if (u.totalField)
        j[kMagField] = *u.totalField;
    if (u.dip)
        j[kMagDip] = *u.dip;
    if (u.ellipseSigma != defaults.ellipseSigma)
        j[kEllipseSigma] = u.ellipseSigma;
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
bool readStations(SettingsReader &in, std::vector<well::Station> &out)
{
    const Json *list = in.member(kStations);
    if (!list)
        return in.fail(kStations,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "Der Eintrag \"%1\" ist nicht angegeben."));
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
        const well::Station s { row[0].get<double>(), row[1].get<double>(), row[2].get<double>() };
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
        fault = i18n::arg(
            i18n::translate("Bohrungseinstellungen", "Der Eintrag \"%1\" ist kein JSON-Objekt."),
            { std::string(kOffsets) + "[" + std::to_string(index) + "]" });
        return false;
    }
    SettingsReader in(object, where);
    std::optional<double> north, east, easting, northing, hole, kickOff;
    const auto done = [&](bool ok) {
        if (!ok)
            fault = in.fault;
        return ok;
    };
    if (!in.text(kName, kMaxOffsetNameSize, true, o.name)
        || !in.number(kSlotNorth, validLength, north) || !in.number(kSlotEast, validLength, east)
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
            DRV_TRANSLATE_NOOP(
                "Bohrungseinstellungen", "Der Eintrag \"%1\" ist nur mit \"parent\" erlaubt.")));
    if (!o.parent.empty() && !kickOff)
        return done(in.fail(kKickOff,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist nicht angegeben, den \"parent\" verlangt.")));
    if (kickOff && *kickOff < 0.0)
        return done(in.fail(kKickOff,
            DRV_TRANSLATE_NOOP(
                "Bohrungseinstellungen", "Der Eintrag \"%1\" ist keine gültige Teufe ab 0 m.")));
    o.kickOffMd = kickOff.value_or(0.0);
    if (const Json *model = in.member(kErrorModel)) {
        if (!model->is_object())
            return done(in.fail(kErrorModel,
                DRV_TRANSLATE_NOOP(
                    "Bohrungseinstellungen", "Der Eintrag \"%1\" ist kein JSON-Objekt.")));
        SettingsReader modelIn(*model, where + kErrorModel + ".");
        UncertaintySettings u;
        if (!modelIn.member(kModel)) {
            fault = i18n::arg(
                i18n::translate("Bohrungseinstellungen", "Der Eintrag \"%1\" ist nicht angegeben."),
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

std::optional<double> WellSettings::turnToGrid() const
{
    switch (north) {
    case NorthReference::Grid:
        return 0.0;
    case NorthReference::True:
        if (gridConvergence)
            return -*gridConvergence;
        break;
    case NorthReference::Magnetic:
        if (declination && gridConvergence)
            return *declination - *gridConvergence;
        break;
    }
    return std::nullopt;
}

std::optional<double> WellSettings::turnToTrue() const
{
    switch (north) {
    case NorthReference::True:
        return 0.0;
    case NorthReference::Grid:
        if (gridConvergence)
            return *gridConvergence;
        break;
    case NorthReference::Magnetic:
        if (declination)
            return *declination;
        break;
    }
    return std::nullopt;
}

bool validEpsg(long long code)
{
    return code >= 1 && code <= 999999;
}

bool validTurnAngle(double degrees)
{
    return std::isfinite(degrees) && std::fabs(degrees) <= 180.0;
}

bool validAzimuth(double degrees)
{
    return std::isfinite(degrees) && degrees >= 0.0 && degrees <= 360.0;
}

bool validLength(double metres)
{
    return std::isfinite(metres) && std::fabs(metres) <= 1e9;
}

bool validLatitude(double degrees)
{
    return std::isfinite(degrees) && std::fabs(degrees) <= 90.0;
}

bool validGravity(double metresPerSecond2)
{
    return std::isfinite(metresPerSecond2) && metresPerSecond2 >= kMinGravity
        && metresPerSecond2 <= kMaxGravity;
}

bool validTotalField(double nanotesla)
{
    return std::isfinite(nanotesla) && nanotesla >= kMinTotalField && nanotesla <= kMaxTotalField;
}

bool validDip(double degrees)
{
    return validLatitude(degrees);
}

bool validEllipseSigma(double sigmas)
{
    return std::isfinite(sigmas) && sigmas > 0.0 && sigmas <= kMaxEllipseSigma;
}

bool validHoleDiameter(double metres)
{
    return std::isfinite(metres) && metres >= 0.0 && metres <= kMaxHoleDiameter;
}

bool validClearanceLength(double metres)
{
    return std::isfinite(metres) && metres >= 0.0 && metres <= kMaxClearanceLength;
}

bool validClearanceFactor(double factor)
{
    return std::isfinite(factor) && factor > 0.0 && factor <= kMaxClearanceFactor;
}

bool validOffsetStation(const well::Station &s)
{
    return validLength(s.md) && s.md >= 0.0 && std::isfinite(s.inclination) && s.inclination >= 0.0
        && s.inclination <= 180.0 && validAzimuth(s.azimuth);
}

bool offsetsValid(
    const std::vector<OffsetWell> &offsets, const std::string &wellName, std::string *fault)
{
    const auto fail = [&](const OffsetWell &o, const std::string &why) {
        if (fault)
            *fault
                = i18n::arg(i18n::translate("Bohrungseinstellungen", "Nachbarbohrung \"%1\": %2"),
                    { o.name, why });
        return false;
    };
    std::set<std::string> names;
    for (const OffsetWell &o : offsets) {
        if (o.name.empty() || o.name.size() > kMaxOffsetNameSize) {
            if (fault)
                *fault = i18n::translate("Bohrungseinstellungen",
                    "Eine Nachbarbohrung braucht einen Namen (höchstens 200 Bytes).");
            return false;
        }
        if (!names.insert(o.name).second)
            return fail(
                o, i18n::translate("Bohrungseinstellungen", "der Name ist doppelt vergeben."));
        if (!wellName.empty() && o.name == wellName)
            return fail(o,
                i18n::translate("Bohrungseinstellungen", "der Name ist der der Bohrung selbst."));
        if (o.stations.empty() || o.stations.size() > kMaxOffsetStations)
            return fail(o,
                i18n::translate(
                    "Bohrungseinstellungen", "sie braucht Messpunkte (höchstens eine Million)."));
        for (std::size_t i = 0; i < o.stations.size(); ++i) {
            const well::Station &st = o.stations[i];
            if (!validOffsetStation(st))
                return fail(o,
                    i18n::arg(i18n::translate("Bohrungseinstellungen",
                                  "der Messpunkt %1 liegt außerhalb der Grenzen (Teufe von 0 bis "
                                  "1e9 m, Neigung von 0 bis 180 Grad, Azimut von 0 bis 360 Grad)."),
                        { std::to_string(i + 1) }));
            if (i > 0 && !(static_cast<float>(st.md) > static_cast<float>(o.stations[i - 1].md)))
                return fail(o,
                    i18n::arg(i18n::translate("Bohrungseinstellungen",
                                  "der Messpunkt %1 liegt nicht tiefer als der davor."),
                        { std::to_string(i + 1) }));
        }
        if (!validLength(o.slotNorth) || !validLength(o.slotEast)
            || (o.wellhead
                && (!validLength(o.wellhead->easting) || !validLength(o.wellhead->northing)))
            || (o.elevation && !validLength(*o.elevation)))
            return fail(o,
                i18n::translate(
                    "Bohrungseinstellungen", "die Lage oder Höhe liegt außerhalb von 1e9 m."));
        if (!validHoleDiameter(o.holeDiameter))
            return fail(o,
                i18n::arg(i18n::translate(
                              "Bohrungseinstellungen", "der Bohrlochdurchmesser liegt nicht %1."),
                    { i18n::translate("Bohrungseinstellungen", kHoleDiameterRange) }));
        if (const auto &u = o.uncertainty; u
            && ((u->latitude && !validLatitude(*u->latitude)) || !validGravity(u->gravity)
                || (u->totalField && !validTotalField(*u->totalField))
                || (u->dip && !validDip(*u->dip)) || !validEllipseSigma(u->ellipseSigma)))
            return fail(o,
                i18n::translate("Bohrungseinstellungen",
                    "ein Wert des Fehlermodells liegt außerhalb seiner Grenzen."));
        if (!o.parent.empty() && o.parent.size() > kMaxOffsetNameSize)
            return fail(o,
                i18n::translate(
                    "Bohrungseinstellungen", "der Name der Mutterbohrung ist zu lang."));
        if (!o.parent.empty() && !(validLength(o.kickOffMd) && o.kickOffMd >= 0.0))
            return fail(o,
                i18n::translate(
                    "Bohrungseinstellungen", "die Abzweigteufe ist keine Teufe ab 0 m."));
    }
    // Following the parents from any offset must leave the offsets or end at a well of
    // its own; coming back means a sidetrack of itself.
    for (const OffsetWell &o : offsets) {
        const OffsetWell *at = &o;
        for (std::size_t steps = 0; at && !at->parent.empty(); ++steps) {
            if (at->parent == o.name || steps > offsets.size())
                return fail(o,
                    i18n::translate("Bohrungseinstellungen",
                        "sie ist über ihre Mutterbohrungen ein Seitenast ihrer selbst."));
            const OffsetWell *next = nullptr;
            for (const OffsetWell &p : offsets) {
                if (p.name == at->parent)
                    next = &p;
            }
            at = next;
        }
    }
    return true;
}

std::optional<int> parseEpsg(std::string_view text)
{
    constexpr std::string_view prefix = "EPSG:";
    if (text.size() <= prefix.size())
        return std::nullopt;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c
            = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
        if (c != prefix[i])
            return std::nullopt;
    }
    const std::string_view digits = text.substr(prefix.size());
    if (digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int code = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), code);
    if (!validEpsg(code))
        return std::nullopt;
    return code;
}

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
    writeUncertainty(j, kErrorModel, s.uncertainty, false);
    const ClearanceSettings &c = s.clearance, rule;
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
    if (!s.offsets.empty()) {
        Json offsets = Json::array();
        for (const OffsetWell &o : s.offsets)
            offsets.push_back(offsetToJson(o));
        j[kOffsets] = std::move(offsets);
    }
    addOtherMembers(j, s.otherMembers);
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
    SettingsReader in(j);
    std::optional<double> easting, northing;
    if (!in.number(kEasting, validLength, easting) || !in.number(kNorthing, validLength, northing)
        || !in.number(kElevation, validLength, s.elevation) || !in.epsg(s.epsg)
        || !in.choice(kNorth, { "true", "grid", "magnetic" }, s.north)
        || !in.number(kGridConvergence, validTurnAngle, s.gridConvergence)
        || !in.number(kDeclination, validTurnAngle, s.declination)
        || !in.number(kSectionAzimuth, validAzimuth, s.sectionAzimuth)
        || !in.choice(kUnit, { "m", "ft" }, s.unit)
        || !readUncertainty(in, kErrorModel, s.uncertainty)
        || !in.number(
            kHoleDiameter, validHoleDiameter, s.clearance.holeDiameter, kHoleDiameterRange)
        || !in.number(
            kSurfaceMargin, validClearanceLength, s.clearance.surfaceMargin, kClearanceLengthRange)
        || !in.number(
            kProjectAhead, validClearanceLength, s.clearance.projectAhead, kClearanceLengthRange)
        || !in.number(
            kScalingFactor, validClearanceFactor, s.clearance.scalingFactor, kClearanceFactorRange)
        || !in.number(
            kWarningFactor, validClearanceFactor, s.clearance.warningFactor, kClearanceFactorRange))
        return fail(in.fault);
    if (easting.has_value() != northing.has_value())
        return fail(i18n::translate(
            "Bohrungseinstellungen", "Der Ansatzpunkt braucht Rechtswert und Hochwert."));
    if (easting)
        s.wellhead = Wellhead { *easting, *northing };

    if (const Json *offsets = in.member(kOffsets)) {
        if (!offsets->is_array())
            return fail(i18n::translate(
                "Bohrungseinstellungen", "Der Eintrag \"offsets\" ist keine Liste."));
        s.offsets.resize(offsets->size());
        std::string why;
        for (std::size_t i = 0; i < offsets->size(); ++i) {
            if (!readOffset((*offsets)[i], i, s.offsets[i], why))
                return fail(why);
        }
        // The names and parents together; each value was checked where it was read.
        if (!offsetsValid(s.offsets, {}, &why))
            return fail(i18n::arg(
                i18n::translate("Bohrungseinstellungen", "Der Eintrag \"offsets\": %1"), { why }));
    }
    s.otherMembers = otherMembersOf(j, isKnown);
    out = std::move(s);
    return true;
}
