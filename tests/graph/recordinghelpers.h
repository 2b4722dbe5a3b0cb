// Reading ticks and labels of the graph page back from the recording drawing back end.
#pragma once

#include "graph/graphpage.h"
#include "graph/graphstyle.h"
#include "graph/recordingdrawcontext.h"

#include <string>
#include <vector>

namespace graphtest {

using Rec = RecordingDrawContext;

// Lines drawn with the given pen whose end points satisfy the predicate.
template <typename Pred>
std::vector<Rec::Line> linesWhere(const Rec &rec, const DrawPen &pen, Pred pred)
{
    std::vector<Rec::Line> out;
    for (const Rec::Line &l : rec.lines())
        if (l.pen == pen && pred(l))
            out.push_back(l);
    return out;
}

// Texts written with the label font at the given anchor y (or x when byX is set).
inline std::vector<Rec::Call> labelsAtY(const Rec &rec, int y)
{
    std::vector<Rec::Call> out;
    for (const Rec::Call &c : rec.texts())
        if (c.font == graphstyle::kLabelFont && c.y1 == y)
            out.push_back(c);
    return out;
}

inline std::vector<Rec::Call> labelsAtX(const Rec &rec, int x)
{
    std::vector<Rec::Call> out;
    for (const Rec::Call &c : rec.texts())
        if (c.font == graphstyle::kLabelFont && c.x1 == x)
            out.push_back(c);
    return out;
}

inline std::vector<std::string> textsOf(const std::vector<Rec::Call> &calls)
{
    std::vector<std::string> out;
    for (const Rec::Call &c : calls)
        out.push_back(c.text);
    return out;
}

// A computed page drawn onto a fresh recording.
struct DrawnPage
{
    GraphPage page;
    Rec rec;
    int W = 0, H = 0;
};

inline DrawnPage drawPage(const PlotData &data, const std::string &title = "Test.dvn")
{
    DrawnPage p;
    p.page.OnCompute(data);
    p.page.zeichnen(p.rec, data, title);
    p.W = p.page.m_Breite;
    p.H = p.page.m_Hoehe;
    return p;
}

} // namespace graphtest
