// The direction of a drawn well's straight part on a rendered page, measured as a
// geologist would lay a protractor on it: a line fitted through the red pixels in the
// middle of their height (the legend's red marks lie far above and below).
#pragma once

#include <QImage>

#include <cmath>

namespace graphtest {

// Degrees clockwise from the page's vertical; the pixels must be square.
inline double redCurveAngle(const QImage &image)
{
    const auto red = [&](int x, int y) {
        const QRgb p = image.pixel(x, y);
        return qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90;
    };
    int top = image.height(), bottom = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (red(x, y)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    double n = 0, sx = 0, sy = 0, syy = 0, sxy = 0;
    for (int y = top + (bottom - top) * 35 / 100; y <= top + (bottom - top) * 65 / 100; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (red(x, y)) {
                n += 1, sx += x, sy += y, syy += double(y) * y, sxy += double(x) * y;
            }
    // x as a linear function of y; moving up the page is -y.
    const double slope = (n * sxy - sx * sy) / (n * syy - sy * sy);
    return n < 20 ? NAN : std::atan2(-slope, 1.0) * 180.0 / M_PI;
}

} // namespace graphtest
