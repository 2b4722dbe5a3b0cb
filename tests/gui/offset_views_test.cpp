// The neighbouring wells in the desktop program: "Ansicht → Abstand" and "Ansicht →
// Zylinder" (F7, F8) and the way back by "Grafik"; the neighbours of the document's
// well drawn from its scan in the side view, the section, the ladder and the cylinder,
// on screen, with the zoom and on paper.
#include "guifixture.h"

#include "graph/view/grafik.h"
#include "shell/commandids.h"

#include <QFile>
#include <QPrinter>

#include <cmath>
#include <memory>

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

} // namespace

TEST_F(ShellTest, LadderAndCylinderAreViewsOfTheGraphAndGrafikLeadsBack)
{
    enterData(kDeviated);
    press(Qt::Key_F7);
    CGrafik *graph = frame->graphView();
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(frame->GetActiveView(), graph);
    EXPECT_EQ(graph->shown(), GraphShown::Ladder);
    frame->updateCommandUi();
    EXPECT_FALSE(frame->action(ID_VIEW_LADDER)->isEnabled());
    EXPECT_TRUE(frame->action(ID_VIEW_CYLINDER)->isEnabled());
    EXPECT_TRUE(frame->action(ID_VIEW_GRAFIK)->isEnabled());
    EXPECT_TRUE(frame->action(ID_VIEW_SECTION)->isEnabled());
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
    EXPECT_FALSE(frame->action(ID_VIEW_GRAFIK)->isEnabled());
    EXPECT_TRUE(frame->action(ID_VIEW_LADDER)->isEnabled());

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
    const int screenWidth = graph->ladderPage().m_Breite;
    graph->OnGrafiklupe();
    EXPECT_GT(graph->ladderPage().m_Breite, screenWidth);
    graph->OnGrafiklupe();
    EXPECT_EQ(graph->ladderPage().m_Breite, screenWidth);

    // On paper, one page; the screen layout afterwards.
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = temp.filePath(QStringLiteral("abstand.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    EXPECT_EQ(frame->printActiveView(printer), 1);
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_EQ(graph->ladderPage().m_bPrint, 0);
    EXPECT_EQ(graph->ladderPage().m_Breite, screenWidth);
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
