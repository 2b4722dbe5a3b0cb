// Editing in the measurement dialog as people expect it: Enter takes the edit line, a
// depth the list already holds is refused where it is typed, the descriptive lines are
// added, changed and deleted in their list, and a larger window gives the station list
// the room.
#include "tests/dialogs/dlginputfixture.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>

namespace {

using Kind = ScriptedPrompter::Kind;

TEST_F(DlgInputTest, EnterTakesTheEditLineOnceAndKeepsItReadyForTheNext)
{
    clickButton(dialog->modeGroup()->button(1)); // append
    prompter.yesNoAnswers = { true };
    typeLine(QStringLiteral("600 31 101"));
    QTest::keyClick(dialog->lineEdit(), Qt::Key_Return);
    settle();

    ASSERT_EQ(prompter.events.size(), 1u);
    EXPECT_EQ(prompter.events[0].kind, Kind::Question);
    ASSERT_EQ(dialog->stationCount(), 6);
    EXPECT_EQ(state.m_ListEingabe.back(), "600 31 101");
    EXPECT_TRUE(dialog->isVisible());
    // The line stays, selected, so that the next one is typed over it.
    EXPECT_EQ(QApplication::focusWidget(), dialog->lineEdit());
    EXPECT_EQ(dialog->lineEdit()->selectedText(), QStringLiteral("600 31 101"));

    // Leaving the line now takes nothing a second time...
    tab();
    EXPECT_EQ(prompter.events.size(), 1u);
    EXPECT_EQ(dialog->stationCount(), 6);
    // ...but a line typed over it is taken as leaving always took it...
    prompter.yesNoAnswers = { true };
    typeLine(QStringLiteral("700 32 102"));
    tab();
    EXPECT_EQ(prompter.events.size(), 2u);
    EXPECT_EQ(dialog->stationCount(), 7);
    // ...and so is the line just taken when it is chosen again in the list, here to be
    // deleted.
    typeLine(QStringLiteral("800 33 103"));
    prompter.yesNoAnswers = { true };
    QTest::keyClick(dialog->lineEdit(), Qt::Key_Return);
    settle();
    ASSERT_EQ(dialog->stationCount(), 8);
    clickButton(dialog->modeGroup()->button(3)); // delete
    doubleClickStation(7);
    ASSERT_EQ(dialog->lineEdit()->text(), QStringLiteral("800 33 103"));
    prompter.yesNoAnswers = { true };
    tab();
    EXPECT_EQ(dialog->stationCount(), 7);
}

TEST_F(DlgInputTest, InsertingADepthTheListHoldsIsRefusedNamingIt)
{
    // 200 m is the second row; inserting it again before the fourth would have stopped
    // the computation at 200 m after OK.
    QListView *list = dialog->stationList();
    list->setCurrentIndex(list->model()->index(3, 0));
    clickButton(dialog->modeGroup()->button(2)); // insert
    typeLine(QStringLiteral("200,0 12 50"));
    QTest::keyClick(dialog->lineEdit(), Qt::Key_Enter);
    settle();

    ASSERT_EQ(prompter.events.size(), 1u);
    EXPECT_EQ(prompter.events[0].kind, Kind::Message);
    const std::string &text = prompter.events[0].text;
    EXPECT_NE(text.find("Die Teufe 200 steigt nicht an: die 2.Zeile"), std::string::npos) << text;
    EXPECT_NE(text.find(original.m_Eingabe[2]), std::string::npos) << "names the 200 m line";
    EXPECT_EQ(dialog->stationCount(), 5);
    EXPECT_EQ(state.m_bGeaendert, 0);
    // OK afterwards says nothing more and hands back the stations as they were.
    clickButton(dialog->okButton());
    settle();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(prompter.events.size(), 1u);
    EXPECT_EQ(state.m_Eingabe, original.m_Eingabe);
}

TEST_F(DlgInputTest, DescriptiveLinesAreAddedChangedAndDeletedInTheirList)
{
    QListWidget *info = dialog->infoList();
    info->setFocus(Qt::TabFocusReason);

    // Einfg opens an editor on a new last line; Enter takes it.
    QTest::keyClick(info, Qt::Key_Insert);
    QLineEdit *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("Azimut bezogen auf Gitternord"));
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    EXPECT_EQ(state.m_Info, (StringList { original.m_Info[0], "Azimut bezogen auf Gitternord" }));
    ASSERT_EQ(info->count(), 2);
    EXPECT_TRUE(dialog->isVisible()) << "Enter in the editor does not close the dialog";

    // F2 changes the current line; a character the document cannot hold is refused.
    info->setFocus(Qt::TabFocusReason);
    info->setCurrentRow(0);
    QTest::keyClick(info, Qt::Key_F2);
    editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QString refused;
    whenModalOpens([&](QWidget *w) {
        refused = qobject_cast<QMessageBox *>(w)->text();
        qobject_cast<QDialog *>(w)->accept();
    });
    for (const QString &c : { QStringLiteral("K"), QString::fromUtf8("≤"), QStringLiteral("5") }) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
        QApplication::sendEvent(editor, &press);
    }
    QTest::qWait(50);
    EXPECT_TRUE(refused.contains(QStringLiteral("U+2264"))) << refused.toStdString();
    // The dialog active again (the offscreen platform needs to be told), its editor is
    // still open.
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr) << "the editor stays open after the box";
    EXPECT_EQ(editor->text(), QStringLiteral("K5"));
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    ASSERT_EQ(state.m_Info.size(), 2u);
    EXPECT_EQ(state.m_Info[0], "K5");

    // Escape in a new line's editor leaves nothing behind, and the dialog open.
    info->setFocus(Qt::TabFocusReason);
    QTest::keyClick(info, Qt::Key_Insert);
    ASSERT_NE(qobject_cast<QLineEdit *>(QApplication::focusWidget()), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    settle();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(info->count(), 2);

    // Entf asks; No keeps the line, Yes deletes it.
    info->setFocus(Qt::TabFocusReason);
    info->setCurrentRow(0);
    prompter.yesNoAnswers = { false, true };
    const size_t asked = prompter.events.size();
    QTest::keyClick(info, Qt::Key_Delete);
    EXPECT_EQ(state.m_Info.size(), 2u);
    QTest::keyClick(info, Qt::Key_Delete);
    EXPECT_EQ(state.m_Info, StringList { "Azimut bezogen auf Gitternord" });
    EXPECT_EQ(info->count(), 1);
    EXPECT_EQ(prompter.events.size(), asked + 2);

    // OK hands back the lines as edited; Abbrechen would have handed back the old ones.
    clickButton(dialog->okButton());
    settle();
    EXPECT_EQ(state.m_Info, StringList { "Azimut bezogen auf Gitternord" });
}

TEST_F(DlgInputTest, ALargerWindowGoesToTheStationList)
{
    QListView *list = dialog->stationList();
    const QRect stations = list->geometry();
    const QRect info = dialog->infoList()->geometry();
    const QRect ok = dialog->okButton()->geometry();
    const QRect name = dialog->nameEdit()->geometry();
    const QSize classic = dialog->size();
    EXPECT_EQ(dialog->minimumSize(), classic);

    const QSize more(180, 300);
    dialog->resize(classic + more);
    settle();
    EXPECT_EQ(list->geometry(), stations.adjusted(0, 0, more.width(), more.height()));
    // The descriptive list keeps its height at the bottom, the buttons stay at the right
    // edge, the left column stays where it was.
    EXPECT_EQ(dialog->infoList()->geometry(),
        info.translated(0, more.height()).adjusted(0, 0, more.width(), 0));
    EXPECT_EQ(dialog->okButton()->geometry(), ok.translated(more.width(), 0));
    EXPECT_EQ(dialog->nameEdit()->geometry(), name);
    EXPECT_LT(list->geometry().bottom(), dialog->statusLabel()->y());
    EXPECT_LT(dialog->lineEdit()->geometry().right(), dialog->width());

    // Back to the classic size, everything is where it was.
    dialog->resize(classic);
    settle();
    EXPECT_EQ(list->geometry(), stations);
    EXPECT_EQ(dialog->infoList()->geometry(), info);
}

} // namespace

TEST_F(DlgInputTest, AbbrechenGivesBackWhatCameAfterEditsAndWithout)
{
    // Untouched: the stations come back in the order they came, not the list's.
    {
        LineEditor untouched = original;
        DlgInput plain(untouched, prompter);
        ASSERT_TRUE(showActive(&plain));
        plain.reject();
        EXPECT_EQ(untouched.m_Eingabe, original.m_Eingabe);
        EXPECT_TRUE(untouched.m_ListEingabe.empty());
        EXPECT_EQ(untouched.m_Name, original.m_Name);
    }

    // Appended, deleted and renamed: Abbrechen drops all of it.
    clickButton(dialog->modeGroup()->button(1)); // append
    prompter.yesNoAnswers = { true };
    typeLine(QStringLiteral("600 31 101"));
    QTest::keyClick(dialog->lineEdit(), Qt::Key_Return);
    settle();
    ASSERT_EQ(state.m_Eingabe.size(), original.m_Eingabe.size() + 1);
    dialog->nameEdit()->setText(QStringLiteral("anders"));
    dialog->reject();
    EXPECT_EQ(state.m_Eingabe, original.m_Eingabe);
    EXPECT_EQ(state.m_Info, original.m_Info);
    EXPECT_EQ(state.m_Name, original.m_Name);
    EXPECT_TRUE(state.m_ListEingabe.empty());
}
