// Layout of the results table on screen and paper.
#include "textview/tablepage.h"

#include "core/cformat.h"
#include "core/utf8.h"
#include "i18n/i18n.h"
#include "well/computation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace tablepage {

int linesPerPage(int width, int height)
{
    return height > width ? 59 : 40;
}

int pageCount(int entries, int lines)
{
    return std::max(1, (entries + lines - 1) / lines);
}

Pagination::Pagination(const StringList &entries, int lines)
    : m_entries(static_cast<int>(entries.size()))
    , m_lines(std::max(1, lines))
{
    // The heading stands below the title at the top of the table; it is repeated only
    // when it is whole on the first page and a later page still has room for rows.
    const auto heading = well::columnHeading();
    const int n = static_cast<int>(heading.size());
    if (m_lines <= n)
        return;
    for (int i = 0; i + n <= std::min(m_entries, m_lines); ++i) {
        if (std::equal(heading.begin(), heading.end(), entries.begin() + i)) {
            m_heading = i;
            return;
        }
    }
}

int Pagination::later() const
{
    return m_heading >= 0 ? m_lines - static_cast<int>(well::columnHeading().size()) : m_lines;
}

int Pagination::pages() const
{
    if (m_entries <= m_lines)
        return 1;
    return 1 + (m_entries - m_lines + later() - 1) / later();
}

int Pagination::first(int page) const
{
    return page <= 1 ? 0 : std::min(m_entries, m_lines + (page - 2) * later());
}

int Pagination::end(int page) const
{
    return std::min(m_entries, page <= 1 ? m_lines : first(page) + later());
}

namespace {

    // The left of a printed page's head: the document's name.
    std::string documentHeader(const std::string &title)
    {
        return i18n::arg(i18n::translate("TablePage", "Dokument:%1"), { title });
    }

} // namespace

std::string pageNumberText(int page, int pages)
{
    return i18n::arg(i18n::translate("TablePage", "Seite %1 von %2"),
        { std::to_string(page), std::to_string(pages) });
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

void drawScreen(DrawContext &dc, const well::ShownTable &entries, int firstRow, int lastRow)
{
    FontScope font(dc, kScreenFont);
    const int n = static_cast<int>(entries.size());
    const int from = std::max(0, firstRow);
    const int to = std::min(n - 1, lastRow);
    std::string buffer;
    for (int i = from; i <= to; ++i)
        dc.textOut(font.w(), -i * font.h(), entries.line(static_cast<size_t>(i), buffer));
}

int screenRowHeight(DrawContext &dc)
{
    FontScope font(dc, kScreenFont);
    return font.h();
}

DrawSize screenExtent(DrawContext &dc, const well::ShownTable &entries)
{
    FontScope font(dc, kScreenFont);
    const int n = static_cast<int>(entries.size());
    // One letter of margin on both sides and one spare row at the bottom.
    const int height = (n + 1) * font.h();
    if (entries.empty())
        return { 2 * font.w(), height };

    // A million rows are not measured one by one. Each character that occurs is
    // measured once, 64 in a row for the fraction of a unit; a row is as wide as its
    // characters' advances together. In the fixed pitch every character advances
    // alike and the longest row is the widest; a character from a wider fallback font
    // still counts with its own advance. The widest row is then measured whole, and
    // the larger of both widths stands.
    // The table is printable ASCII but for a name or a remark: those characters are all
    // measured beforehand, so that a row of nothing else needs only one quick look for a
    // byte outside them. Other ASCII characters are looked up by their byte, any other by
    // its code point.
    constexpr int kRun = 64;
    constexpr unsigned char kFirstPrintable = 0x20;
    constexpr unsigned char kLastPrintable = 0x7e;
    std::array<double, 128> advance {};
    std::array<bool, 128> measuredAscii {};
    std::map<char32_t, double> others;
    bool evenPitch = true;
    double pitch = -1;
    const auto measure = [&](char32_t c) {
        std::string run;
        for (int k = 0; k < kRun; ++k)
            utf8::append(run, c);
        const double a = dc.textExtent(run).cx / double(kRun);
        if (pitch >= 0 && a != pitch)
            evenPitch = false;
        pitch = a;
        return a;
    };
    for (unsigned char c = kFirstPrintable; c <= kLastPrintable; ++c) {
        advance[c] = measure(c);
        measuredAscii[c] = true;
    }
    std::string buffer;
    for (size_t k = 0; k < entries.size(); ++k) {
        const std::string &entry = entries.line(k, buffer);
        unsigned char lowest = kFirstPrintable;
        unsigned char highest = 0;
        for (const char ch : entry) {
            const auto byte = static_cast<unsigned char>(ch);
            lowest = std::min(lowest, byte);
            highest = std::max(highest, byte);
        }
        if (lowest >= kFirstPrintable && highest <= kLastPrintable)
            continue;
        for (size_t i = 0; i < entry.size();) {
            const auto byte = static_cast<unsigned char>(entry[i]);
            if (byte < 0x80) {
                if (!measuredAscii[byte]) {
                    advance[byte] = measure(static_cast<char32_t>(byte));
                    measuredAscii[byte] = true;
                }
                ++i;
            } else {
                others.try_emplace(utf8::next(entry, i), 0.0);
            }
        }
    }
    for (auto &[c, a] : others)
        a = measure(c);
    std::string widestEntry;
    double widest = -1;
    for (size_t k = 0; k < entries.size(); ++k) {
        const std::string &entry = entries.line(k, buffer);
        double width = 0;
        if (evenPitch && others.empty()) {
            width = static_cast<double>(entry.size()) * pitch;
        } else if (evenPitch) {
            width = static_cast<double>(utf8::length(entry)) * pitch;
        } else {
            for (size_t i = 0; i < entry.size();) {
                const auto byte = static_cast<unsigned char>(entry[i]);
                if (byte < 0x80) {
                    width += advance[byte];
                    ++i;
                } else {
                    width += others.at(utf8::next(entry, i));
                }
            }
        }
        if (width > widest) {
            widest = width;
            widestEntry = entry;
        }
    }
    const int measured
        = std::max(dc.textExtent(widestEntry).cx, static_cast<int>(std::ceil(widest)));
    return { measured + 2 * font.w(), height };
}

DrawFont printFont(
    DrawContext &dc, const StringList &entries, const std::string &title, int width, int pages)
{
    const std::string header = documentHeader(title);
    const std::string number = pageNumberText(pages, pages);
    DrawFont font = kPrintFont;
    for (; font.height > kSmallestPrintHeight; --font.height) {
        FontScope scope(dc, font);
        // The header, three letters of space and the page number, one letter in from
        // either edge.
        int widest = 5 * scope.w() + dc.textExtent(header).cx + dc.textExtent(number).cx;
        for (const std::string &entry : entries)
            widest = std::max(widest, 3 * scope.w() + dc.textExtent(entry).cx);
        if (widest <= width)
            break;
    }
    return font;
}

void drawPage(DrawContext &dc, const StringList &entries, const std::string &title, int page,
    const Pagination &pages, int width, const DrawFont &printFont)
{
    FontScope font(dc, printFont);
    dc.textOut(font.w(), -font.h(), documentHeader(title));
    const std::string number = pageNumberText(page, pages.pages());
    dc.textOut(width - font.w() - dc.textExtent(number).cx, -font.h(), number);
    int row = 3;
    if (pages.repeatsHeading(page)) {
        const int n = static_cast<int>(well::columnHeading().size());
        for (int i = pages.headingFirst(); i < pages.headingFirst() + n; ++i)
            dc.textOut(3 * font.w(), -row++ * font.h(), entries[static_cast<size_t>(i)]);
    }
    for (int i = pages.first(page); i < pages.end(page); ++i)
        dc.textOut(3 * font.w(), -row++ * font.h(), entries[static_cast<size_t>(i)]);
}

} // namespace tablepage
