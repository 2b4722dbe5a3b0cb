// "Datei → Exportieren …" and "Kopieren": the computed stations as a file (CSV, German
// CSV, .xlsx) or as tab-separated rows on the clipboard. The rows, the tables and the
// files are made by the export layer in the settings in effect, as the batch tool makes
// them; the frame only asks where to. "Bild speichern …": the graph or the 3D view shown,
// drawn into a file as the batch tool's --plot draws it.
#include "shell/mainframe.h"

#include "dialogs/prompter.h"
#include "document/dravondoc.h"
#include "document/viewpreferences.h"
#include "export/columntable.h"
#include "export/delimitedwriter.h"
#include "export/exportformats.h"
#include "export/wellrows.h"
#include "graph/pageexport.h"
#include "graph/view/grafik.h"
#include "graph3d/view/view3d.h"
#include "shell/frameui.h"
#include "shell/viewsettings.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWidget>

bool CMainFrame::hasTrajectory() const
{
    return !m_doc->trajectory().empty();
}

surveyexport::RowSettings CMainFrame::rowSettings(std::string *unplaced) const
{
    const ViewPreferences p = effectivePreferences(m_doc->settings(), loadViewPreferences());
    return surveyexport::rowSettings(m_doc->settings(), p.unit, p.sectionAzimuth, unplaced);
}

namespace {

// Where an exported file is offered: beside the document under its name without the
// extension, or in the working folder under the document's title while it has no file.
QString exportBase(const CDravonDoc &doc)
{
    const QString document = doc.GetPathName();
    return document.isEmpty()
        ? QDir::current().filePath(doc.GetTitle())
        : QFileInfo(document).dir().filePath(QFileInfo(document).completeBaseName());
}

} // namespace

void CMainFrame::OnFileExport()
{
    if (!hasTrajectory())
        return;
    const auto &formats = surveyexport::exportFormats();
    QStringList filters;
    for (const surveyexport::ExportFormatEntry &entry : formats)
        filters << QString::fromUtf8(entry.filter);
    const QString base = exportBase(*m_doc);
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
    info.borehole = m_doc->name();
    info.document = m_doc->GetPathName().toStdString();
    info.north = m_doc->analysis().courseNorth();
    info.program = m_doc->settings().uncertainty.program;
    std::string unplaced;
    // The same rows, made and written a piece at a time, as the batch tool's --export.
    const surveyexport::RowSource stations
        = surveyexport::stationRows(m_doc->trajectory(), rowSettings(&unplaced));
    if (!surveyexport::writeExport(path, format, stations, info)) {
        m_prompter->message(tr("Die Datei %1 kann nicht geschrieben werden.")
                                .arg(QString::fromStdString(path))
                                .toStdString());
        return;
    }
    // The file is written all the same, as the batch tool writes it: without the
    // absolute columns.
    if (!unplaced.empty())
        m_prompter->message(unplaced + "\n"
            + tr("Rechtswert und Hochwert fehlen in der Datei. Die Lage der Bohrung "
                 "wird unter Bearbeiten > Bohrung … angegeben.")
                  .toStdString());
}

void CMainFrame::OnEditCopy()
{
    if (!hasTrajectory())
        return;
    // The rows go into a spreadsheet program beside a German program: numbers and the
    // headings with the interface's decimal sign.
    surveyexport::ColumnTable table = surveyexport::listingTable(
        surveyexport::wellRows(m_doc->trajectory(), {}, rowSettings()), false);
    // Named above the headings as in the exported files.
    if (m_doc->analysis().courseNorth().named())
        table.north = m_doc->analysis().courseNorth();
    const std::string text = surveyexport::delimitedText(
        table, surveyexport::clipboardStyle(decimalsign::interfaceSign()));
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
}

bool CMainFrame::saveImage(QString path)
{
    auto *graph = qobject_cast<CGrafik *>(m_activeView);
    auto *view = qobject_cast<View3d *>(m_activeView);
    if ((!graph && !view) || !hasTrajectory())
        return false;
    const QStringList filters { tr("PNG-Bild (*.png)"), tr("SVG-Grafik (*.svg)"),
        tr("PDF-Dokument (*.pdf)") };
    const QStringList extensions { QStringLiteral(".png"), QStringLiteral(".svg"),
        QStringLiteral(".pdf") };
    if (path.isEmpty()) {
        const QString base = exportBase(*m_doc);
        // The last choice of type is offered again.
        static int lastFilter = 0;
        int filter = lastFilter;
        path = m_ui->imageFileName(
            base + (view ? QStringLiteral("-3d") : QString()) + extensions.at(filter), filters,
            filter);
        if (path.isEmpty())
            return false;
        lastFilter = std::clamp(filter, 0, static_cast<int>(extensions.size()) - 1);
        // A name without an extension gets the type's.
        if (QFileInfo(path).suffix().isEmpty())
            path += extensions.at(lastFilter);
    }
    std::string error;
    bool written = false;
    if (view) {
        // A PNG at a size the user chooses, at first twice the picture on screen; the last
        // size chosen is offered again.
        static QSize lastSize;
        QSize pixels = lastSize.isEmpty() ? view->canvas()->size() * 2 : lastSize;
        if (QFileInfo(path).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0) {
            if (!m_ui->imageSize(pixels))
                return false;
            lastSize = pixels;
        }
        written = view->saveImage(path, pixels, error);
    } else if (graph->shown() == GraphShown::Ladder) {
        written
            = exportLadderPage(graph->ladderData(), m_doc->titleText(), path.toStdString(), error);
    } else if (graph->shown() == GraphShown::Cylinder) {
        written = exportCylinderPage(
            graph->cylinderData(), m_doc->titleText(), path.toStdString(), error);
    } else {
        written = exportGraphPage(graph->shownData(), m_doc->titleText(), path.toStdString(), error,
            graph->isTrueScale());
    }
    if (!written)
        m_prompter->message(error);
    return written;
}
