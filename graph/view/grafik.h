// The graph view: a scroll view over the graph page of the document. It recomputes the
// scaling only when the document's data revision moves on (or a new section is shown),
// when the zoom is toggled and, for the transform alone, around printing; scrolling and
// repainting reuse the results. It reads the document and never writes into it.
#pragma once

#include "document/viewpreferences.h"
#include "graph/graphpage.h"

#include <QAbstractScrollArea>

#include <cstdint>

class CDravonDoc;
class QPrinter;

class CGrafik : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit CGrafik(CDravonDoc &doc, QWidget *parent = nullptr);

    CDravonDoc *GetDocument() const { return m_doc; }

    // Scroll sizes of the 250 mm x 220 mm page; back to the uncomputed screen layout.
    // The zoom flag survives.
    void OnInitialUpdate();

    // Scaling and transform of the data shown.
    void OnCompute();

    // "Grafik Lupe an": toggles the zoom, recomputes and repaints.
    void OnGrafiklupe();
    bool isZoomed() const { return m_page.m_bGrafiklupe != 0; }

    // "Maßstabsgetreu": the side view in equal horizontal and vertical scales on screen
    // and paper; recomputes and repaints when the setting changes.
    void setTrueScale(bool on);
    bool isTrueScale() const { return m_page.m_bTrueScale != 0; }

    // "Unsicherheit": the top view draws the error ellipses of the stations, the side
    // view and the section a band along the curve, when the document's well has an error
    // model; recomputes and repaints when the switch changes.
    void setUncertaintyShown(bool on);
    bool isUncertaintyShown() const { return m_uncertaintyShown; }

    // "Vertikalschnitt": the page shows true vertical depth against the vertical section
    // instead of the view the measurement dialog chose; "Grafik" switches back. Azimuth
    // and unit are the document's where it sets them, else `remembered`.
    void setSectionView(bool on);
    bool isSectionView() const { return m_sectionView; }
    void setViewPreferences(const ViewPreferences &remembered);
    // The section azimuth drawn (degrees), for inspection.
    double sectionAzimuth() const;

    // Prints the graph on one page of `printer`, in portrait layout when the printable
    // area is taller than wide, else in landscape layout; afterwards the screen layout
    // is restored. Returns the number of pages printed (1, or 0 when the printer could
    // not be opened).
    int print(QPrinter &printer);

    // The page state (scaling, layout, points), for inspection.
    const GraphPage &page() const { return m_page; }
    // The plot value the page draws, made again when the document changed.
    const PlotData &shownData();

signals:
    // The zoom flag changed (the frame shows it as the check mark).
    void zoomChanged(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateScrollBars();
    void OnEndPrinting();

    CDravonDoc *m_doc;
    GraphPage m_page;
    bool m_sectionView = false;
    bool m_uncertaintyShown = true;
    // The series stay, their extent changes: the page is scaled afresh.
    bool m_rescale = false;
    ViewPreferences m_remembered;
    // What the page draws: the view chosen in the measurement dialog, or the vertical
    // section. Made again when the document's revision moves on and after anything
    // else that may change it (a new name, new settings, the other view).
    PlotData m_plot;
    bool m_plotStale = true;
    std::uint64_t m_plotDataRevision = 0; // the document revision m_plot was made from
    // Grows whenever m_plot gets series other than the page last scaled: the revision
    // the page scales by.
    std::uint64_t m_plotRevision = 1;
};
