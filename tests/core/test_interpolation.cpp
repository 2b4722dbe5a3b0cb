// The interpolation command: worked example, bracket rules and refusals.
#include "core/scriptedprompter.h"
#include "core/survey.h"
#include "core/win1252.h"

#include <gtest/gtest.h>

namespace {

struct Surveyed
{
    SurveyData s;
    ScriptedPrompter p;

    explicit Surveyed(StringList lines)
    {
        s.m_Eingabe = std::move(lines);
        s.berechnung(p);
        p.events.clear();
    }

    InterpolationOutcome ask(float depth)
    {
        p.events.clear();
        p.numberAnswers = {depth};
        return s.onInterpolation(p);
    }

    std::string result() const
    {
        for (const std::string &m : p.messages()) {
            if (m.rfind("\nERGEBNISSE", 0) == 0)
                return m;
        }
        return {};
    }
};

std::string expectedResult(const char *depth, const char *tvd, const char *n, const char *e,
                           const char *a, const char *z)
{
    return std::string("\nERGEBNISSE DER INTERPOLATION\nBohrlochteufe   (m):") + depth
           + "\nVertikale Teufe (m):" + tvd + "\nNORD(+) SUED(-) (m):" + n
           + "\nOST(+)  WEST(-) (m):" + e + "\nGesamtabweichung   : " + a + " m " + z
           + " Grad Azimut";
}

const StringList kExample = {"100 0 0", "200 10 45", "300 20 90"};

} // namespace

TEST(Interpolation, WorkedExample)
{
    Surveyed s(kExample);
    EXPECT_EQ(s.ask(150), InterpolationOutcome::Shown);
    EXPECT_EQ(s.result(), expectedResult("  150.00", "  149.75", "    3.08", "    3.08", "  4.35", "  45.0"));
    EXPECT_EQ(s.ask(250), InterpolationOutcome::Shown);
    EXPECT_EQ(s.result(), expectedResult("  250.00", "  247.87", "    9.24", "   17.84", " 20.09", "  62.6"));
    EXPECT_EQ(s.ask(300), InterpolationOutcome::Shown);
    EXPECT_EQ(s.result(), expectedResult("  300.00", "  296.25", "   12.33", "   29.52", " 31.99", "  67.3"));
    EXPECT_EQ(s.p.events.at(0).text, "Maximale Teufe:300");
    EXPECT_EQ(s.s.m_Methode, 0);
}

TEST(Interpolation, TheStraightIntervalMessageShowsAgainInTheRun)
{
    Surveyed s(kExample);
    s.ask(150);
    const auto m = s.p.messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0], "KEINE KRUEMMUNG VON TEUFE:   0.00 BIS  100.00 M");
    EXPECT_EQ(s.s.m_Ergebnisse.size(), 10u) << "the result does not enter the table";
}

TEST(Interpolation, AtAStationTheResultIsThatStation)
{
    Surveyed s(kExample);
    s.ask(200);
    EXPECT_EQ(s.result(), expectedResult("  200.00", "  199.49", "    6.16", "    6.16", "  8.70", "  45.0"));
    s.ask(0);
    EXPECT_EQ(s.result(), expectedResult("    0.00", "    0.00", "    0.00", "    0.00", "  0.00", "   0.0"));
}

TEST(Interpolation, NegativeDepthIsExtrapolatedFromTheFirstInterval)
{
    Surveyed s(kExample);
    EXPECT_EQ(s.ask(-50), InterpolationOutcome::Shown);
    EXPECT_NE(s.result().find("Vertikale Teufe (m):  -50.00"), std::string::npos) << s.result();
}

TEST(Interpolation, DepthBeyondTheLastStationIsRefused)
{
    Surveyed s(kExample);
    const StringList table = s.s.m_Ergebnisse;
    EXPECT_EQ(s.ask(300.5f), InterpolationOutcome::Refused);
    EXPECT_EQ(s.p.messages(), StringList{win1252::fromUtf8("Die vorgegebene Teufe ist größer als die Max.Teufe")});
    EXPECT_EQ(s.s.m_Ergebnisse, table);
    EXPECT_EQ(s.s.m_Methode, 1) << "the request stays pending without effect";
}

TEST(Interpolation, CancelChangesNothing)
{
    Surveyed s(kExample);
    s.p.events.clear();
    EXPECT_EQ(s.s.onInterpolation(s.p), InterpolationOutcome::Cancelled);
    EXPECT_EQ(s.s.m_Methode, 0);
    EXPECT_EQ(s.p.messages().size(), 0u);
}

TEST(Interpolation, OnlyTheSurfaceStationGivesNoResult)
{
    Surveyed s({"0 0 0"});
    EXPECT_EQ(s.ask(0), InterpolationOutcome::NoResult);
    EXPECT_EQ(s.p.events.at(0).text, "Maximale Teufe:0");
    EXPECT_TRUE(s.result().empty());
}

TEST(Interpolation, WithoutStationsTheCommandRefuses)
{
    Surveyed s({});
    EXPECT_EQ(s.ask(10), InterpolationOutcome::NoData);
    EXPECT_EQ(s.p.messages(), StringList{"Eingabedaten fehlen!!!"});
    EXPECT_EQ(s.p.events.size(), 1u) << "no depth is asked for";
}

TEST(Interpolation, PendingRequestBelowTheLastStationLeavesANote)
{
    Surveyed s(kExample);
    s.s.m_Methode = 1;
    s.s.m_InterpolTeufe = 350;
    s.s.schmiegungskreis(s.p);
    EXPECT_EQ(s.s.m_Ergebnisse.back(), "    Die Teufe: 350.00 > Max.Teufe: 300.00\n");
    EXPECT_EQ(s.s.m_Methode, 0);
}
