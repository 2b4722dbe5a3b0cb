// The plot value of the side and top views and their captions.
#include "graph/plotdata.h"

#include "core/decimalsign.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <cmath>

namespace {

// Captions and switches of one view.
struct ViewCaptions
{
    int kurven;
    int invers;
    const char *untertitel, *y1Titel, *yTitel, *yTitel2, *xTitel, *legende, *legende1;
};

// Looked up in the language. The spaces around the side view's left captions place them
// beside each other.
constexpr ViewCaptions kSide { 2, 1,
    DRV_TRANSLATE_NOOP("GraphPage", "Abweichung (m) und Azimut (Grad)"),
    DRV_TRANSLATE_NOOP("GraphPage", "Azimut (Grad)"),
    DRV_TRANSLATE_NOOP("GraphPage", "Seigerteufe  "), "(m)   ",
    DRV_TRANSLATE_NOOP("GraphPage", "Abweichung (m)"),
    DRV_TRANSLATE_NOOP("GraphPage", "Seigerteufe"),
    DRV_TRANSLATE_NOOP("GraphPage", "  Azimut   ") };
constexpr ViewCaptions kTop { 1, 0, DRV_TRANSLATE_NOOP("GraphPage", "Bohrlochsverlauf (m)"), "",
    DRV_TRANSLATE_NOOP("GraphPage", "NORD(+)"), DRV_TRANSLATE_NOOP("GraphPage", "SÜD(-)"),
    DRV_TRANSLATE_NOOP("GraphPage", "OST(+) WEST(-)"),
    DRV_TRANSLATE_NOOP("GraphPage", "Bohrlochsverlauf"), "" };

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
    const std::string at = decimalsign::shown(end, 2);
    if (!entered)
        return i18n::arg(i18n::translate("GraphPage", "Berechnet bis %1 m"), { at });
    const std::string from = decimalsign::shown(*entered, 2);
    return i18n::arg(i18n::translate("GraphPage", "Berechnet bis %1 m (von %2 m)"), { at, from });
}

decimalsign::Sign pageDecimalSign()
{
    return decimalsign::interfaceSign();
}

std::string documentLine(const std::string &title)
{
    return i18n::arg(graphText(DRV_TRANSLATE_NOOP("GraphPage", "Dokument %1")), { title });
}

std::string northNote(const geo::CourseNorth &north)
{
    if (!north.named())
        return {};
    return i18n::arg(i18n::translate("GraphPage", "Nord und Ost: %1"),
        { geo::northCaption(north, pageDecimalSign(), geo::CaptionWords::Chosen) });
}

std::string graphText(const char *source)
{
    if (*source == '\0')
        return {};
    return i18n::translate("GraphPage", source);
}

void markOutsideTolerance(PlotData &d, const traj::Trajectory &t, const std::vector<double> &outsideMds)
{
    d.outsideTolerance.clear();
    const std::size_t n = std::min(t.stations.size(), static_cast<std::size_t>(d.count()));
    for (const double md : outsideMds) {
        // The stations run down the hole; the first at or below the depth is the one,
        // when it lies there to within the single precision a station is held in.
        const auto at = std::lower_bound(t.stations.begin(), t.stations.begin() + static_cast<std::ptrdiff_t>(n),
            md, [](const traj::Station &s, double depth) { return s.md < depth - 1e-3; });
        if (at == t.stations.begin() + static_cast<std::ptrdiff_t>(n) || std::fabs(at->md - md) > 1e-3)
            continue;
        const int index = static_cast<int>(at - t.stations.begin());
        if (d.outsideTolerance.empty() || d.outsideTolerance.back() != index)
            d.outsideTolerance.push_back(index);
    }
}

PlotData plotDataOf(const traj::Trajectory &t, PlotView view, const std::string &name)
{
    PlotData d;
    const ViewCaptions &c = view == PlotView::Side ? kSide : kTop;
    d.kurven = c.kurven;
    d.invers = c.invers;
    d.grafikTitel = name;
    d.untertitel = graphText(c.untertitel);
    d.y1Titel = graphText(c.y1Titel);
    d.yTitel = graphText(c.yTitel);
    d.yTitel2 = graphText(c.yTitel2);
    d.xTitel = graphText(c.xTitel);
    d.legende = graphText(c.legende);
    d.legende1 = graphText(c.legende1);

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
