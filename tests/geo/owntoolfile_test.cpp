// The operator's own tool models from files: a library tool written out in the other
// programs' JSON names, or as a German table of its terms, computes as the library's code
// does, in a program, through the settings that keep it; what cannot be computed is
// refused by what is missing and nothing is taken.
#include "geo/errormodelinputs.h"
#include "geo/owntoolfile.h"
#include "geo/programform.h"
#include "toollibrary/toollibrary.h"
#include "well/settingsjson.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// The library's tool as another program writes an error model: its own member names, the
// propagation spelled out.
nlohmann::json jsonOf(const toollib::Tool &tool, const std::string &code)
{
    nlohmann::json terms = nlohmann::json::array();
    for (const toollib::TermRow &row : tool.terms) {
        const char *mode = row.propagation == 'R' ? "Random"
            : row.propagation == 'S'              ? "Systematic"
            : row.propagation == 'W'              ? "Well"
                                                  : "Global";
        terms.push_back({ { "Name", row.code }, { "WeightingFunction", row.weightingFunction },
            { "Value", row.magnitude }, { "Units", row.unit }, { "PropagationMode", mode } });
    }
    nlohmann::json j = { { "ShortName", code }, { "LongName", tool.longName },
        { "MinInclination", tool.inclinationMin }, { "MaxInclination", tool.inclinationMax },
        { "ErrorTerms", terms } };
    if (tool.tortuosity)
        j["XCL Tortuosity"] = *tool.tortuosity * 30 / kDegree;
    if (tool.misalignmentCourseLength)
        j["courseLength"] = *tool.misalignmentCourseLength;
    if (tool.noiseReduction)
        j["Noise Reduction Factor"] = *tool.noiseReduction;
    return j;
}

// The same terms as a German table: semicolons, decimal commas, columns in another order.
std::string tableOf(const toollib::Tool &tool)
{
    std::string text = "Fortpflanzung;Code;Betrag (1σ);Einheit;Gewichtungsfunktion\r\n";
    for (const toollib::TermRow &row : tool.terms) {
        char number[64];
        std::snprintf(number, sizeof number, "%.17g", row.magnitude);
        std::string magnitude(number);
        std::replace(magnitude.begin(), magnitude.end(), '.', ',');
        text += std::string(1, row.propagation) + ";" + std::string(row.code) + ";" + magnitude
            + ";" + std::string(row.unit) + ";" + std::string(row.weightingFunction) + "\r\n";
    }
    return text;
}

// A well that kicks off at 400 m, builds to 60° and turns, surveyed every 30 m, with the
// field and place that gyros and magnetic tools need.
struct Setting
{
    traj::Trajectory path;
    WellSettings settings;

    Setting()
    {
        for (int k = 0; k <= 100; ++k) {
            traj::Station s;
            s.md = 30.0 * k;
            s.inclination = std::clamp((s.md - 400) / 30 * 2, 0.0, 60.0);
            s.azimuth = 40 + std::max(0.0, s.md - 1500) / 30;
            path.stations.push_back(s);
        }
        traj::computeNumericTrajectory(path);
        UncertaintySettings &u = settings.uncertainty;
        u.latitude = 52.5;
        u.totalField = 49500;
        u.dip = 67.5;
        settings.declination = 3.2;
    }

    std::vector<unc::Sym3> covariances(const std::vector<SurveyRun> &program,
        const std::vector<OwnTool> &own) const
    {
        WellSettings s = settings;
        s.uncertainty.program = program;
        s.ownTools = own;
        std::string refusal;
        const std::optional<unc::Inputs> in = geo::errorModelInputs(s, nullptr, &refusal);
        EXPECT_TRUE(in) << refusal;
        return in ? unc::stationCovariances(path, *in) : std::vector<unc::Sym3> {};
    }
};

double worstDifference(const std::vector<unc::Sym3> &a, const std::vector<unc::Sym3> &b)
{
    EXPECT_EQ(a.size(), b.size());
    double worst = 0;
    for (std::size_t k = 0; k < std::min(a.size(), b.size()); ++k) {
        const double x[6] = { a[k].xx, a[k].yy, a[k].zz, a[k].xy, a[k].xz, a[k].yz };
        const double y[6] = { b[k].xx, b[k].yy, b[k].zz, b[k].xy, b[k].xz, b[k].yz };
        const double size = std::max({ std::abs(y[0]), std::abs(y[1]), std::abs(y[2]), 1e-300 });
        for (int i = 0; i < 6; ++i)
            worst = std::max(worst, std::abs(x[i] - y[i]) / size);
    }
    return worst;
}

const toollib::Tool &libraryTool(const char *code)
{
    const toollib::Tool *tool = toollib::find(code);
    EXPECT_NE(tool, nullptr) << code;
    return *tool;
}

} // namespace

TEST(OwnTools, ALibraryToolWrittenOutComputesAsTheLibrarysCode)
{
    const Setting well;
    const toollib::Tool &gyro = libraryTool("GYRO-NS"), &mwd = libraryTool("MWD+IFR1+MS");
    const std::vector<SurveyRun> library { { 0, 600, "GYRO-NS", "Kreisel", {} },
        { 600, std::nullopt, "MWD+IFR1+MS", "MWD", {} } };
    const std::vector<unc::Sym3> expected = well.covariances(library, {});
    ASSERT_FALSE(expected.empty());
    std::vector<SurveyRun> own = library;
    own[0].tool = "OP-GYRO";
    own[1].tool = "OP-MWD";

    // Both tools in one JSON file under "tools".
    const nlohmann::json file
        = { { "tools", { jsonOf(gyro, "OP-GYRO"), jsonOf(mwd, "OP-MWD") } } };
    std::vector<OwnTool> fromJson;
    std::string fault;
    ASSERT_TRUE(geo::ownToolsFromFile(file.dump(2), "werkzeuge.JSON", fromJson, fault)) << fault;
    ASSERT_EQ(fromJson.size(), 2u);
    EXPECT_EQ(fromJson[1].description, mwd.longName);
    EXPECT_EQ(fromJson[0].terms.size(), gyro.terms.size());
    EXPECT_LE(worstDifference(well.covariances(own, fromJson), expected), 1e-12);

    // Each as a table, its code from the file's name.
    std::vector<OwnTool> fromTables, one;
    ASSERT_TRUE(geo::ownToolsFromFile(tableOf(gyro), "/tmp/modelle/OP-GYRO.csv", one, fault))
        << fault;
    fromTables.insert(fromTables.end(), one.begin(), one.end());
    ASSERT_TRUE(geo::ownToolsFromFile(tableOf(mwd), "OP-MWD.txt", one, fault)) << fault;
    fromTables.insert(fromTables.end(), one.begin(), one.end());
    ASSERT_EQ(fromTables.size(), 2u);
    EXPECT_EQ(fromTables[0].code, "OP-GYRO");
    EXPECT_FALSE(fromTables[0].tortuosity || fromTables[0].noiseReduction);
    // A table holds the terms alone; the tool's parameters are those of the JSON.
    for (std::size_t i = 0; i < 2; ++i) {
        OwnTool terms = fromTables[i];
        fromTables[i] = fromJson[i];
        fromTables[i].description.clear();
        fromTables[i].terms = terms.terms;
    }
    EXPECT_LE(worstDifference(well.covariances(own, fromTables), expected), 1e-12);

    // The settings keep them, and the rows of a form name them in any case.
    WellSettings kept = well.settings;
    kept.uncertainty.program = own;
    kept.ownTools = fromJson;
    WellSettings back;
    ASSERT_TRUE(settingsFromJson(settingsToJson(kept), back, &fault)) << fault;
    EXPECT_EQ(back, kept);
    std::vector<geo::ProgramRow> rows = geo::programRows(own);
    rows[0].tool = "op-gyro";
    std::vector<SurveyRun> typed;
    ASSERT_TRUE(geo::programFromRows(rows, typed, fault, kept.ownTools)) << fault;
    EXPECT_EQ(typed, own);
    EXPECT_FALSE(geo::programFromRows(rows, typed, fault));
    const std::vector<std::string> offered = geo::searchChoices("gyro", kept.ownTools);
    ASSERT_FALSE(offered.empty());
    EXPECT_EQ(geo::codeOfChoice(offered.front()), "OP-GYRO");
}

TEST(OwnTools, WhatCannotBeComputedIsRefusedByWhatIsMissing)
{
    const std::string heading = "Code,Function,Magnitude,Unit,Propagation\n";
    const std::vector<OwnTool> before { OwnTool { "ALT", "", 0, 180, {}, {}, {},
        { OwnToolTerm { "AZ", "AZ", 0.1, "deg", 'S' } } } };
    const struct
    {
        std::string file, text, named;
    } faults[] = {
        // A drift that the library does not compute, a unit it does not know.
        { "a.csv", heading + "AZ,AZ,0.1,deg,S\nGD,GXY-GD,0.5,deg/hr,S\n", "GXY-GD" },
        { "a.csv", heading + "DRFR,DREF,0.35,furlong,R\n", "furlong" },
        // The library's own code is no own tool.
        { "GYRO-NS.csv", heading + "AZ,AZ,0.1,deg,S\n", "GYRO-NS" },
        // Faults of the rows name the row and column.
        { "a.csv", heading + "AZ,AZ,0.1,deg,S\nDRFR,DREF,-1,m,R\n", "Zeile 3, Spalte Magnitude" },
        { "a.csv", heading + "AZ,AZ,0.1,deg,X\n", "Zeile 2, Spalte Propagation" },
        { "a.csv", "Code,Function,Unit\nAZ,AZ,deg\n", "Betrag" },
        { "a.csv", heading, "Fehlerterme" },
        // JSON that holds no tool, or one twice, or a term without its magnitude.
        { "a.json", "{\"code\": \"X\", \"terms\": [", "JSON" },
        { "a.json", "[]", "Werkzeug" },
        { "a.json",
            R"([{"code": "X", "terms": [{"code": "AZ", "function": "AZ", "magnitude": 0.1,
                "unit": "deg", "propagation": "S"}]},
               {"code": "X", "terms": [{"code": "AZ", "function": "AZ", "magnitude": 0.2,
                "unit": "deg", "propagation": "S"}]}])",
            "zweimal" },
        { "a.json",
            R"({"code": "X", "terms": [{"code": "AZ", "function": "AZ", "unit": "deg",
                "propagation": "S"}]})",
            "magnitude" },
        { "a.json",
            R"({"code": "X", "inclinationMin": 90, "inclinationMax": 10, "terms": [{"code":
                "AZ", "function": "AZ", "magnitude": 1, "unit": "deg", "propagation": "S"}]})",
            "Neigungsbereich" },
    };
    for (const auto &f : faults) {
        std::vector<OwnTool> tools = before;
        std::string fault;
        EXPECT_FALSE(geo::ownToolsFromFile(f.text, f.file, tools, fault)) << f.text;
        EXPECT_NE(fault.find(f.named), std::string::npos) << fault;
        EXPECT_EQ(tools, before);
    }
}

TEST(OwnTools, ALaterModelReplacesTheToolOfItsCode)
{
    std::vector<OwnTool> into { OwnTool { "A", "alt", 0, 180, {}, {}, {}, {} },
        OwnTool { "B", "", 0, 180, {}, {}, {}, {} } };
    geo::mergeOwnTools(into,
        { OwnTool { "C", "", 0, 180, {}, {}, {}, {} }, OwnTool { "A", "neu", 0, 180, {}, {}, {}, {} } });
    ASSERT_EQ(into.size(), 3u);
    EXPECT_EQ(into[0].description, "neu");
    EXPECT_EQ(into[2].code, "C");
}
