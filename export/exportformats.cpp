#include "export/exportformats.h"

#include "core/atomicfile.h"
#include "core/filename.h"
#include "export/columntable.h"
#include "export/delimitedwriter.h"
#include "export/xlsxsheet.h"

namespace surveyexport {

namespace {

    // The extension with its dot, as the format table lists it.
    std::string dottedExtension(const std::string &path)
    {
        const std::string extension = lowerExtension(path);
        return extension.empty() ? std::string() : "." + extension;
    }

    const ExportFormatEntry &entryOf(ExportFormat format)
    {
        for (const ExportFormatEntry &e : exportFormats())
            if (e.format == format)
                return e;
        return exportFormats().front();
    }

} // namespace

const std::vector<ExportFormatEntry> &exportFormats()
{
    static const std::vector<ExportFormatEntry> formats = {
        { ExportFormat::Csv, "CSV (*.csv)", ".csv" },
        { ExportFormat::GermanCsv, "CSV (Semikolon, Dezimalkomma) (*.csv)", ".csv" },
        { ExportFormat::Xlsx, "Excel-Arbeitsmappe (*.xlsx)", ".xlsx" },
    };
    return formats;
}

std::optional<ExportFormat> exportFormatForPath(const std::string &path, bool germanCsv)
{
    const std::string ext = dottedExtension(path);
    if (ext == ".csv")
        return germanCsv ? ExportFormat::GermanCsv : ExportFormat::Csv;
    for (const ExportFormatEntry &e : exportFormats())
        if (ext == e.extension)
            return e.format;
    return std::nullopt;
}

ExportFormat exportFormatFor(const std::string &path, ExportFormat chosen)
{
    const std::string ext = dottedExtension(path);
    if (ext == entryOf(chosen).extension)
        return chosen;
    return exportFormatForPath(path).value_or(chosen);
}

std::string withExtension(const std::string &path, ExportFormat format)
{
    return exportFormatForPath(path) ? path : path + entryOf(format).extension;
}

bool writeFileBytes(const std::string &path, const std::string &bytes)
{
    return atomicfile::writeFile(path, bytes).ok();
}

bool writeExport(const std::string &path, ExportFormat format, const listing::Listing &rows,
    const ExportInfo &info)
{
    const ColumnTable table = listingTable(rows, info.listing);
    const auto writeText = [&](const TextStyle &style) {
        // Line by line into the file: a long listing is not held as text besides its table.
        return atomicfile::writeFileStreamed(path, [&](const atomicfile::Append &append) {
            writeDelimited(table, style, append);
            return true;
        }).ok();
    };
    switch (format) {
    case ExportFormat::Csv:
        return writeText(csvStyle());
    case ExportFormat::GermanCsv:
        return writeText(germanCsvStyle());
    case ExportFormat::Xlsx: {
        SheetInfo sheet;
        sheet.borehole = info.borehole;
        sheet.document = info.document;
        sheet.sheetName = info.listing ? "Liste" : "Bahn";
        return writeXlsx(path, table, sheet);
    }
    }
    return false;
}

} // namespace surveyexport
