// Axis scaling: tick spacing, first tick, raw extremes and the widening of the ranges.
#include "graph/graphpage.h"
#include "graphtestdata.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>

using graphtest::plotData;

namespace {

struct DeltaCase
{
    double range, spacing;
};

class DeltaTest : public ::testing::TestWithParam<DeltaCase>
{
};

TEST_P(DeltaTest, ChoosesTheSpacing)
{
    EXPECT_DOUBLE_EQ(GraphPage::delta(GetParam().range), GetParam().spacing)
        << "range " << GetParam().range;
}

// Range -> spacing pairs as the program's users know them from its axes.
INSTANTIATE_TEST_SUITE_P(Examples, DeltaTest,
    ::testing::Values(DeltaCase { 0, 1 }, DeltaCase { 1, 0.2 }, DeltaCase { 4.5, 0.5 },
        DeltaCase { 7, 1 }, DeltaCase { 10, 2 }, DeltaCase { 20, 5 }, DeltaCase { 40, 10 },
        DeltaCase { 45, 10 }, DeltaCase { 100, 20 }, DeltaCase { 350, 50 },
        DeltaCase { 1234.5, 200 }, DeltaCase { 3000, 500 }, DeltaCase { 0.15, 0.02 },
        DeltaCase { 0.05, 0.01 }, DeltaCase { 0.001, 0.0002 }, DeltaCase { -5, 1 },
        DeltaCase { NAN, 1 }, DeltaCase { INFINITY, 1 }));

TEST(Delta, APositiveRangeHoldsFourToTenSpacings)
{
    for (double range = 1e-6; range < 1e9; range *= 1.37) {
        const double d = GraphPage::delta(range);
        EXPECT_GE(range / d, 4.0 - 1e-9) << range;
        EXPECT_LE(range / d, 10.0 + 1e-9) << range;
    }
}

struct StartCase
{
    double min, delt, start;
};

class StartTest : public ::testing::TestWithParam<StartCase>
{
};

TEST_P(StartTest, ChoosesTheFirstTick)
{
    const StartCase c = GetParam();
    EXPECT_DOUBLE_EQ(GraphPage::start(c.min, c.delt), c.start) << c.min << " / " << c.delt;
}

INSTANTIATE_TEST_SUITE_P(Examples, StartTest,
    ::testing::Values(StartCase { 0, 20, 0 }, StartCase { 37, 20, 20 }, StartCase { -37, 20, -40 },
        StartCase { -40, 20, -40 }, StartCase { 1000, 200, 1000 }, StartCase { 1234.5, 200, 1200 },
        StartCase { 0.25, 2, 0 }, StartCase { 150000.5, 1, 150000 },
        // a minimum far below its spacing starts just above -delt
        StartCase { 0.000003, 1, -0.99999 },
        // far above: the largest multiple not above the minimum; stepping
        // there would take some 10^11 steps
        StartCase { 123456789012.5, 1, 123456789012 },
        StartCase { 123456789012.0, 1, 123456789012 }, StartCase { 3.75e13, 0.5, 3.75e13 },
        StartCase { 2.5e12 + 0.75, 0.5, 2.5e12 + 0.5 }));

// A series that varies only in its last float digits: the first tick lies far from 1 in
// units of the spacing. The result must still be the largest multiple of the spacing not
// above the minimum, and come at once.
TEST(Scale, SeriesVaryingInTheLastFloatDigits)
{
    const float lo = 1.0e15f;
    const float hi = std::nextafter(lo, 2.0e15f);
    const PlotData d = plotData({ { lo, 0, 0 }, { hi, 1, 0 } }, false, 1);
    GraphPage page;
    const auto t0 = std::chrono::steady_clock::now();
    page.extreme(d);
    page.scale(d);
    const auto elapsed = std::chrono::steady_clock::now() - t0;

    // Independent integer arithmetic: both floats are whole numbers here.
    const std::int64_t ilo = static_cast<std::int64_t>(lo), ihi = static_cast<std::int64_t>(hi);
    const std::int64_t spacing = static_cast<std::int64_t>(page.deltax);
    ASSERT_EQ(static_cast<double>(spacing), page.deltax);
    ASSERT_GT(ilo / spacing, 10000000) << "literal stepping would take millions of steps";
    const std::int64_t first = ilo / spacing * spacing;
    std::int64_t last = first;
    while (last < ihi)
        last += spacing;
    EXPECT_EQ(page.xstart, static_cast<double>(first));
    EXPECT_EQ(page.xmin, static_cast<double>(first));
    EXPECT_EQ(page.xmax, static_cast<double>(last));
    EXPECT_LT(std::chrono::duration<double>(elapsed).count(), 0.5);
}

TEST(Extreme, EmptySeriesKeepsTheMinimaAndSetsTheMaximaToOne)
{
    GraphPage page;
    page.extreme(plotData({ { -5, -6, 7 }, { 3, 4, 9 } }, true, 2));
    page.extreme(plotData({}, true, 2));
    EXPECT_EQ(page.xmin, -5.0);
    EXPECT_EQ(page.ymin, -6.0);
    EXPECT_EQ(page.y1min, 7.0);
    EXPECT_EQ(page.y1max, 9.0);
    EXPECT_EQ(page.xmax, 1.0);
    EXPECT_EQ(page.ymax, 1.0);

    GraphPage fresh;
    fresh.extreme(plotData({}, true, 2));
    EXPECT_EQ(fresh.xmin, 0.0);
    EXPECT_EQ(fresh.xmax, 1.0);
    EXPECT_EQ(fresh.ymax, 1.0);
}

TEST(Extreme, CountsOnlyThePlotPoints)
{
    PlotData d = plotData({ { 0, 0, 0 }, { 10, 2, 45 }, { 900, 800, 300 } }, true, 2);
    // A point is a point only with all three values; the plot value has no count of its
    // own beside its series any more, so the third point lacks its azimuth here.
    d.y1.pop_back();
    GraphPage page;
    page.extreme(d);
    EXPECT_EQ(page.xmax, 10.0);
    EXPECT_EQ(page.ymax, 2.0);
    EXPECT_EQ(page.y1max, 45.0);
}

struct ScaleCase
{
    const char *name;
    std::vector<graphtest::PlotPoint> points;
    int curves;
    double deltax, xmin, xmax, deltay, ystart, ymin, ymax;
    double deltay1, y1start, y1min, y1max; // checked with two curves only
    int intervalsY;
};

class ScaleTest : public ::testing::TestWithParam<ScaleCase>
{
};

TEST_P(ScaleTest, WidensTheRangesToWholeTicks)
{
    const ScaleCase &c = GetParam();
    GraphPage page;
    const PlotData d = plotData(c.points, true, c.curves);
    page.extreme(d);
    page.scale(d);
    EXPECT_DOUBLE_EQ(page.deltax, c.deltax);
    EXPECT_DOUBLE_EQ(page.xmin, c.xmin);
    EXPECT_DOUBLE_EQ(page.xmax, c.xmax);
    EXPECT_DOUBLE_EQ(page.deltay, c.deltay);
    EXPECT_DOUBLE_EQ(page.ystart, c.ystart);
    EXPECT_DOUBLE_EQ(page.ymin, c.ymin);
    EXPECT_DOUBLE_EQ(page.ymax, c.ymax);
    EXPECT_EQ(page.m_y1, c.intervalsY);
    if (c.curves == 2) {
        EXPECT_DOUBLE_EQ(page.deltay1, c.deltay1);
        EXPECT_DOUBLE_EQ(page.y1start, c.y1start);
        EXPECT_DOUBLE_EQ(page.y1min, c.y1min);
        EXPECT_DOUBLE_EQ(page.y1max, c.y1max);
        // Both value axes end with the same number of intervals.
        EXPECT_DOUBLE_EQ(
            (page.ymax - page.ymin) / page.deltay, (page.y1max - page.y1min) / page.deltay1);
    }
}

INSTANTIATE_TEST_SUITE_P(WorkedResults, ScaleTest,
    ::testing::Values(ScaleCase { "flatY", { { 0, 0, 0 }, { 1234.5f, 0, 0 } }, 1, 200, 0, 1400, 1,
                          0, -1, 1, 0, 0, 0, 0, 2 },
        ScaleCase { "negativeY", { { 12.3f, -55.5f, 0 }, { 987.6f, 310.2f, 0 } }, 1, 100, 0, 1000,
            50, -100, -100, 350, 0, 0, 0, 0, 9 },
        ScaleCase { "azimuthLonger", { { 0, 0, 10 }, { 2500, 420, 350 } }, 2, 500, 0, 2500, 100, 0,
            0, 700, 50, 0, 0, 350, 5 },
        ScaleCase { "depthLonger", { { 0, 0, 10 }, { 2500, 420, 30 } }, 2, 500, 0, 2500, 100, 0, 0,
            500, 5, 10, 10, 35, 5 },
        ScaleCase {
            "allYFive", { { 0, 5, 0 }, { 100, 5, 0 } }, 1, 20, 0, 100, 1, 5, 4, 6, 0, 0, 0, 0, 2 }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Scale, EqualSecondSeriesGetsARangeOfOne)
{
    GraphPage page;
    const PlotData d = plotData({ { 0, 0, 40 }, { 100, 50, 40 } }, true, 2);
    page.extreme(d);
    page.scale(d);
    // y1 40..41 before its spacing: delta(1) = 0.2.
    EXPECT_DOUBLE_EQ(page.deltay1, 0.2);
    EXPECT_DOUBLE_EQ(page.y1min, 40.0);
    // The repair happens with one curve too.
    GraphPage one;
    const PlotData d1 = plotData({ { 0, 0, 40 }, { 100, 50, 40 } }, true, 1);
    one.extreme(d1);
    one.scale(d1);
    EXPECT_DOUBLE_EQ(one.y1max, 41.0);
}

TEST(Scale, ToleranceAtTheUpperEndOnlyForX)
{
    // 1.000005 lies less than 0.00001 above the tick 1.0.
    const PlotData d = plotData({ { 0, 0, 0 }, { 1.000005f, 1.000005f, 0 } }, false, 1);
    GraphPage page;
    page.extreme(d);
    page.scale(d);
    EXPECT_DOUBLE_EQ(page.deltax, 0.2);
    EXPECT_NEAR(page.xmax, 1.0, 1e-12);
    EXPECT_NEAR(page.ymax, 1.2, 1e-12);
}

TEST(Scale, TinyPositiveMinimumLowersTheDisplayedMinimum)
{
    const PlotData d = plotData({ { 0, 0.000003f, 0 }, { 1, 7, 0 } }, false, 1);
    GraphPage page;
    page.extreme(d);
    page.scale(d);
    EXPECT_DOUBLE_EQ(page.deltay, 1.0);
    EXPECT_NEAR(page.ystart, 1e-5 - 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(page.ymin, page.ystart);
}

TEST(Scale, ZeroXRangeStaysZero)
{
    // In the side view; the top view now repairs a single east value like a single
    // north value (a well drilled due north must not lie on the frame).
    const PlotData d = plotData({ { 0, 0, 0 }, { 0, 3, 0 } }, true, 1);
    GraphPage page;
    page.extreme(d);
    page.scale(d);
    EXPECT_EQ(page.xmin, 0.0);
    EXPECT_EQ(page.xmax, 0.0);
    const PlotData top = plotData({ { 0, 0, 0 }, { 0, 3, 0 } }, false, 1);
    page.extreme(top);
    page.scale(top);
    EXPECT_EQ(page.xmin, -1.0);
    EXPECT_EQ(page.xmax, 1.0);
    EXPECT_EQ(page.xstart, -1.0);
}

} // namespace
