// The batch tool's --plot with neighbouring wells: the page draws them as the desktop's
// graph does, in each view, and a page without them is the page it always was.
#include "tests/cli/clitool.h"

namespace {

using namespace clitest;

const std::string kSet = "'" DRAVON_SOURCE_DIR "/tests/data/clearance/";

std::size_t count(const std::string &text, const std::string &what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST_F(ToolTest, PlotDrawsTheNeighboursInEachView)
{
    const std::string offsets = " --offset " + kSet + "offset-01.csv' --offset-position 0,100"
        + " --offset " + kSet + "offset-05.csv' --offset-position -50,-500";
    for (const std::string view : { "side", "top", "section" }) {
        SCOPED_TRACE(view);
        const Result alone = run(kSet + "reference-well.csv' --view " + view + " --plot a.svg");
        const Result with
            = run(kSet + "reference-well.csv' --view " + view + offsets + " --plot b.svg");
        ASSERT_EQ(alone.status, 0) << alone.err;
        ASSERT_EQ(with.status, 0) << with.err;
        const std::string a = file("a.svg"), b = file("b.svg");
        EXPECT_EQ(count(a, "offset-0"), 0u);
        // Each name beside its path and in the legend.
        EXPECT_EQ(count(b, ">offset-01<"), 2u);
        EXPECT_EQ(count(b, ">offset-05<"), 2u);
        EXPECT_EQ(count(b, ">Nachbarbohrungen<"), 1u);
        // In the first two colours of the palette: green and orange.
        EXPECT_NE(b.find("#008000"), std::string::npos);
        EXPECT_NE(b.find("#e67800"), std::string::npos);
    }
}

} // namespace
