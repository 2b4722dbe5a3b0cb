// The station list's line operations, the selection a list box would keep, and the
// list's collation. The editor asks nothing itself: leaving the edit line gives a
// message or a question, and the answer comes back through zeileAnswer. These tests
// used a scripted prompter for that before; they now read the prompt the editor returns
// and answer it as the dialog does.
#include "input/lineeditor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

using Kind = LinePrompt::Kind;

// Leaves the edit line as the dialog does: the first step, then `answer` to its
// question, if it asks one. Returns what the user was shown.
LinePrompt leaveEditLine(LineEditor &editor, bool answer)
{
    const LinePrompt prompt = editor.zeileKillFocus();
    if (prompt.isQuestion())
        editor.zeileAnswer(prompt, answer);
    return prompt;
}

// The depth a station line begins with, as %g writes it.
std::string cfmtDepth(const std::string &line)
{
    char text[32];
    std::snprintf(text, sizeof text, "Die Teufe %g", std::stod(line));
    return text;
}

const std::string kTooLittle = "Die Zeile enthält zu wenig Daten";
const std::string kSelectFirst
    = "Es ist keine Zeile markiert.\nBitte zuerst eine Zeile der Liste markieren.";

// Station lines in the free layout, given out of depth order as a file would after a
// thinning-free read of an unsorted file.
LineEditor openedEditor()
{
    LineEditor editor;
    editor.m_Eingabe = { "  300.00     3.00    30.00", "  100.00     1.00    10.00",
        "  200.00     2.00    20.00", "  400.00     4.00    40.00" };
    editor.m_Info = { "Info 1", "Info 2" };
    editor.m_Name = "Bohrung";
    editor.m_Format = 1;
    editor.m_Ansicht = 0;
    editor.m_bGeaendert = 1;
    editor.m_Datenauswahl = 3;
    editor.m_ZeilenModus = 2;
    editor.initDialog();
    return editor;
}

const StringList kSorted { "  100.00     1.00    10.00", "  200.00     2.00    20.00",
    "  300.00     3.00    30.00", "  400.00     4.00    40.00" };

TEST(LineEditorInit, FillsTheListsAndResetsTheChoices)
{
    const LineEditor editor = openedEditor();
    EXPECT_EQ(editor.m_ListEingabe, kSorted);
    EXPECT_EQ(editor.m_Eingabe[0], "  300.00     3.00    30.00") << "file order until an edit";
    EXPECT_EQ(editor.m_ListInfo, (StringList { "Info 1", "Info 2" }));
    EXPECT_EQ(editor.m_Anzahl, 4);
    EXPECT_EQ(editor.m_ZeilenModus, 0);
    EXPECT_EQ(editor.m_Datenauswahl, 0);
    EXPECT_EQ(editor.m_bGeaendert, 0);
    EXPECT_EQ(editor.m_Markiert, -1);
}

TEST(LineEditorDoubleClick, TakesTheEntryIntoTheEditLine)
{
    LineEditor editor = openedEditor();
    editor.zeileDblClk(2);
    EXPECT_EQ(editor.m_Zeile, kSorted[2]);
    EXPECT_EQ(editor.m_Status, "3.Zeile ausgewählt");
    EXPECT_EQ(editor.m_Markiert, 2);

    // Leaving the edit line in the default mode asks to change that line.
    const LinePrompt prompt = leaveEditLine(editor, false);
    EXPECT_EQ(prompt.kind, Kind::Question);
    EXPECT_EQ(prompt.text, "Soll diese Zeile geändert werden?\n" + kSorted[2]);
}

TEST(LineEditorDoubleClick, BesideTheEntriesChangesNothing)
{
    LineEditor editor = openedEditor();
    for (int index : { -1, 4, 100 }) {
        editor.zeileDblClk(index);
        EXPECT_EQ(editor.m_Markiert, -1);
        EXPECT_EQ(editor.m_Zeile, "");
    }
}

TEST(LineEditorKillFocus, AnEditLineWithoutThreeNumbersDoesNothing)
{
    for (const std::string line : { "", " ", "150 1", "150 nan 2", "a b c" }) {
        for (int mode = 0; mode < 4; ++mode) {
            LineEditor editor = openedEditor();
            editor.m_ZeilenModus = mode;
            editor.m_Markiert = 1;
            editor.m_Zeile = line;
            const LinePrompt prompt = leaveEditLine(editor, true);
            EXPECT_EQ(prompt.kind, Kind::Message);
            EXPECT_EQ(prompt.text, kTooLittle);
            EXPECT_EQ(editor.m_ListEingabe, kSorted);
            EXPECT_EQ(editor.m_Eingabe[0], "  300.00     3.00    30.00") << "not rebuilt";
            EXPECT_EQ(editor.m_bGeaendert, 0);
        }
    }
}

struct ModeCase
{
    const char *name;
    int mode;
    int selected;
    std::string line;
    std::string question; // without the line
    StringList listAfterYes;
    std::string status;
    int selectedAfterYes;
};

class LineEditorMode : public ::testing::TestWithParam<ModeCase>
{
};

TEST_P(LineEditorMode, YesCarriesOutTheOperation)
{
    const ModeCase &c = GetParam();
    LineEditor editor = openedEditor();
    editor.m_ZeilenModus = c.mode;
    editor.m_Markiert = c.selected;
    editor.m_Zeile = c.line;
    const LinePrompt prompt = leaveEditLine(editor, true);

    EXPECT_EQ(prompt.kind, Kind::Question);
    EXPECT_EQ(prompt.text, c.question + c.line);
    EXPECT_EQ(editor.m_ListEingabe, c.listAfterYes);
    EXPECT_EQ(editor.m_Eingabe, c.listAfterYes);
    EXPECT_EQ(editor.m_Status, c.status);
    EXPECT_EQ(editor.m_bGeaendert, 1);
    EXPECT_EQ(editor.m_Markiert, c.selectedAfterYes);
    EXPECT_EQ(editor.m_Anzahl, static_cast<int>(c.listAfterYes.size()));
}

TEST_P(LineEditorMode, NoLeavesTheListButTheStationLinesFollowIt)
{
    const ModeCase &c = GetParam();
    LineEditor editor = openedEditor();
    editor.m_ZeilenModus = c.mode;
    editor.m_Markiert = c.selected;
    editor.m_Zeile = c.line;
    editor.m_Status = "vorher";
    const LinePrompt prompt = leaveEditLine(editor, false);

    EXPECT_EQ(prompt.kind, Kind::Question);
    EXPECT_EQ(editor.m_ListEingabe, kSorted);
    EXPECT_EQ(editor.m_Eingabe, kSorted) << "rebuilt from the list whatever the answer";
    EXPECT_EQ(editor.m_Status, "vorher");
    EXPECT_EQ(editor.m_bGeaendert, 0);
    EXPECT_EQ(editor.m_Markiert, c.selected);
}

const std::string kNew = "  250.00     2.50    25.00";

INSTANTIATE_TEST_SUITE_P(Modes, LineEditorMode,
    ::testing::Values(
        // A changed line moves to the place of its depth (it used to stay at its index
        // and break the depth order); the status names the line that was changed.
        ModeCase { "Change", 0, 2, "  999.00 1 1", "Soll diese Zeile geändert werden?\n",
            { kSorted[0], kSorted[1], kSorted[3], "  999.00 1 1" }, "3.Zeile wurde geändert", -1 },
        ModeCase { "AppendBeforeTheSelection", 1, 2, kNew, "Soll diese Zeile angehängt werden?\n",
            { kSorted[0], kSorted[1], kNew, kSorted[2], kSorted[3] }, "5.Zeile angehängt", 3 },
        ModeCase { "AppendAfterTheSelection", 1, 0, kNew, "Soll diese Zeile angehängt werden?\n",
            { kSorted[0], kSorted[1], kNew, kSorted[2], kSorted[3] }, "5.Zeile angehängt", 0 },
        ModeCase { "AppendWithoutSelection", 1, -1, kNew, "Soll diese Zeile angehängt werden?\n",
            { kSorted[0], kSorted[1], kNew, kSorted[2], kSorted[3] }, "5.Zeile angehängt", -1 },
        // A line typed without leading blanks sorts by its depth too (it used to go after
        // every entry with leading blanks).
        ModeCase { "AppendUnaligned", 1, -1, "150 1 2", "Soll diese Zeile angehängt werden?\n",
            { kSorted[0], "150 1 2", kSorted[1], kSorted[2], kSorted[3] }, "5.Zeile angehängt",
            -1 },
        // An inserted line lands at the place of its depth, not before the selection
        // (which it used to); the status names the place, the selection stays on its entry.
        ModeCase { "Insert", 2, 1, "7 7 7",
            "Soll diese Zeile vor der markarkierten eingefügt werden?\n",
            { "7 7 7", kSorted[0], kSorted[1], kSorted[2], kSorted[3] }, "1.Zeile eingefügt", 2 },
        ModeCase { "InsertAfterTheSelection", 2, 1, "  350.00 3.5 35",
            "Soll diese Zeile vor der markarkierten eingefügt werden?\n",
            { kSorted[0], kSorted[1], kSorted[2], "  350.00 3.5 35", kSorted[3] },
            "4.Zeile eingefügt", 1 },
        // Deleting removes the selected entry, not the one equal to the edit line.
        ModeCase { "Delete", 3, 3, kSorted[0], "Soll diese Zeile wirklich gelöscht werden?\n",
            { kSorted[0], kSorted[1], kSorted[2] }, "4.Zeile gelöscht", -1 }),
    [](const auto &info) { return std::string(info.param.name); });

struct NoSelectionCase
{
    const char *name;
    int mode;
    bool tellsToSelect;
};

class LineEditorWithoutSelection : public ::testing::TestWithParam<NoSelectionCase>
{
};

TEST_P(LineEditorWithoutSelection, AsksNothingAndChangesNoEntry)
{
    LineEditor editor = openedEditor();
    editor.m_ZeilenModus = GetParam().mode;
    editor.m_Markiert = -1;
    editor.m_Zeile = kNew;
    const LinePrompt prompt = leaveEditLine(editor, true);

    if (GetParam().tellsToSelect) {
        EXPECT_EQ(prompt.kind, Kind::Message);
        EXPECT_EQ(prompt.text, kSelectFirst);
    } else {
        EXPECT_EQ(prompt.kind, Kind::None);
    }
    EXPECT_EQ(editor.m_ListEingabe, kSorted);
    EXPECT_EQ(editor.m_Eingabe, kSorted);
    EXPECT_EQ(editor.m_bGeaendert, 0);
    EXPECT_EQ(editor.m_Markiert, -1);
}

INSTANTIATE_TEST_SUITE_P(Modes, LineEditorWithoutSelection,
    ::testing::Values(NoSelectionCase { "Change", 0, false }, NoSelectionCase { "Insert", 2, true },
        NoSelectionCase { "Delete", 3, true }, NoSelectionCase { "NoMode", -1, false }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LineEditorKillFocus, ASelectionBeyondTheListCountsAsNone)
{
    LineEditor editor = openedEditor();
    editor.m_ZeilenModus = 3;
    editor.m_Markiert = 4;
    editor.m_Zeile = kNew;
    const LinePrompt prompt = leaveEditLine(editor, true);
    EXPECT_TRUE(prompt.isMessage());
    EXPECT_EQ(prompt.text, kSelectFirst);
    EXPECT_EQ(editor.m_ListEingabe, kSorted);
}

TEST(LineEditorKillFocus, TheSelectionFollowsItsEntryThroughSeveralOperations)
{
    LineEditor editor = openedEditor();
    editor.zeileDblClk(1); // 200 m
    editor.m_ZeilenModus = 1;
    for (const std::string line : { "   50.00 0.5 5", "  500.00 5 50", "  150.00 1.5 15" }) {
        editor.m_Zeile = line;
        leaveEditLine(editor, true);
    }
    ASSERT_EQ(editor.m_Markiert, 3);
    EXPECT_EQ(editor.m_ListEingabe[3], kSorted[1]);
    editor.m_ZeilenModus = 2;
    editor.m_Zeile = "  175.00 1.75 17.5";
    leaveEditLine(editor, true);
    EXPECT_EQ(editor.m_ListEingabe[editor.m_Markiert], kSorted[1]);
    EXPECT_EQ(editor.m_ListEingabe[3], "  175.00 1.75 17.5");
}

TEST(LineEditorSort, IgnoresCaseAndPutsABlankBeforeADigit)
{
    // Between lines that begin with different numbers the number decides now (" 9"
    // used to sort before "1"); the text order decides for equal numbers.
    EXPECT_TRUE(LineEditor::sortsBefore(" 9 1", "9 1"));
    EXPECT_FALSE(LineEditor::sortsBefore("9 1", " 9 1"));
    EXPECT_TRUE(LineEditor::sortsBefore("abc", "ABD"));
    EXPECT_TRUE(LineEditor::sortsBefore("ABC", "abd"));
    EXPECT_FALSE(LineEditor::sortsBefore("abc", "ABC"));
    EXPECT_FALSE(LineEditor::sortsBefore("ABC", "abc"));
    EXPECT_TRUE(LineEditor::sortsBefore("äx", "Äy")) << "the accented letters too";
    // Other characters in the order of their bytes in the document file, where the euro
    // sign (0x80) comes before the letters; characters the file cannot hold come last.
    EXPECT_TRUE(LineEditor::sortsBefore("x€", "xä"));
    EXPECT_TRUE(LineEditor::sortsBefore("Ÿ", "Ł"));
    EXPECT_FALSE(LineEditor::sortsBefore("ÿ", "Ÿ"));
    EXPECT_TRUE(LineEditor::sortsBefore("ab", "abc"));
    EXPECT_FALSE(LineEditor::sortsBefore("", ""));
}

TEST(LineEditorSort, LinesOfOneLayoutComeOutInAscendingDepth)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> centimetres(0, 9999999);
    LineEditor editor;
    std::vector<int> depths;
    for (int i = 0; i < 300; ++i) {
        const int d = centimetres(random);
        depths.push_back(d);
        // The free layout: depth right-aligned in eight places with two decimals.
        std::string text
            = std::to_string(d / 100) + "." + std::to_string(d % 100 / 10) + std::to_string(d % 10);
        text.insert(0, 8 - text.size(), ' ');
        editor.addSorted(text + "     1.00     2.00");
    }
    std::sort(depths.begin(), depths.end());
    ASSERT_EQ(editor.m_ListEingabe.size(), depths.size());
    for (size_t i = 0; i < depths.size(); ++i) {
        const std::string &entry = editor.m_ListEingabe[i];
        const int d = std::stoi(entry.substr(0, 5)) * 100 + std::stoi(entry.substr(6, 2));
        EXPECT_EQ(d, depths[i]) << "entry " << i;
    }
}

TEST(LineEditorSort, AddSortedReturnsTheIndexAndPlacesEqualEntriesAfterwards)
{
    LineEditor editor;
    EXPECT_EQ(editor.addSorted("b"), 0);
    EXPECT_EQ(editor.addSorted("a"), 0);
    EXPECT_EQ(editor.addSorted("c"), 2);
    EXPECT_EQ(editor.addSorted("B"), 2) << "after the equal entry b";
    EXPECT_EQ(editor.m_ListEingabe, (StringList { "a", "b", "B", "c" }));
}

TEST(LineEditorSort, ReaderLinesKeepTheTextOrderAndOtherLinesJoinByNumber)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> centimetres(0, 9999999);
    std::uniform_int_distribution<int> pick(0, 4);
    StringList readerLines, mixed;
    for (int i = 0; i < 400; ++i) {
        const double depth = centimetres(random) / 100.0;
        char line[64];
        // The layouts the readers write: free and ATK, and WEG with single blanks.
        std::snprintf(line, sizeof line,
            pick(random) < 2 ? "%8.2f  %7.2f  %7.2f" : "%8.2f %7.2f %7.2f", depth,
            1.0 * pick(random), 2.0);
        readerLines.push_back(line);
        if (i % 5 == 0)
            readerLines.push_back(line); // equal entries
    }
    // For them the order is the plain byte order they always had.
    StringList expected = readerLines;
    std::stable_sort(expected.begin(), expected.end());
    LineEditor editor;
    editor.m_Eingabe = readerLines;
    editor.initDialog();
    EXPECT_EQ(editor.m_ListEingabe, expected);

    // Typed lines without padding and lines without a number join them.
    mixed = readerLines;
    for (const std::string line :
        { "50 1 2", "Zeile", "150.5 1 2", "+7e2 1 1", "abc 1 2", "-3 0 0", "nan 1 2", " 0 0 0" })
        mixed.push_back(line);
    editor.m_Eingabe = mixed;
    editor.initDialog();
    const StringList &list = editor.m_ListEingabe;
    ASSERT_EQ(list.size(), mixed.size());
    const size_t numbered = mixed.size() - 3;
    for (size_t i = 1; i < numbered; ++i)
        EXPECT_LE(std::stod(list[i - 1]), std::stod(list[i])) << list[i - 1] << " / " << list[i];
    EXPECT_EQ(StringList(list.begin() + numbered, list.end()),
        (StringList { "abc 1 2", "nan 1 2", "Zeile" }));
}

struct CommaCase
{
    std::string typed;
    bool accepted;
    std::string taken; // the line afterwards
};

TEST(LineEditorCommas, DecimalCommasBecomePointsAndAmbiguousOnesAreRefused)
{
    const CommaCase cases[] = {
        { "12,5 1,25 270", true, "12.5 1.25 270" },
        { "  -0,5e3\t1,0 +2,75E-1", true, "  -0.5e3\t1.0 +2.75E-1" },
        { "100.5 2 45", true, "100.5 2 45" },
        // Only the three values count: a comment after them keeps its commas.
        { "100 2 3,5 Teil 1,5,6", true, "100 2 3.5 Teil 1,5,6" },
        // Words that are no numbers are left for the check for three numbers.
        { "Bohrung A, Teil 2", true, "Bohrung A, Teil 2" },
        { "12,5,270 1 2", false, "" },
        { "12, 5, 270", false, "" },
        { "1.000,5 1 2", false, "" },
        { "12 1,5e 3", false, "" },
        { "-,5 1 2", false, "" },
    };
    for (const CommaCase &c : cases) {
        std::string line = c.typed;
        EXPECT_EQ(LineEditor::takeDecimalCommas(line), c.accepted) << c.typed;
        EXPECT_EQ(line, c.accepted ? c.taken : c.typed);
    }
}

TEST(LineEditorTyping, AmbiguousCommasAreRefusedAndChangeNothing)
{
    LineEditor editor = openedEditor();
    editor.m_ZeilenModus = 1;
    editor.m_Zeile = "150,5,1 2 3";
    const LinePrompt prompt = leaveEditLine(editor, true);
    EXPECT_EQ(prompt.kind, Kind::Message);
    EXPECT_EQ(prompt.text,
        std::string { "Die Kommas dieser Zeile sind nicht eindeutig:\n150,5,1 2 3\nBitte die drei "
                      "Werte durch Leerzeichen trennen und Dezimalzahlen mit einem Komma oder "
                      "einem Punkt schreiben (12,5 oder 12.5)." });
    EXPECT_EQ(editor.m_ListEingabe, kSorted);
    EXPECT_EQ(editor.m_bGeaendert, 0);
}

// A line of the kinds the station list meets: reader layouts, typed lines, equal
// depths written differently, signs and exponents, lines without a number, letters in
// both cases and blanks in front.
std::string randomLine(std::mt19937 &random)
{
    std::uniform_int_distribution<int> kind(0, 7), small(0, 30), blanks(0, 3);
    const int depth = small(random) * 10; // few distinct depths: many equal numbers
    char text[64];
    switch (kind(random)) {
    case 0:
        std::snprintf(text, sizeof text, "%8.2f  %7.2f  %7.2f", depth / 1.0, 1.0, 2.0);
        break;
    case 1:
        std::snprintf(text, sizeof text, "%8.2f %7.2f %7.2f", depth / 1.0, 1.0, 2.0);
        break;
    case 2:
        std::snprintf(text, sizeof text, "%d %d %d", depth, small(random), small(random));
        break;
    case 3:
        std::snprintf(text, sizeof text, "%de0 1 %d", depth, small(random));
        break;
    case 4:
        std::snprintf(text, sizeof text, "%s%d.0 1 1", depth % 20 ? "+" : "-", depth);
        break;
    case 5:
        std::snprintf(text, sizeof text, "%s 1 2", small(random) % 2 ? "abc" : "ABC");
        break;
    case 6:
        std::snprintf(text, sizeof text, "Zeile %d", small(random) % 3);
        break;
    default:
        text[0] = '\0';
        break;
    }
    return std::string(static_cast<size_t>(blanks(random)), ' ') + text;
}

TEST(LineEditorSort, SortingOnceGivesTheListThatAddingOneByOneBuilds)
{
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> size(0, 200);
    for (int round = 0; round < 200; ++round) {
        StringList lines(static_cast<size_t>(size(random)));
        for (std::string &line : lines)
            line = randomLine(random);

        LineEditor byInsertion;
        for (const std::string &line : lines)
            byInsertion.addSorted(line);

        StringList sorted = lines;
        LineEditor::sortLines(sorted);
        ASSERT_EQ(sorted, byInsertion.m_ListEingabe) << "round " << round;

        LineEditor opened;
        opened.m_Eingabe = lines;
        opened.initDialog();
        ASSERT_EQ(opened.m_ListEingabe, byInsertion.m_ListEingabe) << "round " << round;

        // Many lines added at once to a list that holds some already.
        const auto half = lines.begin() + static_cast<std::ptrdiff_t>(lines.size() / 2);
        LineEditor merged;
        for (auto it = lines.begin(); it != half; ++it)
            merged.addSorted(*it);
        merged.addSorted(StringList(half, lines.end()));
        ASSERT_EQ(merged.m_ListEingabe, byInsertion.m_ListEingabe) << "round " << round;
    }
}

// Between the two steps the dialog shows the question in a modal box: nothing has
// happened yet, and what Yes carries out is what was asked, even if the members have
// been touched meanwhile.
TEST(LineEditorTwoSteps, OnlyYesCarriesOutTheOperationThatWasAsked)
{
    for (int mode = 0; mode < 4; ++mode) {
        LineEditor asked = openedEditor();
        asked.m_ZeilenModus = mode;
        asked.m_Markiert = 1;
        asked.m_Zeile = "150,5 1 2";
        const LinePrompt question = asked.zeileKillFocus();
        ASSERT_TRUE(question.isQuestion()) << mode;
        EXPECT_EQ(asked.m_ListEingabe, kSorted) << "nothing done before the answer";
        EXPECT_EQ(asked.m_bGeaendert, 0);
        EXPECT_EQ(asked.m_Zeile, "150.5 1 2") << "the question shows the line as taken";

        LineEditor no = asked;
        no.zeileAnswer(question, false);
        EXPECT_EQ(no.m_ListEingabe, kSorted);
        EXPECT_EQ(no.m_Eingabe, kSorted);
        EXPECT_EQ(no.m_bGeaendert, 0);
        EXPECT_EQ(no.m_Markiert, 1);

        LineEditor yes = asked;
        yes.zeileAnswer(question, true);
        EXPECT_EQ(yes.m_bGeaendert, 1);
        EXPECT_EQ(yes.m_Eingabe, yes.m_ListEingabe);
        const size_t expectedSize = mode == 0 ? 4 : mode == 3 ? 3 : 5;
        EXPECT_EQ(yes.m_ListEingabe.size(), expectedSize) << mode;
        const bool removesSelected = mode == 0 || mode == 3;
        EXPECT_EQ(std::count(yes.m_ListEingabe.begin(), yes.m_ListEingabe.end(), kSorted[1]),
            removesSelected ? 0 : 1)
            << mode;
        EXPECT_EQ(std::count(yes.m_ListEingabe.begin(), yes.m_ListEingabe.end(), "150.5 1 2"),
            mode == 3 ? 0 : 1)
            << mode;

        // Members touched while the box was open change nothing of what Yes does.
        LineEditor touched = asked;
        touched.m_ZeilenModus = (mode + 1) % 4;
        touched.m_Zeile = "999 9 9";
        touched.m_Markiert = 3;
        touched.zeileAnswer(question, true);
        EXPECT_EQ(touched.m_ListEingabe, yes.m_ListEingabe) << mode;
        EXPECT_EQ(touched.m_Status, yes.m_Status) << mode;

        // A question asked of a list that has since lost the entry does nothing.
        LineEditor shorter = asked;
        shorter.m_ListEingabe.resize(1);
        const StringList kept = shorter.m_ListEingabe;
        shorter.zeileAnswer(question, true);
        EXPECT_EQ(shorter.m_ListEingabe, kept) << mode;
    }

    // A message is no question: answering it changes nothing.
    LineEditor editor = openedEditor();
    editor.m_ZeilenModus = 1;
    editor.m_Zeile = "zu wenig";
    const LinePrompt refused = editor.zeileKillFocus();
    ASSERT_TRUE(refused.isMessage());
    editor.zeileAnswer(refused, true);
    EXPECT_EQ(editor.m_ListEingabe, kSorted);
    EXPECT_EQ(editor.m_bGeaendert, 0);
}

} // namespace

// A line whose depth another station line has would stop the computation at that
// station after OK; it is refused where it is typed, naming the depth and the line.
// (Insert used to accept it, and the table and the graph then ended at that depth.)
TEST(LineEditorDepths, ALineAtADepthTheListHoldsIsRefusedInEveryMode)
{
    struct Case
    {
        int mode, selected;
        std::string line;
        int clashesWith; // counted from 1
    };
    for (const Case &c : { Case { 2, 3, "200 9 9", 2 }, Case { 1, -1, "  300.0  1 1", 3 },
             Case { 0, 0, "400,00 4 40", 4 }, Case { 2, 0, "100.000001 1 1", 1 } }) {
        SCOPED_TRACE(c.line);
        LineEditor editor = openedEditor();
        editor.m_ZeilenModus = c.mode;
        editor.m_Markiert = c.selected;
        editor.m_Zeile = c.line;
        const LinePrompt prompt = leaveEditLine(editor, true);
        ASSERT_TRUE(prompt.isMessage());
        const std::string &other = kSorted[static_cast<size_t>(c.clashesWith - 1)];
        EXPECT_NE(prompt.text.find(cfmtDepth(other) + " steigt nicht an: die "
                      + std::to_string(c.clashesWith) + ".Zeile"),
            std::string::npos)
            << prompt.text;
        EXPECT_NE(prompt.text.find(other), std::string::npos);
        EXPECT_EQ(editor.m_ListEingabe, kSorted);
        EXPECT_EQ(editor.m_bGeaendert, 0);
        EXPECT_EQ(editor.m_Platziert, -1);
    }

    // A line may keep its own depth when it is changed, and a depth between two
    // stations is taken; the list reports where it landed.
    LineEditor editor = openedEditor();
    editor.m_ZeilenModus = 0;
    editor.m_Markiert = 1;
    editor.m_Zeile = "200 2.5 20";
    EXPECT_TRUE(leaveEditLine(editor, true).isQuestion());
    EXPECT_EQ(editor.m_ListEingabe[1], "200 2.5 20");
    EXPECT_EQ(editor.m_Platziert, 1);
    editor.m_ZeilenModus = 1;
    editor.m_Zeile = "350 3.5 35";
    EXPECT_TRUE(leaveEditLine(editor, true).isQuestion());
    EXPECT_EQ(editor.m_Platziert, 3);
    EXPECT_EQ(editor.m_ListEingabe[3], "350 3.5 35");
    // Deleting a line is no new depth.
    editor.m_ZeilenModus = 3;
    editor.m_Markiert = 0;
    editor.m_Zeile = kSorted[0];
    EXPECT_TRUE(leaveEditLine(editor, true).isQuestion());
    EXPECT_EQ(editor.m_ListEingabe.size(), 4u);
}

TEST(LineEditorInfo, DescriptiveLinesAreAddedChangedAndDeletedInTheList)
{
    LineEditor editor = openedEditor();
    editor.infoAppend("Azimut bezogen auf Gitternord");
    editor.infoAppend("   "); // nothing but blanks adds nothing
    EXPECT_EQ(editor.m_Info, (StringList { "Info 1", "Info 2", "Azimut bezogen auf Gitternord" }));
    EXPECT_TRUE(editor.infoChange(0, "Kreiselmessung vom 1.2.2003"));
    EXPECT_TRUE(editor.infoDelete(1));
    EXPECT_EQ(editor.m_Info,
        (StringList { "Kreiselmessung vom 1.2.2003", "Azimut bezogen auf Gitternord" }));
    EXPECT_TRUE(editor.infoChange(1, "")); // emptied: the line goes
    EXPECT_EQ(editor.m_Info, StringList { "Kreiselmessung vom 1.2.2003" });
    for (int index : { -1, 1, 7 }) {
        EXPECT_FALSE(editor.infoChange(index, "x"));
        EXPECT_FALSE(editor.infoDelete(index));
    }
    EXPECT_EQ(editor.m_ListInfo, editor.m_Info);
    EXPECT_EQ(editor.m_ListEingabe, kSorted) << "the stations are not touched";
}
