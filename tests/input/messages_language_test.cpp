// The readers' and the line editor's texts in another language, with the file's
// Windows-1252 bytes quoted in them as the characters they stand for. A translation whose
// printf conversions differ from the German ones is not used.
#include "input/lineeditor.h"
#include "input/measurementreader.h"
#include "tests/support/catalogue_stub.h"

#include <gtest/gtest.h>

namespace {

const std::string kFreeFault
    = "ABBRUCH!!\nDie %d.Zeile enhält keine 3 Werte\n %s\nKeine Freies Format";

TEST(MessagesInLanguage, AReaderFaultIsTranslatedBeforeTheFileBytesGoIn)
{
    // The translation's "é" stays; the file's byte 0xE4 is quoted as "ä".
    const CatalogueStub english(
        { { { "Messdatei", kFreeFault }, "Line %d holds no 3 values (caf\u00e9):\n%s" } });
    const MeasurementRead read = readMeasurement({ "Bohrung", "10 1 2",
                                                     "Sch\xE4"
                                                     "fer" },
        FreiesFormat, 1, "", {});
    ASSERT_EQ(read.faults.size(), 1u);
    EXPECT_EQ(read.faults[0].message, "Line 3 holds no 3 values (café):\nSchäfer");
    EXPECT_EQ(read.faults[0].line, "Schäfer");
}

TEST(MessagesInLanguage, AFormatWithOtherConversionsKeepsTheGermanText)
{
    // The line number and the line swapped: printf would read an int as a string.
    const CatalogueStub faulty({ { { "Messdatei", kFreeFault }, "%s in line %d" } });
    const MeasurementRead read = readMeasurement({ "Bohrung", "Ende" }, FreiesFormat, 1, "", {});
    ASSERT_EQ(read.faults.size(), 1u);
    EXPECT_EQ(read.faults[0].message,
        "ABBRUCH!!\nDie 2.Zeile enhält keine 3 Werte\n Ende\nKeine Freies Format");
}

TEST(MessagesInLanguage, TheLineEditorNamesTheUnreadableFileInItsSentence)
{
    const CatalogueStub english({ { { "LineEditor", "%1 wird geöffnet" }, "Opening %1" },
        { { "LineEditor", "Die Datei kann nicht gelesen werden:\n%1" },
            "The file cannot be read:\n%1" },
        { { "LineEditor", "Keine Zeilen eingelesen" }, "No lines read" } });
    LineEditor editor;
    editor.m_Format = FreiesFormat;
    // The messages show the path as it is, "%1" in it left alone.
    const StringList messages = editor.fileRead("/nicht/da/M\u00fcller %1.txt");
    EXPECT_EQ(messages,
        (StringList { "Opening /nicht/da/Müller %1.txt",
            "The file cannot be read:\n/nicht/da/Müller %1.txt" }));
    EXPECT_EQ(editor.m_Status, "No lines read");
}

} // namespace
