// Opening and saving document files: what a load takes and runs, that a bad file
// changes nothing, that a failed save never destroys the previous file, and the title.
#include "document/docfile.h"
#include "documentfixture.h"

#include <QDir>
#include <QFileInfo>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

namespace {

QByteArray raw(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

TEST_F(DocumentTest, EmptyDocumentIsSavedAsNineBytes)
{
    changeWell([](well::Well &w) { w.name.clear(); });
    const QString path = dir.filePath("leer.dvn");
    ASSERT_TRUE(commands.OnSaveDocument(path));
    EXPECT_EQ(fileBytes(path), raw({ 0, 1, 0, 0, 0, 0, 0, 0, 0 }));
}

TEST_F(DocumentTest, SaveSetsPathAndTitleAndClearsTheFlag)
{
    enterStations();
    resetCounters();
    const QString path = dir.filePath("b1.dvn");
    ASSERT_TRUE(commands.OnSaveDocument(path));
    EXPECT_EQ(doc.GetPathName(), QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(doc.GetTitle(), "b1.dvn");
    EXPECT_EQ(titles, std::vector<QString> { "b1.dvn" });
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(modifiedSignals, std::vector<bool> { false });
    EXPECT_TRUE(prompter.events.empty());
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "b1.dvn" });
}

TEST_F(DocumentTest, SavedAndOpenedSurveyComesBackWithTheSideView)
{
    StringList lines;
    for (int i = 1; i <= 2999; ++i)
        lines.push_back(station(i * 1.5, 0.5 + (i % 7) * 0.01, (i % 360) + 0.25));
    enterStations(lines);
    // A descriptive line of 300 characters, each one byte in the file.
    std::string umlauts;
    for (int i = 0; i < 300; ++i)
        umlauts += "ä";
    changeWell(
        [&umlauts](well::Well &w) {
            w.info = { "Kreiselmessung", umlauts };
            w.format = 0;
            w.name = "Grün 2";
        },
        1);
    const QString path = dir.filePath("gross.dvn");
    ASSERT_TRUE(commands.OnSaveDocument(path));
    const DocSnapshot saved(doc);
    // The file keeps its texts in Windows-1252: the name's length byte, then one byte
    // each for "ü" and for the 300 "ä".
    const QByteArray bytes = fileBytes(path);
    EXPECT_TRUE(bytes.startsWith(QByteArray("\x06Gr\xFCn 2"))) << bytes.left(8).toHex().constData();
    EXPECT_TRUE(bytes.contains("\xFF\x2C\x01" + QByteArray(300, '\xE4')));

    ScriptedPrompter prompter2;
    ScriptedDialog dialog2;
    CDravonDoc other;
    DocumentCommands otherCommands(other, prompter2, dialog2);
    other.reset();
    other.setView(1);
    const std::uint64_t revision = other.dataRevision();
    ASSERT_TRUE(otherCommands.OnOpenDocument(path));
    EXPECT_EQ(other.name(), saved.well.name);
    EXPECT_EQ(other.well().format, 0);
    EXPECT_EQ(other.well().survey.lines(), saved.well.survey.lines());
    EXPECT_EQ(other.well().info, saved.well.info);
    EXPECT_EQ(other.well(), saved.well);
    ASSERT_EQ(dialog2.runs, 1);
    EXPECT_EQ(dialog2.handedOver.m_Ansicht, 0);
    EXPECT_EQ(dialog2.handedOver.m_Eingabe.size(), 2999u);
    EXPECT_EQ(other.view(), 0);
    EXPECT_EQ(other.result().checked.stations.size(), 3000u);
    EXPECT_GT(other.dataRevision(), revision);
    EXPECT_FALSE(other.IsModified());
    EXPECT_EQ(other.GetTitle(), "gross.dvn");

    // Saving what was opened gives the same bytes.
    const QString again = dir.filePath("again.dvn");
    ASSERT_TRUE(otherCommands.OnSaveDocument(again));
    EXPECT_EQ(fileBytes(again), fileBytes(path));
}

// Cancel in the dialog during a load computes and shows the loaded survey, as OK
// without a change would. (It used to leave the previous results under the new title.)
TEST_F(DocumentTest, CancelDuringLoadShowsTheLoadedSurvey)
{
    enterStations();
    const QString path = dir.filePath("b1.dvn");
    ASSERT_TRUE(commands.OnSaveDocument(path));
    const StringList results = doc.resultsTable();

    ScriptedPrompter prompter2;
    ScriptedDialog dialog2;
    CDravonDoc other;
    DocumentCommands otherCommands(other, prompter2, dialog2);
    other.reset();
    // Other results on the screen before the file is opened.
    other.take(wellWith({ station(10, 1, 1), station(20, 2, 2) }, "alt"), 0, true);
    ASSERT_NE(other.resultsTable(), results);
    const std::uint64_t revision = other.dataRevision();
    int updates = 0;
    QObject::connect(&other, &CDravonDoc::viewsUpdate, [&] { ++updates; });
    dialog2.script = [](LineEditor &s) {
        s.m_Name = "verworfen";
        s.m_Eingabe.clear();
        return false;
    };
    ASSERT_TRUE(otherCommands.OnOpenDocument(path));
    EXPECT_EQ(other.well().survey.lines(), doc.well().survey.lines());
    EXPECT_EQ(other.name(), "B 1");
    EXPECT_EQ(other.resultsTable(), results);
    EXPECT_EQ(other.result().checked.stations.size(), doc.result().checked.stations.size());
    EXPECT_EQ(other.plotTrajectory().stations.size(), doc.plotTrajectory().stations.size());
    EXPECT_GT(other.dataRevision(), revision);
    EXPECT_FALSE(other.IsModified());
    EXPECT_EQ(other.GetTitle(), "b1.dvn");
    EXPECT_GE(updates, 1);
    // The same messages as the computation after OK gives.
    EXPECT_EQ(
        prompter2.messages(), StringList { "KEINE KRUEMMUNG VON TEUFE:   0.00 BIS  100.00 M" });
}

// "Neu" after an "Öffnen" starts an untitled document: saving asks for a new name
// and the opened file stays as it was. (It used to keep the path, so that "Speichern"
// wrote the new borehole into the opened file.)
TEST_F(DocumentTest, NeuAfterOpenLeavesTheOpenedFileAlone)
{
    enterStations();
    const QString path = dir.filePath("b1.dvn");
    ASSERT_TRUE(commands.OnSaveDocument(path));
    ASSERT_TRUE(commands.OnOpenDocument(path));
    const QByteArray before = fileBytes(path);
    dialog.script = [](LineEditor &s) {
        s.m_Name = "B 2";
        s.m_Eingabe = { station(50, 1, 10) };
        s.m_bGeaendert = 1;
        return true;
    };
    commands.OnDokumentNeu();
    EXPECT_TRUE(doc.GetPathName().isEmpty());
    EXPECT_EQ(doc.GetTitle(), "Unbenannt");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.well().survey.lines(), StringList { station(50, 1, 10) });
    EXPECT_EQ(fileBytes(path), before);
}

// Files that must not be opened: each leaves the document exactly as it was.
struct BadFile
{
    const char *name;
    QByteArray bytes;
    const char *expected; // part of the message
};

class OpenBadFile : public DocumentTest, public ::testing::WithParamInterface<BadFile>
{
};

TEST_P(OpenBadFile, RefusedWithAMessageAndNothingChanged)
{
    enterStations();
    WellSettings settings;
    settings.elevation = 250.0;
    doc.setWellSettings(settings);
    const QString saved = dir.filePath("gut.dvn");
    ASSERT_TRUE(commands.OnSaveDocument(saved));
    changeWell([](well::Well &) {}, 1);
    ASSERT_TRUE(doc.IsModified());
    resetCounters();
    const DocSnapshot before(doc);

    const QString path = dir.filePath(QString("%1.dvn").arg(GetParam().name));
    ASSERT_TRUE(writeFile(path, GetParam().bytes));
    EXPECT_FALSE(commands.OnOpenDocument(path));
    EXPECT_EQ(DocSnapshot(doc), before);
    EXPECT_EQ(doc.settings().elevation, 250.0);
    EXPECT_EQ(dialog.runs, 0);
    EXPECT_EQ(viewUpdates, 0);
    EXPECT_TRUE(titles.empty());
    const std::vector<std::string> messages = prompter.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(path.toStdString()), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find(GetParam().expected), std::string::npos) << messages[0];
}

INSTANTIATE_TEST_SUITE_P(Files, OpenBadFile,
    ::testing::Values(BadFile { "Empty", QByteArray(), "beschädigt" },
        BadFile { "Short", raw({ 0, 1, 0, 0, 0, 2, 0, 3, 'a', 'b' }), "beschädigt" },
        BadFile { "CountBeyondFile",
            raw({ 0, 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0 }), "beschädigt" },
        BadFile { "LengthBeyondFile", raw({ 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x40, 'x' }), "beschädigt" },
        BadFile { "WideString", raw({ 0xFF, 0xFE, 0xFF, 1, 'a', 0, 1, 0, 0, 0, 0, 0, 0, 0 }),
            "kein Dravon-Dokument" },
        BadFile { "TrailingBytes", raw({ 0, 1, 0, 0, 0, 0, 0, 0, 0, 'x' }), "beschädigt" },
        BadFile { "TextFile", QByteArray("   100.00     1.00     2.00\r\n"), "beschädigt" },
        // Settings after the four items: a wrong value, and a version of a later program.
        BadFile { "SettingsOutOfRange",
            raw({ 0, 1, 0, 0, 0, 0, 0, 0, 0, 0x89, 'D', 'V', 'N', 13, 10, 26, 10, 1, 0, 0, 0, 12, 0,
                0, 0 })
                + QByteArray(R"({"crs":4326})"),
            "\"crs\"" },
        BadFile { "SettingsOfALaterVersion",
            raw({ 0, 1, 0, 0, 0, 0, 0, 0, 0, 0x89, 'D', 'V', 'N', 13, 10, 26, 10, 2, 0, 0, 0, 2, 0,
                0, 0, '{', '}' }),
            "neueren Version" }),
    [](const ::testing::TestParamInfo<BadFile> &info) { return std::string(info.param.name); });

TEST_F(DocumentTest, MissingFileIsRefused)
{
    changeWell([](well::Well &w) { w.name = "bleibt"; });
    const DocSnapshot before(doc);
    EXPECT_FALSE(commands.OnOpenDocument(dir.filePath("fehlt.dvn")));
    EXPECT_EQ(DocSnapshot(doc), before);
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_NE(prompter.messages()[0].find("fehlt.dvn"), std::string::npos);
}

// A save that fails must leave the old file byte for byte and the document's path,
// title and flag alone.
class FailedSave : public DocumentTest
{
protected:
    void SetUp() override
    {
        enterStations();
        oldPath = dir.filePath("b1.dvn");
        ASSERT_TRUE(commands.OnSaveDocument(oldPath));
        oldBytes = fileBytes(oldPath);
        dialog.script = [](LineEditor &s) {
            s.m_Eingabe.push_back(station(400, 25, 95));
            s.m_bGeaendert = 1;
            return true;
        };
        commands.OnDataChange();
        ASSERT_TRUE(doc.IsModified());
        resetCounters();
    }

    void expectRefused(const QString &target)
    {
        const QString pathBefore = doc.GetPathName();
        EXPECT_FALSE(commands.OnSaveDocument(target));
        EXPECT_EQ(fileBytes(oldPath), oldBytes);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.GetPathName(), pathBefore);
        EXPECT_TRUE(titles.empty());
        const std::vector<std::string> messages = prompter.messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find("kann nicht in der Datei"), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find(target.toStdString()), std::string::npos) << messages[0];
    }

    QString oldPath;
    QByteArray oldBytes;
};

TEST_F(FailedSave, OverAFolder)
{
    const QString folder = dir.filePath("ordner.dvn");
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.dvn"));
    expectRefused(folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(FailedSave, IntoAMissingFolder)
{
    expectRefused(dir.filePath("fehlt/b1.dvn"));
}

TEST_F(FailedSave, IntoAReadOnlyFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind the superuser";
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    expectRefused(oldPath);
    QFile::setPermissions(
        dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(FailedSave, WhenTheDiskFillsUpHalfWay)
{
    // A file size limit below the document's size makes the write fail part way,
    // as a full disk would; this binds the superuser too.
    ASSERT_GT(oldBytes.size(), 64);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    expectRefused(oldPath);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    // No half-written temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "b1.dvn" });
}

TEST_F(DocumentTest, TitleRules)
{
    EXPECT_EQ(doc.GetTitle(), "Unbenannt");
    doc.SetPathName(dir.filePath("unter/ordner/b7.dvn"));
    EXPECT_EQ(doc.GetTitle(), "b7.dvn");
    EXPECT_TRUE(QFileInfo(doc.GetPathName()).isAbsolute());
    doc.SetPathName(QString());
    EXPECT_EQ(doc.GetTitle(), "Unbenannt");
    EXPECT_EQ(titles, (std::vector<QString> { "b7.dvn", "Unbenannt" }));
}

TEST_F(DocumentTest, WellSettingsAreSavedOpenedAndClearedByNeu)
{
    enterStations();
    WellSettings settings;
    settings.wellhead = Wellhead { 500000.0, 5700000.0 };
    settings.epsg = 25832;
    settings.north = NorthReference::Grid;
    doc.SetModifiedFlag(false);
    resetCounters();
    doc.setWellSettings(settings);
    doc.setWellSettings(settings); // no change the second time
    EXPECT_EQ(modifiedSignals, std::vector<bool> { true });
    EXPECT_EQ(viewUpdates, 1);
    const QString path = dir.filePath("geo.dvn");
    ASSERT_TRUE(commands.OnSaveDocument(path));

    commands.OnDokumentNeu();
    EXPECT_TRUE(doc.settings().empty());
    ASSERT_TRUE(commands.OnOpenDocument(path));
    EXPECT_EQ(doc.settings(), settings);
    EXPECT_FALSE(doc.IsModified());
    doc.reset();
    EXPECT_TRUE(doc.settings().empty());
}
