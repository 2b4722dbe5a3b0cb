// "Datei einlesen" in the measurement dialog: what the dialog's members hold afterwards
// and what the user is told. The editor returns the messages for the dialog to show
// (it used to show them through a prompter, which these tests scripted).
#include "input/lineeditor.h"
#include "tempfile.h"

#include <gtest/gtest.h>

namespace {

LineEditor editorWithData(int format)
{
    LineEditor editor;
    editor.m_Eingabe = { "  1.00 1 1" };
    editor.m_Info = { "alte Info" };
    editor.m_Name = "alter Name";
    editor.m_Format = format;
    editor.initDialog();
    editor.m_Markiert = 0;
    return editor;
}

TEST(LineEditorFileRead, ReadsStationsInFileOrderAndListsThemSorted)
{
    TempFile file("Bohrung Ost\r\n30 3 3\r\n10 1 1\r\n20 2 2\r\n");
    LineEditor editor = editorWithData(1);
    const StringList messages = editor.fileRead(file.path());

    EXPECT_EQ(messages, StringList { file.path() + " wird geöffnet" });
    EXPECT_EQ(editor.m_Eingabe,
        (StringList { "   30.00     3.00     3.00", "   10.00     1.00     1.00",
            "   20.00     2.00     2.00" }));
    EXPECT_EQ(editor.m_ListEingabe,
        (StringList { "   10.00     1.00     1.00", "   20.00     2.00     2.00",
            "   30.00     3.00     3.00" }));
    EXPECT_EQ(editor.m_Name, "Bohrung Ost");
    EXPECT_EQ(editor.m_Status, "3 Zeilen wurden eingelesen");
    EXPECT_EQ(editor.m_Zeile, " ");
    EXPECT_EQ(editor.m_bGeaendert, 1);
    EXPECT_TRUE(editor.m_Info.empty());
    EXPECT_TRUE(editor.m_ListInfo.empty());
    EXPECT_EQ(editor.m_Markiert, -1);
    EXPECT_EQ(editor.m_Anzahl, 3);
}

TEST(LineEditorFileRead, UsesTheChosenThinning)
{
    std::string bytes = "Name\n";
    for (int k = 1; k <= 12; ++k)
        bytes += std::to_string(10 * k) + " 1 2\n";
    TempFile file(bytes);
    LineEditor editor = editorWithData(1);
    editor.m_Datenauswahl = 2;
    const StringList messages = editor.fileRead(file.path());
    EXPECT_EQ(editor.m_Eingabe,
        (StringList { "   10.00     1.00     2.00", "   50.00     1.00     2.00",
            "  100.00     1.00     2.00" }));
    EXPECT_EQ(editor.m_Status, "3 Zeilen wurden eingelesen");
}

TEST(LineEditorFileRead, AFaultIsShownAfterTheOpeningMessageAndTheNameComesBack)
{
    TempFile file("Bohrung Ost\n10 1 1\n\n30 3 3\n");
    LineEditor editor = editorWithData(1);
    const StringList messages = editor.fileRead(file.path());
    EXPECT_EQ(messages,
        (StringList { file.path() + " wird geöffnet",
            "ABBRUCH!!\nDie 3.Zeile enhält keine 3 Werte\n \nKeine Freies Format" }));
    EXPECT_EQ(editor.m_Eingabe, StringList { "   10.00     1.00     1.00" });
    EXPECT_EQ(editor.m_Name, "alter Name");
    EXPECT_EQ(editor.m_Status, "1 Zeilen wurden eingelesen");
    EXPECT_EQ(editor.m_bGeaendert, 1);
}

TEST(LineEditorFileRead, AWegFileStartingWithARemarkKeepsTheOldDescriptiveLines)
{
    TempFile file("WEG-DATEI     Lindenau\nA4            neue Info\n"
                  "A3            100.00   1.00   2.00\n");
    LineEditor editor = editorWithData(0);
    const StringList messages = editor.fileRead(file.path());
    EXPECT_EQ(editor.m_Info, (StringList { "alte Info", "neue Info" }));
    // The list shows both, as the document keeps both: a kept line the list did not
    // show could be neither seen nor deleted (the list used to show this file's only).
    EXPECT_EQ(editor.m_ListInfo, editor.m_Info);
    EXPECT_EQ(editor.m_Eingabe, StringList { "  100.00    1.00    2.00" });
    EXPECT_EQ(editor.m_Name, "Lindenau");
}

TEST(LineEditorFileRead, AFileThatCannotBeReadChangesNothing)
{
    LineEditor editor = editorWithData(1);
    const LineEditor before = editor;
    const std::string path = "/nonexistent/dravon/messung.txt";
    const StringList messages = editor.fileRead(path);
    EXPECT_EQ(messages,
        (StringList { path + " wird geöffnet", "Die Datei kann nicht gelesen werden:\n" + path }));
    EXPECT_EQ(editor.m_Eingabe, before.m_Eingabe);
    EXPECT_EQ(editor.m_ListEingabe, before.m_ListEingabe);
    EXPECT_EQ(editor.m_Info, before.m_Info);
    EXPECT_EQ(editor.m_Name, "alter Name");
    EXPECT_EQ(editor.m_bGeaendert, 0);
}

TEST(LineEditorFileRead, WithoutAFormatNothingIsRead)
{
    TempFile file("Name\n10 1 1\n");
    LineEditor editor = editorWithData(-1);
    const StringList messages = editor.fileRead(file.path());
    EXPECT_EQ(messages, StringList { "Bitte zuerst ein Dateiformat wählen." });
    EXPECT_EQ(editor.m_Eingabe, StringList { "  1.00 1 1" });
    EXPECT_EQ(editor.m_Name, "alter Name");
    EXPECT_EQ(editor.m_bGeaendert, 0);
}

TEST(LineEditorFileRead, TheMessageShowsTheFilesNameAsItIs)
{
    TempFile file("Name\n10 1 1\n", "-münchen-Łódź.txt");
    LineEditor editor = editorWithData(1);
    const StringList messages = editor.fileRead(file.path());
    ASSERT_FALSE(messages.empty());
    const std::string shown = messages[0];
    EXPECT_NE(shown.find("-münchen-Łódź.txt wird geöffnet"), std::string::npos) << shown;
    EXPECT_EQ(editor.m_Eingabe.size(), 1u);
}

TEST(LineEditorFileRead, AWindows1252FileGivesItsLettersAsText)
{
    // The file's bytes: "ü" is 0xFC, "ä" 0xE4, "°" 0xB0, the euro sign 0x80.
    TempFile file("WEG-DATEI     M\xFChlenfeld 3\n"
                  "A4            Neigung in \xB0, Kosten in \x80, gepr\xFC"
                  "ft von H\xE4nel\n"
                  "A3            100.00   1.00   2.00\n");
    LineEditor editor = editorWithData(0);
    editor.fileRead(file.path());
    EXPECT_EQ(editor.m_Name, "Mühlenfeld 3");
    EXPECT_EQ(editor.m_Info,
        (StringList { "alte Info", "Neigung in °, Kosten in €, geprüft von Hänel" }));
    EXPECT_EQ(editor.m_Eingabe, StringList { "  100.00    1.00    2.00" });
}

} // namespace
