// Fuzz target: a WITSML document read for one of its trajectories. The first byte chooses
// the trajectory (the first, or a number). The reader must keep its bounds, refuse with a
// message or give its three columns of finite numbers in C notation, one row a station,
// and the same table for the same choice made by number and by name.
#include "exchange/stationmapping.h"
#include "exchange/witsmlfile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace exchange;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const std::string wanted = data[0] % 4 == 0 ? std::string() : std::to_string(data[0] % 4);
    const std::string_view bytes(reinterpret_cast<const char *>(data) + 1, size - 1);
    const SurveyFileRead read = readWitsml(bytes, wanted);
    if (read.fault) {
        check(!read.fault->message.empty());
        check(read.table.rows.empty());
        return 0;
    }
    check(read.choice >= 0 && static_cast<size_t>(read.choice) < read.choices.size());
    check(read.table.rows.size() >= 2);
    check(read.table.rows.size() <= static_cast<size_t>(kMaxRows));
    for (size_t r = 1; r < read.table.rows.size(); ++r) {
        const auto &row = read.table.rows[r];
        check(row.size() == 3);
        for (const Cell &cell : row) {
            check(cell.number);
            double value = 0;
            const auto [end, error]
                = std::from_chars(cell.text.data(), cell.text.data() + cell.text.size(), value);
            check(error == std::errc() && end == cell.text.data() + cell.text.size());
            check(std::isfinite(static_cast<float>(value)));
        }
    }
    // The trajectory chosen by its name is the same one, unless an earlier one has the
    // same name (a name of digits is taken as a number first): then that one is read,
    // and it may be one the reader refuses.
    const std::string &name = read.choices[static_cast<size_t>(read.choice)];
    if (name.find_first_not_of("0123456789") != std::string::npos) {
        const auto chosen = read.choices.begin() + read.choice;
        const bool earlier = std::find(read.choices.begin(), chosen, name) != chosen;
        const SurveyFileRead byName = readWitsml(bytes, name);
        check(earlier ? (byName.fault || byName.choice < read.choice)
                      : (!byName.fault && byName.choice == read.choice));
    }

    const StationImport import = importStations(read.table, {});
    if (!import.fault)
        check(import.survey.size() == read.table.rows.size() - 1);
    return 0;
}
