// The batch tool's --plot with neighbouring wells: the page draws them as the desktop's
// graph does, in each view, and a page without them is the page it always was.
#include "tests/cli/clitool.h"

#include <filesystem>

namespace {

using namespace clitest;

const std::string kSet = "'" DRAVON_SOURCE_DIR "/tests/data/clearance/";

std::size_t count(const std::string &text, const std::string &what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST_F(ToolTest, PlotDrawsTheNeighboursInEachView)
{
    const std::string offsets = " --offset " + kSet + "offset-01.csv' --offset-position 0,100"
        + " --offset " + kSet + "offset-05.csv' --offset-position -50,-500";
    for (const std::string view : { "side", "top", "section" }) {
        SCOPED_TRACE(view);
        const Result alone = run(kSet + "reference-well.csv' --view " + view + " --plot a.svg");
        const Result with
            = run(kSet + "reference-well.csv' --view " + view + offsets + " --plot b.svg");
        ASSERT_EQ(alone.status, 0) << alone.err;
        ASSERT_EQ(with.status, 0) << with.err;
        const std::string a = file("a.svg"), b = file("b.svg");
        EXPECT_EQ(count(a, "offset-0"), 0u);
        // Each name beside its path and in the legend.
        EXPECT_EQ(count(b, ">offset-01<"), 2u);
        EXPECT_EQ(count(b, ">offset-05<"), 2u);
        EXPECT_EQ(count(b, ">Nachbarbohrungen<"), 1u);
        // In the first two colours of the palette: green and orange.
        EXPECT_NE(b.find("#008000"), std::string::npos);
        EXPECT_NE(b.find("#e67800"), std::string::npos);
    }
}

// The ladder and the cylinder pages of the batch tool name each offset's lowest separation
// factor and closest approach; the factors agree with the clearance set's own scan (its
// minimum at the stations: offset-01 1.4002 at 2940 m, offset-03 0.4566 at 2220 m).
TEST_F(ToolTest, LadderAndCylinderOfTheClearanceSet)
{
    // 36 in and 24 in of hole, as the set converts them (3.281 ft to the metre).
    const std::string wells = kSet + "reference-well.csv'"
        + " --error-model iscwsa-mwd-rev4 --mag-field 50000 --mag-dip 70 --declination 0"
          " --north grid --grid-convergence 0 --hole 0.914355 --offset "
        + kSet + "offset-01.csv' --offset-position 0,100 --offset " + kSet
        + "offset-03.csv' --offset-position 0,10 --offset-hole 0.609570";
    // Status 3: offset-03's factor is below 1.
    const Result ladder = run(wells + " --view ladder --plot l.svg");
    ASSERT_EQ(ladder.status, 3) << ladder.err;
    const std::string l = file("l.svg");
    EXPECT_NE(
        l.find("offset-01 – kleinster Trennfaktor 1,40 in 2940,0 m Teufe"), std::string::npos);
    EXPECT_NE(
        l.find("offset-03 – kleinster Trennfaktor 0,46 in 2220,0 m Teufe"), std::string::npos);

    const Result cylinder = run(wells + " --view cylinder --plot c.svg");
    ASSERT_EQ(cylinder.status, 3) << cylinder.err;
    const std::string c = file("c.svg");
    // offset-01 stands 100 m east of the slot and keeps that distance down to the bend; the
    // cylinder's legend names the lowest factor first, as the ladder's does.
    EXPECT_NE(c.find("offset-01 – kleinster Trennfaktor 1,40 in 2940,0 m Teufe, kleinster "
                     "Abstand 100,00 m in 0,0 m"),
        std::string::npos);
    EXPECT_EQ(count(c, "offset-03 – kleinster Trennfaktor 0,46 in 2220,0 m Teufe"), 1u);

    // Without neighbours there is nothing to draw: a message and no file.
    for (const std::string view : { "ladder", "cylinder" }) {
        const Result alone
            = run(kSet + "reference-well.csv' --view " + view + " --plot " + view + ".svg");
        EXPECT_EQ(alone.status, 2);
        EXPECT_NE(
            alone.err.find("--view " + view + " braucht Nachbarbohrungen"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(dir + "/" + view + ".svg"));
    }
}

} // namespace
