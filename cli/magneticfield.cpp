#include "cli/magneticfield.h"

#include "core/cformat.h"
#include "i18n/i18n.h"
#include "magnetic/field.h"

std::string magneticFieldReport(const MagneticFieldRequest &request)
{
    const magnetic::FieldResult result
        = magnetic::fieldAt(request.latitude, request.longitude, request.height, request.year);
    if (!result)
        return result.error + "\n"; // not reached: the parse refused the request
    const magnetic::Field &f = *result.field;
    // Whole lines in the catalogue, so that each language aligns its own labels.
    std::string text = i18n::arg(i18n::translate("Batch",
                                     "Erdmagnetfeld nach %1 für %2 bei Breite %3°, Länge %4°, "
                                     "Höhe %5 m über dem Ellipsoid"),
        { f.model, cfmt("%.3f", request.year), cfmt("%g", request.latitude),
            cfmt("%g", request.longitude), cfmt("%g", request.height) });
    text += '\n';
    const auto line = [&text](const char *format, const std::string &value) {
        text += i18n::arg(i18n::translate("Batch", format), { value });
        text += '\n';
    };
    line(DRV_TRANSLATE_NOOP("Batch", "Deklination:          %1° (Ost positiv)"),
        cfmt("%.2f", f.declinationDeg));
    line(DRV_TRANSLATE_NOOP("Batch", "Inklination:          %1° (abwärts positiv)"),
        cfmt("%.2f", f.inclinationDeg));
    line(DRV_TRANSLATE_NOOP("Batch", "Totalintensität:      %1 nT"), cfmt("%.1f", f.totalNt));
    line(DRV_TRANSLATE_NOOP("Batch", "Horizontalintensität: %1 nT"), cfmt("%.1f", f.horizontalNt));
    return text;
}
