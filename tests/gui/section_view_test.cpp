// The vertical section in the desktop program: the menu command and the way back, the
// azimuth and unit that apply (document before the remembered settings), and the path
// dialog opening in the unit chosen.
#include "guifixture.h"

#include "dialogs/pathinterpolationdlg.h"
#include "dialogs/viewsettingsdlg.h"
#include "graph/view/grafik.h"
#include "shell/commandids.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>

#include <vector>

namespace {

std::vector<QPoint> points(const GraphPage &page)
{
    return { page.m_Punkte.begin(), page.m_Punkte.begin() + page.m_Punktzahl };
}

} // namespace

TEST_F(ShellTest, SectionViewFollowsTheSettingsThatApply)
{
    enterData({ "100 0 30", "200 45 30", "1000 45 30" });
    press(Qt::Key_F3);
    CGrafik *graph = frame->graphView();
    graph->viewport()->repaint();
    const std::vector<QPoint> side = points(graph->page());

    frame->action(ID_VIEW_SECTION)->trigger();
    graph->viewport()->repaint();
    ASSERT_TRUE(graph->isSectionView());
    EXPECT_FALSE(frame->action(ID_VIEW_GRAFIK)->isChecked());
    EXPECT_TRUE(frame->action(ID_VIEW_SECTION)->isChecked());
    EXPECT_NEAR(graph->sectionAzimuth(), 30.0, 1e-6); // the final displacement's
    EXPECT_EQ(graph->page().m_Punktzahl, 4);
    EXPECT_GE(graph->page().xmax, doc->trajectory().last().tvd);

    // "Einstellungen": a fixed azimuth and feet, remembered by the program.
    doc->SetModifiedFlag(false);
    QTimer::singleShot(50, [] {
        auto *dialog = qobject_cast<ViewSettingsDlg *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->fixedButton()->setChecked(true);
        dialog->azimuthBox()->setValue(80.0);
        dialog->unitBox()->setCurrentIndex(1);
        dialog->accept();
    });
    frame->action(ID_VIEW_SETTINGS)->trigger();
    EXPECT_DOUBLE_EQ(QSettings().value(QStringLiteral("Grafik/Schnittazimut")).toDouble(), 80.0);
    EXPECT_EQ(QSettings().value(QStringLiteral("Grafik/Einheit")).toString(), QStringLiteral("ft"));
    EXPECT_NEAR(graph->sectionAzimuth(), 80.0, 1e-9);
    EXPECT_FALSE(doc->IsModified()) << "the document keeps no settings of its own";

    // A document's own azimuth wins.
    WellSettings own = doc->settings();
    own.sectionAzimuth = 10.0;
    doc->setWellSettings(own);
    EXPECT_NEAR(graph->sectionAzimuth(), 10.0, 1e-9);

    QString header;
    QTimer::singleShot(50, [&header] {
        auto *dialog = qobject_cast<PathInterpolationDlg *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        header = dialog->table()->model()->headerData(0, Qt::Horizontal).toString();
        dialog->accept();
    });
    frame->action(ID_PATH_INTERPOLATION)->trigger();
    EXPECT_EQ(header, QStringLiteral("Teufe (ft)"));

    // The printed page is the section too.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (!pdftotext.isEmpty()) {
        const QString pdf = temp.filePath(QStringLiteral("section.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        ASSERT_EQ(graph->print(printer), 1);
        QProcess text;
        text.start(pdftotext, { pdf, QStringLiteral("-") });
        ASSERT_TRUE(text.waitForFinished());
        EXPECT_TRUE(text.readAllStandardOutput().contains("Vertikalschnitt Azimut 10,0"));
    }

    // Back to the side view, drawn exactly as before.
    frame->action(ID_VIEW_GRAFIK)->trigger();
    graph->viewport()->repaint();
    EXPECT_FALSE(graph->isSectionView());
    EXPECT_TRUE(frame->action(ID_VIEW_GRAFIK)->isChecked());
    EXPECT_EQ(points(graph->page()), side);
}
