// The desktop program's way of talking to the user: modal message boxes with the
// caption "dravon" and the number request of the interpolation dialog.
#pragma once

#include "core/prompter.h"

#include <QPointer>
#include <QWidget>

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

private:
    QWidget *boxParent() const;

    QPointer<QWidget> m_parent;
};
