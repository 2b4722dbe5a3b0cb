// Plot area sizes, window origins, curve points, frame, curves, legends and the order
// in which the page is drawn; when the page is recomputed.
#include "graphtestdata.h"
#include "recordinghelpers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using namespace graphtest;
using ::testing::ElementsAre;

namespace {

struct LayoutCase
{
    int zoom, print, portrait;
    int W, H;
};

class LayoutTest : public ::testing::TestWithParam<LayoutCase>
{
};

TEST_P(LayoutTest, PlotAreaSize)
{
    const LayoutCase c = GetParam();
    GraphPage page;
    page.m_target = layoutTarget(c.zoom, c.print, c.portrait);
    page.OnCompute(computed(kExampleStations, 0));
    EXPECT_EQ(page.m_Breite, c.W);
    EXPECT_EQ(page.m_Hoehe, c.H);
}

// The zoom changes the screen only, never a printed page.
INSTANTIATE_TEST_SUITE_P(ScreenZoomAndPaper, LayoutTest,
    ::testing::Values(LayoutCase { 0, 0, 1, 1300, 750 }, LayoutCase { 1, 0, 1, 1950, 1125 },
        LayoutCase { 0, 1, 1, 1300, 2100 }, LayoutCase { 0, 1, 0, 2200, 1300 },
        LayoutCase { 1, 1, 1, 1300, 2100 }, LayoutCase { 1, 1, 0, 2200, 1300 },
        LayoutCase { 0, 0, 0, 1300, 750 }));

TEST(WindowOrigin, RoomForTheAzimuthAxisOnlyInTheSideViewWithTwoCurves)
{
    EXPECT_EQ(GraphPage::windowOrigin(plotData({}, true, 2)), QPoint(-400, 450));
    EXPECT_EQ(GraphPage::windowOrigin(plotData({}, true, 1)), QPoint(-400, 350));
    EXPECT_EQ(GraphPage::windowOrigin(plotData({}, false, 1)), QPoint(-400, 350));
    EXPECT_EQ(GraphPage::windowOrigin(plotData({}, false, 2)), QPoint(-400, 350));
}

TEST(WorldTrans, SideViewPointsOnTheDepthAndValueScales)
{
    // x 0..300 by 50; y 0..40 lengthened to 0..50 to match y1 0..100 in five intervals.
    GraphPage page;
    const PlotData d = plotData({ { 0, 0, 0 }, { 150, 10, 25 }, { 300, 40, 100 } }, true, 2);
    page.OnCompute(d);
    ASSERT_DOUBLE_EQ(page.xmax, 300);
    ASSERT_DOUBLE_EQ(page.ymax, 50);
    ASSERT_DOUBLE_EQ(page.y1max, 100);
    EXPECT_EQ(page.m_Punkte[0], QPoint(0, 0));
    EXPECT_EQ(page.m_Punkte[1], QPoint(260, -375));
    EXPECT_EQ(page.m_Punkte[2], QPoint(1040, -750));
    EXPECT_EQ(page.m_Punkte1[1], QPoint(325, -375));
    // The maximum maps onto the far edge; points are not pulled inside like ticks.
    EXPECT_EQ(page.m_Punkte1[2], QPoint(1300, -750));
}

TEST(WorldTrans, CornersOfBothArrangements)
{
    // Normal: m_X = xmin and m_Y = ymax at the top left corner. Two curves keep the
    // fitted ranges; a plan view with one curve is drawn to scale.
    GraphPage top;
    top.OnCompute(plotData({ { 0, 100, 0 }, { 1000, 0, 0 } }, false, 2));
    EXPECT_EQ(top.m_Punkte[0], QPoint(0, 0));
    EXPECT_EQ(top.m_Punkte[1], QPoint(1300, -750));
    // Inverted: m_X = xmax and m_Y = ymin at the bottom left corner.
    GraphPage side;
    side.OnCompute(plotData({ { 0, 100, 0 }, { 1000, 0, 0 } }, true, 1));
    EXPECT_EQ(side.m_Punkte[1], QPoint(0, -750));
    EXPECT_EQ(side.m_Punkte[0], QPoint(1300, 0));
}

TEST(WorldTrans, TruncatesAfterShiftingByTheHeight)
{
    // y 25 of 0..100: 750 * 0.25 - 750 = -562.5, truncated toward zero to -562 (a
    // truncation before the shift would give -563).
    GraphPage top;
    // Two curves: the fitted ranges, not the plan view's equal scales.
    top.OnCompute(plotData({ { 0, 0, 0 }, { 250, 25, 0 }, { 1000, 100, 0 } }, false, 2));
    EXPECT_EQ(top.m_Punkte[1], QPoint(325, -562));
    GraphPage side;
    side.OnCompute(plotData({ { 0, 0, 0 }, { 250, 25, 0 }, { 1000, 100, 0 } }, true, 1));
    EXPECT_EQ(side.m_Punkte[1], QPoint(325, -187));
}

TEST(WorldTrans, PointsStayInsideThePlotAreaForAComputedWell)
{
    for (int ansicht : { 0, 1 }) {
        const PlotData d = computed(kExampleStations, ansicht);
        for (int zoom : { 0, 1 }) {
            GraphPage page;
            page.m_target = graph::PageTarget::screen(zoom != 0);
            page.OnCompute(d);
            ASSERT_EQ(page.m_Punktzahl, 4);
            for (int i = 0; i < page.m_Punktzahl; ++i) {
                for (const QPoint &p : { page.m_Punkte[i], page.m_Punkte1[i] }) {
                    if (&p == &page.m_Punkte1[i] && d.kurven != 2)
                        continue;
                    EXPECT_GE(p.x(), 0);
                    EXPECT_LE(p.x(), page.m_Breite);
                    EXPECT_LE(p.y(), 0);
                    EXPECT_GE(p.y(), -page.m_Hoehe);
                }
            }
            // The surface station is the first point: at the top in the side view.
            if (ansicht == 0) {
                EXPECT_EQ(page.m_Punkte[0].y(), 0);
            }
        }
    }
}

TEST(Curves, FrameCurvesAndLegendsOfTheSideView)
{
    const PlotData d = computed(kExampleStations, 0);
    const DrawnPage p = drawPage(d);
    const auto rects = p.rec.ofKind(Rec::Kind::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].x1, 0);
    EXPECT_EQ(rects[0].y1, 0);
    EXPECT_EQ(rects[0].x2, 1300);
    EXPECT_EQ(rects[0].y2, -750);
    EXPECT_EQ(rects[0].pen, graphstyle::kFramePen);
    const auto origins = p.rec.ofKind(Rec::Kind::WindowOrg);
    ASSERT_EQ(origins.size(), 1u);
    EXPECT_EQ(QPoint(origins[0].x1, origins[0].y1), QPoint(-400, 450));

    const auto polys = p.rec.ofKind(Rec::Kind::Polyline);
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].pen, graphstyle::kCurvePen);
    EXPECT_EQ(polys[1].pen, graphstyle::kCurve1Pen);
    EXPECT_EQ(polys[0].points.size(), 4u);
    // The azimuth is drawn only where the well has left the vertical: the surface and
    // the vertical station at 100 m have no direction.
    EXPECT_EQ(polys[1].points.size(), 2u);

    // Sample lines begin half a text width right of the centred legend's end (the
    // recording back end makes each character 27 units wide in the label font).
    const auto red
        = linesWhere(p.rec, graphstyle::kCurvePen, [](const Rec::Line &) { return true; });
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].from, QPoint(650 + 11 * 27, -750 - 170));
    EXPECT_EQ(red[0].to, QPoint(650 + 11 * 27 + 200, -750 - 170));
    const auto blue
        = linesWhere(p.rec, graphstyle::kCurve1Pen, [](const Rec::Line &) { return true; });
    ASSERT_EQ(blue.size(), 1u);
    EXPECT_EQ(blue[0].from, QPoint(650 + 11 * 27, -750 - 220));
    EXPECT_EQ(blue[0].to, QPoint(650 + 11 * 27 + 200, -750 - 220));
}

TEST(Curves, TopViewDrawsOnlyTheRedCurveButSelectsTheBluePen)
{
    const DrawnPage p = drawPage(computed(kExampleStations, 1));
    const auto origins = p.rec.ofKind(Rec::Kind::WindowOrg);
    ASSERT_EQ(origins.size(), 1u);
    EXPECT_EQ(QPoint(origins[0].x1, origins[0].y1), QPoint(-400, 350));
    const auto polys = p.rec.ofKind(Rec::Kind::Polyline);
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].pen, graphstyle::kCurvePen);
    const auto pens = p.rec.ofKind(Rec::Kind::Pen);
    // Blue selected after red, then the previous pen restored.
    ASSERT_GE(pens.size(), 3u);
    EXPECT_EQ(pens[pens.size() - 2].pen, graphstyle::kCurve1Pen);
    // At the height of the second legend only the document line is written.
    const auto atSecondLegend = labelsAtY(p.rec, -750 - 200);
    ASSERT_EQ(atSecondLegend.size(), 1u);
    EXPECT_EQ(atSecondLegend[0].text, "Dokument Test.dvn");
    EXPECT_EQ(
        linesWhere(p.rec, graphstyle::kCurve1Pen, [](const Rec::Line &) { return true; }).size(),
        0u);
}

TEST(PlotPoints, AfterAnAbortOnlyThisRunsPointsAreDrawn)
{
    // A dogleg beyond 90 degrees at the third station: the run ends after the first
    // interval. (The plot value holds only the points of its own run, so there are no
    // points of an earlier run left in the series to ignore, as there were in the fixed
    // arrays this test used to fill from a recomputed survey.)
    const PlotData d = computed({ "100 0 0", "200 120 0", "300 120 0" }, 0);
    ASSERT_EQ(d.count(), 2);

    const DrawnPage p = drawPage(d);
    EXPECT_EQ(p.page.m_Punktzahl, 2);
    EXPECT_DOUBLE_EQ(p.page.xmax, 100.0); // depth 0..100 only
    const auto polys = p.rec.ofKind(Rec::Kind::Polyline);
    // Only the red curve: both points are vertical and carry no azimuth.
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].points.size(), 2u);
    // The page says where the computation ends, in the words the text view uses too
    // (it used to say "Abbruch: Kurve bis Teufe"), whole, and with how deep the stations
    // go where the caller knows it.
    EXPECT_NE(p.rec.findText("Berechnet bis 100,00 m"), nullptr);
    PlotData known = d;
    known.enteredDepth = 12345.5;
    const DrawnPage q = drawPage(known);
    EXPECT_NE(q.rec.findText("Berechnet bis 100,00 m (von 12345,50 m)"), nullptr);
    // Straight down from the surface to 100 m.
    EXPECT_EQ(polys[0].points[0].y(), 0);
    EXPECT_EQ(polys[0].points[1].y(), -750);
    EXPECT_EQ(polys[0].points[1].x(), polys[0].points[0].x());
}

TEST(PlotPoints, NoStationsDrawsTheFrameButNoCurveLine)
{
    const PlotData d;
    GraphPage page;
    RecordingDrawContext rec;
    page.OnDraw(rec, d, 1, "Unbenannt");
    EXPECT_EQ(rec.ofKind(Rec::Kind::Rectangle).size(), 1u);
    for (const auto &c : rec.ofKind(Rec::Kind::Polyline))
        EXPECT_TRUE(c.points.empty());
}

// The page scales by the revision a view passes instead of a flag in the data that it
// cleared; the data are only read.
TEST(Composition, AnUncomputedPageDrawsNothing)
{
    const PlotData d = computed(kExampleStations, 0);
    GraphPage page;
    RecordingDrawContext rec;
    // The revision the page already has (none, before it ever scaled) scales nothing.
    page.OnDraw(rec, d, page.m_scaledRevision, "Test");
    EXPECT_TRUE(rec.calls.empty());
    page.zeichnen(rec, d, "Test");
    EXPECT_TRUE(rec.calls.empty());
}

TEST(Composition, ScalesExactlyWhenTheRevisionChanges)
{
    PlotData d = computed(kExampleStations, 0);
    GraphPage page;
    RecordingDrawContext rec;
    page.OnDraw(rec, d, 7, "Test");
    EXPECT_EQ(page.m_scaledRevision, 7u);
    EXPECT_EQ(page.m_bComputed, 1);
    EXPECT_FALSE(rec.calls.empty());
    const double xmax = page.xmax;

    // New values under the same revision: drawing reuses the stored scaling.
    d.x[3] = 5000.0f;
    RecordingDrawContext again;
    page.OnDraw(again, d, 7, "Test");
    EXPECT_EQ(page.xmax, xmax);
    // Any other revision, even a smaller one, is new data.
    page.OnDraw(again, d, 6, "Test");
    EXPECT_EQ(page.xmax, 5000.0);
    EXPECT_EQ(page.m_scaledRevision, 6u);
    d.x[3] = 100.0f;
    page.OnDraw(again, d, 6, "Test");
    EXPECT_EQ(page.xmax, 5000.0);
}

TEST(Composition, ZoomTwiceReturnsToTheScreenLayout)
{
    const PlotData d = computed(kExampleStations, 0);
    GraphPage page;
    page.OnCompute(d);
    page.m_target = graph::PageTarget::screen(true);
    page.OnCompute(d);
    EXPECT_EQ(page.m_Breite, 1950);
    EXPECT_EQ(page.m_Punkte[3].y(), -page.m_Hoehe * 29625 / 30000); // 296.25 of 0..300
    page.m_target = graph::PageTarget::screen();
    page.OnCompute(d);
    EXPECT_EQ(page.m_Breite, 1300);
    EXPECT_EQ(page.m_Hoehe, 750);
}

TEST(Composition, DrawingOrderAndRestoredObjects)
{
    const DrawnPage p = drawPage(computed(kExampleStations, 0));
    const auto &calls = p.rec.calls;
    auto indexOf = [&](auto pred) {
        const auto it = std::find_if(calls.begin(), calls.end(), pred);
        return it == calls.end() ? -1 : static_cast<int>(it - calls.begin());
    };
    using K = Rec::Kind;
    const int framePen = indexOf(
        [](const Rec::Call &c) { return c.kind == K::Pen && c.pen == graphstyle::kFramePen; });
    const int origin = indexOf([](const Rec::Call &c) { return c.kind == K::WindowOrg; });
    const int frame = indexOf([](const Rec::Call &c) { return c.kind == K::Rectangle; });
    const int title = indexOf([](const Rec::Call &c) { return c.text == "Testbohrung"; });
    const int caption = indexOf([](const Rec::Call &c) { return c.text == "Abweichung (m)"; });
    const int firstTick = indexOf([](const Rec::Call &c) { return c.kind == K::LineTo; });
    const int docLine = indexOf([](const Rec::Call &c) { return c.text == "Dokument Test.dvn"; });
    const int grid = indexOf(
        [](const Rec::Call &c) { return c.kind == K::Pen && c.pen == graphstyle::kGridPen; });
    const int red = indexOf([](const Rec::Call &c) { return c.kind == K::Polyline; });
    const int blue = indexOf([](const Rec::Call &c) {
        return c.kind == K::Polyline && c.pen == graphstyle::kCurve1Pen;
    });
    const std::vector<int> order { framePen, origin, frame, title, caption, firstTick, docLine,
        grid, red, blue };
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << ::testing::PrintToString(order);
    EXPECT_EQ(std::count(order.begin(), order.end(), -1), 0);
    EXPECT_EQ(framePen, 0);
    // The previous font and pen (the recording's defaults) come back at the end.
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2].kind, K::Font);
    EXPECT_EQ(calls[calls.size() - 2].font, DrawFont {});
    EXPECT_EQ(calls.back().kind, K::Pen);
    EXPECT_EQ(calls.back().pen, DrawPen {});
}

} // namespace
