// One north in every output of the batch tool: a survey measured against magnetic north
// in a well with a coordinate system comes out in grid north alike in the results table,
// the CSV export, the map's properties and geometry and the WITSML trajectory, each
// naming that north; the positions are those of the unturned survey turned rigidly by
// declination - convergence about the wellhead; and an angle that is missing is said and
// turns nothing.
#include "exchange/xlsxfile.h"
#include "geo/projection.h"
#include "tests/cli/clitool.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <regex>
#include <sstream>

namespace {

using namespace clitest;

const std::string kStations = "0 0 0\n300 0 0\n600 20 40\n900 40 80\n1200 45 100\n1500 50 359\n";
// 1 degree of longitude east of the zone's central meridian at 51.4° north: a grid
// convergence of about 0.8 degrees.
const std::string kPlaced
    = " --crs EPSG:25832 --wellhead 570000,5700000 --elevation 100 --declination 2.5";
constexpr double kDegree = std::numbers::pi / 180;

struct Offset
{
    double north = 0, east = 0;
};

// North and east at the end of each interval of a results table: the lines of ten numbers
// ("    %6.1f-%6.1f ... %5.1f:%5.1f").
std::vector<Offset> tableOffsets(const std::string &table)
{
    std::vector<Offset> out;
    std::size_t from = 0;
    for (std::size_t end; (end = table.find('\n', from)) != std::string::npos; from = end + 1) {
        std::string line = table.substr(from, end - from);
        if (line.size() < 12 || line[10] != '-')
            continue;
        line[10] = ' ';
        std::replace(line.begin(), line.end(), ':', ' ');
        std::istringstream words(line);
        std::vector<double> v;
        for (std::string w; words >> w;)
            v.push_back(number(w));
        if (v.size() == 10
            && std::none_of(v.begin(), v.end(), [](double x) { return std::isnan(x); }))
            out.push_back({ v[6], v[7] });
    }
    return out;
}

// The CSV's rows of stations, from the headings on (north column 4, east column 5).
std::vector<Fields> stationRows(const std::string &csv)
{
    std::vector<Fields> rows = csvLines(csv);
    while (!rows.empty() && rows.front()[0] != "Teufe (m)")
        rows.erase(rows.begin());
    EXPECT_FALSE(rows.empty());
    if (!rows.empty())
        rows.erase(rows.begin());
    return rows;
}

// Every value of a WITSML element in document order.
std::vector<double> witsmlValues(const std::string &xml, const std::string &element)
{
    std::vector<double> out;
    const std::regex re("<" + element + " uom=\"[^\"]*\">([^<]*)</" + element + ">");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), re); it != std::sregex_iterator();
         ++it)
        out.push_back(number((*it)[1].str()));
    return out;
}

class NorthCli : public ToolTest
{
};

TEST_F(NorthCli, EveryOutputOfAMagneticSurveyAgreesInGridNorthAndNamesIt)
{
    ASSERT_EQ(run("--stations - --export plain.csv", kStations).status, 0);
    const std::string plainTable = file("out");
    const std::vector<Fields> plain = stationRows(file("plain.csv"));

    const Result r = run("--stations -" + kPlaced
            + " --export s.csv --export s.xml --export map.geojson --export s.xlsx",
        kStations);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.find("Deklination"), std::string::npos) << r.err;
    const std::vector<Fields> csv = stationRows(file("s.csv"));
    const std::string xml = file("s.xml");
    const auto map = nlohmann::json::parse(file("map.geojson"));
    ASSERT_EQ(csv.size(), 6u);
    ASSERT_EQ(plain.size(), csv.size());

    // The angles the WITSML file says it used: the declination given, and the grid
    // convergence at the wellhead, which the spherical formula gives within 0.005°.
    const std::vector<double> declination = witsmlValues(xml, "magDeclUsed");
    const std::vector<double> convergence = witsmlValues(xml, "gridCorUsed");
    ASSERT_EQ(declination.size(), 1u);
    ASSERT_EQ(convergence.size(), 1u);
    EXPECT_EQ(declination[0], 2.5);
    const geo::LonLat head = *geo::GridToWgs84(25832).toWgs84({ 570000, 5700000 });
    const double spherical
        = std::atan(std::tan((head.lon - 9) * kDegree) * std::sin(head.lat * kDegree)) / kDegree;
    EXPECT_NEAR(convergence[0], spherical, 0.005);
    EXPECT_GT(convergence[0], 0.5);
    const double turn = declination[0] - convergence[0];

    // Each output names the north once.
    // In hundredths by hand: the test's locale may write a decimal comma.
    const long hundredths = std::lround(convergence[0] * 100);
    const std::string caption = "Gitternord (EPSG:25832); Deklination 2.50°, Meridiankonvergenz "
        + std::to_string(hundredths / 100) + "." + (hundredths % 100 < 10 ? "0" : "")
        + std::to_string(hundredths % 100) + "°";
    EXPECT_NE(r.out.find("\n    NORD UND OST: " + caption + "\n"), std::string::npos) << r.out;
    EXPECT_EQ(file("s.csv").rfind("Nord und Ost bezogen auf,\"" + caption + "\"\r\n", 0), 0u);
    EXPECT_EQ(map["features"][0]["properties"]["nordbezug"], caption);
    EXPECT_NE(xml.find("<aziRef>grid north</aziRef>"), std::string::npos);

    // The course turned as a whole: every offset is the unturned one turned clockwise by
    // the turn about the wellhead, and every azimuth is the unturned one plus the turn.
    const double c = std::cos(turn * kDegree), s = std::sin(turn * kDegree);
    std::vector<Offset> turned;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const double n0 = number(plain[i][4]), e0 = number(plain[i][5]);
        turned.push_back({ number(csv[i][4]), number(csv[i][5]) });
        EXPECT_NEAR(turned[i].north, n0 * c - e0 * s, 1e-9) << i;
        EXPECT_NEAR(turned[i].east, n0 * s + e0 * c, 1e-9) << i;
        if (i > 0) {
            EXPECT_NEAR(
                std::remainder(number(csv[i][2]) - number(plain[i][2]) - turn, 360.0), 0.0, 1e-9)
                << i;
        }
    }

    // The results table, to its two decimals of single precision.
    const std::vector<Offset> table = tableOffsets(r.out);
    ASSERT_EQ(table.size(), csv.size() - 1);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_NEAR(table[i].north, turned[i + 1].north, 0.011) << i;
        EXPECT_NEAR(table[i].east, turned[i + 1].east, 0.011) << i;
    }
    // ... which is no longer the unturned one, metres apart at depth.
    const std::vector<Offset> before = tableOffsets(plainTable);
    EXPECT_GT(std::hypot(
                  before.back().north - table.back().north, before.back().east - table.back().east),
        10.0);

    // The map: north and east beside grid values that are the same offsets from the
    // wellhead, and each point where PROJ puts those grid values.
    const geo::GridToWgs84 grid(25832);
    ASSERT_EQ(map["features"].size(), csv.size() + 1);
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const auto &feature = map["features"][i + 1];
        const auto &p = feature["properties"];
        EXPECT_NEAR(p["nord_m"].get<double>(), turned[i].north, 1e-6) << i;
        EXPECT_NEAR(p["ost_m"].get<double>(), turned[i].east, 1e-6) << i;
        EXPECT_NEAR(p["hochwert_m"].get<double>() - 5700000, turned[i].north, 1e-6) << i;
        EXPECT_NEAR(p["rechtswert_m"].get<double>() - 570000, turned[i].east, 1e-6) << i;
        const auto &at = feature["geometry"]["coordinates"];
        const auto back = grid.fromWgs84({ at[0].get<double>(), at[1].get<double>() });
        ASSERT_TRUE(back);
        EXPECT_NEAR(back->northing - 5700000, turned[i].north, 1e-3) << i;
        EXPECT_NEAR(back->easting - 570000, turned[i].east, 1e-3) << i;
    }

    // The workbook: the north in its title row, then the same stations.
    const exchange::XlsxRead book = exchange::readXlsx(file("s.xlsx"), "");
    ASSERT_FALSE(book.fault);
    ASSERT_TRUE(book.table.cell(2, 0));
    EXPECT_EQ(std::string(book.table.cell(2, 0)->text), "Nord und Ost bezogen auf: " + caption);
    int heading = 0;
    while (heading < 10
        && !(book.table.cell(heading, 0)
            && std::string(book.table.cell(heading, 0)->text) == "Teufe (m)"))
        ++heading;
    ASSERT_LT(heading, 10);
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const exchange::Cell *n = book.table.cell(heading + 1 + int(i), 4);
        const exchange::Cell *e = book.table.cell(heading + 1 + int(i), 5);
        ASSERT_TRUE(n && e) << i;
        EXPECT_NEAR(number(n->text), turned[i].north, 1e-9) << i;
        EXPECT_NEAR(number(e->text), turned[i].east, 1e-9) << i;
    }

    // WITSML: the same stations.
    const std::vector<double> ns = witsmlValues(xml, "dispNs"), ew = witsmlValues(xml, "dispEw");
    ASSERT_EQ(ns.size(), csv.size());
    ASSERT_EQ(ew.size(), csv.size());
    for (std::size_t i = 0; i < csv.size(); ++i) {
        EXPECT_NEAR(ns[i], turned[i].north, 1e-9) << i;
        EXPECT_NEAR(ew[i], turned[i].east, 1e-9) << i;
    }
}

TEST_F(NorthCli, TrueNorthWithoutAGridKeepsEveryOutputAndAMissingAngleTurnsNothing)
{
    ASSERT_EQ(run("--stations - --export plain.csv --export plain.xml", kStations).status, 0);
    const std::string plainTable = file("out");
    const std::string plainCsv = file("plain.csv");
    EXPECT_EQ(plainTable.find("NORD UND OST"), std::string::npos);
    EXPECT_EQ(plainCsv.rfind("Teufe (m),", 0), 0u);
    EXPECT_EQ(file("plain.xml").find("magDeclUsed"), std::string::npos);

    // A declination for true azimuths serves the error model only; nothing is turned.
    ASSERT_EQ(run("--stations - --north true --declination 3 --export t.csv", kStations).status, 0);
    EXPECT_EQ(file("out"), plainTable);
    EXPECT_EQ(file("t.csv"), plainCsv);

    // Magnetic azimuths in a grid without a declination: said, and computed as measured.
    const Result r = run("--stations - --north magnetic --crs EPSG:25832 --wellhead "
                         "570000,5700000 --export m.csv",
        kStations);
    EXPECT_NE(r.err.find("Deklination ist nicht angegeben"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("\n    NORD UND OST: Magnetisch Nord; nicht gedreht, die Deklination "
                         "fehlt\n"),
        std::string::npos)
        << r.out;
    const std::vector<Offset> unturned = tableOffsets(r.out), plain = tableOffsets(plainTable);
    ASSERT_EQ(unturned.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(unturned[i].north, plain[i].north);
        EXPECT_EQ(unturned[i].east, plain[i].east);
    }
    const std::vector<Fields> m = stationRows(file("m.csv")), p = stationRows(plainCsv);
    ASSERT_EQ(m.size(), p.size());
    for (std::size_t i = 0; i < p.size(); ++i)
        EXPECT_EQ(std::vector<std::string>(m[i].begin(), m[i].begin() + 12),
            std::vector<std::string>(p[i].begin(), p[i].begin() + 12));
}

} // namespace
