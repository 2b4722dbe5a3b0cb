// The document commands of the desktop program: the measurement dialog on "Daten ändern",
// "Neu" and opening a file, saving, the interpolation at a depth and the results file.
// The document answers with values; these commands ask the user through the dialog and
// the prompter and show what the document and the computation report, in the order the
// program has always shown it.
#pragma once

#include "dialogs/documenthistory.h"
#include "dialogs/prompter.h"
#include "dialogs/measurementdialog.h"
#include "document/dravondoc.h"

#include <QString>

#include <functional>

// What the interpolation command ended with.
enum class InterpolationOutcome {
    Cancelled, // the user cancelled the request; nothing changed
    NoData, // no stations: "Eingabedaten fehlen!!!"
    Refused, // depth beyond the last station
    NoResult, // no point on the computed path at that depth
    Shown, // the interpolated position was shown
};

class DocumentCommands
{
public:
    DocumentCommands(CDravonDoc &doc, Prompter &prompter, MeasurementDialog &dialog);

    CDravonDoc &document() const { return *m_doc; }
    // Every change of the document as steps to take back and make again.
    DocumentHistory &history() { return m_history; }
    Prompter &prompter() const { return *m_prompter; }
    void setPrompter(Prompter &prompter) { m_prompter = &prompter; }
    void setDialog(MeasurementDialog &dialog) { m_dialog = &dialog; }

    // "Neu": a new, untitled and unmodified document with the defaults, then the
    // measurement dialog. The question about unsaved changes is the caller's (the
    // frame's). Cancel in the dialog computes and shows the defaults, so no view keeps
    // the old results.
    void OnDokumentNeu();
    // "Daten ändern": runs the measurement dialog and takes the result back on OK.
    void OnDataChange();
    // Reads a document file; on any fault shows the German message, leaves the document
    // exactly as it was and returns false. On success runs the measurement dialog on
    // the loaded well and takes the path; a change made in that dialog leaves the
    // document modified. Cancel in the dialog computes and shows the loaded survey as OK
    // without a change would.
    bool OnOpenDocument(const QString &path);
    // Writes the document file; on failure shows the German message and returns false.
    bool OnSaveDocument(const QString &path);
    // Computes again and shows what the computation reports, as one run.
    void recompute();
    // The interpolation command: asks for a depth, checks it and shows the point on the
    // computed path at that depth.
    InterpolationOutcome OnInterpolation();
    // "Ergebnisse ausgeben" / "Ergebnisse einlesen" on the document's results file.
    void OnErgebnisseAusgeben();
    void OnErgebnisseEinlesen();
    // Where the remarks of a computation go: each to the prompter as a message (the
    // batch paths and the scripted tests), or to nobody but the hook, which lists them
    // where they do not block (the desktop's panel of messages). The answers of explicit
    // commands (interpolation, results file, a file that cannot be read) always go to
    // the prompter.
    enum class Remarks { ToPrompter, ToHook };
    // Runs after each computation, once its messages are shown: the frame's list of the
    // computation's remarks and of the neighbouring wells.
    void setAfterComputation(std::function<void()> hook, Remarks remarks = Remarks::ToPrompter)
    {
        m_afterComputation = std::move(hook);
        m_remarks = m_afterComputation ? remarks : Remarks::ToPrompter;
        // A step taken back or made again computes as well; its remarks are listed, never
        // shown as messages one by one.
        m_history.setAfterChange(m_afterComputation);
    }

private:
    // What Cancel in the measurement dialog means: nothing happens, or the survey the
    // dialog was opened on is computed and shown as it is.
    enum class CancelMeans { NoChange, TakeAsIs };
    // The data change; returns true when the dialog ended with OK.
    bool dataChange(CancelMeans cancel);
    // Shows the messages of the last computation.
    void showDiagnostics();

    CDravonDoc *m_doc;
    Prompter *m_prompter;
    MeasurementDialog *m_dialog;
    DocumentHistory m_history;
    std::function<void()> m_afterComputation;
    Remarks m_remarks = Remarks::ToPrompter;
};
