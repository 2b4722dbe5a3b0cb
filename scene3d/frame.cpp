// One picture of the scene: projected, thinned, clipped and sorted by depth.
#include "scene3d/frame.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace scene3d {

namespace {

    struct Rect
    {
        double x0, y0, x1, y1;
        bool contains(const Point2 &p) const
        {
            return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1;
        }
    };

    double distance(const Projected &a, const Projected &b)
    {
        return std::hypot(a.x - b.x, a.y - b.y);
    }

    double distance(const Point2 &a, const Point2 &b)
    {
        return std::hypot(a.x - b.x, a.y - b.y);
    }

    // The part of the segment a-b inside the rectangle (Liang and Barsky); false when none.
    bool clipSegment(Point2 &a, Point2 &b, const Rect &r)
    {
        const double dx = b.x - a.x, dy = b.y - a.y;
        double t0 = 0, t1 = 1;
        const double p[4] = { -dx, dx, -dy, dy };
        const double q[4] = { a.x - r.x0, r.x1 - a.x, a.y - r.y0, r.y1 - a.y };
        for (int k = 0; k < 4; ++k) {
            if (p[k] == 0) {
                if (q[k] < 0)
                    return false;
                continue;
            }
            const double t = q[k] / p[k];
            if (p[k] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
            if (t0 > t1)
                return false;
        }
        const Point2 from { a.x + t0 * dx, a.y + t0 * dy };
        const Point2 to { a.x + t1 * dx, a.y + t1 * dy };
        a = from;
        b = to;
        return true;
    }

    // The runs of a polyline inside the rectangle, each of two points or more.
    void clipPolyline(const std::vector<Point2> &line, const Rect &r,
        const std::function<void(std::vector<Point2> &&)> &emit)
    {
        std::vector<Point2> run;
        for (std::size_t i = 1; i < line.size(); ++i) {
            Point2 a = line[i - 1], b = line[i];
            const bool whole = r.contains(a) && r.contains(b);
            if (!whole && !clipSegment(a, b, r)) {
                if (run.size() >= 2)
                    emit(std::move(run));
                run.clear();
                continue;
            }
            if (!run.empty() && !(run.back() == a)) {
                if (run.size() >= 2)
                    emit(std::move(run));
                run.clear();
            }
            if (run.empty())
                run.push_back(a);
            run.push_back(b);
            if (!whole && !(b == line[i])) {
                // Left the rectangle here.
                emit(std::move(run));
                run.clear();
            }
        }
        if (run.size() >= 2)
            emit(std::move(run));
    }

    // The polygon cut to the rectangle (Sutherland and Hodgman); a convex polygon stays one.
    std::vector<Point2> clipPolygon(std::vector<Point2> poly, const Rect &r)
    {
        const auto cut = [&](auto inside, auto cross) {
            std::vector<Point2> out;
            out.reserve(poly.size() + 4);
            for (std::size_t i = 0; i < poly.size(); ++i) {
                const Point2 &cur = poly[i];
                const Point2 &prev = poly[(i + poly.size() - 1) % poly.size()];
                const bool in = inside(cur), prevIn = inside(prev);
                if (in != prevIn)
                    out.push_back(cross(prev, cur));
                if (in)
                    out.push_back(cur);
            }
            poly = std::move(out);
        };
        const auto atX = [](double x) {
            return [x](const Point2 &a, const Point2 &b) {
                const double t = (x - a.x) / (b.x - a.x);
                return Point2 { x, a.y + t * (b.y - a.y) };
            };
        };
        const auto atY = [](double y) {
            return [y](const Point2 &a, const Point2 &b) {
                const double t = (y - a.y) / (b.y - a.y);
                return Point2 { a.x + t * (b.x - a.x), y };
            };
        };
        cut([&](const Point2 &p) { return p.x >= r.x0; }, atX(r.x0));
        if (!poly.empty())
            cut([&](const Point2 &p) { return p.x <= r.x1; }, atX(r.x1));
        if (!poly.empty())
            cut([&](const Point2 &p) { return p.y >= r.y0; }, atY(r.y0));
        if (!poly.empty())
            cut([&](const Point2 &p) { return p.y <= r.y1; }, atY(r.y1));
        return poly;
    }

    double cross(const Point2 &o, const Point2 &a, const Point2 &b)
    {
        return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
    }

    // The convex hull, counter-clockwise (Andrew's monotone chain).
    std::vector<Point2> convexHull(std::vector<Point2> p)
    {
        std::sort(p.begin(), p.end(), [](const Point2 &a, const Point2 &b) {
            return a.x < b.x || (a.x == b.x && a.y < b.y);
        });
        if (p.size() < 3)
            return p;
        std::vector<Point2> hull(2 * p.size());
        std::size_t k = 0;
        for (std::size_t i = 0; i < p.size(); ++i) {
            while (k >= 2 && cross(hull[k - 2], hull[k - 1], p[i]) <= 0)
                --k;
            hull[k++] = p[i];
        }
        for (std::size_t i = p.size() - 1, t = k + 1; i > 0; --i) {
            while (k >= t && cross(hull[k - 2], hull[k - 1], p[i - 1]) <= 0)
                --k;
            hull[k++] = p[i - 1];
        }
        hull.resize(k - 1);
        return hull;
    }

    // An ellipse of a tube as the camera shows it: centre and semi-axes in the picture, and
    // how far the semi-axes reach toward the viewer.
    struct FlatRing
    {
        Projected centre;
        Point2 major, minor;
        double majorDepth = 0, minorDepth = 0;

        double size() const
        {
            return std::max(std::hypot(major.x, major.y), std::hypot(minor.x, minor.y));
        }
        Point2 at(double t) const
        {
            const double c = std::cos(t), s = std::sin(t);
            return { centre.x + c * major.x + s * minor.x, centre.y + c * major.y + s * minor.y };
        }
        double depthAt(double t) const
        {
            return centre.depth + std::cos(t) * majorDepth + std::sin(t) * minorDepth;
        }
    };

    FlatRing flatten(const Ring &r, const Projected &centre, const Projector &proj, double scale)
    {
        FlatRing f;
        f.centre = centre;
        f.major = { scale * dot(r.major, proj.right()), scale * dot(r.major, proj.up()) };
        f.minor = { scale * dot(r.minor, proj.right()), scale * dot(r.minor, proj.up()) };
        f.majorDepth = dot(r.major, proj.toward());
        f.minorDepth = dot(r.minor, proj.toward());
        return f;
    }

    class FrameBuilder
    {
    public:
        FrameBuilder(const Scene &scene, const Camera &camera, const Viewport &view,
            const FrameOptions &options)
            : m_scene(scene)
            , m_camera(camera)
            , m_proj(camera)
            , m_view(view)
            , m_options(options)
            , m_rect { -view.width / 2, -view.height / 2, view.width / 2, view.height / 2 }
            , m_pixel(view.pixel > 0 ? view.pixel : 1)
        {
            // The depth cue spans the scene's box as this camera sees it, so that it does not
            // change while the view only pans or zooms.
            const Box3 &b = scene.bounds;
            m_near = -HUGE_VAL, m_far = HUGE_VAL;
            if (!b.empty()) {
                for (double n : { b.low.north, b.high.north })
                    for (double e : { b.low.east, b.high.east })
                        for (double z : { b.low.tvd, b.high.tvd }) {
                            const double d = m_proj({ n, e, z }).depth;
                            m_near = std::max(m_near, d);
                            m_far = std::min(m_far, d);
                        }
            }
        }

        Frame build()
        {
            addGrid();
            for (std::size_t w = 0; w < m_scene.wells.size(); ++w)
                addWell(static_cast<int>(w));
            std::stable_sort(m_frame.items.begin(), m_frame.items.end(),
                [](const Item &a, const Item &b) { return a.depth < b.depth; });
            std::stable_sort(m_frame.bodies.begin(), m_frame.bodies.end(),
                [](const TubeBody &a, const TubeBody &b) { return a.depth < b.depth; });
            std::stable_partition(m_frame.labels.begin(), m_frame.labels.end(),
                [](const Label &l) { return l.kind == Label::Kind::Name; });
            m_frame.scaleMetres = roundStepBelow(m_view.width / 5 / m_camera.scale);
            m_frame.scaleLength = m_frame.scaleMetres * m_camera.scale;
            return std::move(m_frame);
        }

    private:
        double nearness(double depth) const
        {
            if (!(m_near > m_far))
                return 1;
            return std::clamp((depth - m_far) / (m_near - m_far), 0.0, 1.0);
        }
        Point2 flat(const Point3 &p) const
        {
            const Projected q = m_proj(p);
            return { q.x, q.y };
        }

        void addLine(std::vector<std::vector<Point2>> &into, const std::vector<Point2> &line)
        {
            clipPolyline(
                line, m_rect, [&](std::vector<Point2> &&run) { into.push_back(std::move(run)); });
        }

        void addItem(ItemKind kind, int well, double depth, const std::vector<Point2> &line)
        {
            clipPolyline(line, m_rect, [&](std::vector<Point2> &&run) {
                m_frame.items.push_back({ kind, well, depth, nearness(depth), std::move(run) });
            });
        }

        void addGrid()
        {
            const Grid &g = m_scene.grid;
            if (!(g.spacing > 0))
                return;
            const int rows = static_cast<int>(std::lround((g.northHigh - g.northLow) / g.spacing));
            const int columns = static_cast<int>(std::lround((g.eastHigh - g.eastLow) / g.spacing));
            for (int k = 0; k <= rows; ++k) {
                const double n = g.northLow + k * g.spacing;
                addLine(m_frame.grid, { flat({ n, g.eastLow, 0 }), flat({ n, g.eastHigh, 0 }) });
            }
            for (int k = 0; k <= columns; ++k) {
                const double e = g.eastLow + k * g.spacing;
                addLine(m_frame.grid, { flat({ g.northLow, e, 0 }), flat({ g.northHigh, e, 0 }) });
            }
            const NorthArrow arrow = northArrowOf(g);
            const Point2 t = flat(arrow.tail), h = flat(arrow.head);
            if (distance(t, h) < 4 * m_pixel)
                return;
            addLine(m_frame.northArrow, { t, h });
            addLine(m_frame.northArrow, { flat(arrow.left), h, flat(arrow.right) });
            m_frame.northLabel = flat(arrow.label);
        }

        void addWell(int index)
        {
            const SceneWell &w = m_scene.wells[static_cast<std::size_t>(index)];
            const std::size_t n = w.points.size();
            if (n == 0)
                return;
            std::vector<Projected> q(n);
            for (std::size_t i = 0; i < n; ++i)
                q[i] = m_proj(w.points[i]);

            // What one pixel resolves: a point nearer than a pixel to the last one kept adds
            // nothing to the line.
            std::vector<std::size_t> kept { 0 };
            for (std::size_t i = 1; i < n; ++i) {
                if (i + 1 == n || distance(q[i], q[kept.back()]) >= m_pixel)
                    kept.push_back(i);
            }

            const bool tube = m_options.tube && w.rings.size() == n;
            if (tube)
                addTube(index, w, q, kept);

            // The path in short pieces, each sorted by its own depth.
            std::vector<Point2> line;
            double length = 0, depthSum = 0;
            const auto flush = [&] {
                if (line.size() >= 2)
                    addItem(
                        ItemKind::Path, index, depthSum / static_cast<double>(line.size()), line);
                line.clear();
                depthSum = 0;
                length = 0;
            };
            for (std::size_t k = 0; k < kept.size(); ++k) {
                const Projected &p = q[kept[k]];
                if (k > 0)
                    length += distance(q[kept[k - 1]], p);
                line.push_back({ p.x, p.y });
                depthSum += p.depth;
                if (k > 0 && (length >= m_options.piece || line.size() >= 32)) {
                    flush();
                    line.push_back({ p.x, p.y });
                    depthSum = p.depth;
                }
            }
            flush();

            const auto marker = [&](ItemKind kind, const Projected &p) {
                const Point2 at { p.x, p.y };
                if (m_rect.contains(at))
                    m_frame.items.push_back({ kind, index, p.depth, nearness(p.depth), { at } });
            };
            marker(ItemKind::Wellhead, q.front());
            if (n > 1)
                marker(ItemKind::End, q.back());

            if (m_rect.contains({ q.front().x, q.front().y }))
                m_frame.labels.push_back(
                    { Label::Kind::Name, index, w.mds.front(), { q.front().x, q.front().y } });
            for (const DepthMark &m : w.marks) {
                const Point2 at = flat(m.at);
                if (m_rect.contains(at))
                    m_frame.labels.push_back({ Label::Kind::Mark, index, m.md, at });
            }
        }

        void addTube(int index, const SceneWell &w, const std::vector<Projected> &q,
            const std::vector<std::size_t> &kept)
        {
            const double scale = m_camera.scale;
            constexpr double twoPi = 2 * std::numbers::pi;

            // Rings a little apart along the path, each split into the half in front of the
            // path and the half behind it.
            const int ringPoints = std::max(8, m_options.ringPoints);
            Point2 last { HUGE_VAL, HUGE_VAL };
            for (std::size_t k = 0; k < kept.size(); ++k) {
                const std::size_t i = kept[k];
                const Point2 at { q[i].x, q[i].y };
                if (k + 1 < kept.size() && distance(at, last) < m_options.ringSpacing)
                    continue;
                last = at;
                const FlatRing f = flatten(w.rings[i], q[i], m_proj, scale);
                if (f.size() < 1.5 * m_pixel)
                    continue;
                std::vector<Point2> points(static_cast<std::size_t>(ringPoints) + 1);
                std::vector<double> depths(points.size());
                for (int j = 0; j <= ringPoints; ++j) {
                    const double t = twoPi * j / ringPoints;
                    points[static_cast<std::size_t>(j)] = f.at(t);
                    depths[static_cast<std::size_t>(j)] = f.depthAt(t);
                }
                // A run of segments on one side of the centre's depth is one item.
                const auto inFront = [&](std::size_t j) {
                    return depths[j] + depths[j + 1] >= 2 * f.centre.depth;
                };
                std::vector<Point2> run { points[0] };
                double depthSum = depths[0];
                bool side = inFront(0);
                for (std::size_t j = 0; j + 1 < points.size(); ++j) {
                    if (inFront(j) != side) {
                        addItem(
                            ItemKind::Ring, index, depthSum / static_cast<double>(run.size()), run);
                        run = { points[j] };
                        depthSum = depths[j];
                        side = !side;
                    }
                    run.push_back(points[j + 1]);
                    depthSum += depths[j + 1];
                }
                addItem(ItemKind::Ring, index, depthSum / static_cast<double>(run.size()), run);
            }

            // The body: the hulls of neighbouring ellipses a few pixels apart.
            TubeBody body;
            body.well = index;
            const int hullPoints = std::max(8, m_options.hullPoints);
            std::vector<Point2> previous;
            Point2 lastAt { HUGE_VAL, HUGE_VAL };
            double depthSum = 0;
            int depthCount = 0;
            for (std::size_t k = 0; k < kept.size(); ++k) {
                const std::size_t i = kept[k];
                const Point2 at { q[i].x, q[i].y };
                if (k > 0 && k + 1 < kept.size() && distance(at, lastAt) < m_options.hullSpacing)
                    continue;
                lastAt = at;
                depthSum += q[i].depth;
                ++depthCount;
                const FlatRing f = flatten(w.rings[i], q[i], m_proj, scale);
                std::vector<Point2> ellipse;
                ellipse.reserve(static_cast<std::size_t>(hullPoints));
                if (f.size() >= 0.5 * m_pixel) {
                    for (int j = 0; j < hullPoints; ++j)
                        ellipse.push_back(f.at(twoPi * j / hullPoints));
                } else {
                    ellipse.push_back(at);
                }
                if (!previous.empty() && (ellipse.size() > 1 || previous.size() > 1)) {
                    std::vector<Point2> both = previous;
                    both.insert(both.end(), ellipse.begin(), ellipse.end());
                    std::vector<Point2> hull = clipPolygon(convexHull(std::move(both)), m_rect);
                    if (hull.size() >= 3)
                        body.polygons.push_back(std::move(hull));
                }
                previous = std::move(ellipse);
            }
            if (!body.polygons.empty()) {
                body.depth = depthSum / std::max(1, depthCount);
                m_frame.bodies.push_back(std::move(body));
            }
        }

        const Scene &m_scene;
        const Camera &m_camera;
        Projector m_proj;
        Viewport m_view;
        FrameOptions m_options;
        Rect m_rect;
        double m_pixel;
        double m_near = 0, m_far = 0;
        Frame m_frame;
    };

} // namespace

double roundStepBelow(double most)
{
    if (!(most > 0) || !std::isfinite(most))
        return 1;
    const double step = roundStep(most);
    if (step <= most * (1 + 1e-12))
        return step;
    // One notch down: 10 -> 5, 5 -> 2, 2 -> 1.
    const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = std::round(step / power);
    if (mantissa >= 5)
        return 2 * power;
    if (mantissa >= 2)
        return power;
    return 0.5 * power;
}

NorthArrow northArrowOf(const Grid &g)
{
    const double s = g.spacing;
    NorthArrow a;
    a.tail = { g.northLow, g.eastLow - 0.5 * s, 0 };
    a.head = a.tail + Point3 { 0.8 * s, 0, 0 };
    a.left = a.head + Point3 { -0.25 * s, -0.12 * s, 0 };
    a.right = a.head + Point3 { -0.25 * s, 0.12 * s, 0 };
    a.label = a.head + Point3 { 0.18 * s, 0, 0 };
    return a;
}

Camera fitted(const Scene &scene, double azimuth, double elevation, double width, double height,
    double margin)
{
    Camera camera = orbited({ azimuth, elevation, {}, 1 }, 0, 0);
    if (scene.bounds.empty() || !(width > 0) || !(height > 0)) {
        camera.scale = width > 0 && height > 0 ? std::min(width, height) / 100.0 : 1.0;
        return camera;
    }
    camera.target = scene.bounds.centre();
    const Projector proj(camera);
    double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;
    const auto add = [&](const Point3 &p) {
        const Projected q = proj(p);
        x0 = std::min(x0, q.x), x1 = std::max(x1, q.x);
        y0 = std::min(y0, q.y), y1 = std::max(y1, q.y);
    };
    for (const SceneWell &w : scene.wells) {
        for (const Point3 &p : w.points)
            add(p);
        for (const Ring &r : w.rings) {
            // The ellipse's extreme points in the picture lie within these four.
            for (double k : { -1.0, 1.0 }) {
                add(r.centre + k * r.major);
                add(r.centre + k * r.minor);
            }
        }
    }
    const Grid &g = scene.grid;
    for (double n : { g.northLow, g.northHigh })
        for (double e : { g.eastLow, g.eastHigh })
            add({ n, e, 0 });
    const NorthArrow arrow = northArrowOf(g);
    for (const Point3 &p : { arrow.tail, arrow.head, arrow.left, arrow.right, arrow.label })
        add(p);
    // The picture's middle into the middle of the view, its extent into the usable part.
    camera.target = proj.unproject(0.5 * (x0 + x1), 0.5 * (y0 + y1));
    const double usableX = width * (1 - 2 * margin), usableY = height * (1 - 2 * margin);
    const double tiny = 1e-6; // metres: a point, or a line seen end on
    double scale = HUGE_VAL;
    if (x1 - x0 > tiny)
        scale = std::min(scale, usableX / (x1 - x0));
    if (y1 - y0 > tiny)
        scale = std::min(scale, usableY / (y1 - y0));
    camera.scale = std::isfinite(scale) && scale > 0 ? scale : std::min(width, height) / 100.0;
    return camera;
}

Frame frameOf(
    const Scene &scene, const Camera &camera, const Viewport &view, const FrameOptions &options)
{
    return FrameBuilder(scene, camera, view, options).build();
}

} // namespace scene3d
