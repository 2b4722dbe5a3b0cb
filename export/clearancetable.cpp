#include "export/clearancetable.h"

#include "core/atomicfile.h"
#include "export/delimitedwriter.h"
#include "export/xlsxsheet.h"
#include "i18n/i18n.h"

#include <algorithm>

namespace surveyexport {

namespace {

    Column numbers(const char *name, const char *unit, int decimals)
    {
        Column c;
        c.name = name;
        c.unit = unit;
        c.decimals = decimals;
        return c;
    }

} // namespace

ColumnTable clearanceTable(const clr::Scan &scan)
{
    // Every row by the well's depth; at one depth the offsets keep their order.
    struct At
    {
        double md;
        const clr::OffsetScan *offset;
        const clr::Row *row;
    };
    std::vector<At> order;
    for (const clr::OffsetScan &os : scan.offsets) {
        for (const clr::Row &row : os.rows)
            order.push_back({ row.referenceMd, &os, &row });
    }
    std::stable_sort(
        order.begin(), order.end(), [](const At &a, const At &b) { return a.md < b.md; });

    ColumnTable t;
    Column name;
    name.name = DRV_TRANSLATE_NOOP("Export", "Nachbarbohrung");
    name.text = true;
    t.columns = { numbers(DRV_TRANSLATE_NOOP("Export", "Teufe"), "m", 2), name,
        numbers(DRV_TRANSLATE_NOOP("Export", "Nachbar-Teufe"), "m", 2),
        numbers(DRV_TRANSLATE_NOOP("Export", "Nachbar-Seigerteufe"), "m", 2),
        numbers(DRV_TRANSLATE_NOOP("Export", "Nachbar-Nord"), "m", 2),
        numbers(DRV_TRANSLATE_NOOP("Export", "Nachbar-Ost"), "m", 2),
        numbers(DRV_TRANSLATE_NOOP("Export", "Richtung"), "°", 2),
        numbers(DRV_TRANSLATE_NOOP("Export", "Abstand"), "m", 2),
        numbers(DRV_TRANSLATE_NOOP("Export", "PCR Bezug"), "m", 3),
        numbers(DRV_TRANSLATE_NOOP("Export", "PCR Nachbar"), "m", 3),
        numbers(DRV_TRANSLATE_NOOP("Export", "Trennfaktor"), "", 2) };
    for (Column &c : t.columns) {
        if (c.isText())
            c.texts.reserve(order.size());
        else
            c.numbers.reserve(order.size());
    }
    for (const At &at : order) {
        const clr::Row &r = *at.row;
        t.columns[0].numbers.push_back(r.referenceMd);
        t.columns[1].texts.push_back(at.offset->name);
        t.columns[2].numbers.push_back(r.offsetMd);
        t.columns[3].numbers.push_back(r.offsetTvd);
        t.columns[4].numbers.push_back(r.offsetNorth);
        t.columns[5].numbers.push_back(r.offsetEast);
        t.columns[6].numbers.push_back(r.bearing);
        t.columns[7].numbers.push_back(r.distance);
        t.columns[8].numbers.push_back(r.referencePcr);
        t.columns[9].numbers.push_back(r.offsetPcr);
        t.columns[10].numbers.push_back(r.separationFactor);
    }
    return t;
}

bool writeTable(const std::string &path, ExportFormat format, const ColumnTable &table,
    const ExportInfo &info, const std::string &sheetName)
{
    if (format == ExportFormat::Xlsx) {
        SheetInfo sheet;
        sheet.borehole = info.borehole;
        sheet.document = info.document;
        sheet.sheetName = sheetName;
        return writeXlsx(path, table, sheet);
    }
    if (format == ExportFormat::Witsml)
        return false;
    const TextStyle style = format == ExportFormat::GermanCsv ? germanCsvStyle() : csvStyle();
    return atomicfile::writeFile(path, delimitedText(table, style)).ok();
}

bool writeClearance(
    const std::string &path, ExportFormat format, const clr::Scan &scan, const ExportInfo &info)
{
    // The neighbours' points and the bearings to them are in the north of the well's course.
    return writeTable(path, format, namingNorth(clearanceTable(scan), info.north), info,
        "Nachbarbohrungen");
}

} // namespace surveyexport
