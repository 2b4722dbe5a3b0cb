// Room for the short texts of a picture.
#pragma once

#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

// Finds room for short texts beside points of a picture (names, values, depths), so that
// none covers another one or leaves the box it belongs in. Logical units, y up.
class LabelPlacer
{
public:
    // Texts stay between `left` and `right`, `top` and `bottom`.
    LabelPlacer(int left, int top, int right, int bottom);

    // Where a text `width` units wide and `height` high (its cell) goes beside `at`, `gap`
    // units from it, as the top left anchor: right of the point, else left of it, else
    // up to `rows` rows of the cell's height above or below these two. None when all of
    // these are taken or outside; a place found is taken.
    std::optional<QPoint> place(QPoint at, int width, int height, int gap, int rows);
    // Marks the text cell at `anchor` as taken.
    void take(QPoint anchor, int width, int height);

private:
    QRect cell(QPoint anchor, int width, int height) const;
    QRect m_bounds;
    std::vector<QRect> m_taken;
};
