// The document's scan of its neighbouring wells: made with the computation and with a
// change of what it reads, left alone by the settings it does not read, gone with the
// neighbours, with a new document and with a document opened in its place.
#include "documentfixture.h"

namespace {

OffsetWell neighbour(const std::string &name, double slotEast)
{
    OffsetWell w;
    w.name = name;
    w.slotEast = slotEast;
    w.stations = { { 0, 0, 0 }, { 400, 0, 0 } };
    return w;
}

TEST_F(DocumentTest, TheScanOfTheNeighboursFollowsTheComputationAndTheSettings)
{
    enterStations();
    EXPECT_TRUE(doc.clearance().offsets.empty());

    WellSettings s = doc.settings();
    s.offsets = { neighbour("Ost", 25) };
    std::uint64_t revision = doc.dataRevision();
    doc.setWellSettings(s);
    ASSERT_EQ(doc.clearance().scan.offsets.size(), 1u);
    EXPECT_GT(doc.dataRevision(), revision) << "the graph scales the neighbour in";
    // At the surface the neighbour is its slot's 25 m away; without a model no radii.
    ASSERT_FALSE(doc.clearance().scan.offsets[0].rows.empty());
    EXPECT_NEAR(doc.clearance().scan.offsets[0].rows.front().distance, 25, 1e-9);
    ASSERT_EQ(doc.offsetCovariances().size(), 1u);
    EXPECT_TRUE(doc.offsetCovariances()[0].empty());

    // The section's azimuth is nothing the scan reads.
    const clr::Well *before = doc.clearance().offsets.data();
    revision = doc.dataRevision();
    s.sectionAzimuth = 45;
    doc.setWellSettings(s);
    EXPECT_EQ(doc.clearance().offsets.data(), before);
    EXPECT_EQ(doc.dataRevision(), revision);

    // An error model is: the offset's covariances, one per station of its path.
    s.uncertainty.model = ErrorModel::IscwsaMwdRev5;
    s.uncertainty.totalField = 50000;
    s.uncertainty.dip = 72;
    s.declination = 0;
    doc.setWellSettings(s);
    ASSERT_EQ(doc.offsetCovariances().size(), 1u);
    EXPECT_EQ(doc.offsetCovariances()[0].size(), doc.clearance().offsets[0].path.stations.size());
    EXPECT_TRUE(doc.clearance().scan.offsets[0].rows.back().separationFactor.has_value());

    // Computed again: scanned along the new path.
    enterStations({ station(100, 0, 0), station(500, 30, 90) });
    EXPECT_NEAR(doc.clearance().reference.path.last().md, 500, 1e-9);

    s = doc.settings();
    s.offsets.clear();
    revision = doc.dataRevision();
    doc.setWellSettings(s);
    EXPECT_TRUE(doc.clearance().offsets.empty());
    EXPECT_TRUE(doc.offsetCovariances().empty());
    EXPECT_GT(doc.dataRevision(), revision) << "the graph draws the well alone again";

    // A document opened in its place brings neighbours of its own, scanned with its
    // first computation; a new document has none.
    s.offsets = { neighbour("Ost", 25) };
    doc.setWellSettings(s);
    ASSERT_FALSE(doc.clearance().offsets.empty());
    std::string message;
    const QString path = dir.filePath("nachbarn.dvn");
    ASSERT_TRUE(doc.save(path, message)) << message;
    ASSERT_TRUE(doc.load(path, message)) << message;
    EXPECT_TRUE(doc.clearance().offsets.empty());
    doc.recompute();
    EXPECT_EQ(doc.clearance().offsets.size(), 1u);
    doc.reset();
    EXPECT_TRUE(doc.clearance().offsets.empty());
}

} // namespace

// "Neu" and "Öffnen" open the measurement dialog on the new well: behind it the views
// already show that well, not the results, neighbours or section of the one before.
TEST_F(DocumentTest, NeuAndOpenShowNothingOfTheWellBeforeWhileTheDialogIsOpen)
{
    const QString path = dir.filePath("leer.dvn");
    ASSERT_TRUE(commands.OnSaveDocument(path)); // a document without stations
    enterStations();
    WellSettings s = doc.settings();
    s.offsets = { neighbour("Ost", 25) };
    doc.setWellSettings(s);
    ASSERT_FALSE(doc.clearance().offsets.empty());

    struct Seen
    {
        bool results = true, neighbours = true, updated = false;
        std::string name = "?";
    };
    const auto look = [this](Seen &seen) {
        return [this, &seen](LineEditor &state) {
            seen.results = !doc.trajectory().empty() || !doc.plotTrajectory().stations.empty()
                || !doc.resultsTable().empty() || !doc.result().checked.stations.empty();
            seen.neighbours = !doc.clearance().offsets.empty() || !doc.stationCovariances().empty();
            seen.updated = viewUpdates > 0;
            seen.name = state.m_Name;
            return false;
        };
    };

    Seen neu;
    resetCounters();
    dialog.script = look(neu);
    commands.OnDokumentNeu();
    EXPECT_FALSE(neu.results);
    EXPECT_FALSE(neu.neighbours);
    EXPECT_TRUE(neu.updated);
    EXPECT_EQ(neu.name, "") << "a new well has no name to delete before typing its own";

    enterStations();
    doc.setWellSettings(s);
    ASSERT_FALSE(doc.clearance().offsets.empty());
    Seen opened;
    resetCounters();
    dialog.script = look(opened);
    ASSERT_TRUE(commands.OnOpenDocument(path));
    EXPECT_FALSE(opened.results);
    EXPECT_FALSE(opened.neighbours);
    EXPECT_TRUE(opened.updated);
}
