// "Daten ändern", "Neu" and the new document: what the dialog receives, what the
// document takes back and how it decides that its data changed.
#include "documentfixture.h"

#include "dialogs/computationrun.h"

TEST_F(DocumentTest, NewDocumentHasDefaultsNoPathAndIsUnmodified)
{
    doc.m_Eingabe = { station(10, 1, 1) };
    doc.SetPathName(dir.filePath("alt.dvn"));
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetTitle(), "Unbenannt");
    EXPECT_TRUE(doc.GetPathName().isEmpty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.m_Eingabe.empty());
    EXPECT_EQ(doc.m_Name, "TITEL");
    EXPECT_EQ(doc.m_Format, 1);
    EXPECT_EQ(doc.m_MaxWerte, 0);
    EXPECT_EQ(dialog.runs, 0);
}

TEST_F(DocumentTest, DialogReceivesACopyOfTheSurvey)
{
    doc.m_Eingabe = { station(100, 1, 2), station(200, 3, 4) };
    doc.m_Info = { "Info 1" };
    doc.m_Name = "B 9";
    doc.m_Format = 2;
    doc.m_Ansicht = 1;
    dialog.script = [](LineEditor &) { return false; };
    doc.OnDataChange();
    ASSERT_EQ(dialog.runs, 1);
    EXPECT_EQ(dialog.handedOver.m_Eingabe, doc.m_Eingabe);
    EXPECT_EQ(dialog.handedOver.m_Info, doc.m_Info);
    EXPECT_EQ(dialog.handedOver.m_Name, "B 9");
    EXPECT_EQ(dialog.handedOver.m_Format, 2);
    EXPECT_EQ(dialog.handedOver.m_Ansicht, 1);
    EXPECT_EQ(dialog.handedOver.m_ZeilenModus, 0);
}

TEST_F(DocumentTest, EnteredStationsAreTakenAndComputed)
{
    enterStations();
    EXPECT_EQ(doc.m_Name, "B 1");
    EXPECT_EQ(doc.m_GrafikTitel, "B 1");
    EXPECT_EQ(doc.m_Eingabe.size(), 3u);
    EXPECT_EQ(doc.m_MaxWerte, 4); // the surface station comes in front
    EXPECT_EQ(doc.m_bNeueDaten, 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(modifiedSignals, std::vector<bool> { true });
    EXPECT_EQ(viewUpdates, 1);
    ASSERT_FALSE(doc.m_Ergebnisse.empty());
    EXPECT_EQ(doc.m_Ergebnisse.front(), "B 1");
    // Computed from the lines: at 300 m with 20 degrees at the end, the vertical depth
    // lies a few metres short of the measured depth.
    EXPECT_GT(doc.m_X[3], 290.0f);
    EXPECT_LT(doc.m_X[3], 300.0f);
}

// OK in the dialog after one kind of edit: is the document marked, and does the graph
// rescale?
struct ChangeCase
{
    const char *name;
    std::function<void(LineEditor &)> edit;
    bool marksModified;
};

class DataChangeDecision : public DocumentTest, public ::testing::WithParamInterface<ChangeCase>
{
};

TEST_P(DataChangeDecision, ModifiedFlagAndNewDataFollowTheEdit)
{
    enterStations();
    doc.SetModifiedFlag(false);
    doc.m_Ergebnisse.clear();
    doc.m_Methode = 1;
    resetCounters();

    dialog.script = [](LineEditor &s) {
        GetParam().edit(s);
        return true;
    };
    doc.OnDataChange();
    EXPECT_EQ(doc.IsModified(), GetParam().marksModified);
    EXPECT_EQ(doc.m_bNeueDaten, GetParam().marksModified ? 1 : 0);
    // Whatever the decision, the survey is computed again and the views repaint.
    EXPECT_FALSE(doc.m_Ergebnisse.empty());
    EXPECT_EQ(viewUpdates, 1);
    EXPECT_EQ(doc.m_Methode, 0);
}

INSTANTIATE_TEST_SUITE_P(Edits, DataChangeDecision,
    ::testing::Values(ChangeCase { "Nothing", [](LineEditor &) {}, false },
        ChangeCase { "NameOnly", [](LineEditor &s) { s.m_Name = "B 2"; }, false },
        ChangeCase { "InfoOnly", [](LineEditor &s) { s.m_Info = { "neu" }; }, false },
        ChangeCase { "ViewOnly", [](LineEditor &s) { s.m_Ansicht = 1; }, true },
        ChangeCase { "FormatOnly", [](LineEditor &s) { s.m_Format = 0; }, true },
        ChangeCase { "LineEdited",
            [](LineEditor &s) {
                s.m_Eingabe[1] = station(210, 10, 45);
                s.m_bGeaendert = 1;
            },
            true }),
    [](const ::testing::TestParamInfo<ChangeCase> &info) { return std::string(info.param.name); });

TEST_F(DocumentTest, NameAloneIsTakenWithoutMarking)
{
    enterStations();
    doc.SetModifiedFlag(false);
    dialog.script = [](LineEditor &s) {
        s.m_Name = "Neuer Name";
        return true;
    };
    doc.OnDataChange();
    EXPECT_EQ(doc.m_Name, "Neuer Name");
    EXPECT_EQ(doc.m_GrafikTitel, "Neuer Name");
    EXPECT_EQ(doc.m_Ergebnisse.front(), "Neuer Name");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentTest, ViewChoiceIsTakenOver)
{
    enterStations();
    dialog.script = [](LineEditor &s) {
        s.m_Ansicht = 1;
        return true;
    };
    doc.OnDataChange();
    EXPECT_EQ(doc.m_Ansicht, 1);
    EXPECT_EQ(doc.m_Kurven, 1); // the top view draws one curve
}

TEST_F(DocumentTest, DeletingEveryLineKeepsThePreviousLines)
{
    enterStations();
    const StringList before = doc.m_Eingabe;
    dialog.script = [](LineEditor &s) {
        s.m_Eingabe.clear();
        s.m_Info.clear();
        s.m_bGeaendert = 1;
        return true;
    };
    doc.OnDataChange();
    EXPECT_EQ(doc.m_Eingabe, before);
    EXPECT_TRUE(doc.m_Info.empty());
    // The computation ran on the kept lines.
    EXPECT_EQ(doc.m_MaxWerte, 4);
    EXPECT_FALSE(doc.m_Ergebnisse.empty());
}

TEST_F(DocumentTest, CancelLeavesEverythingAsItWas)
{
    enterStations();
    doc.m_Methode = 1;
    doc.m_bNeueDaten = 0;
    doc.m_Info = { "i" };
    for (bool modified : { false, true }) {
        doc.SetModifiedFlag(modified);
        resetCounters();
        const DocSnapshot before(doc);
        dialog.script = [](LineEditor &s) {
            // The user edits everything and then cancels.
            s.m_Name = "anders";
            s.m_Format = 0;
            s.m_Ansicht = 1;
            s.m_Eingabe = { station(5, 1, 1) };
            s.m_Info.clear();
            s.m_bGeaendert = 1;
            return false;
        };
        doc.OnDataChange();
        EXPECT_EQ(DocSnapshot(doc), before);
        EXPECT_EQ(viewUpdates, 0);
        EXPECT_TRUE(modifiedSignals.empty());
        EXPECT_TRUE(prompter.events.empty());
    }
}

// "Neu" starts a new, untitled and unmodified document; Cancel in its dialog shows the
// empty defaults. (It used to keep the path, the modified flag and the old results,
// so that "Speichern" overwrote the previous file and the views showed old data.)
TEST_F(DocumentTest, NeuThenCancelGivesAnUntitledDocumentAndEmptyViews)
{
    enterStations();
    doc.m_Info = { "Beschreibung" };
    doc.SetPathName(dir.filePath("b1.dvn"));
    ASSERT_FALSE(doc.m_Ergebnisse.empty());
    resetCounters();

    dialog.script = [](LineEditor &) { return false; };
    doc.OnDokumentNeu();
    ASSERT_EQ(dialog.runs, 1);
    // The dialog opened on an empty station list beside the previous descriptive lines.
    EXPECT_TRUE(dialog.handedOver.m_Eingabe.empty());
    EXPECT_EQ(dialog.handedOver.m_Info, StringList { "Beschreibung" });
    EXPECT_EQ(dialog.handedOver.m_Name, "TITEL");
    EXPECT_TRUE(doc.m_Eingabe.empty());
    EXPECT_EQ(doc.m_MaxWerte, 0);
    EXPECT_EQ(doc.m_PlotWerte, 0);
    EXPECT_TRUE(doc.m_Ergebnisse.empty());
    EXPECT_EQ(doc.m_bNeueDaten, 1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(modifiedSignals, std::vector<bool> { false });
    EXPECT_TRUE(doc.GetPathName().isEmpty());
    EXPECT_EQ(titles, std::vector<QString> { QStringLiteral("Unbenannt") });
    EXPECT_EQ(viewUpdates, 1);
    EXPECT_TRUE(prompter.events.empty()); // the question about unsaved changes is the frame's
}

TEST_F(DocumentTest, ComputationTalksThroughTheDocumentsPrompter)
{
    ScriptedPrompter other;
    doc.setPrompter(other);
    dialog.script = [](LineEditor &s) {
        s.m_Eingabe = { station(100, 1, 1), "kaputt" };
        s.m_bGeaendert = 1;
        return true;
    };
    doc.OnDataChange();
    EXPECT_TRUE(prompter.events.empty());
    ASSERT_FALSE(other.messages().empty());
    EXPECT_NE(other.messages().front().find("2.Zeile"), std::string::npos);
}

TEST_F(DocumentTest, InterpolationUsesTheDocumentsPromptAndUpdatesNoView)
{
    enterStations();
    resetCounters();
    prompter.numberAnswers = { 150.0f };
    EXPECT_EQ(doc.OnInterpolation(), InterpolationOutcome::Shown);
    EXPECT_EQ(viewUpdates, 0);
    EXPECT_TRUE(doc.IsModified()); // still as the entry left it
    EXPECT_TRUE(modifiedSignals.empty());
    const std::vector<std::string> messages = prompter.messages();
    ASSERT_FALSE(messages.empty());
    // Halfway between 100 m (vertical) and 200 m: a vertical depth of 149.75 m.
    EXPECT_NE(messages.back().find("Vertikale Teufe (m):  149.75"), std::string::npos)
        << messages.back();
}

TEST_F(DocumentTest, ModifiedSignalOnlyOnChange)
{
    doc.SetModifiedFlag(false);
    doc.SetModifiedFlag(true);
    doc.SetModifiedFlag(true);
    doc.SetModifiedFlag(false);
    EXPECT_EQ(modifiedSignals, (std::vector<bool> { true, false }));
}

// A prompter that listens for the runs: its log marks each message as inside or outside
// a run and each end of an outermost run with the document's title at that moment.
class RunRecorder : public ScriptedPrompter
{
public:
    explicit RunRecorder(const CDravonDoc &doc)
        : m_doc(doc)
    {
    }
    void message(const std::string &text) override
    {
        log.push_back((depth ? "in:" : "out:") + text);
    }
    void beginRun() override { ++depth; }
    void endRun() override
    {
        if (--depth == 0)
            log.push_back("end:" + m_doc.GetTitle().toStdString());
    }
    int depth = 0;
    std::vector<std::string> log;

private:
    const CDravonDoc &m_doc;
};

TEST_F(DocumentTest, EveryComputationIsOneRunForAPrompterThatListens)
{
    RunRecorder recorder(doc);
    doc.setPrompter(recorder);
    // A vertical well: both intervals are straight.
    enterStations({ station(0, 0, 0), station(10, 0, 0), station(20, 0, 0) });
    const std::vector<std::string> computed { "in:KEINE KRUEMMUNG VON TEUFE:   0.00 BIS   10.00 M",
        "in:KEINE KRUEMMUNG VON TEUFE:  10.00 BIS   20.00 M" };
    std::vector<std::string> expected = computed;
    expected.push_back("end:Unbenannt");
    EXPECT_EQ(recorder.log, expected);

    // Opening: one run that ends under the opened file's title.
    const QString path = dir.filePath("senkrecht.dvn");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    doc.SetPathName(QString());
    recorder.log.clear();
    ASSERT_TRUE(doc.OnOpenDocument(path));
    expected = computed;
    expected.push_back("end:senkrecht.dvn");
    EXPECT_EQ(recorder.log, expected);

    recorder.log.clear();
    recorder.numberAnswers = { 15.0f };
    doc.OnInterpolation(); // the depth request, the result and the remarks lie in one run
    ASSERT_EQ(recorder.log.size(), 4u);
    EXPECT_EQ(recorder.log.back(), "end:senkrecht.dvn");
}
