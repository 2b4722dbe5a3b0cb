// The computed plan as the exact path it describes: one piece per arc or hold, in order of
// measured depth, each piece an arc of the geometry (plan/geometry.h). The stations are
// taken from these pieces; the targets and anything that wants a point between stations
// (the closest point to a position, the point at a depth) read them directly. No Qt.
#pragma once

#include "plan/geometry.h"

#include <optional>
#include <vector>

namespace plan {

struct Piece
{
    int section = 0; // from 1
    double mdFrom = 0, mdTo = 0;
    geom::Arc arc; // kappa 0: a hold
    double carriedAzimuth = 0; // the azimuth a vertical tangent of this piece reports

    double length() const { return mdTo - mdFrom; }
    bool isHold() const { return arc.kappa == 0.0; }
    double doglegPer30() const { return geom::doglegPer30Of(arc.kappa); }
    // The tool face set where the piece begins; none for a hold.
    std::optional<double> toolFace() const;
};

struct PathPoint
{
    double md = 0;
    geom::Vec position, tangent;
    std::size_t piece = 0;
    double inclination = 0, azimuth = 0;
};

// The point at `s` metres into piece `k`.
PathPoint pointOnPiece(const std::vector<Piece> &path, std::size_t k, double s);

// The point of the path closest to `q`: exact on every piece (the nearest point of a
// straight line or of a circle, kept within the piece). The path must not be empty.
PathPoint closestPoint(const std::vector<Piece> &path, const geom::Vec &q);

// The point at measured depth `md`; none outside the path.
std::optional<PathPoint> pointAtMd(const std::vector<Piece> &path, double md);

} // namespace plan
