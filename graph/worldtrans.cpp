// The plot area: its size for screen, zoom and printed pages, the transformation of the
// plot series into points of the plot area, and the frame, curves and legends.
#include "graph/graphpage.h"
#include "graph/graphstyle.h"
#include "graph/pagemath.h"

#include <algorithm>

using pagemath::fraction;
using pagemath::truncInt;

void GraphPage::worldtrans(const SurveyData &data)
{
    if (m_bPrint == 1 && m_bPortrait == 0) {
        m_Breite = 2200;
        m_Hoehe = 1300;
    } else {
        m_Breite = 1300;
        m_Hoehe = m_bPrint == 1 ? 2100 : 750;
    }
    if (m_bPrint != 1 && m_bGrafiklupe == 1) {
        m_Breite = 1950;
        m_Hoehe = 1125;
    }

    const double W = m_Breite, H = m_Hoehe;
    const bool twoCurves = data.m_Kurven == 2;
    m_Punktzahl = std::clamp(data.m_PlotWerte, 0, MAX_MESSWERTE);
    for (int i = 0; i < m_Punktzahl; ++i) {
        const double fx = fraction(data.m_X[i], xmin, xmax);
        const double fy = fraction(data.m_Y[i], ymin, ymax);
        const double fy1 = fraction(data.m_Y1[i], y1min, y1max);
        if (data.m_bInvers != 0) {
            // Side view: depth runs down the left axis, the values across.
            const int y = -truncInt(H * fx);
            m_Punkte[i] = QPoint(truncInt(W * fy), y);
            if (twoCurves)
                m_Punkte1[i] = QPoint(truncInt(W * fy1), y);
        } else {
            const int x = truncInt(W * fx);
            m_Punkte[i] = QPoint(x, truncInt(H * fy - H));
            if (twoCurves)
                m_Punkte1[i] = QPoint(x, truncInt(H * fy1 - H));
        }
    }
}

QPoint GraphPage::windowOrigin(const SurveyData &data)
{
    // The side view with two curves needs room above the plot for the azimuth axis.
    if (data.m_bInvers != 0 && data.m_Kurven == 2)
        return QPoint(-400, 450);
    return QPoint(-400, 350);
}

void GraphPage::drawFrame(DrawContext &dc) const
{
    dc.rectangle(0, 0, m_Breite, -m_Hoehe);
}

void GraphPage::drawCurves(DrawContext &dc, const SurveyData &data) const
{
    const int W = m_Breite, H = m_Hoehe;
    dc.selectPen(graphstyle::kCurvePen);
    dc.polyline(m_Punkte.data(), m_Punktzahl);
    // The sample line starts half a text width right of the centred legend's end.
    const int cx = dc.textExtent(data.m_Legende).cx;
    dc.textOut(W / 2, -H - 150, data.m_Legende);
    dc.moveTo(W / 2 + cx, -H - 170);
    dc.lineTo(W / 2 + cx + 200, -H - 170);

    dc.selectPen(graphstyle::kCurve1Pen);
    if (data.m_Kurven != 2)
        return;
    dc.polyline(m_Punkte1.data(), m_Punktzahl);
    const int cx1 = dc.textExtent(data.m_Legende1).cx;
    dc.textOut(W / 2, -H - 200, data.m_Legende1);
    dc.moveTo(W / 2 + cx1, -H - 220);
    dc.lineTo(W / 2 + cx1 + 200, -H - 220);
}
