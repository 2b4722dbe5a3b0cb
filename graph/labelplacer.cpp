// Room for the short texts of a picture.
#include "graph/labelplacer.h"

#include <algorithm>

LabelPlacer::LabelPlacer(int left, int top, int right, int bottom)
    : m_bounds(QPoint(left, -top), QPoint(right, -bottom))
{
}

void LabelPlacer::setBounds(int left, int top, int right, int bottom)
{
    m_bounds = QRect(QPoint(left, -top), QPoint(right, -bottom));
}

QRect LabelPlacer::cell(QPoint anchor, int width, int height) const
{
    // Qt's rectangles count y downward.
    return QRect(anchor.x(), -anchor.y(), width, height);
}

bool LabelPlacer::isFree(const QRect &r) const
{
    // A little room between two texts, so that they do not read as one.
    const QRect padded = r.adjusted(-kPadding, -kPadding, kPadding, kPadding);
    return m_bounds.contains(r)
        && std::none_of(
            m_taken.begin(), m_taken.end(), [&](const QRect &q) { return q.intersects(padded); });
}

std::optional<QPoint> LabelPlacer::place(QPoint at, int width, int height, int gap, int rows)
{
    const int rightX = at.x() + gap, leftX = at.x() - gap - width;
    const int middle = at.y() + height / 2;
    for (int k = 0; k < 2 * (2 * rows + 1); ++k) {
        // Rows 0, +1, -1, +2, -2, ...; right before left.
        const int n = k / 2;
        const int step = (n + 1) / 2 * (n % 2 == 1 ? 1 : -1);
        const QPoint anchor(k % 2 == 0 ? rightX : leftX, middle + step * height);
        if (claim(anchor, width, height))
            return anchor;
    }
    return std::nullopt;
}

void LabelPlacer::take(QPoint anchor, int width, int height)
{
    m_taken.push_back(cell(anchor, width, height));
}

bool LabelPlacer::claim(QPoint anchor, int width, int height)
{
    const QRect r = cell(anchor, width, height);
    if (!isFree(r))
        return false;
    m_taken.push_back(r);
    return true;
}

QPoint LabelPlacer::anchorOf(DrawContext &dc, int x, int y, int width)
{
    return QPoint(dc.textAlign() == TextAlign::TopCenter ? x - width / 2 : x, y);
}

bool LabelPlacer::write(DrawContext &dc, int x, int y, const std::string &text)
{
    const DrawSize size = dc.textExtent(text);
    if (!claim(anchorOf(dc, x, y, size.cx), size.cx, size.cy))
        return false;
    dc.textOut(x, y, text);
    return true;
}

void LabelPlacer::takeText(DrawContext &dc, int x, int y, const std::string &text)
{
    const DrawSize size = dc.textExtent(text);
    take(anchorOf(dc, x, y, size.cx), size.cx, size.cy);
}
