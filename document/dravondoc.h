// The document: the survey of one borehole through its life cycle (new, "Daten
// ändern", open, save), its results file commands and the interpolation command.
// Views learn of changes through the viewsUpdate signal.
#pragma once

#include "core/prompter.h"
#include "core/survey.h"
#include "document/measurementdialog.h"
#include "well/settings.h"

#include <QObject>
#include <QString>

#include <cstdint>

class CDravonDoc : public QObject, public SurveyData
{
    Q_OBJECT
public:
    CDravonDoc(Prompter &prompter, MeasurementDialog &dialog, QObject *parent = nullptr);

    Prompter &prompter() const { return *m_prompter; }
    void setPrompter(Prompter &prompter) { m_prompter = &prompter; }
    void setDialog(MeasurementDialog &dialog) { m_dialog = &dialog; }

    // ---- life cycle ----
    // A new, unnamed document with the defaults; clears the path and the modified flag.
    bool OnNewDocument();
    // "Neu": defaults as a new, untitled and unmodified document, then the measurement
    // dialog. The question about unsaved changes is the caller's (the frame's). Cancel
    // in the dialog computes and shows the defaults, so no view keeps the old results.
    void OnDokumentNeu();
    // "Daten ändern": runs the measurement dialog and takes the result back on OK.
    void OnDataChange();
    // Reads a document file into a fresh value first; on any fault shows a German
    // message, leaves this document exactly as it was and returns false. On success
    // takes the four items, runs the measurement dialog and takes the path. Cancel in
    // the dialog computes and shows the loaded survey as OK without a change would.
    bool OnOpenDocument(const QString &path);
    // Writes the document file without ever destroying the previous one (temporary
    // file, then rename). On failure shows a German message and returns false.
    bool OnSaveDocument(const QString &path);

    // The wellhead, the norths and the section of this borehole; stored with the
    // document, emptied by a new document and by "Neu".
    WellSettings m_WellSettings;
    // Takes new settings; a change marks the document modified and updates the views.
    void setWellSettings(const WellSettings &settings);

    using SurveyData::berechnung;
    int berechnung();
    InterpolationOutcome OnInterpolation();

    // "Ergebnisse ausgeben" / "Ergebnisse einlesen" on "aus.txt" in the working folder
    // (another path for tests).
    void OnErgebnisseAusgeben();
    void OnErgebnisseEinlesen();
    void setResultsPath(const QString &path) { m_resultsPath = path; }

    // ---- what the views read ----
    // The trajectory the graph draws (single-precision stations, as the results table).
    const traj::Trajectory &plotTrajectory() const { return trajectory(); }
    // The borehole name (Windows-1252) and the view chosen in the measurement dialog
    // (0 side view, 1 top view).
    const std::string &name() const { return m_Name; }
    int view() const { return m_Ansicht; }
    // The results table, one entry per line.
    const StringList &resultsTable() const { return m_Ergebnisse; }
    // Grows whenever the data change so that a graph scales them afresh; a view keeps
    // the revision it last scaled for.
    std::uint64_t dataRevision() const { return m_dataRevision; }

    // ---- what the framework kept for a document ----
    // "Unbenannt" until the document was opened or saved, then the file name without
    // its folder.
    QString GetTitle() const;
    // The same title in the program's character set (for the "Dokument" lines).
    std::string titleText() const;
    QString GetPathName() const { return m_pathName; }
    void SetPathName(const QString &path);
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);
    // Tells every view to repaint from the current data.
    void UpdateAllViews();

signals:
    void viewsUpdate();
    void titleChanged(const QString &title);
    void modifiedChanged(bool modified);

private:
    // What Cancel in the measurement dialog means: nothing happens, or the survey the
    // dialog was opened on is computed and shown as it is.
    enum class CancelMeans { NoChange, TakeAsIs };
    // The data change; returns true when the dialog ended with OK.
    bool dataChange(CancelMeans cancel);

    Prompter *m_prompter;
    MeasurementDialog *m_dialog;
    QString m_pathName;
    QString m_resultsPath = QStringLiteral("aus.txt");
    bool m_modified = false;
    std::uint64_t m_dataRevision = 1;
};
