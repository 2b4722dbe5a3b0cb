// A long station export made and written a piece at a time must be the very file the
// whole listing gives: the same header (columns decided over all rows, also those that
// turn up late), the same rows in order, in each text form.
#include "export/exportformats.h"
#include "well/computation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// A survey that builds and turns over more stations than one piece holds.
traj::Trajectory longPath(int stations)
{
    well::Well w;
    for (int i = 0; i < stations; ++i)
        w.survey.add({ 1.0 * i, 30.0 + 20.0 * std::sin(i / 700.0), std::fmod(0.01 * i, 360.0) });
    return well::compute(w).path;
}

// Absolute columns only from row `from` on, as if the wellhead placed only the deeper part.
void placeFrom(listing::Listing &rows, std::size_t firstIndex, std::size_t from)
{
    for (std::size_t k = 0; k < rows.rows.size(); ++k) {
        if (firstIndex + k >= from) {
            rows.rows[k].easting = 500000.0 + rows.rows[k].point.east;
            rows.rows[k].northing = 5700000.0 + rows.rows[k].point.north;
        }
    }
}

std::string slurp(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Pieces : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("dravon-pieces-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // The file written from pieces and the file written from the whole listing.
    std::pair<std::string, std::string> both(const traj::Trajectory &t, std::size_t placedFrom,
        surveyexport::ExportFormat format)
    {
        const double azimuth = 75.0;
        surveyexport::RowSource source;
        source.size = t.stations.size();
        source.make = [&](std::size_t first, std::size_t count, listing::Listing &piece) {
            piece = listing::stationListing(t, first, count, listing::Unit::Foot, azimuth);
            placeFrom(piece, first, placedFrom);
        };
        listing::Listing whole = listing::buildListing(t, {}, listing::Unit::Foot, azimuth);
        placeFrom(whole, 0, placedFrom);
        surveyexport::ExportInfo info;
        info.borehole = "B 1";
        EXPECT_TRUE(surveyexport::writeExport((dir / "a").string(), format, source, info));
        EXPECT_TRUE(surveyexport::writeExport((dir / "b").string(), format, whole, info));
        return { slurp(dir / "a"), slurp(dir / "b") };
    }

    fs::path dir;
};

} // namespace

TEST_F(Pieces, ThePieceByPieceFileIsTheWholeListingsFile)
{
    const traj::Trajectory t = longPath(10000);
    ASSERT_EQ(t.stations.size(), 10000u);
    for (const auto format :
        { surveyexport::ExportFormat::Csv, surveyexport::ExportFormat::GermanCsv }) {
        // Placed from the start, from the third piece on, nowhere.
        for (std::size_t from : { std::size_t { 0 }, std::size_t { 9000 }, std::size_t { 20000 } }) {
            const auto [pieces, whole] = both(t, from, format);
            EXPECT_EQ(pieces, whole) << "placed from row " << from;
            // One header and one line per station.
            EXPECT_EQ(std::count(pieces.begin(), pieces.end(), '\n'), 10001);
            EXPECT_EQ(pieces.find("Rechtswert") != std::string::npos, from < 10000);
        }
    }
}

TEST_F(Pieces, AnEmptyPathGivesTheHeaderAlone)
{
    const traj::Trajectory none;
    const auto [pieces, whole] = both(none, 0, surveyexport::ExportFormat::Csv);
    EXPECT_EQ(pieces, whole);
    EXPECT_EQ(std::count(pieces.begin(), pieces.end(), '\n'), 1);
}
