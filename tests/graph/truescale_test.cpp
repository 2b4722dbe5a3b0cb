// Pages a reader can trust: the plan view to scale in every layout, ranges and ticks
// free of rounding noise, the well's ends marked, the azimuth without false sweeps,
// texts that fit, and the page's notes on exaggeration and aborted computations.
#include "core/cformat.h"
#include "curveangle.h"
#include "graph/graphpage.h"
#include "graph/pageexport.h"
#include "graph/pagemath.h"
#include "graphtestdata.h"
#include "recordinghelpers.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <charconv>
#include <cmath>

using namespace graphtest;

namespace {

// Stations that build to 45 degrees and then hold the azimuth.
std::vector<std::string> heldAzimuth(double azimuth)
{
    const std::string a = cfmt("%g", azimuth);
    return { "100 0 " + a, "200 45 " + a, "1000 45 " + a };
}

// Direction of the last drawn interval, clockwise from the page's vertical.
double lastLegAngle(const GraphPage &page)
{
    const QPoint a = page.m_Punkte[page.m_Punktzahl - 2], b = page.m_Punkte[page.m_Punktzahl - 1];
    return std::atan2(b.x() - a.x(), b.y() - a.y()) * 180.0 / M_PI;
}

double angleDiff(double a, double b)
{
    return std::remainder(a - b, 360.0);
}

struct Layout
{
    int zoom, print, portrait;
};

TEST(TrueScale, PlanViewShowsTheAzimuthInEveryLayout)
{
    for (double azimuth : { 2.4, 30.0, 90.0, 124.6, 180.0, 200.0, 270.0, 333.0 }) {
        const SurveyData d = computed(heldAzimuth(azimuth), 1);
        for (const Layout l :
            { Layout { 0, 0, 1 }, Layout { 1, 0, 1 }, Layout { 0, 1, 1 }, Layout { 0, 1, 0 } }) {
            GraphPage page;
            page.m_bGrafiklupe = l.zoom;
            page.m_bPrint = l.print;
            page.m_bPortrait = l.portrait;
            page.OnCompute(d);
            // One metre is as long across as up, and the data stay inside.
            const double across = page.m_Breite / (page.xmax - page.xmin);
            const double up = page.m_Hoehe / (page.ymax - page.ymin);
            EXPECT_NEAR(across / up, 1.0, 1e-9) << azimuth;
            for (int i = 0; i < page.m_Punktzahl; ++i) {
                EXPECT_GE(d.m_X[i], page.xmin);
                EXPECT_LE(d.m_X[i], page.xmax);
                EXPECT_GE(d.m_Y[i], page.ymin);
                EXPECT_LE(d.m_Y[i], page.ymax);
            }
            // The curve fills the area in one direction; ticks stay on whole spacings.
            EXPECT_TRUE(std::fabs(page.xstart - page.xmin) < 1e-9
                || std::fabs(page.ymin - page.ystart) < 1e-9
                || std::fabs(page.ymax - page.ymin - 2 * page.deltay) < 1e-9);
            for (double first : { page.xstart, page.ystart }) {
                const double spacing = first == page.xstart ? page.deltax : page.deltay;
                EXPECT_NEAR(std::remainder(first, spacing), 0.0, 1e-9 * spacing);
            }
            EXPECT_NEAR(angleDiff(lastLegAngle(page), azimuth), 0.0, 0.5)
                << azimuth << " zoom " << l.zoom << " print " << l.print << " portrait "
                << l.portrait;
        }
    }
}

TEST(TrueScale, SideViewSaysHowFarItExaggeratesUnlessDrawnToScale)
{
    const SurveyData d = computed(heldAzimuth(30), 0);
    GraphPage page;
    page.OnCompute(d);
    // 700 m across 1300 units against 800 m down 750 units.
    EXPECT_NEAR(page.scaleRatio(d), (1300.0 / 700) / (750.0 / 800), 1e-9);
    RecordingDrawContext rec;
    page.zeichnen(rec, d, "T");
    EXPECT_NE(rec.findText("Horizontal 2,0-fach \xFC"
                           "berh\xF6ht"),
        nullptr);

    page.m_bTrueScale = 1;
    page.OnCompute(d);
    EXPECT_NEAR(page.scaleRatio(d), 1.0, 1e-9);
    EXPECT_TRUE(page.notes(d).empty());
    // The surface stays on the top edge and the displacement starts on the left edge.
    EXPECT_EQ(page.xmin, 0.0);
    EXPECT_EQ(page.ymin, 0.0);
    EXPECT_EQ(page.m_Punkte[0], QPoint(0, 0));
}

TEST(Noise, DueEastWellIsStraightAndItsLabelsAreClean)
{
    const SurveyData d = computed(heldAzimuth(90), 1);
    const DrawnPage p = drawPage(d);
    for (int i = 1; i < p.page.m_Punktzahl; ++i)
        EXPECT_EQ(p.page.m_Punkte[i].y(), p.page.m_Punkte[0].y());
    EXPECT_DOUBLE_EQ(p.page.ymin, -p.page.ymax); // centred on north 0
    bool zero = false;
    for (const auto &c : p.rec.texts()) {
        if (c.font != graphstyle::kLabelFont)
            continue;
        EXPECT_EQ(c.text.find("e-"), std::string::npos) << c.text;
        // No negative zero such as "-0" or "-0.000".
        EXPECT_FALSE(
            c.text.rfind("-0", 0) == 0 && c.text.find_first_not_of("-0.") == std::string::npos)
            << c.text;
        EXPECT_NE(c.text.front(), ' ') << c.text;
        zero = zero || c.text == "0";
    }
    EXPECT_TRUE(zero);
}

TEST(Noise, TicksAreWholeSpacingsWithoutRoundingError)
{
    EXPECT_TRUE(pagemath::negligibleSpread(-1e-14, 2.5e-14));
    EXPECT_TRUE(pagemath::negligibleSpread(1e7, 1e7 + 1e-3));
    EXPECT_FALSE(pagemath::negligibleSpread(0.0, 0.001));
    for (double spacing : { 0.0002, 0.02, 0.1, 0.2, 0.5, 1.0, 5.0, 200.0, 5e5 }) {
        for (int k = 0; k <= 20; ++k) {
            const double first = -7 * spacing;
            const double v = pagemath::tickAt(first, k, spacing);
            // The double nearest to the decimal number it stands for.
            const std::string text = cfmt("%.12g", (k - 7) * spacing);
            double decimal = 0.0;
            std::from_chars(text.data(), text.data() + text.size(), decimal);
            EXPECT_EQ(v, decimal + 0.0) << spacing << " " << k;
            if (k == 7) {
                EXPECT_FALSE(std::signbit(v));
            }
        }
    }
    // Not a multiple of its spacing: left as it is.
    EXPECT_DOUBLE_EQ(pagemath::tickAt(-0.99999, 0, 1.0), -0.99999);
}

TEST(Markers, WellheadAndEndInThePlotAreaAndTheLegend)
{
    for (int ansicht : { 0, 1 }) {
        // A vertical well: in the top view head and end coincide in the middle.
        const SurveyData d = computed({ "100 0 0", "200 0 0" }, ansicht);
        const DrawnPage p = drawPage(d);
        const auto circles = p.rec.ofKind(Rec::Kind::Ellipse);
        ASSERT_EQ(circles.size(), 4u);
        for (size_t i = 0; i < 2; ++i) {
            const int cx = (circles[i].x1 + circles[i].x2) / 2,
                      cy = (circles[i].y1 + circles[i].y2) / 2;
            EXPECT_EQ(circles[i].pen, graphstyle::kCurvePen);
            EXPECT_GE(cx, 0);
            EXPECT_LE(cx, p.W);
            EXPECT_LE(cy, 0);
            EXPECT_GE(cy, -p.H);
            if (ansicht == 1) {
                EXPECT_EQ(QPoint(cx, cy), QPoint(p.W / 2, -p.H / 2));
            }
        }
        EXPECT_FALSE(circles[0].filled);
        EXPECT_TRUE(circles[1].filled);
        // Their legend: one row above the plot area, within the 17 mm right of it that
        // a landscape sheet with 10 mm margins leaves.
        ASSERT_NE(p.rec.findText("Ansatz"), nullptr);
        const Rec::Call *end = p.rec.findText("Endpunkt");
        ASSERT_NE(end, nullptr);
        EXPECT_GT(end->y1, 0);
        Rec measure;
        measure.selectFont(graphstyle::kLabelFont);
        EXPECT_LE(end->x1 + measure.textExtent("Endpunkt").cx, p.W + 170);
        for (size_t i = 2; i < 4; ++i)
            EXPECT_EQ(circles[i].filled, i == 3);
    }
}

TEST(Azimuth, NoLineFromTheVerticalSectionAndNoneAcrossNorth)
{
    const SurveyData d
        = computed({ "100 0 0", "200 10 350", "300 20 355", "400 25 30", "500 25 40" }, 0);
    const DrawnPage p = drawPage(d);
    std::vector<Rec::Call> blue;
    for (const auto &c : p.rec.ofKind(Rec::Kind::Polyline))
        if (c.pen == graphstyle::kCurve1Pen)
            blue.push_back(c);
    // The displacement heads 350.0 and 352.5 degrees, then 3.8 and 15.4 degrees: two
    // pieces, none from the vertical surface section.
    ASSERT_EQ(blue.size(), 2u);
    EXPECT_EQ(blue[0].points.size(), 2u);
    EXPECT_EQ(blue[1].points.size(), 2u);
    for (const auto &c : blue)
        for (size_t i = 1; i < c.points.size(); ++i)
            EXPECT_LT(std::abs(c.points[i].x() - c.points[i - 1].x()), p.W / 2);
}

TEST(Texts, LongNamesAreShortenedToTheirRoom)
{
    SurveyData d = computed(kExampleStations, 0);
    d.m_GrafikTitel = std::string(120, 'T');
    const std::string docTitle(90, 'D');
    const DrawnPage p = drawPage(d, docTitle);
    Rec measure;
    for (const auto &c : p.rec.texts()) {
        measure.selectFont(c.font);
        const int w = measure.textExtent(c.text).cx;
        if (c.text.rfind("TTT", 0) == 0) {
            EXPECT_LE(w, p.W + graphstyle::kTitleOverhang);
            EXPECT_EQ(c.text.back(), '\x85');
        }
        if (c.text.rfind("Dokument", 0) == 0) {
            EXPECT_EQ(c.text.back(), '\x85');
            measure.selectFont(graphstyle::kLabelFont);
            const int legendLeft = p.W / 2 - measure.textExtent(d.m_Legende1).cx / 2;
            EXPECT_LT(c.x1 + w / 2, legendLeft);
            EXPECT_GE(c.x1 - w / 2, -400);
        }
    }
}

TEST(Export, PngSvgAndPdfShowThePlanViewDirection)
{
    ensureGuiApp();
    QTemporaryDir dir;
    const SurveyData d = computed(heldAzimuth(30), 1);
    std::string error;
    const QString png = dir.filePath(QStringLiteral("top.png"));
    ASSERT_TRUE(exportGraphPage(d, "T", png.toStdString(), error));
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_NEAR(redCurveAngle(image, frameBottomRow(image)), 30.0, 0.5);

    // The SVG drawn by Qt's own renderer, one pixel per logical unit.
    const QString svg = dir.filePath(QStringLiteral("top.svg"));
    ASSERT_TRUE(exportGraphPage(d, "T", svg.toStdString(), error));
    QSvgRenderer renderer(svg);
    QImage svgImage(renderer.defaultSize(), QImage::Format_RGB32);
    svgImage.fill(Qt::white);
    {
        QPainter painter(&svgImage);
        renderer.render(&painter);
    }
    EXPECT_NEAR(redCurveAngle(svgImage, frameBottomRow(svgImage)), 30.0, 0.5);

    // The PDF page (portrait printing layout), rendered back by poppler when present.
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is needed to look at the PDF page";
    const QString pdf = dir.filePath(QStringLiteral("top.pdf"));
    ASSERT_TRUE(exportGraphPage(d, "T", pdf.toStdString(), error));
    const QString base = dir.filePath(QStringLiteral("pdfpage"));
    ASSERT_EQ(QProcess::execute(pdftoppm,
                  { QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                      QStringLiteral("-singlefile"), pdf, base }),
        0);
    const QImage page(base + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(redCurveAngle(page, frameBottomRow(page)), 30.0, 0.5);
}

} // namespace
