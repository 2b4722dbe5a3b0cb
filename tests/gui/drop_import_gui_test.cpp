// Files dropped on the main window: a LAS or WITSML survey opens the measurement dialog
// with the import dialog and its preview (a WITSML file's trajectory chosen there), a
// measurement file opens the measurement dialog with its stations read; nothing reaches
// the document before OK, and Abbrechen leaves it as it was.
#include "guifixture.h"

#include "dialogs/dlginput.h"
#include "dialogs/qtmeasurementdialog.h"
#include "dialogs/tableimportdlg.h"
#include "exchange/witsmlfile.h"
#include "export/exportformats.h"
#include "shell/commandids.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

struct DropWindow
{
    bool app = (guiApp(), true); // before the first widget
    ScriptedPrompter prompter;
    QtMeasurementDialog measurement { prompter };
    CDravonDoc doc;
    DocumentCommands commands { doc, prompter, measurement };
    ScriptedFrameUi ui;
    CMainFrame frame { commands, ui };

    DropWindow()
    {
        doc.reset();
        measurement.setParent(&frame);
        frame.show();
    }

    // Drops `path` on the window and hands each modal window, as it comes, to `step`
    // until it returns true for the last one; false when the script did not finish.
    bool drop(const QString &path, const std::vector<std::function<bool(QWidget *)>> &steps)
    {
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(path) });
        QDragEnterEvent enter(
            QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &enter);
        if (!enter.isAccepted())
            return false;
        size_t next = 0;
        QTimer driver;
        driver.setInterval(10);
        QObject::connect(&driver, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && next < steps.size() && steps[next](modal))
                ++next;
        });
        driver.start();
        QTimer::singleShot(20000, [&] {
            while (QWidget *modal = QApplication::activeModalWidget())
                if (auto *dialog = qobject_cast<QDialog *>(modal))
                    dialog->reject();
        });
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &dropped);
        // The drop returns at once; the dialogs run from the event loop.
        for (int i = 0; i < 500 && next < steps.size(); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        driver.stop();
        return next == steps.size();
    }
};

QString testFile(const char *name)
{
    return QDir(qEnvironmentVariable("DRAVON_TEST_DATA")).filePath(QString::fromUtf8(name));
}

} // namespace

TEST(DropImport, LasFileThroughThePreviewIntoTheDocument)
{
    DropWindow w;
    int previewRows = 0;
    QString stationShown;
    const bool done = w.drop(testFile("exchange/build-metres.las"),
        { [&](QWidget *modal) {
             auto *import = qobject_cast<TableImportDialog *>(modal);
             if (!import)
                 return false;
             previewRows = import->preview()->rowCount();
             stationShown = import->stationPreview()->item(1)->text();
             // No delimiter to choose in a LAS file, nor a sheet.
             EXPECT_FALSE(import->delimiterBox()->isVisible());
             EXPECT_FALSE(import->sheetBox()->isVisible());
             import->buttons()->buttons().first()->click();
             return true;
         },
            [&](QWidget *modal) {
                auto *input = qobject_cast<DlgInput *>(modal);
                if (!input || input->stationCount() != 21)
                    return false;
                // The well's name from the file: the new document has none.
                EXPECT_EQ(input->nameEdit()->text(), QStringLiteral("Aufbau 3-30"));
                input->okButton()->click();
                return true;
            } });
    ASSERT_TRUE(done);
    EXPECT_GT(previewRows, 20);
    EXPECT_EQ(stationShown.simplified(), QStringLiteral("30.00 3.00 45.00"));
    EXPECT_TRUE(w.prompter.messages().empty());
    EXPECT_EQ(w.doc.name(), "Aufbau 3-30");
    EXPECT_EQ(w.doc.well().survey.size(), 21u);
    EXPECT_EQ(w.doc.well().survey.stations().back(), (well::Station { 600, 60, 45 }));
    EXPECT_TRUE(w.doc.IsModified());

    // "Exportieren …" as WITSML: the azimuths' north from the well's settings, and the
    // file read back gives the computed stations.
    WellSettings settings = w.doc.settings();
    settings.north = NorthReference::Magnetic;
    w.doc.setWellSettings(settings);
    const auto &formats = surveyexport::exportFormats();
    const auto witsml = std::find_if(formats.begin(), formats.end(),
        [](const auto &entry) { return entry.format == surveyexport::ExportFormat::Witsml; });
    ASSERT_NE(witsml, formats.end());
    QTemporaryDir temp;
    w.ui.exportNames = { temp.filePath(QStringLiteral("bahn")) };
    w.ui.exportFilter = static_cast<int>(witsml - formats.begin());
    w.frame.updateCommandUi();
    w.frame.action(ID_FILE_EXPORT)->trigger();
    QFile file(temp.filePath(QStringLiteral("bahn.xml")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string bytes = file.readAll().toStdString();
    EXPECT_NE(bytes.find("<aziRef>magnetic north</aziRef>"), std::string::npos);
    const exchange::SurveyFileRead back = exchange::readWitsml(bytes, "");
    ASSERT_FALSE(back.fault);
    EXPECT_EQ(back.wellName, "Aufbau 3-30");
    const exchange::StationImport stations = exchange::importStations(back.table, {});
    const auto &computed = w.doc.trajectory().stations;
    ASSERT_EQ(stations.survey.size(), computed.size());
    for (size_t k = 0; k < computed.size(); ++k) {
        EXPECT_EQ(stations.survey.stations()[k].md, computed[k].md);
        EXPECT_EQ(stations.survey.stations()[k].inclination, computed[k].inclination);
    }
}

TEST(DropImport, WitsmlTrajectoryIsChosenInTheDialog)
{
    DropWindow w;
    QStringList trajectories;
    const bool done = w.drop(testFile("exchange/two-trajectories.xml"),
        { [&](QWidget *modal) {
             auto *import = qobject_cast<TableImportDialog *>(modal);
             if (!import)
                 return false;
             for (int i = 0; i < import->sheetBox()->count(); ++i)
                 trajectories << import->sheetBox()->itemText(i);
             EXPECT_TRUE(import->sheetBox()->isVisible());
             import->sheetBox()->setCurrentIndex(1);
             EXPECT_EQ(import->stationPreview()->count(), 4);
             import->buttons()->buttons().first()->click();
             return true;
         },
            [&](QWidget *modal) {
                auto *input = qobject_cast<DlgInput *>(modal);
                if (!input || input->stationCount() != 4)
                    return false;
                input->okButton()->click();
                return true;
            } });
    ASSERT_TRUE(done);
    EXPECT_EQ(trajectories, (QStringList { "Plan", QString::fromUtf8("Definitiv & geprüft") }));
    EXPECT_EQ(w.doc.name(), "Feld Nord 7 A");
    ASSERT_EQ(w.doc.well().survey.size(), 4u);
    EXPECT_DOUBLE_EQ(w.doc.well().survey.stations()[3].md, 914.4);
}

TEST(DropImport, MeasurementFileIsReadAndCancelLeavesTheDocument)
{
    DropWindow w;
    const QString example = QDir(qEnvironmentVariable("DRAVON_EXAMPLES"))
                                .filePath(QStringLiteral("deviated-well.txt"));
    int shown = 0;
    const bool done = w.drop(example, { [&](QWidget *modal) {
        auto *input = qobject_cast<DlgInput *>(modal);
        if (!input || input->stationCount() == 0)
            return false;
        shown = input->stationCount();
        input->cancelButton()->click();
        return true;
    } });
    ASSERT_TRUE(done);
    EXPECT_EQ(shown, 95);
    EXPECT_TRUE(w.doc.well().survey.empty());
    EXPECT_FALSE(w.doc.IsModified());

    // A file that is refused leaves the document as it was too.
    QTemporaryDir temp;
    const QString broken = temp.filePath(QStringLiteral("kaputt.las"));
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("~VERSION\n VERS. 2.0 :\n WRAP. YES :\n");
    }
    const size_t before = w.prompter.messages().size();
    const bool refused = w.drop(broken, { [&](QWidget *modal) {
        auto *input = qobject_cast<DlgInput *>(modal);
        if (!input || w.prompter.messages().size() == before)
            return false;
        input->okButton()->click();
        return true;
    } });
    ASSERT_TRUE(refused);
    // Reading the measurement file said which file it opens; the refusal is one more.
    ASSERT_EQ(w.prompter.messages().size(), before + 1);
    EXPECT_NE(w.prompter.messages().back().find("WRAP YES"), std::string::npos);
    EXPECT_TRUE(w.doc.well().survey.empty());
}
