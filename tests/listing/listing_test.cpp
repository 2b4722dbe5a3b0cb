// Listings: rows of each request in measured-depth order, the vertical section, feet
// and the CSV form.
#include "well/computation.h"
#include "export/delimitedwriter.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>

namespace {

using listing::RequestKind;
using listing::Unit;

// The stations of the worked example, computed once.
const traj::Trajectory &example()
{
    static const well::Computation c = [] {
        well::Well w;
        w.survey = well::surveyFromLines({ "100 0 0", "200 10 45", "300 20 90" });
        return well::compute(w);
    }();
    return c.path;
}

// Fields of one CSV line; a number as written (std::stod would follow the German locale).
std::vector<std::string> fields(const std::string &csv, int line)
{
    std::size_t at = 0;
    for (int k = 0; k < line; ++k)
        at = csv.find("\r\n", at) + 2;
    std::stringstream s(csv.substr(at, csv.find("\r\n", at) - at));
    std::vector<std::string> out;
    for (std::string f; std::getline(s, f, ',');)
        out.push_back(f);
    return out;
}

double number(const std::string &text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

TEST(Listing, RowsOfEveryRequestInDepthOrderWithTheVerticalSection)
{
    const listing::Listing l = listing::buildListing(example(),
        { { RequestKind::AtTvd, 250 }, { RequestKind::EveryMd, 70 }, { RequestKind::AtMd, 200 } },
        Unit::Metre);
    EXPECT_TRUE(l.faults.empty());
    std::vector<std::string> made;
    std::vector<double> md;
    for (const listing::Row &row : l.rows) {
        made.push_back(row.request);
        md.push_back(row.point.md);
    }
    // The step starts at the first station and ends with the last one.
    EXPECT_EQ(md, (std::vector<double> { 0, 70, 140, 200, 210, md[5], 280, 300 }));
    EXPECT_EQ(made,
        (std::vector<std::string> { "alle 70 m", "alle 70 m", "alle 70 m", "Teufe 200 m",
            "alle 70 m", "Seigerteufe 250 m", "alle 70 m", "alle 70 m" }));
    EXPECT_NEAR(l.rows[5].point.tvd, 250.0, 1e-9);
    EXPECT_TRUE(l.rows[3].point.atStation && l.rows[7].point.atStation);

    // Without a request the stations; the section runs along the final displacement
    // unless an azimuth is chosen.
    const traj::Trajectory &t = example();
    const listing::Listing stations = listing::buildListing(t, {}, Unit::Metre);
    ASSERT_EQ(stations.rows.size(), 4u);
    EXPECT_EQ(stations.sectionAzimuth, t.last().displacementAzimuth);
    EXPECT_NEAR(stations.rows.back().verticalSection, t.last().displacement, 1e-9);
    const listing::Listing east = listing::buildListing(t, {}, Unit::Metre, 90.0);
    for (const listing::Row &row : east.rows)
        EXPECT_NEAR(row.verticalSection, row.point.east, 1e-9);
    // No signed zeros (the west section of the vertical part is -0). The listing's CSV
    // writes numbers as --export does now, no longer with six fixed decimals.
    const std::string west
        = surveyexport::listingCsv(listing::buildListing(t, {}, Unit::Metre, 270.0));
    EXPECT_EQ(west.find(",-0,"), std::string::npos);
    EXPECT_NE(west.find(",0,"), std::string::npos);
}

TEST(Listing, FeetAndTheCsvForm)
{
    const traj::Trajectory &t = example();
    // 500 ft = 152.4 m.
    const std::string ft = surveyexport::listingCsv(
        listing::buildListing(t, { { RequestKind::AtMd, 500 } }, Unit::Foot, 45));
    const std::string m = surveyexport::listingCsv(
        listing::buildListing(t, { { RequestKind::AtMd, 152.4 } }, Unit::Metre, 45));
    EXPECT_EQ(ft.substr(0, ft.find("\r\n")),
        "Teufe (ft),Neigung (°),Azimut (°),Seigerteufe (ft),Nord (ft),Ost (ft),Gesamtabweichung "
        "(ft),"
        "Azimut der Abweichung (°),Vertikalschnitt bei 45.00° (ft),Abknickung (°/100 ft),"
        "Krümmungsradius (ft),Teufenverlust (ft),Anfrage");
    EXPECT_NE(m.find("Abknickung (°/30 m),Krümmungsradius (m)"), std::string::npos);
    EXPECT_EQ(ft.size() - 2, ft.rfind("\r\n")) << "two lines, each ended by CR LF";

    const std::vector<std::string> a = fields(ft, 1), b = fields(m, 1);
    ASSERT_EQ(a.size(), 13u);
    ASSERT_EQ(b.size(), 13u);
    // The shortest text that reads back as the same double, as --export writes (it was
    // six fixed decimals, "500.000000", before the listing and the export shared one form).
    EXPECT_EQ(a[0], "500");
    EXPECT_EQ(a[12], "Teufe 500 ft");
    for (int col : { 0, 3, 4, 5, 6, 8, 10, 11 })
        EXPECT_NEAR(number(a[col]) * 0.3048, number(b[col]), 1e-6) << "column " << col;
    for (int col : { 1, 2, 7 })
        EXPECT_EQ(a[col], b[col]) << "angles do not change with the unit";
    // 3 degrees per 30 m is the same bend as 3.048 degrees per 100 ft; the CSV keeps the
    // computed value to the last bit (3.000000000000005 here), not six decimals of it.
    const listing::Listing metres
        = listing::buildListing(t, { { RequestKind::AtMd, 152.4 } }, Unit::Metre, 45);
    EXPECT_EQ(number(b[9]), metres.rows[0].point.doglegPer30);
    EXPECT_NEAR(number(b[9]), 3.0, 1e-12);
    EXPECT_NEAR(number(a[9]), 3.048, 1e-12);

    EXPECT_EQ(surveyexport::quotedField("Teufe 5 m", ','), "Teufe 5 m");
    EXPECT_EQ(surveyexport::quotedField("a,b", ','), "\"a,b\"");
    EXPECT_EQ(surveyexport::quotedField("sagt \"nein\"\r\n", ','), "\"sagt \"\"nein\"\"\r\n\"");
}
