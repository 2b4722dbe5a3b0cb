// The graph view: a scroll view over the graph page of the document. It recomputes the
// scaling only when the document reports new data, when the zoom is toggled and, for
// the transform alone, around printing; scrolling and repainting reuse the results.
#pragma once

#include "document/viewpreferences.h"
#include "graph/graphpage.h"

#include <QAbstractScrollArea>

#include <memory>

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

    // Scaling and transform, then the document's new-data flag is cleared.
    void OnCompute();

    // "Grafik Lupe an": toggles the zoom, recomputes and repaints.
    void OnGrafiklupe();
    bool isZoomed() const { return m_page.m_bGrafiklupe != 0; }

    // "Maßstabsgetreu": the side view in equal horizontal and vertical scales on screen
    // and paper; recomputes and repaints when the setting changes.
    void setTrueScale(bool on);
    bool isTrueScale() const { return m_page.m_bTrueScale != 0; }

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

signals:
    // The zoom flag changed (the frame shows it as the check mark).
    void zoomChanged(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateScrollBars();
    void OnEndPrinting();
    // The data the page draws: the document, or its vertical section (made again when
    // the document changed).
    SurveyData &shownData();

    CDravonDoc *m_doc;
    GraphPage m_page;
    bool m_sectionView = false;
    bool m_sectionStale = true;
    ViewPreferences m_remembered;
    std::unique_ptr<SurveyData> m_section;
    // The document's computation as the page reads it, and the revision it was made for.
    SurveyData m_plain;
    std::uint64_t m_plainRevision = 0;
    std::uint64_t m_scaledRevision = 0;
};
