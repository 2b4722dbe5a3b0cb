// The document's life cycle, its file and the results file.
#include "document/dravondoc.h"

#include "core/cformat.h"
#include "document/docfile.h"
#include "document/resultsfile.h"
#include "geo/errormodelinputs.h"
#include "i18n/i18n.h"

#include <QFile>
#include <QFileInfo>

namespace {

std::string localPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

CDravonDoc::CDravonDoc(QObject *parent)
    : QObject(parent)
{
}

void CDravonDoc::reset()
{
    SetPathName(QString());
    SetModifiedFlag(false);
    m_well = well::Well {};
    m_view = 0;
    ++m_dataRevision;
    updateUncertainty(); // no model any more
    updateClearance(); // no neighbours any more
}

void CDravonDoc::take(well::Well well, int view, bool edited)
{
    const bool newData = edited || view != m_view || well.format != m_well.format
        || !(well.survey == m_well.survey);
    if (newData || !(well == m_well))
        SetModifiedFlag(true);
    if (newData)
        ++m_dataRevision;
    m_well = std::move(well);
    m_view = view;
    recompute();
}

void CDravonDoc::recompute()
{
    well::compute(m_well, m_result);
    m_readBack.reset();
    updateUncertainty();
    updateClearance();
    UpdateAllViews();
}

void CDravonDoc::setWellSettings(const WellSettings &settings)
{
    if (settings == m_well.settings)
        return;
    const UncertaintySettings drawn = m_well.settings.uncertainty;
    // The section's azimuth and the unit of the listings are all the scan does not read.
    const auto scanned = [](WellSettings s) {
        s.sectionAzimuth.reset();
        s.unit = LengthUnit::Metre;
        return s;
    };
    const bool rescan = !(scanned(settings) == scanned(m_well.settings));
    m_well.settings = settings;
    SetModifiedFlag(true);
    // Another multiple of σ or another model changes the extent of what is drawn.
    if (settings.uncertainty.model != drawn.model
        || settings.uncertainty.ellipseSigma != drawn.ellipseSigma)
        ++m_dataRevision;
    updateUncertainty();
    if (rescan)
        updateClearance();
    UpdateAllViews();
}

void CDravonDoc::updateClearance()
{
    // Once per computation or change of the settings, as the covariances: a scan against
    // a few long neighbours takes far too long to be made while painting.
    const bool had = !m_clearance.offsets.empty();
    m_clearance = {};
    m_offsetCovariances.clear();
    if (!m_well.settings.offsets.empty() && !m_result.path.empty()) {
        m_clearance = clr::scanWell(m_well, m_result.path);
        for (const clr::Well &w : m_clearance.offsets)
            m_offsetCovariances.push_back(w.errorModel && !w.path.empty()
                    ? unc::stationCovariances(w.path, *w.errorModel)
                    : std::vector<unc::Sym3> {});
    }
    if (had || !m_clearance.offsets.empty())
        ++m_dataRevision;
}

void CDravonDoc::updateUncertainty()
{
    // Once per computation or change of the settings: a long survey's covariances are
    // far too costly to be made while painting.
    std::vector<unc::Sym3> covariances;
    const std::optional<unc::Inputs> inputs
        = geo::errorModelInputs(m_well.settings, &m_uncertaintyMissing);
    if (inputs && !m_result.path.empty())
        covariances = unc::stationCovariances(m_result.path, *inputs);
    if (covariances != m_covariances) {
        m_covariances = std::move(covariances);
        ++m_dataRevision;
    }
}

bool CDravonDoc::load(const QString &path, std::string &message)
{
    // Decode into a fresh value first, so that a bad file changes nothing.
    DocumentItems items;
    if (!readDocumentFile(localPath(path), path.toUtf8().toStdString(), items, message))
        return false;
    m_well = wellOf(std::move(items));
    m_view = 0;
    ++m_dataRevision;
    // The neighbours of the well before are none of this one's; its own are scanned with
    // its first computation.
    m_clearance = {};
    m_offsetCovariances.clear();
    return true;
}

bool CDravonDoc::save(const QString &path, std::string &message)
{
    if (!writeDocumentFile(localPath(path), itemsOf(m_well))) {
        message = documentNotSavedMessage(path.toStdString());
        return false;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

std::string CDravonDoc::writeResults() const
{
    if (!writeResultsFile(localPath(m_resultsPath), fileTitleText(), resultsTable()))
        return cfmt(i18n::translateFormat("Dokument",
                        "Die Ergebnisse konnten nicht in die Datei %s geschrieben werden!")
                        .c_str(),
            m_resultsPath.toStdString().c_str());
    return i18n::translate("Dokument", "Die Ergebnisse sind in die Datei aus.txt geschrieben!");
}

std::string CDravonDoc::readResults()
{
    // Emptied first: a missing file leaves an empty table.
    m_readBack.emplace();
    readResultsFile(localPath(m_resultsPath), *m_readBack);
    UpdateAllViews();
    return cfmt(i18n::translateFormat("Dokument", "%d Zeilen wurden eingelesen").c_str(),
        static_cast<int>(m_readBack->size()));
}

QString CDravonDoc::GetTitle() const
{
    if (m_pathName.isEmpty())
        return QString::fromStdString(i18n::translate("Dokument", "Unbenannt"));
    return QFileInfo(m_pathName).fileName();
}

std::string CDravonDoc::titleText() const
{
    return GetTitle().toStdString();
}

std::string CDravonDoc::fileTitleText() const
{
    // The results file is a file format: its title stays German in every language.
    return m_pathName.isEmpty() ? std::string("Unbenannt") : titleText();
}

void CDravonDoc::SetPathName(const QString &path)
{
    m_pathName = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    emit titleChanged(GetTitle());
}

void CDravonDoc::SetModifiedFlag(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void CDravonDoc::UpdateAllViews()
{
    emit viewsUpdate();
}
