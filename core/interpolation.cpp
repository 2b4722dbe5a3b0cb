// Interpolation of the hole's position at a requested depth.
#include "core/cformat.h"
#include "core/survey.h"
#include "core/win1252.h"

#include <cmath>

void SurveyData::interpolation(float T1, float T2, double TVD1, double TVD2, double N1, double N2,
                               double E1, double E2, Prompter &prompter)
{
    const double D = m_InterpolTeufe;
    const double t = (D - T1) / (static_cast<double>(T2) - T1);
    // Along the straight line between the two computed stations, not along the arc.
    const double TVD = TVD1 + (TVD2 - TVD1) * t;
    const double N = N1 + (N2 - N1) * t;
    const double E = E1 + (E2 - E1) * t;
    double A = 0, Z = 0;
    abweichung(N, E, A, Z);
    m_bInterpoliert = true;
    prompter.message(cfmt("\nERGEBNISSE DER INTERPOLATION\nBohrlochteufe   (m):%8.2f\nVertikale Teufe "
                          "(m):%8.2f\nNORD(+) SUED(-) (m):%8.2f\nOST(+)  WEST(-) (m):%8.2f\n"
                          "Gesamtabweichung   : %6.2f m %6.1f Grad Azimut",
                          D, TVD, N, E, A, Z));
}

InterpolationOutcome SurveyData::onInterpolation(Prompter &prompter)
{
    if (m_MaxWerte < 1) {
        // Without stations there is no depth to compare against.
        prompter.message("Eingabedaten fehlen!!!");
        return InterpolationOutcome::NoData;
    }
    const float maxTeufe = m_Teufe[static_cast<size_t>(m_MaxWerte - 1)];
    float soll = 0.0f;
    if (!prompter.askNumber(cfmt("Maximale Teufe:%g", static_cast<double>(maxTeufe)), soll)
        || !std::isfinite(soll))
        return InterpolationOutcome::Cancelled;
    m_Methode = 1;
    if (soll > maxTeufe) {
        static const std::string refused =
            win1252::fromUtf8("Die vorgegebene Teufe ist größer als die Max.Teufe");
        prompter.message(refused);
        return InterpolationOutcome::Refused;
    }
    m_InterpolTeufe = soll;
    m_bInterpoliert = false;
    schmiegungskreis(prompter);
    return m_bInterpoliert ? InterpolationOutcome::Shown : InterpolationOutcome::NoResult;
}
