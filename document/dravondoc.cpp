// The document's life cycle, its file and the results file.
#include "document/dravondoc.h"

#include "core/cformat.h"
#include "document/docfile.h"
#include "document/resultsfile.h"
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
    // No model, no neighbours, no results, and no name: the batch tool's placeholder name
    // is not one a user wants to delete by hand before typing the well's own.
    well::Well blank;
    blank.name.clear();
    m_analysis.reset(std::move(blank));
    m_fieldPlace.reset();
    ++m_generation;
    m_view = 0;
    ++m_dataRevision;
    followAnswers();
    UpdateAllViews();
}

void CDravonDoc::take(well::Well well, int view, bool edited)
{
    const well::Well &before = m_analysis.well();
    const bool newData = edited || view != m_view || well.format != before.format
        || !(well.survey == before.survey);
    if (newData || !(well == before))
        SetModifiedFlag(true);
    if (newData)
        ++m_dataRevision;
    m_analysis.setWell(std::move(well));
    m_view = view;
    recompute();
}

void CDravonDoc::stationsEdited()
{
    SetModifiedFlag(true);
    ++m_dataRevision;
    recompute();
}

void CDravonDoc::recompute()
{
    m_analysis.compute();
    m_readBack.reset();
    followAnswers();
    UpdateAllViews();
}

void CDravonDoc::setWellSettings(const WellSettings &settings)
{
    const UncertaintySettings drawn = m_analysis.well().settings.uncertainty;
    if (settings == m_analysis.well().settings)
        return;
    // A tie-in moves the whole course: what was computed is computed again from it.
    const bool moved = settings.tieIn != m_analysis.well().settings.tieIn;
    const well::Computation &last = m_analysis.computation();
    const bool computed = !last.checked.stations.empty() || !last.table.empty();
    const std::uint64_t course = m_analysis.revisions().course;
    m_analysis.setSettings(settings);
    SetModifiedFlag(true);
    if (moved && computed) {
        ++m_dataRevision;
        recompute();
        return;
    }
    // Settings that turn the course to another north made it anew.
    if (m_analysis.revisions().course != course) {
        m_readBack.reset();
        ++m_dataRevision;
    }
    // Another multiple of σ or another model changes the extent of what is drawn.
    if (settings.uncertainty.model != drawn.model
        || settings.uncertainty.ellipseSigma != drawn.ellipseSigma)
        ++m_dataRevision;
    followAnswers();
    UpdateAllViews();
}

void CDravonDoc::setFieldNeighbours(
    std::vector<OffsetWell> offsets, std::optional<clr::RuleSet> rules)
{
    m_analysis.setFieldNeighbours(std::move(offsets), std::move(rules));
    followAnswers();
    UpdateAllViews();
}

void CDravonDoc::followAnswers()
{
    const analysis::Revisions &now = m_analysis.revisions();
    if (now.covariances != m_seen.covariances || now.clearance != m_seen.clearance)
        ++m_dataRevision;
    m_seen = now;
}

bool CDravonDoc::load(const QString &path, std::string &message)
{
    // Decode into a fresh value first, so that a bad file changes nothing.
    DocumentItems items;
    if (!readDocumentFile(localPath(path), path.toUtf8().toStdString(), items, message))
        return false;
    // Nothing of the well before stays, neither its results nor its neighbours; the
    // loaded well is computed with the dialog's OK.
    m_analysis.reset(wellOf(std::move(items)));
    m_fieldPlace.reset();
    ++m_generation;
    m_view = 0;
    ++m_dataRevision;
    m_seen = m_analysis.revisions();
    UpdateAllViews();
    return true;
}

void CDravonDoc::loadUnnamed(well::Well well, const QString &title)
{
    m_analysis.reset(std::move(well));
    m_fieldPlace.reset();
    ++m_generation;
    m_view = 0;
    ++m_dataRevision;
    m_seen = m_analysis.revisions();
    m_pathName.clear();
    m_untitled = title;
    emit titleChanged(GetTitle());
    UpdateAllViews();
}

bool CDravonDoc::save(const QString &path, std::string &message)
{
    if (!writeDocumentFile(localPath(path), analysis::savedItems(well()))) {
        message = documentNotSavedMessage(path.toStdString());
        return false;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

bool CDravonDoc::writeCopy(const QString &path) const
{
    return writeDocumentFile(localPath(path), analysis::savedItems(well()));
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
    if (m_pathName.isEmpty() && !m_untitled.isEmpty())
        return m_untitled;
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
    // A title from elsewhere lasts until the document has a name of its own or is new.
    m_untitled.clear();
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
