// A list of lines (UTF-8, as all text inside the program): station lines, descriptive
// lines, the lines of the results table.
#pragma once

#include <string>
#include <vector>

using StringList = std::vector<std::string>;
