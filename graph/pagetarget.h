// Where a page is drawn, and what that gives the page: its plot area and the room it has.
// The graph page, the ladder and the travelling cylinder are composed for a target handed
// to them as a value. The view's window page, a printed sheet and the files are separate
// compositions of the same data: printing or saving a picture never changes what the
// screen shows, and the screen's zoom never reaches the paper.
#pragma once

#include "graph/graphstyle.h"

#include <QSize>
#include <QSizeF>

#include <algorithm>

namespace graph {

enum class TargetKind {
    Screen, // the fixed screen layout, as the picture files show it
    ScreenZoomed, // the same half as large again
    Window, // a window of its own size: the page fills it and follows it
    PaperPortrait, // a printed sheet or a PDF page whose printable area is taller than wide
    PaperLandscape, // one that is as wide or wider
    Image, // a PNG picture of the screen layout, cut to the part of the page used
    Vector, // an SVG drawing of the screen layout, likewise
};

struct PageTarget
{
    TargetKind kind = TargetKind::Screen;
    // Pixels per logical unit (0.1 mm) of a picture; the other targets have their own
    // resolution (the screen's, the printer's) and leave it at 1.
    double pixelsPerUnit = 1.0;
    // The room of a window target in logical units; empty for the other targets.
    QSize window = QSize();

    static PageTarget screen(bool zoomed = false);
    // A window that shows `logicalSize` (0.1 mm) of page.
    static PageTarget windowOf(QSize logicalSize);
    // A sheet whose printable area measures `printable` (any unit): portrait when it is
    // taller than wide.
    static PageTarget paper(QSizeF printable);
    static PageTarget image(double pixelsPerUnit);
    static PageTarget vector();

    bool zoomed() const { return kind == TargetKind::ScreenZoomed; }
    bool onPaper() const
    {
        return kind == TargetKind::PaperPortrait || kind == TargetKind::PaperLandscape;
    }

    friend bool operator==(const PageTarget &, const PageTarget &) = default;
};

// What a target gives a page, in logical units of 0.1 mm.
struct PageSize
{
    // The graph page's plot area; the ladder and the cylinder are as wide.
    int areaWidth = 0;
    int areaHeight = 0;
    // The page from its top edge (the window origin's row) to its lower edge: the
    // scrolled page, or what a sheet holds.
    int pageHeight = 0;
    // The screen page scrolls: a side view to scale may stand upright on it, and the
    // ladder and the cylinder stay no higher than their screen height. A sheet keeps the
    // area its orientation gives.
    bool scrolls = false;
    // How much larger than on the plain screen a page draws what has a size of its own
    // (percent): the zoom enlarges the ladder's and the cylinder's screen height.
    int magnification = 100;
};

// A window's page begins 40 mm left of the plot area and keeps as much right of it; at
// least this much plot area is left however small the window gets (the view scrolls
// then). A low window keeps its titles and legends and gives the area what is left.
inline constexpr int kWindowMargin = 400;
inline constexpr int kLeastWindowWidth = 600;
inline constexpr int kLeastWindowHeight = 300;

// The one table of page sizes: the plot area and the room of every target. The screen
// page is scrolled over 250 mm x 220 mm; the zoom draws the plot area half as large
// again. A portrait sheet (A4 less its margins) holds 210 mm of plot area under the
// titles with the legends below it, a landscape sheet 130 mm of a wider area.
namespace pagesizes {
    inline constexpr PageSize kScreen { 1300, 750, graphstyle::kPageHeight, true, 100 };
    inline constexpr PageSize kScreenZoomed { 1950, 1125, graphstyle::kPageHeight, true, 150 };
    inline constexpr PageSize kPaperPortrait { 1300, 2100, 2750, false, 100 };
    inline constexpr PageSize kPaperLandscape { 2200, 1300, 1950, false, 100 };
} // namespace pagesizes

// The fixed size of a target: a window has none and gets the plain screen's entry
// (pageSizeFor gives it its own).
constexpr const PageSize &pageSize(const PageTarget &target)
{
    switch (target.kind) {
    case TargetKind::ScreenZoomed:
        return pagesizes::kScreenZoomed;
    case TargetKind::PaperPortrait:
        return pagesizes::kPaperPortrait;
    case TargetKind::PaperLandscape:
        return pagesizes::kPaperLandscape;
    case TargetKind::Screen:
    case TargetKind::Window:
    case TargetKind::Image:
    case TargetKind::Vector:
        break;
    }
    // The files show the page as the plain screen does.
    return pagesizes::kScreen;
}

// The size a target gives a page: its fixed size, or what a window holds. The window
// leaves room above the plot area for the highest titles (a side view with two curves)
// and below it for the legends and the notes.
constexpr PageSize pageSizeFor(const PageTarget &target)
{
    if (target.kind != TargetKind::Window)
        return pageSize(target);
    constexpr int titles = 450, below = 300;
    const int width = std::max(kLeastWindowWidth, target.window.width() - 2 * kWindowMargin);
    const int height = std::max(kLeastWindowHeight, target.window.height() - titles - below);
    return { width, height, std::max(target.window.height(), height + titles + below), false,
        100 };
}

// The widest plot area of all targets.
inline constexpr int kWidestArea
    = std::max({ pagesizes::kScreen.areaWidth, pagesizes::kScreenZoomed.areaWidth,
        pagesizes::kPaperPortrait.areaWidth, pagesizes::kPaperLandscape.areaWidth });

} // namespace graph
