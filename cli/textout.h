// What the batch tool writes: the program's Windows-1252 texts as UTF-8 lines.
#pragma once

#include <cstdio>
#include <string>

// Writes Windows-1252 text as one UTF-8 line.
void writeUtf8Line(FILE *stream, const std::string &text);
// Appends Windows-1252 text as one UTF-8 line to `out`.
void appendUtf8Line(std::string &out, const std::string &text);
