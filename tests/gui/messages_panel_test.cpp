// The panel of messages: a computation's remarks and its clearance findings are listed in
// the dock below the views and never stop the user with a box; the closest neighbour
// heads the list as a collision risk; a row with a depth scrolls the results table to
// that depth; a new document starts with an empty list.
#include "guifixture.h"

#include "shell/commandids.h"
#include "shell/messagespanel.h"
#include "textview/dravonview.h"
#include "tests/support/clearanceset.h"

#include <QAction>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>
#include <QTreeView>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// The rows of a file of the ISCWSA clearance set: MD, inclination, azimuth, TVD, N, E …
std::vector<std::vector<double>> setRows(const std::string &name)
{
    return clearanceset::rows(name);
}

// Boxes of any kind on the screen: the panel is to be the only place of the remarks.
int visibleMessageBoxes()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->isVisible() && (qobject_cast<QMessageBox *>(w) || qobject_cast<QDialog *>(w));
    return count;
}

std::string rowText(const MessagesPanel &panel, int row)
{
    return (panel.cellText(row, 0) + QLatin1Char('|') + panel.cellText(row, 1) + QLatin1Char('|')
        + panel.cellText(row, 2))
        .toStdString();
}

class MessagesPanelTest : public ShellTest
{
};

} // namespace

TEST_F(MessagesPanelTest, StraightIntervalsOfAnOpenedDocumentAreListedNotShownInABox)
{
    // Straight from 400 m to 650 m and from the surface to 150 m.
    enterData({ "0 0 0", "150 0 0", "400 12 80", "650 12 80", "900 30 120" });
    const QString path = temp.filePath(QStringLiteral("gerade.dvn"));
    ASSERT_TRUE(commands->OnSaveDocument(path));
    prompter.events.clear();
    ASSERT_TRUE(frame->openDocumentFile(path));
    settle();

    for (const std::string &m : prompter.messages())
        ADD_FAILURE() << "a box for: " << m;
    EXPECT_EQ(visibleMessageBoxes(), 0);

    MessagesPanel *panel = frame->messagesPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    // The legacy words of the computation, each with the depth where the interval begins.
    std::vector<QString> straight;
    for (const well::Diagnostic &d : doc->result().diagnostics)
        if (d.id == well::Message::NoCurvature)
            straight.push_back(QString::fromStdString(well::text(d)).trimmed());
    ASSERT_EQ(straight.size(), 2u);
    QTreeView *list = panel->list();
    ASSERT_EQ(panel->rowCount(), 2);
    EXPECT_EQ(panel->cellText(0, 2), straight[0]);
    EXPECT_EQ(panel->cellText(1, 2), straight[1]);
    EXPECT_EQ(panel->cellText(1, 1), QStringLiteral("400,00")) << rowText(*panel, 1);

    // Enter on the second row: the table scrolls to the line of 400 m and marks it.
    CDravonView *text = frame->textView();
    const QSize small(text->width(), 120);
    text->resize(small);
    list->setFocus();
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    const int marked = text->markedLine();
    ASSERT_GE(marked, 0);
    const std::string line = doc->resultsTable()[static_cast<std::size_t>(marked)];
    std::istringstream words(line);
    double md = 0;
    words >> md;
    EXPECT_DOUBLE_EQ(md, 400.0) << line;
    settle();
    text->viewport()->repaint();
    const auto [first, last] = text->paintedRows();
    EXPECT_LE(first, marked);
    EXPECT_GE(last, marked);
    EXPECT_TRUE(frame->statusBar()->currentMessage().contains(QStringLiteral("400,00")))
        << frame->statusBar()->currentMessage().toStdString();

    // The panel is in the Ansicht menu; hidden from there, it stays hidden on the next
    // computation without a collision risk.
    QAction *toggle = panel->toggleViewAction();
    toggle->trigger();
    EXPECT_FALSE(panel->isVisible());
    commands->recompute();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(panel->rowCount(), 2) << "filled again, not added to";
    toggle->trigger();
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(MessagesPanelTest, TheCollisionRiskOfTheClearanceSetHeadsTheListAndNewClearsIt)
{
    // The reference well of the ISCWSA clearance set with its offsets 01 and 03, entered
    // in that order, with the set's error model and holes.
    well::Well w;
    w.name = "Referenz";
    for (const auto &row : setRows("reference-well.csv"))
        w.survey.add({ row[0], row[1], row[2] });
    WellSettings &s = w.settings;
    s.uncertainty.model = ErrorModel::IscwsaMwdRev4;
    s.uncertainty.totalField = 50000;
    s.uncertainty.dip = 70;
    s.declination = 0;
    s.north = NorthReference::Grid;
    s.gridConvergence = 0;
    s.clearance.holeDiameter = 36.0 / 12 / 3.281;
    double lowest03 = 99;
    for (const auto &row : setRows("clearance-03.csv"))
        lowest03 = std::min(lowest03, row.back());
    for (const char *name : { "offset-01", "offset-03" }) {
        const auto rows = setRows(std::string(name) + ".csv");
        OffsetWell o;
        o.name = name;
        for (const auto &row : rows)
            o.stations.push_back({ row[0], row[1], row[2] });
        o.slotNorth = rows.front()[4];
        o.slotEast = rows.front()[5];
        o.holeDiameter = 24.0 / 12 / 3.281;
        s.offsets.push_back(o);
    }
    frame->messagesPanel()->hide();
    doc->take(std::move(w), 0, true);
    commands->recompute();
    settle();
    EXPECT_TRUE(prompter.messages().empty());
    EXPECT_EQ(visibleMessageBoxes(), 0) << "no notice pops up";

    MessagesPanel *panel = frame->messagesPanel();
    EXPECT_TRUE(panel->isVisible()) << "a collision risk brings the panel into view";
    QTreeView *list = panel->list();
    ASSERT_GE(panel->rowCount(), 2);
    EXPECT_EQ(panel->cellText(0, 0), QStringLiteral("Kollisionsgefahr")) << rowText(*panel, 0);
    EXPECT_TRUE(panel->cellText(0, 2).startsWith(QStringLiteral("Nachbarbohrung offset-03:")))
        << rowText(*panel, 0);
    // The set's lowest factor, in the German decimal sign.
    const QString factor = QString::number(lowest03, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
    EXPECT_TRUE(panel->cellText(0, 2).contains(factor)) << rowText(*panel, 0) << " " << factor.toStdString();
    const auto colour = [list](int column) {
        return list->model()->index(0, column).data(Qt::ForegroundRole).value<QColor>();
    };
    EXPECT_EQ(colour(2), colour(0));
    EXPECT_GT(colour(0).red(), 150);
    EXPECT_EQ(panel->cellText(1, 0), QStringLiteral("Warnung")) << rowText(*panel, 1);
    EXPECT_TRUE(panel->cellText(1, 2).startsWith(QStringLiteral("Nachbarbohrung offset-01:")));
    EXPECT_FALSE(panel->cellText(0, 1).isEmpty()) << "the depth of the lowest factor";

    // A click on the collision row shows its depth (metres MD) in the status bar.
    const QRect cell = list->visualRect(list->model()->index(0, 2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(frame->statusBar()->currentMessage().contains(panel->cellText(0, 1)))
        << frame->statusBar()->currentMessage().toStdString();
    EXPECT_GE(frame->textView()->markedLine(), 0);

    // "Neu": the list of the survey before goes; Cancel in the dialog computes the empty
    // new one, which has nothing to say about neighbours.
    ui.saveAnswers = { FrameUi::SaveAnswer::Discard };
    dialog.script = [](LineEditor &) { return false; };
    frame->action(ID_FILE_NEW)->trigger();
    settle();
    for (int i = 0; i < panel->rowCount(); ++i)
        EXPECT_FALSE(panel->cellText(i, 2).contains(QStringLiteral("offset-"))) << rowText(*panel, i);
}
