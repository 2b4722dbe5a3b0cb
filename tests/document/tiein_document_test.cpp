// A tie-in point in the desktop document: set in "Bohrung …" it moves the computed course
// at once and the undo takes it back; a survey file that brings one sets it with its
// stations as one step; the station table refuses a first depth above it.
#include "dialogs/stationtablemodel.h"
#include "tests/document/documentfixture.h"

#include <QUndoStack>

namespace {

using TieInDocument = DocumentTest;

const well::TieIn kTieIn { 1200, 1150, -4.65, 0.92, 0, 0 };

StringList lowerSection()
{
    return { station(1250, 0, 0), station(1300, 0, 0) };
}

} // namespace

TEST_F(TieInDocument, SettingTheTieInMovesTheCourseAndUndoTakesItBack)
{
    enterStations(lowerSection());
    ASSERT_EQ(doc.trajectory().stations.size(), 3u) << "the surface station in front";
    EXPECT_EQ(doc.trajectory().last().tvd, 1300);
    const std::uint64_t revision = doc.dataRevision();

    WellSettings settings = doc.settings();
    settings.tieIn = kTieIn;
    commands.history().changeSettings(QStringLiteral("Bohrung ändern"), settings);
    // A vertical hole from the tie-in: 100 m below it, beside the slot where it lies.
    ASSERT_EQ(doc.trajectory().stations.size(), 3u);
    EXPECT_EQ(doc.trajectory().stations.front().md, 1200);
    EXPECT_EQ(doc.trajectory().last().tvd, 1250);
    EXPECT_EQ(doc.trajectory().last().north, -4.65);
    EXPECT_EQ(doc.trajectory().last().east, 0.92);
    EXPECT_NE(doc.dataRevision(), revision) << "the views scale afresh";
    // A straight first interval: its remark, then its line.
    ASSERT_GE(doc.resultsTable().size(), 8u);
    EXPECT_EQ(doc.resultsTable()[6], "KEINE KRUEMMUNG VON TEUFE:1200.00 BIS 1250.00 M");
    EXPECT_EQ(doc.resultsTable()[7].rfind("    1200.0-1250.0", 0), 0u) << doc.resultsTable()[7];

    commands.history().stack().undo();
    EXPECT_FALSE(doc.settings().tieIn);
    EXPECT_EQ(doc.trajectory().stations.front().md, 0);
    EXPECT_EQ(doc.trajectory().last().tvd, 1300);
}

TEST_F(TieInDocument, AnImportedSurveysTieInComesWithItsStations)
{
    dialog.imported = kTieIn;
    enterStations(lowerSection());
    dialog.imported.reset();
    ASSERT_TRUE(doc.settings().tieIn);
    EXPECT_EQ(*doc.settings().tieIn, kTieIn);
    EXPECT_EQ(doc.trajectory().last().tvd, 1250);
    // A later run of the dialog without an import keeps it.
    enterStations({ station(1250, 0, 0), station(1400, 0, 0) });
    ASSERT_TRUE(doc.settings().tieIn);
    EXPECT_EQ(doc.trajectory().last().tvd, 1350);
}

TEST_F(TieInDocument, TheStationTableRefusesAFirstDepthAboveTheTieIn)
{
    enterStations(lowerSection());
    WellSettings settings = doc.settings();
    settings.tieIn = kTieIn;
    commands.history().changeSettings(QStringLiteral("Bohrung ändern"), settings);
    StationTableModel model(commands.history());
    EXPECT_FALSE(model.setData(model.index(0, 0), QStringLiteral("1100")));
    EXPECT_TRUE(model.lastEditRefused());
    EXPECT_EQ(doc.well().survey.stations().front().md, 1250);
    EXPECT_TRUE(model.setData(model.index(0, 0), QStringLiteral("1210")));
    EXPECT_EQ(doc.trajectory().stations[1].md, 1210);
    // A station put in front goes half way down from the tie-in, not from the surface.
    ASSERT_TRUE(model.insertStation(0));
    EXPECT_EQ(doc.well().survey.stations().front().md, 1205);
    EXPECT_TRUE(doc.result().clean());
}
