// The shipped example document: it must decode, re-encode to the same bytes, and its
// stations must compute from top to bottom without a single message.
#include "document/docfile.h"
#include "tempfolder.h"
#include "well/computation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

TEST(ExampleDocument, DecodesAndComputesWithoutMessages)
{
    const char *examples = std::getenv("DRAVON_EXAMPLES");
    if (!examples)
        GTEST_SKIP() << "DRAVON_EXAMPLES is not set";
    const std::string path = std::string(examples) + "/example.dvn";
    DocumentItems doc;
    std::string message;
    ASSERT_TRUE(readDocumentFile(path, "example.dvn", doc, message)) << message;
    EXPECT_EQ(encodeDocument(doc), readBytes(path));
    EXPECT_EQ(doc.m_Format, 1);
    EXPECT_FALSE(doc.m_Name.empty());
    EXPECT_FALSE(doc.m_Info.empty());
    ASSERT_GE(doc.m_Eingabe.size(), 60u);
    ASSERT_LE(doc.m_Eingabe.size(), 120u);

    const well::Computation result = well::compute(wellOf(doc));
    EXPECT_TRUE(result.diagnostics.empty()) << well::germanText(result.diagnostics.front());
    EXPECT_TRUE(result.clean());
    EXPECT_FALSE(result.aborted);
    EXPECT_EQ(result.legacy.stop.kind, traj::StopKind::None);
    // The surface station comes in front of the first line.
    const std::vector<traj::Station> &stations = result.legacy.stations;
    ASSERT_EQ(stations.size(), doc.m_Eingabe.size() + 1);
    EXPECT_EQ(result.checked.stations.size(), stations.size());
    EXPECT_EQ(result.path.stations.size(), stations.size());
    // A deviated well: the vertical depth stays below the measured depth and the hole
    // has moved away from the surface point.
    const traj::Station &last = stations.back();
    EXPECT_LT(last.tvd, last.md);
    EXPECT_GT(last.displacement, 100.0);
    for (std::size_t i = 1; i < stations.size(); ++i)
        EXPECT_GT(stations[i].md, stations[i - 1].md);
}
