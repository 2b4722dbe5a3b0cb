// Reading delimited text: character set, delimiter detection and RFC 4180 fields.
#include "exchange/delimitedtext.h"

#include "core/cformat.h"
#include "core/win1252.h"

#include <array>
#include <map>

namespace exchange {

namespace {

    // True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates).
    bool isUtf8(std::string_view bytes)
    {
        size_t i = 0;
        while (i < bytes.size()) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            int more = 0;
            char32_t min = 0, cp = 0;
            if (c < 0x80) {
                ++i;
                continue;
            } else if ((c & 0xE0) == 0xC0) {
                more = 1, min = 0x80, cp = c & 0x1F;
            } else if ((c & 0xF0) == 0xE0) {
                more = 2, min = 0x800, cp = c & 0x0F;
            } else if ((c & 0xF8) == 0xF0) {
                more = 3, min = 0x10000, cp = c & 0x07;
            } else {
                return false;
            }
            if (i + static_cast<size_t>(more) >= bytes.size())
                return false;
            for (int k = 1; k <= more; ++k) {
                const auto d = static_cast<unsigned char>(bytes[i + static_cast<size_t>(k)]);
                if ((d & 0xC0) != 0x80)
                    return false;
                cp = (cp << 6) | (d & 0x3F);
            }
            if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
                return false;
            i += static_cast<size_t>(more) + 1;
        }
        return true;
    }

    // Spreadsheet programs save "Unicode text" as UTF-16 with a byte order mark.
    std::string utf16ToUtf8(std::string_view bytes, bool littleEndian)
    {
        std::string out;
        out.reserve(bytes.size() / 2);
        for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const auto lo = static_cast<unsigned char>(bytes[i + (littleEndian ? 0 : 1)]);
            const auto hi = static_cast<unsigned char>(bytes[i + (littleEndian ? 1 : 0)]);
            char32_t unit = static_cast<char32_t>(hi << 8 | lo);
            if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
                const auto lo2 = static_cast<unsigned char>(bytes[i + 2 + (littleEndian ? 0 : 1)]);
                const auto hi2 = static_cast<unsigned char>(bytes[i + 2 + (littleEndian ? 1 : 0)]);
                const char32_t low = static_cast<char32_t>(hi2 << 8 | lo2);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    i += 2;
                }
            }
            if (unit >= 0xD800 && unit <= 0xDFFF)
                unit = '?';
            win1252::appendUtf8(out, unit);
        }
        return out;
    }

    char delimiterChar(Delimiter delimiter)
    {
        switch (delimiter) {
        case Delimiter::Semicolon:
            return ';';
        case Delimiter::Comma:
            return ',';
        case Delimiter::Tab:
            return '\t';
        default:
            return '\0';
        }
    }

    bool isBlank(char c)
    {
        return c == ' ' || c == '\t';
    }

    // The field splitter: a small state machine over the text, so that quoted fields may
    // span lines. `rowLimit` stops early (delimiter detection looks at the first rows).
    class Splitter
    {
    public:
        Splitter(Delimiter delimiter, int rowLimit)
            : m_char(delimiterChar(delimiter))
            , m_blanks(delimiter == Delimiter::Blanks)
            , m_rowLimit(rowLimit)
        {
        }

        DelimitedRead run(std::string_view text)
        {
            size_t i = 0;
            int quoteRow = 0;
            while (i < text.size() && !m_stop) {
                const char c = text[i];
                if (m_inQuotes) {
                    if (c == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            add('"');
                            ++i;
                        } else {
                            m_inQuotes = false;
                        }
                    } else {
                        add(c);
                    }
                } else if (c == '"' && m_field.empty() && !m_quoted) {
                    m_inQuotes = true;
                    m_quoted = true;
                    quoteRow = static_cast<int>(m_result.table.rows.size()) + 1;
                } else if (c == '\n' || c == '\r') {
                    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                        ++i;
                    endRow();
                } else if (m_blanks && isBlank(c)) {
                    if (!m_field.empty() || m_quoted)
                        endField();
                } else if (!m_blanks && c == m_char) {
                    endField();
                } else {
                    add(c);
                }
                ++i;
            }
            if (!m_stop) {
                if (m_inQuotes) {
                    TableFault fault;
                    fault.row = quoteRow;
                    fault.message = win1252::fromUtf8(cfmt("Ein Anführungszeichen in Zeile %d wird "
                                                           "bis zum Dateiende nicht geschlossen.",
                        quoteRow));
                    m_result.fault = fault;
                    m_result.table = {}; // a refused text leaves nothing half read
                    return std::move(m_result);
                }
                if (!m_field.empty() || m_quoted || !m_row.empty())
                    endRow();
            }
            return std::move(m_result);
        }

    private:
        void add(char c)
        {
            if (m_field.size() < kMaxCellBytes)
                m_field += c;
        }

        void endField()
        {
            if (m_row.size() < static_cast<size_t>(kMaxColumns)) {
                if (m_result.table.cells >= kMaxCells) {
                    fail();
                    return;
                }
                m_row.push_back(Cell { std::move(m_field), false });
                ++m_result.table.cells;
            }
            m_field.clear();
            m_quoted = false;
        }

        void endRow()
        {
            // Blank separators leave no empty field at the end of a line.
            if (!m_blanks || !m_field.empty() || m_quoted)
                endField();
            if (m_stop)
                return;
            if (m_result.table.rows.size() >= static_cast<size_t>(m_rowLimit)) {
                if (m_rowLimit >= kMaxRows)
                    fail();
                m_stop = true;
                return;
            }
            // A line with one empty field is an empty row.
            if (m_row.size() == 1 && m_row[0].text.empty()) {
                m_row.clear();
                --m_result.table.cells;
            }
            m_result.table.rows.push_back(std::move(m_row));
            m_row.clear();
        }

        void fail()
        {
            m_result.fault = tooLargeFault();
            m_result.table = {};
            m_stop = true;
        }

        char m_char;
        bool m_blanks;
        int m_rowLimit;
        bool m_inQuotes = false;
        bool m_quoted = false;
        bool m_stop = false;
        std::string m_field;
        std::vector<Cell> m_row;
        DelimitedRead m_result;
    };

} // namespace

std::string decodeText(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return win1252::fromUtf8(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE"))
        return win1252::fromUtf8(utf16ToUtf8(bytes.substr(2), true));
    if (bytes.starts_with("\xFE\xFF"))
        return win1252::fromUtf8(utf16ToUtf8(bytes.substr(2), false));
    // Without a mark: text that is well-formed UTF-8 is taken as UTF-8 (pure ASCII is
    // the same either way); anything else is the Windows character set.
    if (isUtf8(bytes))
        return win1252::fromUtf8(bytes);
    return std::string(bytes);
}

Delimiter detectDelimiter(std::string_view text)
{
    // Look at the first rows only; a heading of one field is common and does not count.
    constexpr int kRows = 50;
    Delimiter best = Delimiter::Blanks;
    int bestScore = 0;
    for (Delimiter candidate :
        { Delimiter::Tab, Delimiter::Semicolon, Delimiter::Comma, Delimiter::Blanks }) {
        DelimitedRead read = Splitter(candidate, kRows).run(text);
        std::map<size_t, int> counts;
        for (const auto &row : read.table.rows)
            if (row.size() >= 2)
                ++counts[row.size()];
        int score = 0;
        for (const auto &[fields, rows] : counts)
            score = std::max(score, rows);
        // On a tie the earlier candidate wins: "30,0;0,46" is split by the semicolon.
        if (score > bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

const char *delimiterName(Delimiter delimiter)
{
    switch (delimiter) {
    case Delimiter::Semicolon:
        return "Semikolon";
    case Delimiter::Comma:
        return "Komma";
    case Delimiter::Tab:
        return "Tabulator";
    case Delimiter::Blanks:
        return "Leerzeichen";
    default:
        return "automatisch";
    }
}

DelimitedRead readDelimited(std::string_view text, Delimiter delimiter)
{
    if (delimiter == Delimiter::Automatic)
        delimiter = detectDelimiter(text);
    DelimitedRead read = Splitter(delimiter, kMaxRows).run(text);
    read.delimiter = delimiter;
    return read;
}

} // namespace exchange
