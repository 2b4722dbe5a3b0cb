// The osculating-circle computation: the worked example to the printed digit, the
// table's form, aborts and the special directions.
#include "core/scriptedprompter.h"
#include "core/survey.h"

#include <gtest/gtest.h>

namespace {

struct Computed
{
    SurveyData s;
    ScriptedPrompter p;
    int result = -1;

    explicit Computed(StringList lines, int ansicht = 0)
    {
        s.m_Eingabe = std::move(lines);
        s.m_Ansicht = ansicht;
        s.messwerte(p);
        result = s.schmiegungskreis(p);
    }
};

const StringList kExample = {"100 0 0", "200 10 45", "300 20 90"};

} // namespace

TEST(Schmiegungskreis, WorkedExampleToThePrintedDigit)
{
    Computed r(kExample);
    const StringList expected = {
        "TITEL",
        "    BERECHNUNG DER ABKNICKUNG ALFA UND DER BOHRLOCHABWEICHUNG",
        "    NACH DEM SCHMIEGUNGSKREISVERFAHREN",
        "    TEUFENBEREICH  ALPHA   KREIS-    SEIGER   TEUFEN-  NORD(+)  OST(+)  GESAMT-",
        "                    GRAD   RADIUS    TEUFE    VERLUST  SUED(-) WEST(-) ABWEICHUNG",
        "        (M)       JE 30 M   (M)       (M)       (M)     (M)      (M)   (M GRAD AZ)",
        "KEINE KRUEMMUNG VON TEUFE:   0.00 BIS  100.00 M",
        "       0.0- 100.0  0.000         0   100.00     0.00    0.00     0.00   0.0:  0.0",
        "     100.0- 200.0  3.000   572.958   199.49     0.51    6.16     6.16   8.7: 45.0",
        "     200.0- 300.0  4.400   390.637   296.25     3.75   12.33    29.52  32.0: 67.3",
    };
    EXPECT_EQ(r.s.m_Ergebnisse, expected);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.p.messages(), StringList{"KEINE KRUEMMUNG VON TEUFE:   0.00 BIS  100.00 M"});
    EXPECT_EQ(r.s.m_Ergebnisse[3].size(), 79u);
    EXPECT_EQ(r.s.m_Ergebnisse[4].size(), 81u);
    EXPECT_EQ(r.s.m_Ergebnisse[5].size(), 82u);
    // Side view plot series: depth, displacement, azimuth, as floats.
    EXPECT_EQ(r.s.m_PlotWerte, 4);
    EXPECT_NEAR(r.s.m_X[3], 296.25, 0.005);
    EXPECT_NEAR(r.s.m_Y[3], 31.99, 0.005);
    EXPECT_NEAR(r.s.m_Y1[3], 67.3, 0.05);
}

TEST(Schmiegungskreis, TopViewKeepsTheRowsAndPlotsNorthAgainstEast)
{
    Computed side(kExample, 0), top(kExample, 1);
    EXPECT_EQ(side.s.m_Ergebnisse, top.s.m_Ergebnisse);
    EXPECT_NEAR(top.s.m_X[3], 29.52, 0.005); // east
    EXPECT_NEAR(top.s.m_Y[3], 12.33, 0.005); // north
    EXPECT_EQ(top.s.m_Y1[3], 0.0f);
}

TEST(Schmiegungskreis, FewerThanTwoStationsGiveAnEmptyTable)
{
    Computed none({});
    EXPECT_TRUE(none.s.m_Ergebnisse.empty());
    EXPECT_EQ(none.s.m_PlotWerte, 0);
    Computed surface({"0 0 0"});
    EXPECT_EQ(surface.s.m_MaxWerte, 1);
    EXPECT_TRUE(surface.s.m_Ergebnisse.empty());
    EXPECT_EQ(surface.s.m_X[0], 0.0f);
}

TEST(Schmiegungskreis, DoglegOf90DegreesOrMoreAborts)
{
    Computed r({"100 0 0", "200 120 0", "300 120 0"});
    EXPECT_EQ(r.result, 1);
    EXPECT_TRUE(r.s.lastRunAborted());
    const std::string abort = "ABBRUCH bei TEUFE(m):200.00 \nPHI(Grad):120.00 THETA(Grad):  0.00";
    EXPECT_EQ(r.s.m_Ergebnisse.back(), abort);
    EXPECT_EQ(r.p.messages().back(), abort);
    // The straight first interval stays in the table; the graph gets only its points.
    EXPECT_EQ(r.s.m_Ergebnisse.size(), 6u + 2u + 1u);
    EXPECT_EQ(r.s.m_PlotWerte, 2);
}

TEST(Schmiegungskreis, AbortNeverLeavesStalePlotPoints)
{
    Computed r({"100 0 0", "200 10 0", "300 20 0", "400 30 0"});
    ASSERT_EQ(r.s.m_PlotWerte, 5);
    r.s.m_Eingabe = {"100 0 0", "200 100 0", "300 20 0", "400 30 0"};
    r.s.messwerte(r.p);
    r.s.schmiegungskreis(r.p);
    EXPECT_EQ(r.s.m_MaxWerte, 5);
    EXPECT_EQ(r.s.m_PlotWerte, 2) << "points 2 to 4 still hold the earlier survey";
}

TEST(Schmiegungskreis, EqualDepthsEndTheRun)
{
    SurveyData s;
    ScriptedPrompter p;
    s.m_MaxWerte = 3;
    s.m_Teufe[1] = 50;
    s.m_Teufe[2] = 50;
    s.m_Phi[2] = 1;
    EXPECT_EQ(s.schmiegungskreis(p), 0);
    EXPECT_TRUE(s.lastRunAborted());
    EXPECT_EQ(s.m_Ergebnisse.back(), "ABBRUCH!Die 3.Teufe 50 ist gleich der vorangehenden Teufe:50");
}

TEST(Schmiegungskreis, AzimuthOfTheDisplacementInEveryDirection)
{
    double A = 0, Z = 0;
    SurveyData::abweichung(0, 5, A, Z);
    EXPECT_DOUBLE_EQ(A, 5);
    EXPECT_NEAR(Z, 90.0, 1e-4); // north is nudged to 1e-6
    SurveyData::abweichung(0, -5, A, Z);
    EXPECT_NEAR(Z, 270.0, 1e-4);
    SurveyData::abweichung(-5, 0, A, Z);
    EXPECT_DOUBLE_EQ(Z, 180.0);
    SurveyData::abweichung(0, 0, A, Z);
    EXPECT_DOUBLE_EQ(Z, 0.0);
    EXPECT_DOUBLE_EQ(A, 0.0);
    SurveyData::abweichung(3, -3, A, Z);
    EXPECT_NEAR(Z, 315.0, 1e-9);
    SurveyData::abweichung(-3, -3, A, Z);
    EXPECT_NEAR(Z, 225.0, 1e-9);

    Computed east({"100 0 0", "200 10 90"});
    EXPECT_NE(east.s.m_Ergebnisse.back().find(": 90.0"), std::string::npos) << east.s.m_Ergebnisse.back();
    Computed west({"100 0 0", "200 10 270"});
    EXPECT_NE(west.s.m_Ergebnisse.back().find(":270.0"), std::string::npos);
    Computed south({"100 0 0", "200 10 180"});
    EXPECT_NE(south.s.m_Ergebnisse.back().find(":180.0"), std::string::npos);
}

TEST(Schmiegungskreis, HoleTurningUpwardsLosesVerticalDepth)
{
    StringList lines;
    for (int i = 1; i <= 12; ++i)
        lines.push_back(std::to_string(100 * i) + " " + std::to_string(std::min(15 * i, 170)) + " 0");
    Computed r(lines);
    EXPECT_FALSE(r.s.lastRunAborted());
    EXPECT_LT(r.s.m_X[12], r.s.m_X[9]) << "past 90 degrees the true vertical depth decreases";
}

TEST(Schmiegungskreis, TwoVerticalStationsPrintAZeroRadius)
{
    Computed r({"0 0 0", "50 0 0"});
    ASSERT_EQ(r.s.m_Ergebnisse.size(), 8u);
    EXPECT_EQ(r.s.m_Ergebnisse[6], "KEINE KRUEMMUNG VON TEUFE:   0.00 BIS   50.00 M");
    EXPECT_EQ(r.s.m_Ergebnisse[7],
              "       0.0-  50.0  0.000         0    50.00     0.00    0.00     0.00   0.0:  0.0");
}

TEST(Schmiegungskreis, RunDependsOnlyOnTheInput)
{
    Computed r(kExample);
    const StringList first = r.s.m_Ergebnisse;
    r.s.schmiegungskreis(r.p);
    EXPECT_EQ(r.s.m_Ergebnisse, first);
}
