// The osculating-circle (minimum-curvature) computation and the results table.
#include "core/cformat.h"
#include "core/survey.h"

#include <cstdarg>

namespace {

const char *const kHead[5] = {
    "    BERECHNUNG DER ABKNICKUNG ALFA UND DER BOHRLOCHABWEICHUNG",
    "    NACH DEM SCHMIEGUNGSKREISVERFAHREN",
    "    TEUFENBEREICH  ALPHA   KREIS-    SEIGER   TEUFEN-  NORD(+)  OST(+)  GESAMT-",
    "                    GRAD   RADIUS    TEUFE    VERLUST  SUED(-) WEST(-) ABWEICHUNG",
    "        (M)       JE 30 M   (M)       (M)       (M)     (M)      (M)   (M GRAD AZ)",
};

// Fills the results table line by line, reusing the strings of the previous table as
// buffers: a recomputation then allocates almost nothing.
class TableBuilder
{
public:
    explicit TableBuilder(StringList &table)
        : m_table(table)
    {
        m_spare.swap(table);
        table.reserve(m_spare.size());
    }

    // Formats a new line and returns it.
    const std::string &add(const char *format, ...) __attribute__((format(printf, 2, 3)))
    {
        std::string line = m_used < m_spare.size() ? std::move(m_spare[m_used++]) : std::string();
        line.clear();
        va_list args;
        va_start(args, format);
        vcfmtAppend(line, format, args);
        va_end(args);
        m_table.push_back(std::move(line));
        return m_table.back();
    }

private:
    StringList &m_table;
    StringList m_spare;
    size_t m_used = 0;
};

} // namespace

void SurveyData::abweichung(double north, double east, double &A, double &Z)
{
    traj::displacement(north, east, A, Z);
}

// The numeric pass first; the table, the plot series and a pending interpolation then
// read the trajectory, in the order the run has always shown its messages.
int SurveyData::schmiegungskreis(Prompter &prompter)
{
    traj::computeTrajectory(m_Teufe.data(), m_Phi.data(), m_Theta.data(), m_MaxWerte, m_Bahn);
    TableBuilder table(m_Ergebnisse);
    m_X[0] = m_Y[0] = m_Y1[0] = 0.0f;
    m_PlotWerte = m_MaxWerte > 0 ? 1 : 0;
    m_bAbbruch = false;
    if (m_MaxWerte > 1) {
        table.add("%s", m_Name.c_str());
        for (const char *line : kHead)
            table.add("%s", line);
    }

    const std::vector<traj::Station> &st = m_Bahn.stations;
    for (size_t i = 1; i < st.size(); ++i) {
        const traj::Station &a = st[i - 1], &b = st[i];
        if (b.straight)
            prompter.message(table.add("KEINE KRUEMMUNG VON TEUFE:%7.2f BIS %7.2f M", a.md, b.md));

        if (m_Ansicht == 0) {
            m_X[i] = static_cast<float>(b.tvd);
            m_Y[i] = static_cast<float>(b.displacement);
            m_Y1[i] = static_cast<float>(b.displacementAzimuth);
        } else {
            m_X[i] = static_cast<float>(b.east);
            m_Y[i] = static_cast<float>(b.north);
            m_Y1[i] = 0.0f;
        }
        m_PlotWerte = static_cast<int>(i) + 1;

        table.add("    %6.1f-%6.1f %6.3f %9g %8.2f %8.2f %7.2f %8.2f %5.1f:%5.1f", a.md, b.md,
            b.doglegPer30, b.radius, b.tvd, b.depthLoss, b.north, b.east, b.displacement,
            b.displacementAzimuth);

    }

    const traj::Stop &stop = m_Bahn.stop;
    if (stop.kind == traj::StopKind::DoglegTooLarge) {
        // A dogleg of 90 degrees or more cannot be an arc of this method.
        prompter.message(table.add("ABBRUCH bei TEUFE(m):%6.2f \nPHI(Grad):%6.2f THETA(Grad):%6.2f",
            stop.md, stop.inclination, stop.azimuth));
        m_bAbbruch = true;
        return 1;
    }
    if (stop.kind == traj::StopKind::EqualDepths) {
        prompter.message(table.add("ABBRUCH!Die %d.Teufe %g ist gleich der vorangehenden Teufe:%g",
            stop.station + 1, stop.md, stop.previousMd));
        m_bAbbruch = true;
        return 0;
    }
    return 0;
}
