// What of a clearance scan deserves a message: the offset wells that come closer than a
// separation factor the caller sets, and those the scan could not rate. As data, an id
// with numbers and the offset's name; the batch tool and the desktop program make the
// text (`text` here: the German words, or their translation in the chosen language).
// No Qt.
#pragma once

#include "clearance/scan.h"

#include <string>
#include <vector>

namespace clr {

enum class Message {
    // values: the lowest factor, the reference's MD there, the offset's MD there, the
    // limit, the first and the last reference MD of a factor below the limit
    SeparationBelowLimit,
    // values: 1 where the well has an error model, else 0: the reference, the offset
    NoSeparationFactor,
    // no point of the reference to compare (the offset has no stations, or the two are
    // one hole all the way down); no values
    NothingScanned,
};

struct Finding
{
    Message id;
    std::string well; // the offset well's name as the caller gave it
    std::vector<double> values;

    bool operator==(const Finding &) const = default;
};

// Each offset whose separation factor falls below `limit`, or that has no factor or no
// row at all: in the order of the scan's offsets, except that those below the limit stand
// worst first (the lowest factor first, equal ones in the scan's order).
std::vector<Finding> findings(const Scan &scan, double limit = 1.5);

// The text of a finding in the chosen language (German unless another is installed),
// UTF-8.
std::string text(const Finding &finding);

} // namespace clr
