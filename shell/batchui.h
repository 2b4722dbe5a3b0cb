// Talking to nobody: the prompter and measurement dialog of the print modes, which run
// without a window. Messages go to standard error; the measurement dialog is confirmed
// at once with the data as they are, so that the results are computed.
#pragma once

#include "dialogs/prompter.h"
#include "dialogs/measurementdialog.h"

class StderrPrompter : public Prompter
{
public:
    void message(const std::string &text) override;
    // Nobody can answer: questions get No, number requests are cancelled.
    bool askYesNo(const std::string &question) override;
    bool askNumber(const std::string &text, float &value) override;
};

class ConfirmingDialog : public MeasurementDialog
{
public:
    bool run(LineEditor &state) override;
};
