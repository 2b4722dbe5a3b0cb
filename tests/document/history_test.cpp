// Every change of the document is one step of its history: the station table's edits,
// the measurement dialog's OK and the borehole's settings are taken back and made again
// exactly, and the modified flag follows the state last saved. The station table checks
// each value by the computation's rules and shows what the computation made of it.
#include "core/decimalsign.h"
#include "dialogs/stationtablemodel.h"
#include "tests/document/documentfixture.h"

#include <QSignalSpy>
#include <QUndoStack>

#include <cmath>
#include <numbers>

namespace {

class History : public DocumentTest
{
protected:
    History()
        : model(commands.history())
    {
    }

    QUndoStack &stack() { return commands.history().stack(); }
    double shown(int row, int column) const
    {
        const QString text = model.data(model.index(row, column)).toString();
        const std::optional<double> value
            = decimalsign::read(text.toStdString(), decimalsign::Accept::Either);
        EXPECT_TRUE(value) << text.toStdString();
        return value.value_or(NAN);
    }

    StationTableModel model;
};

} // namespace

// A block as a German spreadsheet copies it: semicolons, decimal commas, a final line
// break. From the vertical into 30 degrees east over 100.5 m: one arc of the method.
TEST_F(History, PastedBlockIsComputedUndoneAndRedoneExactly)
{
    const well::Well empty = doc.well();
    const StationTableModel::PasteResult pasted
        = model.paste(0, StationTableModel::Md, QStringLiteral("0;0;0\r\n100;0;0\r\n200,5;30,0;90,0\r\n"));
    ASSERT_TRUE(pasted.refused.isEmpty()) << pasted.refused.join("|").toStdString();
    EXPECT_EQ(pasted.rows, 3);
    ASSERT_EQ(model.stationCount(), 3);
    EXPECT_EQ(doc.well().survey.stations()[2], (well::Station { 200.5, 30, 90 }));
    EXPECT_EQ(stack().count(), 1);
    EXPECT_TRUE(doc.IsModified());

    // Minimum curvature by hand: dogleg b = 30 degrees, ratio factor 2/b tan(b/2).
    const double b = std::numbers::pi / 6, rf = 2 / b * std::tan(b / 2), dmd = 100.5;
    EXPECT_NEAR(shown(1, StationTableModel::Tvd), 100, 0.005);
    EXPECT_NEAR(shown(2, StationTableModel::Tvd), 100 + dmd / 2 * (1 + std::cos(b)) * rf, 0.005);
    EXPECT_NEAR(shown(2, StationTableModel::East), dmd / 2 * std::sin(b) * rf, 0.005);
    EXPECT_NEAR(shown(2, StationTableModel::North), 0, 0.005);
    EXPECT_NEAR(shown(2, StationTableModel::Dogleg), 30 / dmd * 30, 0.005);
    // The empty row after the last has no values.
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_TRUE(model.data(model.index(3, StationTableModel::Tvd)).toString().isEmpty());

    const well::Well after = doc.well();
    const StringList table = doc.resultsTable();
    stack().undo();
    EXPECT_EQ(doc.well(), empty);
    EXPECT_EQ(model.rowCount(), 1);
    stack().redo();
    EXPECT_EQ(doc.well(), after);
    EXPECT_EQ(doc.well().survey.lines(), after.survey.lines());
    EXPECT_EQ(doc.resultsTable(), table);
}

TEST_F(History, RefusedValuesKeepTheOldOneAndSayWhy)
{
    enterStations();
    const well::Well before = doc.well();
    const int steps = stack().count();
    QSignalSpy refused(&model, &StationTableModel::refused);

    const QModelIndex inclination = model.index(1, StationTableModel::Inclination);
    EXPECT_FALSE(model.setData(inclination, QStringLiteral("200")));
    EXPECT_TRUE(model.lastEditRefused());
    ASSERT_EQ(refused.size(), 1);
    const QString reason = refused.at(0).at(0).toString();
    EXPECT_TRUE(reason.contains(QStringLiteral("200")) && reason.contains(QStringLiteral("180")))
        << reason.toStdString();
    // The cell says why and keeps what was there.
    EXPECT_EQ(model.data(inclination, Qt::ToolTipRole).toString(), reason);
    EXPECT_TRUE(model.data(inclination, Qt::BackgroundRole).isValid());
    EXPECT_NEAR(shown(1, StationTableModel::Inclination), 10, 0);

    // A depth not between its neighbours, a word, an angle for a station without depth.
    EXPECT_FALSE(model.setData(model.index(1, StationTableModel::Md), QStringLiteral("300")));
    EXPECT_FALSE(model.setData(model.index(1, StationTableModel::Md), QStringLiteral("99,99")));
    EXPECT_FALSE(model.setData(model.index(2, StationTableModel::Azimuth), QStringLiteral("Nord")));
    EXPECT_FALSE(model.setData(model.index(3, StationTableModel::Azimuth), QStringLiteral("10")));
    EXPECT_EQ(refused.size(), 5);
    EXPECT_EQ(doc.well(), before);
    EXPECT_EQ(stack().count(), steps);

    // The limits themselves are taken, with a comma or a point.
    EXPECT_TRUE(model.setData(inclination, QStringLiteral("180,0")));
    EXPECT_TRUE(model.setData(model.index(1, StationTableModel::Azimuth), QStringLiteral("360.0")));
    EXPECT_EQ(doc.well().survey.stations()[1], (well::Station { 200, 180, 360 }));
    EXPECT_EQ(stack().undoText(), QStringLiteral("Azimut ändern"));
    // The mark goes with the next change.
    EXPECT_TRUE(model.data(inclination, Qt::ToolTipRole).toString().isEmpty());
}

// A paste is taken whole or not at all: a refused line names its number and reason.
TEST_F(History, APasteWithARefusedLineTakesNothing)
{
    enterStations();
    const well::Well before = doc.well();
    const StationTableModel::PasteResult result = model.paste(
        3, StationTableModel::Md, QStringLiteral("400\t25\t90\n450\t200\t90\n420\t25\t90\n"));
    ASSERT_EQ(result.refused.size(), 2) << result.refused.join("|").toStdString();
    EXPECT_TRUE(result.refused[0].startsWith(QStringLiteral("Zeile 2:")));
    EXPECT_TRUE(result.refused[1].startsWith(QStringLiteral("Zeile 3:")));
    EXPECT_EQ(result.rows, 0);
    EXPECT_EQ(doc.well(), before);

    // Overwriting the inclinations of two stations and adding none: a single column.
    const StationTableModel::PasteResult taken
        = model.paste(1, StationTableModel::Inclination, QStringLiteral("11,5\n21,5"));
    EXPECT_TRUE(taken.refused.isEmpty());
    EXPECT_EQ(model.stationCount(), 3);
    EXPECT_EQ(doc.well().survey.stations()[2], (well::Station { 300, 21.5, 90 }));
}

TEST_F(History, InsertAndDeleteAreStepsAndKeepTheOtherStations)
{
    enterStations();
    const well::Well before = doc.well();
    ASSERT_TRUE(model.insertStation(1));
    EXPECT_EQ(doc.well().survey.stations()[1].md, 150);
    ASSERT_TRUE(model.removeStations({ 3, 0, 3 }));
    ASSERT_EQ(model.stationCount(), 2);
    EXPECT_EQ(doc.well().survey.stations()[0].md, 150);
    EXPECT_EQ(doc.well().survey.stations()[1].md, 200);
    stack().undo();
    stack().undo();
    EXPECT_EQ(doc.well(), before);
}

TEST_F(History, DialogAndSettingsStepsRestoreThePreviousWell)
{
    const well::Well blank = doc.well();
    enterStations();
    const well::Well entered = doc.well();
    EXPECT_EQ(stack().undoText(), QStringLiteral("Messdaten ändern"));
    WellSettings settings = doc.settings();
    settings.sectionAzimuth = 123.0;
    commands.history().changeSettings(QStringLiteral("Bohrung ändern"), settings);
    EXPECT_EQ(doc.settings(), settings);

    stack().undo();
    EXPECT_EQ(doc.well(), entered);
    stack().undo();
    EXPECT_EQ(doc.well(), blank);
    // Computed again: no path is left of the stations taken back.
    EXPECT_TRUE(doc.trajectory().empty());
    EXPECT_FALSE(doc.IsModified());
    stack().redo();
    stack().redo();
    EXPECT_EQ(doc.settings(), settings);
    EXPECT_EQ(doc.well().survey, entered.survey);
}

TEST_F(History, SavedStateIsTheUnmodifiedOne)
{
    enterStations();
    ASSERT_TRUE(commands.OnSaveDocument(dir.filePath("b.dvn")));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(stack().isClean());
    ASSERT_TRUE(model.setData(model.index(0, StationTableModel::Azimuth), QStringLiteral("5")));
    EXPECT_TRUE(doc.IsModified());
    stack().undo();
    EXPECT_FALSE(doc.IsModified());
    stack().undo(); // before the save: changed again
    EXPECT_TRUE(doc.IsModified());

    // An opened document starts a history of its own.
    ASSERT_TRUE(commands.OnOpenDocument(dir.filePath("b.dvn")));
    EXPECT_EQ(stack().count(), 0);
    EXPECT_FALSE(doc.IsModified());
}
