// The desktop program as a program of its platform: settings under its own organisation
// (taken over from the earlier one), the Schließen/Beenden keys and the views as one
// checked choice in the menu, the save question's three answers with the real message
// box, and the recovery file of unsaved changes.
#include "guifixture.h"

#include "document/dravondoc.h"
#include "shell/commandids.h"
#include "shell/programsettings.h"
#include "shell/qtframeui.h"
#include "shell/recentfiles.h"
#include "shell/recovery.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <chrono>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The station lines a document file holds, read through a document of its own.
StringList storedLines(const QString &path)
{
    CDravonDoc other;
    other.reset();
    std::string message;
    EXPECT_TRUE(other.load(path, message)) << message;
    return other.well().survey.lines();
}

void clearBothLocations()
{
    QSettings(programsettings::earlierOrganisation(), programsettings::application()).clear();
    programSettings().clear();
}

} // namespace

// ---- settings ----

TEST(SettingsLocation, TheEarlierSettingsComeAlongOnceWithoutOverwritingNewerOnes)
{
    guiApp();
    clearBothLocations();
    const QByteArray geometry("\x01\xd9\xd0\xcb\x00\x03\x00\x00 window", 15);
    {
        QSettings earlier(programsettings::earlierOrganisation(), programsettings::application());
        earlier.setValue(QStringLiteral("Recent File List/File1"), QStringLiteral("/data/b.dvn"));
        earlier.setValue(
            QStringLiteral("Recent File List/File2"), QStringLiteral("/data/ä ö.dvn"));
        earlier.setValue(QStringLiteral("Settings/Window"), geometry);
        earlier.setValue(QStringLiteral("language"), QStringLiteral("en"));
        earlier.setValue(QStringLiteral("Grafik/Einheit"), QStringLiteral("m"));
    }
    // A setting the current location already has was made later and stays.
    programSettings().setValue(QStringLiteral("Grafik/Einheit"), QStringLiteral("ft"));

    EXPECT_EQ(programsettings::adoptEarlierSettings(), 4);
    EXPECT_EQ(RecentFileList().files(),
        (QStringList { QStringLiteral("/data/b.dvn"), QStringLiteral("/data/ä ö.dvn") }));
    // The organisation is the program's own name.
    QSettings current(QStringLiteral("Dravon"), QStringLiteral("dravon"));
    EXPECT_EQ(current.value(QStringLiteral("Settings/Window")).toByteArray(), geometry);
    EXPECT_EQ(current.value(QStringLiteral("language")).toString(), QStringLiteral("en"));
    EXPECT_EQ(current.value(QStringLiteral("Grafik/Einheit")).toString(), QStringLiteral("ft"));

    // Once only: what the user removed since does not come back at the next start.
    RecentFileList list;
    list.remove(QStringLiteral("/data/b.dvn"));
    EXPECT_EQ(programsettings::adoptEarlierSettings(), 0);
    EXPECT_EQ(RecentFileList().files(), (QStringList { QStringLiteral("/data/ä ö.dvn") }));
    // The earlier file is left as it was.
    EXPECT_EQ(QSettings(programsettings::earlierOrganisation(), programsettings::application())
                  .value(QStringLiteral("Recent File List/File1"))
                  .toString(),
        QStringLiteral("/data/b.dvn"));
    clearBothLocations();
}

// The program itself, in its own process with a configuration folder of its own: the
// language chosen under the earlier organisation is in effect on the first start, and
// the recent files are in the new location afterwards.
TEST(SettingsLocation, TheProgramTakesTheEarlierSettingsBeforeItReadsAny)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const QString earlierFolder
        = config.filePath(QStringLiteral("Local AppWizard-Generated Applications"));
    ASSERT_TRUE(QDir().mkpath(earlierFolder));
    {
        QFile conf(QDir(earlierFolder).filePath(QStringLiteral("dravon.conf")));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("[General]\nlanguage=en\n\n[Recent%20File%20List]\nFile1=/data/alt.dvn\n");
    }
    const auto run = [&](const QStringList &args) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de_DE.UTF-8"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("DRAVON_NO_REGISTER"), QStringLiteral("1"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(DRAVON_DESKTOP), args);
        EXPECT_TRUE(program.waitForFinished(60000));
        return QString::fromUtf8(program.readAllStandardOutput());
    };
    const QString help = run({ QStringLiteral("--help") });
    EXPECT_EQ(help, run({ QStringLiteral("--lang=en"), QStringLiteral("--help") }));
    EXPECT_NE(help, run({ QStringLiteral("--lang=de"), QStringLiteral("--help") }));
    const QSettings taken(
        config.filePath(QStringLiteral("Dravon/dravon.conf")), QSettings::IniFormat);
    EXPECT_EQ(taken.value(QStringLiteral("Recent File List/File1")).toString(),
        QStringLiteral("/data/alt.dvn"));
}

// ---- menus and keys ----

using PlatformMenus = ShellTest;

// The keys the menu shows are the keys that work: each view's key, as its caption names
// it, shows that view and checks it alone.
TEST_F(PlatformMenus, EveryViewIsOneCheckedChoiceReachedByTheKeyItsCaptionShows)
{
    enterData(surveyLines(8));
    QActionGroup *group = frame->action(ID_VIEW_TEXT)->actionGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->exclusionPolicy(), QActionGroup::ExclusionPolicy::Exclusive);
    const QList<QAction *> views = group->actions();
    ASSERT_GE(views.size(), 3);
    EXPECT_EQ(group->checkedAction(), frame->action(ID_VIEW_TEXT));

    int keyed = 0;
    // Forwards and back again, so that each view is left for another and returned to.
    QList<QAction *> order = views;
    for (auto it = views.crbegin(); it != views.crend(); ++it)
        order << *it;
    for (QAction *view : order) {
        const QString caption = view->text();
        const qsizetype tab = caption.indexOf(QLatin1Char('\t'));
        if (tab < 0)
            continue;
        ++keyed;
        QString shown = caption.mid(tab + 1);
        shown.replace(QStringLiteral("Strg"), QStringLiteral("Ctrl"));
        shown.replace(QStringLiteral("Umschalt"), QStringLiteral("Shift"));
        const QKeySequence key = QKeySequence::fromString(shown, QKeySequence::PortableText);
        ASSERT_FALSE(key.isEmpty()) << caption.toStdString();
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : frame.get();
        QTest::keySequence(target, key);
        settle();
        EXPECT_TRUE(view->isChecked()) << caption.toStdString();
        int checked = 0;
        for (QAction *other : views)
            checked += other->isChecked() ? 1 : 0;
        EXPECT_EQ(checked, 1) << caption.toStdString();
    }
    // All but the vertical section have keys.
    EXPECT_GE(keyed, 2 * (static_cast<int>(views.size()) - 1));

    // Every view is in the Ansicht menu, beside the other views.
    QMenu *viewMenu = nullptr;
    for (QAction *top : frame->menuBar()->actions()) {
        if (top->menu() && top->menu()->actions().contains(frame->action(ID_VIEW_TEXT)))
            viewMenu = top->menu();
    }
    ASSERT_NE(viewMenu, nullptr);
    for (QAction *view : views)
        EXPECT_TRUE(viewMenu->actions().contains(view)) << view->text().toStdString();
}

// Ctrl+W closes the document after the save question and leaves an empty, unnamed one;
// Ctrl+Q asks the same question and ends the program.
TEST_F(PlatformMenus, CtrlWClosesTheDocumentAndCtrlQEndsTheProgram)
{
    const QString path
        = writeDocument(temp.filePath(QStringLiteral("zu.dvn")), "Zu", surveyLines(6));
    ASSERT_TRUE(frame->openDocumentFile(path));
    enterData(surveyLines(9));
    ASSERT_TRUE(doc->IsModified());

    ui.saveAnswers = { FrameUi::SaveAnswer::Cancel };
    press(Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(ui.questions, (QStringList { QStringLiteral("zu.dvn") }));
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(doc->well().survey.lines(), surveyLines(9));

    ui.saveAnswers = { FrameUi::SaveAnswer::Discard };
    press(Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(doc->GetPathName().isEmpty());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(doc->well().survey.lines().empty());
    EXPECT_EQ(shownTitle(*frame), QStringLiteral("Unbenannt - dravon"));
    EXPECT_EQ(storedLines(path), surveyLines(6)); // nothing was written

    enterData(surveyLines(4));
    ui.saveAnswers = { FrameUi::SaveAnswer::Cancel };
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(frame->isVisible());
    ui.saveAnswers = { FrameUi::SaveAnswer::Discard };
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(ui.questions.size(), 4);
}

// ---- the save question ----

class SaveQuestion : public ShellTest
{
protected:
    SaveQuestion()
        : real(frame.get())
    {
        frame->setFrameUi(real);
        path = writeDocument(temp.filePath(QStringLiteral("bohrung.dvn")), "B", surveyLines(5));
        EXPECT_TRUE(frame->openDocumentFile(path));
        enterData(surveyLines(7));
        before = fileBytes(path);
    }

    // Answers the message box with `button`, after checking what it offers.
    void answer(QMessageBox::StandardButton button)
    {
        onModalDialog<QMessageBox>([this, button](QMessageBox &box) {
            offered = box.standardButtons();
            message = box.text();
            for (QAbstractButton *b : box.buttons())
                captions << b->text().remove(QLatin1Char('&'));
            box.button(button)->click();
        });
    }

    QtFrameUi real;
    QString path;
    QByteArray before;
    QMessageBox::StandardButtons offered;
    QString message;
    QStringList captions;
};

TEST_F(SaveQuestion, AbbrechenKeepsTheDocumentAndVerwerfenWritesNothing)
{
    answer(QMessageBox::Cancel);
    EXPECT_FALSE(frame->closeDocument());
    EXPECT_EQ(offered, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    captions.sort();
    EXPECT_EQ(captions,
        (QStringList { QStringLiteral("Abbrechen"), QStringLiteral("Speichern"),
            QStringLiteral("Verwerfen") }));
    EXPECT_TRUE(message.contains(QStringLiteral("bohrung.dvn"))) << message.toStdString();
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(doc->well().survey.lines(), surveyLines(7));

    answer(QMessageBox::Discard);
    EXPECT_TRUE(frame->closeDocument());
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_TRUE(doc->GetPathName().isEmpty());
}

TEST_F(SaveQuestion, SpeichernWritesTheChangesBeforeAnotherDocumentComes)
{
    const QString other
        = writeDocument(temp.filePath(QStringLiteral("andere.dvn")), "Andere", surveyLines(3));
    answer(QMessageBox::Save);
    ASSERT_TRUE(frame->openDocumentFile(other));
    EXPECT_EQ(storedLines(path), surveyLines(7));
    EXPECT_EQ(doc->GetPathName(), other);
}

// ---- recovery ----

class Recovery : public ShellTest
{
protected:
    Recovery() { folder = temp.filePath(QStringLiteral("daten")); }

    std::unique_ptr<DocumentRecovery> startKeeping()
    {
        auto keeper = std::make_unique<DocumentRecovery>(*doc, folder);
        keeper->setInterval(std::chrono::milliseconds(30));
        frame->startRecovery(*keeper);
        return keeper;
    }
    static bool appears(const QString &path)
    {
        return QTest::qWaitFor([&] { return QFile::exists(path); }, 3000);
    }
    // True when `path` is still missing after several intervals.
    static bool staysAway(const QString &path)
    {
        QTest::qWait(200);
        return !QFile::exists(path);
    }

    QString folder;
};

TEST_F(Recovery, UnsavedChangesAreCopiedUntilTheyAreSavedOrGivenUp)
{
    const auto keeper = startKeeping();
    EXPECT_EQ(ui.restoreQuestions, 0); // nothing was left to offer
    const QString copy = keeper->filePath();
    EXPECT_TRUE(copy.startsWith(folder));
    EXPECT_TRUE(copy.endsWith(QStringLiteral(".dvn")));
    EXPECT_TRUE(staysAway(copy)); // an unchanged document needs no copy

    enterData(surveyLines(6));
    ASSERT_TRUE(appears(copy));
    EXPECT_EQ(storedLines(copy), surveyLines(6));
    // The copy changes nothing about the document itself.
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->GetPathName().isEmpty());
    // Later changes reach the copy at the next interval.
    enterData(surveyLines(8));
    EXPECT_TRUE(QTest::qWaitFor([&] { return storedLines(copy) == surveyLines(8); }, 3000));

    // Saved: gone.
    const QString saved = temp.filePath(QStringLiteral("gesichert.dvn"));
    ui.saveNames = { saved };
    ASSERT_TRUE(frame->doSave(false));
    // At once, not only at the next interval: a crash right after saving offers nothing.
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_TRUE(staysAway(copy));

    // Changed again, then closed with Verwerfen: gone, and not written again.
    enterData(surveyLines(5));
    ASSERT_TRUE(appears(copy));
    ui.saveAnswers = { FrameUi::SaveAnswer::Discard };
    ASSERT_TRUE(frame->closeDocument());
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_TRUE(staysAway(copy));

    // Changed, and the program ends normally (Verwerfen at Beenden): gone for good.
    enterData(surveyLines(4));
    ASSERT_TRUE(appears(copy));
    ui.saveAnswers = { FrameUi::SaveAnswer::Discard };
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_TRUE(staysAway(copy));
}

TEST_F(Recovery, TheNextStartOffersTheCopyOfASessionThatDidNotEndNormally)
{
    const QString original
        = writeDocument(temp.filePath(QStringLiteral("original.dvn")), "Orig", surveyLines(5));
    ASSERT_TRUE(frame->openDocumentFile(original));
    QString copy;
    {
        // The session ends without closing the frame, as a crash would end it.
        const auto keeper = startKeeping();
        copy = keeper->filePath();
        enterData(surveyLines(9));
        ASSERT_TRUE(appears(copy));
    }
    ASSERT_TRUE(QFile::exists(copy));

    // "Verwerfen": the copy goes, the document stays as it is.
    doc->SetModifiedFlag(false);
    ui.restoreAnswer = false;
    {
        const auto keeper = startKeeping();
        EXPECT_EQ(ui.restoreQuestions, 1);
        EXPECT_FALSE(QFile::exists(copy));
        EXPECT_EQ(doc->GetPathName(), original);
    }

    // A copy again, then "Wiederherstellen": an unnamed document with unsaved changes
    // holding the copied stations; the original file is untouched.
    {
        const auto keeper = startKeeping();
        enterData(surveyLines(11));
        ASSERT_TRUE(appears(copy));
    }
    doc->reset();
    ui.restoreAnswer = true;
    const auto keeper = startKeeping();
    EXPECT_EQ(ui.restoreQuestions, 2);
    EXPECT_EQ(doc->well().survey.lines(), surveyLines(11));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->GetPathName().isEmpty());
    EXPECT_EQ(shownTitle(*frame), QStringLiteral("Unbenannt* - dravon"));
    EXPECT_EQ(storedLines(original), surveyLines(5));
    // Kept while the restored changes are unsaved.
    EXPECT_TRUE(QFile::exists(copy));
    // Saving asks for a name.
    const QString named = temp.filePath(QStringLiteral("gerettet.dvn"));
    ui.saveNames = { named };
    ASSERT_TRUE(frame->doSave(false));
    EXPECT_EQ(storedLines(named), surveyLines(11));
    EXPECT_TRUE(staysAway(copy));
}

// A second dravon running beside the first leaves the first one's copy alone.
TEST_F(Recovery, ASecondRunningProgramNeitherOffersNorTouchesTheFirstOnesCopy)
{
    const auto first = startKeeping();
    enterData(surveyLines(6));
    ASSERT_TRUE(appears(first->filePath()));

    DocumentRecovery second(*doc, folder);
    EXPECT_FALSE(second.claim());
    ui.restoreAnswer = false; // would throw the copy away if it were asked
    frame->startRecovery(second);
    EXPECT_EQ(ui.restoreQuestions, 0);
    EXPECT_EQ(storedLines(first->filePath()), surveyLines(6));
}

// The real question at the start: Esc does not throw the copy away.
TEST(RecoveryQuestion, OffersWiederherstellenAndVerwerfenAndEscapeKeepsTheCopy)
{
    guiApp();
    QtFrameUi real;
    QStringList captions;
    bool escaped = false;
    onModalDialog<QMessageBox>([&](QMessageBox &box) {
        for (QAbstractButton *b : box.buttons())
            captions << b->text().remove(QLatin1Char('&'));
        QTest::keyClick(&box, Qt::Key_Escape);
        escaped = box.isVisible();
        box.button(QMessageBox::Discard)->click();
    });
    EXPECT_FALSE(real.askRestoreRecovered());
    EXPECT_TRUE(escaped);
    captions.sort();
    EXPECT_EQ(captions,
        (QStringList { QStringLiteral("Verwerfen"), QStringLiteral("Wiederherstellen") }));
}
