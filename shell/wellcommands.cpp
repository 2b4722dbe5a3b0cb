// The frame's commands for the borehole in the field: its settings, the map export and the
// neighbouring wells with the notice of their scan.
#include "shell/mainframe.h"

#include "clearance/wellscan.h"
#include "core/atomicfile.h"
#include "dialogs/dlgoffsets.h"
#include "dialogs/dlgwell.h"
#include "dialogs/prompter.h"
#include "document/dravondoc.h"
#include "geo/geojson.h"
#include "listing/listing.h"
#include "shell/viewsettings.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

void CMainFrame::editWellSettings(QWidget *parent)
{
    WellSettings settings = m_doc->settings();
    if (!DlgWell::edit(parent ? parent : this, settings,
            effectivePreferences(settings, loadViewPreferences()),
            listing::defaultSectionAzimuth(m_doc->trajectory())))
        return;
    m_doc->setWellSettings(settings); // marks a change and updates the views
    // The error model and the wellhead change the factors and the slots.
    if (!settings.offsets.empty())
        updateClearanceNotice();
}

void CMainFrame::editOffsets(QWidget *parent)
{
    WellSettings settings = m_doc->settings();
    if (!DlgOffsets::edit(parent ? parent : this, settings, m_doc->name(), m_doc->well().format))
        return;
    m_doc->setWellSettings(settings); // marks a change and updates the views
    updateClearanceNotice();
}

QMessageBox *CMainFrame::clearanceNotice() const
{
    return m_clearanceNotice.data();
}

void CMainFrame::updateClearanceNotice()
{
    const well::Well &w = m_doc->well();
    std::string text;
    if (!w.settings.offsets.empty() && !m_doc->trajectory().empty()) {
        // Made by the document with the computation, for the graph as well.
        const clr::WellScan &scan = m_doc->clearance();
        text = clr::warningNotice(scan);
        for (const clr::SetupFinding &f : scan.setup) {
            // Piece by piece: "\n" + text trips GCC 12's -Wrestrict at -O3.
            if (!text.empty())
                text += '\n';
            text += clr::text(f);
        }
    }
    if (text.empty()) {
        if (m_clearanceNotice)
            m_clearanceNotice->hide();
        return;
    }
    if (!m_clearanceNotice) {
        m_clearanceNotice = new QMessageBox(
            QMessageBox::Warning, tr("Nachbarbohrungen"), QString(), QMessageBox::Ok, this);
        m_clearanceNotice->setWindowModality(Qt::NonModal);
    }
    m_clearanceNotice->setText(QString::fromStdString(text));
    m_clearanceNotice->show();
    m_clearanceNotice->raise();
}

bool CMainFrame::exportMap(QString path)
{
    // The settings are checked first: without a place there is nothing to ask a name for.
    std::string bytes, fault;
    if (!geo::geoJson(m_doc->trajectory(), m_doc->settings(), m_doc->name(), bytes, fault)) {
        std::string text = fault;
        text += '\n';
        text += tr("Die Lage der Bohrung wird unter Bearbeiten > Bohrung … angegeben.")
                    .toStdString();
        m_prompter->message(text);
        return false;
    }
    if (path.isEmpty()) {
        const QString document = m_doc->GetPathName();
        const QString suggested = document.isEmpty() ? QStringLiteral("bohrung.geojson")
                                                     : QFileInfo(document).path() + QLatin1Char('/')
                + QFileInfo(document).completeBaseName() + QStringLiteral(".geojson");
        path = QFileDialog::getSaveFileName(
            this, tr("Karte exportieren (GeoJSON)"), suggested, tr("GeoJSON (*.geojson)"));
        if (path.isEmpty())
            return false;
    }
    // A failed write leaves the old file as it was and no half file.
    if (!atomicfile::writeFile(QFile::encodeName(path).toStdString(), bytes)) {
        m_prompter->message(
            tr("Die Karte %1 kann nicht geschrieben werden.").arg(path).toStdString());
        return false;
    }
    return true;
}
