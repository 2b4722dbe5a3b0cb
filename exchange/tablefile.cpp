// Choosing the reader for a table file.
#include "exchange/tablefile.h"

#include "core/boundedread.h"
#include "core/cformat.h"
#include "core/filename.h"
#include "core/win1252.h"
#include "exchange/xlsxfile.h"

namespace exchange {

std::optional<TableFormat> tableFormatForPath(const std::string &path)
{
    const std::string extension = lowerExtension(path);
    if (extension == "csv" || extension == "tsv")
        return TableFormat::Delimited;
    if (extension == "xlsx" || extension == "xlsm")
        return TableFormat::Xlsx;
    return std::nullopt;
}

TableLoad loadTable(
    std::string_view bytes, TableFormat format, Delimiter delimiter, const std::string &sheet)
{
    TableLoad load;
    if (format == TableFormat::Xlsx) {
        XlsxRead read = readXlsx(bytes, sheet);
        load.table = std::move(read.table);
        load.sheetNames = std::move(read.sheetNames);
        load.sheetIndex = read.sheetIndex;
        load.fault = std::move(read.fault);
        return load;
    }
    if (bytes.size() > kMaxFileBytes) {
        TableFault fault;
        fault.message
            = win1252::fromUtf8(cfmt("Die Datei ist größer als %zu MB.", kMaxFileBytes >> 20));
        load.fault = fault;
        return load;
    }
    DelimitedRead read = readDelimited(decodeText(bytes), delimiter);
    load.table = std::move(read.table);
    load.delimiter = read.delimiter;
    load.fault = std::move(read.fault);
    return load;
}

bool readTableFile(const std::string &path, std::string &bytes, TableFault &fault)
{
    const boundedread::ReadResult read = boundedread::readFile(path, bytes, kMaxFileBytes);
    if (read.status == boundedread::ReadStatus::TooLarge) {
        fault.message
            = win1252::fromUtf8(cfmt("Die Datei %s ist größer als %zu MB und wird nicht gelesen.",
                path.c_str(), kMaxFileBytes >> 20));
        return false;
    }
    if (!read.ok()) {
        fault.message
            = win1252::fromUtf8(cfmt("Die Datei %s kann nicht gelesen werden.", path.c_str()));
        return false;
    }
    return true;
}

} // namespace exchange
