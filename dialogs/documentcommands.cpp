#include "dialogs/documentcommands.h"

#include "core/cformat.h"
#include "dialogs/computationrun.h"
#include "i18n/i18n.h"

#include <cmath>

DocumentCommands::DocumentCommands(CDravonDoc &doc, Prompter &prompter, MeasurementDialog &dialog)
    : m_doc(&doc)
    , m_prompter(&prompter)
    , m_dialog(&dialog)
    , m_history(doc)
{
}

void DocumentCommands::OnDokumentNeu()
{
    // A new survey is a new, untitled document: "Speichern" then asks for a name
    // instead of writing the new borehole into the previous survey's file.
    m_doc->reset();
    dataChange(CancelMeans::TakeAsIs);
    // New data: the graph scales it afresh.
    m_doc->markNewData();
    // Nothing of the survey before can be taken back into the new one.
    m_history.clear();
}

void DocumentCommands::OnDataChange()
{
    dataChange(CancelMeans::NoChange);
}

bool DocumentCommands::dataChange(CancelMeans cancel)
{
    const well::Well &current = m_doc->well();
    // The dialog works on a copy; nothing reaches the document before OK.
    const auto handedOver = [&] {
        LineEditor state;
        state.m_Eingabe = current.survey.lines();
        state.m_Info = current.info;
        state.m_Format = current.format;
        state.m_Name = current.name;
        state.m_Ansicht = m_doc->view();
        state.m_ZeilenModus = 0;
        return state;
    };
    LineEditor state = handedOver();
    const bool accepted = m_dialog->run(state);
    if (!accepted) {
        if (cancel == CancelMeans::NoChange)
            return false;
        // The survey the dialog was opened on stands: it is computed and shown as if
        // OK had been pressed without a change, so that the views never show results
        // of other data under this document's title.
        state = handedOver();
        state.m_bGeaendert = 0;
    }

    well::Well changed = current;
    changed.format = state.m_Format;
    changed.name = state.m_Name;
    // An empty station list keeps the previous lines, which the computation uses again.
    // Lines that read back as the survey they came from are not read again: a long
    // survey would be copied and parsed for nothing.
    if (!state.m_Eingabe.empty() && !current.survey.readsBackAs(state.m_Eingabe))
        changed.survey = well::surveyFromLines(state.m_Eingabe);
    changed.info = state.m_Info;
    // A survey file that begins at a tie-in point brings it along.
    if (accepted) {
        if (const std::optional<well::TieIn> tieIn = m_dialog->importedTieIn())
            changed.settings.tieIn = tieIn;
        if (std::optional<std::vector<well::FieldReading>> readings
            = m_dialog->importedFieldReadings())
            changed.settings.fieldReadings = std::move(*readings);
    }
    // One run: what the computation reports comes after the views show its results.
    ComputationRun run(*m_prompter);
    const bool edited = state.m_bGeaendert == 1;
    // A change the user made on "Daten ändern" is one step of the history; the dialog
    // that opens a survey (new, opened) starts the history instead.
    if (cancel == CancelMeans::NoChange && (!(changed == current) || state.m_Ansicht != m_doc->view()))
        m_history.changeWell(QString::fromStdString(i18n::translate("Dokumentbefehle", "Messdaten ändern")),
            std::move(changed), state.m_Ansicht, edited);
    else
        m_doc->take(std::move(changed), state.m_Ansicht, edited);
    showDiagnostics();
    return accepted;
}

void DocumentCommands::showDiagnostics()
{
    if (m_remarks == Remarks::ToPrompter) {
        for (const well::Diagnostic &d : m_doc->result().diagnostics)
            m_prompter->message(well::text(d));
    }
    if (m_afterComputation)
        m_afterComputation();
}

bool DocumentCommands::OnOpenDocument(const QString &path)
{
    std::string message;
    if (!m_doc->load(path, message)) {
        m_prompter->message(message);
        return false;
    }
    // The computation's remarks come once the loaded survey shows under its title.
    ComputationRun run(*m_prompter);
    // The loaded file is unmodified before the dialog opens on it, so that what the user
    // changes there before OK stays a change that closing asks to save.
    m_doc->SetModifiedFlag(false);
    // The dialog opens on the loaded survey at once; cancelling it still computes and
    // shows the loaded survey.
    dataChange(CancelMeans::TakeAsIs);
    m_doc->markNewData();
    m_doc->SetPathName(path);
    m_doc->UpdateAllViews();
    m_history.clear();
    return true;
}

bool DocumentCommands::OnSaveDocument(const QString &path)
{
    std::string message;
    if (m_doc->save(path, message)) {
        m_history.markSaved();
        return true;
    }
    m_prompter->message(message);
    return false;
}

void DocumentCommands::recompute()
{
    ComputationRun run(*m_prompter);
    m_doc->recompute();
    showDiagnostics();
}

InterpolationOutcome DocumentCommands::OnInterpolation()
{
    ComputationRun run(*m_prompter);
    const well::Computation &result = m_doc->result();
    const std::optional<double> last = result.lastDepth();
    if (!last) {
        // Without stations there is no depth to compare against.
        m_prompter->message(well::text({ well::Message::NoStations, {}, {} }));
        return InterpolationOutcome::NoData;
    }
    float depth = 0.0f;
    const std::string prompt
        = cfmt(i18n::translateFormat("Dokumentbefehle", "Maximale Teufe:%g").c_str(), *last);
    if (!m_prompter->askNumber(prompt, depth) || !std::isfinite(depth))
        return InterpolationOutcome::Cancelled;
    // The point on the arcs the table was computed from; nothing is computed again.
    const well::Interpolation answer = well::interpolate(result, depth);
    m_prompter->message(well::text(answer.diagnostic));
    if (answer.point)
        return InterpolationOutcome::Shown;
    return answer.diagnostic.id == well::Message::DepthBeyondLast ? InterpolationOutcome::Refused
                                                                  : InterpolationOutcome::NoResult;
}

void DocumentCommands::OnErgebnisseAusgeben()
{
    m_prompter->message(m_doc->writeResults());
}

void DocumentCommands::OnErgebnisseEinlesen()
{
    m_prompter->message(m_doc->readResults());
}
