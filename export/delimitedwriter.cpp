#include "export/delimitedwriter.h"

namespace surveyexport {

TextStyle csvStyle()
{
    return {};
}

TextStyle germanCsvStyle()
{
    TextStyle s;
    s.delimiter = ';';
    s.decimal = decimalsign::Sign::Comma;
    s.byteOrderMark = true;
    return s;
}

TextStyle clipboardStyle(decimalsign::Sign decimal)
{
    TextStyle s;
    s.delimiter = '\t';
    s.decimal = decimal;
    s.lineEnd = "\n";
    return s;
}

std::string numberText(std::optional<double> value, const Column &column, const TextStyle &style)
{
    if (!value)
        return {};
    return style.shownDecimals ? decimalsign::fixed(*value, column.decimals, style.decimal)
                               : decimalsign::shortest(*value, style.decimal);
}

std::string cellText(const Column &column, std::size_t row, const TextStyle &style)
{
    return column.isText() ? quotedField(column.texts[row], style.delimiter)
                           : numberText(column.numbers[row], column, style);
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
    const std::function<void(std::string_view)> &emit, bool header)
{
    if (header && style.byteOrderMark)
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
    if (header)
        writeLine([&](const Column &c) {
            return quotedField(c.heading(style.decimal), style.delimiter);
        });
    for (std::size_t r = 0; r < table.rows(); ++r) {
        writeLine([&](const Column &c) { return cellText(c, r, style); });
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
    return delimitedText(listingTable(listing, true), csvStyle());
}

} // namespace surveyexport
