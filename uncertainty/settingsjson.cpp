// The error model's members of the stored settings.
#include "uncertainty/settingsjson.h"

#include "i18n/i18n.h"

#include <string>
#include <vector>

namespace settingsjson {

namespace {

const char *const kLatitude = "latitude";
const char *const kGravity = "gravity";
const char *const kMagField = "magField";
const char *const kMagDip = "magDip";
const char *const kEllipseSigma = "ellipseSigma";
const char *const kProgram = "surveyProgram";
const char *const kFrom = "from";
const char *const kTo = "to";
const char *const kTool = "tool";
const char *const kRun = "run";
const char *const kDate = "date";

// The survey program: an array of {"from", "to", "tool", "run", "date"}, checked as a
// whole once each run was read.
bool readProgram(Reader &in, std::vector<SurveyRun> &out)
{
    const Json *list = in.member(kProgram);
    if (!list)
        return true;
    if (!list->is_array() || list->size() > kMaxSurveyRuns)
        return in.fail(kProgram,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist keine Liste von höchstens 100 Abschnitten."));
    std::vector<SurveyRun> program;
    for (const Json &object : *list) {
        const std::string key = std::string(kProgram) + "[" + std::to_string(program.size()) + "]";
        if (!object.is_object())
            return in.fail(key,
                DRV_TRANSLATE_NOOP(
                    "Bohrungseinstellungen", "Der Eintrag \"%1\" ist kein JSON-Objekt."));
        Reader run(object, in.where() + key + ".");
        SurveyRun r;
        std::optional<double> from;
        std::string date;
        const bool read = run.number(kFrom, validRunDepth, from)
            && run.number(kTo, validRunDepth, r.toMd)
            && run.text(kTool, kMaxToolCodeSize, true, r.tool)
            && run.text(kRun, kMaxRunNameSize, false, r.name) && run.text(kDate, 10, false, date);
        if (read && !from)
            run.fail(kFrom,
                DRV_TRANSLATE_NOOP(
                    "Bohrungseinstellungen", "Der Eintrag \"%1\" ist nicht angegeben."));
        else if (read && !date.empty() && !(r.date = parseIsoDate(date)))
            run.fail(kDate,
                DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                    "Der Eintrag \"%1\" ist kein Tag des Kalenders der Form \"2025-03-14\"."));
        if (!run.fault.empty()) {
            in.fault = run.fault;
            return false;
        }
        r.fromMd = *from;
        program.push_back(std::move(r));
    }
    std::string why;
    if (!programValid(program, &why)) {
        in.fault = i18n::arg(i18n::translate("Bohrungseinstellungen", "Der Eintrag \"%1\": %2"),
            { in.where() + kProgram, why });
        return false;
    }
    out = std::move(program);
    return true;
}

void writeProgram(Json &j, const std::vector<SurveyRun> &program)
{
    if (program.empty())
        return;
    Json list = Json::array();
    for (const SurveyRun &r : program) {
        Json run = Json::object();
        run[kFrom] = r.fromMd;
        if (r.toMd)
            run[kTo] = *r.toMd;
        run[kTool] = r.tool;
        if (!r.name.empty())
            run[kRun] = r.name;
        if (r.date)
            run[kDate] = isoDate(*r.date);
        list.push_back(std::move(run));
    }
    j[kProgram] = std::move(list);
}

} // namespace

bool readUncertainty(Reader &in, const char *modelMember, UncertaintySettings &u)
{
    return in.choice(modelMember, unc::modelFromKey, u.model)
        && in.number(kLatitude, validLatitude, u.latitude, kLatitudeRange)
        && in.number(kGravity, validGravity, u.gravity, kGravityRange)
        && in.number(kMagField, validTotalField, u.totalField, kTotalFieldRange)
        && in.number(kMagDip, validDip, u.dip, kLatitudeRange)
        && in.number(kEllipseSigma, validEllipseSigma, u.ellipseSigma, kEllipseSigmaRange)
        && readProgram(in, u.program);
}

void writeUncertainty(Json &j, const char *modelMember, const UncertaintySettings &u, bool withNone)
{
    const UncertaintySettings defaults;
    if (u.model != ErrorModel::None || withNone)
        j[modelMember] = std::string(unc::modelKey(u.model));
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
    writeProgram(j, u.program);
}

bool isUncertaintyMember(const std::string &key, const char *modelMember)
{
    for (const char *known :
        { modelMember, kLatitude, kGravity, kMagField, kMagDip, kEllipseSigma, kProgram }) {
        if (key == known)
            return true;
    }
    return false;
}

} // namespace settingsjson
