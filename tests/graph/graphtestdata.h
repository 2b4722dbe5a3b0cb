// Survey data for the graph tests: plot series set directly, or computed from station
// lines through the core; and the QGuiApplication that fonts need.
#pragma once

#include "core/scriptedprompter.h"
#include "core/survey.h"

#include <QGuiApplication>

#include <array>
#include <string>
#include <vector>

namespace graphtest {

struct PlotPoint
{
    float x, y, y1;
};

// Plot series as given, every point valid.
inline SurveyData plotData(const std::vector<PlotPoint> &points, bool inverted, int curves)
{
    SurveyData d;
    for (size_t i = 0; i < points.size(); ++i) {
        d.m_X[i] = points[i].x;
        d.m_Y[i] = points[i].y;
        d.m_Y1[i] = points[i].y1;
    }
    d.m_MaxWerte = d.m_PlotWerte = static_cast<int>(points.size());
    d.m_bInvers = inverted ? 1 : 0;
    d.m_Kurven = curves;
    return d;
}

// Station lines computed by the core as "Daten ändern" does; 0 side view, 1 top view.
inline SurveyData computed(
    const std::vector<std::string> &lines, int ansicht, ScriptedPrompter *prompterOut = nullptr)
{
    SurveyData d;
    d.m_Name = "Testbohrung";
    d.m_Ansicht = ansicht;
    d.m_Eingabe = lines;
    ScriptedPrompter prompter;
    d.berechnung(prompter);
    if (prompterOut)
        *prompterOut = prompter;
    return d;
}

inline const std::vector<std::string> kExampleStations { "100 0 0", "200 10 45", "300 20 90" };

// Fonts need a QGuiApplication; the tests run it on the offscreen platform.
inline void ensureGuiApp()
{
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "graph_tests";
    static char *argv[] = { name, nullptr };
    static QGuiApplication *app = new QGuiApplication(argc, argv);
    (void)app;
}

} // namespace graphtest
