// The frames, the ellipse and the inputs of the error models. The models themselves
// come in errormodels.cpp.
#include "uncertainty/uncertainty.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace unc {

namespace {

constexpr double kRadian = std::numbers::pi / 180.0;

struct Row
{
    double x, y, z;
};

double quadratic(const Row &a, const Sym3 &c, const Row &b)
{
    return a.x * (c.xx * b.x + c.xy * b.y + c.xz * b.z) + a.y * (c.xy * b.x + c.yy * b.y + c.yz * b.z)
        + a.z * (c.xz * b.x + c.yz * b.y + c.zz * b.z);
}

} // namespace

Sym3 toHla(const Sym3 &nev, double inclination, double azimuth)
{
    const double si = std::sin(inclination * kRadian), ci = std::cos(inclination * kRadian);
    const double sa = std::sin(azimuth * kRadian), ca = std::cos(azimuth * kRadian);
    const Row h { ci * ca, ci * sa, -si };
    const Row l { -sa, ca, 0 };
    const Row a { si * ca, si * sa, ci };
    return { quadratic(h, nev, h), quadratic(l, nev, l), quadratic(a, nev, a), quadratic(h, nev, l),
        quadratic(h, nev, a), quadratic(l, nev, a) };
}

Ellipse horizontalEllipse(const Sym3 &nev, double sigmas)
{
    const double mean = 0.5 * (nev.xx + nev.yy);
    const double half = 0.5 * (nev.xx - nev.yy);
    const double radius = std::hypot(half, nev.xy);
    Ellipse e;
    e.semiMajor = sigmas * std::sqrt(std::max(0.0, mean + radius));
    e.semiMinor = sigmas * std::sqrt(std::max(0.0, mean - radius));
    double azimuth = radius > 0 ? 0.5 * std::atan2(nev.xy, half) / kRadian : 0.0;
    if (azimuth < 0)
        azimuth += 180.0;
    e.majorAzimuth = azimuth >= 180.0 ? 0.0 : azimuth;
    return e;
}

std::optional<Inputs> inputsFor(const WellSettings &settings, std::optional<double> latitude,
    MissingInput *missing, bool magnetic)
{
    const auto fail = [&](MissingInput which) -> std::optional<Inputs> {
        if (missing)
            *missing = which;
        return std::nullopt;
    };
    if (missing)
        *missing = MissingInput::None;
    const UncertaintySettings &u = settings.uncertainty;
    if (!u.hasModel())
        return std::nullopt;
    if (magnetic && !u.totalField)
        return fail(MissingInput::TotalField);
    if (magnetic && !u.dip)
        return fail(MissingInput::Dip);
    if (magnetic && settings.north != NorthReference::Magnetic && !settings.declination)
        return fail(MissingInput::Declination);
    if (settings.north == NorthReference::Grid && !settings.gridConvergence)
        return fail(MissingInput::Convergence);
    Inputs in;
    in.model = u.model;
    in.gravity = u.gravity;
    in.totalField = u.totalField.value_or(in.totalField);
    in.dip = u.dip.value_or(in.dip);
    in.declination = settings.declination.value_or(0.0);
    in.convergence = settings.gridConvergence.value_or(0.0);
    in.north = settings.north;
    in.latitude = u.latitude ? u.latitude : latitude;
    return in;
}

namespace {

template <class Runs, class Code> std::string toolList(const Runs &runs, Code code)
{
    std::vector<std::string_view> seen;
    std::string out;
    for (const auto &run : runs) {
        const std::string_view c = code(run);
        if (std::find(seen.begin(), seen.end(), c) != seen.end())
            continue;
        seen.push_back(c);
        if (!out.empty())
            out += ", ";
        out += c;
    }
    return out;
}

} // namespace

std::string modelTitle(const UncertaintySettings &settings)
{
    if (settings.program.empty())
        return std::string(modelTitle(settings.model));
    return toolList(settings.program, [](const SurveyRun &r) { return std::string_view(r.tool); });
}

std::string modelTitle(const Inputs &inputs)
{
    if (inputs.legs.empty())
        return std::string(modelTitle(inputs.model));
    return toolList(inputs.legs, [](const Leg &l) { return std::string_view(l.tool); });
}

std::string_view modelTitle(ErrorModel model)
{
    switch (model) {
    case ErrorModel::IscwsaMwdRev4:
        return "ISCWSA MWD Rev. 4";
    case ErrorModel::IscwsaMwdRev5:
        return "ISCWSA MWD Rev. 5";
    case ErrorModel::None:
        break;
    }
    return {};
}

} // namespace unc
