// A prompter that records everything it is shown and answers from a script: used by
// tests, benchmarks, fuzz targets and anywhere no person is asked.
#pragma once

#include "dialogs/prompter.h"

#include <deque>
#include <string>
#include <vector>

class ScriptedPrompter : public Prompter
{
public:
    enum class Kind { Message, Question, Number };
    struct Event
    {
        Kind kind;
        std::string text;
    };

    void message(const std::string &text) override;
    bool askYesNo(const std::string &question) override;
    bool askNumber(const std::string &text, float &value) override;

    // Answers given in order; when a queue runs dry, questions get `defaultYes` and
    // number requests are cancelled.
    std::deque<bool> yesNoAnswers;
    std::deque<float> numberAnswers;
    bool defaultYes = true;
    // When false nothing is recorded (benchmarks).
    bool record = true;

    std::vector<Event> events;
    std::vector<std::string> messages() const;
};
