// The measurement dialog's line operations as the user triggers them: double click,
// leaving the edit line, OK and Abbrechen.
#include "tests/dialogs/dlginputfixture.h"

#include "dialogs/qtprompter.h"

#include <QButtonGroup>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {

using Kind = ScriptedPrompter::Kind;

const std::string third = "  300.00   20.00   90.00";

TEST_F(DlgInputTest, DoubleClickTakesTheThirdEntryIntoTheEditLine)
{
    doubleClickStation(2);
    EXPECT_EQ(dialog->lineEdit()->text().toStdString(), third);
    EXPECT_EQ(dialog->statusLabel()->text(), QString::fromUtf8("3.Zeile ausgewählt"));
    EXPECT_EQ(QApplication::focusWidget(), dialog->lineEdit());
    EXPECT_EQ(dialog->currentStation(), 2);
    EXPECT_TRUE(prompter.events.empty());
}

TEST_F(DlgInputTest, LeavingTheEditLineAsksToChangeAndYesReplacesTheEntry)
{
    doubleClickStation(2);
    const std::string changed = "  300.00   21.50   91.00";
    typeLine(QString::fromStdString(changed));
    prompter.yesNoAnswers = { true };
    tab();

    ASSERT_EQ(prompter.events.size(), 1u);
    EXPECT_EQ(prompter.events[0].kind, Kind::Question);
    EXPECT_EQ(prompter.events[0].text, "Soll diese Zeile geändert werden?\n" + changed);
    EXPECT_EQ(dialog->stationText(2).toStdString(), changed);
    EXPECT_EQ(dialog->statusLabel()->text(), QString::fromUtf8("3.Zeile wurde geändert"));
    const StringList expected = { "  100.00    0.00    0.00", "  200.00   10.00   45.00", changed,
        "  400.00   25.00   95.00", "  500.00   30.00  100.00" };
    EXPECT_EQ(state.m_Eingabe, expected);
    EXPECT_EQ(state.m_bGeaendert, 1);
    EXPECT_EQ(QApplication::focusWidget(), dialog->cancelButton());
}

TEST_F(DlgInputTest, NoKeepsTheEntryButTheLinesFollowTheList)
{
    doubleClickStation(2);
    typeLine(QStringLiteral("  300.00   21.50   91.00"));
    prompter.yesNoAnswers = { false };
    tab();
    ASSERT_EQ(prompter.events.size(), 1u);
    EXPECT_EQ(dialog->stationText(2).toStdString(), third);
    EXPECT_EQ(state.m_Eingabe, state.m_ListEingabe); // rebuilt in list order anyway
    EXPECT_EQ(state.m_bGeaendert, 0);
}

TEST_F(DlgInputTest, TabbingThroughAnEmptyEditLineSaysTooLittleData)
{
    dialog->lineEdit()->setFocus(Qt::TabFocusReason);
    tab();
    EXPECT_EQ(prompter.messages(), std::vector<std::string> { "Die Zeile enthält zu wenig Daten" });
    EXPECT_EQ(prompter.events.size(), 1u);
    EXPECT_EQ(state.m_Eingabe, original.m_Eingabe); // not rebuilt after the refusal
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(DlgInputTest, AppendThroughTheRadioButtonPutsTheLineAtItsSortedPlace)
{
    clickButton(dialog->modeGroup()->button(1));
    typeLine(QStringLiteral("  250.00   12.00   50.00"));
    tab();
    ASSERT_EQ(prompter.events.size(), 1u);
    EXPECT_EQ(
        prompter.events[0].text, "Soll diese Zeile angehängt werden?\n  250.00   12.00   50.00");
    ASSERT_EQ(dialog->stationCount(), 6);
    EXPECT_EQ(dialog->stationText(2), QStringLiteral("  250.00   12.00   50.00"));
    EXPECT_EQ(dialog->statusLabel()->text(), QString::fromUtf8("6.Zeile angehängt"));
    EXPECT_EQ(state.m_Eingabe.size(), 6u);
}

TEST_F(DlgInputTest, ClickingOkFromTheEditLineRunsTheOperationFirst)
{
    doubleClickStation(0);
    typeLine(QStringLiteral("  100.00    0.50    0.00"));
    prompter.yesNoAnswers = { true };
    clickButton(dialog->okButton());
    settle();
    ASSERT_EQ(prompter.events.size(), 1u);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(state.m_Eingabe.front(), "  100.00    0.50    0.00");
    EXPECT_EQ(state.m_bGeaendert, 1);
}

TEST_F(DlgInputTest, CancelLeavesTheLinesAsTheyWere)
{
    doubleClickStation(1);
    typeLine(QStringLiteral("  200.00   11.00   46.00"));
    prompter.yesNoAnswers = { true };
    tab(); // confirmed: the dialog's list now holds the changed line
    ASSERT_EQ(state.m_bGeaendert, 1);
    clickButton(dialog->cancelButton());
    settle();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(state.m_Eingabe, original.m_Eingabe);
    EXPECT_EQ(state.m_Info, original.m_Info);
    EXPECT_EQ(state.m_Name, original.m_Name);
    EXPECT_EQ(prompter.events.size(), 1u);
}

TEST_F(DlgInputTest, CancelWithAPendingLineAsksNothing)
{
    doubleClickStation(1);
    typeLine(QStringLiteral("  200.00   11.00   46.00"));
    // The click on Abbrechen takes the focus from the edit line; the line is dropped.
    clickButton(dialog->cancelButton());
    settle();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(prompter.events.empty());
    EXPECT_EQ(state.m_Eingabe, original.m_Eingabe);
}

TEST(DlgInputReentry, ARealMessageBoxDuringTheOperationStartsNoSecondOne)
{
    widgetApp();
    LineEditor state;
    state.m_Eingabe = { "  100.00    1.00    2.00" };
    state.m_Format = 1;
    state.m_Ansicht = 0;
    QtPrompter prompter;
    DlgInput dialog(state, prompter);
    ASSERT_TRUE(showActive(&dialog));
    dialog.lineEdit()->setFocus(Qt::MouseFocusReason); // empty: the line is refused

    int boxes = 0;
    std::function<void(QWidget *)> answer = [&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        ASSERT_NE(box, nullptr);
        ++boxes;
        box->button(QMessageBox::Ok)->click();
    };
    whenModalOpens(answer);
    QTest::keyClick(dialog.lineEdit(), Qt::Key_Tab);
    // The box takes the focus and gives it back when it closes; a second box would
    // show up within these rounds.
    QPointer<QTimer> second = whenModalOpens(answer);
    for (int i = 0; i < 20; ++i) {
        settle();
        QTest::qWait(10);
    }
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(dialog.focusWidget(), dialog.cancelButton());
    delete second.data(); // must not catch a later test's window
}

} // namespace
