// A survey whose computation stops short of its last station: the text view and the
// graph page say where the computed path ends, and how deep the stations go.
#include "guifixture.h"

#include "graph/view/grafik.h"
#include "shell/messagespanel.h"
#include "textview/dravonview.h"

#include <QImage>

#include <algorithm>

namespace {

// The bands of pixel rows with dark pixels in what a view shows: one per line of text.
int textBands(QAbstractScrollArea *view)
{
    const QImage image = view->viewport()->grab().toImage();
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < 128;
        if (ink && !inBand)
            ++bands;
        inBand = ink;
    }
    return bands;
}

} // namespace

TEST_F(ShellTest, WhereACheckStopsThePathTheViewsSayWhereItEnds)
{
    // The third depth repeats the second: the check stops there and the table ends at
    // 200 m of 700 m, with no line of its own that says so.
    enterData({ "100 0 0", "200 5 40", "200 6 41", "700 20 45" });
    // The refused line is listed in the panel of messages, not shown in a box.
    const std::vector<analysis::Remark> &told = frame->messagesPanel()->remarks();
    EXPECT_TRUE(std::any_of(told.begin(), told.end(), [](const analysis::Remark &r) {
        return r.text.find("Die 3.Teufe 200 steigt nicht an") == 0;
    }));
    EXPECT_TRUE(prompter.messages().empty());
    const std::string note = "Berechnet bis 200,00 m (von 700,00 m)";

    CDravonView *text = frame->textView();
    EXPECT_EQ(text->remark(), note);
    // An unnamed well's title line is blank and leaves no band.
    const StringList &table = doc->resultsTable();
    const int rows = static_cast<int>(std::count_if(table.begin(), table.end(),
        [](const std::string &line) { return line.find_first_not_of(' ') != std::string::npos; }));
    ASSERT_GT(rows, 3);
    EXPECT_EQ(textBands(text), rows + 1) << "the table's lines and the remark below them";

    press(Qt::Key_F3);
    CGrafik *graph = frame->graphView();
    ASSERT_NE(graph, nullptr);
    graph->viewport()->repaint();
    const std::vector<std::string> notes = graph->page().notes(graph->shownData());
    EXPECT_NE(std::find(notes.begin(), notes.end(), note), notes.end());

    // A survey that reaches its last station has no such remark; nor has a results
    // file read back, which is the table alone.
    enterData({ "100 0 0", "200 5 40", "700 20 45" });
    EXPECT_EQ(text->remark(), "");
    const std::vector<std::string> clean = graph->page().notes(graph->shownData());
    EXPECT_EQ(std::find(clean.begin(), clean.end(), note), clean.end());
    enterData({ "100 0 0", "200 5 40", "200 6 41", "700 20 45" });
    showTable({ "eine Zeile", "zwei Zeilen" });
    EXPECT_EQ(text->remark(), "");
}
