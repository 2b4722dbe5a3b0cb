// The extension of a file name, as the readers and writers choose a format by it.
#pragma once

#include <string>
#include <string_view>

// The part after the last dot of the file name (not of a folder), in lower case, without
// the dot; empty when the name has none. "Bahn.CSV" gives "csv".
std::string lowerExtension(std::string_view path);
