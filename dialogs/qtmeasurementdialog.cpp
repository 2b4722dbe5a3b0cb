// Runs the measurement dialog for the document.
#include "dialogs/qtmeasurementdialog.h"

#include "dialogs/dlginput.h"

#include <QSettings>

QtMeasurementDialog::QtMeasurementDialog(Prompter &prompter, QWidget *parent)
    : m_prompter(prompter)
    , m_parent(parent)
{
}

void QtMeasurementDialog::setParent(QWidget *parent)
{
    m_parent = parent;
}

namespace {

// Where the size the user gave the dialog is kept: in the program's settings (the
// application's organisation and name), beside the main window's.
const QString kSizeKey = QStringLiteral("Settings/MeasurementDialogSize");

} // namespace

bool QtMeasurementDialog::run(LineEditor &state)
{
    DlgInput dialog(state, m_prompter, m_parent.data());
    if (m_wellCommand)
        dialog.setWellCommand(m_wellCommand);
    // Never smaller than the classic size, which the dialog sets as its minimum.
    const QSize remembered = QSettings().value(kSizeKey).toSize();
    if (remembered.isValid())
        dialog.resize(remembered.expandedTo(dialog.minimumSize()));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_importedTieIn = accepted ? dialog.importedTieIn() : std::nullopt;
    m_importedFieldReadings = accepted ? dialog.importedFieldReadings() : std::nullopt;
    QSettings().setValue(kSizeKey, dialog.size());
    return accepted;
}
