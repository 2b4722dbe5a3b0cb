// Shared set-up of the desktop-program tests.
#include "guifixture.h"

#include "dialogs/dlginput.h"
#include "document/resultsfile.h"
#include "shell/programsettings.h"
#include "shell/shellresources.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QWindow>

#include <clocale>
#include <cstdlib>

namespace {

QTemporaryDir &settingsDir()
{
    static QTemporaryDir dir;
    return dir;
}

} // namespace

QApplication &guiApp()
{
    static int argc = 1;
    static char name[] = "gui_tests";
    static char *argv[] = { name, nullptr };
    static QApplication *app = [] {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("DRAVON_NO_REGISTER", "1", 1);
        auto *a = new QApplication(argc, argv);
        // The application adopts the environment's locale; the tests run German.
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        QCoreApplication::setOrganizationName(programsettings::organisation());
        QCoreApplication::setApplicationName(programsettings::application());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir().path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir().path());
        initShellResources();
        return a;
    }();
    return *app;
}

QString settingsFolder()
{
    return settingsDir().path();
}

StringList surveyLines(int count)
{
    StringList lines;
    for (int i = 1; i <= count; ++i) {
        const double depth = 30.0 * i;
        const double incl = i < 5 ? 0.5 * i : 2.0 + 1.5 * (i - 4);
        const double azim = 40.0 + 0.8 * i;
        lines.push_back(cfmt("%8.2f  %7.2f  %7.2f", depth, incl > 60 ? 60.0 : incl, azim));
    }
    return lines;
}

StringList tableLines(int count)
{
    StringList lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(cfmt("Zeile %04d  %8.2f", i + 1, i * 1.25));
    return lines;
}

QString writeDocument(const QString &path, const std::string &name, const StringList &lines)
{
    CDravonDoc other;
    other.reset();
    well::Well well;
    well.name = name;
    well.survey = well::surveyFromLines(lines);
    other.take(std::move(well), 0, true);
    std::string message;
    EXPECT_TRUE(other.save(path, message)) << message;
    return path;
}

ShellTest::ShellTest()
{
    guiApp();
    programSettings().clear();
    doc = std::make_unique<CDravonDoc>();
    doc->reset();
    doc->setResultsPath(temp.filePath(QStringLiteral("aus.txt")));
    commands = std::make_unique<DocumentCommands>(*doc, prompter, dialog);
    frame = std::make_unique<CMainFrame>(*commands, ui);
    frame->resize(800, 600);
    frame->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    frame->activateWindow();
    (void)QTest::qWaitForWindowActive(frame.get());
    settle();
}

ShellTest::~ShellTest()
{
    // Nothing may ask about saving when the test's window goes.
    doc->SetModifiedFlag(false);
    frame.reset();
}

void ShellTest::enterData(const StringList &lines)
{
    dialog.script = [lines](LineEditor &state) {
        state.m_Eingabe = lines;
        state.m_bGeaendert = 1;
        return true;
    };
    frame->commands().OnDataChange();
    dialog.script = nullptr;
    settle();
}

void ShellTest::showTable(const StringList &lines)
{
    ASSERT_LE(lines.size(), kMaxResultLines);
    std::string bytes;
    for (const std::string &line : lines)
        bytes += line + "\r\n";
    QFile file(temp.filePath(QStringLiteral("aus.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
        static_cast<qint64>(bytes.size()));
    file.close();
    doc->readResults();
    ASSERT_EQ(doc->resultsTable(), lines);
    settle();
}

void ShellTest::settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

void ShellTest::press(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : frame.get();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    settle();
}

QString shownTitle(const QWidget &window)
{
    return window.windowHandle() ? window.windowHandle()->title() : QString();
}

int pdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int count = 0;
    auto it = page.globalMatch(text);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

bool openExample(DocumentCommands &commands)
{
    QTimer::singleShot(0, [] {
        if (auto *input = qobject_cast<DlgInput *>(QApplication::activeModalWidget()))
            input->accept();
    });
    return commands.OnOpenDocument(
        QDir(qEnvironmentVariable("DRAVON_EXAMPLES")).filePath(QStringLiteral("example.dvn")));
}
