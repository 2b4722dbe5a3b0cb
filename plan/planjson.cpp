#include "plan/planjson.h"

#include "i18n/i18n.h"

#include <array>
#include <cmath>
#include <string>

namespace settingsjson {

namespace {

    bool finite(double v)
    {
        return std::isfinite(v) && std::abs(v) <= 1e9;
    }

    bool validStep(double v)
    {
        return std::isfinite(v) && v >= 0.1 && v <= 1e5;
    }

    bool validBitDistance(double v)
    {
        return plan::validBitDistance(v);
    }

    constexpr std::array<const char *, 4> kSectionKinds { "hold", "arc", "target", "landing" };
    constexpr std::array<const char *, 3> kTargetKinds { "point", "box", "landing" };
    // The section's values by plan::Field.
    constexpr std::array<const char *, plan::kFieldCount> kFields { "length", "dls", "toolFace",
        "north", "east", "tvd", "md", "inclination", "azimuth" };
    constexpr std::size_t kMaxEntries = 1000;

    // A list of objects under `key`, each read by `read`.
    template <class T, class Read>
    bool readList(Reader &in, const char *key, std::vector<T> &out, Read read)
    {
        return readObjects(in, key, kMaxEntries,
            DRV_TRANSLATE_NOOP("Bohrungseinstellungen",
                "Der Eintrag \"%1\" ist keine Liste von höchstens 1000 Einträgen."),
            out, read);
    }

    bool readSection(Reader &in, plan::Section &s)
    {
        const Json *kind = in.member("kind");
        if (!kind)
            return in.fail("kind",
                DRV_TRANSLATE_NOOP(
                    "Bohrungseinstellungen", "Der Eintrag \"%1\" ist nicht angegeben."));
        std::size_t index = 0;
        if (!in.choice("kind", { "hold", "arc", "target", "landing" }, index))
            return false;
        s.kind = static_cast<plan::SectionKind>(index);
        for (std::size_t f = 0; f < kFields.size(); ++f) {
            if (!in.number(kFields[f], finite, s.value(static_cast<plan::Field>(f))))
                return false;
        }
        return true;
    }

    bool readTarget(Reader &in, plan::Target &t)
    {
        std::size_t index = 0;
        if (!in.text("name", 200, false, t.name)
            || !in.choice("kind", { "point", "box", "landing" }, index))
            return false;
        t.kind = static_cast<plan::TargetKind>(index);
        double *const values[] = { &t.north, &t.east, &t.tvd, &t.radius, &t.northFrom,
            &t.northTo, &t.eastFrom, &t.eastTo, &t.tvdFrom, &t.tvdTo, &t.inclination,
            &t.azimuth, &t.angleTolerance };
        const char *const names[] = { "north", "east", "tvd", "radius", "northFrom", "northTo",
            "eastFrom", "eastTo", "tvdFrom", "tvdTo", "inclination", "azimuth",
            "angleTolerance" };
        for (std::size_t i = 0; i < std::size(values); ++i) {
            std::optional<double> v;
            if (!in.number(names[i], finite, v))
                return false;
            if (v)
                *values[i] = *v;
        }
        return true;
    }

    const char *const kStartMembers[] = { "md", "tvd", "north", "east", "inclination", "azimuth" };

} // namespace

bool readPlan(Reader &in, const char *member, std::optional<plan::Plan> &out,
    std::optional<double> &step, std::optional<double> &bitDistance)
{
    const Json *object = in.member(member);
    if (!object)
        return true;
    if (!object->is_object())
        return in.fail(member, kNotAnObject);
    Reader p(*object, in.where() + member + ".");
    plan::Plan plan;
    std::optional<double> readStep, readBit;
    bool ok = p.number("step", validStep, readStep, nullptr)
        && p.number("bitDistance", validBitDistance, readBit, nullptr)
        && readList(p, "sections", plan.sections, readSection)
        && readList(p, "targets", plan.targets, readTarget);
    if (ok) {
        if (const Json *start = p.member("start")) {
            if (!start->is_object()) {
                ok = p.fail("start", kNotAnObject);
            } else {
                Reader s(*start, p.where() + "start.");
                double *const values[] = { &plan.start.md, &plan.start.tvd, &plan.start.north,
                    &plan.start.east, &plan.start.inclination, &plan.start.azimuth };
                for (std::size_t i = 0; ok && i < std::size(values); ++i) {
                    std::optional<double> v;
                    ok = s.number(kStartMembers[i], finite, v);
                    if (v)
                        *values[i] = *v;
                }
                if (!ok)
                    p.fault = s.fault;
            }
        }
    }
    if (!ok) {
        in.fault = p.fault;
        return false;
    }
    out = std::move(plan);
    step = readStep;
    bitDistance = readBit;
    return true;
}

void writePlan(Json &j, const char *member, const std::optional<plan::Plan> &plan,
    const std::optional<double> &step, const std::optional<double> &bitDistance)
{
    if (!plan)
        return;
    Json p = Json::object();
    if (plan->start != plan::Start {}) {
        const double values[] = { plan->start.md, plan->start.tvd, plan->start.north,
            plan->start.east, plan->start.inclination, plan->start.azimuth };
        Json s = Json::object();
        for (std::size_t i = 0; i < std::size(values); ++i)
            s[kStartMembers[i]] = values[i];
        p["start"] = std::move(s);
    }
    if (step)
        p["step"] = *step;
    if (bitDistance)
        p["bitDistance"] = *bitDistance;
    Json sections = Json::array();
    for (const plan::Section &section : plan->sections) {
        Json s = Json::object();
        s["kind"] = kSectionKinds[static_cast<std::size_t>(section.kind)];
        for (std::size_t f = 0; f < kFields.size(); ++f) {
            if (const auto v = section.value(static_cast<plan::Field>(f)))
                s[kFields[f]] = *v;
        }
        sections.push_back(std::move(s));
    }
    p["sections"] = std::move(sections);
    if (!plan->targets.empty()) {
        Json targets = Json::array();
        for (const plan::Target &t : plan->targets) {
            Json o = Json::object();
            if (!t.name.empty())
                o["name"] = t.name;
            o["kind"] = kTargetKinds[static_cast<std::size_t>(t.kind)];
            if (t.kind == plan::TargetKind::Box) {
                o["northFrom"] = t.northFrom;
                o["northTo"] = t.northTo;
                o["eastFrom"] = t.eastFrom;
                o["eastTo"] = t.eastTo;
                o["tvdFrom"] = t.tvdFrom;
                o["tvdTo"] = t.tvdTo;
            } else {
                o["north"] = t.north;
                o["east"] = t.east;
                o["tvd"] = t.tvd;
                o["radius"] = t.radius;
            }
            if (t.kind == plan::TargetKind::Landing) {
                o["inclination"] = t.inclination;
                o["azimuth"] = t.azimuth;
                o["angleTolerance"] = t.angleTolerance;
            }
            targets.push_back(std::move(o));
        }
        p["targets"] = std::move(targets);
    }
    j[member] = std::move(p);
}

} // namespace settingsjson
