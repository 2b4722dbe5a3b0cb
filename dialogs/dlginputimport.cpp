// The measurement dialog's table import: a file through the import dialog, or rows
// pasted into the station list.
#include "dialogs/dlginput.h"

#include "dialogs/tableimportdlg.h"
#include "document/qttext.h"
#include "exchange/editorimport.h"
#include "exchange/stationmapping.h"
#include "input/measurementreader.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

void DlgInput::importTable()
{
    runPendingLineOperation();
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Tabelle importieren"),
        QString(), QStringLiteral("Tabellen (*.csv *.tsv *.txt *.xlsx *.xls);;Alle Dateien (*)"));
    if (path.isEmpty())
        return;
    importTableFile(path);
}

void DlgInput::importTableFile(const QString &path)
{
    std::string bytes;
    exchange::TableFault fault;
    if (!exchange::readTableFile(path.toStdString(), bytes, fault)) {
        m_prompter.message(fault.message);
        return;
    }
    // The name says what the file should be, the content must agree: a workbook of
    // either kind is read as what it is, anything else named .xlsx or .xls is refused.
    exchange::TableFormat format = exchange::tableFormatForPath(path.toStdString())
                                       .value_or(exchange::TableFormat::Delimited);
    if (const auto refused
        = exchange::checkTableContent(QFileInfo(path).fileName().toStdString(), bytes, format)) {
        m_prompter.message(refused->message);
        return;
    }
    readControls();
    TableImportDialog dialog(std::move(bytes), format, QFileInfo(path).fileName(),
        schrittweite(m_state.m_Datenauswahl), this);
    if (!dialog.readable()) {
        m_prompter.message(dialog.fault()->message);
        return;
    }
    if (dialog.exec() != QDialog::Accepted)
        return; // nothing changes
    exchange::takeImportedStations(
        m_state, dialog.stationImport(), exchange::nameFromPath(path.toStdString()));
    showMembers();
    selectMarked();
}

void DlgInput::pasteTable()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty())
        return;
    runPendingLineOperation();
    readControls();
    TableImportDialog dialog(text.toStdString(), exchange::TableFormat::Delimited,
        QStringLiteral("Zwischenablage"), 1, this);
    if (!dialog.readable()) {
        m_prompter.message(dialog.fault()->message);
        return;
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    exchange::addImportedStations(m_state, dialog.stationImport());
    showMembers();
    selectMarked();
}
