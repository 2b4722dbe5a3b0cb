// The graph to scale in the desktop program: the remembered "Maßstabsgetreu" setting,
// and the plan view's direction on printed portrait and landscape pages, measured on
// the pages rendered back from the PDF.
#include "guifixture.h"

#include "graph/view/grafik.h"
#include "shell/commandids.h"
#include "tests/graph/curveangle.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

TEST_F(ShellTest, TrueScaleIsRememberedAndReachesTheGraphView)
{
    QAction *trueScale = frame->action(ID_MASSSTABSGETREU);
    ASSERT_TRUE(trueScale->isCheckable());
    EXPECT_FALSE(trueScale->isChecked());
    enterData({ "100 0 0", "200 45 30", "1000 45 30" });
    press(Qt::Key_F3);
    CGrafik *graph = frame->graphView();
    graph->viewport()->repaint();
    EXPECT_GT(graph->page().scaleRatio(graph->shownData()), 1.05); // the side view exaggerates

    trueScale->trigger();
    EXPECT_NEAR(graph->page().scaleRatio(graph->shownData()), 1.0, 1e-9);
    EXPECT_TRUE(QSettings().value(QStringLiteral("Grafik/Massstabsgetreu")).toBool());
    // A new frame starts with the stored choice.
    EXPECT_TRUE(CMainFrame(*commands, ui).action(ID_MASSSTABSGETREU)->isChecked());
    trueScale->trigger();
    EXPECT_FALSE(graph->isTrueScale());
    EXPECT_FALSE(QSettings().value(QStringLiteral("Grafik/Massstabsgetreu")).toBool());
}

class PlanViewPrinting : public ShellTest,
                         public ::testing::WithParamInterface<QPageLayout::Orientation>
{
};

TEST_P(PlanViewPrinting, ShowsTheTrueDirectionOnPaper)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is needed to look at the page";
    dialog.script = [](LineEditor &state) {
        state.m_Eingabe = { "100 0 30", "200 45 30", "1000 45 30" };
        state.m_Ansicht = 1;
        state.m_bGeaendert = 1;
        return true;
    };
    frame->commands().OnDataChange();
    press(Qt::Key_F3);
    const QString pdf = temp.filePath(QStringLiteral("plan.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), GetParam(), QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    ASSERT_EQ(frame->printActiveView(printer), 1);

    const QString png = temp.filePath(QStringLiteral("plan"));
    ASSERT_EQ(QProcess::execute(pdftoppm, { "-png", "-r", "100", "-singlefile", pdf, png }), 0);
    const QImage page(png + QStringLiteral(".png"));
    EXPECT_EQ(page.width() > page.height(), GetParam() == QPageLayout::Landscape);
    EXPECT_NEAR(graphtest::redCurveAngle(page), 30.0, 0.5);
}

INSTANTIATE_TEST_SUITE_P(PortraitAndLandscape, PlanViewPrinting,
    ::testing::Values(QPageLayout::Portrait, QPageLayout::Landscape));

// The view reads the document and scales afresh exactly when its data revision moves
// on: a new name or new settings are drawn with the scaling the data already have.
TEST_F(ShellTest, GraphViewScalesAgainOnlyForNewData)
{
    enterData({ "100 0 30", "200 45 30", "1000 45 30" });
    press(Qt::Key_F3);
    CGrafik *graph = frame->graphView();
    graph->viewport()->repaint();
    ASSERT_EQ(graph->page().m_bComputed, 1);
    const std::uint64_t seen = graph->page().m_scaledRevision;
    const std::uint64_t revision = doc->dataRevision();
    const double depth = graph->page().xmax;
    EXPECT_GE(depth, doc->plotTrajectory().last().tvd);

    // Settings of the well are no new data; the page keeps its scaling.
    WellSettings settings = doc->settings();
    settings.sectionAzimuth = 45.0;
    doc->setWellSettings(settings);
    graph->viewport()->repaint();
    EXPECT_EQ(doc->dataRevision(), revision);
    EXPECT_EQ(graph->page().m_scaledRevision, seen);

    // A deeper well is: the next drawing scales it, and the view changed nothing in the
    // document while doing so.
    enterData({ "100 0 30", "200 45 30", "3000 45 30" });
    const std::uint64_t newRevision = doc->dataRevision();
    ASSERT_NE(newRevision, revision);
    graph->viewport()->repaint();
    EXPECT_NE(graph->page().m_scaledRevision, seen);
    EXPECT_GT(graph->page().xmax, depth);
    EXPECT_GE(graph->page().xmax, doc->plotTrajectory().last().tvd);
    EXPECT_EQ(graph->shownData().count(), 4);
    EXPECT_EQ(doc->dataRevision(), newRevision);
    graph->viewport()->repaint();
    EXPECT_EQ(doc->dataRevision(), newRevision);
}
