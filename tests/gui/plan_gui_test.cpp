// The plan from the desktop program: "Bearbeiten → Planung …" changes the settings only on
// OK, as one step of the history that "Rückgängig" takes back whole; the analysis computes
// the plan the dialog kept.
#include "guifixture.h"

#include "dialogs/dlgplan.h"
#include "dialogs/documenthistory.h"
#include "dialogs/qtmeasurementdialog.h"
#include "plan/refusal.h"
#include "shell/commandids.h"
#include "shell/messagespanel.h"

#include <QAction>
#include <QHeaderView>
#include <QTableWidget>
#include <QUndoStack>

namespace {

// Types `text` into the section table's cell of `row` under the value's heading.
void setValue(DlgPlan &d, int row, plan::Field f, const QString &text)
{
    QTableWidget *t = d.sectionTable();
    const QString heading = QString::fromStdString(plan::fieldHeading(f));
    for (int c = 0; c < t->columnCount(); ++c)
        if (t->horizontalHeaderItem(c)->text() == heading) {
            t->item(row, c)->setText(text);
            return;
        }
    ADD_FAILURE() << "no column " << heading.toStdString();
}

// The desktop program on the bundled example, its frame over the document.
struct Desktop
{
    ScriptedPrompter prompter;
    QtMeasurementDialog measurement { prompter };
    CDravonDoc doc;
    DocumentCommands commands { doc, prompter, measurement };
    ScriptedFrameUi ui;
    std::unique_ptr<CMainFrame> frame;

    bool open()
    {
        doc.reset();
        if (!openExample(commands))
            return false;
        frame = std::make_unique<CMainFrame>(commands, ui);
        measurement.setParent(frame.get());
        return true;
    }
    ~Desktop() { measurement.setParent(nullptr); }
};

} // namespace

TEST(PlanGui, OkIsOneStepThatUndoTakesBack)
{
    guiApp();
    Desktop desktop;
    ASSERT_TRUE(desktop.open());
    CDravonDoc &doc = desktop.doc;
    DocumentCommands &commands = desktop.commands;
    CMainFrame &frame = *desktop.frame;
    const WellSettings before = doc.settings();
    ASSERT_FALSE(before.plan);
    EXPECT_FALSE(doc.analysis().plan().plan || doc.analysis().plan().refusal);

    // Abbrechen: nothing changes.
    onModalDialog<DlgPlan>([](DlgPlan &d) {
        d.addSection();
        d.reject();
    });
    frame.action(ID_PLANUNG)->trigger();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.settings(), before);

    plan::Plan typed;
    typed.sections = { plan::Section::hold(150), plan::Section::arc(2.5, 45, 240) };
    onModalDialog<DlgPlan>([](DlgPlan &d) {
        d.addSection();
        setValue(d, 0, plan::Field::Length, QStringLiteral("150"));
        d.addSection();
        d.setSectionKind(1, plan::SectionKind::Arc);
        setValue(d, 1, plan::Field::Length, QStringLiteral("240"));
        setValue(d, 1, plan::Field::Dls, QStringLiteral("2,5"));
        setValue(d, 1, plan::Field::ToolFace, QStringLiteral("45"));
        d.accept();
    });
    frame.action(ID_PLANUNG)->trigger();
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.settings().plan);
    EXPECT_EQ(*doc.settings().plan, typed);
    ASSERT_TRUE(doc.analysis().plan().ok());
    EXPECT_EQ(doc.analysis().plan().plan->stations, plan::compute(typed).plan->stations);

    QUndoStack &stack = commands.history().stack();
    stack.undo();
    EXPECT_EQ(doc.settings(), before);
    EXPECT_FALSE(doc.analysis().plan().ok());
    EXPECT_FALSE(doc.IsModified());
    stack.redo();
    ASSERT_TRUE(doc.settings().plan);
    EXPECT_EQ(*doc.settings().plan, typed);
    EXPECT_TRUE(doc.analysis().plan().ok());

    // A plan kept with a refused section: the panel of messages says why.
    const auto planRemarks = [&frame] {
        std::vector<std::string> out;
        for (const analysis::Remark &r : frame.messagesPanel()->remarks())
            if (r.source == analysis::RemarkSource::Plan
                && r.severity == analysis::Severity::Warning && !r.depth)
                out.push_back(r.text);
        return out;
    };
    EXPECT_TRUE(planRemarks().empty());
    onModalDialog<DlgPlan>([](DlgPlan &d) {
        setValue(d, 1, plan::Field::Dls, QStringLiteral("45"));
        d.accept();
    });
    frame.action(ID_PLANUNG)->trigger();
    ASSERT_TRUE(doc.settings().plan);
    EXPECT_EQ(doc.settings().plan->sections[1].dls, 45);
    EXPECT_FALSE(doc.analysis().plan().ok());
    const std::vector<std::string> said = planRemarks();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find("Abschnitt 2"), std::string::npos) << said[0];
    stack.undo();
    EXPECT_TRUE(planRemarks().empty()) << "the drillable plan again";
}

TEST(PlanGui, ThePlansStationsBecomeTheSurveyAsOneStep)
{
    guiApp();
    Desktop desktop;
    ASSERT_TRUE(desktop.open());
    CDravonDoc &doc = desktop.doc;
    DocumentCommands &commands = desktop.commands;
    CMainFrame &frame = *desktop.frame;
    const well::Well surveyed = doc.well();

    // A plan from a tie-in below the surface: the survey continues from there.
    WellSettings s = doc.settings();
    plan::Plan p;
    p.start = { 200, 199, 1.5, -2, 3, 120 };
    p.sections = { plan::Section::arc(3, 0, 300), plan::Section::hold(500) };
    s.plan = p;
    commands.history().changeSettings(QStringLiteral("Planung ändern"), s);
    frame.action(ID_PLANUNG_MESSPUNKTE)->trigger();
    const plan::ComputedPlan planned = *plan::compute(p).plan;
    ASSERT_TRUE(doc.settings().tieIn);
    EXPECT_EQ(doc.settings().tieIn->md, 200);
    const traj::Trajectory &path = doc.trajectory();
    ASSERT_EQ(path.stations.size(), planned.stations.size());
    const auto &end = path.last();
    const auto &aim = planned.stations.back();
    EXPECT_LT(std::hypot(end.north - aim.north, end.east - aim.east, end.tvd - aim.tvd), 1e-6);
    // The hole is its plan: nothing between them.
    ASSERT_TRUE(doc.analysis().againstPlan());
    EXPECT_LT(doc.analysis().againstPlan()->stations.back().distance, 1e-6);

    // One step: the survey measured before comes back whole.
    commands.history().stack().undo();
    EXPECT_EQ(doc.well().survey, surveyed.survey);
    EXPECT_EQ(doc.settings().tieIn, surveyed.settings.tieIn);
}
