// A recorded page as text, one drawing call a line, for golden files: a person reads the
// difference of two such files as the difference of two pages. The texts are written in
// Windows-1252, the character set the golden files were made in when the pages drew in
// it: a page that draws the same characters gives the same file.
#pragma once

#include "core/win1252.h"
#include "graph/recordingdrawcontext.h"

#include <sstream>
#include <string>

namespace graphtest {

inline std::string recordingText(const RecordingDrawContext &rec)
{
    static const char *const kinds[] = { "org", "pen", "font", "align", "text", "rect", "ellipse",
        "polyline", "fill", "move", "line" };
    std::ostringstream out;
    const auto points = [&out](const std::vector<QPoint> &ps) {
        for (const QPoint &p : ps)
            out << ' ' << p.x() << ',' << p.y();
    };
    for (const RecordingDrawContext::Call &c : rec.calls) {
        out << kinds[static_cast<int>(c.kind)];
        switch (c.kind) {
        case RecordingDrawContext::Kind::Pen:
            out << ' ' << (c.pen.style == PenStyle::Dotted ? "dotted" : "solid") << ' '
                << c.pen.width << ' ' << int(c.pen.color.r) << ',' << int(c.pen.color.g) << ','
                << int(c.pen.color.b);
            break;
        case RecordingDrawContext::Kind::Font:
            out << ' ' << c.font.height << ' ' << c.font.weight;
            break;
        case RecordingDrawContext::Kind::Align:
            out << (c.align == TextAlign::TopCenter ? " centre" : " left");
            break;
        case RecordingDrawContext::Kind::Text:
            out << ' ' << c.x1 << ',' << c.y1 << " \"" << win1252::fromUtf8(c.text) << '"';
            break;
        case RecordingDrawContext::Kind::Polyline:
            points(c.points);
            break;
        case RecordingDrawContext::Kind::FillArea:
            out << ' ' << int(c.fill.r) << ',' << int(c.fill.g) << ',' << int(c.fill.b);
            for (const std::vector<QPoint> &polygon : c.polygons) {
                out << " |";
                points(polygon);
            }
            break;
        case RecordingDrawContext::Kind::Ellipse:
            out << (c.filled ? " filled" : " open");
            [[fallthrough]];
        default:
            out << ' ' << c.x1 << ',' << c.y1 << ' ' << c.x2 << ',' << c.y2;
            break;
        }
        out << '\n';
    }
    return out.str();
}

} // namespace graphtest
