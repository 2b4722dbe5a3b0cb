// Header detection, column mapping, number reading and the station lines of a table.
#include "exchange/stationmapping.h"

#include "core/cformat.h"
#include "core/decimalsign.h"
#include "core/units.h"
#include "core/utf8.h"
#include "exchange/delimitedtext.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace exchange {

namespace {

    // Rows searched for the headings; a survey export has its heading near the top.
    constexpr int kHeaderSearchRows = 200;
    // Rows looked at to decide the decimal sign.
    constexpr int kDecimalSearchRows = 1000;
    const std::array<std::vector<std::string>, 3> &usualNames()
    {
        // Normalised: lower case, no blanks or punctuation.
        static const std::array<std::vector<std::string>, 3> names {
            std::vector<std::string> { "teufe", "messteufe", "bohrteufe", "bohrlochteufe", "tiefe",
                "md", "depth", "measureddepth", "mdepth", "dept" },
            std::vector<std::string> { "neigung", "neigungswinkel", "inkl", "inklination", "inc",
                "incl", "inclination", "neig", "devi" },
            std::vector<std::string> {
                "azimut", "azimutwinkel", "azi", "azim", "az", "azimuth", "richtung", "hazi" },
        };
        return names;
    }

    // The letters a heading's name is made of: ASCII letters and digits and the letters
    // of Latin-1 (U+00C0 to U+00FF); anything else only separates words.
    bool isNameCharacter(char32_t c)
    {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')
            || (c >= 0xC0 && c <= 0xFF);
    }

    // The no-break space that spreadsheet programs put around numbers.
    constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

    std::string_view trimmed(std::string_view text)
    {
        for (;;) {
            if (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
                text.remove_prefix(1);
            else if (text.starts_with(kNoBreakSpace))
                text.remove_prefix(kNoBreakSpace.size());
            else
                break;
        }
        for (;;) {
            if (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
                text.remove_suffix(1);
            else if (text.ends_with(kNoBreakSpace))
                text.remove_suffix(kNoBreakSpace.size());
            else
                break;
        }
        return text;
    }

    bool isEmptyCell(const Cell *cell)
    {
        return !cell || trimmed(cell->text).empty();
    }

    // Every column's index must be distinct and chosen.
    bool complete(const std::array<int, 3> &columns)
    {
        for (int i = 0; i < 3; ++i) {
            if (columns[static_cast<size_t>(i)] < 0)
                return false;
            for (int j = 0; j < i; ++j)
                if (columns[static_cast<size_t>(i)] == columns[static_cast<size_t>(j)])
                    return false;
        }
        return true;
    }

    // The columns a heading row gives for the request; -1 where it gives none.
    std::array<int, 3> columnsInHeading(const Table &table, int row, const MappingRequest &request)
    {
        std::array<int, 3> columns { -1, -1, -1 };
        const auto &cells = table.rows[static_cast<size_t>(row)];
        for (size_t m = 0; m < 3; ++m) {
            const ColumnChoice &choice = request.columns[m];
            if (choice.number > 0) {
                columns[m] = choice.number - 1;
                continue;
            }
            // A name given is looked for as it is written first; a usual name such as "AZI"
            // then also finds the heading "Azimut". Without a name the usual names of the
            // column's meaning count.
            const std::string wanted = normalHeading(choice.name);
            const int meaning
                = choice.name.empty() ? static_cast<int>(m) : meaningOfHeading(choice.name);
            for (size_t c = 0; c < cells.size() && columns[m] < 0 && !wanted.empty(); ++c)
                if (normalHeading(cells[c].text) == wanted)
                    columns[m] = static_cast<int>(c);
            for (size_t c = 0; c < cells.size() && columns[m] < 0 && meaning >= 0; ++c)
                if (meaningOfHeading(cells[c].text) == meaning)
                    columns[m] = static_cast<int>(c);
        }
        return columns;
    }

    bool rowHasNumbers(
        const Table &table, int row, const std::array<int, 3> &columns, DecimalSign decimal)
    {
        for (int column : columns) {
            const Cell *cell = table.cell(row, column);
            if (!cell || !cellNumber(*cell, decimal))
                return false;
        }
        return true;
    }

    const Cell *cellIn(const std::vector<Cell> &cells, int column)
    {
        return static_cast<size_t>(column) < cells.size() ? &cells[static_cast<size_t>(column)]
                                                          : nullptr;
    }

    bool rowIsEmpty(const std::vector<Cell> &cells, const std::array<int, 3> &columns)
    {
        for (int column : columns)
            if (!isEmptyCell(cellIn(cells, column)))
                return false;
        return true;
    }

    // A row with a value its file marks as missing in a chosen column: no station there.
    bool rowLacksValue(const std::vector<Cell> &cells, const std::array<int, 3> &columns)
    {
        for (int column : columns)
            if (const Cell *cell = cellIn(cells, column); cell && cell->absent)
                return true;
        return false;
    }

    std::string columnText(int column)
    {
        return cfmt(i18n::translateFormat("Tabellenimport", "Spalte %d (%s)").c_str(), column + 1,
            columnLetters(column + 1).c_str());
    }

    TableFault fault(int row, int column, std::string text, const std::string &message)
    {
        TableFault f;
        f.row = row;
        f.column = column;
        f.text = std::move(text);
        f.message = message;
        return f;
    }

    // The heading names of the meanings not found, for a message.
    std::string missingNames(const std::array<int, 3> &columns, const MappingRequest &request)
    {
        std::string names;
        for (size_t m = 0; m < 3; ++m) {
            if (columns[m] >= 0)
                continue;
            if (!names.empty())
                names += ", ";
            names += request.columns[m].name.empty() ? meaningName(static_cast<int>(m))
                                                     : request.columns[m].name;
        }
        return names;
    }

} // namespace

std::string StationImport::status() const
{
    return cfmt(i18n::translateFormat("Tabellenimport", "%d Zeilen wurden eingelesen").c_str(),
        static_cast<int>(survey.size()));
}

std::string StationImport::notice() const
{
    if (afterFirst <= 0)
        return {};
    if (afterLast <= afterFirst)
        return cfmt(
            i18n::translateFormat("Tabellenimport", "Zeile %d nach der Tabelle nicht gelesen")
                .c_str(),
            afterFirst);
    return cfmt(
        i18n::translateFormat("Tabellenimport", "Zeilen %d bis %d nach der Tabelle nicht gelesen")
            .c_str(),
        afterFirst, afterLast);
}

std::string meaningName(int meaning)
{
    switch (meaning) {
    case Depth:
        return i18n::translate("Tabellenimport", "Teufe");
    case Inclination:
        return i18n::translate("Tabellenimport", "Neigung");
    default:
        return i18n::translate("Tabellenimport", "Azimut");
    }
}

std::string positionName(int position)
{
    switch (position) {
    case Tvd:
        return i18n::translate("Tabellenimport", "TVD");
    case North:
        return i18n::translate("Tabellenimport", "Nord");
    default:
        return i18n::translate("Tabellenimport", "Ost");
    }
}

std::string readingName(int reading)
{
    switch (reading) {
    case TotalField:
        return i18n::translate("Tabellenimport", "Gesamtfeld");
    case Dip:
        return i18n::translate("Tabellenimport", "Inklination des Magnetfelds");
    default:
        return i18n::translate("Tabellenimport", "Schwere");
    }
}

namespace {

    // A unit as written, reduced for comparison: lower case, without blanks, the micro
    // sign as "u", "²" as "2" ("µT" gives "ut", "m/s²" and "m/s^2" give "m/s2").
    std::string unitKey(std::string_view text)
    {
        std::string key;
        for (size_t i = 0; i < text.size();) {
            const char32_t c = utf8::next(text, i);
            if (c == U'µ' || c == U'μ')
                key += 'u';
            else if (c == U'²')
                key += '2';
            else if (c != ' ' && c != '\t' && c != '^')
                utf8::append(key, utf8::foldCase(c));
        }
        return key;
    }

    // The factor from the unit `key` to the program's unit of a reading; nothing for a unit
    // that does not belong to it.
    std::optional<double> readingScaleOfUnit(int reading, const std::string &key)
    {
        constexpr double kStandardGravity = 9.80665; // m/s² per g
        constexpr double kNanoteslaPerGauss = 1e5;
        struct Unit
        {
            int reading;
            std::string_view key;
            double scale;
        };
        static constexpr Unit units[] = {
            { TotalField, "nt", 1 },
            { TotalField, "nanotesla", 1 },
            { TotalField, "ut", 1000 },
            { TotalField, "gauss", kNanoteslaPerGauss },
            { TotalField, "gs", kNanoteslaPerGauss },
            { Dip, "deg", 1 },
            { Dip, "degree", 1 },
            { Dip, "degrees", 1 },
            { Dip, "grad", 1 },
            { Dip, "°", 1 },
            { Gravity, "m/s2", 1 },
            { Gravity, "ms2", 1 },
            { Gravity, "ms-2", 1 },
            { Gravity, "m/s/s", 1 },
            { Gravity, "g", kStandardGravity },
            { Gravity, "mg", kStandardGravity / 1000 },
        };
        for (const Unit &unit : units)
            if (unit.reading == reading && unit.key == key)
                return unit.scale;
        return std::nullopt;
    }

    int readingOfName(std::string_view name)
    {
        // Normalised as headings are. "Inklination" is not among the dip's names: it is one
        // of the hole's inclination.
        static const std::array<std::vector<std::string_view>, 3> names {
            std::vector<std::string_view> { "gesamtfeld", "totalintensität", "btotal",
                "totalfield", "magfield", "btot" },
            std::vector<std::string_view> { "dip", "magneticdip", "magdip" },
            std::vector<std::string_view> { "gtotal", "gravity", "schwere", "gtot" },
        };
        if (name.empty())
            return -1;
        for (size_t q = 0; q < 3; ++q)
            for (std::string_view usual : names[q])
                if (name == usual)
                    return static_cast<int>(q);
        return -1;
    }

    // A heading split into its name and the unit it names: in brackets ("Btotal [µT]"),
    // after a slash ("Gtotal/g") or as a last word that is a unit of the reading
    // ("Btotal nT"); `unit` is empty when it names none.
    int splitReadingHeading(const std::string &text, std::string &unit)
    {
        unit.clear();
        if (const int q = readingOfName(normalHeading(text)); q >= 0) {
            int depth = 0;
            bool slash = false;
            for (size_t i = 0; i < text.size();) {
                const size_t start = i;
                const char32_t c = utf8::next(text, i);
                if (c == '(' || c == '[' || c == '{')
                    ++depth;
                else if (c == ')' || c == ']' || c == '}')
                    depth = std::max(0, depth - 1);
                else if (c == '/' && depth == 0 && !slash)
                    slash = true;
                else if (depth > 0 || slash)
                    unit.append(text, start, i - start);
            }
            unit = unitKey(unit);
            return q;
        }
        const std::string_view whole = trimmed(text);
        const size_t blank = whole.find_last_of(" \t");
        if (blank == std::string_view::npos)
            return -1;
        const int q = readingOfName(normalHeading(std::string(whole.substr(0, blank))));
        const std::string key = unitKey(whole.substr(blank + 1));
        if (q < 0 || !readingScaleOfUnit(q, key))
            return -1;
        unit = key;
        return q;
    }

} // namespace

int readingOfHeading(const std::string &text)
{
    std::string unit;
    return splitReadingHeading(text, unit);
}

std::optional<double> readingScaleOfHeading(int reading, const std::string &text)
{
    std::string unit;
    splitReadingHeading(text, unit);
    if (unit.empty())
        return 1.0;
    return readingScaleOfUnit(reading, unit);
}

int positionOfHeading(const std::string &text)
{
    // Normalised as headings are: "+N/-S" and "N/S" give "n", "N-S" gives "ns". A single
    // letter is taken only as the whole heading, so that no other column is misread.
    static const std::array<std::vector<std::string_view>, 3> names {
        std::vector<std::string_view> {
            "tvd", "seigerteufe", "truevertikaldepth", "trueverticaldepth" },
        std::vector<std::string_view> { "n", "nord", "north", "ns" },
        std::vector<std::string_view> { "e", "ost", "east", "ew" },
    };
    const std::string name = normalHeading(text);
    auto lookup = [](std::string_view candidate) {
        for (size_t p = 0; p < 3; ++p)
            for (std::string_view usual : names[p])
                if (candidate == usual)
                    return static_cast<int>(p);
        return -1;
    };
    if (name.empty())
        return -1;
    if (const int p = lookup(name); p >= 0)
        return p;
    // A unit written without brackets: "TVD m", "North ft".
    for (std::string_view unit : { "inm", "inft", "m", "ft" })
        if (name.size() > unit.size() && std::string_view(name).ends_with(unit))
            if (const int p = lookup(std::string_view(name).substr(0, name.size() - unit.size()));
                p >= 0)
                return p;
    return -1;
}

std::string normalHeading(const std::string &text)
{
    std::string out;
    int depth = 0; // inside brackets: a unit, not part of the name
    for (size_t i = 0; i < text.size();) {
        const char32_t c = utf8::next(text, i);
        if (c == '(' || c == '[' || c == '{') {
            ++depth;
        } else if (c == ')' || c == ']' || c == '}') {
            depth = std::max(0, depth - 1);
        } else if (c == '/' && depth == 0) {
            break; // "Teufe/m": what follows the slash is the unit
        } else if (depth == 0 && isNameCharacter(c)) {
            utf8::append(out, utf8::foldCase(c));
        }
    }
    return out;
}

int meaningOfHeading(const std::string &text)
{
    const std::string name = normalHeading(text);
    if (name.empty())
        return -1;
    auto lookup = [](const std::string &candidate) {
        for (size_t m = 0; m < 3; ++m)
            for (const std::string &usual : usualNames()[m])
                if (candidate == usual)
                    return static_cast<int>(m);
        return -1;
    };
    if (const int m = lookup(name); m >= 0)
        return m;
    // A unit written without brackets: "Teufe m", "MD in ft", "Neigung Grad"; the north
    // an azimuth refers to: "Azimuth Grid", "Azimut geogr.".
    for (const char *unit : { "inm", "inft", "ingrad", "indeg", "m", "ft", "grad", "deg", "grid",
             "gridnorth", "true", "truenorth", "mag", "magnetic", "geogr", "geographisch" }) {
        const std::string_view u(unit);
        if (name.size() > u.size() && std::string_view(name).ends_with(u))
            if (const int m = lookup(name.substr(0, name.size() - u.size())); m >= 0)
                return m;
    }
    // A heading broken over lines within its cell ("Azimuth⏎Grid") by its first line,
    // when the whole does not name the column ("Measured⏎Depth" does).
    if (const size_t end = text.find_first_of("\r\n"); end != std::string::npos && end > 0)
        return meaningOfHeading(text.substr(0, end));
    return -1;
}

bool headingNamesFeet(const std::string &text)
{
    // The words of the heading, lower case; the unit is one of them.
    std::string word;
    auto isFeet = [](const std::string &w) {
        return w == "ft" || w == "feet" || w == "foot" || w == "fuß" || w == "fuss";
    };
    for (size_t i = 0;;) {
        const bool end = i >= text.size();
        const char32_t c = end ? U' ' : utf8::next(text, i);
        if (isNameCharacter(c) && !(c >= '0' && c <= '9')) {
            utf8::append(word, utf8::foldCase(c));
        } else {
            if (isFeet(word))
                return true;
            word.clear();
        }
        if (end)
            return false;
    }
}

std::optional<double> cellNumber(const Cell &cell, DecimalSign decimal)
{
    return decimalNumber(
        trimmed(cell.text), cell.number || decimal != DecimalSign::Comma ? '.' : ',');
}

std::optional<double> decimalNumber(std::string_view text, char separator)
{
    // A cell keeps at most kMaxCellCharacters; a longer number is no cell's and is refused.
    if (text.size() > kMaxCellCharacters)
        return std::nullopt;
    return decimalsign::read(
        text, separator == ',' ? decimalsign::Accept::Comma : decimalsign::Accept::Point);
}

DecimalSign detectDecimal(const Table &table)
{
    int commas = 0, points = 0;
    const size_t rows = std::min<size_t>(table.rows.size(), kDecimalSearchRows);
    for (size_t r = 0; r < rows; ++r) {
        for (const Cell &cell : table.rows[r]) {
            if (cell.number)
                continue;
            if (cell.text.find(',') != std::string::npos && cellNumber(cell, DecimalSign::Comma))
                ++commas;
            else if (cell.text.find('.') != std::string::npos
                && cellNumber(cell, DecimalSign::Point))
                ++points;
        }
    }
    return commas > points ? DecimalSign::Comma : DecimalSign::Point;
}

namespace {

    // The position columns (TVD, north, east) once the station's columns and the heading
    // are decided: by number, or by heading where there is one. A column that already holds
    // another meaning is none of them. False with result.fault set when the first row is
    // to be the tie-in and a position column is missing.
    bool mapPosition(const Table &table, const MappingRequest &request, StationImport &result)
    {
        Mapping &mapping = result.mapping;
        const auto taken = [&](int column) {
            return std::find(mapping.columns.begin(), mapping.columns.end(), column)
                != mapping.columns.end()
                || std::find(mapping.position.begin(), mapping.position.end(), column)
                != mapping.position.end();
        };
        const std::vector<Cell> *heading = mapping.headerRow >= 0
            ? &table.rows[static_cast<size_t>(mapping.headerRow)]
            : nullptr;
        for (size_t p = 0; p < 3; ++p) {
            const ColumnChoice &choice = request.position[p];
            if (choice.number > 0) {
                if (choice.number <= kMaxColumns && !taken(choice.number - 1))
                    mapping.position[p] = choice.number - 1;
                continue;
            }
            if (!heading)
                continue;
            const std::string wanted = normalHeading(choice.name);
            for (size_t c = 0; c < heading->size() && mapping.position[p] < 0; ++c) {
                const std::string &text = (*heading)[c].text;
                const bool fits = wanted.empty() ? positionOfHeading(text) == static_cast<int>(p)
                                                 : normalHeading(text) == wanted;
                if (fits && !taken(static_cast<int>(c)))
                    mapping.position[p] = static_cast<int>(c);
            }
        }
        if (!request.tieInRow)
            return true;
        if (!mapping.hasPosition()) {
            std::string names;
            for (size_t p = 0; p < 3; ++p) {
                if (mapping.position[p] >= 0)
                    continue;
                if (!names.empty())
                    names += ", ";
                names += request.position[p].name.empty() ? positionName(static_cast<int>(p))
                                                          : request.position[p].name;
            }
            result.fault = fault(0, 0, {},
                cfmt(i18n::translateFormat("Tabellenimport",
                         "Die erste Zeile kann nicht der Anschlusspunkt sein: es fehlt eine "
                         "Spalte für %s.")
                         .c_str(),
                    names.c_str()));
            return false;
        }
        mapping.tieInRow = true;
        return true;
    }

    // The units a reading column's heading may name, for a message.
    std::string readingUnits(int reading)
    {
        switch (reading) {
        case TotalField:
            return "nT, µT, Gauss";
        case Dip:
            return "°, deg, Grad";
        default:
            return "m/s², g, mg";
        }
    }

    // The values a reading may hold, for a message.
    std::string readingRange(int reading)
    {
        switch (reading) {
        case TotalField:
            return i18n::translate("Tabellenimport", "über 0 bis 1000000 nT");
        case Dip:
            return i18n::translate("Tabellenimport", "-90 bis 90 Grad");
        default:
            return i18n::translate("Tabellenimport", "über 0 bis 100 m/s²");
        }
    }

    // The reading columns (total field, dip, gravity) once the other columns are decided,
    // as the position columns are, with the unit their heading names. False with
    // result.fault set when a column chosen by number holds another meaning, a column
    // chosen by name is not in the heading, or a heading names a unit that does not fit.
    bool mapReadings(const Table &table, const MappingRequest &request, StationImport &result)
    {
        Mapping &mapping = result.mapping;
        const auto meaningOf = [&](int column) -> std::string {
            for (size_t m = 0; m < 3; ++m)
                if (mapping.columns[m] == column)
                    return meaningName(static_cast<int>(m));
            for (size_t p = 0; p < 3; ++p)
                if (mapping.position[p] == column)
                    return positionName(static_cast<int>(p));
            for (size_t q = 0; q < 3; ++q)
                if (mapping.readings[q] == column)
                    return readingName(static_cast<int>(q));
            return {};
        };
        const std::vector<Cell> *heading = mapping.headerRow >= 0
            ? &table.rows[static_cast<size_t>(mapping.headerRow)]
            : nullptr;
        for (size_t q = 0; q < 3; ++q) {
            const ColumnChoice &choice = request.readings[q];
            const std::string name = readingName(static_cast<int>(q));
            if (choice.number > 0) {
                const std::string other = meaningOf(choice.number - 1);
                if (!other.empty()) {
                    result.fault = fault(0, choice.number, {},
                        cfmt(i18n::translateFormat("Tabellenimport",
                                 "Die Spalte %d (%s) ist für %s und %s gewählt.")
                                 .c_str(),
                            choice.number, columnLetters(choice.number).c_str(), other.c_str(),
                            name.c_str()));
                    return false;
                }
                if (choice.number <= kMaxColumns)
                    mapping.readings[q] = choice.number - 1;
            } else if (heading) {
                const std::string wanted = normalHeading(choice.name);
                for (size_t c = 0; c < heading->size() && mapping.readings[q] < 0; ++c) {
                    const std::string &text = (*heading)[c].text;
                    const bool fits = wanted.empty()
                        ? readingOfHeading(text) == static_cast<int>(q)
                        : normalHeading(text) == wanted;
                    if (fits && meaningOf(static_cast<int>(c)).empty())
                        mapping.readings[q] = static_cast<int>(c);
                }
            }
            if (mapping.readings[q] < 0) {
                if (choice.name.empty())
                    continue;
                result.fault = fault(0, 0, {},
                    cfmt(i18n::translateFormat(
                             "Tabellenimport", "Keine Kopfzeile mit Spalten für %s gefunden.")
                             .c_str(),
                        choice.name.c_str()));
                return false;
            }
            const Cell *cell = heading ? cellIn(*heading, mapping.readings[q]) : nullptr;
            if (!cell)
                continue;
            std::string unit;
            splitReadingHeading(cell->text, unit);
            const std::optional<double> scale
                = unit.empty() ? 1.0 : readingScaleOfUnit(static_cast<int>(q), unit);
            if (!scale) {
                result.fault = fault(mapping.headerRow + 1, mapping.readings[q] + 1,
                    std::string(cell->text),
                    cfmt(i18n::translateFormat("Tabellenimport",
                             "%s: die Einheit von „%s“ ist für %s nicht bekannt (%s).")
                             .c_str(),
                        columnText(mapping.readings[q]).c_str(), std::string(cell->text).c_str(),
                        name.c_str(), readingUnits(static_cast<int>(q)).c_str()));
                return false;
            }
            mapping.readingScale[q] = *scale;
        }
        return true;
    }

    // Decides the mapping from `table`; false with result.fault set when it cannot.
    bool mapColumns(const Table &table, const MappingRequest &request, StationImport &result)
    {
        Mapping &mapping = result.mapping;
        mapping.decimal
            = request.decimal == DecimalSign::Automatic ? detectDecimal(table) : request.decimal;
        mapping.step = std::max(1, request.step);
        const int rowCount = static_cast<int>(table.rows.size());

        bool allByNumber = true, anyByName = false;
        for (const ColumnChoice &choice : request.columns) {
            allByNumber = allByNumber && choice.number > 0;
            anyByName = anyByName || !choice.name.empty();
            if (choice.number > kMaxColumns) {
                result.fault = fault(0, choice.number, {},
                    cfmt(i18n::translateFormat("Tabellenimport",
                             "Die Spalte %d (%s) gibt es nicht: gelesen werden höchstens %d "
                             "Spalten.")
                             .c_str(),
                        choice.number, columnLetters(choice.number).c_str(), kMaxColumns));
                return false;
            }
        }

        for (size_t m = 0; m < 3; ++m) {
            for (size_t n = 0; n < m; ++n) {
                const int number = request.columns[m].number;
                if (number > 0 && number == request.columns[n].number) {
                    result.fault = fault(0, number, {},
                        cfmt(i18n::translateFormat(
                                 "Tabellenimport", "Die Spalte %d (%s) ist für %s und %s gewählt.")
                                 .c_str(),
                            number, columnLetters(number).c_str(),
                            meaningName(static_cast<int>(n)).c_str(),
                            meaningName(static_cast<int>(m)).c_str()));
                    return false;
                }
            }
        }

        std::array<int, 3> columns { -1, -1, -1 };
        int header = -1;
        if (request.headerRow > 0) {
            header = request.headerRow - 1;
            if (header >= rowCount) {
                result.fault = fault(request.headerRow, 0, {},
                    cfmt(i18n::translateFormat("Tabellenimport",
                             "Die Kopfzeile %d gibt es nicht: die Tabelle hat %d Zeilen.")
                             .c_str(),
                        request.headerRow, rowCount));
                return false;
            }
            columns = columnsInHeading(table, header, request);
            if (!complete(columns)) {
                result.fault = fault(request.headerRow, 0, {},
                    cfmt(i18n::translateFormat(
                             "Tabellenimport", "In der Kopfzeile %d fehlt eine Spalte für: %s.")
                             .c_str(),
                        request.headerRow, missingNames(columns, request).c_str()));
                return false;
            }
        } else if (allByNumber) {
            for (size_t m = 0; m < 3; ++m)
                columns[m] = request.columns[m].number - 1;
        } else if (request.headerRow < 0) {
            for (int r = 0; r < std::min(rowCount, kHeaderSearchRows) && header < 0; ++r) {
                const std::array<int, 3> found = columnsInHeading(table, r, request);
                if (complete(found)) {
                    header = r;
                    columns = found;
                }
            }
        }
        if (!complete(columns) && anyByName) {
            result.fault = fault(0, 0, {},
                request.headerRow == 0 ? (i18n::translate("Tabellenimport",
                    "Ohne Kopfzeile können Spalten nur über ihre Nummer gewählt werden."))
                                       : cfmt(i18n::translateFormat("Tabellenimport",
                                                  "Keine Kopfzeile mit Spalten für %s gefunden.")
                                                  .c_str(),
                                           missingNames({ -1, -1, -1 }, request).c_str()));
            return false;
        }
        if (!complete(columns)) {
            // No heading names the columns: the first row with enough numbers gives them, in
            // the order depth, inclination, azimuth, around those chosen by number.
            std::array<int, 3> numbered { -1, -1, -1 };
            for (size_t m = 0; m < 3; ++m)
                numbered[m] = request.columns[m].number - 1;
            for (int r = 0; r < rowCount && !complete(columns); ++r) {
                columns = numbered;
                const auto &cells = table.rows[static_cast<size_t>(r)];
                size_t m = 0;
                for (size_t c = 0; c < cells.size() && m < 3; ++c) {
                    while (m < 3 && columns[m] >= 0)
                        ++m;
                    if (m == 3)
                        break;
                    const int column = static_cast<int>(c);
                    if (std::find(numbered.begin(), numbered.end(), column) == numbered.end()
                        && cellNumber(cells[c], mapping.decimal))
                        columns[m++] = column;
                }
            }
            if (!complete(columns)) {
                result.fault = fault(0, 0, {},
                    i18n::translate("Tabellenimport",
                        "Keine Zeile der Tabelle enthält drei Zahlen für Teufe, Neigung und "
                        "Azimut."));
                return false;
            }
        }
        mapping.columns = columns;

        // The data begin with the first row below the heading whose chosen cells all hold
        // numbers; rows between (units, remarks) are passed over.
        int first = header + 1;
        while (first < rowCount && !rowHasNumbers(table, first, columns, mapping.decimal))
            ++first;
        if (first >= rowCount) {
            result.fault = fault(0, 0, {},
                cfmt(i18n::translateFormat("Tabellenimport",
                         "Keine Zeile enthält Zahlen in den Spalten %s, %s und %s.")
                         .c_str(),
                    columnLetters(columns[0] + 1).c_str(), columnLetters(columns[1] + 1).c_str(),
                    columnLetters(columns[2] + 1).c_str()));
            return false;
        }
        mapping.firstDataRow = first;
        if (header < 0 && request.headerRow != 0) {
            // The nearest row above the data that holds anything, shown as the heading.
            for (int r = first - 1; r >= 0 && header < 0; --r)
                if (!table.rows[static_cast<size_t>(r)].empty())
                    header = r;
        }
        mapping.headerRow = header;
        if (!mapPosition(table, request, result) || !mapReadings(table, request, result))
            return false;

        mapping.unit = request.unit;
        if (mapping.unit == DepthUnit::Automatic) {
            // The heading names the unit ("MD [ft]"), or a unit row below it ("( ft )")
            // does, in any row between the heading and the data.
            mapping.unit = DepthUnit::Metres;
            for (int r = std::max(header, 0); r < first && header >= 0; ++r) {
                const Cell *cell = table.cell(r, columns[Depth]);
                if (cell && headingNamesFeet(cell->text))
                    mapping.unit = DepthUnit::Feet;
            }
        }
        return true;
    }

    bool rowHasText(const std::vector<Cell> &cells)
    {
        return std::any_of(
            cells.begin(), cells.end(), [](const Cell &cell) { return !isEmptyCell(&cell); });
    }

    // Converts the data rows one by one, from a table or as they are split, and tells
    // where the table ends.
    //
    // Inside or after: a row that does not give three numbers is held back unless its
    // depth cell holds a number not below the last station's (then it is a station with
    // a faulty cell, refused at once). The next row that is not blank in the chosen
    // columns decides about a held row: a station whose depth continues the table makes
    // it a faulty row inside the table; anything else (more text, a second table whose
    // depths start again, the end of the file) shows that the table ended before it.
    // Depths are compared as the cells give them, in one unit.
    class RowConverter
    {
    public:
        explicit RowConverter(StationImport &result)
            : m_result(result)
            , m_mapping(result.mapping)
            , m_feet(result.mapping.unit == DepthUnit::Feet)
        {
        }

        // Takes row `r` (from 0); false when it refuses the table (the fault is set and the
        // stations are dropped).
        bool add(int r, const std::vector<Cell> &cells)
        {
            if (m_ended) {
                if (rowHasText(cells))
                    m_result.afterLast = r + 1;
                return true;
            }
            const std::array<int, 3> &columns = m_mapping.columns;
            // A row whose file marks a chosen value as missing is no station, as a blank one.
            if (rowIsEmpty(cells, columns) || rowLacksValue(cells, columns)) {
                if (m_held && rowHasText(cells))
                    m_heldLast = r + 1;
                return true;
            }
            std::array<double, 3> values {};
            std::optional<TableFault> refusal;
            std::optional<double> depthCell;
            for (size_t m = 0; m < 3 && !refusal; ++m) {
                const Cell *cell = cellIn(cells, columns[m]);
                std::optional<double> number;
                if (cell)
                    number = cellNumber(*cell, m_mapping.decimal);
                if (m == Depth)
                    depthCell = number;
                if (number)
                    values[m] = m == Depth && m_feet ? units::feetToMetres(*number) : *number;
                // The results table computes in single precision: a value it cannot hold is
                // refused here, with its cell, rather than lost there.
                if (number && std::isfinite(static_cast<float>(values[m])))
                    continue;
                const std::string text = cell ? std::string(cell->text) : std::string();
                const std::string where
                    = cfmt(i18n::translateFormat("Tabellenimport", "Zeile %d, %s").c_str(), r + 1,
                        columnText(columns[m]).c_str());
                const std::string meaning = meaningName(static_cast<int>(m));
                const char *name = meaning.c_str();
                std::string message;
                if (!number && isEmptyCell(cell))
                    message = cfmt(
                        i18n::translateFormat("Tabellenimport", "%s: die Zelle für %s ist leer.")
                            .c_str(),
                        where.c_str(), name);
                else if (!number)
                    message = cfmt(
                        i18n::translateFormat("Tabellenimport", "%s: „%s“ ist keine Zahl für %s.")
                            .c_str(),
                        where.c_str(), text.c_str(), name);
                else
                    message = cfmt(
                        i18n::translateFormat("Tabellenimport", "%s: „%s“ ist zu groß für %s.")
                            .c_str(),
                        where.c_str(), text.c_str(), name);
                refusal = fault(r + 1, columns[m] + 1, text, message);
            }
            const bool continues = depthCell && (!m_lastDepth || *depthCell >= *m_lastDepth);
            if (refusal) {
                if (continues && !m_held)
                    return refuse(*refusal);
                if (m_held)
                    return end(r + 1); // a second row that is no station: the table ended
                m_held = refusal;
                m_heldLast = r + 1;
                return true;
            }
            if (m_held) {
                if (continues)
                    return refuse(*m_held);
                return end(r + 1); // a second table with depths of its own
            }
            // The readings are read for every station row, kept or thinned out, so that a
            // faulty cell refuses the table whichever step is chosen.
            well::FieldReading reading;
            if (m_mapping.hasReadings() && !takeReadings(r, cells, reading))
                return false;
            if (m_result.records == 0 && m_mapping.tieInRow) {
                std::optional<well::TieIn> tieIn;
                if (!takeTieIn(r, cells, values, tieIn))
                    return false;
                if (tieIn) {
                    // The tie-in is where the first interval begins: the depths go on from it,
                    // and the thinning counts the stations after it.
                    m_result.tieIn = tieIn;
                    m_lastDepth = depthCell;
                    ++m_result.records;
                    m_skipped = 1;
                    return true;
                }
            }
            m_lastDepth = depthCell;
            ++m_result.records;
            const int counted = m_result.records - m_skipped;
            if (counted == 1 || counted % m_mapping.step == 0) {
                m_result.survey.add({ values[Depth], values[Inclination], values[Azimuth] });
                if (reading.anyMeasured()) {
                    reading.md = values[Depth];
                    m_result.fieldReadings.push_back(reading);
                }
            }
            return true;
        }

        // After the last row: a row still held back followed the table.
        void finish()
        {
            if (m_held && !m_ended)
                end(m_heldLast);
        }

    private:
        // The first station's row with its position as the tie-in; `tieIn` stays empty for
        // a row at the surface. False when the row refuses the table.
        bool takeTieIn(int r, const std::vector<Cell> &cells, const std::array<double, 3> &values,
            std::optional<well::TieIn> &tieIn)
        {
            std::array<double, 3> position {};
            for (size_t p = 0; p < 3; ++p) {
                const Cell *cell = cellIn(cells, m_mapping.position[p]);
                const std::optional<double> number
                    = cell ? cellNumber(*cell, m_mapping.decimal) : std::nullopt;
                if (number) {
                    position[p] = m_feet ? units::feetToMetres(*number) : *number;
                    continue;
                }
                const std::string text = cell ? std::string(cell->text) : std::string();
                const std::string where
                    = cfmt(i18n::translateFormat("Tabellenimport", "Zeile %d, %s").c_str(), r + 1,
                        columnText(m_mapping.position[p]).c_str());
                const std::string name = positionName(static_cast<int>(p));
                return refuse(fault(r + 1, m_mapping.position[p] + 1, text,
                    isEmptyCell(cell) ? cfmt(
                        i18n::translateFormat("Tabellenimport", "%s: die Zelle für %s ist leer.")
                            .c_str(),
                        where.c_str(), name.c_str())
                                      : cfmt(i18n::translateFormat("Tabellenimport",
                                                 "%s: „%s“ ist keine Zahl für %s.")
                                                 .c_str(),
                                          where.c_str(), text.c_str(), name.c_str())));
            }
            const well::TieIn candidate { values[Depth], position[Tvd], position[North],
                position[East], values[Inclination], values[Azimuth] };
            if (candidate.md == 0 && candidate.tvd == 0 && candidate.north == 0
                && candidate.east == 0)
                return true; // the surface: the survey's first station, as always
            if (!well::validTieIn(candidate))
                return refuse(fault(r + 1, 0, {},
                    cfmt(i18n::translateFormat("Tabellenimport",
                             "Zeile %d ist kein gültiger Anschlusspunkt: Teufe ab 0 m, Längen "
                             "bis 10⁹ m, Neigung 0 bis 180 Grad, Azimut 0 bis 360 Grad.")
                             .c_str(),
                        r + 1)));
            tieIn = candidate;
            return true;
        }

        // The reading cells of row `r`: an empty one (or one its file marks as missing)
        // gives no reading of its quantity; anything else must be a number whose value in
        // the program's unit a reading may hold. False when the row refuses the table.
        bool takeReadings(int r, const std::vector<Cell> &cells, well::FieldReading &reading)
        {
            for (size_t q = 0; q < 3; ++q) {
                const int column = m_mapping.readings[q];
                if (column < 0)
                    continue;
                const Cell *cell = cellIn(cells, column);
                if (isEmptyCell(cell) || cell->absent)
                    continue;
                const std::optional<double> number = cellNumber(*cell, m_mapping.decimal);
                const double value = number ? *number * m_mapping.readingScale[q] : 0;
                if (number
                    && well::validFieldValue(static_cast<well::FieldQuantity>(q), value)) {
                    reading.measured[q] = value;
                    continue;
                }
                const std::string text(cell->text);
                const std::string where
                    = cfmt(i18n::translateFormat("Tabellenimport", "Zeile %d, %s").c_str(), r + 1,
                        columnText(column).c_str());
                const std::string name = readingName(static_cast<int>(q));
                return refuse(fault(r + 1, column + 1, text,
                    number ? cfmt(i18n::translateFormat("Tabellenimport",
                                      "%s: „%s“ ist kein möglicher Wert für %s (%s).")
                                      .c_str(),
                        where.c_str(), text.c_str(), name.c_str(),
                        readingRange(static_cast<int>(q)).c_str())
                           : cfmt(i18n::translateFormat(
                                      "Tabellenimport", "%s: „%s“ ist keine Zahl für %s.")
                                      .c_str(),
                               where.c_str(), text.c_str(), name.c_str())));
            }
            return true;
        }

        bool refuse(const TableFault &refusal)
        {
            m_result.fault = refusal;
            m_result.survey.clear();
            m_result.fieldReadings.clear();
            m_result.tieIn.reset();
            return false;
        }

        bool end(int lastRow)
        {
            m_ended = true;
            m_result.afterFirst = m_held->row;
            m_result.afterLast = lastRow;
            m_held.reset();
            return true;
        }

        StationImport &m_result;
        const Mapping &m_mapping;
        bool m_feet;
        std::optional<double> m_lastDepth; // of the last station, as its cell gives it
        std::optional<TableFault> m_held; // the first row that gave no station
        int m_heldLast = 0; // the last row with text since (from 1)
        bool m_ended = false;
        int m_skipped = 0; // rows before the first station that are no station (the tie-in)
    };

} // namespace

StationImport importStations(const Table &table, const MappingRequest &request)
{
    StationImport result;
    if (!mapColumns(table, request, result))
        return result;
    const int first = result.mapping.firstDataRow;
    const auto rowCount = static_cast<int>(table.rows.size());
    result.survey.reserve(
        static_cast<size_t>(rowCount - first) / static_cast<size_t>(result.mapping.step) + 1);
    RowConverter converter(result);
    for (int r = first; r < rowCount; ++r)
        if (!converter.add(r, table.rows[static_cast<size_t>(r)]))
            return result;
    converter.finish();
    return result;
}

StationImport importDelimitedStations(
    std::string_view text, Delimiter delimiter, const MappingRequest &request, Delimiter *used)
{
    // The first rows decide the mapping: they hold every row the heading, the decimal
    // sign and the columns are looked for in, and in any usual file the first data row.
    constexpr int kFirstRows = 2000;
    static_assert(kFirstRows >= kHeaderSearchRows && kFirstRows >= kDecimalSearchRows);
    StationImport result;
    std::optional<RowConverter> converter;
    bool undecided = false; // the first rows do not decide: the whole table must
    bool converting = true;
    // The lines, which are the rows of any usual file: reserved, not yet touched.
    const auto lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    const LaterRows later = [&](const Table &firstRows, int row, const std::vector<Cell> &cells) {
        if (!converter && !undecided) {
            if (!mapColumns(firstRows, request, result)) {
                undecided = true;
                return;
            }
            result.survey.reserve(lines / static_cast<size_t>(result.mapping.step) + 1);
            converter.emplace(result);
            for (int r = result.mapping.firstDataRow; r < kFirstRows && converting; ++r)
                converting = converter->add(r, firstRows.rows[static_cast<size_t>(r)]);
        }
        // After a refused row the text is still split to its end: a fault of the text
        // itself (a quote never closed, too many rows) is the one to tell.
        if (converter && converting)
            converting = converter->add(row, cells);
    };
    DelimitedRead read = readDelimitedHead(text, delimiter, kFirstRows, later);
    if (used)
        *used = read.delimiter;
    if (read.fault) {
        StationImport refused;
        refused.fault = read.fault;
        return refused;
    }
    if (!converter && !undecided)
        return importStations(read.table, request); // the whole table was kept
    if (undecided) {
        // A mapping that the first rows cannot make (no data among them, or a heading
        // row chosen below them) is made on the whole table, as the dialog would.
        return importStations(readDelimited(std::string(text), read.delimiter).table, request);
    }
    if (converting)
        converter->finish();
    return result;
}

std::string nameFromPath(const std::string &path)
{
    std::string_view name(path);
    if (const size_t slash = name.find_last_of('/'); slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    if (const size_t dot = name.find_last_of('.'); dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    return std::string(name);
}

} // namespace exchange
