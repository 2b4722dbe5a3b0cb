// Number scanning with the conventions of scanf's "%f" and "%d", independent of the
// process locale (the decimal separator is always a point).
#pragma once

#include <string>
#include <string_view>

namespace cscan {

// Skips white space, then reads the longest prefix that forms a floating-point number
// (optional sign, digits, optional point and fraction, optional exponent; also the
// hexadecimal, "inf" and "nan" forms that "%f" accepts). With width >= 0 at most that
// many characters after the white space are considered ("%7f"). On success advances p
// past the number and returns true; on failure p is left after the white space.
bool readFloat(const char *&p, float &value, int width = -1);

// The same numbers in double precision (no width limit): where readFloat takes a plain
// decimal, the value read here rounds to the same float.
bool readDouble(const char *&p, double &value);

// Like "%d" (with an optional maximum width, "%4d"): white space, optional sign, digits.
bool readInt(const char *&p, int &value, int width = -1);

// Like "%s": white space, then a run of non-white-space characters.
bool readWord(const char *&p, std::string &word);

// Like sscanf(line, "%f %f %f", ...): the number of values read (0 to 3); reading stops
// at the first that cannot be read. What follows the third number is ignored.
int readFloats(const std::string &line, float out[3]);

// True when the line holds three numbers that are all finite: the test every station
// line must pass (a "nan" or an overflowing value is not a station).
bool readStation(const std::string &line, float &depth, float &inclination, float &azimuth);

// The same test in double precision: three numbers, each finite also when rounded to
// single precision (the results table's precision), so that a line is a station for
// every computation or for none.
bool readStation(const std::string &line, double &depth, double &inclination, double &azimuth);

// White space as the C locale defines it: blank, \t, \n, \v, \f, \r.
inline bool isSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace cscan
