// The covariances of the stations projected onto the plane of each view.
#include "graph/plotuncertainty.h"

#include "core/decimalsign.h"
#include "graph/plotdata.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// The variance along the horizontal direction (cn, ce) and its covariance with the
// vertical, from the north-east-vertical covariance.
struct Along
{
    double variance, withVertical;
};

Along along(const unc::Sym3 &c, double cn, double ce)
{
    return { cn * cn * c.xx + 2.0 * cn * ce * c.xy + ce * ce * c.yy, cn * c.xz + ce * c.yz };
}

bool usable(const UncertaintySettings &u)
{
    return u.hasModel() && std::isfinite(u.ellipseSigma) && u.ellipseSigma > 0.0;
}

void setCaption(PlotData &d, const UncertaintySettings &u)
{
    d.sigmas = u.ellipseSigma;
    d.spreadCaption = uncertaintyCaption(u, u.ellipseSigma);
}

} // namespace

std::string uncertaintyCaption(const UncertaintySettings &u, double sigmas)
{
    const QString text
        = QCoreApplication::translate("PlotUncertainty", "Unsicherheit: %1, %2 Sigma")
              .arg(QString::fromStdString(unc::modelTitle(u)),
                  QString::fromStdString(decimalsign::shortest(sigmas, pageDecimalSign())));
    return text.toStdString();
}

void addUncertainty(PlotData &d, const traj::Trajectory &t, PlotView view,
    const std::vector<unc::Sym3> &nev, const UncertaintySettings &u)
{
    if (!usable(u) || nev.size() != t.stations.size() || nev.empty())
        return;
    d.spread.resize(nev.size());
    for (std::size_t i = 0; i < nev.size(); ++i) {
        const unc::Sym3 &c = nev[i];
        if (view == PlotView::Top) {
            // x east, y north.
            d.spread[i] = { c.yy, c.xx, c.xy };
        } else {
            // The displacement grows along its own azimuth; at the surface, where it has
            // none, the covariance is zero.
            const double a = t.stations[i].displacementAzimuth * units::kRadiansPerDegree;
            const Along h = along(c, std::cos(a), std::sin(a));
            d.spread[i] = { c.zz, h.variance, h.withVertical };
        }
    }
    d.spreadFloorY = view == PlotView::Side;
    setCaption(d, u);
}

void addSectionUncertainty(PlotData &d, double azimuth, LengthUnit unit,
    const std::vector<unc::Sym3> &nev, const UncertaintySettings &u)
{
    if (!usable(u) || nev.empty() || nev.size() != static_cast<std::size_t>(d.count()))
        return;
    const double a = azimuth * units::kRadiansPerDegree;
    // Variances in the unit of the series.
    const double f = units::fromMetres(1.0, unit);
    const double f2 = f * f;
    d.spread.resize(nev.size());
    for (std::size_t i = 0; i < nev.size(); ++i) {
        const Along h = along(nev[i], std::cos(a), std::sin(a));
        d.spread[i] = { nev[i].zz * f2, h.variance * f2, h.withVertical * f2 };
    }
    d.spreadFloorY = false;
    setCaption(d, u);
}
