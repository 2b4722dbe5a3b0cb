// Absolute positions, PROJ and the form of the well settings, each against arithmetic
// done another way: complex rotation, reference numbers of PROJ's own command-line tool
// and the spherical formula of the grid convergence.
#include "geo/geojson.h"
#include "geo/north.h"
#include "geo/placement.h"
#include "geo/projection.h"
#include "geo/wellform.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <complex>
#include <numbers>

namespace {

constexpr double kDeg = std::numbers::pi / 180;

// The offset (north, east) as a point of the plane x east, y north: an azimuth turned
// clockwise by `degrees` is the point turned by -degrees.
std::complex<double> turned(double north, double east, double degrees)
{
    return std::complex<double>(east, north) * std::polar(1.0, -degrees * kDeg);
}

TEST(Placement, TurnsAboutTheWellheadAndNeverGuesses)
{
    WellSettings s;
    s.wellhead = Wellhead { 500000, 5700000 };
    s.north = NorthReference::Magnetic;
    s.declination = 2.25;
    s.gridConvergence = 0.75; // turn to grid: 2.25 - 0.75 = 1.5 degrees
    s.elevation = 250;
    const geo::Placement p = geo::placementOf(s);
    for (const auto &[north, east] :
        { std::pair { 0.0, 0.0 }, { 100.0, 0.0 }, { -37.5, 812.25 }, { 1234.5, -4321.0 } }) {
        const auto at = p.grid(north, east);
        ASSERT_TRUE(at);
        const std::complex<double> expected = turned(north, east, 1.5);
        EXPECT_NEAR(at->easting - 500000, expected.real(), 1e-9);
        EXPECT_NEAR(at->northing - 5700000, expected.imag(), 1e-9);
    }
    EXPECT_DOUBLE_EQ(*p.height(312.5), 250 - 312.5);

    // Each missing setting leaves its values unset.
    WellSettings noTurn = s;
    noTurn.declination.reset();
    WellSettings noHead = s;
    noHead.wellhead.reset();
    EXPECT_FALSE(geo::placementOf(noTurn).grid(1, 1));
    EXPECT_FALSE(geo::placementOf(noHead).grid(1, 1));
    EXPECT_FALSE(geo::placementOf(WellSettings {}).height(1));
}

TEST(Projection, AgreesWithCs2csAndTheSphericalConvergence)
{
    const geo::GridToWgs84 utm32(25832);
    ASSERT_EQ(utm32.fault(), "");
    // echo 500000 5700000 | cs2cs -f %.12f EPSG:25832 EPSG:4326  (PROJ 9.1.1, Debian 12)
    // gave 51.451182206780 9.000000000000
    const auto wellhead = utm32.toWgs84({ 500000, 5700000 });
    ASSERT_TRUE(wellhead);
    EXPECT_NEAR(wellhead->lon, 9.0, 1e-10);
    EXPECT_NEAR(wellhead->lat, 51.451182206780, 1e-10);
    const auto back = utm32.fromWgs84(*wellhead);
    EXPECT_NEAR(back->easting, 500000, 1e-6);
    EXPECT_NEAR(back->northing, 5700000, 1e-6);

    // On the central meridian grid and true north agree; away from it the convergence
    // is about atan(tan(dLon) sin(lat)), positive east of it in the north.
    EXPECT_NEAR(*utm32.convergenceAt({ 500000, 5700000 }), 0.0, 1e-6);
    for (const double easting : { 430000.0, 570000.0, 650000.0 }) {
        const geo::GridPosition at { easting, 5700000 };
        const geo::LonLat ll = *utm32.toWgs84(at);
        const double spherical
            = std::atan(std::tan((ll.lon - 9) * kDeg) * std::sin(ll.lat * kDeg)) / kDeg;
        EXPECT_NEAR(*utm32.convergenceAt(at), spherical, 0.005) << easting;
        EXPECT_EQ(*utm32.convergenceAt(at) > 0, easting > 500000);
    }

    EXPECT_NE(geo::GridToWgs84(999999).fault(), "");
    EXPECT_NE(geo::GridToWgs84(4326).fault().find("kein projiziertes"), std::string::npos);
}

TEST(GeoJson, RefusesWhatItCannotPlace)
{
    traj::Trajectory t;
    const float md[] = { 0, 100, 200 }, inc[] = { 0, 10, 20 }, azi[] = { 0, 90, 90 };
    traj::computeTrajectory(md, inc, azi, 3, t);
    // The refusals of a missing system or wellhead are checked through the batch tool.
    WellSettings s;
    std::string out, fault;
    s.epsg = 25832;
    s.wellhead = Wellhead { 500000, 5700000 };
    s.north = NorthReference::Magnetic;
    EXPECT_FALSE(geo::geoJson(t, s, "x", out, fault));
    EXPECT_NE(fault.find("Deklination"), std::string::npos);
    EXPECT_EQ(out, "");

    // Without an elevation the positions have no height; the line and three points.
    s.declination = 3;
    ASSERT_TRUE(geo::geoJson(t, s, "Bohrung \xc3\xa4", out, fault)) << fault;
    const auto json = nlohmann::json::parse(out);
    ASSERT_EQ(json["features"].size(), 4u);
    EXPECT_EQ(json["features"][0]["properties"]["name"], "Bohrung \xc3\xa4");
    for (const auto &position : json["features"][0]["geometry"]["coordinates"])
        EXPECT_EQ(position.size(), 2u);
    EXPECT_FALSE(json["features"][1]["properties"].contains("hoehe_nn_m"));
}

// Which north the course is in, and the turn to it, for each kind of measured azimuth
// with and without a grid: the convergence from PROJ is the one at the wellhead, the sum
// of the angles is the turn, and an angle that is missing turns nothing.
TEST(CourseNorth, GridWithACoordinateSystemElseTrueNorthAndNothingGuessed)
{
    WellSettings plain;
    EXPECT_FALSE(geo::courseNorth(plain).named());
    WellSettings forTheModel;
    forTheModel.declination = 3; // true azimuths: the declination turns nothing
    EXPECT_EQ(geo::courseNorth(forTheModel), geo::courseNorth(plain));

    WellSettings magnetic;
    magnetic.north = NorthReference::Magnetic;
    magnetic.declination = -4.25;
    geo::CourseNorth n = geo::courseNorth(magnetic);
    EXPECT_EQ(n.north, NorthReference::True);
    EXPECT_EQ(n.turn, -4.25);
    EXPECT_FALSE(n.toGrid) << "no convergence: no grid coordinates";
    EXPECT_EQ(
        geo::northCaption(n, decimalsign::Sign::Comma), "Geographisch Nord; Deklination -4,25°");

    magnetic.epsg = 25832;
    magnetic.wellhead = Wellhead { 430000, 5700000 };
    n = geo::courseNorth(magnetic);
    const double c = *geo::GridToWgs84(25832).convergenceAt({ 430000, 5700000 });
    EXPECT_LT(c, -0.5) << "west of the central meridian";
    EXPECT_EQ(n.north, NorthReference::Grid);
    EXPECT_EQ(n.convergence, c);
    EXPECT_DOUBLE_EQ(n.turn, -4.25 - c);
    EXPECT_EQ(n.toGrid, 0.0);

    // A grid without a wellhead gives no convergence; without a declination nothing is
    // known: both leave the course in the north of the azimuths.
    WellSettings noHead = magnetic;
    noHead.wellhead.reset();
    n = geo::courseNorth(noHead);
    EXPECT_EQ(n.missing, geo::MissingAngle::Convergence);
    EXPECT_EQ(n.turn, 0.0);
    EXPECT_EQ(n.north, NorthReference::Magnetic);
    WellSettings noDeclination = magnetic;
    noDeclination.declination.reset();
    n = geo::courseNorth(noDeclination);
    EXPECT_EQ(n.missing, geo::MissingAngle::Declination);
    EXPECT_EQ(n.turn, 0.0);
    EXPECT_FALSE(n.toGrid);

    // Grid azimuths are turned by nothing, whatever angles are set.
    WellSettings grid = magnetic;
    grid.north = NorthReference::Grid;
    grid.gridConvergence = 1;
    n = geo::courseNorth(grid);
    EXPECT_EQ(n.turn, 0.0);
    EXPECT_TRUE(n.named());
    EXPECT_EQ(geo::northCaption(n, decimalsign::Sign::Point), "Gitternord (EPSG:25832)");
}

TEST(WellForm, RoundTripsAndRefusesBadFieldsWithoutAChange)
{
    WellSettings s;
    s.wellhead = Wellhead { 3512345.678, 5801234.5 };
    s.elevation = -12.25;
    s.epsg = 31467;
    s.north = NorthReference::Grid;
    s.gridConvergence = -1.125;
    s.sectionAzimuth = 275.5;
    s.unit = LengthUnit::Foot;
    s.otherMembers = R"({"later":1})";
    const geo::WellForm form = geo::formOf(s);
    EXPECT_EQ(form.easting, "3512345,678");
    WellSettings read;
    std::string fault;
    ASSERT_TRUE(geo::settingsFromForm(form, s, read, fault)) << fault;
    EXPECT_EQ(read, s);

    geo::WellForm cleared;
    cleared.epsg = " 25833 ";
    ASSERT_TRUE(geo::settingsFromForm(cleared, s, read, fault));
    EXPECT_FALSE(read.wellhead || read.elevation || read.gridConvergence);
    EXPECT_EQ(read.epsg, 25833);
    EXPECT_EQ(read.otherMembers, s.otherMembers);

    const std::pair<std::string geo::WellForm::*, const char *> bad[]
        = { { &geo::WellForm::easting, "12a" }, { &geo::WellForm::elevation, "1e12" },
              { &geo::WellForm::gridConvergence, "200" }, { &geo::WellForm::sectionAzimuth, "-1" },
              { &geo::WellForm::epsg, "EPSG:abc" }, { &geo::WellForm::northing, "" },
              // Well formed, but not a projected system PROJ knows: refused at once.
              { &geo::WellForm::epsg, "999999" }, { &geo::WellForm::epsg, "EPSG:4326" } };
    for (const auto &[member, text] : bad) {
        geo::WellForm f = form;
        f.*member = text;
        WellSettings untouched = s;
        fault.clear();
        EXPECT_FALSE(geo::settingsFromForm(f, s, untouched, fault)) << text;
        EXPECT_EQ(untouched, s);
        EXPECT_FALSE(fault.empty());
    }
}

} // namespace
