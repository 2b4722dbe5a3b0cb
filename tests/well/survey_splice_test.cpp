// An edit of the station table changes a range of stations in place. Undone by the
// inverse edit, the survey is exactly what it was, its texts and unread lines included;
// and the rules a table checks a typed value with refuse exactly the stations the
// computation's check refuses.
#include "well/computation.h"
#include "well/survey.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Lines as a file gives them: stations with their own text, a few lines that hold none.
well::Survey mixedSurvey(std::mt19937 &random, int count)
{
    StringList lines;
    std::uniform_int_distribution<int> kind(0, 9);
    for (int i = 0; i < count; ++i) {
        if (kind(random) == 0)
            lines.push_back("Kommentar " + std::to_string(i));
        else
            lines.push_back(std::to_string(i * 10) + ".5   1.25  " + std::to_string(i % 360));
    }
    return well::surveyFromLines(lines);
}

} // namespace

TEST(SurveySplice, TheInverseEditGivesTheSurveyBackExactly)
{
    std::mt19937 random(20261210);
    for (int round = 0; round < 300; ++round) {
        const well::Survey before = mixedSurvey(random, 1 + round % 23);
        well::Survey survey = before;
        const std::size_t n = survey.size();
        std::uniform_int_distribution<std::size_t> pick(0, n);
        const std::size_t first = pick(random);
        const std::size_t count = std::uniform_int_distribution<std::size_t>(0, n - first)(random);
        std::vector<well::StationEntry> entries(
            std::uniform_int_distribution<std::size_t>(0, 4)(random));
        for (std::size_t k = 0; k < entries.size(); ++k)
            entries[k].station = { 1000.0 + double(k), 2.5, 45.0 };
        const std::vector<well::StationEntry> removed = survey.entries(first, count);
        survey.splice(first, count, entries);

        ASSERT_EQ(survey.size(), n - count + entries.size());
        for (std::size_t k = 0; k < entries.size(); ++k)
            EXPECT_EQ(survey.stations()[first + k], entries[k].station);
        // The stations after the range keep their text and order.
        for (std::size_t i = first + count; i < n; ++i)
            EXPECT_EQ(survey.text(i - count + entries.size()), before.text(i));
        // Each unread line still stands among the same stations, or at the edited range.
        EXPECT_EQ(survey.unreadLines().size(), before.unreadLines().size());

        const std::vector<well::UnreadLine> unreadAfter = survey.unreadLines();
        survey.splice(first, entries.size(), removed);
        survey.setUnreadLines(before.unreadLines());
        EXPECT_EQ(survey.lines(), before.lines()) << "round " << round;
        // An overwrite of the same number of stations moves no unread line at all.
        if (count == entries.size()) {
            EXPECT_EQ(unreadAfter, before.unreadLines());
        }
    }
}

TEST(SurveySplice, AStationWithoutTextIsWrittenFromItsNumbersAmongTextsKept)
{
    well::Survey survey = well::surveyFromLines({ "0 0 0", "10.0 1 2", "20.000 2 4" });
    survey.splice(1, 1, { { { 12.5, 3, 6 }, {} } });
    // A neighbour's text stays as typed (its three zeros included); the edited station
    // is written from its numbers and reads back as the same station.
    EXPECT_EQ(survey.lines(), (StringList { "0 0 0", well::stationText({ 12.5, 3, 6 }), "20.000 2 4" }));
}

// For random stations, the first station the check refuses is the first that one of the
// single rules refuses against the station before it.
TEST(StationRules, RefuseExactlyWhatTheCheckRefuses)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> step(-5, 40), angle(-20, 380);
    for (int round = 0; round < 2000; ++round) {
        well::Survey survey;
        double md = std::uniform_real_distribution<double>(-2, 5)(random);
        const int count = 1 + round % 12;
        for (int i = 0; i < count; ++i) {
            // Mostly valid values, so that refusals come at every position.
            const bool wild = random() % 6 == 0;
            survey.add({ md, wild ? angle(random) : 10.0, wild ? angle(random) : 200.0 });
            md += step(random);
        }
        const std::vector<well::Station> &s = survey.stations();
        int firstRefused = -1;
        for (int i = 0; i < count && firstRefused < 0; ++i) {
            const bool accepted = (i > 0 || well::firstDepthAccepted(s[0].md))
                && well::inclinationAccepted(s[i].inclination)
                && well::azimuthAccepted(s[i].azimuth)
                && (i == 0 || well::depthRises(s[i - 1].md, s[i].md));
            if (!accepted)
                firstRefused = i;
        }
        const well::CheckedSurvey checked = well::checkSurvey(survey);
        EXPECT_EQ(checked.clean, firstRefused < 0) << "round " << round;
        if (firstRefused >= 0) {
            // Every station before the refused one was taken, with the surface station in
            // front of a first station below it; nothing after a first depth above it.
            const bool shifted = well::depthRises(0.0, s[0].md);
            const std::size_t expected = !well::firstDepthAccepted(s[0].md)
                ? 0u
                : std::size_t(firstRefused) + (shifted ? 1u : 0u);
            EXPECT_EQ(checked.stations.size(), expected) << "round " << round;
        }
    }
}
