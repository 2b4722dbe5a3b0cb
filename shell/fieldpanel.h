// The "Feld" panel: the tree of the field file (fields, sites, slots, wells, wellbores),
// also the nodes with nothing below them. A wellbore opens as a new, unsaved document;
// files are added to a site, chosen one by one or a whole folder, after a preview of what
// they bring; any node is renamed in place, moved by dragging it or with
// "Verschieben nach …", and deleted with everything below it. Every change is one
// transaction of the field file and one step of the panel's own history; a refused change
// is said below the tree and changes nothing.
#pragma once

#include "dialogs/importpreviewdlg.h"
#include "field/fielddb.h"

#include <QDockWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>

#include <functional>
#include <optional>

class QAction;
class QLabel;

// The tree with dragging: a well dropped on a slot, a slot on a site (any node on a node
// one level up) asks the panel to move it; the tree never moves an item by itself.
class FieldTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit FieldTree(QWidget *parent = nullptr);

signals:
    // Node `id` of `kind` dropped on `target`, one level up.
    void moveRequested(int kind, qlonglong id, qlonglong target);
    // Entf on the current item.
    void removeRequested();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QTreeWidgetItem *dropTarget(QDropEvent *event) const;
};

class FieldPanel : public QDockWidget
{
    Q_OBJECT
public:
    explicit FieldPanel(QWidget *parent = nullptr);
    ~FieldPanel() override;

    // Opens (or makes) the field file at `path` and shows its tree; false with the fault
    // said below the tree. The history starts afresh.
    bool openFile(const QString &path);
    QString filePath() const { return m_path; }
    field::Database *database() { return m_db ? &*m_db : nullptr; }

    FieldTree *tree() const { return m_tree; }
    QUndoStack &stack() { return m_stack; }
    // What the panel says below the tree: the last refusal, or nothing.
    QString notice() const;

    // The item of node `id` of `kind`; null when the tree has none.
    QTreeWidgetItem *itemOf(field::NodeKind kind, std::int64_t id) const;
    static field::NodeKind kindOf(const QTreeWidgetItem *item);
    static std::int64_t idOf(const QTreeWidgetItem *item);

    // The commands of the context menu, on the current item.
    QAction *openAction() const { return m_open; }
    QAction *addAction() const { return m_add; }
    QAction *addFolderAction() const { return m_addFolder; }
    QAction *renameAction() const { return m_rename; }
    QAction *moveAction() const { return m_move; }
    QAction *removeAction() const { return m_remove; }

    // The changes, each one step of the history; false (said below the tree) when the
    // field file refuses them.
    bool renameNode(QTreeWidgetItem *item, const QString &name);
    bool moveNode(QTreeWidgetItem *item, QTreeWidgetItem *target);
    bool removeNode(QTreeWidgetItem *item);
    // The files at `paths` read, shown in the preview and what it keeps imported as one
    // step; a file that cannot be read is named and left out. False when nothing was
    // imported (none could be read, the preview was cancelled, the field refused).
    bool addFiles(QTreeWidgetItem *site, const QStringList &paths);
    // Every file of `folder` (field::importPaths()), as addFiles() takes them.
    bool addFolder(QTreeWidgetItem *site, const QString &folder);
    // The definitive survey of a wellbore, given to whoever opens documents.
    bool openWellbore(QTreeWidgetItem *item);
    // The item's place in the field as a document's title names it.
    static QString pathOf(const QTreeWidgetItem *item);

    // What the panel asks the user; the tests answer in their place.
    struct Questions
    {
        std::function<bool(const QString &text)> confirm;
        std::function<QStringList()> files;
        // The index of the chosen one of `places`; none when cancelled.
        std::function<std::optional<int>(const QStringList &places)> place;
        // The folder to import; empty when cancelled.
        std::function<QString()> folder;
        // The items of an import as kept and edited in its preview; none when cancelled.
        std::function<std::optional<std::vector<field::ImportItem>>(const ImportPreview &)>
            preview;
    };
    void setQuestions(Questions questions) { m_ask = std::move(questions); }

    // Reads the tree anew from the field file, keeping what was open and current.
    void refresh();

signals:
    // `place`: the wellbore's place as the field names it (field::pathOf).
    void surveyOpened(const well::Well &well, const QString &title, const std::string &place);

private:
    friend class FieldChange;
    void say(const QString &text);
    void updateActions();
    void moveCurrent();
    void removeCurrent();
    void addToCurrent();
    void addFolderToCurrent();
    // The site's wells and wellbores with their versions, as the preview compares them.
    std::vector<field::WellboreEntry> wellboresOf(QTreeWidgetItem *site);
    void showMenu(const QPoint &at);

    std::optional<field::Database> m_db;
    QString m_path;
    FieldTree *m_tree;
    QLabel *m_notice;
    QUndoStack m_stack;
    Questions m_ask;
    bool m_filling = false; // the tree is being filled: its changes are no edits
    QAction *m_open;
    QAction *m_add;
    QAction *m_addFolder;
    QAction *m_rename;
    QAction *m_move;
    QAction *m_remove;
};
