// The neighbouring wells in the desktop program: "Ansicht → Abstand" and "Ansicht →
// Zylinder" (F7, F8) and the way back by "Grafik"; the neighbours of the document's
// well drawn from its scan in the side view, the section, the ladder and the cylinder,
// on screen, with the zoom and on paper.
#include "guifixture.h"

#include "dialogs/viewsettingsdlg.h"
#include "graph/recordingdrawcontext.h"
#include "graph/view/grafik.h"
#include "shell/commandids.h"
#include "tests/graph/recordingtext.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <sstream>

namespace {

const StringList kDeviated { "300 0 0", "600 30 60", "900 45 60", "1500 45 60" };

// Two neighbours for the document's well: a vertical one 40 m east of its slot and a copy
// of its own survey 15 m north.
void addNeighbours(CDravonDoc &doc)
{
    WellSettings s = doc.settings();
    OffsetWell vertical;
    vertical.name = "Senkrecht";
    vertical.slotEast = 40;
    vertical.stations = { { 0, 0, 0 }, { 1600, 0, 0 } };
    OffsetWell beside;
    beside.name = "Daneben";
    beside.slotNorth = 15;
    beside.stations = doc.well().survey.stations();
    s.offsets = { vertical, beside };
    doc.setWellSettings(s);
}

// The page the view shows, as it composed it for the screen: drawn onto a recording,
// with the graph page's scaling behind it.
std::string screenPage(CGrafik &graph, const std::string &title)
{
    RecordingDrawContext rec;
    if (graph.shown() == GraphShown::Ladder)
        graph.ladderPage().draw(rec, graph.ladderData(), title);
    else if (graph.shown() == GraphShown::Cylinder)
        graph.cylinderPage().draw(rec, graph.cylinderData(), title);
    else
        graph.page().zeichnen(rec, graph.shownData(), title);
    const GraphPage &p = graph.page();
    std::ostringstream scaling;
    scaling.precision(17);
    for (const double v : { p.xmin, p.xmax, p.xstart, p.deltax, p.ymin, p.ymax, p.ystart, p.deltay,
             p.y1min, p.y1max, p.y1start, p.deltay1 })
        scaling << v << ' ';
    return graphtest::recordingText(rec) + scaling.str();
}

// The page shown composed for `target` straight from the view's data and settings.
std::string composedPage(CGrafik &graph, const graph::PageTarget &target, const std::string &title)
{
    RecordingDrawContext rec;
    if (graph.shown() == GraphShown::Ladder) {
        LadderPage page;
        page.layout(graph.ladderData(), target);
        page.draw(rec, graph.ladderData(), title);
    } else if (graph.shown() == GraphShown::Cylinder) {
        CylinderPage page;
        page.layout(graph.cylinderData(), target);
        page.draw(rec, graph.cylinderData(), title);
    } else {
        GraphPage page(target);
        page.m_bTrueScale = graph.isTrueScale() ? 1 : 0;
        page.OnCompute(graph.shownData());
        page.zeichnen(rec, graph.shownData(), title);
    }
    return graphtest::recordingText(rec);
}

// What the view puts on paper for `target`.
std::string printedPage(CGrafik &graph, const graph::PageTarget &target)
{
    RecordingDrawContext rec;
    graph.drawPageFor(target, rec);
    return graphtest::recordingText(rec);
}

} // namespace

// Every page shown, with the neighbours: printing while the screen is zoomed puts the
// page composed for the sheet on paper, the same as without the zoom, and leaves the
// screen's page, its scaling and what the window shows exactly as they were.
TEST_F(ShellTest, PrintingComposesAPageOfItsOwnAndLeavesTheZoomedScreenAsItWas)
{
    enterData(kDeviated);
    addNeighbours(*doc);
    press(Qt::Key_F3);
    CGrafik *graph = frame->graphView();
    ASSERT_NE(graph, nullptr);
    const std::string title = doc->titleText();
    const struct
    {
        const char *name;
        std::function<void()> show;
    } pages[] = { { "side view", [] {} },
        { "side view to scale", [&] { frame->action(ID_MASSSTABSGETREU)->trigger(); } },
        { "section", [&] { frame->action(ID_VIEW_SECTION)->trigger(); } },
        { "ladder", [&] { press(Qt::Key_F7); } }, { "cylinder", [&] { press(Qt::Key_F8); } } };
    const QPageLayout::Orientation orientations[]
        = { QPageLayout::Portrait, QPageLayout::Landscape };
    for (const auto &shown : pages) {
        SCOPED_TRACE(shown.name);
        shown.show();
        graph->viewport()->repaint();
        ASSERT_FALSE(graph->isZoomed());
        const std::string plain = printedPage(*graph, graph::PageTarget::paper(QSizeF(190, 277)));

        graph->OnGrafiklupe();
        graph->viewport()->repaint();
        const std::string screen = screenPage(*graph, title);
        const QImage seen = graph->viewport()->grab().toImage();
        for (const QPageLayout::Orientation o : orientations) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(temp.filePath(QStringLiteral("zoomed.pdf")));
            printer.setPageLayout(QPageLayout(
                QPageSize(QPageSize::A4), o, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
            const graph::PageTarget sheet = graph::PageTarget::paper(
                printer.pageLayout().paintRectPixels(printer.resolution()).size());
            EXPECT_EQ(printedPage(*graph, sheet), composedPage(*graph, sheet, title));
            if (o == QPageLayout::Portrait) {
                EXPECT_EQ(printedPage(*graph, sheet), plain) << "the zoom reached the paper";
            }
            EXPECT_EQ(graph->print(printer), 1);
            EXPECT_EQ(screenPage(*graph, title), screen) << "printing changed the screen's page";
        }
        graph->viewport()->repaint();
        EXPECT_EQ(graph->viewport()->grab().toImage(), seen);
        graph->OnGrafiklupe();
    }
}

TEST_F(ShellTest, LadderAndCylinderAreViewsOfTheGraphAndGrafikLeadsBack)
{
    enterData(kDeviated);
    press(Qt::Key_F7);
    CGrafik *graph = frame->graphView();
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(frame->GetActiveView(), graph);
    EXPECT_EQ(graph->shown(), GraphShown::Ladder);
    frame->updateCommandUi();
    EXPECT_TRUE(frame->action(ID_VIEW_LADDER)->isChecked());
    EXPECT_FALSE(frame->action(ID_VIEW_CYLINDER)->isChecked());
    EXPECT_FALSE(frame->action(ID_VIEW_GRAFIK)->isChecked());
    EXPECT_FALSE(frame->action(ID_VIEW_SECTION)->isChecked());
    graph->viewport()->repaint();
    EXPECT_TRUE(graph->ladderData().curves.empty()) << "a well without neighbours";

    press(Qt::Key_F8);
    EXPECT_EQ(graph->shown(), GraphShown::Cylinder);
    frame->action(ID_VIEW_SECTION)->trigger();
    EXPECT_TRUE(graph->isSectionView());
    press(Qt::Key_F7);
    EXPECT_EQ(graph->shown(), GraphShown::Ladder);
    EXPECT_FALSE(graph->isSectionView());
    press(Qt::Key_F3);
    EXPECT_EQ(graph->shown(), GraphShown::Plot);
    frame->updateCommandUi();
    EXPECT_TRUE(frame->action(ID_VIEW_GRAFIK)->isChecked());
    EXPECT_FALSE(frame->action(ID_VIEW_LADDER)->isChecked());

    // From the text view the keys lead into the graph as well.
    press(Qt::Key_F4);
    press(Qt::Key_F8);
    EXPECT_EQ(frame->GetActiveView(), graph);
    EXPECT_EQ(graph->shown(), GraphShown::Cylinder);
}

TEST_F(ShellTest, TheNeighboursAreDrawnInEveryViewOnScreenAndOnPaper)
{
    enterData(kDeviated);
    press(Qt::Key_F3);
    CGrafik *graph = frame->graphView();
    graph->viewport()->repaint();
    ASSERT_TRUE(graph->page().m_offsetPoints.empty());
    const double alone = graph->page().ymin;

    addNeighbours(*doc);
    EXPECT_EQ(doc->clearance().offsets.size(), 2u);
    graph->viewport()->repaint();
    ASSERT_EQ(graph->page().m_offsetPoints.size(), 2u);
    EXPECT_EQ(graph->page().m_offsetPoints[0].size(), 2u);
    // The side view reads the well 40 m east along the displacement at 60 degrees: the
    // axis takes it in.
    EXPECT_LE(graph->page().ymin, alone);
    frame->action(ID_VIEW_SECTION)->trigger();
    graph->viewport()->repaint();
    EXPECT_EQ(graph->shownData().offsets.size(), 2u);
    EXPECT_EQ(graph->page().m_offsetPoints.size(), 2u);

    press(Qt::Key_F7);
    graph->viewport()->repaint();
    ASSERT_EQ(graph->ladderData().curves.size(), 2u);
    ASSERT_EQ(graph->ladderPage().distanceRuns.size(), 2u);
    EXPECT_FALSE(graph->ladderPage().distanceRuns[1].empty());
    // At the end of the straight hole (45 degrees toward 60 degrees) the copy 15 m north
    // lies 15 m times the sine of the angle between north and the hole away.
    const double along
        = std::sin(45 * std::acos(-1.0) / 180) * std::cos(60 * std::acos(-1.0) / 180);
    EXPECT_NEAR(
        graph->ladderData().curves[1].distance.back(), 15 * std::sqrt(1 - along * along), 1e-3);
    // The ladder fills the window; the zoom shows a part of its depths in the same area
    // (it no longer enlarges a fixed page).
    const int screenWidth = graph->ladderPage().areaWidth();
    const graph::PageTarget screen = graph->ladderPage().target();
    const double depths = graph->ladderPage().md.hi - graph->ladderPage().md.lo;
    graph->OnGrafiklupe();
    graph->viewport()->repaint();
    EXPECT_TRUE(graph->isZoomed());
    EXPECT_EQ(graph->ladderPage().areaWidth(), screenWidth);
    EXPECT_NEAR(graph->ladderPage().md.hi - graph->ladderPage().md.lo, depths / 1.5, 1e-9 * depths);
    graph->OnGrafiklupe();
    graph->viewport()->repaint();
    EXPECT_EQ(graph->ladderPage().areaWidth(), screenWidth);
    EXPECT_EQ(graph->ladderPage().md.hi - graph->ladderPage().md.lo, depths);

    // On paper, one page; the screen layout afterwards.
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = temp.filePath(QStringLiteral("abstand.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    EXPECT_EQ(frame->printActiveView(printer), 1);
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_EQ(graph->ladderPage().target(), screen);
    EXPECT_EQ(graph->ladderPage().areaWidth(), screenWidth);
    // "Bild speichern" writes the page that is shown, not the side view behind it.
    auto savedText = [&](const QString &name) {
        const QString path = temp.filePath(name);
        EXPECT_TRUE(frame->saveImage(path));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll());
    };
    const QString ladderSvg = savedText(QStringLiteral("abstand.svg"));
    EXPECT_TRUE(ladderSvg.contains(QString::fromUtf8("Nachbarbohrungen über der Teufe")));
    EXPECT_FALSE(ladderSvg.contains(QStringLiteral("Mitlaufender Zylinder")));

    press(Qt::Key_F8);
    EXPECT_TRUE(savedText(QStringLiteral("zylinder.svg"))
                    .contains(QStringLiteral("Mitlaufender Zylinder")));
    graph->viewport()->repaint();
    ASSERT_EQ(graph->cylinderPage().runs.size(), 2u);
    EXPECT_FALSE(graph->cylinderPage().runs[1].empty());
    // The well beside lies north of the reference: left of its high side where the hole
    // heads 60 degrees east of north.
    for (const CylinderPoint &p : graph->cylinderData().tracks[1].points)
        if (p.md > 700) {
            EXPECT_GT(p.angle, 180);
            EXPECT_LT(p.angle, 360);
        }

    // Gone again: the views draw the well alone.
    WellSettings none = doc->settings();
    none.offsets.clear();
    doc->setWellSettings(none);
    graph->viewport()->repaint();
    EXPECT_TRUE(graph->cylinderData().tracks.empty());
    press(Qt::Key_F3);
    graph->viewport()->repaint();
    EXPECT_TRUE(graph->page().m_offsetPoints.empty());
}

// "Einstellungen" fixes the cylinder's outer ring for the screen and the paper, the program
// remembers it, the document keeps nothing of it; emptied, the cylinder chooses again.
TEST_F(ShellTest, TheCylindersOuterRingComesFromTheViewSettings)
{
    enterData(kDeviated);
    addNeighbours(*doc);
    press(Qt::Key_F8);
    CGrafik *graph = frame->graphView();
    graph->viewport()->repaint();
    const double automatic = graph->cylinderPage().rings.hi;
    double nearest = 1e9;
    for (const CylinderTrack &t : graph->cylinderData().tracks)
        if (t.closest)
            nearest = std::min(nearest, t.closest->distance);
    EXPECT_GE(nearest, automatic / 3 - 1e-9);
    EXPECT_LE(nearest, automatic);

    const auto settings = [&](const QString &typed) {
        QTimer::singleShot(50, [typed] {
            auto *dialog = qobject_cast<ViewSettingsDlg *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->cylinderRadiusBox()->setText(typed);
            dialog->accept();
        });
        frame->action(ID_VIEW_SETTINGS)->trigger();
        graph->viewport()->repaint();
    };
    doc->SetModifiedFlag(false);
    settings(QStringLiteral("62,5"));
    EXPECT_DOUBLE_EQ(QSettings().value(QStringLiteral("Grafik/Zylinderradius")).toDouble(), 62.5);
    EXPECT_EQ(graph->cylinderPage().rings.hi, 62.5);
    EXPECT_NE(printedPage(*graph, graph::PageTarget::paper(QSizeF(190, 270))).find("62,5 m"),
        std::string::npos);
    EXPECT_FALSE(doc->IsModified());

    // The dialog shows the ring as it is; emptied, the cylinder chooses again.
    QString shown;
    QTimer::singleShot(50, [&shown] {
        auto *dialog = qobject_cast<ViewSettingsDlg *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = dialog->cylinderRadiusBox()->text();
        dialog->cylinderRadiusBox()->clear();
        dialog->accept();
    });
    frame->action(ID_VIEW_SETTINGS)->trigger();
    graph->viewport()->repaint();
    EXPECT_EQ(shown, QStringLiteral("62,5"));
    EXPECT_FALSE(QSettings().contains(QStringLiteral("Grafik/Zylinderradius")));
    EXPECT_EQ(graph->cylinderPage().rings.hi, automatic);
}
