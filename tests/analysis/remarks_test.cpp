// The remarks of a computation for the panel of messages: the ISCWSA clearance set's
// reference well against its offsets 01 and 03 (entered in that order) puts offset 03
// first as a collision risk at the set's own lowest factor and its depth; the grade
// follows 1.0 and the warning factor; a straight interval and a refused line keep their
// legacy words and carry the depth the table has.
#include "analysis/analysis.h"
#include "analysis/remarks.h"

#include "tests/support/clearanceset.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <limits>

namespace {

using Table = std::vector<std::vector<double>>;

Table readSetFile(const std::string &name)
{
    return clearanceset::rows(name);
}

OffsetWell setOffset(const std::string &file)
{
    const Table t = readSetFile(file);
    OffsetWell o;
    o.name = file.substr(0, file.find('.'));
    for (const auto &row : t)
        o.stations.push_back({ row[0], row[1], row[2] });
    o.slotNorth = t.front()[4];
    o.slotEast = t.front()[5];
    o.holeDiameter = 24.0 / 12 / 3.281;
    return o;
}

// The set's lowest separation factor against one offset and the reference MD of it.
std::pair<double, double> setLowest(const std::string &file)
{
    double factor = std::numeric_limits<double>::infinity(), md = 0;
    for (const auto &row : readSetFile(file))
        if (row.back() < factor) {
            factor = row.back();
            md = row[0];
        }
    return { factor, md };
}

analysis::Analysis setAnalysis(double warningFactor)
{
    well::Well w;
    w.name = "Referenz";
    for (const auto &row : readSetFile("reference-well.csv"))
        w.survey.add({ row[0], row[1], row[2] });
    WellSettings &s = w.settings;
    s.uncertainty.model = ErrorModel::IscwsaMwdRev4;
    s.uncertainty.totalField = 50000;
    s.uncertainty.dip = 70;
    s.declination = 0;
    s.north = NorthReference::Grid;
    s.gridConvergence = 0;
    s.clearance.holeDiameter = 36.0 / 12 / 3.281;
    s.clearance.warningFactor = warningFactor;
    s.offsets = { setOffset("offset-01.csv"), setOffset("offset-03.csv") };
    analysis::Analysis a(w);
    a.setScope({ false, true, false });
    a.compute();
    return a;
}

std::vector<analysis::Remark> clearanceOnly(const std::vector<analysis::Remark> &all)
{
    std::vector<analysis::Remark> out;
    for (const analysis::Remark &r : all)
        if (r.source == analysis::RemarkSource::Clearance)
            out.push_back(r);
    return out;
}

} // namespace

TEST(Remarks, TheClosestNeighbourComesFirstGradedAtOneAndTheWarningFactor)
{
    const auto [factor03, md03] = setLowest("clearance-03.csv");
    const auto [factor01, md01] = setLowest("clearance-01.csv");
    ASSERT_LT(factor03, 1.0);
    ASSERT_GT(factor01, 1.0);

    const analysis::Analysis a = setAnalysis(1.5);
    const auto all = analysis::remarks(a.computation().diagnostics, &a.clearance());
    const auto clearance = clearanceOnly(all);
    ASSERT_EQ(clearance.size(), 2u);
    // The clearance heads the list.
    EXPECT_EQ(all.front().source, analysis::RemarkSource::Clearance);

    const analysis::Remark &first = clearance[0];
    EXPECT_EQ(first.well, "offset-03") << "entered second, closest first";
    EXPECT_EQ(first.severity, analysis::Severity::CollisionRisk);
    ASSERT_TRUE(first.factor && first.depth);
    // The scan also looks between the set's stations: at most a little lower, near the
    // set's depth.
    EXPECT_NEAR(*first.factor, factor03, 0.01);
    EXPECT_NEAR(*first.depth, md03, 30.0);
    // German words, German decimal sign: the factor as the user reads it.
    char digits[32];
    const auto written
        = std::to_chars(digits, digits + sizeof digits, *first.factor, std::chars_format::fixed, 2);
    const std::string shown(digits, written.ptr);
    std::string comma = shown;
    ASSERT_NE(comma.find('.'), std::string::npos);
    comma[comma.find('.')] = ',';
    EXPECT_NE(first.text.find("Trennfaktor " + comma), std::string::npos) << first.text;
    EXPECT_EQ(first.text.find(shown), std::string::npos) << first.text;

    const analysis::Remark &second = clearance[1];
    EXPECT_EQ(second.well, "offset-01");
    EXPECT_EQ(second.severity, analysis::Severity::Warning) << "1.40 is below 1.5, above 1";
    EXPECT_NEAR(*second.factor, factor01, 0.01);
    EXPECT_NEAR(*second.depth, md01, 30.0);
    // Below the warning factor the depths below it are named; the list is worst first.
    EXPECT_NE(second.text.find("unter 1,50 von"), std::string::npos) << second.text;
    EXPECT_LT(*first.factor, *second.factor);

    // With a warning factor under offset 01's factor it is only worth knowing; offset 03
    // stays a collision risk whatever the warning factor.
    const analysis::Analysis lower = setAnalysis(1.2);
    const auto relaxed = clearanceOnly(analysis::remarks({}, &lower.clearance()));
    ASSERT_EQ(relaxed.size(), 2u);
    EXPECT_EQ(relaxed[0].severity, analysis::Severity::CollisionRisk);
    EXPECT_EQ(relaxed[1].severity, analysis::Severity::Information);
    EXPECT_EQ(relaxed[1].text.find("unter"), std::string::npos) << relaxed[1].text;
}

TEST(Remarks, SetupFindingsAreWarningsAndComeBeforeInformation)
{
    // A hand-made scan: one neighbour far away, one left out of the scan.
    clr::WellScan scan;
    scan.warningFactor = 1.5;
    clr::OffsetScan far;
    far.name = "Fern";
    clr::Row row;
    row.referenceMd = 812.5;
    row.offsetMd = 790;
    row.separationFactor = 7.25;
    far.rows = { row };
    far.lowestSeparation = row;
    far.closestApproach = row;
    scan.scan.offsets = { far };
    scan.findings = clr::findings(scan.scan, scan.warningFactor);
    EXPECT_TRUE(scan.findings.empty()) << "7.25 is above the limit";
    scan.setup = { { clr::SetupMessage::NoElevation, "Ohne", {}, {} } };

    const auto list = analysis::remarks({}, &scan);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].well, "Ohne");
    EXPECT_EQ(list[0].severity, analysis::Severity::Warning);
    EXPECT_EQ(list[0].text, clr::text(scan.setup[0]));
    EXPECT_FALSE(list[0].depth);
    EXPECT_EQ(list[1].well, "Fern");
    EXPECT_EQ(list[1].severity, analysis::Severity::Information);
    EXPECT_EQ(list[1].depth, 812.5);
    EXPECT_NE(list[1].text.find("7,25 bei 812,50 m MD"), std::string::npos) << list[1].text;
    EXPECT_NE(list[1].text.find("790,00"), std::string::npos) << list[1].text;
}

TEST(Remarks, TheComputationsRemarksKeepTheirWordsAndTheirDepths)
{
    well::Well w;
    w.name = "Gerade";
    w.survey.add({ 0, 0, 0 });
    w.survey.add({ 150, 0, 0 });
    w.survey.add({ 400, 12, 80 });
    w.survey.add({ 650, 12, 80 }); // straight from 400 m to 650 m
    w.survey.add({ 900, 30, 120 });
    analysis::Analysis a(w);
    a.setScope({ false, false, false });
    a.compute();
    const well::Diagnostics &diagnostics = a.computation().diagnostics;
    ASSERT_FALSE(diagnostics.empty());

    const auto list = analysis::remarks(diagnostics, nullptr);
    ASSERT_EQ(list.size(), diagnostics.size()) << "no scan, no clearance remarks";
    std::vector<double> straight, until;
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].text, well::text(diagnostics[i])) << "the legacy words, in order";
        EXPECT_EQ(list[i].source, analysis::RemarkSource::Computation);
        if (diagnostics[i].id == well::Message::NoCurvature) {
            EXPECT_EQ(list[i].severity, analysis::Severity::Information);
            ASSERT_TRUE(list[i].depth);
            straight.push_back(*list[i].depth);
            ASSERT_TRUE(list[i].untilDepth);
            until.push_back(*list[i].untilDepth);
        }
    }
    // The straight intervals begin at the surface and at 400 m.
    EXPECT_EQ(straight, (std::vector<double> { 0, 400 }));
    EXPECT_EQ(until, (std::vector<double> { 150, 650 }));

    // A refused line: a warning; one that names only its line number has no depth.
    const well::Diagnostic refused { well::Message::DepthNotIncreasing, { 7, 350 }, "350 3 4" };
    const well::Diagnostic shortLine { well::Message::LineWithoutThreeValues, { 4 }, "12" };
    const auto lines = analysis::remarks({ refused, shortLine }, nullptr);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].severity, analysis::Severity::Warning);
    EXPECT_EQ(lines[0].depth, 350);
    EXPECT_FALSE(lines[0].untilDepth);
    EXPECT_EQ(lines[1].severity, analysis::Severity::Warning);
    EXPECT_FALSE(lines[1].depth);
}
