// The declination, dip and total field that the geomagnetic model gives where none is
// typed: a magnetic survey with only a survey date is computed exactly as with the model's
// declination typed by hand, typed values win, a missing date or a date outside every
// model turns nothing and says why, and the saved record follows the date and the place.
// The reference values come from magnetic::fieldAt for the place worked out here: the
// wellhead at easting 500000 of UTM zone 32 lies on its central meridian, 9° east, at
// the latitude that PROJ's cs2cs gives for northing 5700000.
#include "analysis/analysis.h"
#include "geo/errormodelinputs.h"
#include "geo/magneticfield.h"
#include "magnetic/field.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr double kLatitude = 51.451182206780; // cs2cs, EPSG:25832 500000 5700000
constexpr double kLongitude = 9.0;
constexpr double kElevation = 250;

// 14 March 2025: 31 + 28 + 13 days of a common year have passed.
constexpr double kYear = 2025.0 + (31 + 28 + 13) / 365.0;

magnetic::Field referenceField(double year = kYear)
{
    const magnetic::FieldResult r = magnetic::fieldAt(kLatitude, kLongitude, kElevation, year);
    EXPECT_TRUE(r) << r.error;
    return r.field.value_or(magnetic::Field {});
}

WellSettings placed()
{
    WellSettings s;
    s.epsg = 25832;
    s.wellhead = Wellhead { 500000, 5700000 };
    s.elevation = kElevation;
    s.north = NorthReference::Magnetic;
    return s;
}

well::Well surveyed(const WellSettings &settings)
{
    well::Well w;
    w.name = "A";
    w.survey.add({ 0, 0, 0 });
    w.survey.add({ 300, 0, 0 });
    w.survey.add({ 700, 30, 60 });
    w.survey.add({ 1200, 45, 110 });
    w.settings = settings;
    return w;
}

const well::Computation &computed(analysis::Analysis &a)
{
    a.compute();
    return a.computation();
}

bool says(const well::Computation &c, well::Message id)
{
    for (const well::Diagnostic &d : c.diagnostics)
        if (d.id == id)
            return true;
    return false;
}

TEST(ModelField, ASurveyDateTurnsTheCourseAsTheModelsDeclinationTypedByHand)
{
    const magnetic::Field reference = referenceField();
    ASSERT_EQ(reference.model, "WMM2025");
    ASSERT_GT(std::abs(reference.declinationDeg), 1.0) << "a turn that shows";

    WellSettings dated = placed();
    dated.surveyDate = CalendarDate { 2025, 3, 14 };
    WellSettings typed = placed();
    typed.declination = reference.declinationDeg;

    const geo::CourseNorth fromModel = geo::courseNorth(dated);
    const geo::CourseNorth byHand = geo::courseNorth(typed);
    EXPECT_EQ(fromModel.missing, geo::MissingAngle::None);
    EXPECT_EQ(fromModel.north, NorthReference::Grid);
    EXPECT_NEAR(fromModel.turn, byHand.turn, 1e-9);
    EXPECT_EQ(fromModel.declinationModel, "WMM2025");
    EXPECT_EQ(byHand.declinationModel, "");

    analysis::Analysis a(surveyed(dated)), b(surveyed(typed));
    const traj::Trajectory &got = computed(a).path, &want = computed(b).path;
    ASSERT_EQ(got.stations.size(), want.stations.size());
    for (std::size_t i = 0; i < got.stations.size(); ++i) {
        EXPECT_NEAR(got.stations[i].north, want.stations[i].north, 1e-9) << i;
        EXPECT_NEAR(got.stations[i].east, want.stations[i].east, 1e-9) << i;
    }
    EXPECT_FALSE(says(a.computation(), well::Message::NorthDeclinationMissing));
    // The results table names the model beside the declination it gave.
    bool named = false;
    for (const std::string &line : a.computation().table)
        named = named
            || (line.find("NORD UND OST") != std::string::npos
                && line.find("(WMM2025)") != std::string::npos);
    EXPECT_TRUE(named) << testing::PrintToString(a.computation().table);

    // The error model takes dip and total field from the model too, and works with the
    // same declination.
    WellSettings modelled = dated;
    modelled.uncertainty.model = ErrorModel::IscwsaMwdRev5;
    unc::MissingInput missing = unc::MissingInput::Declination;
    const std::optional<unc::Inputs> in = geo::errorModelInputs(modelled, &missing);
    ASSERT_TRUE(in) << int(missing);
    EXPECT_NEAR(in->dip, reference.inclinationDeg, 1e-9);
    EXPECT_NEAR(in->totalField, reference.totalNt, 1e-6);
    EXPECT_NEAR(in->declination, reference.declinationDeg, 1e-9);
}

TEST(ModelField, TypedValuesWinAndNeedNoDate)
{
    WellSettings s = placed();
    s.declination = -7.25;
    s.uncertainty.model = ErrorModel::IscwsaMwdRev4;
    s.uncertainty.dip = 61.5;
    s.uncertainty.totalField = 48000;
    // Without a date every typed value serves as it always did.
    const geo::CourseNorth undated = geo::courseNorth(s);
    EXPECT_EQ(undated.missing, geo::MissingAngle::None);
    const std::optional<unc::Inputs> before = geo::errorModelInputs(s);
    ASSERT_TRUE(before);

    // With a date, the model is not asked for any of them.
    s.surveyDate = CalendarDate { 2025, 3, 14 };
    EXPECT_EQ(geo::courseNorth(s), undated);
    const std::optional<unc::Inputs> after = geo::errorModelInputs(s);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->declination, -7.25);
    EXPECT_EQ(after->dip, 61.5);
    EXPECT_EQ(after->totalField, 48000);

    // One value left open: only that one comes from the model.
    s.uncertainty.dip.reset();
    const std::optional<unc::Inputs> mixed = geo::errorModelInputs(s);
    ASSERT_TRUE(mixed);
    EXPECT_NEAR(mixed->dip, referenceField().inclinationDeg, 1e-9);
    EXPECT_EQ(mixed->totalField, 48000);
    EXPECT_EQ(mixed->declination, -7.25);
}

TEST(ModelField, WithoutADateOrOutsideTheModelsNothingIsTurnedAndTheReasonIsSaid)
{
    analysis::Analysis plain(surveyed({}));
    const traj::Trajectory unturned = computed(plain).path;

    // The place is known, the date is not: never today's field.
    WellSettings undated = placed();
    analysis::Analysis a(surveyed(undated));
    const well::Computation &c = computed(a);
    ASSERT_GE(c.diagnostics.size(), 2u);
    EXPECT_EQ(c.diagnostics[0].id, well::Message::NorthDeclinationMissing);
    EXPECT_EQ(c.diagnostics[1].id, well::Message::NorthSurveyDateMissing);
    EXPECT_NE(well::germanText(c.diagnostics[1]).find("Vermessungsdatum fehlt"), std::string::npos);
    for (std::size_t i = 0; i < unturned.stations.size(); ++i) {
        EXPECT_EQ(c.path.stations[i].north, unturned.stations[i].north) << i;
        EXPECT_EQ(c.path.stations[i].east, unturned.stations[i].east) << i;
    }
    WellSettings withErrorModel = undated;
    withErrorModel.uncertainty.model = ErrorModel::IscwsaMwdRev5;
    withErrorModel.declination = 2; // the dip and total field still lack the date
    unc::MissingInput missing = unc::MissingInput::None;
    EXPECT_FALSE(geo::errorModelInputs(withErrorModel, &missing));
    EXPECT_EQ(missing, unc::MissingInput::TotalField);
    EXPECT_NE(geo::missingInputReason(withErrorModel, missing).find("Vermessungsdatum fehlt"),
        std::string::npos);
    EXPECT_EQ(geo::missingInputReason(withErrorModel, unc::MissingInput::Convergence), "");

    // A day before every model: the model's own refusal, and nothing turned.
    WellSettings early = placed();
    early.surveyDate = CalendarDate { 1850, 6, 1 };
    // 1 June: 31 + 28 + 31 + 30 + 31 days of a common year have passed.
    const std::string refusal
        = magnetic::fieldAt(kLatitude, kLongitude, kElevation, 1850.0 + 151.0 / 365.0).error;
    ASSERT_FALSE(refusal.empty());
    analysis::Analysis e(surveyed(early));
    const well::Computation &ce = computed(e);
    ASSERT_TRUE(says(ce, well::Message::NorthFieldModelMissing));
    const std::string said = well::germanText(ce.diagnostics[1]);
    // The model's words, in the message that begins with the missing declination.
    EXPECT_NE(said.find(refusal), std::string::npos) << said;
    EXPECT_EQ(ce.path.stations.back().east, unturned.stations.back().east);
    withErrorModel.surveyDate = early.surveyDate;
    EXPECT_FALSE(geo::errorModelInputs(withErrorModel, &missing));
    EXPECT_EQ(missing, unc::MissingInput::TotalField);
    EXPECT_EQ(geo::missingInputReason(withErrorModel, missing), refusal);

    // Without a place the model is not asked: the date alone changes nothing.
    WellSettings unplaced = withErrorModel;
    unplaced.epsg.reset();
    EXPECT_EQ(geo::missingInputReason(unplaced, unc::MissingInput::TotalField), "");
    WellSettings nowhere;
    nowhere.north = NorthReference::Magnetic;
    nowhere.surveyDate = CalendarDate { 2025, 3, 14 };
    analysis::Analysis n(surveyed(nowhere));
    const well::Computation &cn = computed(n);
    EXPECT_TRUE(says(cn, well::Message::NorthDeclinationMissing));
    EXPECT_FALSE(says(cn, well::Message::NorthSurveyDateMissing));
    EXPECT_FALSE(says(cn, well::Message::NorthFieldModelMissing));
}

TEST(ModelField, TheSavedRecordFollowsTheDateAndPlaceAndIsNeverReadBack)
{
    WellSettings s = placed();
    s.surveyDate = CalendarDate { 2025, 3, 14 };
    const WellSettings saved = geo::withModelRecord(s);
    ASSERT_TRUE(saved.magneticModel);
    const magnetic::Field reference = referenceField();
    EXPECT_EQ(saved.magneticModel->model, reference.model);
    EXPECT_NEAR(saved.magneticModel->declination, reference.declinationDeg, 1e-9);
    EXPECT_NEAR(saved.magneticModel->dip, reference.inclinationDeg, 1e-9);
    EXPECT_NEAR(saved.magneticModel->totalField, reference.totalNt, 1e-6);

    // A record left from another date is replaced on saving and ignored before.
    WellSettings moved = saved;
    moved.surveyDate = CalendarDate { 2018, 7, 2 };
    EXPECT_NEAR(geo::courseNorth(moved).declination.value_or(99),
        referenceField(2018.0 + (31 + 28 + 31 + 30 + 31 + 30 + 1) / 365.0).declinationDeg, 1e-9);
    const WellSettings resaved = geo::withModelRecord(moved);
    ASSERT_TRUE(resaved.magneticModel);
    EXPECT_EQ(resaved.magneticModel->model, "WMM2015v2");
    EXPECT_NE(resaved.magneticModel->declination, saved.magneticModel->declination);

    // Without the date, or without a place, no record is kept; settings that never had
    // one stay as they were.
    WellSettings undated = saved;
    undated.surveyDate.reset();
    EXPECT_FALSE(geo::withModelRecord(undated).magneticModel);
    WellSettings unplaced = saved;
    unplaced.epsg.reset();
    EXPECT_FALSE(geo::withModelRecord(unplaced).magneticModel);
    EXPECT_EQ(geo::withModelRecord(WellSettings {}), WellSettings {});
    EXPECT_TRUE(geo::withModelRecord(WellSettings {}).empty());
}

} // namespace
