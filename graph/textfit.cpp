// Fitting a text of the graph page into its room.
#include "graph/textfit.h"

namespace {

constexpr char kEllipsis[] = "\x85";

} // namespace

std::string shortenedText(DrawContext &dc, const std::string &text, int maxWidth)
{
    if (dc.textExtent(text).cx <= maxWidth)
        return text;
    // One byte is one character in Windows-1252.
    std::string cut = text;
    while (!cut.empty() && dc.textExtent(cut + kEllipsis).cx > maxWidth)
        cut.pop_back();
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
