// Printing of the results table and the graph into PDF files, the table's page layout
// through the recording drawing layer, and the text view's scroll extent.
#include "guifixture.h"

#include "graph/painterdrawcontext.h"
#include "graph/recordingdrawcontext.h"
#include "graph/view/grafik.h"
#include "shell/commandids.h"
#include "textview/dravonview.h"
#include "textview/tablepage.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

void setUpPdf(QPrinter &printer, const QString &path, QPageLayout::Orientation orientation)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), orientation, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
}

struct TableCase
{
    int entries;
    QPageLayout::Orientation orientation;
    int pages;
};

} // namespace

class TablePrinting : public ShellTest, public ::testing::WithParamInterface<TableCase>
{
};

TEST_P(TablePrinting, GivesTheExpectedPageCount)
{
    const TableCase c = GetParam();
    showTable(tableLines(c.entries));
    const QString pdf = temp.filePath(QStringLiteral("table.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, pdf, c.orientation);
    EXPECT_EQ(frame->printActiveView(printer), c.pages);
    EXPECT_EQ(pdfPageCount(pdf), c.pages);
}

// A table of exactly one, two or one landscape page's lines no longer gets a further page
// with only the header (59 -> 1, 118 -> 2, 40 -> 1 pages).
INSTANTIATE_TEST_SUITE_P(PortraitAndLandscape, TablePrinting,
    ::testing::Values(TableCase { 0, QPageLayout::Portrait, 1 },
        TableCase { 58, QPageLayout::Portrait, 1 }, TableCase { 59, QPageLayout::Portrait, 1 },
        TableCase { 60, QPageLayout::Portrait, 2 }, TableCase { 118, QPageLayout::Portrait, 2 },
        TableCase { 100, QPageLayout::Landscape, 3 }, TableCase { 40, QPageLayout::Landscape, 1 },
        TableCase { 39, QPageLayout::Landscape, 1 }, TableCase { 80, QPageLayout::Landscape, 2 }));

TEST_F(ShellTest, PrintCommandOffersTheCountFor59LinesAndPrintsAfterTheDialog)
{
    showTable(tableLines(130));
    const QString pdf = temp.filePath(QStringLiteral("cmd.pdf"));
    setUpPdf(frame->printer(), pdf, QPageLayout::Portrait);
    ui.printAccepted = false;
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(ui.printDialogs, 1);
    EXPECT_EQ(ui.lastMaxPage, 130 / 59 + 1);
    EXPECT_FALSE(QFileInfo::exists(pdf)); // cancelled: nothing printed

    ui.printAccepted = true;
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(pdfPageCount(pdf), 3);
}

TEST_F(ShellTest, PrintingAPageRangePrintsOnlyThosePages)
{
    showTable(tableLines(200));
    const QString pdf = temp.filePath(QStringLiteral("range.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, pdf, QPageLayout::Portrait);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    EXPECT_EQ(frame->textView()->print(printer), 2);
    EXPECT_EQ(pdfPageCount(pdf), 2);
}

class GraphPrinting : public ShellTest,
                      public ::testing::WithParamInterface<QPageLayout::Orientation>
{
};

TEST_P(GraphPrinting, OnePageAndTheScreenLayoutAfterwards)
{
    enterData(surveyLines(15));
    press(Qt::Key_F3);
    CGrafik *graph = frame->graphView();
    ASSERT_NE(graph, nullptr);
    graph->viewport()->repaint();
    frame->action(ID_GRAFIKLUPE)->trigger(); // the zoom must not reach the paper
    const QPoint zoomed = graph->page().m_Punkte[10];
    // The screen's page fills the window: its target and area are the window's.
    const graph::PageTarget screen = graph->page().m_target;
    const int width = graph->page().m_Breite, height = graph->page().m_Hoehe;

    const QString pdf = temp.filePath(QStringLiteral("graph.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, pdf, GetParam());
    EXPECT_EQ(frame->printActiveView(printer), 1);
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_EQ(graph->page().m_target, screen);
    EXPECT_TRUE(graph->isZoomed());
    EXPECT_EQ(graph->page().m_Breite, width);
    EXPECT_EQ(graph->page().m_Hoehe, height);
    EXPECT_EQ(graph->page().m_Punkte[10], zoomed);
}

INSTANTIATE_TEST_SUITE_P(PortraitAndLandscape, GraphPrinting,
    ::testing::Values(QPageLayout::Portrait, QPageLayout::Landscape));

TEST_F(ShellTest, UncomputedGraphPrintsOneEmptyPage)
{
    press(Qt::Key_F3);
    CGrafik *graph = frame->graphView();
    // The view has seen the data (it scales by the document's revision now, instead of
    // a flag in the document that a test could clear); no new data follow.
    graph->viewport()->repaint();
    graph->OnInitialUpdate();
    const QString pdf = temp.filePath(QStringLiteral("empty.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, pdf, QPageLayout::Portrait);
    EXPECT_EQ(graph->print(printer), 1);
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_EQ(graph->page().m_bComputed, 0);
}

// ---- layout of the table, through the recording back end (a character is 0.6 of the
// font height wide, a text as tall as the font) ----

TEST(TableLayout, LinesPerPageAndPageCount)
{
    EXPECT_EQ(tablepage::linesPerPage(1900, 2770), 59);
    EXPECT_EQ(tablepage::linesPerPage(2770, 1900), 40);
    EXPECT_EQ(tablepage::linesPerPage(2000, 2000), 40); // square counts as landscape
    EXPECT_EQ(tablepage::pageCount(0, 59), 1);
    EXPECT_EQ(tablepage::pageCount(59, 59), 1); // was 2: a trailing page with only the header
    EXPECT_EQ(tablepage::pageCount(100, 40), 3);
}

TEST(TableLayout, ScreenRowsStartOneLetterInAndStepByTheLetterHeight)
{
    RecordingDrawContext dc;
    const StringList entries = tableLines(4);
    tablepage::drawScreen(dc, entries);
    const auto texts = dc.texts();
    ASSERT_EQ(texts.size(), 4u);
    const int w = static_cast<int>(55 * 0.6); // width of "W" at 5.5 mm
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(texts[size_t(i)].text, entries[size_t(i)]);
        EXPECT_EQ(texts[size_t(i)].x1, w);
        EXPECT_EQ(texts[size_t(i)].y1, -i * 55);
        EXPECT_EQ(texts[size_t(i)].font.height, 55);
        EXPECT_EQ(texts[size_t(i)].font.weight, 800);
        EXPECT_EQ(texts[size_t(i)].font.face, "Courier New");
    }
    EXPECT_EQ(dc.font(), DrawFont {}); // the previous font is selected again
}

// The header line carries the page number at its right end now ("Seite 2 von 3").
TEST(TableLayout, SecondLandscapePageHoldsEntries40To79BelowTheHeader)
{
    RecordingDrawContext dc;
    const StringList entries = tableLines(100);
    tablepage::drawPage(dc, entries, "bohrung.dvn", 2, tablepage::Pagination(entries, 40), 2770);
    const auto texts = dc.texts();
    ASSERT_EQ(texts.size(), 42u);
    const int w = static_cast<int>(44 * 0.6);
    EXPECT_EQ(texts[0].text, "Dokument:bohrung.dvn");
    EXPECT_EQ(texts[0].x1, w);
    EXPECT_EQ(texts[0].y1, -44);
    EXPECT_EQ(texts[1].text, "Seite 2 von 3");
    EXPECT_EQ(texts[1].y1, -44);
    dc.selectFont(tablepage::kPrintFont);
    EXPECT_EQ(texts[1].x1 + dc.textExtent(texts[1].text).cx, 2770 - w)
        << "one letter in from the right edge";
    EXPECT_EQ(texts[2].text, entries[40]);
    EXPECT_EQ(texts[2].x1, 3 * w);
    EXPECT_EQ(texts[2].y1, -3 * 44);
    EXPECT_EQ(texts[41].text, entries[79]);
    EXPECT_EQ(texts[41].y1, -42 * 44);
}

// Pages of the real results table: every page after the first starts with the three
// heading lines of the first, then continues the rows without losing or repeating one.
TEST(TableLayout, LaterPagesRepeatTheColumnHeadingAndNumberThePages)
{
    well::Well w;
    StringList lines;
    for (int i = 1; i <= 150; ++i)
        lines.push_back(cfmt("%d %.2f %.2f", 10 * i, std::min(0.2 * i, 60.0), 45.0));
    w.name = "Bohrung Seitenweise";
    w.survey = well::surveyFromLines(lines);
    const StringList table = well::compute(w).table;
    ASSERT_GT(table.size(), 150u);

    for (int perPage : { 59, 40 }) {
        const tablepage::Pagination pages(table, perPage);
        ASSERT_GE(pages.pages(), 3);
        std::vector<std::string> heading;
        std::vector<std::string> rows; // every page's rows in order, headings left out
        for (int page = 1; page <= pages.pages(); ++page) {
            RecordingDrawContext dc;
            tablepage::drawPage(dc, table, "s.dvn", page, pages, 1900);
            const auto texts = dc.texts();
            ASSERT_GE(texts.size(), 2u);
            EXPECT_EQ(texts[1].text, cfmt("Seite %d von %d", page, pages.pages()));
            std::vector<std::string> body;
            for (std::size_t i = 2; i < texts.size(); ++i)
                body.push_back(texts[i].text);
            EXPECT_LE(body.size(), std::size_t(perPage)) << page;
            if (page == 1) {
                // Where the columns are named: the line with "TEUFENBEREICH" and the two
                // below it.
                const auto at = std::find_if(body.begin(), body.end(),
                    [](const std::string &l) { return l.find("TEUFENBEREICH") != l.npos; });
                ASSERT_NE(at, body.end());
                heading.assign(at, at + 3);
            } else {
                ASSERT_GT(body.size(), 3u);
                EXPECT_EQ(std::vector(body.begin(), body.begin() + 3), heading) << page;
                body.erase(body.begin(), body.begin() + 3);
            }
            rows.insert(rows.end(), body.begin(), body.end());
        }
        EXPECT_EQ(rows, std::vector<std::string>(table.begin(), table.end())) << perPage;
    }
}

TEST(TableLayout, LastPageOfAFullTableCarriesOnlyTheHeader)
{
    RecordingDrawContext dc;
    const StringList entries = tableLines(59);
    tablepage::drawPage(dc, entries, "Unbenannt", 2, tablepage::Pagination(entries, 59), 1900);
    const auto texts = dc.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Dokument:Unbenannt");
}

// The view scrolls to the table's last line and its widest, not on into blank pages (it
// used to keep at least 200 mm x 1100 mm, eighteen blank screens below a short table).
TEST(TableLayout, ExtentHoldsTheTableAndNoMore)
{
    RecordingDrawContext dc; // rows 55 units apart, letters 33 wide
    const DrawSize empty = tablepage::screenExtent(dc, {});
    EXPECT_LE(empty.cy, 55);
    EXPECT_LE(empty.cx, 2 * 33);
    const DrawSize tall = tablepage::screenExtent(dc, tableLines(3000));
    EXPECT_GE(tall.cy, 3000 * 55);
    EXPECT_LE(tall.cy, 3001 * 55);
    const StringList wide { std::string(150, 'X') };
    const int cx = tablepage::screenExtent(dc, wide).cx;
    EXPECT_GE(cx, 150 * 33 + 33);
    EXPECT_LE(cx, 152 * 33);
}

// Rows of other characters than printable ASCII (a name with accents, a tab, symbols that
// come from a fallback font with advances of their own) are measured by their characters:
// the extent holds the widest row measured whole, whatever its bytes, and not much more.
TEST_F(ShellTest, ExtentHoldsTheWidestRowWhateverItsCharacters)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    QWidget *viewport = frame->textView()->viewport();
    PainterDrawContext dc(painter, PainterDrawContext::pixelsPerUnitX(*viewport),
        PainterDrawContext::pixelsPerUnitY(*viewport));
    const auto repeated = [](const std::string &piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += piece;
        return text;
    };
    const std::vector<StringList> tables {
        { std::string(50, 'X'), repeated("\u2211\u2192", 15) }, // symbols of a fallback font
        { repeated("\u4e95", 30), std::string(55, 'X') }, // two cells wide
        { "\u0141\u00f3d\u017a " + std::string(40, '0'), std::string(44, '0') },
        { std::string(45, 'X'), "a\tb" + std::string(44, 'W') },
    };
    for (const StringList &table : tables) {
        const DrawSize extent = tablepage::screenExtent(dc, table);
        dc.selectFont(tablepage::kScreenFont);
        const int letter = dc.textExtent("X").cx;
        int widest = 0;
        for (const std::string &row : table)
            widest = std::max(widest, dc.textExtent(row).cx);
        EXPECT_GE(extent.cx, widest + 2 * letter) << table.back();
        EXPECT_LE(extent.cx, widest + 3 * letter) << table.back();
    }
}

TEST_F(ShellTest, ScrollRangeReachesTheLastOf3000Lines)
{
    // Dots everywhere but in the last line, which is a long row of W.
    StringList table(3000, ".");
    table.back() = std::string(60, 'W');
    showTable(table);
    CDravonView *view = frame->textView();

    // The row pitch as the drawing layer measures it on this screen.
    const double sy = PainterDrawContext::pixelsPerUnitY(*view->viewport());
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    PainterDrawContext dc(painter, PainterDrawContext::pixelsPerUnitX(*view->viewport()), sy);
    dc.selectFont(tablepage::kScreenFont);
    const int h = dc.textExtent("W").cy;
    painter.end();
    ASSERT_GT(h, 40);
    EXPECT_GE(view->verticalScrollBar()->maximum() + view->viewport()->height(),
        static_cast<int>(3000 * h * sy) - 1);
    // ... and ends there: at most one spare row below the last line.
    EXPECT_LE(view->verticalScrollBar()->maximum() + view->viewport()->height(),
        static_cast<int>(std::ceil(3001 * h * sy)) + 1);

    // The keys move through the table: a page down and back, to its end and its start.
    QScrollBar *bar = view->verticalScrollBar();
    view->setFocus();
    press(Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->pageStep());
    EXPECT_LE(bar->pageStep(), view->viewport()->height());
    press(Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), 0);
    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 0);

    // Scrolled to the end, the last line shows.
    view->horizontalScrollBar()->setValue(0);
    press(Qt::Key_End, Qt::ControlModifier);
    const QImage image = view->viewport()->grab().toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(ink, 2000);
}

// A million rows scroll smoothly only if a paint draws just the rows in the window:
// wherever the window is scrolled, the painted rows cover it and not much more.
// The table can no longer be set from outside the document; a computed well of a
// million stations gives at least as many rows.
TEST_F(ShellTest, APaintDrawsOnlyTheRowsInViewOfAMillion)
{
    well::Well big;
    big.survey.reserve(1000000);
    for (int i = 1; i <= 1000000; ++i)
        big.survey.add({ static_cast<double>(i), 0.0, 0.0 });
    doc->take(std::move(big), 0, true);
    settle();
    const int rows = static_cast<int>(doc->resultsTable().size());
    ASSERT_GE(rows, 1000000);
    CDravonView *view = frame->textView();
    QWidget *window = view->viewport();

    // The row pitch as the drawing layer measures it on this screen, in pixels.
    const double sy = PainterDrawContext::pixelsPerUnitY(*window);
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    PainterDrawContext dc(painter, PainterDrawContext::pixelsPerUnitX(*window), sy);
    dc.selectFont(tablepage::kScreenFont);
    const double pitch = dc.textExtent("W").cy * sy;
    painter.end();
    ASSERT_GT(pitch, 1.0);

    QScrollBar *bar = view->verticalScrollBar();
    ASSERT_GE(bar->maximum() + window->height(), static_cast<int>(rows * pitch) - 1);
    const double shown = window->height() / pitch;
    for (const int value : { 0, 1, bar->maximum() / 3, bar->maximum() / 2 + 7, bar->maximum() }) {
        bar->setValue(value);
        window->repaint();
        const auto [first, last] = view->paintedRows();
        const int top = static_cast<int>(value / pitch);
        const int bottom = std::min(rows - 1, static_cast<int>((value + window->height()) / pitch));
        EXPECT_LE(first, top) << value;
        EXPECT_GE(last, bottom) << value;
        EXPECT_GE(first, 0);
        EXPECT_LT(last, rows);
        EXPECT_LE(last - first + 1, shown + 4) << value;
    }
}

// ---- the widest row on paper ----

TEST(TableLayout, PrintFontShrinksJustEnoughForTheWidestRow)
{
    RecordingDrawContext dc;
    const auto rowWidth = [](int height, size_t length) {
        return 3 * (height * 6 / 10) + static_cast<int>(length) * height * 6 / 10;
    };
    for (size_t length : { 40u, 70u, 76u, 90u }) {
        const StringList entries { "kurz", std::string(length, 'X'), "auch kurz" };
        for (int width : { 1900, 2000, 2870 }) {
            const DrawFont font = tablepage::printFont(dc, entries, "t.dvn", width);
            EXPECT_EQ(font.face, tablepage::kPrintFont.face);
            EXPECT_EQ(font.weight, tablepage::kPrintFont.weight);
            ASSERT_LE(font.height, 44);
            ASSERT_GE(font.height, tablepage::kSmallestPrintHeight);
            if (font.height > tablepage::kSmallestPrintHeight) {
                EXPECT_LE(rowWidth(font.height, length), width) << length << " " << width;
            }
            if (font.height < 44) {
                EXPECT_GT(rowWidth(font.height + 1, length), width) << length << " " << width;
            }
        }
    }
    EXPECT_EQ(dc.font(), DrawFont {});
}

namespace {

// The bounding boxes of every word pdftotext finds in `pdf`, in points.
std::vector<QRectF> wordBoxes(const QString &pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdf, QStringLiteral("-") });
    if (!tool.waitForFinished(20000) || tool.exitCode() != 0)
        return {};
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\""));
    std::vector<QRectF> boxes;
    auto it = word.globalMatch(QString::fromUtf8(tool.readAllStandardOutput()));
    while (it.hasNext()) {
        const auto m = it.next();
        boxes.emplace_back(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    }
    return boxes;
}

constexpr double kPointsPerMm = 72.0 / 25.4;

} // namespace

TEST_F(ShellTest, TheExampleTableFitsInsideA4WithFiveMillimetreHardwareMargins)
{
    ASSERT_TRUE(frame->commands().OnOpenDocument(
        QString::fromLocal8Bit(qgetenv("DRAVON_EXAMPLES")) + QStringLiteral("/example.dvn")));
    ASSERT_GT(doc->resultsTable().size(), 5u);
    const QString pdf = temp.filePath(QStringLiteral("a4.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    const int pages = frame->printActiveView(printer);
    ASSERT_EQ(pdfPageCount(pdf), pages);

    const std::vector<QRectF> words = wordBoxes(pdf);
    ASSERT_GT(words.size(), 20u) << "pdftotext (poppler-utils) is needed";
    QRectF ink;
    for (const QRectF &box : words)
        ink = ink.united(box);
    EXPECT_GE(ink.left(), 5 * kPointsPerMm);
    EXPECT_LE(ink.right(), 205 * kPointsPerMm);
    EXPECT_LE(ink.bottom(), 292 * kPointsPerMm);
    // Only as much smaller as needed: the widest row still spans most of the page.
    EXPECT_GE(ink.right(), 195 * kPointsPerMm);
}

TEST_F(ShellTest, PrintDialogPresetsAllPagesOfTheLayoutInUse)
{
    showTable(tableLines(80));
    const QString pdf = temp.filePath(QStringLiteral("landscape.pdf"));
    setUpPdf(frame->printer(), pdf, QPageLayout::Landscape);
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(ui.lastMaxPage, 2); // 40 lines a landscape page
    EXPECT_EQ(ui.presetRange, std::make_pair(1, 2));
    EXPECT_EQ(pdfPageCount(pdf), 2);

    setUpPdf(frame->printer(), pdf, QPageLayout::Portrait);
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(ui.presetRange, std::make_pair(1, 2));
    EXPECT_EQ(pdfPageCount(pdf), 2);
    showTable(tableLines(59));
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(ui.presetRange, std::make_pair(1, 1));
    EXPECT_EQ(pdfPageCount(pdf), 1);
}
