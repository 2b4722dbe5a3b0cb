// The neighbouring wells on the graph page: where each view reads an offset's points
// (worked out by hand from slots and directions), where the page draws them (the page's
// own ranges turned into logical units here, not by the page's code), the scaling that
// takes them in, their names and legend, their uncertainty, and the pages of a well
// without neighbours, which must be the pages the program drew before there were any.
#include "graph/plotoffsets.h"
#include "graph/plotuncertainty.h"
#include "graph/sectionview.h"
#include "graph/wellpalette.h"
#include "graphtestdata.h"
#include "offsetwells.h"
#include "plainpages.h"
#include "recordinghelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>

using namespace graphtest;

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// Vertical to 200 m, built to 60 degrees at `azimuth` by 800 m, held to 1400 m.
clr::Well builtWell(double azimuth, const std::string &name = "Referenz")
{
    return wellOf(name,
        { { 0, 0, 0 }, { 200, 0, azimuth }, { 500, 30, azimuth }, { 800, 60, azimuth },
            { 1400, 60, azimuth } });
}

OffsetPicture pictureOf(const std::vector<clr::Well> &offsets)
{
    return offsetPictureOf(offsets, clr::Scan {}, false);
}

PlotData viewWithOffsets(
    const clr::Well &reference, const std::vector<clr::Well> &offsets, PlotView view)
{
    PlotData d = plotDataOf(reference.path, view, "Referenz");
    addOffsets(d, pictureOf(offsets), reference.path, view, true);
    return d;
}

TEST(OffsetSeries, TopViewAndSectionTakeTheSlotAndTheDepthShift)
{
    clr::Well shifted = builtWell(45, "Nachbar");
    shifted.slotNorth = 30;
    shifted.slotEast = -40;
    shifted.depthShift = 12;
    const PlotData top = viewWithOffsets(builtWell(90), { shifted }, PlotView::Top);
    ASSERT_EQ(top.offsets.size(), 1u);
    const PlotOffset &o = top.offsets[0];
    ASSERT_EQ(o.count(), static_cast<int>(shifted.path.stations.size()));
    for (int i = 0; i < o.count(); ++i) {
        const traj::Station &s = shifted.path.stations[i];
        EXPECT_NEAR(o.x[i], s.east - 40, 1e-3);
        EXPECT_NEAR(o.y[i], s.north + 30, 1e-3);
    }
    EXPECT_EQ(o.name, "Nachbar");
    EXPECT_EQ(o.colour, wellpalette::offsetColour(0));

    // The section along 45 degrees: the slot (30, -40) lies 7.07 m behind the reference's
    // slot along it, the path runs along it; in feet.
    PlotData section = sectionPlotData(builtWell(90).path, "Referenz", 45, LengthUnit::Foot);
    addSectionOffsets(section, pictureOf({ shifted }), 45, LengthUnit::Foot, false);
    const PlotOffset &s = section.offsets[0];
    const double ft = 1.0 / 0.3048;
    for (int i = 0; i < s.count(); ++i) {
        const traj::Station &st = shifted.path.stations[i];
        EXPECT_NEAR(s.x[i], (st.tvd + 12) * ft, 1e-3);
        EXPECT_NEAR(s.y[i], ((30 - 40) / std::sqrt(2.0) + st.displacement) * ft, 1e-3);
    }
}

TEST(OffsetSeries, SideViewReadsAlongTheReferencesDisplacementAtTheSameDepth)
{
    // The reference drilled due east: a well north of its slot lies beside it at no
    // distance along its direction, one east of it ahead of it, one west behind the slot.
    const clr::Well east = builtWell(90);
    const PlotData d = viewWithOffsets(east,
        { verticalWell("Nord", 50, 0), verticalWell("Ost", 0, 80), verticalWell("West", 0, -80) },
        PlotView::Side);
    ASSERT_EQ(d.offsets.size(), 3u);
    const double expected[3] = { 0, 80, -80 };
    for (std::size_t j = 0; j < 3; ++j) {
        const PlotOffset &o = d.offsets[j];
        for (int i = 0; i < o.count(); ++i) {
            EXPECT_NEAR(o.x[i], 50.0 * i, 1e-3) << o.name; // TVD of a vertical well
            EXPECT_NEAR(o.y[i], expected[j], 1e-3) << o.name << " at " << o.x[i];
        }
    }

    // A reference that turns: at each of its stations' depths the direction of its own
    // displacement there. A vertical offset with a reading at each of those depths.
    const clr::Well turning = wellOf("Referenz",
        { { 0, 0, 0 }, { 200, 0, 0 }, { 500, 40, 0 }, { 800, 40, 60 }, { 1100, 40, 120 } });
    std::vector<clr::Reading> down { { 0, 0, 0 } };
    std::vector<double> depths;
    for (const traj::Station &s : turning.path.stations)
        if (s.tvd > 0 && s.displacement > 1e-3) {
            down.push_back({ s.tvd, 0, 0 });
            depths.push_back(s.tvd);
        }
    const PlotData t
        = viewWithOffsets(turning, { wellOf("Senkrecht", down, 100, 20) }, PlotView::Side);
    const PlotOffset &o = t.offsets[0];
    for (const traj::Station &s : turning.path.stations) {
        if (!(s.displacement > 1e-3))
            continue;
        const auto at = std::find_if(
            o.x.begin(), o.x.end(), [&](float x) { return std::abs(x - s.tvd) < 1e-3; });
        ASSERT_NE(at, o.x.end()) << s.tvd;
        const double a = std::atan2(s.east, s.north);
        EXPECT_NEAR(o.y[at - o.x.begin()], 100 * std::cos(a) + 20 * std::sin(a), 1e-3)
            << "TVD " << s.tvd;
    }
    // Above the reference's first displacement the first direction: due north here.
    EXPECT_NEAR(o.y[0], 100, 1e-3);

    // A vertical reference has no direction: an offset at its distance from the slot.
    const PlotData v = viewWithOffsets(
        verticalWell("Referenz", 0, 0), { verticalWell("Schräg", 30, -40) }, PlotView::Side);
    for (float y : v.offsets[0].y)
        EXPECT_NEAR(y, 50, 1e-3);
}

// The logical point of a value pair as the page's ranges and area place it: across and
// up in the top view, the second value across and the first down in the side view.
QPoint placed(const GraphPage &p, double x, double y, bool side)
{
    const auto frac = [](double v, double lo, double hi) { return (v - lo) / (hi - lo); };
    if (side)
        return QPoint(static_cast<int>(p.m_Breite * frac(y, p.ymin, p.ymax)),
            -static_cast<int>(p.m_Hoehe * frac(x, p.xmin, p.xmax)));
    return QPoint(static_cast<int>(p.m_Breite * frac(x, p.xmin, p.xmax)),
        static_cast<int>(p.m_Hoehe * frac(y, p.ymin, p.ymax) - p.m_Hoehe));
}

TEST(OffsetPage, EachOffsetIsDrawnWhereThePagesRangesPutItsPoints)
{
    const std::vector<clr::Well> offsets { builtWell(30, "Eins"), verticalWell("Zwei", -60, 90) };
    for (const PlotView view : { PlotView::Top, PlotView::Side }) {
        SCOPED_TRACE(view == PlotView::Top ? "top" : "side");
        const PlotData d = viewWithOffsets(builtWell(120), offsets, view);
        const DrawnPage p = drawPage(d);
        ASSERT_EQ(p.page.m_offsetPoints.size(), 2u);
        for (std::size_t j = 0; j < 2; ++j) {
            const PlotOffset &o = d.offsets[j];
            std::vector<QPoint> expected;
            for (int i = 0; i < o.count(); ++i)
                expected.push_back(placed(p.page, o.x[i], o.y[i], view == PlotView::Side));
            // Rounding of the two ways of forming the fraction: a unit at most.
            ASSERT_EQ(p.page.m_offsetPoints[j].size(), expected.size());
            for (std::size_t i = 0; i < expected.size(); ++i) {
                EXPECT_LE(std::abs(p.page.m_offsetPoints[j][i].x() - expected[i].x()), 1);
                EXPECT_LE(std::abs(p.page.m_offsetPoints[j][i].y() - expected[i].y()), 1);
            }
            // The curve drawn in the offset's colour is exactly the placed points.
            const DrawPen pen { PenStyle::Solid, graphstyle::kOffsetPenWidth, o.colour };
            int curves = 0;
            for (const Rec::Call &c : p.rec.ofKind(Rec::Kind::Polyline))
                if (c.pen == pen && c.points == p.page.m_offsetPoints[j])
                    ++curves;
            EXPECT_EQ(curves, 1) << o.name;
        }
    }
}

TEST(OffsetPage, TheScalesTakeInEveryOffsetAndItsUncertainty)
{
    const clr::Well reference = builtWell(0);
    const clr::Well far = verticalWell("Fern", -300, -3000, 1800);
    PlotData alone = plotDataOf(reference.path, PlotView::Top, "Referenz");
    GraphPage a;
    a.OnCompute(alone);
    ASSERT_GT(a.xmin, -3000) << "the reference alone needs no room that far west";

    for (const PlotView view : { PlotView::Top, PlotView::Side }) {
        // The far well with a spread of 20 m at 1σ along every axis, drawn at 2σ.
        OffsetPicture picture = pictureOf({ far });
        picture.paths[0].covariances.assign(
            far.path.stations.size(), unc::Sym3 { 400, 400, 400, 0, 0, 0 });
        PlotData d = plotDataOf(reference.path, view, "Referenz");
        d.sigmas = 2;
        addOffsets(d, picture, reference.path, view, true);
        GraphPage p;
        p.OnCompute(d);
        const PlotOffset &o = d.offsets[0];
        for (int i = 0; i < o.count(); ++i) {
            EXPECT_GE(o.x[i] - 40, p.xmin - 1e-6);
            EXPECT_LE(o.x[i] + 40, p.xmax + 1e-6);
            EXPECT_GE(o.y[i] - 40, p.ymin - 1e-6);
            EXPECT_LE(o.y[i] + 40, p.ymax + 1e-6);
        }
        ASSERT_EQ(p.m_offsetSpreads.size(), 1u);
        EXPECT_FALSE(p.m_offsetSpreads[0].area.empty());
    }
}

TEST(OffsetPage, EveryOffsetHasItsNameAndOneLegendEntryInItsColour)
{
    const std::vector<clr::Well> offsets { builtWell(30, "Nord"), builtWell(200, "Süd"),
        verticalWell("Ost", 0, 150) };
    const PlotData d = viewWithOffsets(builtWell(120), offsets, PlotView::Top);
    const DrawnPage p = drawPage(d);
    const std::vector<Rec::Line> lines = p.rec.lines();
    for (std::size_t j = 0; j < d.offsets.size(); ++j) {
        const PlotOffset &o = d.offsets[j];
        SCOPED_TRACE(o.name);
        std::vector<Rec::Call> named;
        for (const Rec::Call &c : p.rec.texts())
            if (c.text == o.name)
                named.push_back(c);
        // Beside the end of its path, and in the legend after a sample of its line.
        ASSERT_EQ(named.size(), 2u);
        const QPoint end = p.page.m_offsetPoints[j].back();
        const auto near = [&](const Rec::Call &c) {
            return std::abs(c.x1 - end.x()) < 400 && std::abs(c.y1 - end.y()) < 300;
        };
        EXPECT_TRUE(near(named[0]) || near(named[1]));
        int samples = 0;
        for (const Rec::Call &t : named)
            for (const Rec::Line &l : lines)
                if (l.pen.color == o.colour && l.from.y() == l.to.y() && l.to.x() < t.x1
                    && t.x1 - l.to.x() < 40 && std::abs(l.from.y() - (t.y1 - 22)) <= 2)
                    ++samples;
        EXPECT_EQ(samples, 1);
    }
    // The legend is a box inside the plot area.
    std::vector<Rec::Call> boxes = p.rec.ofKind(Rec::Kind::Rectangle);
    ASSERT_EQ(boxes.size(), 2u) << "the frame and the legend";
    const Rec::Call &box = boxes[1];
    EXPECT_GE(std::min(box.x1, box.x2), 0);
    EXPECT_LE(std::max(box.x1, box.x2), p.W);
    EXPECT_LE(std::max(box.y1, box.y2), 0);
    EXPECT_GE(std::min(box.y1, box.y2), -p.H);
    EXPECT_NE(p.rec.findText("Nachbarbohrungen"), nullptr);
}

TEST(OffsetPage, TheUncertaintyOfAnOffsetIsItsColourMadePale)
{
    const clr::Well reference = builtWell(90);
    OffsetPicture picture = pictureOf({ builtWell(0, "Nachbar") });
    for (const traj::Station &s : picture.paths[0].path.stations)
        picture.paths[0].covariances.push_back(
            { 1e-5 * s.md * s.md, 1e-5 * s.md * s.md, 1e-5 * s.md * s.md, 0, 0, 0 });
    for (const bool shown : { true, false }) {
        PlotData d = plotDataOf(reference.path, PlotView::Top, "Referenz");
        d.sigmas = 2;
        addOffsets(d, picture, reference.path, PlotView::Top, shown);
        const DrawnPage p = drawPage(d);
        const DrawColor pale
            = wellpalette::paler(d.offsets[0].colour, graphstyle::kOffsetSpreadFill);
        const auto fills = p.rec.ofKind(Rec::Kind::FillArea);
        const bool filled = std::any_of(
            fills.begin(), fills.end(), [&](const Rec::Call &c) { return c.fill == pale; });
        EXPECT_EQ(filled, shown);
    }
}

// The pages of a well without offsets: recorded call by call as the program drew them
// before offset wells came in. To regenerate after a deliberate change of the page, write
// graphtest::plainPages() into tests/data/graph/plain-pages.txt, and let a person read the
// difference before it is committed.
TEST(OffsetPage, AWellWithoutOffsetsHasThePagesItAlwaysHad)
{
    const char *dir = std::getenv("DRAVON_TEST_DATA");
    std::ifstream in(std::string(dir ? dir : ".") + "/graph/plain-pages.txt", std::ios::binary);
    ASSERT_TRUE(in);
    const std::string golden { std::istreambuf_iterator<char>(in), {} };
    const std::string now = plainPages();
    EXPECT_TRUE(now == golden) << "the pages differ from tests/data/graph/plain-pages.txt";

    // Nor does an empty picture of neighbours change anything.
    const traj::Trajectory t = trajectoryOf(kExampleStations);
    for (const PlotView view : { PlotView::Side, PlotView::Top }) {
        PlotData d = plotDataOf(t, view, "Plain");
        PlotData e = d;
        addOffsets(e, OffsetPicture {}, t, view, true);
        EXPECT_EQ(recordingText(drawPage(d).rec), recordingText(drawPage(e).rec));
    }
}

TEST(WellPalette, OffsetsGetDistinctDarkColoursOtherThanTheReferencesAndTheAzimuths)
{
    const DrawColor azimuth = graphstyle::kCurve1Pen.color;
    EXPECT_EQ(wellpalette::kReference, graphstyle::kCurvePen.color);
    for (int i = 0; i < wellpalette::kOffsetColours; ++i) {
        const DrawColor c = wellpalette::offsetColour(i);
        EXPECT_NE(c, wellpalette::kReference);
        EXPECT_NE(c, azimuth);
        // Dark enough for a thin line on white: relative luminance at most about half.
        EXPECT_LE(0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b, 0.55 * 255) << i;
        for (int k = 0; k < i; ++k)
            EXPECT_NE(wellpalette::offsetColour(k), c);
        EXPECT_EQ(wellpalette::offsetColour(i + wellpalette::kOffsetColours), c);
    }
    EXPECT_EQ(wellpalette::paler({ 0, 100, 255 }, 0.5), (DrawColor { 128, 178, 255 }));
}

} // namespace
