#include "cli/batchdialog.h"

#include "core/win1252.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"

BatchDialog::BatchDialog(const CliOptions &options, Prompter &prompter)
    : m_options(options)
    , m_prompter(prompter)
{
}

bool BatchDialog::run(LineEditor &state)
{
    if (m_takeInput) {
        // Only the first run takes the input; a later one (there is none today) would
        // confirm the document as it stands.
        m_takeInput = false;
        const StringList lines = splitLines(m_bytes);
        if (m_imported) {
            // A table brings no descriptive lines and leaves the format choice alone.
            state.m_Eingabe = *m_imported;
            state.m_Info.clear();
            state.m_Name = m_importedName;
        } else if (m_options.stationsMode) {
            state.m_Eingabe = lines;
        } else {
            const MeasurementRead read = readMeasurement(lines, m_options.format,
                                                         schrittweite(m_options.datenauswahl),
                                                         state.m_Name, state.m_Info);
            for (const ReadFault &fault : read.faults)
                m_prompter.message(fault.message);
            m_readerFault = m_readerFault || read.aborted;
            state.m_Eingabe = read.stations;
            state.m_Info = read.info;
            state.m_Name = read.name;
            state.m_Format = m_options.format;
        }
        state.m_bGeaendert = 1;
    }
    if (m_options.name)
        state.m_Name = win1252::fromUtf8(*m_options.name);
    state.m_Ansicht = m_options.ansicht;
    return true;
}
