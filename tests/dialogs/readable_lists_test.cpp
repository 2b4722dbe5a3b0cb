// What the user reads and types in the measurement dialog and the result boxes: fixed
// pitch lists with tooltips, lines typed as a German user types them, characters the
// document cannot hold, and one box for the straight intervals of a computation run.
#include "tests/dialogs/dlginputfixture.h"

#include "dialogs/qtprompter.h"
#include "document/computationrun.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace {

// Types characters beyond ASCII the way a keyboard layout delivers them.
void typeText(QWidget *w, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

bool isFixedPitch(const QFont &font)
{
    return QFontInfo(font).fixedPitch();
}

TEST_F(DlgInputTest, ListsUseAFixedPitchAndShowEveryLineAsATooltip)
{
    for (QListWidget *list : { dialog->stationList(), dialog->infoList() }) {
        EXPECT_TRUE(isFixedPitch(list->font()));
        for (int i = 0; i < list->count(); ++i)
            EXPECT_EQ(list->item(i)->toolTip(), list->item(i)->text());
    }
    // Columns line up: every station entry is as wide as every other.
    const QFontMetrics metrics(dialog->stationList()->font());
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("  100.00    0.00    0.00")),
        metrics.horizontalAdvance(QStringLiteral("  111.11   11.11   11.11")));
    EXPECT_EQ(dialog->infoList()->item(0)->toolTip().toStdString(), state.m_Info[0]);
    // The widest line the readers write shows whole, with the item's margins.
    const int margin = 2
        * (dialog->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, dialog.get()) + 1);
    for (const char *line : { "12345.00  179.99  359.99", "12345.00   179.99   359.99" })
        EXPECT_LE(metrics.horizontalAdvance(QString::fromLatin1(line)) + margin,
            dialog->stationList()->viewport()->width())
            << line;
}

TEST_F(DlgInputTest, TypedLinesLandAtTheirDepthWithDecimalCommasTaken)
{
    dialog->modeGroup()->button(1)->click(); // append
    prompter.yesNoAnswers = { true, true };
    typeLine(QStringLiteral("50 1 2"));
    tab();
    typeLine(QStringLiteral("12,5 1,25 270"));
    tab();
    ASSERT_EQ(prompter.events.size(), 2u);
    EXPECT_EQ(dialog->stationList()->item(0)->text(), QStringLiteral("12.5 1.25 270"));
    EXPECT_EQ(dialog->stationList()->item(1)->text(), QStringLiteral("50 1 2"));
    EXPECT_EQ(dialog->stationList()->item(2)->text(), QStringLiteral("  100.00    0.00    0.00"));
    EXPECT_EQ(state.m_Eingabe.front(), "12.5 1.25 270");
}

TEST_F(DlgInputTest, ACharacterTheDocumentCannotHoldIsRefusedByName)
{
    QString shown;
    whenModalOpens([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->accept();
    });
    typeLine(QStringLiteral("100 1 2"));
    typeText(dialog->lineEdit(), QString::fromUtf8("→"));
    QTest::qWait(50);
    settle();
    EXPECT_EQ(dialog->lineEdit()->text(), QStringLiteral("100 1 2"));
    EXPECT_EQ(shown,
        QString::fromUtf8("Das Zeichen „→“ (U+2192) gehört nicht zum Zeichensatz des "
                          "Dokuments (Windows-1252) und wird nicht übernommen."));
    EXPECT_TRUE(prompter.events.empty()) << "no line operation started by the box";

    // The characters of the set, the euro sign among them, are taken as typed.
    typeText(dialog->nameEdit(), QString::fromUtf8(" €ÄÖÜß"));
    EXPECT_TRUE(dialog->nameEdit()->text().contains(QString::fromUtf8(" €ÄÖÜß")))
        << dialog->nameEdit()->text().toStdString();
}

// Answers every box of the run, recording the texts and telling the remarks box apart.
struct SeenBoxes
{
    QStringList messages;
    QStringList remarkLists;
    bool remarksFixedPitch = false;
    bool remarksScroll = false;
};

void answerBoxes(SeenBoxes &seen, int count)
{
    whenModalOpens([&seen, count](QWidget *w) {
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            seen.messages << box->text();
            box->accept();
        } else if (auto *text = w->findChild<QPlainTextEdit *>()) {
            seen.remarkLists << text->toPlainText();
            seen.remarksFixedPitch = isFixedPitch(text->font());
            seen.remarksScroll = text->verticalScrollBar()->maximum() > 0;
            qobject_cast<QDialog *>(w)->accept();
        }
        if (count > 1)
            answerBoxes(seen, count - 1);
    });
}

std::string remark(int from, int to)
{
    char text[64];
    std::snprintf(
        text, sizeof text, "KEINE KRUEMMUNG VON TEUFE:%7.2f BIS %7.2f M", from * 1.0, to * 1.0);
    return text;
}

TEST(RemarksBox, TheStraightIntervalsOfOneRunShareOneBoxInTheirOrder)
{
    widgetApp();
    QtPrompter prompter;
    SeenBoxes seen;
    answerBoxes(seen, 2);
    {
        ComputationRun run(prompter);
        for (int i = 0; i < 20; ++i) {
            // An other message passes at once, before the gathered remarks.
            if (i == 10)
                prompter.message("ABBRUCH!");
            ComputationRun inner(prompter); // a nested run does not close the outer one
            prompter.message(remark(10 * i, 10 * (i + 1)));
        }
        EXPECT_TRUE(seen.remarkLists.isEmpty()) << "not before the run ends";
    }
    EXPECT_EQ(seen.messages, QStringList { QStringLiteral("ABBRUCH!") });
    ASSERT_EQ(seen.remarkLists.size(), 1);
    QStringList expected;
    for (int i = 0; i < 20; ++i)
        expected << QString::fromStdString(remark(10 * i, 10 * (i + 1)));
    EXPECT_EQ(seen.remarkLists[0], expected.join(QLatin1Char('\n')));
    EXPECT_TRUE(seen.remarksFixedPitch);
    EXPECT_TRUE(seen.remarksScroll) << "20 rows scroll";

    // Outside a run, a remark is a message of its own, as before.
    SeenBoxes alone;
    answerBoxes(alone, 1);
    prompter.message(remark(0, 10));
    EXPECT_EQ(alone.messages, QStringList { QString::fromStdString(remark(0, 10)) });
}

TEST(RemarksBox, ResultsAreInAFixedPitchOtherMessagesAreNot)
{
    widgetApp();
    QtPrompter prompter;
    std::vector<bool> fixed;
    for (const char *text : { "\nERGEBNISSE DER INTERPOLATION\nBohrlochteufe   (m):  150.00",
             "Eingabedaten fehlen!!!" }) {
        whenModalOpens([&](QWidget *w) {
            auto *label = w->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            fixed.push_back(label && isFixedPitch(label->font()));
            qobject_cast<QDialog *>(w)->accept();
        });
        prompter.message(text);
    }
    EXPECT_EQ(fixed, (std::vector<bool> { true, false }));
}

TEST(RemarksBox, ARunWithoutRemarksShowsNoBox)
{
    widgetApp();
    QtPrompter prompter;
    int opened = 0;
    QPointer<QTimer> watcher = whenModalOpens([&](QWidget *w) {
        ++opened;
        qobject_cast<QDialog *>(w)->reject();
    });
    {
        ComputationRun run(prompter);
    }
    QTest::qWait(30);
    delete watcher.data();
    EXPECT_EQ(opened, 0);
}

} // namespace
