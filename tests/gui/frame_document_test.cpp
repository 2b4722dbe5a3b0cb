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
    ASSERT_FALSE(doc->resultsTable().empty());
    EXPECT_EQ(doc->resultsTable().front(), "Bohrung Test");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_GT(inkPixels(frame->textView()), 500);
}

TEST_F(FrameDocument, ChangeWhileTheGraphIsShownAppearsInTheTextViewAfterF4)
{
    enterData(surveyLines(5));
    const StringList before = doc->resultsTable();
    const int extentBefore = frame->textView()->scrollExtent().cy;
    press(Qt::Key_F3);
    frame->graphView()->viewport()->repaint();
    enterData(surveyLines(20));
    ASSERT_NE(doc->resultsTable(), before);
    press(Qt::Key_F4);
    EXPECT_EQ(frame->GetActiveView(), frame->textView());
    // The view draws every line of the new table: its extent follows the new count.
    const int rows = static_cast<int>(doc->resultsTable().size());
    EXPECT_GT(rows, static_cast<int>(before.size()));
    EXPECT_GT(frame->textView()->scrollExtent().cy, extentBefore);
    EXPECT_GT(inkPixels(frame->textView()), 500);
}

TEST_F(FrameDocument, CancelInTheDialogChangesNothing)
{
    enterData(surveyLines(6));
    doc->SetModifiedFlag(false);
    const StringList table = doc->resultsTable();
    const StringList lines = doc->well().survey.lines();
    const QImage shown = frame->textView()->viewport()->grab().toImage();
    dialog.script = [](LineEditor &state) {
        state.m_Eingabe = surveyLines(2);
        state.m_Name = "anders";
        state.m_Ansicht = 1;
        return false;
    };
    press(Qt::Key_F2);
    EXPECT_EQ(dialog.runs, 2);
    EXPECT_EQ(doc->resultsTable(), table);
    EXPECT_EQ(doc->well().survey.lines(), lines);
    EXPECT_EQ(doc->view(), 0);
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
    EXPECT_EQ(shownTitle(*frame), QStringLiteral("bohrung.dvn - dravon"));
    EXPECT_EQ(frame->recentFiles().files(), QStringList { QFileInfo(path).absoluteFilePath() });

    // A second save writes to the same file without asking.
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(ui.saveNames.empty());

    // Other stations, kept unmodified so that opening asks nothing: the measurement
    // dialog runs inside the load and the file's stations come back.
    enterData(surveyLines(2));
    doc->SetModifiedFlag(false);
    ui.openNames = { path };
    const int runs = dialog.runs;
    press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialog.runs, runs + 1);
    EXPECT_EQ(doc->well().survey.lines(), surveyLines(7));
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
    EXPECT_EQ(doc->well().survey.lines(), surveyLines(9));
    EXPECT_EQ(ui.openNames.size(), 1u); // the file dialog never opened

    ui.saveAnswers = { FrameUi::SaveAnswer::Discard };
    frame->action(ID_FILE_OPEN)->trigger();
    EXPECT_EQ(doc->name(), "Andere");
    EXPECT_EQ(doc->well().survey.lines(), surveyLines(3));
    EXPECT_EQ(shownTitle(*frame), QStringLiteral("other.dvn - dravon"));
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
    ui.saveAnswers = { FrameUi::SaveAnswer::Save };
    EXPECT_FALSE(frame->close());

    const QString path = temp.filePath(QStringLiteral("beim-schliessen.dvn"));
    ui.saveAnswers = { FrameUi::SaveAnswer::Save };
    ui.saveNames = { path };
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(QFileInfo::exists(path));
}

TEST_F(FrameDocument, ClosingWithNoLeavesNoFile)
{
    enterData(surveyLines(4));
    ui.saveAnswers = { FrameUi::SaveAnswer::Discard };
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
    QSettings settings(QStringLiteral("Dravon"), QStringLiteral("dravon"));
    EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(), expected[0]);

    // Opening an entry again moves it to the front without a duplicate.
    frame->recentActions()[3]->trigger();
    EXPECT_EQ(doc->name(), "Bohrung 2");
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
    dialog.script = [](LineEditor &state) {
        state.m_Eingabe = surveyLines(6);
        state.m_Info = { "Feld Nord", "Bohrung 7" };
        state.m_bGeaendert = 1;
        return true;
    };
    frame->commands().OnDataChange();
    dialog.script = nullptr;
    ASSERT_TRUE(doc->IsModified());
    ASSERT_EQ(doc->well().info.size(), 2u);
    const int runs = dialog.runs;

    // Abbrechen stops "Neu": no dialog, the survey stays.
    ui.saveAnswers = { FrameUi::SaveAnswer::Cancel };
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(ui.questions, QStringList { "alt.dvn" });
    EXPECT_EQ(dialog.runs, runs);
    EXPECT_EQ(doc->well().survey.lines(), surveyLines(6));
    EXPECT_TRUE(doc->IsModified());

    // Nein: the dialog opens on the defaults under an untitled document. "Neu" starts
    // from a fresh well now: the previous borehole's descriptive lines and name are gone
    // too (the descriptive lines used to stay with the new survey).
    ui.saveAnswers = { FrameUi::SaveAnswer::Discard };
    dialog.script = [](LineEditor &state) {
        EXPECT_TRUE(state.m_Eingabe.empty());
        EXPECT_TRUE(state.m_Info.empty());
        EXPECT_NE(state.m_Name, "Alt");
        state.m_Eingabe = surveyLines(3);
        state.m_bGeaendert = 1;
        return true;
    };
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(dialog.runs, runs + 1);
    // The stations entered are unsaved: the title bar marks them (it used to show no
    // mark at all).
    EXPECT_EQ(shownTitle(*frame), QStringLiteral("Unbenannt* - dravon"));
    EXPECT_TRUE(doc->GetPathName().isEmpty());

    // Ctrl+S asks for a name; cancelling it writes nothing.
    ui.saveNames.clear();
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(doc->IsModified());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();
}

// A new name is a change of the document: renaming the borehole alone in the
// measurement dialog marks it modified, so that "Neu" asks before the name is lost.
// (Renaming alone used to leave the document unmodified and the name went unasked.)
TEST_F(FrameDocument, RenamingAloneIsAChangeThatNeuAsksToSave)
{
    const QString path
        = writeDocument(temp.filePath(QStringLiteral("name.dvn")), "Alt", surveyLines(4));
    ASSERT_TRUE(frame->openDocumentFile(path));
    ASSERT_FALSE(doc->IsModified());
    const std::uint64_t revision = doc->dataRevision();
    const StringList table = doc->resultsTable();

    dialog.script = [](LineEditor &state) {
        state.m_Name = "Neu benannt";
        return true;
    };
    press(Qt::Key_F2);
    dialog.script = nullptr;
    EXPECT_EQ(doc->name(), "Neu benannt");
    EXPECT_TRUE(doc->IsModified());
    // The name heads the table, but the stations are the same: the graph keeps its scale.
    EXPECT_EQ(doc->dataRevision(), revision);
    ASSERT_FALSE(doc->resultsTable().empty());
    EXPECT_EQ(doc->resultsTable().front(), "Neu benannt");
    EXPECT_EQ(doc->resultsTable().size(), table.size());

    // Ctrl+N asks; Abbrechen keeps the renamed borehole without opening the dialog.
    const int runs = dialog.runs;
    ui.saveAnswers = { FrameUi::SaveAnswer::Cancel };
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(ui.questions, QStringList { "name.dvn" });
    EXPECT_EQ(dialog.runs, runs);
    EXPECT_EQ(doc->name(), "Neu benannt");

    // Ja writes the new name into the document's file before "Neu" goes on.
    ui.saveAnswers = { FrameUi::SaveAnswer::Save };
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(ui.questions.size(), 2);
    EXPECT_EQ(dialog.runs, runs + 1);
    EXPECT_TRUE(doc->GetPathName().isEmpty());
    CDravonDoc reread;
    std::string message;
    ASSERT_TRUE(reread.load(path, message)) << message;
    EXPECT_EQ(reread.name(), "Neu benannt");
    EXPECT_EQ(reread.well().survey.lines(), surveyLines(4));
}

// The measurement dialog opens on a file as it is read; what the user changes there
// before OK is a change of the opened document, which closing then asks to save.
// OK or Abbrechen without a change leaves the opened document unmodified.
TEST_F(FrameDocument, AChangeInTheDialogThatOpensAFileIsKeptAsAChange)
{
    const QString path
        = writeDocument(temp.filePath(QStringLiteral("offen.dvn")), "Offen", surveyLines(4));
    ASSERT_TRUE(frame->openDocumentFile(path));
    EXPECT_FALSE(doc->IsModified());
    dialog.script = [](LineEditor &) { return false; };
    ASSERT_TRUE(frame->openDocumentFile(path));
    EXPECT_FALSE(doc->IsModified());

    dialog.script = [](LineEditor &state) {
        state.m_Eingabe = surveyLines(5);
        state.m_bGeaendert = 1;
        return true;
    };
    ASSERT_TRUE(frame->openDocumentFile(path));
    dialog.script = nullptr;
    EXPECT_EQ(doc->well().survey.lines(), surveyLines(5));
    // Changed in the dialog: the title bar marks the unsaved change.
    EXPECT_EQ(shownTitle(*frame), QStringLiteral("offen.dvn* - dravon"));
    EXPECT_TRUE(doc->IsModified());
    ui.saveAnswers = { FrameUi::SaveAnswer::Cancel };
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(ui.questions, QStringList { "offen.dvn" });
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
    const std::uint64_t seen = graph->page().m_scaledRevision;
    const std::uint64_t before = doc->dataRevision();
    ASSERT_TRUE(frame->openDocumentFile(path));
    // New data: the document's revision moved on, so the next drawing scales the
    // loaded survey.
    const std::uint64_t revision = doc->dataRevision();
    EXPECT_GT(revision, before);
    graph->viewport()->repaint();
    EXPECT_EQ(graph->page().m_bComputed, 1);
    EXPECT_NE(graph->page().m_scaledRevision, seen);
    // The view scales by the document's revision and leaves the document alone.
    EXPECT_EQ(doc->dataRevision(), revision);
    // The surface station and the file's six.
    EXPECT_EQ(graph->page().m_Punktzahl, 7);
    EXPECT_EQ(
        static_cast<std::size_t>(graph->page().m_Punktzahl), doc->plotTrajectory().stations.size());
}
