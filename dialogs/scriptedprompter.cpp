#include "dialogs/scriptedprompter.h"

void ScriptedPrompter::message(const std::string &text)
{
    if (record)
        events.push_back({Kind::Message, text});
}

bool ScriptedPrompter::askYesNo(const std::string &question)
{
    if (record)
        events.push_back({Kind::Question, question});
    if (yesNoAnswers.empty())
        return defaultYes;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

bool ScriptedPrompter::askNumber(const std::string &text, float &value)
{
    if (record)
        events.push_back({Kind::Number, text});
    if (numberAnswers.empty())
        return false;
    value = numberAnswers.front();
    numberAnswers.pop_front();
    return true;
}

std::vector<std::string> ScriptedPrompter::messages() const
{
    std::vector<std::string> out;
    for (const Event &e : events) {
        if (e.kind == Kind::Message)
            out.push_back(e.text);
    }
    return out;
}
