// The colours of the wells in every picture: the reference well in the red it has
// always had, its neighbours in colours that stay apart from it, from each other and
// from the side view's blue azimuth curve, dark enough to read as thin lines on white
// and on a printed sheet. The side views, the top view, the section, the ladder and the
// travelling cylinder all take their colours from here, so that a neighbour is the same
// colour in each of them.
#pragma once

#include "graph/drawcontext.h"

namespace wellpalette {

// The reference well (the first curve of the graph page).
inline constexpr DrawColor kReference { 255, 0, 0 };

// How many offsets get a colour of their own; the next ones take the colours again.
inline constexpr int kOffsetColours = 8;

// The colour of the offset well at `index` (0 the first), for any index.
DrawColor offsetColour(int index);

// `c` moved toward white by `towardWhite` (0 unchanged, 1 white): the lighter tones of a
// well's uncertainty.
DrawColor paler(DrawColor c, double towardWhite);

} // namespace wellpalette
