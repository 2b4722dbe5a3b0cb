// "Daten ändern", "Neu" and the new document: what the dialog receives, what the
// document takes back and how it decides that its data changed.
#include "documentfixture.h"

#include "dialogs/computationrun.h"

TEST_F(DocumentTest, NewDocumentHasDefaultsNoPathAndIsUnmodified)
{
    enterStations();
    changeWell([](well::Well &w) { w.info = { "Beschreibung" }; }, 1);
    doc.SetPathName(dir.filePath("alt.dvn"));
    doc.SetModifiedFlag(true);
    const std::uint64_t revision = doc.dataRevision();
    resetCounters();
    doc.reset();
    EXPECT_EQ(doc.GetTitle(), "Unbenannt");
    EXPECT_TRUE(doc.GetPathName().isEmpty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.well().survey.lines().empty());
    EXPECT_TRUE(doc.well().info.empty());
    // No name yet (the batch tool's placeholder name "TITEL" used to stand in the field).
    EXPECT_EQ(doc.name(), "");
    EXPECT_EQ(doc.well().format, 1);
    EXPECT_EQ(doc.view(), 0);
    EXPECT_TRUE(doc.settings().empty());
    EXPECT_NE(doc.dataRevision(), revision);
    EXPECT_EQ(dialog.runs, 0);
}

TEST_F(DocumentTest, DialogReceivesACopyOfTheSurvey)
{
    doc.take(
        wellWith({ station(100, 1, 2), station(200, 3, 4) }, "B 9", { "Info 1" }, 2), 1, false);
    const well::Well before = doc.well();
    dialog.script = [](LineEditor &s) {
        s.m_Eingabe.clear();
        s.m_Name = "anders";
        return false;
    };
    commands.OnDataChange();
    ASSERT_EQ(dialog.runs, 1);
    EXPECT_EQ(dialog.handedOver.m_Eingabe, before.survey.lines());
    EXPECT_EQ(dialog.handedOver.m_Eingabe.size(), 2u);
    EXPECT_EQ(dialog.handedOver.m_Info, StringList { "Info 1" });
    EXPECT_EQ(dialog.handedOver.m_Name, "B 9");
    EXPECT_EQ(dialog.handedOver.m_Format, 2);
    EXPECT_EQ(dialog.handedOver.m_Ansicht, 1);
    EXPECT_EQ(dialog.handedOver.m_ZeilenModus, 0);
    // What the dialog did to its copy never reached the document.
    EXPECT_EQ(doc.well(), before);
}

TEST_F(DocumentTest, EnteredStationsAreTakenAndComputed)
{
    const std::uint64_t revision = doc.dataRevision();
    enterStations();
    EXPECT_EQ(doc.name(), "B 1");
    EXPECT_EQ(doc.well().survey.lines().size(), 3u);
    EXPECT_EQ(doc.result().checked.stations.size(), 4u); // the surface station comes in front
    EXPECT_GT(doc.dataRevision(), revision);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(modifiedSignals, std::vector<bool> { true });
    EXPECT_EQ(viewUpdates, 1);
    ASSERT_FALSE(doc.resultsTable().empty());
    EXPECT_EQ(doc.resultsTable().front(), "B 1");
    // Computed from the lines: at 300 m with 20 degrees at the end, the vertical depth
    // lies a few metres short of the measured depth.
    ASSERT_EQ(doc.plotTrajectory().stations.size(), 4u);
    EXPECT_GT(doc.plotTrajectory().stations[3].tvd, 290.0);
    EXPECT_LT(doc.plotTrajectory().stations[3].tvd, 300.0);
}

// OK in the dialog after one kind of edit: is the document marked, and does the graph
// rescale?
struct ChangeCase
{
    const char *name;
    std::function<void(LineEditor &)> edit;
    bool marksModified;
    bool newData;
};

inline void PrintTo(const ChangeCase &c, std::ostream *os)
{
    *os << c.name;
}

class DataChangeDecision : public DocumentTest, public ::testing::WithParamInterface<ChangeCase>
{
};

TEST_P(DataChangeDecision, ModifiedFlagAndNewDataFollowTheEdit)
{
    enterStations();
    doc.SetModifiedFlag(false);
    // An empty table (a missing results file read back), so that the computation shows.
    doc.readResults();
    ASSERT_TRUE(doc.resultsTable().empty());
    const std::uint64_t revision = doc.dataRevision();
    resetCounters();

    dialog.script = [](LineEditor &s) {
        GetParam().edit(s);
        return true;
    };
    commands.OnDataChange();
    EXPECT_EQ(doc.IsModified(), GetParam().marksModified);
    EXPECT_EQ(doc.dataRevision() != revision, GetParam().newData);
    // Whatever the decision, the survey is computed again and the views repaint.
    EXPECT_FALSE(doc.resultsTable().empty());
    EXPECT_EQ(viewUpdates, 1);
}

// The name and the descriptive lines are saved in the document file, so a change of
// either alone now marks the document: closing after it asks instead of losing it. (They
// used to be taken without marking.) Neither gives the graph new data.
INSTANTIATE_TEST_SUITE_P(Edits, DataChangeDecision,
    ::testing::Values(ChangeCase { "Nothing", [](LineEditor &) {}, false, false },
        ChangeCase { "NameOnly", [](LineEditor &s) { s.m_Name = "B 2"; }, true, false },
        ChangeCase { "InfoOnly", [](LineEditor &s) { s.m_Info = { "neu" }; }, true, false },
        ChangeCase { "ViewOnly", [](LineEditor &s) { s.m_Ansicht = 1; }, true, true },
        ChangeCase { "FormatOnly", [](LineEditor &s) { s.m_Format = 0; }, true, true },
        ChangeCase { "LineEdited",
            [](LineEditor &s) {
                s.m_Eingabe[1] = station(210, 10, 45);
                s.m_bGeaendert = 1;
            },
            true, true }),
    [](const ::testing::TestParamInfo<ChangeCase> &info) { return std::string(info.param.name); });

// Renaming the borehole alone marks the document, so that closing after a rename asks.
// (It used to be taken without marking, and the new name was lost on closing.)
TEST_F(DocumentTest, RenamingAloneMarksTheDocument)
{
    enterStations();
    doc.SetModifiedFlag(false);
    const std::uint64_t revision = doc.dataRevision();
    resetCounters();
    dialog.script = [](LineEditor &s) {
        s.m_Name = "Neuer Name";
        return true;
    };
    commands.OnDataChange();
    EXPECT_EQ(doc.name(), "Neuer Name");
    EXPECT_EQ(doc.resultsTable().front(), "Neuer Name");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(modifiedSignals, std::vector<bool> { true });
    // The stations are the same: the graph keeps its scale.
    EXPECT_EQ(doc.dataRevision(), revision);

    // And saving the renamed document writes the new name.
    const QString path = dir.filePath("umbenannt.dvn");
    ASSERT_TRUE(commands.OnSaveDocument(path));
    CDravonDoc other;
    std::string message;
    ASSERT_TRUE(other.load(path, message)) << message;
    EXPECT_EQ(other.name(), "Neuer Name");
}

TEST_F(DocumentTest, ViewChoiceIsTakenOver)
{
    enterStations();
    const std::uint64_t revision = doc.dataRevision();
    dialog.script = [](LineEditor &s) {
        s.m_Ansicht = 1;
        return true;
    };
    commands.OnDataChange();
    EXPECT_EQ(doc.view(), 1);
    EXPECT_GT(doc.dataRevision(), revision); // the graph scales the top view afresh
}

TEST_F(DocumentTest, DeletingEveryLineKeepsThePreviousLines)
{
    enterStations();
    const StringList before = doc.well().survey.lines();
    dialog.script = [](LineEditor &s) {
        s.m_Eingabe.clear();
        s.m_Info.clear();
        s.m_bGeaendert = 1;
        return true;
    };
    changeWell([](well::Well &w) { w.info = { "i" }; });
    commands.OnDataChange();
    EXPECT_EQ(doc.well().survey.lines(), before);
    EXPECT_TRUE(doc.well().info.empty());
    // The computation ran on the kept lines.
    EXPECT_EQ(doc.result().checked.stations.size(), 4u);
    EXPECT_FALSE(doc.resultsTable().empty());
}

TEST_F(DocumentTest, CancelLeavesEverythingAsItWas)
{
    enterStations();
    changeWell([](well::Well &w) { w.info = { "i" }; });
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
        commands.OnDataChange();
        EXPECT_EQ(DocSnapshot(doc), before);
        EXPECT_EQ(viewUpdates, 0);
        EXPECT_TRUE(modifiedSignals.empty());
        EXPECT_TRUE(prompter.events.empty());
    }
}

// "Neu" starts a new, untitled and unmodified document; Cancel in its dialog shows the
// empty defaults. (It used to keep the path, the modified flag and the old results,
// so that "Speichern" overwrote the previous file and the views showed old data.)
// The new document starts from a fresh well: the previous well's descriptive lines are
// gone too. (They used to be kept and were saved into the new document, which gave
// another well, say, the previous one's azimuth reference.)
TEST_F(DocumentTest, NeuThenCancelGivesAnUntitledDocumentAndEmptyViews)
{
    enterStations();
    changeWell([](well::Well &w) { w.info = { "Beschreibung" }; });
    doc.SetPathName(dir.filePath("b1.dvn"));
    ASSERT_FALSE(doc.resultsTable().empty());
    const std::uint64_t revision = doc.dataRevision();
    resetCounters();

    dialog.script = [](LineEditor &) { return false; };
    commands.OnDokumentNeu();
    ASSERT_EQ(dialog.runs, 1);
    // The dialog opened on a fresh well.
    EXPECT_TRUE(dialog.handedOver.m_Eingabe.empty());
    EXPECT_TRUE(dialog.handedOver.m_Info.empty());
    EXPECT_EQ(dialog.handedOver.m_Name, "");
    EXPECT_EQ(dialog.handedOver.m_Ansicht, 0);
    well::Well blank;
    blank.name.clear();
    EXPECT_EQ(doc.well(), blank);
    EXPECT_TRUE(doc.result().checked.stations.empty());
    EXPECT_TRUE(doc.plotTrajectory().stations.empty());
    EXPECT_TRUE(doc.resultsTable().empty());
    EXPECT_GT(doc.dataRevision(), revision);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(modifiedSignals, std::vector<bool> { false });
    EXPECT_TRUE(doc.GetPathName().isEmpty());
    EXPECT_EQ(titles, std::vector<QString> { QStringLiteral("Unbenannt") });
    // Once as the dialog opens, empty, and once with the survey the dialog left.
    EXPECT_EQ(viewUpdates, 2);
    EXPECT_TRUE(prompter.events.empty()); // the question about unsaved changes is the frame's
}

// Saving after "Neu" writes only what was entered into the new document.
TEST_F(DocumentTest, NeuSavesNothingOfThePreviousWell)
{
    enterStations();
    changeWell([](well::Well &w) { w.info = { "Azimut bezogen auf Gitternord" }; });
    dialog.script = [](LineEditor &s) {
        s.m_Name = "B 2";
        s.m_Eingabe = { station(50, 1, 10) };
        s.m_bGeaendert = 1;
        return true;
    };
    commands.OnDokumentNeu();
    const QString path = dir.filePath("b2.dvn");
    ASSERT_TRUE(commands.OnSaveDocument(path));
    CDravonDoc other;
    std::string message;
    ASSERT_TRUE(other.load(path, message)) << message;
    EXPECT_EQ(other.well(), wellWith({ station(50, 1, 10) }, "B 2"));
}

TEST_F(DocumentTest, ComputationTalksThroughTheCommandsPrompter)
{
    ScriptedPrompter other;
    commands.setPrompter(other);
    dialog.script = [](LineEditor &s) {
        s.m_Eingabe = { station(100, 1, 1), "kaputt" };
        s.m_bGeaendert = 1;
        return true;
    };
    commands.OnDataChange();
    EXPECT_TRUE(prompter.events.empty());
    ASSERT_FALSE(other.messages().empty());
    EXPECT_NE(other.messages().front().find("2.Zeile"), std::string::npos);
    // The line that is no station stays with the survey.
    EXPECT_EQ(doc.well().survey.lines().back(), "kaputt");
}

// The interpolation answers with the point on the minimum-curvature arc of the computed
// path, without computing the survey again: the remarks of the computation do not come
// again. (It used to re-run the computation, repeating its remarks, and answered on a
// different interpolation.) The figures come from integrating the arc's tangent.
TEST_F(DocumentTest, InterpolationAnswersOnTheArcWithoutComputingAgain)
{
    enterStations();
    ASSERT_FALSE(prompter.messages().empty()); // the straight first interval was remarked
    const DocSnapshot before(doc);
    resetCounters();
    prompter.numberAnswers = { 250.0f, 150.0f };
    EXPECT_EQ(commands.OnInterpolation(), InterpolationOutcome::Shown);
    EXPECT_EQ(commands.OnInterpolation(), InterpolationOutcome::Shown);
    EXPECT_EQ(viewUpdates, 0);
    EXPECT_TRUE(modifiedSignals.empty());
    EXPECT_EQ(DocSnapshot(doc), before); // still as the entry left it, and modified
    const std::vector<std::string> messages = prompter.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].find("Bohrlochteufe   (m):  250.00\nVertikale Teufe (m):  248.43\n"
                               "NORD(+) SUED(-) (m):   10.78\nOST(+)  WEST(-) (m):   15.09\n"
                               "Gesamtabweichung   :  18.55 m   54.5 Grad Azimut"),
        std::string::npos)
        << messages[0];
    // In the first curved interval the arc lies in the plane of azimuth 45 degrees.
    EXPECT_NE(messages[1].find("Vertikale Teufe (m):  149.94\nNORD(+) SUED(-) (m):    1.54\n"
                               "OST(+)  WEST(-) (m):    1.54"),
        std::string::npos)
        << messages[1];
    // The depth request names the deepest station.
    ASSERT_FALSE(prompter.events.empty());
    EXPECT_EQ(prompter.events.front().kind, ScriptedPrompter::Kind::Number);
    EXPECT_EQ(prompter.events.front().text, "Maximale Teufe:300");
}

TEST_F(DocumentTest, InterpolationRefusalsChangeNothing)
{
    // Without stations.
    EXPECT_EQ(commands.OnInterpolation(), InterpolationOutcome::NoData);
    EXPECT_EQ(prompter.messages(), std::vector<std::string> { "Eingabedaten fehlen!!!" });

    enterStations();
    const DocSnapshot before(doc);
    resetCounters();
    prompter.numberAnswers = { 300.5f };
    EXPECT_EQ(commands.OnInterpolation(), InterpolationOutcome::Refused);
    EXPECT_EQ(commands.OnInterpolation(), InterpolationOutcome::Cancelled); // no answer left
    EXPECT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(DocSnapshot(doc), before);
    EXPECT_EQ(viewUpdates, 0);
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
    commands.setPrompter(recorder);
    // A vertical well: both intervals are straight.
    enterStations({ station(0, 0, 0), station(10, 0, 0), station(20, 0, 0) });
    const std::vector<std::string> computed { "in:KEINE KRUEMMUNG VON TEUFE:   0.00 BIS   10.00 M",
        "in:KEINE KRUEMMUNG VON TEUFE:  10.00 BIS   20.00 M" };
    std::vector<std::string> expected = computed;
    expected.push_back("end:Unbenannt");
    EXPECT_EQ(recorder.log, expected);

    // Opening: one run that ends under the opened file's title.
    const QString path = dir.filePath("senkrecht.dvn");
    ASSERT_TRUE(commands.OnSaveDocument(path));
    doc.SetPathName(QString());
    recorder.log.clear();
    ASSERT_TRUE(commands.OnOpenDocument(path));
    expected = computed;
    expected.push_back("end:senkrecht.dvn");
    EXPECT_EQ(recorder.log, expected);

    // Recomputing: the same remarks in one run.
    recorder.log.clear();
    commands.recompute();
    EXPECT_EQ(recorder.log, expected);

    recorder.log.clear();
    recorder.numberAnswers = { 15.0f };
    // The depth request and the result lie in one run; the interpolation computes
    // nothing, so the remarks do not come again. (They used to: four entries.)
    commands.OnInterpolation();
    ASSERT_EQ(recorder.log.size(), 2u);
    EXPECT_NE(recorder.log.front().find("in:\nERGEBNISSE DER INTERPOLATION"), std::string::npos)
        << recorder.log.front();
    EXPECT_EQ(recorder.log.back(), "end:senkrecht.dvn");
}
