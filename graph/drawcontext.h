// The drawing layer of the graph page and the results table: an abstract drawing
// surface in logical units of 0.1 mm with y growing upward, in the manner of the
// metric mapping mode the program was designed for. Page code draws through this
// interface only; how logical units become device pixels is the business of the back
// end (painterdrawcontext.h), and tests use a recording back end
// (recordingdrawcontext.h). Texts are UTF-8, as everywhere in the program: a page
// draws every character its font has.
#pragma once

#include <QPoint>

#include <cstdint>
#include <string>
#include <vector>

// A colour; `a` is its opacity (255 opaque, the default, 0 invisible). A translucent
// pen or area is blended over what was drawn before it, so the order of drawing matters.
struct DrawColor
{
    std::uint8_t r = 0, g = 0, b = 0;
    std::uint8_t a = 255;
    friend bool operator==(const DrawColor &, const DrawColor &) = default;
};

enum class PenStyle { Solid, Dotted, Dashed };

// A pen: its width is in logical units (0 = the thinnest line the device can draw).
struct DrawPen
{
    PenStyle style = PenStyle::Solid;
    int width = 0;
    DrawColor color;
    friend bool operator==(const DrawPen &, const DrawPen &) = default;
};

// Family hints of a font without a face name.
enum class FontFamily {
    DontCare,
    Modern, // fixed pitch
    Swiss, // sans serif
    Roman, // serif
};

// A font: `height` is the cell height in logical units (ascent plus descent, as a
// positive height always meant); `weight` 100..900 (400 normal, 600 semibold, 700
// bold). `face` may be empty; well-known Windows faces are mapped to metric-compatible
// Debian faces by the back end ("Courier New" -> "Liberation Mono").
struct DrawFont
{
    int height = 0;
    int weight = 400;
    FontFamily family = FontFamily::DontCare;
    std::string face;
    friend bool operator==(const DrawFont &, const DrawFont &) = default;
};

// Where a text's anchor lies: TopLeft (the default) or TopCenter (horizontally centred,
// top of the text cell at the anchor).
enum class TextAlign { TopLeft, TopCenter };

struct DrawSize
{
    int cx = 0;
    int cy = 0;
    friend bool operator==(const DrawSize &, const DrawSize &) = default;
};

class DrawContext
{
public:
    virtual ~DrawContext() = default;

    // The logical point that lands on the top left corner of the drawing surface
    // (of the scrolled area on screen, of the printable area on paper).
    virtual void setWindowOrg(int x, int y) = 0;
    virtual QPoint windowOrg() const = 0;

    // Selecting a pen or font returns the one that was selected before, so callers can
    // restore it when they are done.
    virtual DrawPen selectPen(const DrawPen &pen) = 0;
    virtual DrawFont selectFont(const DrawFont &font) = 0;
    virtual DrawPen pen() const = 0;
    virtual DrawFont font() const = 0;
    virtual void setTextAlign(TextAlign align) = 0;
    virtual TextAlign textAlign() const = 0;

    // Writes the text at (x, y) under the current alignment with the current font.
    virtual void textOut(int x, int y, const std::string &text) = 0;
    // Width and height of the text in the current font, in logical units.
    virtual DrawSize textExtent(const std::string &text) = 0;

    // A rectangle between two corners, outlined with the current pen and filled white.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // Connected lines through the points; fewer than two points draw nothing.
    virtual void polyline(const QPoint *points, int count) = 0;
    // A circle or ellipse inside the box between two corners, outlined with the current
    // pen; `filled` fills it in the pen's colour, otherwise its inside stays transparent.
    virtual void ellipse(int x1, int y1, int x2, int y2, bool filled) = 0;
    // One area, the union of the closed polygons, filled in `color` without an outline:
    // the polygons may overlap one another (each may turn either way, none may cross
    // itself), and the area has no seams where they meet. Outlines are polylines of the
    // caller's pen.
    virtual void fillArea(const std::vector<std::vector<QPoint>> &polygons, const DrawColor &color)
        = 0;
    virtual void moveTo(int x, int y) = 0;
    // A line from the current position to (x, y), which becomes the current position.
    virtual void lineTo(int x, int y) = 0;

    // Until endClip, nothing is drawn outside the box between two corners: a page that
    // shows part of its data cuts its curves at the frame. A back end without a surface
    // (the recording one) ignores it. Not nested.
    virtual void beginClip(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) { }
    virtual void endClip() { }

    void polyline(const std::vector<QPoint> &points)
    {
        polyline(points.data(), static_cast<int>(points.size()));
    }
};
