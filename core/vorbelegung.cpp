// Construction and the defaults of a new data set.
#include "core/survey.h"

SurveyData::SurveyData()
{
    vorbelegung();
}

void SurveyData::vorbelegung()
{
    m_Methode = 0;
    m_MaxWerte = 0;
    m_PlotWerte = 0;
    m_bNeueDaten = 1;
    m_bGitter = 1;
    m_Format = 1;
    m_bInvers = 1;
    m_Kurven = 2;
    m_Ansicht = 0;
    m_Eingabe.clear();
    m_Name = "TITEL";
    m_GrafikTitel = "titel";
    m_Untertitel = "Abweichung (m) und Azimut (Grad)";
    m_Y1Titel = "Azimut (Grad)";
    m_YTitel = "Seigerteufe(m)";
    m_XTitel = "Abweichung (m)";
    m_Legende = "Seigerteufe";
    m_Legende1 = "  Azimut   ";
    for (FloatSeries *a : {&m_X, &m_Y, &m_Y1, &m_Teufe, &m_Phi, &m_Theta})
        a->fill(0.0f);
}

int SurveyData::berechnung(Prompter &prompter)
{
    messwerte(prompter);
    return schmiegungskreis(prompter);
}
