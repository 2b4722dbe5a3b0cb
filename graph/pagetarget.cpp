// The targets a page is drawn for.
#include "graph/pagetarget.h"

namespace graph {

PageTarget PageTarget::screen(bool zoomed)
{
    return { zoomed ? TargetKind::ScreenZoomed : TargetKind::Screen };
}

PageTarget PageTarget::windowOf(QSize logicalSize)
{
    PageTarget target { TargetKind::Window };
    target.window = logicalSize;
    return target;
}

PageTarget PageTarget::paper(QSizeF printable)
{
    return { printable.height() > printable.width() ? TargetKind::PaperPortrait
                                                    : TargetKind::PaperLandscape };
}

PageTarget PageTarget::image(double pixelsPerUnit)
{
    return { TargetKind::Image, pixelsPerUnit };
}

PageTarget PageTarget::vector()
{
    return { TargetKind::Vector };
}

} // namespace graph
