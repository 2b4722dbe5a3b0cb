// The batch tool's 3D view: `--view 3d --plot` draws the path where the camera puts it
// (pixels of the written image checked at points projected by the scene's own camera,
// whose projection scene3d_tests checks against independent arithmetic), `--camera`
// turns it, SVG and PDF are written too, and bad cameras are refused.
#include "clitool.h"

#include "graph3d/view3dexport.h"
#include "graph3d/view3dscene.h"
#include "well/computation.h"

#include <QImage>

namespace {

using clitest::ToolTest;

const char *const kStations = "0 0 0\n500 0 0\n1500 60 120\n2500 60 120\n";

traj::Trajectory computed()
{
    well::Well w;
    w.survey = well::surveyFromLines({ "0 0 0", "500 0 0", "1500 60 120", "2500 60 120" });
    return well::compute(w).path;
}

bool curveColoured(QRgb p)
{
    // The path's red, faded toward white with distance at most half way.
    return qRed(p) >= 200 && qGreen(p) <= 160 && qBlue(p) <= 160 && qRed(p) - qGreen(p) >= 80;
}

// Whether a pixel within `radius` of (x, y) has the curve's colour.
bool curveNear(const QImage &image, QPointF at, int radius = 3)
{
    const int x0 = static_cast<int>(std::lround(at.x())),
              y0 = static_cast<int>(std::lround(at.y()));
    for (int y = y0 - radius; y <= y0 + radius; ++y)
        for (int x = x0 - radius; x <= x0 + radius; ++x)
            if (image.valid(x, y) && curveColoured(image.pixel(x, y)))
                return true;
    return false;
}

// The image pixels where the batch tool's camera from `azimuth` and `elevation` shows
// points of the path every 100 m.
std::vector<QPointF> projectedCourse(double azimuth, double elevation)
{
    const traj::Trajectory path = computed();
    const scene3d::Scene scene = view3d::documentScene("Test", path, {}, 0);
    const scene3d::Camera camera = view3d::batchCamera(scene, azimuth, elevation);
    const view3d::ImageLayout layout
        = view3d::imageLayout(view3d::kBatchWidth, view3d::kBatchHeight, view3d::kBatchPixels);
    const scene3d::Projector project(camera);
    std::vector<QPointF> out;
    traj::Point p;
    for (double md = 50; traj::pointAtMd(path, md, p); md += 100) {
        const scene3d::Projected q = project({ p.north, p.east, p.tvd });
        out.push_back(layout.pixelOf({ q.x, q.y }));
    }
    return out;
}

} // namespace

TEST_F(ToolTest, View3dDrawsThePathWhereTheCameraPutsIt)
{
    write("s.txt", kStations);
    ASSERT_EQ(run("--stations s.txt --name Test --view 3d --plot v.png").status, 0) << file("err");
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(dir + "/v.png")));
    EXPECT_EQ(image.size(), view3d::kBatchPixels);
    int white = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            white += image.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_LT(white, (image.width() / 4) * (image.height() / 4)) << "a blank image";

    const std::vector<QPointF> course
        = projectedCourse(scene3d::kHomeAzimuth, scene3d::kHomeElevation);
    ASSERT_GE(course.size(), 20u);
    for (const QPointF &at : course)
        EXPECT_TRUE(curveNear(image, at)) << at.x() << " " << at.y();

    // From the north, level: the same points land elsewhere, and the picture follows.
    ASSERT_EQ(run("--stations s.txt --name Test --view 3d --camera 0,0 --plot n.png").status, 0);
    QImage north;
    ASSERT_TRUE(north.load(QString::fromStdString(dir + "/n.png")));
    const std::vector<QPointF> fromNorth = projectedCourse(0, 0);
    for (const QPointF &at : fromNorth)
        EXPECT_TRUE(curveNear(north, at)) << at.x() << " " << at.y();
    // The deep part of the course of the first picture is white in the second.
    int moved = 0;
    for (std::size_t i = course.size() / 2; i < course.size(); ++i)
        moved += !curveNear(north, course[i], 1);
    EXPECT_GT(moved, static_cast<int>(course.size() / 4));
}

TEST_F(ToolTest, View3dWritesSvgAndAPdfPageAndRefusesBadCameras)
{
    write("s.txt", kStations);
    ASSERT_EQ(run("--stations s.txt --name 'Bohrung 3D' --view 3d --plot v.svg").status, 0);
    const std::string svg = file("v.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Bohrung 3D"), std::string::npos);
    ASSERT_EQ(
        run("--stations s.txt --name 'Bohrung 3D' --view 3d --camera 90,30 --plot v.pdf").status,
        0);
    const std::string pdf = file("v.pdf");
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);

    for (const char *bad : { "--camera 10", "--camera 10,95", "--camera a,b", "--camera 1,2,3" }) {
        const clitest::Result r
            = run(std::string("--stations s.txt --view 3d --plot x.png ") + bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.err.find("--camera erwartet Azimut und Elevation"), std::string::npos) << r.err;
    }
    const clitest::Result alone = run("--stations s.txt --camera 10,20 --plot x.png");
    EXPECT_EQ(alone.status, 2);
    EXPECT_NE(alone.err.find("--camera gilt nur mit --view 3d"), std::string::npos) << alone.err;
    const clitest::Result wrongType = run("--stations s.txt --view 3d --plot x.bmp");
    EXPECT_EQ(wrongType.status, 2);
    EXPECT_NE(wrongType.err.find("PNG, SVG oder PDF"), std::string::npos) << wrongType.err;
}
