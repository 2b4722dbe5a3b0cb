// Reading delimited text: character set, delimiter detection and RFC 4180 fields.
#include "exchange/delimitedtext.h"

#include "core/cformat.h"
#include "core/win1252.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
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

    // True when every byte is below 0x80; eight at a time, as survey files are long.
    bool isAscii(std::string_view bytes)
    {
        size_t i = 0;
        for (; i + 8 <= bytes.size(); i += 8) {
            std::uint64_t word;
            std::memcpy(&word, bytes.data() + i, 8);
            if (word & 0x8080808080808080u)
                return false;
        }
        for (; i < bytes.size(); ++i)
            if (static_cast<unsigned char>(bytes[i]) >= 0x80)
                return false;
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
    // span lines. Runs of ordinary bytes are taken at once, and an unquoted field is a
    // view of the text; a quoted field is put together without its quotes in the table
    // (or, for a row handed on, in a scratch buffer of the row). The first `keptRows` rows
    // go into the table; later ones are handed to `later` as they are split, and only
    // counted. `rowLimit` stops early (delimiter detection looks at the first rows).
    class Splitter
    {
    public:
        Splitter(Delimiter delimiter, int rowLimit, std::string_view text, int keptRows = kMaxRows,
            const LaterRows *later = nullptr)
            : m_char(delimiterChar(delimiter))
            , m_blanks(delimiter == Delimiter::Blanks)
            , m_rowLimit(rowLimit)
            , m_keptRows(keptRows)
            , m_later(later)
            , m_in(text)
        {
            m_ends['\n'] = m_ends['\r'] = true;
            if (m_blanks)
                m_ends[' '] = m_ends['\t'] = true;
            else
                m_ends[static_cast<unsigned char>(m_char)] = true;
            if (m_later)
                m_scratch.reserve(static_cast<size_t>(kMaxColumns) * kMaxCellBytes);
        }

        DelimitedRead run()
        {
            const char *const in = m_in.data();
            const size_t n = m_in.size();
            size_t i = 0;
            int quoteRow = 0;
            while (i < n && !m_stop) {
                if (m_inQuotes) {
                    const void *quote = std::memchr(in + i, '"', n - i);
                    const size_t q
                        = quote ? static_cast<size_t>(static_cast<const char *>(quote) - in) : n;
                    add(i, q - i);
                    i = q;
                    if (i + 1 < n && in[i + 1] == '"') {
                        add(i, 1);
                        i += 2;
                    } else if (i < n) {
                        m_inQuotes = false;
                        ++i;
                    }
                    continue;
                }
                const char c = in[i];
                if (c == '"' && m_length == 0 && !m_quoted) {
                    m_inQuotes = true;
                    m_quoted = true;
                    quoteRow = m_rows + 1;
                    ++i;
                } else if (c == '\n' || c == '\r') {
                    i += c == '\r' && i + 1 < n && in[i + 1] == '\n' ? 2 : 1;
                    endRow();
                    startField(i);
                } else if (m_blanks && isBlank(c)) {
                    if (m_length > 0 || m_quoted)
                        endField();
                    startField(++i);
                } else if (!m_blanks && c == m_char) {
                    endField();
                    startField(++i);
                } else {
                    // Up to the next delimiter or line end; a quote inside a field is text.
                    size_t j = i + 1;
                    while (j < n && !m_ends[static_cast<unsigned char>(in[j])])
                        ++j;
                    add(i, j - i);
                    i = j;
                }
            }
            if (!m_stop) {
                if (m_inQuotes) {
                    TableFault fault;
                    fault.row = quoteRow;
                    fault.message
                        = win1252::fromUtf8(cfmt(i18n::translateFormat("Tabellenimport",
                                                     "Ein Anführungszeichen in Zeile %d wird "
                                                     "bis zum Dateiende nicht geschlossen.")
                                                     .c_str(),
                            quoteRow));
                    m_result.fault = fault;
                    m_result.table = {}; // a refused text leaves nothing half read
                    return std::move(m_result);
                }
                if (m_length > 0 || m_quoted || !m_row.empty())
                    endRow();
            }
            return std::move(m_result);
        }

        Table &table() { return m_result.table; }

    private:
        void startField(size_t at)
        {
            m_start = at;
            m_length = 0;
            m_quoted = false;
            m_field.clear();
        }

        // Adds text[from, from + count) to the field, as far as a cell keeps it. An
        // unquoted field is one run of the text; a quoted one is collected.
        void add(size_t from, size_t count)
        {
            const size_t take = std::min(count, kMaxCellBytes - m_length);
            if (m_quoted)
                m_field.append(m_in.substr(from, take));
            else if (m_length == 0)
                m_start = from;
            m_length += take;
        }

        void endField()
        {
            if (m_row.size() < static_cast<size_t>(kMaxColumns)) {
                if (m_result.table.cells >= kMaxCells) {
                    fail();
                    return;
                }
                CellText text(m_in.substr(m_start, m_length));
                if (m_quoted) {
                    if (m_rows >= m_keptRows) {
                        const size_t at = m_scratch.size();
                        m_scratch.append(m_field);
                        text = std::string_view(m_scratch).substr(at);
                    } else {
                        text = m_result.table.keep(m_field);
                    }
                }
                m_row.push_back(Cell { text, false });
                ++m_result.table.cells;
            }
            m_length = 0;
            m_quoted = false;
            m_field.clear();
        }

        void endRow()
        {
            // Blank separators leave no empty field at the end of a line.
            if (!m_blanks || m_length > 0 || m_quoted)
                endField();
            if (m_stop)
                return;
            if (m_rows >= m_rowLimit) {
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
            if (m_rows < m_keptRows) {
                const size_t width = m_row.size();
                m_result.table.rows.push_back(std::move(m_row));
                // Rows of a survey are alike: one allocation each.
                m_row = {};
                m_row.reserve(width);
            } else {
                if (m_later && *m_later)
                    (*m_later)(m_result.table, m_rows, m_row);
                m_row.clear();
                m_scratch.clear();
            }
            ++m_rows;
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
        int m_keptRows;
        const LaterRows *m_later;
        std::string_view m_in;
        std::array<bool, 256> m_ends {}; // bytes that end an unquoted field
        bool m_inQuotes = false;
        bool m_quoted = false;
        bool m_stop = false;
        int m_rows = 0; // rows split so far
        size_t m_start = 0; // where an unquoted field begins
        size_t m_length = 0; // the field's length as kept
        std::string m_field; // a quoted field's text
        std::string m_scratch; // quoted fields of a row handed on; never reallocates
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
    if (isAscii(bytes))
        return std::string(bytes);
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
        DelimitedRead read = Splitter(candidate, kRows, text).run();
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

std::string delimiterName(Delimiter delimiter)
{
    switch (delimiter) {
    case Delimiter::Semicolon:
        return i18n::translate("Tabellenimport", "Semikolon");
    case Delimiter::Comma:
        return i18n::translate("Tabellenimport", "Komma");
    case Delimiter::Tab:
        return i18n::translate("Tabellenimport", "Tabulator");
    case Delimiter::Blanks:
        return i18n::translate("Tabellenimport", "Leerzeichen");
    default:
        return i18n::translate("Tabellenimport", "automatisch");
    }
}

DelimitedRead readDelimited(std::string text, Delimiter delimiter)
{
    if (delimiter == Delimiter::Automatic)
        delimiter = detectDelimiter(text);
    // The table keeps the text, and its cells are views of it.
    Table table;
    const std::string_view kept = table.adopt(std::move(text));
    Splitter splitter(delimiter, kMaxRows, kept);
    splitter.table() = std::move(table);
    DelimitedRead read = splitter.run();
    read.delimiter = delimiter;
    return read;
}

DelimitedRead readDelimitedHead(
    std::string_view text, Delimiter delimiter, int keptRows, const LaterRows &later)
{
    if (delimiter == Delimiter::Automatic)
        delimiter = detectDelimiter(text);
    DelimitedRead read = Splitter(delimiter, kMaxRows, text, keptRows, &later).run();
    read.delimiter = delimiter;
    return read;
}

std::string_view decodedText(std::string_view bytes, std::string &storage)
{
    if (isAscii(bytes))
        return bytes;
    storage = decodeText(bytes);
    return storage;
}

} // namespace exchange
