// The survey data set of one borehole and the computations on it: validation of the
// station lines (messwerte), the osculating-circle computation that makes the numeric
// trajectory and from it the results table and the plot series (schmiegungskreis), and
// interpolation at a given depth.
// The document class of the program derives from it; the batch tool uses it directly.
// Strings hold Windows-1252 bytes.
#pragma once

#include "core/prompter.h"
#include "core/stringlist.h"
#include "core/trajectory.h"

#include <array>
#include <string>
#include <vector>

// Capacity of every per-station array and of the graph's point arrays. Index 0 always
// holds the surface station, so at most MAX_MESSWERTE - 1 station lines are taken.
inline constexpr int MAX_MESSWERTE = 3000;

using FloatSeries = std::array<float, MAX_MESSWERTE>;

class SurveyData
{
public:
    SurveyData();
    virtual ~SurveyData() = default;

    // ---- fields, in declaration order ----
    std::string m_YTitel2;   // second line of the y-axis caption
    StringList m_Ergebnisse; // results table, one entry per line
    int m_Methode = 0;       // 1 = an interpolation at m_InterpolTeufe is pending
    int m_MaxWerte = 0;      // stations in use, the surface station included
    FloatSeries m_X{};       // side view: true vertical depth; top view: east offset
    FloatSeries m_Y{};       // side view: total displacement; top view: north offset
    FloatSeries m_Y1{};      // side view: azimuth of the displacement; top view: 0
    float m_InterpolTeufe = 0.0f;
    int m_bNeueDaten = 1; // data changed since the graph last scaled itself
    int m_bGitter = 1;    // the graph draws its grid
    int m_Format = 1;     // 0 WEG, 1 free, 2 ATK
    int m_bInvers = 1;    // 1 = depth runs down the vertical axis (side view)
    int m_Kurven = 2;     // 2 = second curve (azimuth) with its own axis
    int m_Ansicht = 0;    // 0 side view, 1 top view
    StringList m_Eingabe; // station lines as typed or imported
    StringList m_Info;    // descriptive lines from WEG files
    std::string m_Name;   // name of the borehole
    std::string m_GrafikTitel;
    std::string m_Untertitel;
    std::string m_Y1Titel;
    std::string m_YTitel;
    std::string m_XTitel;
    std::string m_Legende;
    std::string m_Legende1;
    FloatSeries m_Teufe{}; // measured depth (m)
    FloatSeries m_Phi{};   // inclination from the vertical (degrees)
    FloatSeries m_Theta{}; // azimuth clockwise from north (degrees)

    // Number of valid points in m_X, m_Y, m_Y1: equal to m_MaxWerte after a complete
    // computation, smaller after an abort. The graph draws only these points, so it
    // never shows values left over from earlier data.
    int m_PlotWerte = 0;

    // ---- operations ----

    // Defaults of a new data set. Leaves m_Ergebnisse, m_Info, m_YTitel2 and
    // m_InterpolTeufe alone.
    void vorbelegung();

    // Parses m_Eingabe into the station arrays and sets the graph's captions and
    // switches for m_Ansicht. Returns true when every line was taken without a message.
    bool messwerte(Prompter &prompter);

    // Computes the numeric trajectory, then from it the results table and the plot
    // series. Returns 1 after the curvature abort, 0 otherwise (also after the abort for
    // equal depths; see lastRunAborted).
    int schmiegungskreis(Prompter &prompter);

    // The trajectory of the last schmiegungskreis: every computed station in double
    // precision and where the run stopped.
    const traj::Trajectory &trajectory() const { return m_Bahn; }

    // messwerte, then schmiegungskreis; passes on the latter's result.
    int berechnung(Prompter &prompter);

    // True when the last schmiegungskreis ended with one of its "ABBRUCH" lines.
    bool lastRunAborted() const { return m_bAbbruch; }
    // True when the last messwerte took every line without a message.
    bool lastCheckClean() const { return m_bEingabeOk; }

    // Total displacement A and its azimuth Z (degrees from north, in [0, 360)).
    static void abweichung(double north, double east, double &A, double &Z);

private:
    traj::Trajectory m_Bahn;
    bool m_bAbbruch = false;
    bool m_bEingabeOk = true;
};
