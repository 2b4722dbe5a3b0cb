// The pages of a well without neighbours, as every graph page drew them before offset
// wells came in: the side view, the top view and the section of a deviated well, plain,
// to scale and with the uncertainty of synthetic covariances. offsets_test.cpp compares
// them with tests/data/graph/plain-pages.txt, written by the program of that time; the
// pages of a well without offsets must stay exactly these.
#pragma once

#include "graph/graphpage.h"
#include "graph/plotuncertainty.h"
#include "graph/sectionview.h"
#include "graphtestdata.h"
#include "recordingtext.h"

#include <cmath>
#include <string>
#include <vector>

namespace graphtest {

inline std::string plainPages()
{
    const traj::Trajectory t = trajectoryOf({ "150 0 0", "300 6 40", "450 18 55", "600 30 70",
        "750 38 80", "900 40 85", "1200 40 85" });
    // Growing with depth, wider across than along north.
    std::vector<unc::Sym3> nev;
    for (const traj::Station &s : t.stations)
        nev.push_back({ 1e-5 * s.md * s.md, 4e-5 * s.md * s.md, 2e-6 * s.md * s.md,
            1e-6 * s.md * s.md, 0, 0 });
    UncertaintySettings u;
    u.model = ErrorModel::IscwsaMwdRev5;
    u.ellipseSigma = 2;

    std::string out;
    const auto page = [&out](const std::string &name, const PlotData &d, bool trueScale) {
        GraphPage p;
        p.m_bTrueScale = trueScale ? 1 : 0;
        p.OnCompute(d);
        RecordingDrawContext rec;
        p.zeichnen(rec, d, "Plain.dvn");
        out += "== " + name + "\n" + recordingText(rec);
    };
    for (const bool spread : { false, true }) {
        const std::string suffix = spread ? " with uncertainty" : "";
        for (const PlotView view : { PlotView::Side, PlotView::Top }) {
            PlotData d = plotDataOf(t, view, "Plain");
            if (spread)
                addUncertainty(d, t, view, nev, u);
            page((view == PlotView::Side ? "side" : "top") + suffix, d, false);
            if (view == PlotView::Side)
                page("side to scale" + suffix, d, true);
        }
        PlotData s = sectionPlotData(t, "Plain", 60.0, LengthUnit::Metre);
        if (spread)
            addSectionUncertainty(s, 60.0, LengthUnit::Metre, nev, u);
        page("section" + suffix, s, false);
    }
    return out;
}

} // namespace graphtest
