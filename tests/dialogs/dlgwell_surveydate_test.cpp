// The survey date in "Bohrung …": typed in the German form or as 2025-03-14 it is stored,
// an empty field stays no date, a day the calendar lacks names the field and changes
// nothing; the model's values appear beside the fields they fill while the place and the
// date are typed, and the note says when the date is missing or the model has none. The
// reference numbers come from magnetic::fieldAt for the wellhead's place (on the central
// meridian of UTM zone 32, at the latitude PROJ's cs2cs gives).
#include "core/decimalsign.h"
#include "tests/dialogs/dlgwellfixture.h"
#include "magnetic/field.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

struct WellDialog : WellDialogFixture
{
    using WellDialogFixture::WellDialogFixture;
    std::string note() const { return dialog.modelNote()->text().toStdString(); }
};

WellSettings placed()
{
    WellSettings s;
    s.epsg = 25832;
    s.wellhead = Wellhead { 500000, 5700000 };
    s.north = NorthReference::Magnetic;
    return s;
}

} // namespace

TEST(WellDialogSurveyDate, TypedInEitherFormStoredAndRefusedDaysChangeNothing)
{
    WellDialog w { WellSettings {} };
    EXPECT_TRUE(w.dialog.surveyDateEdit()->text().isEmpty());
    WellSettings out;
    ASSERT_EQ(w.fault(out), "");
    EXPECT_FALSE(out.surveyDate);

    for (const char *typed : { "14.03.2025", " 14.3.2025 ", "2025-03-14" }) {
        w.dialog.surveyDateEdit()->setText(QString::fromUtf8(typed));
        ASSERT_EQ(w.fault(out), "") << typed;
        EXPECT_EQ(out.surveyDate, (CalendarDate { 2025, 3, 14 })) << typed;
    }
    // Shown again in the German form.
    WellDialog again { out };
    EXPECT_EQ(again.dialog.surveyDateEdit()->text(), "14.03.2025");

    for (const char *typed : { "29.02.2025", "2025-13-01", "morgen", "14.03." }) {
        w.dialog.surveyDateEdit()->setText(QString::fromUtf8(typed));
        WellSettings kept = placed();
        const std::string fault = w.fault(kept);
        EXPECT_NE(fault.find("Vermessungsdatum"), std::string::npos) << typed << ": " << fault;
        EXPECT_EQ(kept, placed()) << typed;
    }
}

TEST(WellDialogSurveyDate, TheModelsValuesFollowThePlaceAndTheDate)
{
    WellDialog w { placed() };
    // The place without a date: the note names the missing date, nothing is offered.
    EXPECT_TRUE(w.dialog.modelNote()->isVisibleTo(&w.dialog));
    EXPECT_NE(w.note().find("Vermessungsdatum fehlt"), std::string::npos) << w.note();
    EXPECT_TRUE(w.dialog.declinationEdit()->placeholderText().isEmpty());

    w.dialog.surveyDateEdit()->setText("14.03.2025");
    const magnetic::Field f
        = magnetic::fieldAt(51.451182206780, 9.0, 0.0, 2025.0 + 72.0 / 365.0).field.value();
    EXPECT_EQ(w.dialog.declinationEdit()->placeholderText().toStdString(),
        "WMM2025: " + decimalsign::shown(f.declinationDeg, 2) + "°");
    EXPECT_EQ(w.dialog.dipEdit()->placeholderText().toStdString(),
        "WMM2025: " + decimalsign::shown(f.inclinationDeg, 2) + "°");
    EXPECT_EQ(w.dialog.totalFieldEdit()->placeholderText().toStdString(),
        "WMM2025: " + decimalsign::shown(f.totalNt, 0) + " nT");
    EXPECT_NE(w.note().find("14.03.2025"), std::string::npos) << w.note();

    // The elevation moves the place of the field; a typed declination is kept as typed.
    w.dialog.elevationEdit()->setText("3000");
    const magnetic::Field high
        = magnetic::fieldAt(51.451182206780, 9.0, 3000.0, 2025.0 + 72.0 / 365.0).field.value();
    EXPECT_EQ(w.dialog.totalFieldEdit()->placeholderText().toStdString(),
        "WMM2025: " + decimalsign::shown(high.totalNt, 0) + " nT");
    w.dialog.declinationEdit()->setText("1,5");
    WellSettings out;
    ASSERT_EQ(w.fault(out), "");
    EXPECT_EQ(out.declination, 1.5);

    // Before every model: the model's own refusal; without a place, no note at all.
    w.dialog.surveyDateEdit()->setText("01.06.1850");
    EXPECT_NE(w.note().find("1900"), std::string::npos) << w.note();
    EXPECT_TRUE(w.dialog.dipEdit()->placeholderText().contains("z. B.")) << "the example again";
    w.dialog.epsgEdit()->clear();
    EXPECT_FALSE(w.dialog.modelNote()->isVisibleTo(&w.dialog));
}

TEST(WellDialogSurveyDate, AnErrorModelWithoutTypedFieldNeedsTheDate)
{
    WellSettings s = placed();
    s.declination = 2;
    s.uncertainty.model = ErrorModel::IscwsaMwdRev5;
    WellDialog w { s };
    WellSettings out = s;
    const std::string fault = w.fault(out);
    EXPECT_NE(fault.find("Vermessungsdatum"), std::string::npos) << fault;
    EXPECT_EQ(out, s);
    w.dialog.surveyDateEdit()->setText("14.03.2025");
    ASSERT_EQ(w.fault(out), "");
    EXPECT_FALSE(out.uncertainty.dip) << "left to the model, not written into the field";
    EXPECT_EQ(out.surveyDate, (CalendarDate { 2025, 3, 14 }));
}
