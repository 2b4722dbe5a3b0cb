// The analysis: a change computes nothing until the course is asked for, the settings
// remake only what reads them, a revision moves only when its answer changed, and the
// table handed on line by line is the table kept.
#include "analysis/analysis.h"

#include <gtest/gtest.h>

#include <set>

namespace {

well::Well buildWell(double lastMd = 1000)
{
    well::Well w;
    w.name = "A";
    w.survey.add({ 0, 0, 0 });
    w.survey.add({ 300, 0, 0 });
    w.survey.add({ 600, 20, 45 });
    w.survey.add({ lastMd, 20, 45 });
    return w;
}

OffsetWell vertical(const std::string &name, double east)
{
    OffsetWell o;
    o.name = name;
    o.slotEast = east;
    o.stations = { { 0, 0, 0 }, { 900, 0, 0 } };
    return o;
}

WellSettings withModel(WellSettings s)
{
    s.uncertainty.model = ErrorModel::IscwsaMwdRev5;
    s.uncertainty.totalField = 50000;
    s.uncertainty.dip = 70;
    s.declination = 1;
    return s;
}

TEST(Analysis, TheLastComputationStaysUntilTheNextOne)
{
    analysis::Analysis a(buildWell());
    a.compute();
    const well::StringList first = a.computation().table;
    ASSERT_FALSE(first.empty());
    EXPECT_NEAR(a.computation().path.last().md, 1000, 1e-9);

    a.setWell(buildWell(1500));
    EXPECT_EQ(a.computation().table, first) << "shown until the next computation";
    a.compute();
    EXPECT_NEAR(a.computation().path.last().md, 1500, 1e-9);
    EXPECT_NE(a.computation().table, first);
}

TEST(Analysis, TheTableHandedOnIsTheTableKept)
{
    analysis::Analysis kept(buildWell());
    kept.compute();
    analysis::Analysis streamed(buildWell());
    well::StringList lines;
    streamed.computeCourse();
    streamed.computeTable([&](const std::string &line) { lines.push_back(line); });
    EXPECT_EQ(lines, kept.computation().table);
    EXPECT_TRUE(streamed.computation().table.empty());
    EXPECT_EQ(streamed.computation().diagnostics.size(), kept.computation().diagnostics.size());
}

TEST(Analysis, SettingsRemakeWhatReadsThemAndRevisionsFollowChanges)
{
    well::Well w = buildWell();
    w.settings.offsets = { vertical("B", 30) };
    analysis::Analysis a(w);
    a.compute();
    ASSERT_EQ(a.clearance().offsets.size(), 1u);
    EXPECT_TRUE(a.covariances().empty()) << "no model";
    const analysis::Revisions start = a.revisions();

    // Nothing the scan or the model reads: no answer is made anew.
    WellSettings s = a.well().settings;
    s.sectionAzimuth = 120;
    s.unit = LengthUnit::Foot;
    const clr::Well *scanned = a.clearance().offsets.data();
    a.setSettings(s);
    EXPECT_EQ(a.revisions(), start);
    EXPECT_EQ(a.clearance().offsets.data(), scanned);

    // A model: one covariance per station, growing with depth, and the neighbour's too.
    s = withModel(s);
    a.setSettings(s);
    ASSERT_EQ(a.covariances().size(), a.computation().path.stations.size());
    EXPECT_GT(a.revisions().covariances, start.covariances);
    EXPECT_GT(a.revisions().clearance, start.clearance);
    for (std::size_t i = 1; i < a.covariances().size(); ++i) {
        const unc::Sym3 &c = a.covariances()[i];
        const unc::Sym3 &b = a.covariances()[i - 1];
        EXPECT_GE(c.xx + c.yy + c.zz, b.xx + b.yy + b.zz) << i;
    }
    ASSERT_EQ(a.offsetCovariances().size(), 1u);
    EXPECT_EQ(a.offsetCovariances()[0].size(), a.clearance().offsets[0].path.stations.size());

    // The same well computed again: the same covariances, no new revision of them.
    const analysis::Revisions modelled = a.revisions();
    a.compute();
    EXPECT_GT(a.revisions().course, modelled.course);
    EXPECT_EQ(a.revisions().covariances, modelled.covariances);

    // Another well drops the scan at once; its own is made with its computation.
    well::Well other = buildWell(800);
    other.settings = withModel({});
    a.setWell(other);
    EXPECT_TRUE(a.clearance().offsets.empty());
    EXPECT_GT(a.revisions().clearance, modelled.clearance);
    a.reset();
    EXPECT_TRUE(a.covariances().empty());
    EXPECT_EQ(a.well(), well::Well {});
}

TEST(Analysis, TheScanComparesAtTheStepsToo)
{
    well::Well w = buildWell();
    w.settings.offsets = { vertical("B", 40) };
    analysis::Analysis a(w);
    a.setScope({ false, true });
    a.setScanSteps({ { listing::RequestKind::EveryMd, 100 } }, listing::Unit::Metre);
    a.compute();
    EXPECT_TRUE(a.covariances().empty()) << "not in the scope";
    std::set<double> mds;
    ASSERT_EQ(a.clearance().scan.offsets.size(), 1u);
    for (const clr::Row &r : a.clearance().scan.offsets[0].rows)
        mds.insert(r.referenceMd);
    // Every 100 m from the surface to 1000 m, and the stations between.
    for (double md = 0; md <= 1000; md += 100)
        EXPECT_EQ(mds.count(md), 1u) << md;
    EXPECT_EQ(mds.size(), 11u);
    // At the surface the neighbour is its slot's distance away.
    EXPECT_NEAR(a.clearance().scan.offsets[0].rows.front().distance, 40, 1e-9);
}

} // namespace
