// The file export of the graph page: a rendered PNG checked at a few pixels, SVG and
// PDF files, and the German messages for what cannot be written.
#include "core/win1252.h"
#include "graph/graphpage.h"
#include "graph/pageexport.h"
#include "graphtestdata.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

class ExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        graphtest::ensureGuiApp();
        ASSERT_TRUE(dir.isValid());
    }
    std::string path(const char *name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

bool isRed(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90;
}

bool isBlack(QRgb p)
{
    return qRed(p) < 70 && qGreen(p) < 70 && qBlue(p) < 70;
}

TEST_F(ExportTest, PngShowsTheBlackFrameAndTheRedCurve)
{
    const PlotData d = graphtest::computed(graphtest::kExampleStations, 1); // top view
    std::string error;
    ASSERT_TRUE(exportGraphPage(d, "Test.dvn", path("page.png"), error)) << error;
    QImage image(QString::fromStdString(path("page.png")));
    ASSERT_FALSE(image.isNull());
    // One pixel per logical unit from the window origin (-400, 350); the used area
    // reaches 40 mm right of the plot area and 30 mm below it.
    EXPECT_EQ(image.width(), 400 + 1300 + 400);
    EXPECT_EQ(image.height(), 350 + 750 + 300);
    auto px = [&](int x, int y) { return image.pixel(x + 400, 350 - y); };

    // Frame: left edge at x = 0 and bottom edge at y = -750, away from ticks and grid.
    EXPECT_TRUE(isBlack(px(0, -100)));
    EXPECT_TRUE(isBlack(px(1300, -111)));
    EXPECT_TRUE(isBlack(px(111, -750)));
    EXPECT_EQ(px(111, -740), qRgb(255, 255, 255)); // inside, clear of grid and curve

    // The curve from the third to the fourth station, halfway.
    GraphPage page;
    page.OnCompute(d);
    const QPoint a = page.m_Punkte[2], b = page.m_Punkte[3];
    ASSERT_GT((b - a).manhattanLength(), 100);
    const QPoint mid = (a + b) / 2;
    EXPECT_TRUE(isRed(px(mid.x(), mid.y()))) << mid.x() << "," << mid.y();
    // Its legend line, 170 units below the plot area.
    int redOnLegendRow = 0;
    for (int x = 650; x < 1300; ++x)
        redOnLegendRow += isRed(px(x, -750 - 170)) ? 1 : 0;
    EXPECT_GT(redOnLegendRow, 150);

    // The title hangs from y = 300 within its 80-unit cell; nothing above it.
    int darkInTitle = 0, darkAbove = 0;
    for (int x = 0; x < 1300; ++x) {
        for (int y = 300; y > 220; --y)
            darkInTitle += isBlack(px(x, y)) ? 1 : 0;
        for (int y = 345; y > 305; --y)
            darkAbove += isBlack(px(x, y)) ? 1 : 0;
    }
    EXPECT_GT(darkInTitle, 200);
    EXPECT_EQ(darkAbove, 0);
}

TEST_F(ExportTest, SvgAndPdfAreWritten)
{
    const PlotData d = graphtest::computed(graphtest::kExampleStations, 0);
    std::string error;
    ASSERT_TRUE(exportGraphPage(d, "Test.dvn", path("page.svg"), error)) << error;
    ASSERT_TRUE(exportGraphPage(d, "Test.dvn", path("page.PDF"), error)) << error;
    QFile svg(QString::fromStdString(path("page.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray svgText = svg.readAll();
    EXPECT_TRUE(svgText.contains("<svg"));
    EXPECT_TRUE(svgText.contains("Seigerteufe"));
    QFile pdf(QString::fromStdString(path("page.PDF")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray pdfBytes = pdf.readAll();
    EXPECT_TRUE(pdfBytes.startsWith("%PDF-"));
    // One page, A4 portrait in points.
    EXPECT_EQ(pdfBytes.count("/Type /Page\n") + pdfBytes.count("/Type /Page\r"), 1);
    EXPECT_TRUE(pdfBytes.contains("/MediaBox [0 0 595") || pdfBytes.contains("/MediaBox[0 0 595"));
}

TEST_F(ExportTest, ThePageDrawsEveryCharacterOfTheNamesItsFontHas)
{
    // A name and a title with letters the document file could not hold (it keeps
    // Windows-1252, where they would be "?"): the page draws them as they are.
    PlotData d = graphtest::computed(graphtest::kExampleStations, 0);
    d.grafikTitel = "Łódź σ-1 „Nord“";
    std::string error;
    ASSERT_TRUE(exportGraphPage(d, "Ŝtrasse.dvn", path("page.svg"), error)) << error;
    QFile file(QString::fromStdString(path("page.svg")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    // Drawn as text of the picture, not only named in its title.
    const auto drawn = [&](const QString &text) {
        return svg.contains(QStringLiteral(">") + text + QStringLiteral("</text>"))
            || svg.contains(QStringLiteral(">") + text + QStringLiteral("<"));
    };
    EXPECT_TRUE(drawn(QString::fromUtf8("Łódź σ-1 „Nord“"))) << svg.toStdString();
    EXPECT_TRUE(drawn(QString::fromUtf8("Dokument Ŝtrasse.dvn")));
    EXPECT_FALSE(svg.contains(QStringLiteral("?d? ?-1")));
}

TEST_F(ExportTest, UnknownExtensionIsRefusedAndTheFileLeftAlone)
{
    QFile existing(dir.filePath("page.txt"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep");
    existing.close();
    std::string error;
    EXPECT_FALSE(exportGraphPage(PlotData(), "T", path("page.txt"), error));
    EXPECT_NE(error.find("PNG, SVG oder PDF"), std::string::npos) << error;
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("keep"));
    error.clear();
    EXPECT_FALSE(exportGraphPage(PlotData(), "T", path("page"), error));
    EXPECT_FALSE(error.empty());
}

TEST_F(ExportTest, UnwritablePathGivesAGermanMessage)
{
    const PlotData d = graphtest::computed(graphtest::kExampleStations, 0);
    std::string error;
    const std::string target = path("kein/Ordner/grafik.png");
    EXPECT_FALSE(exportGraphPage(d, "T", target, error));
    EXPECT_NE(error.find("kann nicht geschrieben werden"), std::string::npos) << error;
    EXPECT_NE(error.find("grafik.png"), std::string::npos) << error;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(target)));
}

} // namespace
