// Listings: rows of each request in measured-depth order, the vertical section, feet,
// faults for depths the hole never reaches, and the CSV form.
#include "core/cformat.h"
#include "core/scriptedprompter.h"
#include "core/survey.h"
#include "core/win1252.h"
#include "listing/csvlisting.h"
#include "listing/listing.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <sstream>

namespace {

using listing::Request;
using listing::RequestKind;
using listing::Unit;

struct Surveyed
{
    SurveyData s;
    ScriptedPrompter p;

    explicit Surveyed(const StringList &lines)
    {
        s.m_Eingabe = lines;
        s.berechnung(p);
    }
};

const StringList kExample = { "100 0 0", "200 10 45", "300 20 90" };

std::vector<std::string> split(const std::string &text, const std::string &separator)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos;
         from = at + separator.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

// A number as the CSV holds it; std::stod would follow the German locale of the tests.
double number(const std::string &text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

TEST(Listing, RowsOfEveryRequestInDepthOrder)
{
    const Surveyed r(kExample);
    const listing::Listing l = listing::buildListing(r.s.trajectory(),
        { { RequestKind::AtTvd, 250 }, { RequestKind::EveryMd, 70 }, { RequestKind::AtMd, 200 } },
        Unit::Metre);
    EXPECT_TRUE(l.faults.empty());
    std::vector<std::string> made;
    std::vector<double> md;
    for (const listing::Row &row : l.rows) {
        made.push_back(row.request);
        md.push_back(row.point.md);
    }
    // The step runs from the first station and ends with the last one.
    EXPECT_EQ(md, (std::vector<double> { 0, 70, 140, 200, 210, md[5], 280, 300 }));
    EXPECT_GT(md[5], 250.0);
    EXPECT_EQ(made,
        (std::vector<std::string> { "Raster 70 m", "Raster 70 m", "Raster 70 m", "Teufe 200 m",
            "Raster 70 m", "Seigerteufe 250 m", "Raster 70 m", "Raster 70 m" }));
    EXPECT_NEAR(l.rows[5].point.tvd, 250.0, 1e-9);
    EXPECT_TRUE(l.rows[3].point.atStation);
    EXPECT_TRUE(l.rows[7].point.atStation);

    // Without a request: the stations.
    const listing::Listing stations = listing::buildListing(r.s.trajectory(), {}, Unit::Metre);
    ASSERT_EQ(stations.rows.size(), 4u);
    for (const listing::Row &row : stations.rows) {
        EXPECT_TRUE(row.point.atStation);
        EXPECT_EQ(row.request, "Messpunkt");
    }
}

TEST(Listing, VerticalSectionAlongTheFinalDisplacementOrAChosenAzimuth)
{
    const Surveyed r(kExample);
    const traj::Trajectory &t = r.s.trajectory();
    const listing::Listing l = listing::buildListing(t, {}, Unit::Metre);
    EXPECT_EQ(l.sectionAzimuth, t.last().displacementAzimuth);
    // Along the final displacement the last row's section is the displacement itself;
    // earlier rows are never longer than their own displacement.
    EXPECT_NEAR(l.rows.back().verticalSection, t.last().displacement, 1e-9);
    for (const listing::Row &row : l.rows)
        EXPECT_LE(row.verticalSection, row.point.displacement + 1e-9);

    // Due east the section is the east offset, due south the negated north offset.
    const listing::Listing east = listing::buildListing(t, {}, Unit::Metre, 90.0);
    const listing::Listing south = listing::buildListing(t, {}, Unit::Metre, 180.0);
    for (std::size_t i = 0; i < east.rows.size(); ++i) {
        EXPECT_NEAR(east.rows[i].verticalSection, east.rows[i].point.east, 1e-9);
        EXPECT_NEAR(south.rows[i].verticalSection, -south.rows[i].point.north, 1e-9);
    }
    // Rounding leaves no signed zeros in the CSV.
    const std::string text = listing::csvText(listing::buildListing(t, {}, Unit::Metre, 270.0));
    EXPECT_EQ(text.find("-0.000000"), std::string::npos) << text;
    // A vertical well has no displacement: the section is 0 along north.
    const Surveyed vertical({ "10 0 0", "20 0 0" });
    EXPECT_EQ(listing::defaultSectionAzimuth(vertical.s.trajectory()), 0.0);
}

TEST(Listing, DepthsOutsideThePathAreFaultsInGerman)
{
    const Surveyed r(kExample);
    const listing::Listing l = listing::buildListing(r.s.trajectory(),
        { { RequestKind::AtMd, 300.5 }, { RequestKind::AtTvd, 297 }, { RequestKind::AtMd, 150 },
            { RequestKind::EveryMd, 1e-5 } },
        Unit::Metre);
    ASSERT_EQ(l.faults.size(), 3u);
    EXPECT_EQ(win1252::toUtf8(l.faults[0]),
        "Die Teufe 300.5 m liegt außerhalb der berechneten Bohrung (0.00 bis 300.00 m).");
    EXPECT_EQ(win1252::toUtf8(l.faults[1]),
        "Die Seigerteufe 297 m wird von der Bohrung nicht erreicht (Seigerteufe 0.00 bis 296.25 "
        "m).");
    EXPECT_NE(win1252::toUtf8(l.faults[2]).find("Schrittweite 1e-05 m"), std::string::npos);
    ASSERT_EQ(l.rows.size(), 1u) << "the requests that could be met still give their rows";

    Surveyed none({});
    EXPECT_EQ(listing::buildListing(none.s.trajectory(), { { RequestKind::AtMd, 0 } }, Unit::Metre)
                  .faults.size(),
        1u);
}

TEST(Listing, FeetAndTheCsvForm)
{
    const Surveyed r(kExample);
    const traj::Trajectory &t = r.s.trajectory();
    // 500 ft = 152.4 m.
    const listing::Listing ft
        = listing::buildListing(t, { { RequestKind::AtMd, 500 } }, Unit::Foot, 45.0);
    const listing::Listing m
        = listing::buildListing(t, { { RequestKind::AtMd, 152.4 } }, Unit::Metre, 45.0);
    ASSERT_EQ(ft.rows.size(), 1u);
    ASSERT_EQ(m.rows.size(), 1u);
    EXPECT_EQ(ft.rows[0].request, "Teufe 500 ft");

    const std::vector<std::string> ftLines = split(listing::csvText(ft), "\r\n");
    const std::vector<std::string> mLines = split(listing::csvText(m), "\r\n");
    ASSERT_EQ(ftLines.size(), 3u) << "header, one row, and the line end of the last row";
    EXPECT_EQ(ftLines[2], "");
    EXPECT_EQ(ftLines[0],
        "Teufe (ft),Neigung (°),Azimut (°),Seigerteufe (ft),Nord (ft),Ost (ft),"
        "Gesamtabweichung (ft),Azimut der Abweichung (°),Vertikalschnitt bei 45.00° (ft),"
        "Abknickung (°/100 ft),Krümmungsradius (ft),Teufenverlust (ft),Anfrage");
    EXPECT_NE(mLines[0].find("Abknickung (°/30 m),Krümmungsradius (m)"), std::string::npos);

    const std::vector<std::string> a = split(ftLines[1], ","), b = split(mLines[1], ",");
    ASSERT_EQ(a.size(), 13u);
    ASSERT_EQ(b.size(), 13u);
    EXPECT_EQ(a[0], "500.000000");
    for (int col : { 0, 3, 4, 5, 6, 8, 10, 11 })
        EXPECT_NEAR(number(a[col]) * 0.3048, number(b[col]), 1e-6) << "column " << col;
    for (int col : { 1, 2, 7 })
        EXPECT_EQ(a[col], b[col]) << "angles do not change with the unit";
    // 3 degrees per 30 m is the same bend as 3.048 degrees per 100 ft.
    EXPECT_EQ(b[9], "3.000000");
    EXPECT_EQ(a[9], "3.048000");

    EXPECT_EQ(listing::csvField("Teufe 5 m"), "Teufe 5 m");
    EXPECT_EQ(listing::csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(listing::csvField("sagt \"nein\""), "\"sagt \"\"nein\"\"\"");
    EXPECT_EQ(listing::csvField("zwei\nZeilen"), "\"zwei\nZeilen\"");
}
