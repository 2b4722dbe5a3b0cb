// Fuzz target: a plan file read and, where it reads, computed. A file is read whole or
// refused with faults that name their rows; a plan is computed or refused, and what it
// computes is finite, in depth order and never turns 90 degrees between two stations.
#include "plan/compute.h"
#include "plan/planfile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const plan::PlanFileRead read = plan::readPlanFile(bytes);
    check(read.plan.has_value() == read.faults.empty());
    for (const plan::FileFault &f : read.faults)
        check(f.row >= 0 && f.column >= 0 && !f.message.empty());
    if (!read.plan)
        return 0;
    // A long step keeps a plan of a thousand kilometres small.
    const plan::PlanResult r = plan::compute(*read.plan, 1000.0);
    check(r.ok() != r.refusal.has_value());
    if (!r.ok()) {
        check(!plan::text(*r.refusal).empty());
        return 0;
    }
    const auto &st = r.plan->stations;
    for (std::size_t i = 0; i < st.size(); ++i) {
        const auto &s = st[i];
        check(std::isfinite(s.md) && std::isfinite(s.tvd) && std::isfinite(s.north)
            && std::isfinite(s.east) && s.inclination >= 0.0 && s.inclination <= 180.0
            && s.azimuth >= 0.0 && s.azimuth < 360.0);
        if (i > 0) {
            check(s.md > st[i - 1].md);
            check(s.doglegPer30 <= plan::kMaxDoglegPer30 + 1e-9);
        }
    }
    for (const plan::TargetResult &t : r.plan->targets)
        check(std::isfinite(t.distance) && t.miss >= 0.0);
    return 0;
}
