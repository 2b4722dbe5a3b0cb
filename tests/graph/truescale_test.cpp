// Pages a reader can trust: the plan view to scale in every layout, on PNG and PDF,
// no rounding noise in ranges and ticks, the well's ends marked, the azimuth without
// false strokes, texts that fit, and the page's notes.
#include "core/cformat.h"
#include "curveangle.h"
#include "graph/pageexport.h"
#include "graph/pagemath.h"
#include "graphtestdata.h"
#include "recordinghelpers.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

using namespace graphtest;

namespace {

// Builds to 45 degrees, then holds the azimuth.
PlotData heldAzimuth(double azimuth, int ansicht)
{
    const std::string a = cfmt(" %g", azimuth);
    return computed({ "100 0" + a, "200 45" + a, "1000 45" + a }, ansicht);
}

TEST(TrueScale, PlanViewShowsTheAzimuthInEveryLayout)
{
    for (double azimuth : { 2.4, 30.0, 90.0, 124.6, 180.0, 200.0, 333.0 }) {
        const PlotData d = heldAzimuth(azimuth, 1);
        for (const auto &[zoom, print, portrait] :
            { std::tuple { 0, 0, 1 }, { 1, 0, 1 }, { 0, 1, 1 }, { 0, 1, 0 } }) {
            GraphPage page;
            page.m_target = layoutTarget(zoom, print, portrait);
            page.OnCompute(d);
            EXPECT_NEAR(page.scaleRatio(d), 1.0, 1e-9);
            EXPECT_NEAR(std::remainder(page.xstart, page.deltax), 0.0, 1e-9 * page.deltax);
            EXPECT_NEAR(std::remainder(page.ystart, page.deltay), 0.0, 1e-9 * page.deltay);
            const QPoint a = page.m_Punkte[2], b = page.m_Punkte[3];
            const double drawn = std::atan2(b.x() - a.x(), b.y() - a.y()) * 180.0 / M_PI;
            EXPECT_NEAR(std::remainder(drawn - azimuth, 360.0), 0.0, 0.5)
                << azimuth << " zoom " << zoom << " print " << print << " " << portrait;
        }
    }
}

TEST(TrueScale, SideViewSaysHowFarItExaggeratesUnlessDrawnToScale)
{
    const PlotData d = heldAzimuth(30, 0);
    GraphPage page;
    page.OnCompute(d);
    // 700 m across 1300 units against 800 m down 750 units.
    EXPECT_NEAR(page.scaleRatio(d), (1300.0 / 700) / (750.0 / 800), 1e-9);
    EXPECT_EQ(page.notes(d), std::vector<std::string> { "Horizontal 2,0-fach überhöht" });
    page.m_bTrueScale = 1;
    page.OnCompute(d);
    EXPECT_NEAR(page.scaleRatio(d), 1.0, 1e-9);
    EXPECT_TRUE(page.notes(d).empty());
    EXPECT_EQ(page.m_Punkte[0], QPoint(0, 0)); // the surface stays in the top left corner
}

TEST(Noise, DueEastWellIsStraightAndItsLabelsAreClean)
{
    const DrawnPage p = drawPage(heldAzimuth(90, 1));
    for (int i = 1; i < p.page.m_Punktzahl; ++i)
        EXPECT_EQ(p.page.m_Punkte[i].y(), -p.H / 2);
    int zeros = 0;
    for (const auto &c : p.rec.texts()) {
        if (c.font != graphstyle::kLabelFont)
            continue;
        EXPECT_EQ(c.text.find("e-"), std::string::npos) << c.text;
        EXPECT_NE(c.text.front(), ' ') << c.text;
        EXPECT_NE(c.text.substr(0, 2), "-0") << c.text;
        zeros += c.text == "0" ? 1 : 0;
    }
    EXPECT_EQ(zeros, 2); // east and north
}

TEST(Noise, TicksAreTheDecimalsTheyStandFor)
{
    EXPECT_TRUE(pagemath::negligibleSpread(-1e-14, 2.5e-14));
    EXPECT_TRUE(pagemath::negligibleSpread(1e7, 1e7 + 1e-3));
    EXPECT_FALSE(pagemath::negligibleSpread(0.0, 0.001));
    for (double spacing : { 0.0002, 0.02, 0.1, 0.2, 0.5, 1.0, 5.0, 200.0, 5e5 }) {
        for (int k = 0; k <= 20; ++k) {
            const std::string text = cfmt("%.12g", (k - 7) * spacing);
            double decimal = 0.0;
            std::from_chars(text.data(), text.data() + text.size(), decimal);
            const double v = pagemath::tickAt(-7 * spacing, k, spacing);
            EXPECT_EQ(v, decimal + 0.0) << spacing << " " << k;
            EXPECT_FALSE(std::signbit(v) && v == 0.0);
        }
    }
    EXPECT_DOUBLE_EQ(pagemath::tickAt(-0.99999, 0, 1.0), -0.99999); // no multiple: kept
}

TEST(Markers, WellheadAndEndInThePlotAreaAndInTheLegend)
{
    for (int ansicht : { 0, 1 }) {
        // A vertical well: in the top view head and end lie in the middle.
        const DrawnPage p = drawPage(computed({ "100 0 0", "200 0 0" }, ansicht));
        const auto circles = p.rec.ofKind(Rec::Kind::Ellipse);
        ASSERT_EQ(circles.size(), 4u); // two on the curve, two in the legend
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(circles[i].filled, i % 2 == 1);
            EXPECT_EQ(circles[i].pen, graphstyle::kCurvePen);
        }
        const QPoint head((circles[0].x1 + circles[0].x2) / 2, (circles[0].y1 + circles[0].y2) / 2);
        EXPECT_TRUE(QRect(0, -p.H, p.W + 1, p.H + 1).contains(head));
        if (ansicht == 1) {
            EXPECT_EQ(head, QPoint(p.W / 2, -p.H / 2));
        }
        // The legend stays within the 17 mm right of the plot area that a landscape
        // sheet with 10 mm margins leaves.
        const Rec::Call *end = p.rec.findText("Endpunkt");
        ASSERT_NE(end, nullptr);
        ASSERT_NE(p.rec.findText("Ansatz"), nullptr);
        EXPECT_LE(end->x1 + 8 * 27, p.W + 170);
    }
}

TEST(Azimuth, NoStrokeFromTheVerticalSectionNorAcrossNorth)
{
    // The displacement heads 350.0 and 352.5 degrees, then 3.8 and 15.4 degrees.
    const DrawnPage p = drawPage(
        computed({ "100 0 0", "200 10 350", "300 20 355", "400 25 30", "500 25 40" }, 0));
    std::vector<size_t> pieces;
    for (const auto &c : p.rec.ofKind(Rec::Kind::Polyline))
        if (c.pen == graphstyle::kCurve1Pen)
            pieces.push_back(c.points.size());
    EXPECT_EQ(pieces, (std::vector<size_t> { 2, 2 }));
}

TEST(Texts, LongNamesAreShortenedToTheirRoom)
{
    PlotData d = computed(kExampleStations, 0);
    d.grafikTitel = std::string(120, 'T');
    const DrawnPage p = drawPage(d, std::string(90, 'D'));
    for (const auto &c : p.rec.texts()) {
        Rec measure;
        measure.selectFont(c.font);
        const int w = measure.textExtent(c.text).cx;
        if (c.text[0] == 'T' && c.text[1] == 'T') {
            EXPECT_LE(w, p.W + graphstyle::kTitleOverhang);
            EXPECT_TRUE(c.text.ends_with("…"));
        } else if (c.text.rfind("Dokument", 0) == 0) {
            EXPECT_TRUE(c.text.ends_with("…"));
            EXPECT_GE(c.x1 - w / 2, -400); // on the page, clear of the azimuth legend
            EXPECT_LT(c.x1 + w / 2, p.W / 2 - 11 * 27 / 2);
        }
    }
}

TEST(Export, PngAndPdfShowThePlanViewDirection)
{
    ensureGuiApp();
    QTemporaryDir dir;
    const PlotData d = heldAzimuth(30, 1);
    const auto exported = [&](const char *name) {
        std::string error;
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(exportGraphPage(d, "T", path.toStdString(), error)) << error;
        return path;
    };
    EXPECT_NEAR(redCurveAngle(QImage(exported("top.png"))), 30.0, 0.5);

    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is needed to look at the PDF page";
    const QString page = dir.filePath(QStringLiteral("page"));
    ASSERT_EQ(QProcess::execute(
                  pdftoppm, { "-png", "-r", "100", "-singlefile", exported("top.pdf"), page }),
        0);
    EXPECT_NEAR(redCurveAngle(QImage(page + ".png")), 30.0, 0.5);
}

} // namespace

// The side view to scale takes the well's proportions: a deep, narrow well gets an
// upright area on screen and on a portrait sheet, its deepest point near the bottom
// edge (the depth axis is not stretched to make room across), a shallow, wide one keeps
// the landscape area. Labels of an axis never run into each other.
TEST(TrueScale, SideViewAreaFollowsTheWellsProportions)
{
    const PlotData deep = computed(
        { "500 1 30", "1000 3 35", "1500 4 40", "2000 5 40", "2500 5 42", "3000 6 45" }, 0);
    const PlotData wide = computed({ "100 0 90", "200 60 90", "1500 88 90" }, 0);
    for (const auto &[print, portrait] : { std::pair { 0, 1 }, { 1, 1 } }) {
        for (const PlotData *d : { &deep, &wide }) {
            GraphPage page;
            page.m_bTrueScale = 1;
            page.m_target = layoutTarget(0, print, portrait);
            page.OnCompute(*d);
            SCOPED_TRACE(d == &deep ? "deep" : "wide");
            EXPECT_NEAR(page.scaleRatio(*d), 1.0, 1e-9);
            int lowest = 0, farthest = 0;
            for (int i = 0; i < page.m_Punktzahl; ++i) {
                lowest = std::min(lowest, page.m_Punkte[size_t(i)].y());
                farthest = std::max(farthest, page.m_Punkte[size_t(i)].x());
            }
            if (d == &deep) {
                EXPECT_GT(page.m_Hoehe, page.m_Breite) << "print " << print;
                EXPECT_LT(lowest, -page.m_Hoehe * 8 / 10) << "print " << print;
            } else if (print == 0) {
                EXPECT_GT(page.m_Breite, page.m_Hoehe);
                EXPECT_GT(farthest, page.m_Breite / 2);
            }

            Rec rec;
            page.zeichnen(rec, *d, "t.dvn");
            // Label-font texts on one row (the axes across), left to right, apart.
            std::map<int, std::vector<std::pair<int, int>>> rows;
            for (const auto &c : rec.texts()) {
                if (c.font != graphstyle::kLabelFont)
                    continue;
                Rec measure;
                measure.selectFont(c.font);
                const int w = measure.textExtent(c.text).cx;
                rows[c.y1].push_back({ c.x1 - w / 2, c.x1 + w / 2 });
            }
            for (auto &[y, spans] : rows) {
                std::sort(spans.begin(), spans.end());
                for (size_t i = 1; i < spans.size(); ++i)
                    EXPECT_LT(spans[i - 1].second, spans[i].first) << "row " << y;
            }
        }
    }
}
