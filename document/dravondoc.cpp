// The document's life cycle, its file, the data-change command and the results file
// commands.
#include "document/dravondoc.h"

#include "core/cformat.h"
#include "core/win1252.h"
#include "document/computationrun.h"
#include "document/docfile.h"
#include "document/qttext.h"
#include "document/resultsfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

std::string localPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

CDravonDoc::CDravonDoc(Prompter &prompter, MeasurementDialog &dialog, QObject *parent)
    : QObject(parent)
    , m_prompter(&prompter)
    , m_dialog(&dialog)
{
}

bool CDravonDoc::OnNewDocument()
{
    SetPathName(QString());
    SetModifiedFlag(false);
    vorbelegung();
    m_WellSettings = {};
    return true;
}

void CDravonDoc::OnDokumentNeu()
{
    // A new survey is a new, untitled document: "Speichern" then asks for a name
    // instead of writing the new borehole into the previous survey's file.
    vorbelegung();
    m_WellSettings = {};
    SetPathName(QString());
    SetModifiedFlag(false);
    dataChange(CancelMeans::TakeAsIs);
    // New data: the graph scales it afresh.
    m_bNeueDaten = 1;
    ++m_dataRevision;
}

void CDravonDoc::setWellSettings(const WellSettings &settings)
{
    if (settings == m_WellSettings)
        return;
    m_WellSettings = settings;
    SetModifiedFlag(true);
    UpdateAllViews();
}

void CDravonDoc::OnDataChange()
{
    dataChange(CancelMeans::NoChange);
}

bool CDravonDoc::dataChange(CancelMeans cancel)
{
    // The dialog works on a copy; nothing reaches the document before OK.
    LineEditor state;
    state.m_Eingabe.clear();
    state.m_Info.clear();
    state.m_Eingabe = m_Eingabe;
    state.m_Info = m_Info;
    state.m_Format = m_Format;
    state.m_Name = m_Name;
    state.m_Ansicht = m_Ansicht;
    state.m_ZeilenModus = 0;
    const LineEditor handedOver = state;
    const bool accepted = m_dialog->run(state);
    if (!accepted) {
        if (cancel == CancelMeans::NoChange)
            return false;
        // The survey the dialog was opened on stands: it is computed and shown as if
        // OK had been pressed without a change, so that the views never show results
        // of other data under this document's title.
        state = handedOver;
        state.m_bGeaendert = 0;
    }

    // The name takes no part in the decision: renaming alone does not mark the document.
    const bool unchanged
        = state.m_Format == m_Format && state.m_bGeaendert != 1 && state.m_Ansicht == m_Ansicht;
    if (unchanged) {
        m_bNeueDaten = 0;
    } else {
        m_bNeueDaten = 1;
        ++m_dataRevision;
        SetModifiedFlag(true);
    }
    m_Format = state.m_Format;
    m_Name = state.m_Name;
    m_MaxWerte = static_cast<int>(state.m_Eingabe.size());
    // An empty station list keeps the previous lines, which the computation uses again.
    if (m_MaxWerte > 0)
        m_Eingabe = state.m_Eingabe;
    m_Info = state.m_Info;
    m_GrafikTitel = m_Name;
    m_Methode = 0;
    m_Ansicht = state.m_Ansicht;
    // One run: what the computation reports comes after the views show its results.
    ComputationRun run(*m_prompter);
    berechnung();
    UpdateAllViews();
    return accepted;
}

bool CDravonDoc::OnOpenDocument(const QString &path)
{
    // Decode into a fresh value first, so that a bad file changes nothing.
    DocumentItems items;
    std::string message;
    if (!readDocumentFile(localPath(path), path.toUtf8().toStdString(), items, message)) {
        m_prompter->message(message);
        return false;
    }
    m_Name = std::move(items.m_Name);
    m_Format = items.m_Format;
    m_Eingabe = std::move(items.m_Eingabe);
    m_Info = std::move(items.m_Info);
    m_WellSettings = std::move(items.m_Settings);
    m_Ansicht = 0;
    m_bGitter = 1;
    // The computation's remarks come once the loaded survey shows under its title.
    ComputationRun run(*m_prompter);
    // The dialog opens on the loaded survey at once; cancelling it still computes and
    // shows the loaded survey.
    dataChange(CancelMeans::TakeAsIs);
    m_bNeueDaten = 1;
    ++m_dataRevision;
    SetPathName(path);
    SetModifiedFlag(false);
    UpdateAllViews();
    return true;
}

bool CDravonDoc::OnSaveDocument(const QString &path)
{
    DocumentItems items;
    items.m_Name = m_Name;
    items.m_Format = m_Format;
    items.m_Eingabe = m_Eingabe;
    items.m_Info = m_Info;
    items.m_Settings = m_WellSettings;
    const std::string bytes = encodeDocument(items);

    // A temporary file in the same folder replaces the old one only once it is written
    // completely, so a failed save never destroys the previous file.
    // Unbuffered, so that a short write (a full disk) shows at the write itself:
    // through the buffer a partly flushed file may still be committed.
    QSaveFile file(path);
    bool saved = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (std::size_t done = 0; saved && done < bytes.size();) {
        const qint64 n = file.write(bytes.data() + done, static_cast<qint64>(bytes.size() - done));
        if (n <= 0)
            saved = false;
        else
            done += static_cast<std::size_t>(n);
    }
    if (saved)
        saved = file.commit();
    else
        file.cancelWriting();
    if (!saved) {
        static const std::string format
            = win1252::fromUtf8("Das Dokument kann nicht in der Datei %s gespeichert werden.\n"
                                "Eine vorhandene Datei dieses Namens bleibt unverändert.");
        m_prompter->message(cfmt(format.c_str(), fromQt(path).c_str()));
        return false;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

int CDravonDoc::berechnung()
{
    ComputationRun run(*m_prompter);
    return SurveyData::berechnung(*m_prompter);
}

InterpolationOutcome CDravonDoc::OnInterpolation()
{
    ComputationRun run(*m_prompter);
    return onInterpolation(*m_prompter);
}

void CDravonDoc::OnErgebnisseAusgeben()
{
    if (!writeResultsFile(localPath(m_resultsPath), titleText(), m_Ergebnisse)) {
        m_prompter->message(cfmt("Die Ergebnisse konnten nicht in die Datei %s geschrieben werden!",
            fromQt(m_resultsPath).c_str()));
        return;
    }
    m_prompter->message("Die Ergebnisse sind in die Datei aus.txt geschrieben!");
}

void CDravonDoc::OnErgebnisseEinlesen()
{
    // Emptied first: a missing file leaves an empty table.
    m_Ergebnisse.clear();
    readResultsFile(localPath(m_resultsPath), m_Ergebnisse);
    UpdateAllViews();
    m_prompter->message(cfmt("%d Zeilen wurden eingelesen", static_cast<int>(m_Ergebnisse.size())));
}

QString CDravonDoc::GetTitle() const
{
    if (m_pathName.isEmpty())
        return QStringLiteral("Unbenannt");
    return QFileInfo(m_pathName).fileName();
}

std::string CDravonDoc::titleText() const
{
    return fromQt(GetTitle());
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
