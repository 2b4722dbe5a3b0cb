// LAS and WITSML surveys as the table import reads them: the stations of the test files
// against the numbers the files were made from, the positions computed from them against
// the closed form of a circular arc, the choices of a file with several trajectories, and
// every refusal with its line. Expected values come from the geometry and from decimal
// arithmetic, never from the readers' own conversions.
#include "core/units.h"
#include "exchange/lasfile.h"
#include "exchange/stationmapping.h"
#include "exchange/witsmlfile.h"
#include "well/computation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <sstream>

using namespace exchange;

namespace {

std::string slurp(const std::string &name)
{
    std::ifstream in(
        std::string(std::getenv("DRAVON_TEST_DATA")) + "/exchange/" + name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    EXPECT_FALSE(out.str().empty()) << name;
    return out.str();
}

StationImport stationsOf(const SurveyFileRead &read, const MappingRequest &request = {})
{
    EXPECT_FALSE(read.fault) << (read.fault ? read.fault->message : std::string());
    return importStations(read.table, request);
}

std::string messageOf(const SurveyFileRead &read)
{
    return read.fault ? read.fault->message : std::string("(kein Fehler)");
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// A hole that builds at a constant rate in one vertical plane is a circular arc of radius
// R: at inclination I it stands R sin I deep and R (1 - cos I) away from the vertical.
void expectArc(
    const std::vector<traj::Station> &computed, double radius, double azimuth, double metresPerUnit)
{
    for (const traj::Station &s : computed) {
        const double inc = radians(s.inclination);
        const double tvd = radius * std::sin(inc) * metresPerUnit;
        const double away = radius * (1 - std::cos(inc)) * metresPerUnit;
        EXPECT_NEAR(s.tvd, tvd, 1e-9 * std::max(1.0, tvd)) << s.md;
        EXPECT_NEAR(s.north, away * std::cos(radians(azimuth)), 1e-9 * std::max(1.0, away)) << s.md;
        EXPECT_NEAR(s.east, away * std::sin(radians(azimuth)), 1e-9 * std::max(1.0, away)) << s.md;
    }
}

well::Computation computed(const well::Survey &survey)
{
    well::Well well;
    well.survey = survey;
    return well::compute(well);
}

} // namespace

TEST(LasFile, MetresFileGivesTheBuildAndItsArc)
{
    const SurveyFileRead read = readLas(slurp("build-metres.las"));
    EXPECT_EQ(read.wellName, "Aufbau 3-30");
    EXPECT_TRUE(read.choices.empty());
    const StationImport import = stationsOf(read);
    ASSERT_FALSE(import.fault) << import.fault->message;
    EXPECT_EQ(import.mapping.unit, DepthUnit::Metres);
    // DEPT, GR, INC, AZI: the gamma-ray curve between them is not taken.
    EXPECT_EQ(import.mapping.columns, (std::array<int, 3> { 0, 2, 3 }));
    // 21 stations every 30 m, 3 degrees more each; the gamma ray's NULLs do not matter and
    // the last depth, whose inclination and azimuth are NULL, is no station.
    const auto &stations = import.survey.stations();
    ASSERT_EQ(stations.size(), 21u);
    for (size_t k = 0; k < stations.size(); ++k)
        EXPECT_EQ(stations[k], (well::Station { 30.0 * double(k), 3.0 * double(k), 45.0 }));

    const well::Computation run = computed(import.survey);
    ASSERT_EQ(run.path.stations.size(), 21u);
    expectArc(run.path.stations, 30.0 / radians(3.0), 45.0, 1.0);
}

TEST(LasFile, FeetFileOfVersionOnePointTwoGivesItsLengthsInMetres)
{
    const SurveyFileRead read = readLas(slurp("build-feet.las"));
    // LAS 1.2 writes the well's name after the colon.
    EXPECT_EQ(read.wellName, "Fuss Ost 1");
    const StationImport import = stationsOf(read);
    ASSERT_FALSE(import.fault) << import.fault->message;
    EXPECT_EQ(import.mapping.unit, DepthUnit::Feet);
    const auto &stations = import.survey.stations();
    ASSERT_EQ(stations.size(), 21u);
    for (size_t k = 0; k < stations.size(); ++k) {
        // 100 ft are 30.48 m exactly.
        EXPECT_DOUBLE_EQ(stations[k].md, 30.48 * double(k));
        EXPECT_EQ(stations[k].inclination, 2.5 * double(k));
        EXPECT_EQ(stations[k].azimuth, 120.0);
    }
    expectArc(computed(import.survey).path.stations, 100.0 / radians(2.5), 120.0, 0.3048);
}

TEST(LasFile, CurvesAreChosenLikeColumnsAndNullRowsArePassedOver)
{
    const std::string las = "~V\n VERS. 2.0 :\n WRAP. NO :\n"
                            "~W\n NULL. -999.25 :\n"
                            "~C\n DEPTH.M :\n TVD.M :\n INCL.DEG :\n AZIM.RAD :\n"
                            "~A\n"
                            "0 0 0 0\n"
                            "10 10 -999.25 0.5\n" // no inclination: no station
                            "20 19.9 5 3.141592653589793\n"
                            "-999.25 1 2 3\n"; // no depth: no station
    const SurveyFileRead read = readLas(las);
    const StationImport automatic = stationsOf(read);
    EXPECT_EQ(read.table.rows.front().size(), 4u);
    ASSERT_FALSE(automatic.fault) << automatic.fault->message;
    ASSERT_EQ(automatic.survey.size(), 2u);
    // Radians become degrees.
    EXPECT_NEAR(automatic.survey.stations()[1].azimuth, 180.0, 1e-12);
    EXPECT_EQ(automatic.records, 2);

    // Chosen by number, the TVD curve as the depth (the dialog's choice) ... Now the last
    // row, whose depth alone is NULL, is a station.
    MappingRequest byNumber;
    byNumber.columns = { ColumnChoice { 2, {} }, ColumnChoice { 3, {} }, ColumnChoice { 4, {} } };
    const StationImport tvd = stationsOf(read, byNumber);
    ASSERT_FALSE(tvd.fault);
    ASSERT_EQ(tvd.survey.size(), 3u);
    EXPECT_EQ(tvd.survey.stations()[1].md, 19.9);
    EXPECT_EQ(tvd.survey.stations()[2], (well::Station { 1, 2, units::degrees(3) }));
    // ... and by mnemonic (the batch tool's --columns).
    MappingRequest byName;
    byName.columns
        = { ColumnChoice { 0, "TVD" }, ColumnChoice { 0, "INCL" }, ColumnChoice { 0, "AZIM" } };
    EXPECT_EQ(stationsOf(read, byName).survey.stations(), tvd.survey.stations());
}

TEST(LasFile, MnemonicsThatAreNumbersStayHeadings)
{
    // Curves named 1, 2, 3 without units: their heading row must not become a station.
    const SurveyFileRead read
        = readLas("~V\n VERS. 2.0 :\n~C\n 1. :\n 2. :\n 3. :\n~A\n10 1 2\n20 2 3\n");
    const StationImport import = stationsOf(read);
    ASSERT_FALSE(import.fault) << import.fault->message;
    EXPECT_EQ(
        import.survey.stations(), (std::vector<well::Station> { { 10, 1, 2 }, { 20, 2, 3 } }));
}

TEST(LasFile, RefusedFilesNameTheirLine)
{
    const std::string head
        = "~Version\n VERS. 2.0 :\n WRAP. NO :\n~Curve\n DEPT.M :\n INC.DEG :\n AZI.DEG :\n~A\n";
    struct Case
    {
        std::string las;
        int line;
        const char *says;
    };
    const Case cases[] = {
        { "~V\n VERS. 2.0 :\n WRAP. YES : MEHRERE ZEILEN\n~C\n DEPT.M :\n~A\n0\n", 3, "WRAP YES" },
        { "~V\n VERS. 3.0 :\n", 2, "LAS-Version 3.0" },
        { "~V\n VERS. 2.0 :\n WRAP. VIELLEICHT :\n", 3, "WRAP muss YES oder NO sein" },
        { head + "0 0 0\n10 1\n", 10, "2 Werte statt 3" },
        { head + "0 0 0\n10 1 2 3\n", 10, "mehr Werte als die 3 Kurven" },
        { head + "0 0 0\n10 1,5 2\n", 10, "„1,5“ ist keine Zahl (Kurve INC)" },
        { "# nur ein Kommentar\n~Well\n WELL. X :\n", 2, "beginnt mit dem Abschnitt ~Version" },
        { "~V\n VERS. 2.0 :\n~A\n0 0 0\n", 3, "stehen vor den Kurven" },
        { "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n", 0, "keine Daten (Abschnitt ~A)" },
        { "~V\n VERS. 2.0 :\n~W\n NULL. nichts :\n", 4, "NULL-Wert „nichts“ ist keine Zahl" },
        { "~V\n VERS. 2.0 :\n~C\n ohne Punkt\n", 4, "keine Kopfzeile der Form MNEM.EINHEIT" },
        { head + "0 0 0\n~Other\nBemerkung\n", 10, "~A muss der letzte sein" },
        { head + "0 0 " + std::string(300, '1') + "\n", 9, "ist keine Zahl (Kurve AZI)" },
        // An angle in radians is kept in degrees, written out: 3.3e303 rad is as long as
        // the 300 digits above and is refused as they are, not kept past a cell's bound.
        { "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n INC.RAD :\n~A\n0 0\n10 3333E300\n", 8,
            "„3333E300“ ist keine Zahl (Kurve INC)" },
    };
    for (const Case &c : cases) {
        const SurveyFileRead read = readLas(c.las);
        ASSERT_TRUE(read.fault) << c.las;
        EXPECT_EQ(read.fault->row, c.line) << c.las;
        EXPECT_NE(messageOf(read).find(c.says), std::string::npos) << messageOf(read);
        if (c.line > 0) {
            EXPECT_EQ(messageOf(read).rfind("Zeile " + std::to_string(c.line) + ":", 0), 0u)
                << messageOf(read);
        }
        EXPECT_TRUE(read.table.rows.empty());
    }
}

TEST(SurveyFileKind, ContentAndExtensionSayWhichReader)
{
    EXPECT_EQ(surveyFileKindOf("# Kommentar\r\n\r\n  ~VERSION\r\n"), SurveyFileKind::Las);
    EXPECT_EQ(surveyFileKindOf("\xEF\xBB\xBF~v\n"), SurveyFileKind::Las);
    EXPECT_EQ(surveyFileKindOf(slurp("two-trajectories.xml")), SurveyFileKind::Witsml);
    EXPECT_EQ(surveyFileKindOf("<?xml version=\"1.0\"?><!-- <trajectorys> --><Trajectory "
                               "xmlns=\"http://www.energistics.org/energyml/data/witsmlv2\"/>"),
        SurveyFileKind::Witsml);
    EXPECT_EQ(surveyFileKindOf("<?xml version=\"1.0\"?><wells/>"), std::nullopt);
    EXPECT_EQ(surveyFileKindOf("Teufe;Neigung;Azimut\n~V\n"), std::nullopt);
    EXPECT_EQ(surveyFileKindOf(""), std::nullopt);
    EXPECT_EQ(surveyFileKindForPath("/a.b/Messung.LAS"), SurveyFileKind::Las);
    EXPECT_EQ(surveyFileKindForPath("bahn.xml"), SurveyFileKind::Witsml);
    EXPECT_EQ(surveyFileKindForPath("las/bahn.csv"), std::nullopt);
}

TEST(WitsmlFile, TrajectoriesAreChosenByNameOrNumber)
{
    const std::string xml = slurp("two-trajectories.xml");
    const SurveyFileRead first = readWitsml(xml, "");
    ASSERT_EQ(first.choices.size(), 2u);
    EXPECT_EQ(first.choices[0], "Plan");
    EXPECT_EQ(first.choices[1], "Definitiv & geprüft");
    EXPECT_EQ(first.choice, 0);
    EXPECT_EQ(first.wellName, "Feld Nord 7 A");
    const StationImport plan = stationsOf(first);
    EXPECT_EQ(plan.survey.stations(),
        (std::vector<well::Station> { { 0, 0, 0 }, { 100, 0, 0 }, { 200, 10, 90 } }));

    // The definitive survey: 1000 ft and 2000 ft (304.8 m, 609.6 m), angles in radians for
    // some stations; 30 degrees inclination, azimuth 60.
    for (const std::string &wanted : { std::string("2"), std::string("DEFINITIV & GEPRÜFT") }) {
        const SurveyFileRead read = readWitsml(xml, wanted);
        EXPECT_EQ(read.choice, 1) << wanted;
        const StationImport def = stationsOf(read);
        ASSERT_EQ(def.survey.size(), 4u);
        const double md[] = { 0, 304.8, 609.6, 914.4 };
        for (size_t k = 0; k < 4; ++k) {
            const well::Station &s = def.survey.stations()[k];
            EXPECT_DOUBLE_EQ(s.md, md[k]);
            EXPECT_NEAR(s.inclination, k == 0 ? 0 : 30, 1e-12);
            EXPECT_NEAR(s.azimuth, k == 0 ? 0 : 60, 1e-12);
        }
        // Below the first station the hole is straight: each 304.8 m adds cos 30 of it.
        const auto &path = computed(def.survey).path.stations;
        ASSERT_EQ(path.size(), 4u);
        EXPECT_NEAR(path[3].tvd - path[2].tvd, 304.8 * std::cos(radians(30)), 1e-9);
        EXPECT_NEAR(path[3].east - path[1].east, 2 * 304.8 * 0.5 * std::sin(radians(60)), 1e-9);
    }
    const SurveyFileRead missing = readWitsml(xml, "Drei");
    EXPECT_EQ(messageOf(missing),
        "Die WITSML-Datei hat keine Trajektorie „Drei“; sie hat „Plan“, „Definitiv & geprüft“.");
    EXPECT_EQ(readWitsml(xml, "3").fault.has_value(), true);
}

TEST(WitsmlFile, EnergisticsTrajectoryIsReadToo)
{
    const std::string xml = R"(<?xml version="1.0" encoding="utf-8"?>
<Trajectory xmlns="http://www.energistics.org/energyml/data/witsmlv2" uuid="1" schemaVersion="2.0">
  <Citation xmlns="http://www.energistics.org/energyml/data/commonv2"><Title>Messung 2</Title></Citation>
  <Wellbore><Title>Süd 3</Title></Wellbore>
  <TrajectoryStation uid="a"><Md uom="m" datum="KB">0</Md><Incl uom="dega">0</Incl><Azi uom="dega">0</Azi></TrajectoryStation>
  <TrajectoryStation uid="b"><Md uom="m" datum="KB">30</Md><Incl uom="dega">1.5</Incl><Azi uom="dega">270</Azi></TrajectoryStation>
</Trajectory>)";
    const SurveyFileRead read = readWitsml(xml, "");
    EXPECT_EQ(read.choices, std::vector<std::string> { "Messung 2" });
    EXPECT_EQ(read.wellName, "Süd 3");
    EXPECT_EQ(stationsOf(read).survey.stations(),
        (std::vector<well::Station> { { 0, 0, 0 }, { 30, 1.5, 270 } }));
}

TEST(WitsmlFile, RefusedDocumentsSayWhy)
{
    const auto station = [](const std::string &md, const std::string &incl) {
        return "<trajectorys><trajectory><name>T</name><trajectoryStation>" + md + incl
            + "<azi uom=\"dega\">1</azi></trajectoryStation></trajectory></trajectorys>";
    };
    const std::string md = "<md uom=\"m\">10</md>";
    const std::string incl = "<incl uom=\"dega\">1</incl>";
    struct Case
    {
        std::string xml;
        const char *says;
    };
    // A thousand levels of entities would expand to 10^9 copies if entities were expanded.
    std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE t [\n <!ENTITY a \"ha\">\n";
    for (char c = 'b'; c <= 'j'; ++c)
        laughs += std::string(" <!ENTITY ") + c + " \"" + std::string(10, '&') + "\">\n";
    laughs += "]>\n" + station("<md uom=\"m\">&j;</md>", incl);
    std::string deep;
    for (int i = 0; i < 200000; ++i)
        deep += "<a>";
    for (int i = 0; i < 200000; ++i)
        deep += "</a>";
    const Case cases[] = {
        { laughs, "Zeile 2: die Datei enthält eine Dokumenttypdefinition" },
        { station("<md uom=\"m\">&x;</md>", incl), "„&x;“ in <md> ist keine Zahl" },
        { station("<md uom=\"km\">1</md>", incl), "die Einheit „km“ von <md> wird nicht gelesen" },
        { station("<md>1</md>", incl), "<md> ohne Einheit (uom)" },
        { station(md, "<incl uom=\"gon\">1</incl>"), "die Einheit „gon“ von <incl>" },
        { station(md, ""), "der Messpunkt hat kein <incl>" },
        { station(md, "<incl uom=\"dega\">1e39</incl>"), "„1e39“ in <incl> ist zu groß" },
        { "<trajectorys><trajectory><name>T</name></trajectory></trajectorys>",
            "Die Trajektorie „T“ hat keine Messpunkte" },
        { "<trajectorys/>", "enthält keine Trajektorie" },
        { "<wells><well/></wells>", "das Dokument beginnt mit <wells>" },
        { "<trajectorys>\n<trajectory>\n</trajectorys>",
            "Zeile 3: kein gültiges XML (ein End-Tag passt nicht zu seinem Start-Tag)" },
        { deep, "tiefer als 64 Ebenen verschachtelt" },
        { std::string(kMaxWitsmlBytes + 1, ' '), "größer als 64 MB" },
    };
    for (const Case &c : cases) {
        const SurveyFileRead read = readWitsml(c.xml, "");
        ASSERT_TRUE(read.fault) << c.xml.substr(0, 200);
        EXPECT_NE(messageOf(read).find(c.says), std::string::npos) << messageOf(read);
        EXPECT_TRUE(read.table.rows.empty());
    }
}
