// The measurement dialog on a survey of 100,000 stations: the list's rows and their
// order, a row far down taken by double click, and a typed line joining the list.
#include "core/cformat.h"
#include "dialogs/dlginput.h"
#include "dialogs/scriptedprompter.h"
#include "tests/dialogs/widgetapp.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr int kStations = 100000;

// Station k lies k half metres deep; the survey comes in a shuffled order.
LineEditor shuffledSurvey()
{
    std::vector<int> order(kStations);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937(5));
    LineEditor state;
    for (int k : order)
        state.m_Eingabe.push_back(
            cfmt("%8.2f  %7.2f  %7.2f", 0.5 * k, 1.0 * (k % 90), 1.0 * (k % 360)));
    state.m_Name = "Lang";
    state.m_Format = 1;
    state.m_Ansicht = 0;
    state.m_ZeilenModus = 0;
    return state;
}

double depthOf(const QString &row)
{
    return row.simplified().section(QLatin1Char(' '), 0, 0).toDouble();
}

TEST(DlgInputManyStations, TheListShowsEveryStationInDepthOrder)
{
    widgetApp();
    LineEditor state = shuffledSurvey();
    ScriptedPrompter prompter;
    DlgInput dialog(state, prompter);
    ASSERT_TRUE(showActive(&dialog));
    QListView *list = dialog.stationList();

    ASSERT_EQ(dialog.stationCount(), kStations);
    EXPECT_EQ(list->model()->rowCount(), kStations);
    for (int row : { 0, 1, 4711, 50000, kStations - 1 })
        EXPECT_EQ(depthOf(dialog.stationText(row)), 0.5 * row) << row;

    // Scrolled to the end, the window shows the last rows.
    list->scrollToBottom();
    settle();
    const QModelIndex lastShown = list->indexAt(QPoint(2, list->viewport()->height() - 2));
    const QModelIndex firstShown = list->indexAt(QPoint(2, 2));
    ASSERT_TRUE(firstShown.isValid());
    EXPECT_GT(firstShown.row(), kStations - 20);
    if (lastShown.isValid()) {
        EXPECT_EQ(lastShown.row(), kStations - 1);
    }

    // A row far down, double-clicked, goes into the edit line as it is stored. (The
    // line mode is chosen first: leaving the edit line for a radio button would start
    // a line operation.)
    clickButton(dialog.modeGroup()->button(1)); // append
    const int far = 76543;
    list->scrollTo(list->model()->index(far, 0));
    settle();
    const QPoint at = list->visualRect(list->model()->index(far, 0)).center();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    settle();
    EXPECT_EQ(dialog.lineEdit()->text().toStdString(), state.m_ListEingabe[far]);
    EXPECT_EQ(dialog.currentStation(), far);
    EXPECT_EQ(dialog.statusLabel()->text(), QString::fromUtf8("76544.Zeile ausgewählt"));

    // A typed line joins at its depth, and shows as the readers write their lines; the
    // list scrolls to where it landed (it used to stay where it was, and the line was
    // out of sight).
    const int scrolled = list->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    prompter.yesNoAnswers = { true };
    QLineEdit *edit = dialog.lineEdit();
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, QStringLiteral("12345,25 1 2"));
    QTest::keyClick(edit, Qt::Key_Tab);
    settle();
    ASSERT_EQ(dialog.stationCount(), kStations + 1);
    // Depths up to 12345.0 m come first: 24691 of them.
    const int typed = 24691;
    EXPECT_EQ(state.m_ListEingabe[typed], "12345.25 1 2");
    EXPECT_EQ(state.m_Eingabe.size(), static_cast<size_t>(kStations + 1));
    const QString above = dialog.stationText(typed - 1);
    const QString shown = dialog.stationText(typed);
    EXPECT_EQ(shown.indexOf(QLatin1Char('.')), above.indexOf(QLatin1Char('.')));
    EXPECT_EQ(shown.size(), above.size());
    EXPECT_TRUE(shown.endsWith(QStringLiteral("1.00     2.00"))) << shown.toStdString();
    // The selected row stays on its entry, one further down.
    EXPECT_EQ(dialog.currentStation(), far + 1);
    EXPECT_NE(list->verticalScrollBar()->value(), scrolled);
    EXPECT_TRUE(list->viewport()->rect().contains(
        list->visualRect(list->model()->index(typed, 0)).center()));
}

} // namespace
