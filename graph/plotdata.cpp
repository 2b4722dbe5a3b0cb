// The plot value of the side and top views and their captions.
#include "graph/plotdata.h"

#include "core/decimalsign.h"
#include "core/win1252.h"

#include <algorithm>

namespace {

// Captions and switches of one view.
struct ViewCaptions
{
    int kurven;
    int invers;
    const char *untertitel, *y1Titel, *yTitel, *yTitel2, *xTitel, *legende, *legende1;
};

// In UTF-8; the page takes Windows-1252.
constexpr ViewCaptions kSide { 2, 1, "Abweichung (m) und Azimut (Grad)", "Azimut (Grad)",
    "Seigerteufe  ", "(m)   ", "Abweichung (m)", "Seigerteufe", "  Azimut   " };
constexpr ViewCaptions kTop { 1, 0, "Bohrlochsverlauf (m)", "", "NORD(+)",
    "S\xC3\x9C"
    "D(-)",
    "OST(+) WEST(-)", "Bohrlochsverlauf", "" };

} // namespace

int PlotData::count() const
{
    return static_cast<int>(std::min({ x.size(), y.size(), y1.size() }));
}

PlotView plotViewOf(int ansicht)
{
    return ansicht == 0 ? PlotView::Side : PlotView::Top;
}

std::optional<double> abortDepthOf(const traj::Trajectory &t)
{
    if (t.stop.kind == traj::StopKind::None || t.stations.empty())
        return std::nullopt;
    return t.stations.back().md;
}

std::string shortEndNote(double end, std::optional<double> entered)
{
    const auto metres = [](double depth) {
        return decimalsign::fixed(depth, 2, decimalsign::Sign::Comma) + " m";
    };
    std::string note = "Berechnet bis " + metres(end);
    if (entered)
        note += " (von " + metres(*entered) + ")";
    return note;
}

PlotData plotDataOf(const traj::Trajectory &t, PlotView view, const std::string &name)
{
    PlotData d;
    const ViewCaptions &c = view == PlotView::Side ? kSide : kTop;
    d.kurven = c.kurven;
    d.invers = c.invers;
    d.grafikTitel = name;
    d.untertitel = win1252::fromUtf8(c.untertitel);
    d.y1Titel = win1252::fromUtf8(c.y1Titel);
    d.yTitel = win1252::fromUtf8(c.yTitel);
    d.yTitel2 = win1252::fromUtf8(c.yTitel2);
    d.xTitel = win1252::fromUtf8(c.xTitel);
    d.legende = win1252::fromUtf8(c.legende);
    d.legende1 = win1252::fromUtf8(c.legende1);

    const std::size_t n = t.stations.size();
    d.x.resize(n);
    d.y.resize(n);
    d.y1.resize(n);
    // The surface station stays at the origin whatever its record holds.
    for (std::size_t i = 1; i < n; ++i) {
        const traj::Station &s = t.stations[i];
        if (view == PlotView::Side) {
            d.x[i] = static_cast<float>(s.tvd);
            d.y[i] = static_cast<float>(s.displacement);
            d.y1[i] = static_cast<float>(s.displacementAzimuth);
        } else {
            d.x[i] = static_cast<float>(s.east);
            d.y[i] = static_cast<float>(s.north);
        }
    }
    d.abortDepth = abortDepthOf(t);
    return d;
}
