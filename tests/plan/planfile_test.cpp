// The plan file: its two languages and both ways of writing numbers read into the same
// plan, and every fault named by its row and column.
#include "plan/compute.h"
#include "plan/planfile.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace plantest;

namespace {

const char *const kGerman = "Abschnitt;L\xc3\xa4nge (m);DLS (\xc2\xb0/30 m);Werkzeugstellung "
                            "(\xc2\xb0);Nord (m);Ost (m);Seigerteufe (m);Neigung (\xc2\xb0);Azimut "
                            "(\xc2\xb0)\n";

plan::FileFault onlyFault(const plan::PlanFileRead &read)
{
    EXPECT_FALSE(read.plan.has_value());
    EXPECT_EQ(read.faults.size(), 1u);
    return read.faults.empty() ? plan::FileFault {} : read.faults.front();
}

} // namespace

TEST(PlanFile, HoldThenTargetInGermanAndEnglishIsTheSamePlan)
{
    const std::string german = std::string(kGerman)
        + "halten;500;;;;;;;\n"
          "ziel;;3,0;;300;400;1500;;\n"
          "bogen;120,5;2;45;;;;;\n"
          "landen;;2,5;;600;900;1900;89,5;60\n";
    const std::string english = "\xef\xbb\xbfSection,Length (m),DLS (deg/30 m),Tool face (deg),"
                                "North (m),East (m),TVD (m),Inclination (deg),Azimuth (deg)\r\n"
                                "Hold,500,,,,,,,\r\n"
                                "target,,3.0,,300,400,1500,,\r\n"
                                "ARC,120.5,2,45,,,,,\r\n"
                                "landing,,2.5,,600,900,1900,89.5,60\r\n";
    const auto a = plan::readPlanFile(german), b = plan::readPlanFile(english);
    ASSERT_TRUE(a.plan.has_value()) << (a.faults.empty() ? "" : a.faults[0].message);
    ASSERT_TRUE(b.plan.has_value()) << (b.faults.empty() ? "" : b.faults[0].message);
    plan::Plan expected;
    expected.sections
        = { plan::Section::hold(500.0), plan::Section::curveToTarget(3.0, 300.0, 400.0, 1500.0),
              plan::Section::arc(2.0, 45.0, 120.5),
              plan::Section::landing(2.5, 600.0, 900.0, 1900.0, 89.5, 60.0) };
    EXPECT_EQ(*a.plan, expected);
    EXPECT_EQ(*b.plan, expected);
}

TEST(PlanFile, HoldThenTargetComputesOntoTheTarget)
{
    const auto read
        = plan::readPlanFile(std::string(kGerman) + "halten;500;;;;;;;\nziel;;3;;300;400;1500;;\n");
    ASSERT_TRUE(read.plan.has_value());
    const auto r = plan::compute(*read.plan);
    ASSERT_TRUE(r.ok());
    const auto &last = r.plan->stations.back();
    EXPECT_LT(norm(minus({ last.north, last.east, last.tvd }, { 300.0, 400.0, 1500.0 })), 1e-6);
    const auto beside
        = plan::readPlanFile(std::string(kGerman) + "halten;500;;;;;;;\nziel;;3;;10;0;520;;\n");
    ASSERT_TRUE(beside.plan.has_value());
    const auto refused = plan::compute(*beside.plan);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.refusal->reason, plan::Reason::TargetInsideTurningCircle);
}

TEST(PlanFile, ColumnsInAnyOrderWithMdAndTolerance)
{
    const auto read = plan::readPlanFile("MD (m);Toleranz (m);Abschnitt;Seigerteufe;Ost;Nord;DLS\n"
                                         ";;halten;800;;;\n"
                                         "1000;;halten;;;;\n"
                                         ";5;ziel;1400;200;100;2\n");
    ASSERT_TRUE(read.plan.has_value()) << read.faults[0].message;
    ASSERT_EQ(read.plan->sections.size(), 3u);
    EXPECT_EQ(read.plan->sections[0], plan::Section::holdToTvd(800.0));
    EXPECT_EQ(read.plan->sections[1], plan::Section::holdToMd(1000.0));
    ASSERT_EQ(read.plan->targets.size(), 1u);
    EXPECT_EQ(read.plan->targets[0].radius, 5.0);
    EXPECT_EQ(read.plan->targets[0].north, 100.0);
}

TEST(PlanFile, FaultsNameRowAndColumn)
{
    struct Case
    {
        std::string rows;
        plan::FileFaultKind kind;
        int row, column;
    };
    const Case cases[] = {
        { "halten;500;;;;;;;\nkurve;;3;;1;1;1;;\n", plan::FileFaultKind::UnknownSection, 3, 1 },
        { "halten;5O0;;;;;;;\n", plan::FileFaultKind::NotANumber, 2, 2 },
        { "halten;500;;;;;;;\n\nziel;;;;300;400;1500;;\n", plan::FileFaultKind::SectionRefused, 4,
            3 },
        { "halten;500;2;;;;;;\n", plan::FileFaultKind::SectionRefused, 2, 3 },
        { "bogen;100;3;;;;;;\n", plan::FileFaultKind::SectionRefused, 2, 4 },
        { "bogen;100;45;0;;;;;\n", plan::FileFaultKind::SectionRefused, 2, 3 },
        { "landen;;3;;1;1;1000;95;400\n", plan::FileFaultKind::SectionRefused, 2, 9 },
        { "halten;-3;;;;;;;\n", plan::FileFaultKind::SectionRefused, 2, 2 },
    };
    for (const Case &c : cases) {
        const auto read = plan::readPlanFile(std::string(kGerman) + c.rows);
        const plan::FileFault f = onlyFault(read);
        EXPECT_EQ(f.kind, c.kind) << f.message;
        EXPECT_EQ(f.row, c.row) << f.message;
        EXPECT_EQ(f.column, c.column) << f.message;
        const std::string where = "Zeile " + std::to_string(c.row) + ", Spalte "
            + std::string(1, static_cast<char>('A' + c.column - 1));
        EXPECT_EQ(f.message.rfind(where, 0), 0u) << f.message;
    }
    // A refused section keeps its reason.
    const auto missing = plan::readPlanFile(std::string(kGerman) + "ziel;;;;300;400;1500;;\n");
    ASSERT_TRUE(onlyFault(missing).refusal.has_value());
    EXPECT_EQ(missing.faults[0].refusal->reason, plan::Reason::MissingValue);
    EXPECT_EQ(missing.faults[0].refusal->field, plan::Field::Dls);
}

TEST(PlanFile, HeadingFaults)
{
    const auto feet
        = plan::readPlanFile("Abschnitt;L\xc3\xa4nge (m);DLS (\xc2\xb0/100 ft)\nhalten;5;\n");
    EXPECT_EQ(onlyFault(feet).kind, plan::FileFaultKind::UnknownUnit);
    EXPECT_EQ(feet.faults[0].row, 1);
    EXPECT_EQ(feet.faults[0].column, 3);
    const auto twice = plan::readPlanFile("Abschnitt;Length;L\xc3\xa4nge\nhalten;5;5\n");
    EXPECT_EQ(onlyFault(twice).kind, plan::FileFaultKind::DuplicateColumn);
    EXPECT_EQ(twice.faults[0].column, 3);
    const auto noSection = plan::readPlanFile("Art;L\xc3\xa4nge\nhalten;5\n");
    EXPECT_EQ(onlyFault(noSection).kind, plan::FileFaultKind::NoSectionColumn);
    EXPECT_EQ(onlyFault(plan::readPlanFile("\n \n")).kind, plan::FileFaultKind::Empty);
    EXPECT_EQ(onlyFault(plan::readPlanFile(kGerman)).kind, plan::FileFaultKind::NoSections);
}

TEST(PlanFile, EveryFaultyRowIsNamedAndNothingIsRead)
{
    const auto read = plan::readPlanFile(std::string(kGerman)
        + "halten;500;;;;;;;\nhalten;x;;;;;;;\nhalten;100;;;;;;;\nziel;;3;;;;;;\n");
    EXPECT_FALSE(read.plan.has_value());
    ASSERT_EQ(read.faults.size(), 2u);
    EXPECT_EQ(read.faults[0].row, 3);
    EXPECT_EQ(read.faults[1].row, 5);
}
