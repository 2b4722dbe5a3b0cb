#include "graph/sectionview.h"

#include "core/cformat.h"
#include "core/units.h"
#include "listing/listing.h"

#include <algorithm>
#include <cmath>

double sectionAzimuthOf(const traj::Trajectory &t, std::optional<double> chosen)
{
    return chosen ? *chosen : listing::defaultSectionAzimuth(t);
}

std::string sectionCaption(double azimuth)
{
    std::string degrees = cfmt("%.1f", azimuth);
    std::replace(degrees.begin(), degrees.end(), '.', ',');
    return "Vertikalschnitt Azimut " + degrees + "\xB0";
}

SurveyData sectionViewData(const SurveyData &data, double azimuth, LengthUnit unit)
{
    SurveyData s = data;
    const std::string u = units::unitName(unit);
    // One curve, depth down the left axis, as in the side view without its azimuth.
    s.m_Kurven = 1;
    s.m_bInvers = 1;
    s.m_Untertitel = sectionCaption(azimuth);
    s.m_Y1Titel.clear();
    s.m_YTitel = "Seigerteufe  ";
    s.m_YTitel2 = "(" + u + ")   ";
    s.m_XTitel = "Vertikalschnitt (" + u + ")";
    s.m_Legende = "Bohrlochsverlauf";
    s.m_Legende1.clear();

    const std::vector<traj::Station> &st = data.trajectory().stations;
    const int count = static_cast<int>(std::min<std::size_t>(st.size(), MAX_MESSWERTE));
    for (int i = 0; i < count; ++i) {
        const traj::Station &p = st[static_cast<std::size_t>(i)];
        const double vs = listing::verticalSection(p.north, p.east, azimuth);
        s.m_X[static_cast<std::size_t>(i)] = static_cast<float>(units::fromMetres(p.tvd, unit));
        s.m_Y[static_cast<std::size_t>(i)] = static_cast<float>(units::fromMetres(vs, unit));
        s.m_Y1[static_cast<std::size_t>(i)] = 0.0f;
    }
    s.m_PlotWerte = count;
    s.m_bNeueDaten = 1;
    return s;
}
