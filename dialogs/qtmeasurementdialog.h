// The document's measurement dialog in the desktop program: runs DlgInput modally.
#pragma once

#include "dialogs/prompter.h"
#include "dialogs/measurementdialog.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QtMeasurementDialog : public MeasurementDialog
{
public:
    QtMeasurementDialog(Prompter &prompter, QWidget *parent = nullptr);

    void setParent(QWidget *parent);

    bool run(LineEditor &state) override;
    std::optional<well::TieIn> importedTieIn() const override { return m_importedTieIn; }
    std::optional<std::vector<well::FieldReading>> importedFieldReadings() const override
    {
        return m_importedFieldReadings;
    }

    // What the dialog's "Bohrung …" button opens (see DlgInput::setWellCommand).
    void setWellCommand(std::function<void(QWidget *parent)> command)
    {
        m_wellCommand = std::move(command);
    }

private:
    Prompter &m_prompter;
    QPointer<QWidget> m_parent;
    std::function<void(QWidget *)> m_wellCommand;
    std::optional<well::TieIn> m_importedTieIn;
    std::optional<std::vector<well::FieldReading>> m_importedFieldReadings;
};
