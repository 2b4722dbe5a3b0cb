// The batch tool's map export and absolute listing columns as a user calls them: the
// wellhead lands where PROJ's command-line tool puts it, every height is elevation - TVD
// of the listing, and a grid convergence turns every position about the wellhead.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <complex>
#include <fstream>
#include <numbers>
#include <sstream>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A number with a decimal point whatever the locale.
double num(const std::string &text)
{
    double v = NAN;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

class GeoCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(std::system(("rm -rf " + dir + " && mkdir -p " + dir).c_str()), 0);
    }
    void TearDown() override { EXPECT_EQ(std::system(("rm -rf " + dir).c_str()), 0); }

    int run(const std::string &args)
    {
        const int raw = std::system(
            ("cd " + dir + " && '" DRAVON_CLI "' '" DRAVON_SOURCE_DIR "/examples/example.dvn' "
                + args + " >out 2>err")
                .c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::string file(const std::string &name)
    {
        std::ostringstream s;
        s << std::ifstream(dir + "/" + name, std::ios::binary).rdbuf();
        return s.str();
    }
    // The listing's lines split at the commas (no field of these listings is quoted).
    Rows csv(const std::string &name)
    {
        std::istringstream in(file(name));
        Rows rows;
        for (std::string line; std::getline(in, line);) {
            std::stringstream split(line.substr(0, line.size() - 1)); // without the CR
            rows.emplace_back();
            for (std::string f; std::getline(split, f, ',');)
                rows.back().push_back(f);
        }
        return rows;
    }

    const std::string dir = "/tmp/dravon-geo-test-" + std::to_string(getpid());
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
        const double expected = 250 - num(rows[i][3]);
        EXPECT_NEAR(line["coordinates"][i - 1][2].get<double>(), expected, 1e-6) << i;
        EXPECT_NEAR(num(rows[i][14]), expected, 1e-6) << i;
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
        const std::complex<double> relative(num(asTrue[i][5]), num(asTrue[i][4]));
        EXPECT_NEAR(num(asTrue[i][12]) - 500000, relative.real(), 1e-6);
        EXPECT_NEAR(num(asTrue[i][13]) - 5700000, relative.imag(), 1e-6);
        const std::complex<double> expected = relative * spin;
        EXPECT_NEAR(num(asGrid[i][12]) - 500000, expected.real(), 2e-6) << i;
        EXPECT_NEAR(num(asGrid[i][13]) - 5700000, expected.imag(), 2e-6) << i;
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
