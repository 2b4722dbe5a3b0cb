// The document: one well through its life cycle (new, changed, opened, saved), the last
// computation of it, and the results file commands. It answers with values and never
// asks anything; the desktop commands (dialogs/documentcommands.h) run the dialogs and
// show its messages. Views learn of changes through the viewsUpdate signal and of new
// data through dataRevision; none of them writes into the document.
#pragma once

#include "analysis/analysis.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CDravonDoc : public QObject
{
    Q_OBJECT
public:
    explicit CDravonDoc(QObject *parent = nullptr);

    // ---- what the document holds ----
    const well::Well &well() const { return m_analysis.well(); }
    const well::Computation &result() const { return m_analysis.computation(); }
    const WellSettings &settings() const { return well().settings; }
    // The borehole name and the view chosen in the measurement dialog
    // (0 side view, 1 top view).
    const std::string &name() const { return well().name; }
    int view() const { return m_view; }
    // The trajectory the graph draws (single-precision stations, as the results table),
    // and the one every other output reads (the stations as entered).
    const traj::Trajectory &plotTrajectory() const { return result().legacy; }
    const traj::Trajectory &trajectory() const { return result().path; }
    // The results table, one entry per line: the last computation's, or the lines read
    // back from a results file.
    const well::StringList &resultsTable() const
    {
        return m_readBack ? *m_readBack : result().table;
    }
    // True while the table is a results file read back rather than the last computation's.
    bool tableReadBack() const { return m_readBack.has_value(); }
    // The well and everything computed from it.
    const analysis::Analysis &analysis() const { return m_analysis; }
    // The analysis's answers (analysis/analysis.h), made with each computation and each
    // change of the settings, never while drawing: the stations' covariances by the
    // well's error model (empty without a model or while an input is missing;
    // uncertaintyMissing() then says which, None without a model), the clearance scan
    // against the neighbouring wells and the covariances of each offset taking part.
    const std::vector<unc::Sym3> &stationCovariances() const { return m_analysis.covariances(); }
    unc::MissingInput uncertaintyMissing() const { return m_analysis.modelInputs().missing; }
    // Why the survey program cannot be computed, with uncertaintyMissing() Program.
    const std::string &uncertaintyRefusal() const { return m_analysis.modelInputs().refusal; }
    const clr::WellScan &clearance() const { return m_analysis.clearance(); }
    const surveycheck::Result &surveyCheck() const { return m_analysis.surveyCheck(); }
    const std::vector<std::vector<unc::Sym3>> &offsetCovariances() const
    {
        return m_analysis.offsetCovariances();
    }
    // Grows whenever the data change so that a graph scales them afresh (the uncertainty
    // included); a view keeps the revision it last scaled for.
    std::uint64_t dataRevision() const { return m_dataRevision; }

    // ---- changes ----
    // A new document with the defaults and no name yet; clears the path, the modified
    // flag and every result of the document before, and the views show it empty at once.
    void reset();
    // Takes a well and a view as the measurement dialog hands them back. `edited` is the
    // dialog's own flag (a file was read or a line edit confirmed). Any change, the name
    // included, marks the document modified; a change of the stations, the format or the
    // view, or an edit, gives the graph new data. Then computes and updates the views.
    void take(well::Well well, int view, bool edited);
    // Changes the stations in place by `edit` (the station table's edits and their undo),
    // marks the document modified, gives the graph new data, computes and updates the
    // views: the same as take with the changed stations, without copying the well.
    template <typename Edit> void editStations(Edit &&edit)
    {
        edit(m_analysis.editSurvey());
        stationsEdited();
    }
    // Computes the well again (the results of an unchanged well are the same).
    void recompute();
    // Takes new settings; a change marks the document modified and updates the views.
    void setWellSettings(const WellSettings &settings);
    // The field's wellbores and rules for the settings' field link (analysis.h), as the
    // field holds them now; they change nothing of the document and mark nothing
    // modified, and the views show the scan made with them.
    void setFieldNeighbours(std::vector<OffsetWell> offsets, std::optional<clr::RuleSet> rules);
    // The field and the well's own place in it (field/site/well[/wellbore]) of a survey
    // opened from a field: set after loadUnnamed, kept when the document is saved, gone
    // with the next document. The well is no neighbour of itself.
    struct FieldPlace
    {
        std::string location, wellbore;
    };
    void setFieldPlace(FieldPlace place) { m_fieldPlace = std::move(place); }
    const std::optional<FieldPlace> &fieldPlace() const { return m_fieldPlace; }
    // Moves on with every document that takes the place of the one before (new, opened,
    // from the field): what was read for the document before is not this one's.
    std::uint64_t generation() const { return m_generation; }
    // The view choice alone, as a document just opened starts with the side view.
    void setView(int view) { m_view = view; }

    // ---- files ----
    // Reads a document file into the document's well; on any fault returns false with
    // the German message and leaves the document exactly as it was.
    // Neither computes nor takes the path: the caller opens the dialog on the loaded well
    // first.
    bool load(const QString &path, std::string &message);
    // A well from elsewhere (a survey of the field file) as an unnamed document titled
    // `title` until it is saved: like load, neither computes nor marks anything.
    void loadUnnamed(well::Well well, const QString &title);
    // Writes the document file without ever destroying the previous one (temporary file,
    // then rename); takes the path and clears the modified flag on success. On failure
    // returns false with the German message.
    bool save(const QString &path, std::string &message);
    // Writes the same document file to `path` as save does, the same way, but keeps the
    // document's path and its modified flag: a copy for recovery after a crash.
    bool writeCopy(const QString &path) const;

    // "Ergebnisse ausgeben": writes the results file; the message to show either way.
    std::string writeResults() const;
    // "Ergebnisse einlesen": the table becomes the file's lines (empty for a missing file);
    // the message to show.
    std::string readResults();
    void setResultsPath(const QString &path) { m_resultsPath = path; }

    // ---- what the framework kept for a document ----
    // "Unbenannt" (in the chosen language) until the document was opened or saved, then
    // the file name without its folder.
    QString GetTitle() const;
    // The same title as the pages' "Dokument" lines take it.
    std::string titleText() const;
    // The title the results file is written under: "Unbenannt" in every language.
    std::string fileTitleText() const;
    QString GetPathName() const { return m_pathName; }
    void SetPathName(const QString &path);
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);
    // Tells every view to repaint from the current data.
    void UpdateAllViews();
    // The graph scales the data afresh at its next drawing.
    void markNewData() { ++m_dataRevision; }

signals:
    void viewsUpdate();
    void titleChanged(const QString &title);
    void modifiedChanged(bool modified);

private:
    // The data revision moves on when the analysis made the covariances or the scan anew
    // with another result, so that the graph scales afresh.
    void followAnswers();
    void stationsEdited();

    analysis::Analysis m_analysis;
    analysis::Revisions m_seen; // the answers' revisions the data revision follows
    std::optional<well::StringList> m_readBack; // the lines of a results file read back
    int m_view = 0;
    QString m_pathName;
    QString m_untitled; // the title while there is no path; "Unbenannt" when empty
    QString m_resultsPath = QStringLiteral("aus.txt");
    bool m_modified = false;
    std::uint64_t m_dataRevision = 1;
    std::optional<FieldPlace> m_fieldPlace;
    std::uint64_t m_generation = 0;
};
