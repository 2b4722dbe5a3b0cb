#include "export/exportformats.h"

#include "core/atomicfile.h"
#include "core/filename.h"
#include "core/inorder.h"
#include "export/columntable.h"
#include "export/delimitedwriter.h"
#include "export/witsmlwriter.h"
#include "export/xlsxsheet.h"
#include "i18n/i18n.h"

namespace surveyexport {

namespace {

    // The extension with its dot, as the format table lists it.
    std::string dottedExtension(const std::string &path)
    {
        const std::string extension = lowerExtension(path);
        return extension.empty() ? std::string() : "." + extension;
    }

    ExportFormatEntry entryOf(ExportFormat format)
    {
        for (const ExportFormatEntry &e : exportFormats())
            if (e.format == format)
                return e;
        return exportFormats().front();
    }

} // namespace

std::vector<ExportFormatEntry> exportFormats()
{
    return {
        { ExportFormat::Csv, "CSV (*.csv)", ".csv" },
        { ExportFormat::GermanCsv,
            i18n::translate("Export", "CSV (Semikolon, Dezimalkomma) (*.csv)"), ".csv" },
        { ExportFormat::Xlsx, i18n::translate("Export", "Excel-Arbeitsmappe (*.xlsx)"), ".xlsx" },
        { ExportFormat::Witsml, "WITSML 1.4.1.1 (*.xml)", ".xml" },
    };
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

namespace {

    constexpr std::size_t kPiece = 4096;

    // A table piece by piece into the file: a long listing is held neither as text nor as
    // a whole table. `piece(first)` gives the table of the rows from `first` on, at most
    // kPiece of them; it is called on several threads at once (see core/inorder.h), and
    // this thread writes each piece's text while the next ones are made.
    bool writeText(const std::string &path, const TextStyle &style, std::size_t rows,
        const std::function<ColumnTable(std::size_t first)> &piece)
    {
        atomicfile::PendingFile file(path);
        if (file.status()) {
            const std::size_t pieces = std::max<std::size_t>(1, (rows + kPiece - 1) / kPiece);
            // After a failed write nothing more is made; commit() reports the failure.
            inorder::makeInOrder(
                pieces,
                [&](std::size_t k, std::string &text) {
                    writeDelimited(
                        piece(k * kPiece), style,
                        [&text](std::string_view line) { text += line; }, k == 0);
                },
                [&file](const std::string &text) { return file.append(text); });
        }
        return file.commit().ok();
    }

    SheetInfo sheetInfo(const ExportInfo &info)
    {
        SheetInfo sheet;
        sheet.borehole = info.borehole;
        sheet.document = info.document;
        sheet.sheetName = info.listing ? "Liste" : "Bahn";
        return sheet;
    }

    std::optional<TextStyle> textStyle(ExportFormat format)
    {
        switch (format) {
        case ExportFormat::Csv:
            return csvStyle();
        case ExportFormat::GermanCsv:
            return germanCsvStyle();
        case ExportFormat::Xlsx:
        case ExportFormat::Witsml:
            break;
        }
        return std::nullopt;
    }

} // namespace

bool writeExport(const std::string &path, ExportFormat format, const listing::Listing &rows,
    const ExportInfo &info)
{
    ListingColumns columns(info.listing);
    columns.include(rows);
    if (const std::optional<TextStyle> style = textStyle(format)) {
        return writeText(path, *style, rows.rows.size(), [&](std::size_t first) {
            return namingNorth(columns.table(rows, first, kPiece), info.north);
        });
    }
    if (format == ExportFormat::Witsml) {
        return atomicfile::writeFileStreamed(path, [&](const atomicfile::Append &append) {
            return writeWitsmlTrajectory(rows, info, append);
        }).ok();
    }
    return writeXlsx(path, namingNorth(columns.table(rows), info.north), sheetInfo(info));
}

bool writeExport(
    const std::string &path, ExportFormat format, const RowSource &rows, const ExportInfo &info)
{
    listing::Listing piece;
    if (!textStyle(format)) {
        rows.make(0, rows.size, piece);
        return writeExport(path, format, piece, info);
    }
    // The columns are the whole listing's: every piece is looked at before the first line
    // is written, until every column a listing can have has turned up.
    ListingColumns columns(info.listing);
    for (std::size_t first = 0; first == 0 || (first < rows.size && !columns.complete());
         first += kPiece) {
        rows.make(first, kPiece, piece);
        columns.include(piece);
    }
    return writeText(path, *textStyle(format), rows.size, [&](std::size_t first) {
        listing::Listing own; // one per thread
        rows.make(first, kPiece, own);
        return namingNorth(columns.table(own), info.north);
    });
}

} // namespace surveyexport
