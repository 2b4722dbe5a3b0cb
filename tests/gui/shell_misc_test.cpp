// Start-up pieces without a window: the command line, the per-user registration of the
// document type and the opening of the help page with the desktop's viewer.
#include "guifixture.h"

#include "shell/commandline.h"
#include "shell/desktopregistration.h"
#include "shell/dravonapp.h"
#include "shell/qtframeui.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>

#include <cstdlib>

struct LineCase
{
    QStringList args;
    CommandLine::Mode mode;
    QString file;
    QString output;
};

class CommandLineParsing : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(CommandLineParsing, GivesModeAndFiles)
{
    const LineCase c = GetParam();
    const CommandLine line = parseCommandLine(c.args);
    EXPECT_EQ(line.mode, c.mode);
    EXPECT_EQ(line.file, c.file);
    EXPECT_EQ(line.output, c.output);
    EXPECT_EQ(line.error.isEmpty(), c.mode != CommandLine::Mode::Error);
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineParsing,
    ::testing::Values(LineCase { {}, CommandLine::Mode::Window, {}, {} },
        LineCase { { "a.dvn" }, CommandLine::Mode::Window, "a.dvn", {} },
        LineCase { { "-p", "a.dvn" }, CommandLine::Mode::Print, "a.dvn", {} },
        LineCase { { "--print", "a.dvn" }, CommandLine::Mode::Print, "a.dvn", {} },
        LineCase { { "--print-to-pdf", "a.dvn", "b.pdf" }, CommandLine::Mode::PrintToPdf, "a.dvn",
            "b.pdf" },
        LineCase { { "--help" }, CommandLine::Mode::Help, {}, {} },
        LineCase { { "-p" }, CommandLine::Mode::Error, {}, {} },
        LineCase { { "--print-to-pdf", "a.dvn" }, CommandLine::Mode::Error, {}, {} },
        LineCase { { "--bogus" }, CommandLine::Mode::Error, {}, {} },
        LineCase { { "a.dvn", "b.dvn" }, CommandLine::Mode::Error, {}, {} }));

// Only the first word names a mode, spelt as the help spells it, and a mode's file is the
// word after it whatever it looks like; a parser library reads such words its own way.
INSTANTIATE_TEST_SUITE_P(WordsLikeOptions, CommandLineParsing,
    ::testing::Values(LineCase { { "-p", "--help" }, CommandLine::Mode::Print, "--help", {} },
        LineCase { { "--help", "-p" }, CommandLine::Mode::Help, {}, {} },
        LineCase { { "a.dvn", "--help" }, CommandLine::Mode::Error, {}, {} },
        LineCase { { "-", "--bogus" }, CommandLine::Mode::Error, {}, {} },
        LineCase { { "-" }, CommandLine::Mode::Window, "-", {} },
        LineCase { { "--p", "a.dvn" }, CommandLine::Mode::Error, {}, {} },
        LineCase { { "-help" }, CommandLine::Mode::Error, {}, {} },
        LineCase { { "-pa.dvn" }, CommandLine::Mode::Error, {}, {} },
        LineCase { { "--print=a.dvn" }, CommandLine::Mode::Error, {}, {} },
        LineCase { { "--" }, CommandLine::Mode::Error, {}, {} },
        LineCase { { "-p", "a.dvn", "--" }, CommandLine::Mode::Error, {}, {} },
        LineCase { { "-p", "--lang", "en", "a.dvn" }, CommandLine::Mode::Print, "a.dvn", {} },
        LineCase {
            { "--print-to-pdf", "-a.dvn", "-" }, CommandLine::Mode::PrintToPdf, "-a.dvn", "-" },
        LineCase { { "--print-to-pdf", "a.dvn", "--print-to-pdf=b.pdf" },
            CommandLine::Mode::PrintToPdf, "a.dvn", "--print-to-pdf=b.pdf" }));

class Registration : public ::testing::Test
{
protected:
    void SetUp() override
    {
        guiApp();
        unsetenv("DRAVON_NO_REGISTER");
        // The cache tools must not run on the test's folder.
        path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
    }
    void TearDown() override
    {
        setenv("DRAVON_NO_REGISTER", "1", 1);
        qputenv("PATH", path);
    }
    QByteArray read(const QString &relative)
    {
        QFile f(dir.filePath(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
    QByteArray path;
};

TEST_F(Registration, WritesTheMimePackageDesktopEntryAndIconOnceWhenMissing)
{
    EXPECT_EQ(registerDesktopFiles(dir.path(), QStringLiteral("/opt/dravon dir/bin/dravon")), 3);
    const QByteArray mime = read(QStringLiteral("mime/packages/dravon-mime.xml"));
    EXPECT_TRUE(mime.contains("type=\"application/x-dravon-document\""));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.dvn\"/>"));
    EXPECT_TRUE(mime.contains("<comment>Drav Document</comment>"));
    const QByteArray entry = read(QStringLiteral("applications/dravon.desktop"));
    EXPECT_TRUE(entry.contains("Exec=\"/opt/dravon dir/bin/dravon\" %f\n")) << entry.constData();
    EXPECT_TRUE(entry.contains("MimeType=application/x-dravon-document;"));
    EXPECT_FALSE(read(QStringLiteral("icons/hicolor/scalable/apps/dravon.svg")).isEmpty());

    // Present files are left as they are.
    EXPECT_EQ(registerDesktopFiles(dir.path(), QStringLiteral("/usr/bin/dravon")), 0);
    EXPECT_TRUE(read(QStringLiteral("applications/dravon.desktop")).contains("/opt/dravon dir"));
}

TEST_F(Registration, TheEntryOffersPrintingAndAnOlderEntryIsUpdated)
{
    const QString desktopFile = dir.filePath(QStringLiteral("applications/dravon.desktop"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(desktopFile).absolutePath()));
    QFile old(desktopFile);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("[Desktop Entry]\nType=Application\nName=dravon\nExec=dravon %f\n");
    old.close();

    EXPECT_EQ(registerDesktopFiles(dir.path(), QStringLiteral("/opt/bin/dravon")), 3);
    const QByteArray entry = read(QStringLiteral("applications/dravon.desktop"));
    EXPECT_TRUE(entry.contains("\nActions=print;\n")) << entry.constData();
    const qsizetype action = entry.indexOf("\n[Desktop Action print]\n");
    ASSERT_GT(action, 0);
    const QByteArray printPart = entry.mid(action);
    EXPECT_TRUE(printPart.contains("\nName[de]=Drucken\n"));
    EXPECT_TRUE(printPart.contains("\nExec=/opt/bin/dravon -p %f\n"));
    EXPECT_TRUE(entry.left(action).contains("\nExec=/opt/bin/dravon %f\n"));
}

TEST_F(Registration, DoesNothingWhenSwitchedOff)
{
    setenv("DRAVON_NO_REGISTER", "1", 1);
    EXPECT_EQ(registerDesktopFiles(dir.path(), QStringLiteral("/usr/bin/dravon")), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("mime"))));
}

// The desktop's opener, replaced by a script that answers with a given exit status.
class DesktopViewer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        guiApp();
        path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        page = dir.filePath(QStringLiteral("hilfe.html"));
    }
    void TearDown() override { qputenv("PATH", path); }
    void installOpener(const QByteArray &body)
    {
        QFile script(dir.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n" + body + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QTemporaryDir dir;
    QByteArray path;
    QString page;
};

TEST_F(DesktopViewer, AnOpenerThatFindsNoViewerIsAFailure)
{
    // What xdg-open does on a desktop without any browser: it starts, then gives up.
    installOpener("exit 3");
    QtFrameUi ui;
    EXPECT_FALSE(ui.openWithDesktop(page));
}

TEST_F(DesktopViewer, AnOpenerThatSucceedsOrKeepsRunningHasOpenedThePage)
{
    const QString seenPath = dir.filePath(QStringLiteral("seen"));
    installOpener("echo \"$1\" > '" + QFile::encodeName(seenPath) + "'; exit 0");
    QtFrameUi ui;
    EXPECT_TRUE(ui.openWithDesktop(page));
    QFile seen(seenPath);
    ASSERT_TRUE(seen.open(QIODevice::ReadOnly));
    EXPECT_EQ(seen.readAll().trimmed(), QUrl::fromLocalFile(page).toString().toUtf8());

    // A viewer that stays open keeps its opener waiting: that is a page on the screen.
    installOpener("exec /bin/sleep 5");
    EXPECT_TRUE(ui.openWithDesktop(page));
}

TEST_F(DesktopViewer, NoOpenerAtAllIsAFailure)
{
    QtFrameUi ui;
    EXPECT_FALSE(ui.openWithDesktop(page));
}

TEST(QtTexts, TheDialogsQtSuppliesSpeakGerman)
{
    guiApp();
    QTranslator *german = CDravonApp::loadGermanQtTexts();
    ASSERT_NE(german, nullptr) << "Qt's German translations are missing (tools/install-deps)";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
    // The other tests see Qt's own texts again.
    QCoreApplication::removeTranslator(german);
    delete german;
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}
