// The travelling cylinder ("Zylinder"): the neighbouring wells seen from inside the
// reference well. At each point of the scan the offset's nearest point is drawn in the
// plane normal to the reference hole, by its angle around the hole from the high side
// (highside.h) and at its centre-to-centre distance from the middle, so that the track of
// each offset shows from which side it comes and how near; the reference's depths are
// written along the tracks at round values, the closest approach is ringed. The rings'
// largest radius shows every offset's closest approach with room around it; a track that
// lies farther out leaves the picture at its rim. Made once per new scan.
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
};

struct CylinderData
{
    std::string title; // the reference well's name
    std::vector<CylinderTrack> tracks;
};

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

    // ---- what the last layout placed (for inspection) ----
    QPoint centre; // logical units
    int radius = 0; // of the outer ring, logical units
    PageAxis rings; // from 0 to the outer ring's distance in metres
    double depthStep = 0; // metres between the depths written along the tracks
    // Per track the pieces of its line inside the outer ring.
    std::vector<std::vector<std::vector<QPoint>>> runs;

    // Sizes the picture for `target` and places the tracks.
    void layout(const CylinderData &data, const graph::PageTarget &target = {});
    void draw(DrawContext &dc, const CylinderData &data, const std::string &docTitle) const;

    // The logical point of an angle (degrees) and a distance (metres); may lie outside
    // the outer ring.
    QPoint pointOf(double angle, double distance) const;

    static std::vector<LegendRow> legendRows(const CylinderData &data);

private:
    double m_pageRadiusPerMetre = 1;
};
