// The desktop program end to end: "Datei → Tabelle importieren …" opens the measurement
// dialog with the table import, OK there computes the survey, and the results table is
// the one the free-format example gives.
#include "guifixture.h"

#include "dialogs/dlginput.h"
#include "dialogs/qtmeasurementdialog.h"
#include "dialogs/tableimportdlg.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"
#include "shell/commandids.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

TEST(TableImportGui, ACsvThroughTheMenuIsComputedLikeTheFreeFormatFile)
{
    guiApp();
    ScriptedPrompter prompter;
    QtMeasurementDialog measurement(prompter);
    CDravonDoc doc(prompter, measurement);
    doc.OnNewDocument();
    ScriptedFrameUi ui;
    CMainFrame frame(doc, prompter, ui);
    measurement.setParent(&frame);
    frame.show();

    const QString csv = QDir(qEnvironmentVariable("DRAVON_TEST_DATA"))
                            .filePath(QStringLiteral("exchange/deviated-well-semicolon.csv"));
    // The windows as they come: the file dialog, the import dialog, then the measurement
    // dialog again with the stations in its list.
    int step = 0;
    QTimer driver;
    driver.setInterval(10);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (step == 0) {
            if (auto *files = qobject_cast<QFileDialog *>(modal)) {
                files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(csv);
                static_cast<QDialog *>(files)->accept();
                step = 1;
            }
        } else if (step == 1) {
            if (auto *import = qobject_cast<TableImportDialog *>(modal)) {
                import->buttons()->buttons().first()->click();
                step = 2;
            }
        } else if (auto *input = qobject_cast<DlgInput *>(modal);
                   input && step == 2 && input->stationList()->count() == 95) {
            input->okButton()->click();
            step = 3;
        }
    });
    driver.start();
    QTimer::singleShot(20000, [&] {
        if (QWidget *modal = QApplication::activeModalWidget())
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
    });
    frame.action(ID_TABLE_IMPORT)->trigger();
    driver.stop();
    ASSERT_EQ(step, 3);

    SurveyData reference;
    reference.vorbelegung();
    const MeasurementFileLines file
        = readMeasurementFile(QDir(qEnvironmentVariable("DRAVON_EXAMPLES"))
                                  .filePath(QStringLiteral("deviated-well.txt"))
                                  .toStdString());
    reference.m_Eingabe = readMeasurement(file.lines, FreiesFormat, 1).stations;
    reference.m_Name = "deviated-well-semicolon";
    ScriptedPrompter quiet;
    reference.berechnung(quiet);

    EXPECT_TRUE(prompter.messages().empty());
    EXPECT_EQ(doc.m_Name, "deviated-well-semicolon");
    EXPECT_EQ(doc.m_Eingabe.size(), 95u);
    ASSERT_GT(reference.m_Ergebnisse.size(), 95u);
    EXPECT_EQ(doc.m_Ergebnisse, reference.m_Ergebnisse);
}
