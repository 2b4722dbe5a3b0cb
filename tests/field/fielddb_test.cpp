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

#include <filesystem>
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
