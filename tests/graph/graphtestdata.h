// Plot values for the graph tests: series set directly, or made from station lines
// through the numeric trajectory; and the QGuiApplication that fonts need.
#pragma once

#include "core/trajectory.h"
#include "graph/pagetarget.h"
#include "graph/plotdata.h"

#include <QGuiApplication>

#include <locale>
#include <sstream>
#include <string>
#include <vector>

namespace graphtest {

struct PlotPoint
{
    float x, y, y1;
};

// Plot series as given, every point valid.
inline PlotData plotData(const std::vector<PlotPoint> &points, bool inverted, int curves)
{
    PlotData d;
    for (const PlotPoint &p : points) {
        d.x.push_back(p.x);
        d.y.push_back(p.y);
        d.y1.push_back(p.y1);
    }
    d.invers = inverted ? 1 : 0;
    d.kurven = curves;
    return d;
}

// The trajectory of station lines "depth inclination azimuth" as the computation takes
// them: in single precision, with the surface station in front (a first line at depth 0
// stands for it).
inline traj::Trajectory trajectoryOf(const std::vector<std::string> &lines)
{
    std::vector<float> md { 0.0f }, inc { 0.0f }, azi { 0.0f };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::istringstream in(lines[i]);
        in.imbue(std::locale::classic());
        float t = 0, p = 0, a = 0;
        in >> t >> p >> a;
        if (i == 0 && t == 0.0f)
            continue;
        md.push_back(t);
        inc.push_back(p);
        azi.push_back(a);
    }
    traj::Trajectory t;
    traj::computeTrajectory(md.data(), inc.data(), azi.data(), static_cast<int>(md.size()), t);
    return t;
}

// Station lines computed as "Daten ändern" does, as the page of the borehole
// "Testbohrung" shows them; 0 side view, 1 top view.
inline PlotData computed(const std::vector<std::string> &lines, int ansicht)
{
    return plotDataOf(trajectoryOf(lines), plotViewOf(ansicht), "Testbohrung");
}

// The target of a layout named as the cases name it (zoom, printed, portrait): a sheet
// in portrait or landscape, else the screen with or without the zoom, which never
// reaches the paper.
inline graph::PageTarget layoutTarget(int zoom, int print, int portrait)
{
    if (print != 0)
        return { portrait != 0 ? graph::TargetKind::PaperPortrait
                               : graph::TargetKind::PaperLandscape };
    return graph::PageTarget::screen(zoom != 0);
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
