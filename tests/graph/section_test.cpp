// The vertical section: its series against the geometry of a well of known shape, the
// page's captions, and the picture to scale that a reader measures.
#include "core/cformat.h"
#include "curveangle.h"
#include "graph/pageexport.h"
#include "graph/sectionview.h"
#include "graphtestdata.h"
#include "recordinghelpers.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

using namespace graphtest;

namespace {

// Builds to 45 degrees inclination, then holds it, all at azimuth 30.
traj::Trajectory straightAt30()
{
    return trajectoryOf({ "100 0 30", "200 45 30", "1000 45 30" });
}

PlotData section(const traj::Trajectory &t, double azimuth, LengthUnit unit)
{
    return sectionPlotData(t, "Testbohrung", azimuth, unit);
}

TEST(SectionView, SeriesAreDepthAndTheProjectedOffset)
{
    const traj::Trajectory d = straightAt30();
    const std::vector<traj::Station> &st = d.stations;
    ASSERT_EQ(st.size(), 4u);
    // The automatic azimuth is the well's own: the section is the whole displacement.
    const double automatic = sectionAzimuthOf(d, std::nullopt);
    EXPECT_NEAR(automatic, 30.0, 1e-9);
    // At right angles the offset vanishes; turned round it changes sign.
    for (const auto &[azimuth, factor] : { std::pair { 30.0, 1.0 }, { 120.0, 0.0 }, { 210.0, -1.0 },
             { 90.0, std::cos(60.0 * M_PI / 180.0) } }) {
        const PlotData s = section(d, azimuth, LengthUnit::Metre);
        ASSERT_EQ(s.count(), 4);
        for (size_t i = 0; i < st.size(); ++i) {
            EXPECT_NEAR(s.x[i], st[i].tvd, 1e-3) << i;
            EXPECT_NEAR(s.y[i], factor * st[i].displacement, 1e-3) << azimuth << " " << i;
        }
    }
    const PlotData feet = section(d, 30.0, LengthUnit::Foot);
    EXPECT_NEAR(feet.x[3], st[3].tvd / 0.3048, 1e-2);
    EXPECT_NEAR(feet.y[3], st[3].displacement / 0.3048, 1e-2);
    EXPECT_EQ(feet.xTitel, "Vertikalschnitt (ft)");
    // The side view of the same trajectory is a value of its own. (The section used to
    // be a modified copy of the side view's data, which had to stay as they were.)
    const PlotData side = plotDataOf(d, PlotView::Side, "Testbohrung");
    EXPECT_EQ(side.kurven, 2);
    EXPECT_NEAR(side.y1[3], 30.0, 1e-4);
}

TEST(SectionView, PageNamesTheAzimuthAndDrawsOneCurve)
{
    ensureGuiApp();
    const PlotData s = section(straightAt30(), 123.45, LengthUnit::Metre);
    const DrawnPage p = drawPage(s);
    const std::vector<Rec::Call> texts = p.rec.texts();
    const auto has = [&](const std::string &t) {
        return std::any_of(
            texts.begin(), texts.end(), [&](const Rec::Call &c) { return c.text == t; });
    };
    EXPECT_TRUE(has("Vertikalschnitt Azimut 123,5°"));
    EXPECT_TRUE(has("Vertikalschnitt (m)"));
    EXPECT_TRUE(has("Bohrlochsverlauf"));
    EXPECT_FALSE(has("  Azimut   ")); // no second curve
    // One curve through every station, the first at the wellhead on the top edge.
    const auto curves = p.rec.ofKind(Rec::Kind::Polyline);
    ASSERT_EQ(curves.size(), 1u);
    ASSERT_EQ(curves[0].points.size(), 4u);
    EXPECT_EQ(curves[0].points[0].y(), 0);
}

TEST(SectionView, ExportedPicturesShowTheApparentInclination)
{
    ensureGuiApp();
    QTemporaryDir dir;
    const traj::Trajectory d = straightAt30();
    // Seen along its own azimuth the straight part leans 45 degrees from the vertical;
    // 60 degrees off, tan(apparent) = tan(45) * cos(60).
    for (const auto &[azimuth, expected] :
        { std::pair { 30.0, 45.0 }, { 90.0, std::atan(0.5) * 180.0 / M_PI } }) {
        const std::string path = dir.filePath(QStringLiteral("s.png")).toStdString();
        std::string error;
        ASSERT_TRUE(exportGraphPage(section(d, azimuth, LengthUnit::Metre), "T", path, error, true))
            << error;
        // Going up the page the curve runs to the left, back to the wellhead.
        EXPECT_NEAR(redCurveAngle(QImage(QString::fromStdString(path))), -expected, 0.5) << azimuth;
    }
}

} // namespace
