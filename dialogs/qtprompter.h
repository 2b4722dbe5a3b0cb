// The desktop program's way of talking to the user: modal message boxes with the
// caption "dravon" and the number request of the interpolation dialog. The remarks
// about straight intervals of one computation run are gathered and shown together in
// one box at the end of the run.
#pragma once

#include "dialogs/prompter.h"

#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget *parent = nullptr);

    // The window the boxes belong to (the main window once it exists). While a modal
    // dialog is open the boxes sit on that dialog instead.
    void setParent(QWidget *parent);

    void message(const std::string &text) override;
    bool askYesNo(const std::string &question) override;
    bool askNumber(const std::string &text, float &value) override;

    void beginRun() override;
    void endRun() override;

    // A remark that an interval has no curvature ("KEINE KRUEMMUNG VON TEUFE:...").
    static bool isStraightIntervalRemark(const std::string &text);

private:
    QWidget *boxParent() const;
    void showRemarks(const std::vector<std::string> &remarks);

    QPointer<QWidget> m_parent;
    int m_runDepth = 0;
    std::vector<std::string> m_remarks; // held back until the run ends
};
