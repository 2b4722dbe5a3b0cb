// Where one computation of the document begins and ends, for a prompter that wants to
// know: the desktop program gathers the remarks about straight intervals of one run
// into a single box instead of one box each. The batch tool's prompter does not listen
// and writes every remark as it comes.
#pragma once

#include "core/prompter.h"

class RunAwarePrompter
{
public:
    virtual ~RunAwarePrompter() = default;

    // Runs may nest; only the end of the outermost run closes it.
    virtual void beginRun() = 0;
    virtual void endRun() = 0;
};

// Brackets a computation for the prompter, if it listens.
class ComputationRun
{
public:
    explicit ComputationRun(Prompter &prompter)
        : m_listener(dynamic_cast<RunAwarePrompter *>(&prompter))
    {
        if (m_listener)
            m_listener->beginRun();
    }
    ~ComputationRun()
    {
        if (m_listener)
            m_listener->endRun();
    }
    ComputationRun(const ComputationRun &) = delete;
    ComputationRun &operator=(const ComputationRun &) = delete;

private:
    RunAwarePrompter *m_listener;
};
