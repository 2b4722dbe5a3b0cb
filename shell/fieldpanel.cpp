#include "shell/fieldpanel.h"

#include "field/location.h"
#include "field/wellfile.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSet>
#include <QVBoxLayout>

#include <cstdlib>
#include <map>

namespace {

constexpr int kKindRole = Qt::UserRole;
constexpr int kIdRole = Qt::UserRole + 1;
// The name as the field file has it, which an edit in place has not changed yet.
constexpr int kStoredNameRole = Qt::UserRole + 2;

QString fromStd(const std::string &s)
{
    return QString::fromStdString(s);
}

// Where a node of `kind` may be dropped or moved to: onto a node one level up.
bool movable(field::NodeKind kind)
{
    return kind != field::NodeKind::Field;
}

field::NodeKind above(field::NodeKind kind)
{
    return static_cast<field::NodeKind>(static_cast<int>(kind) - 1);
}

} // namespace

// One change of the field file as a step of the panel's history. The change is made before
// the step is pushed (a refused one never is); the first redo, which push() calls, is
// therefore none.
class FieldChange : public QUndoCommand
{
public:
    using Step = std::function<bool(field::Database &, std::string &)>;
    FieldChange(FieldPanel &panel, const QString &name, Step redo, Step undo)
        : QUndoCommand(name)
        , m_panel(panel)
        , m_redo(std::move(redo))
        , m_undo(std::move(undo))
    {
    }

    void redo() override
    {
        if (m_done) {
            m_done = false;
            return;
        }
        run(m_redo);
    }
    void undo() override { run(m_undo); }

private:
    // A step the field file refuses (someone took the name back since, the file is gone)
    // leaves the file as it is; the step goes from the history, which would otherwise
    // claim it done or undone.
    void run(const Step &step)
    {
        std::string fault;
        field::Database *db = m_panel.database();
        if (!db || !step(*db, fault)) {
            m_panel.say(fromStd(fault));
            setObsolete(true);
        } else {
            m_panel.say(QString());
        }
        m_panel.refresh();
    }

    FieldPanel &m_panel;
    Step m_redo;
    Step m_undo;
    bool m_done = true;
};

FieldTree::FieldTree(QWidget *parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

QTreeWidgetItem *FieldTree::dropTarget(QDropEvent *event) const
{
    QTreeWidgetItem *dragged = currentItem();
    QTreeWidgetItem *target = itemAt(event->position().toPoint());
    if (event->source() != this || !dragged || !target
        || !movable(FieldPanel::kindOf(dragged))
        || FieldPanel::kindOf(target) != above(FieldPanel::kindOf(dragged))
        || target == dragged->parent())
        return nullptr;
    return target;
}

bool FieldTree::event(QEvent *event)
{
    // The frame's window-wide keys (F2 is "Daten ändern") would take these before the tree
    // sees them; while the tree has the focus, they rename and delete its nodes.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier
            && (key->key() == Qt::Key_F2 || key->key() == Qt::Key_Delete)) {
            event->accept();
            return true;
        }
    }
    return QTreeWidget::event(event);
}

void FieldTree::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit removeRequested();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void FieldTree::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeWidget::dragMoveEvent(event);
    if (dropTarget(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void FieldTree::dropEvent(QDropEvent *event)
{
    // The panel moves the node in the field file and reads the tree anew; the view's own
    // move would put the item where the file does not have it.
    QTreeWidgetItem *target = dropTarget(event);
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (target) {
        emit moveRequested(static_cast<int>(FieldPanel::kindOf(currentItem())),
            FieldPanel::idOf(currentItem()), FieldPanel::idOf(target));
    }
}

FieldPanel::FieldPanel(QWidget *parent)
    : QDockWidget(tr("Feld"), parent)
    , m_tree(new FieldTree)
    , m_notice(new QLabel)
{
    setObjectName(QStringLiteral("fieldPanel"));
    auto *inner = new QWidget;
    auto *layout = new QVBoxLayout(inner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    m_notice->setWordWrap(true);
    m_notice->setObjectName(QStringLiteral("fieldNotice"));
    layout->addWidget(m_notice);
    setWidget(inner);

    m_open = new QAction(tr("Öffnen"), this);
    m_open->setStatusTip(tr("Öffnet die endgültige Vermessung des Bohrpfads als neues Dokument"));
    m_add = new QAction(tr("Bohrungen hinzufügen …"), this);
    m_add->setStatusTip(tr("Übernimmt Dateien von Bohrungen in den Standort"));
    m_addFolder = new QAction(tr("Ordner hinzufügen …"), this);
    m_addFolder->setStatusTip(tr("Übernimmt jede lesbare Datei eines Ordners in den Standort"));
    m_rename = new QAction(tr("Umbenennen"), this);
    m_move = new QAction(tr("Verschieben nach …"), this);
    m_remove = new QAction(tr("Löschen"), this);

    connect(m_open, &QAction::triggered, this, [this] { openWellbore(m_tree->currentItem()); });
    connect(m_add, &QAction::triggered, this, &FieldPanel::addToCurrent);
    connect(m_addFolder, &QAction::triggered, this, &FieldPanel::addFolderToCurrent);
    connect(m_rename, &QAction::triggered, this, [this] {
        if (QTreeWidgetItem *item = m_tree->currentItem())
            m_tree->editItem(item);
    });
    connect(m_move, &QAction::triggered, this, &FieldPanel::moveCurrent);
    connect(m_remove, &QAction::triggered, this, &FieldPanel::removeCurrent);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &FieldPanel::updateActions);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (kindOf(item) == field::NodeKind::Wellbore)
            openWellbore(item);
    });
    // An edited name is taken once the editor has closed: the tree is filled anew then.
    connect(m_tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item) {
        if (m_filling)
            return;
        const field::NodeKind kind = kindOf(item);
        const std::int64_t id = idOf(item);
        const QString name = item->text(0);
        QMetaObject::invokeMethod(
            this, [=, this] { renameNode(itemOf(kind, id), name); }, Qt::QueuedConnection);
    });
    connect(
        m_tree, &FieldTree::moveRequested, this,
        [this](int kind, qlonglong id, qlonglong target) {
            const auto k = static_cast<field::NodeKind>(kind);
            moveNode(itemOf(k, id), itemOf(above(k), target));
        },
        Qt::QueuedConnection);
    connect(m_tree, &FieldTree::removeRequested, this, &FieldPanel::removeCurrent);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &FieldPanel::showMenu);

    m_ask.confirm = [this](const QString &question) {
        return QMessageBox::question(this, tr("Feld"), question) == QMessageBox::Yes;
    };
    m_ask.files = [this] {
        return QFileDialog::getOpenFileNames(this, tr("Bohrungen hinzufügen"), QString(),
            tr("Bohrungen (*.dvn *.csv *.tsv *.txt *.xlsx *.xls *.las *.xml);;Alle Dateien (*)"));
    };
    m_ask.folder = [this] {
        return QFileDialog::getExistingDirectory(this, tr("Ordner hinzufügen"));
    };
    m_ask.preview
        = [this](const ImportPreview &preview) -> std::optional<std::vector<field::ImportItem>> {
        ImportPreviewDlg dialog(preview, this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.chosen();
    };
    m_ask.place = [this](const QStringList &places) -> std::optional<int> {
        bool ok = false;
        const QString chosen = QInputDialog::getItem(
            this, tr("Verschieben nach"), tr("Neuer Platz:"), places, 0, false, &ok);
        if (!ok)
            return std::nullopt;
        return static_cast<int>(places.indexOf(chosen));
    };
    updateActions();
}

FieldPanel::~FieldPanel()
{
    // The steps refer to the field file: gone before it.
    m_stack.clear();
}

bool FieldPanel::openFile(const QString &path)
{
    std::string fault;
    std::optional<field::Database> db = field::Database::open(path.toStdString(), fault);
    if (!db) {
        say(fromStd(fault));
        return false;
    }
    m_stack.clear();
    m_db = std::move(db);
    m_path = path;
    setWindowTitle(tr("Feld – %1")
                       .arg(field::isServerAddress(path.toStdString())
                               ? QString::fromStdString(field::shownLocation(path.toStdString()))
                               : QFileInfo(path).fileName()));
    say(QString());
    m_tree->clear();
    refresh();
    m_tree->expandToDepth(2);
    return true;
}

QString FieldPanel::notice() const
{
    return m_notice->text();
}

void FieldPanel::say(const QString &text)
{
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

field::NodeKind FieldPanel::kindOf(const QTreeWidgetItem *item)
{
    return static_cast<field::NodeKind>(item->data(0, kKindRole).toInt());
}

std::int64_t FieldPanel::idOf(const QTreeWidgetItem *item)
{
    return item->data(0, kIdRole).toLongLong();
}

QTreeWidgetItem *FieldPanel::itemOf(field::NodeKind kind, std::int64_t id) const
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if (kindOf(*it) == kind && idOf(*it) == id)
            return *it;
    }
    return nullptr;
}

QString FieldPanel::pathOf(const QTreeWidgetItem *item)
{
    QStringList names;
    for (; item; item = item->parent())
        names.prepend(item->text(0));
    return names.join(QLatin1Char('/'));
}

void FieldPanel::refresh()
{
    // What was open and current stays so, by node rather than by item.
    QSet<QPair<int, qlonglong>> expanded;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if ((*it)->isExpanded())
            expanded.insert({ static_cast<int>(kindOf(*it)), idOf(*it) });
    }
    const QTreeWidgetItem *was = m_tree->currentItem();
    const std::optional<QPair<int, qlonglong>> current = was
        ? std::optional<QPair<int, qlonglong>>({ static_cast<int>(kindOf(was)), idOf(was) })
        : std::nullopt;

    m_filling = true;
    m_tree->clear();
    std::string fault;
    const std::vector<field::Node> nodes = m_db ? m_db->tree(fault) : std::vector<field::Node> {};
    if (!fault.empty())
        say(fromStd(fault));
    std::map<std::pair<int, std::int64_t>, QTreeWidgetItem *> items;
    for (const field::Node &node : nodes) {
        const int level = static_cast<int>(node.kind);
        QTreeWidgetItem *item = nullptr;
        if (level == 0) {
            item = new QTreeWidgetItem(m_tree);
        } else {
            const auto parent = items.find({ level - 1, node.parent });
            if (parent == items.end())
                continue;
            item = new QTreeWidgetItem(parent->second);
        }
        item->setText(0, fromStd(node.name));
        item->setData(0, kKindRole, level);
        item->setData(0, kIdRole, QVariant::fromValue<qlonglong>(node.id));
        item->setData(0, kStoredNameRole, fromStd(node.name));
        Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable
            | Qt::ItemIsDropEnabled;
        if (movable(node.kind))
            flags |= Qt::ItemIsDragEnabled;
        item->setFlags(flags);
        items[{ level, node.id }] = item;
    }
    for (const auto &[key, item] : items) {
        if (expanded.contains({ key.first, key.second }))
            item->setExpanded(true);
    }
    if (current) {
        if (QTreeWidgetItem *item
            = itemOf(static_cast<field::NodeKind>(current->first), current->second)) {
            m_tree->setCurrentItem(item);
            for (QTreeWidgetItem *up = item->parent(); up; up = up->parent())
                up->setExpanded(true);
        }
    }
    m_filling = false;
    updateActions();
}

void FieldPanel::updateActions()
{
    const QTreeWidgetItem *item = m_tree->currentItem();
    m_open->setEnabled(item && kindOf(item) == field::NodeKind::Wellbore);
    m_add->setEnabled(item && kindOf(item) == field::NodeKind::Site);
    m_addFolder->setEnabled(m_add->isEnabled());
    m_rename->setEnabled(item);
    m_move->setEnabled(item && movable(kindOf(item)));
    m_remove->setEnabled(item);
}

void FieldPanel::showMenu(const QPoint &at)
{
    if (QTreeWidgetItem *item = m_tree->itemAt(at))
        m_tree->setCurrentItem(item);
    if (!m_tree->currentItem())
        return;
    QMenu menu(this);
    menu.addAction(m_open);
    menu.addAction(m_add);
    menu.addAction(m_addFolder);
    menu.addSeparator();
    menu.addAction(m_rename);
    menu.addAction(m_move);
    menu.addAction(m_remove);
    menu.exec(m_tree->viewport()->mapToGlobal(at));
}

bool FieldPanel::renameNode(QTreeWidgetItem *item, const QString &name)
{
    if (!item || !m_db)
        return false;
    const field::NodeKind kind = kindOf(item);
    const std::int64_t id = idOf(item);
    const std::string before = item->data(0, kStoredNameRole).toString().toStdString();
    const std::string after = name.trimmed().toStdString();
    if (after == before) {
        refresh();
        return true;
    }
    std::string fault;
    if (!m_db->rename(kind, id, after, fault)) {
        say(fromStd(fault));
        refresh();
        return false;
    }
    say(QString());
    m_stack.push(new FieldChange(*this, tr("Umbenennen in „%1“").arg(fromStd(after)),
        [=](field::Database &db, std::string &f) { return db.rename(kind, id, after, f); },
        [=](field::Database &db, std::string &f) { return db.rename(kind, id, before, f); }));
    refresh();
    return true;
}

bool FieldPanel::moveNode(QTreeWidgetItem *item, QTreeWidgetItem *target)
{
    if (!item || !target || !item->parent() || !m_db)
        return false;
    const field::NodeKind kind = kindOf(item);
    const std::int64_t id = idOf(item);
    const std::int64_t from = idOf(item->parent());
    const std::int64_t to = idOf(target);
    const QString name = item->text(0);
    const QString where = pathOf(target);
    std::string fault;
    if (!m_db->move(kind, id, to, fault)) {
        say(fromStd(fault));
        refresh();
        return false;
    }
    say(QString());
    m_stack.push(new FieldChange(*this, tr("„%1“ nach %2 verschieben").arg(name, where),
        [=](field::Database &db, std::string &f) { return db.move(kind, id, to, f); },
        [=](field::Database &db, std::string &f) { return db.move(kind, id, from, f); }));
    refresh();
    if (QTreeWidgetItem *moved = itemOf(kind, id))
        m_tree->setCurrentItem(moved);
    return true;
}

bool FieldPanel::removeNode(QTreeWidgetItem *item)
{
    if (!item || !m_db)
        return false;
    const field::NodeKind kind = kindOf(item);
    const std::int64_t id = idOf(item);
    std::string fault;
    std::optional<field::Removed> removed = m_db->remove(kind, id, fault);
    if (!removed) {
        say(fromStd(fault));
        return false;
    }
    say(QString());
    // The rows are shared by the step's redo, which takes them out again, and its undo.
    auto rows = std::make_shared<field::Removed>(std::move(*removed));
    m_stack.push(new FieldChange(*this, tr("„%1“ löschen").arg(item->text(0)),
        [=](field::Database &db, std::string &f) {
            std::optional<field::Removed> again = db.remove(kind, id, f);
            if (again)
                *rows = std::move(*again);
            return again.has_value();
        },
        [=](field::Database &db, std::string &f) { return db.restore(*rows, f); }));
    refresh();
    return true;
}

std::vector<field::WellboreEntry> FieldPanel::wellboresOf(QTreeWidgetItem *site)
{
    std::string fault;
    std::map<std::int64_t, int> versions;
    for (const field::WellboreEntry &e : m_db->wellbores(fault))
        versions[e.id] = e.versions;
    std::vector<field::WellboreEntry> out;
    for (int i = 0; i < site->childCount(); ++i) {
        const QTreeWidgetItem *slot = site->child(i);
        for (int j = 0; j < slot->childCount(); ++j) {
            const QTreeWidgetItem *well = slot->child(j);
            field::WellboreEntry entry;
            entry.place = { site->parent()->text(0).toStdString(), site->text(0).toStdString(),
                slot->text(0).toStdString(), well->text(0).toStdString(), std::string() };
            if (well->childCount() == 0)
                out.push_back(entry);
            for (int k = 0; k < well->childCount(); ++k) {
                const QTreeWidgetItem *bore = well->child(k);
                entry.id = idOf(bore);
                entry.place.wellbore = bore->text(0).toStdString();
                entry.versions = versions[entry.id];
                out.push_back(entry);
            }
        }
    }
    return out;
}

bool FieldPanel::addFiles(QTreeWidgetItem *site, const QStringList &paths)
{
    if (!site || kindOf(site) != field::NodeKind::Site || !m_db || paths.isEmpty())
        return false;
    const std::int64_t siteId = idOf(site);
    std::string fault;
    ImportPreview preview;
    preview.site = pathOf(site);
    preview.existing = wellboresOf(site);
    std::vector<std::string> notices;
    // Every file is read before anything is written; one that cannot be read is left out.
    for (const QString &path : paths) {
        fault.clear();
        std::optional<std::vector<field::ImportItem>> item = field::importItemsOf(path.toStdString(),
            site->parent()->text(0).toStdString(), site->text(0).toStdString(), {}, notices,
            fault);
        if (!item) {
            const QString name = QFileInfo(path).fileName();
            const QString why = fromStd(fault);
            preview.unreadable << (why.contains(name) ? why : QStringLiteral("%1: %2").arg(name, why));
            continue;
        }
        preview.items.insert(preview.items.end(), std::make_move_iterator(item->begin()),
            std::make_move_iterator(item->end()));
    }
    for (const std::string &n : notices)
        preview.notices << fromStd(n);
    QStringList lines = preview.notices;
    for (const QString &file : preview.unreadable)
        lines << tr("Nicht gelesen und ausgelassen: %1").arg(file);
    if (preview.items.empty()) {
        lines << tr("Nichts wurde ins Feld übernommen.");
        say(lines.join(QLatin1Char('\n')));
        return false;
    }
    std::optional<std::vector<field::ImportItem>> chosen = m_ask.preview(preview);
    if (!chosen || chosen->empty()) {
        say(QString());
        return false;
    }
    std::vector<field::ImportItem> items = std::move(*chosen);
    // The site as it was: the undo of an import that may have added versions to wellbores
    // that were there before.
    std::optional<field::Removed> before = m_db->copy(field::NodeKind::Site, siteId, fault);
    const char *user = std::getenv("USER");
    const std::string who = user ? user : "";
    if (!before || !m_db->importWells(items, who, fault)) {
        say(fromStd(fault));
        return false;
    }
    say(lines.join(QLatin1Char('\n')));
    auto kept = std::make_shared<field::Removed>(std::move(*before));
    m_stack.push(new FieldChange(*this,
        tr("Bohrungen zu „%1“ hinzufügen").arg(site->text(0)),
        [=, items = std::move(items)](field::Database &db, std::string &f) {
            return db.importWells(items, who, f);
        },
        [=](field::Database &db, std::string &f) { return db.replace(*kept, f); }));
    refresh();
    if (QTreeWidgetItem *again = itemOf(field::NodeKind::Site, siteId))
        again->setExpanded(true);
    return true;
}

bool FieldPanel::openWellbore(QTreeWidgetItem *item)
{
    if (!item || kindOf(item) != field::NodeKind::Wellbore || !m_db)
        return false;
    std::string fault;
    std::optional<well::Well> survey = m_db->definitiveSurvey(idOf(item), fault);
    if (!survey) {
        say(fromStd(fault));
        return false;
    }
    say(QString());
    // The place without the slot, read from the tree rather than from the joined title,
    // where a name holding a slash could not be told apart.
    const QTreeWidgetItem *well = item->parent();
    const QTreeWidgetItem *slot = well->parent();
    const QTreeWidgetItem *site = slot->parent();
    const field::Placement place { site->parent()->text(0).toStdString(),
        site->text(0).toStdString(), slot->text(0).toStdString(), well->text(0).toStdString(),
        item->text(0).toStdString() };
    emit surveyOpened(*survey, pathOf(item), field::pathOf(place));
    return true;
}

void FieldPanel::addToCurrent()
{
    QTreeWidgetItem *site = m_tree->currentItem();
    if (!site || kindOf(site) != field::NodeKind::Site)
        return;
    const QStringList paths = m_ask.files();
    if (!paths.isEmpty())
        addFiles(site, paths);
}

bool FieldPanel::addFolder(QTreeWidgetItem *site, const QString &folder)
{
    if (!site || kindOf(site) != field::NodeKind::Site || !m_db)
        return false;
    QStringList paths;
    for (const std::string &path : field::importPaths({ folder.toStdString() }))
        paths << fromStd(path);
    if (paths.isEmpty()) {
        say(tr("Im Ordner %1 ist keine Datei.").arg(folder));
        return false;
    }
    return addFiles(site, paths);
}

void FieldPanel::addFolderToCurrent()
{
    QTreeWidgetItem *site = m_tree->currentItem();
    if (!site || kindOf(site) != field::NodeKind::Site)
        return;
    const QString folder = m_ask.folder();
    if (!folder.isEmpty())
        addFolder(site, folder);
}

void FieldPanel::moveCurrent()
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item || !movable(kindOf(item)))
        return;
    // Every node one level up but the present parent.
    const field::NodeKind up = above(kindOf(item));
    QList<QTreeWidgetItem *> targets;
    QStringList places;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if (kindOf(*it) == up && *it != item->parent()) {
            targets << *it;
            places << pathOf(*it);
        }
    }
    if (targets.isEmpty()) {
        say(tr("Es gibt keinen anderen Platz für „%1“.").arg(item->text(0)));
        return;
    }
    const std::optional<int> chosen = m_ask.place(places);
    if (chosen && *chosen >= 0 && *chosen < targets.size())
        moveNode(item, targets[*chosen]);
}

void FieldPanel::removeCurrent()
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item)
        return;
    // The question names what goes with the node.
    const std::function<int(const QTreeWidgetItem *)> wellbores = [&](const QTreeWidgetItem *node) {
        int count = kindOf(node) == field::NodeKind::Wellbore ? 1 : 0;
        for (int i = 0; i < node->childCount(); ++i)
            count += wellbores(node->child(i));
        return count;
    };
    const QString question = kindOf(item) == field::NodeKind::Wellbore
        ? tr("„%1“ mit allen Vermessungen löschen?").arg(pathOf(item))
        : tr("„%1“ mit allem darunter löschen? Es gehen %2 Bohrpfade mit ihren Vermessungen.")
              .arg(pathOf(item))
              .arg(wellbores(item));
    if (m_ask.confirm(question))
        removeNode(item);
}
