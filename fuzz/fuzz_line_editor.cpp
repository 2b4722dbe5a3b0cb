// Fuzz target: the station list's line operations in any order with any selection,
// edit line and answer. The list must stay consistent with what a list box would show,
// and in order after every operation.
#include "input/lineeditor.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

bool sorted(const StringList &list)
{
    return std::is_sorted(list.begin(), list.end(), LineEditor::sortsBefore);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    LineEditor editor;
    const int initial = in.ConsumeIntegralInRange<int>(0, 8);
    for (int i = 0; i < initial; ++i)
        editor.m_Eingabe.push_back(in.ConsumeRandomLengthString(40));
    editor.m_Format = 1;
    editor.initDialog();
    check(sorted(editor.m_ListEingabe));
    check(editor.m_Anzahl == initial && editor.m_Markiert == -1);

    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        const int count = static_cast<int>(editor.m_ListEingabe.size());
        switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: {
            const int index = in.ConsumeIntegralInRange<int>(-2, count + 1);
            editor.zeileDblClk(index);
            if (index >= 0 && index < count) {
                check(editor.m_Markiert == index);
                check(editor.m_Zeile == editor.m_ListEingabe[static_cast<size_t>(index)]);
            }
            break;
        }
        case 1: {
            editor.m_ZeilenModus = in.ConsumeIntegralInRange<int>(-1, 4);
            editor.m_Markiert = in.ConsumeIntegralInRange<int>(-2, count + 1);
            editor.m_Zeile = in.ConsumeRandomLengthString(40);
            const bool answer = in.ConsumeBool();
            const int mode = editor.m_ZeilenModus;
            const bool hadSelection = editor.m_Markiert >= 0 && editor.m_Markiert < count;
            const std::string selectedText
                = hadSelection ? editor.m_ListEingabe[static_cast<size_t>(editor.m_Markiert)] : "";
            const StringList before = editor.m_ListEingabe;
            const LinePrompt prompt = editor.zeileKillFocus();
            // Nothing happens before the answer.
            check(editor.m_ListEingabe == before);
            if (prompt.isQuestion())
                editor.zeileAnswer(prompt, answer);
            else
                check(prompt.isMessage() || prompt.text.empty());
            if (!answer || !prompt.isQuestion())
                check(editor.m_ListEingabe == before);

            const int after = static_cast<int>(editor.m_ListEingabe.size());
            check(after >= count - 1 && after <= count + 1);
            if (after == count + 1)
                check(mode == 1 || mode == 2);
            if (after == count - 1)
                check(mode == 3 && hadSelection);
            if (mode != 0 && mode != 3)
                check(after >= count);
            if (editor.m_Markiert >= 0 && !selectedText.empty() && (mode == 1 || mode == 2))
                check(editor.m_ListEingabe[static_cast<size_t>(editor.m_Markiert)] == selectedText);
            // Changed and inserted lines go to their place as appended ones do.
            check(sorted(editor.m_ListEingabe));
            // Unless the edit line was refused, the station lines follow the list.
            // (A depth that the list holds already is refused too.)
            const bool refused = prompt.isMessage()
                && (prompt.text.rfind("Die Zeile", 0) == 0
                    || prompt.text.rfind("Die Kommas", 0) == 0
                    || prompt.text.rfind("Die Teufe", 0) == 0);
            if (!refused)
                check(editor.m_Eingabe == editor.m_ListEingabe);
            else
                check(editor.m_ListEingabe == before);
            break;
        }
        case 2: {
            const int index = editor.addSorted(in.ConsumeRandomLengthString(40));
            check(index >= 0 && index <= count);
            check(sorted(editor.m_ListEingabe));
            editor.m_Markiert = -1;
            break;
        }
        default: {
            // Many lines at once build the list that adding them one by one builds.
            StringList lines(in.ConsumeIntegralInRange<size_t>(0, 6));
            for (std::string &line : lines)
                line = in.ConsumeRandomLengthString(40);
            LineEditor oneByOne = editor;
            for (const std::string &line : lines)
                oneByOne.addSorted(line);
            editor.addSorted(lines);
            check(editor.m_ListEingabe == oneByOne.m_ListEingabe);
            editor.m_Markiert = -1;
            break;
        }
        }
        const int now = static_cast<int>(editor.m_ListEingabe.size());
        check(editor.m_Markiert >= -1 && editor.m_Markiert < std::max(now, 1));
        if (editor.m_Markiert >= 0)
            check(editor.m_Markiert < now);
    }
    return 0;
}
