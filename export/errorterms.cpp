#include "export/errorterms.h"

#include "core/atomicfile.h"
#include "export/columntable.h"
#include "export/delimitedwriter.h"

namespace surveyexport {

bool writeErrorTerms(const std::string &file, const traj::Trajectory &path,
    const unc::Inputs &inputs, listing::Unit unit)
{
    const std::vector<unc::SourceCovariances> sources = unc::sourceBreakdown(path, inputs);
    // Stations a piece at a time: a long survey has dozens of rows per station.
    constexpr std::size_t kStations = 1024;
    return atomicfile::writeFileStreamed(file, [&](const atomicfile::Append &append) {
        std::size_t first = 0;
        do {
            writeDelimited(
                errorTermsTable(path, sources, unit, first, kStations), csvStyle(),
                [&](std::string_view line) { append(line); }, first == 0);
            first += kStations;
        } while (first < path.stations.size());
        return true;
    }).ok();
}

} // namespace surveyexport
