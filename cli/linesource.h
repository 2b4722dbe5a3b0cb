// Reading the lines of an input file or of standard input for the batch tool.
#pragma once

#include <string>
#include <vector>

// Reads all bytes of `path` ("-" for standard input). False when it cannot be read.
bool readAllBytes(const std::string &path, std::string &bytes);

// Splits text into lines at LF; a CR before the LF belongs to the line end. A last line
// without LF counts; text that ends with LF has no empty line after it.
std::vector<std::string> splitLines(const std::string &bytes);
