// The "Stationen" panel as its user works it: typing into a cell and Enter, a depth in
// the empty row adding a station, a block pasted from the clipboard with Strg+V, and the
// frame's Rückgängig and Wiederholen taking each step back and making it again.
#include "guifixture.h"

#include "dialogs/stationtablemodel.h"
#include "shell/commandids.h"
#include "shell/stationspanel.h"

#include <QClipboard>
#include <QIcon>
#include <QLabel>
#include <QTest>

namespace {

class StationsPanelTest : public ShellTest
{
protected:
    StationTableView *table() { return frame->stationsPanel()->table(); }
    const std::vector<well::Station> &stations() { return doc->well().survey.stations(); }

    // Clicks a cell and types `text` into it, then Enter, as the user does.
    void typeInto(int row, int column, const QString &text)
    {
        const QModelIndex index = table()->model()->index(row, column);
        table()->scrollTo(index);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
            table()->visualRect(index).center());
        settle();
        // The first key opens the editor; the rest go to it.
        QTest::keyClicks(table(), text.left(1));
        settle();
        QWidget *editor = QApplication::focusWidget();
        ASSERT_NE(editor, table());
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        settle();
    }
};

} // namespace

TEST_F(StationsPanelTest, TypingPastingAndUndoingReachTheDocument)
{
    frame->show();
    ASSERT_TRUE(frame->stationsPanel()->isVisible());
    enterData({ "0 0 0", "100 10 45", "200 20 90" });
    const well::Well entered = doc->well();

    // Enter takes the value and moves down.
    typeInto(1, StationTableModel::Inclination, QStringLiteral("12,5"));
    EXPECT_EQ(stations()[1].inclination, 12.5);
    EXPECT_EQ(table()->currentIndex().row(), 2);

    // A refused value changes nothing and the panel says why; the cell stays current.
    typeInto(2, StationTableModel::Azimuth, QStringLiteral("400"));
    EXPECT_EQ(stations()[2].azimuth, 90);
    EXPECT_EQ(table()->currentIndex().row(), 2);
    EXPECT_TRUE(frame->stationsPanel()->notice().contains(QStringLiteral("400")))
        << frame->stationsPanel()->notice().toStdString();
    // The cell is marked with a sign that the selection's colour does not cover.
    const QModelIndex refusedCell = table()->model()->index(2, StationTableModel::Azimuth);
    EXPECT_TRUE(table()->selectionModel()->isSelected(refusedCell));
    EXPECT_FALSE(refusedCell.data(Qt::DecorationRole).value<QIcon>().isNull());

    // A depth typed in the empty row after the last adds a station.
    typeInto(3, StationTableModel::Md, QStringLiteral("300"));
    ASSERT_EQ(stations().size(), 4u);
    EXPECT_EQ(stations()[3], (well::Station { 300, 20, 90 }));
    EXPECT_TRUE(frame->stationsPanel()->notice().isEmpty());

    // Strg+V with the table in focus pastes there, not into the import of the frame:
    // two rows overwritten, one added, one step.
    QApplication::clipboard()->setText(QStringLiteral("300\t30\t95\n400\t35,5\t96\n500\t40\t97\n"));
    table()->setFocus();
    table()->setCurrentIndex(table()->model()->index(2, StationTableModel::Md));
    QTest::keyClick(table(), Qt::Key_V, Qt::ControlModifier);
    settle();
    ASSERT_EQ(stations().size(), 5u);
    EXPECT_EQ(stations()[3], (well::Station { 400, 35.5, 96 }));
    EXPECT_EQ(stations()[4], (well::Station { 500, 40, 97 }));
    // The results table followed at once: its last depth is the pasted one.
    EXPECT_EQ(doc->result().lastDepth(), 500.0);

    // The Bearbeiten menu names the step, and Strg+Z takes the steps back one by one.
    QAction *undo = frame->action(ID_EDIT_UNDO);
    ASSERT_NE(undo, nullptr);
    EXPECT_TRUE(undo->text().startsWith(QStringLiteral("Rückgängig: Stationen einfügen")))
        << undo->text().toStdString();
    for (int steps = 0; steps < 3; ++steps)
        press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc->well(), entered);
    // Strg+Y makes the paste again... after the other two.
    for (int steps = 0; steps < 3; ++steps)
        press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(stations().size(), 5u);
    EXPECT_EQ(stations()[3], (well::Station { 400, 35.5, 96 }));
    EXPECT_FALSE(frame->action(ID_EDIT_REDO)->isEnabled());
}

// Entf deletes the selected rows and Einfg puts a station half way into the gap above.
TEST_F(StationsPanelTest, DeleteAndInsertKeys)
{
    frame->show();
    enterData({ "0 0 0", "100 10 45", "200 20 90", "300 30 90" });
    table()->setFocus();
    table()->selectionModel()->select(
        QItemSelection(table()->model()->index(1, 0), table()->model()->index(2, 0)),
        QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(table(), Qt::Key_Delete);
    settle();
    ASSERT_EQ(stations().size(), 2u);
    EXPECT_EQ(stations()[1].md, 300);
    table()->setCurrentIndex(table()->model()->index(1, 0));
    QTest::keyClick(table(), Qt::Key_Insert);
    settle();
    ASSERT_EQ(stations().size(), 3u);
    EXPECT_EQ(stations()[1].md, 150);
}
