// The computed survey written as a WITSML trajectory: the document read back with pugixml
// must have the element names, units and values a WITSML 1.4.1.1 reader expects (values
// checked against the closed form of the test file's circular arc), and reading it with
// the import must give the stations it was computed from.
#include "exchange/lasfile.h"
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
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

using namespace exchange;

namespace {

std::string slurp(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// The metres test file: 3 degrees per 30 m at azimuth 45, from the surface to 60 degrees.
well::Survey buildSurvey()
{
    const SurveyFileRead read = readLas(
        slurp(std::string(std::getenv("DRAVON_TEST_DATA")) + "/exchange/build-metres.las"));
    EXPECT_FALSE(read.fault);
    return importStations(read.table, {}).survey;
}

// The tests run under a German locale: strtod would stop at the point.
double numberOf(const pugi::xml_node &node)
{
    const std::string_view text = node.child_value();
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << text;
    return value;
}

struct Written
{
    std::string bytes;
    std::vector<traj::Station> stations; // what was written
};

Written written(LengthUnit unit, NorthReference north, const std::string &borehole)
{
    Written w;
    well::Well well;
    well.survey = buildSurvey();
    const well::Computation run = well::compute(well);
    w.stations = run.path.stations;
    const listing::Listing rows = listing::buildListing(run.path, {}, unit, 45.0);
    surveyexport::ExportInfo info;
    info.borehole = borehole;
    info.document = "/daten/aufbau.las";
    info.north.north = north;
    w.bytes = surveyexport::witsmlTrajectory(rows, info);
    return w;
}

} // namespace

TEST(WitsmlExport, ElementsUnitsAndValuesOfTheTrajectory)
{
    const double radius = 30.0 / radians(3.0);
    // A listing in feet is written in metres too: 390 m has no double in feet that
    // converts back to it, and the file must give the stations back exactly.
    for (const LengthUnit unit : { LengthUnit::Metre, LengthUnit::Foot }) {
        const std::string borehole = "Aufbau <3> & \"30\" – Süd";
        const Written w = written(unit, NorthReference::Grid, borehole);
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(w.bytes.c_str()));

        const pugi::xml_node root = document.document_element();
        EXPECT_STREQ(root.name(), "trajectorys");
        EXPECT_STREQ(root.attribute("xmlns").value(), "http://www.witsml.org/schemas/1series");
        EXPECT_STREQ(root.attribute("version").value(), "1.4.1.1");
        const pugi::xml_node trajectory = root.child("trajectory");
        ASSERT_TRUE(trajectory);
        EXPECT_FALSE(trajectory.next_sibling("trajectory"));
        const std::string uids[] = { trajectory.attribute("uidWell").value(),
            trajectory.attribute("uidWellbore").value(), trajectory.attribute("uid").value() };
        for (const std::string &uid : uids) {
            EXPECT_FALSE(uid.empty());
            EXPECT_EQ(uid.find_first_not_of(
                          "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_"),
                std::string::npos)
                << uid;
        }
        EXPECT_NE(uids[0], uids[1]);
        EXPECT_NE(uids[1], uids[2]);
        EXPECT_EQ(trajectory.child_value("nameWell"), borehole);
        EXPECT_EQ(trajectory.child_value("nameWellbore"), borehole);
        EXPECT_STRNE(trajectory.child_value("name"), "");
        EXPECT_STREQ(trajectory.child_value("aziRef"), "grid north");

        // The schema's order of a station's elements.
        const std::vector<std::string> order
            = { "md", "tvd", "incl", "azi", "dispNs", "dispEw", "vertSect", "dls" };
        int index = 0;
        for (const pugi::xml_node station : trajectory.children("trajectoryStation")) {
            std::vector<std::string> names;
            for (const pugi::xml_node e : station.children())
                if (std::find(order.begin(), order.end(), e.name()) != order.end())
                    names.push_back(e.name());
            EXPECT_EQ(names, order);
            EXPECT_STRNE(station.attribute("uid").value(), "");
            for (const char *length : { "md", "tvd", "dispNs", "dispEw", "vertSect" })
                EXPECT_STREQ(station.child(length).attribute("uom").value(), "m") << length;
            EXPECT_STREQ(station.child("incl").attribute("uom").value(), "dega");
            EXPECT_STREQ(station.child("azi").attribute("uom").value(), "dega");
            EXPECT_STREQ(station.child("dls").attribute("uom").value(), "dega/30m");

            // The arc: R sin I deep, R (1 - cos I) along the section azimuth (45 degrees,
            // the direction of the build).
            const double inc = radians(3.0 * index);
            const double tolerance = 1e-9 * radius;
            EXPECT_NEAR(numberOf(station.child("md")), 30.0 * index, tolerance);
            EXPECT_NEAR(numberOf(station.child("tvd")), radius * std::sin(inc), tolerance);
            const double away = radius * (1 - std::cos(inc));
            EXPECT_NEAR(numberOf(station.child("dispNs")), away * std::sqrt(0.5), tolerance);
            EXPECT_NEAR(numberOf(station.child("dispEw")), away * std::sqrt(0.5), tolerance);
            EXPECT_NEAR(numberOf(station.child("vertSect")), away, tolerance);
            EXPECT_NEAR(numberOf(station.child("incl")), 3.0 * index, 1e-12);
            EXPECT_NEAR(numberOf(station.child("dls")), index == 0 ? 0 : 3.0, 1e-9);
            ++index;
        }
        EXPECT_EQ(index, 21);
        EXPECT_NEAR(numberOf(trajectory.child("mdMx")), 600, 1e-9);
    }
}

TEST(WitsmlExport, ReadingTheExportBackGivesItsStations)
{
    for (const LengthUnit unit : { LengthUnit::Metre, LengthUnit::Foot }) {
        const Written w = written(unit, NorthReference::True, "Rückweg 1");
        const SurveyFileRead read = readWitsml(w.bytes, "");
        ASSERT_FALSE(read.fault) << read.fault->message;
        EXPECT_EQ(read.wellName, "Rückweg 1");
        const StationImport back = importStations(read.table, {});
        ASSERT_FALSE(back.fault);
        const auto &in = w.stations;
        const auto &out = back.survey.stations();
        ASSERT_EQ(out.size(), in.size());
        for (size_t k = 0; k < in.size(); ++k) {
            // Written in their shortest exact form, the doubles come back unchanged.
            EXPECT_EQ(out[k].md, in[k].md) << k;
            EXPECT_EQ(out[k].inclination, in[k].inclination) << k;
            EXPECT_EQ(out[k].azimuth, in[k].azimuth) << k;
        }
    }
}

TEST(WitsmlExport, TheFileIsChosenByItsExtensionAndWrittenWhole)
{
    EXPECT_EQ(
        surveyexport::exportFormatForPath("/tmp/Bahn.XML"), surveyexport::ExportFormat::Witsml);
    EXPECT_EQ(surveyexport::withExtension("bahn", surveyexport::ExportFormat::Witsml), "bahn.xml");

    const auto folder
        = std::filesystem::temp_directory_path() / ("dravon-witsml-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "bahn.xml").string();
    {
        std::ofstream old(path);
        old << "alt";
    }
    well::Well well;
    well.survey = buildSurvey();
    const listing::Listing rows
        = listing::buildListing(well::compute(well).path, {}, LengthUnit::Metre);
    surveyexport::ExportInfo info;
    info.borehole = "Datei";
    info.north.north = NorthReference::Magnetic;
    ASSERT_TRUE(surveyexport::writeExport(path, surveyexport::ExportFormat::Witsml, rows, info));
    const std::string bytes = slurp(path);
    EXPECT_EQ(bytes, surveyexport::witsmlTrajectory(rows, info));
    EXPECT_NE(bytes.find("<aziRef>magnetic north</aziRef>"), std::string::npos);
    // A folder that does not exist: nothing written, no stray file.
    EXPECT_FALSE(surveyexport::writeExport(
        (folder / "fehlt" / "bahn.xml").string(), surveyexport::ExportFormat::Witsml, rows, info));
    std::filesystem::remove_all(folder);
}
