#include "export/xlsxsheet.h"

#include "core/atomicfile.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <locale.h>

namespace surveyexport {

namespace {

    // libxlsxwriter prints numbers with the C library's printf, which follows the thread's
    // numeric locale: under a German locale the sheet would get "1,5" where the file format
    // demands "1.5". The writer runs under an explicit "C" locale object for this thread.
    class CNumericLocale
    {
    public:
        CNumericLocale()
            : m_c(newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr)))
        {
            if (m_c)
                m_old = uselocale(m_c);
        }
        ~CNumericLocale()
        {
            if (m_c) {
                uselocale(m_old);
                freelocale(m_c);
            }
        }
        CNumericLocale(const CNumericLocale &) = delete;
        CNumericLocale &operator=(const CNumericLocale &) = delete;

    private:
        locale_t m_c;
        locale_t m_old = LC_GLOBAL_LOCALE;
    };

    std::string numberFormat(int decimals)
    {
        return decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
    }

    // Characters of a UTF-8 text, for a column's width.
    std::size_t characters(const std::string &text)
    {
        return static_cast<std::size_t>(std::count_if(text.begin(), text.end(),
            [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    }

} // namespace

bool writeXlsx(const std::string &path, const ColumnTable &table, const SheetInfo &info)
{
    // The library writes the workbook under the name of a new file beside the target,
    // which replaces the target only when the library says it is complete. A folder that
    // cannot take the file is found here: the library would also say so on standard
    // error.
    atomicfile::PendingFile file(path);
    if (!file.status())
        return false;
    const CNumericLocale cLocale;
    lxw_workbook *book = workbook_new(file.temporaryPath().c_str());
    if (!book)
        return false;
    lxw_worksheet *sheet = workbook_add_worksheet(book, info.sheetName.c_str());
    if (!sheet) {
        workbook_close(book);
        return false;
    }

    std::string title = "Bohrung " + info.borehole;
    std::string comments = info.document;
    lxw_doc_properties properties {};
    properties.title = title.data();
    properties.subject = const_cast<char *>("Bahn der Bohrung (Minimum-Curvature-Verfahren)");
    properties.comments = comments.data();
    workbook_set_properties(book, &properties);

    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *titleFormat = workbook_add_format(book);
    format_set_bold(titleFormat);
    format_set_font_size(titleFormat, 13);
    lxw_format *header = workbook_add_format(book);
    format_set_bold(header);
    format_set_text_wrap(header);
    format_set_align(header, LXW_ALIGN_CENTER);
    format_set_align(header, LXW_ALIGN_VERTICAL_CENTER);
    format_set_bottom(header, LXW_BORDER_THIN);

    worksheet_write_string(sheet, 0, 0, "Bohrung", bold);
    worksheet_write_string(sheet, 0, 1, info.borehole.c_str(), titleFormat);
    if (!info.document.empty()) {
        worksheet_write_string(sheet, 1, 0, "Dokument", bold);
        worksheet_write_string(sheet, 1, 1, info.document.c_str(), nullptr);
    }

    // The error model and its inputs below the document, a free row before the headings.
    // Label and value in one cell, which runs on over the empty cells beside it.
    const std::vector<TitleRow> titles = table.titleRows();
    for (std::size_t k = 0; k < titles.size(); ++k) {
        const std::string text = titles[k].label + ": " + titles[k].value;
        worksheet_write_string(sheet, static_cast<lxw_row_t>(2 + k), 0, text.c_str(), nullptr);
    }
    const auto headerRow = static_cast<lxw_row_t>(kXlsxHeaderRow + titles.size());
    worksheet_set_row(sheet, headerRow, 31, nullptr); // room for a heading on two lines
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const Column &column = table.columns[c];
        const auto col = static_cast<lxw_col_t>(c);
        const std::string heading = column.heading();
        worksheet_write_string(sheet, headerRow, col, heading.c_str(), header);
        // Wide enough for the numbers and the heading on at most two lines.
        const double width
            = std::clamp(static_cast<double>(characters(heading)) / 1.8 + 2, 10.0, 24.0);
        lxw_format *cells = nullptr;
        if (!column.isText()) {
            cells = workbook_add_format(book);
            format_set_num_format(cells, numberFormat(column.decimals).c_str());
        }
        worksheet_set_column(sheet, col, col, column.isText() ? 20 : width, cells);
        for (std::size_t r = 0; r < table.rows(); ++r) {
            const auto row = static_cast<lxw_row_t>(headerRow + 1 + r);
            if (column.isText()) {
                worksheet_write_string(sheet, row, col, column.texts[r].c_str(), nullptr);
            } else if (const std::optional<double> v = column.numbers[r]; v && std::isfinite(*v)) {
                worksheet_write_number(sheet, row, col, *v == 0 ? 0.0 : *v, cells);
            }
        }
    }
    worksheet_freeze_panes(sheet, headerRow + 1, 0);
    // A workbook the library could not finish (a full disk) is removed with `file`.
    return workbook_close(book) == LXW_NO_ERROR && file.commit().ok();
}

} // namespace surveyexport
