// The three ways the computations and the line handling talk to the user: a message
// with an OK button, a yes-or-no question, and a request for one number. The desktop
// program shows modal boxes, the batch tool writes to stderr, tests script the answers.
#pragma once

#include <string>

class Prompter
{
public:
    virtual ~Prompter() = default;

    // Shows the text and waits until the user has read it.
    virtual void message(const std::string &text) = 0;

    // Asks a question with the answers Yes and No; true means Yes.
    virtual bool askYesNo(const std::string &question) = 0;

    // Asks for one number. `text` describes what is asked, `value` holds the starting
    // value and receives the answer. Returns false when the user cancels. An answer is
    // always a finite number.
    virtual bool askNumber(const std::string &text, float &value) = 0;

    // Where one computation of the document begins and ends. The desktop program
    // gathers the remarks about straight intervals of a run into a single box; the batch
    // tool and the tests' scripted answers write every remark as it comes and ignore
    // these. Runs may nest; only the end of the outermost run closes it.
    virtual void beginRun() {}
    virtual void endRun() {}
};
