// The language the programs speak and the safety of the catalogue's lookups: the
// environment rule, a translated format that could read the wrong arguments, and numbers
// in each language.
#include "core/decimalsign.h"
#include "i18n/i18n.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// A process environment of its own for each case.
i18n::Language fromEnvironment(const std::map<std::string, std::string> &env)
{
    return i18n::languageFromEnvironment([&env](const char *name) -> const char * {
        const auto it = env.find(name);
        return it == env.end() ? nullptr : it->second.c_str();
    });
}

// Restores German and no catalogue after each case.
class Catalogue : public ::testing::Test
{
protected:
    ~Catalogue() override
    {
        i18n::setCatalogue({});
        i18n::setLanguage(i18n::Language::German);
    }
};

} // namespace

TEST(Language, TheFirstVariableSetDecidesAndOnlyEnglishIsEnglish)
{
    using i18n::Language;
    EXPECT_EQ(fromEnvironment({}), Language::German);
    EXPECT_EQ(fromEnvironment({ { "LANG", "en_GB.UTF-8" } }), Language::English);
    EXPECT_EQ(fromEnvironment({ { "LANG", "C" } }), Language::German);
    EXPECT_EQ(fromEnvironment({ { "LANG", "POSIX" } }), Language::German);
    EXPECT_EQ(fromEnvironment({ { "LANG", "fr_FR.UTF-8" } }), Language::German);
    // LANGUAGE comes first and may list several; its first entry counts.
    EXPECT_EQ(
        fromEnvironment({ { "LANGUAGE", "en" }, { "LANG", "de_DE.UTF-8" } }), Language::English);
    EXPECT_EQ(
        fromEnvironment({ { "LANGUAGE", "de:en" }, { "LANG", "en_US.UTF-8" } }), Language::German);
    // LC_ALL before LC_MESSAGES before LANG; an empty variable is not set.
    EXPECT_EQ(fromEnvironment({ { "LANGUAGE", "" }, { "LC_ALL", "C.UTF-8" }, { "LANG", "en_US" } }),
        Language::German);
    EXPECT_EQ(fromEnvironment({ { "LC_MESSAGES", "en_US.UTF-8" }, { "LANG", "de_AT" } }),
        Language::English);
    // "eng…" or "english" are not the code "en".
    EXPECT_EQ(fromEnvironment({ { "LANG", "english" } }), Language::German);
}

TEST_F(Catalogue, AFormatWhoseConversionsDifferKeepsTheGermanSource)
{
    const char *source = "Zu wenig Werte in der %d.Zeile:\n%s";
    std::map<std::string, std::string> english {
        { source, "Too few values in line %d:\n%s" },
        { "Teufe %.2f m", "Depth %s" }, // would read a double as a pointer
        { "%1 von %2", "%2 of %1" },
    };
    i18n::setCatalogue([&english](const char *, const char *s) -> std::optional<std::string> {
        const auto it = english.find(s);
        return it == english.end() ? std::nullopt : std::optional(it->second);
    });
    EXPECT_EQ(i18n::translateFormat("Eingabe", source), "Too few values in line %d:\n%s");
    EXPECT_EQ(i18n::translateFormat("Eingabe", "Teufe %.2f m"), "Teufe %.2f m");
    EXPECT_EQ(i18n::translate("Eingabe", "Teufe %.2f m"), "Depth %s");
    // Not in the catalogue: the source.
    EXPECT_EQ(i18n::translate("Eingabe", "Azimut"), "Azimut");
    // Numbered places may change their order.
    EXPECT_EQ(i18n::arg(i18n::translate("Liste", "%1 von %2"), { "3", "7" }), "7 of 3");

    EXPECT_EQ(i18n::formatConversions("%-8.3lf|%5d%%|%s|%"), "%-8.3lf%5d%s%");
}

TEST_F(Catalogue, NumbersFollowTheLanguage)
{
    EXPECT_EQ(decimalsign::shown(1234.5, 2), "1234,50");
    EXPECT_EQ(decimalsign::shown(-0.004, 2), "0,00");
    EXPECT_EQ(decimalsign::shown(-12.345, 1), "-12,3");
    EXPECT_EQ(i18n::decimalSeparator(), ',');
    i18n::setLanguage(i18n::Language::English);
    EXPECT_EQ(decimalsign::shown(1234.5, 2), "1234.50");
    EXPECT_EQ(decimalsign::shown(2.5, 0), "2");
    EXPECT_EQ(i18n::decimalSeparator(), '.');
}
