// The 3D view and its printed page through the drawing layer.
#include "graph3d/view3drender.h"

#include "core/decimalsign.h"
#include "graph/textfit.h"
#include "graph3d/view3dstyle.h"

#include <QCoreApplication>
#include <QRect>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace view3d {

namespace {

    using scene3d::Point2;

    QString number(double v, int decimals)
    {
        return QString::fromStdString(decimalsign::fixed(v, decimals, decimalsign::interfaceSign()));
    }

    DrawColor faded(const scene3d::Rgb &c, double nearness, std::uint8_t alpha = 255)
    {
        const double f = view3dstyle::kFarFade * (1 - std::clamp(nearness, 0.0, 1.0));
        const auto mix = [f](std::uint8_t v) {
            return static_cast<std::uint8_t>(std::lround(v + f * (255 - v)));
        };
        return { mix(c.r), mix(c.g), mix(c.b), alpha };
    }

    DrawColor colourOf(const scene3d::Rgb &c, std::uint8_t alpha = 255)
    {
        return { c.r, c.g, c.b, alpha };
    }

    std::vector<QPoint> onPage(const Area &area, const std::vector<Point2> &line)
    {
        std::vector<QPoint> out;
        out.reserve(line.size());
        for (const Point2 &p : line)
            out.push_back(toPage(area, p));
        return out;
    }

    // A pen is handed to the back end only when it differs from the one selected.
    void usePen(DrawContext &dc, const DrawPen &pen)
    {
        if (!(dc.pen() == pen))
            dc.selectPen(pen);
    }

    // Labels that do not cover one another: a label is left out where it would cover one
    // placed before it or reach out of the view.
    class LabelPlacer
    {
    public:
        LabelPlacer(DrawContext &dc, const Area &area)
            : m_dc(dc)
            , m_area(area.left, area.top - area.height, area.width, area.height)
        {
        }
        // Texts are anchored at their top left corner; the rectangle runs downward from it.
        bool place(int x, int y, const std::string &text)
        {
            const DrawSize size = m_dc.textExtent(text);
            const QRect box(x, y - size.cy, size.cx, size.cy);
            if (!m_area.contains(box))
                return false;
            const int gap = view3dstyle::kLabelGap;
            const QRect padded = box.adjusted(-gap, -gap, gap, gap);
            for (const QRect &r : m_taken)
                if (r.intersects(padded))
                    return false;
            m_taken.push_back(box);
            m_dc.textOut(x, y, text);
            return true;
        }
        void reserve(const QRect &r) { m_taken.push_back(r); }

    private:
        DrawContext &m_dc;
        QRect m_area; // y upward: top() is the lowest y
        std::vector<QRect> m_taken;
    };

    void drawGround(DrawContext &dc, const scene3d::Frame &frame, const Area &area)
    {
        usePen(dc, view3dstyle::kGridPen);
        for (const auto &line : frame.grid)
            dc.polyline(onPage(area, line));
        if (frame.northArrow.empty())
            return;
        usePen(dc, view3dstyle::kArrowPen);
        for (const auto &line : frame.northArrow)
            dc.polyline(onPage(area, line));
    }

    void drawTubes(
        DrawContext &dc, const scene3d::Scene &scene, const scene3d::Frame &frame, const Area &area)
    {
        for (const scene3d::TubeBody &body : frame.bodies) {
            std::vector<std::vector<QPoint>> polygons;
            polygons.reserve(body.polygons.size());
            for (const auto &polygon : body.polygons)
                polygons.push_back(onPage(area, polygon));
            dc.fillArea(polygons,
                colourOf(scene.wells[static_cast<std::size_t>(body.well)].colour,
                    view3dstyle::kBodyAlpha));
        }
    }

    void drawItems(
        DrawContext &dc, const scene3d::Scene &scene, const scene3d::Frame &frame, const Area &area)
    {
        using scene3d::ItemKind;
        for (const scene3d::Item &item : frame.items) {
            const scene3d::Rgb &c = scene.wells[static_cast<std::size_t>(item.well)].colour;
            switch (item.kind) {
            case ItemKind::Path:
                usePen(dc,
                    { view3dstyle::pathStyle(scene.wells[static_cast<std::size_t>(item.well)]),
                        view3dstyle::kPathWidth, faded(c, item.nearness) });
                dc.polyline(onPage(area, item.points));
                break;
            case ItemKind::Ring:
                usePen(
                    dc, { PenStyle::Solid, 0, faded(c, item.nearness, view3dstyle::kRingAlpha) });
                dc.polyline(onPage(area, item.points));
                break;
            case ItemKind::Wellhead: {
                usePen(dc, { PenStyle::Solid, 3, faded(c, item.nearness) });
                const QPoint m = toPage(area, item.points.front());
                const int r = view3dstyle::kWellheadRadius;
                dc.ellipse(m.x() - r, m.y() + r, m.x() + r, m.y() - r, false);
                break;
            }
            case ItemKind::End: {
                usePen(dc, { PenStyle::Solid, 0, faded(c, item.nearness) });
                const QPoint m = toPage(area, item.points.front());
                const int r = view3dstyle::kEndRadius;
                dc.ellipse(m.x() - r, m.y() + r, m.x() + r, m.y() - r, true);
                break;
            }
            }
        }
    }

    // The legend in the top left corner: a stroke of each well's colour and its name, and
    // the uncertainty's line; on a white ground so that it stays legible over the picture.
    QRect drawLegend(
        DrawContext &dc, const scene3d::Scene &scene, const Area &area, const Look &look)
    {
        dc.selectFont(view3dstyle::kLegendFont);
        const int stroke = 60, gap = 20;
        const int row = dc.textExtent("Xg").cy + 8;
        // The wells that have a path; a well without stations shows nothing to name.
        std::vector<std::size_t> shown;
        std::vector<std::string> names;
        int width = 0;
        for (std::size_t i = 0; i < scene.wells.size(); ++i) {
            if (scene.wells[i].points.empty())
                continue;
            shown.push_back(i);
            names.push_back(scene.wells[i].name);
            width = std::max(width, stroke + gap + dc.textExtent(names.back()).cx);
        }
        const bool caption = look.tube && scene.sigmas > 0 && !look.uncertaintyCaption.empty();
        if (caption)
            width = std::max(width, dc.textExtent(look.uncertaintyCaption).cx);
        const bool north = !look.northCaption.empty();
        if (north)
            width = std::max(width, dc.textExtent(look.northCaption).cx);
        const int rows = static_cast<int>(names.size()) + (caption ? 1 : 0) + (north ? 1 : 0);
        if (rows == 0)
            return {};
        const int x = area.left + view3dstyle::kInset, y = area.top - view3dstyle::kInset;
        const int pad = 15;
        width = std::min(width, area.width - 2 * view3dstyle::kInset - 2 * pad);
        if (width <= stroke + gap)
            return {};
        usePen(dc, { PenStyle::Solid, 0, { 255, 255, 255 } });
        dc.rectangle(x - pad, y + pad, x + width + pad, y - rows * row - pad);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const int top = y - static_cast<int>(i) * row;
            usePen(dc,
                { view3dstyle::pathStyle(scene.wells[shown[i]]), view3dstyle::kPathWidth,
                    colourOf(scene.wells[shown[i]].colour) });
            dc.moveTo(x, top - row / 2);
            dc.lineTo(x + stroke, top - row / 2);
            drawFitted(dc, x + stroke + gap, top, names[i], width - stroke - gap);
        }
        int below = static_cast<int>(names.size());
        if (caption)
            drawFitted(dc, x, y - below++ * row, look.uncertaintyCaption, width);
        if (north)
            drawFitted(dc, x, y - below * row, look.northCaption, width);
        return QRect(x - pad, y - rows * row - pad, width + 2 * pad, rows * row + 2 * pad);
    }

    // The scale bar in the bottom left corner; the rectangle it takes.
    QRect drawScaleBar(DrawContext &dc, const scene3d::Frame &frame, const Area &area)
    {
        const int length = static_cast<int>(std::lround(frame.scaleLength));
        if (length < 10 || length > area.width - 2 * view3dstyle::kInset)
            return {};
        const int x = area.left + view3dstyle::kInset;
        const int y = area.top - area.height + view3dstyle::kInset;
        usePen(dc, view3dstyle::kArrowPen);
        const QPoint bar[] = { { x, y + 20 }, { x, y }, { x + length, y }, { x + length, y + 20 } };
        dc.polyline(bar, 4);
        dc.selectFont(view3dstyle::kMarkFont);
        const std::string text
            = (number(frame.scaleMetres, frame.scaleMetres < 1 ? 1 : 0) + QStringLiteral(" m"))
                  .toStdString();
        const DrawSize size = dc.textExtent(text);
        dc.textOut(x + (length - size.cx) / 2, y + 20 + size.cy, text);
        return QRect(x, y, std::max(length, size.cx), 20 + size.cy);
    }

} // namespace

QPoint toPage(const Area &area, const Point2 &p)
{
    const QPoint m = area.middle();
    return QPoint(
        m.x() + static_cast<int>(std::lround(p.x)), m.y() + static_cast<int>(std::lround(p.y)));
}

Point2 fromPage(const Area &area, const QPoint &p)
{
    const QPoint m = area.middle();
    return { static_cast<double>(p.x() - m.x()), static_cast<double>(p.y() - m.y()) };
}

std::string directionText(const scene3d::Camera &camera)
{
    const double elevation = camera.elevation;
    QString text;
    if (elevation >= 0)
        text = QCoreApplication::translate("View3d", "Blick aus Azimut %1°, %2° über dem Horizont");
    else
        text
            = QCoreApplication::translate("View3d", "Blick aus Azimut %1°, %2° unter dem Horizont");
    return text.arg(number(camera.azimuth, 0), number(std::fabs(elevation), 0)).toStdString();
}

void drawView(DrawContext &dc, const scene3d::Scene &scene, const scene3d::Camera &camera,
    const Area &area, const Look &look)
{
    if (area.width <= 0 || area.height <= 0)
        return;
    const DrawPen oldPen = dc.pen();
    const DrawFont oldFont = dc.font();
    const TextAlign oldAlign = dc.textAlign();
    dc.setTextAlign(TextAlign::TopLeft);

    scene3d::FrameOptions options;
    options.tube = look.tube;
    const scene3d::Viewport viewport { static_cast<double>(area.width),
        static_cast<double>(area.height), look.pixel };
    const scene3d::Frame frame = scene3d::frameOf(scene, camera, viewport, options);

    drawGround(dc, frame, area);
    drawTubes(dc, scene, frame, area);
    drawItems(dc, scene, frame, area);

    // Texts last, over everything: the legend and the scale bar keep their corners, the
    // names come before the depth marks.
    LabelPlacer labels(dc, area);
    if (look.legend)
        labels.reserve(drawLegend(dc, scene, area, look));
    labels.reserve(drawScaleBar(dc, frame, area));
    if (look.direction) {
        dc.selectFont(view3dstyle::kMarkFont);
        const std::string text = directionText(camera);
        const DrawSize size = dc.textExtent(text);
        labels.place(area.left + area.width - view3dstyle::kInset - size.cx,
            area.top - area.height + view3dstyle::kInset + size.cy, text);
    }

    if (!frame.northArrow.empty()) {
        dc.selectFont(view3dstyle::kNameFont);
        const QPoint at = toPage(area, frame.northLabel);
        const DrawSize size = dc.textExtent("N");
        labels.place(at.x() - size.cx / 2, at.y() + size.cy / 2, "N");
    }
    for (const scene3d::Label &label : frame.labels) {
        const scene3d::SceneWell &w = scene.wells[static_cast<std::size_t>(label.well)];
        // The plan starts at the well's own slot and runs beside its depths: the legend
        // names it, and its depth marks would cover the well's.
        if (w.planned)
            continue;
        const QPoint at = toPage(area, label.at);
        if (label.kind == scene3d::Label::Kind::Name) {
            dc.selectFont(view3dstyle::kNameFont);
            const int r = view3dstyle::kWellheadRadius;
            labels.place(at.x() + r, at.y() + r + dc.textExtent("X").cy, w.name);
            continue;
        }
        dc.selectFont(view3dstyle::kMarkFont);
        const std::string text = (number(label.md, 0) + QStringLiteral(" m")).toStdString();
        const int h = dc.textExtent(text).cy;
        const int x = at.x() + view3dstyle::kTickLength + 8;
        if (labels.place(x, at.y() + h / 2, text)) {
            usePen(dc, { PenStyle::Solid, 2, colourOf(w.colour) });
            dc.moveTo(at.x(), at.y());
            dc.lineTo(at.x() + view3dstyle::kTickLength, at.y());
        }
    }

    dc.selectPen(oldPen);
    dc.selectFont(oldFont);
    dc.setTextAlign(oldAlign);
}

scene3d::Camera cameraFor(const scene3d::Camera &camera, double fromWidth, double fromHeight,
    double toWidth, double toHeight)
{
    scene3d::Camera c = camera;
    if (fromWidth > 0 && fromHeight > 0 && toWidth > 0 && toHeight > 0)
        c.scale *= std::min(toWidth / fromWidth, toHeight / fromHeight);
    return c;
}

namespace {

    constexpr int kTitleBand = 230; // title and document line above the view
    constexpr int kLegendRow = 55;
    constexpr int kLegendGap = 40;

    int legendColumns(std::size_t wells)
    {
        return wells <= 4 ? 1 : 3;
    }

    int legendRows(const scene3d::Scene &scene, bool caption, bool north)
    {
        const int columns = legendColumns(scene.wells.size());
        const int wellRows = (static_cast<int>(scene.wells.size()) + columns - 1) / columns;
        // The wells, the uncertainty, the north, the direction and the scale.
        return wellRows + (caption ? 1 : 0) + (north ? 1 : 0) + 2;
    }

} // namespace

Area pageViewArea(const scene3d::Scene &scene, const Area &page, const PageTexts &texts)
{
    const int legend = kLegendGap
        + legendRows(scene, scene.sigmas > 0, !texts.northCaption.empty()) * kLegendRow;
    Area a;
    a.left = page.left;
    a.width = page.width;
    a.top = page.top - kTitleBand;
    a.height = std::max(0, page.height - kTitleBand - legend);
    return a;
}

void drawPage(DrawContext &dc, const scene3d::Scene &scene, const scene3d::Camera &camera,
    double seenWidth, double seenHeight, const Area &page, const PageTexts &texts, bool tube)
{
    const DrawPen oldPen = dc.pen();
    const DrawFont oldFont = dc.font();
    const TextAlign oldAlign = dc.textAlign();
    const int middle = page.left + page.width / 2;

    dc.setTextAlign(TextAlign::TopCenter);
    dc.selectFont(view3dstyle::kTitleFont);
    dc.textOut(middle, page.top,
        QCoreApplication::translate("View3d", "3D-Ansicht: %1")
            .arg(QString::fromUtf8(texts.wellName))
            .toStdString());
    dc.selectFont(view3dstyle::kCaptionFont);
    dc.textOut(middle, page.top - 110,
        QCoreApplication::translate("View3d", "Dokument %1")
            .arg(QString::fromUtf8(texts.documentTitle))
            .toStdString());
    dc.setTextAlign(TextAlign::TopLeft);

    const bool caption = tube && scene.sigmas > 0 && !texts.uncertaintyCaption.empty();
    Area view = pageViewArea(scene, page, texts);
    if (!caption && scene.sigmas > 0)
        view.height += kLegendRow;
    const scene3d::Camera pageCamera
        = cameraFor(camera, seenWidth, seenHeight, view.width, view.height);
    dc.selectPen({ PenStyle::Solid, 4, { 0, 0, 0 } });
    dc.rectangle(view.left, view.top, view.left + view.width, view.top - view.height);
    Look look;
    // Paper and vector files resolve far more than a screen: a tenth of a logical unit.
    look.pixel = 0.1;
    look.tube = tube;
    look.legend = false;
    look.direction = false;
    drawView(dc, scene, pageCamera, view, look);

    // The legend below the view.
    dc.selectFont(view3dstyle::kLegendFont);
    const int columns = legendColumns(scene.wells.size());
    const int columnWidth = page.width / columns;
    int y = view.top - view.height - kLegendGap;
    for (std::size_t i = 0; i < scene.wells.size(); ++i) {
        const int column = static_cast<int>(i) % columns;
        const int x = page.left + column * columnWidth;
        dc.selectPen({ view3dstyle::pathStyle(scene.wells[i]), view3dstyle::kPathWidth,
            colourOf(scene.wells[i].colour) });
        dc.moveTo(x, y - kLegendRow / 2 + 5);
        dc.lineTo(x + 60, y - kLegendRow / 2 + 5);
        drawFitted(dc, x + 80, y, scene.wells[i].name, columnWidth - 100);
        if (column == columns - 1 || i + 1 == scene.wells.size())
            y -= kLegendRow;
    }
    if (caption) {
        drawFitted(dc, page.left, y, texts.uncertaintyCaption, page.width);
        y -= kLegendRow;
    }
    if (!texts.northCaption.empty()) {
        drawFitted(dc, page.left, y, texts.northCaption, page.width);
        y -= kLegendRow;
    }
    drawFitted(dc, page.left, y, directionText(pageCamera), page.width);
    y -= kLegendRow;
    // A parallel projection has one scale for every length parallel to the picture: a
    // metre is `scale` tenths of a millimetre on the page.
    const double denominator = 10000.0 / pageCamera.scale;
    drawFitted(dc, page.left, y,
        QCoreApplication::translate(
            "View3d", "Maßstab 1:%1 für Längen parallel zur Bildebene (Parallelprojektion)")
            .arg(static_cast<qlonglong>(std::llround(denominator)))
            .toStdString(),
        page.width);

    dc.selectPen(oldPen);
    dc.selectFont(oldFont);
    dc.setTextAlign(oldAlign);
}

} // namespace view3d
