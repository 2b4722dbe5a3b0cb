// The frame's commands for the borehole in the field: its settings and the map export.
#include "shell/mainframe.h"

#include "core/atomicfile.h"
#include "core/win1252.h"
#include "dialogs/dlgwell.h"
#include "dialogs/prompter.h"
#include "document/dravondoc.h"
#include "geo/geojson.h"
#include "listing/listing.h"
#include "shell/viewsettings.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

void CMainFrame::editWellSettings(QWidget *parent)
{
    WellSettings settings = m_doc->settings();
    if (DlgWell::edit(parent ? parent : this, settings,
            effectivePreferences(settings, loadViewPreferences()),
            listing::defaultSectionAzimuth(m_doc->trajectory())))
        m_doc->setWellSettings(settings); // marks a change and updates the views
}

bool CMainFrame::exportMap(QString path)
{
    // The settings are checked first: without a place there is nothing to ask a name for.
    std::string bytes, fault;
    if (!geo::geoJson(
            m_doc->trajectory(), m_doc->settings(), win1252::toUtf8(m_doc->name()), bytes, fault)) {
        m_prompter->message(win1252::fromUtf8(
            fault + "\nDie Lage der Bohrung wird unter Bearbeiten > Bohrung … angegeben."));
        return false;
    }
    if (path.isEmpty()) {
        const QString document = m_doc->GetPathName();
        const QString suggested = document.isEmpty() ? QStringLiteral("bohrung.geojson")
                                                     : QFileInfo(document).path() + QLatin1Char('/')
                + QFileInfo(document).completeBaseName() + QStringLiteral(".geojson");
        path = QFileDialog::getSaveFileName(this, QStringLiteral("Karte exportieren (GeoJSON)"),
            suggested, QStringLiteral("GeoJSON (*.geojson)"));
        if (path.isEmpty())
            return false;
    }
    // A failed write leaves the old file as it was and no half file.
    if (!atomicfile::writeFile(QFile::encodeName(path).toStdString(), bytes)) {
        m_prompter->message(win1252::fromUtf8(
            "Die Karte " + path.toStdString() + " kann nicht geschrieben werden."));
        return false;
    }
    return true;
}
