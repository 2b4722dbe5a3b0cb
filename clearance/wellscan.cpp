// The wells of a clearance scan from the typed well and its settings.
#include "clearance/wellscan.h"

#include "core/cformat.h"
#include "core/units.h"
#include "geo/errormodelinputs.h"
#include "geo/north.h"
#include "geo/offsetslot.h"
#include "geo/wellform.h"
#include "i18n/i18n.h"
#include "well/computation.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace clr {

namespace {

    // The path of stations as the well's own is computed: the check (a surface station
    // in front of a first station below it) and the numeric trajectory. `turn` degrees
    // are added to every azimuth first.
    traj::Trajectory computedPath(const std::vector<well::Station> &stations, double turn,
        double *lastStationMd, double *pathEndMd)
    {
        well::Well w;
        w.survey.reserve(stations.size());
        for (well::Station s : stations) {
            if (turn != 0.0) {
                s.azimuth = std::fmod(s.azimuth + turn, 360.0);
                if (s.azimuth < 0.0)
                    s.azimuth += 360.0;
            }
            w.survey.add(s);
        }
        well::Computation c;
        well::computeCourse(w, c);
        *lastStationMd = stations.empty() ? 0.0 : stations.back().md;
        *pathEndMd = c.path.empty() ? 0.0 : c.path.last().md;
        return std::move(c.path);
    }

    std::vector<Reading> readingsOf(const std::vector<well::Station> &stations, double turn)
    {
        std::vector<Reading> out;
        out.reserve(stations.size());
        for (const well::Station &s : stations) {
            double azimuth = std::fmod(s.azimuth + turn, 360.0);
            if (azimuth < 0.0)
                azimuth += 360.0;
            out.push_back({ s.md, s.inclination, azimuth });
        }
        return out;
    }

    // An offset before it is placed: its slot and depth shift, the turn of its azimuths,
    // or why it stays out.
    struct Placed
    {
        bool ok = false;
        double north = 0, east = 0, shift = 0, turn = 0;
    };

} // namespace

std::string text(const SetupFinding &f)
{
    const auto v = [&](std::size_t i) { return i < f.values.size() ? f.values[i] : 0.0; };
    const char *well = f.well.c_str();
    switch (f.id) {
    case SetupMessage::NoElevation:
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Nachbarbohrung %s: nicht verglichen, sie gibt die Höhe ihres "
                        "Teufenbezugspunkts an, die Bohrung selbst keine")
                        .c_str(),
            well);
    case SetupMessage::NoSlot:
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Nachbarbohrung %s: nicht verglichen, ihr Ansatzpunkt gibt keine "
                        "Lage: %s")
                        .c_str(),
            well, f.detail.c_str());
    case SetupMessage::NoParent:
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Nachbarbohrung %s: nicht verglichen, ihre Mutterbohrung %s ist "
                        "weder die Bohrung noch eine der Nachbarbohrungen")
                        .c_str(),
            well, f.detail.c_str());
    case SetupMessage::WellModelInputMissing:
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Das Fehlermodell der Bohrung braucht %s; ohne es nur "
                        "Abstände, kein Trennfaktor")
                        .c_str(),
            f.detail.c_str());
    case SetupMessage::OffsetModelInputMissing:
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Nachbarbohrung %s: ihr Fehlermodell braucht %s; ohne es nur "
                        "Abstände, kein Trennfaktor")
                        .c_str(),
            well, f.detail.c_str());
    case SetupMessage::WellProgramRefused:
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Das Vermessungsprogramm der Bohrung lässt sich nicht berechnen; nur "
                        "Abstände, kein Trennfaktor: %s")
                        .c_str(),
            f.detail.c_str());
    case SetupMessage::OffsetProgramRefused:
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Nachbarbohrung %s: ihr Vermessungsprogramm lässt sich nicht berechnen; "
                        "nur Abstände, kein Trennfaktor: %s")
                        .c_str(),
            well, f.detail.c_str());
    case SetupMessage::PathEndsShort:
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Nachbarbohrung %s: ihre Bahn endet bei %.2f m MD vor ihrem "
                        "letzten Messpunkt bei %.2f m MD (die Prüfung oder die Berechnung hielt "
                        "dort an)")
                        .c_str(),
            well, v(0), v(1));
    }
    return {};
}

std::optional<double> WellScan::lowestFactor() const
{
    std::optional<double> lowest;
    for (const OffsetScan &os : scan.offsets) {
        if (os.lowestSeparation && os.lowestSeparation->separationFactor
            && (!lowest || *os.lowestSeparation->separationFactor < *lowest))
            lowest = os.lowestSeparation->separationFactor;
    }
    return lowest;
}

WellScan scanWell(const well::Well &well, const traj::Trajectory &path,
    const std::vector<double> &moreMds, const ScanOptions &options)
{
    return scanWell(well, path, well.settings.offsets, moreMds, options);
}

WellScan scanWell(const well::Well &well, const traj::Trajectory &path,
    const std::vector<OffsetWell> &offsets, const std::vector<double> &moreMds,
    const ScanOptions &options)
{
    WellScan out;
    const WellSettings &settings = well.settings;
    const ClearanceSettings &c = settings.clearance;
    out.rule.surfaceMargin = c.surfaceMargin;
    out.rule.projectAhead = c.projectAhead;
    out.rule.scalingFactor = c.scalingFactor;
    out.warningFactor = c.warningFactor;

    // The error model of the well (no name), and each offset's own.
    const auto modelOf = [&](const UncertaintySettings &u, const std::string &name) {
        const bool own = name.empty();
        WellSettings s = settings;
        s.uncertainty = u;
        unc::MissingInput missing = unc::MissingInput::None;
        std::string refusal;
        std::optional<unc::Inputs> inputs = geo::errorModelInputs(s, &missing, &refusal);
        if (missing == unc::MissingInput::Program)
            out.setup.push_back({ own ? SetupMessage::WellProgramRefused
                                      : SetupMessage::OffsetProgramRefused,
                name, {}, refusal });
        else if (!inputs && missing != unc::MissingInput::None)
            out.setup.push_back({ own ? SetupMessage::WellModelInputMissing
                                      : SetupMessage::OffsetModelInputMissing,
                name, {}, geo::missingFieldName(missing) });
        return inputs;
    };
    // A survey program must hold every station of the path below the first.
    const auto covered = [&](Well &w, const std::string &name) {
        if (!w.errorModel)
            return;
        if (const auto k = unc::stationOutsideLegs(w.path, *w.errorModel)) {
            out.setup.push_back({ name.empty() ? SetupMessage::WellProgramRefused
                                               : SetupMessage::OffsetProgramRefused,
                name,
                { w.path.stations[*k].md },
                cfmt(i18n::translateFormat("Nachbarvergleich",
                         "der Messpunkt bei MD %.2f m liegt in keinem Abschnitt")
                         .c_str(),
                    w.path.stations[*k].md) });
            w.errorModel.reset();
        }
    };

    Well &reference = out.reference;
    reference.name = well.name;
    reference.path = path;
    reference.holeDiameter = c.holeDiameter;
    reference.errorModel = modelOf(settings.uncertainty, {});
    covered(reference, {});

    // Slot, depth shift and the turn of the azimuths of every offset of its own; a
    // sidetrack takes its parent's. The offsets' azimuths refer to the same kind of north
    // as the well's and take the same turn to the north of the well's course; a slot given
    // by north and east is in the north of the well's azimuths as measured and turns with
    // them.
    const double courseTurn = geo::courseNorth(settings).turn;
    std::vector<Placed> placed(offsets.size());
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        const OffsetWell &o = offsets[i];
        if (!o.parent.empty())
            continue;
        Placed &p = placed[i];
        if (o.elevation && !settings.elevation) {
            out.setup.push_back({ SetupMessage::NoElevation, o.name, {}, {} });
            continue;
        }
        p.shift = o.elevation ? *settings.elevation - *o.elevation : 0.0;
        if (o.wellhead) {
            std::string why;
            const auto slot = geo::slotFromWellhead(settings, *o.wellhead, why);
            if (!slot) {
                out.setup.push_back({ SetupMessage::NoSlot, o.name, {}, why });
                continue;
            }
            p.north = slot->north;
            p.east = slot->east;
            p.turn = slot->azimuthTurn + courseTurn;
        } else {
            // Turned clockwise, as the azimuths are.
            const double t = courseTurn * units::kRadiansPerDegree;
            p.north = o.slotNorth * std::cos(t) - o.slotEast * std::sin(t);
            p.east = o.slotNorth * std::sin(t) + o.slotEast * std::cos(t);
            p.turn = courseTurn;
        }
        p.ok = true;
    }

    // The paths: the wells of their own first, then each sidetrack once its parent's
    // path is there (parents never form a ring: offsetsValid).
    std::vector<std::optional<Well>> wells(offsets.size());
    std::map<std::string, std::size_t> byName;
    for (std::size_t i = 0; i < offsets.size(); ++i)
        byName.emplace(offsets[i].name, i);
    std::vector<bool> settled(offsets.size(), false);
    const auto settle = [&](std::size_t i) {
        const OffsetWell &o = offsets[i];
        settled[i] = true;
        Well w;
        w.name = o.name;
        w.holeDiameter = o.holeDiameter;
        w.errorModel = o.uncertainty ? modelOf(*o.uncertainty, o.name) : reference.errorModel;
        double last = 0, end = 0;
        if (o.parent.empty()) {
            if (!placed[i].ok)
                return;
            w.path = computedPath(o.stations, placed[i].turn, &last, &end);
        } else {
            const Well *parent = nullptr;
            const auto found = byName.find(o.parent);
            if (found != byName.end())
                parent = wells[found->second] ? &*wells[found->second] : nullptr;
            else if (o.parent == reference.name)
                parent = &reference;
            if (!parent) {
                // A parent that is an offset left out leaves its sidetracks out too; that
                // one was said already.
                if (found == byName.end())
                    out.setup.push_back({ SetupMessage::NoParent, o.name, {}, o.parent });
                return;
            }
            const Placed &at = found != byName.end() ? placed[found->second]
                                                     : Placed { true, 0, 0, 0, courseTurn };
            placed[i] = at;
            w.path = sidetrackPath(parent->path, o.kickOffMd, readingsOf(o.stations, at.turn));
            w.parent = o.parent;
            w.kickOffMd = o.kickOffMd;
            last = o.stations.back().md;
            end = w.path.empty() ? 0.0 : w.path.last().md;
        }
        covered(w, o.name);
        w.slotNorth = placed[i].north;
        w.slotEast = placed[i].east;
        w.depthShift = placed[i].shift;
        // Depths compared as the check compares them.
        if (static_cast<float>(end) < static_cast<float>(last))
            out.setup.push_back({ SetupMessage::PathEndsShort, o.name, { end, last }, {} });
        wells[i] = std::move(w);
    };
    for (bool progress = true; progress;) {
        progress = false;
        for (std::size_t i = 0; i < offsets.size(); ++i) {
            if (settled[i])
                continue;
            const OffsetWell &o = offsets[i];
            const auto parent = byName.find(o.parent);
            if (!o.parent.empty() && parent != byName.end() && !settled[parent->second])
                continue;
            settle(i);
            progress = true;
        }
    }
    for (std::optional<Well> &w : wells) {
        if (w)
            out.offsets.push_back(std::move(*w));
    }
    out.scan = scan(reference, out.offsets, out.rule, moreMds, options);
    out.findings = findings(out.scan, out.warningFactor);
    return out;
}

std::string warningNotice(const WellScan &scan)
{
    std::string lines;
    int count = 0;
    for (const Finding &f : scan.findings) {
        if (f.id != Message::SeparationBelowLimit)
            continue;
        // Appended piece by piece: "\n" + text trips GCC 12's -Wrestrict at -O3.
        lines += '\n';
        lines += text(f);
        ++count;
    }
    if (count == 0)
        return {};
    // Singular and plural each a whole sentence: languages inflect differently.
    std::string notice = count == 1 ? cfmt(i18n::translateFormat("Nachbarvergleich",
                                               "Trennfaktor unter %.2f bei %d Nachbarbohrung:")
                                               .c_str(),
                             scan.warningFactor, count)
                                    : cfmt(i18n::translateFormat("Nachbarvergleich",
                                               "Trennfaktor unter %.2f bei %d Nachbarbohrungen:")
                                               .c_str(),
                                        scan.warningFactor, count);
    notice += lines;
    return notice;
}

} // namespace clr
