// What the desktop-program tests share: one QApplication on the offscreen platform with
// its settings in a temporary folder, a measurement dialog and frame questions that
// answer from a script, and a main frame running the document commands wired to them.
#pragma once

#include "core/cformat.h"
#include "dialogs/documentcommands.h"
#include "dialogs/measurementdialog.h"
#include "dialogs/scriptedprompter.h"
#include "document/dravondoc.h"
#include "shell/frameui.h"
#include "shell/mainframe.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList &l, std::ostream *os)
{
    *os << '[' << l.join(QStringLiteral(", ")).toStdString() << ']';
}
QT_END_NAMESPACE

// The application, created once; settings (the recent-file list) go to a temporary
// folder, never to the user's.
QApplication &guiApp();
// The folder of the temporary settings.
QString settingsFolder();

// Runs `script` on the modal dialog of type `Dialog` as soon as it is open.
template <typename Dialog> void onModalDialog(std::function<void(Dialog &)> script)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, script] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            script(*dialog);
        }
    });
    timer->start();
}

// Opens examples/example.dvn through `commands`, with OK in the measurement dialog that
// opening shows.
bool openExample(DocumentCommands &commands);

// The user in the measurement dialog: edits the state and answers OK (true) or Cancel.
class ScriptedDialog : public MeasurementDialog
{
public:
    std::function<bool(LineEditor &)> script;
    int runs = 0;

    bool run(LineEditor &state) override
    {
        ++runs;
        state.m_bGeaendert = 0;
        return script ? script(state) : true;
    }
};

// The user at the frame's questions and dialogs.
class ScriptedFrameUi : public FrameUi
{
public:
    std::deque<SaveAnswer> saveAnswers; // empty: Cancel
    std::deque<QString> openNames; // empty: cancelled
    std::deque<QString> fieldNames; // "Feld öffnen …"; empty: cancelled
    std::deque<double> scanRadii; // "Abstand zu allen …"; empty: cancelled
    std::deque<QString> saveNames; // empty: cancelled
    std::deque<QString> exportNames; // empty: cancelled
    int exportFilter = 0; // the file dialog's filter the user picks
    std::deque<QString> imageNames; // "Bild speichern"; empty: cancelled
    int imageFilter = 0;
    std::deque<QSize> imageSizes; // the image size dialog; empty: cancelled
    QSize offeredImageSize; // the size the dialog was opened with
    bool printAccepted = true;
    bool desktopOpens = true;
    bool restoreAnswer = false; // the start's offer of a recovered copy
    int restoreQuestions = 0;

    QStringList questions; // titles the save question named
    int printDialogs = 0;
    int lastMaxPage = 0;
    std::pair<int, int> presetRange; // the pages the print dialog was preset to
    QStringList opened; // files handed to the desktop's viewer

    SaveAnswer askSaveChanges(const QString &title) override
    {
        questions << title;
        if (saveAnswers.empty())
            return SaveAnswer::Cancel;
        const SaveAnswer a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }
    bool askRestoreRecovered() override
    {
        ++restoreQuestions;
        return restoreAnswer;
    }
    QString openFileName() override { return take(openNames); }
    QString fieldFileName() override { return take(fieldNames); }
    QString fieldAddress(const QString &) override { return take(fieldNames); }
    std::optional<double> scanRadius(const QString &, double) override
    {
        if (scanRadii.empty())
            return std::nullopt;
        const double r = scanRadii.front();
        scanRadii.pop_front();
        return r;
    }
    QString saveFileName(const QString &) override { return take(saveNames); }
    QString exportFileName(const QString &, const QStringList &, int &filter) override
    {
        filter = exportFilter;
        return take(exportNames);
    }
    QString imageFileName(const QString &, const QStringList &, int &filter) override
    {
        filter = imageFilter;
        return take(imageNames);
    }
    bool imageSize(QSize &size) override
    {
        offeredImageSize = size;
        if (imageSizes.empty())
            return false;
        size = imageSizes.front();
        imageSizes.pop_front();
        return true;
    }
    bool printDialog(QPrinter &printer, int maxPage) override
    {
        ++printDialogs;
        lastMaxPage = maxPage;
        presetRange = { printer.fromPage(), printer.toPage() };
        return printAccepted;
    }
    void printSetup(QPrinter &) override { }
    bool openWithDesktop(const QString &path) override
    {
        opened << path;
        return desktopOpens;
    }

private:
    static QString take(std::deque<QString> &q)
    {
        if (q.empty())
            return {};
        QString s = q.front();
        q.pop_front();
        return s;
    }
};

// Station lines of a survey that builds up inclination while turning: `count` stations
// every 30 m.
StringList surveyLines(int count);

// A results table of `count` numbered lines.
StringList tableLines(int count);

// Writes a document file with the borehole `name` and the station `lines` through a
// document of its own; returns `path`.
QString writeDocument(const QString &path, const std::string &name, const StringList &lines);

// A document with its frame, shown on the offscreen screen.
class ShellTest : public ::testing::Test
{
protected:
    ShellTest();
    ~ShellTest() override;

    // Runs the data change with `lines` taken as the user's station lines.
    void enterData(const StringList &lines);
    // Puts `lines` into the document's results file and reads it back ("Ergebnisse
    // einlesen"), so that the views show exactly these lines as the results table (at
    // most kMaxResultLines of them).
    void showTable(const StringList &lines);
    // Lets pending paints and queued calls run.
    static void settle();
    // Presses a key on the frame.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    ScriptedPrompter prompter;
    ScriptedDialog dialog;
    ScriptedFrameUi ui;
    std::unique_ptr<CDravonDoc> doc;
    std::unique_ptr<DocumentCommands> commands;
    std::unique_ptr<CMainFrame> frame;
    QTemporaryDir temp;
};

// The main window's title as the title bar shows it: the title holds a "[*]" where an
// asterisk marks unsaved changes.
QString shownTitle(const QWidget &window);

// Number of pages in a PDF file, by its page objects.
int pdfPageCount(const QString &path);
