// The OLE2 container of an .xls file: libgsf finds the workbook stream (its sectors
// chained through the allocation tables), which is copied out whole within the file's
// bound and handed to the BIFF8 reader.
#include "exchange/xlsfile.h"

#include "core/cformat.h"
#include "exchange/biffbook.h"
#include "i18n/i18n.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-utils.h>

#include <memory>
#include <mutex>

namespace exchange {

namespace {

    TableFault message(const std::string &text)
    {
        TableFault fault;
        fault.message = text;
        return fault;
    }

    struct Unref
    {
        void operator()(void *object) const { g_object_unref(object); }
    };
    using InputPtr = std::unique_ptr<GsfInput, Unref>;
    using InfilePtr = std::unique_ptr<GsfInfile, Unref>;

    std::string lower(std::string text)
    {
        for (char &c : text)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c + 32);
        return text;
    }

    // The index of the container's child stream named `name`, ignoring case (writers
    // differ in how they spell it); -1 when there is none.
    int childNamed(GsfInfile *infile, const char *name)
    {
        const int count = gsf_infile_num_children(infile);
        for (int i = 0; i < count; ++i) {
            const char *child = gsf_infile_name_by_index(infile, i);
            if (child && lower(child) == name)
                return i;
        }
        return -1;
    }

} // namespace

bool looksLikeCompoundFile(std::string_view bytes)
{
    return bytes.starts_with(std::string_view("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
}

std::optional<TableFault> readWorkbookStream(std::string_view bytes, std::string &data)
{
    if (!looksLikeCompoundFile(bytes))
        return message(
            i18n::translate("Tabellenimport", "Die Datei ist keine Excel-Arbeitsmappe (.xls)."));
    if (bytes.size() > kMaxFileBytes)
        return message(cfmt(
            i18n::translateFormat("Tabellenimport", "Die Datei ist größer als %zu MB.").c_str(),
            kMaxFileBytes >> 20));
    static std::once_flag initialised;
    std::call_once(initialised, [] {
        gsf_init();
        // libgsf tells of a damaged container on standard error as well as in its result;
        // the user gets our message instead.
        for (const char *domain : { "libgsf", "libgsf:msole", "libgsf:utils" })
            g_log_set_handler(
                domain, static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL),
                [](const gchar *, GLogLevelFlags, const gchar *, gpointer) {}, nullptr);
    });

    const TableFault damaged = message(i18n::translate(
        "Tabellenimport", "Die Excel-Datei (.xls) ist beschädigt oder unvollständig."));
    InputPtr input(gsf_input_memory_new(reinterpret_cast<const guint8 *>(bytes.data()),
        static_cast<gsf_off_t>(bytes.size()), FALSE));
    if (!input)
        return damaged;
    GError *error = nullptr;
    InfilePtr container(gsf_infile_msole_new(input.get(), &error));
    if (error)
        g_error_free(error);
    if (!container)
        return damaged;
    const int workbook = childNamed(container.get(), "workbook");
    if (workbook < 0) {
        const bool older = childNamed(container.get(), "book") >= 0;
        const bool encrypted = childNamed(container.get(), "encryptedpackage") >= 0;
        return message(older
                ? i18n::translate("Tabellenimport",
                    "Die Excel-Datei ist in einem Format vor Excel 97 gespeichert. Bitte als "
                    "Excel 97–2003 (.xls) oder als .xlsx speichern.")
                : encrypted
                ? i18n::translate("Tabellenimport",
                    "Die Excel-Arbeitsmappe ist mit einem Kennwort geschützt. Bitte ohne Kennwort "
                    "speichern.")
                : i18n::translate("Tabellenimport",
                    "Die Datei ist keine Excel-Arbeitsmappe (.xls): sie enthält keine Tabellen."));
    }
    InputPtr stream(gsf_infile_child_by_index(container.get(), workbook));
    if (!stream)
        return damaged;
    const gsf_off_t size = gsf_input_size(stream.get());
    if (size < 0 || static_cast<std::uint64_t>(size) > kMaxBiffStreamBytes)
        return damaged;
    data.assign(static_cast<std::size_t>(size), '\0');
    if (size > 0
        && !gsf_input_read(
            stream.get(), static_cast<size_t>(size), reinterpret_cast<guint8 *>(data.data())))
        return damaged;
    return std::nullopt;
}

XlsRead readXls(std::string_view bytes, const std::string &sheet)
{
    XlsRead result;
    std::string data;
    if ((result.fault = readWorkbookStream(bytes, data)))
        return result;
    const BiffWorkbook book = readBiffGlobals(data);
    if (book.fault) {
        result.fault = book.fault;
        return result;
    }
    for (const BiffSheet &entry : book.sheets)
        result.sheetNames.push_back(entry.name);
    TableFault choiceFault;
    const std::optional<int> chosen = chooseSheet(result.sheetNames, sheet, choiceFault);
    if (!chosen) {
        result.fault = choiceFault;
        return result;
    }
    result.sheetIndex = *chosen;
    BiffSheetRead read
        = readBiffSheet(data, book, book.sheets[static_cast<std::size_t>(*chosen)].offset);
    if (read.fault) {
        result.fault = read.fault;
        return result;
    }
    result.table = std::move(read.table);
    return result;
}

} // namespace exchange
