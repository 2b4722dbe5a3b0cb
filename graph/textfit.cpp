// Fitting a text of the graph page into its room.
#include "graph/textfit.h"

#include "core/utf8.h"

namespace {

constexpr char kEllipsis[] = "…";

} // namespace

std::string shortenedText(DrawContext &dc, const std::string &text, int maxWidth)
{
    if (dc.textExtent(text).cx <= maxWidth)
        return text;
    std::string cut = text;
    while (!cut.empty() && dc.textExtent(cut + kEllipsis).cx > maxWidth)
        utf8::popBack(cut);
    while (!cut.empty() && cut.back() == ' ')
        cut.pop_back();
    return cut + kEllipsis;
}

void drawFitted(DrawContext &dc, int x, int y, const std::string &text, int maxWidth)
{
    if (dc.textExtent(text).cx <= maxWidth) {
        dc.textOut(x, y, text);
        return;
    }
    DrawFont smaller = dc.font();
    smaller.height = smaller.height * 3 / 4;
    const DrawFont old = dc.selectFont(smaller);
    dc.textOut(x, y, shortenedText(dc, text, maxWidth));
    dc.selectFont(old);
}

DrawSize fittedExtent(DrawContext &dc, const std::string &text, int maxWidth)
{
    const DrawSize full = dc.textExtent(text);
    if (full.cx <= maxWidth)
        return full;
    DrawFont smaller = dc.font();
    smaller.height = smaller.height * 3 / 4;
    const DrawFont old = dc.selectFont(smaller);
    const DrawSize size = dc.textExtent(shortenedText(dc, text, maxWidth));
    dc.selectFont(old);
    return size;
}
