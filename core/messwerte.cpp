// Validation of the station lines into the station arrays, and the graph's captions.
#include "core/cformat.h"
#include "core/cscan.h"
#include "core/survey.h"
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

constexpr ViewCaptions kSide{2,  1, "Abweichung (m) und Azimut (Grad)", "Azimut (Grad)",
                             "Seigerteufe  ", "(m)   ", "Abweichung (m)", "Seigerteufe",
                             "  Azimut   "};
constexpr ViewCaptions kTop{1, 0, "Bohrlochsverlauf (m)", "", "NORD(+)", "S\xC3\x9C" "D(-)",
                            "OST(+) WEST(-)", "Bohrlochsverlauf", ""};

} // namespace

bool SurveyData::messwerte(Prompter &prompter)
{
    static const std::string phiFormat =
        win1252::fromUtf8("Neigung Phi-Wert %g liegt nicht im Bereich 0°-180°\n%s");
    static const std::string thetaFormat =
        win1252::fromUtf8("Azimut Theta-Wert %g liegt nicht im Bereich 0°-360°\n%s");
    static const std::string negativeFormat = win1252::fromUtf8(
        "Die 1.Zeile beginnt mit der negativen Teufe %g.\nDie erste Teufe muss 0 oder größer sein.\n%s");

    bool clean = true;
    m_Teufe.fill(0.0f);
    m_Phi.fill(0.0f);
    m_Theta.fill(0.0f);

    m_MaxWerte = static_cast<int>(std::min<size_t>(m_Eingabe.size(), MAX_MESSWERTE));
    if (m_MaxWerte > MAX_MESSWERTE - 1) {
        m_MaxWerte = MAX_MESSWERTE - 1;
        prompter.message(cfmt("Es werden maximal %d Messwerte verarbeitet!", MAX_MESSWERTE));
        clean = false;
    }

    bool shifted = false; // first depth above 0: the surface station goes in front
    bool stopped = false;
    for (int i = 0; !stopped && i < MAX_MESSWERTE - 1 && i < m_MaxWerte; ++i) {
        const std::string &line = m_Eingabe[static_cast<size_t>(i)];
        float T = 0, phi = 0, theta = 0;
        if (!cscan::readStation(line, T, phi, theta)) {
            prompter.message(cfmt("Die %d.Zeile enh\xE4lt keine 3 Werte\n %s", i + 1, line.c_str()));
            m_MaxWerte = i;
            clean = false;
            break;
        }
        if (i == 0) {
            if (T < 0) {
                // Neither rule fits a hole that starts above the surface.
                prompter.message(cfmt(negativeFormat.c_str(), static_cast<double>(T), line.c_str()));
                m_MaxWerte = 0;
                clean = false;
                break;
            }
            shifted = T > 0;
        }
        if (phi < 0 || phi > 180) {
            prompter.message(cfmt(phiFormat.c_str(), static_cast<double>(phi), line.c_str()));
            m_MaxWerte = i - 1;
            stopped = true;
        }
        if (theta < 0 || theta > 360) {
            prompter.message(cfmt(thetaFormat.c_str(), static_cast<double>(theta), line.c_str()));
            m_MaxWerte = i - 1;
            stopped = true;
        }
        if (i > 0) {
            const float previous = shifted ? m_Teufe[static_cast<size_t>(i)] : m_Teufe[static_cast<size_t>(i - 1)];
            if (!(T > previous)) {
                prompter.message(cfmt("Die %d.Teufe %g steigt nicht an\n%s", i + 1,
                                      static_cast<double>(T), line.c_str()));
                m_MaxWerte = i;
                stopped = true;
            }
        }
        if (stopped) {
            clean = false;
        } else if (shifted || i > 0) {
            const size_t k = static_cast<size_t>(shifted ? i + 1 : i);
            m_Teufe[k] = T;
            m_Phi[k] = phi;
            m_Theta[k] = theta;
        }
        if (!shifted && i == 0) {
            m_Teufe[0] = 0.0f;
            m_Phi[0] = 0.0f;
            m_Theta[0] = 0.0f;
        }
    }

    m_GrafikTitel = m_Name;
    const ViewCaptions &c = m_Ansicht == 0 ? kSide : kTop;
    m_Kurven = c.kurven;
    m_bInvers = c.invers;
    m_Untertitel = c.untertitel;
    m_Y1Titel = c.y1Titel;
    m_YTitel = c.yTitel;
    m_YTitel2 = win1252::fromUtf8(c.yTitel2);
    m_XTitel = c.xTitel;
    m_Legende = c.legende;
    m_Legende1 = c.legende1;

    if (shifted)
        m_MaxWerte += 1;
    // An inclination or azimuth fault in the very first line would leave -1.
    m_MaxWerte = std::max(m_MaxWerte, 0);
    m_bEingabeOk = clean;
    return clean;
}
