// A drawing back end that draws nothing and records every call, for tests. Text widths
// follow a fixed-pitch model: each character is 6/10 of the font height wide.
#pragma once

#include "graph/drawcontext.h"

#include <string>
#include <vector>

class RecordingDrawContext : public DrawContext
{
public:
    enum class Kind {
        WindowOrg,
        Pen,
        Font,
        Align,
        Text,
        Rectangle,
        Ellipse,
        Polyline,
        FillArea,
        MoveTo,
        LineTo
    };

    // One call with the state it was made under.
    struct Call
    {
        Kind kind = Kind::Text;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // points of the call
        std::string text; // Text only
        std::vector<QPoint> points; // Polyline only
        std::vector<std::vector<QPoint>> polygons; // FillArea only
        DrawColor fill; // FillArea only
        DrawPen pen; // pen selected when the call was made
        DrawFont font; // font selected when the call was made
        TextAlign align = TextAlign::TopLeft;
        bool filled = false; // Ellipse only
    };

    // A straight line drawn by lineTo: from the previous current position.
    struct Line
    {
        QPoint from, to;
        DrawPen pen;
    };

    std::vector<Call> calls;

    // Views on the record.
    std::vector<Call> texts() const;
    std::vector<Line> lines() const;
    std::vector<Call> ofKind(Kind kind) const;
    // The first text call with exactly this text, or nullptr.
    const Call *findText(const std::string &text) const;

    void setWindowOrg(int x, int y) override;
    QPoint windowOrg() const override { return m_origin; }
    DrawPen selectPen(const DrawPen &pen) override;
    DrawFont selectFont(const DrawFont &font) override;
    DrawPen pen() const override { return m_pen; }
    DrawFont font() const override { return m_font; }
    void setTextAlign(TextAlign align) override;
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

private:
    Call make(Kind kind) const;

    QPoint m_origin { 0, 0 };
    QPoint m_current { 0, 0 };
    DrawPen m_pen;
    DrawFont m_font;
    TextAlign m_align = TextAlign::TopLeft;
};
