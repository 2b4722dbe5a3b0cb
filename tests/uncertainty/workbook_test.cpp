// The error models against the ISCWSA's example workbooks of test well #1 (MWD Rev 4 and
// Rev 5): the total covariance at every station, every source at every station and the
// validation table. The data come from tools/iscwsa-fixtures.py (tests/data/iscwsa).
#include "core/trajectory.h"
#include "uncertainty/uncertainty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Row = std::vector<std::string>;

std::vector<Row> readCsv(const std::string &name)
{
    std::ifstream in(std::string(std::getenv("DRAVON_TEST_DATA")) + "/iscwsa/" + name);
    EXPECT_TRUE(in) << name;
    std::vector<Row> rows;
    std::string line;
    std::getline(in, line); // the heading
    while (std::getline(in, line)) {
        Row row;
        std::stringstream fields(line);
        for (std::string f; std::getline(fields, f, ',');)
            row.push_back(f);
        rows.push_back(row);
    }
    return rows;
}

double num(const std::string &text)
{
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    EXPECT_TRUE(ec == std::errc() && end == text.data() + text.size()) << text;
    return v;
}

std::string text(double v)
{
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, v).ptr);
}

// Six values from column `first` on, in the fixtures' order NN, EE, VV, NE, NV, EV.
unc::Sym3 sym(const Row &r, std::size_t first)
{
    return { num(r[first]), num(r[first + 1]), num(r[first + 2]), num(r[first + 3]),
        num(r[first + 4]), num(r[first + 5]) };
}

// Agreement within 1e-6 relative, or 1e-9 m² where the value is near zero; the worst
// relative difference among values above 1e-6 m² goes into `worst`.
void expectNear(const unc::Sym3 &got, const unc::Sym3 &want, const std::string &where, double &worst)
{
    const double g[6] = { got.xx, got.yy, got.zz, got.xy, got.xz, got.yz };
    const double w[6] = { want.xx, want.yy, want.zz, want.xy, want.xz, want.yz };
    for (int i = 0; i < 6; ++i) {
        const double size = std::max(std::abs(g[i]), std::abs(w[i]));
        const double diff = std::abs(g[i] - w[i]);
        if (size > 1e-6)
            worst = std::max(worst, diff / size);
        EXPECT_TRUE(diff <= 1e-6 * size || diff <= 1e-9)
            << where << " element " << i << ": " << g[i] << " against " << w[i];
    }
}

struct Workbook
{
    std::string prefix;
    traj::Trajectory path;
    unc::Inputs inputs;

    explicit Workbook(const std::string &p)
        : prefix(p)
    {
        std::map<std::string, std::string> in;
        for (const Row &r : readCsv(prefix + "-inputs.csv"))
            in[r[0]] = r[1];
        inputs.model = in["model"] == "ISCWSA MWD Rev4" ? ErrorModel::IscwsaMwdRev4
                                                        : ErrorModel::IscwsaMwdRev5;
        inputs.gravity = num(in["gravity"]);
        inputs.totalField = num(in["total_field"]);
        inputs.dip = num(in["dip"]);
        inputs.declination = num(in["declination"]);
        inputs.convergence = num(in["convergence"]);
        inputs.verticalLimit = num(in["vertical_limit"]);
        EXPECT_EQ(in["north"], "TRUE");
        EXPECT_EQ(in["depth_unit"], "m");

        const std::vector<Row> stations = readCsv(prefix + "-stations.csv");
        for (const Row &r : stations) {
            traj::Station s;
            s.md = num(r[0]);
            s.inclination = num(r[1]);
            s.azimuth = num(r[2]);
            path.stations.push_back(s);
        }
        traj::computeNumericTrajectory(path);
        EXPECT_EQ(path.stations.size(), stations.size());
        // The workbooks give the depths rounded to centimetres, and their depth stretch
        // term reads them: take theirs.
        for (std::size_t k = 0; k < stations.size(); ++k) {
            EXPECT_NEAR(path.stations[k].tvd, num(stations[k][3]), 0.006);
            path.stations[k].tvd = num(stations[k][3]);
        }
    }

    std::size_t stationAt(double md) const
    {
        const auto it = std::find_if(path.stations.begin(), path.stations.end(),
            [&](const traj::Station &s) { return s.md == md; });
        EXPECT_NE(it, path.stations.end()) << md;
        return static_cast<std::size_t>(it - path.stations.begin());
    }
};

class IscwsaWorkbook : public testing::TestWithParam<const char *>
{
};

TEST_P(IscwsaWorkbook, TotalsAtEveryStation)
{
    const Workbook book(GetParam());
    const std::vector<unc::Sym3> nev = unc::stationCovariances(book.path, book.inputs);
    const std::vector<Row> totals = readCsv(book.prefix + "-totals.csv");
    ASSERT_EQ(nev.size(), totals.size());
    double worst = 0;
    for (std::size_t k = 0; k < totals.size(); ++k) {
        const traj::Station &s = book.path.stations[k];
        const std::string where = "MD " + totals[k][0];
        expectNear(nev[k], sym(totals[k], 1), where + " NEV", worst);
        expectNear(unc::toHla(nev[k], s.inclination, s.azimuth), sym(totals[k], 7), where + " HLA", worst);
    }
    RecordProperty("worstRelative", text(worst));
}

TEST_P(IscwsaWorkbook, EverySourceAtEveryStation)
{
    const Workbook book(GetParam());
    std::map<std::string, std::vector<Row>> sheets;
    for (const Row &r : readCsv(book.prefix + "-sources.csv"))
        sheets[r[0]].push_back(r);
    const std::vector<unc::SourceCovariances> sources = unc::sourceBreakdown(book.path, book.inputs);
    ASSERT_EQ(sources.size(), sheets.size());
    double worst = 0;
    for (const unc::SourceCovariances &source : sources) {
        const std::string code(source.code);
        ASSERT_EQ(sheets.count(code), 1u) << code;
        const std::vector<Row> &rows = sheets[code];
        ASSERT_EQ(source.stations.size(), rows.size());
        for (std::size_t k = 0; k < rows.size(); ++k)
            expectNear(source.stations[k], sym(rows[k], 2), code + " MD " + rows[k][1], worst);
    }
    RecordProperty("worstRelative", text(worst));
}

// The validation table: the workbook's own values, and the ISCWSA's diagnostic values,
// which it gives to four decimals (computed from depths that were not rounded).
TEST_P(IscwsaWorkbook, ValidationTable)
{
    const Workbook book(GetParam());
    std::map<std::string, std::vector<unc::Sym3>> byCode;
    for (const unc::SourceCovariances &s : unc::sourceBreakdown(book.path, book.inputs))
        byCode[std::string(s.code)] = s.stations;
    const std::vector<unc::Sym3> totals = unc::stationCovariances(book.path, book.inputs);
    double worst = 0, worstDiagnostic = 0;
    for (const Row &r : readCsv(book.prefix + "-validation.csv")) {
        const std::size_t k = book.stationAt(num(r[0]));
        const bool total = r[1] == "TOTAL" || r[1] == "Totals";
        ASSERT_TRUE(total || byCode.count(r[1])) << r[1];
        const unc::Sym3 got = total ? totals[k] : byCode[r[1]][k];
        expectNear(got, sym(r, 8), r[1] + " MD " + r[0], worst);
        const unc::Sym3 diagnostic = sym(r, 2);
        const double g[6] = { got.xx, got.yy, got.zz, got.xy, got.xz, got.yz };
        const double d[6] = { diagnostic.xx, diagnostic.yy, diagnostic.zz, diagnostic.xy,
            diagnostic.xz, diagnostic.yz };
        for (int i = 0; i < 6; ++i) {
            worstDiagnostic = std::max(worstDiagnostic, std::abs(g[i] - d[i]));
            EXPECT_NEAR(g[i], d[i], 1e-4) << r[1] << " MD " << r[0] << " element " << i;
        }
    }
    RecordProperty("worstRelative", text(worst));
    RecordProperty("worstDiagnosticAbsolute", text(worstDiagnostic));
}

INSTANTIATE_TEST_SUITE_P(MwdRevisions, IscwsaWorkbook, testing::Values("mwd-rev4", "mwd-rev5"),
    [](const testing::TestParamInfo<const char *> &info) {
        return std::string(info.param) == "mwd-rev4" ? "Rev4" : "Rev5";
    });

} // namespace
