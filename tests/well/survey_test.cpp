// The survey keeps what was entered: every line comes back byte for byte in its place,
// and a station written from its numbers reads back as the same numbers.
#include "core/cformat.h"
#include "core/cscan.h"
#include "tests/support/welltest.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The three numbers of a written station, read back.
well::Station readBack(const std::string &text)
{
    well::Station s;
    const char *p = text.c_str();
    EXPECT_TRUE(cscan::readDouble(p, s.md)) << text;
    EXPECT_TRUE(cscan::readDouble(p, s.inclination)) << text;
    EXPECT_TRUE(cscan::readDouble(p, s.azimuth)) << text;
    EXPECT_EQ(*p, '\0') << text;
    return s;
}

} // namespace

// Random mixes of station lines in the forms the readers meet and lines that hold no
// station, the latter anywhere: first, last, several in a row.
TEST(Survey, LinesComeBackByteIdenticalInTheirPlace)
{
    const StringList unreadable = { "", "   ", "Bohrung Nord 1", "100 2", "nan 1 1", "100 1 x",
        "100,5 3 4", "1e39 0 0", "Änderung am 3.5.", "\t-\t" };
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> pick(0, 9),
        index(0, static_cast<int>(unreadable.size()) - 1), hundredths(0, 999999);
    for (int run = 0; run < 200; ++run) {
        StringList lines;
        std::vector<well::Station> stations;
        std::size_t unread = 0;
        const int count = pick(random) * 3;
        for (int i = 0; i < count; ++i) {
            if (pick(random) < 3) {
                lines.push_back(unreadable[static_cast<std::size_t>(index(random))]);
                ++unread;
                continue;
            }
            const well::Station s { hundredths(random) / 100.0, hundredths(random) % 18001 / 100.0,
                hundredths(random) % 36001 / 100.0 };
            // Written locale-independently: the tests run under a German locale.
            const std::string n[3]
                = { cfmt("%.6f", s.md), cfmt("%g", s.inclination), cfmt("%.2f", s.azimuth) };
            switch (pick(random) % 4) {
            case 0:
                lines.push_back(n[0] + " " + n[1] + " " + n[2]);
                break;
            case 1:
                lines.push_back("  " + n[0] + "\t" + n[1] + "   " + n[2] + "  ");
                break;
            case 2:
                lines.push_back(n[0] + " " + n[1] + " " + n[2] + " Kommentar");
                break;
            default:
                lines.push_back(well::stationText(s));
                break;
            }
            stations.push_back(s);
        }
        const well::Survey survey = well::surveyFromLines(lines);
        ASSERT_EQ(survey.lines(), lines) << "run " << run;
        ASSERT_EQ(survey.unreadLines().size(), unread) << ::testing::PrintToString(lines);
        ASSERT_EQ(survey.size(), stations.size());
        for (std::size_t k = 0; k < stations.size(); ++k) {
            ASSERT_EQ(survey.stations()[k], stations[k]) << survey.text(k);
        }
        EXPECT_EQ(well::surveyFromLines(survey.lines()), survey);
    }
}

// Stations added from numbers alone (the table import) between stations with a text of
// their own: each keeps its own form, and the written ones read back as the same doubles.
TEST(Survey, StationsWithoutATextAreWrittenFromTheirNumbers)
{
    well::Survey survey;
    survey.add({ 0.3048, 1.5, 2.25 });
    survey.add({ 100, 2, 3 }, "100 2 3 gemessen");
    survey.addUnread("kein Messpunkt");
    survey.add({ 200.125, 0.1, 359.99 });
    const StringList expected = { well::stationText({ 0.3048, 1.5, 2.25 }), "100 2 3 gemessen",
        "kein Messpunkt", well::stationText({ 200.125, 0.1, 359.99 }) };
    EXPECT_EQ(survey.lines(), expected);
    const well::Survey reread = well::surveyFromLines(survey.lines());
    EXPECT_EQ(reread.stations(), survey.stations());
    EXPECT_EQ(reread.lines(), survey.lines());
}

// Two decimals in the columns the free format has always had when they give the value
// exactly; otherwise the shortest digits that read back as the same double.
TEST(Survey, StationTextLosesNothing)
{
    EXPECT_EQ(well::stationText({ 100, 12.5, 270 }), "  100.00    12.50   270.00");
    EXPECT_EQ(well::stationText({ 0.1, 0, 0 }), "    0.10     0.00     0.00");
    EXPECT_EQ(well::stationText({ 0.3048, 1.0 / 3, 0 }), "  0.3048  0.3333333333333333     0.00");

    // Feet converted to metres: rarely two decimals, always the same double back.
    for (int k = 1; k <= 10000; ++k) {
        const well::Station s { 0.3048 * k, 0.3048 * k / 100, 0.3048 * k / 30 };
        const std::string text = well::stationText(s);
        ASSERT_EQ(readBack(text), s) << "k = " << k << ": " << text;
    }

    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> depth(0, 1e5), angle(0, 360);
    for (int k = 0; k < 10000; ++k) {
        const well::Station s { depth(random), angle(random) / 2, angle(random) };
        ASSERT_EQ(readBack(well::stationText(s)), s);
    }
}

// Whether lines read back as a survey is the question "would reading them give the same
// lines and stations", asked without reading: checked against reading itself for surveys
// with and without their texts and with lines that hold no station, and for edits of
// every kind a user makes in the list.
TEST(Survey, LinesReadBackAsTheSurveyExactlyWhenReadingThemGivesItAgain)
{
    well::Survey typed = well::surveyFromLines(
        { "Kopf", "0 0 0", "100,5 1,25 45", "  200.00   2.50  90.00", "Bemerkung", "300 3 1e2" });
    well::Survey numbers;
    numbers.add({ 0, 0, 0 });
    numbers.add({ 150.25, 3.125, 359.99 });
    numbers.add({ 300, 1.0 / 3.0, 12 });
    numbers.addUnread("-- Ende --");

    std::mt19937 random(7);
    for (const well::Survey *survey : { &typed, &numbers }) {
        const StringList lines = survey->lines();
        std::vector<StringList> edits { lines };
        for (std::size_t i = 0; i < lines.size(); ++i) {
            StringList changed = lines;
            changed[i] += " ";
            edits.push_back(changed);
            changed = lines;
            changed[i] = "100 1 1";
            edits.push_back(changed);
            changed = lines;
            changed.erase(changed.begin() + static_cast<std::ptrdiff_t>(i));
            edits.push_back(changed);
            changed = lines;
            changed.insert(changed.begin() + static_cast<std::ptrdiff_t>(i), "x");
            edits.push_back(changed);
        }
        StringList shuffled = lines;
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        edits.push_back(shuffled);
        for (const StringList &edit : edits) {
            const well::Survey read = well::surveyFromLines(edit);
            const bool same = read.lines() == lines && read.stations() == survey->stations();
            EXPECT_EQ(survey->readsBackAs(edit), same)
                << cfmt("%zu lines, first \"%s\"", edit.size(), edit.empty() ? "" : edit[0].c_str());
        }
    }
}

// Copies of a survey share their texts until one changes: every change through either
// copy (a splice, a station added, a clear) leaves the other exactly as it was.
TEST(Survey, ACopyChangedLeavesTheOriginalAsItWas)
{
    const well::Survey original
        = well::surveyFromLines({ "100 1 10", "kein Wert", "200.5 2 20", "300 3 30" });
    const StringList lines = original.lines();

    well::Survey spliced = original;
    spliced.splice(1, 1, { { { 250, 4, 40 }, "250 4 40 neu" }, { { 260, 5, 50 }, "" } });
    EXPECT_EQ(spliced.text(1), "250 4 40 neu");
    EXPECT_NE(spliced, original);

    well::Survey added = original;
    added.add({ 400, 4, 40 }, "400 4 40");
    well::Survey cleared = original;
    cleared.clear();
    EXPECT_TRUE(cleared.empty());

    EXPECT_EQ(original.lines(), lines);
    EXPECT_EQ(original.text(1), "200.5 2 20");
    EXPECT_EQ(well::surveyFromLines(lines), original);
    // A copy that changed nothing is equal, and so is one changed back.
    well::Survey back = spliced;
    back.splice(1, 2, original.entries(1, 1));
    EXPECT_EQ(back, original);
    EXPECT_EQ(back.lines(), lines);
}
