// Asks for the depth at which the hole's position is interpolated.
#pragma once

#include "dialogs/prompter.h"

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

class DlgInterpolation : public QDialog
{
    Q_OBJECT

public:
    // A text that is not a number is refused with a message through `prompter`, or in
    // a message box of its own when none is given.
    explicit DlgInterpolation(QWidget *parent = nullptr, Prompter *prompter = nullptr);

    float m_MaxTeufe = 0; // depth of the last station; set by the caller
    float m_SollTeufe = 0; // the requested depth; shown in the edit, read on OK
    std::string m_Text; // the text above the edit ("Maximale Teufe:...")

    QLineEdit *depthEdit() const { return m_edit; }
    QLabel *textLabel() const { return m_label; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    // OK: takes the depth from the edit; a text that is not a whole, finite number is
    // refused and the dialog stays open.
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Prompter *m_prompter;
    QLineEdit *m_edit = nullptr;
    QLabel *m_label = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_bShown = false;
};
