// The analysis: a change computes nothing until the course is asked for, the settings
// remake only what reads them, a revision moves only when its answer changed, and the
// table handed on line by line is the table kept.
#include "analysis/analysis.h"
#include "analysis/remarks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
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

// The measured azimuths are turned once, before the course is computed: the whole course
// turns rigidly, so that every offset is the unturned one turned about the wellhead, and
// what reads the course (the table, the error model, the scan) sees the same hole as a
// survey entered already turned.
TEST(Analysis, TheCourseIsTurnedToItsNorthOnceAndFollowsTheSettings)
{
    well::Well w = buildWell();
    w.settings.offsets = { vertical("B", 30) };
    analysis::Analysis a(w);
    a.compute();
    const traj::Trajectory unturned = a.computation().path;
    const std::vector<clr::OffsetScan> scanBefore = a.clearance().scan.offsets;
    const std::uint64_t course = a.revisions().course;

    WellSettings magnetic = a.well().settings;
    magnetic.north = NorthReference::Magnetic;
    magnetic.declination = 2.5;
    a.setSettings(magnetic);
    EXPECT_GT(a.revisions().course, course) << "another north is another course, made at once";
    const traj::Trajectory &path = a.computation().path;
    ASSERT_EQ(path.stations.size(), unturned.stations.size());
    const double t = 2.5 * std::numbers::pi / 180;
    for (std::size_t i = 0; i < path.stations.size(); ++i) {
        const traj::Station &u = unturned.stations[i], &p = path.stations[i];
        EXPECT_NEAR(p.north, u.north * std::cos(t) - u.east * std::sin(t), 1e-9) << i;
        EXPECT_NEAR(p.east, u.north * std::sin(t) + u.east * std::cos(t), 1e-9) << i;
        EXPECT_NEAR(p.tvd, u.tvd, 1e-9) << i;
    }
    // The table names the north below its heading.
    ASSERT_GT(a.computation().table.size(), 7u);
    EXPECT_EQ(
        a.computation().table[6], "    NORD UND OST: Geographisch Nord; Deklination 2.50\xC2\xB0");

    // The neighbour's slot, given in the north of the measured azimuths, turns with the
    // well: every distance of the scan stays.
    const std::vector<clr::OffsetScan> &scanAfter = a.clearance().scan.offsets;
    ASSERT_EQ(scanAfter.size(), 1u);
    ASSERT_EQ(scanAfter[0].rows.size(), scanBefore[0].rows.size());
    for (std::size_t i = 0; i < scanAfter[0].rows.size(); ++i)
        EXPECT_NEAR(scanAfter[0].rows[i].distance, scanBefore[0].rows[i].distance, 1e-6) << i;

    // The error model reads the turned course in true north: the covariances of a survey
    // entered already in true north.
    well::Well entered = buildWell();
    well::Survey trueAzimuths;
    for (well::Station s : entered.survey.stations()) {
        s.azimuth += 2.5;
        trueAzimuths.add(s);
    }
    entered.survey = trueAzimuths;
    entered.settings = withModel({});
    entered.settings.declination = 2.5;
    analysis::Analysis expected(entered);
    expected.compute();
    WellSettings modelled = withModel(magnetic);
    modelled.declination = 2.5;
    a.setSettings(modelled);
    ASSERT_EQ(a.covariances().size(), expected.covariances().size());
    ASSERT_FALSE(a.covariances().empty());
    for (std::size_t i = 0; i < a.covariances().size(); ++i) {
        const unc::Sym3 &got = a.covariances()[i], &want = expected.covariances()[i];
        const double mine[] = { got.xx, got.yy, got.zz, got.xy, got.xz, got.yz };
        const double theirs[] = { want.xx, want.yy, want.zz, want.xy, want.xz, want.yz };
        for (std::size_t k = 0; k < 6; ++k)
            EXPECT_NEAR(mine[k], theirs[k], 1e-9 * (1 + std::fabs(theirs[k]))) << i << ' ' << k;
    }

    // Without the declination nothing is turned, and the run says so first.
    WellSettings lacking = magnetic;
    lacking.declination.reset();
    a.setSettings(lacking);
    ASSERT_FALSE(a.computation().diagnostics.empty());
    EXPECT_EQ(a.computation().diagnostics.front().id, well::Message::NorthDeclinationMissing);
    for (std::size_t i = 0; i < path.stations.size(); ++i) {
        EXPECT_EQ(a.computation().path.stations[i].north, unturned.stations[i].north) << i;
        EXPECT_EQ(a.computation().path.stations[i].east, unturned.stations[i].east) << i;
    }
}

TEST(Analysis, ATurnedTableComputedAgainAfterAnEditIsTheTableOfTheEditedWell)
{
    well::Well w = buildWell();
    w.settings.north = NorthReference::Magnetic;
    w.settings.declination = 2.5;
    analysis::Analysis a(w);
    a.compute();
    w.survey.add({ 1200, 25, 50 });
    a.setWell(w);
    a.compute();
    analysis::Analysis fresh(w);
    fresh.compute();
    EXPECT_EQ(a.computation().table, fresh.computation().table);

    // Another grid names another north over the same numbers.
    w.settings.north = NorthReference::Grid;
    w.settings.epsg = 25832;
    a.setWell(w);
    a.compute();
    w.settings.epsg = 31467;
    a.setWell(w);
    a.compute();
    analysis::Analysis other(w);
    other.compute();
    EXPECT_EQ(a.computation().table, other.computation().table);
}

TEST(Analysis, ThePlanFollowsTheSettingsAndTheHoleIsComparedWithIt)
{
    analysis::Analysis a(buildWell());
    EXPECT_FALSE(a.plan().plan || a.plan().refusal);
    WellSettings s = a.well().settings;
    // The plan of the survey itself: kick-off at 300 m toward 45° at 20° by 600 m.
    plan::Plan p;
    p.sections = { plan::Section::hold(300), plan::Section::arcToDirection(2, 20, 45),
        plan::Section::hold(400) };
    s.plan = p;
    const auto before = a.revisions().plan;
    a.setSettings(s);
    ASSERT_TRUE(a.plan().ok());
    EXPECT_GT(a.revisions().plan, before);
    // Nothing to compare before a course was computed.
    EXPECT_FALSE(a.againstPlan().has_value());
    a.compute();
    ASSERT_TRUE(a.againstPlan().has_value());
    const double bitAt = a.againstPlan()->bit.md;
    EXPECT_DOUBLE_EQ(bitAt, 1000 + plan::kDefaultBitDistance);
    // Another sensor-to-bit distance moves the projection and leaves the plan be.
    const auto planned = a.revisions().plan;
    s.bitDistance = 30;
    a.setSettings(s);
    EXPECT_EQ(a.revisions().plan, planned);
    EXPECT_DOUBLE_EQ(a.againstPlan()->bit.md, 1030);

    // Remarks of a hole on its plan: the first says where the last station lies.
    const std::vector<analysis::Remark> said = analysis::planRemarks(a, decimalsign::Sign::Point);
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.front().depth, 1000);
    EXPECT_EQ(said.front().severity, analysis::Severity::Information);

    // A plan that cannot be drilled: one warning naming the section, nothing compared.
    s.plan->sections[1] = plan::Section::arc(45, 0, 100);
    a.setSettings(s);
    ASSERT_TRUE(a.plan().refusal.has_value());
    EXPECT_FALSE(a.againstPlan().has_value());
    const std::vector<analysis::Remark> refused = analysis::planRemarks(a, decimalsign::Sign::Point);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused.front().severity, analysis::Severity::Warning);
    EXPECT_NE(refused.front().text.find("Abschnitt 2"), std::string::npos) << refused.front().text;

    // A new well drops the comparison with the last one's course.
    s.plan->sections[1] = plan::Section::arcToDirection(2, 20, 45);
    well::Well other = buildWell(800);
    other.settings = s;
    a.reset(other);
    EXPECT_TRUE(a.plan().ok());
    EXPECT_FALSE(a.againstPlan().has_value());
    a.compute();
    ASSERT_TRUE(a.againstPlan().has_value());
    EXPECT_EQ(a.againstPlan()->stations.back().md, 800);
}
