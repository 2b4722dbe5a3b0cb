// --survey-date as a user gives it: a magnetic survey of a placed well without a typed
// declination is turned by the geomagnetic model's declination for that day, which
// --magnetic-field reports for the same place, and comes out as with that declination
// typed; a typed declination wins; without the date the run says the date is missing and
// turns nothing; a saved document keeps the date and the model's record; and a day the
// calendar lacks is refused as a bad command line.
#include "tests/cli/clitool.h"

#include <algorithm>
#include <filesystem>
#include <regex>

namespace {

using namespace clitest;

const std::string kStations = "0 0 0\n300 0 0\n600 20 40\n900 40 80\n1200 45 100\n1500 50 359\n";
// On the central meridian of UTM zone 32 (9° east) at the latitude cs2cs gives for
// northing 5700000, 100 m up.
const std::string kPlace
    = " --north magnetic --crs EPSG:25832 --wellhead 500000,5700000 --elevation 100";

double firstNumberAfter(const std::string &text, const std::string &label)
{
    const std::size_t at = text.find(label);
    EXPECT_NE(at, std::string::npos) << label << " in\n" << text;
    double value = std::nan("");
    if (at != std::string::npos) {
        const std::size_t start = text.find_first_not_of(' ', at + label.size());
        std::from_chars(text.data() + start, text.data() + text.size(), value);
    }
    return value;
}

// The text of the WITSML element `name`, exactly as written.
std::string elementText(const std::string &xml, const std::string &name)
{
    std::smatch m;
    if (!std::regex_search(xml, m, std::regex("<" + name + " uom=\"[^\"]*\">([^<]*)<")))
        return {};
    return m[1].str();
}

// The CSV's station rows, below the headings.
std::vector<Fields> stationRows(const std::string &csv)
{
    std::vector<Fields> rows = csvLines(csv);
    while (!rows.empty() && rows.front()[0] != "Teufe (m)")
        rows.erase(rows.begin());
    if (!rows.empty())
        rows.erase(rows.begin());
    return rows;
}

// North and east at the end of each interval of a results table: the lines of ten
// numbers.
std::vector<std::pair<double, double>> tableOffsets(const std::string &table)
{
    std::vector<std::pair<double, double>> out;
    std::size_t from = 0;
    for (std::size_t end; (end = table.find('\n', from)) != std::string::npos; from = end + 1) {
        std::string line = table.substr(from, end - from);
        if (line.size() < 12 || line[10] != '-')
            continue;
        line[10] = ' ';
        std::replace(line.begin(), line.end(), ':', ' ');
        std::istringstream words(line);
        std::vector<double> v;
        for (std::string w; words >> w;)
            v.push_back(number(w));
        if (v.size() == 10)
            out.emplace_back(v[6], v[7]);
    }
    return out;
}

using SurveyDateCli = ToolTest;

TEST_F(SurveyDateCli, TheModelsDeclinationTurnsTheSurveyAsIfTyped)
{
    const Result dated
        = run("--stations -" + kPlace + " --survey-date 2025-03-14 --export d.csv --export d.xml",
            kStations);
    ASSERT_EQ(dated.status, 0) << dated.err;
    EXPECT_EQ(dated.err.find("Deklination"), std::string::npos) << dated.err;
    const std::string used = elementText(file("d.xml"), "magDeclUsed");
    ASSERT_FALSE(used.empty());

    // The same number as the model's report for the place and the day.
    const Result field = run("--magnetic-field 51.451182206780,9,100,2025-03-14");
    ASSERT_EQ(field.status, 0) << field.err;
    EXPECT_TRUE(field.out.find("WMM2025") != std::string::npos) << field.out;
    const double reported = firstNumberAfter(field.out, "Deklination:");
    EXPECT_NEAR(number(used), reported, 0.0051);
    EXPECT_GT(std::abs(reported), 1.0) << "a turn that shows in the positions";
    EXPECT_NE(dated.out.find("(WMM2025)"), std::string::npos) << dated.out;

    // Typed by hand, the declination gives the same stations.
    const Result typed
        = run("--stations -" + kPlace + " --declination " + used + " --export t.csv", kStations);
    ASSERT_EQ(typed.status, 0) << typed.err;
    const std::vector<Fields> fromModel = stationRows(file("d.csv")),
                              byHand = stationRows(file("t.csv"));
    ASSERT_EQ(fromModel.size(), 6u);
    EXPECT_EQ(fromModel, byHand);

    // A typed declination wins over the date.
    ASSERT_EQ(
        run("--stations -" + kPlace + " --survey-date 2025-03-14 --declination 1.25 --export w.xml",
            kStations)
            .status,
        0);
    EXPECT_EQ(elementText(file("w.xml"), "magDeclUsed"), "1.25");
}

TEST_F(SurveyDateCli, WithoutTheDateNothingIsTurnedAndTheDateIsNamed)
{
    const Result plain = run("--stations -", kStations);
    ASSERT_EQ(plain.status, 0);
    const Result r = run("--stations -" + kPlace, kStations);
    EXPECT_NE(
        r.err.find("Die Deklination kommt aus dem Magnetfeldmodell, aber das Vermessungsdatum "
                   "fehlt."),
        std::string::npos)
        << r.err;
    const auto unturned = tableOffsets(r.out), measured = tableOffsets(plain.out);
    ASSERT_EQ(unturned.size(), 5u);
    EXPECT_EQ(unturned, measured);
    const Result english = run("--lang en --stations -" + kPlace, kStations);
    EXPECT_NE(english.err.find("survey date"), std::string::npos) << english.err;

    // The error model is refused before anything is written, naming the date.
    const Result model = run("--stations -" + kPlace
            + " --declination 2 --error-model iscwsa-mwd-rev5 "
              "--export e.csv",
        kStations);
    EXPECT_EQ(model.status, 2);
    EXPECT_NE(model.err.find("--survey-date"), std::string::npos) << model.err;
    EXPECT_FALSE(std::filesystem::exists(dir + "/e.csv"));
}

TEST_F(SurveyDateCli, TheSavedDocumentKeepsTheDateAndTheModelsRecord)
{
    ASSERT_EQ(
        run("--stations -" + kPlace + " --survey-date 2025-03-14 --save d.dvn", kStations).status,
        0);
    const std::string saved = file("d.dvn");
    EXPECT_NE(saved.find(R"("surveyDate":"2025-03-14","magneticModel":{"name":"WMM2025",)"),
        std::string::npos);
    // Read back, the document keeps its date: the same turn without the option.
    ASSERT_EQ(run("d.dvn --export again.xml").status, 0) << file("err");
    ASSERT_EQ(
        run("--stations -" + kPlace + " --survey-date 2025-03-14 --export first.xml", kStations)
            .status,
        0);
    EXPECT_EQ(elementText(file("again.xml"), "magDeclUsed"),
        elementText(file("first.xml"), "magDeclUsed"));
    // Another date given for the saved document: the record follows it.
    ASSERT_EQ(run("d.dvn --survey-date 2019-06-30 --save e.dvn").status, 0) << file("err");
    EXPECT_NE(
        file("e.dvn").find(R"("surveyDate":"2019-06-30","magneticModel":{"name":"WMM2015v2",)"),
        std::string::npos);
}

TEST_F(SurveyDateCli, ADayTheCalendarLacksIsABadCommandLine)
{
    for (const char *date : { "2025-02-29", "14.03.2025", "2025-3-14", "" }) {
        const Result r = run(std::string("--stations - --survey-date '") + date + "'", kStations);
        EXPECT_EQ(r.status, 2) << date;
        EXPECT_EQ(r.out, "") << date;
        EXPECT_NE(r.err.find("--survey-date erwartet einen Tag des Kalenders als JJJJ-MM-TT"),
            std::string::npos)
            << date << ": " << r.err;
    }
}

} // namespace
