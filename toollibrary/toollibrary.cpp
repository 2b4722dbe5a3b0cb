// A code's terms turned into the propagation's sources: each workbook weighting function
// named here is the same function as the propagation's shape times a constant (checked
// against the formulas the workbooks print beside each term), each unit converted as the
// ISCWSA's MWD Rev 5 workbook converts it. A function or unit not named here refuses the
// whole code: a term counted as zero would make the tool look better than it is.
#include "toollibrary/toollibrary.h"

#include "core/cformat.h"
#include "core/decimalsign.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace toollib {

namespace {

    using unc::terms::Factor;
    using unc::terms::Shape;

    struct Function
    {
        std::string_view name;
        Shape shape;
        Factor factor;
    };

    // clang-format off
    constexpr Function kFunctions[] = {
        // Depth.
        { "DREF",     Shape::DepthReference,    Factor::One },
        { "DSF",      Shape::DepthScale,        Factor::One },
        { "DST",      Shape::DepthStretch,      Factor::One },
        // The MWD sensors, tool-face independent.
        { "ABXY-TI1", Shape::AccelBiasXy1,      Factor::One },
        { "ABXY-TI2", Shape::AccelBiasXy2,      Factor::One },
        { "ABZ",      Shape::AccelBiasZ,        Factor::One },
        { "ASXY-TI1", Shape::AccelScale,        Factor::InvSqrt2 },
        { "ASXY-TI2", Shape::AccelScale,        Factor::Half },
        { "ASXY-TI3", Shape::AccelScaleXy3,     Factor::One },
        { "ASZ",      Shape::AccelScale,        Factor::MinusOne },
        { "MBXY-TI1", Shape::MagBiasXy1,        Factor::One },
        { "MBXY-TI2", Shape::MagBiasXy2,        Factor::One },
        { "MBZ",      Shape::MagAxial,          Factor::MinusOne },
        { "MSXY-TI1", Shape::MagScaleXy1,       Factor::One },
        { "MSXY-TI2", Shape::MagScaleXy2,       Factor::One },
        { "MSXY-TI3", Shape::MagScaleXy3,       Factor::One },
        { "MSZ",      Shape::MagScaleZ,         Factor::One },
        // The same with axial interference correction.
        { "ABIXY-TI1", Shape::AxialAccelBiasXy1, Factor::One },
        { "ABIXY-TI2", Shape::AxialAccelBiasXy2, Factor::One },
        { "ABIZ",      Shape::AxialAccelBiasZ,   Factor::One },
        { "ASIXY-TI1", Shape::AxialAccelScale,   Factor::InvSqrt2 },
        { "ASIXY-TI2", Shape::AxialAccelScale,   Factor::Half },
        { "ASIXY-TI3", Shape::AxialAccelScaleXy3, Factor::One },
        { "ASIZ",      Shape::AxialAccelScale,   Factor::MinusOne },
        { "MBIXY-TI1", Shape::AxialMagBiasXy1,   Factor::One },
        { "MBIXY-TI2", Shape::AxialMagBiasXy2,   Factor::One },
        { "MSIXY-TI1", Shape::AxialMagScaleXy1,  Factor::One },
        { "MSIXY-TI2", Shape::AxialMagScaleXy2,  Factor::One },
        { "MSIXY-TI3", Shape::AxialMagScaleXy3,  Factor::One },
        { "MDI",       Shape::AxialDip,          Factor::One },
        { "MFI",       Shape::AxialField,        Factor::One },
        // Azimuth reference and interference.
        { "AZ",       Shape::Azimuth,           Factor::One },
        { "EXT-REF",  Shape::Azimuth,           Factor::One },
        { "DBH",      Shape::Azimuth,           Factor::PerHorizontalField },
        { "AMIL",     Shape::MagAxial,          Factor::One },
        { "AMID",     Shape::SinIncSinAzM,      Factor::One },
        // Alignment. The workbooks' SAG is sin I, which for inclinations of 0° to 180° is
        // the |sin I| of XYM1.
        { "SAG",      Shape::SinInc,            Factor::One },
        { "SAGE",     Shape::SagEnhanced,       Factor::One },
        { "XYM1",     Shape::SinInc,            Factor::One },
        { "XYM2",     Shape::Azimuth,           Factor::MinusOne },
        { "XYM3",     Shape::MisalignNorth,     Factor::One },
        { "XYM4",     Shape::MisalignEast,      Factor::One },
        { "XYM3E",    Shape::MisalignNorthStep, Factor::One },
        { "XYM4E",    Shape::MisalignEastStep,  Factor::One },
        // Long course lengths.
        { "XCLA",     Shape::CourseLateral,     Factor::One },
        { "XCLH",     Shape::CourseHigh,        Factor::One },
        // Surveys of unknown or no quality: fixed cones of inclination and direction.
        { "CNI",      Shape::Inclination,       Factor::One },
        { "CNA",      Shape::Lateral,           Factor::One },
        // Three-axis accelerometers run with a gyro.
        { "AXYZ-MIS", Shape::Inclination,       Factor::One },
        { "AXYZ-SF",  Shape::AccelScaleInc,     Factor::One },
        { "AXYZ-ZB",  Shape::AccelBiasZInc,     Factor::One },
        // Stationary XY gyrocompassing, a rate error over the horizontal earth rate. They
        // weight every station: a code that also surveys in continuous mode brings the
        // drift functions (GXY-GD, GXY-GRW, GZ-GD), which are not here, and stays refused.
        { "GXY-B1",   Shape::GyroBiasXy1,       Factor::PerHorizontalEarthRate },
        { "GXY-B2",   Shape::GyroBiasXy2,       Factor::PerHorizontalEarthRate },
        { "GXY-G1",   Shape::GyroGravityXy1,    Factor::PerHorizontalEarthRate },
        { "GXY-G4",   Shape::GyroGravityXy4,    Factor::PerHorizontalEarthRate },
        { "GXY-RN",   Shape::GyroNoiseXy,       Factor::PerHorizontalEarthRate },
    };
    // clang-format on

    struct Unit
    {
        std::string_view name;
        double scale; // to the propagation's unit (m, m/s², nT, 1, 1/m; degrees marked)
        bool degrees;
    };

    // The units of the magnitudes: taken as they are, but degrees (also degree·nT of the
    // field-dependent declination, degrees per hour of the gyros) in radians, milligal and
    // micro-g in m/s², ppm as a fraction.
    constexpr Unit kUnits[] = {
        { "m", 1, false },
        { "-", 1, false },
        { "1/m", 1, false },
        { "m/s2", 1, false },
        { "nT", 1, false },
        { "deg", 1, true },
        { "deg.nT", 1, true },
        { "dnT", 1, true },
        { "deg/hr", 1, true },
        { "mGal", 1e-5, false },
        { "\u00b5g", 9.80665e-6, false },
        { "ppm", 1e-6, false },
    };

    template <class T, std::size_t N> const T *byName(const T (&table)[N], std::string_view name)
    {
        const auto it = std::find_if(
            std::begin(table), std::end(table), [&](const T &x) { return x.name == name; });
        return it == std::end(table) ? nullptr : it;
    }

    ModelOrRefusal refused(std::string message, std::string_view missing)
    {
        ModelOrRefusal r;
        r.refusal = Refusal { std::move(message), std::string(missing) };
        return r;
    }

} // namespace

std::span<const Tool> library()
{
    return { generated::kTools, generated::kToolCount };
}

const Tool *find(std::string_view code)
{
    const std::span<const Tool> all = library();
    const auto it
        = std::find_if(all.begin(), all.end(), [&](const Tool &t) { return t.code == code; });
    return it == all.end() ? nullptr : &*it;
}

unc::Leg Model::leg(double fromMd, std::optional<double> toMd) const
{
    unc::Leg leg;
    leg.fromMd = fromMd;
    leg.toMd = toMd;
    leg.terms = terms;
    leg.tortuosity = tortuosity;
    leg.misalignmentCourseLength = misalignmentCourseLength;
    leg.tool = code;
    leg.inclinationMin = inclinationMin;
    leg.inclinationMax = inclinationMax;
    return leg;
}

void Model::applyTo(unc::Inputs &inputs) const
{
    inputs.legs = { leg(0, std::nullopt) };
}

namespace {

    // One term's source, or the refusal of `tool` naming the function or unit that is
    // not known.
    std::optional<Refusal> addTerm(Model &model, std::string_view tool, std::string_view code,
        std::string_view function, double magnitude, std::string_view unit, char propagation,
        double noiseReduction)
    {
        const Function *f = byName(kFunctions, function);
        if (!f) {
            return Refusal { cfmt(i18n::translateFormat("Werkzeugkatalog",
                                      "Das Werkzeug %s lässt sich nicht berechnen: die "
                                      "Gewichtungsfunktion %s ist nicht umgesetzt.")
                                      .c_str(),
                                 std::string(tool).c_str(), std::string(function).c_str()),
                std::string(function) };
        }
        const Unit *u = byName(kUnits, unit);
        if (!u) {
            return Refusal { cfmt(i18n::translateFormat("Werkzeugkatalog",
                                      "Das Werkzeug %s lässt sich nicht berechnen: die "
                                      "Einheit „%s“ ist unbekannt.")
                                      .c_str(),
                                 std::string(tool).c_str(), std::string(unit).c_str()),
                std::string(unit) };
        }
        unc::terms::Term t;
        t.code = code;
        t.shape = f->shape;
        t.factor = f->factor;
        t.magnitude = magnitude * u->scale;
        if (f->shape == Shape::GyroNoiseXy)
            t.magnitude *= noiseReduction;
        t.degrees = u->degrees;
        // Well-by-well errors take one value for the whole survey, as global ones do.
        t.propagation = propagation == 'R' ? unc::terms::Propagation::Random
            : propagation == 'S'           ? unc::terms::Propagation::Systematic
                                           : unc::terms::Propagation::Global;
        model.terms.push_back(t);
        return std::nullopt;
    }

    ModelOrRefusal modelOrRefusal(Model model, std::optional<Refusal> refusal)
    {
        ModelOrRefusal r;
        if (refusal)
            r.refusal = std::move(refusal);
        else
            r.model = std::move(model);
        return r;
    }

} // namespace

ModelOrRefusal modelFor(const Tool &tool)
{
    Model model;
    model.tool = &tool;
    model.code = tool.code;
    model.inclinationMin = tool.inclinationMin;
    model.inclinationMax = tool.inclinationMax;
    model.tortuosity = tool.tortuosity.value_or(unc::terms::kDefaultTortuosity);
    model.misalignmentCourseLength = tool.misalignmentCourseLength.value_or(10.0);
    for (const TermRow &row : tool.terms) {
        if (auto refusal = addTerm(model, tool.code, row.code, row.weightingFunction,
                row.magnitude, row.unit, row.propagation, tool.noiseReduction.value_or(1.0)))
            return modelOrRefusal({}, std::move(refusal));
    }
    return modelOrRefusal(std::move(model), std::nullopt);
}

ModelOrRefusal modelFor(const OwnTool &tool)
{
    std::string fault;
    if (!ownToolValid(tool, &fault))
        return refused(std::move(fault), {});
    if (find(tool.code)) {
        return refused(cfmt(i18n::translateFormat("Werkzeugkatalog",
                                "Das eigene Werkzeug %s trägt den Code eines Werkzeugs des "
                                "Katalogs; es braucht einen eigenen Code.")
                                .c_str(),
                           tool.code.c_str()),
            tool.code);
    }
    Model model;
    model.code = tool.code;
    model.inclinationMin = tool.inclinationMin;
    model.inclinationMax = tool.inclinationMax;
    constexpr double kRadian = std::numbers::pi / 180.0;
    model.tortuosity = tool.tortuosity ? *tool.tortuosity * kRadian / 30.0
                                       : unc::terms::kDefaultTortuosity;
    model.misalignmentCourseLength = tool.misalignmentCourseLength.value_or(10.0);
    for (const OwnToolTerm &t : tool.terms) {
        if (auto refusal = addTerm(model, tool.code, t.code, t.function, t.magnitude, t.unit,
                t.propagation, tool.noiseReduction.value_or(1.0)))
            return modelOrRefusal({}, std::move(refusal));
    }
    return modelOrRefusal(std::move(model), std::nullopt);
}

std::optional<Refusal> refusalFor(const unc::Inputs &inputs)
{
    const unc::Leg *gyro = nullptr;
    const unc::terms::Term *needing = nullptr;
    for (const unc::Leg &leg : inputs.legs) {
        for (const unc::terms::Term &t : leg.terms) {
            if (!needing && t.factor == Factor::PerHorizontalEarthRate) {
                gyro = &leg;
                needing = &t;
            }
        }
    }
    if (!needing)
        return std::nullopt;
    const std::string &code = gyro->tool;
    const std::string function(needing->code);
    if (!inputs.latitude) {
        return Refusal { cfmt(i18n::translateFormat("Werkzeugkatalog",
                                  "Das Werkzeug %s lässt sich ohne die geographische Breite nicht "
                                  "berechnen: der Kreiselkompass misst die Erddrehung, deren "
                                  "waagrechter Anteil von der Breite abhängt.")
                                  .c_str(),
                             code.c_str()),
            function };
    }
    // At a pole the earth's rotation has no horizontal part to find north by.
    if (!(std::abs(*inputs.latitude) < 90.0)) {
        return Refusal {
            cfmt(i18n::translateFormat("Werkzeugkatalog",
                     "Das Werkzeug %s lässt sich bei der Breite %s° nicht berechnen: "
                     "am Pol zeigt der Kreiselkompass nicht nach Norden.")
                     .c_str(),
                code.c_str(),
                decimalsign::shortest(*inputs.latitude, decimalsign::interfaceSign()).c_str()),
            function
        };
    }
    return std::nullopt;
}

ModelOrRefusal modelFor(std::string_view code)
{
    if (const Tool *tool = find(code))
        return modelFor(*tool);
    return refused(
        cfmt(i18n::translateFormat("Werkzeugkatalog", "Das Werkzeug %s ist nicht im Katalog.")
                 .c_str(),
            std::string(code).c_str()),
        {});
}

ModelOrRefusal modelFor(std::string_view code, std::span<const OwnTool> ownTools)
{
    const auto own = std::find_if(ownTools.begin(), ownTools.end(),
        [&](const OwnTool &t) { return t.code == code; });
    return own != ownTools.end() ? modelFor(*own) : modelFor(code);
}

std::optional<Refusal> applyProgram(const std::vector<SurveyRun> &program, unc::Inputs &inputs,
    std::span<const OwnTool> ownTools)
{
    std::vector<unc::Leg> legs;
    for (std::size_t i = 0; i < program.size(); ++i) {
        const SurveyRun &run = program[i];
        ModelOrRefusal r = modelFor(run.tool, ownTools);
        if (r.refusal) {
            r.refusal->message = i18n::arg(i18n::translate("Werkzeugkatalog",
                                               "Abschnitt %1 des Vermessungsprogramms: %2"),
                { std::to_string(i + 1), r.refusal->message });
            return r.refusal;
        }
        legs.push_back(r.model->leg(run.fromMd, run.toMd));
        legs.back().run = run.name;
    }
    if (!legs.empty())
        inputs.legs = std::move(legs);
    return std::nullopt;
}

} // namespace toollib
