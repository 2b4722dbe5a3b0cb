// Survey programs from the batch tool: the ISCWSA clearance set's reference well surveyed
// by a gyro to 600 m and MWD with in-field referencing below, against an old offset of
// unknown survey. Each station's tool in the export, the listing and WITSML; down to the
// end of the first run the gyro's uncertainty alone; the offset's unknown survey making
// the separation factors smaller; the program kept by --save; the refusals.
#include "tests/cli/clitool.h"
#include "toollibrary/toollibrary.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <numbers>

namespace {

using namespace clitest;

const std::string kSet = DRAVON_SOURCE_DIR "/tests/data/clearance/";
const std::string kField = " --mag-field 50000 --mag-dip 70 --declination 0 --north grid"
                           " --grid-convergence 0 --latitude 60";
const std::string kProgram = " --tool 0-600:GYRO-NS --tool 600-:MWD+IFR1+MS";

std::string setFile(const std::string &name)
{
    return "'" + kSet + name + "'";
}

// A CSV file's heading (the first row that starts with the depth) and rows by heading.
struct Table
{
    Fields heading;
    std::vector<Fields> rows;

    std::size_t at(const std::string &name) const
    {
        const auto it = std::find(heading.begin(), heading.end(), name);
        EXPECT_NE(it, heading.end()) << name;
        return static_cast<std::size_t>(it - heading.begin());
    }
    std::string text(std::size_t row, const std::string &name) const
    {
        return rows.at(row).at(at(name));
    }
    double value(std::size_t row, const std::string &name) const
    {
        return number(text(row, name));
    }
};

Table tableOf(const std::string &bytes)
{
    Table t;
    for (const Fields &line : csvLines(bytes)) {
        if (!t.heading.empty())
            t.rows.push_back(line);
        else if (!line.empty() && line.front().starts_with("Teufe ("))
            t.heading = line;
    }
    return t;
}

class ProgramCli : public ToolTest
{
};

TEST_F(ProgramCli, EachStationTakesTheToolOfItsRun)
{
    const Result r = run(setFile("reference-well.csv") + kField + kProgram
        + " --export p.csv --export p.xml --error-terms e.csv");
    ASSERT_EQ(r.status, 0) << r.err;
    const Table program = tableOf(file("p.csv"));
    ASSERT_GT(program.rows.size(), 50u);
    ASSERT_EQ(run(setFile("reference-well.csv") + kField + " --tool 0-:GYRO-NS --export g.csv")
                  .status,
        0);
    const Table gyro = tableOf(file("g.csv"));
    ASSERT_EQ(gyro.rows.size(), program.rows.size());
    std::size_t below = 0;
    for (std::size_t i = 1; i < program.rows.size(); ++i) {
        const double md = program.value(i, "Teufe (m)");
        SCOPED_TRACE(md);
        EXPECT_EQ(program.text(i, "Werkzeug"), md <= 600 ? "GYRO-NS" : "MWD+IFR1+MS");
        // Down to the end of its run the gyro is all there is.
        if (md <= 600) {
            EXPECT_EQ(program.text(i, "σ Lateral (m)"), gyro.text(i, "σ Lateral (m)"));
        } else if (program.text(i, "σ Lateral (m)") != gyro.text(i, "σ Lateral (m)")) {
            ++below;
        }
    }
    EXPECT_GT(below, 40u);
    // WITSML names the tool of every station.
    const std::string witsml = file("p.xml");
    std::size_t stations = 0, gyroStations = 0, pos = 0;
    while ((pos = witsml.find("<modelToolError>", pos)) != std::string::npos) {
        ++stations;
        gyroStations += witsml.substr(pos).starts_with("<modelToolError>GYRO-NS<");
        ++pos;
    }
    EXPECT_EQ(stations, program.rows.size());
    // The file of the sources names each source with its run: both runs depth-reference
    // errors, each its own.
    const std::string terms = file("e.csv");
    EXPECT_NE(terms.find(",GYRO-NS (1): DRFR,"), std::string::npos);
    EXPECT_NE(terms.find(",MWD+IFR1+MS (2): DRFR,"), std::string::npos);
    EXPECT_EQ(gyroStations,
        static_cast<std::size_t>(std::count_if(program.rows.begin(), program.rows.end(),
            [&](const Fields &f) { return number(f[program.at("Teufe (m)")]) <= 600; })));
}

// An offset whose survey is unknown is far less certain than one surveyed as the well
// is: its radii grow, the separation factors fall. The program and the offset's tool are
// kept by --save, and the saved document alone scans the same.
TEST_F(ProgramCli, AnOffsetOfUnknownSurveyAndTheSavedProgram)
{
    const std::string offset
        = " --offset " + setFile("offset-01.csv") + " --offset-position 0,100 --offset-name Alt";
    ASSERT_EQ(run(setFile("reference-well.csv") + kField + kProgram + offset + " --clearance a.csv")
                  .status,
        0);
    const Result r = run(setFile("reference-well.csv") + kField + kProgram + offset
        + " --offset-tool UNKNOWN --clearance u.csv --save w.dvn");
    ASSERT_TRUE(r.status == 0 || r.status == 3) << r.err;
    const Table asWell = tableOf(file("a.csv")), unknown = tableOf(file("u.csv"));
    ASSERT_EQ(asWell.rows.size(), unknown.rows.size());
    const std::size_t last = unknown.rows.size() - 1;
    EXPECT_GT(unknown.value(last, "PCR Nachbar (m)"),
        3 * asWell.value(last, "PCR Nachbar (m)"));
    EXPECT_LT(unknown.value(last, "Trennfaktor"), asWell.value(last, "Trennfaktor"));
    EXPECT_EQ(unknown.value(last, "PCR Bezug (m)"), asWell.value(last, "PCR Bezug (m)"));

    const Result saved = run("w.dvn --clearance s.csv");
    ASSERT_EQ(saved.status, r.status) << saved.err;
    EXPECT_EQ(file("s.csv"), file("u.csv"));
}

// A table of runs (German headings, decimal commas, a day per run) is the same program as
// the runs on the command line; a row it cannot take is named and nothing is written.
TEST_F(ProgramCli, TheProgramFromATable)
{
    write("programm.csv",
        "Von (m);Bis (m);Werkzeug;Lauf;Datum\n0;600,0;GYRO-NS;Kreisel;01.03.2024\n"
        "600;;mwd+ifr1+ms;MWD;2024-03-05\n");
    ASSERT_EQ(run(setFile("reference-well.csv") + kField + kProgram + " --export t.csv").status, 0);
    const Result r = run(setFile("reference-well.csv") + kField
        + " --survey-program programm.csv --export f.csv --save p.dvn");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(file("f.csv"), file("t.csv"));
    EXPECT_NE(file("p.dvn").find("\"Kreisel\""), std::string::npos);

    write("kaputt.csv", "From,To,Tool\n0,600,GYRO-NS\n600,x,MWD+SRGM\n");
    const Result bad = run(setFile("reference-well.csv") + kField
        + " --survey-program kaputt.csv --export b.csv");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("kaputt.csv"), std::string::npos) << bad.err;
    EXPECT_NE(bad.err.find('2'), std::string::npos) << bad.err;
    EXPECT_FALSE(std::ifstream(dir + "/b.csv").good());
}

// A tool read beyond its inclination range is said for each such station, and the run
// goes on: an inclination-only survey is made for holes up to 30°.
TEST_F(ProgramCli, StationsOutsideTheirToolsRangeAreNamed)
{
    const Result r
        = run(setFile("reference-well.csv") + kField + " --tool 0-:INC-ONLY --export x.csv");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.find("1440.00 m MD"), std::string::npos); // 29.33°
    const std::size_t first = r.err.find("Messpunkt bei 1470.00 m MD: Neigung 31.33");
    ASSERT_NE(first, std::string::npos) << r.err;
    EXPECT_NE(r.err.find("INC-ONLY (0° bis 30°)", first), std::string::npos);
    EXPECT_NE(r.err.find("2940.00 m MD"), std::string::npos);
}

// An operator's own gyro, written here from the library's GYRO-NS, surveys the top of the
// well: the export is the library program's but for the tool's name; the saved document
// keeps the model, and an offset may take it by --offset-tool. Without the model the
// code is unknown, and a model the library cannot compute is refused by its function.
TEST_F(ProgramCli, AnOwnToolModelFromAFile)
{
    const toollib::Tool *gyro = toollib::find("GYRO-NS");
    ASSERT_NE(gyro, nullptr);
    nlohmann::json terms = nlohmann::json::array();
    for (const toollib::TermRow &row : gyro->terms)
        terms.push_back({ { "code", row.code }, { "function", row.weightingFunction },
            { "magnitude", row.magnitude }, { "unit", row.unit },
            { "propagation", std::string(1, row.propagation) } });
    nlohmann::json tool = { { "code", "OP-KREISEL" }, { "terms", terms } };
    if (gyro->noiseReduction)
        tool["noiseReduction"] = *gyro->noiseReduction;
    if (gyro->tortuosity)
        tool["tortuosity"] = *gyro->tortuosity * 30 * 180 / std::numbers::pi;
    write("kreisel.json", tool.dump());
    const std::string well = setFile("reference-well.csv") + kField;
    ASSERT_EQ(run(well + kProgram + " --export l.csv").status, 0);
    const Result r = run(well
        + " --tool-model kreisel.json --tool 0-600:OP-KREISEL --tool 600-:MWD+IFR1+MS"
          " --export o.csv --save o.dvn");
    ASSERT_EQ(r.status, 0) << r.err;
    std::string library = file("l.csv"), own = file("o.csv");
    for (std::size_t at; (at = library.find("GYRO-NS")) != std::string::npos;)
        library.replace(at, 7, "OP-KREISEL");
    EXPECT_EQ(own, library);

    const Result saved = run("o.dvn --export s.csv");
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(file("s.csv"), own);
    const Result offset = run("o.dvn --offset " + setFile("offset-01.csv")
        + " --offset-position 0,100 --offset-tool OP-KREISEL --clearance c.csv");
    EXPECT_TRUE(offset.status == 0 || offset.status == 3) << offset.err;

    const Result unknown = run(well + " --tool 0-:OP-KREISEL --export x.csv");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("OP-KREISEL"), std::string::npos) << unknown.err;
    write("drift.csv", "Code;Function;Magnitude;Unit;Propagation\nGD;GXY-GD;0,5;deg/hr;S\n");
    const Result drift
        = run(well + " --tool-model drift.csv --tool 0-:drift --export x.csv");
    EXPECT_EQ(drift.status, 2);
    EXPECT_NE(drift.err.find("GXY-GD"), std::string::npos) << drift.err;
    EXPECT_FALSE(std::ifstream(dir + "/x.csv").good());
}

TEST_F(ProgramCli, ProgramsThatCannotBeComputedAreRefusedByName)
{
    const std::string well = setFile("reference-well.csv") + kField;
    const Result unknown = run(well + " --tool 0-:KEIN-WERKZEUG --export x.csv");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("KEIN-WERKZEUG"), std::string::npos) << unknown.err;
    const Result gap = run(well + " --tool 0-600:GYRO-NS --tool 700-:MWD+SRGM --export x.csv");
    EXPECT_EQ(gap.status, 2);
    EXPECT_NE(gap.err.find("600"), std::string::npos) << gap.err;
    // The well is deeper than the program reaches: the first station below it is named.
    const Result shallow = run(well + " --tool 0-1000:MWD+SRGM --export x.csv");
    EXPECT_EQ(shallow.status, 2);
    EXPECT_NE(shallow.err.find("1020"), std::string::npos) << shallow.err;
    // A gyrocompass needs the latitude.
    const Result noLatitude = run(setFile("reference-well.csv")
        + " --mag-field 50000 --mag-dip 70 --declination 0 --north grid --grid-convergence 0"
        + kProgram + " --export x.csv");
    EXPECT_EQ(noLatitude.status, 2);
    EXPECT_NE(noLatitude.err.find("GYRO-NS"), std::string::npos) << noLatitude.err;
    EXPECT_FALSE(std::ifstream(dir + "/x.csv").good());
}

} // namespace
