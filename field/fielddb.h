// The field database: every well of a field kept once, in one file (SQLite) that the
// desktop program and the batch tool share, or for a team in one database on a PostgreSQL
// server, with the same tables. The hierarchy is field → site (pad) → slot → well →
// wellbore; each wellbore keeps its surveys as versions (who stored which, when),
// one of them the definitive survey that everything reading the field takes. A survey
// version is a whole document of the well (document/docfile.h), so that its stations,
// their texts and its settings come back byte for byte.
//
// Every change is one transaction: a program killed while it writes, or a full disk,
// leaves the field as it was before the change. The schema carries its version; an older
// field is migrated forward when it is opened, a newer one is refused.
//
// The interface speaks std types only; the database is reached through Qt SQL (Qt Core,
// no widgets). Faults are texts in the chosen language. Nothing here asks anything.
#pragma once

#include "well/well.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace field {

// The schema this program writes.
inline constexpr int kSchemaVersion = 2;

// Where a well is placed in the field; names are matched exactly, and what does not exist
// is made.
struct Placement
{
    std::string field, site, slot, well, wellbore;
};

// One wellbore with its definitive survey, as the field lists it.
struct WellboreEntry
{
    std::int64_t id = 0;
    Placement place;
    int stations = 0; // of the definitive survey
    int version = 0; // the definitive survey's version, from 1
    int versions = 0; // how many are kept
    std::string changedAt; // ISO 8601, UTC, of the definitive survey
    std::string changedBy;
};

// The wellbore's place as one text: field/site/well/wellbore, the well's name once where
// the wellbore has it.
std::string pathOf(const Placement &place);

// One well to import, with where it goes and the file it came from.
struct ImportItem
{
    Placement place;
    well::Well well;
    std::string source; // the file's name, kept with the version
};

// The levels of the field's tree, from the top.
enum class NodeKind { Field, Site, Slot, Well, Wellbore };

// One node of the tree: every field, site, slot, well and wellbore, also one with nothing
// below it. `parent` is the id of the node one level up (0 for a field).
struct Node
{
    NodeKind kind = NodeKind::Field;
    std::int64_t id = 0;
    std::int64_t parent = 0;
    std::string name;
};

// What a removal took out of the file, row by row with their ids, so that restore() can
// put it back as it was (the undo of a removal). Opaque to its holders.
struct Removed
{
    struct Blob
    {
        std::string bytes;
        bool operator==(const Blob &) const = default;
    };
    using Value = std::variant<std::monostate, std::int64_t, double, std::string, Blob>;
    struct Table
    {
        std::string name;
        std::vector<std::string> columns;
        std::vector<std::vector<Value>> rows;
    };
    NodeKind kind = NodeKind::Field;
    std::int64_t id = 0;
    std::vector<Table> tables; // in the order they are put back: parents first
};

class Database
{
public:
    ~Database();
    Database(Database &&) noexcept;
    Database &operator=(Database &&) noexcept;

    // Opens the field at `where`: a file, created when it does not exist, or a database
    // on a PostgreSQL server named by its address (field/location.h), whose tables are
    // made when it has none. An older schema is migrated forward; none with `fault` said.
    static std::optional<Database> open(const std::string &where, std::string &fault);

    // Stores each item's well as a new version of its wellbore's survey, which becomes
    // the definitive one; the field, site, slot, well and wellbore are made where they are
    // missing (a slot at the wellhead of the well's settings). All items or none: on a
    // fault nothing of the call is kept. `who` names the user in the record.
    bool importWells(const std::vector<ImportItem> &items, const std::string &who,
        std::string &fault);

    // Every wellbore, in the order of field, site, slot, well and wellbore names.
    std::vector<WellboreEntry> wellbores(std::string &fault) const;

    // The definitive survey of wellbore `id` as a well; none with `fault` said.
    std::optional<well::Well> definitiveSurvey(std::int64_t id, std::string &fault) const;

    // Every wellbore with its definitive survey, in the order of wellbores(); a survey that
    // cannot be read is a fault for the whole call.
    std::vector<std::pair<WellboreEntry, well::Well>> definitiveSurveys(std::string &fault) const;

    // The operator's rules of the field named `field` (clearance/rules.h), as their JSON
    // text; empty when it has none. Stored whole, replacing those before; the field is
    // made when it is missing.
    std::string rules(const std::string &field, std::string &fault) const;
    bool setRules(const std::string &field, const std::string &json, std::string &fault);

    // Makes version `version` of wellbore `id` the definitive survey.
    bool markDefinitive(std::int64_t id, int version, std::string &fault);

    // Every node of the field's tree: the fields, then the sites, slots, wells and
    // wellbores, each level in the order of the names.
    std::vector<Node> tree(std::string &fault) const;

    // Gives node `id` of `kind` a new name; refused (nothing changed) when the name is
    // empty or a node below the same parent has it already.
    bool rename(NodeKind kind, std::int64_t id, const std::string &name, std::string &fault);

    // Places node `id` of `kind` below `parent` (a node one level up): a well into another
    // slot, a slot onto another site. A field has no parent; refused as rename() refuses
    // a name that the new parent has below it already.
    bool move(NodeKind kind, std::int64_t id, std::int64_t parent, std::string &fault);

    // Removes node `id` of `kind` with everything below it, surveys and rules included;
    // what was removed, to be given to restore(). None with `fault` said.
    std::optional<Removed> remove(NodeKind kind, std::int64_t id, std::string &fault);

    // What remove() would take out, taken without removing it; with replace(), the undo of
    // a change below the node (an import into a site).
    std::optional<Removed> copy(NodeKind kind, std::int64_t id, std::string &fault) const;
    // Node `copy.id` and everything below it as `copy` holds them, in one transaction.
    bool replace(const Removed &copy, std::string &fault);

    // Puts back what remove() took out, with the same ids; refused (nothing changed)
    // where the place was taken since, e.g. by a node of the same name.
    bool restore(const Removed &removed, std::string &fault);

    // The schema version the field holds.
    int schemaVersion() const;

private:
    struct Impl;
    std::string nameTaken(NodeKind kind, std::int64_t id, std::optional<std::int64_t> parent,
        const std::string &name) const;
    std::string missing(NodeKind kind, std::int64_t id) const;
    bool collect(NodeKind kind, std::int64_t id, Removed &out, std::string &fault) const;
    bool putRows(const Removed &removed, std::string &fault);
    bool takeRows(const char *table, const char *column, const std::vector<std::int64_t> &ids,
        Removed &out, std::vector<std::int64_t> &taken, std::string &fault) const;
    explicit Database(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

} // namespace field
