#include "document/viewpreferences.h"

#include <utility>

ViewPreferences effectivePreferences(
    const WellSettings &document, const ViewPreferences &remembered)
{
    ViewPreferences p = remembered;
    if (document.sectionAzimuth)
        p.sectionAzimuth = document.sectionAzimuth;
    if (document.unit == LengthUnit::Foot)
        p.unit = LengthUnit::Foot;
    return p;
}

bool documentSetsPreferences(const WellSettings &document)
{
    return document.sectionAzimuth.has_value() || document.unit != LengthUnit::Metre;
}

WellSettings withPreferences(WellSettings document, const ViewPreferences &chosen)
{
    document.sectionAzimuth = chosen.sectionAzimuth;
    document.unit = chosen.unit;
    return document;
}

WellSettings withoutPreferences(WellSettings document)
{
    return withPreferences(std::move(document), ViewPreferences {});
}
