// Legacy Excel workbooks: the LibreOffice workbook against the same sheet saved as .xlsx,
// the real MWD report against its own TVD column, BIFF8 records built here byte by byte
// as the file format describes them (each kind of cell, strings cut by CONTINUE records,
// damaged and truncated streams), and the check of a file's content against its name.
#include "core/cformat.h"
#include "exchange/biffbook.h"
#include "exchange/stationmapping.h"
#include "exchange/tablefile.h"
#include "exchange/xlsfile.h"
#include "exchange/xlsxfile.h"
#include "well/computation.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace exchange;

namespace {

std::string fixture(const char *name)
{
    std::ifstream in(
        std::string(std::getenv("DRAVON_TEST_DATA")) + "/exchange/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    EXPECT_FALSE(s.str().empty()) << name;
    return s.str();
}

// --- BIFF8 records, little-endian, as the file format lays them out -------------------

std::string le16(unsigned value)
{
    return { static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF) };
}

std::string le32(std::uint32_t value)
{
    return le16(value & 0xFFFF) + le16(value >> 16);
}

std::string le64(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    return le32(static_cast<std::uint32_t>(bits)) + le32(static_cast<std::uint32_t>(bits >> 32));
}

std::string record(unsigned type, const std::string &data)
{
    return le16(type) + le16(static_cast<unsigned>(data.size())) + data;
}

std::string bof(unsigned kind, unsigned version = 0x0600)
{
    return record(0x0809, le16(version) + le16(kind) + std::string(12, '\0'));
}

const std::string kEof = record(0x000A, {});

std::string cellHead(unsigned row, unsigned column)
{
    return le16(row) + le16(column) + le16(15); // the last: the cell's format, never read
}

// A string of one-byte characters with a 16-bit length (LABEL, STRING, SST entries).
std::string narrow(const std::string &latin1)
{
    return le16(static_cast<unsigned>(latin1.size())) + '\0' + latin1;
}

// A string of UTF-16 code units.
std::string wide(const std::u16string &text)
{
    std::string out = le16(static_cast<unsigned>(text.size())) + '\x01';
    for (char16_t unit : text)
        out += le16(unit);
    return out;
}

// A workbook stream: globals with one BOUNDSHEET per sheet and the shared strings given
// as their SST record and continuations, then the sheets' substreams.
std::string workbook(const std::vector<std::pair<std::string, std::string>> &sheets,
    const std::string &sharedStrings = {}, const std::string &globalsExtra = {})
{
    std::string globals = bof(0x0005) + globalsExtra;
    std::vector<size_t> offsetAt;
    for (const auto &[name, body] : sheets) {
        offsetAt.push_back(globals.size() + 4);
        globals
            += record(0x0085, le32(0) + '\0' + '\0' + static_cast<char>(name.size()) + '\0' + name);
    }
    globals += sharedStrings + kEof;
    std::string stream = globals;
    for (size_t i = 0; i < sheets.size(); ++i) {
        stream.replace(offsetAt[i], 4, le32(static_cast<std::uint32_t>(stream.size())));
        stream += bof(0x0010) + sheets[i].second + kEof;
    }
    return stream;
}

Table sheetOf(const std::string &stream, size_t index = 0)
{
    const BiffWorkbook book = readBiffGlobals(stream);
    EXPECT_FALSE(book.fault) << book.fault->message;
    if (book.fault || index >= book.sheets.size())
        return {};
    const BiffSheetRead read = readBiffSheet(stream, book, book.sheets[index].offset);
    EXPECT_FALSE(read.fault) << read.fault->message;
    return read.table;
}

std::string text(const Table &table, int row, int column)
{
    const Cell *cell = table.cell(row, column);
    return cell ? std::string(cell->text) : std::string("<none>");
}

std::optional<double> number(const Table &table, int row, int column)
{
    const Cell *cell = table.cell(row, column);
    if (!cell || !cell->number)
        return std::nullopt;
    return cellNumber(*cell, DecimalSign::Point);
}

} // namespace

TEST(Xls, TheLibreOfficeWorkbookHoldsWhatItsXlsxTwinHolds)
{
    const TableLoad xls = loadTable(
        fixture("deviated-well-azimut-md-inc.xls"), TableFormat::Xls, Delimiter::Automatic, {});
    const TableLoad xlsx = loadTable(
        fixture("deviated-well-azimut-md-inc.xlsx"), TableFormat::Xlsx, Delimiter::Automatic, {});
    ASSERT_FALSE(xls.fault) << xls.fault->message;
    ASSERT_FALSE(xlsx.fault) << xlsx.fault->message;
    EXPECT_EQ(xls.sheetNames, xlsx.sheetNames);
    EXPECT_EQ(xls.sheetIndex, 0);

    // Cell by cell: the same texts, and numbers of the same value however each format
    // writes them.
    ASSERT_EQ(xls.table.rows.size(), xlsx.table.rows.size());
    int numbers = 0;
    for (size_t r = 0; r < xls.table.rows.size(); ++r) {
        for (size_t c = 0; c < std::max(xls.table.rows[r].size(), xlsx.table.rows[r].size()); ++c) {
            const Cell *a = xls.table.cell(static_cast<int>(r), static_cast<int>(c));
            const Cell *b = xlsx.table.cell(static_cast<int>(r), static_cast<int>(c));
            const bool aEmpty = !a || a->text.empty(), bEmpty = !b || b->text.empty();
            ASSERT_EQ(aEmpty, bEmpty) << "row " << r + 1 << " column " << c + 1;
            if (aEmpty)
                continue;
            ASSERT_EQ(a->number, b->number) << "row " << r + 1 << " column " << c + 1;
            if (a->number) {
                EXPECT_EQ(cellNumber(*a, DecimalSign::Point), cellNumber(*b, DecimalSign::Point));
                ++numbers;
            } else {
                EXPECT_EQ(a->text, b->text);
            }
        }
    }
    EXPECT_EQ(numbers, 3 * 95);

    const StationImport fromXls = importStations(xls.table, {});
    const StationImport fromXlsx = importStations(xlsx.table, {});
    ASSERT_FALSE(fromXls.fault);
    EXPECT_EQ(fromXls.survey.size(), 95u);
    EXPECT_EQ(fromXls.survey.stations(), fromXlsx.survey.stations());
    EXPECT_EQ(fromXls.mapping.headerRow, fromXlsx.mapping.headerRow);
    EXPECT_EQ(fromXls.mapping.columns, fromXlsx.mapping.columns);

    // The sheet choice is the same: by name in any case, by number, and the fault that
    // lists the sheets.
    for (const std::string wanted : { "notizen", "2", "3", "Plan" }) {
        const TableLoad a = loadTable(fixture("deviated-well-azimut-md-inc.xls"), TableFormat::Xls,
            Delimiter::Automatic, wanted);
        const TableLoad b = loadTable(fixture("deviated-well-azimut-md-inc.xlsx"),
            TableFormat::Xlsx, Delimiter::Automatic, wanted);
        EXPECT_EQ(a.sheetIndex, b.sheetIndex) << wanted;
        ASSERT_EQ(a.fault.has_value(), b.fault.has_value()) << wanted;
        if (a.fault) {
            EXPECT_EQ(a.fault->message, b.fault->message);
        } else {
            EXPECT_EQ(text(a.table, 0, 0), text(b.table, 0, 0));
        }
    }
}

TEST(Xls, TheRealReportAgreesWithItsOwnTvdColumn)
{
    const TableLoad load
        = loadTable(fixture("well-10H.xls"), TableFormat::Xls, Delimiter::Automatic, {});
    ASSERT_FALSE(load.fault) << load.fault->message;
    EXPECT_EQ(load.sheetNames, std::vector<std::string> { "Sheet1" });
    const StationImport import = importStations(load.table, {});
    ASSERT_FALSE(import.fault) << import.fault->message;
    // Row 18 holds the headings over two lines, row 19 the units, the stations run from
    // row 20 to row 164, the survey programme in rows 168 to 176 is not read.
    EXPECT_EQ(import.mapping.headerRow, 17);
    EXPECT_EQ(import.mapping.columns, (std::array<int, 3> { 1, 2, 3 }));
    EXPECT_EQ(import.mapping.firstDataRow, 19);
    EXPECT_EQ(import.mapping.unit, DepthUnit::Feet);
    EXPECT_EQ(import.afterFirst, 168);
    EXPECT_EQ(import.afterLast, 176);
    EXPECT_EQ(import.notice(), "Zeilen 168 bis 176 nach der Tabelle nicht gelesen");

    // Each station against the file's own TVD (column E), north (G) and east (H), in feet.
    // The report computed them in double precision by the same method: they agree to far
    // below the printed digits (4.6e-13 m at worst when this was written).
    well::Well well;
    well.survey = import.survey;
    const well::Computation run = well::compute(well);
    ASSERT_FALSE(run.aborted);
    const std::vector<traj::Station> &path = run.path.stations;
    ASSERT_EQ(path.size(), 121u);
    size_t s = 0;
    double worst = 0;
    for (int r = 19; r < 164; ++r) {
        if (!number(load.table, r, 1))
            continue;
        ASSERT_LT(s, path.size());
        const double feet = 0.3048;
        EXPECT_NEAR(path[s].md, *number(load.table, r, 1) * feet, 1e-9);
        for (const auto &[column, value] : { std::pair { 4, path[s].tvd },
                 std::pair { 6, path[s].north }, std::pair { 7, path[s].east } }) {
            const double expected = *number(load.table, r, column) * feet;
            EXPECT_NEAR(value, expected, 1e-6) << "row " << r + 1 << " column " << column + 1;
            worst = std::max(worst, std::abs(value - expected));
        }
        ++s;
    }
    EXPECT_EQ(s, path.size());
    RecordProperty("worst_difference_m", cfmt("%.2e", worst));
}

TEST(Xls, TheReportSavedAsCsvGivesTheSameStationsToItsDigits)
{
    const StationImport xls = importTableStations(
        fixture("well-10H.xls"), TableFormat::Xls, Delimiter::Automatic, {}, {});
    const StationImport csv = importTableStations(
        fixture("well-10H.csv"), TableFormat::Delimited, Delimiter::Automatic, {}, {});
    ASSERT_FALSE(csv.fault) << csv.fault->message;
    EXPECT_EQ(csv.mapping.unit, DepthUnit::Feet);
    EXPECT_EQ(csv.notice(), xls.notice());
    ASSERT_EQ(csv.survey.size(), xls.survey.size());
    for (size_t i = 0; i < csv.survey.size(); ++i) {
        const well::Station &a = csv.survey.stations()[i];
        const well::Station &b = xls.survey.stations()[i];
        // The CSV has two decimals of the sheet's values (feet for the depth).
        EXPECT_NEAR(a.md, b.md, 0.005 * 0.3048 + 1e-9) << i;
        EXPECT_NEAR(a.inclination, b.inclination, 0.005 + 1e-9) << i;
        EXPECT_NEAR(a.azimuth, b.azimuth, 0.005 + 1e-9) << i;
    }
}

TEST(Xls, AReportWithNotesBelowImportsWhole)
{
    const std::string bytes = fixture("report-notes.csv");
    const StationImport import
        = importTableStations(bytes, TableFormat::Delimited, Delimiter::Automatic, {}, {});
    ASSERT_FALSE(import.fault) << import.fault->message;
    EXPECT_EQ(import.notice(), "Zeilen 15 bis 17 nach der Tabelle nicht gelesen");
    ASSERT_EQ(import.survey.size(), 6u);

    // The file's TVD column was computed elsewhere; it must agree to its two decimals.
    const TableLoad load = loadTable(bytes, TableFormat::Delimited, Delimiter::Automatic, {});
    well::Well well;
    well.survey = import.survey;
    const well::Computation run = well::compute(well);
    ASSERT_EQ(run.path.stations.size(), 6u);
    size_t i = 0;
    for (int row = import.mapping.firstDataRow; row < import.afterFirst - 1; ++row) {
        const Cell *tvd = load.table.cell(row, 4);
        if (!tvd || tvd->text.empty())
            continue; // a blank row between groups
        const auto expected = cellNumber(*tvd, DecimalSign::Point);
        ASSERT_TRUE(expected && i < 6) << "row " << row + 1;
        EXPECT_NEAR(run.path.stations[i].tvd, *expected, 0.005 + 1e-9) << "row " << row + 1;
        ++i;
    }
    EXPECT_EQ(i, 6u);
}

TEST(Xls, EveryKindOfCellRecord)
{
    // Shared strings: plain, wide, rich (with formatting runs) and with phonetic data.
    const std::string sst = record(0x00FC,
        le32(4) + le32(4) + narrow("Teufe") + wide(u"Neigung \u00B0") + le16(3) + '\x08' + le16(1)
            + "Azi" + le32(0) + le16(2) + '\x04' + le32(3) + "MD" + "abc");
    std::string cells = record(0x00FD, cellHead(0, 0) + le32(0)) // Teufe
        + record(0x00FD, cellHead(0, 1) + le32(1)) // Neigung °
        + record(0x00FD, cellHead(0, 2) + le32(2)) // Azi
        + record(0x0201, cellHead(0, 3)) // BLANK: nothing
        + record(0x0203, cellHead(1, 0) + le64(1234.25)) // NUMBER
        + record(0x027E, cellHead(1, 1) + le32((100u << 2) | 2u)) // RK integer
        + record(0x027E, cellHead(1, 2) + le32((123450u << 2) | 3u)) // RK integer / 100
        // MULRK: a double's upper half, and the same divided by 100.
        + record(0x00BD,
            le16(2) + le16(0) + le16(15) + le32(0x3FE00000u) + le16(15) + le32(0x3FE00001u)
                + le16(1))
        + record(0x0204, cellHead(3, 0) + wide(u"\u20AC Bohrung S\u00FCd \u4E2D")) // LABEL
        // FORMULA with a number, with a string (in the STRING record after it), a
        // boolean and an error.
        + record(0x0006, cellHead(4, 0) + le64(42.5) + le16(0) + le32(0) + le16(0))
        + record(0x0006,
            cellHead(4, 1) + std::string("\0\0\0\0\0\0\xFF\xFF", 8) + le16(0) + le32(0) + le16(0))
        + record(0x04BC, std::string(8, '\0')) // a shared formula between: passed over
        + record(0x0207, narrow("Ergebnis"))
        + record(0x0006,
            cellHead(4, 2) + std::string("\x01\0\x01\0\0\0\xFF\xFF", 8) + le16(0) + le32(0)
                + le16(0))
        + record(0x0205, cellHead(4, 3) + '\x07' + '\x01') // BOOLERR: #DIV/0!
        // A chart inside the sheet: its records are not the sheet's cells.
        + bof(0x0020) + record(0x0203, cellHead(9, 9) + le64(1)) + kEof
        + record(0x0203, cellHead(5, 4) + le64(-0.0001))
        // Numbers a cell's text must hold within its bound, and one that is none.
        + record(0x0203, cellHead(6, 0) + le64(500000))
        + record(0x0203, cellHead(6, 1) + le64(1e-300))
        + record(0x0203, cellHead(6, 2) + le64(std::nan("")));
    const Table table = sheetOf(workbook({ { "Daten", cells } }, sst));

    EXPECT_EQ(text(table, 0, 0), "Teufe");
    EXPECT_EQ(text(table, 0, 1), "Neigung °");
    EXPECT_EQ(text(table, 0, 2), "Azi");
    EXPECT_EQ(text(table, 0, 3), "<none>");
    EXPECT_EQ(number(table, 1, 0), 1234.25);
    EXPECT_EQ(number(table, 1, 1), 100.0);
    EXPECT_EQ(number(table, 1, 2), 1234.5);
    EXPECT_EQ(number(table, 2, 0), 0.5);
    EXPECT_EQ(number(table, 2, 1), 0.005);
    // Every character of the label, the Chinese one too.
    EXPECT_EQ(text(table, 3, 0), "€ Bohrung Süd 中");
    EXPECT_EQ(number(table, 4, 0), 42.5);
    EXPECT_EQ(text(table, 4, 1), "Ergebnis");
    EXPECT_FALSE(table.cell(4, 1)->number);
    EXPECT_EQ(text(table, 4, 2), "WAHR");
    EXPECT_EQ(text(table, 4, 3), "#DIV/0!");
    EXPECT_EQ(number(table, 5, 4), -0.0001);
    EXPECT_EQ(text(table, 6, 0), "500000");
    EXPECT_EQ(number(table, 6, 1), 1e-300);
    EXPECT_LE(text(table, 6, 1).size(), kMaxCellCharacters);
    EXPECT_EQ(text(table, 6, 2), "#NUM!");
    EXPECT_FALSE(table.cell(6, 2)->number);
    EXPECT_EQ(table.rows.size(), 7u) << "the chart's cell at row 10 is not the sheet's";
}

TEST(Xls, StringsCutByContinueRecords)
{
    // The first string's characters run into a CONTINUE record, which starts with its own
    // option byte and switches to two-byte characters; the second string's formatting
    // runs are cut between records (no option byte there); the third starts a record.
    const std::string first = le16(10) + '\0' + "Messt"; // 5 of 10 characters
    const std::string rest
        = std::string("\x01", 1) + le16(u'e') + le16(u'u') + le16(u'f') + le16(u'e') + le16(0x2013);
    const std::string second = le16(3) + '\x08' + le16(2) + "Inc" + le32(0) + le16(0);
    const std::string secondRest = le16(0); // the rest of the two runs' eight bytes
    const std::string third = narrow("Azimut");
    const std::string sst = record(0x00FC, le32(3) + le32(3) + first)
        + record(0x003C, rest + second) + record(0x003C, secondRest) + record(0x003C, third);
    std::string cells;
    for (unsigned i = 0; i < 3; ++i)
        cells += record(0x00FD, cellHead(0, i) + le32(i));
    const Table table = sheetOf(workbook({ { "S", cells } }, sst));
    EXPECT_EQ(text(table, 0, 0), "Messteufe–");
    EXPECT_EQ(text(table, 0, 1), "Inc");
    EXPECT_EQ(text(table, 0, 2), "Azimut");
}

TEST(Xls, DamagedStreamsAreRefusedWithAMessage)
{
    const std::string sst = record(0x00FC, le32(1) + le32(1) + narrow("MD"));
    const std::string cells = record(0x00FD, cellHead(0, 0) + le32(0))
        + record(0x0203, cellHead(1, 0) + le64(1.5)) + record(0x0204, cellHead(2, 0) + narrow("x"));
    const std::string good = workbook({ { "A", cells }, { "B", cells } }, sst);

    // Cut anywhere, the stream gives a table or a message, never more than it holds.
    for (size_t length = 0; length < good.size(); ++length) {
        const std::string cut = good.substr(0, length);
        const BiffWorkbook book = readBiffGlobals(cut);
        if (book.fault) {
            EXPECT_FALSE(book.fault->message.empty());
            continue;
        }
        for (const BiffSheet &sheet : book.sheets) {
            const BiffSheetRead read = readBiffSheet(cut, book, sheet.offset);
            EXPECT_TRUE(read.fault || read.table.rows.size() <= 3) << length;
            if (read.fault) {
                EXPECT_FALSE(read.fault->message.empty());
            }
        }
    }

    auto globalsFault = [](const std::string &stream) {
        const BiffWorkbook book = readBiffGlobals(stream);
        return book.fault ? book.fault->message : std::string();
    };
    EXPECT_EQ(globalsFault(bof(0x0005, 0x0500) + kEof),
        "Die Excel-Datei ist in einem Format vor Excel 97 gespeichert. Bitte als Excel "
        "97–2003 (.xls) oder als .xlsx speichern.");
    EXPECT_EQ(globalsFault(workbook({ { "A", cells } }, sst, record(0x002F, le16(1)))),
        "Die Excel-Datei ist mit einem Kennwort geschützt. Bitte ohne Kennwort speichern.");
    EXPECT_EQ(globalsFault("Teufe;Neigung;Azimut\n"),
        "Die Excel-Datei (.xls) ist beschädigt oder unvollständig.");

    // A shared string that is not there, a sheet that points outside the stream.
    const std::string beyond = workbook({ { "A", record(0x00FD, cellHead(0, 0) + le32(1)) } }, sst);
    const BiffWorkbook book = readBiffGlobals(beyond);
    ASSERT_FALSE(book.fault);
    EXPECT_TRUE(readBiffSheet(beyond, book, book.sheets[0].offset).fault);
    EXPECT_TRUE(readBiffSheet(beyond, book, static_cast<std::uint32_t>(beyond.size())).fault);
    EXPECT_TRUE(readBiffSheet(beyond, book, 0).fault) << "the globals are no worksheet";
}

TEST(Xls, ACutOrDamagedFileGivesAMessageOrItsSheet)
{
    // The container and the records together, cut at every sector and with bytes
    // overwritten: libgsf and the record reader must either refuse or read, never crash.
    const std::string whole = fixture("deviated-well-azimut-md-inc.xls");
    for (size_t length = 0; length < whole.size(); length += 256) {
        const XlsRead read = readXls(whole.substr(0, length), {});
        if (read.fault) {
            EXPECT_FALSE(read.fault->message.empty());
        } else {
            EXPECT_LE(read.table.rows.size(), 98u) << length; // never more than the file has
        }
    }
    unsigned seed = 17;
    for (int round = 0; round < 200; ++round) {
        std::string damaged = whole;
        for (int i = 0; i < 8; ++i) {
            seed = seed * 1103515245u + 12345u;
            damaged[512 + (seed >> 8) % (damaged.size() - 512)] = static_cast<char>(seed >> 24);
        }
        const XlsRead read = readXls(damaged, {});
        if (read.fault) {
            EXPECT_FALSE(read.fault->message.empty());
        } else {
            EXPECT_LE(read.table.rows.size(), 65536u);
        }
    }
}

TEST(Xls, ContentMustMatchTheName)
{
    const std::string xls = fixture("deviated-well-azimut-md-inc.xls");
    const std::string xlsx = fixture("deviated-well-azimut-md-inc.xlsx");
    const std::string text = "Teufe;Neigung;Azimut\n30;0,5;120\n";
    struct Case
    {
        std::string bytes;
        TableFormat named;
        std::optional<TableFormat> read; // none: refused
        std::string message;
    };
    const std::vector<Case> cases {
        { text, TableFormat::Xls, {}, "Die Datei f ist keine Excel-Arbeitsmappe (.xls)." },
        { text, TableFormat::Xlsx, {}, "Die Datei f ist keine Excel-Arbeitsmappe (.xlsx)." },
        { "", TableFormat::Delimited, {}, "Die Datei f ist leer." },
        { "", TableFormat::Xls, {}, "Die Datei f ist leer." },
        { std::string("\x7F"
                      "ELF\x02\x01\x01\0\0\0",
              10)
                + text,
            TableFormat::Delimited, {},
            "Die Datei f ist keine Textdatei mit einer Tabelle (.csv)." },
        { text, TableFormat::Delimited, TableFormat::Delimited, {} },
        { std::string("\xFF\xFET\0e\0", 6), TableFormat::Delimited, TableFormat::Delimited, {} },
        // Between the workbook kinds the content decides.
        { xls, TableFormat::Xlsx, TableFormat::Xls, {} },
        { xlsx, TableFormat::Xls, TableFormat::Xlsx, {} },
        { xls, TableFormat::Delimited, TableFormat::Xls, {} },
        { xls, TableFormat::Xls, TableFormat::Xls, {} },
    };
    for (const Case &c : cases) {
        TableFormat format = c.named;
        const auto fault = checkTableContent("f", c.bytes, format);
        EXPECT_EQ(fault.has_value(), !c.read) << c.message;
        if (fault) {
            EXPECT_EQ(fault->message, c.message);
        } else {
            EXPECT_EQ(format, *c.read);
        }
    }

    // The readers themselves refuse what they are handed by mistake.
    EXPECT_EQ(readXls(text, {}).fault->message, "Die Datei ist keine Excel-Arbeitsmappe (.xls).");
    EXPECT_EQ(tableFormatForPath("/a/Bericht.XLS"), TableFormat::Xls);
    EXPECT_EQ(tableFormatForPath("b.xlsx"), TableFormat::Xlsx);
    // A compound file cut short.
    std::string stream;
    std::string damaged = xls;
    damaged.resize(1024);
    EXPECT_TRUE(readWorkbookStream(damaged, stream).has_value());
}
