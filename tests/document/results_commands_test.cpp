// "Ergebnisse ausgeben" and "Ergebnisse einlesen" on the document: the file written,
// the table read back, the messages, and that neither marks the document.
#include "documentfixture.h"

#include <QDir>

namespace {

const char *const kWritten = "Die Ergebnisse sind in die Datei aus.txt geschrieben!";

} // namespace

TEST_F(DocumentTest, WritesTitleAndTableWithCrLf)
{
    doc.m_Ergebnisse = { "B 1", "100% sicher", "zwei\nZeilen" };
    doc.OnErgebnisseAusgeben();
    EXPECT_EQ(fileBytes(dir.filePath("aus.txt")),
        QByteArray("Unbenannt\r\nB 1\r\n100% sicher\r\nzwei\r\nZeilen\r\n"));
    EXPECT_EQ(prompter.messages(), std::vector<std::string> { kWritten });
    EXPECT_EQ(viewUpdates, 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentTest, EmptyTableWritesAnEmptyFile)
{
    doc.m_Ergebnisse.clear();
    doc.OnErgebnisseAusgeben();
    EXPECT_EQ(fileBytes(dir.filePath("aus.txt")), QByteArray(""));
    EXPECT_EQ(prompter.messages(), std::vector<std::string> { kWritten });
}

TEST_F(DocumentTest, TitleLineIsTheFileNameAfterSaving)
{
    enterStations();
    ASSERT_TRUE(doc.OnSaveDocument(dir.filePath("b1.dvn")));
    resetCounters();
    doc.OnErgebnisseAusgeben();
    const QByteArray written = fileBytes(dir.filePath("aus.txt"));
    EXPECT_TRUE(written.startsWith("b1.dvn\r\nB 1\r\n"));
    EXPECT_EQ(written.count("\r\n"), static_cast<qsizetype>(doc.m_Ergebnisse.size() + 1));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentTest, FailedWriteIsReportedNotPraised)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("aus.txt")); // a folder where the file should go
    doc.m_Ergebnisse = { "B 1" };
    doc.OnErgebnisseAusgeben();
    const std::vector<std::string> messages = prompter.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("konnten nicht in die Datei"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("aus.txt"), std::string::npos);
    EXPECT_NE(messages[0], kWritten);
}

TEST_F(DocumentTest, WrittenTableReadsBackWithItsTitleFirst)
{
    enterStations();
    doc.SetModifiedFlag(false);
    const StringList table = doc.m_Ergebnisse;
    ASSERT_GT(table.size(), 3u);
    doc.OnErgebnisseAusgeben();
    resetCounters();
    doc.m_Ergebnisse = { "wird ersetzt" };
    doc.OnErgebnisseEinlesen();

    StringList expected = { "Unbenannt" };
    expected.insert(expected.end(), table.begin(), table.end());
    EXPECT_EQ(doc.m_Ergebnisse, expected);
    EXPECT_EQ(viewUpdates, 1);
    EXPECT_EQ(prompter.messages(),
        std::vector<std::string> {
            cfmt("%d Zeilen wurden eingelesen", static_cast<int>(expected.size())) });
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(modifiedSignals.empty());
}

TEST_F(DocumentTest, ReadKeepsEveryLineWhole)
{
    QFile f(dir.filePath("aus.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QByteArray longLine(150, 'L');
    f.write(longLine + "\r\nx\r\n\r\nmitte\nEnde ohne Zeilenende");
    f.close();
    doc.OnErgebnisseEinlesen();
    EXPECT_EQ(doc.m_Ergebnisse,
        (StringList { longLine.toStdString(), "x", "", "mitte", "Ende ohne Zeilenende" }));
    EXPECT_EQ(prompter.messages(), std::vector<std::string> { "5 Zeilen wurden eingelesen" });
}

TEST_F(DocumentTest, ReadStopsAt3000Lines)
{
    QFile f(dir.filePath("aus.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (int i = 0; i < 3100; ++i)
        f.write(QByteArray::number(i) + "\r\n");
    f.close();
    doc.OnErgebnisseEinlesen();
    ASSERT_EQ(doc.m_Ergebnisse.size(), 3000u);
    EXPECT_EQ(doc.m_Ergebnisse.back(), "2999");
    EXPECT_EQ(prompter.messages(), std::vector<std::string> { "3000 Zeilen wurden eingelesen" });
}

TEST_F(DocumentTest, MissingFileEmptiesTheTable)
{
    enterStations();
    doc.SetModifiedFlag(false);
    resetCounters();
    ASSERT_FALSE(doc.m_Ergebnisse.empty());
    doc.OnErgebnisseEinlesen();
    EXPECT_TRUE(doc.m_Ergebnisse.empty());
    EXPECT_EQ(viewUpdates, 1);
    EXPECT_EQ(prompter.messages(), std::vector<std::string> { "0 Zeilen wurden eingelesen" });
    EXPECT_FALSE(doc.IsModified());
}
