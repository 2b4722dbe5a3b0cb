#include "geo/programform.h"

#include "geo/wellform.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace geo {

namespace {

    std::string lowered(std::string_view text)
    {
        std::string out(text);
        std::transform(out.begin(), out.end(), out.begin(),
            [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return out;
    }

    // The separator between a code and its long name in a chooser's text.
    constexpr std::string_view kDash = " \u2014 ";

    // "Abschnitt 2, Von MD (m)": the row and the field that a fault names.
    std::string where(std::size_t row, const char *field)
    {
        return i18n::arg(i18n::translate("Vermessungsprogramm", "Abschnitt %1, %2"),
            { std::to_string(row + 1), i18n::translate("Vermessungsprogramm", field) });
    }

    const char *const kFrom = DRV_TRANSLATE_NOOP("Vermessungsprogramm", "Von MD (m)");
    const char *const kTo = DRV_TRANSLATE_NOOP("Vermessungsprogramm", "Bis MD (m)");
    const char *const kTool = DRV_TRANSLATE_NOOP("Vermessungsprogramm", "Werkzeug");
    const char *const kName = DRV_TRANSLATE_NOOP("Vermessungsprogramm", "Lauf");
    const char *const kDate = DRV_TRANSLATE_NOOP("Vermessungsprogramm", "Datum");

    // The library's tool of a typed code: the code exactly, else the one code that matches
    // it in any case.
    const toollib::Tool *toolOf(const std::string &code)
    {
        if (const toollib::Tool *tool = toollib::find(code))
            return tool;
        const std::string wanted = lowered(code);
        const toollib::Tool *found = nullptr;
        for (const toollib::Tool &t : toollib::library()) {
            if (lowered(t.code) == wanted) {
                if (found)
                    return nullptr;
                found = &t;
            }
        }
        return found;
    }

    // The own tool of a typed code: the code exactly, else the one that matches it in any
    // case.
    const OwnTool *ownToolOf(const std::string &code, std::span<const OwnTool> own)
    {
        const OwnTool *found = nullptr;
        std::size_t matching = 0;
        for (const OwnTool &t : own) {
            if (t.code == code)
                return &t;
            if (lowered(t.code) == lowered(code)) {
                found = &t;
                ++matching;
            }
        }
        return matching == 1 ? found : nullptr;
    }

    // The code of a typed tool that can be computed, an own tool's before the library's;
    // empty with why not.
    std::string checkedCode(
        const std::string &typed, std::span<const OwnTool> own, std::string &why)
    {
        const std::string code = codeOfChoice(typed);
        if (code.empty()) {
            why = i18n::translate(
                "Vermessungsprogramm", "bitte einen Code aus dem Werkzeugkatalog angeben.");
            return {};
        }
        if (const OwnTool *tool = ownToolOf(code, own)) {
            const toollib::ModelOrRefusal model = toollib::modelFor(*tool);
            if (model.refusal) {
                why = model.refusal->message;
                return {};
            }
            return tool->code;
        }
        const toollib::Tool *tool = toolOf(code);
        if (!tool) {
            why = i18n::arg(i18n::translate("Vermessungsprogramm",
                                "\"%1\" ist kein Code des Werkzeugkatalogs."),
                { code });
            return {};
        }
        const toollib::ModelOrRefusal model = toollib::modelFor(*tool);
        if (model.refusal) {
            why = model.refusal->message;
            return {};
        }
        return std::string(tool->code);
    }

} // namespace

bool ProgramRow::empty() const
{
    for (const std::string *field : { &fromMd, &toMd, &tool, &name, &date }) {
        if (!geo::trimmedField(*field).empty())
            return false;
    }
    return true;
}

std::vector<ProgramRow> programRows(const std::vector<SurveyRun> &program)
{
    std::vector<ProgramRow> rows;
    for (const SurveyRun &r : program)
        rows.push_back({ geo::formNumber(r.fromMd), geo::formNumber(r.toMd), r.tool, r.name,
            r.date ? geo::formDate(*r.date) : std::string() });
    return rows;
}

bool programFromRows(const std::vector<ProgramRow> &rows, std::vector<SurveyRun> &out,
    std::string &fault, std::span<const OwnTool> own)
{
    const auto refuse
        = [&](const char *text, std::size_t row, const char *field, const std::string &value = {}) {
              fault = i18n::arg(
                  i18n::translate("Vermessungsprogramm", text), { where(row, field), value });
              return false;
          };
    std::vector<SurveyRun> program;
    std::optional<std::size_t> openRow; // a row above without an end
    std::optional<double> previousEnd;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ProgramRow &row = rows[i];
        if (row.empty())
            continue;
        if (openRow)
            return refuse(DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                              "%1: nur der letzte Abschnitt darf bis zum Ende der Bohrung "
                              "reichen; bitte eine Teufe angeben."),
                *openRow, kTo);
        SurveyRun run;
        std::optional<double> from;
        if (!geo::formField(row.fromMd, where(i, kFrom), validRunDepth, true, from, fault)
            || !geo::formField(row.toMd, where(i, kTo), validRunDepth, false, run.toMd, fault))
            return false;
        run.fromMd = *from;
        if (run.toMd && !(*run.toMd > run.fromMd))
            return refuse(DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                              "%1: das Ende muss tiefer liegen als der Anfang (Von MD)."),
                i, kTo);
        if (previousEnd && run.fromMd != *previousEnd)
            return refuse(DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                              "%1: der Abschnitt muss beginnen, wo der Abschnitt davor endet "
                              "(%2 m)."),
                i, kFrom, geo::formNumber(*previousEnd));

        std::string why;
        run.tool = checkedCode(row.tool, own, why);
        if (run.tool.empty())
            return refuse(DRV_TRANSLATE_NOOP("Vermessungsprogramm", "%1: %2"), i, kTool, why);

        run.name = geo::trimmedField(row.name);
        if (run.name.size() > kMaxRunNameSize)
            return refuse(DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                              "%1: der Name ist zu lang (höchstens 200 Bytes)."),
                i, kName);
        if (!geo::trimmedField(row.date).empty()) {
            run.date = geo::dateFromForm(row.date);
            if (!run.date)
                return refuse(DRV_TRANSLATE_NOOP("Vermessungsprogramm",
                                  "%1: \"%2\" ist kein Tag des Kalenders (TT.MM.JJJJ)."),
                    i, kDate, geo::trimmedField(row.date));
        }
        if (!run.toMd)
            openRow = i;
        previousEnd = run.toMd;
        program.push_back(std::move(run));
    }
    // What the rows cannot say on their own: the number of runs.
    if (!programValid(program, &fault))
        return false;
    out = std::move(program);
    return true;
}

bool toolProgram(const std::string &typed, const std::string &what, std::vector<SurveyRun> &out,
    std::string &fault, std::span<const OwnTool> own)
{
    std::string why;
    SurveyRun run;
    run.tool = checkedCode(typed, own, why);
    if (run.tool.empty()) {
        fault = i18n::arg(i18n::translate("Vermessungsprogramm", "%1: %2"), { what, why });
        return false;
    }
    out = { run };
    return true;
}

bool isToolProgram(const std::vector<SurveyRun> &program)
{
    return program.size() == 1 && program[0].fromMd == 0.0 && !program[0].toMd
        && program[0].name.empty() && !program[0].date;
}

std::vector<const toollib::Tool *> searchTools(std::string_view text)
{
    const std::string wanted = lowered(geo::trimmedField(std::string(text)));
    std::vector<const toollib::Tool *> found;
    for (const toollib::Tool &t : toollib::library()) {
        if (lowered(t.code).find(wanted) != std::string::npos
            || lowered(t.longName).find(wanted) != std::string::npos)
            found.push_back(&t);
    }
    return found;
}

std::vector<std::string> searchChoices(std::string_view text, std::span<const OwnTool> own)
{
    const std::string wanted = lowered(geo::trimmedField(std::string(text)));
    std::vector<std::string> found;
    for (const OwnTool &t : own) {
        if (lowered(t.code).find(wanted) != std::string::npos
            || lowered(t.description).find(wanted) != std::string::npos)
            found.push_back(choiceText(t));
    }
    for (const toollib::Tool *t : searchTools(text))
        found.push_back(choiceText(*t));
    return found;
}

std::string choiceText(const OwnTool &tool)
{
    std::string text(tool.code);
    if (!tool.description.empty())
        text += std::string(kDash) + tool.description;
    return text;
}

std::string choiceText(const toollib::Tool &tool)
{
    std::string text(tool.code);
    if (!tool.longName.empty())
        text += std::string(kDash) + std::string(tool.longName);
    return text;
}

std::string codeOfChoice(std::string_view text)
{
    const auto dash = text.find(kDash);
    return geo::trimmedField(std::string(text.substr(0, dash)));
}

} // namespace geo
