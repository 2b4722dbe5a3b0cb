// Room for the short texts of a picture.
#pragma once

#include "graph/drawcontext.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <string>
#include <vector>

// Finds room for short texts beside points of a picture (names, values, depths), so that
// none covers another one or leaves the box it belongs in. Logical units, y up. A page
// writes its texts through one placer in the order of their importance: a text that finds
// no room of its own is left out rather than drawn over one that came first.
class LabelPlacer
{
public:
    // The least room between two texts (logical units).
    static constexpr int kPadding = 6;

    // Texts stay between `left` and `right`, `top` and `bottom`.
    LabelPlacer(int left, int top, int right, int bottom);

    // The box the following texts stay in, until it is set again.
    void setBounds(int left, int top, int right, int bottom);

    // Where a text `width` units wide and `height` high (its cell) goes beside `at`, `gap`
    // units from it, as the top left anchor: right of the point, else left of it, else
    // up to `rows` rows of the cell's height above or below these two. None when all of
    // these are taken or outside; a place found is taken.
    std::optional<QPoint> place(QPoint at, int width, int height, int gap, int rows);
    // Marks the text cell at `anchor` as taken.
    void take(QPoint anchor, int width, int height);
    // Takes the cell at `anchor` when it lies inside the box and clear of every cell
    // taken so far; false, and nothing taken, otherwise.
    bool claim(QPoint anchor, int width, int height);

    // Writes `text` at (x, y) under the context's current alignment and font when its
    // cell finds room (claim); false when it was left out.
    bool write(DrawContext &dc, int x, int y, const std::string &text);
    // Marks the cell of `text` at (x, y) under the current alignment and font as taken,
    // for a text drawn anyway (a title, a caption).
    void takeText(DrawContext &dc, int x, int y, const std::string &text);

    // The cells taken so far (Qt's rectangles: y counts downward, the top is -y).
    const std::vector<QRect> &taken() const { return m_taken; }

private:
    QRect cell(QPoint anchor, int width, int height) const;
    bool isFree(const QRect &r) const;
    // The top left anchor of `text` written at (x, y) under the current alignment.
    static QPoint anchorOf(DrawContext &dc, int x, int y, int width);
    QRect m_bounds;
    std::vector<QRect> m_taken;
};
