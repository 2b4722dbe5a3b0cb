// The measurement dialog of the batch tool: instead of a window it takes the station
// lines from the command line's input (a measurement file or station lines) and the
// choices from the options, and confirms.
#pragma once

#include "cli/options.h"
#include "core/prompter.h"
#include "document/measurementdialog.h"

#include <optional>
#include <string>

class BatchDialog : public MeasurementDialog
{
public:
    // `bytes` is the content of the input (measurement file or station lines); with
    // `takeInput` false (a document file was opened) only the name and the view of the
    // options are applied.
    BatchDialog(const CliOptions &options, Prompter &prompter);

    void setInput(std::string bytes)
    {
        m_bytes = std::move(bytes);
        m_takeInput = true;
    }
    // Station lines of a table import, with the name the file gives (Windows-1252).
    void setImported(StringList stations, std::string name)
    {
        m_imported = std::move(stations);
        m_importedName = std::move(name);
        m_takeInput = true;
    }

    bool run(LineEditor &state) override;

    // The measurement file's reader stopped at a faulty line.
    bool readerFault() const { return m_readerFault; }

private:
    const CliOptions &m_options;
    Prompter &m_prompter;
    std::string m_bytes;
    std::optional<StringList> m_imported;
    std::string m_importedName;
    bool m_takeInput = false;
    bool m_readerFault = false;
};
