// The measurement dialog without its window: the borehole name, the format, view and
// thinning choices, the sorted station list with its line operations, the descriptive
// list and the file-read step. The dialog widget copies its controls into these
// members before an operation and shows them again afterwards; the document fills the
// members before the dialog runs and reads them back after OK. Nothing here shows
// anything: an operation returns what the user is to be told or asked, the dialog shows
// it and hands the answer back.
#pragma once

#include "core/stringlist.h"

#include <string>

// What leaving the edit line needs from the user. A message ends the operation (the
// user reads it and confirms with OK); a question waits for its Yes or No, which the
// dialog hands back with LineEditor::zeileAnswer. The operation that Yes carries out
// travels with the question, so that nothing is pending inside the editor.
struct LinePrompt
{
    enum class Kind { None, Message, Question };
    Kind kind = Kind::None;
    std::string text; // exactly as the box shows it

    // For a question: the line mode, the selected entry and the edit line it was asked
    // for.
    int mode = -1;
    int selected = -1;
    std::string line;

    bool isQuestion() const { return kind == Kind::Question; }
    bool isMessage() const { return kind == Kind::Message; }
};

class LineEditor
{
public:
    // ---- members, in declaration order ----
    int m_bGeaendert = 0; // 1 once a file was read or a line edit was confirmed
    int m_FilesRead = 0; // files whose stations replaced the list
    StringList m_Info; // descriptive lines
    StringList m_Eingabe; // station lines
    StringList m_ListInfo; // entries of the descriptive list box, in order
    StringList m_ListEingabe; // entries of the station list box (sorted on add)
    std::string m_Name; // borehole name
    int m_Format = -1; // 0 WEG, 1 free, 2 ATK; -1 none chosen
    std::string m_Zeile; // the edit line
    int m_ZeilenModus = -1; // 0 change, 1 append, 2 insert, 3 delete
    std::string m_Status; // status line
    int m_Ansicht = -1; // 0 side view, 1 top view
    int m_Datenauswahl = -1; // thinning: 0 every, 1 every 2nd, 2 every 5th, 3 every 10th
    int m_Markiert = -1; // selected station-list entry, -1 for none
    // The entry where the last changed, appended or inserted line landed in the sorted
    // list, for the list to scroll to; -1 after any other operation.
    int m_Platziert = -1;
    int m_Anzahl = 0; // number of station-list entries

    // Opening the dialog: fills both lists from m_Eingabe and m_Info, sets the mode to
    // change, the thinning to every value and m_bGeaendert to 0.
    void initDialog();

    // Double click on station entry `index`: takes it into the edit line.
    void zeileDblClk(int index);

    // The edit line lost the focus, first step: checks the edit line for the line
    // operation of m_ZeilenModus on m_Zeile and the entry m_Markiert. The caller has
    // read the controls into the members first (m_Markiert included). Decimal commas in
    // the edit line become points; ambiguous commas, or fewer than three numbers, give
    // a message and change nothing else; so does a changed, appended or inserted line
    // whose depth another station line already has (the message names the depth and
    // that line). Insert and delete need a selected entry:
    // without one the message asks to select a line. Otherwise the result is the Yes/No
    // question of the operation (none for a change without a selection or for no mode).
    // Except after a refused edit line, m_Eingabe follows the list from here on, whatever
    // is answered, so that No needs no second call.
    LinePrompt zeileKillFocus();

    // Second step, with the answer to the question `prompt` from zeileKillFocus: Yes
    // carries out the operation, No leaves everything as it is. Changed and inserted
    // lines go to the place of their depth. m_Markiert afterwards names the entry a
    // list box would still show selected (-1 after change and delete). Anything but a
    // question of this list is ignored. The caller shows the members afterwards.
    void zeileAnswer(const LinePrompt &prompt, bool yes);

    // "Datei einlesen" after the user chose `path`: reads the file in format m_Format
    // with thinning m_Datenauswahl into m_Eingabe, m_Info, both lists, m_Name and
    // m_Status, and sets m_bGeaendert. `path` is the name as the file system spells it
    // (UTF-8), and the messages quote it so. A file that cannot be read, or a format that
    // is not chosen, is reported and changes nothing else. Returns the messages for the
    // user in the order they are to be shown, each in a box of its own with an OK button.
    StringList fileRead(const std::string &path);

    // The descriptive lines, edited in their list: the list shows m_Info, every line
    // the document keeps. A line is added after the last one; a line changed to nothing
    // but blanks goes, as a deleted one does. An index outside the list changes nothing
    // and returns false.
    void infoAppend(const std::string &line);
    bool infoChange(int index, const std::string &line);
    bool infoDelete(int index);

    // The entry of the station list (other than `skip`) that holds a station at the
    // depth `line` begins with, -1 for none.
    int sameDepth(const std::string &line, int skip = -1) const;

    // Adds an entry at its sorted place in m_ListEingabe (after equal entries); returns
    // its index.
    int addSorted(const std::string &entry);

    // Adds many entries at once: the same list as adding them one by one with
    // addSorted, in one sort instead of a search and a move per entry.
    void addSorted(const StringList &entries);

    // Sorts `lines` in the station list's order, keeping equal lines in their order:
    // the list that adding them one by one with addSorted would build. Each line's
    // number is read once, not once per comparison.
    static void sortLines(StringList &lines);

    // The station list's order: lines that begin with a number in ascending order of
    // that number, then the lines without one; equal numbers, and lines without one,
    // in text order (case ignored, a blank before a digit; other characters in the order
    // of the document file's Windows-1252 bytes).
    static bool sortsBefore(const std::string &a, const std::string &b);

    // A German decimal comma in the first `words` words of `line` (words separated by
    // white space): in a word that reads as one number with one comma and no point,
    // such as "12,5" or "-0,5e3", the comma becomes a point. Words that do not begin
    // like a number are left alone. Returns false, leaving `line` unchanged, when a
    // comma in a number could as well separate values ("12,5,270", "12, 5", "1.000,5").
    static bool takeDecimalCommas(std::string &line, int words = 3);
};
