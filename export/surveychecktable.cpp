#include "export/surveychecktable.h"

#include "export/clearancetable.h"
#include "i18n/i18n.h"

#include <cmath>

namespace surveyexport {

ColumnTable surveyCheckTable(const surveycheck::Result &check)
{
    const auto numbers = [](const char *name, std::string unit, int decimals) {
        Column c;
        c.name = name;
        c.unit = std::move(unit);
        c.decimals = decimals;
        return c;
    };
    ColumnTable t;
    Column flag;
    flag.name = DRV_TRANSLATE_NOOP("Export", "Außerhalb der Toleranz");
    flag.text = true;
    t.columns = { numbers(DRV_TRANSLATE_NOOP("Export", "Teufe"), "m", 2),
        numbers(DRV_TRANSLATE_NOOP("Export", "Abweichung Gesamtfeld"),
            surveycheck::unitOf(well::FieldQuantity::TotalField), 0),
        numbers(DRV_TRANSLATE_NOOP("Export", "Abweichung Inklination"),
            surveycheck::unitOf(well::FieldQuantity::Dip), 2),
        numbers(DRV_TRANSLATE_NOOP("Export", "Abweichung Schwere"),
            surveycheck::unitOf(well::FieldQuantity::Gravity), 4),
        flag };
    for (const surveycheck::StationResult &s : check.stations) {
        t.columns[0].numbers.push_back(s.md);
        for (std::size_t k = 0; k < well::kFieldQuantities; ++k) {
            // A difference of two decimal numbers carries the binary noise of both
            // ("-0.0799999999999983"); far below any tolerance, it is rounded away.
            std::optional<double> d = s.deviation[k];
            if (d)
                d = std::round(*d * 1e6) / 1e6 + 0.0;
            t.columns[1 + k].numbers.push_back(d);
        }
        // The flag is a word of the file, German in every language like the headings.
        t.columns[4].texts.push_back(s.anyOutside() ? "ja" : "nein");
    }
    return t;
}

bool writeSurveyCheck(const std::string &path, ExportFormat format,
    const surveycheck::Result &check, const ExportInfo &info)
{
    return writeTable(path, format, surveyCheckTable(check), info, "Vermessungsprüfung");
}

} // namespace surveyexport
