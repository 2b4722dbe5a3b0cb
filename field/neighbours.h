// A field's wellbores as the neighbours of one well: each wellbore's definitive survey as
// the field holds it at this moment, placed and turned as an offset well of that well and
// named by its place in the field, and the field's rules for the scan. Nothing is copied
// into the well: the caller scans them beside its own offsets and reads them again when
// the field changes. No widgets.
#pragma once

#include "clearance/rules.h"
#include "clearance/settings.h"
#include "well/settings.h"
#include "well/well.h"

#include <optional>
#include <string>
#include <vector>

namespace field {

struct Neighbours
{
    std::vector<OffsetWell> offsets; // in the field's order
    std::optional<clr::RuleSet> rules; // the field's, when it has any
    // What kept a wellbore out (it is named), or why the field's rules cannot be read:
    // texts in the chosen language, one each.
    std::vector<std::string> notes;
};

// `wells` (each named by its place in the field) as offset wells of a well with the
// settings `own`, in their order; each that cannot be placed is left out and named in
// `notes` with the reason.
std::vector<OffsetWell> offsetsOf(const std::vector<well::Well> &wells, const WellSettings &own,
    std::vector<std::string> &notes);

// The neighbours that `link` names for a well with the settings `own`: every wellbore of
// the field at link.location but the one at link.wellbore. A location that is a file
// name relative to a folder is taken in `documentFolder` (empty: the working folder).
// None with `fault` said when the field cannot be opened or read.
std::optional<Neighbours> neighboursOf(const FieldLink &link, const WellSettings &own,
    const std::string &documentFolder, std::string &fault);

// `where` (a field file or a server's address) as a link keeps it: a file by its whole
// path, an address without its password.
std::string linkedLocation(const std::string &where);

// The location of `link` as it is opened from `documentFolder`.
std::string resolvedLocation(const std::string &location, const std::string &documentFolder);

} // namespace field
