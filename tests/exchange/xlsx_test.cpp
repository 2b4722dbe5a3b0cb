// Workbooks: the fixture made by LibreOffice, a sheet's XML read in pieces of any size,
// archives that are damaged, too large when unpacked or no workbook at all, and a
// workbook that libxlsxwriter writes against the same survey as text.
#include "core/cformat.h"
#include "exchange/sheetxml.h"
#include "exchange/stationmapping.h"
#include "exchange/tablefile.h"
#include "exchange/xlsxfile.h"

#include <xlsxwriter.h>
#include <zip.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <locale.h>
#include <map>
#include <random>
#include <sstream>

using namespace exchange;

namespace {

std::string slurp(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string fixture(const char *name)
{
    return slurp(std::string(std::getenv("DRAVON_TEST_DATA")) + "/exchange/" + name);
}

// A zip archive of `parts` written by libzip into memory.
std::string zipOf(const std::map<std::string, std::string> &parts)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_source_keep(buffer);
    for (const auto &[name, content] : parts) {
        zip_source_t *data = zip_source_buffer(archive, content.data(), content.size(), 0);
        zip_file_add(archive, name.c_str(), data, ZIP_FL_OVERWRITE);
    }
    zip_close(archive);
    std::string bytes;
    zip_source_open(buffer);
    zip_source_seek(buffer, 0, SEEK_END);
    bytes.resize(static_cast<size_t>(zip_source_tell(buffer)));
    zip_source_seek(buffer, 0, SEEK_SET);
    zip_source_read(buffer, bytes.data(), bytes.size());
    zip_source_close(buffer);
    zip_source_free(buffer);
    return bytes;
}

const std::string kWorkbook
    = R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
      R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
      R"(<sheets><sheet name="Daten" sheetId="1" r:id="rId1"/></sheets></workbook>)";

std::string workbookWith(const std::string &sheetXml)
{
    return zipOf({ { "xl/workbook.xml", kWorkbook }, { "xl/worksheets/sheet1.xml", sheetXml } });
}

// A workbook whose sheet is `size` blanks, packed as fast as zlib can; the blanks are
// made as libzip asks for them, so that the test does not hold them all.
std::string workbookWithBlankSheet(zip_uint64_t size)
{
    struct Blanks
    {
        zip_uint64_t size;
        zip_uint64_t at = 0;
    } blanks { size };
    auto callback = [](void *state, void *data, zip_uint64_t length,
                        zip_source_cmd_t command) -> zip_int64_t {
        auto *b = static_cast<Blanks *>(state);
        switch (command) {
        case ZIP_SOURCE_OPEN:
            b->at = 0;
            return 0;
        case ZIP_SOURCE_READ: {
            const zip_uint64_t n = std::min(length, b->size - b->at);
            std::memset(data, ' ', n);
            b->at += n;
            return static_cast<zip_int64_t>(n);
        }
        case ZIP_SOURCE_STAT: {
            auto *stat = static_cast<zip_stat_t *>(data);
            zip_stat_init(stat);
            stat->size = b->size;
            stat->valid |= ZIP_STAT_SIZE;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ,
                ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            return 0;
        }
    };

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_source_keep(buffer);
    zip_file_add(archive, "xl/workbook.xml",
        zip_source_buffer(archive, kWorkbook.data(), kWorkbook.size(), 0), ZIP_FL_OVERWRITE);
    const zip_int64_t sheet = zip_file_add(archive, "xl/worksheets/sheet1.xml",
        zip_source_function(archive, callback, &blanks), ZIP_FL_OVERWRITE);
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(sheet), ZIP_CM_DEFLATE, 9);
    zip_close(archive);
    std::string bytes;
    zip_source_open(buffer);
    zip_source_seek(buffer, 0, SEEK_END);
    bytes.resize(static_cast<size_t>(zip_source_tell(buffer)));
    zip_source_seek(buffer, 0, SEEK_SET);
    zip_source_read(buffer, bytes.data(), bytes.size());
    zip_source_close(buffer);
    zip_source_free(buffer);
    return bytes;
}

// A sheet with every kind of cell a survey export may hold.
const std::string kSheet = R"(<?xml version="1.0" encoding="UTF-8"?>
<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>
<row r="1"><c r="A1" t="inlineStr"><is><r><t>Bohrung </t></r><r><t>S&#252;d</t></r><rPh><t>x</t></rPh></is></c></row>
<row r="3"><c r="B3" t="s"><v>0</v></c><c t="s"><v>1</v></c><c r="D3" t="s"><v>2</v></c></row>
<row><c r="B4"><v>100</v></c><c r="C4"><f>1+0.5</f><v>1.5</v></c><c r="D4" t="n"><v>2.5E1</v></c><c r="E4" t="b"><v>1</v></c></row>
<row r="5"><c r="B5" t="str"><f>TEXT(200)</f><v>200</v></c><c r="C5" t="e"><v>#DIV/0!</v></c><c r="D5"/></row>
</sheetData></worksheet>)";
const std::vector<std::string> kShared = { "MD", "Inc", "Azi" };

Table sheetInPieces(const std::string &xml, std::mt19937 &random, bool oneByOne)
{
    SheetXmlReader reader(kShared);
    for (size_t at = 0; at < xml.size();) {
        const size_t n = oneByOne ? 1 : 1 + random() % 40;
        EXPECT_TRUE(reader.addData(xml.data() + at, std::min(n, xml.size() - at)));
        at += n;
    }
    EXPECT_TRUE(reader.finish()) << (reader.fault() ? reader.fault()->message : "");
    return reader.table();
}

} // namespace

TEST(Xlsx, TheLibreOfficeWorkbookGivesTheExampleStations)
{
    const TableLoad load = loadTable(
        fixture("deviated-well-azimut-md-inc.xlsx"), TableFormat::Xlsx, Delimiter::Automatic, {});
    ASSERT_FALSE(load.fault) << load.fault->message;
    EXPECT_EQ(load.sheetNames, (std::vector<std::string> { "Messung", "Notizen" }));
    const StationImport import = importStations(load.table, {});
    ASSERT_FALSE(import.fault) << import.fault->message;
    EXPECT_EQ(import.mapping.headerRow, 2);
    EXPECT_EQ(import.mapping.columns, (std::array<int, 3> { 1, 2, 0 }));
    // The stations are numbers now; written as lines they read as they always did.
    ASSERT_EQ(import.survey.size(), 95u);
    EXPECT_EQ(well::stationText(import.survey.stations().front()), "   30.00     0.46   123.68");
    // The depths after the first are formulas: their cached results count.
    EXPECT_EQ(import.survey.stations().back().md, 2850.0);

    const TableLoad notes = loadTable(fixture("deviated-well-azimut-md-inc.xlsx"),
        TableFormat::Xlsx, Delimiter::Automatic, "notizen");
    ASSERT_FALSE(notes.fault);
    EXPECT_EQ(notes.sheetIndex, 1);
    EXPECT_EQ(notes.table.cell(0, 0)->text, "Vermessung 2024");
}

TEST(Xlsx, EveryKindOfCellAndAnyPieceSize)
{
    std::mt19937 random(5);
    const Table whole = sheetInPieces(kSheet, random, false);
    ASSERT_EQ(whole.rows.size(), 5u);
    EXPECT_EQ(whole.cell(0, 0)->text, "Bohrung Süd");
    EXPECT_TRUE(whole.rows[1].empty());
    EXPECT_EQ(whole.cell(2, 2)->text, "Inc") << "a cell without reference follows the one before";
    EXPECT_EQ(whole.cell(3, 2)->text, "1.5");
    EXPECT_TRUE(whole.cell(3, 3)->number);
    EXPECT_EQ(cellNumber(*whole.cell(3, 3), DecimalSign::Comma), 25.0);
    EXPECT_EQ(whole.cell(3, 4)->text, "WAHR");
    EXPECT_FALSE(whole.cell(4, 1)->number);
    EXPECT_EQ(whole.cell(4, 2)->text, "#DIV/0!");
    EXPECT_EQ(whole.rows[4].size(), 3u) << "an empty cell adds nothing";
    for (bool oneByOne : { true, false }) {
        const Table pieces = sheetInPieces(kSheet, random, oneByOne);
        ASSERT_EQ(pieces.rows.size(), whole.rows.size());
        for (size_t r = 0; r < whole.rows.size(); ++r) {
            ASSERT_EQ(pieces.rows[r].size(), whole.rows[r].size());
            for (size_t c = 0; c < whole.rows[r].size(); ++c)
                EXPECT_EQ(pieces.rows[r][c].text, whole.rows[r][c].text);
        }
    }
}

TEST(Xlsx, BadWorkbooksAreRefusedWithAReason)
{
    const std::string good = fixture("deviated-well-azimut-md-inc.xlsx");
    auto refusal = [](const std::string &bytes, const std::string &sheet = {}) {
        const XlsxRead read = readXlsx(bytes, sheet);
        EXPECT_TRUE(read.table.rows.empty());
        return read.fault ? read.fault->message : std::string("(kein Fehler)");
    };
    EXPECT_EQ(refusal(good.substr(0, good.size() / 2)),
        "Die Excel-Arbeitsmappe ist beschädigt oder unvollständig.");
    EXPECT_EQ(refusal("Teufe;Neigung;Azimut\n1;2;3\n"),
        "Die Datei ist keine Excel-Arbeitsmappe (.xlsx).");
    EXPECT_EQ(refusal(zipOf({ { "a.txt", "x" } })),
        "Die Datei ist ein ZIP-Archiv, aber keine Excel-Arbeitsmappe.");
    EXPECT_EQ(refusal(good, "3"),
        "Die Excel-Arbeitsmappe hat kein 3. Tabellenblatt; sie hat 2: „Messung“, „Notizen“.");

    // A zip bomb: blanks beyond the sheet's limit pack into a few hundred kB; the sheet's
    // stated size is over the limit, so nothing is unpacked. (The limit grew from 64 MB
    // to 512 MB with the row limit; the blanks are made as libzip reads them.)
    const std::string bomb = workbookWithBlankSheet(kMaxSheetXmlBytes + 1);
    EXPECT_LT(bomb.size(), 2u << 20);
    EXPECT_EQ(refusal(bomb),
        "Der Teil xl/worksheets/sheet1.xml der Excel-Arbeitsmappe ist entpackt "
        "größer als 512 MB und wird nicht gelesen.");

    // The row limit, on the row's number (a row without one follows the one before, as
    // the test above shows): the last row allowed is read, the one after is refused.
    auto numbered = [](int row) {
        return cfmt(
            R"(<worksheet><sheetData><row r="%d"><c><v>1</v></c></row></sheetData></worksheet>)",
            row);
    };
    EXPECT_FALSE(readXlsx(workbookWith(numbered(kMaxRows)), {}).fault);
    EXPECT_EQ(refusal(workbookWith(numbered(kMaxRows + 1))), tooLargeFault().message);

    EXPECT_EQ(
        refusal(workbookWith(
            R"(<worksheet><sheetData><row r="2"><c r="C2" t="s"><v>7</v></c></row></sheetData></worksheet>)")),
        "Zeile 2, Spalte 3 (C): Verweis auf den Text Nr. „7“, den die Arbeitsmappe nicht enthält.");
    EXPECT_NE(refusal(workbookWith("<worksheet><sheetData><row>")).find("kein lesbares XML"),
        std::string::npos);
}

TEST(Xlsx, AWorkbookAndDelimitedTextOfTheSameSurveyGiveTheSameStations)
{
    // One random survey written by libxlsxwriter (numeric cells, title rows, a remark
    // column) and as semicolon-separated text with decimal commas: both ways of the
    // import, and the dialog's way through a table, give the same doubles.
    std::mt19937 random(31);
    for (const bool feet : { false, true }) {
        const std::string path = testing::TempDir() + "/dravon-agree.xlsx";
        // libxlsxwriter prints numbers in the numeric locale (the tests run under a German
        // one), so it writes under the "C" locale, for this thread only, as the export does.
        const locale_t c = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
        const locale_t previous = uselocale(c);
        lxw_workbook *book = workbook_new(path.c_str());
        if (!book) {
            uselocale(previous);
            freelocale(c);
            FAIL() << "libxlsxwriter cannot write " << path;
        }
        lxw_worksheet *sheet = workbook_add_worksheet(book, "Messung");
        const char *heading[] = { "Bemerkung", feet ? "MD [ft]" : "MD [m]", "Inc", "Azi" };
        std::string csv = "Bohrung Agree\n\n";
        worksheet_write_string(sheet, 0, 0, "Bohrung Agree", nullptr);
        for (lxw_col_t c = 0; c < 4; ++c) {
            worksheet_write_string(sheet, 2, c, heading[c], nullptr);
            // Appended piece by piece: GCC 12 at -O3 takes a prefixed string for an
            // overlapping copy.
            if (c)
                csv += ';';
            csv += heading[c];
        }
        csv += "\n";
        constexpr int kStations = 3000; // beyond the rows that decide the mapping
        double md = 0;
        for (int i = 0; i < kStations; ++i) {
            md += 0.5 + static_cast<double>(random() % 100000) / 1000.0;
            // Three decimals as surveys have them, now and then up to twelve digits.
            const std::string values[] = { cfmt("%.3f", md),
                random() % 7 ? cfmt("%.3f", static_cast<double>(random() % 90000) / 1000.0)
                             : cfmt("%.10f", static_cast<double>(random() % 1000000) / 11111.0),
                cfmt("%.3f", static_cast<double>(random() % 360000) / 1000.0) };
            const auto row = static_cast<lxw_row_t>(3 + i);
            worksheet_write_string(sheet, row, 0, i % 3 ? "gut" : "", nullptr);
            csv += i % 3 ? "gut" : "";
            for (lxw_col_t c = 1; c < 4; ++c) {
                const std::string &text = values[c - 1];
                double number = 0;
                std::from_chars(text.data(), text.data() + text.size(), number);
                worksheet_write_number(sheet, row, c, number, nullptr);
                std::string comma = text;
                std::replace(comma.begin(), comma.end(), '.', ',');
                csv += ";" + comma;
            }
            csv += "\n";
        }
        const lxw_error closed = workbook_close(book);
        uselocale(previous);
        freelocale(c);
        ASSERT_EQ(closed, LXW_NO_ERROR);
        const std::string xlsx = slurp(path);
        std::remove(path.c_str());

        const StationImport fromText
            = importTableStations(csv, TableFormat::Delimited, Delimiter::Automatic, {}, {});
        ASSERT_FALSE(fromText.fault) << fromText.fault->message;
        ASSERT_EQ(fromText.survey.size(), static_cast<size_t>(kStations));
        EXPECT_EQ(fromText.mapping.unit, feet ? DepthUnit::Feet : DepthUnit::Metres);
        EXPECT_EQ(fromText.mapping.decimal, DecimalSign::Comma);

        const StationImport fromBook
            = importTableStations(xlsx, TableFormat::Xlsx, Delimiter::Automatic, {}, {});
        ASSERT_FALSE(fromBook.fault) << fromBook.fault->message;
        EXPECT_EQ(fromBook.survey, fromText.survey) << (feet ? "feet" : "metres");
        EXPECT_EQ(fromBook.mapping.headerRow, fromText.mapping.headerRow);

        const TableLoad table = loadTable(csv, TableFormat::Delimited, Delimiter::Automatic, {});
        ASSERT_FALSE(table.fault);
        EXPECT_EQ(importStations(table.table, {}).survey, fromText.survey);
    }
}

TEST(Xlsx, ANulCharacterIsRefusedWhereverThePiecesEnd)
{
    // Before the fix a sheet with a NUL read as a table when given whole (the XML reader
    // took the NUL as the end) and was refused in pieces.
    std::string xml = kSheet;
    xml.insert(xml.find("<v>100"), std::string("<v>1.]]]\0\0]]</v>", 16));
    for (const std::size_t piece :
        { std::size_t { 1 }, std::size_t { 2 }, std::size_t { 7 }, xml.size() + 1 }) {
        SheetXmlReader reader(kShared);
        bool ok = true;
        for (std::size_t at = 0; ok && at < xml.size(); at += piece)
            ok = reader.addData(xml.data() + at, std::min(piece, xml.size() - at));
        ok = ok && reader.finish();
        EXPECT_FALSE(ok) << piece;
        ASSERT_TRUE(reader.fault().has_value()) << piece;
        EXPECT_NE(reader.fault()->message.find("Nullzeichen"), std::string::npos)
            << reader.fault()->message;
    }
    SharedStringsReader shared;
    const std::string strings("<sst><si><t>M\0D</t></si></sst>", 30);
    EXPECT_FALSE(shared.addData(strings.data(), strings.size()) && shared.finish());
    ASSERT_TRUE(shared.fault().has_value());
}
