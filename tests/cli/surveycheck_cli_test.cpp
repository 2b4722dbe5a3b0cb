// The batch tool's survey check: a WITSML survey with one station 500 nT off the
// reference field names that station alone on standard error and in the --survey-check
// listing, and ends with status 0; the readings saved in a document are checked again
// when it is opened; a survey without readings runs as it always did.
#include "tests/cli/clitool.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace clitest;
using SurveyCheckCli = ToolTest;

const std::string kInterference = DRAVON_SOURCE_DIR "/tests/data/surveycheck/interference.xml";

// The lines of standard error that name a station outside the tolerance.
std::vector<std::string> stationLines(const std::string &err)
{
    std::vector<std::string> out;
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);)
        if (line.find("außerhalb der Toleranz") != std::string::npos)
            out.push_back(line);
    return out;
}

} // namespace

TEST_F(SurveyCheckCli, TheDisturbedStationAloneIsSaidAndListedAndTheRunSucceeds)
{
    const Result r = run("'" + kInterference + "' --survey-check check.csv --save saved.dvn");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = stationLines(r.err);
    ASSERT_EQ(lines.size(), 1u) << r.err;
    EXPECT_NE(lines[0].find("450,00 m"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("Abweichung 500 nT"), std::string::npos) << lines[0];
    // The results table on standard output is not mixed with the findings.
    EXPECT_EQ(r.out.find("Toleranz"), std::string::npos);

    const std::vector<Fields> csv = csvLines(file("check.csv"));
    ASSERT_EQ(csv.size(), 6u) << "a heading and the five stations with readings";
    EXPECT_EQ(csv[0].front(), "Teufe (m)");
    int flagged = 0;
    for (std::size_t i = 1; i < csv.size(); ++i) {
        ASSERT_EQ(csv[i].size(), csv[0].size());
        if (csv[i].back() == "ja") {
            ++flagged;
            EXPECT_EQ(number(csv[i][0]), 450.0);
            EXPECT_EQ(number(csv[i][1]), 500.0);
        } else {
            EXPECT_EQ(csv[i].back(), "nein");
            EXPECT_LE(std::abs(number(csv[i][1])), 300.0) << i;
        }
    }
    EXPECT_EQ(flagged, 1);

    // The saved document brings its readings along: opened again, the same finding.
    const Result again = run("saved.dvn --survey-check again.csv");
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(stationLines(again.err), lines);
    EXPECT_EQ(file("again.csv"), file("check.csv"));
}

TEST_F(SurveyCheckCli, ASurveyWithoutReadingsRunsAsBefore)
{
    const Example &e = kExamples[0];
    const Result plain = run(e.input() + " --save plain.dvn");
    ASSERT_EQ(plain.status, 0) << plain.err;
    const Result checked = run(e.input() + " --survey-check check.csv");
    ASSERT_EQ(checked.status, 0) << checked.err;
    EXPECT_EQ(checked.out, plain.out);
    EXPECT_EQ(checked.err, plain.err);
    EXPECT_EQ(csvLines(file("check.csv")).size(), 1u) << "the heading alone";
    EXPECT_EQ(file("plain.dvn").find("fieldReadings"), std::string::npos);

    const Result refused = run(e.input() + " --survey-check check.txt");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--survey-check"), std::string::npos) << refused.err;
}
