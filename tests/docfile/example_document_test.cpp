// The shipped example document: it must decode, re-encode to the same bytes, and its
// stations must compute from top to bottom without a single message.
#include "core/scriptedprompter.h"
#include "document/docfile.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

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

    SurveyData survey;
    survey.m_Name = doc.m_Name;
    survey.m_Eingabe = doc.m_Eingabe;
    ScriptedPrompter prompter;
    EXPECT_EQ(survey.berechnung(prompter), 0);
    EXPECT_TRUE(prompter.events.empty()) << prompter.events.front().text;
    EXPECT_FALSE(survey.lastRunAborted());
    // The surface station comes in front of the first line.
    EXPECT_EQ(survey.m_MaxWerte, static_cast<int>(doc.m_Eingabe.size()) + 1);
    EXPECT_EQ(survey.m_PlotWerte, survey.m_MaxWerte);
    // A deviated well: the vertical depth stays below the measured depth and the hole
    // has moved away from the surface point.
    const int last = survey.m_MaxWerte - 1;
    EXPECT_LT(survey.m_X[last], survey.m_Teufe[last]);
    EXPECT_GT(survey.m_Y[last], 100.0f);
    for (int i = 1; i <= last; ++i)
        EXPECT_GT(survey.m_Teufe[i], survey.m_Teufe[i - 1]);
}
