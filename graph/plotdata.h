// The plot value: the three series the graph page draws, their captions and switches,
// and what the notes below the plot area need. It is made once per new result by a pure
// function from the trajectory (or by the vertical section, sectionview.h); the page and
// the views only read it, so nothing that draws ever writes back into the document.
#pragma once

#include "core/decimalsign.h"
#include "core/trajectory.h"
#include "geo/north.h"
#include "graph/drawcontext.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

// The spread of one point in the plane of a view: the covariance of its x and y values
// at 1σ, in squared units of the series.
struct PlotSpread
{
    double xx = 0, yy = 0, xy = 0;
    friend bool operator==(const PlotSpread &, const PlotSpread &) = default;
};

// A neighbouring well on the page: its series in the meaning of the page's own x and y,
// already in the reference well's frame, and the spread of its points when the page
// shows the uncertainty (plotoffsets.h).
struct PlotOffset
{
    std::string name;
    DrawColor colour;
    std::vector<float> x, y;
    std::vector<PlotSpread> spread; // a point beyond the list has none
    // The well's own plan (plotplan.h): drawn dashed, named in the legend apart from the
    // neighbouring wells.
    bool plan = false;

    int count() const { return static_cast<int>(std::min(x.size(), y.size())); }
};

struct PlotData
{
    // One entry per point drawn, in single precision as the page has always drawn them.
    std::vector<float> x; // side view and section: true vertical depth; top view: east
    std::vector<float> y; // side view: displacement; top view: north; section: its offset
    std::vector<float> y1; // side view: azimuth of the displacement; otherwise 0

    int kurven = 2; // 2: the second curve (y1) with an axis of its own
    int invers = 1; // 1: depth runs down the vertical axis, y across
    int gitter = 1; // the page draws its grid

    std::string grafikTitel; // the borehole's name
    std::string untertitel;
    std::string y1Titel;
    std::string yTitel;
    std::string yTitel2; // second line of the vertical axis's caption
    std::string xTitel;
    std::string legende;
    std::string legende1;

    // The positional uncertainty, when the page shows one (plotuncertainty.h): the spread
    // of each point (a point beyond the list has none), the multiple of σ drawn and the
    // line that names the model and the multiple. The top view draws the
    // points' ellipses, the side view and the section a band along the curve.
    std::vector<PlotSpread> spread;
    double sigmas = 0;
    // y is a distance (the side view's displacement): the band stays at or above 0.
    bool spreadFloorY = false;
    std::string spreadCaption;

    // The neighbouring wells, drawn with the reference and scaled with it; their spread
    // is drawn at `sigmas` as the reference's is.
    std::vector<PlotOffset> offsets;

    // The targets of the well's plan where the page draws it (plotplan.h): each target's
    // point (a box's middle) in the page's x and y.
    struct Target
    {
        std::string name;
        float x = 0, y = 0;
    };
    std::vector<Target> planTargets;

    // The points (indices into x and y) of stations whose magnetic or gravity readings lie
    // outside the tolerance (surveycheck/): the side and top views mark them.
    std::vector<int> outsideTolerance;

    // Set when the computation stopped early: the measured depth of the last point drawn,
    // and where known the deepest station entered.
    std::optional<double> abortDepth;
    std::optional<double> enteredDepth;

    // The north of the positions where the page names it, in the language (northNote);
    // empty for a well in plain true north.
    std::string north;

    // The number of points: the shortest series decides, so that a point is drawn only
    // when all three of its values are there.
    int count() const;
    // True when the page draws an uncertainty.
    bool hasSpread() const { return !spread.empty() && sigmas > 0; }
    // True when the page draws an uncertainty of the reference or of an offset.
    bool hasAnySpread() const
    {
        return hasSpread()
            || (sigmas > 0 && std::any_of(offsets.begin(), offsets.end(), [](const PlotOffset &o) {
                   return !o.spread.empty();
               }));
    }
};

// Marks the stations of `t` that `outsideMds` (measured depths, metres) names: those whose
// field readings the survey check found outside the tolerance. A depth the trajectory does
// not reach is left out.
void markOutsideTolerance(PlotData &d, const traj::Trajectory &t, const std::vector<double> &outsideMds);

// The graph's views as the measurement dialog offers them.
enum class PlotView { Side = 0, Top = 1 };

// The view the document stores (0 side, anything else top).
PlotView plotViewOf(int ansicht);

// The measured depth of the last station when the run that made `t` stopped early.
std::optional<double> abortDepthOf(const traj::Trajectory &t);

// What the page and the text view say when the computation stopped early (in the
// language, decimal commas in German), short enough for its row on the page:
// "Berechnet bis 200,00 m (von 700,00 m)", the measured depth where the computed path ends and that
// of the deepest station entered, without the parenthesis when the latter is not known.
std::string shortEndNote(double end, std::optional<double> entered);

// A text of the graph pages ("GraphPage") in the program's language; "" stays "".
std::string graphText(const char *source);
// The line that names the document on a graph page.
std::string documentLine(const std::string &title);
// "Nord und Ost: Gitternord (EPSG:25832); …" in the language with the page's decimal sign,
// the line below the "Dokument" line; empty where the north is not named.
std::string northNote(const geo::CourseNorth &north);
// The decimal sign of the numbers on the pages: a comma in German, a point in English.
decimalsign::Sign pageDecimalSign();

// The series, captions and switches of `view` for the trajectory `t` of the borehole
// `name`: one point per computed station, the surface station at the origin.
PlotData plotDataOf(const traj::Trajectory &t, PlotView view, const std::string &name);
