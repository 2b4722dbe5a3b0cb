// The graph page: scaling of the three plot series, their transformation into points
// of the plot area, and the drawing of the whole page (frame, titles, axes, grid,
// curves, legends) onto any DrawContext. The scroll view on screen, printing and the
// file export all draw through this one class, each with a page composed for its own
// target (pagetarget.h). It reads the plot value and the document title and never
// writes into either; its scaling is its own state.
#pragma once

#include "graph/drawcontext.h"
#include "graph/pagetarget.h"
#include "graph/plotdata.h"

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <cstdint>
#include <string>
#include <vector>

class GraphPage
{
public:
    using PointArray = std::vector<QPoint>;

    explicit GraphPage(const graph::PageTarget &target = {});

    // ---- state (public like the members of a view) ----
    // Where the page is drawn: its plot area comes from the target's page size. A page
    // is composed for one target; another target gets a page of its own (composedFor).
    graph::PageTarget m_target;
    int m_bComputed = 0; // OnCompute has run; before that nothing is drawn
    // The side view in equal horizontal and vertical scales (a view setting, not part
    // of the document). The top view is always drawn to scale.
    int m_bTrueScale = 0;

    // The part of the whole plot area the page shows, in fractions of that area: across
    // from its left edge, down from its top edge. The whole area unless a view zooms
    // into it or pans it; a page composed for another target shows the whole. Scales
    // that are equal stay equal as long as the part is as wide as high in fractions.
    QRectF m_shownPart { 0.0, 0.0, 1.0, 1.0 };
    bool showsWhole() const { return m_shownPart == QRectF(0.0, 0.0, 1.0, 1.0); }
    // Where a logical point of the page (the plot area's origin at its lower left, as
    // the curve points) lies in fractions of the whole plot area, as m_shownPart counts.
    QPointF wholeAreaFractionAt(QPointF logical) const;

    // Displayed ranges, tick spacings and first ticks of the series x, y, y1.
    double xmin = 0.0, xmax = 0.0, ymin = 0.0, ymax = 0.0, y1min = 0.0, y1max = 0.0;
    double xstart = 0.0, ystart = 0.0, y1start = 0.0;
    double deltax = 1.0, deltay = 1.0, deltay1 = 1.0;

    // Interval counts of the y and y1 axes as the last scale() found them (before
    // the two were made equal); kept only so that they can be inspected.
    int m_y1 = 0, m_y2 = 0;

    // The plot area as worldtrans made it for the target.
    int m_Breite; // width W in logical units
    int m_Hoehe; // height H
    PointArray m_Punkte; // first curve, one point per point of the data
    PointArray m_Punkte1; // second curve, all at the origin unless the data show two curves
    // Number of points in m_Punkte and m_Punkte1: the data's count at the last worldtrans.
    int m_Punktzahl = 0;
    // The positional uncertainty as the last worldtrans placed it, when the data show
    // one: the light area (the top view's ellipses; elsewhere the band along the curve
    // and the ellipse at its end) and the outlines drawn over the grid, closed polygons
    // and polylines in logical units. The top view's ellipses belong to the points
    // m_spreadPoints (indices of the data, ascending); the band's edges are the first two
    // outlines.
    std::vector<PointArray> m_spreadArea;
    std::vector<PointArray> m_spreadOutlines;
    std::vector<int> m_spreadPoints;
    // The neighbouring wells as the last worldtrans placed them: the points of each
    // offset of the data, and where the page draws the uncertainty, each offset's shape
    // of it in the manner of the reference's (one per offset, empty without).
    struct SpreadShape
    {
        std::vector<PointArray> area, outlines;
        std::vector<int> points;
    };
    std::vector<PointArray> m_offsetPoints;
    std::vector<SpreadShape> m_offsetSpreads;
    // The plan's targets (PlotData::planTargets) as the last worldtrans placed them.
    PointArray m_planTargetPoints;
    // The revision of the data OnDraw last scaled; 0 before it ever did.
    std::uint64_t m_scaledRevision = 0;

    // ---- scaling ----
    // Raw extremes of the points of each series; with `withSpread`, x and y reach as far
    // as the ellipses of the points' spread.
    void extreme(const PlotData &data, bool withSpread = true);
    // Tick spacing for a range.
    static double delta(double delt);
    // First tick for a minimum and a spacing (computed directly, never stepping).
    static double start(double min, double delt);
    // Widens the ranges to whole ticks; equal interval counts for two value axes. A
    // range whose spread is rounding noise is a single value; the plan view gets a
    // symmetric range around a single east value as the north axis does.
    void scale(const PlotData &data);
    // True when the page draws one metre across as long as one metre up: always in the
    // top view (north against east, one curve), in the side view on request.
    bool equalScales(const PlotData &data) const;
    // Horizontal scale over vertical scale of the plot area (logical units per metre),
    // 0 when a range is empty. 1 means true scale; the side view shows how far it
    // exaggerates.
    double scaleRatio(const PlotData &data) const;

    // ---- transform ----
    // Plot area size for the target, and the curve points. It starts from the ranges
    // scale() chose, so that the page comes out the same whatever target it was
    // transformed for before.
    void worldtrans(const PlotData &data);
    // The logical point at the top left of the page: (-400, 450) for the side view with
    // two curves, else (-400, 350).
    static QPoint windowOrigin(const PlotData &data);

    // ---- computing steps ----
    // extreme, scale, worldtrans. The uncertainty widens the ranges only where it
    // reaches beyond the ticks the data alone get by more than the frame line covers in
    // the largest layout (kFrameCover), so that nothing of it shows outside the frame
    // and a band of a few metres along a vertical hole costs no tick interval.
    void OnGraf(const PlotData &data);
    // m_bComputed = 1, then OnGraf.
    void OnCompute(const PlotData &data);

    // A page of its own for `target`, composed afresh from `data` with this page's view
    // settings (the side view to scale): what printing and the file export draw. This
    // page is left as it is.
    GraphPage composedFor(const graph::PageTarget &target, const PlotData &data) const;

    // The part of the page that the graph uses: from the window origin to 40 mm right
    // of the plot area and kBelowArea below it.
    QSize usedArea(const PlotData &data) const;

    // What a view does to paint: scales the data first when `revision` is not the one it
    // last scaled (m_scaledRevision), and draws the page once it has been computed. A
    // view passes a revision that changes whenever its plot value gets new series.
    void OnDraw(
        DrawContext &dc, const PlotData &data, std::uint64_t revision, const std::string &docTitle);

    // ---- drawing (the label font and frame pen are expected to be selected for the axes,
    // the dotted pen for the grid, as zeichnen does) ----
    // The whole page; draws nothing before the first OnCompute. `docTitle` is the
    // document's title, shown as "Dokument %s".
    void zeichnen(DrawContext &dc, const PlotData &data, const std::string &docTitle) const;
    void xachse(DrawContext &dc, const PlotData &data) const;
    void yachse(DrawContext &dc, const PlotData &data) const;
    void y1achse(DrawContext &dc, const PlotData &data) const;
    void gitter(DrawContext &dc, const PlotData &data) const;

    // The lines the page adds below the plot area (in the language): how far the
    // side view exaggerates, and up to which depth an aborted computation got.
    std::vector<std::string> notes(const PlotData &data) const;

    // Radii of the open circle at the wellhead and the filled dot at the last point.
    static constexpr int kMarkerRadius = 18;
    static constexpr int kEndMarkerRadius = 11;
    // Half the side of the square around a station outside the survey check's tolerance.
    static constexpr int kToleranceMarkHalf = 16;
    // The row of their legend, above the plot area below the subtitle.
    static constexpr int kMarkerLegendRow = 140;
    // Room below the plot area for the axis title, the legends and the notes.
    static constexpr int kBelowArea = 300;
    // The narrowest plot area a side view to scale gets: its captions and the marker
    // legend above it fit side by side.
    static constexpr int kNarrowestArea = 1000;
    // Labels of one axis at least this far apart (logical units).
    static constexpr int kLeastTickDistance = 110;
    // The top view draws an ellipse where its centre or its size differs from those of
    // the next ellipse drawn by at least this much (5 mm); the last is always drawn.
    static constexpr int kEllipseSpacing = 50;
    // The band along the curve takes a point of the curve every millimetre.
    static constexpr int kBandStep = 10;
    // The part of an axis's range that half the frame line covers on the widest plot
    // area (2 logical units of it).
    static constexpr double kFrameCover = 2.0 / graph::kWidestArea;
    // The row of the uncertainty's legend, below the plot area under the curve legends.
    static constexpr int kSpreadLegendRow = 250;

private:
    // Gives the axis that needs less room the range that makes both scales equal, for
    // the plot area of the target; called by worldtrans.
    void equalizeScales(const PlotData &data);
    // The side view to scale: the plot area takes the well's proportions instead of the
    // target's landscape box, upright on screen for a deep, narrow well; called by
    // worldtrans before equalizeScales. False when the ranges give no proportions.
    bool fitAreaToWell(const PlotData &data);
    // Fewer ticks where a fitted area is too small for the usual spacing.
    void spaceTicks();
    void drawMarkers(DrawContext &dc) const;
    void drawToleranceMarks(DrawContext &dc, const PlotData &data) const;
    void drawMarkerLegend(DrawContext &dc) const;
    // The square's legend, below the plot area on the right of the uncertainty's row.
    void drawToleranceLegend(DrawContext &dc, const PlotData &data) const;
    // A page that shows part of its data cuts what lies in the plot area at the frame.
    void beginAreaClip(DrawContext &dc) const;
    void endAreaClip(DrawContext &dc) const;
    // The ranges scale() chose, before any target or shown part changed them.
    void restoreFitted();
    // The ranges narrowed to m_shownPart, with ticks for the new ranges.
    void narrowToShownPart(const PlotData &data);
    void drawNotes(DrawContext &dc, const PlotData &data) const;
    void drawFrame(DrawContext &dc) const;
    void drawCaptions(DrawContext &dc, const PlotData &data) const;
    void drawCurves(DrawContext &dc, const PlotData &data) const;
    // uncertaintydraw.cpp: the uncertainty placed by worldtrans, and drawn.
    void placeSpread(const PlotData &data);
    // The shape of the spread of the first `n` of `points` (one curve's), `floorY` for a
    // y that is a distance.
    SpreadShape spreadShape(const PointArray &points, int n, const std::vector<PlotSpread> &spread,
        bool floorY, const PlotData &data) const;
    // True when the ellipses of the spread stay within the current ranges widened by
    // kFrameCover of each range.
    bool spreadFits(const PlotData &data) const;
    void drawSpreadArea(DrawContext &dc, const PlotData &data) const;
    void drawSpreadOutlines(DrawContext &dc, const PlotData &data) const;
    void drawSpreadLegend(DrawContext &dc, const PlotData &data) const;
    // offsetdraw.cpp: the neighbouring wells' curves with their markers and names, the
    // plan dashed with its targets, and their legend inside the plot area where it hides
    // the least.
    void drawOffsets(DrawContext &dc, const PlotData &data) const;
    void drawOffsetLegend(DrawContext &dc, const PlotData &data) const;

    // The ranges as scale() left them, before equalizeScales widened one of them or
    // spaceTicks thinned the ticks for a particular plot area, and the middle of the raw
    // data of x and y.
    struct Fitted
    {
        bool valid = false;
        double xmin = 0, xmax = 0, xstart = 0, deltax = 1;
        double ymin = 0, ymax = 0, ystart = 0, deltay = 1;
        double y1min = 0, y1max = 0, y1start = 0, deltay1 = 1;
        double midX = 0, midY = 0;
    };
    Fitted m_fitted;
    // Which series scale() found to be a single value (their spread rounding noise).
    struct Single
    {
        bool x = false, y = false, y1 = false;
        double xValue = 0, yValue = 0, y1Value = 0;
    };
    Single m_single;
};
