// The results table's heading and remarks in the language spoken, for the screen.
#include "well/tabletext.h"

#include "core/utf8.h"
#include "i18n/i18n.h"
#include "well/computation.h"
#include "well/diagnostic.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>
#include <vector>

namespace well {

namespace {

    // A printf format cut into its literal text and its conversions.
    struct Piece
    {
        std::string literal; // the text between conversions ("%%" as "%")
        char conversion = 0; // 'd', 'f', 'g' …; 0 for a literal
    };
    using Pieces = std::vector<Piece>;

    Pieces piecesOf(std::string_view format)
    {
        Pieces out;
        std::string literal;
        const auto flush = [&] {
            if (!literal.empty())
                out.push_back({ std::move(literal), 0 });
            literal.clear();
        };
        for (std::size_t i = 0; i < format.size(); ++i) {
            if (format[i] != '%') {
                literal.push_back(format[i]);
                continue;
            }
            if (i + 1 < format.size() && format[i + 1] == '%') {
                literal.push_back('%');
                ++i;
                continue;
            }
            std::size_t end = i + 1;
            while (end < format.size()
                && std::string_view("diouxXcsfFeEgGaAp").find(format[end])
                    == std::string_view::npos)
                ++end;
            flush();
            out.push_back({ {}, end < format.size() ? format[end] : 's' });
            i = end;
        }
        flush();
        return out;
    }

    // Characters that can begin or continue what printf writes for a number.
    bool mayBeInNumber(char c)
    {
        return c == ' ' || c == '-' || c == '+' || c == '.' || (c >= '0' && c <= '9') || c == 'e'
            || c == 'E' || c == 'i' || c == 'n' || c == 'f' || c == 'a';
    }

    // `field` is what the conversion `conversion` writes: leading blanks of its width, then
    // the number.
    bool isNumberField(std::string_view field, char conversion)
    {
        const std::size_t start = field.find_first_not_of(' ');
        if (start == std::string_view::npos)
            return false;
        const std::string_view number = field.substr(start);
        const char *end = number.data() + number.size();
        if (conversion == 'd' || conversion == 'i') {
            long long v = 0;
            const auto [p, ec] = std::from_chars(number.data(), end, v);
            return ec == std::errc() && p == end;
        }
        if (conversion != 'f' && conversion != 'g' && conversion != 'e')
            return false;
        double v = 0;
        const auto [p, ec] = std::from_chars(number.data(), end, v);
        return ec == std::errc() && p == end;
    }

    // Matches `text` from `at` against pieces[k…]; the text of each conversion goes to
    // `fields`. A conversion takes the shortest number after which the rest matches.
    bool match(const Pieces &pieces, std::size_t k, std::string_view text, std::size_t at,
        std::vector<std::string_view> &fields)
    {
        if (k == pieces.size())
            return at == text.size();
        const Piece &piece = pieces[k];
        if (piece.conversion == 0) {
            return text.substr(at).starts_with(piece.literal)
                && match(pieces, k + 1, text, at + piece.literal.size(), fields);
        }
        for (std::size_t end = at + 1; end <= text.size() && mayBeInNumber(text[end - 1]); ++end) {
            const std::string_view field = text.substr(at, end - at);
            if (!isNumberField(field, piece.conversion))
                continue;
            fields.push_back(field);
            if (match(pieces, k + 1, text, end, fields))
                return true;
            fields.pop_back();
        }
        return false;
    }

    // A German text with numbers and its translation with the same conversions.
    struct Pattern
    {
        Pieces german;
        Pieces shown;

        std::optional<std::string> apply(std::string_view text) const
        {
            std::vector<std::string_view> fields;
            if (!match(german, 0, text, 0, fields))
                return std::nullopt;
            std::string out;
            std::size_t next = 0;
            for (const Piece &piece : shown) {
                if (piece.conversion == 0)
                    out += piece.literal;
                else if (next < fields.size())
                    out += fields[next++];
            }
            return out;
        }
    };

    std::vector<std::string_view> linesOf(std::string_view text)
    {
        std::vector<std::string_view> lines;
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = text.find('\n', start);
            lines.push_back(text.substr(start, end - start));
            if (end == std::string_view::npos)
                return lines;
            start = end + 1;
        }
    }

    // The line that names the north: its start, then each piece of the caption
    // (geo::northCaption: the north, then "; " and the angles apart by ", ", or what is
    // missing) through the catalogue, the numbers as they are.
    std::optional<std::string> northLine(std::string_view entry)
    {
        const std::string_view prefix = kNorthLinePrefix;
        if (!entry.starts_with(prefix))
            return std::nullopt;
        const auto piece = [](std::string_view german) {
            const auto withNumber = [&](std::string_view start, std::string_view end,
                                        const char *format) -> std::optional<std::string> {
                if (!german.starts_with(start) || !german.ends_with(end)
                    || german.size() < start.size() + end.size())
                    return std::nullopt;
                const std::string_view number
                    = german.substr(start.size(), german.size() - start.size() - end.size());
                return i18n::arg(i18n::translate("Nordbezug", format), { number });
            };
            if (auto s = withNumber("Gitternord (EPSG:", ")", "Gitternord (EPSG:%1)"))
                return *s;
            if (auto s = withNumber("Deklination ", "°", "Deklination %1°"))
                return *s;
            if (auto s = withNumber("Meridiankonvergenz ", "°", "Meridiankonvergenz %1°"))
                return *s;
            return i18n::translate("Nordbezug", std::string(german).c_str());
        };
        std::string out = i18n::translate("Ergebnistabelle", kNorthLinePrefix);
        std::string_view rest = entry.substr(prefix.size());
        for (bool first = true; !rest.empty(); first = false) {
            const std::size_t end = rest.find("; ");
            std::string_view part = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
            if (!first)
                out += "; ";
            if (part.starts_with("nicht gedreht")) {
                out += piece(part);
                continue;
            }
            for (bool firstAngle = true; !part.empty(); firstAngle = false) {
                const std::size_t comma = part.find(", ");
                if (!firstAngle)
                    out += ", ";
                out += piece(part.substr(0, comma));
                part
                    = comma == std::string_view::npos ? std::string_view() : part.substr(comma + 2);
            }
        }
        return out;
    }

    // The messages the table and the batch tool's standard output write below the rows.
    constexpr Message kRemarks[] = { Message::NoCurvature, Message::DoglegTooLarge,
        Message::EqualDepths, Message::InterpolationResult };

} // namespace

// The heading and the remarks of the table in the language of the catalogue installed when
// it was made.
class TableTranslator
{
public:
    TableTranslator()
    {
        const auto columns = columnHeading();
        for (std::string_view german : tableHeading()) {
            const std::string source(german);
            std::string shown = i18n::translate("Ergebnistabelle", source.c_str());
            const bool column = std::find(columns.begin(), columns.end(), german) != columns.end();
            // The columns of numbers below keep their place only under a line as wide.
            if (shown == source || (column && utf8::length(shown) != utf8::length(source)))
                continue;
            m_heading.emplace_back(source, std::move(shown));
        }
        for (Message id : kRemarks) {
            const char *source = germanFormat(id);
            const std::string shown = i18n::translateFormat("Diagnose", source);
            if (shown == source)
                continue;
            m_whole.push_back({ piecesOf(source), piecesOf(shown) });
            // A results file read back holds a remark of several lines line by line: each
            // line is translated by the line of the translation in its place, where both have
            // as many lines and the same numbers on each.
            const auto germanLines = linesOf(source);
            const auto shownLines = linesOf(shown);
            if (germanLines.size() != shownLines.size())
                continue;
            for (std::size_t i = 0; i < germanLines.size(); ++i) {
                if (germanLines[i].empty() || germanLines[i] == shownLines[i]
                    || i18n::formatConversions(germanLines[i])
                        != i18n::formatConversions(shownLines[i]))
                    continue;
                m_lines.push_back({ piecesOf(germanLines[i]), piecesOf(shownLines[i]) });
            }
        }
    }

    // The entry as shown, or nothing when it is shown as it is.
    std::optional<std::string> translate(std::string_view entry) const
    {
        // Every heading and remark has a capital letter other than the E of an exponent; the
        // rows of numbers have none and are passed at once.
        bool capital = false;
        for (char c : entry)
            capital = capital || (c >= 'A' && c <= 'Z' && c != 'E');
        if (!capital)
            return std::nullopt;
        for (const auto &[german, shown] : m_heading) {
            if (entry == german)
                return shown;
        }
        if (auto shown = northLine(entry))
            return shown;
        for (const Pattern &p : m_whole) {
            if (auto shown = p.apply(entry))
                return shown;
        }
        std::string out;
        bool changed = false;
        const auto lines = linesOf(entry);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i > 0)
                out += '\n';
            std::optional<std::string> shown;
            for (const Pattern &p : m_lines) {
                if ((shown = p.apply(lines[i])))
                    break;
            }
            changed = changed || shown.has_value();
            out += shown ? *shown : std::string(lines[i]);
        }
        if (!changed)
            return std::nullopt;
        return out;
    }

private:
    std::vector<std::pair<std::string, std::string>> m_heading;
    std::vector<Pattern> m_whole;
    std::vector<Pattern> m_lines;
};

std::string shownTableLine(std::string_view entry)
{
    if (i18n::language() == i18n::Language::German)
        return std::string(entry);
    return TableTranslator().translate(entry).value_or(std::string(entry));
}

namespace {

    const StringList &noLines()
    {
        static const StringList none;
        return none;
    }

} // namespace

ShownTable::ShownTable()
    : m_table(&noLines())
{
}

ShownTable::ShownTable(const StringList &table)
    : m_table(&table)
{
}

ShownTable ShownTable::inLanguageSpoken(const StringList &table)
{
    ShownTable shown(table);
    if (i18n::language() != i18n::Language::German)
        shown.m_translator = std::make_shared<const TableTranslator>();
    return shown;
}

const std::string &ShownTable::line(std::size_t i, std::string &buffer) const
{
    const std::string &entry = (*m_table)[i];
    if (!m_translator)
        return entry;
    std::optional<std::string> shown = m_translator->translate(entry);
    if (!shown)
        return entry;
    buffer = std::move(*shown);
    return buffer;
}

} // namespace well
