// The positional uncertainty on the graph page, fed with synthetic covariances of known
// size and orientation: the top view's ellipses against the uncertainty layer's ellipse
// at the page's scale, their thinning, the band of the section and the side view against
// the spread across the curve worked out by hand, the scaling that keeps all of it inside
// the frame, and a page without a model that is the page it always was.
#include "core/cformat.h"
#include "graph/pageexport.h"
#include "graph/plotuncertainty.h"
#include "graph/sectionview.h"
#include "graphtestdata.h"
#include "recordinghelpers.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

using namespace graphtest;

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// A covariance from standard deviations along the hole's own axes (high side, lateral to
// the right, along the hole) at inclination `inc` and azimuth `azi`, the axes written
// out as north, east and down components.
unc::Sym3 holeFrame(double high, double lateral, double along, double inc, double azi)
{
    const double si = std::sin(inc * kDeg), ci = std::cos(inc * kDeg);
    const double sa = std::sin(azi * kDeg), ca = std::cos(azi * kDeg);
    const double axes[3][3]
        = { { ci * ca, ci * sa, -si }, { -sa, ca, 0 }, { si * ca, si * sa, ci } };
    const double var[3] = { high * high, lateral * lateral, along * along };
    double c[3][3] = {};
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                c[i][j] += var[k] * axes[k][i] * axes[k][j];
    return { c[0][0], c[1][1], c[2][2], c[0][1], c[0][2], c[1][2] };
}

// Vertical to 300 m, built at 3 degrees per 30 m to `hold` degrees, held to `end`, all
// at `azimuth`; a station every `step` metres.
std::vector<std::string> wellLines(double step, double azimuth, double hold = 50, double end = 1500)
{
    std::vector<std::string> lines;
    for (double md = step; md <= end + 1e-9; md += step) {
        const double inc = std::clamp((md - 300.0) * 0.1, 0.0, hold);
        lines.push_back(cfmt("%.3f %.3f %.3f", md, inc, azimuth));
    }
    return lines;
}

// Growing with measured depth as a survey's uncertainty does, widest across the hole.
std::vector<unc::Sym3> growing(const traj::Trajectory &t, double factor = 1.0)
{
    std::vector<unc::Sym3> nev;
    for (const traj::Station &s : t.stations)
        nev.push_back(holeFrame(factor * 0.003 * s.md, factor * 0.008 * s.md, factor * 0.001 * s.md,
            s.inclination, s.azimuth));
    return nev;
}

UncertaintySettings model(double sigmas, ErrorModel m = ErrorModel::IscwsaMwdRev5)
{
    UncertaintySettings u;
    u.model = m;
    u.ellipseSigma = sigmas;
    return u;
}

PlotData viewWith(const traj::Trajectory &t, PlotView view, const std::vector<unc::Sym3> &nev,
    const UncertaintySettings &u)
{
    PlotData d = plotDataOf(t, view, "Unsicher");
    addUncertainty(d, t, view, nev, u);
    return d;
}

PlotData sectionWith(const traj::Trajectory &t, double azimuth, LengthUnit unit,
    const std::vector<unc::Sym3> &nev, const UncertaintySettings &u)
{
    PlotData d = sectionPlotData(t, "Unsicher", azimuth, unit);
    addSectionUncertainty(d, azimuth, unit, nev, u);
    return d;
}

// The outlines drawn in the plot area of height `h` (the legend's sample lies below it).
std::vector<Rec::Call> spreadLines(const Rec &rec, int h)
{
    std::vector<Rec::Call> out;
    for (const Rec::Call &c : rec.ofKind(Rec::Kind::Polyline))
        if (c.pen == graphstyle::kSpreadPen
            && std::all_of(
                c.points.begin(), c.points.end(), [h](QPoint p) { return p.y() >= -h - 1; }))
            out.push_back(c);
    return out;
}

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// The four layouts of a page: screen, zoom, portrait and landscape paper.
const std::tuple<int, int, int> kLayouts[] = { { 0, 0, 1 }, { 1, 0, 1 }, { 0, 1, 1 }, { 0, 1, 0 } };

GraphPage laidOut(const PlotData &d, std::tuple<int, int, int> layout, bool trueScale = false)
{
    GraphPage page;
    page.m_target = std::apply(layoutTarget, layout);
    page.m_bTrueScale = trueScale ? 1 : 0;
    page.OnCompute(d);
    return page;
}

TEST(UncertaintyPage, TopViewDrawsTheModelsEllipseAtEachDrawnStation)
{
    const traj::Trajectory t = trajectoryOf(wellLines(30, 40));
    const std::vector<unc::Sym3> nev = growing(t);
    for (double sigmas : { 1.0, 2.0, 3.0 }) {
        const DrawnPage p = drawPage(viewWith(t, PlotView::Top, nev, model(sigmas)));
        const std::vector<int> &drawn = p.page.m_spreadPoints;
        const std::vector<Rec::Call> outlines = spreadLines(p.rec, p.H);
        ASSERT_EQ(outlines.size(), drawn.size());
        ASSERT_GE(drawn.size(), 3u);
        EXPECT_EQ(drawn.back(), p.page.m_Punktzahl - 1);
        // The plan view is to scale: logical units per metre.
        const double scale = p.W / (p.page.xmax - p.page.xmin);
        ASSERT_NEAR(scale, p.H / (p.page.ymax - p.page.ymin), 1e-9 * scale);
        for (std::size_t k = 0; k < drawn.size(); ++k) {
            const std::vector<QPoint> &ring = outlines[k].points;
            ASSERT_GE(ring.size(), 5u);
            EXPECT_EQ(ring.front(), ring.back()) << "closed";
            const QPointF centre = p.page.m_Punkte[drawn[k]];
            QPointF mean, farthest;
            double far = 0, near = 1e300;
            for (std::size_t v = 0; v + 1 < ring.size(); ++v) {
                mean += QPointF(ring[v]) / double(ring.size() - 1);
                const double r = distance(ring[v], centre);
                if (r > far)
                    far = r, farthest = QPointF(ring[v]) - centre;
                near = std::min(near, r);
            }
            EXPECT_LT(distance(mean, centre), 1.0) << "centred on station " << drawn[k];
            const unc::Ellipse e = unc::horizontalEllipse(nev[drawn[k]], sigmas);
            EXPECT_NEAR(far, e.semiMajor * scale, 1.5) << drawn[k];
            EXPECT_NEAR(near, e.semiMinor * scale, 1.5) << drawn[k];
            // East across, north up: the azimuth of the farthest vertex.
            const double azimuth = std::atan2(farthest.x(), farthest.y()) / kDeg;
            const double slack = std::atan(1.5 / far) / kDeg + 0.5;
            EXPECT_NEAR(std::remainder(azimuth - e.majorAzimuth, 180.0), 0.0, slack) << drawn[k];
        }
    }
}

TEST(UncertaintyPage, ThinningKeepsTheLastAndTheLargestAndSpacesTheRest)
{
    for (double step : { 1.0, 7.0, 30.0, 100.0 }) {
        const traj::Trajectory t = trajectoryOf(wellLines(step, 200));
        // Largest half way down, shrinking below: the last is not the largest.
        std::vector<unc::Sym3> nev = growing(t);
        const std::size_t n = nev.size();
        for (std::size_t i = n / 2; i < n; ++i)
            nev[i] = growing(t)[n - 1 - i + n / 4];
        const PlotData d = viewWith(t, PlotView::Top, nev, model(2));
        for (const auto &layout : kLayouts) {
            const GraphPage page = laidOut(d, layout);
            const std::vector<int> &drawn = page.m_spreadPoints;
            ASSERT_FALSE(drawn.empty());
            EXPECT_EQ(drawn.back(), page.m_Punktzahl - 1) << "step " << step;
            EXPECT_TRUE(std::is_sorted(drawn.begin(), drawn.end()));
            const double scale = page.m_Breite / (page.xmax - page.xmin);
            std::vector<double> size;
            for (const unc::Sym3 &c : nev)
                size.push_back(unc::horizontalEllipse(c, 2).semiMajor * scale);
            const auto largest = std::max_element(size.begin(), size.end()) - size.begin();
            EXPECT_NE(std::find(drawn.begin(), drawn.end(), largest), drawn.end()) << step;
            // Neighbours differ in place or size by the spacing (the largest may stand
            // closer to the one below it).
            for (std::size_t k = 1; k < drawn.size(); ++k) {
                const int a = drawn[k - 1], b = drawn[k];
                if (a == largest)
                    continue;
                const double apart = distance(page.m_Punkte[a], page.m_Punkte[b]);
                const double grown = std::fabs(size[a] - size[b]);
                EXPECT_GE(std::max(apart, grown), GraphPage::kEllipseSpacing - 1.0)
                    << "step " << step << " stations " << a << " " << b;
            }
            // Every station would pile a hundred ellipses up; the thinned ones are few.
            if (step == 1.0) {
                EXPECT_LT(drawn.size(), n / 10);
            }
        }
    }
}

TEST(UncertaintyPage, ScalingHoldsEllipsesAndBandInsideTheFrame)
{
    const traj::Trajectory deviated = trajectoryOf(wellLines(30, 300));
    const traj::Trajectory vertical = trajectoryOf({ "500 0 0", "1000 0 0", "2000 0 0" });
    struct Case
    {
        const traj::Trajectory *t;
        int view; // 0 side, 1 top, 2 section
        bool trueScale;
    };
    const Case cases[] = { { &deviated, 1, false }, { &vertical, 1, false },
        { &deviated, 0, false }, { &deviated, 0, true }, { &vertical, 0, false },
        { &deviated, 2, false }, { &deviated, 2, true } };
    for (const Case &c : cases) {
        const std::vector<unc::Sym3> nev = growing(*c.t, 6.0);
        const PlotData plain = c.view == 2 ? sectionPlotData(*c.t, "U", 300, LengthUnit::Metre)
                                           : plotDataOf(*c.t, plotViewOf(c.view), "U");
        const PlotData d = c.view == 2 ? sectionWith(*c.t, 300, LengthUnit::Metre, nev, model(3))
                                       : viewWith(*c.t, plotViewOf(c.view), nev, model(3));
        for (const auto &layout : kLayouts) {
            const GraphPage page = laidOut(d, layout, c.trueScale);
            const GraphPage without = laidOut(plain, layout, c.trueScale);
            ASSERT_FALSE(page.m_spreadArea.empty()) << c.view;
            // Ellipses this large need more room than the curve alone.
            EXPECT_GT((page.xmax - page.xmin) * (page.ymax - page.ymin),
                (without.xmax - without.xmin) * (without.ymax - without.ymin))
                << c.view;
            // Under the frame line at most (half its width), and a unit of rounding.
            const int slack = graphstyle::kFramePen.width / 2 + 1;
            for (const auto *shapes : { &page.m_spreadArea, &page.m_spreadOutlines })
                for (const std::vector<QPoint> &shape : *shapes)
                    for (const QPoint &v : shape) {
                        EXPECT_GE(v.x(), -slack) << c.view;
                        EXPECT_LE(v.x(), page.m_Breite + slack) << c.view;
                        EXPECT_GE(v.y(), -page.m_Hoehe - slack) << c.view;
                        EXPECT_LE(v.y(), slack) << c.view;
                    }
        }
    }
}

TEST(UncertaintyPage, ABandTheFrameLineCoversCostsNoTickInterval)
{
    // A few decimetres beside the vertical part, left of a section starting at zero.
    const traj::Trajectory t = trajectoryOf(wellLines(30, 60));
    const PlotData plain = sectionPlotData(t, "U", 60, LengthUnit::Metre);
    const PlotData d = sectionWith(t, 60, LengthUnit::Metre, growing(t, 0.1), model(2));
    for (const auto &layout : kLayouts) {
        const GraphPage page = laidOut(d, layout), without = laidOut(plain, layout);
        ASSERT_FALSE(page.m_spreadOutlines.empty());
        EXPECT_EQ(page.ymin, without.ymin);
        EXPECT_EQ(page.ymax, without.ymax);
        EXPECT_EQ(page.xmin, without.xmin);
        EXPECT_EQ(page.xmax, without.xmax);
        for (const std::vector<QPoint> &line : page.m_spreadOutlines)
            for (const QPoint &v : line)
                EXPECT_GE(v.x(), -graphstyle::kFramePen.width / 2);
    }
    // The frame is drawn again over the outlines.
    const DrawnPage p = drawPage(d);
    long lastOutline = -1, lastFrame = -1;
    for (std::size_t i = 0; i < p.rec.calls.size(); ++i) {
        const Rec::Call &c = p.rec.calls[i];
        if (c.kind == Rec::Kind::Polyline && c.pen == graphstyle::kSpreadPen && c.points.size() > 2)
            lastOutline = static_cast<long>(i);
        if (c.kind == Rec::Kind::Polyline && c.pen == graphstyle::kFramePen)
            lastFrame = static_cast<long>(i);
    }
    EXPECT_GT(lastFrame, lastOutline);
    EXPECT_GE(lastOutline, 0);
}

TEST(UncertaintyPage, SectionBandEnclosesTheCurveAndIsTheSpreadAcrossIt)
{
    // Built to 60 degrees and held along the section's own azimuth: across the straight
    // part the spread in the section's plane is the high-side one alone.
    const double azimuth = 75;
    const traj::Trajectory t = trajectoryOf(wellLines(20, azimuth, 60, 2400));
    const std::vector<unc::Sym3> nev = growing(t);
    for (LengthUnit unit : { LengthUnit::Metre, LengthUnit::Foot }) {
        const double perMetre = units::fromMetres(1.0, unit);
        GraphPage page;
        page.m_bTrueScale = 1;
        Rec rec;
        const PlotData d = sectionWith(t, azimuth, unit, nev, model(2));
        page.OnCompute(d);
        page.zeichnen(rec, d, "T");
        const std::vector<Rec::Call> outlines = spreadLines(rec, page.m_Hoehe);
        ASSERT_GE(outlines.size(), 2u);
        const std::vector<QPoint> &left = outlines[0].points, &right = outlines[1].points;
        ASSERT_EQ(left.size(), right.size());
        ASSERT_GT(left.size(), 20u);
        const double scale = page.m_Breite / (page.ymax - page.ymin); // units per unit of length
        ASSERT_NEAR(scale, page.m_Hoehe / (page.xmax - page.xmin), 1e-9 * scale);

        // The direction of the straight part on the page.
        const int n = page.m_Punktzahl;
        int first = 0;
        while (t.stations[first].inclination < 60 - 1e-3)
            ++first;
        const QPointF a = page.m_Punkte[first + 2], b = page.m_Punkte[n - 1];
        const QPointF along = (b - a) / distance(a, b);
        const auto across = [&](QPointF v) { return along.x() * v.y() - along.y() * v.x(); };

        double widest = 0;
        int checked = 0;
        for (std::size_t j = 0; j < left.size(); ++j) {
            // Either edge as far from the curve, on its own side: the band is centred
            // on a drawn point.
            const QPointF middle = (QPointF(left[j]) + QPointF(right[j])) / 2.0;
            int i = 0;
            for (int k = 1; k < n; ++k)
                if (distance(page.m_Punkte[k], middle) < distance(page.m_Punkte[i], middle))
                    i = k;
            ASSERT_LT(distance(page.m_Punkte[i], middle), 1.5) << j;
            if (i < first + 2)
                continue;
            const QPointF p = page.m_Punkte[i];
            const double l = across(QPointF(left[j]) - p), r = across(QPointF(right[j]) - p);
            EXPECT_LT(l * r, 0.0) << "either side, sample " << j;
            const double expected = 2.0 * 0.003 * t.stations[i].md * perMetre * scale;
            EXPECT_NEAR(std::fabs(l), expected, 1.5) << j;
            EXPECT_NEAR(std::fabs(r), expected, 1.5) << j;
            // Growing with the depth.
            EXPECT_GE(std::fabs(l), widest - 1.0) << j;
            widest = std::max(widest, std::fabs(l));
            ++checked;
        }
        EXPECT_GT(checked, 10);
        // The band ends in the ellipse of the last point.
        EXPECT_EQ(outlines.size(), 3u);
    }
}

TEST(UncertaintyPage, SideViewBandStopsAtZeroDisplacement)
{
    // The vertical part has a horizontal spread of metres and no displacement at all.
    const traj::Trajectory t = trajectoryOf(wellLines(30, 120));
    const PlotData d = viewWith(t, PlotView::Side, growing(t, 4.0), model(2));
    for (const auto &layout : kLayouts) {
        const GraphPage page = laidOut(d, layout);
        EXPECT_EQ(page.ymin, 0.0) << "no negative displacement on the axis";
        ASSERT_FALSE(page.m_spreadOutlines.empty());
        int beside = 0;
        for (const std::vector<QPoint> &line : page.m_spreadOutlines)
            for (const QPoint &v : line) {
                EXPECT_GE(v.x(), 0);
                beside += v.x() > 2 && v.y() > -page.m_Hoehe / 10 ? 1 : 0;
            }
        // Right of the vertical part the band is there all the same.
        EXPECT_GT(beside, 0);
    }
}

TEST(UncertaintyPage, TheViewsProjectTheCovarianceOntoTheirPlane)
{
    // One station held at 40 degrees inclination, azimuth 30.
    const traj::Trajectory t = trajectoryOf({ "100 40 30", "200 40 30" });
    const double h = 2, l = 5, a = 0.5, inc = 40, azi = 30;
    const std::vector<unc::Sym3> nev(t.stations.size(), holeFrame(h, l, a, inc, azi));
    const double si = std::sin(inc * kDeg), ci = std::cos(inc * kDeg);

    const PlotData top = viewWith(t, PlotView::Top, nev, model(2));
    ASSERT_EQ(top.spread.size(), t.stations.size());
    // East and north.
    EXPECT_DOUBLE_EQ(top.spread[2].xx, nev[2].yy);
    EXPECT_DOUBLE_EQ(top.spread[2].yy, nev[2].xx);
    EXPECT_DOUBLE_EQ(top.spread[2].xy, nev[2].xy);

    // Depth and displacement along the hole's own azimuth: the high side and along-hole
    // axes, tilted by the inclination; the lateral one is out of the plane.
    const PlotData side = viewWith(t, PlotView::Side, nev, model(2));
    // (The legacy stations' displacement azimuth is 30 to single precision.)
    EXPECT_NEAR(side.spread[2].xx, h * h * si * si + a * a * ci * ci, 1e-9);
    EXPECT_NEAR(side.spread[2].yy, h * h * ci * ci + a * a * si * si, 1e-5);
    EXPECT_NEAR(side.spread[2].xy, (a * a - h * h) * si * ci, 1e-5);
    EXPECT_TRUE(side.spreadFloorY);
    EXPECT_DOUBLE_EQ(side.sigmas, 2.0);

    // A section 90 degrees off the hole sees the lateral axis across, in feet.
    const PlotData section = sectionWith(t, azi + 90, LengthUnit::Foot, nev, model(2));
    const double ft2 = 0.3048 * 0.3048;
    EXPECT_NEAR(section.spread[2].yy, l * l / ft2, 1e-9);
    EXPECT_NEAR(section.spread[2].xx, (h * h * si * si + a * a * ci * ci) / ft2, 1e-9);
    EXPECT_NEAR(section.spread[2].xy, 0.0, 1e-9);
    EXPECT_FALSE(section.spreadFloorY);
}

bool sameCalls(const Rec &a, const Rec &b)
{
    if (a.calls.size() != b.calls.size())
        return false;
    for (std::size_t i = 0; i < a.calls.size(); ++i) {
        const Rec::Call &x = a.calls[i], &y = b.calls[i];
        if (x.kind != y.kind || x.x1 != y.x1 || x.y1 != y.y1 || x.x2 != y.x2 || x.y2 != y.y2
            || x.text != y.text || x.points != y.points || !(x.pen == y.pen) || !(x.font == y.font)
            || x.filled != y.filled || x.polygons != y.polygons)
            return false;
    }
    return true;
}

TEST(UncertaintyPage, WithoutAModelThePageIsThePageItWas)
{
    const traj::Trajectory t = trajectoryOf(wellLines(30, 40));
    const std::vector<unc::Sym3> nev = growing(t);
    std::vector<unc::Sym3> shorter = nev;
    shorter.pop_back();
    const std::vector<unc::Sym3> zeros(nev.size()), empty;
    for (PlotView view : { PlotView::Side, PlotView::Top }) {
        const PlotData plain = plotDataOf(t, view, "Unsicher");
        const DrawnPage before = drawPage(plain);
        EXPECT_TRUE(before.page.m_spreadArea.empty());
        const struct
        {
            const std::vector<unc::Sym3> &nev;
            UncertaintySettings u;
        } none[] = { { nev, model(2, ErrorModel::None) }, { nev, model(0) }, { nev, model(-1) },
            { nev, model(std::nan("")) }, { shorter, model(2) }, { empty, model(2) } };
        for (const auto &c : none) {
            const PlotData d = viewWith(t, view, c.nev, c.u);
            EXPECT_FALSE(d.hasSpread());
            EXPECT_TRUE(sameCalls(drawPage(d).rec, before.rec));
        }
        // A model whose covariances are all zero has nothing to draw, not even a legend.
        const PlotData zero = viewWith(t, view, zeros, model(2));
        EXPECT_TRUE(zero.hasSpread());
        EXPECT_TRUE(sameCalls(drawPage(zero).rec, before.rec));
    }
}

TEST(UncertaintyPage, AreaUnderTheGridOutlinesOverItCurveOnTopAndTheModelNamed)
{
    const traj::Trajectory t = trajectoryOf(wellLines(30, 40));
    for (PlotView view : { PlotView::Side, PlotView::Top }) {
        const DrawnPage p
            = drawPage(viewWith(t, view, growing(t), model(2.5, ErrorModel::IscwsaMwdRev4)));
        const auto index = [&](auto pred) {
            for (std::size_t i = 0; i < p.rec.calls.size(); ++i)
                if (pred(p.rec.calls[i]))
                    return static_cast<long>(i);
            return -1L;
        };
        const long area = index([](const Rec::Call &c) { return c.kind == Rec::Kind::FillArea; });
        const long grid = index([](const Rec::Call &c) {
            return c.kind == Rec::Kind::LineTo && c.pen == graphstyle::kGridPen;
        });
        const long outline = index([](const Rec::Call &c) {
            return c.kind == Rec::Kind::Polyline && c.pen == graphstyle::kSpreadPen;
        });
        const long curve = index([](const Rec::Call &c) {
            return c.kind == Rec::Kind::Polyline && c.pen == graphstyle::kCurvePen;
        });
        ASSERT_GE(area, 0);
        EXPECT_LT(area, grid);
        EXPECT_LT(grid, outline);
        EXPECT_LT(outline, curve);
        EXPECT_EQ(p.rec.calls[area].fill, graphstyle::kSpreadFill);

        int named = 0;
        for (const Rec::Call &c : p.rec.texts())
            named += c.text.find("ISCWSA MWD Rev. 4") != std::string::npos
                && c.text.find("2,5") != std::string::npos;
        EXPECT_EQ(named, 1);
    }
}

TEST(UncertaintyPage, PngAndSvgExportsShowIt)
{
    ensureGuiApp();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const traj::Trajectory t = trajectoryOf(wellLines(30, 40));
    const PlotData d = viewWith(t, PlotView::Top, growing(t, 4.0), model(2));
    std::string error;
    const std::string png = dir.filePath("u.png").toStdString();
    const std::string svg = dir.filePath("u.svg").toStdString();
    ASSERT_TRUE(exportGraphPage(d, "T", png, error)) << error;
    ASSERT_TRUE(exportGraphPage(d, "T", svg, error)) << error;
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    const QRgb fill
        = qRgb(graphstyle::kSpreadFill.r, graphstyle::kSpreadFill.g, graphstyle::kSpreadFill.b);
    int filled = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            filled += image.pixel(x, y) == fill;
    EXPECT_GT(filled, 1000);
    QFile file(QString::fromStdString(svg));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString colour = QColor(fill).name();
    EXPECT_TRUE(file.readAll().contains(colour.toLatin1())) << colour.toStdString();
}

} // namespace
