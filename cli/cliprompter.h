// The batch tool's prompter: interpolation results are kept for standard output,
// every other message goes to standard error at once (UTF-8, one per line). Nobody is
// there to answer a question, so questions are answered No.
#pragma once

#include "core/prompter.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

// Writes Windows-1252 text as one UTF-8 line.
void writeUtf8Line(FILE *stream, const std::string &text);

class CliPrompter : public Prompter
{
public:
    void message(const std::string &text) override;
    bool askYesNo(const std::string &question) override;
    bool askNumber(const std::string &text, float &value) override;

    // The answer to the next request for a number (the depth of --interpolate).
    std::optional<float> nextNumber;
    // Interpolation results in the order shown, Windows-1252.
    std::vector<std::string> interpolationResults;
    // Number of messages written to standard error.
    int messagesShown = 0;
};
