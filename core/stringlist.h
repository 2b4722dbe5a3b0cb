// A list of lines, each a string of Windows-1252 bytes: station lines, descriptive lines,
// the lines of the results table.
#pragma once

#include <string>
#include <vector>

using StringList = std::vector<std::string>;
