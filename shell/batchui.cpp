// Prompter and measurement dialog without a window.
#include "shell/batchui.h"

#include <cstdio>

void StderrPrompter::message(const std::string &text)
{
    std::fprintf(stderr, "dravon: %s\n", text.c_str());
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
