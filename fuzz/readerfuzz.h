// The checks every measurement-reader fuzz target makes: a file's bytes are split into
// lines and read in one format; whatever comes out must hang together.
#pragma once

#include "core/cscan.h"
#include "core/utf8.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

inline void fuzzCheck(bool ok)
{
    if (!ok)
        std::abort();
}

inline int fuzzReader(int format, const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const StringList lines = splitLines(bytes);
    const StringList previousInfo { "vorher 1", "vorher 2" };
    const MeasurementRead all = readMeasurement(lines, format, 1, "vorher", previousInfo);

    fuzzCheck(all.aborted == !all.faults.empty());
    fuzzCheck(all.faults.size() <= 1);
    fuzzCheck(all.linesRead >= 0 && static_cast<size_t>(all.linesRead) <= lines.size());
    fuzzCheck(all.stations.size() <= lines.size());
    if (all.aborted) {
        const ReadFault &fault = all.faults.front();
        fuzzCheck(all.name == "vorher");
        fuzzCheck(fault.lineNumber >= 1 && static_cast<size_t>(fault.lineNumber) <= lines.size());
        fuzzCheck(!fault.message.empty());
    } else {
        fuzzCheck(static_cast<size_t>(all.linesRead) == lines.size());
    }
    // Every station line reads back as three finite numbers with two decimals.
    for (const std::string &station : all.stations) {
        float depth = 0, inclination = 0, azimuth = 0;
        fuzzCheck(cscan::readStation(station, depth, inclination, azimuth));
        fuzzCheck(station.find('.') != std::string::npos);
    }
    // This run's descriptive lines end the descriptive text; only WEG files have any.
    fuzzCheck(all.listedInfo.size() <= all.info.size());
    fuzzCheck(std::equal(all.listedInfo.begin(), all.listedInfo.end(),
        all.info.end() - static_cast<long>(all.listedInfo.size())));
    if (format != WegFormat)
        fuzzCheck(all.info.empty());
    // The file's bytes are Windows-1252; what the reader hands on is the program's UTF-8.
    fuzzCheck(utf8::isValid(all.name));
    for (const std::string &line : all.info)
        fuzzCheck(utf8::isValid(line));
    for (const ReadFault &fault : all.faults)
        fuzzCheck(utf8::isValid(fault.message) && utf8::isValid(fault.line));

    // Thinning takes record 1 and every multiple of the step, nothing else.
    static const int steps[] = { 2, 5, 10 };
    const int step = steps[size % 3];
    const MeasurementRead thinned = readMeasurement(lines, format, step, "vorher", previousInfo);
    StringList expected;
    for (size_t k = 1; k <= all.stations.size(); ++k) {
        if (k == 1 || k % static_cast<size_t>(step) == 0)
            expected.push_back(all.stations[k - 1]);
    }
    fuzzCheck(thinned.stations == expected);
    fuzzCheck(thinned.name == all.name && thinned.info == all.info);
    return 0;
}
