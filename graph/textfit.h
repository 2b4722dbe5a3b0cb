// Texts of the graph page that must fit into a given width: a title or a document name
// longer than the page has room for is set smaller and, if need be, shortened with an
// ellipsis. Only what is drawn is shortened; the text itself stays as it was.
#pragma once

#include "graph/drawcontext.h"

#include <string>

// The text as it fits into `maxWidth` logical units in the current font: unchanged, or
// cut and ended with an ellipsis ("…").
std::string shortenedText(DrawContext &dc, const std::string &text, int maxWidth);

// Writes the text at (x, y) under the current alignment; when it is wider than
// `maxWidth`, in the current font at three quarters of its height, shortened if it
// still does not fit. The current font is selected again afterwards.
void drawFitted(DrawContext &dc, int x, int y, const std::string &text, int maxWidth);

// The size of the text as drawFitted draws it into `maxWidth`: in the current font, or
// smaller and shortened. For a page that keeps other texts clear of it.
DrawSize fittedExtent(DrawContext &dc, const std::string &text, int maxWidth);
