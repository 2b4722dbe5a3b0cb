// A WITSML trajectory that begins at a tie-in point 4.65 m south and 0.92 m east of the
// slot: its positions are worked out here by a few lines of minimum curvature of our own,
// the file is read, computed and exported, and every exported station lies where the
// file says. A tie-in point at the surface, or one without a position, stays the first
// station as before; one outside a station's limits is refused with its line.
#include "core/cformat.h"
#include "exchange/stationmapping.h"
#include "exchange/witsmlfile.h"
#include "export/exportformats.h"
#include "export/witsmlwriter.h"
#include "listing/listing.h"
#include "well/computation.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <charconv>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using namespace exchange;

namespace {

struct Row
{
    double md, inc, azi, tvd, north, east;
};

struct Vec
{
    double n, e, d;
};

Vec tangent(double inc, double azi)
{
    const double i = inc * std::numbers::pi / 180, a = azi * std::numbers::pi / 180;
    return { std::sin(i) * std::cos(a), std::sin(i) * std::sin(a), std::cos(i) };
}

// Each station from the one above: the two tangents, the angle between them from its sine
// and cosine, and the ratio factor of the arc.
std::vector<Row> positioned(const Row &tieIn, const std::vector<Row> &stations)
{
    std::vector<Row> out { tieIn };
    for (Row s : stations) {
        const Row &a = out.back();
        const Vec t1 = tangent(a.inc, a.azi), t2 = tangent(s.inc, s.azi);
        const Vec cross { t1.e * t2.d - t1.d * t2.e, t1.d * t2.n - t1.n * t2.d,
            t1.n * t2.e - t1.e * t2.n };
        const double beta
            = std::atan2(std::sqrt(cross.n * cross.n + cross.e * cross.e + cross.d * cross.d),
                t1.n * t2.n + t1.e * t2.e + t1.d * t2.d);
        const double ratio = beta < 1e-9 ? 1.0 : std::tan(beta / 2) / (beta / 2);
        const double half = (s.md - a.md) / 2 * ratio;
        s.north = a.north + half * (t1.n + t2.n);
        s.east = a.east + half * (t1.e + t2.e);
        s.tvd = a.tvd + half * (t1.d + t2.d);
        out.push_back(s);
    }
    return out;
}

std::string measure(const char *name, const char *uom, double value)
{
    return cfmt("      <%s uom=\"%s\">%.6f</%s>\n", name, uom, value, name);
}

// A WITSML 1.4.1.1 trajectory of `rows`, the first of type `firstType`.
std::string witsmlOf(const std::vector<Row> &rows, const std::string &firstType)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<trajectorys xmlns=\"http://www.witsml.org/schemas/1series\" "
                      "version=\"1.4.1.1\">\n  <trajectory uidWell=\"w\" uidWellbore=\"wb\" "
                      "uid=\"t\">\n    <nameWell>Anschluss 1</nameWell>\n"
                      "    <name>Abschnitt 2</name>\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row &r = rows[i];
        xml += "    <trajectoryStation uid=\"s" + std::to_string(i) + "\">\n";
        xml += "      <typeTrajStation>" + (i == 0 ? firstType : std::string("MWD"))
            + "</typeTrajStation>\n";
        xml += measure("md", "m", r.md) + measure("tvd", "m", r.tvd)
            + measure("incl", "dega", r.inc) + measure("azi", "dega", r.azi)
            + measure("dispNs", "m", r.north) + measure("dispEw", "m", r.east);
        xml += "    </trajectoryStation>\n";
    }
    return xml + "  </trajectory>\n</trajectorys>\n";
}

double numberOf(const pugi::xml_node &node)
{
    const std::string_view text = node.child_value();
    double value = NAN;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

const Row kTieIn { 1200, 18, 140, 1150.3, -4.65, 0.92 };
const std::vector<Row> kBelow
    = { { 1230, 19, 141, 0, 0, 0 }, { 1260, 21.5, 143, 0, 0, 0 }, { 1290, 24, 146.5, 0, 0, 0 },
          { 1350, 27, 152, 0, 0, 0 }, { 1440, 27, 152, 0, 0, 0 }, { 1500, 31, 160, 0, 0, 0 } };

} // namespace

TEST(WitsmlTieIn, ExportedStationsLieWhereTheFileSays)
{
    const std::vector<Row> rows = positioned(kTieIn, kBelow);
    const SurveyFileRead read = readWitsml(witsmlOf(rows, "tie in point"), "");
    ASSERT_FALSE(read.fault) << read.fault->message;
    ASSERT_TRUE(read.tieIn);
    EXPECT_EQ(*read.tieIn, (well::TieIn { 1200, 1150.3, -4.65, 0.92, 18, 140 }));
    const StationImport stations = importStations(read.table, {});
    ASSERT_FALSE(stations.fault);
    ASSERT_EQ(stations.survey.size(), kBelow.size()) << "the tie-in point is no station";
    EXPECT_EQ(stations.survey.stations().front().md, 1230);

    well::Well w;
    w.survey = stations.survey;
    w.settings.tieIn = read.tieIn;
    const well::Computation run = well::compute(w);
    ASSERT_TRUE(run.clean());
    const listing::Listing listed = listing::buildListing(run.path, {}, LengthUnit::Metre, 0.0);
    surveyexport::ExportInfo info;
    info.borehole = "Anschluss 1";
    const std::string exported = surveyexport::witsmlTrajectory(listed, info);

    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(exported.c_str()));
    std::size_t k = 0;
    for (pugi::xml_node s = doc.child("trajectorys").child("trajectory").child("trajectoryStation");
         s; s = s.next_sibling("trajectoryStation"), ++k) {
        ASSERT_LT(k, rows.size());
        SCOPED_TRACE(rows[k].md);
        EXPECT_EQ(numberOf(s.child("md")), rows[k].md);
        EXPECT_NEAR(numberOf(s.child("dispNs")), rows[k].north, 1e-4);
        EXPECT_NEAR(numberOf(s.child("dispEw")), rows[k].east, 1e-4);
        EXPECT_NEAR(numberOf(s.child("tvd")), rows[k].tvd, 1e-4);
    }
    EXPECT_EQ(k, rows.size());

    // The export read back begins at the same tie-in point, with the same stations.
    const SurveyFileRead back = readWitsml(exported, "");
    ASSERT_FALSE(back.fault) << back.fault->message;
    ASSERT_TRUE(back.tieIn);
    EXPECT_EQ(back.tieIn->north, -4.65);
    EXPECT_EQ(back.tieIn->east, 0.92);
    EXPECT_EQ(importStations(back.table, {}).survey.stations(), stations.survey.stations());
}

TEST(WitsmlTieIn, ATieInAtTheSurfaceOrWithoutPositionStaysTheFirstStation)
{
    // At the surface: the survey begins there as it always did.
    const Row surface { 0, 0, 0, 0, 0, 0 };
    std::vector<Row> rows = positioned(surface, kBelow);
    SurveyFileRead read = readWitsml(witsmlOf(rows, "tie in point"), "");
    ASSERT_FALSE(read.fault);
    EXPECT_FALSE(read.tieIn);
    EXPECT_EQ(importStations(read.table, {}).survey.size(), rows.size());

    // Without a position, as some writers leave it: a station like any other.
    rows = positioned(kTieIn, kBelow);
    std::string xml = witsmlOf(rows, "Tie In Point");
    const std::size_t from = xml.find("      <dispNs");
    xml.erase(from, xml.find('\n', from) + 1 - from);
    read = readWitsml(xml, "");
    ASSERT_FALSE(read.fault);
    EXPECT_FALSE(read.tieIn);
    EXPECT_EQ(importStations(read.table, {}).survey.stations().front().md, 1200);

    // Another type of the first station is a station, whatever it carries.
    read = readWitsml(witsmlOf(rows, "MWD"), "");
    EXPECT_FALSE(read.tieIn);
}

TEST(WitsmlTieIn, ATieInOutsideTheLimitsIsRefusedWithItsLine)
{
    Row bad = kTieIn;
    bad.inc = 181;
    const SurveyFileRead read = readWitsml(witsmlOf(positioned(bad, kBelow), "tie in point"), "");
    ASSERT_TRUE(read.fault);
    EXPECT_EQ(read.fault->row, 6);
    EXPECT_NE(read.fault->message.find("Anschlusspunkt"), std::string::npos) << read.fault->message;
    EXPECT_TRUE(read.table.rows.empty());
}
