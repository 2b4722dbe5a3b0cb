// A page that shows a part of its data (the view's zoom): the ranges are that part of
// the whole ranges, the ticks suit them, equal scales stay equal, and the page that
// shows the whole draws exactly what it drew before any zoom.
#include "graph/cylinder.h"
#include "graph/graphpage.h"
#include "graph/recordingdrawcontext.h"
#include "graphtestdata.h"
#include "recordingtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const std::vector<std::string> kDeviated { "100 0 0", "400 20 40", "900 45 70", "1500 50 80" };

std::string drawn(const GraphPage &page, const PlotData &data)
{
    RecordingDrawContext rec;
    page.zeichnen(rec, data, "zoom.dvn");
    return graphtest::recordingText(rec);
}

// Ticks of an axis from its first one: all inside the range, at least two of them, and
// every one a whole multiple of the spacing.
void expectTicksInside(double lo, double hi, double first, double spacing)
{
    EXPECT_GE(first, lo - 1e-9 * (hi - lo));
    EXPECT_LE(first, hi);
    EXPECT_GE((hi - first) / spacing, 1.0);
    EXPECT_NEAR(std::remainder(first, spacing), 0.0, 1e-6 * spacing);
}

} // namespace

TEST(ShownPart, NarrowsEachAxisToItsPartWithTicksForIt)
{
    graphtest::ensureGuiApp();
    const graph::PageTarget window = graph::PageTarget::windowOf(QSize(3600, 2400));
    for (const int ansicht : { 0, 1 }) {
        SCOPED_TRACE(ansicht == 0 ? "side view" : "top view");
        const PlotData data = graphtest::computed(kDeviated, ansicht);
        GraphPage page(window);
        page.OnCompute(data);
        const GraphPage whole = page;
        const std::string wholeDrawing = drawn(page, data);

        // A quarter of the area, off its middle; fractions count down from the top edge.
        page.m_shownPart = QRectF(0.5, 0.25, 0.25, 0.25);
        page.worldtrans(data);
        const bool side = data.invers != 0;
        // Across: the side view's values, the top view's east.
        const double acrossLo = side ? whole.ymin : whole.xmin;
        const double acrossHi = side ? whole.ymax : whole.xmax;
        const double shownAcrossLo = side ? page.ymin : page.xmin;
        const double shownAcrossHi = side ? page.ymax : page.xmax;
        EXPECT_NEAR(shownAcrossLo, acrossLo + 0.5 * (acrossHi - acrossLo), 1e-9 * acrossHi);
        EXPECT_NEAR(shownAcrossHi, acrossLo + 0.75 * (acrossHi - acrossLo), 1e-9 * acrossHi);
        if (side) {
            // Depth grows downward from the top edge.
            EXPECT_NEAR(page.xmin, whole.xmin + 0.25 * (whole.xmax - whole.xmin), 1e-6);
            EXPECT_NEAR(page.xmax, whole.xmin + 0.5 * (whole.xmax - whole.xmin), 1e-6);
        } else {
            // North grows upward: a part a quarter down from the top ends a quarter
            // below the top of the whole.
            EXPECT_NEAR(page.ymax, whole.ymax - 0.25 * (whole.ymax - whole.ymin), 1e-6);
            EXPECT_NEAR(page.ymin, whole.ymax - 0.5 * (whole.ymax - whole.ymin), 1e-6);
            // The top view is to scale in every part as wide as high.
            EXPECT_NEAR((page.xmax - page.xmin) / page.m_Breite,
                (page.ymax - page.ymin) / page.m_Hoehe, 1e-9 * (page.xmax - page.xmin));
        }
        expectTicksInside(page.xmin, page.xmax, page.xstart, page.deltax);
        expectTicksInside(page.ymin, page.ymax, page.ystart, page.deltay);
        // Points are placed by the same map: a point inside the part lies inside the
        // area, one outside it outside.
        for (int i = 0; i < page.m_Punktzahl; ++i) {
            const QPoint p = page.m_Punkte[static_cast<std::size_t>(i)];
            const double depthOrEast = data.x[static_cast<std::size_t>(i)];
            const bool inside = depthOrEast > page.xmin + 1e-3 && depthOrEast < page.xmax - 1e-3;
            const int along = side ? -p.y() : p.x();
            const int length = side ? page.m_Hoehe : page.m_Breite;
            if (inside) {
                EXPECT_GE(along, 0);
                EXPECT_LE(along, length);
            } else {
                EXPECT_TRUE(along <= 1 || along >= length - 1) << i;
            }
        }
        EXPECT_NE(drawn(page, data), wholeDrawing);

        // The whole again: exactly the first page.
        page.m_shownPart = QRectF(0.0, 0.0, 1.0, 1.0);
        page.worldtrans(data);
        EXPECT_EQ(drawn(page, data), wholeDrawing);
        // And the page composed for paper never shows a part.
        page.m_shownPart = QRectF(0.1, 0.1, 0.2, 0.2);
        const graph::PageTarget sheet = graph::PageTarget::paper(QSizeF(190, 277));
        EXPECT_EQ(drawn(page.composedFor(sheet, data), data),
            drawn(whole.composedFor(sheet, data), data));
    }
}

TEST(ShownPart, AWindowPageGrowsWithTheWindow)
{
    graphtest::ensureGuiApp();
    const PlotData data = graphtest::computed(kDeviated, 0);
    GraphPage small(graph::PageTarget::windowOf(QSize(2000, 1500)));
    GraphPage large(graph::PageTarget::windowOf(QSize(4000, 2500)));
    small.OnCompute(data);
    large.OnCompute(data);
    // The window's extra room goes to the plot area, all of it.
    EXPECT_EQ(large.m_Breite - small.m_Breite, 2000);
    EXPECT_EQ(large.m_Hoehe - small.m_Hoehe, 1000);
    // The whole page lies inside its window.
    for (const GraphPage *p : { &small, &large }) {
        const QSize used = p->usedArea(data);
        EXPECT_LE(used.width(), p->m_target.window.width());
        EXPECT_LE(used.height(), p->m_target.window.height());
    }
    // A tiny window keeps a plot area to draw in (the view scrolls then).
    GraphPage tiny(graph::PageTarget::windowOf(QSize(300, 200)));
    tiny.OnCompute(data);
    EXPECT_GT(tiny.m_Breite, 0);
    EXPECT_GT(tiny.m_Hoehe, 0);
}

namespace {

// A cylinder with one neighbour coming closer with depth as it turns about the well.
CylinderData oneNeighbour(const std::string &name)
{
    CylinderData data;
    data.title = "Zylinder";
    CylinderTrack track;
    track.name = name;
    for (int i = 0; i <= 10; ++i)
        track.points.push_back({ 100.0 * i, 9.0 * i, 40.0 - 3.0 * i });
    track.closest = track.points.back();
    data.tracks.push_back(track);
    return data;
}

} // namespace

// The cylinder names its angles in degrees with the degree sign as UTF-8 (a lone Latin-1
// byte drew as a replacement character), and its zoom rings out to a part of the radius.
TEST(ShownPart, TheCylinderNamesItsAnglesAndZoomsItsRadius)
{
    graphtest::ensureGuiApp();
    const CylinderData data = oneNeighbour("Nachbar");
    const graph::PageTarget window = graph::PageTarget::windowOf(QSize(3000, 2600));
    CylinderPage page;
    page.layout(data, window);
    RecordingDrawContext rec;
    page.draw(rec, data, "zylinder.dvn");
    for (const char *name : { "30°", "90°", "180°", "330°" })
        EXPECT_NE(rec.findText(name), nullptr) << name;
    const double whole = page.rings.hi;

    page.m_shownPart = QRectF(0.25, 0.25, 0.5, 0.5);
    page.layout(data, window);
    EXPECT_LT(page.rings.hi, whole);
    EXPECT_GE(page.rings.hi, whole / 2 - 1e-9);
}

// In a window wider than high the cylinder stands in the middle of the width and its
// legend gets the width too, so that a text cut short in a square has room; a printed page
// keeps its square.
TEST(ShownPart, TheCylinderUsesAWideWindowAndPaperStaysSquare)
{
    graphtest::ensureGuiApp();
    const CylinderData data
        = oneNeighbour("Nachbar mit einem langen Namen, dessen Zeile in der Legende Platz braucht");

    CylinderPage narrow;
    narrow.layout(data, graph::PageTarget::windowOf(QSize(2600, 2600)));
    CylinderPage wide;
    wide.layout(data, graph::PageTarget::windowOf(QSize(5200, 2600)));
    EXPECT_GT(wide.areaWidth(), wide.areaHeight());
    EXPECT_NEAR(wide.centre.x(), wide.areaWidth() / 2.0, 1.0);
    // The ring is no smaller for the width, and the height still holds it.
    EXPECT_GE(wide.radius, narrow.radius);
    EXPECT_LE(wide.radius, wide.areaHeight() / 2);
    // Every text of the wide page keeps all of what the square page shows of it.
    RecordingDrawContext narrowTexts, wideTexts;
    narrow.draw(narrowTexts, data, "zylinder.dvn");
    wide.draw(wideTexts, data, "zylinder.dvn");
    const auto legendRow = [&](const RecordingDrawContext &rec) {
        for (const RecordingDrawContext::Call &c : rec.texts())
            if (c.text.rfind("Nachbar mit", 0) == 0)
                return c.text;
        return std::string();
    };
    const std::string narrowRow = legendRow(narrowTexts), wideRow = legendRow(wideTexts);
    ASSERT_FALSE(narrowRow.empty());
    EXPECT_GT(wideRow.size(), narrowRow.size()) << narrowRow << "\n" << wideRow;

    CylinderPage paper;
    paper.layout(data, graph::PageTarget::paper(QSizeF(190, 277)));
    EXPECT_EQ(paper.areaWidth(), paper.areaHeight());
    EXPECT_EQ(paper.centre.x(), paper.areaWidth() / 2);
}
