#include "graph/sectionview.h"

#include "core/cformat.h"
#include "core/decimalsign.h"
#include "core/units.h"
#include "i18n/i18n.h"
#include "listing/listing.h"

#include <algorithm>
#include <cmath>

double sectionAzimuthOf(const traj::Trajectory &t, std::optional<double> chosen)
{
    return chosen ? *chosen : listing::defaultSectionAzimuth(t);
}

std::string sectionCaption(double azimuth)
{
    return i18n::arg(i18n::translate("GraphPage", "Vertikalschnitt Azimut %1°"),
        { decimalsign::shown(azimuth, 1) });
}

PlotData sectionPlotData(
    const traj::Trajectory &t, const std::string &name, double azimuth, LengthUnit unit)
{
    PlotData s;
    const std::string u = units::unitName(unit);
    // One curve, depth down the left axis, as in the side view without its azimuth.
    s.kurven = 1;
    s.invers = 1;
    s.grafikTitel = name;
    s.untertitel = sectionCaption(azimuth);
    s.yTitel = graphText(DRV_TRANSLATE_NOOP("GraphPage", "Seigerteufe  "));
    s.yTitel2 = "(" + u + ")   ";
    s.xTitel = i18n::arg(i18n::translate("GraphPage", "Vertikalschnitt (%1)"), { u });
    s.legende = graphText(DRV_TRANSLATE_NOOP("GraphPage", "Bohrlochsverlauf"));

    // Every station as computed, the surface station included.
    const std::size_t n = t.stations.size();
    s.x.resize(n);
    s.y.resize(n);
    s.y1.assign(n, 0.0f);
    for (std::size_t i = 0; i < n; ++i) {
        const traj::Station &p = t.stations[i];
        const double vs = listing::verticalSection(p.north, p.east, azimuth);
        s.x[i] = static_cast<float>(units::fromMetres(p.tvd, unit));
        s.y[i] = static_cast<float>(units::fromMetres(vs, unit));
    }
    s.abortDepth = abortDepthOf(t);
    return s;
}
