// The section azimuth and the length unit that the views, listings and dialogs use. The
// program remembers the user's choice; a document that sets its own values wins. Besides,
// the outer ring of the travelling cylinder, which belongs to the user alone: no document
// stores it.
#pragma once

#include "core/units.h"
#include "well/settings.h"

#include <optional>

struct ViewPreferences
{
    // Degrees from north; unset: the direction of the final displacement.
    std::optional<double> sectionAzimuth;
    LengthUnit unit = LengthUnit::Metre;
    // The travelling cylinder's outer ring (metres); unset: chosen from the neighbours.
    std::optional<double> cylinderRadius = std::nullopt;

    bool operator==(const ViewPreferences &) const = default;
};

// The document's section azimuth when it has one, else the remembered one; the
// document's unit when it asks for feet, else the remembered unit (metres are the
// document's default and do not override the user's choice).
ViewPreferences effectivePreferences(
    const WellSettings &document, const ViewPreferences &remembered);

// True when the document sets either value itself.
bool documentSetsPreferences(const WellSettings &document);

// `document` with the two values of `chosen` as its own (an automatic azimuth and metres
// are stored as unset).
WellSettings withPreferences(WellSettings document, const ViewPreferences &chosen);

// `document` without values of its own for the two.
WellSettings withoutPreferences(WellSettings document);
