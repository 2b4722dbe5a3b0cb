// Layout of the results table on screen and paper.
#include "textview/tablepage.h"

#include "core/cformat.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tablepage {

int linesPerPage(int width, int height)
{
    return height > width ? 59 : 40;
}

int pageCount(int entries, int lines)
{
    return std::max(1, (entries + lines - 1) / lines);
}

namespace {

    // Selects `font`, measures "W" and restores the previous font when it goes.
    class FontScope
    {
    public:
        FontScope(DrawContext &dc, const DrawFont &font)
            : m_dc(dc)
            , m_old(dc.selectFont(font))
        {
            m_w = dc.textExtent("W");
        }
        ~FontScope() { m_dc.selectFont(m_old); }
        FontScope(const FontScope &) = delete;
        FontScope &operator=(const FontScope &) = delete;

        int w() const { return m_w.cx; }
        int h() const { return std::max(1, m_w.cy); }

    private:
        DrawContext &m_dc;
        DrawFont m_old;
        DrawSize m_w;
    };

} // namespace

void drawScreen(DrawContext &dc, const StringList &entries, int firstRow, int lastRow)
{
    FontScope font(dc, kScreenFont);
    const int n = static_cast<int>(entries.size());
    const int from = std::max(0, firstRow);
    const int to = std::min(n - 1, lastRow);
    for (int i = from; i <= to; ++i)
        dc.textOut(font.w(), -i * font.h(), entries[static_cast<size_t>(i)]);
}

int screenRowHeight(DrawContext &dc)
{
    FontScope font(dc, kScreenFont);
    return font.h();
}

DrawSize screenExtent(DrawContext &dc, const StringList &entries)
{
    FontScope font(dc, kScreenFont);
    const int n = static_cast<int>(entries.size());
    // One letter of margin on both sides and one spare row at the bottom.
    const int height = std::max(kMinHeight, (n + 1) * font.h());
    if (entries.empty())
        return { kMinWidth, height };

    // A million rows are not measured one by one. Each character that occurs is
    // measured once, 64 in a row for the fraction of a unit; a row is as wide as its
    // characters' advances together. In the fixed pitch every character advances
    // alike and the longest row is the widest; a character from a wider fallback font
    // still counts with its own advance. The widest row is then measured whole, and
    // the larger of both widths stands.
    std::array<bool, 256> used {};
    for (const std::string &entry : entries) {
        for (const char c : entry)
            used[static_cast<unsigned char>(c)] = true;
    }
    constexpr int kRun = 64;
    std::array<double, 256> advance {};
    bool evenPitch = true;
    double pitch = -1;
    for (size_t c = 0; c < used.size(); ++c) {
        if (!used[c])
            continue;
        advance[c] = dc.textExtent(std::string(kRun, static_cast<char>(c))).cx / double(kRun);
        if (pitch >= 0 && advance[c] != pitch)
            evenPitch = false;
        pitch = advance[c];
    }
    const std::string *widestEntry = nullptr;
    double widest = -1;
    for (const std::string &entry : entries) {
        double width = 0;
        if (evenPitch) {
            width = static_cast<double>(entry.size()) * pitch;
        } else {
            for (const char c : entry)
                width += advance[static_cast<unsigned char>(c)];
        }
        if (width > widest) {
            widest = width;
            widestEntry = &entry;
        }
    }
    const int measured
        = std::max(dc.textExtent(*widestEntry).cx, static_cast<int>(std::ceil(widest)));
    return { std::max(kMinWidth, measured + 2 * font.w()), height };
}

DrawFont printFont(DrawContext &dc, const StringList &entries, const std::string &title, int width)
{
    const std::string header = cfmt("Dokument:%s", title.c_str());
    DrawFont font = kPrintFont;
    for (; font.height > kSmallestPrintHeight; --font.height) {
        FontScope scope(dc, font);
        int widest = scope.w() + dc.textExtent(header).cx;
        for (const std::string &entry : entries)
            widest = std::max(widest, 3 * scope.w() + dc.textExtent(entry).cx);
        if (widest <= width)
            break;
    }
    return font;
}

void drawPage(DrawContext &dc, const StringList &entries, const std::string &title, int page,
    int lines, const DrawFont &printFont)
{
    FontScope font(dc, printFont);
    const int n = static_cast<int>(entries.size());
    const int iStart = (page - 1) * lines;
    const int iEnd = page * lines;
    dc.textOut(font.w(), -font.h(), cfmt("Dokument:%s", title.c_str()));
    for (int i = iStart; i < iEnd && i < n; ++i)
        dc.textOut(3 * font.w(), -(i - iStart + 3) * font.h(), entries[static_cast<size_t>(i)]);
}

} // namespace tablepage
