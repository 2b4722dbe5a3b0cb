// The limits of the error model's inputs and the models' short names.
#include "uncertainty/settings.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

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

namespace {

// A depth of the faults: "600,00 m" with the language's decimal sign.
std::string depthText(double md)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f m", md);
    std::string out(text);
    for (char &c : out) {
        if (c == '.')
            c = i18n::decimalSeparator();
    }
    return out;
}

bool programFault(std::string *fault, const char *sentence, std::size_t run,
    const std::string &more = {})
{
    if (fault)
        *fault = i18n::arg(
            i18n::translate("Vermessungsprogramm", sentence), { std::to_string(run + 1), more });
    return false;
}

} // namespace

bool validRunDepth(double md)
{
    return std::isfinite(md) && md >= 0.0 && md <= 1e9;
}

bool programValid(const std::vector<SurveyRun> &program, std::string *fault)
{
    if (program.size() > kMaxSurveyRuns) {
        if (fault)
            *fault = i18n::translate(
                "Vermessungsprogramm", "Das Vermessungsprogramm hat mehr als 100 Abschnitte.");
        return false;
    }
    for (std::size_t i = 0; i < program.size(); ++i) {
        const SurveyRun &r = program[i];
        if (r.tool.empty())
            return programFault(fault, DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                "Abschnitt %1 des Vermessungsprogramms nennt kein Werkzeug."), i);
        if (r.tool.size() > kMaxToolCodeSize || r.name.size() > kMaxRunNameSize)
            return programFault(fault, DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                "Abschnitt %1 des Vermessungsprogramms: Werkzeug oder Name ist zu lang."), i);
        if (!validRunDepth(r.fromMd) || (r.toMd && !validRunDepth(*r.toMd)))
            return programFault(fault, DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                "Abschnitt %1 des Vermessungsprogramms: die Teufen müssen von 0 bis 1e9 m "
                "reichen."), i);
        if (r.toMd && !(*r.toMd > r.fromMd))
            return programFault(fault, DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                "Abschnitt %1 des Vermessungsprogramms endet nicht unter seinem Anfang."), i);
        if (!r.toMd && i + 1 < program.size())
            return programFault(fault, DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                "Abschnitt %1 des Vermessungsprogramms hat kein Ende, ist aber nicht der "
                "letzte."), i);
        if (i > 0 && program[i - 1].toMd && r.fromMd != *program[i - 1].toMd)
            return programFault(fault, DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                "Abschnitt %1 des Vermessungsprogramms beginnt nicht, wo der Abschnitt davor "
                "endet (%2)."), i, depthText(*program[i - 1].toMd));
    }
    return true;
}

bool ownToolValid(const OwnTool &tool, std::string *fault)
{
    const auto fails = [&](const char *sentence, const std::string &more = {}) {
        if (fault)
            *fault = i18n::arg(
                i18n::translate("Vermessungsprogramm", sentence), { tool.code, more });
        return false;
    };
    if (tool.code.empty() || tool.code.size() > kMaxToolCodeSize)
        return fails(DRV_TRANSLATE_NOOP("Vermessungsprogramm",
            "Ein eigenes Werkzeug braucht einen Code von 1 bis 60 Zeichen."));
    if (tool.description.size() > kMaxOwnToolTextSize)
        return fails(DRV_TRANSLATE_NOOP(
            "Vermessungsprogramm", "Werkzeug %1: die Beschreibung ist zu lang."));
    const auto angle = [](double a) { return std::isfinite(a) && a >= 0.0 && a <= 180.0; };
    if (!angle(tool.inclinationMin) || !angle(tool.inclinationMax)
        || tool.inclinationMin > tool.inclinationMax)
        return fails(DRV_TRANSLATE_NOOP("Vermessungsprogramm",
            "Werkzeug %1: der Neigungsbereich muss von 0 bis 180° reichen, sein Anfang "
            "nicht unter seinem Ende."));
    for (const std::optional<double> &v :
        { tool.tortuosity, tool.misalignmentCourseLength, tool.noiseReduction }) {
        if (v && !(std::isfinite(*v) && *v > 0.0 && *v <= 1e6))
            return fails(DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                "Werkzeug %1: Tortuosität, Mindestlänge und Rauschfaktor müssen größer als 0 "
                "sein."));
    }
    if (tool.terms.empty() || tool.terms.size() > kMaxOwnToolTerms)
        return fails(DRV_TRANSLATE_NOOP(
            "Vermessungsprogramm", "Werkzeug %1: es braucht 1 bis 200 Fehlerterme."));
    for (std::size_t i = 0; i < tool.terms.size(); ++i) {
        const OwnToolTerm &t = tool.terms[i];
        const std::string number = std::to_string(i + 1);
        const auto text = [](const std::string &x) {
            return !x.empty() && x.size() <= kMaxToolCodeSize;
        };
        if (!text(t.code) || !text(t.function) || !text(t.unit))
            return fails(DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                             "Werkzeug %1, Fehlerterm %2: Code, Gewichtungsfunktion und "
                             "Einheit müssen angegeben sein (höchstens 60 Zeichen)."),
                number);
        if (!(std::isfinite(t.magnitude) && t.magnitude >= 0.0))
            return fails(DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                             "Werkzeug %1, Fehlerterm %2: der Betrag muss eine Zahl von "
                             "mindestens 0 sein."),
                number);
        if (std::string_view("RSWG").find(t.propagation) == std::string_view::npos
            || t.propagation == '\0')
            return fails(DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                             "Werkzeug %1, Fehlerterm %2: die Fortpflanzung ist R, S, W "
                             "oder G."),
                number);
    }
    return true;
}

std::optional<std::size_t> runAt(const std::vector<SurveyRun> &program, double md)
{
    for (std::size_t i = 0; i < program.size(); ++i) {
        if (intervalHolds(program[i].fromMd, program[i].toMd, md))
            return i;
    }
    return std::nullopt;
}

namespace unc {

std::string_view modelKey(ErrorModel model)
{
    switch (model) {
    case ErrorModel::IscwsaMwdRev4:
        return "iscwsa-mwd-rev4";
    case ErrorModel::IscwsaMwdRev5:
        return "iscwsa-mwd-rev5";
    case ErrorModel::None:
        break;
    }
    return "none";
}

std::optional<ErrorModel> modelFromKey(std::string_view key)
{
    for (ErrorModel m :
        { ErrorModel::None, ErrorModel::IscwsaMwdRev4, ErrorModel::IscwsaMwdRev5 }) {
        if (modelKey(m) == key)
            return m;
    }
    return std::nullopt;
}

} // namespace unc
