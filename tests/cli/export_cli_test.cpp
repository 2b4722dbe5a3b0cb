// The batch tool's export of the computed stations as a user calls it: every bundled
// example as CSV and .xlsx against an independent minimum-curvature path on the same
// single-precision stations and against the printed results table, the German CSV
// against the plain one, and the exit status of a file that cannot be written.
#include "core/cformat.h"
#include "exchange/stationmapping.h"
#include "exchange/xlsxfile.h"
#include "tests/cli/clitool.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

using namespace clitest;
using Rows = std::vector<Fields>;

class ExportCli : public ToolTest
{
protected:
    int run(const std::string &args) { return exec(args); }
};

} // namespace

TEST_F(ExportCli, EveryExampleAsCsvAndXlsxFollowsTheIndependentPathAndTheResultsTable)
{
    for (const Example &e : kExamples) {
        SCOPED_TRACE(e.file);
        const Stations st = stationsOf(e);
        const std::vector<double> &md = st.md, &inc = st.inc, &azi = st.azi;
        const rotated::Path independent(md, inc, azi);

        const std::string input = e.input();
        ASSERT_EQ(run(input), 0);
        const std::string table = file("out"), messages = file("err");
        ASSERT_EQ(run(input + " --export s.csv --export s.xlsx"), 0) << file("err");
        EXPECT_EQ(file("out"), table) << "the results table does not change";
        EXPECT_EQ(file("err"), messages);
        ASSERT_EQ(run(input + " --export-style de --export de.csv"), 0) << file("err");

        const Rows csv = csvLines(file("s.csv"), ',');
        ASSERT_EQ(csv.size(), md.size() + 1) << "a header and one row per station";
        EXPECT_EQ(std::vector(csv[0].begin(), csv[0].begin() + 6),
            (std::vector<std::string> { "Teufe (m)", "Neigung (°)", "Azimut (°)", "Seigerteufe (m)",
                "Nord (m)", "Ost (m)" }));
        for (std::size_t i = 0; i < md.size(); ++i) {
            const std::vector<std::string> &row = csv[i + 1];
            ASSERT_EQ(row.size(), csv[0].size());
            EXPECT_EQ(number(row[0]), md[i]) << "the station's depth exactly";
            const rotated::Vec want = independent.station(i);
            EXPECT_NEAR(number(row[3]), want.d, 1e-6) << row[0];
            EXPECT_NEAR(number(row[4]), want.n, 1e-6) << row[0];
            EXPECT_NEAR(number(row[5]), want.e, 1e-6) << row[0];
        }
        // A radius only where the interval bends: the surface row and a straight interval
        // have an empty cell, every curved one a positive radius.
        const auto at = [&](const char *heading) {
            return std::find(csv[0].begin(), csv[0].end(), heading) - csv[0].begin();
        };
        const auto radius = at("Krümmungsradius (m)"), dogleg = at("Abknickung (°/30 m)");
        ASSERT_LT(std::size_t(radius), csv[0].size());
        ASSERT_LT(std::size_t(dogleg), csv[0].size());
        EXPECT_EQ(csv[1][std::size_t(radius)], "");
        for (std::size_t i = 1; i < csv.size(); ++i) {
            const std::string &r = csv[i][std::size_t(radius)];
            if (number(csv[i][std::size_t(dogleg)]) == 0.0)
                EXPECT_EQ(r, "") << csv[i][0];
            else
                EXPECT_GT(number(r), 0.0) << csv[i][0];
        }

        // The German CSV: a byte order mark, semicolons, decimal commas, the same numbers
        // to the last bit.
        std::string german = file("de.csv");
        ASSERT_EQ(german.substr(0, 3), "\xEF\xBB\xBF");
        german.erase(0, 3);
        EXPECT_EQ(german.find('.', german.find("\r\n")), std::string::npos) << "no decimal point";
        Rows de = csvLines(german, ';');
        ASSERT_EQ(de.size(), csv.size());
        for (std::size_t r = 1; r < de.size(); ++r) {
            for (std::string &field : de[r])
                std::replace(field.begin(), field.end(), ',', '.');
            EXPECT_EQ(de[r], csv[r]);
        }

        // The workbook read back through the table import: title rows, the header row,
        // numeric cells with the CSV's values (printed there with 16 digits), and the
        // stations it gives are the stations that went in.
        const exchange::XlsxRead book = exchange::readXlsx(file("s.xlsx"), "");
        ASSERT_FALSE(book.fault) << book.fault->message;
        const exchange::Table &sheet = book.table;
        ASSERT_EQ(sheet.rows.size(), 4 + md.size());
        const std::string name = sheet.cell(0, 1)->text;
        EXPECT_FALSE(name.empty());
        EXPECT_NE(table.find(name), std::string::npos) << "the results table's borehole";
        for (std::size_t c = 0; c < csv[0].size(); ++c)
            EXPECT_EQ(sheet.cell(3, static_cast<int>(c))->text, csv[0][c]);
        for (std::size_t i = 0; i < md.size(); ++i) {
            for (std::size_t c = 0; c < csv[0].size(); ++c) {
                const exchange::Cell *cell
                    = sheet.cell(static_cast<int>(4 + i), static_cast<int>(c));
                // The radius of a straight interval is left empty in both files (it used
                // to be 0 here, as the results table still prints it).
                if (csv[i + 1][c].empty()) {
                    EXPECT_TRUE(!cell || cell->text.empty()) << i << ' ' << c;
                    continue;
                }
                ASSERT_TRUE(cell && cell->number) << i << ' ' << c;
                const double want = number(csv[i + 1][c]);
                EXPECT_NEAR(number(cell->text), want, 1e-13 * std::max(1.0, std::abs(want)));
            }
        }
        const exchange::StationImport again = exchange::importStations(sheet, {});
        ASSERT_FALSE(again.fault) << again.fault->message;
        // The import gives stations as numbers now, no longer lines of two decimals.
        ASSERT_EQ(again.survey.size(), md.size()) << "the surface station and the given ones";
        for (std::size_t i = 1; i < md.size(); ++i) {
            const well::Station &s = again.survey.stations()[i];
            EXPECT_EQ(cfmt("%.2f %.2f %.2f", s.md, s.inclination, s.azimuth),
                cfmt("%.2f %.2f %.2f", md[i], inc[i], azi[i]));
        }

        // Each row of the results table shows the export's depth, true vertical depth,
        // north and east at its printed digits.
        std::stringstream out(table);
        std::size_t i = 2;
        for (std::string line; std::getline(out, line);) {
            if (line.size() < 70 || line[10] != '-')
                continue;
            ASSERT_LT(i, csv.size());
            const std::vector<std::string> &st = csv[i++];
            // The table computes from the stations in single precision, the exports
            // from the stations as entered: the two agree to the table's printed digits,
            // give or take the rounding of its last digit.
            EXPECT_NEAR(paddedNumber(line.substr(11, 6)), number(st[0]), 0.05 + 1e-3);
            EXPECT_NEAR(paddedNumber(line.substr(35, 8)), number(st[3]), 0.005 + 1e-3);
            EXPECT_NEAR(paddedNumber(line.substr(53, 7)), number(st[4]), 0.005 + 1e-3);
            EXPECT_NEAR(paddedNumber(line.substr(61, 8)), number(st[5]), 0.005 + 1e-3);
        }
        EXPECT_EQ(i, csv.size());
    }
}

TEST_F(ExportCli, FeetListingsAsXlsxAndFilesThatCannotBeWritten)
{
    const std::string input = "'" DRAVON_SOURCE_DIR "/examples/deviated-well.txt'";
    ASSERT_EQ(run(input + " --unit ft --export ft.csv --listing l.xlsx --every-md 100"), 0)
        << file("err");
    const Rows ft = csvLines(file("ft.csv"), ',');
    EXPECT_EQ(ft[0][0], "Teufe (ft)");
    EXPECT_EQ(ft[0][9], "Abknickung (°/100 ft)");
    ASSERT_EQ(run(input + " --export m.csv"), 0);
    const Rows m = csvLines(file("m.csv"), ',');
    ASSERT_EQ(ft.size(), m.size());
    EXPECT_NEAR(number(ft.back()[3]) * 0.3048, number(m.back()[3]), 1e-9);
    EXPECT_NEAR(number(ft.back()[9]) * 30 / 30.48, number(m.back()[9]), 1e-9) << "per 100 ft";
    const exchange::XlsxRead listing = exchange::readXlsx(file("l.xlsx"), "");
    ASSERT_FALSE(listing.fault);
    EXPECT_EQ(listing.sheetNames, std::vector<std::string> { "Liste" });
    EXPECT_EQ(listing.table.cell(3, 12)->text, "Anfrage");
    EXPECT_EQ(listing.table.cell(5, 12)->text, "alle 100 ft");
    EXPECT_EQ(listing.table.cell(5, 0)->text, "100");

    for (const char *bad : { "--export s.txt", "--export-style de --export s.xlsx",
             "--export-style en --export s.csv", "--listing l.ods" })
        EXPECT_EQ(run(input + " " + bad), 2) << bad;
    for (const char *path : { "/no/such/folder/s.csv", "/no/such/folder/s.xlsx" }) {
        EXPECT_EQ(run(input + " --export ok.csv --export " + path), 2) << path;
        EXPECT_EQ(file("err"),
            "dravon-cli: Die Exportdatei " + std::string(path)
                + " kann nicht geschrieben werden.\n");
        EXPECT_EQ(csvLines(file("ok.csv"), ',').size(), m.size()) << "the other file is written";
    }
}

// A full disk, imitated by a file-size limit (no root needed): a write beyond the limit
// fails with EFBIG where a full disk gives ENOSPC. Each file the tool would write is
// refused with a German message and exit status 2, the old file keeps every byte, and
// no new file (finished or half) is left in the folder.
TEST_F(ExportCli, AFullDiskKeepsTheOldFileAndLeavesNoNewOne)
{
    const std::string input = kExamples[0].input();
    const std::string old = "Teufe (m),Neigung (°)\r\n0,0\r\n";
    struct Case
    {
        const char *args; // the file is "alt" plus the extension
        const char *name;
        const char *message; // the start of the German message
    };
    const Case cases[] = {
        { "--listing", "alt.csv", "dravon-cli: Die Liste " },
        { "--export", "alt.csv", "dravon-cli: Die Exportdatei " },
        { "--export-style de --export", "alt.csv", "dravon-cli: Die Exportdatei " },
        { "--export", "alt.xlsx", "dravon-cli: Die Exportdatei " },
        { "--results-file", "alt.txt", "dravon-cli: Die Ergebnisdatei " },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args);
        const std::string target = write(c.name, old);
        std::system(("rm -f '" + dir + "/err'").c_str());
        // Every file of the stations is larger than 2 KiB (dash counts ulimit -f in
        // 512-byte blocks); standard output, the results table, goes to no file.
        const auto entries = [&] {
            std::set<std::string> names;
            for (const auto &e : std::filesystem::directory_iterator(dir))
                names.insert(e.path().filename().string());
            names.erase("err");
            names.erase("status");
            return names;
        };
        const std::set<std::string> before = entries();
        const int raw
            = std::system(("cd '" + dir + "' && (ulimit -f 4; trap '' XFSZ; exec '" DRAVON_CLI "' "
                + input + " " + c.args + " " + c.name + " >/dev/null 2>err); echo $? >status")
                              .c_str());
        ASSERT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0);
        EXPECT_EQ(file("status"), "2\n");
        // The .xlsx library adds its own English lines before ours.
        const std::string message
            = std::string(c.message) + c.name + " kann nicht geschrieben werden.\n";
        EXPECT_TRUE(file("err").ends_with(message)) << file("err");
        EXPECT_EQ(file(c.name), old) << "the old file, byte for byte";
        const std::set<std::string> after = entries();
        EXPECT_EQ(after, before) << "no new file in the folder";
    }
    // Without the limit the same calls write the files: the limit made them fail.
    ASSERT_EQ(run(input + " --listing alt.csv --export alt.xlsx --results-file alt.txt"), 0)
        << file("err");
    EXPECT_NE(file("alt.csv"), old);
    EXPECT_GT(file("alt.csv").size(), 2048u);
    EXPECT_GT(file("alt.txt").size(), 2048u);
}
