// The survey program's form: runs through their rows and back, faults that name the row as
// the form numbers it and the field, and the chooser's search, checked against the library
// as it is built (the codes and long names are read from it here).
#include "geo/programform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

// The first codes of the library that it can compute, in its order.
std::vector<std::string> computableCodes(std::size_t count)
{
    std::vector<std::string> codes;
    for (const toollib::Tool &t : toollib::library()) {
        if (codes.size() < count && toollib::modelFor(t).model)
            codes.emplace_back(t.code);
    }
    return codes;
}

bool containsAnyCase(std::string_view text, std::string_view piece)
{
    return std::search(text.begin(), text.end(), piece.begin(), piece.end(), [](char a, char b) {
        return std::tolower(a) == std::tolower(b);
    }) != text.end();
}

} // namespace

TEST(ProgramForm, RunsComeBackFromTheirRows)
{
    const std::vector<std::string> codes = computableCodes(2);
    ASSERT_EQ(codes.size(), 2u);
    const std::vector<SurveyRun> program = {
        { 0, 512.25, codes[0], "Lauf 1 – Kreiselmessung", CalendarDate { 2025, 3, 14 } },
        { 512.25, 1800.125, codes[1], "", std::nullopt },
        { 1800.125, std::nullopt, codes[0], "Endlauf", CalendarDate { 2024, 2, 29 } },
    };
    std::vector<geo::ProgramRow> rows = geo::programRows(program);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].toMd, "512,25");
    EXPECT_EQ(rows[0].date, "14.03.2025");
    EXPECT_TRUE(rows[2].toMd.empty());
    std::vector<SurveyRun> back;
    std::string fault;
    ASSERT_TRUE(geo::programFromRows(rows, back, fault)) << fault;
    EXPECT_EQ(back, program);

    // As a user types it: points for commas, blank rows between, the code in other case
    // or as the chooser shows it, the day in ISO form.
    rows[1].fromMd = " 512.25 ";
    rows[1].toMd = "1800.125";
    std::string lower = codes[1];
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    rows[1].tool = lower;
    rows[0].tool = geo::choiceText(*toollib::find(codes[0]));
    rows[2].date = "2024-02-29";
    rows.insert(rows.begin() + 1, geo::ProgramRow { " ", "", "", "  ", "" });
    rows.push_back({});
    back.clear();
    ASSERT_TRUE(geo::programFromRows(rows, back, fault)) << fault;
    EXPECT_EQ(back, program);

    // Nothing typed: no program.
    ASSERT_TRUE(geo::programFromRows({ {}, {} }, back, fault));
    EXPECT_TRUE(back.empty());
}

TEST(ProgramForm, FaultsNameTheRowAndFieldAndKeepTheProgram)
{
    const std::string code = computableCodes(1).at(0);
    const geo::ProgramRow blank;
    struct Case
    {
        std::vector<geo::ProgramRow> rows;
        std::string named; // the row and field the fault must name
        std::string also; // and what else it must say
    };
    const std::vector<Case> cases = {
        { { { "0", "100", code, "", "" }, blank, { "1OO", "200", code, "", "" } },
            "Abschnitt 3, Von MD (m)", "1OO" },
        { { { "", "100", code, "", "" } }, "Abschnitt 1, Von MD (m)", "" },
        { { { "100", "100", code, "", "" } }, "Abschnitt 1, Bis MD (m)", "" },
        { { { "0", "100", code, "", "" }, blank, { "150", "", code, "", "" } },
            "Abschnitt 3, Von MD (m)", "100 m" },
        { { { "0", "", code, "", "" }, { "100", "200", code, "", "" } }, "Abschnitt 1, Bis MD (m)",
            "" },
        { { { "0", "", "KEIN-WERKZEUG", "", "" } }, "Abschnitt 1, Werkzeug", "KEIN-WERKZEUG" },
        { { { "0", "", " ", "Lauf", "" } }, "Abschnitt 1, Werkzeug", "" },
        { { { "0", "10", code, "", "" }, { "10", "", code, "", "30.02.2025" } },
            "Abschnitt 2, Datum", "30.02.2025" },
        { { { "0", "", code, std::string(201, 'x'), "" } }, "Abschnitt 1, Lauf", "" },
    };
    for (const Case &c : cases) {
        std::vector<SurveyRun> out = { { 0, std::nullopt, "KEPT", "", std::nullopt } };
        std::string fault;
        EXPECT_FALSE(geo::programFromRows(c.rows, out, fault)) << c.named;
        EXPECT_NE(fault.find(c.named), std::string::npos) << fault;
        EXPECT_NE(fault.find(c.also), std::string::npos) << fault;
        ASSERT_EQ(out.size(), 1u);
        EXPECT_EQ(out[0].tool, "KEPT");
    }

    // A code the library holds but cannot compute is refused with the library's reason.
    for (const toollib::Tool &t : toollib::library()) {
        const toollib::ModelOrRefusal model = toollib::modelFor(t);
        if (!model.refusal)
            continue;
        std::vector<SurveyRun> out;
        std::string fault;
        EXPECT_FALSE(
            geo::programFromRows({ { "0", "", std::string(t.code), "", "" } }, out, fault));
        EXPECT_NE(fault.find("Abschnitt 1, Werkzeug"), std::string::npos) << fault;
        EXPECT_NE(fault.find(model.refusal->message), std::string::npos) << fault;
        break;
    }
}

TEST(ProgramForm, SearchFindsCodesByPartsOfTheirNames)
{
    const toollib::Tool *gyro = toollib::find("GYRO-NS");
    ASSERT_NE(gyro, nullptr);
    // The longest word of its long name, in other case, finds it.
    std::string word, current;
    for (char c : std::string(gyro->longName) + " ") {
        if (std::isalpha(static_cast<unsigned char>(c))) {
            current += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        } else {
            if (current.size() > word.size())
                word = current;
            current.clear();
        }
    }
    ASSERT_GE(word.size(), 4u) << gyro->longName;
    for (const std::string &typed : { word, std::string("gyro-ns"), std::string(" Gyro-NS ") }) {
        const auto found = geo::searchTools(typed);
        EXPECT_NE(std::find(found.begin(), found.end(), gyro), found.end()) << typed;
        // Exactly the tools whose code or long name holds the text.
        std::size_t holding = 0;
        for (const toollib::Tool &t : toollib::library()) {
            const std::string wanted = typed == " Gyro-NS " ? "gyro-ns" : typed;
            const bool holds
                = containsAnyCase(t.code, wanted) || containsAnyCase(t.longName, wanted);
            holding += holds;
            EXPECT_EQ(std::find(found.begin(), found.end(), &t) != found.end(), holds) << t.code;
        }
        EXPECT_EQ(found.size(), holding);
    }
    EXPECT_EQ(geo::searchTools("").size(), toollib::library().size());
    EXPECT_TRUE(geo::searchTools("kein solches werkzeug").empty());
    // The chooser's text gives its code back.
    EXPECT_EQ(geo::codeOfChoice(geo::choiceText(*gyro)), "GYRO-NS");
}
