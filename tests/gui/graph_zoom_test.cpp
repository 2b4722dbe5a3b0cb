// The graph view as its user handles it: the page fills the window, the wheel zooms toward
// the pointer, the left button pans, a box drawn with Ctrl and the left button is zoomed to and
// Pos1 shows the whole well again; none of it reaches the printed page. Real wheel, mouse
// and key events go through the viewport.
#include "guifixture.h"

#include "graph/recordingdrawcontext.h"
#include "graph/view/grafik.h"
#include "shell/commandids.h"
#include "tests/graph/recordingtext.h"

#include <QDockWidget>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest/QTest>

#include <cmath>

namespace {

struct Ranges
{
    double xmin, xmax, ymin, ymax, y1min, y1max;
    bool operator==(const Ranges &) const = default;
};

Ranges rangesOf(const GraphPage &p)
{
    return { p.xmin, p.xmax, p.ymin, p.ymax, p.y1min, p.y1max };
}

// Where the view draws the i-th point of the first curve, in viewport pixels.
QPointF pixelOfPoint(const CGrafik &graph, int i)
{
    return graph.pixelAt(QPointF(graph.page().m_Punkte[static_cast<std::size_t>(i)]));
}

void wheel(CGrafik &graph, QPointF at, int notches)
{
    QWheelEvent event(at, graph.viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(graph.viewport(), &event);
}

void drag(QWidget *on, Qt::MouseButton button, QPoint from, QPoint to,
    Qt::KeyboardModifiers modifiers = {})
{
    QTest::mousePress(on, button, modifiers, from);
    // In steps, as a hand moves.
    for (int k = 1; k <= 4; ++k)
        QTest::mouseMove(on, from + (to - from) * k / 4);
    QTest::mouseRelease(on, button, modifiers, to);
}

class GraphZoom : public ShellTest
{
protected:
    CGrafik *showGraph(bool topView)
    {
        dialog.script = [topView](LineEditor &state) {
            state.m_Eingabe = surveyLines(40);
            state.m_Ansicht = topView ? 1 : 0;
            state.m_bGeaendert = 1;
            return true;
        };
        frame->commands().OnDataChange();
        press(Qt::Key_F3);
        CGrafik *graph = frame->graphView();
        graph->viewport()->repaint();
        return graph;
    }
    // The frame at a new size, the view laid out and drawn for it.
    void resizeFrame(CGrafik &graph, QSize size)
    {
        frame->resize(size);
        settle();
        graph.viewport()->repaint();
    }
};

} // namespace

TEST_F(GraphZoom, ThePageFillsTheWindowAndFollowsItsSize)
{
    CGrafik *graph = showGraph(false);
    // The panel of messages takes half of a small window's height when it is docked
    // below the views; without it the view gets the window.
    for (QDockWidget *dock : frame->findChildren<QDockWidget *>())
        dock->hide();
    resizeFrame(*graph, QSize(800, 600));
    const int smallWidth = graph->page().m_Breite, smallHeight = graph->page().m_Hoehe;
    // Everything the page draws (legends and notes below the area included) lies in the
    // window: the right and lower edges of the used area are on screen.
    const auto fits = [graph] {
        const QSize used = graph->page().usedArea(graph->shownData());
        const QPoint origin = GraphPage::windowOrigin(graph->shownData());
        const QPointF corner
            = graph->pixelAt(QPointF(origin.x() + used.width(), origin.y() - used.height()));
        return corner.x() <= graph->viewport()->width() + 1
            && corner.y() <= graph->viewport()->height() + 1;
    };
    EXPECT_TRUE(fits());
    EXPECT_EQ(graph->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(graph->verticalScrollBar()->maximum(), 0);

    resizeFrame(*graph, QSize(1400, 1000));
    EXPECT_GT(graph->page().m_Breite, smallWidth);
    EXPECT_GT(graph->page().m_Hoehe, smallHeight);
    EXPECT_TRUE(fits());
    // The area grows by about what the window grew: 600 px more across are about
    // 600 px more plot area.
    const double sx = graph->pixelAt(QPointF(1000, 0)).x() - graph->pixelAt(QPointF(0, 0)).x();
    EXPECT_NEAR((graph->page().m_Breite - smallWidth) * sx / 1000.0, 600.0, 20.0);
    EXPECT_EQ(graph->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(graph->verticalScrollBar()->maximum(), 0);
}

TEST_F(GraphZoom, WheelPanAndPos1)
{
    CGrafik *graph = showGraph(false);
    resizeFrame(*graph, QSize(1200, 900));
    const Ranges whole = rangesOf(graph->page());
    const std::vector<QPoint> wholePoints = graph->page().m_Punkte;
    const PlotData &data = graph->shownData();
    EXPECT_FALSE(graph->isZoomed());

    // Two notches toward the 25th station: it stays under the pointer, both axes show
    // less, and the station's own depth and displacement are still inside them.
    const int i = 25;
    const QPointF at = pixelOfPoint(*graph, i);
    wheel(*graph, at, 2);
    graph->viewport()->repaint();
    EXPECT_TRUE(graph->isZoomed());
    const QPointF after = pixelOfPoint(*graph, i);
    EXPECT_NEAR(after.x(), at.x(), 1.0);
    EXPECT_NEAR(after.y(), at.y(), 1.0);
    const GraphPage &p = graph->page();
    EXPECT_LT(p.xmax - p.xmin, (whole.xmax - whole.xmin) * 0.7);
    EXPECT_LT(p.ymax - p.ymin, (whole.ymax - whole.ymin) * 0.7);
    EXPECT_GE(data.x[i], p.xmin);
    EXPECT_LE(data.x[i], p.xmax);
    // The axes count in steps that suit the narrower ranges: still a handful of ticks.
    const double ticksDown = (p.xmax - p.xstart) / p.deltax;
    EXPECT_GE(ticksDown, 2.0);
    EXPECT_LE(ticksDown, 25.0);
    EXPECT_GE(p.xstart, p.xmin);
    // Zooming out again by the same notches comes back to the same ranges.
    const Ranges zoomed = rangesOf(p);

    // A drag of 90 px right and 60 px down: the station under the pointer goes with it,
    // and the ranges keep their lengths.
    const QPoint from = pixelOfPoint(*graph, i).toPoint();
    const QPoint to = from + QPoint(90, 60);
    const QPointF before = pixelOfPoint(*graph, i);
    drag(graph->viewport(), Qt::LeftButton, from, to);
    graph->viewport()->repaint();
    const QPointF moved = pixelOfPoint(*graph, i);
    EXPECT_NEAR(moved.x() - before.x(), 90.0, 1.0);
    EXPECT_NEAR(moved.y() - before.y(), 60.0, 1.0);
    EXPECT_NEAR(p.xmax - p.xmin, zoomed.xmax - zoomed.xmin, 1e-9 * (whole.xmax - whole.xmin));
    EXPECT_NEAR(p.ymax - p.ymin, zoomed.ymax - zoomed.ymin, 1e-9 * (whole.ymax - whole.ymin));
    // The data moved down and right: the depth shown begins shallower, the displacement
    // further left.
    EXPECT_LT(p.xmin, zoomed.xmin);
    EXPECT_LT(p.ymin, zoomed.ymin);

    // Pos1 in the view: exactly the first page again.
    graph->setFocus();
    QTest::keyClick(graph, Qt::Key_Home);
    graph->viewport()->repaint();
    EXPECT_FALSE(graph->isZoomed());
    EXPECT_EQ(rangesOf(graph->page()), whole);
    EXPECT_EQ(graph->page().m_Punkte, wholePoints);

    // The wheel out of the whole well shows no more than the whole well.
    wheel(*graph, at, -3);
    graph->viewport()->repaint();
    EXPECT_FALSE(graph->isZoomed());
    EXPECT_EQ(rangesOf(graph->page()), whole);
}

TEST_F(GraphZoom, TheTopViewStaysToScaleThroughABoxOfOddShape)
{
    CGrafik *graph = showGraph(true);
    resizeFrame(*graph, QSize(1200, 900));
    const auto metresPerUnit = [graph] {
        const GraphPage &p = graph->page();
        return std::pair((p.xmax - p.xmin) / p.m_Breite, (p.ymax - p.ymin) / p.m_Hoehe);
    };
    const auto [acrossWhole, upWhole] = metresPerUnit();
    ASSERT_NEAR(acrossWhole / upWhole, 1.0, 1e-9);

    // A flat box around the middle of the curve, four times as wide as high.
    const QPointF middle = pixelOfPoint(*graph, 30);
    const QPoint a = (middle - QPointF(120, 30)).toPoint(), b = (middle + QPointF(120, 30)).toPoint();
    const QPointF cornerA = graph->logicalAt(a), cornerB = graph->logicalAt(b);
    const GraphPage &p = graph->page();
    // The box's corners in metres before the zoom.
    const auto east = [&p](double x) { return p.xmin + x / p.m_Breite * (p.xmax - p.xmin); };
    const auto north
        = [&p](double y) { return p.ymin + (y + p.m_Hoehe) / p.m_Hoehe * (p.ymax - p.ymin); };
    const double east0 = east(cornerA.x()), east1 = east(cornerB.x());
    const double north0 = north(cornerB.y()), north1 = north(cornerA.y());

    drag(graph->viewport(), Qt::LeftButton, a, b, Qt::ControlModifier);
    graph->viewport()->repaint();
    ASSERT_TRUE(graph->isZoomed());
    const auto [across, up] = metresPerUnit();
    EXPECT_NEAR(across / up, 1.0, 1e-9);
    EXPECT_LT(across, acrossWhole / 2);
    // All of the box is shown, the wide side from edge to edge.
    EXPECT_LE(p.xmin, east0 + 1e-6);
    EXPECT_GE(p.xmax, east1 - 1e-6);
    EXPECT_LE(p.ymin, north0 + 1e-6);
    EXPECT_GE(p.ymax, north1 - 1e-6);
    EXPECT_NEAR(p.xmax - p.xmin, east1 - east0, 0.02 * (east1 - east0));

    // A wheel step and a drag keep the scales equal too.
    wheel(*graph, middle + QPointF(40, -25), 1);
    drag(graph->viewport(), Qt::LeftButton, QPoint(300, 300), QPoint(200, 350));
    graph->viewport()->repaint();
    const auto [across2, up2] = metresPerUnit();
    EXPECT_NEAR(across2 / up2, 1.0, 1e-9);
}

TEST_F(GraphZoom, NoZoomReachesThePaperAndNewDataShowTheWholeWell)
{
    CGrafik *graph = showGraph(false);
    const std::string title = doc->titleText();
    const auto drawn = [graph](const graph::PageTarget &target) {
        RecordingDrawContext rec;
        graph->drawPageFor(target, rec);
        return graphtest::recordingText(rec);
    };
    const graph::PageTarget sheet = graph::PageTarget::paper(QSizeF(190, 277));
    const graph::PageTarget picture = graph::PageTarget::image(0.5);
    const std::string paper = drawn(sheet), image = drawn(picture);
    const Ranges whole = rangesOf(graph->page());

    wheel(*graph, QPointF(300, 250), 3);
    graph->viewport()->repaint();
    ASSERT_TRUE(graph->isZoomed());
    frame->updateCommandUi();
    EXPECT_TRUE(frame->action(ID_GRAFIKLUPE)->isChecked());
    EXPECT_EQ(drawn(sheet), paper);
    EXPECT_EQ(drawn(picture), image);

    // New stations: the new well is shown whole, not the old part of the old one.
    dialog.script = [](LineEditor &state) {
        state.m_Eingabe = surveyLines(60);
        state.m_bGeaendert = 1;
        return true;
    };
    frame->commands().OnDataChange();
    graph->viewport()->repaint();
    EXPECT_FALSE(graph->isZoomed());
    EXPECT_GT(graph->page().xmax, whole.xmax);

    // "Ganze Bohrung zeigen" after the zoom of the menu.
    frame->action(ID_GRAFIKLUPE)->trigger();
    EXPECT_TRUE(graph->isZoomed());
    frame->action(ID_GANZE_BOHRUNG)->trigger();
    EXPECT_FALSE(graph->isZoomed());
    press(Qt::Key_F4);
    EXPECT_FALSE(frame->action(ID_GANZE_BOHRUNG)->isEnabled());
}
