// Offset wells in a document file: the example document with neighbours added reads back
// as it was written, its four items byte for byte as before; and settings too large for
// the trailer are never written, so that no saved document is one its reader refuses.
#include "document/docfile.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(OffsetsDocument, FourItemsUnchangedAndTheOffsetsReadBack)
{
    const char *examples = std::getenv("DRAVON_EXAMPLES");
    if (!examples)
        GTEST_SKIP() << "DRAVON_EXAMPLES is not set";
    const std::string plain = readBytes(std::string(examples) + "/example.dvn");
    DocumentItems items;
    ASSERT_EQ(decodeDocument(plain, items), DocFileFault::None);
    OffsetWell o;
    o.name = "Nachbar Ü"; // UTF-8 in the trailer, whatever the four items' code page
    o.slotNorth = -12.5;
    o.slotEast = 40;
    o.stations = { { 0, 0, 0 }, { 250.25, 3.5, 181.75 } };
    items.m_Settings.offsets = { o };
    const std::string withOffsets = encodeDocument(items);
    EXPECT_EQ(withOffsets.substr(0, plain.size()), plain);
    DocumentItems back;
    std::string detail;
    ASSERT_EQ(decodeDocument(withOffsets, back, &detail), DocFileFault::None) << detail;
    EXPECT_EQ(back, items);
    // Without them again, the file is the old one.
    back.m_Settings.offsets.clear();
    EXPECT_EQ(encodeDocument(back), plain);
}

TEST(OffsetsDocument, SettingsBeyondTheTrailerAreNotWritten)
{
    TempFolder folder;
    ASSERT_TRUE(folder.valid());
    const std::string path = folder.file("nachbarn.dvn");
    writeBytes(path, "the old file");
    DocumentItems items;
    items.m_Name = "Bohrung";
    OffsetWell o;
    o.name = "lang";
    // Depths with all their digits: some 50 bytes of JSON per station, twice the limit.
    for (int i = 0; i < 700000; ++i)
        o.stations.push_back({ i + 0.123456789012345, 12.345678901234, 123.45678901234 });
    items.m_Settings.offsets = { o };
    EXPECT_FALSE(settingsFitDocument(items.m_Settings));
    EXPECT_FALSE(writeDocumentFile(path, items));
    EXPECT_TRUE(readBytes(path) == "the old file");
    // A tenth of them fits and is written.
    items.m_Settings.offsets[0].stations.resize(70000);
    EXPECT_TRUE(settingsFitDocument(items.m_Settings));
    ASSERT_TRUE(writeDocumentFile(path, items));
    DocumentItems back;
    std::string message;
    ASSERT_TRUE(readDocumentFile(path, "nachbarn.dvn", back, message)) << message;
    EXPECT_TRUE(back == items);
}
