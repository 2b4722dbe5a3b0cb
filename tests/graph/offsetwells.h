// Neighbouring wells for the graph tests: wells of a few readings built by hand, and the
// ISCWSA clearance set's reference well with its offsets (tests/data/clearance), scanned
// without an error model unless asked to.
#pragma once

#include "clearance/scan.h"
#include "graph/offsetpicture.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace graphtest {

// A well of (md, inclination, azimuth) readings at a slot.
inline clr::Well wellOf(const std::string &name, const std::vector<clr::Reading> &readings,
    double slotNorth = 0, double slotEast = 0, double depthShift = 0)
{
    clr::Well w;
    w.name = name;
    w.path = clr::pathOf(readings);
    w.slotNorth = slotNorth;
    w.slotEast = slotEast;
    w.depthShift = depthShift;
    return w;
}

// Straight down to `depth` with a reading every `step` metres.
inline clr::Well verticalWell(const std::string &name, double slotNorth, double slotEast,
    double depth = 600, double step = 50)
{
    std::vector<clr::Reading> r;
    for (double md = 0; md <= depth + 1e-9; md += step)
        r.push_back({ md, 0, 0 });
    return wellOf(name, r, slotNorth, slotEast);
}

// Error model inputs of the clearance set: ISCWSA MWD Rev. 4, dip 70°, grid azimuths.
inline unc::Inputs setModel()
{
    unc::Inputs in;
    in.model = ErrorModel::IscwsaMwdRev4;
    in.dip = 70;
    in.north = NorthReference::Grid;
    in.latitude = 60;
    return in;
}

// A well file of the clearance set: its readings, its slot from its first row.
inline clr::Well setWell(const std::string &file, const std::string &name)
{
    const char *dir = std::getenv("DRAVON_TEST_DATA");
    std::ifstream in(std::string(dir ? dir : ".") + "/clearance/" + file);
    EXPECT_TRUE(in) << file;
    std::string line;
    std::getline(in, line);
    std::vector<clr::Reading> readings;
    double north = 0, east = 0;
    while (std::getline(in, line)) {
        std::vector<double> row;
        for (const char *p = line.data(), *end = p + line.size(); p < end;) {
            double v = 0;
            const auto [stop, ec] = std::from_chars(p, end, v);
            if (ec != std::errc())
                break;
            row.push_back(v);
            p = stop + 1;
        }
        if (row.size() < 6)
            continue;
        if (readings.empty()) {
            north = row[4];
            east = row[5];
        }
        readings.push_back({ row[0], row[1], row[2] });
    }
    return wellOf(name, readings, north, east);
}

struct SetScene
{
    clr::Well reference;
    std::vector<clr::Well> offsets;
    clr::Scan scan;
    OffsetPicture picture;
};

// The set's reference well and offsets 01 to 05, scanned; with `model` every well has
// the set's error model and the scan its separation factors.
inline SetScene setScene(bool model = false)
{
    SetScene s;
    s.reference = setWell("reference-well.csv", "Referenz");
    s.reference.holeDiameter = 36.0 / 12 / 3.281;
    for (int i = 1; i <= 5; ++i) {
        clr::Well w
            = setWell("offset-0" + std::to_string(i) + ".csv", "Offset 0" + std::to_string(i));
        w.holeDiameter = 24.0 / 12 / 3.281;
        s.offsets.push_back(w);
    }
    if (model) {
        s.reference.errorModel = setModel();
        for (clr::Well &w : s.offsets)
            w.errorModel = setModel();
    }
    s.scan = clr::scan(s.reference, s.offsets);
    s.picture = offsetPictureOf(s.offsets, s.scan, model);
    return s;
}

} // namespace graphtest
