// The ISCWSA clearance scenarios of tests/data/clearance: the wells as the scan takes
// them and the expected rows, read with std::from_chars (the tests run under a German
// locale, where the C library would read "0.5" as 0).
#pragma once

#include "clearance/scan.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace clrtest {

// The numeric rows of a CSV file after its heading.
inline std::vector<std::vector<double>> readTable(const std::string &name)
{
    const char *dir = std::getenv("DRAVON_TEST_DATA");
    const std::string path = std::string(dir ? dir : ".") + "/clearance/" + name;
    std::ifstream in(path);
    std::vector<std::vector<double>> rows;
    if (!in) {
        ADD_FAILURE() << "cannot read " << path;
        return rows;
    }
    std::string line;
    std::getline(in, line); // the heading
    for (int lineNo = 2; std::getline(in, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::vector<double> row;
        const char *p = line.data(), *end = line.data() + line.size();
        while (p <= end) {
            const char *comma = std::find(p, end, ',');
            double v = 0;
            const auto [stop, ec] = std::from_chars(p, comma, v);
            if (ec != std::errc() || stop != comma) {
                ADD_FAILURE() << name << " line " << lineNo
                              << ": not a number: " << std::string(p, comma);
                return {};
            }
            row.push_back(v);
            p = comma + 1;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

// Columns of the well files and of the clearance files.
enum WellColumn { Md, Inc, Azi, Tvd, North, East, SigmaH, SigmaL, SigmaA };
enum ClearanceColumn {
    RefMd,
    RefTvd,
    RefN,
    RefE,
    OffMd,
    OffTvd,
    OffN,
    OffE,
    Bearing,
    Distance,
    RefPcr,
    OffPcr,
    HoleTerm,
    Sf
};

// The set's inputs of ISCWSA MWD Rev 4.
inline unc::Inputs setInputs()
{
    unc::Inputs in;
    in.model = ErrorModel::IscwsaMwdRev4;
    in.gravity = 9.80665;
    in.totalField = 50000;
    in.dip = 70;
    in.declination = 0;
    in.convergence = 0;
    in.north = NorthReference::Grid;
    in.latitude = 60;
    return in;
}

// A well of the set from its file: the path from its readings, the slot where its
// first station lies (the files give positions from the reference slot).
inline clr::Well wellOf(const std::string &name, const std::vector<std::vector<double>> &table)
{
    clr::Well w;
    w.name = name;
    std::vector<clr::Reading> readings;
    for (const auto &row : table)
        readings.push_back({ row[Md], row[Inc], row[Azi] });
    w.path = clr::pathOf(readings);
    if (!table.empty()) {
        w.slotNorth = table.front()[North];
        w.slotEast = table.front()[East];
    }
    w.errorModel = setInputs();
    return w;
}

} // namespace clrtest
