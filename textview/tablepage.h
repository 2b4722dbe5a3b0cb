// The results table as the text view shows and prints it, drawn through the graph's
// drawing layer (logical units of 0.1 mm, y upward), so that screen, printer and tests
// share one layout: rows below the origin at the top left, one "W" wide indent on
// screen, a header "Dokument:<title>" and three letters of indent on paper.
#pragma once

#include "core/stringlist.h"
#include "graph/drawcontext.h"
#include "well/tabletext.h"

#include <climits>
#include <string>

namespace tablepage {

// Bold fixed-pitch fonts: 5.5 mm cells on screen, 4.4 mm on paper.
inline const DrawFont kScreenFont { 55, 800, FontFamily::Modern, "Courier New" };
inline const DrawFont kPrintFont { 44, 800, FontFamily::Modern, "Courier New" };

// Lines per printed page: 59 on a page taller than wide, else 40. `width` and
// `height` are the printable area's size (both positive).
int linesPerPage(int width, int height);

// Pages of a run over `entries` lines with `lines` per page: as many as the lines fill,
// and one page with only the header for an empty table. No page is left empty.
int pageCount(int entries, int lines);

// The pages of a printed table. The first page holds `lines` entries as they come; when
// the table carries the results table's column heading on that page, every later page
// repeats it above its rows and so holds that many entries fewer.
class Pagination
{
public:
    Pagination(const StringList &entries, int lines);

    int pages() const;
    // Entries [first(page), end(page)) go on page `page` (from 1).
    int first(int page) const;
    int end(int page) const;
    // The heading's lines above the rows of `page`; none on the first page and for a
    // table without a heading (a results file of another kind).
    int headingFirst() const { return m_heading; }
    bool repeatsHeading(int page) const { return page > 1 && m_heading >= 0; }
    int lines() const { return m_lines; }

private:
    int later() const; // entries on a page after the first

    int m_entries;
    int m_lines;
    int m_heading = -1; // index of the heading's first line
};

// "Seite 2 von 5", in the header line of every printed page.
std::string pageNumberText(int page, int pages);

// The printer font for a printable area `width` logical units wide: the 4.4 mm font
// when the widest row (three letters of indent and the longest entry) and the header
// fit across, else the largest smaller height down to kSmallestPrintHeight at which they
// do. The columns stay as they are; only the letters get narrower.
inline constexpr int kSmallestPrintHeight = 30;
// The header line holds the page number of the last of `pages` pages too.
DrawFont printFont(
    DrawContext &dc, const StringList &entries, const std::string &title, int width, int pages = 1);

// Draws every entry of the table as the screen shows it (well/tabletext.h) at (w, -i*h)
// in the screen font; w and h are the width and height of "W". Rows outside [firstRow,
// lastRow] are skipped (they would fall outside the visible part anyway).
void drawScreen(
    DrawContext &dc, const well::ShownTable &entries, int firstRow = 0, int lastRow = INT_MAX);

// Row pitch (height of "W") of the screen font.
int screenRowHeight(DrawContext &dc);

// The scroll extent that holds every line of the table and no more: its widest line with
// a letter's margin on both sides, its rows and one spare row (the view scrolls to the
// last line, not on into blank pages). It measures each character that occurs and the
// widest line, not every line.
// The lines are measured as the screen shows them.
DrawSize screenExtent(DrawContext &dc, const well::ShownTable &entries);

// Page `page` (from 1) of a print run paginated by `pages` in `font` (see printFont),
// on a printable area `width` logical units wide: the header "Dokument:<title>" with
// "Seite N von M" at its right end, then the page's rows, below the repeated column
// heading after the first page. `title` is the document's title.
void drawPage(DrawContext &dc, const StringList &entries, const std::string &title, int page,
    const Pagination &pages, int width, const DrawFont &font = kPrintFont);

} // namespace tablepage
