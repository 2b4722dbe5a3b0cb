// The graph page as a whole: when it is recomputed and the order in which it is drawn.
#include "graph/graphpage.h"

#include "core/cformat.h"
#include "graph/graphstyle.h"

GraphPage::GraphPage() = default;

void GraphPage::OnGraf(const SurveyData &data)
{
    extreme(data);
    scale(data);
    worldtrans(data);
}

void GraphPage::OnCompute(const SurveyData &data)
{
    m_bComputed = 1;
    OnGraf(data);
}

void GraphPage::OnDraw(DrawContext &dc, SurveyData &data, const std::string &docTitle)
{
    // Data changed while the graph was hidden are scaled when it is next drawn.
    if (data.m_bNeueDaten == 1) {
        OnCompute(data);
        data.m_bNeueDaten = 0;
    }
    if (m_bComputed == 1)
        zeichnen(dc, data, docTitle);
}

void GraphPage::zeichnen(DrawContext &dc, const SurveyData &data, const std::string &docTitle) const
{
    if (m_bComputed != 1)
        return;
    const int W = m_Breite, H = m_Hoehe;
    const DrawPen oldPen = dc.selectPen(graphstyle::kFramePen);
    const QPoint origin = windowOrigin(data);
    dc.setWindowOrg(origin.x(), origin.y());
    drawFrame(dc);

    const DrawFont oldFont = dc.selectFont(graphstyle::kTitleFont);
    dc.setTextAlign(TextAlign::TopCenter);
    dc.textOut(W / 2, 300, data.m_GrafikTitel);
    dc.selectFont(graphstyle::kCaptionFont);
    drawCaptions(dc, data);

    dc.selectFont(graphstyle::kLabelFont);
    xachse(dc, data);
    yachse(dc, data);
    if (data.m_Kurven == 2)
        y1achse(dc, data);

    dc.textOut(100, -H - 200, cfmt("Dokument %s", docTitle.c_str()));
    dc.setTextAlign(TextAlign::TopCenter);

    if (data.m_bGitter != 0) {
        dc.selectPen(graphstyle::kGridPen);
        gitter(dc, data);
    }
    drawCurves(dc, data);

    dc.selectFont(oldFont);
    dc.selectPen(oldPen);
}
