// The tool library against its sources: the workbooks' Index sheets (read here, at test
// time, not through the generated tables), the built-in ISCWSA MWD Rev 5 model on the
// ISCWSA's test well #1, and every code of both sets computed on that well.
#include "core/trajectory.h"
#include "exchange/xlsxfile.h"
#include "toollibrary/toollibrary.h"
#include "uncertainty/uncertainty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string dataPath(const std::string &name)
{
    return std::string(std::getenv("DRAVON_TEST_DATA")) + "/" + name;
}

double num(const std::string &text)
{
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    EXPECT_TRUE(ec == std::errc() && end == text.data() + text.size()) << text;
    return v;
}

std::vector<std::vector<std::string>> readCsv(const std::string &name)
{
    std::ifstream in(dataPath("iscwsa/" + name));
    EXPECT_TRUE(in) << name;
    std::vector<std::vector<std::string>> rows;
    std::string line;
    std::getline(in, line); // the heading
    while (std::getline(in, line)) {
        std::vector<std::string> row;
        std::stringstream fields(line);
        for (std::string f; std::getline(fields, f, ',');)
            row.push_back(f);
        rows.push_back(row);
    }
    return rows;
}

// The ISCWSA's test well #1 with the inputs of its Rev 5 workbook.
struct TestWell
{
    traj::Trajectory path;
    unc::Inputs inputs;

    TestWell()
    {
        std::map<std::string, std::string> in;
        for (const auto &r : readCsv("mwd-rev5-inputs.csv"))
            in[r[0]] = r[1];
        inputs.model = ErrorModel::IscwsaMwdRev5;
        inputs.gravity = num(in["gravity"]);
        inputs.totalField = num(in["total_field"]);
        inputs.dip = num(in["dip"]);
        inputs.declination = num(in["declination"]);
        inputs.convergence = num(in["convergence"]);
        inputs.verticalLimit = num(in["vertical_limit"]);
        inputs.latitude = num(in["latitude"]);
        const auto stations = readCsv("mwd-rev5-stations.csv");
        for (const auto &r : stations) {
            traj::Station s;
            s.md = num(r[0]);
            s.inclination = num(r[1]);
            s.azimuth = num(r[2]);
            path.stations.push_back(s);
        }
        traj::computeNumericTrajectory(path);
        for (std::size_t k = 0; k < stations.size(); ++k)
            path.stations[k].tvd = num(stations[k][3]);
    }
};

double relativeDifference(const unc::Sym3 &a, const unc::Sym3 &b)
{
    const double x[6] = { a.xx, a.yy, a.zz, a.xy, a.xz, a.yz };
    const double y[6] = { b.xx, b.yy, b.zz, b.xy, b.xz, b.yz };
    // Relative to the matrix's size: an off-diagonal value that happens to pass through
    // zero must not make a rounding difference look large.
    const double size = std::max({ std::abs(y[0]), std::abs(y[1]), std::abs(y[2]), 1e-300 });
    double worst = 0;
    for (int i = 0; i < 6; ++i)
        worst = std::max(worst, std::abs(x[i] - y[i]) / size);
    return worst;
}

unc::Sym3 scaled(const unc::Sym3 &a, double s)
{
    return { s * a.xx, s * a.yy, s * a.zz, s * a.xy, s * a.xz, s * a.yz };
}

unc::Sym3 plus(const unc::Sym3 &a, const unc::Sym3 &b)
{
    return { a.xx + b.xx, a.yy + b.yy, a.zz + b.zz, a.xy + b.xy, a.xz + b.xz, a.yz + b.yz };
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

// The OWSG code of plain MWD with the standard geomagnetic model is ISCWSA MWD Rev 5: the
// same sources with the same functions and propagations. Each source's covariance at
// every station of test well #1 is the built-in model's, scaled by the square of the
// ratio of their magnitudes where the workbooks give different ones; so is the total.
TEST(ToolLibrary, MwdWithStandardModelIsIscwsaRev5)
{
    TestWell well;
    const toollib::ModelOrRefusal tool = toollib::modelFor("MWD+SRGM");
    ASSERT_TRUE(tool.model) << (tool.refusal ? tool.refusal->message : "");
    // The tool's least tortuosity is 1°/100 ft exactly; the built-in model's constant
    // rounds it to six digits (a difference of 1e-6 relative in the XCL terms where the
    // least tortuosity decides). Both computed with the tool's, the terms coincide.
    EXPECT_NEAR(tool.model->tortuosity, std::numbers::pi / 180 / 30.48, 1e-18);
    EXPECT_NEAR(tool.model->tortuosity, unc::terms::kDefaultTortuosity, 1e-9);
    well.inputs.tortuosity = tool.model->tortuosity;

    unc::Inputs toolInputs = well.inputs;
    tool.model->applyTo(toolInputs);
    toolInputs.model = ErrorModel::IscwsaMwdRev4; // the tool's terms decide, not the model
    const auto builtIn = unc::sourceBreakdown(well.path, well.inputs);
    const auto own = unc::sourceBreakdown(well.path, toolInputs);
    const auto builtInTerms = unc::terms::termsOf(ErrorModel::IscwsaMwdRev5);
    ASSERT_EQ(own.size(), builtIn.size());
    ASSERT_EQ(builtInTerms.size(), builtIn.size());

    std::map<std::string_view, std::size_t> ownByCode;
    for (std::size_t i = 0; i < own.size(); ++i)
        ownByCode[own[i].code] = i;
    std::vector<unc::Sym3> expectedTotal(well.path.stations.size());
    std::string differing;
    for (std::size_t b = 0; b < builtIn.size(); ++b) {
        const unc::terms::Term &want = builtInTerms[b];
        const auto found = ownByCode.find(want.code);
        ASSERT_NE(found, ownByCode.end()) << want.code;
        const unc::terms::Term &got = tool.model->terms[found->second];
        EXPECT_EQ(got.shape, want.shape) << want.code;
        EXPECT_EQ(got.factor, want.factor) << want.code;
        EXPECT_EQ(got.degrees, want.degrees) << want.code;
        EXPECT_EQ(got.propagation == unc::terms::Propagation::Random,
            want.propagation == unc::terms::Propagation::Random)
            << want.code;
        const double ratio = got.magnitude / want.magnitude;
        if (ratio != 1.0)
            differing += std::string(want.code) + " ";
        for (std::size_t k = 0; k < expectedTotal.size(); ++k) {
            const unc::Sym3 expected = scaled(builtIn[b].stations[k], ratio * ratio);
            expectedTotal[k] = plus(expectedTotal[k], expected);
            if (k == 0)
                continue;
            EXPECT_LE(relativeDifference(own[found->second].stations[k], expected), 1e-9)
                << want.code << " at MD " << well.path.stations[k].md;
        }
    }
    RecordProperty("magnitudesDiffering", differing);
    const auto total = unc::stationCovariances(well.path, toolInputs);
    for (std::size_t k = 1; k < total.size(); ++k)
        EXPECT_LE(relativeDifference(total[k], expectedTotal[k]), 1e-9)
            << "total at MD " << well.path.stations[k].md;
}

// Every code of both sets on test well #1: either it computes, with every term of a
// non-zero magnitude contributing to the deepest station and the total the sum of the
// terms, or it is refused with a message that names the code and a function or unit the
// code's terms really use.
TEST(ToolLibrary, EveryCodeComputesOrIsRefusedByName)
{
    TestWell well;
    const std::size_t last = well.path.stations.size() - 1;
    std::size_t computed = 0;
    std::string refusedCodes;
    for (const toollib::Tool &tool : toollib::library()) {
        SCOPED_TRACE(std::string(tool.code));
        const toollib::ModelOrRefusal r = toollib::modelFor(tool);
        ASSERT_NE(r.model.has_value(), r.refusal.has_value());
        if (r.refusal) {
            refusedCodes += std::string(tool.code) + " ";
            // Only the continuous surveys' drift is still missing.
            EXPECT_TRUE(std::any_of(tool.parameters.begin(), tool.parameters.end(),
                [](const toollib::Parameter &p) { return p.name.ends_with("Continuous Gyro"); }));
            ASSERT_FALSE(r.refusal->missing.empty());
            EXPECT_NE(r.refusal->message.find(std::string(tool.code)), std::string::npos);
            EXPECT_NE(r.refusal->message.find(r.refusal->missing), std::string::npos);
            bool used = false;
            for (const toollib::TermRow &t : tool.terms)
                used = used || t.weightingFunction == r.refusal->missing
                    || t.unit == r.refusal->missing;
            EXPECT_TRUE(used) << r.refusal->missing;
            continue;
        }
        ++computed;
        ASSERT_EQ(r.model->terms.size(), tool.terms.size());
        unc::Inputs inputs = well.inputs;
        r.model->applyTo(inputs);
        const auto sources = unc::sourceBreakdown(well.path, inputs);
        ASSERT_EQ(sources.size(), tool.terms.size());
        unc::Sym3 sum;
        for (std::size_t t = 0; t < sources.size(); ++t) {
            EXPECT_EQ(sources[t].code, tool.terms[t].code);
            const unc::Sym3 &c = sources[t].stations[last];
            sum = plus(sum, c);
            EXPECT_GE(c.xx, 0);
            EXPECT_GE(c.yy, 0);
            EXPECT_GE(c.zz, 0);
            if (tool.terms[t].magnitude != 0) {
                EXPECT_GT(c.xx + c.yy + c.zz, 0) << tool.terms[t].code;
            }
        }
        const auto total = unc::stationCovariances(well.path, inputs);
        if (sum.xx + sum.yy + sum.zz > 0)
            EXPECT_LE(relativeDifference(total[last], sum), 1e-12);
        else
            EXPECT_EQ(total[last], unc::Sym3 {});
    }
    RecordProperty("computed", static_cast<int>(computed));
    RecordProperty("refused", refusedCodes);
    EXPECT_GT(computed, 0u);
}

// The library holds exactly the codes the workbooks' Index sheets list, in their order,
// with the prefix and long name the Index gives (the generator reads them from each
// code's own sheet).
TEST(ToolLibrary, CodesAreThoseOfTheIndexSheets)
{
    std::vector<std::array<std::string, 4>> listed; // set, code, prefix, long name
    for (const char *set : { "a", "b" }) {
        const std::string bytes = readFile(dataPath(
            "../../toollibrary/owsg/toolgroup-owsg-" + std::string(set) + "-rev-5-1.xlsx"));
        const exchange::XlsxRead index = exchange::readXlsx(bytes, "Index");
        ASSERT_FALSE(index.fault) << index.fault->message;
        std::map<std::string, int> column;
        for (std::size_t c = 0; c < index.table.rows.at(0).size(); ++c)
            column[std::string(index.table.rows[0][c].text)] = static_cast<int>(c);
        ASSERT_TRUE(
            column.count("Short Name") && column.count("OWSG Prefix") && column.count("Long Name"));
        for (std::size_t r = 1; r < index.table.rows.size(); ++r) {
            const auto text = [&](const char *name) {
                const exchange::Cell *c = index.table.cell(static_cast<int>(r), column[name]);
                return c ? std::string(c->text) : std::string();
            };
            if (!text("Short Name").empty())
                listed.push_back({ std::string(set == std::string("a") ? "A" : "B"),
                    text("Short Name"), text("OWSG Prefix"), text("Long Name") });
        }
    }
    const auto library = toollib::library();
    ASSERT_EQ(library.size(), listed.size());
    std::set<std::string_view> codes;
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const toollib::Tool &tool = library[i];
        EXPECT_EQ(tool.set, listed[i][0]);
        EXPECT_EQ(tool.code, listed[i][1]);
        EXPECT_EQ(tool.prefix, listed[i][2]) << tool.code;
        EXPECT_EQ(tool.longName, listed[i][3]) << tool.code;
        EXPECT_EQ(toollib::find(listed[i][1]), &tool);
        EXPECT_TRUE(codes.insert(tool.code).second) << "twice: " << tool.code;
        EXPECT_LE(tool.inclinationMin, tool.inclinationMax) << tool.code;
    }
}

TEST(ToolLibrary, UnknownCodeIsRefusedInGerman)
{
    EXPECT_EQ(toollib::find("MWD+srgm"), nullptr);
    const toollib::ModelOrRefusal r = toollib::modelFor("KEIN-WERKZEUG");
    ASSERT_FALSE(r.model);
    ASSERT_TRUE(r.refusal);
    EXPECT_EQ(r.refusal->message, "Das Werkzeug KEIN-WERKZEUG ist nicht im Katalog.");
}

// The axial interference correction leaves the axial magnetometer out of the azimuth: where
// the hole points magnetic north its functions are the uncorrected ones and the dip and
// field terms it brings in vanish; turned off north, the corrected terms differ.
// Compared per unit of magnitude, so that the two codes' magnitudes do not matter.
TEST(ToolLibrary, AxialCorrectionAgreesWhereTheHolePointsMagneticNorth)
{
    const toollib::ModelOrRefusal axial = toollib::modelFor("MWD+SRGM+AX");
    const toollib::ModelOrRefusal plain = toollib::modelFor("MWD+SRGM");
    ASSERT_TRUE(axial.model && plain.model);
    for (const double magneticAzimuth : { 0.0, 60.0 }) {
        SCOPED_TRACE(magneticAzimuth);
        unc::Inputs in;
        in.declination = -4;
        traj::Trajectory path;
        const double inclinations[] = { 0, 0, 10, 25, 40, 60, 80, 90, 90 };
        for (std::size_t k = 0; k < std::size(inclinations); ++k) {
            traj::Station s;
            s.md = 300.0 * static_cast<double>(k);
            s.inclination = inclinations[k];
            s.azimuth = magneticAzimuth + in.declination + 360;
            path.stations.push_back(s);
        }
        traj::computeNumericTrajectory(path);
        const auto perUnit = [&](const toollib::Model &m) {
            unc::Inputs inputs = in;
            m.applyTo(inputs);
            std::map<std::string, unc::Sym3> out;
            const auto sources = unc::sourceBreakdown(path, inputs);
            for (std::size_t t = 0; t < sources.size(); ++t) {
                const double size = m.terms[t].magnitude;
                out[std::string(sources[t].code)]
                    = scaled(sources[t].stations.back(), size == 0 ? 0 : 1 / (size * size));
            }
            return out;
        };
        const auto withAxial = perUnit(*axial.model), without = perUnit(*plain.model);
        std::size_t compared = 0;
        for (const auto &[code, c] : withAxial) {
            std::string uncorrected = code;
            if (uncorrected.size() > 2 && uncorrected[2] == 'I')
                uncorrected.erase(2, 1); // ABIXY-TI1S -> ABXY-TI1S, MDI-U -> MD-U
            const auto other = without.find(uncorrected);
            const bool dipOrField = code.starts_with("MDI") || code.starts_with("MFI");
            if (dipOrField && magneticAzimuth == 0) {
                EXPECT_LE(c.xx + c.yy + c.zz, 1e-20) << code;
            } else if (other != without.end() && magneticAzimuth == 0) {
                EXPECT_LE(relativeDifference(c, other->second), 1e-12) << code;
                ++compared;
            } else if (other != without.end() && code != uncorrected) {
                // Turned off north: the corrected sensor terms differ from the uncorrected ones.
                EXPECT_GT(relativeDifference(c, other->second), 1e-3) << code;
                ++compared;
            }
        }
        EXPECT_GT(compared, magneticAzimuth == 0 ? 20u : 10u);
    }
}

// A term whose function or unit is not known refuses the whole tool, naming it, in
// whichever term it is; the terms before it must not make a partial model.
TEST(ToolLibrary, UnknownFunctionOrUnitRefusesTheTool)
{
    const toollib::TermRow known { "DRFR", "", "DREF", "", "Depth", 0.35, "m", 'R' };
    const toollib::TermRow oddFunction { "GXY-X", "", "GXY-X9", "", "Sensor", 1, "deg", 'S' };
    const toollib::TermRow oddUnit { "DRFR2", "", "DREF", "", "Depth", 1, "furlong", 'S' };
    for (const auto &[rows, missing] :
        { std::pair { std::vector { known, oddFunction }, std::string("GXY-X9") },
            std::pair { std::vector { oddUnit, known }, std::string("furlong") } }) {
        toollib::Tool tool;
        tool.code = "PROBE";
        tool.terms = rows;
        const toollib::ModelOrRefusal r = toollib::modelFor(tool);
        EXPECT_FALSE(r.model);
        ASSERT_TRUE(r.refusal);
        EXPECT_EQ(r.refusal->missing, missing);
        EXPECT_NE(r.refusal->message.find("PROBE"), std::string::npos);
        EXPECT_NE(r.refusal->message.find(missing), std::string::npos);
    }
    toollib::Tool tool;
    tool.code = "PROBE";
    const std::vector rows { known };
    tool.terms = rows;
    const toollib::ModelOrRefusal r = toollib::modelFor(tool);
    ASSERT_TRUE(r.model);
    EXPECT_EQ(r.model->terms.at(0).propagation, unc::terms::Propagation::Random);
    EXPECT_EQ(r.model->terms.at(0).shape, unc::terms::Shape::DepthReference);
}

// A gyrocompassing error turns a straight hole by δA, the rate error over the horizontal
// earth rate (15.041°/h · cos latitude) times the function the workbooks print (SPE 90408,
// table 4): a systematic one moves the station at depth MD sideways by MD · sin I · δA.
// Grid azimuths, so that the functions must take the true one.
TEST(ToolLibrary, GyrocompassTermsTurnAStraightHole)
{
    const double deg = std::numbers::pi / 180, i = 75 * deg, grid = 250, a = (grid + 2.5) * deg;
    const std::pair<const char *, double> functions[] = { { "GXY-B1", std::sin(a) / std::cos(i) },
        { "GXY-B2", std::cos(a) }, { "GXY-G1", std::cos(a) * std::sin(i) },
        { "GXY-G4", std::sin(a) * std::tan(i) },
        { "GXY-RN", 0.5 * std::sqrt(1 - std::pow(std::cos(a) * std::sin(i), 2)) / std::cos(i) } };
    traj::Trajectory path;
    path.stations.resize(6);
    for (std::size_t k = 0; k < path.stations.size(); ++k) {
        path.stations[k].md = 150.0 * static_cast<double>(k);
        path.stations[k].inclination = 75;
        path.stations[k].azimuth = grid;
    }
    traj::computeNumericTrajectory(path);
    for (const auto &[function, weight] : functions) {
        const std::vector rows { toollib::TermRow {
            "T", "", function, "", "", 0.3, "deg/hr", 'S' } };
        toollib::Tool tool;
        tool.noiseReduction = 0.5; // for GXY-RN
        tool.terms = rows;
        const toollib::ModelOrRefusal r = toollib::modelFor(tool);
        ASSERT_TRUE(r.model) << function;
        unc::Inputs in;
        in.north = NorthReference::Grid;
        in.convergence = 2.5;
        in.latitude = 57;
        r.model->applyTo(in);
        const double side = 750 * std::sin(i) * 0.3 * weight / (15.041 * std::cos(57 * deg));
        const double sA = std::sin(grid * deg), cA = std::cos(grid * deg);
        const unc::Sym3 expected { side * side * sA * sA, side * side * cA * cA, 0,
            -side * side * sA * cA, 0, 0 };
        EXPECT_LE(relativeDifference(unc::stationCovariances(path, in).back(), expected), 1e-9)
            << function;
    }
}

// Without a latitude a gyrocompassing code is refused, and the propagation gives no number
// rather than a gyro free of error; a magnetic code needs none. At a pole there is no north.
TEST(ToolLibrary, GyrocompassNeedsTheLatitude)
{
    TestWell well;
    const toollib::ModelOrRefusal gyro = toollib::modelFor("GYRO-NS"),
                                  mwd = toollib::modelFor("MWD+SRGM");
    ASSERT_TRUE(gyro.model && mwd.model);
    unc::Inputs withMwd = well.inputs;
    mwd.model->applyTo(withMwd);
    gyro.model->applyTo(well.inputs);
    EXPECT_FALSE(toollib::refusalFor(well.inputs));
    well.inputs.latitude.reset();
    withMwd.latitude.reset();
    EXPECT_FALSE(toollib::refusalFor(withMwd));
    const auto refusal = toollib::refusalFor(well.inputs);
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->message.find("GYRO-NS"), std::string::npos);
    EXPECT_NE(refusal->message.find("Breite"), std::string::npos);
    EXPECT_TRUE(std::isnan(unc::stationCovariances(well.path, well.inputs).back().yy));
    well.inputs.latitude = -90;
    EXPECT_TRUE(toollib::refusalFor(well.inputs));
}
