// Measuring a drawn well's straight part on a rendered page: the direction of the red
// curve in the middle half of its height, as a geologist would lay a protractor on it.
#pragma once

#include <QImage>

#include <cmath>
#include <vector>

namespace graphtest {

inline bool isCurveRed(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90;
}

// Degrees clockwise from the page's vertical (up) of the red pixels that lie above
// `belowRow` (to leave out the legend), between a quarter and three quarters of their
// height; NaN when there are too few. The pixels must be square.
inline double redCurveAngle(const QImage &image, int belowRow)
{
    struct Px
    {
        double x, y;
    };
    std::vector<Px> red;
    int top = image.height(), bottom = 0;
    for (int y = 0; y < belowRow && y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isCurveRed(image.pixel(x, y))) {
                red.push_back({ double(x), double(y) });
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    const double lo = top + 0.25 * (bottom - top), hi = top + 0.75 * (bottom - top);
    double n = 0, sx = 0, sy = 0, syy = 0, sxy = 0;
    for (const Px &p : red)
        if (p.y >= lo && p.y <= hi) {
            n += 1;
            sx += p.x;
            sy += p.y;
            syy += p.y * p.y;
            sxy += p.x * p.y;
        }
    if (n < 20)
        return NAN;
    // x as a linear function of y (the line is steeper than 45 degrees here).
    const double slope = (n * sxy - sx * sy) / (n * syy - sy * sy);
    // Image y grows downward: moving up the page is -y.
    return std::atan2(-slope, 1.0) * 180.0 / M_PI;
}

// The row of the frame's bottom edge: the lowest row with a long run of black pixels.
inline int frameBottomRow(const QImage &image)
{
    for (int y = image.height() - 1; y >= 0; --y) {
        int run = 0, best = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            run = (qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80) ? run + 1 : 0;
            best = std::max(best, run);
        }
        if (best > image.width() / 3)
            return y;
    }
    return image.height();
}

} // namespace graphtest
