// Thinning a polyline to what a screen of whole pixels can show. A long survey has many
// stations on one pixel of the screen; drawing each of them costs time on every paint
// and changes nothing that can be seen. Printing and the file export draw every point.
#pragma once

#include <QPointF>

#include <vector>

// The indices, in ascending order, of the points of a polyline (device coordinates)
// worth drawing on a device of whole pixels: of each run of consecutive points on one
// pixel its first and last point, and the points with the smallest and largest x and y
// of the whole polyline. The path therefore visits the same pixels in the same order,
// and its ends and its bounding box stay as they were.
std::vector<int> pixelThinnedIndices(const QPointF *points, int count);
