// Pages composed for their targets: the sheet a printable area gives, the page sizes as
// they hang together, and a graph page that depends on its target alone, never on what
// it was composed for before (the zoom never reaches the paper, printing never changes
// the screen).
#include "graph/graphpage.h"
#include "graph/pagetarget.h"
#include "graph/plotoffsets.h"
#include "graph/plotuncertainty.h"
#include "graph/sectionview.h"
#include "graphtestdata.h"
#include "offsetwells.h"
#include "recordingtext.h"

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QRectF>

#include <string>
#include <vector>

using namespace graphtest;
using graph::PageTarget;
using graph::TargetKind;

namespace {

// Every target; the sheets are A4 with 10 mm margins in both orientations.
std::vector<PageTarget> allTargets()
{
    const auto a4 = [](QPageLayout::Orientation o) {
        const QPageLayout sheet(QPageSize(QPageSize::A4), o, QMarginsF(10, 10, 10, 10));
        return PageTarget::paper(sheet.paintRect(QPageLayout::Millimeter).size());
    };
    return { PageTarget::screen(), PageTarget::screen(true), a4(QPageLayout::Portrait),
        a4(QPageLayout::Landscape), PageTarget::image(1.0), PageTarget::vector() };
}

std::string drawn(const GraphPage &page, const PlotData &d)
{
    RecordingDrawContext rec;
    page.zeichnen(rec, d, "Ziel.dvn");
    return recordingText(rec);
}

} // namespace

TEST(PageTarget, SheetsTakeTheAreasShapeAndTheZoomEnlargesTheScreen)
{
    const std::vector<PageTarget> t = allTargets();
    EXPECT_EQ(t[2].kind, TargetKind::PaperPortrait);
    EXPECT_EQ(t[3].kind, TargetKind::PaperLandscape);
    EXPECT_EQ(PageTarget::paper(QSizeF(200, 200)).kind, TargetKind::PaperLandscape);
    const graph::PageSize &screen = graph::pageSize(t[0]), &zoomed = graph::pageSize(t[1]);
    EXPECT_EQ(zoomed.areaWidth * 100, screen.areaWidth * zoomed.magnification);
    EXPECT_EQ(zoomed.areaHeight * 100, screen.areaHeight * zoomed.magnification);
    for (const PageTarget &target : t) {
        const graph::PageSize &size = graph::pageSize(target);
        // Only the screen scrolls; the files show the plain screen's page.
        EXPECT_EQ(size.scrolls, !target.onPaper());
        EXPECT_EQ(&size == &screen, target != t[1] && !target.onPaper());
        // The graph page with its titles above the area and its legends below fits.
        EXPECT_LE(GraphPage::windowOrigin(plotData({}, false, 1)).y() + size.areaHeight
                + GraphPage::kBelowArea,
            size.pageHeight);
    }
}

// Transformed for one target and then for another (as the screen's page was before
// printing composed pages of its own), a page draws what a page composed for the second
// target from the start draws: nothing of the first target stays.
TEST(PageComposition, APageDependsOnItsTargetAloneNeverOnAnEarlierOne)
{
    const SetScene s = setScene(true);
    PlotData side = plotDataOf(s.reference.path, PlotView::Side, "Referenz");
    addOffsets(side, s.picture, s.reference.path, PlotView::Side, true);
    PlotData top = plotDataOf(s.reference.path, PlotView::Top, "Referenz");
    addOffsets(top, s.picture, s.reference.path, PlotView::Top, true);
    // A deep, narrow well with uncertainty of its own that the side view to scale stands
    // upright on screen.
    const traj::Trajectory deep = trajectoryOf(
        { "500 1 30", "1000 3 35", "1500 4 40", "2000 5 40", "2500 5 42", "3000 6 45" });
    std::vector<unc::Sym3> nev;
    for (const traj::Station &st : deep.stations)
        nev.push_back(
            { 2e-6 * st.md * st.md, 3e-6 * st.md * st.md, 1e-6 * st.md * st.md, 0, 0, 0 });
    UncertaintySettings u;
    u.model = ErrorModel::IscwsaMwdRev5;
    PlotData deepSide = plotDataOf(deep, PlotView::Side, "Tief");
    addUncertainty(deepSide, deep, PlotView::Side, nev, u);

    const std::vector<PageTarget> targets = allTargets();
    const struct
    {
        const PlotData &data;
        bool trueScale;
    } cases[] = { { side, false }, { side, true }, { top, false }, { deepSide, true } };
    for (const auto &c : cases) {
        GraphPage settings;
        settings.m_bTrueScale = c.trueScale ? 1 : 0;
        std::vector<std::string> fresh;
        for (const PageTarget &t : targets)
            fresh.push_back(drawn(settings.composedFor(t, c.data), c.data));
        EXPECT_NE(fresh[0], fresh[1]);
        EXPECT_NE(fresh[2], fresh[3]);
        for (std::size_t a = 0; a < targets.size(); ++a) {
            const GraphPage first = settings.composedFor(targets[a], c.data);
            for (std::size_t b = 0; b < targets.size(); ++b) {
                GraphPage again = first;
                again.m_target = targets[b];
                again.worldtrans(c.data);
                EXPECT_EQ(drawn(again, c.data), fresh[b]) << a << " then " << b;
            }
        }
    }
}
