// The batch tool's map export and absolute listing columns as a user calls them: the
// wellhead lands where PROJ's command-line tool puts it, every height is elevation - TVD
// of the listing, and a grid convergence turns every position about the wellhead.
#include "tests/cli/clitool.h"

#include <nlohmann/json.hpp>

#include <complex>
#include <numbers>

namespace {

using namespace clitest;
using Rows = std::vector<Fields>;

class GeoCli : public ToolTest
{
protected:
    // The tool on the example document with `args`.
    int run(const std::string &args)
    {
        return exec("'" DRAVON_SOURCE_DIR "/examples/example.dvn' " + args);
    }
    // The rows from the headings on: a well with a coordinate system names the north of
    // its positions in a title row above them.
    Rows csv(const std::string &name) const
    {
        Rows rows = csvLines(file(name));
        if (!rows.empty() && !rows[0].empty() && rows[0][0] == "Nord und Ost bezogen auf")
            rows.erase(rows.begin());
        return rows;
    }
};

const std::string kPlaced = "--crs EPSG:25832 --wellhead 500000,5700000 --elevation 250 ";

TEST_F(GeoCli, TheMapStartsAtTheWellheadAndItsHeightsAreElevationLessTvd)
{
    ASSERT_EQ(run(kPlaced + "--export map.GeoJSON --listing l.csv"), 0) << file("err");
    const auto json = nlohmann::json::parse(file("map.GeoJSON"));
    EXPECT_EQ(json["type"], "FeatureCollection");
    const auto &line = json["features"][0]["geometry"];
    ASSERT_EQ(line["type"], "LineString");
    // echo 500000 5700000 | cs2cs -f %.12f EPSG:25832 EPSG:4326  (PROJ 9.1.1, Debian 12)
    // gave 51.451182206780 9.000000000000
    EXPECT_NEAR(line["coordinates"][0][0].get<double>(), 9.0, 1e-7);
    EXPECT_NEAR(line["coordinates"][0][1].get<double>(), 51.451182206780, 1e-7);

    const Rows rows = csv("l.csv");
    ASSERT_EQ(rows[0][3], "Seigerteufe (m)");
    ASSERT_EQ(rows[0][14], "Höhe über NN (m)");
    ASSERT_EQ(line["coordinates"].size(), rows.size() - 1);
    ASSERT_EQ(json["features"].size(), rows.size()); // the line and each station
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const double expected = 250 - number(rows[i][3]);
        EXPECT_NEAR(line["coordinates"][i - 1][2].get<double>(), expected, 1e-6) << i;
        EXPECT_NEAR(number(rows[i][14]), expected, 1e-6) << i;
        EXPECT_EQ(json["features"][i]["geometry"]["coordinates"], line["coordinates"][i - 1]);
    }
}

TEST_F(GeoCli, AGridConvergenceTurnsEveryPositionAboutTheWellhead)
{
    ASSERT_EQ(run(kPlaced + "--grid-convergence 0 --listing true.csv"), 0) << file("err");
    ASSERT_EQ(run(kPlaced + "--grid-convergence 1.5 --listing grid.csv"), 0) << file("err");
    const Rows asTrue = csv("true.csv"), asGrid = csv("grid.csv");
    ASSERT_EQ(asTrue.size(), asGrid.size());
    ASSERT_GT(asTrue.size(), 10u);
    ASSERT_EQ(asGrid[0][4] + asGrid[0][5] + asGrid[0][12] + asGrid[0][13],
        "Nord (m)Ost (m)Rechtswert (m)Hochwert (m)");
    // Grid azimuth = true azimuth - 1.5: in the plane (east, north) each offset turns
    // counter-clockwise by 1.5 degrees.
    const auto spin = std::polar(1.0, 1.5 * std::numbers::pi / 180);
    for (std::size_t i = 1; i < asTrue.size(); ++i) {
        const std::complex<double> relative(number(asTrue[i][5]), number(asTrue[i][4]));
        EXPECT_NEAR(number(asTrue[i][12]) - 500000, relative.real(), 1e-6);
        EXPECT_NEAR(number(asTrue[i][13]) - 5700000, relative.imag(), 1e-6);
        const std::complex<double> expected = relative * spin;
        EXPECT_NEAR(number(asGrid[i][12]) - 500000, expected.real(), 2e-6) << i;
        EXPECT_NEAR(number(asGrid[i][13]) - 5700000, expected.imag(), 2e-6) << i;
    }
}

TEST_F(GeoCli, WithoutAPlaceThereIsAMessageAndNoFile)
{
    EXPECT_EQ(run("--export map.geojson"), 2);
    EXPECT_NE(file("err").find("Koordinatenbezugssystem (EPSG-Code)"), std::string::npos);
    EXPECT_EQ(run("--crs EPSG:25832 --export map.geojson"), 2);
    EXPECT_NE(file("err").find("Ansatzpunkt"), std::string::npos);
    EXPECT_FALSE(std::ifstream(dir + "/map.geojson"));

    // A wellhead that cannot be placed is said, not put at a guessed north.
    EXPECT_EQ(run("--wellhead 1,2 --listing l.csv"), 1);
    EXPECT_NE(file("err").find("Meridiankonvergenz"), std::string::npos);
    EXPECT_EQ(file("l.csv").find("Rechtswert"), std::string::npos);

    // No settings: the listing keeps its columns as before.
    ASSERT_EQ(run("--listing plain.csv"), 0);
    EXPECT_EQ(file("plain.csv").find("Rechtswert"), std::string::npos);
    EXPECT_EQ(file("plain.csv").find("NN"), std::string::npos);
}

} // namespace
