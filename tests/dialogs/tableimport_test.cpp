// The table import dialog: what it detects and shows, how a changed choice changes the
// stations, and the two ways into it from the measurement dialog (the button with a file,
// Ctrl+V with rows from a spreadsheet).
#include "dialogs/tableimportdlg.h"
#include "tests/dialogs/dlginputfixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QButtonGroup>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace {

QString dataFile(const char *name)
{
    return QDir(qEnvironmentVariable("DRAVON_TEST_DATA")).filePath(QString::fromUtf8(name));
}

std::string slurp(const QString &path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// With DRAVON_SCREENSHOT_DIR set (run under xvfb-run with QT_QPA_PLATFORM=xcb), the
// windows are saved as pictures for a person to look at.
void keepPicture(QWidget *w, const char *name)
{
    const QString folder = qEnvironmentVariable("DRAVON_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        w->grab().save(QDir(folder).filePath(QString::fromUtf8(name)));
}

QPushButton *okOf(TableImportDialog *dialog)
{
    return qobject_cast<QPushButton *>(dialog->buttons()->buttons().first());
}

} // namespace

TEST(TableImportDialog, ShowsWhatItFoundAndFollowsEveryChoice)
{
    widgetApp();
    TableImportDialog dialog(slurp(dataFile("exchange/deviated-well-semicolon.csv")),
        exchange::TableFormat::Delimited, QStringLiteral("deviated-well-semicolon.csv"), 1);
    ASSERT_TRUE(showActive(&dialog));
    keepPicture(&dialog, "table-import.png");

    EXPECT_EQ(dialog.delimiterBox()->currentText(), QStringLiteral("automatisch (Semikolon)"));
    EXPECT_EQ(dialog.decimalBox()->currentText(), QStringLiteral("automatisch (Komma)"));
    EXPECT_EQ(dialog.headerBox()->currentText(), QStringLiteral("automatisch (Zeile 1)"));
    EXPECT_EQ(dialog.columnBox(0)->currentText(), QStringLiteral("automatisch (Spalte A: Teufe)"));
    EXPECT_EQ(dialog.columnBox(2)->currentText(), QStringLiteral("automatisch (Spalte C: Azimut)"));
    EXPECT_FALSE(dialog.sheetBox()->isVisible());
    EXPECT_EQ(dialog.preview()->item(1, 1)->text(), QStringLiteral("0,46"));
    EXPECT_EQ(
        dialog.stationPreview()->item(0)->text(), QStringLiteral("   30.00     0.46   123.68"));
    EXPECT_EQ(dialog.stationImport().survey.size(), 95u);
    EXPECT_TRUE(okOf(&dialog)->isEnabled());

    // The comma splits "30,0" in two: the heading no longer fits the rows.
    dialog.delimiterBox()->setCurrentIndex(
        dialog.delimiterBox()->findText(QStringLiteral("Komma")));
    EXPECT_FALSE(dialog.usable());
    EXPECT_FALSE(okOf(&dialog)->isEnabled());
    EXPECT_FALSE(dialog.statusLabel()->text().isEmpty());
    dialog.delimiterBox()->setCurrentIndex(0);
    ASSERT_TRUE(dialog.usable());

    EXPECT_EQ(dialog.unitBox()->currentText(), QStringLiteral("automatisch (Meter)"));
    dialog.unitBox()->setCurrentIndex(2); // feet
    // 30 ft are 9.144 m: the import no longer rounds the depth to two decimals.
    EXPECT_EQ(
        dialog.stationPreview()->item(0)->text(), QStringLiteral("   9.144     0.46   123.68"));
    // The azimut column as depth: the first data row gives depth 123.68.
    dialog.unitBox()->setCurrentIndex(0);
    dialog.columnBox(0)->setCurrentIndex(3);
    dialog.columnBox(2)->setCurrentIndex(1);
    EXPECT_EQ(
        dialog.stationPreview()->item(0)->text(), QStringLiteral("  123.68     0.46    30.00"));
}

TEST(TableImportDialog, AWorkbookOffersItsSheets)
{
    widgetApp();
    TableImportDialog dialog(slurp(dataFile("exchange/deviated-well-azimut-md-inc.xlsx")),
        exchange::TableFormat::Xlsx, QStringLiteral("deviated-well-azimut-md-inc.xlsx"), 5);
    ASSERT_TRUE(showActive(&dialog));
    keepPicture(&dialog, "table-import-xlsx.png");
    EXPECT_TRUE(dialog.sheetBox()->isVisible());
    EXPECT_FALSE(dialog.delimiterBox()->isVisible());
    EXPECT_EQ(dialog.sheetBox()->count(), 2);
    EXPECT_EQ(dialog.headerBox()->currentText(), QStringLiteral("automatisch (Zeile 3)"));
    EXPECT_EQ(dialog.columnBox(0)->currentText(), QStringLiteral("automatisch (Spalte B: MD)"));
    // Thinning every 5th of 95 rows: rows 1, 5, 10, ... 95.
    EXPECT_EQ(dialog.stationImport().survey.size(), 20u);
    dialog.sheetBox()->setCurrentIndex(1);
    EXPECT_FALSE(dialog.usable());
    EXPECT_EQ(dialog.preview()->item(0, 0)->text(), QStringLiteral("Vermessung 2024"));
}

class TableImportFromDialog : public DlgInputTest
{
protected:
    // Answers the next file dialog with `path`, then presses OK (or Abbrechen) in the
    // import dialog that follows.
    void answerWith(const QString &path, bool ok)
    {
        whenModalOpens([this, path, ok](QWidget *w) {
            auto *files = qobject_cast<QFileDialog *>(w);
            ASSERT_NE(files, nullptr);
            files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog *>(files)->accept();
            confirmImport(ok);
        });
    }

    void confirmImport(bool ok)
    {
        whenModalOpens([this, ok](QWidget *w) {
            auto *import = qobject_cast<TableImportDialog *>(w);
            ASSERT_NE(import, nullptr);
            keepPicture(dialog.get(), "measurement-dialog-table-button.png");
            shown = true;
            clickButton(ok ? okOf(import) : import->buttons()->buttons().last());
        });
    }

    bool shown = false;
};

TEST_F(TableImportFromDialog, TheButtonReplacesTheStationsLikeAFileRead)
{
    EXPECT_EQ(dialog->tableButton()->text(), QString::fromUtf8("Tabelle importieren …"));
    answerWith(dataFile("exchange/deviated-well-semicolon.csv"), true);
    clickButton(dialog->tableButton());
    settle();
    ASSERT_TRUE(shown);
    EXPECT_EQ(dialog->stationCount(), 95);
    EXPECT_EQ(dialog->stationText(0), QStringLiteral("   30.00     0.46   123.68"));
    EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("deviated-well-semicolon"));
    EXPECT_EQ(dialog->statusLabel()->text(), QStringLiteral("95 Zeilen wurden eingelesen"));
    EXPECT_EQ(dialog->infoList()->count(), 0);
    EXPECT_EQ(state.m_Format, 0) << "the format choice is not the table's business";
    EXPECT_EQ(state.m_bGeaendert, 1);
}

TEST_F(TableImportFromDialog, AFileReadAfterAWitsmlImportTakesItsFieldReadingsAway)
{
    answerWith(dataFile("surveycheck/interference.xml"), true);
    clickButton(dialog->tableButton());
    settle();
    ASSERT_TRUE(shown);
    ASSERT_TRUE(dialog->importedFieldReadings());
    EXPECT_FALSE(dialog->importedFieldReadings()->empty());

    // A survey of other stations at some of the same depths, read as a measurement file.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("neu.txt"));
    std::ofstream(path.toStdString(), std::ios::binary) << "Neu\n300 2 10\n450 4 12\n";
    clickButton(dialog->formatGroup()->button(1));
    dialog->openFile(path);
    settle();
    ASSERT_EQ(dialog->stationCount(), 2);
    ASSERT_TRUE(dialog->importedFieldReadings());
    EXPECT_TRUE(dialog->importedFieldReadings()->empty());
}

TEST_F(TableImportFromDialog, CancellingChangesNothing)
{
    answerWith(dataFile("exchange/deviated-well-semicolon.csv"), false);
    clickButton(dialog->tableButton());
    settle();
    ASSERT_TRUE(shown);
    EXPECT_EQ(state.m_Eingabe, original.m_Eingabe);
    EXPECT_EQ(dialog->stationCount(), 5);
    EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("Probe 1"));
}

TEST_F(TableImportFromDialog, PastedRowsJoinTheListAtTheirPlaces)
{
    QGuiApplication::clipboard()->setText(
        QStringLiteral("MD\tInc\tAzi\n150\t5,5\t50\n600\t31\t101\n"));
    confirmImport(true);
    dialog->stationList()->setFocus();
    QTest::keySequence(dialog->stationList(), QKeySequence::Paste);
    settle();
    ASSERT_TRUE(shown);
    ASSERT_EQ(dialog->stationCount(), 7);
    EXPECT_EQ(dialog->stationText(1), QStringLiteral("  150.00     5.50    50.00"));
    EXPECT_EQ(dialog->stationText(6), QStringLiteral("  600.00    31.00   101.00"));
    EXPECT_EQ(dialog->statusLabel()->text(), QString::fromUtf8("2 Zeilen eingefügt"));
    EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("Probe 1"));
}

TEST_F(TableImportFromDialog, AFileThatIsNoTableIsReportedAndChangesNothing)
{
    QTemporaryDir dir;
    const QString fake = dir.filePath(QStringLiteral("kaputt.xlsx"));
    const std::string workbook = slurp(dataFile("exchange/deviated-well-azimut-md-inc.xlsx"));
    std::ofstream(fake.toStdString(), std::ios::binary) << workbook.substr(0, 4000);
    whenModalOpens([&](QWidget *w) {
        auto *files = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(files, nullptr);
        files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(fake);
        static_cast<QDialog *>(files)->accept();
    });
    clickButton(dialog->tableButton());
    settle();
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(
        prompter.messages().front(), "Die Excel-Arbeitsmappe ist beschädigt oder unvollständig.");
    EXPECT_EQ(state.m_Eingabe, original.m_Eingabe);
    EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("Probe 1"));
}

TEST(TableImportDialog, ALegacyWorkbookAndTheRowsBelowTheTable)
{
    widgetApp();
    TableImportDialog dialog(slurp(dataFile("exchange/well-10H.xls")), exchange::TableFormat::Xls,
        QStringLiteral("well-10H.xls"), 1);
    ASSERT_TRUE(showActive(&dialog));
    keepPicture(&dialog, "table-import-xls.png");
    EXPECT_TRUE(dialog.usable());
    EXPECT_TRUE(dialog.sheetBox()->isVisible());
    EXPECT_FALSE(dialog.delimiterBox()->isVisible());
    EXPECT_EQ(dialog.sheetBox()->currentText(), QStringLiteral("Sheet1"));
    EXPECT_EQ(dialog.headerBox()->currentText(), QStringLiteral("automatisch (Zeile 18)"));
    // The heading over two lines is shown on one; the unit row says feet.
    EXPECT_EQ(dialog.columnBox(0)->currentText(),
        QStringLiteral("automatisch (Spalte B: Measured Depth)"));
    EXPECT_EQ(
        dialog.columnBox(2)->currentText(), QStringLiteral("automatisch (Spalte D: Azimuth Grid)"));
    EXPECT_EQ(dialog.unitBox()->currentText(), QString::fromUtf8("automatisch (Fuß)"));
    EXPECT_EQ(dialog.stationImport().survey.size(), 121u);
    // The workbook stores 0.76 in single precision; the previews show what its spreadsheet
    // shows (the grid in the interface's decimal sign), the import takes what it stores.
    ASSERT_GE(dialog.stationPreview()->count(), 2);
    const QString second = dialog.stationPreview()->item(1)->text();
    EXPECT_EQ(second.split(QLatin1Char(' '), Qt::SkipEmptyParts).value(1), QStringLiteral("0.76"))
        << second.toStdString();
    EXPECT_EQ(dialog.stationImport().survey.stations()[1].inclination, 0.7600000047849319);
    ASSERT_NE(dialog.preview()->item(20, 2), nullptr);
    EXPECT_EQ(dialog.preview()->item(20, 2)->text(), QStringLiteral("0,76"));
    EXPECT_EQ(dialog.statusLabel()->text(),
        QString::fromUtf8("121 Datenzeilen ab Zeile 20; 121 Messwertzeilen werden übernommen.\n"
                          "Zeilen 168 bis 176 nach der Tabelle nicht gelesen"));
}

TEST_F(TableImportFromDialog, AWorkbookGivenToFileReadGoesThroughTheImport)
{
    // "Datei einlesen" with an .xls once read it as a measurement file of the chosen
    // format and answered with line lengths; now the import dialog takes it.
    answerWith(dataFile("exchange/deviated-well-azimut-md-inc.xls"), true);
    clickButton(dialog->fileButton());
    settle();
    ASSERT_TRUE(shown);
    EXPECT_EQ(dialog->stationCount(), 95);
    EXPECT_EQ(dialog->stationText(0), QStringLiteral("   30.00     0.46   123.68"));
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(TableImportFromDialog, AFileNotWhatItsNameSaysIsRefusedByName)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("bericht.xls"));
    std::ofstream(text.toStdString(), std::ios::binary) << "Teufe;Neigung;Azimut\n30;0,5;120\n";
    const QString empty = dir.filePath(QStringLiteral("leer.csv"));
    std::ofstream(empty.toStdString(), std::ios::binary) << "";
    for (const QString &path : { text, empty }) {
        whenModalOpens([&](QWidget *w) {
            auto *files = qobject_cast<QFileDialog *>(w);
            ASSERT_NE(files, nullptr);
            files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog *>(files)->accept();
        });
        clickButton(dialog->tableButton());
        settle();
    }
    ASSERT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(prompter.messages()[0], "Die Datei bericht.xls ist keine Excel-Arbeitsmappe (.xls).");
    EXPECT_EQ(prompter.messages()[1], "Die Datei leer.csv ist leer.");
    EXPECT_EQ(state.m_Eingabe, original.m_Eingabe);
}

TEST_F(TableImportFromDialog, ANameTheDocumentCannotKeepArrivesAsItWouldBeSaved)
{
    // The file's name gives the borehole's; "Ł" and "ź" have no place in the document's
    // Windows-1252 and show as the "?" it would save, "ó" and "ü" stay.
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8("Łódź-Süd.csv"));
    std::ofstream(path.toStdString(), std::ios::binary) << "Teufe;Neigung;Azimut\n30;0,5;120\n";
    answerWith(path, true);
    clickButton(dialog->tableButton());
    settle();
    ASSERT_TRUE(shown);
    EXPECT_EQ(dialog->nameEdit()->text(), QString::fromUtf8("?ód?-Süd"));
    EXPECT_EQ(dialog->stationCount(), 1);
}

// A WITSML trajectory that begins at a tie-in point: the dialog says where the survey
// begins, lists only the stations below it and hands the tie-in on with them.
TEST(TableImportDialog, AWitsmlTieInPointIsNamedAndNotListed)
{
    widgetApp();
    const std::string xml
        = "<?xml version=\"1.0\"?>\n<trajectorys><trajectory><name>Abschnitt 2</name>\n"
          "<trajectoryStation><typeTrajStation>tie in point</typeTrajStation>"
          "<md uom=\"m\">1200</md><tvd uom=\"m\">1150.5</tvd><incl uom=\"dega\">12</incl>"
          "<azi uom=\"dega\">140</azi><dispNs uom=\"m\">-4.65</dispNs>"
          "<dispEw uom=\"m\">0.92</dispEw></trajectoryStation>\n"
          "<trajectoryStation><md uom=\"m\">1230</md><incl uom=\"dega\">13</incl>"
          "<azi uom=\"dega\">141</azi></trajectoryStation>\n</trajectory></trajectorys>\n";
    TableImportDialog dialog(xml, exchange::TableFormat::Witsml, QStringLiteral("a.xml"), 1);
    ASSERT_TRUE(dialog.usable());
    ASSERT_TRUE(dialog.tieIn());
    EXPECT_EQ(dialog.tieIn()->north, -4.65);
    EXPECT_EQ(dialog.stationImport().survey.size(), 1u);
    EXPECT_TRUE(dialog.statusLabel()->text().contains(
        QStringLiteral("Anschlusspunkt der Datei: MD 1200,00 m, TVD 1150,50 m, Nord -4,65 m")))
        << dialog.statusLabel()->text().toStdString();
}

TEST_F(TableImportFromDialog, TheFirstRowTakenAsTheTieInReachesTheWell)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("unten.csv"));
    std::ofstream(path.toStdString(), std::ios::binary)
        << "Teufe;Neigung;Azimut;Seigerteufe;Nord;Ost\n"
           "800;4;90;799,1;2,5;20,25\n900;5;95;898,7;1,9;28,1\n1000;6;100;998,2;0,5;38,4\n";
    whenModalOpens([&](QWidget *w) {
        auto *files = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(files, nullptr);
        files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(files)->accept();
        whenModalOpens([this](QWidget *w) {
            auto *import = qobject_cast<TableImportDialog *>(w);
            ASSERT_NE(import, nullptr);
            QCheckBox *box = import->tieInRowBox();
            ASSERT_TRUE(box->isVisible()) << "offered: the table has TVD, north and east";
            EXPECT_FALSE(box->isChecked()) << "the user decides";
            EXPECT_EQ(import->stationImport().survey.size(), 3u);
            box->setChecked(true);
            keepPicture(import, "table-import-tie-in.png");
            EXPECT_TRUE(import->statusLabel()->text().contains(QString::fromUtf8(
                "Die erste Zeile ist der Anschlusspunkt: MD 800,00 m, TVD 799,10 m, Nord 2,50 m")))
                << import->statusLabel()->text().toStdString();
            // A north column that is one of the station's takes the offer away.
            import->positionBox(exchange::North)->setCurrentIndex(2);
            EXPECT_FALSE(box->isVisible());
            EXPECT_FALSE(import->tieIn());
            import->positionBox(exchange::North)->setCurrentIndex(0);
            shown = true;
            clickButton(okOf(import));
        });
    });
    clickButton(dialog->tableButton());
    settle();
    ASSERT_TRUE(shown);
    EXPECT_EQ(dialog->stationCount(), 2);
    EXPECT_EQ(dialog->stationText(0), QStringLiteral("  900.00     5.00    95.00"));
    ASSERT_TRUE(dialog->importedTieIn());
    EXPECT_EQ(*dialog->importedTieIn(), (well::TieIn { 800, 799.1, 2.5, 20.25, 4, 90 }));
}

TEST_F(TableImportFromDialog, TheReadingColumnsReachTheWellWithTheStations)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("feld.csv"));
    std::ofstream(path.toStdString(), std::ios::binary)
        << "Teufe;Neigung;Azimut;Btotal [µT];Dip;Gtotal\n"
           "100;1;90;50,2;65,1;9,81\n200;2;95;;65,2;9,80\n300;3;100;;;\n";
    whenModalOpens([&](QWidget *w) {
        auto *files = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(files, nullptr);
        files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(files)->accept();
        whenModalOpens([this](QWidget *w) {
            auto *import = qobject_cast<TableImportDialog *>(w);
            ASSERT_NE(import, nullptr);
            keepPicture(import, "table-import-readings.png");
            QComboBox *field = import->readingBox(exchange::TotalField);
            ASSERT_TRUE(field->isVisible());
            EXPECT_TRUE(field->itemText(0).contains(QString::fromUtf8("Btotal [µT]")))
                << field->itemText(0).toStdString();
            EXPECT_TRUE(import->statusLabel()->text().contains(
                QStringLiteral("2 Messpunkte mit Feldmessungen")))
                << import->statusLabel()->text().toStdString();
            // The depth's column as the gravity: refused, and nothing can be taken.
            QComboBox *gravity = import->readingBox(exchange::Gravity);
            gravity->setCurrentIndex(gravity->findData(1));
            EXPECT_TRUE(import->stationImport().fault);
            EXPECT_FALSE(okOf(import)->isEnabled());
            EXPECT_TRUE(import->statusLabel()->text().contains(QStringLiteral("Teufe")))
                << import->statusLabel()->text().toStdString();
            gravity->setCurrentIndex(0);
            ASSERT_TRUE(okOf(import)->isEnabled());
            shown = true;
            clickButton(okOf(import));
        });
    });
    clickButton(dialog->tableButton());
    settle();
    ASSERT_TRUE(shown);
    EXPECT_EQ(dialog->stationCount(), 3);
    ASSERT_TRUE(dialog->importedFieldReadings());
    const std::vector<well::FieldReading> &readings = *dialog->importedFieldReadings();
    ASSERT_EQ(readings.size(), 2u);
    EXPECT_EQ(readings[0].md, 100);
    EXPECT_NEAR(*readings[0].measured[0], 50200, 1e-6) << "µT in nT";
    EXPECT_EQ(readings[1].md, 200);
    EXPECT_FALSE(readings[1].measured[0]);
    EXPECT_EQ(*readings[1].measured[1], 65.2);
    EXPECT_EQ(*readings[1].measured[2], 9.8);
}
