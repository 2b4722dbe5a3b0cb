// How the document reaches the measurement dialog: the desktop program shows its
// window, the batch tool fills the state from its input, tests script it.
#pragma once

#include "input/lineeditor.h"
#include "well/fieldreading.h"
#include "well/station.h"

#include <optional>
#include <vector>

class MeasurementDialog
{
public:
    virtual ~MeasurementDialog() = default;

    // Runs the dialog on `state` (filled by the document: m_Eingabe, m_Info, m_Name,
    // m_Format, m_Ansicht, m_ZeilenModus = 0). Returns true when the user confirmed
    // with OK; `state` then holds what the document takes back.
    virtual bool run(LineEditor &state) = 0;

    // After OK: the tie-in point of a survey file that the last run imported (a WITSML
    // trajectory that begins at one); none when it imported none.
    virtual std::optional<well::TieIn> importedTieIn() const { return std::nullopt; }
    // After OK: the field readings of the stations a survey file brought (empty when it
    // had none); none when the last run imported no table file, and the well's readings
    // stay as they are.
    virtual std::optional<std::vector<well::FieldReading>> importedFieldReadings() const
    {
        return std::nullopt;
    }
};
