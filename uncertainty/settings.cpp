// The limits of the error model's inputs and the models' short names.
#include "uncertainty/settings.h"

#include <cmath>
#include <cstdio>
#include <string>

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

std::optional<std::size_t> runAt(const std::vector<SurveyRun> &program, double md)
{
    constexpr double kSlack = 1e-6;
    for (std::size_t i = 0; i < program.size(); ++i) {
        const SurveyRun &r = program[i];
        if (md >= r.fromMd - kSlack && (!r.toMd || md <= *r.toMd + kSlack))
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
