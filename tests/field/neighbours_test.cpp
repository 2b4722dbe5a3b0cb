// A field's wellbores as the neighbours of one of them: the well's own wellbore is none of
// them, each is placed from its own wellhead against the well's and named by its place,
// the field's rules come along, and a link is read from the document's folder; a link to
// a field file that went missing is said and makes no empty field.
#include "field/fielddb.h"
#include "field/neighbours.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

well::Well wellAt(const std::string &name, double easting, double northing, double azimuth)
{
    well::Well w;
    w.name = name;
    w.survey.add({ 0, 0, 0 });
    w.survey.add({ 400, 0, 0 });
    w.survey.add({ 1000, 30, azimuth });
    w.settings.wellhead = Wellhead { easting, northing };
    w.settings.epsg = 25832;
    w.settings.north = NorthReference::Grid;
    w.settings.gridConvergence = 0;
    return w;
}

class Neighbours : public testing::Test
{
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path()
            / ("dravon-neighbours-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

TEST_F(Neighbours, TheFieldsOtherWellboresPlacedAroundTheWell)
{
    const std::string file = (folder / "feld.sqlite").string();
    std::string fault;
    {
        std::optional<field::Database> db = field::Database::open(file, fault);
        ASSERT_TRUE(db) << fault;
        std::vector<field::ImportItem> items;
        for (const auto &[name, east, north] :
            { std::tuple { "A", 500000.0, 5700000.0 }, std::tuple { "B", 500030.0, 5699960.0 },
                std::tuple { "C", 499990.0, 5700010.0 } })
            items.push_back({ { "Feld", "Pad", name, name, name },
                wellAt(name, east, north, 90), std::string(name) + ".csv" });
        ASSERT_TRUE(db->importWells(items, "test", fault)) << fault;
        ASSERT_TRUE(db->setRules("Feld", R"({"name":"Betreiber","levels":[)"
                                         R"({"name":"Halt","below":1.0,"action":"stop"}]})",
            fault))
            << fault;
    }
    const well::Well own = wellAt("A", 500000, 5700000, 90);
    // Relative to the document's folder, the well's own wellbore left out.
    const FieldLink link { "feld.sqlite", "Feld/Pad/A", 500.0 };
    std::optional<field::Neighbours> found
        = field::neighboursOf(link, own.settings, folder.string(), fault);
    ASSERT_TRUE(found) << fault;
    EXPECT_TRUE(found->notes.empty());
    ASSERT_EQ(found->offsets.size(), 2u);
    EXPECT_EQ(found->offsets[0].name, "Feld/Pad/B");
    EXPECT_EQ(found->offsets[1].name, "Feld/Pad/C");
    // Each at its own wellhead, 30 m east and 40 m south of A's for B.
    ASSERT_TRUE(found->offsets[0].wellhead);
    EXPECT_EQ(found->offsets[0].wellhead->easting - own.settings.wellhead->easting, 30.0);
    EXPECT_EQ(found->offsets[0].wellhead->northing - own.settings.wellhead->northing, -40.0);
    ASSERT_TRUE(found->rules);
    EXPECT_EQ(found->rules->name, "Betreiber");

    // Without a place of its own every wellbore is a neighbour, A too.
    found = field::neighboursOf(FieldLink { file, {}, {} }, own.settings, {}, fault);
    ASSERT_TRUE(found) << fault;
    EXPECT_EQ(found->offsets.size(), 3u);

    // A field file that is not there is said and not made.
    EXPECT_FALSE(field::neighboursOf(
        FieldLink { "fehlt.sqlite", {}, {} }, own.settings, folder.string(), fault));
    EXPECT_NE(fault.find("fehlt.sqlite"), std::string::npos) << fault;
    EXPECT_FALSE(std::filesystem::exists(folder / "fehlt.sqlite"));
    // Absolute paths and server addresses are taken as they are.
    EXPECT_EQ(field::resolvedLocation(file, "/anders"), file);
    EXPECT_EQ(field::resolvedLocation("postgresql://db/feld", "/anders"), "postgresql://db/feld");
    EXPECT_EQ(field::resolvedLocation("../f.sqlite", "/a/b"), "/a/f.sqlite");
}

} // namespace
