// The ladder ("Abstand"): how far each neighbouring well passes from the reference,
// over the reference's measured depth down the page as the other views draw depth. The
// left panel shows the centre-to-centre distance of each offset, the right one its
// separation factor with lines at 1.0 and 1.5; the lowest factor of each offset is
// marked, and so is its closest approach. Without an error model the page has the
// distances alone. Its texts go through one LabelPlacer, the lowest factor first among the
// values, so that none covers another at any size of the page; one without room is left
// out. Its value is made once per new scan; the page scales and draws it.
#pragma once

#include "graph/offsetpage.h"
#include "graph/offsetpicture.h"

#include <optional>
#include <string>
#include <vector>

struct LadderCurve
{
    std::string name;
    DrawColor colour;
    // One entry per point of the scan in the order of the reference's depths: the rows
    // and the closest approach and lowest factor found between them.
    std::vector<double> md, distance;
    std::vector<std::optional<double>> factor; // none without an error model
    std::optional<double> closestMd, closestDistance;
    std::optional<double> lowestMd, lowestFactor;
};

struct LadderData
{
    std::string title; // the reference well's name
    std::vector<LadderCurve> curves;

    // True when some offset has a separation factor: the page has its second panel.
    bool hasFactors() const;
};

// The ladder of the scan in `offsets` for the well `name`.
LadderData ladderDataOf(const OffsetPicture &offsets, const std::string &name);

class LadderPage : public OffsetPage
{
public:
    // The separation factors the page draws its lines at.
    static constexpr double kFactorLines[2] = { 1.0, 1.5 };
    // The factor axis ends here however large the factors get: far from the lines a
    // factor says only that the wells are well apart. Beyond it a curve leaves the panel.
    static constexpr double kLargestFactor = 10.0;
    // Between the two panels.
    static constexpr int kPanelGap = 160;
    // On screen the area is no higher than this; the zoom enlarges it (pagetarget.h).
    static constexpr int kScreenHeight = 1400;

    // ---- what the last layout placed (for inspection) ----
    PageAxis md, distanceAxis, factorAxis;
    int distanceWidth = 0; // the left panel from 0
    int factorLeft = 0, factorWidth = 0; // the right panel, when there is one
    // Per curve the pieces of its line in logical units: a factor beyond the axis or a
    // point without a factor ends a piece.
    std::vector<std::vector<std::vector<QPoint>>> distanceRuns, factorRuns;

    // Sizes the area for `target` and places the curves.
    void layout(const LadderData &data, const graph::PageTarget &target = {});
    // Places the curves into a plot area of the given size (logical units), whatever
    // target it came from; layout() calls it with the target's area.
    void layoutInArea(const LadderData &data, int width, int height);
    // The whole page.
    void draw(DrawContext &dc, const LadderData &data, const std::string &docTitle) const;

    // Logical position of a depth, a distance and a factor.
    int yOf(double depth) const;
    int xOfDistance(double distance) const;
    int xOfFactor(double factor) const;

    // The legend's lines: each offset with its lowest factor, or its
    // closest approach where it has none.
    static std::vector<LegendRow> legendRows(const LadderData &data);
};
