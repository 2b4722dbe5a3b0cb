#include "dialogs/documenthistory.h"

#include <QUndoCommand>

#include <optional>
#include <utility>

namespace {

// The measurement dialog's OK: the well and the view before and after.
class WellStep : public QUndoCommand
{
public:
    WellStep(DocumentHistory &history, const QString &name, well::Well after, int view, bool edited)
        : QUndoCommand(name)
        , m_history(history)
        , m_before(history.document().well())
        , m_viewBefore(history.document().view())
        , m_after(std::move(after))
        , m_viewAfter(view)
        , m_edited(edited)
    {
    }

    void redo() override
    {
        // The first time with the dialog's own flag; again later, the graph scales the
        // data afresh in any case.
        m_history.document().take(m_after, m_viewAfter, m_edited);
        m_edited = true;
        m_history.afterChange();
    }

    void undo() override
    {
        m_history.document().take(m_before, m_viewBefore, true);
        m_history.afterChange();
    }

private:
    DocumentHistory &m_history;
    const well::Well m_before;
    const int m_viewBefore;
    const well::Well m_after;
    const int m_viewAfter;
    bool m_edited;
};

class SettingsStep : public QUndoCommand
{
public:
    SettingsStep(DocumentHistory &history, const QString &name, const WellSettings &after)
        : QUndoCommand(name)
        , m_history(history)
        , m_before(history.document().settings())
        , m_after(after)
    {
    }

    void redo() override { apply(m_after); }
    void undo() override { apply(m_before); }

private:
    void apply(const WellSettings &settings)
    {
        m_history.document().setWellSettings(settings);
        m_history.afterChange();
    }

    DocumentHistory &m_history;
    const WellSettings m_before;
    const WellSettings m_after;
};

// An edit of the station table: the stations it replaced and those it put in their
// place, and the unread lines when they moved. Nothing else of the well is kept.
class StationsStep : public QUndoCommand
{
public:
    StationsStep(DocumentHistory &history, const QString &name, std::size_t first,
        std::size_t count, std::vector<well::StationEntry> entries)
        : QUndoCommand(name)
        , m_history(history)
        , m_first(first)
        , m_removed(history.document().well().survey.entries(first, count))
        , m_inserted(std::move(entries))
        , m_unreadBefore(history.document().well().survey.unreadLines())
    {
    }

    void redo() override
    {
        m_history.document().editStations([this](well::Survey &survey) {
            survey.splice(m_first, m_removed.size(), m_inserted);
            // The unread lines as the first time left them, which splice gives again.
            if (m_unreadAfter)
                survey.setUnreadLines(*m_unreadAfter);
            else
                m_unreadAfter = survey.unreadLines();
        });
        m_history.afterChange();
    }

    void undo() override
    {
        m_history.document().editStations([this](well::Survey &survey) {
            survey.splice(m_first, m_inserted.size(), m_removed);
            survey.setUnreadLines(m_unreadBefore);
        });
        m_history.afterChange();
    }

private:
    DocumentHistory &m_history;
    const std::size_t m_first;
    const std::vector<well::StationEntry> m_removed;
    const std::vector<well::StationEntry> m_inserted;
    const std::vector<well::UnreadLine> m_unreadBefore;
    std::optional<std::vector<well::UnreadLine>> m_unreadAfter;
};

} // namespace

DocumentHistory::DocumentHistory(CDravonDoc &doc, QObject *parent)
    : QObject(parent)
    , m_doc(&doc)
{
    // Back at the saved state the document is unmodified; any step away from it is a
    // change that closing asks to save.
    connect(&m_stack, &QUndoStack::cleanChanged, this,
        [this](bool clean) { m_doc->SetModifiedFlag(!clean); });
}

DocumentHistory::~DocumentHistory()
{
    // The stack empties itself when it goes and says so; the document may be gone by then.
    m_stack.disconnect(this);
}

void DocumentHistory::changeWell(const QString &name, well::Well after, int view, bool edited)
{
    m_stack.push(new WellStep(*this, name, std::move(after), view, edited));
}

void DocumentHistory::changeSettings(const QString &name, const WellSettings &after)
{
    m_stack.push(new SettingsStep(*this, name, after));
}

void DocumentHistory::changeStations(const QString &name, std::size_t first, std::size_t count,
    std::vector<well::StationEntry> entries)
{
    m_stack.push(new StationsStep(*this, name, first, count, std::move(entries)));
}

void DocumentHistory::clear()
{
    const bool modified = m_doc->IsModified();
    m_stack.clear();
    // A document with changes nobody saved (a restored copy, the dialog's changes to a
    // file just opened) has no clean state in the history to go back to.
    if (modified) {
        m_stack.resetClean();
        m_doc->SetModifiedFlag(true);
    }
}

void DocumentHistory::markSaved()
{
    m_stack.setClean();
}
