// Validation of station lines: first-line rules, rejections and what stays in use.
#include "core/scriptedprompter.h"
#include "core/survey.h"
#include "core/win1252.h"

#include <gtest/gtest.h>

namespace {

struct Checked
{
    SurveyData s;
    ScriptedPrompter p;
    bool clean = false;

    explicit Checked(StringList lines, int ansicht = 0)
    {
        s.m_Eingabe = std::move(lines);
        s.m_Ansicht = ansicht;
        clean = s.messwerte(p);
    }
};

std::string u(const char *utf8)
{
    return win1252::fromUtf8(utf8);
}

} // namespace

TEST(Messwerte, NewDataSetHasTheDefaults)
{
    SurveyData s;
    EXPECT_EQ(s.m_MaxWerte, 0);
    EXPECT_EQ(s.m_Name, "TITEL");
    EXPECT_EQ(s.m_Ansicht, 0);
    EXPECT_EQ(s.m_Kurven, 2);
    EXPECT_EQ(s.m_bInvers, 1);
    EXPECT_EQ(s.m_bGitter, 1);
    EXPECT_EQ(s.m_Format, 1);
    EXPECT_EQ(s.m_Legende1, "  Azimut   ");
    for (int i = 0; i < MAX_MESSWERTE; ++i)
        ASSERT_EQ(s.m_X[i] + s.m_Y[i] + s.m_Y1[i] + s.m_Teufe[i] + s.m_Phi[i] + s.m_Theta[i], 0.0f);
}

TEST(Messwerte, DirectRuleDiscardsTheFirstLinesAngles)
{
    Checked c({"0 3.5 120", "100 1 2"});
    EXPECT_TRUE(c.clean);
    EXPECT_EQ(c.s.m_MaxWerte, 2);
    EXPECT_EQ(c.s.m_Phi[0], 0.0f);
    EXPECT_EQ(c.s.m_Theta[0], 0.0f);
    EXPECT_EQ(c.s.m_Teufe[1], 100.0f);
    EXPECT_TRUE(c.p.events.empty());
}

TEST(Messwerte, ShiftedRuleAddsTheSurfaceStation)
{
    Checked c({"25 0 0", "50 1 10", "75 2 20"});
    EXPECT_EQ(c.s.m_MaxWerte, 4);
    EXPECT_EQ(c.s.m_Teufe[1], 25.0f);
    EXPECT_EQ(c.s.m_Teufe[3], 75.0f);
    EXPECT_EQ(c.s.m_Theta[3], 20.0f);
}

TEST(Messwerte, UnreadableLineKeepsEveryLineBeforeIt)
{
    Checked c({"100 0 0", "200 1 1", "300 2"});
    EXPECT_FALSE(c.clean);
    EXPECT_EQ(c.s.m_MaxWerte, 3);
    ASSERT_EQ(c.p.messages().size(), 1u);
    EXPECT_EQ(c.p.messages()[0], u("Die 3.Zeile enhält keine 3 Werte\n 300 2"));
}

TEST(Messwerte, AngleFaultDropsTheLineBeforeIt)
{
    Checked c({"100 0 0", "200 1 1", "300 181 0"});
    EXPECT_EQ(c.s.m_MaxWerte, 2);
    EXPECT_EQ(c.p.messages().at(0), u("Neigung Phi-Wert 181 liegt nicht im Bereich 0°-180°\n300 181 0"));
}

TEST(Messwerte, InclinationAndAzimuthLimits)
{
    EXPECT_TRUE(Checked({"100 180 360"}).clean);
    Checked c({"100 0 0", "200 0 -0.5"});
    EXPECT_EQ(c.p.messages().at(0), u("Azimut Theta-Wert -0.5 liegt nicht im Bereich 0°-360°\n200 0 -0.5"));
    EXPECT_EQ(c.s.m_MaxWerte, 1);
}

TEST(Messwerte, OneLineCanRaiseAllThreeMessagesInOrder)
{
    Checked c({"100 0 0", "200 1 1", "150 190 400"});
    const auto m = c.p.messages();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].rfind("Neigung Phi-Wert 190", 0), 0u);
    EXPECT_EQ(m[1].rfind("Azimut Theta-Wert 400", 0), 0u);
    EXPECT_EQ(m[2], "Die 3.Teufe 150 steigt nicht an\n150 190 400");
    // The depth check's count replaces the angle checks' count.
    EXPECT_EQ(c.s.m_MaxWerte, 3);
}

TEST(Messwerte, EqualDepthIsRejected)
{
    Checked c({"0 0 0", "100 1 1", "100 2 2"});
    EXPECT_EQ(c.p.messages().at(0), "Die 3.Teufe 100 steigt nicht an\n100 2 2");
    EXPECT_EQ(c.s.m_MaxWerte, 2);
}

TEST(Messwerte, CapacityIs2999LinesWithAMessage)
{
    StringList lines;
    for (int i = 1; i <= 3100; ++i)
        lines.push_back(std::to_string(i) + " 0 0");
    Checked c(lines);
    EXPECT_EQ(c.p.messages().at(0), "Es werden maximal 3000 Messwerte verarbeitet!");
    EXPECT_EQ(c.s.m_MaxWerte, MAX_MESSWERTE);
    EXPECT_EQ(c.s.m_Teufe[2999], 2999.0f);

    lines.resize(2999);
    Checked exact(lines);
    EXPECT_TRUE(exact.clean);
    EXPECT_EQ(exact.s.m_MaxWerte, MAX_MESSWERTE);
}

TEST(Messwerte, TopViewCaptions)
{
    Checked c({"100 1 1"}, 1);
    EXPECT_EQ(c.s.m_Kurven, 1);
    EXPECT_EQ(c.s.m_bInvers, 0);
    EXPECT_EQ(c.s.m_Y1Titel, "");
    EXPECT_EQ(c.s.m_Legende1, "");
    EXPECT_EQ(c.s.m_YTitel2, u("SÜD(-)"));
    EXPECT_EQ(c.s.m_XTitel, "OST(+) WEST(-)");
    Checked side({"100 1 1"}, 0);
    EXPECT_EQ(side.s.m_YTitel, "Seigerteufe  ");
    EXPECT_EQ(side.s.m_YTitel2, "(m)   ");
    EXPECT_EQ(side.s.m_GrafikTitel, "TITEL");
}

// Faults decided for this program: non-finite numbers, a negative first depth and a
// faulty first line under the direct rule.
TEST(Messwerte, NonFiniteNumbersAreRefusedLikeMissingOnes)
{
    Checked c({"100 0 0", "nan 1 1"});
    EXPECT_EQ(c.p.messages().at(0), u("Die 2.Zeile enhält keine 3 Werte\n nan 1 1"));
    EXPECT_EQ(c.s.m_MaxWerte, 2);
    Checked inf({"100 0 inf"});
    EXPECT_EQ(inf.s.m_MaxWerte, 0);
}

TEST(Messwerte, NegativeFirstDepthIsRefusedNamingTheLine)
{
    Checked c({"-5 0 0", "100 1 1"});
    EXPECT_FALSE(c.clean);
    EXPECT_EQ(c.s.m_MaxWerte, 0);
    ASSERT_EQ(c.p.messages().size(), 1u);
    EXPECT_NE(c.p.messages()[0].find("1.Zeile"), std::string::npos);
    EXPECT_NE(c.p.messages()[0].find("-5 0 0"), std::string::npos);
}

TEST(Messwerte, CountNeverGoesBelowZero)
{
    EXPECT_EQ(Checked({"0 200 0"}).s.m_MaxWerte, 0);
    EXPECT_EQ(Checked({"100 200 0"}).s.m_MaxWerte, 0);
    EXPECT_EQ(Checked({}).s.m_MaxWerte, 0);
    EXPECT_EQ(Checked({"kein Wert"}).s.m_MaxWerte, 0);
}
