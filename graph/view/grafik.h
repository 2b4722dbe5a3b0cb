// The graph view: the graph page of the document, or the ladder or the travelling
// cylinder of its neighbouring wells, composed for a target of the viewport's size so
// that the page fills the window and follows it. It recomputes the scaling only when the
// document's data revision moves on (or a new section is shown); a new window size, a
// zoom or a pan only places the points anew. The zoom is the view's own: printing and
// the files compose a page of their own for their target and leave the screen's pages as
// they are. It reads the document and never writes into it.
#pragma once

#include "document/viewpreferences.h"
#include "graph/cylinder.h"
#include "graph/graphpage.h"
#include "graph/ladder.h"
#include "graph/offsetpicture.h"

#include <QAbstractScrollArea>

#include <cstdint>
#include <memory>

class CDravonDoc;
class QPrinter;
class QRubberBand;

// What the view shows: the view the measurement dialog chose, the vertical section,
// the ladder of the neighbouring wells or their travelling cylinder.
enum class GraphShown { Plot, Section, Ladder, Cylinder };

class CGrafik : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit CGrafik(CDravonDoc &doc, QWidget *parent = nullptr);

    CDravonDoc *GetDocument() const { return m_doc; }

    // Back to the uncomputed page showing the whole well.
    void OnInitialUpdate();

    // Scaling and transform of the data shown.
    void OnCompute();

    // "Grafik Lupe an": one zoom step into the middle of the plot area, or back to the
    // whole well when the view shows a part of it (checked while it does).
    void OnGrafiklupe();
    // True while the page shown draws a part of its data (zoomed, panned).
    bool isZoomed() const;

    // The view's own zoom, never the document's and never printed. The wheel zooms
    // toward the pointer, a drag with the left button pans, a drag with Ctrl and the
    // left button zooms to the box drawn, Pos1 shows the whole well.
    // The top view (and the side view "Maßstabsgetreu") keeps equal scales throughout.
    // New data show the whole well again. Positions are in viewport pixels.
    void zoomAt(QPointF pixel, double factor);
    void panBy(QPointF pixels);
    void zoomToBox(QRectF pixels);
    // "Ganze Bohrung zeigen".
    void showWhole();
    // How much one notch of the wheel and the menu's zoom step magnify.
    static constexpr double kWheelStep = 1.25;
    static constexpr double kMenuStep = 1.5;
    // The page point (logical units, plot area origin at its lower left) under a
    // viewport pixel.
    QPointF logicalAt(QPointF pixel) const;
    // The viewport pixel of a page point; the inverse of logicalAt.
    QPointF pixelAt(QPointF logical) const;

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
    bool isSectionView() const { return m_shown == GraphShown::Section; }
    // "Grafik", "Vertikalschnitt", "Abstand", "Zylinder": the page the view shows;
    // recomputes and repaints when it changes.
    void setShown(GraphShown shown);
    GraphShown shown() const { return m_shown; }

    // The neighbouring wells of the document's well as the view draws them, made from the
    // document's scan when its data revision moved on (none: the well has none). The
    // side and top views and the section draw their paths, the ladder and the cylinder
    // their scan.
    const OffsetPicture *offsets();
    void setViewPreferences(const ViewPreferences &remembered);
    // The section azimuth drawn (degrees), for inspection.
    double sectionAzimuth() const;

    // Prints the page shown on one sheet of `printer`, laid out in portrait when the
    // printable area is taller than wide, else in landscape (drawPageFor). Returns the
    // number of pages printed (1, or 0 when the printer could not be opened).
    int print(QPrinter &printer);
    // Draws the page shown composed afresh for `target` from the same data, as printing
    // does: the screen's zoom does not reach it, and the screen's pages stay as they are.
    // Before the graph page was first computed it draws nothing, as the screen does.
    void drawPageFor(const graph::PageTarget &target, DrawContext &dc);

    // The pages' state (scaling, layout, points), for inspection.
    const GraphPage &page() const { return m_page; }
    const LadderPage &ladderPage() const { return m_ladderPage; }
    const CylinderPage &cylinderPage() const { return m_cylinderPage; }
    // The plot value the page draws, made again when the document changed.
    const PlotData &shownData();
    // The values of the ladder and the cylinder, made again when the document or the
    // neighbouring wells changed.
    const LadderData &ladderData();
    const CylinderData &cylinderData();

signals:
    // The zoom flag changed (the frame shows it as the check mark).
    void zoomChanged(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void updateScrollBars();
    // The window target for the viewport's size.
    graph::PageTarget windowTarget() const;
    // The part of the whole page area shown by the page on view, and a new one: the
    // points are placed anew from the data already scaled, nothing is recomputed.
    QRectF shownPart() const;
    void setShownPart(QRectF part);
    // The graph page's points placed anew for its target and shown part, when it was
    // scaled from the current plot value; otherwise the next paint computes it.
    void placeAgain();
    // True when the page on view draws one metre across as long as one metre up.
    bool keepsEqualScales();
    // The ladder or the cylinder when one of them is shown.
    const OffsetPage *shownOffsetPage() const;
    // The fractions of the whole picture shown (as the parts count) under a pixel.
    QPointF wholeFractionAt(QPointF pixel) const;
    bool offsetPageShown() const
    {
        return m_shown == GraphShown::Ladder || m_shown == GraphShown::Cylinder;
    }
    // The ladder's or the cylinder's page laid out anew for the screen (the graph page's
    // target) and the current data.
    void layoutOffsetPage();
    void drawOffsetPage(DrawContext &dc);
    // The picture of the neighbours again when the document's data revision moved on.
    void refreshOffsets();

    CDravonDoc *m_doc;
    GraphPage m_page;
    LadderPage m_ladderPage;
    CylinderPage m_cylinderPage;
    GraphShown m_shown = GraphShown::Plot;
    std::unique_ptr<const OffsetPicture> m_offsets;
    std::uint64_t m_offsetsRevision = 0; // the document revision m_offsets was made from
    LadderData m_ladder;
    CylinderData m_cylinder;
    bool m_ladderStale = true, m_cylinderStale = true;
    bool m_offsetLayoutStale = true;
    bool m_uncertaintyShown = true;
    // The series stay, their extent changes: the page is scaled afresh.
    bool m_rescale = false;
    ViewPreferences m_remembered;
    // A drag in progress: panning from m_dragLast, or a box from m_boxStart.
    enum class Drag { None, Pan, Box };
    Drag m_drag = Drag::None;
    QPointF m_dragLast;
    QPoint m_boxStart;
    QRubberBand *m_rubberBand = nullptr;
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
