// The field file: made and migrated on opening, a newer one left alone; wells imported
// once and read back byte for byte as documents; a second import of a wellbore is a new
// version that becomes the definitive survey, and an earlier one can be made definitive
// again; an import is taken whole or not at all.
#include "document/docfile.h"
#include "field/fielddb.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <unistd.h>

namespace {

// Qt SQL finds its drivers through the application object.
class QtApp : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "field_tests";
        static char *argv[] = { name, nullptr };
        m_app = std::make_unique<QCoreApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QCoreApplication> m_app;
};

const auto *const kApp = ::testing::AddGlobalTestEnvironment(new QtApp);

class FieldDb : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path()
            / ("dravon-field-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        path = (dir / "Feld Nord.sqlite").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // Statements run on the file directly, past the database class; the value of the
    // last one's first column.
    int rawSql(std::initializer_list<const char *> statements)
    {
        int value = 0;
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "raw");
            d.setDatabaseName(QString::fromStdString(path));
            EXPECT_TRUE(d.open());
            for (const char *sql : statements) {
                QSqlQuery q(d);
                EXPECT_TRUE(q.exec(QString::fromLatin1(sql))) << sql;
                value = q.next() ? q.value(0).toInt() : 0;
            }
            d.close();
        }
        QSqlDatabase::removeDatabase("raw");
        return value;
    }

    field::Database open()
    {
        std::string fault;
        std::optional<field::Database> db = field::Database::open(path, fault);
        EXPECT_TRUE(db.has_value()) << fault;
        return std::move(*db);
    }

    std::filesystem::path dir;
    std::string path;
};

well::Well wellOfDepth(const std::string &name, double lastMd, double azimuth)
{
    well::Well w;
    w.name = name;
    w.survey.add({ 0, 0, 0 });
    w.survey.add({ 300, 0, 0 });
    w.survey.add({ lastMd, 25.5, azimuth });
    w.settings.wellhead = Wellhead { 5712345.5, 500123.25 };
    w.settings.sectionAzimuth = azimuth;
    return w;
}

std::string bytesOf(const well::Well &w)
{
    return encodeDocument(itemsOf(w));
}

field::ImportItem item(const std::string &site, const std::string &name, well::Well w)
{
    return { { "Nord", site, name, name, name }, std::move(w), name + ".csv" };
}

} // namespace

TEST_F(FieldDb, ImportedWellsComeBackAsTheyWereStoredAndAreListedInOrder)
{
    field::Database db = open();
    EXPECT_EQ(db.schemaVersion(), field::kSchemaVersion);
    const well::Well a = wellOfDepth("A-1", 1200, 45), b = wellOfDepth("B-2", 900.25, 200.5),
                     c = wellOfDepth("A-2", 1500, 310);
    std::string fault;
    ASSERT_TRUE(db.importWells(
        { item("Pad A", "A-1", a), item("Pad B", "B-2", b), item("Pad A", "A-2", c) }, "test",
        fault))
        << fault;
    const std::vector<field::WellboreEntry> list = db.wellbores(fault);
    ASSERT_EQ(list.size(), 3u) << fault;
    EXPECT_EQ(list[0].place.well, "A-1");
    EXPECT_EQ(list[1].place.well, "A-2");
    EXPECT_EQ(list[2].place.site, "Pad B");
    for (const field::WellboreEntry &e : list) {
        EXPECT_EQ(e.stations, 3);
        EXPECT_EQ(e.version, 1);
        EXPECT_EQ(e.changedBy, "test");
        EXPECT_FALSE(e.changedAt.empty());
    }
    // Read back from a file opened anew: the same document, byte for byte.
    field::Database again = open();
    const std::optional<well::Well> read = again.definitiveSurvey(list[2].id, fault);
    ASSERT_TRUE(read.has_value()) << fault;
    EXPECT_EQ(bytesOf(*read), bytesOf(b));
}

TEST_F(FieldDb, AnotherImportIsANewVersionAndAnEarlierOneCanBeDefinitiveAgain)
{
    field::Database db = open();
    std::string fault;
    const well::Well first = wellOfDepth("A-1", 1200, 45);
    const well::Well second = wellOfDepth("A-1", 1350, 47.5);
    ASSERT_TRUE(db.importWells({ item("Pad A", "A-1", first) }, "a", fault)) << fault;
    ASSERT_TRUE(db.importWells({ item("Pad A", "A-1", second) }, "b", fault)) << fault;
    std::vector<field::WellboreEntry> list = db.wellbores(fault);
    ASSERT_EQ(list.size(), 1u) << "a second import is no second wellbore";
    EXPECT_EQ(list[0].version, 2);
    EXPECT_EQ(list[0].versions, 2);
    EXPECT_EQ(list[0].changedBy, "b");
    EXPECT_EQ(bytesOf(*db.definitiveSurvey(list[0].id, fault)), bytesOf(second));

    ASSERT_TRUE(db.markDefinitive(list[0].id, 1, fault)) << fault;
    EXPECT_EQ(bytesOf(*db.definitiveSurvey(list[0].id, fault)), bytesOf(first));
    EXPECT_FALSE(db.markDefinitive(list[0].id, 7, fault));
    EXPECT_FALSE(fault.empty());
    // The refused mark left the one before.
    EXPECT_EQ(bytesOf(*db.definitiveSurvey(list[0].id, fault)), bytesOf(first));
}

TEST_F(FieldDb, AnImportIsTakenWholeOrNotAtAll)
{
    field::Database db = open();
    std::string fault;
    ASSERT_TRUE(db.importWells({ item("Pad A", "A-1", wellOfDepth("A-1", 1200, 45)) }, "", fault));
    field::ImportItem nameless = item("Pad A", "", wellOfDepth("X", 800, 10));
    nameless.source = "X.csv";
    EXPECT_FALSE(db.importWells({ item("Pad A", "A-2", wellOfDepth("A-2", 1000, 90)),
                                    item("Pad A", "A-1", wellOfDepth("A-1", 1250, 45)), nameless },
        "", fault));
    EXPECT_NE(fault.find("X.csv"), std::string::npos) << fault;
    const std::vector<field::WellboreEntry> list = db.wellbores(fault);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].versions, 1);
}

TEST_F(FieldDb, AFieldOfALaterSchemaIsRefusedAndLeftAlone)
{
    {
        field::Database db = open();
        std::string fault;
        ASSERT_TRUE(db.importWells({ item("Pad A", "A-1", wellOfDepth("A-1", 1200, 45)) }, "", fault));
    }
    rawSql({ "PRAGMA user_version = 99" });
    std::string fault;
    EXPECT_FALSE(field::Database::open(path, fault).has_value());
    EXPECT_NE(fault.find("99"), std::string::npos) << fault;
    // Nothing was changed: the schema still says 99.
    EXPECT_EQ(rawSql({ "PRAGMA user_version" }), 99);
}

TEST_F(FieldDb, AFieldOfTheFirstSchemaIsMigratedAndKeepsItsWells)
{
    {
        field::Database db = open();
        std::string fault;
        ASSERT_TRUE(db.importWells({ item("Pad A", "A-1", wellOfDepth("A-1", 1200, 45)) }, "", fault));
    }
    // The file as the first schema left it: no rules.
    rawSql({ "DROP TABLE rule_set", "PRAGMA user_version = 1" });
    field::Database db = open();
    EXPECT_EQ(db.schemaVersion(), 2);
    std::string fault;
    ASSERT_EQ(db.wellbores(fault).size(), 1u) << fault;
    EXPECT_EQ(db.rules("Nord", fault), "");
    ASSERT_TRUE(db.setRules("Nord", R"({"name":"Betreiber"})", fault)) << fault;
    ASSERT_TRUE(db.setRules("Nord", R"({"name":"Betreiber B"})", fault)) << fault;
    EXPECT_EQ(open().rules("Nord", fault), R"({"name":"Betreiber B"})");
}

namespace {

// The tree as one text per node, its parent named by path: what a listing shows,
// independent of the order of the rows.
std::vector<std::string> outline(const field::Database &db)
{
    std::string fault;
    const std::vector<field::Node> nodes = db.tree(fault);
    EXPECT_TRUE(fault.empty()) << fault;
    std::map<std::pair<int, std::int64_t>, std::string> paths;
    std::vector<std::string> out;
    for (const field::Node &n : nodes) {
        const int level = static_cast<int>(n.kind);
        const std::string up = level == 0 ? std::string() : paths[{ level - 1, n.parent }] + '/';
        std::string path = up;
        path += n.name;
        paths[{ level, n.id }] = path;
        out.push_back(path + '#' + std::to_string(n.id));
    }
    std::sort(out.begin(), out.end());
    return out;
}

const field::Node *findNode(const std::vector<field::Node> &nodes, field::NodeKind kind,
    const std::string &name)
{
    const auto at = std::find_if(nodes.begin(), nodes.end(),
        [&](const field::Node &n) { return n.kind == kind && n.name == name; });
    return at == nodes.end() ? nullptr : &*at;
}

} // namespace

TEST_F(FieldDb, ARemovedNodeComesBackWithItsIdsAndSurveys)
{
    field::Database db = open();
    std::string fault;
    const well::Well a1 = wellOfDepth("A-1", 1200, 45);
    ASSERT_TRUE(db.importWells({ item("Pad A", "A-1", a1), item("Pad A", "A-2", wellOfDepth("A-2", 900, 90)),
                                   item("Pad B", "B-1", wellOfDepth("B-1", 700, 180)) },
        "", fault))
        << fault;
    // A second version of A-1, the first one definitive again: restore must keep which.
    ASSERT_TRUE(db.importWells({ item("Pad A", "A-1", wellOfDepth("A-1", 1300, 46)) }, "", fault));
    ASSERT_TRUE(db.setRules("Nord", R"({"name":"Betreiber"})", fault)) << fault;
    const std::int64_t a1Bore = db.wellbores(fault).front().id;
    ASSERT_TRUE(db.markDefinitive(a1Bore, 1, fault)) << fault;
    const std::vector<std::string> before = outline(db);
    ASSERT_EQ(before.size(), 1u + 2 + 3 + 3 + 3);

    for (field::NodeKind kind : { field::NodeKind::Site, field::NodeKind::Field,
             field::NodeKind::Wellbore }) {
        const std::vector<field::Node> nodes = db.tree(fault);
        const std::string name = kind == field::NodeKind::Site ? "Pad A"
            : kind == field::NodeKind::Field                  ? "Nord"
                                                               : "A-1";
        const field::Node *node = findNode(nodes, kind, name);
        ASSERT_NE(node, nullptr);
        std::optional<field::Removed> removed = db.remove(kind, node->id, fault);
        ASSERT_TRUE(removed.has_value()) << fault;
        EXPECT_LT(outline(db).size(), before.size()) << name;
        EXPECT_FALSE(db.definitiveSurvey(a1Bore, fault).has_value()) << name;
        if (kind == field::NodeKind::Field) {
            EXPECT_TRUE(db.tree(fault).empty());
            EXPECT_EQ(db.rules("Nord", fault), "");
        }
        // Restored through a file opened anew, as an undo after a restart of the panel's
        // file would not be, but the rows carry everything themselves.
        field::Database again = open();
        ASSERT_TRUE(again.restore(*removed, fault)) << fault;
        EXPECT_EQ(outline(again), before) << name;
        const std::optional<well::Well> back = again.definitiveSurvey(a1Bore, fault);
        ASSERT_TRUE(back.has_value()) << fault;
        EXPECT_EQ(bytesOf(*back), bytesOf(a1)) << name;
        EXPECT_EQ(again.wellbores(fault).front().versions, 2);
        EXPECT_EQ(again.rules("Nord", fault), R"({"name":"Betreiber"})");
    }
    EXPECT_FALSE(db.remove(field::NodeKind::Well, 9999, fault).has_value());
    EXPECT_NE(fault.find("9999"), std::string::npos) << fault;
}

TEST_F(FieldDb, ANameTakenBelowTheSameParentIsRefusedAndChangesNothing)
{
    field::Database db = open();
    std::string fault;
    ASSERT_TRUE(db.importWells({ item("Pad A", "A-1", wellOfDepth("A-1", 1200, 45)),
                                   item("Pad A", "A-2", wellOfDepth("A-2", 900, 90)),
                                   item("Pad B", "A-2", wellOfDepth("A-2", 700, 180)),
                                   item("Pad B", "B-1", wellOfDepth("B-1", 700, 180)) },
        "", fault))
        << fault;
    const std::vector<std::string> before = outline(db);
    const std::vector<field::Node> nodes = db.tree(fault);
    const field::Node *padA = findNode(nodes, field::NodeKind::Site, "Pad A");
    const field::Node *padB = findNode(nodes, field::NodeKind::Site, "Pad B");
    const field::Node *slotA1 = findNode(nodes, field::NodeKind::Slot, "A-1");
    ASSERT_TRUE(padA && padB && slotA1);

    EXPECT_FALSE(db.rename(field::NodeKind::Site, padA->id, "Pad B", fault));
    EXPECT_NE(fault.find("Pad B"), std::string::npos) << fault;
    EXPECT_FALSE(db.rename(field::NodeKind::Slot, slotA1->id, "A-2", fault));
    EXPECT_NE(fault.find("Pad A"), std::string::npos) << "the parent is named: " << fault;
    EXPECT_FALSE(db.rename(field::NodeKind::Slot, slotA1->id, "", fault));
    EXPECT_FALSE(fault.empty());
    // Pad B has a slot A-2 already; moving Pad A's A-2 there is the same clash.
    const auto slotA2OnA = std::find_if(nodes.begin(), nodes.end(), [&](const field::Node &n) {
        return n.kind == field::NodeKind::Slot && n.name == "A-2" && n.parent == padA->id;
    });
    ASSERT_NE(slotA2OnA, nodes.end());
    EXPECT_FALSE(db.move(field::NodeKind::Slot, slotA2OnA->id, padB->id, fault));
    EXPECT_NE(fault.find("A-2"), std::string::npos) << fault;
    EXPECT_FALSE(db.move(field::NodeKind::Slot, slotA1->id, 9999, fault));
    EXPECT_FALSE(db.move(field::NodeKind::Field, padA->parent, 1, fault));
    EXPECT_EQ(outline(db), before);

    // The same name in another parent is no clash; a rename to its own name neither.
    ASSERT_TRUE(db.rename(field::NodeKind::Slot, slotA1->id, "B-1", fault)) << fault;
    ASSERT_TRUE(db.rename(field::NodeKind::Site, padA->id, "Pad A", fault)) << fault;
    EXPECT_FALSE(db.move(field::NodeKind::Slot, slotA1->id, padB->id, fault));
    ASSERT_TRUE(db.rename(field::NodeKind::Slot, slotA1->id, "C-1", fault)) << fault;
    ASSERT_TRUE(db.move(field::NodeKind::Slot, slotA1->id, padB->id, fault)) << fault;
    const std::vector<field::WellboreEntry> list = db.wellbores(fault);
    const auto moved = std::find_if(list.begin(), list.end(),
        [](const field::WellboreEntry &e) { return e.place.well == "A-1"; });
    ASSERT_NE(moved, list.end());
    EXPECT_EQ(moved->place.site, "Pad B");
    EXPECT_EQ(moved->place.slot, "C-1");

    // A removed node whose place was taken since is refused back, and nothing of it comes.
    const std::vector<field::Node> now = db.tree(fault);
    const field::Node *wellB1 = findNode(now, field::NodeKind::Well, "B-1");
    ASSERT_NE(wellB1, nullptr);
    std::optional<field::Removed> removed = db.remove(field::NodeKind::Well, wellB1->id, fault);
    ASSERT_TRUE(removed.has_value()) << fault;
    const field::Node *wellA1 = findNode(now, field::NodeKind::Well, "A-1");
    ASSERT_NE(wellA1, nullptr);
    ASSERT_TRUE(db.rename(field::NodeKind::Well, wellA1->id, "B-1", fault)) << fault;
    ASSERT_TRUE(db.move(field::NodeKind::Well, wellA1->id, wellB1->parent, fault)) << fault;
    const std::vector<std::string> taken = outline(db);
    EXPECT_FALSE(db.restore(*removed, fault));
    EXPECT_NE(fault.find("B-1"), std::string::npos) << fault;
    EXPECT_EQ(outline(db), taken);
}

TEST_F(FieldDb, ACopyOfASitePutBackUndoesAnImportIntoIt)
{
    field::Database db = open();
    std::string fault;
    const well::Well a1 = wellOfDepth("A-1", 1200, 45);
    ASSERT_TRUE(db.importWells({ item("Pad A", "A-1", a1) }, "", fault)) << fault;
    const std::vector<std::string> before = outline(db);
    const std::vector<field::Node> nodes = db.tree(fault);
    const field::Node *pad = findNode(nodes, field::NodeKind::Site, "Pad A");
    ASSERT_NE(pad, nullptr);
    const std::optional<field::Removed> copy = db.copy(field::NodeKind::Site, pad->id, fault);
    ASSERT_TRUE(copy.has_value()) << fault;
    EXPECT_EQ(outline(db), before) << "a copy takes nothing away";
    ASSERT_TRUE(db.importWells({ item("Pad A", "A-1", wellOfDepth("A-1", 1500, 50)),
                                   item("Pad A", "A-3", wellOfDepth("A-3", 800, 10)) },
        "", fault));
    ASSERT_TRUE(db.replace(*copy, fault)) << fault;
    EXPECT_EQ(outline(db), before);
    const std::vector<field::WellboreEntry> list = db.wellbores(fault);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].versions, 1);
    EXPECT_EQ(bytesOf(*db.definitiveSurvey(list[0].id, fault)), bytesOf(a1));
}
