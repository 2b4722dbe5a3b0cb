// Start-up pieces without a window: the command line and the per-user registration of
// the document type.
#include "guifixture.h"

#include "shell/commandline.h"
#include "shell/desktopregistration.h"

#include <QFile>
#include <QTemporaryDir>

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

TEST_F(Registration, DoesNothingWhenSwitchedOff)
{
    setenv("DRAVON_NO_REGISTER", "1", 1);
    EXPECT_EQ(registerDesktopFiles(dir.path(), QStringLiteral("/usr/bin/dravon")), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("mime"))));
}
