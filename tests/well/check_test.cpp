// The check of the stations: first-line rules, rejections and which stations the run
// takes, with the German texts the program has always shown.
#include "tests/support/welltest.h"

#include <gtest/gtest.h>

using welltest::texts;

namespace {

well::CheckedSurvey checked(const StringList &lines)
{
    return well::checkSurvey(well::surveyFromLines(lines));
}

} // namespace

TEST(Check, NewWellHasTheDefaults)
{
    const well::Well w;
    EXPECT_EQ(w.name, "TITEL");
    EXPECT_EQ(w.format, static_cast<int>(well::SourceFormat::Free));
    EXPECT_TRUE(w.survey.empty());
    EXPECT_TRUE(well::checkSurvey(w.survey).stations.empty());
}

TEST(Check, DirectRuleDiscardsTheFirstLinesAngles)
{
    const well::CheckedSurvey c = checked({ "0 3.5 120", "100 1 2" });
    EXPECT_TRUE(c.clean);
    ASSERT_EQ(c.stations.size(), 2u);
    EXPECT_EQ(c.stations[0], well::Station {});
    EXPECT_EQ(c.stations[1].md, 100.0);
    EXPECT_TRUE(c.diagnostics.empty());
}

TEST(Check, ShiftedRuleAddsTheSurfaceStation)
{
    const well::CheckedSurvey c = checked({ "25 0 0", "50 1 10", "75 2 20" });
    ASSERT_EQ(c.stations.size(), 4u);
    EXPECT_EQ(c.stations[0], well::Station {});
    EXPECT_EQ(c.stations[1].md, 25.0);
    EXPECT_EQ(c.stations[3].md, 75.0);
    EXPECT_EQ(c.stations[3].azimuth, 20.0);
}

TEST(Check, UnreadableLineKeepsEveryLineBeforeIt)
{
    const well::CheckedSurvey c = checked({ "100 0 0", "200 1 1", "300 2" });
    EXPECT_FALSE(c.clean);
    EXPECT_EQ(c.stations.size(), 3u);
    EXPECT_EQ(texts(c.diagnostics), StringList { "Die 3.Zeile enhält keine 3 Werte\n 300 2" });
}

// A line refused for its inclination or azimuth ends the stations at the line before it,
// as a refused depth does. (The run used to end one line earlier still and lose a valid
// station from every result.)
TEST(Check, AngleFaultKeepsEveryLineBeforeIt)
{
    const well::CheckedSurvey c = checked({ "100 0 0", "200 1 1", "300 181 0" });
    EXPECT_EQ(c.stations.size(), 3u);
    EXPECT_EQ(texts(c.diagnostics).at(0),
        "Neigung Phi-Wert 181 liegt nicht im Bereich 0°-180°\n300 181 0");

    const well::CheckedSurvey d
        = checked({ "50 1 10", "100 2 10", "150 3 10", "200 200 10", "250 4 10" });
    ASSERT_EQ(d.stations.size(), 4u);
    EXPECT_EQ(d.stations.back().md, 150.0);
}

TEST(Check, InclinationAndAzimuthLimits)
{
    EXPECT_TRUE(checked({ "100 180 360" }).clean);
    const well::CheckedSurvey c = checked({ "0 0 0", "200 0 -0.5" });
    EXPECT_EQ(texts(c.diagnostics).at(0),
        "Azimut Theta-Wert -0.5 liegt nicht im Bereich 0°-360°\n200 0 -0.5");
    EXPECT_EQ(c.stations.size(), 1u);
    EXPECT_FALSE(checked({ "0 0 0", "200 180.01 0" }).clean);
    EXPECT_FALSE(checked({ "0 0 0", "200 0 360.01" }).clean);
    EXPECT_FALSE(checked({ "0 0 0", "200 -0.01 0" }).clean);
}

TEST(Check, OneLineCanRaiseAllThreeMessagesInOrder)
{
    const well::CheckedSurvey c = checked({ "100 0 0", "200 1 1", "150 190 400" });
    const StringList m = texts(c.diagnostics);
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].rfind("Neigung Phi-Wert 190", 0), 0u);
    EXPECT_EQ(m[1].rfind("Azimut Theta-Wert 400", 0), 0u);
    EXPECT_EQ(m[2], "Die 3.Teufe 150 steigt nicht an\n150 190 400");
    // The depth check's count replaces the angle checks' count.
    EXPECT_EQ(c.stations.size(), 3u);
}

TEST(Check, EqualDepthIsRejected)
{
    const well::CheckedSurvey c = checked({ "0 0 0", "100 1 1", "100 2 2" });
    EXPECT_EQ(texts(c.diagnostics).at(0), "Die 3.Teufe 100 steigt nicht an\n100 2 2");
    EXPECT_EQ(c.stations.size(), 2u);
    // A depth that rises only beyond single precision does not rise for the results table
    // either; the run must never see two stations at one depth.
    const well::CheckedSurvey close = checked({ "100 0 0", "100.000001 1 1" });
    EXPECT_EQ(
        texts(close.diagnostics), StringList { "Die 2.Teufe 100 steigt nicht an\n100.000001 1 1" });
    EXPECT_EQ(close.stations.size(), 2u);
}

// The old capacity of 2999 lines and its message are gone: every line is taken.
TEST(Check, MoreThan3000LinesAreAllTaken)
{
    StringList lines;
    for (int i = 1; i <= 3100; ++i)
        lines.push_back(std::to_string(i) + " 0 0");
    const well::CheckedSurvey c = checked(lines);
    EXPECT_TRUE(c.clean);
    EXPECT_TRUE(c.diagnostics.empty());
    ASSERT_EQ(c.stations.size(), 3101u);
    EXPECT_EQ(c.stations[2999].md, 2999.0);
    EXPECT_EQ(c.stations[3100].md, 3100.0);
}

// Faults decided for this program: non-finite numbers, a negative first depth and a
// faulty first line under the direct rule.
TEST(Check, NonFiniteNumbersAreRefusedLikeMissingOnes)
{
    const well::CheckedSurvey c = checked({ "100 0 0", "nan 1 1" });
    EXPECT_EQ(texts(c.diagnostics).at(0), "Die 2.Zeile enhält keine 3 Werte\n nan 1 1");
    EXPECT_EQ(c.stations.size(), 2u);
    EXPECT_EQ(checked({ "100 0 inf" }).stations.size(), 0u);
    // Finite as a double, infinite in the table's single precision.
    EXPECT_EQ(checked({ "100 0 0", "1e39 0 0" }).stations.size(), 2u);
}

TEST(Check, NegativeFirstDepthIsRefusedNamingTheLine)
{
    const well::CheckedSurvey c = checked({ "-5 0 0", "100 1 1" });
    EXPECT_FALSE(c.clean);
    EXPECT_TRUE(c.stations.empty());
    EXPECT_EQ(texts(c.diagnostics),
        StringList { "Die 1.Zeile beginnt mit der negativen Teufe -5.\n"
                     "Die erste Teufe muss 0 oder größer sein.\n-5 0 0" });
}

// A first line refused for an angle leaves no station of its own; below the surface,
// the surface station stays.
TEST(Check, AFirstLineRefusedLeavesAtMostTheSurface)
{
    EXPECT_EQ(checked({ "0 200 0" }).stations.size(), 0u);
    const well::CheckedSurvey below = checked({ "100 200 0" });
    ASSERT_EQ(below.stations.size(), 1u);
    EXPECT_EQ(below.stations[0], well::Station {});
    EXPECT_EQ(checked({}).stations.size(), 0u);
    EXPECT_EQ(checked({ "kein Wert" }).stations.size(), 0u);
}
