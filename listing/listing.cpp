#include "listing/listing.h"

#include "core/cformat.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <cmath>

namespace {

// More rows than this from one step is a typing error, not a listing.
constexpr double kMaxStepRows = 1e6;

// The request column of the listing's file: a file format, the same in every language.
std::string label(const listing::Request &r, listing::Unit unit)
{
    const char *u = units::unitName(unit);
    switch (r.kind) {
    case listing::RequestKind::Stations:
        return "Messpunkt";
    case listing::RequestKind::AtMd:
        return cfmt("Teufe %g %s", r.value, u);
    case listing::RequestKind::AtTvd:
        return cfmt("Seigerteufe %g %s", r.value, u);
    case listing::RequestKind::EveryMd:
        return cfmt("alle %g %s", r.value, u);
    }
    return {};
}

} // namespace

namespace listing {

double verticalSection(double north, double east, double azimuth)
{
    double out = 0;
    verticalSections(&north, &east, 1, azimuth, &out);
    return out;
}

void verticalSections(
    const double *north, const double *east, std::size_t n, double azimuth, double *out)
{
    const double a = azimuth * units::kRadiansPerDegree;
    const double c = std::cos(a), s = std::sin(a);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = north[i] * c + east[i] * s;
}

double defaultSectionAzimuth(const traj::Trajectory &t)
{
    return t.empty() ? 0.0 : t.last().displacementAzimuth;
}

Listing stationListing(const traj::Trajectory &t, std::size_t first, std::size_t count, Unit unit,
    double sectionAzimuth)
{
    Listing l;
    l.unit = unit;
    l.sectionAzimuth = sectionAzimuth;
    first = std::min(first, t.stations.size());
    const std::size_t end = first + std::min(count, t.stations.size() - first);
    l.rows.reserve(end - first);
    const std::string made = label(Request {}, unit);
    for (std::size_t i = first; i < end; ++i) {
        const traj::Point p = traj::stationPoint(t, i);
        l.rows.push_back({ p, verticalSection(p.north, p.east, sectionAzimuth), made, {}, {}, {} });
    }
    return l;
}

Listing buildListing(const traj::Trajectory &t, const std::vector<Request> &requests, Unit unit,
    std::optional<double> sectionAzimuth)
{
    Listing l;
    l.unit = unit;
    l.sectionAzimuth = sectionAzimuth ? *sectionAzimuth : defaultSectionAzimuth(t);
    if (t.empty()) {
        l.faults.push_back(
            i18n::translate("Liste", "Es gibt keine berechneten Messpunkte für die Liste."));
        return l;
    }
    const auto add = [&](const traj::Point &p, const std::string &request) {
        l.rows.push_back(
            { p, verticalSection(p.north, p.east, l.sectionAzimuth), request, {}, {}, {} });
    };
    const char *u = units::unitName(unit);
    const double first = t.stations.front().md, last = t.last().md;
    const std::vector<Request> all
        = requests.empty() ? std::vector<Request> { Request {} } : requests;

    for (const Request &r : all) {
        const std::string made = label(r, unit);
        switch (r.kind) {
        case RequestKind::Stations: {
            Listing all = stationListing(t, 0, t.stations.size(), unit, l.sectionAzimuth);
            if (l.rows.empty())
                l.rows = std::move(all.rows);
            else
                l.rows.insert(l.rows.end(), std::make_move_iterator(all.rows.begin()),
                    std::make_move_iterator(all.rows.end()));
            break;
        }
        case RequestKind::AtMd: {
            traj::Point p;
            if (traj::pointAtMd(t, units::toMetres(r.value, unit), p))
                add(p, made);
            else
                l.faults.push_back(cfmt(i18n::translateFormat("Liste",
                                            "Die Teufe %g %s liegt außerhalb der "
                                            "berechneten Bohrung (%.2f bis %.2f %s).")
                                            .c_str(),
                    r.value, u, units::fromMetres(first, unit), units::fromMetres(last, unit), u));
            break;
        }
        case RequestKind::AtTvd: {
            const std::vector<traj::Point> found
                = traj::pointsAtTvd(t, units::toMetres(r.value, unit));
            for (const traj::Point &p : found)
                add(p, made);
            if (found.empty()) {
                const auto [lo, hi] = std::minmax_element(t.stations.begin(), t.stations.end(),
                    [](const traj::Station &a, const traj::Station &b) { return a.tvd < b.tvd; });
                l.faults.push_back(
                    cfmt(i18n::translateFormat("Liste",
                             "Die Seigerteufe %g %s wird von der Bohrung nicht erreicht "
                             "(Seigerteufe %.2f bis %.2f %s).")
                             .c_str(),
                        r.value, u, units::fromMetres(lo->tvd, unit),
                        units::fromMetres(hi->tvd, unit), u));
            }
            break;
        }
        case RequestKind::EveryMd: {
            const double start = units::fromMetres(first, unit),
                         end = units::fromMetres(last, unit);
            if (!(r.value > 0.0) || (end - start) / r.value > kMaxStepRows) {
                l.faults.push_back(
                    cfmt(i18n::translateFormat("Liste",
                             "Die Schrittweite %g %s ergibt keine Liste mit höchstens "
                             "einer Million Zeilen.")
                             .c_str(),
                        r.value, u));
                break;
            }
            // Multiples of the step from the first station (not a running sum), then the
            // last station itself.
            for (long k = 0;; ++k) {
                const double md = units::toMetres(start + static_cast<double>(k) * r.value, unit);
                if (md >= last || static_cast<float>(md) == static_cast<float>(last))
                    break;
                traj::Point p;
                if (traj::pointAtMd(t, md, p))
                    add(p, made);
            }
            add(traj::stationPoint(t, t.stations.size() - 1), made);
            break;
        }
        }
    }
    // Rows of one request come in depth order already; only several need merging. The
    // check first spares a million stations' rows a sorted copy.
    const auto byDepth = [](const Row &a, const Row &b) { return a.point.md < b.point.md; };
    if (!std::is_sorted(l.rows.begin(), l.rows.end(), byDepth))
        std::stable_sort(l.rows.begin(), l.rows.end(), byDepth);
    return l;
}

} // namespace listing
