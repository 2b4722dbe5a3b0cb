// The message boxes of the desktop program, the measurement dialog as the document runs
// it, and the about box, each answered from inside its own modal loop.
#include "dialogs/scriptedprompter.h"
#include "dialogs/aboutdlg.h"
#include "dialogs/dlginput.h"
#include "dialogs/dlginterpolation.h"
#include "dialogs/qtmeasurementdialog.h"
#include "dialogs/qtprompter.h"
#include "tests/dialogs/widgetapp.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QPushButton *buttonNamed(QWidget *w, const QString &text)
{
    for (QPushButton *b : w->findChildren<QPushButton *>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

TEST(QtPrompterTest, MessageShowsTheTextUnderTheProgramsName)
{
    widgetApp();
    QtPrompter prompter;
    QString title, text;
    whenModalOpens([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        QPushButton *ok = buttonNamed(box, QStringLiteral("OK"));
        ASSERT_NE(ok, nullptr);
        ok->click();
    });
    prompter.message("Die Zeile enthält <zu> wenig Daten");
    EXPECT_EQ(title, QStringLiteral("dravon"));
    EXPECT_EQ(text, QString::fromUtf8("Die Zeile enthält <zu> wenig Daten"));
}

struct YesNoCase
{
    const char *name;
    std::function<void(QMessageBox *)> answer;
    bool expected;
};

class QtPrompterYesNo : public ::testing::TestWithParam<YesNoCase>
{
};

TEST_P(QtPrompterYesNo, AnswersWithJaOrNein)
{
    widgetApp();
    QtPrompter prompter;
    QString text;
    whenModalOpens([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        ASSERT_NE(box, nullptr);
        text = box->text();
        ASSERT_EQ(box->buttons().size(), 2);
        GetParam().answer(box);
    });
    EXPECT_EQ(
        prompter.askYesNo("Soll diese Zeile geändert werden?\n  1.00 2 3"), GetParam().expected);
    EXPECT_EQ(text, QString::fromUtf8("Soll diese Zeile geändert werden?\n  1.00 2 3"));
}

INSTANTIATE_TEST_SUITE_P(Answers, QtPrompterYesNo,
    ::testing::Values(
        YesNoCase {
            "Ja", [](QMessageBox *b) { buttonNamed(b, QStringLiteral("Ja"))->click(); }, true },
        YesNoCase { "Nein", [](QMessageBox *b) { buttonNamed(b, QStringLiteral("Nein"))->click(); },
            false },
        YesNoCase { "Escape", [](QMessageBox *b) { QTest::keyClick(b, Qt::Key_Escape); }, false },
        YesNoCase { "Enter", [](QMessageBox *b) { QTest::keyClick(b, Qt::Key_Return); }, true }),
    [](const ::testing::TestParamInfo<YesNoCase> &info) { return std::string(info.param.name); });

TEST(QtPrompterTest, AskNumberRunsTheDepthRequest)
{
    widgetApp();
    QtPrompter prompter;
    QString shownText, shownValue;
    whenModalOpens([&](QWidget *w) {
        auto *dialog = qobject_cast<DlgInterpolation *>(w);
        ASSERT_NE(dialog, nullptr);
        shownText = dialog->textLabel()->text();
        shownValue = dialog->depthEdit()->text();
        dialog->depthEdit()->setText(QStringLiteral("250.25"));
        dialog->okButton()->click();
    });
    float value = 0;
    EXPECT_TRUE(prompter.askNumber("Maximale Teufe:300", value));
    EXPECT_FLOAT_EQ(value, 250.25f);
    EXPECT_EQ(shownText, QStringLiteral("Maximale Teufe:300"));
    EXPECT_EQ(shownValue, QStringLiteral("0"));

    whenModalOpens(
        [](QWidget *w) { qobject_cast<DlgInterpolation *>(w)->cancelButton()->click(); });
    value = 5;
    EXPECT_FALSE(prompter.askNumber("Maximale Teufe:300", value));
    EXPECT_FLOAT_EQ(value, 5.0f);
}

TEST(QtMeasurementDialogTest, RunIsTrueOnlyForOk)
{
    widgetApp();
    ScriptedPrompter prompter;
    QtMeasurementDialog runner(prompter);
    LineEditor state;
    state.m_Eingabe = { "  10.00 1.00 2.00" };
    state.m_Name = "A";
    state.m_Format = 1;
    state.m_Ansicht = 0;
    state.m_ZeilenModus = 0;

    whenModalOpens([](QWidget *w) {
        auto *dialog = qobject_cast<DlgInput *>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->nameEdit()->setText(QStringLiteral("B"));
        dialog->okButton()->click();
    });
    EXPECT_TRUE(runner.run(state));
    EXPECT_EQ(state.m_Name, "B");

    whenModalOpens([](QWidget *w) {
        auto *dialog = qobject_cast<DlgInput *>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->nameEdit()->setText(QStringLiteral("C"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(runner.run(state));
    EXPECT_EQ(state.m_Name, "B");
}

TEST(AboutBoxTest, ClosesWithOkOrEscape)
{
    widgetApp();
    CAboutDlg about;
    whenModalOpens([](QWidget *w) { buttonNamed(w, QStringLiteral("OK"))->click(); });
    EXPECT_EQ(about.exec(), QDialog::Accepted);

    CAboutDlg again;
    whenModalOpens([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(again.exec(), QDialog::Rejected);

    CAboutDlg third;
    whenModalOpens([](QWidget *w) { QTest::keyClick(w, Qt::Key_Return); });
    EXPECT_EQ(third.exec(), QDialog::Accepted);
}

} // namespace
