// Reading document files from disk: a good file, a missing one, a folder, and a damaged
// file, each with the message the user sees.
#include "document/docfile.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

TEST(DocFileRead, GoodFileIsRead)
{
    TempFolder dir;
    ASSERT_TRUE(dir.valid());
    DocumentItems d;
    d.m_Name = "B 7";
    d.m_Eingabe = { "  100.00     0.50    12.00" };
    writeBytes(dir.file("b7.dvn"), encodeDocument(d));

    DocumentItems back;
    std::string message = "stale";
    ASSERT_TRUE(readDocumentFile(dir.file("b7.dvn"), "b7.dvn", back, message));
    EXPECT_EQ(back, d);
    EXPECT_TRUE(message.empty());
}

TEST(DocFileRead, FaultsGiveAMessageAndLeaveTheTargetAlone)
{
    TempFolder dir;
    ASSERT_TRUE(dir.valid());
    DocumentItems d;
    d.m_Name = "B 7";
    d.m_Eingabe = { "  100.00     0.50    12.00", "  200.00     1.50    14.00" };
    const std::string good = encodeDocument(d);
    writeBytes(dir.file("short.dvn"), good.substr(0, good.size() - 3));
    writeBytes(dir.file("long.dvn"), good + "x");
    std::filesystem::create_directory(dir.file("folder.dvn"));

    const struct
    {
        std::string file;
        const char *expected;
    } cases[] = {
        { "missing.dvn", "kann nicht gelesen werden" },
        { "folder.dvn", "kann nicht gelesen werden" },
        { "short.dvn", "beschädigt" },
        { "long.dvn", "beschädigt" },
    };
    for (const auto &c : cases) {
        DocumentItems target;
        target.m_Name = "bleibt";
        std::string message;
        EXPECT_FALSE(readDocumentFile(dir.file(c.file), c.file, target, message)) << c.file;
        EXPECT_EQ(target.m_Name, "bleibt") << c.file;
        EXPECT_TRUE(target.m_Eingabe.empty()) << c.file;
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.file << ": " << message;
        EXPECT_NE(message.find(c.file), std::string::npos) << message;
    }
}
