// The osculating-circle (minimum-curvature) computation and the results table.
#include "core/cformat.h"
#include "core/survey.h"

#include <cmath>
#include <cstdarg>

namespace {

const char *const kHead[5] = {
    "    BERECHNUNG DER ABKNICKUNG ALFA UND DER BOHRLOCHABWEICHUNG",
    "    NACH DEM SCHMIEGUNGSKREISVERFAHREN",
    "    TEUFENBEREICH  ALPHA   KREIS-    SEIGER   TEUFEN-  NORD(+)  OST(+)  GESAMT-",
    "                    GRAD   RADIUS    TEUFE    VERLUST  SUED(-) WEST(-) ABWEICHUNG",
    "        (M)       JE 30 M   (M)       (M)       (M)     (M)      (M)   (M GRAD AZ)",
};

double degree()
{
    return 4.0 * std::atan(1.0) / 180.0;
}

// Sines and cosines of one station's angles. Every interval uses each station twice,
// so they are computed once per station (the values are the same either way).
struct Direction
{
    double sinPhi, cosPhi, sinTheta, cosTheta;

    Direction(float phi, float theta, double DEG)
        : sinPhi(std::sin(phi * DEG))
        , cosPhi(std::cos(phi * DEG))
        , sinTheta(std::sin(theta * DEG))
        , cosTheta(std::cos(theta * DEG))
    {
    }
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
    const double DEG = degree();
    A = std::sqrt(north * north + east * east);
    if (north == 0.0)
        north = north + 1e-6;
    Z = std::atan(east / north) / DEG;
    if (north < 0.0)
        Z += 180.0;
    else if (east < 0.0)
        Z += 360.0;
}

int SurveyData::schmiegungskreis(Prompter &prompter)
{
    const double DEG = degree();
    TableBuilder table(m_Ergebnisse);
    m_X[0] = m_Y[0] = m_Y1[0] = 0.0f;
    m_PlotWerte = m_MaxWerte > 0 ? 1 : 0;
    m_bAbbruch = false;
    double TVD = 0, N = 0, E = 0, TVD0 = 0, N0 = 0, E0 = 0;
    Direction d2(m_Phi[0], m_Theta[0], DEG);

    for (int i = 1; i < m_MaxWerte; ++i) {
        if (i == 1) {
            table.add("%s", m_Name.c_str());
            for (const char *line : kHead)
                table.add("%s", line);
        }
        const double T1 = m_Teufe[i - 1], T2 = m_Teufe[i];
        const Direction d1 = d2;
        d2 = Direction(m_Phi[i], m_Theta[i], DEG);

        double K = d2.cosPhi * d1.cosPhi
                   + (d2.cosTheta * d1.cosTheta + d2.sinTheta * d1.sinTheta) * (d1.sinPhi * d2.sinPhi);
        if (!(K > 0.0)) {
            // A dogleg of 90 degrees or more cannot be an arc of this method.
            prompter.message(table.add("ABBRUCH bei TEUFE(m):%6.2f \nPHI(Grad):%6.2f THETA(Grad):%6.2f",
                                       T2, static_cast<double>(m_Phi[i]),
                                       static_cast<double>(m_Theta[i])));
            m_bAbbruch = true;
            return 1;
        }
        if (T2 != 0.0 && T2 == T1) {
            prompter.message(
                table.add("ABBRUCH!Die %d.Teufe %g ist gleich der vorangehenden Teufe:%g", i + 1, T2, T1));
            m_bAbbruch = true;
            return 0;
        }
        if (K >= 1.0) {
            prompter.message(table.add("KEINE KRUEMMUNG VON TEUFE:%7.2f BIS %7.2f M", T1, T2));
            K = 1.0;
        }
        const double alpha = std::atan(std::sqrt(1.0 - K * K) / K) / DEG;
        const double dT = T2 - T1;
        const double D100 = 100.0 * alpha / dT;
        const double D30 = 0.3 * D100;
        const double beta = DEG * D100 * dT / 100.0;
        double R = 0.0, L = 0.0;
        if (beta > 0.0) {
            R = dT / beta;
            const double s = std::sin(beta / 2.0);
            L = R * s / std::sqrt(1.0 - s * s);
        } else {
            R = 0.0;
            L = dT / 2.0;
        }
        TVD += (d1.cosPhi + d2.cosPhi) * L;
        N += (d1.sinPhi * d1.cosTheta + d2.sinPhi * d2.cosTheta) * L;
        E += (d1.sinPhi * d1.sinTheta + d2.sinPhi * d2.sinTheta) * L;
        const double loss = T2 - TVD;
        double A = 0, Z = 0;
        abweichung(N, E, A, Z);

        if (m_Ansicht == 0) {
            m_X[i] = static_cast<float>(TVD);
            m_Y[i] = static_cast<float>(A);
            m_Y1[i] = static_cast<float>(Z);
        } else {
            m_X[i] = static_cast<float>(E);
            m_Y[i] = static_cast<float>(N);
            m_Y1[i] = 0.0f;
        }
        m_PlotWerte = i + 1;

        table.add("    %6.1f-%6.1f %6.3f %9g %8.2f %8.2f %7.2f %8.2f %5.1f:%5.1f", T1, T2, D30, R, TVD,
                  loss, N, E, A, Z);

        if (m_Methode == 1 && m_Teufe[i] >= m_InterpolTeufe) {
            interpolation(m_Teufe[i - 1], m_Teufe[i], TVD0, TVD, N0, N, E0, E, prompter);
            m_Methode = 0;
        }
        if (m_Methode == 1 && i == m_MaxWerte - 1) {
            table.add("    Die Teufe:%7.2f > Max.Teufe:%7.2f\n", static_cast<double>(m_InterpolTeufe),
                      static_cast<double>(m_Teufe[m_MaxWerte - 1]));
            m_Methode = 0;
        }
        TVD0 = TVD;
        N0 = N;
        E0 = E;
    }
    return 0;
}
