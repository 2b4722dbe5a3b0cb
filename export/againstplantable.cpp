#include "export/againstplantable.h"

#include "export/clearancetable.h"
#include "i18n/i18n.h"

#include <cmath>

namespace surveyexport {

ColumnTable againstPlanTable(const plan::AgainstPlan &against)
{
    const std::string unit = "m";
    const auto metres = [&unit](const char *name, int decimals) {
        Column c;
        c.name = name;
        c.unit = unit;
        c.decimals = decimals;
        return c;
    };
    ColumnTable t;
    t.columns = { metres(DRV_TRANSLATE_NOOP("Export", "Teufe"), 2),
        metres(DRV_TRANSLATE_NOOP("Export", "Teufe der Planung"), 2),
        metres(DRV_TRANSLATE_NOOP("Export", "Hochseite"), 3),
        metres(DRV_TRANSLATE_NOOP("Export", "Rechtsseite"), 3),
        metres(DRV_TRANSLATE_NOOP("Export", "Längs"), 3),
        metres(DRV_TRANSLATE_NOOP("Export", "Abstand"), 3),
        metres(DRV_TRANSLATE_NOOP("Export", "Seigerteufe-Differenz"), 3) };
    for (const plan::StationAgainstPlan &s : against.stations) {
        const double values[] = { s.md, s.planMd, s.highSide, s.rightSide, s.alongHole,
            s.distance, s.tvdDifference };
        // A station on the plan is off it by the rounding of the two computations
        // ("-0.000"): far below anything drilled, that is rounded away.
        for (std::size_t k = 0; k < std::size(values); ++k)
            t.columns[k].numbers.push_back(std::round(values[k] * 1e6) / 1e6 + 0.0);
    }
    return t;
}

bool writeAgainstPlan(const std::string &path, ExportFormat format,
    const plan::AgainstPlan &against, const ExportInfo &info)
{
    return writeTable(path, format, againstPlanTable(against), info, "Planvergleich");
}

} // namespace surveyexport
