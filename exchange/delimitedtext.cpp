// Reading delimited text: character set, delimiter detection and RFC 4180 fields.
#include "exchange/delimitedtext.h"

#include "core/cformat.h"
#include "core/textencoding.h"
#include "core/utf8.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>

namespace exchange {

namespace {

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
                    fault.message = cfmt(i18n::translateFormat("Tabellenimport",
                                             "Ein Anführungszeichen in Zeile %d wird "
                                             "bis zum Dateiende nicht geschlossen.")
                                             .c_str(),
                        quoteRow);
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
            m_characters = 0;
            m_quoted = false;
            m_field.clear();
        }

        // Adds text[from, from + count) to the field, as far as a cell keeps it. An
        // unquoted field is one run of the text; a quoted one is collected. A run ends
        // at an ASCII character, so it holds whole characters.
        void add(size_t from, size_t count)
        {
            const utf8::Prefix kept
                = utf8::prefix(m_in.substr(from, count), kMaxCellCharacters - m_characters);
            const size_t take = kept.bytes;
            m_characters += kept.characters;
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
            m_characters = 0;
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
        size_t m_length = 0; // the field's length as kept, in bytes
        size_t m_characters = 0; // ... and in characters
        std::string m_field; // a quoted field's text
        std::string m_scratch; // quoted fields of a row handed on; never reallocates
        std::vector<Cell> m_row;
        DelimitedRead m_result;
    };

} // namespace

std::string decodeText(std::string_view bytes)
{
    return textencoding::decode(bytes);
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
    if (utf8::isAscii(bytes))
        return bytes;
    storage = decodeText(bytes);
    return storage;
}

} // namespace exchange
