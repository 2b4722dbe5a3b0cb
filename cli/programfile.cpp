// The survey program from a table file.
#include "cli/programfile.h"

#include "exchange/delimitedtext.h"
#include "exchange/tablefile.h"
#include "geo/programform.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

namespace cli {

namespace {

    std::string lowered(std::string_view text)
    {
        std::string out;
        for (char c : text) {
            if (c != ' ')
                out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return out;
    }

    // The headings of the columns, English and German, in the order of ProgramRow's
    // fields: from, to, tool, run, date.
    constexpr std::array<std::array<const char *, 2>, 5> kHeadings { { { "from", "von" },
        { "to", "bis" }, { "tool", "werkzeug" }, { "run", "lauf" }, { "date", "datum" } } };

} // namespace

bool readProgramFile(const std::string &path, std::vector<SurveyRun> &program,
    std::string &fault, const std::vector<OwnTool> &ownTools)
{
    const auto fail = [&](const std::string &why) {
        fault = "--survey-program " + path + ": " + why;
        return false;
    };
    std::string bytes;
    exchange::TableFault read;
    if (!exchange::readTableFile(path, bytes, read))
        return fail(read.message);
    exchange::DelimitedRead table
        = exchange::readDelimited(exchange::decodeText(bytes), exchange::Delimiter::Automatic);
    if (table.fault)
        return fail(table.fault->message);
    const auto &rows = table.table.rows;
    const auto heading = std::find_if(
        rows.begin(), rows.end(), [](const std::vector<exchange::Cell> &r) { return !r.empty(); });
    if (heading == rows.end())
        return fail(i18n::translate("Batch", "Die Tabelle ist leer."));
    // Each field's column by its heading (a heading may carry a unit: "Von (m)").
    std::array<std::optional<std::size_t>, 5> column;
    for (std::size_t c = 0; c < heading->size(); ++c) {
        std::string name = lowered((*heading)[c].text);
        name = name.substr(0, name.find('('));
        for (std::size_t f = 0; f < kHeadings.size(); ++f) {
            if (!column[f] && (name == kHeadings[f][0] || name == kHeadings[f][1]))
                column[f] = c;
        }
    }
    for (std::size_t f = 0; f < 3; ++f) {
        if (!column[f])
            return fail(i18n::translate("Batch",
                "Die Tabelle braucht die Spalten Von, Bis und Werkzeug (oder From, To und "
                "Tool) in ihrer ersten Zeile."));
    }
    std::vector<geo::ProgramRow> programRows;
    for (auto row = heading + 1; row != rows.end(); ++row) {
        const auto field = [&](std::size_t f) {
            return column[f] && *column[f] < row->size() ? std::string((*row)[*column[f]].text)
                                                         : std::string();
        };
        programRows.push_back({ field(0), field(1), field(2), field(3), field(4) });
    }
    std::vector<SurveyRun> runs;
    std::string why;
    if (!geo::programFromRows(programRows, runs, why, ownTools))
        return fail(why);
    if (runs.empty())
        return fail(i18n::translate("Batch", "Die Tabelle nennt keinen Lauf."));
    program = std::move(runs);
    return true;
}

} // namespace cli
