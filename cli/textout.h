// What the batch tool writes: the program's texts, one line each.
#pragma once

#include <cstdio>
#include <string>

// Writes `text` and a line feed.
void writeLine(FILE *stream, const std::string &text);
// Appends `text` and a line feed to `out`.
void appendLine(std::string &out, const std::string &text);
