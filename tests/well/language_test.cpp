// The diagnostics in another language: the message follows the catalogue, the results
// table keeps the German text, and a faulty catalogue entry never reaches printf.
#include "i18n/i18n.h"
#include "tests/support/welltest.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using welltest::wellOf;

namespace {

// A small English catalogue of the diagnostics, removed again after each test.
class DiagnosticLanguage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::map<std::string, std::string> english = {
            { "ABBRUCH bei TEUFE(m):%6.2f \nPHI(Grad):%6.2f THETA(Grad):%6.2f",
                "ABORTED at MD %6.2f m, inc %6.2f°, azi %6.2f°" },
            { "Neigung Phi-Wert %g liegt nicht im Bereich 0°-180°\n%s",
                "Inclination %g is not within 0°-180°\n%s" },
            // The conversions swapped: a faulty entry.
            { "Die %d.Teufe %g steigt nicht an\n%s", "MD %g (no. %d) does not increase\n%s" },
        };
        i18n::setCatalogue(
            [english](const char *context, const char *source) -> std::optional<std::string> {
                const auto it = english.find(source);
                if (std::string_view(context) != "Diagnose" || it == english.end())
                    return std::nullopt;
                return it->second;
            });
    }
    void TearDown() override { i18n::setCatalogue({}); }
};

} // namespace

TEST_F(DiagnosticLanguage, TheTableKeepsGermanWhileTheMessageTranslates)
{
    const well::Computation r = well::compute(wellOf({ "100 0 0", "200 120 0" }));
    ASSERT_TRUE(r.aborted);
    const well::Diagnostic &abort = r.diagnostics.back();
    EXPECT_EQ(r.table.back(), "ABBRUCH bei TEUFE(m):200.00 \nPHI(Grad):120.00 THETA(Grad):  0.00");
    EXPECT_EQ(well::germanText(abort), r.table.back());
    EXPECT_EQ(well::text(abort), "ABORTED at MD 200.00 m, inc 120.00°, azi   0.00°");
}

TEST_F(DiagnosticLanguage, TheLineConcernedKeepsItsBytes)
{
    const well::Diagnostic d { well::Message::InclinationOutOfRange, { 190 }, "100 190 0 ; Süd" };
    EXPECT_EQ(well::text(d), "Inclination 190 is not within 0°-180°\n100 190 0 ; Süd");
    EXPECT_EQ(well::germanText(d),
        "Neigung Phi-Wert 190 liegt nicht im Bereich 0°-180°\n"
        "100 190 0 ; Süd");
}

TEST_F(DiagnosticLanguage, AnEntryWithOtherConversionsIsNotUsed)
{
    const well::Diagnostic d { well::Message::DepthNotIncreasing, { 3, 50 }, "50 1 0" };
    EXPECT_EQ(well::text(d), "Die 3.Teufe 50 steigt nicht an\n50 1 0");
    // Texts the catalogue lacks stay German.
    const well::Diagnostic none { well::Message::NoStations, {}, {} };
    EXPECT_EQ(well::text(none), "Eingabedaten fehlen!!!");
}
