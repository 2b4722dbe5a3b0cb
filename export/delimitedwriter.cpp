#include "export/delimitedwriter.h"

#include <charconv>
#include <cmath>

namespace surveyexport {

TextStyle csvStyle()
{
    return {};
}

TextStyle germanCsvStyle()
{
    TextStyle s;
    s.delimiter = ';';
    s.decimal = ',';
    s.byteOrderMark = true;
    return s;
}

TextStyle clipboardStyle(char decimal)
{
    TextStyle s;
    s.delimiter = '\t';
    s.decimal = decimal;
    s.lineEnd = "\n";
    return s;
}

std::string numberText(std::optional<double> value, const TextStyle &style)
{
    if (!value || !std::isfinite(*value))
        return {};
    char buffer[400]; // enough for any finite double in fixed form
    const std::to_chars_result r = style.fixedDecimals
        ? std::to_chars(
            buffer, buffer + sizeof buffer, *value, std::chars_format::fixed, *style.fixedDecimals)
        // The shortest text that reads back as the same double, never in exponent form:
        // a spreadsheet shows "500000" as a number a person reads, "5e+05" hardly.
        : std::to_chars(buffer, buffer + sizeof buffer, *value, std::chars_format::fixed);
    std::string text(buffer, r.ptr);
    // A value that is or rounds to zero is written without a sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    if (style.decimal != '.') {
        if (const std::size_t at = text.find('.'); at != std::string::npos)
            text[at] = style.decimal;
    }
    return text;
}

std::string quotedField(const std::string &text, char delimiter)
{
    if (text.find_first_of(std::string("\"\r\n") + delimiter) == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void writeDelimited(const ColumnTable &table, const TextStyle &style,
    const std::function<void(std::string_view)> &emit)
{
    if (style.byteOrderMark)
        emit("\xEF\xBB\xBF");
    std::string line;
    const auto writeLine = [&](auto field) {
        line.clear();
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            if (c > 0)
                line += style.delimiter;
            line += field(table.columns[c]);
        }
        line += style.lineEnd;
        emit(line);
    };
    writeLine([&](const Column &c) { return quotedField(c.heading(), style.delimiter); });
    for (std::size_t r = 0; r < table.rows(); ++r) {
        writeLine([&](const Column &c) {
            return c.isText() ? quotedField(c.texts[r], style.delimiter)
                              : numberText(c.numbers[r], style);
        });
    }
}

std::string delimitedText(const ColumnTable &table, const TextStyle &style)
{
    std::string out;
    out.reserve(24 * table.columns.size() * (table.rows() + 1) + 3);
    writeDelimited(table, style, [&out](std::string_view line) { out += line; });
    return out;
}

std::string listingCsv(const listing::Listing &listing)
{
    TextStyle style = csvStyle();
    style.fixedDecimals = 6;
    return delimitedText(listingTable(listing, true), style);
}

} // namespace surveyexport
