// The history of the document's changes: every change the user makes (the measurement
// dialog's OK, the borehole's settings, the neighbouring wells, each edit of the station
// table) is one step that "Rückgängig" takes back and "Wiederholen" makes again. The
// document's modified flag follows the history: back at the state last saved (or opened
// unchanged), the document is unmodified again.
//
// A step of the station table keeps only the stations it changed, never the whole well,
// so that a survey of a million stations stays quick to edit; a dialog's step keeps the
// well before and after.
#pragma once

#include "document/dravondoc.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <cstddef>
#include <functional>
#include <vector>

class DocumentHistory : public QObject
{
    Q_OBJECT
public:
    explicit DocumentHistory(CDravonDoc &doc, QObject *parent = nullptr);
    ~DocumentHistory() override;

    QUndoStack &stack() { return m_stack; }
    CDravonDoc &document() const { return *m_doc; }

    // Each of these applies the change at once and keeps it as one step named `name`.
    // The measurement dialog's result: the whole well and the view chosen; `edited` is
    // the dialog's own flag (see CDravonDoc::take).
    void changeWell(const QString &name, well::Well after, int view, bool edited);
    // The borehole's settings or its neighbouring wells.
    void changeSettings(const QString &name, const WellSettings &after);
    // The `count` stations from `first` become `entries`: an edit, an insertion, a
    // deletion or a paste of the station table.
    void changeStations(const QString &name, std::size_t first, std::size_t count,
        std::vector<well::StationEntry> entries);

    // A document that starts afresh (new, opened, closed, restored): nothing to take
    // back. A document that is modified already stays modified until it is saved.
    void clear();
    // The document was saved: this is the state that is unmodified.
    void markSaved();

    // Runs after each step is applied, taken back or made again (the frame's panel of
    // messages follows the computation).
    void setAfterChange(std::function<void()> hook) { m_afterChange = std::move(hook); }
    void afterChange() const
    {
        if (m_afterChange)
            m_afterChange();
    }

private:
    CDravonDoc *m_doc;
    QUndoStack m_stack;
    std::function<void()> m_afterChange;
};
