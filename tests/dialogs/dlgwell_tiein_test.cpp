// The tie-in point in "Bohrung …": six empty fields are none, six filled ones a tie-in
// with the typed values (decimal comma or point), a missing or refused field names itself
// and changes nothing, a stored tie-in comes back to the last digit after OK, and cleared
// fields remove it.
#include "tests/dialogs/dlgwellfixture.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

struct WellDialog : WellDialogFixture
{
    using WellDialogFixture::WellDialogFixture;
    void type(const std::array<const char *, 6> &texts)
    {
        for (int i = 0; i < 6; ++i)
            dialog.tieInEdit(i)->setText(QString::fromUtf8(texts[static_cast<std::size_t>(i)]));
    }
};

} // namespace

TEST(WellDialogTieIn, EmptyIsNoneAndSixValuesAreATieIn)
{
    WellDialog w { WellSettings {} };
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(w.dialog.tieInEdit(i)->text().isEmpty());
    WellSettings out;
    ASSERT_EQ(w.fault(out), "");
    EXPECT_FALSE(out.tieIn);

    w.type({ "1200,5", " 1150.25 ", "-4,65", "0,92", "12,5", "359,5" });
    ASSERT_EQ(w.fault(out), "");
    ASSERT_TRUE(out.tieIn);
    EXPECT_EQ(*out.tieIn, (well::TieIn { 1200.5, 1150.25, -4.65, 0.92, 12.5, 359.5 }));
}

TEST(WellDialogTieIn, AMissingOrRefusedFieldNamesItselfAndChangesNothing)
{
    WellSettings before;
    before.elevation = 30;
    const struct
    {
        std::array<const char *, 6> texts;
        const char *named;
    } cases[] = {
        { { "1200", "1150", "", "0", "10", "20" }, "Anschlusspunkt: Nord: bitte einen Wert" },
        { { "", "", "", "", "", "20" }, "Anschlusspunkt: MD: bitte einen Wert" },
        { { "-5", "1150", "0", "0", "10", "20" }, "Anschlusspunkt: MD: \"-5\"" },
        { { "1200", "1150", "0", "0", "180,5", "20" }, "Anschlusspunkt: Neigung: \"180,5\"" },
        { { "1200", "1150", "0", "0", "10", "400" }, "Anschlusspunkt: Azimut: \"400\"" },
        { { "1200", "1150", "0", "Ost", "10", "20" }, "Anschlusspunkt: Ost: \"Ost\"" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.named);
        WellDialog w { before };
        w.type(c.texts);
        WellSettings out = before;
        out.declination = 3; // untouched on a refusal
        const std::string fault = w.fault(out);
        EXPECT_EQ(fault.rfind(c.named, 0), 0u) << fault;
        EXPECT_EQ(out.declination, 3);
        EXPECT_FALSE(out.tieIn);
        // The typed text stays for the user to correct.
        EXPECT_EQ(w.dialog.tieInEdit(5)->text().toStdString(), c.texts[5]);
    }
}

TEST(WellDialogTieIn, AStoredTieInComesBackWholeAndClearedFieldsRemoveIt)
{
    WellSettings stored;
    // More digits than the form shows: OK without a change keeps them all.
    stored.tieIn = well::TieIn { 1200.1234567891234, 1150.000000000001, -4.65, 0.92,
        12.345678901234567, 140 };
    WellDialog w { stored };
    EXPECT_EQ(w.dialog.tieInEdit(2)->text().toStdString(), "-4,65");
    WellSettings out;
    ASSERT_EQ(w.fault(out), "");
    EXPECT_EQ(out, stored);

    // A field the user changes takes the typed value, the others keep theirs.
    w.dialog.tieInEdit(3)->setText("1,5");
    ASSERT_EQ(w.fault(out), "");
    ASSERT_TRUE(out.tieIn);
    EXPECT_EQ(out.tieIn->east, 1.5);
    EXPECT_EQ(out.tieIn->md, stored.tieIn->md);

    w.type({ "", "", "", "", "", "" });
    ASSERT_EQ(w.fault(out), "");
    EXPECT_FALSE(out.tieIn);
}
