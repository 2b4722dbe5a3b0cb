// A table file of any kind (delimited text, .xlsx or .xls) from its bytes, with the choices
// the reader made, or straight to stations; the entry points for the dialog and the batch
// tool. Qt Core.
#pragma once

#include "exchange/delimitedtext.h"
#include "exchange/stationmapping.h"
#include "exchange/table.h"
#include "well/fieldreading.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

enum class TableFormat { Delimited, Xlsx, Xls, Las, Witsml };

// The kind a file name's extension stands for: .csv, .tsv (and .txt) are delimited text,
// .xlsx (.xlsm) and .xls workbooks, .las a LAS file, .xml and .witsml WITSML; nothing for
// any other.
std::optional<TableFormat> tableFormatForPath(const std::string &path);

// Checks a file's content against the kind its name or the user chose, before any reader
// sees it: an empty file, a file that is no workbook of that kind (a text renamed to
// .xls, a binary file named .xlsx) and a binary file taken for text are refused, naming
// what was expected and `name` (UTF-8). Between the two workbook kinds the content
// decides, as spreadsheet programs do: `format` is changed to what the bytes are.
std::optional<TableFault> checkTableContent(
    const std::string &name, std::string_view bytes, TableFormat &format);

struct TableLoad
{
    Table table;
    Delimiter delimiter = Delimiter::Automatic; // the one used for delimited text
    std::vector<std::string> sheetNames; // a workbook's sheets
    int sheetIndex = -1; // the sheet read
    // LAS, WITSML: the sheets are a WITSML file's trajectories, and the file may name
    // the well (empty when it does not).
    std::string wellName;
    std::optional<well::TieIn> tieIn; // WITSML: the tie-in point the survey begins at
    std::vector<well::FieldReading> fieldReadings; // WITSML: the stations' field readings
    std::optional<TableFault> fault; // set: no table
};

TableLoad loadTable(
    std::string_view bytes, TableFormat format, Delimiter delimiter, const std::string &sheet);

// Reads a file of at most kMaxFileBytes; `path` is UTF-8. On failure `fault` says why.
bool readTableFile(const std::string &path, std::string &bytes, TableFault &fault);

// A table file's bytes for a single import: a regular file is mapped into memory instead
// of copied (a survey of a million rows is tens of MB, and fresh memory is what its import
// costs most), anything else (standard input, a pipe) is read. For the batch tool, which
// reads the file once: another program cutting the file short meanwhile would end it.
class TableFileBytes
{
public:
    TableFileBytes() = default;
    TableFileBytes(const TableFileBytes &) = delete;
    TableFileBytes &operator=(const TableFileBytes &) = delete;
    ~TableFileBytes();

    std::string_view view() const;

private:
    friend bool readTableFile(const std::string &, TableFileBytes &, TableFault &);
    void *m_map = nullptr;
    std::size_t m_mapSize = 0;
    std::string m_read;
};

// The same bound and messages as above.
bool readTableFile(const std::string &path, TableFileBytes &bytes, TableFault &fault);

// A table file straight to stations, as loadTable and importStations give them; a fault
// of either is the result's fault. Delimited text goes through importDelimitedStations,
// so that a long survey never stands in memory as a table. `wellName`, when given, gets
// the well's name a LAS or WITSML file states, `tieIn` the tie-in point a WITSML
// trajectory begins at (none when it begins at the surface), `fieldReadings` the
// magnetic and gravity readings of a WITSML trajectory's stations.
StationImport importTableStations(std::string_view bytes, TableFormat format, Delimiter delimiter,
    const std::string &sheet, const MappingRequest &request, std::string *wellName = nullptr,
    std::optional<well::TieIn> *tieIn = nullptr,
    std::vector<well::FieldReading> *fieldReadings = nullptr);

} // namespace exchange
