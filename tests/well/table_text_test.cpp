// The results table's lines as the screen shows them, against catalogues made for the
// test: one that writes every text in small letters (as wide as the German, with the same
// numbers), one whose entries do not fit. The real English catalogue is tested with the
// desktop program (tests/gui/table_text_test.cpp).
#include "i18n/i18n.h"
#include "tests/support/welltest.h"
#include "well/tabletext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using welltest::wellOf;

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Installs `catalogue` and speaks English while it lives.
class Speaking
{
public:
    explicit Speaking(i18n::Catalogue catalogue)
    {
        i18n::setCatalogue(std::move(catalogue));
        i18n::setLanguage(i18n::Language::English);
    }
    ~Speaking()
    {
        i18n::setLanguage(i18n::Language::German);
        i18n::setCatalogue({});
    }
    Speaking(const Speaking &) = delete;
    Speaking &operator=(const Speaking &) = delete;
};

// Every text of the table's contexts in small letters.
std::optional<std::string> smallLetters(const char *context, const char *source)
{
    const std::string_view c(context);
    if (c != "Ergebnistabelle" && c != "Diagnose")
        return std::nullopt;
    return lower(source);
}

StringList tableWithRemarks()
{
    // A straight interval, then a turn of more than 90 degrees that ends the run.
    well::Computation c
        = well::compute(wellOf({ "0 0 0", "100 0 0", "300 4 30", "400 130 30", "500 2 2" }));
    c.table.push_back(well::germanText({ well::Message::EqualDepths, { 3, 50, 50 }, {} }));
    return c.table;
}

} // namespace

TEST(TableText, EachHeadingAndRemarkFollowsTheCatalogueAndTheRowsStay)
{
    const StringList table = tableWithRemarks();
    ASSERT_TRUE(std::any_of(table.begin(), table.end(),
        [](const std::string &l) { return l.find('\n') != std::string::npos; }));
    const Speaking english(smallLetters);
    int changed = 0;
    for (size_t i = 1; i < table.size(); ++i) {
        const std::string shown = well::shownTableLine(table[i]);
        // The catalogue's text for the line, numbers included, is the line in small letters.
        EXPECT_EQ(shown, lower(table[i]));
        changed += shown != table[i];
    }
    // The five heading lines, the straight interval, the two stops.
    EXPECT_EQ(changed, 8);
    // A row of numbers is looked up nowhere: a catalogue that knows it changes nothing.
    const std::string row = table[7];
    ASSERT_EQ(row, lower(row));
    const Speaking odd([row](const char *, const char *source) -> std::optional<std::string> {
        return source == row ? std::optional<std::string>("X") : std::nullopt;
    });
    EXPECT_EQ(well::shownTableLine(row), row);
}

TEST(TableText, AnEntryThatWouldMoveTheColumnsOrMisreadTheNumbersIsNotUsed)
{
    const StringList table = tableWithRemarks();
    const Speaking english(
        [](const char *context, const char *source) -> std::optional<std::string> {
            // Every heading line one letter wider; the remarks' numbers in another order.
            if (std::string_view(context) == "Ergebnistabelle")
                return std::string("X") + source;
            if (std::string_view(source).starts_with("KEINE"))
                return std::string("FROM %7.2f TO %d");
            return std::nullopt;
        });
    const auto columns = well::columnHeading();
    int changed = 0;
    for (const std::string &line : table) {
        const std::string shown = well::shownTableLine(line);
        const bool column = std::find(columns.begin(), columns.end(), line) != columns.end();
        // The title lines may grow; the column heading and the remark keep their German.
        if (shown != line) {
            ++changed;
            EXPECT_FALSE(column) << line;
            EXPECT_EQ(shown, "X" + line);
        }
    }
    EXPECT_EQ(changed, 2);
}

TEST(TableText, GermanAndAnEmptyTablePassAsTheyAre)
{
    const StringList table = tableWithRemarks();
    i18n::setCatalogue(smallLetters); // a catalogue alone does not make the screen English
    for (const std::string &line : table)
        EXPECT_EQ(well::shownTableLine(line), line);
    const well::ShownTable shown = well::ShownTable::inLanguageSpoken(table);
    EXPECT_FALSE(shown.translated());
    i18n::setCatalogue({});
    const well::ShownTable none;
    EXPECT_EQ(none.size(), 0u);
}

// The line that names the north of north and east is shown piece by piece through the
// catalogue: its start, the north, each angle with its number as the table has it, and a
// missing angle's words (which hold a comma of their own).
TEST(TableText, TheNorthLineIsShownPieceByPiece)
{
    const Speaking english(
        [](const char *context, const char *source) -> std::optional<std::string> {
            const std::string_view c(context);
            if (c != "Ergebnistabelle" && c != "Nordbezug")
                return std::nullopt;
            std::string bracketed = "[";
            bracketed += source;
            bracketed += ']';
            return bracketed;
        });
    const std::string start = well::kNorthLinePrefix;
    EXPECT_EQ(well::shownTableLine(
                  start + "Gitternord (EPSG:25832); Deklination 2.50°, Meridiankonvergenz -0.79°"),
        "[" + start
            + "][Gitternord (EPSG:25832)]; [Deklination 2.50°], [Meridiankonvergenz -0.79°]");
    EXPECT_EQ(well::shownTableLine(start + "Magnetisch Nord; nicht gedreht, die Deklination fehlt"),
        "[" + start + "][Magnetisch Nord]; [nicht gedreht, die Deklination fehlt]");
    const StringList table { start + "Geographisch Nord" };
    std::string buffer;
    EXPECT_EQ(well::ShownTable::inLanguageSpoken(table).line(0, buffer),
        "[" + start + "][Geographisch Nord]");
}
