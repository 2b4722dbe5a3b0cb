// Plans from the batch tool: a hold and a curve to a target ends on the target; a target
// inside the turning circle is refused by name; the plan's stations, scanned against
// offsets, give the separation factors of the same stations read as a survey; faults of
// the file are named by row and column and nothing is written.
#include "tests/cli/clitool.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace clitest;

const std::string kSet = DRAVON_SOURCE_DIR "/tests/data/clearance/";
const std::string kPlanHeading
    = "Abschnitt;Länge (m);DLS (°/30 m);Werkzeugstellung (°);Nord (m);Ost (m);Seigerteufe (m);"
      "Neigung (°);Azimut (°)\n";

// The rows below the heading that begins with `first`, as numbers by heading.
struct Rows
{
    Fields heading;
    std::vector<Fields> rows;

    double value(std::size_t row, const std::string &name) const
    {
        const auto it = std::find(heading.begin(), heading.end(), name);
        EXPECT_NE(it, heading.end()) << name;
        return it == heading.end() ? NAN : number(rows.at(row).at(it - heading.begin()));
    }
};

Rows rowsOf(const std::string &bytes, const std::string &first)
{
    Rows r;
    for (const Fields &line : csvLines(bytes)) {
        if (!r.heading.empty())
            r.rows.push_back(line);
        else if (!line.empty() && line.front().starts_with(first))
            r.heading = line;
    }
    return r;
}

class PlanCli : public ToolTest
{
};

TEST_F(PlanCli, ACurveToATargetEndsOnItAndOneInsideTheTurningCircleIsRefused)
{
    write("ziel.csv", kPlanHeading + "halten;500;;;;;;;\nziel;;3;;300;400;1500;;\n");
    const Result r
        = run("--plan ziel.csv --export z.csv --export z.xml --plan-step 10 --save z.dvn");
    ASSERT_EQ(r.status, 0) << r.err;
    // The document keeps the plan beside its stations, which export as before.
    EXPECT_NE(file("z.dvn").find("\"plan\":{\"step\":10.0,\"sections\""), std::string::npos);
    ASSERT_EQ(run("z.dvn --export d.csv").status, 0);
    EXPECT_EQ(rowsOf(file("d.csv"), "Teufe (m)").rows, rowsOf(file("z.csv"), "Teufe (m)").rows);
    EXPECT_NE(file("z.xml").find("<itemState>plan</itemState>"), std::string::npos);
    const Rows z = rowsOf(file("z.csv"), "Teufe (m)");
    ASSERT_GT(z.rows.size(), 100u);
    const std::size_t last = z.rows.size() - 1;
    // The export's positions are the survey computation's, from the plan's stations.
    const double miss = std::hypot(z.value(last, "Nord (m)") - 300,
        z.value(last, "Ost (m)") - 400, z.value(last, "Seigerteufe (m)") - 1500);
    EXPECT_LT(miss, 1e-6);
    // Held straight down to 500 m, then one arc at 3°/30 m, then straight again.
    EXPECT_EQ(z.value(50, "Teufe (m)"), 500);
    EXPECT_EQ(z.value(50, "Neigung (°)"), 0);
    double most = 0;
    for (std::size_t i = 1; i < z.rows.size(); ++i)
        most = std::max(most, z.value(i, "Abknickung (°/30 m)"));
    EXPECT_NEAR(most, 3, 1e-9);
    EXPECT_NEAR(z.value(last, "Abknickung (°/30 m)"), 0, 1e-9);

    write("nah.csv", kPlanHeading + "halten;500;;;;;;;\nziel;;3;;10;0;520;;\n");
    const Result near = run("--plan nah.csv --export n.csv");
    EXPECT_EQ(near.status, 2);
    EXPECT_NE(near.err.find("Abschnitt 2"), std::string::npos) << near.err;
    EXPECT_NE(near.err.find("Wendekreis"), std::string::npos) << near.err;
    EXPECT_FALSE(std::ifstream(dir + "/n.csv").good());
}

TEST_F(PlanCli, APlanScansAsItsStationsReadAsASurvey)
{
    write("plan.csv",
        kPlanHeading + "halten;400;;;;;;;\nbogen;450;2;30;;;;;\nhalten;600;;;;;;;\n"
                       "ziel;;2,5;;700;250;2100;;\n");
    const std::string model = " --error-model iscwsa-mwd-rev5 --mag-field 50000 --mag-dip 70"
                              " --declination 0 --north grid --grid-convergence 0";
    const std::string offsets = " --offset '" + kSet + "offset-01.csv' --offset-position 0,40"
        + " --offset '" + kSet + "offset-02.csv' --offset-position -30,0";
    const Result planned = run("--plan plan.csv --export s.csv --clearance a.csv" + model + offsets);
    ASSERT_TRUE(planned.status == 0 || planned.status == 3) << planned.err;
    const Result surveyed = run("s.csv --clearance b.csv" + model + offsets);
    ASSERT_EQ(surveyed.status, planned.status) << surveyed.err;
    const Rows a = rowsOf(file("a.csv"), "Teufe (m)"), b = rowsOf(file("b.csv"), "Teufe (m)");
    ASSERT_GT(a.rows.size(), 10u);
    EXPECT_EQ(a.heading, b.heading);
    EXPECT_EQ(a.rows, b.rows);
}

TEST_F(PlanCli, FaultsOfThePlanFileAreNamedAndNothingIsWritten)
{
    write("fehler.csv", kPlanHeading + "halten;500;;;;;;;\nbogen;100;x;0;;;;;\nkurve;;;;;;;;\n");
    const Result r = run("--plan fehler.csv --export f.csv");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Zeile 3"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("DLS"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Zeile 4"), std::string::npos) << r.err;
    EXPECT_FALSE(std::ifstream(dir + "/f.csv").good());

    write("ok.csv", kPlanHeading + "halten;500;;;;;;;\n");
    EXPECT_EQ(run("'" + kSet + "reference-well.csv' --plan ok.csv").status, 2);
    EXPECT_EQ(run("'" + kSet + "reference-well.csv' --plan-step 10").status, 2);
}

TEST_F(PlanCli, AVerticalHoleAgainstABuildingPlan)
{
    // The plan holds to 500 m and builds north at 3°/30 m; the hole stays vertical. Below
    // the kick-off the station at 600 m lies outside the build's circle (centre R north of
    // the kick-off, R = 30·180/(3π)): its distance is √(R² + 100²) − R, on the low side,
    // opposite the point of the circle at the angle atan(100/R).
    write("plan.csv", kPlanHeading + "halten;500;;;;;;;\nbogen;;3;;;;;30;0\nhalten;300;;;;;;;\n");
    write("senkrecht.txt", "0 0 0\n100 0 0\n200 0 0\n300 0 0\n400 0 0\n500 0 0\n600 0 0\n");
    const Result r
        = run("senkrecht.txt --format free --against-plan plan.csv --listing v.csv --bit-distance 20");
    ASSERT_EQ(r.status, 0) << r.err;
    const Rows v = rowsOf(file("v.csv"), "Teufe (m)");
    ASSERT_EQ(v.rows.size(), 7u);
    for (std::size_t i = 0; i + 1 < v.rows.size(); ++i) {
        EXPECT_NEAR(v.value(i, "Abstand (m)"), 0, 1e-9) << i;
        EXPECT_NEAR(v.value(i, "Teufe der Planung (m)"), v.value(i, "Teufe (m)"), 1e-6) << i;
    }
    const double R = 30 * 180 / (3 * M_PI);
    const double theta = std::atan(100 / R);
    EXPECT_NEAR(v.value(6, "Abstand (m)"), std::hypot(R, 100) - R, 1e-6);
    EXPECT_NEAR(v.value(6, "Hochseite (m)"), -(std::hypot(R, 100) - R), 1e-6);
    EXPECT_NEAR(v.value(6, "Rechtsseite (m)"), 0, 1e-6);
    EXPECT_NEAR(v.value(6, "Längs (m)"), 0, 1e-6);
    EXPECT_NEAR(v.value(6, "Teufe der Planung (m)"), 500 + R * theta, 1e-6);
    EXPECT_NEAR(v.value(6, "Seigerteufe-Differenz (m)"), 100 - R * std::sin(theta), 1e-6);
    // Said besides: the last station's distance, the bit 20 m below it (straight on), the
    // target's depth, and the arc back to the plan's end.
    EXPECT_NE(r.err.find("Letzter Messpunkt bei 600.00 m MD"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Projektion zum Meißel (20.00 m voraus): 620.00 m MD, Neigung 0.00°"),
        std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("Bogen bis Ende der Planung"), std::string::npos) << r.err;

    // A plan that cannot be drilled is refused before anything is written.
    write("nah.csv", kPlanHeading + "halten;500;;;;;;;\nziel;;3;;10;0;520;;\n");
    const Result near = run("senkrecht.txt --format free --against-plan nah.csv --listing n.csv");
    EXPECT_EQ(near.status, 2);
    EXPECT_NE(near.err.find("Wendekreis"), std::string::npos) << near.err;
    EXPECT_FALSE(std::ifstream(dir + "/n.csv").good());
    // It compares a survey: not the plan itself, and not without one.
    EXPECT_EQ(run("--plan plan.csv --against-plan plan.csv").status, 2);
    EXPECT_EQ(run("--against-plan plan.csv").status, 2);
    EXPECT_EQ(run("senkrecht.txt --format free --bit-distance 20").status, 2);
}

} // namespace
