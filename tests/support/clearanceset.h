// The ISCWSA clearance set's files in the tests' data (clearance/*.csv): one row of
// numbers per line after the heading, rows of fewer than six numbers left out.
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace clearanceset {

inline std::vector<std::vector<double>> rows(const std::string &name)
{
    const char *dir = std::getenv("DRAVON_TEST_DATA");
    std::ifstream in(std::string(dir ? dir : ".") + "/clearance/" + name);
    EXPECT_TRUE(in) << name;
    std::vector<std::vector<double>> out;
    std::string line;
    std::getline(in, line); // the heading
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
        if (row.size() >= 6)
            out.push_back(std::move(row));
    }
    return out;
}

} // namespace clearanceset
