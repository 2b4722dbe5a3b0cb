// The error model's members of the stored settings.
#include "uncertainty/settingsjson.h"

#include "i18n/i18n.h"

#include <cmath>
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
bool readRun(Reader &run, SurveyRun &r)
{
    std::optional<double> from;
    std::string date;
    if (!run.number(kFrom, validRunDepth, from) || !run.number(kTo, validRunDepth, r.toMd)
        || !run.text(kTool, kMaxToolCodeSize, true, r.tool)
        || !run.text(kRun, kMaxRunNameSize, false, r.name) || !run.text(kDate, 10, false, date))
        return false;
    if (!from)
        return run.fail(kFrom,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "Der Eintrag \"%1\" ist nicht angegeben."));
    if (!date.empty() && !(r.date = parseIsoDate(date)))
        return run.fail(kDate,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist kein Tag des Kalenders der Form \"2025-03-14\"."));
    r.fromMd = *from;
    return true;
}

bool readProgram(Reader &in, std::vector<SurveyRun> &out)
{
    if (!in.member(kProgram))
        return true;
    std::vector<SurveyRun> program;
    if (!readObjects(in, kProgram, kMaxSurveyRuns,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist keine Liste von höchstens 100 Abschnitten."),
            program, readRun))
        return false;
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

const char *const kCode = "code";
const char *const kDescription = "description";
const char *const kInclinationMin = "inclinationMin";
const char *const kInclinationMax = "inclinationMax";
const char *const kTortuosity = "tortuosity";
const char *const kCourseLength = "courseLength";
const char *const kNoiseReduction = "noiseReduction";
const char *const kTerms = "terms";
const char *const kFunction = "function";
const char *const kMagnitude = "magnitude";
const char *const kUnit = "unit";
const char *const kPropagation = "propagation";

bool anyNumber(double v)
{
    return std::isfinite(v);
}

bool readTerm(Reader &in, OwnToolTerm &t)
{
    std::optional<double> magnitude;
    std::string propagation;
    if (!in.text(kCode, kMaxToolCodeSize, true, t.code)
        || !in.text(kFunction, kMaxToolCodeSize, true, t.function)
        || !in.number(kMagnitude, anyNumber, magnitude)
        || !in.text(kUnit, kMaxToolCodeSize, true, t.unit)
        || !in.text(kPropagation, 1, true, propagation))
        return false;
    if (!magnitude)
        return in.fail(kMagnitude,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "Der Eintrag \"%1\" ist nicht angegeben."));
    t.magnitude = *magnitude;
    t.propagation = propagation[0];
    return true;
}

} // namespace

bool readOwnTool(Reader &in, OwnTool &out)
{
    OwnTool tool;
    std::optional<double> incMin, incMax;
    if (!in.text(kCode, kMaxToolCodeSize, true, tool.code)
        || !in.text(kDescription, kMaxOwnToolTextSize, false, tool.description)
        || !in.number(kInclinationMin, anyNumber, incMin)
        || !in.number(kInclinationMax, anyNumber, incMax)
        || !in.number(kTortuosity, anyNumber, tool.tortuosity)
        || !in.number(kCourseLength, anyNumber, tool.misalignmentCourseLength)
        || !in.number(kNoiseReduction, anyNumber, tool.noiseReduction))
        return false;
    tool.inclinationMin = incMin.value_or(tool.inclinationMin);
    tool.inclinationMax = incMax.value_or(tool.inclinationMax);
    const char *const notAList = DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
        "Der Eintrag \"%1\" ist keine Liste von höchstens 200 Fehlertermen.");
    if (!in.member(kTerms))
        return in.fail(kTerms, notAList);
    if (!readObjects(in, kTerms, kMaxOwnToolTerms, notAList, tool.terms, readTerm))
        return false;
    std::string why;
    if (!ownToolValid(tool, &why)) {
        in.fault = in.where().empty() ? why
                                      : i18n::arg(i18n::translate("Bohrungseinstellungen",
                                                      "Der Eintrag \"%1\": %2"),
                                            { in.where(), why });
        return false;
    }
    out = std::move(tool);
    return true;
}

Json ownToolToJson(const OwnTool &tool)
{
    Json j = Json::object();
    j[kCode] = tool.code;
    if (!tool.description.empty())
        j[kDescription] = tool.description;
    j[kInclinationMin] = tool.inclinationMin;
    j[kInclinationMax] = tool.inclinationMax;
    if (tool.tortuosity)
        j[kTortuosity] = *tool.tortuosity;
    if (tool.misalignmentCourseLength)
        j[kCourseLength] = *tool.misalignmentCourseLength;
    if (tool.noiseReduction)
        j[kNoiseReduction] = *tool.noiseReduction;
    Json terms = Json::array();
    for (const OwnToolTerm &t : tool.terms) {
        Json term = Json::object();
        term[kCode] = t.code;
        term[kFunction] = t.function;
        term[kMagnitude] = t.magnitude;
        term[kUnit] = t.unit;
        term[kPropagation] = std::string(1, t.propagation);
        terms.push_back(std::move(term));
    }
    j[kTerms] = std::move(terms);
    return j;
}

bool readOwnTools(Reader &in, const char *member, std::vector<OwnTool> &out)
{
    std::vector<OwnTool> tools;
    if (!in.member(member))
        return true;
    if (!readObjects(in, member, kMaxOwnTools,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist keine Liste von höchstens 100 Werkzeugen."),
            tools, readOwnTool))
        return false;
    for (std::size_t i = 0; i < tools.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (tools[j].code == tools[i].code)
                return in.fail(std::string(member) + "[" + std::to_string(i) + "]",
                    DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                        "Der Eintrag \"%1\" nennt den Code %2 ein zweites Mal."),
                    tools[i].code);
        }
    }
    out = std::move(tools);
    return true;
}

void writeOwnTools(Json &j, const char *member, const std::vector<OwnTool> &tools)
{
    if (tools.empty())
        return;
    Json list = Json::array();
    for (const OwnTool &t : tools)
        list.push_back(ownToolToJson(t));
    j[member] = std::move(list);
}

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
