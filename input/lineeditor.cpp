// The measurement dialog's line handling without its window.
#include "input/lineeditor.h"

#include "core/cformat.h"
#include "core/cscan.h"
#include "core/utf8.h"
#include "core/win1252.h"
#include "i18n/i18n.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <vector>

namespace {

// Where a character stands in the station list's text order: the list ignores case like
// the list box it stands for, and orders by the document's Windows-1252 bytes, so that a
// list saved in this order reads back in it. Characters the document cannot hold come
// after all others, by their code point.
std::uint32_t textRank(char32_t c)
{
    const char32_t lower = utf8::foldCase(c);
    if (const std::optional<unsigned char> byte = win1252::byteOf(lower))
        return *byte;
    return 0x100 + static_cast<std::uint32_t>(lower);
}

// The list box shows its entries sorted; filling it entry by entry places each after the
// entries that equal it, which is what a stable sort gives in one go.
void fillSorted(StringList &list, const StringList &lines)
{
    list = lines;
    LineEditor::sortLines(list);
}

std::string ambiguousCommas()
{
    return i18n::translateFormat("LineEditor",
        "Die Kommas dieser Zeile sind nicht eindeutig:\n%s\n"
        "Bitte die drei Werte durch Leerzeichen trennen und Dezimalzahlen "
        "mit einem Komma oder einem Punkt schreiben (12,5 oder 12.5).");
}

std::string sameDepthText()
{
    return i18n::translateFormat("LineEditor",
        "Die Teufe %g steigt nicht an: die %d.Zeile hat dieselbe Teufe.\n%s\n"
        "Jede Teufe muss größer sein als die vorangehende; die Zeile wird nicht "
        "übernommen.");
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

// Character order after case folding: the blank (0x20) before the digits (0x30 on).
bool textBefore(const std::string &a, const std::string &b)
{
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const std::uint32_t ra = textRank(utf8::next(a, i));
        const std::uint32_t rb = textRank(utf8::next(b, j));
        if (ra != rb)
            return ra < rb;
    }
    return i == a.size() && j < b.size();
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

void LineEditor::sortLines(StringList &lines)
{
    // The order of sortsBefore, with each line's leading number read once: a file of
    // 100,000 stations would otherwise read some three million numbers.
    struct Key
    {
        bool numbered;
        float number;
        std::string *line;
    };
    std::vector<Key> keys;
    keys.reserve(lines.size());
    for (std::string &line : lines) {
        Key key { false, 0.0f, &line };
        key.numbered = leadingNumber(line, key.number);
        keys.push_back(key);
    }
    const auto before = [](const Key &a, const Key &b) {
        if (a.numbered != b.numbered)
            return a.numbered;
        if (a.numbered && a.number != b.number)
            return a.number < b.number;
        return textBefore(*a.line, *b.line);
    };
    // A survey is nearly always stored in order already: then the lines stay where they
    // are, which spares a million moves on opening a long one.
    if (std::is_sorted(keys.begin(), keys.end(), before))
        return;
    std::stable_sort(keys.begin(), keys.end(), before);
    StringList sorted;
    sorted.reserve(lines.size());
    for (const Key &key : keys)
        sorted.push_back(std::move(*key.line));
    lines = std::move(sorted);
}

void LineEditor::addSorted(const StringList &entries)
{
    // Adding one by one puts each entry after the equal ones already listed, those
    // added before it included: a stable sort of the new entries, merged after equal
    // old ones.
    StringList added = entries;
    sortLines(added);
    const auto middle = static_cast<std::ptrdiff_t>(m_ListEingabe.size());
    m_ListEingabe.insert(m_ListEingabe.end(), std::make_move_iterator(added.begin()),
        std::make_move_iterator(added.end()));
    std::inplace_merge(
        m_ListEingabe.begin(), m_ListEingabe.begin() + middle, m_ListEingabe.end(), sortsBefore);
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

namespace {

bool onlyBlanks(const std::string &line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return cscan::isSpace(c); });
}

} // namespace

void LineEditor::infoAppend(const std::string &line)
{
    if (onlyBlanks(line))
        return;
    m_Info.push_back(line);
    m_ListInfo = m_Info;
}

bool LineEditor::infoChange(int index, const std::string &line)
{
    if (index < 0 || index >= static_cast<int>(m_Info.size()))
        return false;
    if (onlyBlanks(line))
        return infoDelete(index);
    m_Info[static_cast<size_t>(index)] = line;
    m_ListInfo = m_Info;
    return true;
}

bool LineEditor::infoDelete(int index)
{
    if (index < 0 || index >= static_cast<int>(m_Info.size()))
        return false;
    m_Info.erase(m_Info.begin() + index);
    m_ListInfo = m_Info;
    return true;
}

void LineEditor::zeileDblClk(int index)
{
    if (index < 0 || index >= static_cast<int>(m_ListEingabe.size()))
        return; // a double click beside the entries selects nothing
    m_Markiert = index;
    m_Zeile = m_ListEingabe[static_cast<size_t>(index)];
    m_Status = cfmt(i18n::translateFormat("LineEditor", "%d.Zeile ausgewählt").c_str(), index + 1);
}

namespace {

LinePrompt message(const std::string &text)
{
    LinePrompt prompt;
    prompt.kind = LinePrompt::Kind::Message;
    prompt.text = text;
    return prompt;
}

} // namespace

int LineEditor::sameDepth(const std::string &line, int skip) const
{
    float depth = 0;
    if (!leadingNumber(line, depth))
        return -1;
    // The computation compares the depths in single precision, and so does this.
    for (size_t i = 0; i < m_ListEingabe.size(); ++i) {
        float other = 0;
        if (static_cast<int>(i) != skip && holdsStation(m_ListEingabe[i])
            && leadingNumber(m_ListEingabe[i], other) && other == depth)
            return static_cast<int>(i);
    }
    return -1;
}

LinePrompt LineEditor::zeileKillFocus()
{
    // "markarkierten" is the question as users have always seen it.
    const std::string tooLittle = i18n::translate("LineEditor", "Die Zeile enthält zu wenig Daten");
    const std::string askChange
        = i18n::translate("LineEditor", "Soll diese Zeile geändert werden?\n");
    const std::string askAppend
        = i18n::translate("LineEditor", "Soll diese Zeile angehängt werden?\n");
    const std::string askInsert = i18n::translate(
        "LineEditor", "Soll diese Zeile vor der markarkierten eingefügt werden?\n");
    const std::string askDelete
        = i18n::translate("LineEditor", "Soll diese Zeile wirklich gelöscht werden?\n");
    const std::string selectFirst = i18n::translate(
        "LineEditor", "Es ist keine Zeile markiert.\nBitte zuerst eine Zeile der Liste markieren.");

    m_Anzahl = static_cast<int>(m_ListEingabe.size());
    m_Platziert = -1;
    if (m_Markiert < -1 || m_Markiert >= m_Anzahl)
        m_Markiert = -1; // the list box reports no selection beyond its entries

    // "12,5 1,25 270" is taken as "12.5 1.25 270"; a comma that may as well separate
    // two values is refused rather than guessed.
    if (!takeDecimalCommas(m_Zeile))
        return message(cfmt(ambiguousCommas().c_str(), m_Zeile.c_str()));
    if (!holdsStation(m_Zeile))
        return message(tooLittle);

    // The list is sorted by depth: a line whose depth another station line already has
    // would stop the computation there. It is refused here, where it can still be
    // corrected, instead of cutting the survey short after OK.
    if (m_ZeilenModus == 0 || m_ZeilenModus == 1 || m_ZeilenModus == 2) {
        const int replaced = m_ZeilenModus == 0 ? m_Markiert : -1;
        if (m_ZeilenModus != 0 || replaced >= 0) {
            if (const int same = sameDepth(m_Zeile, replaced); same >= 0) {
                float depth = 0;
                leadingNumber(m_Zeile, depth);
                const std::string &other = m_ListEingabe[static_cast<size_t>(same)];
                return message(cfmt(
                    sameDepthText().c_str(), static_cast<double>(depth), same + 1, other.c_str()));
            }
        }
    }

    // The station lines follow the list, whatever is answered.
    m_Eingabe = m_ListEingabe;

    LinePrompt prompt;
    prompt.mode = m_ZeilenModus;
    prompt.selected = m_Markiert;
    prompt.line = m_Zeile;
    const bool selected = m_Markiert >= 0;
    switch (m_ZeilenModus) {
    case 0: // change: without a selection there is nothing to change
        if (selected) {
            prompt.kind = LinePrompt::Kind::Question;
            prompt.text = askChange + m_Zeile;
        }
        break;
    case 1: // append at the sorted place
        prompt.kind = LinePrompt::Kind::Question;
        prompt.text = askAppend + m_Zeile;
        break;
    case 2: // insert before the selected entry
    case 3: // delete the selected entry (not the one equal to the edit line)
        if (!selected) {
            // Without a selection an inserted line would land at the end, out of the
            // depth order, and the status would name line 0; nothing could be deleted,
            // yet Yes would report a deletion: ask for a selection instead.
            return message(selectFirst);
        }
        prompt.kind = LinePrompt::Kind::Question;
        prompt.text = (m_ZeilenModus == 2 ? askInsert : askDelete) + m_Zeile;
        break;
    default:
        break;
    }
    return prompt;
}

void LineEditor::zeileAnswer(const LinePrompt &prompt, bool yes)
{
    const std::string statusChanged
        = i18n::translateFormat("LineEditor", "%d.Zeile wurde geändert");
    const std::string statusAppended = i18n::translateFormat("LineEditor", "%d.Zeile angehängt");
    const std::string statusInserted = i18n::translateFormat("LineEditor", "%d.Zeile eingefügt");
    const std::string statusDeleted = i18n::translateFormat("LineEditor", "%d.Zeile gelöscht");

    const int count = static_cast<int>(m_ListEingabe.size());
    const int selected = prompt.selected;
    m_Platziert = -1;
    if (!yes || !prompt.isQuestion() || selected < -1 || selected >= count)
        return;
    const bool needsSelection = prompt.mode == 0 || prompt.mode == 2 || prompt.mode == 3;
    if (needsSelection && selected < 0)
        return;

    const auto at = m_ListEingabe.begin() + (selected < 0 ? 0 : selected);
    switch (prompt.mode) {
    case 0: // the changed line moves to the place of its depth
        m_ListEingabe.erase(at);
        m_Platziert = addSorted(prompt.line);
        m_Markiert = -1; // replacing the entry clears the list box's selection
        m_Status = cfmt(statusChanged.c_str(), selected + 1);
        break;
    case 1: {
        const int index = addSorted(prompt.line);
        m_Platziert = index;
        m_Markiert = selected;
        if (selected >= 0 && index <= selected)
            m_Markiert = selected + 1; // the selected entry moved down by one
        m_Status = cfmt(statusAppended.c_str(), count + 1);
        break;
    }
    case 2: {
        // The line lands at the place of its depth, which keeps the list in order.
        const int index = addSorted(prompt.line);
        m_Platziert = index;
        m_Markiert = index <= selected ? selected + 1 : selected; // stays on its entry
        m_Status = cfmt(statusInserted.c_str(), index + 1);
        break;
    }
    case 3:
        m_ListEingabe.erase(at);
        m_Markiert = -1;
        m_Status = cfmt(statusDeleted.c_str(), selected + 1);
        break;
    default:
        return;
    }
    m_bGeaendert = 1;
    m_Eingabe = m_ListEingabe;
    m_Anzahl = static_cast<int>(m_ListEingabe.size());
}

StringList LineEditor::fileRead(const std::string &path)
{
    StringList messages;
    if (!isMeasurementFormat(m_Format)) {
        // Without a format every line would be passed over and the name lost.
        messages.push_back(i18n::translate("LineEditor", "Bitte zuerst ein Dateiformat wählen."));
        return messages;
    }

    const int step = schrittweite(m_Datenauswahl);
    const MeasurementFileLines file = readMeasurementFile(path);
    messages.push_back(i18n::arg(i18n::translate("LineEditor", "%1 wird geöffnet"), { path }));
    if (!file.opened) {
        // Keep the list, the descriptive lines and the name: nothing was read to replace
        // them.
        messages.push_back(i18n::arg(
            i18n::translate("LineEditor", "Die Datei kann nicht gelesen werden:\n%1"), { path }));
        m_Status = i18n::translate("LineEditor", "Keine Zeilen eingelesen");
        return messages;
    }

    MeasurementRead read = readMeasurement(file.lines, m_Format, step, m_Name, m_Info);
    for (const ReadFault &fault : read.faults)
        messages.push_back(fault.message);

    m_Status = read.status();
    fillSorted(m_ListEingabe, read.stations);
    m_Eingabe = std::move(read.stations); // file order until the next line edit
    m_Info = std::move(read.info);
    // The list shows every descriptive line the document keeps, those a WEG file added
    // to the previous ones included, so that none of them is kept unseen.
    m_ListInfo = m_Info;
    m_Name = std::move(read.name);
    m_Zeile.assign(1, ' ');
    m_Markiert = -1;
    m_Anzahl = static_cast<int>(m_ListEingabe.size());
    m_bGeaendert = 1;
    ++m_FilesRead;
    return messages;
}
