// Brackets one computation of the document for its prompter (Prompter::beginRun and
// endRun), also when the computation returns early.
#pragma once

#include "dialogs/prompter.h"

class ComputationRun
{
public:
    explicit ComputationRun(Prompter &prompter)
        : m_prompter(prompter)
    {
        m_prompter.beginRun();
    }
    ~ComputationRun() { m_prompter.endRun(); }
    ComputationRun(const ComputationRun &) = delete;
    ComputationRun &operator=(const ComputationRun &) = delete;

private:
    Prompter &m_prompter;
};
