// How the document reaches the measurement dialog: the desktop program shows its
// window, the batch tool fills the state from its input, tests script it.
#pragma once

#include "input/lineeditor.h"

class MeasurementDialog
{
public:
    virtual ~MeasurementDialog() = default;

    // Runs the dialog on `state` (filled by the document: m_Eingabe, m_Info, m_Name,
    // m_Format, m_Ansicht, m_ZeilenModus = 0). Returns true when the user confirmed
    // with OK; `state` then holds what the document takes back.
    virtual bool run(LineEditor &state) = 0;
};
