#include "field/fielddb.h"

#include "document/docfile.h"
#include "i18n/i18n.h"

#include <QByteArray>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <charconv>

namespace field {

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

std::string s(const QString &text)
{
    return text.toStdString();
}

// The tables of schema 1. Names are unique below their parent; the rows below a deleted
// one go with it.
const char *const kSchema1[] = {
    "CREATE TABLE field (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, crs TEXT)",
    "CREATE TABLE site (id INTEGER PRIMARY KEY,"
    " field_id INTEGER NOT NULL REFERENCES field(id) ON DELETE CASCADE,"
    " name TEXT NOT NULL, northing REAL, easting REAL, UNIQUE (field_id, name))",
    "CREATE TABLE slot (id INTEGER PRIMARY KEY,"
    " site_id INTEGER NOT NULL REFERENCES site(id) ON DELETE CASCADE,"
    " name TEXT NOT NULL, northing REAL, easting REAL, UNIQUE (site_id, name))",
    "CREATE TABLE well (id INTEGER PRIMARY KEY,"
    " slot_id INTEGER NOT NULL REFERENCES slot(id) ON DELETE CASCADE,"
    " name TEXT NOT NULL, UNIQUE (slot_id, name))",
    "CREATE TABLE wellbore (id INTEGER PRIMARY KEY,"
    " well_id INTEGER NOT NULL REFERENCES well(id) ON DELETE CASCADE,"
    " name TEXT NOT NULL, parent_id INTEGER REFERENCES wellbore(id), tie_md REAL,"
    " UNIQUE (well_id, name))",
    "CREATE TABLE survey (id INTEGER PRIMARY KEY,"
    " wellbore_id INTEGER NOT NULL REFERENCES wellbore(id) ON DELETE CASCADE,"
    " version INTEGER NOT NULL, definitive INTEGER NOT NULL DEFAULT 0,"
    " stations INTEGER NOT NULL, document BLOB NOT NULL, source TEXT,"
    " changed_by TEXT, changed_at TEXT NOT NULL, UNIQUE (wellbore_id, version))",
    "CREATE INDEX survey_definitive ON survey (wellbore_id, definitive)",
};

// Schema 2: the operator's rules of a field.
const char *const kSchema2[] = {
    "CREATE TABLE rule_set (field_id INTEGER PRIMARY KEY"
    " REFERENCES field(id) ON DELETE CASCADE, json TEXT NOT NULL)",
};

std::atomic<int> g_connections { 0 };

} // namespace

struct Database::Impl
{
    QString connection;
    std::string path;
    int schema = 0;

    QSqlDatabase db() const { return QSqlDatabase::database(connection, false); }

    ~Impl()
    {
        {
            QSqlDatabase d = db();
            if (d.isOpen())
                d.close();
        }
        QSqlDatabase::removeDatabase(connection);
    }

    // The fault of `query` (or of the database) in a sentence naming the field file.
    std::string faultOf(const QSqlError &error) const
    {
        return i18n::arg(i18n::translate("Feld", "Die Felddatei %1 kann nicht bearbeitet werden: %2"),
            { path, s(error.text()) });
    }

    // Runs `body` in one transaction: committed when it says true, rolled back otherwise
    // (or when the commit fails, with the fault said).
    template <typename Body>
    bool transaction(std::string &fault, Body body) const
    {
        fault.clear();
        QSqlDatabase d = db();
        if (!d.transaction()) {
            fault = faultOf(d.lastError());
            return false;
        }
        if (body() && d.commit())
            return true;
        if (fault.empty())
            fault = faultOf(d.lastError());
        d.rollback();
        return false;
    }

    bool exec(QSqlQuery &query, std::string &fault) const
    {
        if (query.exec())
            return true;
        fault = faultOf(query.lastError());
        return false;
    }

    bool exec(const char *sql, std::string &fault) const
    {
        QSqlQuery query(db());
        if (query.exec(QString::fromLatin1(sql)))
            return true;
        fault = faultOf(query.lastError());
        return false;
    }

    // The id of the row named `name` below `parent` in `table`, made when it is missing.
    std::optional<std::int64_t> idOf(const char *table, const char *parentColumn,
        std::optional<std::int64_t> parent, const std::string &name, std::string &fault,
        const std::optional<Wellhead> &at = std::nullopt) const
    {
        const QString t = QString::fromLatin1(table);
        QSqlQuery find(db());
        find.prepare(parentColumn
                ? QStringLiteral("SELECT id FROM %1 WHERE name = ? AND %2 = ?")
                      .arg(t, QString::fromLatin1(parentColumn))
                : QStringLiteral("SELECT id FROM %1 WHERE name = ?").arg(t));
        find.addBindValue(q(name));
        if (parentColumn)
            find.addBindValue(QVariant::fromValue<qlonglong>(*parent));
        if (!exec(find, fault))
            return std::nullopt;
        if (find.next())
            return find.value(0).toLongLong();
        QSqlQuery make(db());
        if (!parentColumn) {
            make.prepare(QStringLiteral("INSERT INTO %1 (name) VALUES (?)").arg(t));
            make.addBindValue(q(name));
        } else if (at) {
            make.prepare(QStringLiteral("INSERT INTO %1 (name, %2, northing, easting) VALUES (?, ?, ?, ?)")
                             .arg(t, QString::fromLatin1(parentColumn)));
            make.addBindValue(q(name));
            make.addBindValue(QVariant::fromValue<qlonglong>(*parent));
            make.addBindValue(at->northing);
            make.addBindValue(at->easting);
        } else {
            make.prepare(QStringLiteral("INSERT INTO %1 (name, %2) VALUES (?, ?)")
                             .arg(t, QString::fromLatin1(parentColumn)));
            make.addBindValue(q(name));
            make.addBindValue(QVariant::fromValue<qlonglong>(*parent));
        }
        if (!exec(make, fault))
            return std::nullopt;
        return make.lastInsertId().toLongLong();
    }

    bool importOne(const ImportItem &item, const std::string &who, const QString &now,
        std::string &fault) const
    {
        const Placement &p = item.place;
        for (const std::string *name : { &p.field, &p.site, &p.slot, &p.well, &p.wellbore }) {
            if (name->empty()) {
                fault = i18n::arg(i18n::translate("Feld",
                                      "%1 kann nicht ins Feld übernommen werden: ein Name der "
                                      "Stelle im Feld fehlt."),
                    { item.source });
                return false;
            }
        }
        const auto fieldId = idOf("field", nullptr, std::nullopt, p.field, fault);
        const auto siteId = fieldId ? idOf("site", "field_id", fieldId, p.site, fault) : std::nullopt;
        const auto slotId = siteId
            ? idOf("slot", "site_id", siteId, p.slot, fault, item.well.settings.wellhead)
            : std::nullopt;
        const auto wellId = slotId ? idOf("well", "slot_id", slotId, p.well, fault) : std::nullopt;
        const auto boreId
            = wellId ? idOf("wellbore", "well_id", wellId, p.wellbore, fault) : std::nullopt;
        if (!boreId)
            return false;

        const std::string bytes = encodeDocument(itemsOf(item.well));
        QSqlQuery next(db());
        next.prepare(QStringLiteral(
            "SELECT COALESCE(MAX(version), 0) + 1 FROM survey WHERE wellbore_id = ?"));
        next.addBindValue(QVariant::fromValue<qlonglong>(*boreId));
        if (!exec(next, fault) || !next.next())
            return false;
        const int version = next.value(0).toInt();
        QSqlQuery clear(db());
        clear.prepare(QStringLiteral("UPDATE survey SET definitive = 0 WHERE wellbore_id = ?"));
        clear.addBindValue(QVariant::fromValue<qlonglong>(*boreId));
        if (!exec(clear, fault))
            return false;
        QSqlQuery add(db());
        add.prepare(QStringLiteral(
            "INSERT INTO survey (wellbore_id, version, definitive, stations, document, source,"
            " changed_by, changed_at) VALUES (?, ?, 1, ?, ?, ?, ?, ?)"));
        add.addBindValue(QVariant::fromValue<qlonglong>(*boreId));
        add.addBindValue(version);
        add.addBindValue(static_cast<int>(item.well.survey.size()));
        add.addBindValue(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
        add.addBindValue(q(item.source));
        add.addBindValue(q(who));
        add.addBindValue(now);
        return exec(add, fault);
    }

    bool migrate(std::string &fault)
    {
        QSqlQuery version(db());
        if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
            fault = faultOf(version.lastError());
            return false;
        }
        schema = version.value(0).toInt();
        if (schema > kSchemaVersion) {
            fault = i18n::arg(i18n::translate("Feld",
                                  "Die Felddatei %1 stammt von einer neueren Version des "
                                  "Programms (Schema %2) und wird nicht geändert."),
                { path, std::to_string(schema) });
            return false;
        }
        if (schema == kSchemaVersion)
            return true;
        const bool ok = transaction(fault, [&] {
            bool done = true;
            if (schema < 1) {
                for (const char *sql : kSchema1)
                    done = done && exec(sql, fault);
            }
            if (schema < 2) {
                for (const char *sql : kSchema2)
                    done = done && exec(sql, fault);
            }
            return done && exec("PRAGMA user_version = 2", fault);
        });
        if (!ok)
            return false;
        schema = kSchemaVersion;
        return true;
    }
};

Database::Database(std::unique_ptr<Impl> impl)
    : m_impl(std::move(impl))
{
}

Database::~Database() = default;
Database::Database(Database &&) noexcept = default;
Database &Database::operator=(Database &&) noexcept = default;

std::optional<Database> Database::open(const std::string &path, std::string &fault)
{
    auto impl = std::make_unique<Impl>();
    impl->path = path;
    impl->connection = QStringLiteral("dravon-field-%1").arg(++g_connections);
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        fault = i18n::translate("Feld", "Der SQLite-Treiber für Felddateien fehlt.");
        return std::nullopt;
    }
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), impl->connection);
        d.setDatabaseName(q(path));
        if (!d.open()) {
            fault = impl->faultOf(d.lastError());
            return std::nullopt;
        }
    }
    // Written through a journal so that a killed program or a full disk leaves the last
    // committed state; the rows below a deleted one go with it.
    if (!impl->exec("PRAGMA foreign_keys = ON", fault)
        || !impl->exec("PRAGMA journal_mode = WAL", fault)
        || !impl->exec("PRAGMA synchronous = FULL", fault) || !impl->migrate(fault))
        return std::nullopt;
    return Database(std::move(impl));
}

bool Database::importWells(
    const std::vector<ImportItem> &items, const std::string &who, std::string &fault)
{
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    return m_impl->transaction(fault, [&] {
        return std::all_of(items.begin(), items.end(),
            [&](const ImportItem &item) { return m_impl->importOne(item, who, now, fault); });
    });
}

std::vector<WellboreEntry> Database::wellbores(std::string &fault) const
{
    std::vector<WellboreEntry> out;
    QSqlQuery query(m_impl->db());
    query.prepare(QStringLiteral(
        "SELECT b.id, f.name, si.name, sl.name, w.name, b.name, s.stations, s.version,"
        " (SELECT COUNT(*) FROM survey v WHERE v.wellbore_id = b.id), s.changed_at, s.changed_by"
        " FROM wellbore b JOIN well w ON w.id = b.well_id JOIN slot sl ON sl.id = w.slot_id"
        " JOIN site si ON si.id = sl.site_id JOIN field f ON f.id = si.field_id"
        " LEFT JOIN survey s ON s.wellbore_id = b.id AND s.definitive = 1"
        " ORDER BY f.name, si.name, sl.name, w.name, b.name"));
    if (!m_impl->exec(query, fault))
        return out;
    while (query.next()) {
        WellboreEntry e;
        e.id = query.value(0).toLongLong();
        e.place = { s(query.value(1).toString()), s(query.value(2).toString()),
            s(query.value(3).toString()), s(query.value(4).toString()),
            s(query.value(5).toString()) };
        e.stations = query.value(6).toInt();
        e.version = query.value(7).toInt();
        e.versions = query.value(8).toInt();
        e.changedAt = s(query.value(9).toString());
        e.changedBy = s(query.value(10).toString());
        out.push_back(std::move(e));
    }
    return out;
}

std::optional<well::Well> Database::definitiveSurvey(std::int64_t id, std::string &fault) const
{
    QSqlQuery query(m_impl->db());
    query.prepare(
        QStringLiteral("SELECT document FROM survey WHERE wellbore_id = ? AND definitive = 1"));
    query.addBindValue(QVariant::fromValue<qlonglong>(id));
    if (!m_impl->exec(query, fault))
        return std::nullopt;
    if (!query.next()) {
        fault = i18n::arg(
            i18n::translate("Feld", "Die Felddatei %1 hat keine Vermessung der Bohrung %2."),
            { m_impl->path, std::to_string(id) });
        return std::nullopt;
    }
    const QByteArray bytes = query.value(0).toByteArray();
    DocumentItems items;
    std::string detail;
    const DocFileFault f = decodeDocument(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), items, &detail);
    if (f != DocFileFault::None) {
        fault = docFileMessage(f, m_impl->path, detail);
        return std::nullopt;
    }
    return wellOf(std::move(items));
}

std::vector<std::pair<WellboreEntry, well::Well>> Database::definitiveSurveys(
    std::string &fault) const
{
    std::vector<std::pair<WellboreEntry, well::Well>> out;
    std::vector<WellboreEntry> list = wellbores(fault);
    if (!fault.empty())
        return out;
    out.reserve(list.size());
    for (WellboreEntry &e : list) {
        if (e.version == 0)
            continue; // a wellbore without a survey yet
        std::optional<well::Well> w = definitiveSurvey(e.id, fault);
        if (!w) {
            out.clear();
            return out;
        }
        out.emplace_back(std::move(e), std::move(*w));
    }
    return out;
}

std::string pathOf(const Placement &place)
{
    std::string text = place.field + '/' + place.site + '/' + place.well;
    if (place.wellbore != place.well)
        text += '/' + place.wellbore;
    return text;
}

std::string Database::rules(const std::string &field, std::string &fault) const
{
    QSqlQuery query(m_impl->db());
    query.prepare(QStringLiteral(
        "SELECT r.json FROM rule_set r JOIN field f ON f.id = r.field_id WHERE f.name = ?"));
    query.addBindValue(q(field));
    if (!m_impl->exec(query, fault) || !query.next())
        return {};
    return s(query.value(0).toString());
}

bool Database::setRules(const std::string &field, const std::string &json, std::string &fault)
{
    return m_impl->transaction(fault, [&] {
        const auto id = m_impl->idOf("field", nullptr, std::nullopt, field, fault);
        if (!id)
            return false;
        QSqlQuery put(m_impl->db());
        put.prepare(QStringLiteral("INSERT OR REPLACE INTO rule_set (field_id, json) VALUES (?, ?)"));
        put.addBindValue(QVariant::fromValue<qlonglong>(*id));
        put.addBindValue(q(json));
        return m_impl->exec(put, fault);
    });
}

bool Database::markDefinitive(std::int64_t id, int version, std::string &fault)
{
    return m_impl->transaction(fault, [&] {
        QSqlQuery exists(m_impl->db());
        exists.prepare(QStringLiteral("SELECT 1 FROM survey WHERE wellbore_id = ? AND version = ?"));
        exists.addBindValue(QVariant::fromValue<qlonglong>(id));
        exists.addBindValue(version);
        if (!m_impl->exec(exists, fault))
            return false;
        if (!exists.next()) {
            fault = i18n::arg(i18n::translate("Feld", "Die Bohrung %1 hat keine Vermessung %2."),
                { std::to_string(id), std::to_string(version) });
            return false;
        }
        QSqlQuery set(m_impl->db());
        set.prepare(
            QStringLiteral("UPDATE survey SET definitive = (version = ?) WHERE wellbore_id = ?"));
        set.addBindValue(version);
        set.addBindValue(QVariant::fromValue<qlonglong>(id));
        return m_impl->exec(set, fault);
    });
}

// ---- The tree: listing, renaming, moving, removing and restoring nodes ----

namespace {

struct Level
{
    const char *table;
    const char *parentColumn; // none for a field
};

const Level &levelOf(NodeKind kind)
{
    static const Level levels[] = { { "field", nullptr }, { "site", "field_id" },
        { "slot", "site_id" }, { "well", "slot_id" }, { "wellbore", "well_id" } };
    return levels[static_cast<int>(kind)];
}

// The word for a node of `kind`, as a fault names it.
std::string kindWord(NodeKind kind)
{
    switch (kind) {
    case NodeKind::Field:
        return i18n::translate("Feld", "Feld");
    case NodeKind::Site:
        return i18n::translate("Feld", "Standort");
    case NodeKind::Slot:
        return i18n::translate("Feld", "Slot");
    case NodeKind::Well:
        return i18n::translate("Feld", "Bohrung");
    case NodeKind::Wellbore:
        return i18n::translate("Feld", "Bohrpfad");
    }
    return {};
}

std::string idText(std::int64_t id)
{
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, id).ptr;
    return std::string(buffer, end);
}

Removed::Value valueOf(const QVariant &v)
{
    if (v.isNull())
        return std::monostate {};
    switch (v.typeId()) {
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        return Removed::Blob { std::string(b.constData(), static_cast<std::size_t>(b.size())) };
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return static_cast<std::int64_t>(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return v.toDouble();
    default:
        return s(v.toString());
    }
}

QVariant variantOf(const Removed::Value &value)
{
    if (const auto *i = std::get_if<std::int64_t>(&value))
        return QVariant::fromValue<qlonglong>(*i);
    if (const auto *d = std::get_if<double>(&value))
        return *d;
    if (const auto *text = std::get_if<std::string>(&value))
        return q(*text);
    if (const auto *blob = std::get_if<Removed::Blob>(&value))
        return QByteArray(blob->bytes.data(), static_cast<qsizetype>(blob->bytes.size()));
    return QVariant();
}

} // namespace

std::vector<Node> Database::tree(std::string &fault) const
{
    fault.clear();
    std::vector<Node> out;
    for (NodeKind kind : { NodeKind::Field, NodeKind::Site, NodeKind::Slot, NodeKind::Well,
             NodeKind::Wellbore }) {
        const Level &level = levelOf(kind);
        QSqlQuery query(m_impl->db());
        query.prepare(QStringLiteral("SELECT id, %1, name FROM %2 ORDER BY name, id")
                          .arg(level.parentColumn ? QString::fromLatin1(level.parentColumn)
                                                  : QStringLiteral("0"),
                              QString::fromLatin1(level.table)));
        if (!m_impl->exec(query, fault))
            return {};
        while (query.next())
            out.push_back({ kind, query.value(0).toLongLong(), query.value(1).toLongLong(),
                s(query.value(2).toString()) });
    }
    return out;
}

// The fault when a node named `name` would stand beside another of that name below
// `parent` (a field: among the fields); empty when the name is free. `id` is the node
// itself, which does not count.
std::string Database::nameTaken(
    NodeKind kind, std::int64_t id, std::optional<std::int64_t> parent, const std::string &name) const
{
    std::string fault;
    if (name.empty())
        return i18n::translate("Feld", "Ein Name im Feld darf nicht leer sein.");
    const Level &level = levelOf(kind);
    QSqlQuery query(m_impl->db());
    query.prepare(parent
            ? QStringLiteral("SELECT 1 FROM %1 WHERE name = ? AND id <> ? AND %2 = ?")
                  .arg(QString::fromLatin1(level.table), QString::fromLatin1(level.parentColumn))
            : QStringLiteral("SELECT 1 FROM %1 WHERE name = ? AND id <> ?")
                  .arg(QString::fromLatin1(level.table)));
    query.addBindValue(q(name));
    query.addBindValue(QVariant::fromValue<qlonglong>(id));
    if (parent)
        query.addBindValue(QVariant::fromValue<qlonglong>(*parent));
    if (!m_impl->exec(query, fault))
        return fault;
    if (!query.next())
        return {};
    if (!parent)
        return i18n::arg(i18n::translate("Feld", "Ein Feld „%1“ gibt es schon."), { name });
    const NodeKind up = static_cast<NodeKind>(static_cast<int>(kind) - 1);
    QSqlQuery above(m_impl->db());
    above.prepare(QStringLiteral("SELECT name FROM %1 WHERE id = ?")
                      .arg(QString::fromLatin1(levelOf(up).table)));
    above.addBindValue(QVariant::fromValue<qlonglong>(*parent));
    const std::string where
        = m_impl->exec(above, fault) && above.next() ? s(above.value(0).toString()) : std::string();
    return i18n::arg(i18n::translate("Feld", "Unter %1 „%2“ gibt es den Namen „%3“ schon."),
        { kindWord(up), where, name });
}

bool Database::rename(NodeKind kind, std::int64_t id, const std::string &name, std::string &fault)
{
    const Level &level = levelOf(kind);
    return m_impl->transaction(fault, [&] {
        std::optional<std::int64_t> parent;
        if (level.parentColumn) {
            QSqlQuery find(m_impl->db());
            find.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE id = ?")
                             .arg(QString::fromLatin1(level.parentColumn),
                                 QString::fromLatin1(level.table)));
            find.addBindValue(QVariant::fromValue<qlonglong>(id));
            if (!m_impl->exec(find, fault))
                return false;
            if (!find.next()) {
                fault = missing(kind, id);
                return false;
            }
            parent = find.value(0).toLongLong();
        }
        fault = nameTaken(kind, id, parent, name);
        if (!fault.empty())
            return false;
        QSqlQuery set(m_impl->db());
        set.prepare(QStringLiteral("UPDATE %1 SET name = ? WHERE id = ?")
                        .arg(QString::fromLatin1(level.table)));
        set.addBindValue(q(name));
        set.addBindValue(QVariant::fromValue<qlonglong>(id));
        if (!m_impl->exec(set, fault))
            return false;
        if (set.numRowsAffected() != 1) {
            fault = missing(kind, id);
            return false;
        }
        return true;
    });
}

bool Database::move(NodeKind kind, std::int64_t id, std::int64_t parent, std::string &fault)
{
    const Level &level = levelOf(kind);
    if (!level.parentColumn) {
        fault = i18n::translate("Feld", "Ein Feld kann nicht verschoben werden.");
        return false;
    }
    return m_impl->transaction(fault, [&] {
        const NodeKind up = static_cast<NodeKind>(static_cast<int>(kind) - 1);
        QSqlQuery target(m_impl->db());
        target.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE id = ?")
                           .arg(QString::fromLatin1(levelOf(up).table)));
        target.addBindValue(QVariant::fromValue<qlonglong>(parent));
        if (!m_impl->exec(target, fault))
            return false;
        if (!target.next()) {
            fault = missing(up, parent);
            return false;
        }
        QSqlQuery self(m_impl->db());
        self.prepare(QStringLiteral("SELECT name FROM %1 WHERE id = ?")
                         .arg(QString::fromLatin1(level.table)));
        self.addBindValue(QVariant::fromValue<qlonglong>(id));
        if (!m_impl->exec(self, fault))
            return false;
        if (!self.next()) {
            fault = missing(kind, id);
            return false;
        }
        fault = nameTaken(kind, id, parent, s(self.value(0).toString()));
        if (!fault.empty())
            return false;
        QSqlQuery set(m_impl->db());
        set.prepare(QStringLiteral("UPDATE %1 SET %2 = ? WHERE id = ?")
                        .arg(QString::fromLatin1(level.table),
                            QString::fromLatin1(level.parentColumn)));
        set.addBindValue(QVariant::fromValue<qlonglong>(parent));
        set.addBindValue(QVariant::fromValue<qlonglong>(id));
        return m_impl->exec(set, fault);
    });
}

std::string Database::missing(NodeKind kind, std::int64_t id) const
{
    return i18n::arg(i18n::translate("Feld", "Die Felddatei %1 hat keinen Knoten %2 %3 mehr."),
        { m_impl->path, kindWord(kind), idText(id) });
}

// The rows of `table` whose `column` is one of `ids`, kept in `out` (in the order of their
// ids, so that a wellbore comes back before a sidetrack made from it); their ids.
bool Database::takeRows(const char *table, const char *column, const std::vector<std::int64_t> &ids,
    Removed &out, std::vector<std::int64_t> &taken, std::string &fault) const
{
    Removed::Table rows;
    rows.name = table;
    taken.clear();
    for (std::int64_t id : ids) {
        QSqlQuery query(m_impl->db());
        query.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 = ? ORDER BY 1")
                          .arg(QString::fromLatin1(table), QString::fromLatin1(column)));
        query.addBindValue(QVariant::fromValue<qlonglong>(id));
        if (!m_impl->exec(query, fault))
            return false;
        while (query.next()) {
            const QSqlRecord record = query.record();
            if (rows.columns.empty()) {
                for (int i = 0; i < record.count(); ++i)
                    rows.columns.push_back(s(record.fieldName(i)));
            }
            std::vector<Removed::Value> row;
            for (int i = 0; i < record.count(); ++i)
                row.push_back(valueOf(query.value(i)));
            taken.push_back(query.value(0).toLongLong());
            rows.rows.push_back(std::move(row));
        }
    }
    if (!rows.rows.empty())
        out.tables.push_back(std::move(rows));
    return true;
}

bool Database::collect(NodeKind kind, std::int64_t id, Removed &out, std::string &fault) const
{
    out = Removed {};
    out.kind = kind;
    out.id = id;
    std::vector<std::int64_t> ids;
    if (!takeRows(levelOf(kind).table, "id", { id }, out, ids, fault))
        return false;
    if (ids.empty()) {
        fault = missing(kind, id);
        return false;
    }
    std::vector<std::int64_t> none;
    if (kind == NodeKind::Field && !takeRows("rule_set", "field_id", ids, out, none, fault))
        return false;
    for (int below = static_cast<int>(kind) + 1; below <= static_cast<int>(NodeKind::Wellbore);
         ++below) {
        const Level &level = levelOf(static_cast<NodeKind>(below));
        std::vector<std::int64_t> next;
        if (!takeRows(level.table, level.parentColumn, ids, out, next, fault))
            return false;
        ids = std::move(next);
    }
    return takeRows("survey", "wellbore_id", ids, out, none, fault);
}

std::optional<Removed> Database::remove(NodeKind kind, std::int64_t id, std::string &fault)
{
    Removed removed;
    const bool done = m_impl->transaction(fault, [&] {
        if (!collect(kind, id, removed, fault))
            return false;
        // The rows below go with it (ON DELETE CASCADE).
        QSqlQuery drop(m_impl->db());
        drop.prepare(QStringLiteral("DELETE FROM %1 WHERE id = ?")
                         .arg(QString::fromLatin1(levelOf(kind).table)));
        drop.addBindValue(QVariant::fromValue<qlonglong>(id));
        return m_impl->exec(drop, fault);
    });
    if (!done)
        return std::nullopt;
    return removed;
}

std::optional<Removed> Database::copy(NodeKind kind, std::int64_t id, std::string &fault) const
{
    fault.clear();
    Removed out;
    if (!collect(kind, id, out, fault))
        return std::nullopt;
    return out;
}

bool Database::replace(const Removed &copy, std::string &fault)
{
    return m_impl->transaction(fault, [&] {
        QSqlQuery drop(m_impl->db());
        drop.prepare(QStringLiteral("DELETE FROM %1 WHERE id = ?")
                         .arg(QString::fromLatin1(levelOf(copy.kind).table)));
        drop.addBindValue(QVariant::fromValue<qlonglong>(copy.id));
        return m_impl->exec(drop, fault) && putRows(copy, fault);
    });
}

bool Database::restore(const Removed &removed, std::string &fault)
{
    return m_impl->transaction(fault, [&] { return putRows(removed, fault); });
}

bool Database::putRows(const Removed &removed, std::string &fault)
{
    // The place may have been taken since by a node of the same name: said as a rename
    // would say it, rather than as the database's constraint.
    if (!removed.tables.empty() && !removed.tables.front().rows.empty()) {
        const Removed::Table &top = removed.tables.front();
        const Level &level = levelOf(removed.kind);
        std::optional<std::int64_t> parent;
        std::string name;
        for (std::size_t i = 0; i < top.columns.size(); ++i) {
            const Removed::Value &value = top.rows.front()[i];
            if (top.columns[i] == "name" && std::holds_alternative<std::string>(value))
                name = std::get<std::string>(value);
            else if (level.parentColumn && top.columns[i] == level.parentColumn
                && std::holds_alternative<std::int64_t>(value))
                parent = std::get<std::int64_t>(value);
        }
        fault = nameTaken(removed.kind, removed.id, parent, name);
        if (!fault.empty())
            return false;
    }
    for (const Removed::Table &table : removed.tables) {
        QStringList columns, marks;
        for (const std::string &column : table.columns) {
            columns << q(column);
            marks << QStringLiteral("?");
        }
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(q(table.name), columns.join(QStringLiteral(", ")),
                                    marks.join(QStringLiteral(", ")));
        for (const std::vector<Removed::Value> &row : table.rows) {
            QSqlQuery put(m_impl->db());
            put.prepare(sql);
            for (const Removed::Value &value : row)
                put.addBindValue(variantOf(value));
            if (!m_impl->exec(put, fault))
                return false;
        }
    }
    return true;
}

int Database::schemaVersion() const
{
    return m_impl->schema;
}

} // namespace field
