// The drawing layer on a QPainter of any paint device (widget, QImage, QPrinter,
// QSvgGenerator, QPdfWriter). This is the one place that knows that a logical unit is
// 0.1 mm and that y grows upward: it maps logical points to the painter's coordinates
// by the device's resolution, so that texts come out upright and pens and fonts keep
// their sizes on screen and paper. The painter's own transformation (for example a
// scroll offset) applies on top.
#pragma once

#include "graph/drawcontext.h"

#include <QFont>
#include <QPointF>
#include <QRegion>

class QPainter;
class QPaintDevice;

class PainterDrawContext : public DrawContext
{
public:
    // Uses the resolution of the painter's device.
    explicit PainterDrawContext(QPainter &painter);
    // Uses the given number of device pixels per logical unit (0.1 mm) on each axis.
    PainterDrawContext(QPainter &painter, double pixelsPerUnitX, double pixelsPerUnitY);

    // On screen: long polylines are drawn through the points one pixel can show
    // (pixelthinning.h) instead of through every point, in pieces, and with a pen of
    // about one pixel as the thinnest line. Off by default, so that paper and files get
    // every point with the pen as chosen.
    void setPixelThinning(bool on) { m_pixelThinning = on; }
    // Polylines up to this many points are always drawn whole: they cost little, and
    // every survey the program could take before it had no station limit (fewer than
    // 3000 stations) keeps its exact picture on screen.
    static constexpr int kThinningAbove = 4096;

    // Device pixels per logical unit of a paint device, from its logical resolution.
    static double pixelsPerUnitX(const QPaintDevice &device);
    static double pixelsPerUnitY(const QPaintDevice &device);

    // The Qt font that the back end uses for a font of the layer on this device.
    QFont qtFont(const DrawFont &font) const;
    // A logical point in the painter's coordinates.
    QPointF toDevice(int x, int y) const;
    // A device point (painter coordinates) in logical units.
    QPointF toLogical(QPointF device) const;

    void setWindowOrg(int x, int y) override;
    QPoint windowOrg() const override { return m_origin; }
    DrawPen selectPen(const DrawPen &pen) override;
    DrawFont selectFont(const DrawFont &font) override;
    DrawPen pen() const override { return m_pen; }
    DrawFont font() const override { return m_font; }
    void setTextAlign(TextAlign align) override { m_align = align; }
    TextAlign textAlign() const override { return m_align; }
    void textOut(int x, int y, const std::string &text) override;
    DrawSize textExtent(const std::string &text) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2, bool filled) override;
    void polyline(const QPoint *points, int count) override;
    using DrawContext::polyline;
    void fillArea(
        const std::vector<std::vector<QPoint>> &polygons, const DrawColor &color) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void beginClip(int x1, int y1, int x2, int y2) override;
    void endClip() override;

private:
    void applyPen();

    QPainter &m_painter;
    double m_sx;
    double m_sy;
    QPoint m_origin { 0, 0 };
    QPoint m_current { 0, 0 };
    DrawPen m_pen;
    DrawFont m_font;
    QFont m_qfont;
    TextAlign m_align = TextAlign::TopLeft;
    bool m_pixelThinning = false;
    // The painter's clip before beginClip, restored by endClip.
    bool m_clipSaved = false;
    bool m_hadClip = false;
    QRegion m_savedClip;
};
