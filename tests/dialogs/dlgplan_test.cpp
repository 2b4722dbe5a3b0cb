// "Planung": a section typed into the table is computed at once and the preview shows the
// plan of the table; a section the plan refuses is named under the tables, its row
// marked, and OK still keeps every row; a plan file with faults names them and leaves the
// tables as they were; the tie-in, the moves of the rows, the step and the bit distance
// reach the settings; "Planung entfernen" leaves none.
#include "dialogs/dlgplan.h"
#include "dialogs/planpreview.h"
#include "plan/refusal.h"
#include "tests/dialogs/widgetapp.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cmath>
#include <fstream>
#include <numbers>

namespace {

// The column of `table` headed `heading`, as the user finds it; -1 when there is none.
int columnHeaded(const QTableWidget *table, const QString &heading)
{
    for (int c = 0; c < table->columnCount(); ++c)
        if (table->horizontalHeaderItem(c)->text() == heading)
            return c;
    ADD_FAILURE() << "no column " << heading.toStdString();
    return -1;
}

// The column of the section table for the value `f`, found by its heading.
int columnOf(const DlgPlan &d, plan::Field f)
{
    return columnHeaded(d.sectionTable(), QString::fromStdString(plan::fieldHeading(f)));
}

// Types `text` into a cell with the keyboard, as a user does, and ends with Enter.
void typeInto(QTableWidget *table, int row, int column, const QString &text)
{
    table->setCurrentCell(row, column);
    table->setFocus();
    // The first key opens the cell's editor, which takes the rest.
    QTest::keyClicks(table, text.left(1));
    QWidget *editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    ASSERT_NE(editor, table) << "no editor opened";
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
}

// The text of the message box `act` shows (answered at once); empty when none came.
QString messageOf(const std::function<void()> &act)
{
    QString text;
    QPointer<QTimer> watch = whenModalOpens([&text](QWidget *w) {
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            text = box->text();
            box->accept();
        }
    });
    act();
    if (watch)
        watch->stop();
    return text;
}

} // namespace

TEST(PlanDialog, ASectionTypedIntoTheTableIsComputedAtOnce)
{
    widgetApp();
    DlgPlan d(WellSettings {});
    ASSERT_TRUE(showActive(&d));
    EXPECT_FALSE(d.preview()->result().ok()) << "no sections, no plan";
    EXPECT_FALSE(d.tieInButton()->isEnabled()) << "the settings have no tie-in";

    d.addSection();
    d.setSectionKind(0, plan::SectionKind::Arc);
    typeInto(d.sectionTable(), 0, columnOf(d, plan::Field::Dls), QStringLiteral("3"));
    typeInto(d.sectionTable(), 0, columnOf(d, plan::Field::ToolFace), QStringLiteral("0"));
    typeInto(d.sectionTable(), 0, columnOf(d, plan::Field::Length), QStringLiteral("300"));

    const plan::PlanResult &shown = d.preview()->result();
    ASSERT_TRUE(shown.ok()) << (shown.refusal ? plan::text(*shown.refusal) : std::string());
    EXPECT_TRUE(d.refusalLabel()->text().isEmpty()) << d.refusalLabel()->text().toStdString();

    // What was typed is the plan computed: a build of 3°/30 m over 300 m from the slot.
    plan::Plan typed;
    typed.sections = { plan::Section::arc(3, 0, 300) };
    EXPECT_EQ(d.tablePlan(), typed);
    EXPECT_EQ(shown.plan->stations, plan::compute(typed, d.step()).plan->stations);
    // And the geometry of that arc: 30° turned on a radius of 30/3 · 180/π m.
    const double radius = 30.0 / 3.0 * 180.0 / std::numbers::pi;
    const plan::PlanStation &end = shown.plan->stations.back();
    EXPECT_NEAR(end.md, 300, 1e-9);
    EXPECT_NEAR(end.inclination, 30, 1e-9);
    EXPECT_NEAR(end.tvd, radius * std::sin(std::numbers::pi / 6), 1e-6);
    EXPECT_NEAR(end.north, radius * (1 - std::cos(std::numbers::pi / 6)), 1e-6);

    // A hold after it: the plan grows by the hold's length, in the arc's direction.
    d.sectionTable()->setCurrentCell(0, 1);
    d.addSection();
    ASSERT_EQ(d.sectionTable()->rowCount(), 2);
    typeInto(d.sectionTable(), 1, columnOf(d, plan::Field::Length), QStringLiteral("100,5"));
    ASSERT_TRUE(d.preview()->result().ok());
    const plan::PlanStation &last = d.preview()->result().plan->stations.back();
    EXPECT_NEAR(last.md, 400.5, 1e-9);
    EXPECT_NEAR(last.tvd - end.tvd, 100.5 * std::cos(std::numbers::pi / 6), 1e-6);
    EXPECT_NEAR(last.north - end.north, 100.5 * std::sin(std::numbers::pi / 6), 1e-6);
    // The preview's section runs from the start to the end: due north here.
    EXPECT_NEAR(d.preview()->sectionAzimuth(), 0, 1e-9);
}

TEST(PlanDialog, ARefusedSectionIsNamedAndMarkedAndOkKeepsTheRows)
{
    widgetApp();
    WellSettings s;
    plan::Plan p;
    p.sections = { plan::Section::hold(200), plan::Section::arc(3, 90, 150),
        plan::Section::hold(50) };
    s.plan = p;
    DlgPlan d(s);
    ASSERT_TRUE(showActive(&d));
    ASSERT_TRUE(d.preview()->result().ok());
    EXPECT_EQ(d.markedRow(), -1);
    const QBrush plain = d.sectionTable()->item(0, 1)->background();

    // The arc at 45°/30 m: steeper than any assembly the plan takes.
    typeInto(d.sectionTable(), 1, columnOf(d, plan::Field::Dls), QStringLiteral("45"));
    EXPECT_FALSE(d.preview()->result().ok());
    const QString said = d.refusalLabel()->text();
    EXPECT_TRUE(said.contains(QStringLiteral("Abschnitt 2"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("45"))) << said.toStdString();
    EXPECT_EQ(d.markedRow(), 1);
    for (int c = 1; c < d.sectionTable()->columnCount(); ++c) {
        EXPECT_NE(d.sectionTable()->item(1, c)->background(), plain) << "column " << c;
        EXPECT_EQ(d.sectionTable()->item(0, c)->background(), plain) << "column " << c;
    }

    // OK keeps what was typed; the program shows the refusal in its turn.
    d.accept();
    EXPECT_EQ(d.QDialog::result(), QDialog::Accepted);
    ASSERT_TRUE(d.result().plan);
    ASSERT_EQ(d.result().plan->sections.size(), 3u);
    EXPECT_EQ(d.result().plan->sections[1].dls, 45);
    EXPECT_EQ(d.result().plan->sections[2], plan::Section::hold(50));

    // Back to 4°/30 m: nothing refused, nothing marked.
    DlgPlan again(d.result());
    ASSERT_TRUE(showActive(&again));
    EXPECT_EQ(again.markedRow(), 1) << "opened with the refused plan, the row is marked";
    typeInto(again.sectionTable(), 1, columnOf(again, plan::Field::Dls), QStringLiteral("4"));
    EXPECT_TRUE(again.preview()->result().ok());
    EXPECT_EQ(again.markedRow(), -1);
    EXPECT_TRUE(again.refusalLabel()->text().isEmpty());
    EXPECT_EQ(again.sectionTable()->item(1, 2)->background(), plain);
}

TEST(PlanDialog, ACellThatIsNoNumberKeepsTheDialogOpen)
{
    widgetApp();
    WellSettings s;
    plan::Plan p;
    p.sections = { plan::Section::hold(100) };
    s.plan = p;
    DlgPlan d(s);
    ASSERT_TRUE(showActive(&d));
    typeInto(d.sectionTable(), 0, columnOf(d, plan::Field::Length), QStringLiteral("1O0"));
    EXPECT_FALSE(d.preview()->result().ok());
    EXPECT_TRUE(d.refusalLabel()->text().contains(QStringLiteral("1O0")));
    const QString message = messageOf([&] { d.accept(); });
    EXPECT_TRUE(message.contains(QStringLiteral("Abschnitt 1"))) << message.toStdString();
    EXPECT_TRUE(d.isVisible()) << "nothing typed is thrown away";
    EXPECT_EQ(d.sectionTable()->item(0, columnOf(d, plan::Field::Length))->text(),
        QStringLiteral("1O0"));
}

TEST(PlanDialog, AFaultyPlanFileIsNamedAndTheTablesStay)
{
    widgetApp();
    QTemporaryDir dir;
    const QString faulty = dir.filePath(QStringLiteral("fehler.csv"));
    std::ofstream(faulty.toStdString())
        << "Abschnitt;Länge (m);DLS (°/30 m);Werkzeugstellung (°)\n"
           "halten;300;;\n"
           "bogen;200;zwei;0\n";
    const QString good = dir.filePath(QStringLiteral("gut.csv"));
    std::ofstream(good.toStdString())
        << "Abschnitt;Länge (m);DLS (°/30 m);Werkzeugstellung (°);Neigung (°)\n"
           "halten;400;;;\n"
           "bogen;;2,5;0;60\n";

    WellSettings s;
    plan::Plan p;
    p.sections = { plan::Section::hold(50), plan::Section::arc(2, 0, 90) };
    p.targets = { plan::Target::point("T1", 10, 0, 140, 5) };
    s.plan = p;
    DlgPlan d(s);
    ASSERT_TRUE(showActive(&d));
    ASSERT_EQ(d.tablePlan(), p);

    const QString message = messageOf([&] { EXPECT_FALSE(d.loadFile(faulty)); });
    // The row as a spreadsheet counts it (the heading is the first) and the column.
    EXPECT_TRUE(message.contains(QStringLiteral("Zeile 3"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("DLS"))) << message.toStdString();
    EXPECT_EQ(d.tablePlan(), p) << "the tables as they were";

    EXPECT_EQ(messageOf([&] { EXPECT_TRUE(d.loadFile(good)); }), QString());
    const std::optional<plan::Plan> loaded = d.tablePlan();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->sections,
        (std::vector<plan::Section> { plan::Section::hold(400),
            plan::Section::arcToInclination(2.5, 0, 60) }));
    EXPECT_TRUE(loaded->targets.empty()) << "the file names no target";
    ASSERT_TRUE(d.preview()->result().ok());
    EXPECT_NEAR(d.preview()->result().plan->stations.back().inclination, 60, 1e-9);
}

TEST(PlanDialog, TieInMovesStepBitAndRemoval)
{
    widgetApp();
    WellSettings s;
    s.tieIn = well::TieIn { 500, 480, 30, -20, 12, 250 };
    plan::Plan p;
    p.sections = { plan::Section::hold(100), plan::Section::arc(2, 0, 60),
        plan::Section::holdToTvd(900) };
    s.plan = p;
    s.planStep = 10;
    DlgPlan d(s);
    ASSERT_TRUE(showActive(&d));
    ASSERT_TRUE(d.tieInButton()->isEnabled());
    EXPECT_EQ(d.stepEdit()->text(), QStringLiteral("10"));

    clickButton(d.tieInButton());
    ASSERT_TRUE(d.tablePlan());
    EXPECT_EQ(d.tablePlan()->start, (plan::Start { 500, 480, 30, -20, 12, 250 }));
    ASSERT_TRUE(d.preview()->result().ok());
    EXPECT_EQ(d.preview()->result().plan->stations.front().md, 500);

    // The arc moved to the front, then the hold to the end.
    d.sectionTable()->setCurrentCell(1, 1);
    d.moveSection(-1);
    EXPECT_EQ(d.sectionTable()->currentRow(), 0);
    d.sectionTable()->setCurrentCell(1, 1);
    d.moveSection(1);
    EXPECT_EQ(d.tablePlan()->sections,
        (std::vector<plan::Section> { plan::Section::arc(2, 0, 60),
            plan::Section::holdToTvd(900), plan::Section::hold(100) }));
    d.moveSection(1);
    EXPECT_EQ(d.tablePlan()->sections.back(), plan::Section::hold(100)) << "nothing below";

    d.removeSection();
    EXPECT_EQ(d.tablePlan()->sections.size(), 2u);
    d.addTarget();
    d.targetTable()->item(0, 0)->setText(QStringLiteral("Dach"));
    d.setTargetKind(0, plan::TargetKind::Box);
    const QStringList boxHeads { QStringLiteral("Nord von (m)"), QStringLiteral("Nord bis (m)"),
        QStringLiteral("Ost von (m)"), QStringLiteral("Ost bis (m)"),
        QStringLiteral("Seigerteufe von (m)"), QStringLiteral("Seigerteufe bis (m)") };
    for (int i = 0; i < boxHeads.size(); ++i)
        d.targetTable()
            ->item(0, columnHeaded(d.targetTable(), boxHeads[i]))
            ->setText(QString::number(60 + 10 * i));
    ASSERT_EQ(d.tablePlan()->targets.size(), 1u);
    EXPECT_EQ(d.tablePlan()->targets[0], plan::Target::box("Dach", 60, 70, 80, 90, 100, 110));

    d.stepEdit()->setText(QStringLiteral("0,05"));
    EXPECT_FALSE(messageOf([&] { d.accept(); }).isEmpty()) << "a step below the shortest";
    EXPECT_TRUE(d.isVisible());
    d.stepEdit()->setText(QStringLiteral("5"));
    d.bitEdit()->setText(QStringLiteral("12,5"));
    EXPECT_EQ(messageOf([&] { d.accept(); }), QString());
    EXPECT_EQ(d.result().planStep, 5);
    EXPECT_EQ(d.result().bitDistance, 12.5);
    ASSERT_TRUE(d.result().plan);
    EXPECT_EQ(d.result().plan->start.md, 500);
    EXPECT_EQ(d.result().plan->targets.size(), 1u);
    EXPECT_EQ(d.result().tieIn, s.tieIn) << "the rest of the settings as they were";

    DlgPlan gone(d.result());
    ASSERT_TRUE(showActive(&gone));
    clickButton(gone.removePlanButton());
    EXPECT_EQ(gone.QDialog::result(), QDialog::Accepted);
    EXPECT_FALSE(gone.result().plan);
    EXPECT_FALSE(gone.result().planStep);
    EXPECT_FALSE(gone.result().bitDistance);
}
