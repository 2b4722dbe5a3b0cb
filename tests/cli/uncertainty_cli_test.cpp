// The positional uncertainty from the batch tool: the ISCWSA test well #1 against the
// workbooks' totals, the columns against arithmetic done from other columns, feet against
// metres, the per-source file against the totals, points against a survey that ends
// there, the refusals that name the missing option, and documents without a model.
#include "exchange/xlsxfile.h"
#include "tests/cli/clitool.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <numbers>
#include <set>

namespace {

using namespace clitest;

const std::string kIscwsa = DRAVON_SOURCE_DIR "/tests/data/iscwsa/";
// The workbooks' inputs; their latitude comes with --latitude where a test needs it.
const std::string kInputs = " --mag-field 50000 --mag-dip 72 --north true --declination -4";

// An export or listing with an error model: its title rows (label to value), the
// headings and the rows.
struct Sheet
{
    std::map<std::string, std::string> titles;
    Fields heading;
    std::vector<Fields> rows;

    std::size_t at(const std::string &name) const
    {
        const auto it = std::find(heading.begin(), heading.end(), name);
        EXPECT_NE(it, heading.end()) << name;
        return static_cast<std::size_t>(it - heading.begin());
    }
    double value(std::size_t row, const std::string &name) const
    {
        return number(rows[row][at(name)]);
    }
};

// The title rows are label and value, the value quoted where it holds a comma.
Sheet sheetOf(const std::string &bytes)
{
    Sheet s;
    for (const Fields &line : csvLines(bytes)) {
        if (!s.heading.empty()) {
            s.rows.push_back(line);
        } else if (line[0].starts_with("Teufe (")) {
            s.heading = line;
        } else {
            std::string value;
            for (std::size_t k = 1; k < line.size(); ++k)
                value += (k > 1 ? "," : "") + line[k];
            if (value.starts_with('"'))
                value = value.substr(1, value.size() - 2);
            s.titles[line[0]] = value;
        }
    }
    return s;
}

// The rows of one of the workbooks' files (LF lines, no quotes), without the heading.
std::vector<Fields> workbookRows(const std::string &name)
{
    std::ifstream in(kIscwsa + name);
    std::vector<Fields> rows;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::stringstream fields(line);
        rows.emplace_back();
        for (std::string f; std::getline(fields, f, ',');)
            rows.back().push_back(f);
    }
    EXPECT_FALSE(rows.empty()) << name;
    return rows;
}

const char *const kCov[]
    = { "Kov NN (m²)", "Kov EE (m²)", "Kov VV (m²)", "Kov NE (m²)", "Kov NV (m²)", "Kov EV (m²)" };

class UncertaintyCli : public ToolTest
{
};

} // namespace

TEST_F(UncertaintyCli, IscwsaWellOneMatchesTheWorkbooksAndTheColumnsAgreeWithEachOther)
{
    for (const std::string model : { "rev4", "rev5" }) {
        SCOPED_TRACE(model);
        ASSERT_EQ(exec("'" + kIscwsa + "mwd-" + model + "-stations.csv' --error-model iscwsa-mwd-"
                      + model + kInputs + " --latitude 60 --ellipse-sigma 2.5 --export c.csv"),
            0)
            << file("err");
        const Sheet c = sheetOf(file("c.csv"));
        EXPECT_EQ(c.titles.at("Fehlermodell"),
            "ISCWSA MWD Rev. " + model.substr(3) + ", Ellipse 2.5 σ (σ und Kovarianzen: 1 σ)");
        EXPECT_EQ(c.titles.at("Breite"), "60° N");
        EXPECT_EQ(c.titles.at("Deklination"), "-4°");

        // md, NN, EE, VV, NE, NV, EV, HH, LL, AA, HL, HA, LA
        const std::vector<Fields> totals = workbookRows("mwd-" + model + "-totals.csv");
        ASSERT_EQ(totals.size(), c.rows.size());
        for (std::size_t r = 0; r < totals.size(); ++r) {
            const Fields &want = totals[r];
            ASSERT_EQ(c.value(r, "Teufe (m)"), number(want[0]));
            // Within 1e-6 of the station's largest variance: the workbooks read depths
            // rounded to centimetres, which moves their smallest elements by more than
            // 1e-6 of themselves.
            const double size
                = std::max({ number(want[1]), number(want[2]), number(want[3]), 1e-12 });
            for (int k = 0; k < 6; ++k)
                EXPECT_NEAR(c.value(r, kCov[k]), number(want[1 + std::size_t(k)]), 1e-6 * size)
                    << want[0] << ' ' << kCov[k];
            const double hh = number(want[7]), ll = number(want[8]), aa = number(want[9]);
            EXPECT_NEAR(std::pow(c.value(r, "σ Hochseite (m)"), 2), hh, 1e-6 * size);
            EXPECT_NEAR(std::pow(c.value(r, "σ Lateral (m)"), 2), ll, 1e-6 * size);
            EXPECT_NEAR(std::pow(c.value(r, "σ Bohrachse (m)"), 2), aa, 1e-6 * size);

            // σ² is the variance; the ellipse at 2.5 σ from the north-east block: the
            // squared semi-axes are the eigenvalues (their sum the trace, their product
            // the determinant), the major axis an eigenvector of the larger one.
            const double nn = c.value(r, kCov[0]), ee = c.value(r, kCov[1]),
                         vv = c.value(r, kCov[2]), ne = c.value(r, kCov[3]);
            EXPECT_NEAR(std::pow(c.value(r, "σ Nord (m)"), 2), nn, 1e-12 * size);
            EXPECT_NEAR(std::pow(c.value(r, "σ Ost (m)"), 2), ee, 1e-12 * size);
            EXPECT_NEAR(std::pow(c.value(r, "σ Vertikal (m)"), 2), vv, 1e-12 * size);
            const double a = c.value(r, "Große Halbachse (m)") / 2.5,
                         b = c.value(r, "Kleine Halbachse (m)") / 2.5;
            const double theta
                = c.value(r, "Richtung große Halbachse (°)") * std::numbers::pi / 180;
            EXPECT_GE(a, b);
            EXPECT_NEAR(a * a + b * b, nn + ee, 1e-9 * size);
            EXPECT_NEAR(a * a * b * b, nn * ee - ne * ne, 1e-9 * size * size);
            EXPECT_GE(theta, 0);
            EXPECT_LT(theta, std::numbers::pi);
            if (a - b > 1e-6 * a) {
                EXPECT_NEAR(nn * std::cos(theta) + ne * std::sin(theta), a * a * std::cos(theta),
                    1e-7 * size);
                EXPECT_NEAR(ne * std::cos(theta) + ee * std::sin(theta), a * a * std::sin(theta),
                    1e-7 * size);
            }
        }
        EXPECT_GT(totals.size(), 200u);
    }
}

TEST_F(UncertaintyCli, FeetAreReadAndListedWithTheCovariancesInMetres)
{
    const std::string model = " --error-model iscwsa-mwd-rev5" + kInputs;
    ASSERT_EQ(exec("'" + kIscwsa + "mwd-rev5-stations.csv'" + model + " --export m.csv"), 0);
    // The same stations with their depths in feet.
    std::string feet = "md,inclination,azimuth\n";
    for (const Fields &f : workbookRows("mwd-rev5-stations.csv")) {
        char text[32];
        feet += std::string(text, std::to_chars(text, text + 32, number(f[0]) / 0.3048).ptr) + ","
            + f[1] + "," + f[2] + "\n";
    }
    write("ft.csv", feet);
    ASSERT_EQ(
        exec("ft.csv --depth-unit ft --unit ft" + model + " --export f.csv --export f.xlsx"), 0)
        << file("err");
    const Sheet m = sheetOf(file("m.csv")), f = sheetOf(file("f.csv"));

    // The workbook: the same title rows below the borehole and document, then a free
    // row, the headings and the numbers of the CSV.
    const exchange::XlsxRead book = exchange::readXlsx(file("f.xlsx"), "");
    ASSERT_FALSE(book.fault);
    const int heading = 3 + static_cast<int>(f.titles.size());
    ASSERT_TRUE(book.table.cell(heading, 0));
    EXPECT_EQ(book.table.cell(heading, 0)->text, "Teufe (ft)");
    // The title row as the CSV has it, a σ in it included.
    EXPECT_EQ(book.table.cell(2, 0)->text, "Fehlermodell: " + f.titles.at("Fehlermodell"));
    for (const char *name : kCov) {
        const int column = static_cast<int>(f.at(name));
        EXPECT_EQ(book.table.cell(heading, column)->text, name);
        for (std::size_t r = 0; r < f.rows.size(); ++r) {
            const exchange::Cell *cell = book.table.cell(heading + 1 + int(r), column);
            ASSERT_TRUE(cell && cell->number) << r << name;
            EXPECT_NEAR(number(cell->text), f.value(r, name), 1e-13 * std::abs(f.value(r, name)));
        }
    }
    ASSERT_EQ(m.rows.size(), f.rows.size());
    EXPECT_EQ(m.heading.size(), f.heading.size());
    for (std::size_t r = 0; r < m.rows.size(); ++r) {
        EXPECT_NEAR(f.value(r, "Teufe (ft)") * 0.3048, m.value(r, "Teufe (m)"), 1e-9);
        const double size = std::max(m.value(r, kCov[2]), 1e-12);
        for (const char *name : kCov)
            EXPECT_NEAR(f.value(r, name), m.value(r, name), 1e-9 * size) << r << name;
        EXPECT_NEAR(f.value(r, "Große Halbachse (m)"), m.value(r, "Große Halbachse (m)"), 1e-9);
    }
}

TEST_F(UncertaintyCli, TheTermsOfEachStationAddUpToItsTotal)
{
    ASSERT_EQ(exec("'" + kIscwsa + "mwd-rev5-stations.csv' --error-model iscwsa-mwd-rev5" + kInputs
                  + " --export c.csv --error-terms t.csv"),
        0)
        << file("err");
    const Sheet c = sheetOf(file("c.csv"));
    const std::vector<Fields> terms = csvLines(file("t.csv"));
    ASSERT_FALSE(terms.empty());
    EXPECT_EQ(terms[0],
        (Fields { "Teufe (m)", "Quelle", kCov[0], kCov[1], kCov[2], kCov[3], kCov[4], kCov[5] }));
    std::map<double, std::array<double, 6>> sums;
    std::map<double, std::set<std::string>> sources;
    for (std::size_t k = 1; k < terms.size(); ++k) {
        const double md = number(terms[k][0]);
        EXPECT_TRUE(sources[md].insert(terms[k][1]).second) << "one row per station and source";
        for (std::size_t e = 0; e < 6; ++e)
            sums[md][e] += number(terms[k][2 + e]);
    }
    ASSERT_EQ(sums.size(), c.rows.size());
    for (std::size_t r = 0; r < c.rows.size(); ++r) {
        const double md = c.value(r, "Teufe (m)");
        EXPECT_EQ(sources[md].size(), sources.begin()->second.size()) << md;
        EXPECT_GT(sources[md].size(), 20u) << "every source of the model";
        const double size = std::max(c.value(r, kCov[2]), 1e-12);
        for (std::size_t e = 0; e < 6; ++e)
            EXPECT_NEAR(sums[md][e], c.value(r, kCov[e]), 1e-12 * size) << md << kCov[e];
    }
    // Written like every other output: a folder that is not there is status 2 and a
    // German message.
    const Result r = run("'" + kIscwsa + "mwd-rev5-stations.csv' --error-model iscwsa-mwd-rev5"
        + kInputs + " --error-terms /no/such/folder/t.csv");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(
        r.err.find("Die Datei der Fehlerterme /no/such/folder/t.csv kann nicht"), std::string::npos)
        << r.err;
}

// A point's covariance is that of a survey ending with a station at the point: the
// listing's row against the last row of the export of exactly that survey.
TEST_F(UncertaintyCli, APointIsTheEndOfTheSurveyCutThere)
{
    const std::string model = " --error-model iscwsa-mwd-rev5" + kInputs;
    const std::string input = "'" + kIscwsa + "mwd-rev5-stations.csv'";
    ASSERT_EQ(exec(input + model + " --listing l.csv --at-md 1275.5 --at-md 3000 --at-tvd 2500"), 0)
        << file("err");
    const Sheet l = sheetOf(file("l.csv"));
    ASSERT_EQ(l.rows.size(), 3u);
    for (std::size_t r = 0; r < l.rows.size(); ++r) {
        const double md = l.value(r, "Teufe (m)");
        std::string cut = "md,inclination,azimuth\n";
        for (const Fields &f : workbookRows("mwd-rev5-stations.csv"))
            if (number(f[0]) < md)
                cut += f[0] + "," + f[1] + "," + f[2] + "\n";
        cut += l.rows[r][0] + "," + l.rows[r][l.at("Neigung (°)")] + ","
            + l.rows[r][l.at("Azimut (°)")] + "\n";
        write("cut.csv", cut);
        ASSERT_EQ(exec("cut.csv" + model + " --export cut-export.csv"), 0) << file("err");
        const Sheet end = sheetOf(file("cut-export.csv"));
        const std::size_t last = end.rows.size() - 1;
        ASSERT_NEAR(end.value(last, "Teufe (m)"), md, 1e-9);
        const double size = l.value(r, kCov[2]);
        for (const char *name : kCov)
            EXPECT_NEAR(l.value(r, name), end.value(last, name), 1e-6 * size) << md << name;
    }
}

TEST_F(UncertaintyCli, AMissingInputNamesItsOptionAndNothingIsWritten)
{
    const std::string input
        = "'" + kIscwsa + "mwd-rev5-stations.csv' --error-model iscwsa-mwd-rev5";
    const std::pair<std::string, std::string> cases[] = {
        { " --mag-dip 72 --north true --declination -4", "--mag-field" },
        { " --mag-field 50000 --north true --declination -4", "--mag-dip" },
        { " --mag-field 50000 --mag-dip 72", "--declination" },
        { " --mag-field 50000 --mag-dip 72 --north grid --declination -4", "--grid-convergence" },
        { " --mag-field 500 --mag-dip 72", "--mag-field" }, // µT taken for nT
        { " --ellipse-sigma 0", "--ellipse-sigma" },
        { " --latitude 91", "--latitude" },
        { " --gravity 981", "--gravity" },
        { " --error-model iscwsa-mwd-rev6", "--error-model" },
        { " --error-model none --error-terms t.csv", "--error-terms" },
        { " --error-terms t.txt", "--error-terms" },
    };
    const std::string help = run("--help").out;
    for (const auto &[options, named] : cases) {
        EXPECT_NE(help.find(named), std::string::npos) << named << " is listed by --help";
        const Result r = run(input + options + " --export c.csv");
        EXPECT_EQ(r.status, 2) << options;
        EXPECT_NE(r.err.find(named), std::string::npos) << options << ": " << r.err;
        EXPECT_EQ(r.out, "") << options;
        EXPECT_FALSE(std::filesystem::exists(dir + "/c.csv")) << options;
    }
    // Grid azimuths of a placed well take the convergence of the wellhead's coordinate
    // system, and its latitude (cs2cs: 51.451182206780 at 500000, 5700000 of EPSG:25832).
    ASSERT_EQ(exec(input
                  + " --mag-field 50000 --mag-dip 72 --north grid --declination -4 "
                    "--crs EPSG:25832 --wellhead 500000,5700000 --export c.csv"),
        0)
        << file("err");
    const Sheet c = sheetOf(file("c.csv"));
    EXPECT_EQ(c.titles.at("Azimute bezogen auf"), "Gitternord");
    const std::string latitude = c.titles.at("Breite");
    EXPECT_NEAR(number(latitude.substr(0, latitude.find("°"))), 51.451182206780, 1e-9);
    const std::string convergence = c.titles.at("Meridiankonvergenz");
    EXPECT_NEAR(number(convergence.substr(0, convergence.find("°"))), 0.0, 1e-6);
    // A latitude nobody gives is unknown, not refused.
    ASSERT_EQ(exec(input + kInputs + " --export c.csv"), 0);
    EXPECT_NE(sheetOf(file("c.csv")).titles.at("Breite").find("unbekannt"), std::string::npos);
}

TEST_F(UncertaintyCli, TheModelIsKeptInTheDocumentAndADocumentWithoutOneKeepsItsBytes)
{
    const std::string example = DRAVON_SOURCE_DIR "/examples/example.dvn";
    ASSERT_EQ(exec("'" + example + "' --export plain.csv --save same.dvn"), 0);
    EXPECT_EQ(file("same.dvn"), slurp(example));
    ASSERT_EQ(exec("'" + example + "' --error-model none --export none.csv"), 0);
    EXPECT_EQ(file("none.csv"), file("plain.csv"));
    EXPECT_EQ(file("plain.csv").find("Kov"), std::string::npos);

    const std::string model
        = " --error-model iscwsa-mwd-rev4 --ellipse-sigma 3 --gravity 9.81 --latitude -33.5"
        + kInputs;
    ASSERT_EQ(exec("'" + example + "'" + model + " --export with.csv --save model.dvn"), 0)
        << file("err");
    ASSERT_EQ(exec("model.dvn --export again.csv"), 0) << file("err");
    EXPECT_EQ(file("again.csv"), file("with.csv"));
    EXPECT_EQ(sheetOf(file("with.csv")).titles.at("Breite"), "33.5° S");
    // Switched off again, the export is the plain one.
    ASSERT_EQ(exec("model.dvn --error-model none --export off.csv"), 0);
    EXPECT_EQ(file("off.csv"), file("plain.csv"));

    // A stored model that lost an input is refused for a graph page too, not drawn
    // without its uncertainty. (The member renamed, not removed: the file states the
    // trailer's length.)
    std::string stored = file("model.dvn");
    const std::size_t field = stored.find("\"magField\":");
    ASSERT_NE(field, std::string::npos);
    stored.replace(field, 10, "\"magFiele\"");
    write("incomplete.dvn", stored);
    const Result plotted = run("incomplete.dvn --plot p.png");
    EXPECT_EQ(plotted.status, 2);
    EXPECT_NE(plotted.err.find("--mag-field"), std::string::npos) << plotted.err;
    EXPECT_FALSE(std::filesystem::exists(dir + "/p.png"));
}
