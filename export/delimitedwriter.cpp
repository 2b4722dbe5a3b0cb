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

namespace {

    void appendNumber(
        std::string &out, std::optional<double> value, const Column &column, const TextStyle &style)
    {
        if (!value)
            return;
        if (style.shownDecimals)
            decimalsign::appendFixed(out, *value, column.decimals, style.decimal);
        else
            decimalsign::appendShortest(out, *value, style.decimal);
    }

    void appendCell(std::string &out, const Column &column, std::size_t row, const TextStyle &style)
    {
        if (column.isText())
            out += quotedField(column.texts[row], style.delimiter);
        else
            appendNumber(out, column.numbers[row], column, style);
    }

} // namespace

std::string numberText(std::optional<double> value, const Column &column, const TextStyle &style)
{
    std::string text;
    appendNumber(text, value, column, style);
    return text;
}

std::string cellText(const Column &column, std::size_t row, const TextStyle &style)
{
    std::string text;
    appendCell(text, column, row, style);
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
    const std::function<void(std::string_view)> &emit, bool header)
{
    if (header && style.byteOrderMark)
        emit("\xEF\xBB\xBF");
    std::string line;
    const auto lineEnd = [&] {
        line += style.lineEnd;
        emit(line);
        line.clear();
    };
    if (header) {
        // What the uncertainty rests on, label and value, above the headings.
        for (const TitleRow &title : table.titleRows(style.decimal)) {
            line += quotedField(title.label, style.delimiter);
            line += style.delimiter;
            line += quotedField(title.value, style.delimiter);
            lineEnd();
        }
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            if (c > 0)
                line += style.delimiter;
            line += quotedField(table.columns[c].heading(style.decimal), style.delimiter);
        }
        lineEnd();
    }
    // Cells go straight into the line: a long export formats millions of them.
    for (std::size_t r = 0; r < table.rows(); ++r) {
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            if (c > 0)
                line += style.delimiter;
            appendCell(line, table.columns[c], r, style);
        }
        lineEnd();
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
