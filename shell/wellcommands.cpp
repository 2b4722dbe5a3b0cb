// The frame's commands for the borehole in the field: its settings, the map export and the
// neighbouring wells with the messages of their scan, and the well plan.
#include "shell/mainframe.h"

#include "analysis/remarks.h"
#include "clearance/wellscan.h"
#include "core/decimalsign.h"
#include "core/atomicfile.h"
#include "dialogs/dlgoffsets.h"
#include "dialogs/dlgplan.h"
#include "dialogs/dlgwell.h"
#include "dialogs/documentcommands.h"
#include "dialogs/prompter.h"
#include "field/location.h"
#include "field/neighbours.h"
#include "shell/fieldpanel.h"
#include "shell/frameui.h"
#include "document/dravondoc.h"
#include "geo/geojson.h"
#include "listing/listing.h"
#include "shell/messagespanel.h"
#include "shell/viewsettings.h"
#include "textview/dravonview.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>

#include <algorithm>

void CMainFrame::editWellSettings(QWidget *parent)
{
    WellSettings settings = m_doc->settings();
    if (!DlgWell::edit(parent ? parent : this, settings,
            effectivePreferences(settings, loadViewPreferences()),
            listing::defaultSectionAzimuth(m_doc->trajectory())))
        return;
    if (settings == m_doc->settings())
        return;
    // One step of the history; marks a change and updates the views.
    m_commands->history().changeSettings(tr("Bohrung ändern"), settings);
    // The error model and the wellhead change the factors and the slots.
    updateMessages();
}

void CMainFrame::editOffsets(QWidget *parent)
{
    WellSettings settings = m_doc->settings();
    if (!DlgOffsets::edit(parent ? parent : this, settings, m_doc->name(), m_doc->well().format))
        return;
    if (settings == m_doc->settings())
        return;
    m_commands->history().changeSettings(tr("Nachbarbohrungen ändern"), settings);
    updateMessages();
}

void CMainFrame::editPlan(QWidget *parent)
{
    WellSettings settings = m_doc->settings();
    if (!DlgPlan::edit(parent ? parent : this, settings))
        return;
    if (settings == m_doc->settings())
        return;
    m_commands->history().changeSettings(tr("Planung ändern"), settings);
    updateMessages();
}

namespace {

// The settings that place the field's wellbores as offsets: all but the well's own
// offsets and readings.
WellSettings placing(WellSettings settings)
{
    settings.offsets.clear();
    settings.fieldReadings.clear();
    return settings;
}

} // namespace

bool CMainFrame::scanField()
{
    if (!m_field || !m_field->database())
        return false;
    const std::string location = field::linkedLocation(m_field->filePath().toStdString());
    WellSettings settings = m_doc->settings();
    const std::optional<double> radius
        = m_ui->scanRadius(QString::fromStdString(field::shownLocation(location)),
            settings.field && settings.field->radius ? *settings.field->radius : 1000.0);
    if (!radius)
        return false;
    FieldLink link;
    link.location = location;
    link.radius = *radius;
    // The well's own wellbore: the one it was opened from, or the one it was linked as.
    if (const auto &place = m_doc->fieldPlace(); place && place->location == location)
        link.wellbore = place->wellbore;
    else if (settings.field && settings.field->location == location)
        link.wellbore = settings.field->wellbore;
    settings.field = link;
    if (settings == m_doc->settings()) {
        // The same link once more: the field as it is now.
        loadFieldNeighbours(true);
    } else {
        m_commands->history().changeSettings(tr("Abstand zu allen"), settings);
        loadFieldNeighbours();
    }
    updateMessages();
    return true;
}

void CMainFrame::unlinkField()
{
    WellSettings settings = m_doc->settings();
    if (!settings.field)
        return;
    settings.field.reset();
    m_commands->history().changeSettings(tr("Vom Feld lösen"), settings);
    loadFieldNeighbours();
    updateMessages();
}

void CMainFrame::loadFieldNeighbours(bool again)
{
    const std::optional<FieldLink> &link = m_doc->settings().field;
    const QString document = m_doc->GetPathName();
    const QString folder = document.isEmpty() ? QString() : QFileInfo(document).absolutePath();
    if (!again && link == m_loadedLink && folder == m_loadedFolder
        && m_doc->generation() == m_loadedGeneration
        && (!link || placing(m_doc->settings()) == m_loadedFor))
        return;
    m_loadedLink = link;
    m_loadedGeneration = m_doc->generation();
    m_loadedFolder = folder;
    m_loadedFor = link ? placing(m_doc->settings()) : WellSettings {};
    m_fieldNotes.clear();
    if (!link) {
        if (!m_doc->analysis().fieldNeighbours().empty())
            m_doc->setFieldNeighbours({}, std::nullopt);
        return;
    }
    std::string fault;
    std::optional<field::Neighbours> found
        = field::neighboursOf(*link, m_doc->settings(), folder.toStdString(), fault);
    if (!found) {
        // Nothing of the field then: a scan against old wellbores would mislead.
        m_fieldNotes.push_back(fault);
        m_doc->setFieldNeighbours({}, std::nullopt);
        return;
    }
    m_fieldNotes = std::move(found->notes);
    m_doc->setFieldNeighbours(std::move(found->offsets), std::move(found->rules));
}

void CMainFrame::takePlanAsSurvey()
{
    const plan::PlanResult &computed = m_doc->analysis().plan();
    const std::optional<plan::Plan> &plan = m_doc->settings().plan;
    if (!computed.plan || !plan)
        return;
    well::Well w = m_doc->well();
    // A plan that begins below the surface continues from its start as from a tie-in.
    const plan::Start &start = plan->start;
    const bool below = start != plan::Start {};
    w.settings.tieIn = below ? std::optional<well::TieIn>(well::TieIn { start.md, start.tvd,
                                   start.north, start.east, start.inclination, start.azimuth })
                             : std::nullopt;
    well::Survey survey;
    const std::vector<plan::PlanStation> &stations = computed.plan->stations;
    for (std::size_t k = below ? 1 : 0; k < stations.size(); ++k)
        survey.add({ stations[k].md, stations[k].inclination, stations[k].azimuth });
    w.survey = std::move(survey);
    m_commands->history().changeWell(
        tr("Planung als Messpunkte übernehmen"), std::move(w), m_doc->view(), true);
    updateMessages();
}

void CMainFrame::updateMessages()
{
    m_messagesRevision = m_doc->dataRevision();
    const well::Well &w = m_doc->well();
    // Made by the document with the computation, for the graph as well; without offsets
    // or a path there is nothing to compare.
    const bool linked = w.settings.field && !m_doc->analysis().fieldNeighbours().empty();
    const bool scanned
        = (!w.settings.offsets.empty() || linked) && !m_doc->trajectory().empty();
    std::vector<analysis::Remark> list = analysis::remarks(
        m_doc->result().diagnostics, scanned ? &m_doc->clearance() : nullptr, &m_doc->surveyCheck(),
        &m_doc->analysis().modelInputs());
    // The field's rules after the neighbours' factors, and what kept the field or some of
    // its wellbores out, before everything else.
    std::vector<analysis::Remark> fielded = analysis::ruleRemarks(m_doc->analysis().ruleFindings());
    for (const std::string &note : m_fieldNotes) {
        analysis::Remark r;
        r.severity = analysis::Severity::Warning;
        r.source = analysis::RemarkSource::Clearance;
        r.text = note;
        fielded.push_back(std::move(r));
    }
    list.insert(std::find_if(list.begin(), list.end(),
                    [](const analysis::Remark &r) {
                        return r.source != analysis::RemarkSource::Clearance;
                    }),
        fielded.begin(), fielded.end());
    // The plan's after the neighbours': where the hole stands against it and the way back
    // onto the target come before the computation's own notes.
    const std::vector<analysis::Remark> planned = analysis::planRemarks(m_doc->analysis());
    list.insert(std::find_if(list.begin(), list.end(),
                    [](const analysis::Remark &r) {
                        return r.source != analysis::RemarkSource::Clearance;
                    }),
        planned.begin(), planned.end());
    m_messages->setRemarks(list);
    const bool risk = std::any_of(list.begin(), list.end(),
        [](const analysis::Remark &r) { return r.severity == analysis::Severity::CollisionRisk; });
    if (risk && m_messages->isHidden())
        m_messages->show();
    // What the commands may do follows the well: a plan that computes can become the
    // survey.
    updateCommandUi();
}

void CMainFrame::showMessageDepth(const analysis::Remark &remark)
{
    if (!remark.depth)
        return;
    m_textView->showDepth(remark.untilDepth.value_or(*remark.depth));
    const QString depth = QString::fromStdString(decimalsign::shown(*remark.depth, 2));
    QString text;
    if (remark.source == analysis::RemarkSource::Clearance
        || remark.source == analysis::RemarkSource::SurveyCheck
        || remark.source == analysis::RemarkSource::SurveyProgram
        || remark.source == analysis::RemarkSource::Plan)
        text = tr("Meldung bei %1 m MD").arg(depth);
    else if (remark.untilDepth)
        text = tr("Meldung bei Teufe %1 bis %2")
                   .arg(depth, QString::fromStdString(decimalsign::shown(*remark.untilDepth, 2)));
    else
        text = tr("Meldung bei Teufe %1").arg(depth);
    statusBar()->showMessage(text);
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
