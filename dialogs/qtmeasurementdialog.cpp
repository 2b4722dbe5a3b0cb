// Runs the measurement dialog for the document.
#include "dialogs/qtmeasurementdialog.h"

#include "dialogs/dlginput.h"

QtMeasurementDialog::QtMeasurementDialog(Prompter &prompter, QWidget *parent)
    : m_prompter(prompter)
    , m_parent(parent)
{
}

void QtMeasurementDialog::setParent(QWidget *parent)
{
    m_parent = parent;
}

bool QtMeasurementDialog::run(LineEditor &state)
{
    DlgInput dialog(state, m_prompter, m_parent.data());
    if (m_wellCommand)
        dialog.setWellCommand(m_wellCommand);
    return dialog.exec() == QDialog::Accepted;
}
