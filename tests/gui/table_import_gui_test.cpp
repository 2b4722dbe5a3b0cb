// The desktop program end to end: "Datei → Tabelle importieren …" opens the measurement
// dialog with the table import, OK there computes the survey, and the results table is
// the one the free-format example gives; "Exportieren …" and "Kopieren" then give the
// computed stations back as files and on the clipboard.
#include "guifixture.h"

#include "dialogs/dlginput.h"
#include "dialogs/qtmeasurementdialog.h"
#include "dialogs/tableimportdlg.h"
#include "exchange/xlsxfile.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"
#include "shell/commandids.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

TEST(TableImportGui, ACsvThroughTheMenuIsComputedLikeTheFreeFormatFile)
{
    guiApp();
    ScriptedPrompter prompter;
    QtMeasurementDialog measurement(prompter);
    CDravonDoc doc;
    doc.reset();
    DocumentCommands commands(doc, prompter, measurement);
    ScriptedFrameUi ui;
    CMainFrame frame(commands, ui);
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
                   input && step == 2 && input->stationCount() == 95) {
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

    // The same survey read from the measurement file and computed alone.
    const MeasurementFileLines file
        = readMeasurementFile(QDir(qEnvironmentVariable("DRAVON_EXAMPLES"))
                                  .filePath(QStringLiteral("deviated-well.txt"))
                                  .toStdString());
    well::Well referenceWell;
    referenceWell.survey = well::surveyFromLines(readMeasurement(file.lines, FreiesFormat, 1).stations);
    referenceWell.name = "deviated-well-semicolon";
    const well::Computation reference = well::compute(referenceWell);

    EXPECT_TRUE(prompter.messages().empty());
    EXPECT_EQ(doc.name(), "deviated-well-semicolon");
    EXPECT_EQ(doc.well().survey.lines().size(), 95u);
    ASSERT_GT(reference.table.size(), 95u);
    EXPECT_EQ(doc.resultsTable(), reference.table);

    // Exported again: each file of the three filters, the name's extension added where
    // it has none, the numbers those of the computed trajectory to the last bit.
    const traj::Trajectory &t = doc.trajectory();
    ASSERT_EQ(t.stations.size(), 96u);
    QTemporaryDir temp;
    const std::string dir = temp.path().toStdString();
    const auto read = [](const std::string &path) {
        std::ostringstream s;
        s << std::ifstream(path, std::ios::binary).rdbuf();
        return s.str();
    };
    // Fields of a line; `column` of every data line as numbers.
    const auto column = [](const std::string &text, char delimiter, char decimal, int column) {
        std::vector<double> values;
        std::istringstream lines(text);
        std::string line;
        std::getline(lines, line); // the header
        while (std::getline(lines, line)) {
            std::istringstream fields(line);
            std::string field;
            for (int c = 0; c <= column; ++c)
                std::getline(fields, field, delimiter);
            std::replace(field.begin(), field.end(), decimal, '.');
            double v = NAN;
            std::from_chars(field.data(), field.data() + field.size(), v);
            values.push_back(v);
        }
        return values;
    };
    std::vector<double> tvd;
    for (const traj::Station &s : t.stations)
        tvd.push_back(s.tvd);
    frame.updateCommandUi(); // as the menu does when it opens
    EXPECT_TRUE(frame.action(ID_FILE_EXPORT)->isEnabled());
    ui.exportNames = { QString::fromStdString(dir + "/plain.csv") };
    ui.exportFilter = 0;
    frame.action(ID_FILE_EXPORT)->trigger();
    const std::string plain = read(dir + "/plain.csv");
    EXPECT_EQ(plain.substr(0, 10), "Teufe (m),");
    EXPECT_EQ(column(plain, ',', '.', 3), tvd);

    ui.exportNames = { QString::fromStdString(dir + "/german") };
    ui.exportFilter = 1;
    frame.action(ID_FILE_EXPORT)->trigger();
    const std::string german = read(dir + "/german.csv");
    EXPECT_EQ(german.substr(0, 13), "\xEF\xBB\xBFTeufe (m);");
    EXPECT_EQ(column(german, ';', ',', 3), tvd);

    // Under the German locale the program runs in, the workbook still holds numbers.
    ui.exportNames = { QString::fromStdString(dir + "/book") };
    ui.exportFilter = 2;
    frame.action(ID_FILE_EXPORT)->trigger();
    const exchange::XlsxRead book = exchange::readXlsx(read(dir + "/book.xlsx"), "");
    ASSERT_FALSE(book.fault);
    ASSERT_EQ(book.table.rows.size(), 4u + 96u);
    for (std::size_t i = 0; i < 96; ++i) {
        const exchange::Cell *cell = book.table.cell(static_cast<int>(4 + i), 3);
        ASSERT_TRUE(cell && cell->number);
        double v = NAN;
        std::from_chars(cell->text.data(), cell->text.data() + cell->text.size(), v);
        EXPECT_NEAR(v, tvd[i], 1e-12 * std::max(1.0, tvd[i]));
    }

    ui.exportNames = { QStringLiteral("/no/such/folder/x.xlsx") };
    frame.action(ID_FILE_EXPORT)->trigger();
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages().back(),
        "Die Datei /no/such/folder/x.xlsx kann nicht geschrieben werden.");

    // Ctrl+C: the same rows with tabs and the desktop's decimal comma.
    QApplication::clipboard()->clear();
    frame.activateWindow();
    (void)QTest::qWaitForWindowActive(&frame);
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &frame, Qt::Key_C, Qt::ControlModifier);
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(copied.substr(0, 19), "Teufe (m)\tNeigung (");
    EXPECT_EQ(column(copied, '\t', ',', 3), tvd);
}
