// Reading an input file or standard input for the batch tool.
#pragma once

#include <string>

// Reads all bytes of `path` ("-" for standard input). False when it cannot be read.
bool readAllBytes(const std::string &path, std::string &bytes);
