#include "clearance/rules.h"

#include "core/cformat.h"
#include "i18n/i18n.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace clr {

namespace {

    using Json = nlohmann::json;

    const char *const kActions[] = { "stop", "caution", "inform" };

    std::string refusal(const std::string &where, const char *why)
    {
        return i18n::arg(i18n::translate("Nachbarvergleich", "Die Regeln sind fehlerhaft: %1 %2"),
            { where, i18n::translate("Nachbarvergleich", why) });
    }

    bool number(const Json &j, const char *member, double low, double high, double &out,
        const std::string &where, std::string &fault, bool required = true)
    {
        const auto it = j.find(member);
        if (it == j.end()) {
            if (required)
                fault = refusal(where + member, DRV_TRANSLATE_NOOP("Nachbarvergleich", "fehlt."));
            return !required;
        }
        if (!it->is_number() || !std::isfinite(it->get<double>()) || it->get<double>() < low
            || it->get<double>() > high) {
            fault = refusal(where + member,
                DRV_TRANSLATE_NOOP("Nachbarvergleich", "ist keine Zahl im erlaubten Bereich."));
            return false;
        }
        out = it->get<double>();
        return true;
    }

    bool textMember(const Json &j, const char *member, std::string &out, const std::string &where,
        std::string &fault)
    {
        const auto it = j.find(member);
        if (it == j.end())
            return true;
        if (!it->is_string()) {
            fault = refusal(where + member, DRV_TRANSLATE_NOOP("Nachbarvergleich", "ist kein Text."));
            return false;
        }
        out = it->get<std::string>();
        return true;
    }

    using P = std::pair<double, double>;

    bool inside(const std::vector<P> &poly, const P &p)
    {
        bool in = false;
        for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
            const auto [xi, yi] = poly[i];
            const auto [xj, yj] = poly[j];
            if ((yi > p.second) != (yj > p.second)
                && p.first < (xj - xi) * (p.second - yi) / (yj - yi) + xi)
                in = !in;
        }
        return in;
    }

    double distanceToSegment(const P &a, const P &b, const P &p)
    {
        const double dx = b.first - a.first, dy = b.second - a.second;
        const double len2 = dx * dx + dy * dy;
        double u = len2 > 0 ? ((p.first - a.first) * dx + (p.second - a.second) * dy) / len2 : 0;
        u = std::clamp(u, 0.0, 1.0);
        return std::hypot(p.first - (a.first + u * dx), p.second - (a.second + u * dy));
    }

    double distanceToLine(const std::vector<P> &poly, const P &p)
    {
        double best = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++)
            best = std::min(best, distanceToSegment(poly[j], poly[i], p));
        return best;
    }

    // Where on the segment p → q (0 to 1) it first meets the polygon's line.
    double firstMeeting(const std::vector<P> &poly, const P &p, const P &q)
    {
        double first = 1.0;
        const double rx = q.first - p.first, ry = q.second - p.second;
        for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
            const double sx = poly[i].first - poly[j].first, sy = poly[i].second - poly[j].second;
            const double den = rx * sy - ry * sx;
            if (den == 0)
                continue;
            const double ax = poly[j].first - p.first, ay = poly[j].second - p.second;
            const double u = (ax * sy - ay * sx) / den, v = (ax * ry - ay * rx) / den;
            if (u >= 0 && u <= 1 && v >= 0 && v <= 1)
                first = std::min(first, u);
        }
        return first;
    }

} // namespace

bool readRuleSet(std::string_view json, RuleSet &out, std::string &fault)
{
    Json j = Json::parse(json, nullptr, false);
    if (j.is_discarded() || !j.is_object()) {
        fault = i18n::translate("Nachbarvergleich", "Die Regeln sind kein JSON-Objekt.");
        return false;
    }
    RuleSet r;
    if (!textMember(j, "name", r.name, "", fault))
        return false;
    if (const auto it = j.find("levels"); it != j.end()) {
        if (!it->is_array()) {
            fault = refusal("levels", DRV_TRANSLATE_NOOP("Nachbarvergleich", "ist keine Liste."));
            return false;
        }
        for (std::size_t i = 0; i < it->size(); ++i) {
            const Json &l = (*it)[i];
            const std::string where = "levels[" + std::to_string(i) + "].";
            if (!l.is_object()) {
                fault = refusal(where, DRV_TRANSLATE_NOOP("Nachbarvergleich", "ist kein Objekt."));
                return false;
            }
            Level level;
            std::string action = "inform";
            if (!textMember(l, "name", level.name, where, fault)
                || !number(l, "below", 0, 1e6, level.below, where, fault)
                || !textMember(l, "colour", level.colour, where, fault)
                || !textMember(l, "action", action, where, fault))
                return false;
            const auto a = std::find(std::begin(kActions), std::end(kActions), action);
            if (a == std::end(kActions)) {
                fault = refusal(where + "action",
                    DRV_TRANSLATE_NOOP("Nachbarvergleich", "ist nicht stop, caution oder inform."));
                return false;
            }
            level.action = static_cast<LevelAction>(a - std::begin(kActions));
            r.levels.push_back(std::move(level));
        }
    }
    if (const auto it = j.find("shallow"); it != j.end()) {
        ShallowRule s;
        if (!it->is_object() || !number(*it, "toTvd", 0, 1e5, s.toTvd, "shallow.", fault)
            || !number(*it, "minDistance", 0, 1e4, s.minDistance, "shallow.", fault)) {
            if (fault.empty())
                fault = refusal("shallow", DRV_TRANSLATE_NOOP("Nachbarvergleich", "ist kein Objekt."));
            return false;
        }
        r.shallow = s;
    }
    if (const auto it = j.find("leases"); it != j.end()) {
        if (!it->is_array()) {
            fault = refusal("leases", DRV_TRANSLATE_NOOP("Nachbarvergleich", "ist keine Liste."));
            return false;
        }
        for (std::size_t i = 0; i < it->size(); ++i) {
            const Json &l = (*it)[i];
            const std::string where = "leases[" + std::to_string(i) + "].";
            Lease lease;
            if (!l.is_object() || !textMember(l, "name", lease.name, where, fault)
                || !number(l, "minDistance", 0, 1e5, lease.minDistance, where, fault, false)) {
                if (fault.empty())
                    fault = refusal(where, DRV_TRANSLATE_NOOP("Nachbarvergleich", "ist kein Objekt."));
                return false;
            }
            const auto poly = l.find("polygon");
            bool ok = poly != l.end() && poly->is_array() && poly->size() >= 3;
            for (std::size_t k = 0; ok && k < poly->size(); ++k) {
                const Json &p = (*poly)[k];
                ok = p.is_array() && p.size() == 2 && p[0].is_number() && p[1].is_number()
                    && std::isfinite(p[0].get<double>()) && std::isfinite(p[1].get<double>());
                if (ok)
                    lease.polygon.emplace_back(p[0].get<double>(), p[1].get<double>());
            }
            if (!ok) {
                fault = refusal(where + "polygon",
                    DRV_TRANSLATE_NOOP("Nachbarvergleich",
                        "ist keine Liste von mindestens drei Punkten [Rechtswert, Hochwert]."));
                return false;
            }
            r.leases.push_back(std::move(lease));
        }
    }
    out = std::move(r);
    return true;
}

std::vector<RuleFinding> checkRules(const RuleSet &rules, const traj::Trajectory &path,
    const Scan &scan, const geo::Placement &placed)
{
    std::vector<RuleFinding> out;
    for (const OffsetScan &os : scan.offsets) {
        if (os.outOfReach || os.rows.empty())
            continue;
        if (os.lowestSeparation && os.lowestSeparation->separationFactor) {
            const double factor = *os.lowestSeparation->separationFactor;
            const Level *strictest = nullptr;
            for (const Level &l : rules.levels) {
                if (factor < l.below && (!strictest || l.below < strictest->below))
                    strictest = &l;
            }
            if (strictest)
                out.push_back({ RuleBreach::Level, strictest->name, os.name, strictest->action,
                    { factor, os.lowestSeparation->referenceMd, strictest->below } });
        }
        if (rules.shallow) {
            const Row *nearest = nullptr;
            for (const Row &row : os.rows) {
                if (row.referenceTvd <= rules.shallow->toTvd
                    && row.distance < rules.shallow->minDistance
                    && (!nearest || row.distance < nearest->distance))
                    nearest = &row;
            }
            if (nearest)
                out.push_back({ RuleBreach::Shallow, rules.name, os.name, LevelAction::Stop,
                    { nearest->distance, nearest->referenceMd, rules.shallow->minDistance,
                        rules.shallow->toTvd } });
        }
    }
    if (rules.leases.empty() || path.empty())
        return out;
    std::vector<P> points;
    points.reserve(path.stations.size());
    for (const traj::Station &s : path.stations) {
        const std::optional<geo::GridPosition> at = placed.grid(s.north, s.east);
        if (!at) {
            out.push_back({ RuleBreach::LeaseUnplaced, rules.name, {}, LevelAction::Stop, {} });
            return out;
        }
        points.emplace_back(at->easting, at->northing);
    }
    for (const Lease &lease : rules.leases) {
        // Where the hole first leaves the area; the nearest it comes to the line inside.
        std::optional<double> crossed;
        if (!inside(lease.polygon, points.front()))
            crossed = path.stations.front().md;
        for (std::size_t i = 1; !crossed && i < points.size(); ++i) {
            if (!inside(lease.polygon, points[i])) {
                const double u = firstMeeting(lease.polygon, points[i - 1], points[i]);
                crossed = path.stations[i - 1].md
                    + u * (path.stations[i].md - path.stations[i - 1].md);
            }
        }
        if (crossed)
            out.push_back(
                { RuleBreach::LeaseCrossed, lease.name, {}, LevelAction::Stop, { *crossed } });
        double nearest = std::numeric_limits<double>::infinity(), at = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (crossed && path.stations[i].md > *crossed)
                break;
            const double d = distanceToLine(lease.polygon, points[i]);
            if (d < nearest) {
                nearest = d;
                at = path.stations[i].md;
            }
        }
        if (!crossed && nearest < lease.minDistance)
            out.push_back({ RuleBreach::LeaseNear, lease.name, {}, LevelAction::Caution,
                { nearest, at, lease.minDistance } });
    }
    return out;
}

bool anyStop(const std::vector<RuleFinding> &findings)
{
    return std::any_of(findings.begin(), findings.end(), [](const RuleFinding &f) {
        return f.action == LevelAction::Stop && f.breach != RuleBreach::LeaseUnplaced;
    });
}

std::string text(const RuleFinding &f)
{
    const auto v = [&](std::size_t i) { return i < f.values.size() ? f.values[i] : 0.0; };
    switch (f.breach) {
    case RuleBreach::Level: {
        const std::string action = f.action == LevelAction::Stop
            ? i18n::translate("Nachbarvergleich", "Halt")
            : f.action == LevelAction::Caution ? i18n::translate("Nachbarvergleich", "Vorsicht")
                                               : i18n::translate("Nachbarvergleich", "Hinweis");
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Nachbarbohrung %s: Trennfaktor %.2f bei %.2f m MD unter %.2f, Regel "
                        "\u201e%s\u201c (%s)")
                        .c_str(),
            f.well.c_str(), v(0), v(1), v(2), f.rule.c_str(), action.c_str());
    }
    case RuleBreach::Shallow:
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Nachbarbohrung %s: Abstand %.2f m bei %.2f m MD, bis %.0f m Seigerteufe "
                        "verlangen die Regeln \u201e%s\u201c %.2f m")
                        .c_str(),
            f.well.c_str(), v(0), v(1), v(3), f.rule.c_str(), v(2));
    case RuleBreach::LeaseCrossed:
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Die Bohrung verlässt bei %.2f m MD die Fläche \u201e%s\u201c")
                        .c_str(),
            v(0), f.rule.c_str());
    case RuleBreach::LeaseNear:
        return cfmt(i18n::translateFormat("Nachbarvergleich",
                        "Die Bohrung kommt bei %.2f m MD der Grenze der Fläche \u201e%s\u201c bis "
                        "auf %.2f m nahe; verlangt sind %.2f m")
                        .c_str(),
            v(1), f.rule.c_str(), v(0), v(2));
    case RuleBreach::LeaseUnplaced:
        return i18n::translate("Nachbarvergleich",
            "Die Flächen der Regeln können nicht geprüft werden: der Bohrung fehlen der "
            "Bohrungskopf oder die Meridiankonvergenz im Gitter des Felds.");
    }
    return {};
}

} // namespace clr
