// The workbook's archive: which parts hold the sheets and their strings, and unpacking
// them within bounds.
#include "exchange/xlsxfile.h"

#include "core/cformat.h"
#include "exchange/sheetxml.h"
#include "i18n/i18n.h"

#include <QByteArray>

#include <zip.h>

#include <array>
#include <functional>
#include <memory>

namespace exchange {

namespace {

    TableFault message(const std::string &text)
    {
        TableFault fault;
        fault.message = text;
        return fault;
    }

    TableFault damaged()
    {
        return message(i18n::translate(
            "Tabellenimport", "Die Excel-Arbeitsmappe ist beschädigt oder unvollständig."));
    }

    struct ZipCloser
    {
        void operator()(zip_t *archive) const { zip_discard(archive); }
    };
    using Archive = std::unique_ptr<zip_t, ZipCloser>;

    // Unpacks `part` piece by piece into `sink`; stops with a fault when it is missing,
    // larger than `limit` or damaged. `missing` tells whether a missing part is a fault.
    std::optional<TableFault> unpack(zip_t *archive, const std::string &part, std::size_t limit,
        const std::function<bool(const char *, std::size_t)> &sink, bool *missing = nullptr)
    {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat(archive, part.c_str(), 0, &stat) != 0) {
            if (missing) {
                *missing = true;
                return std::nullopt;
            }
            return message(cfmt(i18n::translateFormat("Tabellenimport",
                                    "Der Teil %s fehlt in der Excel-Arbeitsmappe.")
                                    .c_str(),
                part.c_str()));
        }
        const std::string tooLarge
            = cfmt(i18n::translateFormat("Tabellenimport",
                       "Der Teil %s der Excel-Arbeitsmappe ist entpackt größer "
                       "als %zu MB und wird nicht gelesen.")
                       .c_str(),
                part.c_str(), limit >> 20 ? limit >> 20 : 1);
        if ((stat.valid & ZIP_STAT_SIZE) && stat.size > limit)
            return message(tooLarge);
        zip_file_t *file = zip_fopen(archive, part.c_str(), 0);
        if (!file)
            return damaged();
        std::array<char, 65536> buffer;
        std::size_t total = 0;
        std::optional<TableFault> fault;
        for (;;) {
            const zip_int64_t n = zip_fread(file, buffer.data(), buffer.size());
            if (n < 0) {
                fault = damaged(); // also a checksum that does not match
                break;
            }
            if (n == 0)
                break;
            total += static_cast<std::size_t>(n);
            // The stated size may lie: what comes out counts.
            if (total > limit || ((stat.valid & ZIP_STAT_SIZE) && total > stat.size)) {
                fault = total > limit ? message(tooLarge) : damaged();
                break;
            }
            if (!sink(buffer.data(), static_cast<std::size_t>(n)))
                break; // the reader has its fault
        }
        zip_fclose(file);
        return fault;
    }

    std::optional<TableFault> unpackWhole(
        zip_t *archive, const std::string &part, QByteArray &out, bool *missing = nullptr)
    {
        return unpack(
            archive, part, kMaxSmallPartBytes,
            [&](const char *data, std::size_t size) {
                out.append(data, static_cast<qsizetype>(size));
                return true;
            },
            missing);
    }

    // A relationship's target relative to the folder of the part that names it.
    std::string resolveTarget(const std::string &folder, const std::string &target)
    {
        std::string path = target.starts_with('/') ? target.substr(1) : folder + target;
        // Fold "dir/../" away.
        std::vector<std::string> parts;
        std::size_t start = 0;
        while (start <= path.size()) {
            const std::size_t slash = path.find('/', start);
            const std::string piece = path.substr(
                start, slash == std::string::npos ? std::string::npos : slash - start);
            if (piece == "..") {
                if (!parts.empty())
                    parts.pop_back();
            } else if (!piece.empty() && piece != ".") {
                parts.push_back(piece);
            }
            if (slash == std::string::npos)
                break;
            start = slash + 1;
        }
        std::string joined;
        for (const std::string &p : parts)
            joined += (joined.empty() ? "" : "/") + p;
        return joined;
    }

    std::string folderOf(const std::string &part)
    {
        const std::size_t slash = part.find_last_of('/');
        return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
    }

    std::string relationshipsOf(const std::string &part)
    {
        return folderOf(part) + "_rels/" + part.substr(folderOf(part).size()) + ".rels";
    }

} // namespace

XlsxRead readXlsx(std::string_view bytes, const std::string &sheet)
{
    XlsxRead result;
    if (bytes.starts_with("\xD0\xCF\x11\xE0")) {
        // The older binary format, which is also how an encrypted workbook is stored.
        result.fault = message(i18n::translate("Tabellenimport",
            "Die Datei ist eine ältere (.xls) oder eine mit Kennwort geschützte "
            "Excel-Datei. Bitte ohne Kennwort als .xlsx speichern."));
        return result;
    }
    if (bytes.size() > kMaxFileBytes) {
        result.fault = message(cfmt(
            i18n::translateFormat("Tabellenimport", "Die Datei ist größer als %zu MB.").c_str(),
            kMaxFileBytes >> 20));
        return result;
    }

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        result.fault = damaged();
        return result;
    }
    Archive archive(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!archive) {
        zip_source_free(source);
        const int code = zip_error_code_zip(&error);
        zip_error_fini(&error);
        // An archive that begins like one but lacks its directory was cut off.
        const bool zipStart = bytes.starts_with(std::string_view("PK\x03\x04", 4));
        result.fault = code == ZIP_ER_NOZIP && !zipStart ? message(i18n::translate(
                           "Tabellenimport", "Die Datei ist keine Excel-Arbeitsmappe (.xlsx)."))
                                                         : damaged();
        return result;
    }
    zip_error_fini(&error);

    // The package's relationships name the workbook part; xl/workbook.xml is usual.
    std::string workbookPart = "xl/workbook.xml";
    {
        QByteArray xml;
        bool missing = false;
        if (auto fault = unpackWhole(archive.get(), "_rels/.rels", xml, &missing)) {
            result.fault = fault;
            return result;
        }
        if (!missing) {
            if (const auto relations = readRelationshipsXml(xml))
                for (const Relationship &r : *relations)
                    if (r.type == "officeDocument")
                        workbookPart = resolveTarget({}, r.target);
        }
    }
    QByteArray workbookXml;
    bool noWorkbook = false;
    if (auto fault = unpackWhole(archive.get(), workbookPart, workbookXml, &noWorkbook)) {
        result.fault = fault;
        return result;
    }
    if (noWorkbook) {
        result.fault = message(i18n::translate(
            "Tabellenimport", "Die Datei ist ein ZIP-Archiv, aber keine Excel-Arbeitsmappe."));
        return result;
    }
    const auto sheets = readWorkbookXml(workbookXml);
    if (!sheets) {
        result.fault = damaged();
        return result;
    }
    for (const SheetEntry &entry : *sheets)
        result.sheetNames.push_back(entry.name);
    TableFault choiceFault;
    const std::optional<int> chosen = chooseSheet(result.sheetNames, sheet, choiceFault);
    if (!chosen) {
        result.fault = choiceFault;
        return result;
    }
    result.sheetIndex = *chosen;

    // The workbook's relationships lead to the sheet's part and the shared strings.
    const std::string folder = folderOf(workbookPart);
    std::string sheetPart = cfmt("%sworksheets/sheet%d.xml", folder.c_str(), *chosen + 1);
    std::string sharedPart = folder + "sharedStrings.xml";
    {
        QByteArray xml;
        bool missing = false;
        if (auto fault = unpackWhole(archive.get(), relationshipsOf(workbookPart), xml, &missing)) {
            result.fault = fault;
            return result;
        }
        if (!missing) {
            if (const auto relations = readRelationshipsXml(xml)) {
                for (const Relationship &r : *relations) {
                    if (r.id == (*sheets)[static_cast<std::size_t>(*chosen)].relationId)
                        sheetPart = resolveTarget(folder, r.target);
                    else if (r.type == "sharedStrings")
                        sharedPart = resolveTarget(folder, r.target);
                }
            }
        }
    }

    SharedStringsReader shared;
    bool noShared = false;
    std::optional<TableFault> fault = unpack(
        archive.get(), sharedPart, kMaxSharedStringsBytes,
        [&](const char *data, std::size_t size) { return shared.addData(data, size); }, &noShared);
    if (!fault && !noShared && !shared.finish())
        fault = shared.fault();
    if (fault) {
        result.fault = fault;
        return result;
    }

    SheetXmlReader reader(shared.strings());
    fault = unpack(archive.get(), sheetPart, kMaxSheetXmlBytes,
        [&](const char *data, std::size_t size) { return reader.addData(data, size); });
    if (!fault && !reader.finish())
        fault = reader.fault();
    if (!fault && reader.fault())
        fault = reader.fault();
    if (fault) {
        result.fault = fault;
        return result;
    }
    result.table = std::move(reader.table());
    return result;
}

} // namespace exchange
