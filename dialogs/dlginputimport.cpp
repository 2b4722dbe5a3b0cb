// The measurement dialog's table import: a file through the import dialog, or rows
// pasted into the station list.
#include "dialogs/dlginput.h"

#include "dialogs/tableimportdlg.h"
#include "document/docfile.h"
#include "exchange/editorimport.h"
#include "exchange/stationmapping.h"
#include "exchange/surveyfile.h"
#include "input/measurementreader.h"
#include "well/well.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

void DlgInput::importTable()
{
    runPendingLineOperation();
    const QString path = QFileDialog::getOpenFileName(this, tr("Tabelle importieren"), QString(),
        tr("Tabellen (*.csv *.tsv *.txt *.xlsx *.xls *.las *.xml);;Alle Dateien (*)"));
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
    // LAS and WITSML files are known by their content, too.
    exchange::TableFormat format = exchange::tableFormatForPath(path.toStdString())
                                       .value_or(exchange::TableFormat::Delimited);
    if (const auto kind = exchange::surveyFileKindOf(bytes))
        format = *kind == exchange::SurveyFileKind::Las ? exchange::TableFormat::Las
                                                        : exchange::TableFormat::Witsml;
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
    // The well's name a LAS or WITSML file states names a borehole that has none yet.
    std::string name = exchange::nameFromPath(path.toStdString());
    if (!dialog.wellName().empty()) {
        const bool unnamed = m_state.m_Name.empty() || m_state.m_Name == well::Well {}.name;
        name = unnamed ? dialog.wellName() : m_state.m_Name;
    }
    // The name field holds only what the document can keep, as when a name is typed.
    exchange::takeImportedStations(m_state, dialog.stationImport(), storableText(name));
    // The stations replace those before; so does the tie-in they begin at, when the file
    // names one (a table without one leaves the well's tie-in as it is).
    m_importedTieIn = dialog.tieIn();
    // The readings always go with the stations they came with: a survey without any
    // takes those of the stations before away, lest they meet a station at the same depth.
    m_importedFieldReadings = dialog.fieldReadings();
    showMembers();
    selectMarked();
}

void DlgInput::openFile(const QString &path)
{
    // The first bytes say what a file is where its name does not.
    std::string head;
    if (std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "rb")) {
        head.resize(64 * 1024);
        head.resize(std::fread(head.data(), 1, head.size(), file));
        std::fclose(file);
    }
    runPendingLineOperation();
    if (exchange::isTableImportFile(path.toStdString(), head))
        importTableFile(path);
    else
        readFile(path);
}

void DlgInput::pasteTable()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty())
        return;
    runPendingLineOperation();
    readControls();
    TableImportDialog dialog(
        text.toStdString(), exchange::TableFormat::Delimited, tr("Zwischenablage"), 1, this);
    // Pasted rows are added to the stations: the well's tie-in is not theirs to set.
    dialog.offerTieIn(false);
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
