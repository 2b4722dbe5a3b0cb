// The measurement dialog under the keyboard: Enter, Escape, Tab and the radio groups.
#include "tests/dialogs/dlginputfixture.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace {

struct EnterTarget
{
    const char *name;
    std::function<QWidget *(DlgInput &)> widget;
};

class EnterKeepsOpen : public DlgInputTest, public ::testing::WithParamInterface<EnterTarget>
{
};

TEST_P(EnterKeepsOpen, EnterOutsideAPushButtonLeavesTheDialogOpen)
{
    QWidget *target = GetParam().widget(*dialog);
    target->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), target);
    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Enter })
        QTest::keyClick(target, key);
    settle();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), 0);
}

INSTANTIATE_TEST_SUITE_P(Controls, EnterKeepsOpen,
    ::testing::Values(
        EnterTarget { "EditLine", [](DlgInput &d) -> QWidget * { return d.lineEdit(); } },
        EnterTarget { "Name", [](DlgInput &d) -> QWidget * { return d.nameEdit(); } },
        EnterTarget { "StationList", [](DlgInput &d) -> QWidget * { return d.stationList(); } },
        EnterTarget { "InfoList", [](DlgInput &d) -> QWidget * { return d.infoList(); } },
        EnterTarget {
            "FormatRadio", [](DlgInput &d) -> QWidget * { return d.formatGroup()->button(1); } },
        EnterTarget {
            "ViewRadio", [](DlgInput &d) -> QWidget * { return d.viewGroup()->button(0); } }),
    [](const ::testing::TestParamInfo<EnterTarget> &info) { return std::string(info.param.name); });

TEST_F(DlgInputTest, EnterOnTheFocusedOkButtonPressesIt)
{
    dialog->okButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dialog->okButton(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(DlgInputTest, EnterOnTheFocusedCancelButtonPressesIt)
{
    dialog->cancelButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dialog->cancelButton(), Qt::Key_Enter);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(DlgInputTest, EscapeCancels)
{
    QTest::keyClick(dialog->nameEdit(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(DlgInputTest, TabWalksTheStopsInOrderAndBack)
{
    // "Tabelle importieren …" follows "Datei einlesen", its neighbour in meaning.
    const QList<QWidget *> expected = { dialog->infoList(), dialog->stationList(),
        dialog->lineEdit(), dialog->cancelButton(), dialog->okButton(), dialog->fileButton(),
        dialog->tableButton(), dialog->nameEdit(), dialog->formatGroup()->button(0), dialog->modeGroup()->button(0),
        dialog->viewGroup()->button(0), dialog->thinningGroup()->button(0), dialog->infoList() };
    // The dialog opens with the focus on its first tab stop.
    EXPECT_EQ(QApplication::focusWidget(), expected.front());
    for (int i = 1; i < expected.size(); ++i) {
        tab();
        EXPECT_EQ(QApplication::focusWidget(), expected[i]) << "stop " << i;
    }
    for (int i = static_cast<int>(expected.size()) - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        settle();
        EXPECT_EQ(QApplication::focusWidget(), expected[i]) << "back to stop " << i;
    }
}

TEST_F(DlgInputTest, TabLeavesARadioGroupFromAnyOfItsButtons)
{
    clickButton(dialog->modeGroup()->button(2));
    ASSERT_EQ(QApplication::focusWidget(), dialog->modeGroup()->button(2));
    tab();
    EXPECT_EQ(QApplication::focusWidget(), dialog->viewGroup()->button(0));
}

TEST_F(DlgInputTest, OpeningResetsModeThinningAndChangeFlag)
{
    EXPECT_EQ(dialog->modeGroup()->checkedId(), 0);
    EXPECT_EQ(dialog->thinningGroup()->checkedId(), 0);
    EXPECT_EQ(dialog->formatGroup()->checkedId(), 0);
    EXPECT_EQ(dialog->viewGroup()->checkedId(), 0);
    EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("Probe 1"));
    EXPECT_EQ(dialog->infoList()->count(), 1);
    ASSERT_EQ(dialog->stationCount(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(dialog->stationText(i).toStdString(), state.m_ListEingabe[i]);
    EXPECT_EQ(dialog->stationText(0), QStringLiteral("  100.00    0.00    0.00"));
    EXPECT_EQ(state.m_bGeaendert, 0);
}

TEST_F(DlgInputTest, FormatModeAndThinningTakeEffectWhenClicked)
{
    clickButton(dialog->formatGroup()->button(2));
    clickButton(dialog->modeGroup()->button(3));
    clickButton(dialog->thinningGroup()->button(1));
    EXPECT_EQ(state.m_Format, 2);
    EXPECT_EQ(state.m_ZeilenModus, 3);
    EXPECT_EQ(state.m_Datenauswahl, 1);
}

TEST_F(DlgInputTest, TopViewOnlyThenOk)
{
    clickButton(dialog->viewGroup()->button(1));
    // The view has no handler: it reaches the state only when the controls are read.
    EXPECT_EQ(state.m_Ansicht, 0);
    clickButton(dialog->okButton());
    settle();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(state.m_Ansicht, 1);
    EXPECT_EQ(state.m_bGeaendert, 0);
    EXPECT_EQ(state.m_Eingabe, original.m_Eingabe);
    EXPECT_TRUE(prompter.events.empty());
}

TEST_F(DlgInputTest, OkReadsTheNameAndNoFormatShowsNoChoice)
{
    dialog->nameEdit()->setFocus(Qt::MouseFocusReason);
    dialog->nameEdit()->end(false);
    // The test keyboard knows ASCII only; the umlaut comes in as an input method would.
    QTest::keyClicks(dialog->nameEdit(), QStringLiteral(" S"));
    dialog->nameEdit()->insert(QString::fromUtf8("ü"));
    QTest::keyClicks(dialog->nameEdit(), QStringLiteral("d"));
    clickButton(dialog->okButton());
    EXPECT_EQ(state.m_Name, "Probe 1 Süd");

    // A document file may carry a format outside the three: no button is checked and
    // reading the controls gives -1 back.
    LineEditor other = original;
    other.m_Format = 7;
    DlgInput second(other, prompter);
    ASSERT_TRUE(showActive(&second));
    EXPECT_EQ(second.formatGroup()->checkedId(), -1);
    clickButton(second.okButton());
    EXPECT_EQ(other.m_Format, -1);
}

} // namespace

TEST_F(DlgInputTest, ALongNameShowsItsBeginning)
{
    LineEditor other = original;
    other.m_Name = "Bohrung Nordfeld 7 - Ablenkbohrung mit langem Namen";
    DlgInput second(other, prompter);
    ASSERT_TRUE(showActive(&second));
    QLineEdit *name = second.nameEdit();
    ASSERT_LT(name->width(), name->fontMetrics().horizontalAdvance(name->text()));
    EXPECT_EQ(name->cursorPosition(), 0);
    clickButton(second.cancelButton());
}
