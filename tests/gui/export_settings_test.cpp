// One export, one set of settings: the desktop's "Exportieren …" writes the bytes the
// batch tool writes for the same document (feet, a fixed section azimuth, a wellhead in a
// coordinate system), whatever the program remembered from another well; "Kopieren"
// gives the same rows with the interface's decimal comma even though the program runs in
// the C locale; the path dialog's listing file is the batch tool's --listing; "Bohrung …"
// shows the section azimuth and unit in effect.
#include "guifixture.h"

#include "dialogs/dlginput.h"
#include "dialogs/dlgwell.h"
#include "dialogs/pathinterpolationdlg.h"
#include "dialogs/qtmeasurementdialog.h"
#include "shell/commandids.h"
#include "shell/viewsettings.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableView>
#include <QTimer>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

std::string slurp(const std::string &path)
{
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

// Runs the batch tool with `args` in `dir`; its exit status.
int runCli(const std::string &dir, const std::string &args)
{
    const int raw = std::system(
        ("cd '" + dir + "' && '" DRAVON_CLI "' " + args + " >/dev/null 2>err").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// Tab-separated text with decimal commas as the comma-separated text with points that
// holds the same numbers (no field of these rows holds a comma of its own).
std::string asPlainCsv(std::string text)
{
    std::string out;
    for (char c : text)
        out += c == ',' ? '.' : c == '\t' ? ',' : c == '\n' ? '\r' : c;
    std::string crlf;
    for (char c : out) {
        crlf += c;
        if (c == '\r')
            crlf += '\n';
    }
    return crlf;
}

} // namespace

TEST(ExportSettings, TheDesktopWritesWhatTheBatchToolWritesAndCopiesWithCommas)
{
    guiApp();
    // Remembered from another well: the document's own values must win.
    saveViewPreferences({ 10.0, LengthUnit::Metre });

    ScriptedPrompter prompter;
    QtMeasurementDialog measurement(prompter);
    CDravonDoc doc;
    doc.reset();
    DocumentCommands commands(doc, prompter, measurement);
    ASSERT_TRUE(openExample(commands));
    WellSettings settings = doc.settings();
    settings.wellhead = Wellhead { 500000.0, 5700000.0 };
    settings.epsg = 25832;
    settings.elevation = 45.0;
    settings.sectionAzimuth = 75.0;
    settings.unit = LengthUnit::Foot;
    doc.setWellSettings(settings);

    QTemporaryDir temp;
    const std::string dir = temp.path().toStdString();
    std::string message;
    ASSERT_TRUE(doc.save(QString::fromStdString(dir + "/doc.dvn"), message)) << message;

    ScriptedFrameUi ui;
    CMainFrame frame(commands, ui);
    measurement.setParent(&frame);
    ui.exportNames = { QString::fromStdString(dir + "/desktop.csv"),
        QString::fromStdString(dir + "/desktop-de.csv") };
    ui.exportFilter = 0;
    frame.action(ID_FILE_EXPORT)->trigger();
    ui.exportFilter = 1;
    frame.action(ID_FILE_EXPORT)->trigger();
    EXPECT_TRUE(prompter.messages().empty());

    ASSERT_EQ(runCli(dir, "doc.dvn --export cli.csv"), 0) << slurp(dir + "/err");
    ASSERT_EQ(runCli(dir, "doc.dvn --export-style de --export cli-de.csv"), 0);
    const std::string csv = slurp(dir + "/cli.csv");
    EXPECT_EQ(slurp(dir + "/desktop.csv"), csv);
    EXPECT_EQ(slurp(dir + "/desktop-de.csv"), slurp(dir + "/cli-de.csv"));
    // The north of the positions above the headings: the document has a coordinate system.
    EXPECT_EQ(csv.rfind("Nord und Ost bezogen auf,Gitternord (EPSG:25832); "
                        "Meridiankonvergenz 0.00°\r\n",
                  0),
        0u);
    // What the document asks for is there: feet, 75°, the absolute columns.
    const std::size_t headed = csv.find("\r\n") + 2;
    const std::string header = csv.substr(headed, csv.find("\r\n", headed) - headed);
    EXPECT_NE(header.find("Teufe (ft)"), std::string::npos) << header;
    EXPECT_NE(header.find("Vertikalschnitt bei 75.00° (ft)"), std::string::npos) << header;
    EXPECT_NE(header.find("Rechtswert (m),Hochwert (m),Höhe über NN (ft)"), std::string::npos)
        << header;

    // The program runs in the C locale; the clipboard still gets decimal commas, and
    // the same numbers as the file.
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    QApplication::clipboard()->clear();
    frame.action(ID_EDIT_COPY)->trigger();
    QLocale::setDefault(before);
    const std::string copied = QApplication::clipboard()->text().toStdString();
    ASSERT_FALSE(copied.empty());
    EXPECT_EQ(copied.find('.'), std::string::npos) << "no decimal point anywhere";
    EXPECT_NE(copied.find("Vertikalschnitt bei 75,00° (ft)"), std::string::npos);
    std::string plain = asPlainCsv(copied);
    EXPECT_EQ(plain.substr(plain.find("\r\n")), csv.substr(csv.find("\r\n")));

    // The path dialog's listing file is the batch tool's --listing with the same
    // request (a step of 100 ft here, the document's unit).
    bool listed = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<PathInterpolationDlg *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        // Before anything is computed, the heading names the document's azimuth.
        QStringList headings;
        const QAbstractItemModel *model = dialog->table()->model();
        for (int c = 0; c < model->columnCount(); ++c)
            headings << model->headerData(c, Qt::Horizontal).toString();
        EXPECT_TRUE(headings.contains(QStringLiteral("Vertikalschnitt bei 75,00° (ft)")))
            << headings.join(QLatin1Char('|')).toStdString();
        dialog->setRequest(PathInterpolationDlg::Mode::EveryMd, QStringLiteral("100"));
        listed = dialog->compute()
            && dialog->exportTo(QString::fromStdString(dir + "/desktop-list.csv"));
        dialog->accept();
    });
    frame.action(ID_PATH_INTERPOLATION)->trigger();
    ASSERT_TRUE(listed);
    ASSERT_EQ(runCli(dir, "doc.dvn --listing cli-list.csv --every-md 100"), 0);
    EXPECT_EQ(slurp(dir + "/desktop-list.csv"), slurp(dir + "/cli-list.csv"));
    EXPECT_NE(slurp(dir + "/cli-list.csv").find("Rechtswert (m)"), std::string::npos);

    // "Bohrung …" shows the values in effect and where they are changed; OK keeps them.
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<DlgWell *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        EXPECT_TRUE(dialog->sectionLabel()->text().startsWith(QStringLiteral("75,00°")));
        EXPECT_TRUE(dialog->unitLabel()->text().startsWith(QStringLiteral("Fuß")));
        shown = true;
        dialog->accept();
    });
    frame.action(ID_BOHRUNG)->trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(doc.settings().sectionAzimuth, 75.0);
    EXPECT_EQ(doc.settings().unit, LengthUnit::Foot);
    saveViewPreferences({});
}

// An EPSG code is checked where it is typed: one that names no projected system PROJ
// knows keeps "Bohrung …" open with the reason, a known one is taken.
TEST(ExportSettings, TheWellDialogRefusesAnUnknownCoordinateSystem)
{
    guiApp();
    DlgWell dialog(WellSettings {}, ViewPreferences {}, 0.0);
    WellSettings out;
    QString fault;
    dialog.epsgEdit()->setText(QStringLiteral("99999"));
    EXPECT_FALSE(dialog.entered(out, fault));
    EXPECT_TRUE(fault.contains(QStringLiteral("EPSG:99999"))) << fault.toStdString();
    dialog.epsgEdit()->setText(QStringLiteral("4326")); // geographic, not projected
    EXPECT_FALSE(dialog.entered(out, fault));
    dialog.epsgEdit()->setText(QStringLiteral("EPSG:25832"));
    ASSERT_TRUE(dialog.entered(out, fault)) << fault.toStdString();
    EXPECT_EQ(out.epsg, 25832);
}

// With an error model in the document, "Exportieren …" and "Kopieren" carry the same
// uncertainty columns and title rows as the batch tool's export.
TEST(ExportSettings, TheDesktopExportsTheUncertaintyTheBatchToolExports)
{
    guiApp();
    ScriptedPrompter prompter;
    QtMeasurementDialog measurement(prompter);
    CDravonDoc doc;
    doc.reset();
    DocumentCommands commands(doc, prompter, measurement);
    ASSERT_TRUE(openExample(commands));
    WellSettings settings = doc.settings();
    settings.north = NorthReference::Grid;
    settings.declination = 3.5;
    settings.wellhead = Wellhead { 570000.0, 5700000.0 }; // the convergence from EPSG:25832
    settings.epsg = 25832;
    settings.uncertainty = { ErrorModel::IscwsaMwdRev5, {}, std::nullopt, 9.81, 49500.0, 67.0, 2.5 };
    doc.setWellSettings(settings);

    QTemporaryDir temp;
    const std::string dir = temp.path().toStdString();
    std::string message;
    ASSERT_TRUE(doc.save(QString::fromStdString(dir + "/doc.dvn"), message)) << message;
    ScriptedFrameUi ui;
    CMainFrame frame(commands, ui);
    ui.exportNames = { QString::fromStdString(dir + "/desktop.csv") };
    ui.exportFilter = 0;
    frame.action(ID_FILE_EXPORT)->trigger();
    EXPECT_TRUE(prompter.messages().empty());
    ASSERT_EQ(runCli(dir, "doc.dvn --export cli.csv"), 0) << slurp(dir + "/err");
    const std::string csv = slurp(dir + "/cli.csv");
    EXPECT_EQ(slurp(dir + "/desktop.csv"), csv);
    // The north of the positions, then the model.
    EXPECT_EQ(csv.rfind("Nord und Ost bezogen auf,Gitternord (EPSG:25832)\r\n", 0), 0u)
        << csv.substr(0, 80);
    EXPECT_EQ(csv.find("\r\nFehlermodell,\"ISCWSA MWD Rev. 5, Ellipse 2.5 σ"), csv.find("\r\n"))
        << csv.substr(0, 80);
    EXPECT_NE(csv.find("Breite,51."), std::string::npos) << "the wellhead's latitude";

    QApplication::clipboard()->clear();
    frame.action(ID_EDIT_COPY)->trigger();
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(copied.find("\nFehlermodell\tISCWSA MWD Rev. 5, Ellipse 2,5 σ"), copied.find('\n'));
    // From the headings on, the same numbers as the file.
    const std::string plain = asPlainCsv(copied.substr(copied.find("Teufe (m)")));
    EXPECT_EQ(plain, csv.substr(csv.find("Teufe (m)")));
}
