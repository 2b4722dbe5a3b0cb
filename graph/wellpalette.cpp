// The wells' colours.
#include "graph/wellpalette.h"

#include <algorithm>
#include <cmath>

namespace wellpalette {

namespace {

    // Green, orange, purple, teal, brown, magenta, grey, olive: no red (the reference) and no
    // blue (the side view's azimuth); each darker than half white so that a line of 0.3 mm
    // shows on paper.
    constexpr DrawColor kOffsets[kOffsetColours] = {
        { 0, 128, 0 },
        { 230, 120, 0 },
        { 128, 0, 160 },
        { 0, 150, 160 },
        { 140, 80, 20 },
        { 210, 0, 140 },
        { 100, 100, 100 },
        { 120, 140, 0 },
    };

} // namespace

DrawColor offsetColour(int index)
{
    const int i = ((index % kOffsetColours) + kOffsetColours) % kOffsetColours;
    return kOffsets[i];
}

DrawColor paler(DrawColor c, double towardWhite)
{
    const double f = std::clamp(towardWhite, 0.0, 1.0);
    const auto mix = [f](std::uint8_t v) {
        return static_cast<std::uint8_t>(std::lround(v + (255.0 - v) * f));
    };
    return { mix(c.r), mix(c.g), mix(c.b) };
}

} // namespace wellpalette
