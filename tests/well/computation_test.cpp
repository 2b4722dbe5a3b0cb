// The computation of a well: the worked example to the printed digit, the table's form,
// aborts, the special directions, the two precisions and the order of what a run says.
#include "core/cscan.h"
#include "tests/support/welltest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using welltest::texts;
using welltest::wellOf;

namespace {

const StringList kExample = { "100 0 0", "200 10 45", "300 20 90" };

well::Computation computed(const StringList &lines)
{
    return well::compute(wellOf(lines));
}

} // namespace

TEST(Computation, WorkedExampleToThePrintedDigit)
{
    const well::Computation r = computed(kExample);
    const StringList expected = {
        "TITEL",
        "    BERECHNUNG DER ABKNICKUNG ALFA UND DER BOHRLOCHABWEICHUNG",
        "    NACH DEM SCHMIEGUNGSKREISVERFAHREN",
        "    TEUFENBEREICH  ALPHA   KREIS-    SEIGER   TEUFEN-  NORD(+)  OST(+)  GESAMT-",
        "                    GRAD   RADIUS    TEUFE    VERLUST  SUED(-) WEST(-) ABWEICHUNG",
        "        (M)       JE 30 M   (M)       (M)       (M)     (M)      (M)   (M GRAD AZ)",
        "KEINE KRUEMMUNG VON TEUFE:   0.00 BIS  100.00 M",
        "       0.0- 100.0  0.000         0   100.00     0.00    0.00     0.00   0.0:  0.0",
        "     100.0- 200.0  3.000   572.958   199.49     0.51    6.16     6.16   8.7: 45.0",
        "     200.0- 300.0  4.400   390.637   296.25     3.75   12.33    29.52  32.0: 67.3",
    };
    EXPECT_EQ(r.table, expected);
    EXPECT_FALSE(r.aborted);
    EXPECT_TRUE(r.clean());
    EXPECT_EQ(
        texts(r.diagnostics), StringList { "KEINE KRUEMMUNG VON TEUFE:   0.00 BIS  100.00 M" });
    EXPECT_EQ(r.table[3].size(), 79u);
    EXPECT_EQ(r.table[4].size(), 81u);
    EXPECT_EQ(r.table[5].size(), 82u);
    // What the graph reads (side view: depth, displacement, azimuth; top view: east
    // against north) is the single-precision trajectory.
    ASSERT_EQ(r.legacy.stations.size(), 4u);
    const traj::Station &last = r.legacy.last();
    EXPECT_NEAR(last.tvd, 296.25, 0.005);
    EXPECT_NEAR(last.displacement, 31.99, 0.005);
    EXPECT_NEAR(last.displacementAzimuth, 67.3, 0.05);
    EXPECT_NEAR(last.east, 29.52, 0.005);
    EXPECT_NEAR(last.north, 12.33, 0.005);
}

TEST(Computation, FewerThanTwoStationsGiveAnEmptyTable)
{
    const well::Computation none = computed({});
    EXPECT_TRUE(none.table.empty());
    EXPECT_TRUE(none.legacy.empty());
    EXPECT_TRUE(none.path.empty());
    const well::Computation surface = computed({ "0 0 0" });
    EXPECT_EQ(surface.checked.stations.size(), 1u);
    EXPECT_TRUE(surface.table.empty());
    ASSERT_EQ(surface.legacy.stations.size(), 1u);
    EXPECT_EQ(surface.legacy.stations[0].tvd, 0.0);
}

TEST(Computation, DoglegOf90DegreesOrMoreAborts)
{
    const well::Computation r = computed({ "100 0 0", "200 120 0", "300 120 0" });
    EXPECT_TRUE(r.aborted);
    EXPECT_TRUE(r.doglegAbort);
    const std::string abort = "ABBRUCH bei TEUFE(m):200.00 \nPHI(Grad):120.00 THETA(Grad):  0.00";
    EXPECT_EQ(r.table.back(), abort);
    EXPECT_EQ(texts(r.diagnostics).back(), abort);
    // The straight first interval stays in the table; the graph gets only its points.
    EXPECT_EQ(r.table.size(), 6u + 2u + 1u);
    EXPECT_EQ(r.legacy.stations.size(), 2u);
    EXPECT_EQ(r.path.stations.size(), 2u);
}

TEST(Computation, RecomputingAfterAnAbortLeavesNothingOfTheEarlierSurvey)
{
    well::Computation r;
    well::compute(wellOf({ "100 0 0", "200 10 0", "300 20 0", "400 30 0" }), r);
    ASSERT_EQ(r.legacy.stations.size(), 5u);
    ASSERT_EQ(r.table.size(), 6u + 5u);
    well::compute(wellOf({ "100 0 0", "200 100 0", "300 20 0", "400 30 0" }), r);
    EXPECT_EQ(r.checked.stations.size(), 5u);
    EXPECT_EQ(r.legacy.stations.size(), 2u) << "stations 2 to 4 still hold the earlier survey";
    EXPECT_EQ(r.path.stations.size(), 2u);
    EXPECT_EQ(r.table.size(), 6u + 2u + 1u);
    EXPECT_EQ(r.diagnostics.size(), 2u);
}

// Two stations at one depth end the run; the check refuses them before the run can see
// them (Check.EqualDepthIsRejected), so the run's own text is pinned here as it was
// printed, and a survey with equal depths ends as the check says, without it.
TEST(Computation, EqualDepthsEndTheRun)
{
    const well::Diagnostic d { well::Message::EqualDepths, { 3, 50, 50 }, {} };
    EXPECT_EQ(well::germanText(d), "ABBRUCH!Die 3.Teufe 50 ist gleich der vorangehenden Teufe:50");
    const well::Computation r = computed({ "0 0 0", "50 0 0", "50 1 0" });
    EXPECT_FALSE(r.aborted);
    EXPECT_EQ(r.legacy.stations.size(), 2u);
    EXPECT_EQ(r.diagnostics.front().id, well::Message::DepthNotIncreasing);
}

TEST(Computation, AzimuthOfTheDisplacementInEveryDirection)
{
    double A = 0, Z = 0;
    traj::displacement(0, 5, A, Z);
    EXPECT_DOUBLE_EQ(A, 5);
    EXPECT_NEAR(Z, 90.0, 1e-4); // north is nudged to 1e-6
    traj::displacement(0, -5, A, Z);
    EXPECT_NEAR(Z, 270.0, 1e-4);
    traj::displacement(-5, 0, A, Z);
    EXPECT_DOUBLE_EQ(Z, 180.0);
    traj::displacement(0, 0, A, Z);
    EXPECT_DOUBLE_EQ(Z, 0.0);
    EXPECT_DOUBLE_EQ(A, 0.0);
    traj::displacement(3, -3, A, Z);
    EXPECT_NEAR(Z, 315.0, 1e-9);
    traj::displacement(-3, -3, A, Z);
    EXPECT_NEAR(Z, 225.0, 1e-9);

    const StringList east = computed({ "100 0 0", "200 10 90" }).table;
    EXPECT_NE(east.back().find(": 90.0"), std::string::npos) << east.back();
    EXPECT_NE(computed({ "100 0 0", "200 10 270" }).table.back().find(":270.0"), std::string::npos);
    EXPECT_NE(computed({ "100 0 0", "200 10 180" }).table.back().find(":180.0"), std::string::npos);
}

TEST(Computation, HoleTurningUpwardsLosesVerticalDepth)
{
    StringList lines;
    for (int i = 1; i <= 12; ++i)
        lines.push_back(
            std::to_string(100 * i) + " " + std::to_string(std::min(15 * i, 170)) + " 0");
    const well::Computation r = computed(lines);
    EXPECT_FALSE(r.aborted);
    ASSERT_EQ(r.legacy.stations.size(), 13u);
    EXPECT_LT(r.legacy.stations[12].tvd, r.legacy.stations[9].tvd)
        << "past 90 degrees the true vertical depth decreases";
}

TEST(Computation, TwoVerticalStationsPrintAZeroRadius)
{
    const well::Computation r = computed({ "0 0 0", "50 0 0" });
    ASSERT_EQ(r.table.size(), 8u);
    EXPECT_EQ(r.table[6], "KEINE KRUEMMUNG VON TEUFE:   0.00 BIS   50.00 M");
    EXPECT_EQ(r.table[7],
        "       0.0-  50.0  0.000         0    50.00     0.00    0.00     0.00   0.0:  0.0");
}

TEST(Computation, RunDependsOnlyOnTheInput)
{
    const well::Well w = wellOf(kExample);
    well::Computation r;
    well::compute(w, r);
    const StringList table = r.table;
    const well::Diagnostics diagnostics = r.diagnostics;
    well::compute(w, r);
    EXPECT_EQ(r.table, table);
    EXPECT_EQ(r.diagnostics, diagnostics) << "a second run must not repeat the remarks";
}

// The old arrays held 2999 stations; the typed survey has no limit.
TEST(Computation, TenThousandStationsComputeWhole)
{
    StringList lines { "0 0 0" };
    for (int i = 1; i < 10000; ++i)
        lines.push_back(std::to_string(10 * i) + " " + std::to_string(20 + i % 2) + " 45");
    const well::Computation r = computed(lines);
    EXPECT_TRUE(r.diagnostics.empty()) << texts(r.diagnostics).front();
    EXPECT_FALSE(r.aborted);
    EXPECT_EQ(r.legacy.stations.size(), 10000u);
    EXPECT_EQ(r.path.stations.size(), 10000u);
    EXPECT_EQ(r.path.last().md, 99990.0);

    // The interval lines, read back: each "from-to" range starts where the one before it
    // ended, the first at the surface, the last at the deepest station.
    ASSERT_GE(r.table.size(), 6u);
    EXPECT_EQ(r.table[0], "TITEL");
    std::size_t intervals = 0;
    double previousEnd = 0;
    for (std::size_t i = 6; i < r.table.size(); ++i) {
        const char *p = r.table[i].c_str();
        double from = 0, to = 0;
        ASSERT_TRUE(cscan::readDouble(p, from)) << r.table[i];
        ASSERT_EQ(*p++, '-') << r.table[i];
        ASSERT_TRUE(cscan::readDouble(p, to)) << r.table[i];
        ASSERT_EQ(from, previousEnd) << r.table[i];
        previousEnd = to;
        ++intervals;
    }
    EXPECT_EQ(intervals, 9999u);
    EXPECT_EQ(r.table.size(), 6u + 9999u);
    EXPECT_EQ(previousEnd, 99990.0);
}

// A long survey's table is written in parts at once; it must come out as the lines one
// by one in order (what the batch tool streams), the straight intervals' remarks in the
// table and among the diagnostics in depth order, and again the same when the table of a
// different survey is reused as buffers.
TEST(Computation, ALongTableMadeInPartsIsTheTableLineByLine)
{
    StringList lines;
    for (int i = 0; i < 150000; ++i) {
        // Vertical stretches every so often, so that remarks fall into both halves.
        const int inclination = (i / 1000) % 3 == 0 ? 0 : 10 + i % 7;
        lines.push_back(std::to_string(i) + " " + std::to_string(inclination) + " 30");
    }
    const well::Well w = wellOf(lines);
    StringList streamed;
    well::Computation byLine;
    well::compute(w, byLine, [&](const std::string &line) { streamed.push_back(line); });

    well::Computation kept = well::compute(wellOf({ "0 0 0", "100 5 5", "200 10 10" }));
    well::compute(w, kept);
    EXPECT_EQ(kept.table, streamed);
    EXPECT_EQ(kept.diagnostics, byLine.diagnostics);
    std::vector<double> straightFrom;
    for (const well::Diagnostic &d : kept.diagnostics)
        if (d.id == well::Message::NoCurvature)
            straightFrom.push_back(d.values.at(0));
    ASSERT_GT(straightFrom.size(), 100u);
    EXPECT_TRUE(std::is_sorted(straightFrom.begin(), straightFrom.end()));
    EXPECT_LT(straightFrom.front(), 75000.0);
    EXPECT_GT(straightFrom.back(), 75000.0);

    const StringList first = kept.table;
    well::compute(w, kept);
    EXPECT_EQ(kept.table, first) << "computed again over its own lines";
}

// A table computed again after an edit keeps the lines before the edit and writes the
// rest; whatever the edit (a value changed, stations inserted, deleted or appended, a
// straight stretch made or broken, the name changed, a refused line, long surveys written
// in halves), the table and the remarks are those of a computation from nothing.
TEST(Computation, ATableComputedAgainAfterAnEditIsTheTableOfTheEditedSurvey)
{
    std::mt19937 random(20261210);
    const auto survey = [&](std::size_t n) {
        std::vector<well::Station> stations;
        double md = 0;
        for (std::size_t i = 0; i < n; ++i) {
            md += 1 + static_cast<double>(random() % 300) / 10;
            const bool straight = random() % 4 == 0 && !stations.empty();
            stations.push_back(straight ? well::Station { md, stations.back().inclination,
                                              stations.back().azimuth }
                                        : well::Station { md, static_cast<double>(random() % 600) / 10,
                                              static_cast<double>(random() % 3600) / 10 });
        }
        return stations;
    };
    const auto wellOfStations = [](const std::vector<well::Station> &stations, const std::string &name) {
        well::Well w;
        w.name = name;
        for (const well::Station &s : stations)
            w.survey.add(s);
        return w;
    };
    for (const std::size_t n : { std::size_t(40), std::size_t(250000) }) {
        std::vector<well::Station> stations = survey(n);
        well::Computation kept = well::compute(wellOfStations(stations, "Z1"));
        for (int edit = 0; edit < 12; ++edit) {
            const std::size_t at = random() % stations.size();
            std::string name = "Z1";
            switch (edit % 6) {
            case 0: // a value far down
                stations[at].inclination = static_cast<double>(random() % 600) / 10;
                break;
            case 1: // a station appended at the end
                stations.push_back({ stations.back().md + 10, 5, 50 });
                break;
            case 2: // a straight stretch made
                if (at > 0)
                    stations[at] = { stations[at].md, stations[at - 1].inclination,
                        stations[at - 1].azimuth };
                break;
            case 3: // a station deleted
                if (stations.size() > 3)
                    stations.erase(stations.begin() + static_cast<std::ptrdiff_t>(at));
                break;
            case 4: // a depth that no longer rises: the run ends there (and goes on again
                    // with the next edit)
                if (at > 0) {
                    const double was = stations[at].md;
                    stations[at].md = stations[at - 1].md;
                    const well::Well stopped = wellOfStations(stations, name);
                    well::compute(stopped, kept);
                    EXPECT_EQ(kept.table, well::compute(stopped).table) << "n " << n;
                    EXPECT_TRUE(kept.aborted);
                    stations[at].md = was;
                }
                break;
            case 5: // the name
                name = "Z1 neu";
                break;
            }
            const well::Well w = wellOfStations(stations, name);
            well::compute(w, kept);
            const well::Computation fresh = well::compute(w);
            ASSERT_EQ(kept.table, fresh.table) << "n " << n << ", edit " << edit;
            ASSERT_EQ(kept.diagnostics, fresh.diagnostics) << "n " << n << ", edit " << edit;
            EXPECT_EQ(kept.aborted, fresh.aborted);
        }
    }
}

// The table's trajectory takes the stations rounded to single precision, the path takes
// them as entered. Many stations, so that a vectorised loop is exercised: GCC 12's loop
// vectoriser once dropped the rounding there.
TEST(Computation, TableTrajectoryIsSinglePrecisionThePathIsNot)
{
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> step(0.1, 30), inc(0, 40), azi(0, 360);
    well::Well w;
    std::vector<well::Station> entered { well::Station {} };
    double md = 0;
    for (int i = 0; i < 1000; ++i) {
        md += step(random);
        entered.push_back({ md, inc(random), azi(random) });
        w.survey.add(entered.back());
    }
    w.survey.add({ md + 30.4, 30.4, 30.4 });
    entered.push_back({ md + 30.4, 30.4, 30.4 });

    const well::Computation r = well::compute(w);
    ASSERT_EQ(r.legacy.stations.size(), entered.size());
    ASSERT_EQ(r.path.stations.size(), entered.size());
    const auto single = [](double v) { return static_cast<double>(static_cast<float>(v)); };
    for (std::size_t i = 0; i < entered.size(); ++i) {
        const traj::Station &l = r.legacy.stations[i], &p = r.path.stations[i];
        ASSERT_EQ(l.md, single(entered[i].md)) << i;
        ASSERT_EQ(l.inclination, single(entered[i].inclination)) << i;
        ASSERT_EQ(l.azimuth, single(entered[i].azimuth)) << i;
        ASSERT_EQ(p.md, entered[i].md) << i;
        ASSERT_EQ(p.inclination, entered[i].inclination) << i;
        ASSERT_EQ(p.azimuth, entered[i].azimuth) << i;
    }
    EXPECT_EQ(r.path.last().inclination, 30.4);
    EXPECT_NE(r.legacy.last().inclination, 30.4);
}

// What a run says comes in the order it arose: the check's messages, then the remarks on
// straight intervals, then the abort; each once, the same as the table shows them.
TEST(Computation, DiagnosticsInTheOrderTheyArose)
{
    const well::Computation r = computed({ "100 0 0", "200 0 0", "300 120 0", "250 190 400" });
    const StringList expected = {
        "Neigung Phi-Wert 190 liegt nicht im Bereich 0°-180°\n250 190 400",
        "Azimut Theta-Wert 400 liegt nicht im Bereich 0°-360°\n250 190 400",
        "Die 4.Teufe 250 steigt nicht an\n250 190 400",
        "KEINE KRUEMMUNG VON TEUFE:   0.00 BIS  100.00 M",
        "KEINE KRUEMMUNG VON TEUFE: 100.00 BIS  200.00 M",
        "ABBRUCH bei TEUFE(m):300.00 \nPHI(Grad):120.00 THETA(Grad):  0.00",
    };
    EXPECT_EQ(texts(r.diagnostics), expected);
    EXPECT_FALSE(r.clean());
    EXPECT_TRUE(r.doglegAbort);
    // The run's remarks and its abort are lines of the table as well, in the same order.
    StringList inTable;
    std::copy_if(
        r.table.begin(), r.table.end(), std::back_inserter(inTable), [&](const std::string &line) {
            return std::find(expected.begin(), expected.end(), line) != expected.end();
        });
    EXPECT_EQ(inTable, StringList(expected.begin() + 3, expected.end()));
}

// Whether the computed path stops short of the stations entered, for the page and the
// text view to say where it ends: a refused line and a stopped run do, a clean survey
// does not; the deepest depth entered is the survey's, in whatever order it came.
TEST(Computation, APathThatStopsShortIsToldWithTheDeepestDepthEntered)
{
    struct Case
    {
        StringList lines;
        bool endsShort;
        double lastComputed;
    };
    const Case cases[] = {
        { { "100 0 0", "200 5 10", "200 6 10", "700 7 10" }, true, 200.0 },
        { { "100 0 0", "200 120 0", "700 120 0" }, true, 100.0 }, // dogleg of 120 degrees
        { { "100 0 0", "200 5 10", "kein Wert", "700 7 10" }, true, 200.0 },
        { { "100 0 0", "200 5 10", "700 7 400" }, true, 200.0 }, // an angle fault
        { { "100 0 0", "200 5 10", "700 7 10" }, false, 700.0 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lines[2]);
        const well::Computation r = computed(c.lines);
        EXPECT_EQ(r.endsShort(), c.endsShort);
        ASSERT_TRUE(r.deepestEntered);
        EXPECT_EQ(*r.deepestEntered, 700.0);
        ASSERT_FALSE(r.legacy.stations.empty());
        EXPECT_EQ(r.legacy.last().md, c.lastComputed);
    }
    EXPECT_FALSE(computed({}).deepestEntered);
    EXPECT_FALSE(computed({}).endsShort());
}
