// The XML parts of a spreadsheet file (.xlsx) read with Qt's XML stream reader: the
// sheet's cells (numbers, shared and inline strings, cached results of formulas), the
// shared strings, the workbook's list of sheets and the relationships between parts.
// The sheet and the shared strings are read piece by piece as they come out of the
// archive, so only the table's own bounds limit what is kept. Qt Core.
#pragma once

#include "exchange/table.h"

#include <QXmlStreamReader>

#include <optional>
#include <string>
#include <vector>

namespace exchange {

// At most this many shared strings are kept (each at most kMaxCellBytes).
inline constexpr std::size_t kMaxSharedStrings = 1000000;

// Reads a sheet part (xl/worksheets/sheetN.xml) given in pieces.
class SheetXmlReader
{
public:
    explicit SheetXmlReader(const std::vector<std::string> &sharedStrings);

    // Parses what it can of the next piece; returns false once a fault is set.
    bool addData(const char *data, std::size_t size);
    // The part has ended; returns false when it is incomplete or faulty.
    bool finish();

    Table &table() { return m_table; }
    const std::optional<TableFault> &fault() const { return m_fault; }

private:
    void parse();
    void startElement();
    void endElement();
    void storeCell();
    void setFault(TableFault fault);

    const std::vector<std::string> &m_shared;
    QXmlStreamReader m_xml;
    Table m_table;
    std::optional<TableFault> m_fault;

    int m_row = -1; // current row from 0
    int m_nextRow = 0; // a row without a number follows the one before
    int m_column = -1; // current cell's column from 0
    int m_nextColumn = 0;
    QString m_type; // the cell's t attribute
    QString m_text; // its value or inline text
    bool m_inCell = false;
    bool m_inValue = false; // <v>
    bool m_inInline = false; // <is>
    bool m_inInlineText = false; // <t> inside <is>
    int m_phonetic = 0; // inside <rPh>: reading aids, not the cell's text
};

// Reads the shared strings part (xl/sharedStrings.xml) given in pieces.
class SharedStringsReader
{
public:
    SharedStringsReader();

    bool addData(const char *data, std::size_t size);
    bool finish();

    std::vector<std::string> &strings() { return m_strings; }
    const std::optional<TableFault> &fault() const { return m_fault; }

private:
    void parse();

    QXmlStreamReader m_xml;
    std::vector<std::string> m_strings;
    std::optional<TableFault> m_fault;
    QString m_text;
    bool m_inItem = false;
    bool m_inText = false;
    int m_phonetic = 0;
};

struct SheetEntry
{
    std::string name;
    std::string relationId;
};

// The sheets of a workbook part (xl/workbook.xml), in the order the program shows them.
std::optional<std::vector<SheetEntry>> readWorkbookXml(const QByteArray &xml);

struct Relationship
{
    std::string id;
    std::string type; // the URI's last word: "worksheet", "sharedStrings", "officeDocument"
    std::string target;
};

std::optional<std::vector<Relationship>> readRelationshipsXml(const QByteArray &xml);

// The column of a cell reference such as "AB12" (from 0), or -1.
int referenceColumn(QStringView reference);
// The row of a cell reference (from 0), or -1.
int referenceRow(QStringView reference);

} // namespace exchange
