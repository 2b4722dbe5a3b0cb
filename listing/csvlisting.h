// A listing as CSV: UTF-8, comma separated, CRLF line ends, fields quoted where RFC 4180
// asks for it, a header line naming each column and its unit. Numbers are written with
// a decimal point whatever the locale.
#pragma once

#include "listing/listing.h"

#include <string>

namespace listing {

std::string csvText(const Listing &listing);

// One field, quoted when it holds a comma, a quote or a line break.
std::string csvField(const std::string &text);

} // namespace listing
