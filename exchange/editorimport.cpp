// Handing imported stations to the measurement dialog's state, which keeps lines: each
// station in its written form.
#include "exchange/editorimport.h"

#include "core/cformat.h"
#include "i18n/i18n.h"

#include <algorithm>

namespace exchange {

void takeImportedStations(LineEditor &state, const StationImport &import, const std::string &name)
{
    state.m_Eingabe = import.survey.lines();
    state.m_ListEingabe = state.m_Eingabe;
    std::stable_sort(
        state.m_ListEingabe.begin(), state.m_ListEingabe.end(), LineEditor::sortsBefore);
    state.m_Info.clear();
    state.m_ListInfo.clear();
    state.m_Name = name;
    state.m_Status = import.status();
    state.m_Zeile.assign(1, ' ');
    state.m_Markiert = -1;
    state.m_Anzahl = static_cast<int>(state.m_ListEingabe.size());
    state.m_bGeaendert = 1;
}

void addImportedStations(LineEditor &state, const StationImport &import)
{
    for (const well::Station &station : import.survey.stations())
        state.addSorted(well::stationText(station));
    state.m_Eingabe = state.m_ListEingabe;
    state.m_Status = cfmt(i18n::translateFormat("Tabellenimport", "%d Zeilen eingefügt").c_str(),
        static_cast<int>(import.survey.size()));
    state.m_Markiert = -1;
    state.m_Anzahl = static_cast<int>(state.m_ListEingabe.size());
    if (!import.survey.empty())
        state.m_bGeaendert = 1;
}

} // namespace exchange
