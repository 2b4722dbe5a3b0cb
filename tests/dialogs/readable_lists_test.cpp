// What the user reads and types in the measurement dialog and the result boxes: fixed
// pitch lists with tooltips, lines typed as a German user types them, characters the
// document cannot hold, and one box for the straight intervals of a computation run.
#include "tests/dialogs/dlginputfixture.h"

#include "core/cformat.h"
#include "dialogs/qtprompter.h"
#include "dialogs/computationrun.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace {

bool isFixedPitch(const QFont &font)
{
    return QFontInfo(font).fixedPitch();
}

TEST_F(DlgInputTest, ListsUseAFixedPitchWideEnoughAndShowEveryLineAsATooltip)
{
    for (QListWidget *list : { dialog->stationList(), dialog->infoList() }) {
        EXPECT_TRUE(isFixedPitch(list->font()));
        for (int i = 0; i < list->count(); ++i)
            EXPECT_EQ(list->item(i)->toolTip(), list->item(i)->text());
    }
    // The widest station line the readers write is not cut off.
    QListWidget *list = dialog->stationList();
    list->addItem(QStringLiteral("12345.00   179.99   359.99"));
    const QRect item = list->visualItemRect(list->item(list->count() - 1));
    EXPECT_LE(list->fontMetrics().horizontalAdvance(list->item(list->count() - 1)->text()) + 6,
        std::min(item.width(), list->viewport()->width()));
}

TEST_F(DlgInputTest, TypedLinesLandAtTheirDepthWithDecimalCommasTaken)
{
    dialog->modeGroup()->button(1)->click(); // append
    prompter.yesNoAnswers = { true, true };
    for (const char *line : { "50 1 2", "12,5 1,25 270" }) {
        typeLine(QString::fromLatin1(line));
        tab();
    }
    EXPECT_EQ(dialog->stationList()->item(0)->text(), QStringLiteral("12.5 1.25 270"));
    EXPECT_EQ(dialog->stationList()->item(1)->text(), QStringLiteral("50 1 2"));
    EXPECT_EQ(state.m_Eingabe.front(), "12.5 1.25 270");
}

TEST_F(DlgInputTest, ACharacterTheDocumentCannotHoldIsRefusedByName)
{
    QString shown;
    whenModalOpens([&](QWidget *w) {
        shown = qobject_cast<QMessageBox *>(w)->text();
        qobject_cast<QDialog *>(w)->accept();
    });
    typeLine(QStringLiteral("100 1 2"));
    // As a keyboard layout delivers characters beyond ASCII.
    for (const QString &c : { QString::fromUtf8("→"), QString::fromUtf8("€") }) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
        QApplication::sendEvent(dialog->lineEdit(), &press);
    }
    QTest::qWait(50);
    EXPECT_EQ(dialog->lineEdit()->text(), QString::fromUtf8("100 1 2€")); // € is in the set
    EXPECT_EQ(shown,
        QString::fromUtf8("Das Zeichen „→“ (U+2192) gehört nicht zum Zeichensatz des "
                          "Dokuments (Windows-1252) und wird nicht übernommen."));
    EXPECT_TRUE(prompter.events.empty()) << "no line operation started by the box";
}

TEST(RemarksBox, TheStraightIntervalsOfOneRunShareOneBoxInTheirOrder)
{
    widgetApp();
    QtPrompter prompter;
    QStringList messages, lists;
    bool fixedPitch = true, scrolls = false;
    // Answers every box as it opens, for as long as the test runs.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            messages << box->text();
            // A result laid out in columns is shown in a fixed pitch.
            fixedPitch = fixedPitch
                && isFixedPitch(
                    box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->font());
        } else if (auto *text = w->findChild<QPlainTextEdit *>()) {
            lists << text->toPlainText();
            fixedPitch = fixedPitch && isFixedPitch(text->font());
            scrolls = text->verticalScrollBar()->maximum() > 0;
        }
        qobject_cast<QDialog *>(w)->accept();
    });
    answer.start(10);
    const std::string result = "\nERGEBNISSE DER INTERPOLATION\nBohrlochteufe   (m):  150.00";
    QStringList expected;
    {
        ComputationRun run(prompter);
        for (int i = 0; i < 20; ++i) {
            if (i == 10)
                prompter.message(result); // passes at once
            ComputationRun inner(prompter); // a nested run does not close the outer one
            const std::string remark
                = cfmt("KEINE KRUEMMUNG VON TEUFE:%7.2f BIS %7.2f M", 10.0 * i, 10.0 * (i + 1));
            expected << QString::fromStdString(remark);
            prompter.message(remark);
        }
        EXPECT_TRUE(lists.isEmpty()) << "not before the run ends";
    }
    EXPECT_EQ(messages, QStringList { QString::fromStdString(result) });
    EXPECT_EQ(lists, QStringList { expected.join(QLatin1Char('\n')) });
    EXPECT_TRUE(fixedPitch);
    EXPECT_TRUE(scrolls) << "20 rows scroll";

    // Outside a run a remark is a box of its own, as before.
    prompter.message(expected[0].toStdString());
    EXPECT_EQ(messages.size(), 2);
}

} // namespace
