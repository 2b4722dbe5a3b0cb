// The frame's document commands: data change and cancel as the views see them, opening
// and saving, the question about unsaved changes, and the recent-file list.
#include "guifixture.h"

#include "graph/view/grafik.h"
#include "shell/commandids.h"
#include "textview/dravonview.h"

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QScrollBar>
#include <QSettings>
#include <QTest>

namespace {

// Dark pixels in what a view shows: text and curves are black, red or blue on white.
int inkPixels(QAbstractScrollArea *view)
{
    const QImage image = view->viewport()->grab().toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++ink;
    return ink;
}

// A document file with `lines` stations, written through a separate document.
QString writeDocument(const QString &path, const std::string &name, const StringList &lines)
{
    ScriptedPrompter p;
    ScriptedDialog d;
    CDravonDoc other(p, d);
    other.OnNewDocument();
    other.m_Name = name;
    other.m_Eingabe = lines;
    EXPECT_TRUE(other.OnSaveDocument(path));
    return path;
}

} // namespace

using FrameDocument = ShellTest;

TEST_F(FrameDocument, DataChangeThroughTheDialogReachesTheTextView)
{
    EXPECT_EQ(inkPixels(frame->textView()), 0); // an empty table draws nothing
    dialog.script = [](LineEditor &state) {
        state.m_Name = "Bohrung Test";
        state.m_Eingabe = surveyLines(10);
        state.m_bGeaendert = 1;
        return true;
    };
    press(Qt::Key_F2);
    EXPECT_EQ(dialog.runs, 1);
    ASSERT_FALSE(doc->m_Ergebnisse.empty());
    EXPECT_EQ(doc->m_Ergebnisse.front(), "Bohrung Test");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_GT(inkPixels(frame->textView()), 500);
}

TEST_F(FrameDocument, ChangeWhileTheGraphIsShownAppearsInTheTextViewAfterF4)
{
    enterData(surveyLines(5));
    const StringList before = doc->m_Ergebnisse;
    press(Qt::Key_F3);
    frame->graphView()->viewport()->repaint();
    enterData(surveyLines(20));
    ASSERT_NE(doc->m_Ergebnisse, before);
    press(Qt::Key_F4);
    EXPECT_EQ(frame->GetActiveView(), frame->textView());
    // The view draws every line of the new table: its extent follows the new count.
    const int rows = static_cast<int>(doc->m_Ergebnisse.size());
    EXPECT_GE(frame->textView()->scrollExtent().cy, 11000);
    EXPECT_GT(rows, static_cast<int>(before.size()));
    EXPECT_GT(inkPixels(frame->textView()), 500);
}

TEST_F(FrameDocument, CancelInTheDialogChangesNothing)
{
    enterData(surveyLines(6));
    doc->SetModifiedFlag(false);
    const StringList table = doc->m_Ergebnisse;
    const StringList lines = doc->m_Eingabe;
    const QImage shown = frame->textView()->viewport()->grab().toImage();
    dialog.script = [](LineEditor &state) {
        state.m_Eingabe = surveyLines(2);
        state.m_Name = "anders";
        state.m_Ansicht = 1;
        return false;
    };
    press(Qt::Key_F2);
    EXPECT_EQ(dialog.runs, 2);
    EXPECT_EQ(doc->m_Ergebnisse, table);
    EXPECT_EQ(doc->m_Eingabe, lines);
    EXPECT_EQ(doc->m_Ansicht, 0);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(frame->textView()->viewport()->grab().toImage(), shown);
}

TEST_F(FrameDocument, SaveAsksForANameOnceAndOpenTakesItBack)
{
    enterData(surveyLines(7));
    const QString path = temp.filePath(QStringLiteral("bohrung.dvn"));
    ui.saveNames = { path };
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("bohrung.dvn - dravon"));
    EXPECT_EQ(frame->recentFiles().files(), QStringList { QFileInfo(path).absoluteFilePath() });

    // A second save writes to the same file without asking.
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(ui.saveNames.empty());

    // Open in a fresh frame state: the measurement dialog runs inside the load.
    doc->m_Eingabe.clear();
    ui.openNames = { path };
    const int runs = dialog.runs;
    press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialog.runs, runs + 1);
    EXPECT_EQ(doc->m_Eingabe, surveyLines(7));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(FrameDocument, OpeningAskedAboutUnsavedChangesAndCancelKeepsTheDocument)
{
    const QString other
        = writeDocument(temp.filePath(QStringLiteral("other.dvn")), "Andere", surveyLines(3));
    enterData(surveyLines(9));
    ASSERT_TRUE(doc->IsModified());
    ui.saveAnswers = { FrameUi::SaveAnswer::Cancel };
    ui.openNames = { other };
    frame->action(ID_FILE_OPEN)->trigger();
    EXPECT_EQ(ui.questions, QStringList { "Unbenannt" });
    EXPECT_EQ(doc->m_Eingabe, surveyLines(9));
    EXPECT_EQ(ui.openNames.size(), 1u); // the file dialog never opened

    ui.saveAnswers = { FrameUi::SaveAnswer::No };
    frame->action(ID_FILE_OPEN)->trigger();
    EXPECT_EQ(doc->m_Name, "Andere");
    EXPECT_EQ(doc->m_Eingabe, surveyLines(3));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("other.dvn - dravon"));
}

TEST_F(FrameDocument, ClosingAsksJaNeinAbbrechen)
{
    enterData(surveyLines(4));
    ASSERT_TRUE(doc->IsModified());

    ui.saveAnswers = { FrameUi::SaveAnswer::Cancel };
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(ui.questions, QStringList { "Unbenannt" });

    // Yes on an unnamed document asks for a name; cancelling that keeps the window.
    ui.saveAnswers = { FrameUi::SaveAnswer::Yes };
    EXPECT_FALSE(frame->close());

    const QString path = temp.filePath(QStringLiteral("beim-schliessen.dvn"));
    ui.saveAnswers = { FrameUi::SaveAnswer::Yes };
    ui.saveNames = { path };
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(QFileInfo::exists(path));
}

TEST_F(FrameDocument, ClosingWithNoLeavesNoFile)
{
    enterData(surveyLines(4));
    ui.saveAnswers = { FrameUi::SaveAnswer::No };
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(ui.questions.size(), 1);
    EXPECT_TRUE(QDir(temp.path()).entryList({ "*.dvn" }).isEmpty());
}

TEST_F(FrameDocument, UnchangedDocumentClosesWithoutAQuestion)
{
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(ui.questions.isEmpty());
}

TEST_F(FrameDocument, RecentFileListKeepsFourNewestFirst)
{
    QStringList paths;
    for (int i = 1; i <= 5; ++i)
        paths << writeDocument(temp.filePath(QStringLiteral("doc%1.dvn").arg(i)),
            cfmt("Bohrung %d", i), surveyLines(3 + i));
    for (const QString &p : paths)
        ASSERT_TRUE(frame->openDocumentFile(p));

    const QStringList expected { QFileInfo(paths[4]).absoluteFilePath(),
        QFileInfo(paths[3]).absoluteFilePath(), QFileInfo(paths[2]).absoluteFilePath(),
        QFileInfo(paths[1]).absoluteFilePath() };
    EXPECT_EQ(frame->recentFiles().files(), expected);
    frame->updateCommandUi();
    EXPECT_FALSE(frame->recentPlaceholder()->isVisible());
    for (int i = 0; i < 4; ++i) {
        QAction *entry = frame->recentActions()[static_cast<size_t>(i)];
        EXPECT_TRUE(entry->isVisible());
        EXPECT_TRUE(entry->text().startsWith(QStringLiteral("&%1 ").arg(i + 1)))
            << entry->text().toStdString();
        EXPECT_TRUE(entry->text().endsWith(QStringLiteral("doc%1.dvn").arg(5 - i)))
            << entry->text().toStdString();
    }

    // Stored under the application's settings key, read back by a new list.
    EXPECT_EQ(RecentFileList().files(), expected);
    QSettings settings(
        QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("dravon"));
    EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(), expected[0]);

    // Opening an entry again moves it to the front without a duplicate.
    frame->recentActions()[3]->trigger();
    EXPECT_EQ(doc->m_Name, "Bohrung 2");
    EXPECT_EQ(frame->recentFiles().files().size(), 4);
    EXPECT_EQ(frame->recentFiles().files().front(), expected[3]);
}

TEST_F(FrameDocument, AnEntryThatCannotBeOpenedLeavesTheList)
{
    const QString path
        = writeDocument(temp.filePath(QStringLiteral("weg.dvn")), "Weg", surveyLines(3));
    ASSERT_TRUE(frame->openDocumentFile(path));
    QFile::remove(path);
    frame->recentActions()[0]->trigger();
    EXPECT_TRUE(frame->recentFiles().files().isEmpty());
    EXPECT_FALSE(prompter.messages().empty()); // the document said why
    frame->updateCommandUi();
    EXPECT_TRUE(frame->recentPlaceholder()->isVisible());
}

// "Neu" asks about unsaved changes as closing does and then starts an untitled
// document, so that the next Ctrl+S asks for a name. (It used to ask nothing and keep
// the file name, so that Ctrl+S overwrote the previous survey's file.)
TEST_F(FrameDocument, NeuAsksAboutUnsavedChangesAndNeverWritesIntoThePreviousFile)
{
    const QString path
        = writeDocument(temp.filePath(QStringLiteral("alt.dvn")), "Alt", surveyLines(5));
    ASSERT_TRUE(frame->openDocumentFile(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    enterData(surveyLines(6));
    ASSERT_TRUE(doc->IsModified());
    const int runs = dialog.runs;

    // Abbrechen stops "Neu": no dialog, the survey stays.
    ui.saveAnswers = { FrameUi::SaveAnswer::Cancel };
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(ui.questions, QStringList { "alt.dvn" });
    EXPECT_EQ(dialog.runs, runs);
    EXPECT_EQ(doc->m_Eingabe, surveyLines(6));
    EXPECT_TRUE(doc->IsModified());

    // Nein: the dialog opens on the defaults under an untitled document.
    ui.saveAnswers = { FrameUi::SaveAnswer::No };
    dialog.script = [](LineEditor &state) {
        EXPECT_TRUE(state.m_Eingabe.empty());
        state.m_Eingabe = surveyLines(3);
        state.m_bGeaendert = 1;
        return true;
    };
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(dialog.runs, runs + 1);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Unbenannt - dravon"));
    EXPECT_TRUE(doc->GetPathName().isEmpty());

    // Ctrl+S asks for a name; cancelling it writes nothing.
    ui.saveNames.clear();
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(doc->IsModified());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();
}

// After a recomputation the text view shows the table: a window scrolled below the
// end of a shorter new table goes back to the top, one inside the table stays.
TEST_F(FrameDocument, RecomputationKeepsTheTableInView)
{
    CDravonView *view = frame->textView();
    QScrollBar *bar = view->verticalScrollBar();
    enterData(surveyLines(300));
    settle();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum() / 2);
    const int middle = bar->value();
    enterData(surveyLines(299));
    EXPECT_EQ(bar->value(), middle);

    bar->setValue(bar->maximum());
    enterData(surveyLines(5));
    EXPECT_EQ(bar->value(), 0);
    settle();
    EXPECT_GT(inkPixels(view), 500);
}

TEST_F(FrameDocument, OpeningReinitialisesTheGraphView)
{
    const QString path = writeDocument(temp.filePath(QStringLiteral("g.dvn")), "G", surveyLines(6));
    press(Qt::Key_F3);
    CGrafik *graph = frame->graphView();
    graph->viewport()->repaint();
    ASSERT_EQ(graph->page().m_bComputed, 1);
    ASSERT_TRUE(frame->openDocumentFile(path));
    // New data: the next drawing scales the loaded survey.
    EXPECT_EQ(doc->m_bNeueDaten, 1);
    graph->viewport()->repaint();
    EXPECT_EQ(graph->page().m_bComputed, 1);
    // The view no longer clears the document's new-data flag; it scales by the
    // document's revision and leaves the document alone.
    EXPECT_EQ(graph->page().m_Punktzahl, doc->m_PlotWerte);
}
