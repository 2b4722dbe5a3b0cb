// printf-style formatting that never depends on the process locale: the decimal
// separator is always a point, also when the program runs under a German locale.
// Supports the conversions the program uses: d i u x X c s f F e E g G % with the
// flags - + blank 0, width and precision (numbers or *), and the length modifiers
// h l ll z (ignored for floating point). The output is what the C library's printf
// writes in the "C" locale.
#pragma once

#include <cstdarg>
#include <string>

std::string cfmt(const char *format, ...) __attribute__((format(printf, 1, 2)));
std::string vcfmt(const char *format, va_list args);

// Appends to `out` instead of returning a new string (reuses its capacity).
void cfmtAppend(std::string &out, const char *format, ...) __attribute__((format(printf, 2, 3)));
void vcfmtAppend(std::string &out, const char *format, va_list args);

// One "%W.Pf" or "%W.Pg" conversion appended to `out`, as cfmtAppend writes it, without
// reading a format: for tables of a million lines.
void appendFixed(std::string &out, double value, int width, int precision);
void appendGeneral(std::string &out, double value, int width, int precision);
