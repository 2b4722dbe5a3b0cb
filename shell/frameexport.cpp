// "Datei → Exportieren …" and "Kopieren": the computed stations as a file (CSV, German
// CSV, .xlsx) or as tab-separated rows on the clipboard. The tables and the files are
// made by the export layer; the frame only asks where to.
#include "shell/mainframe.h"

#include "dialogs/prompter.h"
#include "core/win1252.h"
#include "document/dravondoc.h"
#include "export/columntable.h"
#include "export/delimitedwriter.h"
#include "export/exportformats.h"
#include "shell/frameui.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>

bool CMainFrame::hasTrajectory() const
{
    return !m_doc->trajectory().empty();
}

void CMainFrame::OnFileExport()
{
    if (!hasTrajectory())
        return;
    const auto &formats = surveyexport::exportFormats();
    QStringList filters;
    for (const surveyexport::ExportFormatEntry &entry : formats)
        filters << QString::fromUtf8(entry.filter);
    const QString document = m_doc->GetPathName();
    const QString base = document.isEmpty()
        ? QDir::current().filePath(m_doc->GetTitle())
        : QFileInfo(document).dir().filePath(QFileInfo(document).completeBaseName());
    // The last choice of format is offered again.
    static int lastFilter = 0;
    int filter = lastFilter;
    const QString chosen = m_ui->exportFileName(
        base + QString::fromUtf8(formats[static_cast<std::size_t>(filter)].extension), filters,
        filter);
    if (chosen.isEmpty())
        return;
    lastFilter = filter;
    const auto format = surveyexport::exportFormatFor(
        chosen.toStdString(), formats[static_cast<std::size_t>(filter)].format);
    const std::string path = surveyexport::withExtension(chosen.toStdString(), format);

    surveyexport::ExportInfo info;
    info.borehole = win1252::toUtf8(m_doc->name());
    info.document = document.toStdString();
    info.north = m_doc->settings().north;
    const listing::Listing stations
        = listing::buildListing(m_doc->trajectory(), {}, listing::Unit::Metre);
    if (!surveyexport::writeExport(path, format, stations, info))
        m_prompter->message(
            win1252::fromUtf8("Die Datei " + path + " kann nicht geschrieben werden."));
}

void CMainFrame::OnEditCopy()
{
    if (!hasTrajectory())
        return;
    // The rows go into a spreadsheet program on this desktop: numbers with its decimal
    // sign.
    const QString point = QLocale().decimalPoint();
    const decimalsign::Sign decimal
        = point == QLatin1String(",") ? decimalsign::Sign::Comma : decimalsign::Sign::Point;
    const std::string text = surveyexport::delimitedText(
        surveyexport::stationTable(m_doc->trajectory(), listing::Unit::Metre),
        surveyexport::clipboardStyle(decimal));
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
}
