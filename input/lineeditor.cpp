// The measurement dialog's line handling without its window.
#include "input/lineeditor.h"

#include "core/cformat.h"
#include "core/cscan.h"
#include "core/win1252.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"

#include <algorithm>

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

bool holdsStation(const std::string &line)
{
    float depth = 0, inclination = 0, azimuth = 0;
    return cscan::readStation(line, depth, inclination, azimuth);
}

} // namespace

bool LineEditor::sortsBefore(const std::string &a, const std::string &b)
{
    // Byte order after case folding puts the blank (0x20) before the digits (0x30 on),
    // so right-aligned depths of one layout come out in ascending order.
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char ca = foldCase(static_cast<unsigned char>(a[i]));
        const unsigned char cb = foldCase(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb;
    }
    return a.size() < b.size();
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

    if (!holdsStation(m_Zeile)) {
        prompter.message(tooLittle);
        return;
    }

    const int selected = m_Markiert;
    const auto at = m_ListEingabe.begin() + (selected < 0 ? 0 : selected);
    switch (m_ZeilenModus) {
    case 0: // change: without a selection there is nothing to change
        if (selected >= 0 && prompter.askYesNo(askChange + m_Zeile)) {
            *at = m_Zeile;
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
            m_ListEingabe.insert(at, m_Zeile);
            m_Markiert = selected + 1; // the selection stays on the entry it was on
            m_Status = cfmt(statusInserted.c_str(), selected + 1);
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
