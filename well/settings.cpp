// The well settings' limits, their turns between the norths and their JSON form.
#include "well/settings.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <iterator>

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

// The error models by the names the batch tool takes (uncertainty/ names them alike), in
// the order of ErrorModel.
const std::initializer_list<const char *> kModelNames
    = { "none", "iscwsa-mwd-rev4", "iscwsa-mwd-rev5" };

bool isKnown(const std::string &key)
{
    for (const char *known : { kEasting, kNorthing, kElevation, kCrs, kNorth, kGridConvergence,
             kDeclination, kSectionAzimuth, kUnit, kErrorModel, kLatitude, kGravity, kMagField,
             kMagDip, kEllipseSigma }) {
        if (key == known)
            return true;
    }
    return false;
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
    explicit SettingsReader(const Json &object)
        : m_object(object)
    {
    }

    std::string fault;

    // `range` (if given) completes the fault: "keine gültige Zahl von -90 bis 90 Grad".
    bool number(const char *key, bool (*valid)(double), std::optional<double> &out,
        const char *range = nullptr)
    {
        const auto it = m_object.find(key);
        if (it == m_object.end())
            return true;
        if (!it->is_number() || !valid(it->get<double>()))
            return fail(key,
                range ? (std::string("keine gültige Zahl ") + range).c_str()
                      : "keine gültige Zahl");
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
        return fail(key, "keiner der erlaubten Werte");
    }

    bool epsg(std::optional<int> &out)
    {
        const auto it = m_object.find(kCrs);
        if (it == m_object.end())
            return true;
        const std::optional<int> code
            = it->is_string() ? parseEpsg(it->get_ref<const std::string &>()) : std::nullopt;
        if (!code)
            return fail(kCrs, "kein EPSG-Code der Form \"EPSG:25832\"");
        out = code;
        return true;
    }

    bool fail(const std::string &key, const char *what)
    {
        fault = "Der Eintrag \"" + key + "\" ist " + what + ".";
        return false;
    }

private:
    const Json &m_object;
};

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
    const UncertaintySettings &u = s.uncertainty, defaults;
    if (u.model != ErrorModel::None)
        j[kErrorModel] = std::data(kModelNames)[static_cast<int>(u.model)];
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
    if (!s.otherMembers.empty()) {
        const Json others = Json::parse(s.otherMembers, nullptr, false);
        if (others.is_object()) {
            for (const auto &[key, value] : others.items()) {
                if (!j.contains(key))
                    j[key] = value;
            }
        }
    }
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
        return fail("Die Einstellungen sind kein gültiger JSON-Text in UTF-8.");
    if (tooDeep)
        return fail("Die Einstellungen sind zu tief verschachtelt.");
    if (!j.is_object())
        return fail("Die Einstellungen sind kein JSON-Objekt.");

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
        || !in.choice(kErrorModel, kModelNames, s.uncertainty.model)
        || !in.number(kLatitude, validLatitude, s.uncertainty.latitude, "von -90 bis 90 Grad")
        || !in.number(kGravity, validGravity, s.uncertainty.gravity, kGravityRange)
        || !in.number(kMagField, validTotalField, s.uncertainty.totalField, kTotalFieldRange)
        || !in.number(kMagDip, validDip, s.uncertainty.dip, "von -90 bis 90 Grad")
        || !in.number(
            kEllipseSigma, validEllipseSigma, s.uncertainty.ellipseSigma, kEllipseSigmaRange))
        return fail(in.fault);
    if (easting.has_value() != northing.has_value())
        return fail("Der Ansatzpunkt braucht Rechtswert und Hochwert.");
    if (easting)
        s.wellhead = Wellhead { *easting, *northing };

    Json others = Json::object();
    for (const auto &[key, value] : j.items()) {
        if (!isKnown(key))
            others[key] = value;
    }
    if (!others.empty())
        s.otherMembers = others.dump();
    out = std::move(s);
    return true;
}
