// What the user reads and types in the measurement dialog and the result boxes: fixed
// pitch lists with tooltips, lines typed as a German user types them, characters the
// document cannot hold, and one box for the straight intervals of a computation run.
#include "tests/dialogs/dlginputfixture.h"

#include "core/cformat.h"
#include "dialogs/computationrun.h"
#include "dialogs/qtprompter.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
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
    // The station list became a view over a model; its rows are read through the model.
    QListWidget *info = dialog->infoList();
    EXPECT_TRUE(isFixedPitch(info->font()));
    for (int i = 0; i < info->count(); ++i)
        EXPECT_EQ(info->item(i)->toolTip(), info->item(i)->text());
    QListView *list = dialog->stationList();
    EXPECT_TRUE(isFixedPitch(list->font()));
    ASSERT_GT(dialog->stationCount(), 0);
    for (int i = 0; i < dialog->stationCount(); ++i)
        EXPECT_EQ(
            list->model()->index(i, 0).data(Qt::ToolTipRole).toString(), dialog->stationText(i));

    // The widest station line the readers write is not cut off.
    const QString widest = QStringLiteral("12345.00   179.99   359.99");
    const QRect row = list->visualRect(list->model()->index(0, 0));
    EXPECT_LE(list->fontMetrics().horizontalAdvance(widest) + 6,
        std::min(row.width(), list->viewport()->width()));
}

// Where a number of a shown row lines up: the column of its decimal point, or the column
// after its integer digits. Found here character by character, not by the dialog's rule.
std::vector<int> numberColumns(const QString &row)
{
    std::vector<int> columns;
    int i = 0;
    while (columns.size() < 3 && i < row.size()) {
        while (i < row.size() && row[i] == QLatin1Char(' '))
            ++i;
        if (i < row.size() && (row[i] == QLatin1Char('-') || row[i] == QLatin1Char('+')))
            ++i;
        while (i < row.size() && row[i].isDigit())
            ++i;
        columns.push_back(i);
        while (i < row.size() && row[i] != QLatin1Char(' '))
            ++i;
    }
    return columns;
}

TEST_F(DlgInputTest, TypedLinesLandAtTheirDepthWithDecimalCommasTaken)
{
    dialog->modeGroup()->button(1)->click(); // append
    prompter.yesNoAnswers = { true, true, true, true };
    for (const char *line : { "50 1 2", "12,5 1,25 270", "  250.5   12 -3", "450.125 7 8" }) {
        typeLine(QString::fromLatin1(line));
        tab();
    }
    // The typed lines are stored as typed (after the comma step)...
    EXPECT_EQ(state.m_ListEingabe[0], "12.5 1.25 270");
    EXPECT_EQ(state.m_ListEingabe[1], "50 1 2");
    EXPECT_EQ(state.m_ListEingabe[4], "  250.5   12 -3");
    EXPECT_EQ(state.m_Eingabe.front(), "12.5 1.25 270");
    // ...and shown as the reader of this list's lines (WEG) writes the same numbers
    // (the list used to show them as typed, then with their digits as typed in the
    // readers' columns).
    ASSERT_EQ(dialog->stationCount(), 9);
    const std::vector<int> readerColumns = numberColumns(dialog->stationText(2));
    for (int row = 0; row < dialog->stationCount(); ++row) {
        const QString shown = dialog->stationText(row);
        EXPECT_EQ(numberColumns(shown), readerColumns) << shown.toStdString();
        // QString reads and writes numbers with a point whatever the locale.
        const QStringList words
            = QString::fromStdString(state.m_ListEingabe[static_cast<size_t>(row)])
                  .simplified()
                  .split(QLatin1Char(' '));
        ASSERT_GE(words.size(), 3);
        const double depth = words[0].toDouble(), inclination = words[1].toDouble(),
                     azimuth = words[2].toDouble();
        if (depth == 450.125) {
            // Two decimals would lose a digit: the depth keeps its three, lined up.
            EXPECT_TRUE(shown.startsWith(QStringLiteral("  450.125 "))) << shown.toStdString();
            continue;
        }
        EXPECT_EQ(shown, QString::asprintf("%8.2f %7.2f %7.2f", depth, inclination, azimuth));
    }
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
