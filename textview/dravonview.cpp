// The results text view on screen and paper.
#include "textview/dravonview.h"

#include "core/decimalsign.h"
#include "document/dravondoc.h"
#include "graph/painterdrawcontext.h"
#include "graph/plotdata.h"
#include "textview/tablepage.h"

#include <QImage>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

// Fixed steps of the scroll bars: a fiftieth of the smallest extent per line, half of
// it per page, in logical units.
constexpr int kLineStepX = 40;
constexpr int kLineStepY = 220;
constexpr int kPageStepX = 1000;
constexpr int kPageStepY = 5500;

} // namespace

std::string CDravonView::remark() const
{
    // The table of a computation that stopped short ends where the path ends; the line
    // below it says so, and how deep the stations entered go. Not part of the table: a
    // results file written or read back holds the table alone.
    const well::Computation &result = m_doc->result();
    if (m_doc->tableReadBack() || !result.endsShort() || result.legacy.stations.empty())
        return {};
    return shortEndNote(result.legacy.last().md, result.deepestEntered);
}

CDravonView::CDravonView(CDravonDoc &doc, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_doc(&doc)
{
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(pal);
    connect(m_doc, &CDravonDoc::viewsUpdate, this, [this] {
        // A change of the table may need more room; the paint then shows the new lines.
        m_marked = -1;
        measureTable();
        keepTableInView();
        viewport()->update();
    });
    connect(m_doc, &CDravonDoc::titleChanged, this, [this] { viewport()->update(); });
}

double CDravonView::unitsToPixelsX() const
{
    return PainterDrawContext::pixelsPerUnitX(*viewport());
}

double CDravonView::unitsToPixelsY() const
{
    return PainterDrawContext::pixelsPerUnitY(*viewport());
}

void CDravonView::OnInitialUpdate()
{
    measureTable();
    // A document that was opened starts at its first line.
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

const well::ShownTable &CDravonView::shownTable()
{
    const StringList &table = m_doc->resultsTable();
    if (&m_shown.table() != &table || m_shown.size() != table.size())
        m_shown = well::ShownTable::inLanguageSpoken(table);
    return m_shown;
}

std::string CDravonView::shownLine(int row)
{
    const well::ShownTable &shown = shownTable();
    if (row < 0 || static_cast<size_t>(row) >= shown.size())
        return {};
    std::string buffer;
    return shown.line(static_cast<size_t>(row), buffer);
}

void CDravonView::measureTable()
{
    // The heading and the remarks are shown in the language spoken; the table itself, as
    // printed and written, stays German.
    m_shown = well::ShownTable::inLanguageSpoken(m_doc->resultsTable());
    // Text is measured on an image with the screen's scale, so that the extent follows
    // the same font metrics as the painting.
    m_measuredScaleX = unitsToPixelsX();
    m_measuredScaleY = unitsToPixelsY();
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    PainterDrawContext dc(painter, m_measuredScaleX, m_measuredScaleY);
    m_extent = tablepage::screenExtent(dc, m_shown);
    m_rowHeight = tablepage::screenRowHeight(dc);
    if (const std::string note = remark(); !note.empty()) {
        // One blank row, the remark and a spare row below the table.
        const int rows = static_cast<int>(m_doc->resultsTable().size()) + 3;
        const DrawFont old = dc.selectFont(tablepage::kScreenFont);
        const int width = dc.textExtent(note).cx + 2 * dc.textExtent("W").cx;
        dc.selectFont(old);
        m_extent.cx = std::max(m_extent.cx, width);
        m_extent.cy = std::max(m_extent.cy, rows * m_rowHeight);
    }
    painter.end();
    updateScrollBars();
}

void CDravonView::updateScrollBars()
{
    const int extentX = static_cast<int>(std::ceil(m_extent.cx * unitsToPixelsX()));
    const int extentY = static_cast<int>(std::ceil(m_extent.cy * unitsToPixelsY()));
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, extentX - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, extentY - view.height()));
    horizontalScrollBar()->setSingleStep(std::max(1, int(kLineStepX * unitsToPixelsX())));
    verticalScrollBar()->setSingleStep(std::max(1, int(kLineStepY * unitsToPixelsY())));
    // A page step never exceeds the window, so that paging skips no line.
    horizontalScrollBar()->setPageStep(
        std::max(1, std::min(view.width(), int(kPageStepX * unitsToPixelsX()))));
    verticalScrollBar()->setPageStep(
        std::max(1, std::min(view.height(), int(kPageStepY * unitsToPixelsY()))));
}

void CDravonView::keepTableInView()
{
    // The scroll extent is taller than a short table: a window scrolled below the last
    // row of the new table would show nothing of it and goes back to the top; one that
    // still shows a part of the table stays where it is.
    const double tableHeight
        = static_cast<double>(m_doc->resultsTable().size()) * m_rowHeight * unitsToPixelsY();
    if (verticalScrollBar()->value() >= tableHeight)
        verticalScrollBar()->setValue(0);
}

void CDravonView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    // A new size alone leaves the table as it was measured: only the scroll ranges
    // follow the window.
    if (unitsToPixelsX() != m_measuredScaleX || unitsToPixelsY() != m_measuredScaleY)
        measureTable();
    else
        updateScrollBars();
}

void CDravonView::keyPressEvent(QKeyEvent *event)
{
    // As in a text editor: Ctrl+Home and Ctrl+End go to the first and the last line,
    // Home and End to the left and right edge; the arrows and the page keys are the
    // scroll area's own.
    const bool control = event->modifiers() & Qt::ControlModifier;
    QScrollBar *bar = control ? verticalScrollBar() : horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_Home:
        bar->setValue(bar->minimum());
        if (control)
            horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
        return;
    case Qt::Key_End:
        bar->setValue(bar->maximum());
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

int CDravonView::lineOfDepth(double depth) const
{
    // A row of the table begins with the interval it covers, "from- to" in the table's
    // depth unit, and gives the values at its lower end; headings and remarks begin with
    // words and are passed over. The row of a depth is the one whose interval ends at or
    // below it and begins above it.
    const well::StringList &table = m_doc->resultsTable();
    int first = -1, last = -1;
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        const std::string &line = table[i];
        const std::size_t begin = line.find_first_not_of(' ');
        if (begin == std::string::npos)
            continue;
        const std::size_t dash = line.find('-', begin + 1);
        if (dash == std::string::npos)
            continue;
        const std::size_t toBegin = line.find_first_not_of(' ', dash + 1);
        const std::size_t toEnd = line.find(' ', toBegin == std::string::npos ? dash : toBegin);
        const std::optional<double> from
            = decimalsign::read(std::string_view(line).substr(begin, dash - begin),
                decimalsign::Accept::Either);
        const std::optional<double> to = toBegin == std::string::npos
            ? std::nullopt
            : decimalsign::read(std::string_view(line).substr(toBegin, toEnd - toBegin),
                  decimalsign::Accept::Either);
        if (!from || !to)
            continue;
        if (first < 0)
            first = i;
        last = i;
        // The table rounds to a tenth of its unit.
        if (depth <= *to + 0.05)
            return i;
    }
    // Below the table's last row: its last row; above all rows: its first.
    return last >= 0 ? last : first;
}

bool CDravonView::showDepth(double depth)
{
    const int line = lineOfDepth(depth);
    if (line < 0)
        return false;
    m_marked = line;
    // Two lines of the table above it stay in view, for its neighbours.
    const double y = std::max(0, line - 2) * m_rowHeight * unitsToPixelsY();
    verticalScrollBar()->setValue(static_cast<int>(std::floor(y)));
    viewport()->update();
    return true;
}

void CDravonView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.setClipRect(event->rect());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    PainterDrawContext dc(painter, unitsToPixelsX(), unitsToPixelsY());
    // Only the rows that can show in the window are drawn.
    const double top = verticalScrollBar()->value() / unitsToPixelsY();
    const double bottom = top + viewport()->height() / unitsToPixelsY();
    const int rows = static_cast<int>(m_doc->resultsTable().size());
    const int first = std::max(0, static_cast<int>(top / m_rowHeight) - 1);
    const int last = std::min(rows - 1, static_cast<int>(bottom / m_rowHeight) + 1);
    m_painted = { first, last };
    if (m_marked >= first && m_marked <= last) {
        // The line a message pointed at, underlaid in a pale yellow.
        const double rowY = m_marked * m_rowHeight * unitsToPixelsY();
        const double rowH = m_rowHeight * unitsToPixelsY();
        painter.fillRect(QRectF(0, rowY, std::max<double>(m_extent.cx * unitsToPixelsX(),
                                              viewport()->width()),
                             rowH),
            QColor(255, 240, 170));
    }
    tablepage::drawScreen(dc, shownTable(), first, last);
    if (const std::string note = remark(); !note.empty()) {
        const DrawFont old = dc.selectFont(tablepage::kScreenFont);
        dc.textOut(dc.textExtent("W").cx, -(rows + 1) * m_rowHeight, note);
        dc.selectFont(old);
    }
}

namespace {

int printLinesPerPage(const QPrinter &printer)
{
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    return tablepage::linesPerPage(area.width(), area.height());
}

} // namespace

int CDravonView::OnPreparePrinting(const QPrinter &printer) const
{
    return tablepage::Pagination(m_doc->resultsTable(), printLinesPerPage(printer)).pages();
}

int CDravonView::print(QPrinter &printer)
{
    const tablepage::Pagination pagination(m_doc->resultsTable(), printLinesPerPage(printer));
    const int pages = pagination.pages();
    int from = 1;
    int to = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(pages, std::max(from, printer.toPage()));
    }
    if (from > to)
        return 0;

    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    const std::string title = m_doc->titleText();
    PainterDrawContext dc(painter);
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const int width = static_cast<int>(area.width() / PainterDrawContext::pixelsPerUnitX(printer));
    const DrawFont font = tablepage::printFont(dc, m_doc->resultsTable(), title, width, pages);
    int printed = 0;
    for (int page = from; page <= to; ++page) {
        if (printed > 0)
            printer.newPage();
        tablepage::drawPage(dc, m_doc->resultsTable(), title, page, pagination, width, font);
        ++printed;
    }
    painter.end();
    return printed;
}
