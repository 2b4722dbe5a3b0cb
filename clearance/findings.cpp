// The findings of a scan and their words in the chosen language.
#include "clearance/findings.h"

#include "core/cformat.h"
#include "i18n/i18n.h"

#include <algorithm>

namespace clr {

std::vector<Finding> findings(const Scan &scan, double limit)
{
    std::vector<Finding> out;
    for (const OffsetScan &os : scan.offsets) {
        // Beyond the scan's radius: nothing to say of it.
        if (os.outOfReach)
            continue;
        if (os.rows.empty()) {
            out.push_back({ Message::NothingScanned, os.name, {} });
            continue;
        }
        const Row &first = os.rows.front();
        if (!first.separationFactor) {
            out.push_back({ Message::NoSeparationFactor, os.name,
                { first.referencePcr ? 1.0 : 0.0, first.offsetPcr ? 1.0 : 0.0 } });
            continue;
        }
        const Row &lowest = *os.lowestSeparation;
        if (!(*lowest.separationFactor < limit))
            continue;
        double from = lowest.referenceMd, to = lowest.referenceMd;
        for (const Row &row : os.rows) {
            if (*row.separationFactor < limit) {
                from = std::min(from, row.referenceMd);
                to = std::max(to, row.referenceMd);
            }
        }
        out.push_back({ Message::SeparationBelowLimit, os.name,
            { *lowest.separationFactor, lowest.referenceMd, lowest.offsetMd, limit, from, to } });
    }
    // The wells below the limit worst first, in the places the list gives them: a scan
    // against a whole field names its closest calls at the top.
    std::vector<std::size_t> below;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i].id == Message::SeparationBelowLimit)
            below.push_back(i);
    }
    std::vector<Finding> ranked;
    ranked.reserve(below.size());
    for (std::size_t i : below)
        ranked.push_back(std::move(out[i]));
    std::stable_sort(ranked.begin(), ranked.end(),
        [](const Finding &a, const Finding &b) { return a.values[0] < b.values[0]; });
    for (std::size_t k = 0; k < below.size(); ++k)
        out[below[k]] = std::move(ranked[k]);
    return out;
}

std::string text(const Finding &f)
{
    const auto v = [&](std::size_t i) { return i < f.values.size() ? f.values[i] : 0.0; };
    const char *well = f.well.c_str();
    switch (f.id) {
    case Message::SeparationBelowLimit:
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Nachbarbohrung %s: Trennfaktor %.2f unter %.2f bei %.2f m MD "
                        "(Nachbarbohrung bei %.2f m MD); unter %.2f von %.2f m bis %.2f m MD")
                        .c_str(),
            well, v(0), v(3), v(1), v(2), v(3), v(4), v(5));
    case Message::NoSeparationFactor:
        if (v(0) == 0.0 && v(1) == 0.0)
            return cfmt(i18n::translateFormat("Nachbarvergleich",
                            "Nachbarbohrung %s: kein Trennfaktor, beide Bohrungen haben "
                            "kein Fehlermodell (nur Abstände)")
                            .c_str(),
                well);
        return cfmt(v(0) == 0.0 ? i18n::translateFormat("Nachbarvergleich",
                        "Nachbarbohrung %s: kein Trennfaktor, die Bezugsbohrung hat "
                        "kein Fehlermodell (nur Abstände)")
                                      .c_str()
                                : i18n::translateFormat("Nachbarvergleich",
                                    "Nachbarbohrung %s: kein Trennfaktor, die Nachbarbohrung hat "
                                    "kein Fehlermodell (nur Abstände)")
                                      .c_str(),
            well);
    case Message::NothingScanned:
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Nachbarbohrung %s: nichts zu vergleichen (keine Stationen "
                        "unterhalb des gemeinsamen Bohrlochs)")
                        .c_str(),
            well);
    }
    return {};
}

} // namespace clr
