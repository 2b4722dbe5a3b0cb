// The depth request: start value, what it accepts and what it refuses.
#include "dialogs/scriptedprompter.h"
#include "dialogs/dlginterpolation.h"
#include "tests/dialogs/widgetapp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace {

class DepthRequest : public ::testing::Test
{
protected:
    void open(float start, const std::string &text)
    {
        widgetApp();
        dialog.m_SollTeufe = start;
        dialog.m_Text = text;
        ASSERT_TRUE(showActive(&dialog));
    }

    void enter(const QString &text)
    {
        QLineEdit *edit = dialog.depthEdit();
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        clickButton(dialog.okButton());
    }

    // The application comes before the dialog, also when a test runs on its own.
    QApplication &app = widgetApp();
    ScriptedPrompter prompter;
    DlgInterpolation dialog { nullptr, &prompter };
};

struct StartValue
{
    float value;
    const char *shown;
};

class StartValueShown : public DepthRequest, public ::testing::WithParamInterface<StartValue>
{
};

TEST_P(StartValueShown, AsTheShortestGeneralForm)
{
    open(GetParam().value, "Maximale Teufe:300");
    EXPECT_EQ(dialog.depthEdit()->text(), QString::fromLatin1(GetParam().shown));
    EXPECT_EQ(dialog.textLabel()->text(), QStringLiteral("Maximale Teufe:300"));
}

INSTANTIATE_TEST_SUITE_P(Values, StartValueShown,
    ::testing::Values(StartValue { 0.0f, "0" }, StartValue { 1234.5f, "1234.5" },
        StartValue { -2.25f, "-2.25" }, StartValue { 0.0001f, "0.0001" },
        StartValue { 12345678.0f, "1.23457e+07" }));

TEST_F(DepthRequest, RunsUnderTheGermanLocale)
{
    // The point as decimal separator must hold while the C library would write a comma.
    ASSERT_NE(std::setlocale(LC_NUMERIC, nullptr), nullptr);
    EXPECT_EQ(std::string(std::localeconv()->decimal_point), ",");
}

TEST_F(DepthRequest, AcceptsADecimalPoint)
{
    open(0.0f, "Maximale Teufe:300");
    enter(QStringLiteral("150.5"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FLOAT_EQ(dialog.m_SollTeufe, 150.5f);
    EXPECT_TRUE(prompter.events.empty());
}

TEST_F(DepthRequest, AcceptsADecimalComma)
{
    open(0.0f, "Maximale Teufe:300");
    enter(QStringLiteral(" 150,25 "));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(dialog.m_SollTeufe, 150.25f);
    EXPECT_TRUE(prompter.events.empty());
}

TEST_F(DepthRequest, AcceptsBlanksAroundAndAnExponent)
{
    open(0.0f, "Maximale Teufe:300");
    enter(QStringLiteral("  2.5e1 "));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(dialog.m_SollTeufe, 25.0f);
}

class DepthRefused : public DepthRequest, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(DepthRefused, SaysPleaseEnterANumberAndStaysOpen)
{
    open(7.0f, "Maximale Teufe:300");
    enter(QString::fromLatin1(GetParam()));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(prompter.messages(), std::vector<std::string> { "Bitte geben Sie eine Zahl ein." });
    EXPECT_EQ(QApplication::focusWidget(), dialog.depthEdit());
    EXPECT_FLOAT_EQ(dialog.m_SollTeufe, 7.0f); // the start value stays
}

INSTANTIATE_TEST_SUITE_P(Texts, DepthRefused,
    // A decimal comma is accepted now ("150,5" moved to AcceptsADecimalComma); commas
    // that could separate numbers are not.
    ::testing::Values(
        "abc", "150,5,1", "150,", "1.500,5", "", "   ", "12abc", "1e60", "nan", "inf"));

TEST_F(DepthRequest, RefusedThenCorrected)
{
    open(0.0f, "Maximale Teufe:300");
    enter(QStringLiteral("abc"));
    ASSERT_TRUE(dialog.isVisible());
    enter(QStringLiteral("299.75"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(dialog.m_SollTeufe, 299.75f);
    EXPECT_EQ(prompter.events.size(), 1u);
}

TEST_F(DepthRequest, CancelKeepsTheStartValue)
{
    open(3.0f, "Eingabedaten fehlen!!!");
    QTest::keyClicks(dialog.depthEdit(), QStringLiteral("99"));
    QTest::keyClick(dialog.depthEdit(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FLOAT_EQ(dialog.m_SollTeufe, 3.0f);
}

TEST_F(DepthRequest, EnterInTheEditConfirms)
{
    open(0.0f, "Maximale Teufe:300");
    QTest::keyClick(dialog.depthEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dialog.depthEdit(), QStringLiteral("42"));
    QTest::keyClick(dialog.depthEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(dialog.m_SollTeufe, 42.0f);
}

TEST_F(DepthRequest, OpensInTheDepthAndTabsToOkThenAbbrechen)
{
    open(0.0f, "Maximale Teufe:300");
    EXPECT_EQ(QApplication::focusWidget(), dialog.depthEdit());
    const QList<QWidget *> expected { dialog.okButton(), dialog.cancelButton(),
        dialog.depthEdit() };
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    dialog.reject();
}

} // namespace
