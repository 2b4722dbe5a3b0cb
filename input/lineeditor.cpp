// The measurement dialog's line handling without its window.
#include "input/lineeditor.h"

#include "core/cformat.h"
#include "core/cscan.h"
#include "core/win1252.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"

#include <algorithm>
#include <cmath>

namespace {

// Windows-1252 letters to lower case, so that the station list ignores case like the
// list box it stands for.
unsigned char foldCase(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A: // S with caron
    case 0x8C: // OE
    case 0x8E: // Z with caron
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F: // Y with diaeresis
        return 0xFF;
    default:
        return c;
    }
}

// The list box shows its entries sorted; filling it entry by entry places each after the
// entries that equal it, which is what a stable sort gives in one go.
void fillSorted(StringList &list, const StringList &lines)
{
    list = lines;
    std::stable_sort(list.begin(), list.end(), LineEditor::sortsBefore);
}

const std::string &ambiguousCommas()
{
    static const std::string text
        = win1252::fromUtf8("Die Kommas dieser Zeile sind nicht eindeutig:\n%s\n"
                            "Bitte die drei Werte durch Leerzeichen trennen und Dezimalzahlen "
                            "mit einem Komma oder einem Punkt schreiben (12,5 oder 12.5).");
    return text;
}

bool holdsStation(const std::string &line)
{
    float depth = 0, inclination = 0, azimuth = 0;
    return cscan::readStation(line, depth, inclination, azimuth);
}

// The number a line begins with (after white space), if it begins with a finite one.
bool leadingNumber(const std::string &line, float &value)
{
    const char *p = line.c_str();
    return cscan::readFloat(p, value) && std::isfinite(value);
}

// Byte order after case folding: the blank (0x20) before the digits (0x30 on).
bool textBefore(const std::string &a, const std::string &b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char ca = foldCase(static_cast<unsigned char>(a[i]));
        const unsigned char cb = foldCase(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb;
    }
    return a.size() < b.size();
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether the word [begin, end) with one comma at `comma` reads as one decimal number:
// an optional sign and digits, the comma, digits and an optional exponent.
bool isDecimalCommaNumber(const std::string &line, size_t begin, size_t comma, size_t end)
{
    size_t i = begin;
    if (line[i] == '+' || line[i] == '-')
        ++i;
    if (i == comma)
        return false;
    for (; i < comma; ++i) {
        if (!isDigit(line[i]))
            return false;
    }
    i = comma + 1;
    if (i == end || !isDigit(line[i]))
        return false;
    while (i < end && isDigit(line[i]))
        ++i;
    if (i < end && (line[i] == 'e' || line[i] == 'E')) {
        ++i;
        if (i < end && (line[i] == '+' || line[i] == '-'))
            ++i;
        if (i == end)
            return false;
        while (i < end && isDigit(line[i]))
            ++i;
    }
    return i == end;
}

} // namespace

bool LineEditor::sortsBefore(const std::string &a, const std::string &b)
{
    // Lines that begin with a number come first, in the order of that number; equal
    // numbers, and lines without one, keep the text order, in which right-aligned
    // depths of one layout also ascend.
    float da = 0, db = 0;
    const bool numberedA = leadingNumber(a, da);
    const bool numberedB = leadingNumber(b, db);
    if (numberedA != numberedB)
        return numberedA;
    if (numberedA && da != db)
        return da < db;
    return textBefore(a, b);
}

bool LineEditor::takeDecimalCommas(std::string &line, int words)
{
    std::string result = line;
    size_t i = 0;
    for (int word = 0; word < words; ++word) {
        while (i < line.size() && cscan::isSpace(line[i]))
            ++i;
        if (i == line.size())
            break;
        const size_t begin = i;
        while (i < line.size() && !cscan::isSpace(line[i]))
            ++i;
        const size_t comma = line.find(',', begin);
        if (comma >= i)
            continue;
        // A word that does not begin like a number is no number with a comma either;
        // the check for three numbers refuses it.
        const char first = line[begin];
        if (!isDigit(first) && first != '+' && first != '-' && first != '.')
            continue;
        if (!isDecimalCommaNumber(line, begin, comma, i))
            return false;
        result[comma] = '.';
    }
    line = std::move(result);
    return true;
}

int LineEditor::addSorted(const std::string &entry)
{
    const auto at
        = std::upper_bound(m_ListEingabe.begin(), m_ListEingabe.end(), entry, sortsBefore);
    const auto index = at - m_ListEingabe.begin();
    m_ListEingabe.insert(at, entry);
    return static_cast<int>(index);
}

void LineEditor::initDialog()
{
    fillSorted(m_ListEingabe, m_Eingabe);
    m_Anzahl = static_cast<int>(m_ListEingabe.size());
    m_ListInfo = m_Info;
    m_Markiert = -1; // a freshly filled list box has nothing selected
    m_ZeilenModus = 0;
    m_Datenauswahl = 0;
    m_bGeaendert = 0;
}

void LineEditor::zeileDblClk(int index)
{
    if (index < 0 || index >= static_cast<int>(m_ListEingabe.size()))
        return; // a double click beside the entries selects nothing
    m_Markiert = index;
    m_Zeile = m_ListEingabe[static_cast<size_t>(index)];
    m_Status = cfmt("%d.Zeile ausgew\xE4hlt", index + 1);
}

void LineEditor::zeileKillFocus(Prompter &prompter)
{
    static const std::string tooLittle = win1252::fromUtf8("Die Zeile enthält zu wenig Daten");
    static const std::string askChange = win1252::fromUtf8("Soll diese Zeile geändert werden?\n");
    static const std::string askAppend = win1252::fromUtf8("Soll diese Zeile angehängt werden?\n");
    static const std::string askInsert
        = win1252::fromUtf8("Soll diese Zeile vor der markarkierten eingefügt werden?\n");
    static const std::string askDelete
        = win1252::fromUtf8("Soll diese Zeile wirklich gelöscht werden?\n");
    static const std::string selectFirst = win1252::fromUtf8(
        "Es ist keine Zeile markiert.\nBitte zuerst eine Zeile der Liste markieren.");
    static const std::string statusAppended = win1252::fromUtf8("%d.Zeile angehängt");
    static const std::string statusInserted = win1252::fromUtf8("%d.Zeile eingefügt");
    static const std::string statusDeleted = win1252::fromUtf8("%d.Zeile gelöscht");

    m_Anzahl = static_cast<int>(m_ListEingabe.size());
    if (m_Markiert < -1 || m_Markiert >= m_Anzahl)
        m_Markiert = -1; // the list box reports no selection beyond its entries

    // "12,5 1,25 270" is taken as "12.5 1.25 270"; a comma that may as well separate
    // two values is refused rather than guessed.
    if (!takeDecimalCommas(m_Zeile)) {
        prompter.message(cfmt(ambiguousCommas().c_str(), m_Zeile.c_str()));
        return;
    }
    if (!holdsStation(m_Zeile)) {
        prompter.message(tooLittle);
        return;
    }

    const int selected = m_Markiert;
    const auto at = m_ListEingabe.begin() + (selected < 0 ? 0 : selected);
    switch (m_ZeilenModus) {
    case 0: // change: without a selection there is nothing to change
        if (selected >= 0 && prompter.askYesNo(askChange + m_Zeile)) {
            // The changed line moves to the place of its depth.
            m_ListEingabe.erase(at);
            addSorted(m_Zeile);
            m_Markiert = -1; // replacing the entry clears the list box's selection
            m_Status = cfmt("%d.Zeile wurde ge\xE4ndert", selected + 1);
            m_bGeaendert = 1;
        }
        break;
    case 1: // append at the sorted place
        if (prompter.askYesNo(askAppend + m_Zeile)) {
            const int index = addSorted(m_Zeile);
            if (selected >= 0 && index <= selected)
                m_Markiert = selected + 1; // the selected entry moved down by one
            m_Status = cfmt(statusAppended.c_str(), static_cast<int>(m_ListEingabe.size()));
            m_bGeaendert = 1;
        }
        break;
    case 2: // insert before the selected entry
        if (selected < 0) {
            // Without a selection the line would land at the end, out of the depth order,
            // and the status would name line 0: ask for a selection instead.
            prompter.message(selectFirst);
        } else if (prompter.askYesNo(askInsert + m_Zeile)) {
            // The line lands at the place of its depth, which keeps the list in order.
            const int index = addSorted(m_Zeile);
            if (index <= selected)
                m_Markiert = selected + 1; // the selection stays on the entry it was on
            m_Status = cfmt(statusInserted.c_str(), index + 1);
            m_bGeaendert = 1;
        }
        break;
    case 3: // delete the selected entry (not the one equal to the edit line)
        if (selected < 0) {
            // Nothing could be deleted, yet Yes would report a deletion.
            prompter.message(selectFirst);
        } else if (prompter.askYesNo(askDelete + m_Zeile)) {
            m_ListEingabe.erase(at);
            m_Markiert = -1;
            m_Status = cfmt(statusDeleted.c_str(), selected + 1);
            m_bGeaendert = 1;
        }
        break;
    default:
        break;
    }

    // The station lines follow the list, whatever was answered.
    m_Eingabe = m_ListEingabe;
    m_Anzahl = static_cast<int>(m_ListEingabe.size());
}

void LineEditor::fileRead(const std::string &path, Prompter &prompter)
{
    if (!isMeasurementFormat(m_Format)) {
        // Without a format every line would be passed over and the name lost.
        prompter.message(win1252::fromUtf8("Bitte zuerst ein Dateiformat wählen."));
        return;
    }

    const int step = schrittweite(m_Datenauswahl);
    const std::string shownPath = win1252::fromUtf8(path);
    const MeasurementFileLines file = readMeasurementFile(path);
    prompter.message(shownPath + win1252::fromUtf8(" wird geöffnet"));
    if (!file.opened) {
        // Keep the list, the descriptive lines and the name: nothing was read to replace
        // them.
        prompter.message(win1252::fromUtf8("Die Datei kann nicht gelesen werden:\n") + shownPath);
        m_Status = win1252::fromUtf8("Keine Zeilen eingelesen");
        return;
    }

    const MeasurementRead read = readMeasurement(file.lines, m_Format, step, m_Name, m_Info);
    for (const ReadFault &fault : read.faults)
        prompter.message(fault.message);

    m_Eingabe = read.stations; // file order until the next line edit
    fillSorted(m_ListEingabe, read.stations);
    m_Info = read.info;
    m_ListInfo = read.listedInfo;
    m_Name = read.name;
    m_Status = read.status();
    m_Zeile.assign(1, ' ');
    m_Markiert = -1;
    m_Anzahl = static_cast<int>(m_ListEingabe.size());
    m_bGeaendert = 1;
}
