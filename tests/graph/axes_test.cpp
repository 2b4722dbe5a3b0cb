// Axes, labels, grid and captions of the graph page, read from the recording back end.
#include "graphtestdata.h"
#include "recordinghelpers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

using namespace graphtest;
using graphstyle::kFramePen;
using graphstyle::kGridPen;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// Ticks of the bottom axis: down from the bottom edge.
std::vector<int> bottomTicks(const DrawnPage &p)
{
    std::vector<int> xs;
    for (const auto &l : linesWhere(p.rec, kFramePen, [&](const Rec::Line &l) {
             return l.from.y() == -p.H && l.to.y() == -p.H - 20 && l.from.x() == l.to.x();
         }))
        xs.push_back(l.from.x());
    return xs;
}

// Ticks of the left axis: left from the left edge.
std::vector<int> leftTicks(const DrawnPage &p)
{
    std::vector<int> ys;
    for (const auto &l : linesWhere(p.rec, kFramePen, [](const Rec::Line &l) {
             return l.from.x() == 0 && l.to.x() == -10 && l.from.y() == l.to.y();
         }))
        ys.push_back(l.from.y());
    return ys;
}

TEST(Axes, TopViewBeyondAThousandHasNoDecimalsAndTheLastTickInside)
{
    // x 0..1400 by 200, y -1..1 by 1.
    const DrawnPage p = drawPage(plotData({ { 0, 0, 0 }, { 1234.5f, 0, 0 } }, false, 1));
    ASSERT_EQ(p.W, 1300);
    ASSERT_EQ(p.H, 750);
    // 200 * 1300 / 1400 = 185.7 and so on, truncated; 1400 sits at W - 1.
    EXPECT_THAT(bottomTicks(p), ElementsAre(0, 185, 371, 557, 742, 928, 1114, 1299));
    const auto bottom = labelsAtY(p.rec, -p.H - 30);
    // "%4.0f" as before, without the leading blanks that pushed the digits off centre.
    EXPECT_THAT(
        textsOf(bottom), ElementsAre("0", "200", "400", "600", "800", "1000", "1200", "1400"));
    for (const auto &c : bottom)
        EXPECT_EQ(c.align, TextAlign::TopCenter);
    EXPECT_EQ(bottom.back().x1, 1299);

    // The top view is drawn to scale: the repaired north range -1..1 is lengthened to
    // 1400 * 750 / 1300 = 807.7 m centred on 0, with the spacing 100 of that range.
    const double span = 1400.0 * 750 / 1300;
    EXPECT_NEAR(p.page.ymax - p.page.ymin, span, 1e-9);
    EXPECT_NEAR(p.page.ymin, -span / 2, 1e-9);
    EXPECT_THAT(leftTicks(p), ElementsAre(-747, -654, -561, -468, -375, -283, -190, -97, -4));
    const auto left = labelsAtX(p.rec, -130);
    ASSERT_EQ(left.size(), 9u);
    EXPECT_THAT(textsOf(left),
        ElementsAre("-400", "-300", "-200", "-100", "0", "100", "200", "300", "400"));
    EXPECT_EQ(left[4].y1, -375 + 20);
}

TEST(Axes, SideViewDepthUpToAThousandInShortestForm)
{
    // Depth 0..1000 by 100 down the left axis; the deepest tick one unit inside.
    const DrawnPage p = drawPage(plotData({ { 12.3f, 0, 0 }, { 987.6f, 30, 0 } }, true, 1));
    EXPECT_THAT(
        leftTicks(p), ElementsAre(0, -75, -150, -225, -300, -375, -450, -525, -600, -675, -749));
    EXPECT_THAT(textsOf(labelsAtX(p.rec, -130)),
        ElementsAre("0", "100", "200", "300", "400", "500", "600", "700", "800", "900", "1000"));
    // The displacement runs along the bottom with "%4g" (labels without the padding).
    EXPECT_THAT(
        textsOf(labelsAtY(p.rec, -p.H - 30)), ElementsAre("0", "5", "10", "15", "20", "25", "30"));
}

TEST(Axes, RangeWithinOneHasThreeDecimals)
{
    // The side view: in the top view the east range 0..0.5 would be lengthened to the
    // scale of the north axis and leave -1..1.
    const DrawnPage p = drawPage(plotData({ { 0, 1, 0 }, { 0.5f, 0, 0 } }, true, 1));
    EXPECT_THAT(textsOf(labelsAtX(p.rec, -130)),
        ElementsAre("0.000", "0.100", "0.200", "0.300", "0.400", "0.500"));
    EXPECT_EQ(leftTicks(p).back(), -p.H + 1);
}

TEST(Axes, TopViewRangeWithinOneLengthenedToScale)
{
    const DrawnPage p = drawPage(plotData({ { 0, 0, 0 }, { 0.5f, 1, 0 } }, false, 1));
    EXPECT_THAT(textsOf(labelsAtY(p.rec, -p.H - 30)),
        ElementsAre("-0.6", "-0.4", "-0.2", "0", "0.2", "0.4", "0.6", "0.8", "1"));
    // 1.733 m across centred on 0.25: the ends fall between ticks.
    EXPECT_NEAR(p.page.xmin, 0.25 - 0.5 * 1300 / 750, 1e-9);
    EXPECT_LT(bottomTicks(p).back(), p.W - 1);
}

TEST(Axes, MillionsInExponentForm)
{
    const DrawnPage top = drawPage(plotData({ { 0, 0, 0 }, { 10, 2000000, 0 } }, false, 1));
    EXPECT_THAT(textsOf(labelsAtX(top.rec, -130)),
        ElementsAre("0.00e+00", "5.00e+05", "1.00e+06", "1.50e+06", "2.00e+06"));
    const DrawnPage side = drawPage(plotData({ { 0, 0, 0 }, { 10, 2000000, 0 } }, true, 1));
    EXPECT_THAT(textsOf(labelsAtY(side.rec, -side.H - 30)),
        ElementsAre("0.00e+00", "5.00e+05", "1.00e+06", "1.50e+06", "2.00e+06"));
}

TEST(Axes, SecondAxisOnTheRightAcceptsATopTickWithARoundingExcess)
{
    const PlotData d = plotData({ { 0, 0, 0 }, { 100, 3, 0 } }, false, 2);
    GraphPage page;
    page.OnCompute(d);
    // 0.1 added three times is 0.30000000000000004, above 0.3.
    page.y1min = 0.0;
    page.y1max = 0.3;
    page.y1start = 0.0;
    page.deltay1 = 0.1;
    ASSERT_GT(0.1 + 0.1 + 0.1, 0.3);
    RecordingDrawContext rec;
    rec.selectFont(graphstyle::kLabelFont);
    rec.selectPen(kFramePen);
    page.y1achse(rec, d);
    std::vector<int> ys;
    for (const auto &l : rec.lines()) {
        EXPECT_EQ(l.from.x(), 1300);
        EXPECT_EQ(l.to.x(), 1310);
        ys.push_back(l.from.y());
    }
    // No clamp: the top tick lies on the top edge, computed like the others.
    EXPECT_THAT(ys, ElementsAre(-750, -500, -250, 0));
    const auto labels = labelsAtX(rec, 1540);
    EXPECT_THAT(textsOf(labels), ElementsAre("0", "0.1", "0.2", "0.3"));
    EXPECT_EQ(labels.back().y1, 20);

    // The top axis of the side view has no such tolerance; it used to lose the 0.3 tick
    // to the excess, but ticks are now first + k * spacing rounded, so 0.3 is exact.
    PlotData side = d;
    side.invers = 1;
    RecordingDrawContext top;
    top.selectFont(graphstyle::kLabelFont);
    page.y1achse(top, side);
    EXPECT_THAT(textsOf(labelsAtY(top, 70)), ElementsAre("0", "0.1", "0.2", "0.3"));
}

TEST(Axes, SecondAxisLabelsInTheSideView)
{
    // Azimuth 0..100 by 20 along the top, the last tick one unit inside.
    const DrawnPage p
        = drawPage(plotData({ { 0, 0, 0 }, { 150, 10, 25 }, { 300, 40, 100 } }, true, 2));
    const auto top = labelsAtY(p.rec, 70);
    EXPECT_THAT(textsOf(top), ElementsAre("0", "20", "40", "60", "80", "100"));
    std::vector<int> xs;
    for (const auto &l : linesWhere(p.rec, kFramePen,
             [](const Rec::Line &l) { return l.from.y() == 0 && l.to.y() == 30; }))
        xs.push_back(l.from.x());
    EXPECT_THAT(xs, ElementsAre(0, 260, 520, 780, 1040, 1299));
}

TEST(Axes, MillionsOnTheSecondAxisHaveTheirOwnFormats)
{
    PlotData d = plotData({ { 0, 0, 0 }, { 100, 3, 2000000 } }, false, 2);
    const DrawnPage right = drawPage(d);
    const auto right1 = textsOf(labelsAtX(right.rec, 1540));
    ASSERT_GE(right1.size(), 2u);
    EXPECT_EQ(right1[0], "0.0e+00");
    EXPECT_EQ(right1[1], "5.0e+05");
    d.invers = 1;
    const DrawnPage top = drawPage(d);
    const auto top1 = textsOf(labelsAtY(top.rec, 70));
    ASSERT_GE(top1.size(), 2u);
    EXPECT_EQ(top1[0], "0.00e+00");
    EXPECT_EQ(top1[1], "5.00e+05");
}

class GridTest : public ::testing::TestWithParam<bool>
{
};

TEST_P(GridTest, FourInteriorLinesPerAxisForFiveIntervals)
{
    // x 0..1000 by 200 and y 0..100 by 20: five intervals each. Two curves, so that the
    // normal arrangement keeps these ranges: a plan view (one curve) is now drawn to
    // scale and lengthens its north axis.
    PlotData d = plotData({ { 0, 0, 0 }, { 1000, 100, 0 } }, GetParam(), 2);
    const DrawnPage p = drawPage(d);
    const auto grid = linesWhere(p.rec, kGridPen, [](const Rec::Line &) { return true; });
    ASSERT_EQ(grid.size(), 8u);
    int horizontal = 0, vertical = 0;
    for (const auto &l : grid) {
        if (l.from.y() == l.to.y()) {
            ++horizontal;
            EXPECT_EQ(l.from.x(), 0);
            EXPECT_EQ(l.to.x(), p.W);
            EXPECT_LT(l.from.y(), 0);
            EXPECT_GT(l.from.y(), -p.H);
        } else {
            ++vertical;
            EXPECT_EQ(l.from.x(), l.to.x());
            EXPECT_GT(l.from.x(), 0);
            EXPECT_LT(l.from.x(), p.W);
            EXPECT_EQ(std::abs(l.from.y() - l.to.y()), p.H);
        }
    }
    EXPECT_EQ(horizontal, 4);
    EXPECT_EQ(vertical, 4);
    // The grid lines meet the ticks of the bottom axis.
    std::vector<int> gridXs;
    for (const auto &l : grid)
        if (l.from.x() == l.to.x())
            gridXs.push_back(l.from.x());
    std::vector<int> ticks = bottomTicks(p);
    ASSERT_EQ(ticks.size(), 6u);
    EXPECT_THAT(gridXs, ElementsAreArray(ticks.begin() + 1, ticks.end() - 1));

    d.gitter = 0;
    const DrawnPage none = drawPage(d);
    EXPECT_TRUE(linesWhere(none.rec, kGridPen, [](const Rec::Line &) { return true; }).empty());
    for (const auto &c : none.rec.calls)
        EXPECT_FALSE(c.kind == Rec::Kind::Pen && c.pen == kGridPen);
}

INSTANTIATE_TEST_SUITE_P(BothArrangements, GridTest, ::testing::Bool(),
    [](const auto &info) { return info.param ? "side" : "top"; });

TEST(Axes, GridLinesOfTheTopView)
{
    // Two curves keep the fitted north range 0..100 (see GridTest).
    const DrawnPage p = drawPage(plotData({ { 0, 0, 0 }, { 1000, 100, 0 } }, false, 2));
    std::vector<int> ys;
    for (const auto &l :
        linesWhere(p.rec, kGridPen, [](const Rec::Line &l) { return l.from.y() == l.to.y(); }))
        ys.push_back(l.from.y());
    // 20, 40, 60, 80 of 100 on a height of 750, counted up from the bottom edge.
    EXPECT_THAT(ys, ElementsAre(-600, -450, -300, -150));
}

TEST(Axes, ZeroDepthRangeHasOneClampedTickAndNoGrid)
{
    // A vertical hole in the top view: every east offset is 0. It used to keep the zero
    // range and draw the well on the left frame line; now both axes are symmetric around
    // the single position and drawn to scale, so the well sits in the middle.
    const DrawnPage top = drawPage(plotData({ { 0, 0, 0 }, { 0, 0, 0 }, { 0, 0, 0 } }, false, 1));
    EXPECT_THAT(textsOf(labelsAtY(top.rec, -top.H - 30)),
        ElementsAre("-1.5", "-1", "-0.5", "0", "0.5", "1", "1.5"));
    EXPECT_DOUBLE_EQ(top.page.xmin, -top.page.xmax);
    EXPECT_DOUBLE_EQ(top.page.ymin, -top.page.ymax);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(top.page.m_Punkte[i], QPoint(650, -375));

    const DrawnPage side = drawPage(plotData({ { 0, 0, 0 }, { 0, 5, 0 } }, true, 1));
    EXPECT_THAT(leftTicks(side), ElementsAre(-side.H + 1));
    EXPECT_EQ(side.page.m_Punkte[1].y(), 0);
}

TEST(Captions, TitlesAndCaptionsAtTheirAnchorsWithTheirFonts)
{
    PlotData d = computed(kExampleStations, 0);
    d.yTitel2 = "(m)   ";
    const DrawnPage p = drawPage(d);
    struct Expect
    {
        std::string text;
        int x, y;
        DrawFont font;
    };
    const std::vector<Expect> expected {
        { "Testbohrung", 650, 300, graphstyle::kTitleFont },
        { "Abweichung (m) und Azimut (Grad)", 650, 210, graphstyle::kCaptionFont },
        { "Seigerteufe  ", -50, 150, graphstyle::kCaptionFont },
        { "(m)   ", -50, 90, graphstyle::kCaptionFont },
        { "Azimut (Grad)", 650, 150, graphstyle::kCaptionFont },
        { "Abweichung (m)", 650, -820, graphstyle::kCaptionFont },
        { "Dokument Test.dvn", 100, -950, graphstyle::kLabelFont },
        { "Seigerteufe", 650, -900, graphstyle::kLabelFont },
        { "  Azimut   ", 650, -950, graphstyle::kLabelFont },
    };
    for (const Expect &e : expected) {
        const Rec::Call *c = p.rec.findText(e.text);
        ASSERT_NE(c, nullptr) << e.text;
        EXPECT_EQ(c->x1, e.x) << e.text;
        EXPECT_EQ(c->y1, e.y) << e.text;
        EXPECT_EQ(c->font, e.font) << e.text;
        EXPECT_EQ(c->align, TextAlign::TopCenter) << e.text;
    }
}

TEST(Captions, DocumentLineFollowsThePlotAreaHeight)
{
    PlotData d = computed(kExampleStations, 1);
    GraphPage page;
    page.m_target = graph::PageTarget::screen(true);
    page.OnCompute(d);
    RecordingDrawContext rec;
    page.zeichnen(rec, d, "Bohrung Ä.dvn"); // the title passes unchanged
    const Rec::Call *c = rec.findText("Dokument Bohrung Ä.dvn");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->x1, 100);
    EXPECT_EQ(c->y1, -1125 - 200);
}

} // namespace
