#include "export/exportformats.h"

#include "core/atomicfile.h"
#include "core/filename.h"
#include "export/columntable.h"
#include "export/delimitedwriter.h"
#include "export/witsmlwriter.h"
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
        { ExportFormat::Witsml, "WITSML 1.4.1.1 (*.xml)", ".xml" },
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

bool writeExport(const std::string &path, ExportFormat format, const listing::Listing &rows,
    const ExportInfo &info)
{
    const auto writeText = [&](const TextStyle &style) {
        // A piece of the table at a time, line by line into the file: a long listing is
        // held neither as text nor as a whole table besides its rows.
        constexpr std::size_t kPiece = 4096;
        return atomicfile::writeFileStreamed(path, [&](const atomicfile::Append &append) {
            const ListingPieces pieces(rows, info.listing);
            std::size_t first = 0;
            do {
                writeDelimited(pieces.piece(first, kPiece), style, append, first == 0);
                first += kPiece;
            } while (first < rows.rows.size());
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
        return writeXlsx(path, listingTable(rows, info.listing), sheet);
    }
    case ExportFormat::Witsml:
        return atomicfile::writeFileStreamed(path, [&](const atomicfile::Append &append) {
            return writeWitsmlTrajectory(rows, info, append);
        }).ok();
    }
    return false;
}

} // namespace surveyexport
