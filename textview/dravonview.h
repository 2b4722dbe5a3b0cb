// The results text view: shows the document's results table in a bold fixed-pitch font,
// scrolls it and prints it page by page with a header that names the document.
#pragma once

#include "graph/drawcontext.h"
#include "well/tabletext.h"

#include <QAbstractScrollArea>

#include <string>
#include <utility>

class CDravonDoc;
class QPrinter;

class CDravonView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit CDravonView(CDravonDoc &doc, QWidget *parent = nullptr);

    CDravonDoc *GetDocument() const { return m_doc; }

    // Sets the scroll sizes for the current table.
    void OnInitialUpdate();

    // The number of pages a print on `printer` has, for the print dialog to offer: as
    // many as the lines a page of its current page layout holds need.
    int OnPreparePrinting(const QPrinter &printer) const;

    // Prints the table on `printer`, the pages of the printer's page range or all of
    // them, with 59 lines a page when the printable area is taller than wide, else 40,
    // in a font narrow enough for the widest row to fit across the printable area.
    // Returns the number of pages printed (0 when the printer could not be opened).
    int print(QPrinter &printer);

    // Scroll extent in logical units (0.1 mm): at least 2000 x 11000 and large enough
    // for every line of the table.
    DrawSize scrollExtent() const { return m_extent; }

    // The rows of the table that the last paint drew, first and last (counted from 0);
    // first > last when it drew none.
    std::pair<int, int> paintedRows() const { return m_painted; }

    // Row `row` of the table (counted from 0) as the view shows it: the heading and the
    // remarks in the language spoken, the rows of numbers as computed.
    std::string shownLine(int row);

    // The line the view shows below the table when the computation stopped short of the
    // stations entered; empty otherwise.
    std::string remark() const;

    // The line of the table that a depth falls on: the first row whose interval ends at
    // or below `depth` (the row that gives the values there), the last row for a depth
    // below the table; -1 when the table has no row with a depth.
    int lineOfDepth(double depth) const;
    // Scrolls the line of `depth` into view, near the top, and marks it until the table
    // changes; false when the table has no such line.
    bool showDepth(double depth);
    // The marked line; -1 when none is.
    int markedLine() const { return m_marked; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Measures the table (after a change of it or of the screen's scale) and sets the
    // scroll bars.
    void measureTable();
    // Sets the scroll bars for the measured table and the window's size.
    void updateScrollBars();
    // After a change of the table: back to the top unless a part of it is in view.
    void keepTableInView();
    // The document's table as the screen shows it in the language spoken, made again when
    // the document holds another table.
    const well::ShownTable &shownTable();
    double unitsToPixelsX() const;
    double unitsToPixelsY() const;

    CDravonDoc *m_doc;
    DrawSize m_extent { 2000, 11000 };
    int m_rowHeight = 55;
    // The scale the table was measured at: a window moved to a screen of another
    // resolution measures it again.
    double m_measuredScaleX = 0;
    double m_measuredScaleY = 0;
    std::pair<int, int> m_painted { 0, -1 };
    int m_marked = -1;
    well::ShownTable m_shown;
};
