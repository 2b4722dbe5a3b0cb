// The LAS reader: a line at a time, sections by their first letter.
#include "exchange/lasfile.h"

#include "core/cformat.h"
#include "core/decimalsign.h"
#include "core/units.h"
#include "core/utf8.h"
#include "exchange/delimitedtext.h"
#include "i18n/i18n.h"

#include <algorithm>

namespace exchange {

namespace {

    bool isBlank(char c)
    {
        return c == ' ' || c == '\t' || c == '\r';
    }

    std::string_view trimmed(std::string_view text)
    {
        while (!text.empty() && isBlank(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && isBlank(text.back()))
            text.remove_suffix(1);
        return text;
    }

    std::string upper(std::string_view text)
    {
        std::string out(text);
        for (char &c : out)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 0x20);
        return out;
    }

    // A header line: "MNEM.UNIT  DATA : DESCRIPTION". The mnemonic ends at the first dot,
    // the unit at the first blank after it, the data at the last colon.
    struct HeaderLine
    {
        std::string mnemonic; // upper case
        std::string unit;
        std::string_view data;
        std::string_view description;
    };

    std::optional<HeaderLine> headerLine(std::string_view line)
    {
        const size_t dot = line.find('.');
        if (dot == std::string_view::npos)
            return std::nullopt;
        HeaderLine h;
        h.mnemonic = upper(trimmed(line.substr(0, dot)));
        if (h.mnemonic.empty())
            return std::nullopt;
        std::string_view rest = line.substr(dot + 1);
        size_t unitEnd = 0;
        while (unitEnd < rest.size() && !isBlank(rest[unitEnd]) && rest[unitEnd] != ':')
            ++unitEnd;
        h.unit = std::string(rest.substr(0, unitEnd));
        rest.remove_prefix(unitEnd);
        const size_t colon = rest.rfind(':');
        h.data = trimmed(colon == std::string_view::npos ? rest : rest.substr(0, colon));
        if (colon != std::string_view::npos)
            h.description = trimmed(rest.substr(colon + 1));
        return h;
    }

    struct Curve
    {
        std::string mnemonic;
        std::string unit; // upper case
        bool radians = false;
    };

    bool isFeet(const std::string &unit)
    {
        return unit == "F" || unit == "FT" || unit == "FEET" || unit == "FOOT";
    }

    // The heading a curve gets in the table: its mnemonic and its unit in brackets, feet
    // written so that the mapping recognises them and radians as the degrees they become.
    std::string headingOf(const Curve &curve, const std::string &fileUnit)
    {
        // A mnemonic that reads as a number would make the heading row a row of data.
        if (curve.unit.empty())
            return decimalsign::read(curve.mnemonic, decimalsign::Accept::Either)
                ? i18n::arg(i18n::translate("LasDatei", "Kurve %1"), { curve.mnemonic })
                : curve.mnemonic;
        if (isFeet(curve.unit))
            return curve.mnemonic + " (ft)";
        if (curve.radians)
            return curve.mnemonic + " (deg)";
        if (curve.unit == "M")
            return curve.mnemonic + " (m)";
        return curve.mnemonic + " (" + fileUnit + ")";
    }

    // At most `characters` characters of `text`, for a message or a name.
    std::string clipped(std::string_view text, size_t characters = kMaxCellCharacters)
    {
        return std::string(text.substr(0, utf8::prefixBytes(text, characters)));
    }

    std::string versionFirst(int lineNumber)
    {
        return cfmt(i18n::translateFormat(
                        "LasDatei", "Zeile %d: eine LAS-Datei beginnt mit dem Abschnitt ~Version.")
                        .c_str(),
            lineNumber);
    }

} // namespace

SurveyFileRead readLas(std::string_view bytes)
{
    SurveyFileRead result;
    if (bytes.size() > kMaxFileBytes) {
        result.fault = fileFault(
            cfmt(i18n::translateFormat("LasDatei", "Die Datei ist größer als %zu MB.").c_str(),
                kMaxFileBytes >> 20));
        return result;
    }
    // The cells are views of the decoded text, which the table keeps.
    std::string decoded;
    const std::string_view view = decodedText(bytes, decoded);
    const std::string_view text
        = result.table.adopt(decoded.empty() ? std::string(view) : std::move(decoded));

    char section = 0; // the current section's letter; 0 before the first
    bool versionSeen = false, curvesSeen = false, dataSeen = false;
    std::optional<double> null;
    std::vector<Curve> curves;
    std::vector<std::string> fileUnits; // as written, for the headings
    Table &table = result.table;
    auto refuse = [&](int line, std::string_view found, const std::string &message) {
        result.fault = lineFault(line, clipped(found), message);
        result.table = Table();
        return result;
    };

    int lineNumber = 0;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trimmed(text.substr(at, end - at));
        at = end + 1;
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;

        if (line.front() == '~') {
            if (dataSeen)
                return refuse(lineNumber, line,
                    cfmt(i18n::translateFormat("LasDatei",
                             "Zeile %d: nach den Daten (~A) folgt ein weiterer "
                             "Abschnitt; ~A muss der letzte sein.")
                             .c_str(),
                        lineNumber));
            section = line.size() > 1 ? static_cast<char>(upper(line.substr(1, 1))[0]) : '?';
            if (!versionSeen && section != 'V')
                return refuse(lineNumber, line, versionFirst(lineNumber));
            if (section == 'V')
                versionSeen = true;
            if (section == 'C') {
                if (curvesSeen)
                    return refuse(lineNumber, line,
                        cfmt(i18n::translateFormat("LasDatei",
                                 "Zeile %d: der Abschnitt ~Curve steht zweimal in der Datei.")
                                 .c_str(),
                            lineNumber));
                curvesSeen = true;
            }
            if (section == 'A') {
                if (curves.empty())
                    return refuse(lineNumber, line,
                        cfmt(i18n::translateFormat("LasDatei",
                                 "Zeile %d: die Daten (~A) stehen vor den Kurven (~Curve) oder "
                                 "es gibt keine Kurven.")
                                 .c_str(),
                            lineNumber));
                dataSeen = true;
                table.rows.emplace_back();
                for (size_t c = 0; c < curves.size(); ++c) {
                    Cell cell;
                    cell.text = table.keep(headingOf(curves[c], fileUnits[c]));
                    table.rows.back().push_back(cell);
                }
                table.cells += curves.size();
            }
            continue;
        }
        if (section == 0)
            return refuse(lineNumber, line, versionFirst(lineNumber));

        if (section == 'A') {
            if (table.rows.size() >= static_cast<size_t>(kMaxRows)
                || table.cells + curves.size() > kMaxCells) {
                result.fault = tooLargeFault();
                result.table = Table();
                return result;
            }
            std::vector<Cell> row;
            row.reserve(curves.size());
            size_t p = 0;
            while (p < line.size()) {
                while (p < line.size() && isBlank(line[p]))
                    ++p;
                if (p >= line.size())
                    break;
                size_t q = p;
                while (q < line.size() && !isBlank(line[q]))
                    ++q;
                const std::string_view value = line.substr(p, q - p);
                p = q;
                if (row.size() == curves.size())
                    return refuse(lineNumber, line,
                        cfmt(i18n::translateFormat("LasDatei",
                                 "Zeile %d: mehr Werte als die %zu Kurven (umgebrochene Daten "
                                 "werden nicht gelesen).")
                                 .c_str(),
                            lineNumber, curves.size()));
                const Curve &curve = curves[row.size()];
                // A cell keeps kMaxCellCharacters; a longer number would lose digits there.
                // An angle in radians is kept in degrees, written out without an exponent:
                // a huge one ("3333E300") is as long as such a number written in full and
                // is refused the same way.
                std::optional<double> number = value.size() <= kMaxCellCharacters
                    ? decimalsign::read(value, decimalsign::Accept::Point)
                    : std::nullopt;
                std::string degrees;
                if (number && curve.radians && !(null && *number == *null)) {
                    degrees = decimalsign::shortest(units::degrees(*number), decimalsign::Sign::Point);
                    if (degrees.empty() || degrees.size() > kMaxCellCharacters)
                        number.reset();
                }
                if (!number)
                    return refuse(lineNumber, value,
                        cfmt(i18n::translateFormat(
                                 "LasDatei", "Zeile %d: „%s“ ist keine Zahl (Kurve %s).")
                                 .c_str(),
                            lineNumber, clipped(value).c_str(), curve.mnemonic.c_str()));
                Cell cell;
                cell.number = true;
                if (null && *number == *null)
                    cell.absent = true;
                else if (curve.radians)
                    cell.text = table.keep(degrees);
                else
                    cell.text = value;
                row.push_back(cell);
            }
            if (row.size() < curves.size())
                return refuse(lineNumber, line,
                    cfmt(i18n::translateFormat(
                             "LasDatei", "Zeile %d: %zu Werte statt %zu, einer für jede Kurve.")
                             .c_str(),
                        lineNumber, row.size(), curves.size()));
            table.cells += row.size();
            table.rows.push_back(std::move(row));
            continue;
        }

        // Remarks, parameters and unknown sections say nothing about the survey.
        if (section != 'V' && section != 'W' && section != 'C')
            continue;
        const std::optional<HeaderLine> header = headerLine(line);
        if (!header)
            return refuse(lineNumber, line,
                cfmt(i18n::translateFormat("LasDatei",
                         "Zeile %d: „%s“ ist keine Kopfzeile der Form MNEM.EINHEIT WERT : "
                         "BESCHREIBUNG.")
                         .c_str(),
                    lineNumber, clipped(line).c_str()));
        if (section == 'V') {
            const std::string value = upper(header->data);
            if (header->mnemonic == "VERS") {
                const std::optional<double> version
                    = decimalsign::read(value, decimalsign::Accept::Point);
                if (!version || !(*version == 1.2 || *version == 2.0))
                    return refuse(lineNumber, line,
                        cfmt(i18n::translateFormat("LasDatei",
                                 "Zeile %d: LAS-Version %s wird nicht gelesen, nur 1.2 und 2.0.")
                                 .c_str(),
                            lineNumber, std::string(header->data).c_str()));
            } else if (header->mnemonic == "WRAP") {
                if (value == "YES")
                    return refuse(lineNumber, line,
                        cfmt(i18n::translateFormat("LasDatei",
                                 "Zeile %d: umgebrochene Datenzeilen (WRAP YES) werden nicht "
                                 "gelesen; die Datei muss mit WRAP NO geschrieben sein, eine Zeile "
                                 "je Tiefe.")
                                 .c_str(),
                            lineNumber));
                if (value != "NO")
                    return refuse(lineNumber, line,
                        cfmt(i18n::translateFormat(
                                 "LasDatei", "Zeile %d: WRAP muss YES oder NO sein, nicht „%s“.")
                                 .c_str(),
                            lineNumber, std::string(header->data).c_str()));
            }
        } else if (section == 'W') {
            if (header->mnemonic == "NULL") {
                null = decimalsign::read(header->data, decimalsign::Accept::Point);
                if (!null && !header->data.empty())
                    return refuse(lineNumber, line,
                        cfmt(i18n::translateFormat(
                                 "LasDatei", "Zeile %d: der NULL-Wert „%s“ ist keine Zahl.")
                                 .c_str(),
                            lineNumber, std::string(header->data).c_str()));
            } else if (header->mnemonic == "WELL") {
                // LAS 1.2 writes some values after the colon.
                const std::string_view name
                    = header->data.empty() ? header->description : header->data;
                result.wellName = clipped(name);
            }
        } else if (section == 'C') {
            if (curves.size() >= static_cast<size_t>(kMaxColumns))
                return refuse(lineNumber, line,
                    cfmt(i18n::translateFormat("LasDatei", "Zeile %d: mehr als %d Kurven.").c_str(),
                        lineNumber, kMaxColumns));
            Curve curve;
            curve.mnemonic = clipped(header->mnemonic, 64);
            curve.unit = upper(header->unit);
            curve.radians = curve.unit == "RAD";
            curves.push_back(curve);
            fileUnits.push_back(clipped(header->unit, 32));
        }
    }
    if (!versionSeen)
        return refuse(
            0, {}, i18n::translate("LasDatei", "Keine LAS-Datei: der Abschnitt ~Version fehlt."));
    if (!curvesSeen || curves.empty())
        return refuse(0, {},
            i18n::translate("LasDatei", "Die LAS-Datei hat keinen Abschnitt ~Curve mit Kurven."));
    if (!dataSeen)
        return refuse(
            0, {}, i18n::translate("LasDatei", "Die LAS-Datei hat keine Daten (Abschnitt ~A)."));
    return result;
}

} // namespace exchange
