// BIFF8 records: a record is a 16-bit type and a 16-bit length followed by that many
// bytes; a record too long for one is continued in CONTINUE records, and a string cut
// there starts again with its own option byte. Only what a survey table needs is read:
// the sheet list, the shared strings, text and number cells, the cached results of
// formulas. Formatting, names and drawings are passed over. The CODEPAGE record is passed
// over too: in BIFF8 every string is UTF-16, or its "compressed" form whose bytes are the
// low bytes of UTF-16 (ISO 8859-1), so the code page only matters to the older formats,
// which are refused with a message.
#include "exchange/biffbook.h"

#include "core/cformat.h"
#include "core/decimalsign.h"
#include "core/utf8.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>

namespace exchange {

namespace {

    // Record types (the Microsoft names).
    constexpr std::uint16_t kFormula = 0x0006;
    constexpr std::uint16_t kEof = 0x000A;
    constexpr std::uint16_t kFilePass = 0x002F;
    constexpr std::uint16_t kContinue = 0x003C;
    constexpr std::uint16_t kBoundSheet = 0x0085;
    constexpr std::uint16_t kMulRk = 0x00BD;
    constexpr std::uint16_t kRString = 0x00D6;
    constexpr std::uint16_t kSst = 0x00FC;
    constexpr std::uint16_t kLabelSst = 0x00FD;
    constexpr std::uint16_t kNumber = 0x0203;
    constexpr std::uint16_t kLabel = 0x0204;
    constexpr std::uint16_t kBoolErr = 0x0205;
    constexpr std::uint16_t kString = 0x0207;
    constexpr std::uint16_t kRk = 0x027E;
    constexpr std::uint16_t kBof = 0x0809;

    constexpr std::uint16_t kBiff8 = 0x0600;
    constexpr std::uint16_t kGlobalsKind = 0x0005;
    constexpr std::uint16_t kWorksheetKind = 0x0010;
    // The longest record BIFF8 writes; a longer length is damage.
    constexpr std::size_t kMaxRecordBytes = 8224;
    // As many shared strings as an .xlsx workbook may bring.
    constexpr std::size_t kMaxStrings = 1000000;
    // A chart embedded in a sheet has its own BOF and EOF inside the sheet's.
    constexpr int kMaxNesting = 8;
    // Text of a cell is gathered up to this many UTF-8 bytes, then only counted: enough
    // for the kMaxCellCharacters a cell keeps.
    constexpr std::size_t kMaxGatheredBytes = kMaxCellBytes;

    TableFault message(const std::string &text)
    {
        TableFault fault;
        fault.message = text;
        return fault;
    }

    TableFault damaged()
    {
        return message(i18n::translate(
            "Tabellenimport", "Die Excel-Datei (.xls) ist beschädigt oder unvollständig."));
    }

    std::uint16_t u16(const char *p)
    {
        return static_cast<std::uint16_t>(
            static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8));
    }

    std::uint32_t u32(const char *p)
    {
        return static_cast<std::uint32_t>(u16(p)) | (static_cast<std::uint32_t>(u16(p + 2)) << 16);
    }

    double f64(const char *p)
    {
        const std::uint64_t bits
            = static_cast<std::uint64_t>(u32(p)) | (static_cast<std::uint64_t>(u32(p + 4)) << 32);
        return std::bit_cast<double>(bits);
    }

    // An RK value: a double with only its upper 30 bits, or a 30-bit integer, either of
    // them possibly a hundredth of what it says.
    double rkValue(std::uint32_t rk)
    {
        double value;
        if (rk & 2u)
            value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
        else
            value = std::bit_cast<double>(static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32);
        return (rk & 1u) ? value / 100.0 : value;
    }

    struct Record
    {
        std::uint16_t type = 0;
        std::string_view data;
    };

    // The records of the stream from a position on.
    class Records
    {
    public:
        Records(std::string_view stream, std::size_t at)
            : m_stream(stream)
            , m_at(at)
        {
        }

        // False at the end of the stream; `bad` tells whether it ended inside a record.
        bool next(Record &record, bool &bad)
        {
            bad = false;
            if (m_at >= m_stream.size())
                return false;
            if (m_stream.size() - m_at < 4) {
                bad = true;
                return false;
            }
            record.type = u16(m_stream.data() + m_at);
            const std::size_t length = u16(m_stream.data() + m_at + 2);
            if (length > kMaxRecordBytes || length > m_stream.size() - m_at - 4) {
                bad = true;
                return false;
            }
            record.data = m_stream.substr(m_at + 4, length);
            m_at += 4 + length;
            return true;
        }

        // The data of the CONTINUE records that follow, consumed.
        void continuations(std::vector<std::string_view> &parts)
        {
            while (m_stream.size() - m_at >= 4 && u16(m_stream.data() + m_at) == kContinue) {
                Record record;
                bool bad = false;
                if (!next(record, bad))
                    return;
                parts.push_back(record.data);
            }
        }

    private:
        std::string_view m_stream;
        std::size_t m_at;
    };

    // A record and its continuations read as one, except that characters of a string
    // that cross into the next part are preceded there by a new option byte.
    class Parts
    {
    public:
        explicit Parts(std::vector<std::string_view> parts)
            : m_parts(std::move(parts))
        {
        }

        bool done()
        {
            settle();
            return m_part >= m_parts.size();
        }

        bool byte(unsigned char &out)
        {
            settle();
            if (m_part >= m_parts.size())
                return false;
            out = static_cast<unsigned char>(m_parts[m_part][m_at++]);
            return true;
        }

        bool u16le(std::uint32_t &out)
        {
            unsigned char lo = 0, hi = 0;
            if (!byte(lo) || !byte(hi))
                return false;
            out = lo | (static_cast<std::uint32_t>(hi) << 8);
            return true;
        }

        bool u32le(std::uint32_t &out)
        {
            std::uint32_t lo = 0, hi = 0;
            if (!u16le(lo) || !u16le(hi))
                return false;
            out = lo | (hi << 16);
            return true;
        }

        bool skip(std::uint64_t count)
        {
            while (count > 0) {
                settle();
                if (m_part >= m_parts.size())
                    return false;
                const std::size_t step = static_cast<std::size_t>(
                    std::min<std::uint64_t>(count, m_parts[m_part].size() - m_at));
                m_at += step;
                count -= step;
            }
            return true;
        }

        // `count` characters, one byte each (the low byte of UTF-16) or two, as UTF-8
        // appended to `out` up to kMaxGatheredBytes. A part boundary among them brings
        // a new option byte.
        bool chars(std::uint32_t count, bool wide, std::string &out)
        {
            char32_t high = 0; // a high surrogate waiting for its partner
            for (std::uint32_t i = 0; i < count; ++i) {
                if (m_part < m_parts.size() && m_at == m_parts[m_part].size()) {
                    ++m_part;
                    m_at = 0;
                    unsigned char options = 0;
                    if (!byte(options))
                        return false;
                    wide = options & 1u;
                }
                std::uint32_t unit = 0;
                unsigned char narrow = 0;
                if (wide ? !u16le(unit) : !byte(narrow))
                    return false;
                if (!wide)
                    unit = narrow;
                char32_t cp = unit;
                if (unit >= 0xD800 && unit < 0xDC00) {
                    high = unit;
                    continue;
                }
                if (unit >= 0xDC00 && unit < 0xE000)
                    cp = high ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : U'?';
                else if (high)
                    append(out, U'?');
                high = 0;
                append(out, cp == 0 ? U' ' : cp);
            }
            if (high)
                append(out, U'?');
            return true;
        }

    private:
        // Moves over the ends of parts (never inside chars(), which wants the option byte).
        void settle()
        {
            while (m_part < m_parts.size() && m_at == m_parts[m_part].size()) {
                ++m_part;
                m_at = 0;
            }
        }

        static void append(std::string &out, char32_t cp)
        {
            if (out.size() < kMaxGatheredBytes)
                utf8::append(out, cp);
        }

        std::vector<std::string_view> m_parts;
        std::size_t m_part = 0;
        std::size_t m_at = 0;
    };

    std::string cellText(std::string text)
    {
        clipCellText(text);
        return text;
    }

    // A string with a 16-bit length (XLUnicodeString): LABEL, STRING.
    bool readUnicodeString(Parts &parts, std::string &text)
    {
        std::uint32_t count = 0;
        unsigned char options = 0;
        if (!parts.u16le(count) || !parts.byte(options))
            return false;
        std::string read;
        if (!parts.chars(count, options & 1u, read))
            return false;
        text = cellText(std::move(read));
        return true;
    }

    // The shared-string table: a count, then rich extended strings, which may carry
    // formatting runs and phonetic data after their characters.
    std::optional<TableFault> readStrings(Parts parts, std::vector<std::string> &strings)
    {
        std::uint32_t total = 0, unique = 0;
        if (!parts.u32le(total) || !parts.u32le(unique))
            return damaged();
        if (unique > kMaxStrings)
            return tooLargeFault();
        strings.reserve(std::min<std::size_t>(unique, 65536));
        for (std::uint32_t i = 0; i < unique && !parts.done(); ++i) {
            std::uint32_t count = 0, runs = 0, phonetic = 0;
            unsigned char options = 0;
            if (!parts.u16le(count) || !parts.byte(options))
                return damaged();
            if ((options & 0x08u) && !parts.u16le(runs))
                return damaged();
            if ((options & 0x04u) && !parts.u32le(phonetic))
                return damaged();
            std::string read;
            if (!parts.chars(count, options & 1u, read))
                return damaged();
            if (!parts.skip(4ull * runs + phonetic))
                return damaged();
            strings.push_back(cellText(std::move(read)));
        }
        return std::nullopt;
    }

    // A BOF record's version and kind; a fault for anything but BIFF8.
    std::optional<TableFault> checkBof(const Record &record, std::uint16_t kind)
    {
        if (record.type != kBof || record.data.size() < 4)
            return damaged();
        if (u16(record.data.data()) != kBiff8)
            return message(i18n::translate("Tabellenimport",
                "Die Excel-Datei ist in einem Format vor Excel 97 gespeichert. Bitte "
                "als Excel 97–2003 (.xls) oder als .xlsx speichern."));
        if (u16(record.data.data() + 2) != kind)
            return damaged();
        return std::nullopt;
    }

    // Puts cells into the table within its bounds.
    class SheetBuilder
    {
    public:
        explicit SheetBuilder(Table &table)
            : m_table(table)
        {
        }

        // False when the table outgrows its bounds.
        bool put(std::uint32_t row, std::uint32_t column, std::string_view text, bool number)
        {
            if (column >= static_cast<std::uint32_t>(kMaxColumns))
                return true; // not kept, as in the other readers
            if (row >= static_cast<std::uint32_t>(kMaxRows))
                return false;
            auto &rows = m_table.rows;
            if (rows.size() <= row)
                rows.resize(row + 1);
            auto &cells = rows[row];
            if (cells.size() <= column) {
                const std::size_t added = column + 1 - cells.size();
                if (m_table.cells + added > kMaxCells)
                    return false;
                cells.resize(column + 1);
                m_table.cells += added;
            }
            cells[column] = Cell { m_table.keep(text), number };
            return true;
        }

        bool putNumber(std::uint32_t row, std::uint32_t column, double value)
        {
            if (!std::isfinite(value))
                return put(row, column, "#NUM!", false);
            // As a person reads it ("500000"), unless that takes hundreds of digits
            // (1e-300): then in exponent form, which the import reads too.
            std::string text = decimalsign::shortest(value, decimalsign::Sign::Point);
            if (text.size() > 24) {
                char buffer[32];
                const auto written = std::to_chars(
                    buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
                text.assign(buffer, written.ptr);
            }
            return put(row, column, text, true);
        }

    private:
        Table &m_table;
    };

    // An error result as the file format spells it (an .xlsx holds the same texts).
    const char *errorText(unsigned char code)
    {
        switch (code) {
        case 0x00:
            return "#NULL!";
        case 0x07:
            return "#DIV/0!";
        case 0x0F:
            return "#VALUE!";
        case 0x17:
            return "#REF!";
        case 0x1D:
            return "#NAME?";
        case 0x24:
            return "#NUM!";
        default:
            return "#N/A";
        }
    }

} // namespace

BiffWorkbook readBiffGlobals(std::string_view stream)
{
    BiffWorkbook book;
    if (stream.size() > kMaxBiffStreamBytes) {
        book.fault = message(cfmt(
            i18n::translateFormat("Tabellenimport", "Die Datei ist größer als %zu MB.").c_str(),
            kMaxFileBytes >> 20));
        return book;
    }
    Records records(stream, 0);
    Record record;
    bool bad = false;
    if (!records.next(record, bad)) {
        book.fault = damaged();
        return book;
    }
    if ((book.fault = checkBof(record, kGlobalsKind)))
        return book;
    while (records.next(record, bad)) {
        if (record.type == kEof)
            break;
        if (record.type == kFilePass) {
            book.fault = message(i18n::translate("Tabellenimport",
                "Die Excel-Datei ist mit einem Kennwort geschützt. Bitte ohne "
                "Kennwort speichern."));
            return book;
        }
        if (record.type == kBoundSheet) {
            const std::string_view d = record.data;
            if (d.size() < 8) {
                book.fault = damaged();
                return book;
            }
            // Only worksheets hold cells; charts and macro sheets are passed over.
            if (static_cast<unsigned char>(d[5]) != 0)
                continue;
            Parts parts({ d.substr(8) });
            std::string read;
            if (!parts.chars(static_cast<unsigned char>(d[6]), d[7] & 1, read)) {
                book.fault = damaged();
                return book;
            }
            book.sheets.push_back({ std::move(read), u32(d.data()) });
        } else if (record.type == kSst) {
            std::vector<std::string_view> parts { record.data };
            records.continuations(parts);
            if ((book.fault = readStrings(Parts(std::move(parts)), book.strings))) {
                book.strings.clear();
                return book;
            }
        }
    }
    if (bad)
        book.fault = damaged();
    return book;
}

BiffSheetRead readBiffSheet(std::string_view stream, const BiffWorkbook &book, std::uint32_t offset)
{
    BiffSheetRead read;
    if (offset >= stream.size()) {
        read.fault = damaged();
        return read;
    }
    Records records(stream, offset);
    Record record;
    bool bad = false;
    if (!records.next(record, bad) || (read.fault = checkBof(record, kWorksheetKind))) {
        if (!read.fault)
            read.fault = damaged();
        return read;
    }
    SheetBuilder sheet(read.table);
    int depth = 1;
    // A formula whose result is a string: the STRING record after it holds the text.
    std::optional<std::pair<std::uint32_t, std::uint32_t>> pendingString;
    bool ok = true;
    while (ok && depth > 0 && records.next(record, bad)) {
        const std::string_view d = record.data;
        if (record.type == kBof) {
            if (++depth > kMaxNesting) {
                read.fault = damaged();
                return read;
            }
            continue;
        }
        if (record.type == kEof) {
            --depth;
            continue;
        }
        if (depth > 1)
            continue; // an embedded chart's records
        // Every cell record begins with its row and column.
        const auto row = d.size() >= 4 ? std::uint32_t { u16(d.data()) } : 0u;
        const auto column = d.size() >= 4 ? std::uint32_t { u16(d.data() + 2) } : 0u;
        auto need = [&](std::size_t size) {
            if (d.size() >= size)
                return true;
            read.fault = damaged();
            return false;
        };
        switch (record.type) {
        case kLabelSst: {
            if (!need(10))
                return read;
            const std::uint32_t index = u32(d.data() + 6);
            if (index >= book.strings.size()) {
                read.fault = damaged();
                return read;
            }
            ok = sheet.put(row, column, book.strings[index], false);
            break;
        }
        case kNumber:
            if (!need(14))
                return read;
            ok = sheet.putNumber(row, column, f64(d.data() + 6));
            break;
        case kRk:
            if (!need(10))
                return read;
            ok = sheet.putNumber(row, column, rkValue(u32(d.data() + 6)));
            break;
        case kMulRk: {
            if (!need(6))
                return read;
            const std::size_t count = (d.size() - 6) / 6;
            for (std::size_t i = 0; i < count && ok; ++i)
                ok = sheet.putNumber(row, column + static_cast<std::uint32_t>(i),
                    rkValue(u32(d.data() + 4 + 6 * i + 2)));
            break;
        }
        case kLabel:
        case kRString: {
            if (!need(9))
                return read;
            Parts parts({ d.substr(6) });
            std::string text;
            if (!readUnicodeString(parts, text)) {
                read.fault = damaged();
                return read;
            }
            ok = sheet.put(row, column, text, false);
            break;
        }
        case kBoolErr:
            if (!need(8))
                return read;
            ok = sheet.put(row, column,
                d[7] ? errorText(static_cast<unsigned char>(d[6]))
                     : (d[6] ? i18n::translate("Tabellenimport", "WAHR")
                             : i18n::translate("Tabellenimport", "FALSCH")),
                false);
            break;
        case kFormula: {
            if (!need(20))
                return read;
            pendingString.reset();
            const char *value = d.data() + 6;
            if (u16(value + 6) != 0xFFFF) {
                ok = sheet.putNumber(row, column, f64(value));
                break;
            }
            switch (static_cast<unsigned char>(value[0])) {
            case 0:
                pendingString.emplace(row, column);
                break;
            case 1:
                ok = sheet.put(row, column,
                    value[2] ? i18n::translate("Tabellenimport", "WAHR")
                             : i18n::translate("Tabellenimport", "FALSCH"),
                    false);
                break;
            case 2:
                ok = sheet.put(row, column, errorText(static_cast<unsigned char>(value[2])), false);
                break;
            default:
                break; // an empty text
            }
            break;
        }
        case kString: {
            std::vector<std::string_view> parts { d };
            records.continuations(parts);
            if (!pendingString)
                break;
            Parts string(std::move(parts));
            std::string text;
            if (!readUnicodeString(string, text)) {
                read.fault = damaged();
                return read;
            }
            ok = sheet.put(pendingString->first, pendingString->second, text, false);
            pendingString.reset();
            break;
        }
        default:
            break;
        }
    }
    if (!ok) {
        read.fault = tooLargeFault();
        read.table = Table();
    } else if (bad) {
        read.fault = damaged();
    }
    return read;
}

} // namespace exchange
