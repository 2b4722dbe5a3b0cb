// Choosing the reader for a table file.
#include "exchange/tablefile.h"

#include "core/boundedread.h"
#include "core/cformat.h"
#include "core/filename.h"
#include "exchange/lasfile.h"
#include "exchange/witsmlfile.h"
#include "exchange/xlsfile.h"
#include "exchange/xlsxfile.h"
#include "i18n/i18n.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exchange {

std::optional<TableFormat> tableFormatForPath(const std::string &path)
{
    const std::string extension = lowerExtension(path);
    if (extension == "csv" || extension == "tsv")
        return TableFormat::Delimited;
    if (extension == "xlsx" || extension == "xlsm")
        return TableFormat::Xlsx;
    if (extension == "xls")
        return TableFormat::Xls;
    if (const auto kind = surveyFileKindForPath(path))
        return *kind == SurveyFileKind::Las ? TableFormat::Las : TableFormat::Witsml;
    return std::nullopt;
}

namespace {

    // Text has no NUL bytes, unless it is UTF-16, which begins with its byte order mark.
    bool looksLikeText(std::string_view bytes)
    {
        const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
        return utf16 || bytes.substr(0, 4096).find('\0') == std::string_view::npos;
    }

} // namespace

std::optional<TableFault> checkTableContent(
    const std::string &name, std::string_view bytes, TableFormat &format)
{
    auto refuse = [&](const std::string &utf8Format) {
        TableFault fault;
        fault.message = cfmt(utf8Format.c_str(), name.c_str());
        return fault;
    };
    if (bytes.empty())
        return refuse(i18n::translateFormat("Tabellenimport", "Die Datei %s ist leer."));
    const bool zip = bytes.starts_with(std::string_view("PK\x03\x04", 4));
    const bool compound = looksLikeCompoundFile(bytes);
    switch (format) {
    case TableFormat::Xlsx:
        if (compound)
            format = TableFormat::Xls; // an older workbook, or an encrypted one: its reader says
        else if (!zip)
            return refuse(i18n::translateFormat(
                "Tabellenimport", "Die Datei %s ist keine Excel-Arbeitsmappe (.xlsx)."));
        break;
    case TableFormat::Xls:
        if (zip)
            format = TableFormat::Xlsx;
        else if (!compound)
            return refuse(i18n::translateFormat(
                "Tabellenimport", "Die Datei %s ist keine Excel-Arbeitsmappe (.xls)."));
        break;
    case TableFormat::Delimited: {
        if (zip || compound) {
            format = zip ? TableFormat::Xlsx : TableFormat::Xls;
            break;
        }
        if (!looksLikeText(bytes))
            return refuse(i18n::translateFormat(
                "Tabellenimport", "Die Datei %s ist keine Textdatei mit einer Tabelle (.csv)."));
        break;
    }
    case TableFormat::Las:
        if (zip || compound || !looksLikeText(bytes))
            return refuse(i18n::translateFormat(
                "Tabellenimport", "Die Datei %s ist keine LAS-Datei (.las)."));
        break;
    case TableFormat::Witsml:
        if (zip || compound || !looksLikeText(bytes))
            return refuse(i18n::translateFormat(
                "Tabellenimport", "Die Datei %s ist keine WITSML-Datei (.xml)."));
        break;
    }
    return std::nullopt;
}

namespace {

    TableFault fileTooLarge(const std::string &path)
    {
        TableFault fault;
        fault.message = cfmt(i18n::translateFormat("Tabellenimport",
                                 "Die Datei %s ist größer als %zu MB und wird nicht gelesen.")
                                 .c_str(),
            path.c_str(), kMaxFileBytes >> 20);
        return fault;
    }

    TableFault unreadable(const std::string &path)
    {
        TableFault fault;
        fault.message = cfmt(
            i18n::translateFormat("Tabellenimport", "Die Datei %s kann nicht gelesen werden.")
                .c_str(),
            path.c_str());
        return fault;
    }

    std::optional<TableFault> textTooLarge(std::string_view bytes)
    {
        if (bytes.size() <= kMaxFileBytes)
            return std::nullopt;
        TableFault fault;
        fault.message = cfmt(
            i18n::translateFormat("Tabellenimport", "Die Datei ist größer als %zu MB.").c_str(),
            kMaxFileBytes >> 20);
        return fault;
    }

} // namespace

TableLoad loadTable(
    std::string_view bytes, TableFormat format, Delimiter delimiter, const std::string &sheet)
{
    TableLoad load;
    if (format == TableFormat::Xls) {
        XlsRead read = readXls(bytes, sheet);
        load.table = std::move(read.table);
        load.sheetNames = std::move(read.sheetNames);
        load.sheetIndex = read.sheetIndex;
        load.fault = std::move(read.fault);
        return load;
    }
    if (format == TableFormat::Las || format == TableFormat::Witsml) {
        SurveyFileRead read
            = format == TableFormat::Las ? readLas(bytes) : readWitsml(bytes, sheet);
        load.table = std::move(read.table);
        load.sheetNames = std::move(read.choices);
        load.sheetIndex = read.choice;
        load.wellName = std::move(read.wellName);
        load.tieIn = read.tieIn;
        load.fieldReadings = std::move(read.fieldReadings);
        load.fault = std::move(read.fault);
        return load;
    }
    if (format == TableFormat::Xlsx) {
        XlsxRead read = readXlsx(bytes, sheet);
        load.table = std::move(read.table);
        load.sheetNames = std::move(read.sheetNames);
        load.sheetIndex = read.sheetIndex;
        load.fault = std::move(read.fault);
        return load;
    }
    if ((load.fault = textTooLarge(bytes)))
        return load;
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
        fault = fileTooLarge(path);
        return false;
    }
    if (!read.ok()) {
        fault = unreadable(path);
        return false;
    }
    return true;
}

TableFileBytes::~TableFileBytes()
{
    if (m_map)
        munmap(m_map, m_mapSize);
}

std::string_view TableFileBytes::view() const
{
    if (m_map)
        return { static_cast<const char *>(m_map), m_mapSize };
    return m_read;
}

bool readTableFile(const std::string &path, TableFileBytes &bytes, TableFault &fault)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status;
    if (fd < 0 || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size == 0) {
        if (fd >= 0)
            close(fd);
        return readTableFile(path, bytes.m_read, fault);
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    if (size > kMaxFileBytes) {
        close(fd);
        fault = fileTooLarge(path);
        return false;
    }
    void *map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    if (map == MAP_FAILED)
        return readTableFile(path, bytes.m_read, fault);
    bytes.m_map = map;
    bytes.m_mapSize = size;
    return true;
}

StationImport importTableStations(std::string_view bytes, TableFormat format, Delimiter delimiter,
    const std::string &sheet, const MappingRequest &request, std::string *wellName,
    std::optional<well::TieIn> *tieIn, std::vector<well::FieldReading> *fieldReadings)
{
    StationImport import;
    if (format == TableFormat::Delimited) {
        if ((import.fault = textTooLarge(bytes)))
            return import;
        std::string decoded;
        return importDelimitedStations(decodedText(bytes, decoded), delimiter, request);
    }
    const TableLoad load = loadTable(bytes, format, delimiter, sheet);
    if (load.fault) {
        import.fault = load.fault;
        return import;
    }
    if (wellName)
        *wellName = load.wellName;
    if (tieIn)
        *tieIn = load.tieIn;
    if (fieldReadings)
        *fieldReadings = load.fieldReadings;
    return importStations(load.table, request);
}

} // namespace exchange
