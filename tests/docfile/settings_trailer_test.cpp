// The well settings after the four items: their exact bytes, that a document without
// them keeps the old bytes, that unknown members survive, and that every damaged or
// foreign trailer is refused without touching the target.
#include "document/docfile.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string le32(std::uint32_t v)
{
    return { static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
        static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24) };
}

const std::string kMarker("\x89"
                          "DVN\r\n\x1A\n",
    8);

std::string trailer(const std::string &json, std::uint32_t version = 1)
{
    return kMarker + le32(version) + le32(static_cast<std::uint32_t>(json.size())) + json;
}

DocumentItems items()
{
    DocumentItems d;
    d.m_Name = "B 3";
    d.m_Eingabe = { "  100.00     1.00    10.00" };
    d.m_Info = { "Kreisel" };
    return d;
}

DocumentItems withEverySetting()
{
    DocumentItems d = items();
    WellSettings &s = d.m_Settings;
    s.wellhead = Wellhead { 500000.0, 5700000.25 };
    s.elevation = -12.5;
    s.epsg = 25832;
    s.north = NorthReference::Magnetic;
    s.gridConvergence = 1.5;
    s.declination = -2.75;
    s.sectionAzimuth = 360.0;
    s.unit = LengthUnit::Foot;
    return d;
}

} // namespace

TEST(SettingsTrailer, ExactBytesAfterTheUnchangedFourItems)
{
    const DocumentItems d = withEverySetting();
    const std::string fourItems = encodeDocument(items());
    const std::string json
        = "{\"easting\":500000.0,\"northing\":5700000.25,\"elevation\":-12.5,"
          "\"crs\":\"EPSG:25832\",\"north\":\"magnetic\",\"gridConvergence\":1.5,"
          "\"declination\":-2.75,\"sectionAzimuth\":360.0,\"unit\":\"ft\"}";
    const std::string file = encodeDocument(d);
    EXPECT_EQ(file, fourItems + trailer(json));

    DocumentItems back;
    ASSERT_EQ(decodeDocument(file, back), DocFileFault::None);
    EXPECT_EQ(back, d);
    // Cut after the fourth item, the same file is the document without settings.
    ASSERT_EQ(decodeDocument(std::string_view(file).substr(0, fourItems.size()), back),
        DocFileFault::None);
    EXPECT_EQ(back, items());
    EXPECT_TRUE(back.m_Settings.empty());
}

TEST(SettingsTrailer, DefaultsWriteNoTrailer)
{
    DocumentItems d = items();
    d.m_Settings.north = NorthReference::True;
    d.m_Settings.unit = LengthUnit::Metre;
    EXPECT_EQ(encodeDocument(d), encodeDocument(items()));
    // A trailer that says only what the defaults say is read, and not written again.
    DocumentItems back;
    ASSERT_EQ(
        decodeDocument(encodeDocument(items()) + trailer(R"({"north":"true","unit":"m"})"), back),
        DocFileFault::None);
    EXPECT_EQ(encodeDocument(back), encodeDocument(items()));
}

TEST(SettingsTrailer, UnknownMembersAreKeptInTheirOrder)
{
    const std::string json = R"({"zeta":null,"elevation":12,"future":{"x":[1,"Gr)"
                             "\xC3\xBC"
                             R"(n",true]},"alpha":1E2})";
    DocumentItems back;
    ASSERT_EQ(decodeDocument(encodeDocument(items()) + trailer(json), back), DocFileFault::None);
    EXPECT_EQ(back.m_Settings.elevation, 12.0);
    // Known members come first; numbers keep their value, not their spelling.
    const std::string written = R"({"elevation":12.0,"zeta":null,"future":{"x":[1,"Gr)"
                                "\xC3\xBC"
                                R"(n",true]},"alpha":100.0})";
    EXPECT_EQ(encodeDocument(back), encodeDocument(items()) + trailer(written));
}

TEST(SettingsTrailer, TurnsBetweenTheNorths)
{
    WellSettings s;
    EXPECT_EQ(s.turnToTrue(), 0.0);
    EXPECT_EQ(s.turnToGrid(), std::nullopt) << "no convergence is no zero convergence";
    s.gridConvergence = 1.5; // grid north 1.5 degrees east of true north
    EXPECT_EQ(s.turnToGrid(), -1.5);
    s.north = NorthReference::Grid;
    EXPECT_EQ(s.turnToGrid(), 0.0);
    EXPECT_EQ(s.turnToTrue(), 1.5);
    s.north = NorthReference::Magnetic;
    EXPECT_EQ(s.turnToTrue(), std::nullopt);
    s.declination = 3.0; // magnetic north 3 degrees east of true north
    EXPECT_EQ(s.turnToTrue(), 3.0);
    EXPECT_EQ(s.turnToGrid(), 1.5);
}

struct TrailerCase
{
    const char *name;
    std::string trailer;
    DocFileFault fault;
    const char *detail = ""; // part of the German detail, if any
};

class DamagedTrailer : public ::testing::TestWithParam<TrailerCase>
{
};

TEST_P(DamagedTrailer, RefusedWithoutTouchingTheTarget)
{
    DocumentItems target = withEverySetting();
    std::string detail;
    EXPECT_EQ(decodeDocument(encodeDocument(items()) + GetParam().trailer, target, &detail),
        GetParam().fault);
    EXPECT_EQ(target, withEverySetting());
    EXPECT_NE(detail.find(GetParam().detail), std::string::npos) << detail;
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedTrailer,
    ::testing::Values(TrailerCase { "Text", "garbage", DocFileFault::TrailingData },
        TrailerCase { "TextModeCopy",
            "\x89"
            "DVN\n\x1A\n"
                + le32(1) + le32(2) + "{}",
            DocFileFault::TrailingData },
        TrailerCase { "CutHeader", kMarker + le32(1) + "\x02", DocFileFault::Truncated },
        TrailerCase {
            "CutText", trailer(R"({"elevation":1})").substr(0, 30), DocFileFault::Truncated },
        TrailerCase { "BytesAfterIt", trailer("{}") + "x", DocFileFault::TrailingData },
        TrailerCase { "VersionZero", trailer("{}", 0), DocFileFault::TrailingData },
        TrailerCase { "LaterVersion", trailer("{}", 2), DocFileFault::NewerSettings },
        TrailerCase {
            "TooLong", trailer(std::string(kMaxSettingsSize + 1, ' ')), DocFileFault::TooLarge },
        TrailerCase { "NotJson", trailer("{\"a\":"), DocFileFault::BadSettings, "kein g" },
        TrailerCase { "BadUtf8", trailer("{\"a\":\"\xFC\"}"), DocFileFault::BadSettings, "UTF-8" },
        TrailerCase { "Array", trailer("[]"), DocFileFault::BadSettings, "Objekt" },
        TrailerCase { "TooDeep",
            trailer("{\"a\":" + std::string(70, '[') + std::string(70, ']') + "}"),
            DocFileFault::BadSettings, "verschachtelt" },
        TrailerCase { "TextForANumber", trailer(R"({"elevation":"250"})"),
            DocFileFault::BadSettings, "\"elevation\"" },
        TrailerCase {
            "EastingAlone", trailer(R"({"easting":1.0})"), DocFileFault::BadSettings, "Hochwert" },
        TrailerCase { "CrsWithoutAuthority", trailer(R"({"crs":"25832"})"),
            DocFileFault::BadSettings, "\"crs\"" },
        TrailerCase { "UnknownNorth", trailer(R"({"north":"south"})"), DocFileFault::BadSettings,
            "\"north\"" },
        TrailerCase { "ConvergenceBeyond180", trailer(R"({"gridConvergence":180.5})"),
            DocFileFault::BadSettings, "gridConvergence" }),
    [](const ::testing::TestParamInfo<TrailerCase> &info) { return std::string(info.param.name); });

TEST(SettingsTrailer, MessageNamesTheFileAndTheFaultyMember)
{
    const std::string bad
        = docFileMessage(DocFileFault::BadSettings, "b.dvn", "Der Eintrag \"crs\"");
    EXPECT_NE(bad.find("b.dvn"), std::string::npos);
    EXPECT_NE(bad.find("Einstellungen der Bohrung"), std::string::npos) << bad;
    EXPECT_LT(bad.find("\"crs\""), bad.find("Das Dokument bleibt"));
}

// A document whose survey continues another one: the tie-in goes into the trailer after
// the unchanged four items, is read back from the file whole, and a document without one
// keeps the old bytes.
TEST(SettingsTrailer, TieInIsWrittenToTheFileAndReadBack)
{
    TempFolder dir;
    ASSERT_TRUE(dir.valid());
    DocumentItems d = items();
    d.m_Settings.tieIn = well::TieIn { 1200, 1149.75, -4.65, 0.92, 17.25, 143.5 };
    ASSERT_TRUE(writeDocumentFile(dir.file("tiein.dvn"), d));
    const std::string bytes = readBytes(dir.file("tiein.dvn"));
    EXPECT_EQ(bytes.substr(0, encodeDocument(items()).size()), encodeDocument(items()));

    DocumentItems back;
    std::string message;
    ASSERT_TRUE(readDocumentFile(dir.file("tiein.dvn"), "tiein.dvn", back, message)) << message;
    ASSERT_TRUE(back.m_Settings.tieIn);
    EXPECT_EQ(*back.m_Settings.tieIn, *d.m_Settings.tieIn);
    EXPECT_EQ(back, d);

    back.m_Settings.tieIn.reset();
    EXPECT_EQ(encodeDocument(back), encodeDocument(items()));
}
