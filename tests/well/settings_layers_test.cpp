// The stored settings put together from the members of four layers (the well's own, the
// error model's, the plan's, the clearance layer's): settings with every member of every layer set
// give exactly a text written here by hand, read back to the same value from it and from
// the same members in another order, and the members that this program does not know
// survive in the object they came in, also where their names are known in the other
// object (an offset's names among the well's members and the other way round).
#include "well/settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

WellSettings everyMemberSet()
{
    WellSettings s;
    s.wellhead = Wellhead { 500123.25, 5712345.5 };
    s.elevation = 87.5;
    s.epsg = 25832;
    s.north = NorthReference::Magnetic;
    s.gridConvergence = -0.75;
    s.declination = 3.25;
    s.sectionAzimuth = 135.5;
    s.unit = LengthUnit::Foot;
    s.uncertainty = { .model = ErrorModel::IscwsaMwdRev4,
        .program = { { 0, 612.5, "GYRO-NS", "Lauf 1: Kreisel", CalendarDate { 2024, 2, 29 } },
            { 612.5, std::nullopt, "MWD+IFR1+MS", "", std::nullopt } },
        .latitude = 52.25,
        .gravity = 9.8125,
        .totalField = 49876.5,
        .dip = 68.75,
        .ellipseSigma = 3 };
    s.ownTools = { OwnTool { .code = "OP-KREISEL",
        .description = "Betreiber-Kreisel",
        .inclinationMin = 0,
        .inclinationMax = 70,
        .tortuosity = 1.5,
        .misalignmentCourseLength = std::nullopt,
        .noiseReduction = std::nullopt,
        .terms = { { "AZ", "AZ", 0.25, "deg", 'S' } } } };
    s.plan = plan::Plan { .start = {},
        .sections = { plan::Section::hold(500),
                              plan::Section::curveToTarget(3, 300, 400, 1500) },
        .targets = { plan::Target::point("Speicher", 300, 400, 1500, 25) } };
    s.planStep = 10;
    s.bitDistance = 17.5;
    s.clearance = { .holeDiameter = 0.3125,
        .surfaceMargin = 0.5,
        .projectAhead = 1.25,
        .scalingFactor = 3,
        .warningFactor = 2.5 };

    OffsetWell own;
    own.name = "Süd 1";
    own.stations = { { 0, 0, 0 }, { 250.5, 3.5, 120.25 }, { 600, 12.75, 118 } };
    own.wellhead = Wellhead { 500200.5, 5712400.25 };
    own.elevation = 90.5;
    own.holeDiameter = 0.25;
    own.uncertainty = UncertaintySettings { .model = ErrorModel::IscwsaMwdRev5,
        .program = { { 0, std::nullopt, "UNKNOWN", "", std::nullopt } },
        .latitude = 52.5,
        .gravity = 9.75,
        .totalField = 50000.5,
        .dip = 69.5,
        .ellipseSigma = 2.5 };
    own.otherMembers
        = R"({"latitude":1.5,"crs":"EPSG:4326","casing":[{"od":0.3397,"shoe":512.0}]})";

    OffsetWell sidetrack;
    sidetrack.name = "Ast 2";
    sidetrack.stations = { { 0, 0, 0 }, { 250.5, 3.5, 120.25 }, { 400, 20.5, 95 } };
    sidetrack.slotNorth = -12.5;
    sidetrack.slotEast = 7.75;
    sidetrack.parent = "Süd 1";
    sidetrack.kickOffMd = 300.25;

    s.offsets = { own, sidetrack };
    s.otherMembers
        = R"({"model":"future","stations":[1,2],"name":"x","later":{"deep":[true,null]}})";
    return s;
}

// The stored form, known members in their fixed order: the well's own, the error model
// with its survey program, the own tool models, the plan, the clearance rule, the offsets (each: name, wellhead or slot, elevation, hole, own
// model, parent, stations, then its unknown members), then the unknown members.
const char *const kEveryMember
    = R"({"easting":500123.25,"northing":5712345.5,"elevation":87.5,"crs":"EPSG:25832",)"
      R"("north":"magnetic","gridConvergence":-0.75,"declination":3.25,"sectionAzimuth":135.5,)"
      R"("unit":"ft","errorModel":"iscwsa-mwd-rev4","latitude":52.25,"gravity":9.8125,)"
      R"("magField":49876.5,"magDip":68.75,"ellipseSigma":3.0,)"
      R"("surveyProgram":[{"from":0.0,"to":612.5,"tool":"GYRO-NS","run":"Lauf 1: Kreisel",)"
      R"("date":"2024-02-29"},{"from":612.5,"tool":"MWD+IFR1+MS"}],)"
      R"("ownTools":[{"code":"OP-KREISEL","description":"Betreiber-Kreisel",)"
      R"("inclinationMin":0.0,"inclinationMax":70.0,"tortuosity":1.5,"terms":[{"code":"AZ",)"
      R"("function":"AZ","magnitude":0.25,"unit":"deg","propagation":"S"}]}],)"
      R"("plan":{"step":10.0,"bitDistance":17.5,"sections":[{"kind":"hold","length":500.0},{"kind":"target",)"
      R"("dls":3.0,"north":300.0,"east":400.0,"tvd":1500.0}],"targets":[{"name":"Speicher",)"
      R"("kind":"point","north":300.0,"east":400.0,"tvd":1500.0,"radius":25.0}]},)"
      R"("holeDiameter":0.3125,)"
      R"("surfaceMargin":0.5,"projectAhead":1.25,"scalingFactor":3.0,"warningFactor":2.5,)"
      R"("offsets":[{"name":"Süd 1","easting":500200.5,"northing":5712400.25,"elevation":90.5,)"
      R"("holeDiameter":0.25,"errorModel":{"model":"iscwsa-mwd-rev5","latitude":52.5,)"
      R"("gravity":9.75,"magField":50000.5,"magDip":69.5,"ellipseSigma":2.5,)"
      R"("surveyProgram":[{"from":0.0,"tool":"UNKNOWN"}]},)"
      R"("stations":[[0.0,0.0,0.0],[250.5,3.5,120.25],[600.0,12.75,118.0]],)"
      R"("latitude":1.5,"crs":"EPSG:4326","casing":[{"od":0.3397,"shoe":512.0}]},)"
      R"({"name":"Ast 2","north":-12.5,"east":7.75,"parent":"Süd 1","kickOffMd":300.25,)"
      R"("stations":[[0.0,0.0,0.0],[250.5,3.5,120.25],[400.0,20.5,95.0]]}],)"
      R"("model":"future","stations":[1,2],"name":"x","later":{"deep":[true,null]}})";

TEST(SettingsOfEveryLayer, ExactTextAndBack)
{
    const WellSettings s = everyMemberSet();
    EXPECT_EQ(settingsToJson(s), kEveryMember);
    WellSettings back;
    std::string fault;
    ASSERT_TRUE(settingsFromJson(kEveryMember, back, &fault)) << fault;
    EXPECT_EQ(back, s);
    EXPECT_EQ(back.otherMembers, s.otherMembers);
    ASSERT_EQ(back.offsets.size(), 2u);
    EXPECT_EQ(back.offsets[0].otherMembers, s.offsets[0].otherMembers);
    EXPECT_TRUE(back.offsets[1].otherMembers.empty());
}

// The same members as typed by someone else: unknown members first and between known
// ones, the layers' members mixed, integers for whole numbers. They read to the same
// settings, which are written in the fixed order, the unknown members keeping their order
// among themselves.
TEST(SettingsOfEveryLayer, AnyOrderReadsTheSame)
{
    const char *const mixed
        = R"({"model":"future","warningFactor":2.5,"offsets":[)"
          R"({"stations":[[0,0,0],[250.5,3.5,120.25],[600,12.75,118]],"latitude":1.5,)"
          R"("errorModel":{"ellipseSigma":2.5,"magDip":69.5,"model":"iscwsa-mwd-rev5",)"
          R"("surveyProgram":[{"tool":"UNKNOWN","from":0}],)"
          R"("magField":50000.5,"gravity":9.75,"latitude":52.5},"crs":"EPSG:4326",)"
          R"("holeDiameter":0.25,"northing":5712400.25,"elevation":90.5,"name":"Süd 1",)"
          R"("casing":[{"od":0.3397,"shoe":512.0}],"easting":500200.5},)"
          R"({"kickOffMd":300.25,"parent":"Süd 1","east":7.75,"north":-12.5,"name":"Ast 2",)"
          R"("stations":[[0,0,0],[250.5,3.5,120.25],[400,20.5,95]]}],)"
          R"("magDip":68.75,"unit":"ft","stations":[1,2],"sectionAzimuth":135.5,)"
          R"("scalingFactor":3,"latitude":52.25,"northing":5712345.5,"crs":"epsg:25832",)"
          R"("projectAhead":1.25,"name":"x","gravity":9.8125,"north":"magnetic",)"
          R"("holeDiameter":0.3125,"magField":49876.5,"declination":3.25,"surfaceMargin":0.5,)"
          R"("errorModel":"iscwsa-mwd-rev4","gridConvergence":-0.75,"ellipseSigma":3,)"
          R"("surveyProgram":[{"date":"2024-02-29","run":"Lauf 1: Kreisel","tool":"GYRO-NS",)"
          R"("to":612.5,"from":0},{"tool":"MWD+IFR1+MS","from":612.5}],)"
          R"("plan":{"targets":[{"radius":25,"tvd":1500,"east":400,"north":300,)"
          R"("kind":"point","name":"Speicher"}],"sections":[{"length":500,"kind":"hold"},)"
          R"({"tvd":1500,"east":400,"north":300,"dls":3,"kind":"target"}],"step":10,"bitDistance":17.5},)"
          R"("ownTools":[{"terms":[{"propagation":"S","unit":"deg","magnitude":0.25,)"
          R"("function":"AZ","code":"AZ"}],"tortuosity":1.5,"inclinationMax":70,)"
          R"("description":"Betreiber-Kreisel","code":"OP-KREISEL"}],)"
          R"("elevation":87.5,"later":{"deep":[true,null]},"easting":500123.25})";
    WellSettings read;
    std::string fault;
    ASSERT_TRUE(settingsFromJson(mixed, read, &fault)) << fault;
    EXPECT_EQ(read, everyMemberSet());
    EXPECT_EQ(settingsToJson(read), kEveryMember);
}

} // namespace
