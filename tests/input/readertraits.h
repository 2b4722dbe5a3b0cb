// Test files in each measurement format, built by hand so that the expected station
// lines do not come from the code under test. Values are kept in hundredths so the
// expected text follows from integer arithmetic.
#pragma once

#include "input/measurementreader.h"

#include <string>

namespace readertest {

// "1234.5" style text of a value given in hundredths, right-aligned in `width` places.
inline std::string fixed2(long hundredths, size_t width = 0)
{
    const bool negative = hundredths < 0;
    const long a = negative ? -hundredths : hundredths;
    std::string cents = std::to_string(a % 100);
    if (cents.size() < 2)
        cents.insert(cents.begin(), '0');
    std::string text = negative ? std::string(1, '-') : std::string();
    text.append(std::to_string(a / 100)).append(1, '.').append(cents);
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

inline std::string padded(std::string line, size_t length, char fill = ' ')
{
    line.resize(length, fill);
    return line;
}

// Record k of a test survey, in hundredths: depth 10k + 0.25 m, inclination 0.5k degrees,
// azimuth 2k + 0.75 degrees.
inline long depthOf(int k)
{
    return 1000L * k + 25;
}
inline long inclinationOf(int k)
{
    return 50L * k;
}
inline long azimuthOf(int k)
{
    return 200L * k + 75;
}

struct Weg
{
    static constexpr int format = WegFormat;
    static StringList head(const std::string &name)
    {
        return { "WEG-DATEI     " + name, "A1  KOPF      Richtungsmessung" };
    }
    static std::string record(int k)
    {
        std::string number = std::to_string(k);
        number.insert(0, 4 - number.size(), '0');
        return "A3  " + number + "      " + fixed2(depthOf(k), 8) + fixed2(inclinationOf(k), 7)
            + fixed2(azimuthOf(k), 7);
    }
    // One blank between the fields.
    static std::string station(int k)
    {
        return fixed2(depthOf(k), 8) + " " + fixed2(inclinationOf(k), 7) + " "
            + fixed2(azimuthOf(k), 7);
    }
    static std::string recordOfLength(int k, size_t length) { return padded(record(k), length); }
    static std::string badLine() { return "B3  0001      12.00 1.00 2.00"; }
    static std::string badMessage(int, const std::string &) { return "Kein WEG-Format"; }
};

struct Free
{
    static constexpr int format = FreiesFormat;
    static StringList head(const std::string &name) { return { name }; }
    static std::string record(int k)
    {
        return fixed2(depthOf(k)) + "\t" + fixed2(inclinationOf(k)) + "  " + fixed2(azimuthOf(k));
    }
    // Two blanks between the fields.
    static std::string station(int k)
    {
        return fixed2(depthOf(k), 8) + "  " + fixed2(inclinationOf(k), 7) + "  "
            + fixed2(azimuthOf(k), 7);
    }
    static std::string recordOfLength(int k, size_t length) { return padded(record(k), length); }
    static std::string badLine() { return "12.5 3.0"; }
    static std::string badMessage(int number, const std::string &line)
    {
        return "ABBRUCH!!\nDie " + std::to_string(number) + ".Zeile enhält keine 3 Werte\n " + line
            + "\nKeine Freies Format";
    }
};

struct Atk
{
    static constexpr int format = AtkFormat;
    static StringList head(const std::string &name)
    {
        return { name, "ATK Export 01.02.2024", "Teufe Neigung Azimut" };
    }
    static std::string record(int k)
    {
        auto digits = [](long v, size_t n) {
            std::string s = std::to_string(v);
            return std::string(n - s.size(), '0') + s;
        };
        return digits(depthOf(k), 7) + digits(inclinationOf(k), 5) + digits(azimuthOf(k), 5);
    }
    static std::string station(int k) { return Free::station(k); }
    // What follows column 17 is no part of the record.
    static std::string recordOfLength(int k, size_t length)
    {
        return padded(record(k), length, '#');
    }
    static std::string badLine() { return "0001000x000000100"; }
    static std::string badMessage(int number, const std::string &line)
    {
        return "ABBRUCH! Kein ATK-Format\n\t8.Zeichen in der " + std::to_string(number)
            + ".Zeile:x\n\t" + line;
    }
};

} // namespace readertest
