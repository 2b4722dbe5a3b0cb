// What the ladder and the travelling cylinder share: their page's layout for the screen
// (with and without the zoom) and for a sheet in portrait or landscape, the titles over
// the plot area, and the legend of the wells below it with the "Dokument" line. Logical
// units and the window origin as on the graph page (graphpage.h), so that the view,
// printing and the file export treat all pages alike.
#pragma once

#include "graph/drawcontext.h"

#include <QPoint>
#include <QSize>

#include <string>
#include <vector>

// An axis of values: its range, its first tick and the spacing of its ticks.
struct PageAxis
{
    double lo = 0, hi = 1, first = 0, step = 1;
};

// From at most `lo` to at least `hi` in whole ticks of the 1, 2, 5 series, their labels
// at least GraphPage::kLeastTickDistance apart on an axis `length` logical units long.
PageAxis niceAxis(double lo, double hi, int length);

// The k-th tick of the axis.
double tickOf(const PageAxis &a, int k);

class OffsetPage
{
public:
    // ---- layout flags, set as on the graph page ----
    int m_bGrafiklupe = 0;
    int m_bPrint = 0;
    int m_bPortrait = 1;

    // The plot area (logical units) as the last layout made it.
    int m_Breite = 1300;
    int m_Hoehe = 1300;

    // One line of the legend: a sample of the well's line in its colour and a text.
    struct LegendRow
    {
        DrawColor colour;
        std::string text;
    };

    static QPoint windowOrigin() { return QPoint(-400, 350); }
    // The part of the page used, from the window origin to 40 mm right of the plot area
    // and down to the last line below it.
    QSize usedArea() const;

    // Room below the plot area: axis labels and caption, one row per legend line and
    // the "Dokument" line.
    static int belowArea(int legendRows);
    // The rows of the legend below the plot area, a row apart.
    static constexpr int kLegendTop = 160;
    static constexpr int kLegendRow = 55;

protected:
    // The plot area for the layout flags, with `legendRows` lines below it: as wide as
    // the graph page's area, as high as the page or the sheet allows but no higher than
    // `tallest` on screen; `square` makes it as wide as high (the smaller of the two).
    void layoutArea(int legendRows, int tallest, bool square);
    void drawTitles(DrawContext &dc, const std::string &title, const std::string &subtitle) const;
    // The legend rows and the "Dokument" line below them.
    void drawLegend(
        DrawContext &dc, const std::vector<LegendRow> &rows, const std::string &docTitle) const;
    // A message in the middle of the plot area (nothing to draw), with a smaller line
    // below it unless `hint` is empty.
    void drawMessage(DrawContext &dc, const std::string &text, const std::string &hint = {}) const;
    // The message of a well without neighbours and where they are entered.
    void drawNoOffsets(DrawContext &dc) const;

    int m_legendRows = 0;
};
