// One frame of the 3D view: the depth order of what it draws, the thinning to the pixels,
// the clipping to the view, the tube's rings split at the path and its body around it.
#include "scene3d/frame.h"
#include "scene3dtest.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace scene3d;
using namespace scene3dtest;

namespace {

std::vector<const Item *> itemsOf(const Frame &f, ItemKind kind, int well)
{
    std::vector<const Item *> out;
    for (const Item &i : f.items)
        if (i.kind == kind && i.well == well)
            out.push_back(&i);
    return out;
}

std::size_t indexOf(const Frame &f, const Item *item)
{
    return static_cast<std::size_t>(item - f.items.data());
}

// Inside a polygon (any turning), by the crossings of a ray.
bool inside(const std::vector<Point2> &polygon, const Point2 &p)
{
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point2 &a = polygon[i], &b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
            in = !in;
    }
    return in;
}

// Covariances growing from none at the wellhead to `variance` (m²) at 1000 m MD.
WellInput withTube(WellInput w, double variance)
{
    for (const traj::Station &s : w.path.stations) {
        const double v = variance * s.md / 1000;
        w.covariances.push_back({ v, 2 * v, v, 0, 0, 0 });
    }
    return w;
}

} // namespace

TEST(Frame3d, ANearerPieceIsDrawnAfterAFartherOne)
{
    // Two horizontal holes crossing one above the other: seen from above, the shallower
    // one is nearer and must cover the deeper one where they cross.
    const Scene scene = buildScene(
        { wellOf("deep", { { 1000, 0, 0 }, { 1100, 90, 0 }, { 2000, 90, 0 } }, -500, 0),
            wellOf("shallow", { { 600, 0, 0 }, { 700, 90, 90 }, { 1600, 90, 90 } }, 0, -500) },
        {});
    const Camera above = fitted(scene, 180, 90, 2000, 2000);
    const Frame frame = frameOf(scene, above, { 2000, 2000, 1 });
    const auto deep = itemsOf(frame, ItemKind::Path, 0),
               shallow = itemsOf(frame, ItemKind::Path, 1);
    ASSERT_FALSE(deep.empty());
    ASSERT_FALSE(shallow.empty());
    EXPECT_LT(indexOf(frame, deep.back()), indexOf(frame, shallow.front()));
    // The order holds for every item: depths never fall along the list.
    for (std::size_t i = 1; i < frame.items.size(); ++i)
        EXPECT_LE(frame.items[i - 1].depth, frame.items[i].depth);

    // Seen from below the order turns round.
    const Frame below = frameOf(scene, fitted(scene, 0, -90, 2000, 2000), { 2000, 2000, 1 });
    EXPECT_LT(indexOf(below, itemsOf(below, ItemKind::Path, 1).back()),
        indexOf(below, itemsOf(below, ItemKind::Path, 0).front()));
    // The near side is the full colour, the far side faded: nearness grows with depth.
    EXPECT_GT(shallow.front()->nearness, deep.back()->nearness);
}

TEST(Frame3d, ThePathIsThinnedToWhatThePixelsResolveAndKeepsItsEnds)
{
    // A thousand stations on 100 m, shown 100 pixels long: about a hundred points drawn.
    std::vector<std::array<double, 3>> stations;
    for (int i = 1; i <= 1000; ++i)
        stations.push_back({ 0.1 * i, 0, 0 });
    const Scene scene = buildScene({ wellOf("V", stations) }, {});
    ASSERT_EQ(scene.wells[0].points.size(), 1001u);
    Camera c = viewedFrom(Camera {}, StandardView::FromNorth);
    c.target = { 0, 0, 50 };
    c.scale = 1; // one output unit per metre
    const double pixel = 1; // and one per pixel
    const Frame frame = frameOf(scene, c, { 400, 400, pixel });
    std::size_t drawn = 0;
    const auto pieces = itemsOf(frame, ItemKind::Path, 0);
    for (const Item *piece : pieces) {
        drawn += piece->points.size() - 1;
        for (std::size_t i = 1; i < piece->points.size(); ++i)
            EXPECT_GE(std::hypot(piece->points[i].x - piece->points[i - 1].x,
                          piece->points[i].y - piece->points[i - 1].y),
                pixel - 1e-9);
    }
    EXPECT_LE(drawn, 101u);
    EXPECT_GE(drawn, 99u);
    // From the wellhead at the top to the end at the bottom.
    std::vector<Point2> ends;
    for (const Item *piece : pieces) {
        ends.push_back(piece->points.front());
        ends.push_back(piece->points.back());
    }
    const auto [low, high] = std::minmax_element(
        ends.begin(), ends.end(), [](const Point2 &a, const Point2 &b) { return a.y < b.y; });
    EXPECT_NEAR(high->y, 50, 1e-9);
    EXPECT_NEAR(low->y, -50, 1e-9);
}

TEST(Frame3d, NothingReachesOutOfTheView)
{
    const Scene scene = buildScene({ withTube(wellOf("A", buildSection()), 400),
                                       withTube(wellOf("B", { { 2500, 70, 200 } }, 30, 30), 900) },
        [] {
            SceneOptions o;
            o.sigmas = 3;
            return o;
        }());
    const double w = 800, h = 500;
    // Zoomed in on a part of the wells, so that much lies outside.
    Camera c = fitted(scene, 225, 25, w, h);
    c = zoomedAt(c, 5, 60, -40);
    const Frame frame = frameOf(scene, c, { w, h, 0.5 });
    const auto inView = [&](const Point2 &p) {
        return p.x >= -w / 2 - 1e-9 && p.x <= w / 2 + 1e-9 && p.y >= -h / 2 - 1e-9
            && p.y <= h / 2 + 1e-9;
    };
    std::size_t onEdge = 0;
    for (const Item &i : frame.items)
        for (const Point2 &p : i.points) {
            EXPECT_TRUE(inView(p)) << p.x << " " << p.y;
            onEdge += std::fabs(std::fabs(p.x) - w / 2) < 1e-6
                || std::fabs(std::fabs(p.y) - h / 2) < 1e-6;
        }
    for (const auto &line : frame.grid)
        for (const Point2 &p : line)
            EXPECT_TRUE(inView(p));
    for (const TubeBody &b : frame.bodies)
        for (const auto &polygon : b.polygons)
            for (const Point2 &p : polygon)
                EXPECT_TRUE(inView(p));
    for (const Label &l : frame.labels)
        EXPECT_TRUE(inView(l.at));
    // Paths leaving the view end on its edge rather than short of it.
    EXPECT_GT(onEdge, 0u);
    EXPECT_FALSE(frame.items.empty());
}

TEST(Frame3d, TheTubesRingsSplitAtThePathAndItsBodyHoldsThePath)
{
    SceneOptions o;
    o.sigmas = 2;
    const Scene scene = buildScene({ withTube(wellOf("A", buildSection()), 2500) }, o);
    const SceneWell &w = scene.wells[0];
    const Camera c = fitted(scene, 200, 20, 1000, 1000);
    const Projector project(c);
    // Rings so far apart that only the one at the end is drawn (the wellhead's has no
    // size).
    FrameOptions options;
    options.ringSpacing = 1e9;
    const Frame frame = frameOf(scene, c, { 1000, 1000, 1 }, options);
    const auto halves = itemsOf(frame, ItemKind::Ring, 0);
    ASSERT_GE(halves.size(), 2u);
    const Ring &ring = w.rings.back();
    const Projected centre = project(ring.centre);
    // Its points lie on the ellipse the camera makes of it ...
    const Point2 a { c.scale * dot(ring.major, project.right()),
        c.scale * dot(ring.major, project.up()) };
    const Point2 b { c.scale * dot(ring.minor, project.right()),
        c.scale * dot(ring.minor, project.up()) };
    const double det = a.x * b.y - a.y * b.x;
    int front = 0, back = 0;
    for (const Item *half : halves) {
        for (const Point2 &p : half->points) {
            // The ellipse's own angle: the coordinates in the basis of its semi-axes.
            const double dx = p.x - centre.x, dy = p.y - centre.y;
            const double u = (dx * b.y - dy * b.x) / det, v = (a.x * dy - a.y * dx) / det;
            EXPECT_NEAR(u * u + v * v, 1, 1e-9);
        }
        // ... in front of the path and behind it, and sorted so around the path's piece.
        (half->depth > centre.depth ? front : back) += 1;
    }
    EXPECT_GT(front, 0);
    EXPECT_GT(back, 0);
    const auto paths = itemsOf(frame, ItemKind::Path, 0);
    const Item *last = paths.front();
    for (const Item *p : paths)
        if (std::hypot(p->points.back().x - centre.x, p->points.back().y - centre.y) < 1e-6)
            last = p;
    for (const Item *half : halves)
        EXPECT_EQ(half->depth > last->depth, indexOf(frame, half) > indexOf(frame, last));

    // The body is one area whose polygons hold every point of the path.
    ASSERT_EQ(frame.bodies.size(), 1u);
    const TubeBody &body = frame.bodies[0];
    for (const Point3 &p : w.points) {
        const Projected q = project(p);
        const bool held = std::any_of(
            body.polygons.begin(), body.polygons.end(), [&](const std::vector<Point2> &polygon) {
                return inside(polygon, { q.x, q.y });
            });
        // The wellhead has no spread: its ellipse is the point itself, on the edge.
        if (length(p) > 1) {
            EXPECT_TRUE(held) << p.north << " " << p.east << " " << p.tvd;
        }
    }
    // Without the tube neither rings nor body.
    options.tube = false;
    const Frame plain = frameOf(scene, c, { 1000, 1000, 1 }, options);
    EXPECT_TRUE(plain.bodies.empty());
    EXPECT_TRUE(itemsOf(plain, ItemKind::Ring, 0).empty());
}

TEST(Frame3d, ScaleBarIsARoundLengthTrueToTheScale)
{
    const Scene scene = buildScene({ wellOf("A", buildSection()) }, {});
    for (double scale : { 0.013, 0.5, 2.7, 40.0 }) {
        Camera c;
        c.scale = scale;
        const Frame f = frameOf(scene, c, { 1800, 1000, 1 });
        EXPECT_NEAR(f.scaleLength, f.scaleMetres * scale, 1e-9);
        EXPECT_LE(f.scaleLength, 1800.0 / 5 + 1e-9);
        // The next round length would be too long.
        EXPECT_GT(roundStep(f.scaleMetres * 1.01) * scale, 1800.0 / 5);
    }
}
