// The graph page: scaling of the three plot series, their transformation into points
// of the plot area, and the drawing of the whole page (frame, titles, axes, grid,
// curves, legends) onto any DrawContext. The scroll view on screen, printing and the
// file export all draw through this one class. It reads the survey data and the
// document title; the only thing it ever writes into the data is the new-data flag,
// and only in OnDraw, which takes the data by non-const reference for that reason.
#pragma once

#include "core/survey.h"
#include "graph/drawcontext.h"

#include <QPoint>

#include <array>
#include <string>
#include <vector>

class GraphPage
{
public:
    using PointArray = std::array<QPoint, MAX_MESSWERTE>;

    GraphPage();

    // ---- state (public like the members of a view; the view sets the layout flags) ----
    int m_bGrafiklupe = 0; // zoom on (screen only)
    int m_bPrint = 0; // a print job is being prepared or printed
    int m_bPortrait = 1; // 1 portrait (always on screen), 0 landscape page
    int m_bComputed = 0; // OnCompute has run; before that nothing is drawn
    // The side view in equal horizontal and vertical scales (a view setting, not part
    // of the document). The top view is always drawn to scale.
    int m_bTrueScale = 0;

    // Displayed ranges, tick spacings and first ticks of m_X, m_Y, m_Y1.
    double xmin = 0.0, xmax = 0.0, ymin = 0.0, ymax = 0.0, y1min = 0.0, y1max = 0.0;
    double xstart = 0.0, ystart = 0.0, y1start = 0.0;
    double deltax = 1.0, deltay = 1.0, deltay1 = 1.0;

    // Interval counts of the m_Y and m_Y1 axes as the last scale() found them (before
    // the two were made equal); kept only so that they can be inspected.
    int m_y1 = 0, m_y2 = 0;

    int m_Breite = 1300; // plot area width W in logical units
    int m_Hoehe = 750; // plot area height H
    PointArray m_Punkte {}; // first curve, valid below m_Punktzahl
    PointArray m_Punkte1 {}; // second curve, filled only when the data show two curves
    // Number of valid points in m_Punkte/m_Punkte1: the data's m_PlotWerte at the last
    // worldtrans (never m_MaxWerte, so points of earlier data are never drawn).
    int m_Punktzahl = 0;

    // ---- scaling ----
    // Raw extremes of the first m_PlotWerte points of each series.
    void extreme(const SurveyData &data);
    // Tick spacing for a range.
    static double delta(double delt);
    // First tick for a minimum and a spacing (computed directly, never stepping).
    static double start(double min, double delt);
    // Widens the ranges to whole ticks; equal interval counts for two value axes. A
    // range whose spread is rounding noise is a single value; the plan view gets a
    // symmetric range around a single east value as the north axis does.
    void scale(const SurveyData &data);
    // True when the page draws one metre across as long as one metre up: always in the
    // top view (north against east, one curve), in the side view on request.
    bool equalScales(const SurveyData &data) const;
    // Horizontal scale over vertical scale of the plot area (logical units per metre),
    // 0 when a range is empty. 1 means true scale; the side view shows how far it
    // exaggerates.
    double scaleRatio(const SurveyData &data) const;

    // ---- transform ----
    // Plot area size from the layout flags, and the curve points.
    void worldtrans(const SurveyData &data);
    // The logical point at the top left of the page: (-400, 450) for the side view with
    // two curves, else (-400, 350).
    static QPoint windowOrigin(const SurveyData &data);

    // ---- computing steps ----
    // extreme, scale, worldtrans.
    void OnGraf(const SurveyData &data);
    // m_bComputed = 1, then OnGraf. Does not touch the data; the caller clears
    // data.m_bNeueDaten afterwards (OnDraw does both).
    void OnCompute(const SurveyData &data);

    // What a view does to paint: recomputes when data.m_bNeueDaten is 1 and then clears
    // that flag, and draws the page when it has been computed.
    void OnDraw(DrawContext &dc, SurveyData &data, const std::string &docTitle);

    // ---- drawing (the label font and frame pen are expected to be selected for the axes,
    // the dotted pen for the grid, as zeichnen does) ----
    // The whole page; draws nothing before the first OnCompute. `docTitle` is the
    // document's title (Windows-1252), shown as "Dokument %s".
    void zeichnen(DrawContext &dc, const SurveyData &data, const std::string &docTitle) const;
    void xachse(DrawContext &dc, const SurveyData &data) const;
    void yachse(DrawContext &dc, const SurveyData &data) const;
    void y1achse(DrawContext &dc, const SurveyData &data) const;
    void gitter(DrawContext &dc, const SurveyData &data) const;

    // The lines the page adds below the plot area (German, Windows-1252): how far the
    // side view exaggerates, and up to which depth an aborted computation got.
    std::vector<std::string> notes(const SurveyData &data) const;

    // Radii of the open circle at the wellhead and the filled dot at the last point.
    static constexpr int kMarkerRadius = 18;
    static constexpr int kEndMarkerRadius = 11;
    // The row of their legend, above the plot area below the subtitle.
    static constexpr int kMarkerLegendRow = 140;

private:
    // Gives the axis that needs less room the range that makes both scales equal, for
    // the plot area of the current layout; called by worldtrans.
    void equalizeScales(const SurveyData &data);
    void drawMarkers(DrawContext &dc) const;
    void drawNotes(DrawContext &dc, const SurveyData &data) const;
    void drawFrame(DrawContext &dc) const;
    void drawCaptions(DrawContext &dc, const SurveyData &data) const;
    void drawCurves(DrawContext &dc, const SurveyData &data) const;

    // The ranges as scale() left them, before equalizeScales widened one of them for a
    // particular plot area, and the middle of the raw data of m_X and m_Y.
    struct Fitted
    {
        bool valid = false;
        double xmin = 0, xmax = 0, xstart = 0, deltax = 1;
        double ymin = 0, ymax = 0, ystart = 0, deltay = 1;
        double midX = 0, midY = 0;
    };
    Fitted m_fitted;
    // Which series scale() found to be a single value (their spread rounding noise).
    struct Single
    {
        bool x = false, y = false, y1 = false;
        double xValue = 0, yValue = 0, y1Value = 0;
    };
    Single m_single;
};
