// "Ergebnisse ausgeben" and "Ergebnisse einlesen" on the document: the file written,
// the table read back, the messages, and that neither marks the document.
#include "documentfixture.h"

#include <QDir>

namespace {

const char *const kWritten = "Die Ergebnisse sind in die Datei aus.txt geschrieben!";

} // namespace

// The table's first line is the borehole name, which may hold a per cent sign and, from
// a document file, a line break.
TEST_F(DocumentTest, WritesTitleAndTableWithCrLf)
{
    enterStations();
    changeWell([](well::Well &w) { w.name = "100% sicher\nzwei"; });
    doc.SetModifiedFlag(false);
    resetCounters();
    const StringList table = doc.resultsTable();
    ASSERT_EQ(table.front(), "100% sicher\nzwei");
    commands.OnErgebnisseAusgeben();
    const QByteArray written = fileBytes(dir.filePath("aus.txt"));
    EXPECT_TRUE(written.startsWith("Unbenannt\r\n100% sicher\r\nzwei\r\n    BERECHNUNG"))
        << written.left(80).toStdString();
    EXPECT_TRUE(written.endsWith(QByteArray::fromStdString(table.back()) + "\r\n"));
    // Every line ends with CR LF, the name's break included.
    EXPECT_EQ(written.count("\r\n"), static_cast<qsizetype>(table.size() + 2));
    EXPECT_EQ(written.count('\n'), written.count("\r\n"));
    EXPECT_EQ(prompter.messages(), std::vector<std::string> { kWritten });
    EXPECT_EQ(viewUpdates, 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentTest, EmptyTableWritesAnEmptyFile)
{
    ASSERT_TRUE(doc.resultsTable().empty()); // nothing computed yet
    commands.OnErgebnisseAusgeben();
    EXPECT_EQ(fileBytes(dir.filePath("aus.txt")), QByteArray(""));
    EXPECT_EQ(prompter.messages(), std::vector<std::string> { kWritten });
}

TEST_F(DocumentTest, TitleLineIsTheFileNameAfterSaving)
{
    enterStations();
    ASSERT_TRUE(commands.OnSaveDocument(dir.filePath("b1.dvn")));
    resetCounters();
    commands.OnErgebnisseAusgeben();
    const QByteArray written = fileBytes(dir.filePath("aus.txt"));
    EXPECT_TRUE(written.startsWith("b1.dvn\r\nB 1\r\n"));
    EXPECT_EQ(written.count("\r\n"), static_cast<qsizetype>(doc.resultsTable().size() + 1));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentTest, FailedWriteIsReportedNotPraised)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("aus.txt")); // a folder where the file should go
    enterStations();
    prompter.events.clear();
    commands.OnErgebnisseAusgeben();
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
    const StringList table = doc.resultsTable();
    ASSERT_GT(table.size(), 3u);
    commands.OnErgebnisseAusgeben();
    resetCounters();
    commands.OnErgebnisseEinlesen();

    StringList expected = { "Unbenannt" };
    expected.insert(expected.end(), table.begin(), table.end());
    EXPECT_EQ(doc.resultsTable(), expected);
    EXPECT_EQ(viewUpdates, 1);
    EXPECT_EQ(prompter.messages(),
        std::vector<std::string> {
            cfmt("%d Zeilen wurden eingelesen", static_cast<int>(expected.size())) });
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(modifiedSignals.empty());

    // The next computation shows its own table again.
    commands.recompute();
    EXPECT_EQ(doc.resultsTable(), table);
}

TEST_F(DocumentTest, ReadKeepsEveryLineWhole)
{
    QFile f(dir.filePath("aus.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QByteArray longLine(150, 'L');
    f.write(longLine + "\r\nx\r\n\r\nmitte\nEnde ohne Zeilenende");
    f.close();
    commands.OnErgebnisseEinlesen();
    EXPECT_EQ(doc.resultsTable(),
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
    commands.OnErgebnisseEinlesen();
    ASSERT_EQ(doc.resultsTable().size(), 3000u);
    EXPECT_EQ(doc.resultsTable().back(), "2999");
    EXPECT_EQ(prompter.messages(), std::vector<std::string> { "3000 Zeilen wurden eingelesen" });
}

TEST_F(DocumentTest, MissingFileEmptiesTheTable)
{
    enterStations();
    doc.SetModifiedFlag(false);
    resetCounters();
    ASSERT_FALSE(doc.resultsTable().empty());
    commands.OnErgebnisseEinlesen();
    EXPECT_TRUE(doc.resultsTable().empty());
    EXPECT_EQ(viewUpdates, 1);
    EXPECT_EQ(prompter.messages(), std::vector<std::string> { "0 Zeilen wurden eingelesen" });
    EXPECT_FALSE(doc.IsModified());
}
