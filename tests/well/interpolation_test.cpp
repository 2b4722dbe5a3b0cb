// The position at a depth: the worked example, agreement with an independent arc
// construction, and every refusal with its text.
#include "tests/support/rotatedtangent.h"
#include "tests/support/welltest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using welltest::wellOf;

namespace {

const StringList kExample = { "100 0 0", "200 10 45", "300 20 90" };

std::string expectedResult(
    const char *depth, const char *tvd, const char *n, const char *e, const char *a, const char *z)
{
    return std::string("\nERGEBNISSE DER INTERPOLATION\nBohrlochteufe   (m):") + depth
        + "\nVertikale Teufe (m):" + tvd + "\nNORD(+) SUED(-) (m):" + n
        + "\nOST(+)  WEST(-) (m):" + e + "\nGesamtabweichung   : " + a + " m " + z + " Grad Azimut";
}

std::string resultAt(const well::Computation &c, double md)
{
    const well::Interpolation i = well::interpolate(c, md);
    EXPECT_TRUE(i.point.has_value()) << md;
    EXPECT_EQ(i.diagnostic.id, well::Message::InterpolationResult);
    return well::germanText(i.diagnostic);
}

} // namespace

// Between stations the old command went along the straight chord between the two
// stations (150 m: 149.75 / 3.08 / 3.08; 250 m: 247.87 / 9.24 / 17.84), a point off the
// computed path. The interpolation now gives the point on the interval's arc, the same
// as the listings; at a station nothing changed.
TEST(Interpolation, WorkedExample)
{
    const well::Computation c = well::compute(wellOf(kExample));
    EXPECT_EQ(resultAt(c, 150),
        expectedResult("  150.00", "  149.94", "    1.54", "    1.54", "  2.18", "  45.0"));
    EXPECT_EQ(resultAt(c, 250),
        expectedResult("  250.00", "  248.43", "   10.78", "   15.09", " 18.55", "  54.5"));
    EXPECT_EQ(resultAt(c, 300),
        expectedResult("  300.00", "  296.25", "   12.33", "   29.52", " 31.99", "  67.3"));
    // The depth the request offers as the deepest.
    EXPECT_EQ(c.lastDepth(), 300.0);

    const well::Interpolation at250 = well::interpolate(c, 250);
    traj::Point onPath;
    ASSERT_TRUE(traj::pointAtMd(c.path, 250, onPath));
    ASSERT_TRUE(at250.point);
    EXPECT_EQ(at250.point->tvd, onPath.tvd);
    EXPECT_EQ(at250.point->north, onPath.north);
    EXPECT_EQ(at250.point->east, onPath.east);
    EXPECT_NEAR(at250.point->tvd, 248.43, 0.005);
    EXPECT_NEAR(at250.point->north, 10.78, 0.005);
    EXPECT_NEAR(at250.point->east, 15.09, 0.005);
}

// The old command re-ran the whole computation and showed the straight interval's remark
// again before its result. The interpolation answers with its result alone.
TEST(Interpolation, AnswersWithItsResultAlone)
{
    const well::Computation c = well::compute(wellOf(kExample));
    const well::Interpolation i = well::interpolate(c, 150);
    EXPECT_EQ(i.diagnostic.id, well::Message::InterpolationResult);
    EXPECT_EQ(c.table.size(), 10u) << "the result does not enter the table";
    EXPECT_EQ(c.diagnostics.size(), 1u);
}

TEST(Interpolation, AtAStationTheResultIsThatStation)
{
    const well::Computation c = well::compute(wellOf(kExample));
    EXPECT_EQ(resultAt(c, 200),
        expectedResult("  200.00", "  199.49", "    6.16", "    6.16", "  8.70", "  45.0"));
    EXPECT_EQ(resultAt(c, 0),
        expectedResult("    0.00", "    0.00", "    0.00", "    0.00", "  0.00", "   0.0"));
}

// On random wells the point agrees with the tangent turned about the dogleg's axis, an
// arc construction that shares nothing with the program's.
TEST(Interpolation, AgreesWithTheRotatedTangentOnRandomWells)
{
    std::mt19937 random(4711);
    std::uniform_real_distribution<double> step(1, 120), inc(0, 40), azi(0, 360), unit(0, 1);
    for (int run = 0; run < 50; ++run) {
        well::Well w;
        std::vector<double> md { 0 }, inclination { 0 }, azimuth { 0 };
        for (int i = 0; i < 30; ++i) {
            md.push_back(md.back() + step(random));
            inclination.push_back(inc(random));
            azimuth.push_back(azi(random));
            w.survey.add({ md.back(), inclination.back(), azimuth.back() });
        }
        const well::Computation c = well::compute(w);
        ASSERT_FALSE(c.aborted);
        const rotated::Path independent(md, inclination, azimuth);
        for (int k = 0; k < 40; ++k) {
            const double at = unit(random) * md.back();
            const well::Interpolation i = well::interpolate(c, at);
            ASSERT_TRUE(i.point) << well::germanText(i.diagnostic);
            const rotated::Vec want = independent.at(at);
            EXPECT_NEAR(i.point->tvd, want.d, 1e-6) << "run " << run << " md " << at;
            EXPECT_NEAR(i.point->north, want.n, 1e-6) << "run " << run << " md " << at;
            EXPECT_NEAR(i.point->east, want.e, 1e-6) << "run " << run << " md " << at;
        }
    }
}

TEST(Interpolation, WithoutStationsItRefuses)
{
    const well::Interpolation i = well::interpolate(well::compute(wellOf({})), 10);
    EXPECT_FALSE(i.point);
    EXPECT_EQ(well::germanText(i.diagnostic), "Eingabedaten fehlen!!!");
}

TEST(Interpolation, DepthBeyondTheLastStationIsRefused)
{
    const well::Interpolation i = well::interpolate(well::compute(wellOf(kExample)), 300.5);
    EXPECT_FALSE(i.point);
    EXPECT_EQ(well::germanText(i.diagnostic), "Die vorgegebene Teufe ist größer als die Max.Teufe");
}

// The old command extrapolated above the surface along the first interval's chord
// (-50 m gave a vertical depth of -50.00); no path lies there.
TEST(Interpolation, NegativeDepthIsRefused)
{
    const well::Interpolation i = well::interpolate(well::compute(wellOf(kExample)), -50);
    EXPECT_FALSE(i.point);
    EXPECT_EQ(well::germanText(i.diagnostic),
        "Bei der Teufe -50 kann nicht interpoliert werden: sie liegt über dem Ansatzpunkt.");
}

TEST(Interpolation, OnlyTheSurfaceStationGivesNoResult)
{
    const well::Computation c = well::compute(wellOf({ "0 0 0" }));
    EXPECT_EQ(c.lastDepth(), 0.0);
    const well::Interpolation i = well::interpolate(c, 0);
    EXPECT_FALSE(i.point);
    EXPECT_EQ(well::germanText(i.diagnostic),
        "Bei der Teufe 0 kann nicht interpoliert werden: es gibt keinen Messpunkt unter dem "
        "Ansatzpunkt.");
}

TEST(Interpolation, BeyondTheEndOfAnAbortedRunIsRefused)
{
    const well::Computation c = well::compute(wellOf({ "100 0 0", "200 120 0", "300 120 0" }));
    ASSERT_TRUE(c.aborted);
    EXPECT_EQ(c.lastDepth(), 300.0);
    const well::Interpolation i = well::interpolate(c, 150);
    EXPECT_FALSE(i.point);
    EXPECT_EQ(well::germanText(i.diagnostic),
        "Bei der Teufe 150 kann nicht interpoliert werden: die Berechnung endet bei der Teufe "
        "100 m.");
    EXPECT_TRUE(well::interpolate(c, 100).point) << "the computed part still answers";
}

// The deepest station is offered in the table's single precision ("Maximale Teufe:300.3"
// for 300.3, held as 300.29998779...); the depth typed back, or the station's own depth
// as entered, lies at the deepest station and must not count as deeper.
TEST(Interpolation, AtTheDeepestStationAsEnteredIsAnswered)
{
    const well::Computation c = well::compute(wellOf({ "100 0 0", "200 10 45", "300.3 20 90" }));
    const well::Interpolation i = well::interpolate(c, 300.3);
    ASSERT_TRUE(i.point) << well::germanText(i.diagnostic);
    EXPECT_EQ(i.point->tvd, c.path.last().tvd);
    EXPECT_EQ(i.point->east, c.path.last().east);
    EXPECT_FALSE(well::interpolate(c, 300.31).point);
}

// A run that stops at its first interval still has a station below the surface: the
// answer names where the computation ended, not a survey without stations below.
TEST(Interpolation, AbortAtTheFirstIntervalNamesWhereTheRunEnded)
{
    const well::Computation c = well::compute(wellOf({ "0 0 0", "100 120 0" }));
    ASSERT_TRUE(c.doglegAbort);
    const well::Interpolation i = well::interpolate(c, 50);
    EXPECT_FALSE(i.point);
    EXPECT_EQ(well::germanText(i.diagnostic),
        "Bei der Teufe 50 kann nicht interpoliert werden: die Berechnung endet bei der Teufe "
        "0 m.");
}
