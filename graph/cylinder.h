// The travelling cylinder ("Zylinder"): the neighbouring wells seen from inside the
// reference well. At each point of the scan the offset's nearest point is drawn in the
// plane normal to the reference hole, by its angle around the hole from the high side
// (highside.h) and at its centre-to-centre distance from the middle, so that the track of
// each offset shows from which side it comes and how near; the reference's depths are
// written along the tracks at round values, the closest approach is ringed and its
// distance written beside it, the lowest separation factor is dotted and named ("TF").
//
// The outer ring follows the neighbours that matter, the near ones. A track's near part is
// where it comes within twice its own closest approach. The outer ring is the round
// distance just beyond the near parts of all tracks, but it stays between one and a half
// and three times the nearest closest approach of all: the nearest neighbour's closest
// approach then lies between a third and two thirds of the way out, never as a knot in the
// middle (one nearer than kLeastReach counts as that far), and a neighbour that is far
// compared with it leaves the picture at the rim; the legend still names its lowest
// separation factor and its closest approach. The user may fix the outer ring's distance
// instead (CylinderData::outerRadius); the screen, the printed sheet and the files follow
// the same rule.
//
// Every text inside the picture is written through one LabelPlacer in the order of its
// importance: the outer ring's distance, the angles, the inner rings' distances, then per
// neighbour, the lowest separation factor first, its closest approach and its lowest
// factor, and last the depths along the tracks. None covers another whatever the size of
// the page; one that finds no room is left out. Made once per new scan.
#pragma once

#include "graph/offsetpage.h"
#include "graph/offsetpicture.h"

#include <optional>
#include <string>
#include <vector>

struct CylinderPoint
{
    double md = 0; // of the reference
    double angle = 0; // degrees from the high side, clockwise looking down the hole
    double distance = 0; // centre to centre, metres
};

struct CylinderTrack
{
    std::string name;
    DrawColor colour;
    // In the order of the reference's depths, the closest approach among them; a point
    // whose side cannot be told (the offset straight ahead along the hole) is left out.
    std::vector<CylinderPoint> points;
    std::optional<CylinderPoint> closest;
    // The lowest separation factor and the reference's depth where it occurs; none
    // without an error model.
    std::optional<double> lowestFactor = std::nullopt, lowestMd = std::nullopt;
};

struct CylinderData
{
    std::string title; // the reference well's name
    std::vector<CylinderTrack> tracks;
    // The outer ring's distance (metres) as the user fixed it; unset: chosen from the
    // tracks as the header says. A value that is not a positive finite number counts as
    // unset.
    std::optional<double> outerRadius = std::nullopt;
};

// The outer ring's distance (metres) the cylinder chooses by itself for these tracks, before
// it is rounded to a distance the rings can name (CylinderPage::layout); 0 without points.
double automaticReach(const CylinderData &data);

// The cylinder of the scan in `offsets` for the well `name` along
// `reference`, the path the scan was made on (its directions at the scan's depths).
CylinderData cylinderDataOf(
    const OffsetPicture &offsets, const traj::Trajectory &reference, const std::string &name);

class CylinderPage : public OffsetPage
{
public:
    // Angles are drawn and named every so many degrees.
    static constexpr int kSpokeStep = 30;
    // Room around the circle for the names of the angles.
    static constexpr int kAngleRoom = 110;
    // On screen the picture is no higher than this; the zoom enlarges it (pagetarget.h).
    static constexpr int kScreenHeight = 1300;
    // At most this many rings.
    static constexpr int kMostRings = 6;
    // A track's near part: where it is within this many times its own closest approach.
    static constexpr double kNearFactor = 2.0;
    // The nearest closest approach lies at least this fraction of the outer ring out ...
    static constexpr double kNearestLeast = 1.0 / 3.0;
    // ... and at most this fraction, so that its ring has room around it.
    static constexpr double kNearestMost = 2.0 / 3.0;
    // An approach closer than this (metres) is scaled as if it were this far: within a
    // few metres the holes' own sizes are of the same order and a neighbour that close
    // is a danger whatever the exact value, so the picture keeps at least this much room
    // to show where it comes from and goes to (a touching well lies in the middle).
    static constexpr double kLeastReach = 5.0;

    // ---- what the last layout placed (for inspection) ----
    QPoint centre; // logical units
    int radius = 0; // of the outer ring, logical units
    PageAxis rings; // from 0 to the outer ring's distance in metres
    double depthStep = 0; // metres between the depths written along the tracks
    // Per track the pieces of its line inside the outer ring.
    std::vector<std::vector<std::vector<QPoint>>> runs;

    // Sizes the picture for `target` and places the tracks.
    void layout(const CylinderData &data, const graph::PageTarget &target = {});
    // Places the tracks into a plot area of the given size (logical units), whatever
    // target it came from; layout() calls it with the target's area.
    void layoutInArea(const CylinderData &data, int width, int height);
    void draw(DrawContext &dc, const CylinderData &data, const std::string &docTitle) const;

    // The logical point of an angle (degrees) and a distance (metres); may lie outside
    // the outer ring.
    QPoint pointOf(double angle, double distance) const;

    // Where the track's lowest separation factor lies on the page; none without one or
    // when it lies beyond the outer ring.
    std::optional<QPoint> lowestFactorPoint(const CylinderTrack &track) const;

    static std::vector<LegendRow> legendRows(const CylinderData &data);

private:
    double m_pageRadiusPerMetre = 1;
};
