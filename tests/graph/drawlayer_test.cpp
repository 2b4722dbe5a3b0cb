// The drawing layer: behaviour both back ends share, and the QPainter back end's
// mapping of logical units (0.1 mm, y upward) to pixels, its fonts and its texts.
#include "graph/graphstyle.h"
#include "graph/painterdrawcontext.h"
#include "graph/recordingdrawcontext.h"
#include "graphtestdata.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <memory>

namespace {

// One logical unit per pixel: the image shows 0.1 mm per pixel.
QImage whiteImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    return image;
}

bool dark(QRgb p)
{
    return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100;
}

// Owns whatever a back end draws on.
struct RecordingBackend
{
    RecordingDrawContext dc;
};

struct PainterBackend
{
    QImage image = whiteImage(400, 300);
    QPainter painter { &image };
    PainterDrawContext dc { painter };
};

template <typename Backend> class DrawLayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        graphtest::ensureGuiApp();
        backend = std::make_unique<Backend>();
    }
    DrawContext &dc() { return backend->dc; }
    std::unique_ptr<Backend> backend;
};

using Backends = ::testing::Types<RecordingBackend, PainterBackend>;
TYPED_TEST_SUITE(DrawLayerTest, Backends);

TYPED_TEST(DrawLayerTest, SelectingReturnsThePreviousObject)
{
    DrawContext &dc = this->dc();
    const DrawPen first = dc.selectPen(graphstyle::kFramePen);
    EXPECT_EQ(dc.selectPen(graphstyle::kGridPen), graphstyle::kFramePen);
    EXPECT_EQ(dc.selectPen(first), graphstyle::kGridPen);
    EXPECT_EQ(dc.pen(), first);
    const DrawFont font = dc.selectFont(graphstyle::kTitleFont);
    EXPECT_EQ(dc.selectFont(font), graphstyle::kTitleFont);
    EXPECT_EQ(dc.font(), font);
}

TYPED_TEST(DrawLayerTest, AlignmentAndOrigin)
{
    DrawContext &dc = this->dc();
    EXPECT_EQ(dc.textAlign(), TextAlign::TopLeft);
    dc.setTextAlign(TextAlign::TopCenter);
    EXPECT_EQ(dc.textAlign(), TextAlign::TopCenter);
    dc.setWindowOrg(-400, 450);
    EXPECT_EQ(dc.windowOrg(), QPoint(-400, 450));
}

TYPED_TEST(DrawLayerTest, TextExtentIsTheCellOfTheSelectedFont)
{
    DrawContext &dc = this->dc();
    for (const DrawFont &font :
        { graphstyle::kTitleFont, graphstyle::kCaptionFont, graphstyle::kLabelFont }) {
        dc.selectFont(font);
        const DrawSize one = dc.textExtent("0");
        const DrawSize ten = dc.textExtent("0123456789");
        // A positive height is the height of the text cell.
        EXPECT_NEAR(one.cy, font.height, 2) << font.height;
        EXPECT_EQ(ten.cy, one.cy);
        // Fixed pitch: ten characters are ten times as wide as one.
        EXPECT_NEAR(ten.cx, 10 * one.cx, 10);
        EXPECT_GT(one.cx, font.height / 3);
        EXPECT_LT(one.cx, font.height);
        EXPECT_EQ(dc.textExtent("").cx, 0);
    }
}

TYPED_TEST(DrawLayerTest, PensAndAreasKeepTheirOpacity)
{
    DrawContext &dc = this->dc();
    // Opaque unless told otherwise, as every colour was before colours had an opacity.
    EXPECT_EQ(DrawColor {}.a, 255);
    EXPECT_EQ((DrawColor { 1, 2, 3 }).a, 255);
    const DrawPen veil { PenStyle::Solid, 2, { 10, 20, 30, 77 } };
    dc.selectPen(veil);
    EXPECT_EQ(dc.pen().color.a, 77);
    EXPECT_NE(dc.pen(), (DrawPen { PenStyle::Solid, 2, { 10, 20, 30 } }));
    dc.fillArea({ { { 0, 0 }, { 10, 0 }, { 10, -10 } } }, { 1, 2, 3, 40 });
}

TEST(RecordingBackend, RecordsTheOpacityOfAnArea)
{
    RecordingDrawContext dc;
    dc.fillArea({ { { 0, 0 }, { 10, 0 }, { 10, -10 } } }, { 1, 2, 3, 40 });
    ASSERT_EQ(dc.ofKind(RecordingDrawContext::Kind::FillArea).size(), 1u);
    EXPECT_EQ(dc.ofKind(RecordingDrawContext::Kind::FillArea)[0].fill, (DrawColor { 1, 2, 3, 40 }));
}

class PainterBackendTest : public ::testing::Test
{
protected:
    void SetUp() override { graphtest::ensureGuiApp(); }
};

TEST_F(PainterBackendTest, YGrowsUpwardFromTheWindowOrigin)
{
    QImage image = whiteImage(300, 200);
    {
        QPainter painter(&image);
        PainterDrawContext dc(painter);
        dc.setWindowOrg(-10, 10);
        dc.selectPen({ PenStyle::Solid, 0, { 0, 0, 0 } });
        dc.moveTo(0, -50);
        dc.lineTo(100, -50);
    }
    // Logical y -50 lies 60 units below the origin's y of 10; x 0 is 10 units right.
    EXPECT_TRUE(dark(image.pixel(60, 60)));
    EXPECT_FALSE(dark(image.pixel(60, 40)));
    EXPECT_FALSE(dark(image.pixel(60, 80)));
    EXPECT_FALSE(dark(image.pixel(5, 60)));
    EXPECT_FALSE(dark(image.pixel(115, 60)));
}

TEST_F(PainterBackendTest, ScalesByTheDeviceResolution)
{
    // 96 pixels per inch: 254 logical units are 96 pixels.
    QImage image(200, 200, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter painter(&image);
    PainterDrawContext dc(painter);
    EXPECT_NEAR(dc.toDevice(254, -254).x(), 96.0, 0.5);
    EXPECT_NEAR(dc.toDevice(254, -254).y(), 96.0, 0.5);
    EXPECT_NEAR(dc.toLogical(QPointF(96, 96)).y(), -254.0, 1.5);
}

TEST_F(PainterBackendTest, PenWidthIsInLogicalUnits)
{
    QImage image = whiteImage(100, 100);
    {
        QPainter painter(&image);
        PainterDrawContext dc(painter);
        dc.selectPen(graphstyle::kFramePen);
        dc.moveTo(50, 0);
        dc.lineTo(50, -100);
    }
    int width = 0;
    for (int x = 40; x < 60; ++x)
        width += dark(image.pixel(x, 50)) ? 1 : 0;
    EXPECT_NEAR(width, 4, 1);
}

TEST_F(PainterBackendTest, FontsResolveToTheDebianFixedPitchFaces)
{
    QImage image = whiteImage(10, 10);
    QPainter painter(&image);
    PainterDrawContext dc(painter);
    const QFontInfo graph(dc.qtFont(graphstyle::kLabelFont));
    EXPECT_EQ(graph.family(), QStringLiteral("Liberation Mono"));
    EXPECT_TRUE(graph.fixedPitch());
    EXPECT_EQ(graph.weight(), 700);
    const QFontInfo table(dc.qtFont({ -40, 400, FontFamily::DontCare, "Courier New" }));
    EXPECT_EQ(table.family(), QStringLiteral("Liberation Mono"));
}

TEST_F(PainterBackendTest, TextIsUprightAndHangsFromItsAnchor)
{
    QImage image = whiteImage(400, 300);
    {
        QPainter painter(&image);
        PainterDrawContext dc(painter);
        dc.setWindowOrg(0, 0);
        dc.selectFont({ 200, 700, FontFamily::Modern, {} });
        dc.setTextAlign(TextAlign::TopCenter);
        dc.textOut(200, -50, "T");
    }
    int top = -1, bottom = -1, left = 400, right = -1;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            if (dark(image.pixel(x, y))) {
                if (top < 0)
                    top = y;
                bottom = y;
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(top, 0) << "nothing drawn";
    // The glyph lies below its anchor row and within one cell height.
    EXPECT_GE(top, 50);
    EXPECT_LE(bottom, 250);
    // Centred on x = 200.
    EXPECT_NEAR((left + right) / 2.0, 200.0, 4.0);
    // Upright: the bar of the T is at the top of the glyph.
    auto rowWidth = [&](int y) {
        int n = 0;
        for (int x = 0; x < 400; ++x)
            n += dark(image.pixel(x, y)) ? 1 : 0;
        return n;
    };
    EXPECT_GT(rowWidth(top + 3), 3 * rowWidth(bottom - 3));
}

TEST_F(PainterBackendTest, RectangleIsFilledWhiteAndPolylineNeedsTwoPoints)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::green);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    {
        QPainter painter(&image);
        PainterDrawContext dc(painter);
        dc.selectPen(graphstyle::kCurvePen);
        const QPoint single[] = { QPoint(150, -150) };
        dc.polyline(single, 1);
        dc.selectPen(graphstyle::kFramePen);
        dc.rectangle(10, -10, 100, -100);
    }
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 255, 255));
    EXPECT_TRUE(dark(image.pixel(10, 50)));
    EXPECT_EQ(image.pixel(150, 150), qRgb(0, 255, 0));
}

TEST_F(PainterBackendTest, FilledAreaIsTheUnionOfItsPolygonsWithoutSeams)
{
    QImage image = whiteImage(200, 200);
    const DrawColor colour { 200, 100, 50 };
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PainterDrawContext dc(painter);
        // A square as two triangles on its diagonal, and one overlapping it that turns the
        // other way round.
        dc.fillArea({ { { 10, -10 }, { 110, -10 }, { 110, -110 } },
                        { { 10, -10 }, { 110, -110 }, { 10, -110 } },
                        { { 60, -60 }, { 60, -160 }, { 160, -160 }, { 160, -60 } } },
            colour);
    }
    const QRgb fill = qRgb(colour.r, colour.g, colour.b);
    // Filled pieces meeting on the diagonal leave no lighter line between them.
    for (int d = 15; d < 105; ++d)
        EXPECT_EQ(image.pixel(d, d), fill) << d;
    EXPECT_EQ(image.pixel(85, 85), fill); // where the squares overlap
    EXPECT_EQ(image.pixel(150, 150), fill);
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(150, 30), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(30, 150), qRgb(255, 255, 255));
}

TEST_F(PainterBackendTest, TranslucentColoursBlendWithWhatLiesBeneath)
{
    QImage image = whiteImage(200, 200);
    {
        QPainter painter(&image);
        PainterDrawContext dc(painter);
        // A black bar, then a half-opaque blue area over part of it and of the white.
        dc.fillArea({ { { 0, -80 }, { 200, -80 }, { 200, -120 }, { 0, -120 } } }, { 0, 0, 0 });
        dc.fillArea({ { { 100, 0 }, { 200, 0 }, { 200, -200 }, { 100, -200 } },
                        { { 150, -50 }, { 190, -50 }, { 190, -150 } } },
            { 0, 0, 255, 128 });
        // A translucent pen over the white.
        dc.selectPen({ PenStyle::Solid, 20, { 255, 0, 0, 64 } });
        dc.moveTo(20, -20);
        dc.lineTo(60, -20);
    }
    const auto near = [](QRgb p, int r, int g, int b) {
        return std::abs(qRed(p) - r) <= 2 && std::abs(qGreen(p) - g) <= 2
            && std::abs(qBlue(p) - b) <= 2;
    };
    EXPECT_TRUE(near(image.pixel(50, 100), 0, 0, 0));
    // Half of the blue over white and over black; once over both, even where the area's
    // polygons overlap.
    EXPECT_TRUE(near(image.pixel(120, 40), 127, 127, 255)) << std::hex << image.pixel(120, 40);
    EXPECT_TRUE(near(image.pixel(170, 60), 127, 127, 255)) << std::hex << image.pixel(170, 60);
    EXPECT_TRUE(near(image.pixel(120, 100), 0, 0, 128)) << std::hex << image.pixel(120, 100);
    EXPECT_TRUE(near(image.pixel(40, 20), 255, 191, 191)) << std::hex << image.pixel(40, 20);
    EXPECT_EQ(image.pixel(50, 150), qRgb(255, 255, 255));
}

} // namespace
