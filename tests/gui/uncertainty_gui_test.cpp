// "Ansicht → Unsicherheit" in the desktop program: greyed out with its reason until the
// well has a complete error model, then on unless the user switched it off (which is
// remembered); the graph draws what the document computed with its result, in the side
// view, the section and the top view, on screen and on paper, and a paint computes
// nothing.
#include "guifixture.h"

#include "graph/graphstyle.h"
#include "graph/view/grafik.h"
#include "shell/commandids.h"

#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

WellSettings withModel(WellSettings s)
{
    s.uncertainty.model = ErrorModel::IscwsaMwdRev5;
    s.uncertainty.totalField = 50000;
    s.uncertainty.dip = 72;
    s.declination = -4;
    return s;
}

const StringList kDeviated { "300 0 0", "600 30 60", "900 45 60", "2000 45 60" };

// How far the outline at the end of the band reaches from the last point drawn.
double endReach(const GraphPage &page)
{
    const QPoint end = page.m_Punkte[page.m_Punktzahl - 1];
    double reach = 0;
    for (const QPoint &v : page.m_spreadOutlines.back())
        reach = std::max(reach, std::hypot(v.x() - end.x(), v.y() - end.y()));
    return reach;
}

} // namespace

TEST_F(ShellTest, UncertaintyIsGreyedOutWithItsReasonUntilTheModelIsComplete)
{
    enterData(kDeviated);
    QAction *uncertainty = frame->action(ID_UNSICHERHEIT);
    ASSERT_TRUE(uncertainty->isCheckable());
    frame->updateCommandUi();
    EXPECT_FALSE(uncertainty->isEnabled());
    EXPECT_FALSE(uncertainty->isChecked());
    const QString noModel = uncertainty->toolTip();
    EXPECT_FALSE(noModel.isEmpty());
    EXPECT_EQ(uncertainty->statusTip(), noModel);
    EXPECT_TRUE(doc->stationCovariances().empty());

    // The pointer on the greyed-out item: the status bar says why.
    QMenu *menu = nullptr;
    for (QAction *entry : frame->menuBar()->actions())
        if (entry->menu() && entry->menu()->actions().contains(uncertainty))
            menu = entry->menu();
    ASSERT_NE(menu, nullptr);
    menu->popup(frame->mapToGlobal(QPoint(20, 20)));
    settle();
    QTest::mouseMove(menu, menu->actionGeometry(uncertainty).center());
    settle();
    EXPECT_EQ(frame->statusBar()->currentMessage(), noModel);
    menu->hide();
    settle();

    // A model without the total field: greyed out for another reason.
    WellSettings partial = withModel(doc->settings());
    partial.uncertainty.totalField.reset();
    doc->setWellSettings(partial);
    frame->updateCommandUi();
    EXPECT_EQ(doc->uncertaintyMissing(), unc::MissingInput::TotalField);
    EXPECT_FALSE(uncertainty->isEnabled());
    EXPECT_FALSE(uncertainty->toolTip().isEmpty());
    EXPECT_NE(uncertainty->toolTip(), noModel);
    EXPECT_TRUE(doc->stationCovariances().empty());

    // Complete: on, with a covariance for every station of the result.
    doc->setWellSettings(withModel(doc->settings()));
    frame->updateCommandUi();
    EXPECT_TRUE(uncertainty->isEnabled());
    EXPECT_TRUE(uncertainty->isChecked());
    EXPECT_EQ(doc->stationCovariances().size(), doc->trajectory().stations.size());
    EXPECT_GT(doc->stationCovariances().back().xx, 0.0);
}

TEST_F(ShellTest, UncertaintyIsDrawnFromTheDocumentAndSwitchedOffAndRemembered)
{
    enterData(kDeviated);
    doc->setWellSettings(withModel(doc->settings()));
    press(Qt::Key_F3);
    CGrafik *graph = frame->graphView();
    graph->viewport()->repaint();
    ASSERT_TRUE(graph->isUncertaintyShown());
    ASSERT_FALSE(graph->page().m_spreadOutlines.empty()) << "the band of the side view";

    // Painting computes nothing and writes nothing.
    const std::uint64_t revision = doc->dataRevision();
    const unc::Sym3 *covariances = doc->stationCovariances().data();
    graph->viewport()->repaint();
    graph->viewport()->repaint();
    EXPECT_EQ(doc->dataRevision(), revision);
    EXPECT_EQ(doc->stationCovariances().data(), covariances);

    // Another multiple of σ: the document's revision moves on, the page is scaled
    // afresh, the band's end grows by the same factor.
    const double twoSigma = endReach(graph->page());
    WellSettings three = doc->settings();
    three.uncertainty.ellipseSigma = 3;
    doc->setWellSettings(three);
    EXPECT_GT(doc->dataRevision(), revision);
    graph->viewport()->repaint();
    EXPECT_NEAR(endReach(graph->page()) / twoSigma, 1.5, 0.15);

    // Switched off: nothing drawn, and the next start remembers it.
    frame->updateCommandUi();
    frame->action(ID_UNSICHERHEIT)->trigger();
    EXPECT_FALSE(graph->isUncertaintyShown());
    graph->viewport()->repaint();
    EXPECT_TRUE(graph->page().m_spreadArea.empty());
    EXPECT_FALSE(graph->shownData().hasSpread());
    EXPECT_FALSE(frame->action(ID_UNSICHERHEIT)->isChecked());
    EXPECT_FALSE(QSettings().value(QStringLiteral("Grafik/Unsicherheit"), true).toBool());
    {
        CMainFrame next(*commands, ui);
        EXPECT_TRUE(next.action(ID_UNSICHERHEIT)->isEnabled());
        EXPECT_FALSE(next.action(ID_UNSICHERHEIT)->isChecked());
    }

    // On again: the section shows the band, the top view the ellipses.
    frame->action(ID_UNSICHERHEIT)->trigger();
    frame->action(ID_VIEW_SECTION)->trigger();
    graph->viewport()->repaint();
    EXPECT_GE(graph->page().m_spreadOutlines.size(), 2u);
    frame->action(ID_VIEW_GRAFIK)->trigger();
    dialog.script = [](LineEditor &state) {
        state.m_Ansicht = 1;
        return true;
    };
    frame->commands().OnDataChange();
    graph->viewport()->repaint();
    ASSERT_FALSE(graph->page().m_spreadPoints.empty());
    EXPECT_EQ(graph->page().m_spreadPoints.back(), graph->page().m_Punktzahl - 1);
}

TEST_F(ShellTest, UncertaintyIsPrinted)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is needed to look at the page";
    enterData(kDeviated);
    press(Qt::Key_F3);
    // The light area of the ellipses, as a pale red on the rendered page.
    const auto palePixels = [&](const QString &name) {
        const QString pdf = temp.filePath(name + QStringLiteral(".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        EXPECT_EQ(frame->printActiveView(printer), 1);
        const QString png = temp.filePath(name);
        EXPECT_EQ(QProcess::execute(pdftoppm, { "-png", "-r", "100", "-singlefile", pdf, png }), 0);
        const QImage page(png + QStringLiteral(".png"));
        const QColor fill(
            graphstyle::kSpreadFill.r, graphstyle::kSpreadFill.g, graphstyle::kSpreadFill.b);
        int pale = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                pale += std::abs(c.red() - fill.red()) < 6 && std::abs(c.green() - fill.green()) < 6
                    && std::abs(c.blue() - fill.blue()) < 6;
            }
        return pale;
    };
    // Without a model only the antialiased edges of the red curve come near it.
    const int without = palePixels(QStringLiteral("ohne"));
    doc->setWellSettings(withModel(doc->settings()));
    const int with = palePixels(QStringLiteral("mit"));
    EXPECT_GT(with, 3 * without + 500) << without << " " << with;
}
