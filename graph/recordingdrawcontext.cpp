// The recording back end of the drawing layer.
#include "graph/recordingdrawcontext.h"

#include "core/utf8.h"

RecordingDrawContext::Call RecordingDrawContext::make(Kind kind) const
{
    Call c;
    c.kind = kind;
    c.pen = m_pen;
    c.font = m_font;
    c.align = m_align;
    return c;
}

std::vector<RecordingDrawContext::Call> RecordingDrawContext::ofKind(Kind kind) const
{
    std::vector<Call> out;
    for (const Call &c : calls)
        if (c.kind == kind)
            out.push_back(c);
    return out;
}

std::vector<RecordingDrawContext::Call> RecordingDrawContext::texts() const
{
    return ofKind(Kind::Text);
}

std::vector<RecordingDrawContext::Line> RecordingDrawContext::lines() const
{
    std::vector<Line> out;
    for (const Call &c : calls)
        if (c.kind == Kind::LineTo)
            out.push_back({ QPoint(c.x1, c.y1), QPoint(c.x2, c.y2), c.pen });
    return out;
}

const RecordingDrawContext::Call *RecordingDrawContext::findText(const std::string &text) const
{
    for (const Call &c : calls)
        if (c.kind == Kind::Text && c.text == text)
            return &c;
    return nullptr;
}

void RecordingDrawContext::setWindowOrg(int x, int y)
{
    m_origin = QPoint(x, y);
    Call c = make(Kind::WindowOrg);
    c.x1 = x;
    c.y1 = y;
    calls.push_back(c);
}

DrawPen RecordingDrawContext::selectPen(const DrawPen &pen)
{
    const DrawPen old = m_pen;
    m_pen = pen;
    calls.push_back(make(Kind::Pen));
    return old;
}

DrawFont RecordingDrawContext::selectFont(const DrawFont &font)
{
    const DrawFont old = m_font;
    m_font = font;
    calls.push_back(make(Kind::Font));
    return old;
}

void RecordingDrawContext::setTextAlign(TextAlign align)
{
    m_align = align;
    calls.push_back(make(Kind::Align));
}

void RecordingDrawContext::textOut(int x, int y, const std::string &text)
{
    Call c = make(Kind::Text);
    c.x1 = x;
    c.y1 = y;
    c.text = text;
    calls.push_back(c);
}

DrawSize RecordingDrawContext::textExtent(const std::string &text)
{
    const int h = m_font.height < 0 ? -m_font.height : m_font.height;
    return { static_cast<int>(utf8::length(text)) * h * 6 / 10, h };
}

void RecordingDrawContext::rectangle(int x1, int y1, int x2, int y2)
{
    Call c = make(Kind::Rectangle);
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    calls.push_back(c);
}

void RecordingDrawContext::ellipse(int x1, int y1, int x2, int y2, bool filled)
{
    Call c = make(Kind::Ellipse);
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.filled = filled;
    calls.push_back(c);
}

void RecordingDrawContext::polyline(const QPoint *points, int count)
{
    Call c = make(Kind::Polyline);
    if (count > 0)
        c.points.assign(points, points + count);
    calls.push_back(c);
}

void RecordingDrawContext::fillArea(
    const std::vector<std::vector<QPoint>> &polygons, const DrawColor &color)
{
    Call c = make(Kind::FillArea);
    c.polygons = polygons;
    c.fill = color;
    calls.push_back(c);
}

void RecordingDrawContext::moveTo(int x, int y)
{
    m_current = QPoint(x, y);
    Call c = make(Kind::MoveTo);
    c.x1 = x;
    c.y1 = y;
    calls.push_back(c);
}

void RecordingDrawContext::lineTo(int x, int y)
{
    Call c = make(Kind::LineTo);
    c.x1 = m_current.x();
    c.y1 = m_current.y();
    c.x2 = x;
    c.y2 = y;
    calls.push_back(c);
    m_current = QPoint(x, y);
}
