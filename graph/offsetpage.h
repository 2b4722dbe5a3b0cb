// What the ladder and the travelling cylinder share: their page's layout for its target
// (the screen with and without the zoom, a sheet in portrait or landscape, a file), the
// titles over the plot area, and the legend of the wells below it with the "Dokument"
// line. Logical units, the window origin and the page sizes (pagetarget.h) as on the
// graph page (graphpage.h), so that the view, printing and the file export treat all
// pages alike.
#pragma once

#include "graph/drawcontext.h"
#include "graph/pagetarget.h"

#include <QPoint>
#include <QRectF>
#include <QSize>

#include <optional>
#include <string>
#include <utility>
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
    // The target the last layout was made for.
    const graph::PageTarget &target() const { return m_target; }
    // The plot area (logical units) as the last layout made it.
    int areaWidth() const { return m_areaWidth; }
    int areaHeight() const { return m_areaHeight; }

    // One line of the legend: a sample of the well's line in its colour and a text.
    struct LegendRow
    {
        DrawColor colour;
        std::string text;
    };
    // `rows` ranked worst first by `keys` (a row's lowest separation factor, then its
    // closest distance; none: infinite), rows of equal keys in their order.
    static std::vector<LegendRow> worstFirst(std::vector<LegendRow> rows,
        const std::vector<std::pair<std::optional<double>, std::optional<double>>> &keys);

    // The part of the whole picture a view shows, in fractions as on the graph page
    // (GraphPage::m_shownPart): the ladder shows the depths from its top to its bottom,
    // the cylinder rings out to its width of the whole radius. The whole by default;
    // pages composed for paper and files show the whole.
    QRectF m_shownPart { 0.0, 0.0, 1.0, 1.0 };
    bool showsWhole() const { return m_shownPart == QRectF(0.0, 0.0, 1.0, 1.0); }

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
    // The plot area for `target`, with `legendRows` lines below it: as wide as the graph
    // page's area, as high as the page or the sheet allows but no higher than `tallest`
    // (enlarged by the zoom) on screen; `square` makes it as wide as high (the smaller of
    // the two).
    void layoutArea(const graph::PageTarget &target, int legendRows, int tallest, bool square);
    void drawTitles(DrawContext &dc, const std::string &title, const std::string &subtitle) const;
    // The legend rows and the "Dokument" line below them.
    void drawLegend(
        DrawContext &dc, const std::vector<LegendRow> &rows, const std::string &docTitle) const;
    // A message in the middle of the plot area (nothing to draw), with a smaller line
    // below it unless `hint` is empty.
    void drawMessage(DrawContext &dc, const std::string &text, const std::string &hint = {}) const;
    // The message of a well without neighbours and where they are entered.
    void drawNoOffsets(DrawContext &dc) const;

    graph::PageTarget m_target;
    int m_areaWidth = graph::pageSize(m_target).areaWidth;
    int m_areaHeight = m_areaWidth;
    int m_legendRows = 0;
};
