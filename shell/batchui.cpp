// Prompter and measurement dialog without a window.
#include "shell/batchui.h"

#include "core/win1252.h"

#include <cstdio>

void StderrPrompter::message(const std::string &text)
{
    std::fprintf(stderr, "dravon: %s\n", win1252::toUtf8(text).c_str());
}

bool StderrPrompter::askYesNo(const std::string &question)
{
    message(question);
    return false;
}

bool StderrPrompter::askNumber(const std::string &text, float &)
{
    message(text);
    return false;
}

bool ConfirmingDialog::run(LineEditor &)
{
    return true;
}
