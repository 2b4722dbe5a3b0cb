// The survey program typed into "Bohrung …" (keys into the table, the tool found by a word
// of its long name in the chooser's list) and into an offset of "Nachbarbohrungen …" (one
// tool for the whole offset, or runs), with a bad row named and nothing lost. The codes are
// taken from the library as it is built.
#include "dialogs/dlgoffsets.h"
#include "dialogs/surveyprogramedit.h"
#include "tests/dialogs/dlgwellfixture.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace {

std::vector<const toollib::Tool *> computableTools(std::size_t count)
{
    std::vector<const toollib::Tool *> tools;
    for (const toollib::Tool &t : toollib::library()) {
        if (tools.size() < count && toollib::modelFor(t).model)
            tools.push_back(&t);
    }
    return tools;
}

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The word of a tool's long name that the fewest tools hold.
QString rarestWord(const toollib::Tool &tool)
{
    QString word;
    std::size_t fewest = 0;
    for (const QString &w : qs(tool.longName).split(QRegularExpression(QStringLiteral("\\W+")))) {
        const std::size_t holding = geo::searchTools(w.toStdString()).size();
        if (w.size() >= 3 && (word.isEmpty() || holding < fewest)) {
            word = w;
            fewest = holding;
        }
    }
    return word;
}

// Answers the message box that `act` shows; its text, empty when none came.
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

// Types `text` into a cell of `table` as a user does: the cell chosen, F2 opens its
// editor, Return takes the text.
void typeCell(QTableWidget *table, int row, int column, const QString &text)
{
    table->window()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(table->window()));
    table->setFocus();
    table->setCurrentCell(row, column);
    QTest::keyClick(table, Qt::Key_F2);
    settle();
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
}

} // namespace

TEST(SurveyProgramDialogs, ProgramTypedIntoTheWellDialog)
{
    const auto tools = computableTools(2);
    ASSERT_EQ(tools.size(), 2u);
    WellSettings s;
    s.north = NorthReference::Magnetic;
    s.uncertainty.model = ErrorModel::IscwsaMwdRev5;
    s.uncertainty.totalField = 50000;
    s.uncertainty.dip = 70;
    WellDialogFixture w { s };
    ASSERT_TRUE(showActive(&w.dialog));
    SurveyProgramEdit *edit = w.dialog.programEdit();
    QTableWidget *table = edit->table();
    EXPECT_TRUE(w.dialog.errorModelBox()->isEnabled());

    // The first run from the surface: its end typed, its tool found by a word of its
    // long name in the chooser's list.
    QTest::mouseClick(edit->addButton(), Qt::LeftButton);
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, SurveyProgramEdit::FromColumn)->text(), QStringLiteral("0"));
    typeCell(table, 0, SurveyProgramEdit::ToColumn, QStringLiteral("512,5"));
    table->setCurrentCell(0, SurveyProgramEdit::ToolColumn);
    QTest::keyClick(table, Qt::Key_F2);
    settle();
    auto *chooser = qobject_cast<ToolChooser *>(QApplication::focusWidget());
    ASSERT_NE(chooser, nullptr);
    const QString word = rarestWord(*tools[0]).toLower();
    QTest::keyClicks(chooser, word);
    QAbstractItemModel *offered = chooser->completer()->completionModel();
    const QString wanted = qs(geo::choiceText(*tools[0]));
    int at = -1;
    for (int r = 0; r < offered->rowCount(); ++r) {
        const QString text = offered->index(r, 0).data().toString();
        EXPECT_TRUE(text.contains(word, Qt::CaseInsensitive)) << text.toStdString();
        if (text == wanted)
            at = r;
    }
    ASSERT_GE(at, 0) << word.toStdString();
    QAbstractItemView *popup = chooser->completer()->popup();
    ASSERT_TRUE(popup->isVisible());
    for (int r = 0; r <= at; ++r)
        QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(chooser->currentText(), wanted);
    QTest::keyClick(chooser, Qt::Key_Return);
    settle();
    EXPECT_EQ(table->item(0, SurveyProgramEdit::ToolColumn)->text(), qs(tools[0]->code));
    typeCell(table, 0, SurveyProgramEdit::NameColumn, QStringLiteral("Kreisel"));
    typeCell(table, 0, SurveyProgramEdit::DateColumn, QStringLiteral("14.03.2025"));

    // The program replaces the model; the field's inputs stay open.
    EXPECT_FALSE(w.dialog.errorModelBox()->isEnabled());
    EXPECT_TRUE(w.dialog.programNote()->isVisible());
    EXPECT_TRUE(w.dialog.totalFieldEdit()->isEnabled());
    EXPECT_TRUE(w.dialog.dipEdit()->isEnabled());

    // The next run starts where the first ends; its code typed, its end left open.
    QTest::mouseClick(edit->addButton(), Qt::LeftButton);
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(1, SurveyProgramEdit::FromColumn)->text(), QStringLiteral("512,5"));
    table->item(1, SurveyProgramEdit::ToolColumn)->setText(qs(tools[1]->code));

    WellSettings entered;
    ASSERT_EQ(w.fault(entered), "");
    const std::vector<SurveyRun> expected = {
        { 0, 512.5, std::string(tools[0]->code), "Kreisel", CalendarDate { 2025, 3, 14 } },
        { 512.5, std::nullopt, std::string(tools[1]->code), "", std::nullopt },
    };
    EXPECT_EQ(entered.uncertainty.program, expected);
    EXPECT_EQ(entered.uncertainty.totalField, 50000) << "the field's inputs as they were";

    // A bad row: named, the dialog stays open, every text kept.
    table->item(1, SurveyProgramEdit::FromColumn)->setText(QStringLiteral("5l2"));
    const QString message = messageOf([&] { w.dialog.accept(); });
    EXPECT_TRUE(message.contains(QStringLiteral("Abschnitt 2, Von MD (m)")))
        << message.toStdString();
    EXPECT_TRUE(w.dialog.isVisible());
    EXPECT_EQ(w.dialog.result(), s);
    EXPECT_EQ(table->item(1, SurveyProgramEdit::FromColumn)->text(), QStringLiteral("5l2"));
    EXPECT_EQ(table->item(0, SurveyProgramEdit::NameColumn)->text(), QStringLiteral("Kreisel"));
}

TEST(SurveyProgramDialogs, AnOffsetSurveyedWithOneToolOrARunProgram)
{
    widgetApp();
    const auto tools = computableTools(2);
    ASSERT_EQ(tools.size(), 2u);
    WellSettings s;
    OffsetWell o;
    o.name = "Nachbar";
    o.stations = { { 0, 0, 0 }, { 100, 2, 45 } };
    o.slotEast = 20;
    s.offsets = { o };
    DlgOffsets d(s, "Bezug", 0);
    auto choose = [&](const QString &entry) {
        d.modelBox()->setCurrentIndex(d.modelBox()->findText(entry));
    };

    // One tool from the catalogue, typed in other case: a run over the whole offset.
    choose(QStringLiteral("Werkzeug aus dem Katalog"));
    EXPECT_TRUE(d.toolChooser()->isEnabled());
    EXPECT_FALSE(d.programEdit()->isEnabled());
    QTest::keyClicks(d.toolChooser()->lineEdit(), QStringLiteral("KEIN-WERKZEUG"));
    EXPECT_TRUE(messageOf([&] {
        EXPECT_FALSE(d.takeFields());
    }).contains(QStringLiteral("Werkzeug: \"KEIN-WERKZEUG\"")));
    EXPECT_FALSE(d.offsets()[0].uncertainty) << "nothing taken";
    d.toolChooser()->lineEdit()->clear();
    QTest::keyClicks(d.toolChooser()->lineEdit(), qs(tools[0]->code).toLower());
    ASSERT_EQ(messageOf([&] { EXPECT_TRUE(d.takeFields()); }), QString());
    ASSERT_TRUE(d.offsets()[0].uncertainty);
    EXPECT_EQ(d.offsets()[0].uncertainty->program,
        (std::vector<SurveyRun> {
            { 0, std::nullopt, std::string(tools[0]->code), "", std::nullopt } }));
    const int modelColumn = 4;
    EXPECT_EQ(d.list()->item(0, modelColumn)->text(), qs(tools[0]->code));

    // Runs of two tools: the list names both.
    choose(QStringLiteral("Vermessungsprogramm"));
    EXPECT_TRUE(d.programEdit()->isEnabled());
    QTableWidget *table = d.programEdit()->table();
    ASSERT_EQ(table->rowCount(), 1) << "the tool's run to go on from";
    ASSERT_TRUE(showActive(&d));
    typeCell(table, 0, SurveyProgramEdit::ToColumn, QStringLiteral("60"));
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible()) << "Return in the table is no OK of the dialog";
    d.programEdit()->addRun();
    table->item(1, SurveyProgramEdit::ToolColumn)->setText(qs(tools[1]->code));
    ASSERT_EQ(messageOf([&] { EXPECT_TRUE(d.takeFields()); }), QString());
    EXPECT_EQ(d.list()->item(0, modelColumn)->text(),
        qs(tools[0]->code) + QStringLiteral(", ") + qs(tools[1]->code));

    // Opened again, a program of one run over the whole offset shows as its tool.
    d.accept();
    WellSettings oneTool = d.result();
    oneTool.offsets[0].uncertainty->program.resize(1);
    oneTool.offsets[0].uncertainty->program[0].toMd.reset();
    DlgOffsets single(oneTool, "Bezug", 0);
    EXPECT_EQ(single.modelBox()->currentText(), QStringLiteral("Werkzeug aus dem Katalog"));
    EXPECT_EQ(single.toolChooser()->code(), qs(tools[0]->code));
}

// An operator's own tool model loaded from a file in "Bohrung …": the chooser offers it
// before the library's tools, the program names it and the settings keep it; a file that
// cannot be computed is named and loads nothing. "Nachbarbohrungen …" offers the well's
// own tools for an offset.
TEST(SurveyProgramDialogs, AnOwnToolModelLoadedFromAFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto writeFile = [&](const QString &name, const QByteArray &bytes) {
        QFile f(folder.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const QString good = writeFile(QStringLiteral("modell.json"),
        R"({"ShortName": "OP-MWD", "LongName": "Betreiber-MWD mit Kernlagen",
            "ErrorTerms": [{"Name": "AZ", "WeightingFunction": "AZ", "Value": 0.2,
            "Units": "deg", "PropagationMode": "Systematic"}]})");
    const QString bad = writeFile(QStringLiteral("OP-DRIFT.csv"),
        "Code;Function;Magnitude;Unit;Propagation\nGD;GXY-GD;0,5;deg/hr;S\n");

    WellSettings s;
    s.north = NorthReference::Magnetic;
    s.uncertainty.totalField = 50000;
    s.uncertainty.dip = 70;
    WellDialogFixture w { s };
    ASSERT_TRUE(showActive(&w.dialog));
    SurveyProgramEdit *edit = w.dialog.programEdit();
    QString fault;
    EXPECT_FALSE(edit->loadOwnTools(bad, fault));
    EXPECT_TRUE(fault.contains(QStringLiteral("OP-DRIFT.csv")) && fault.contains("GXY-GD"))
        << fault.toStdString();
    EXPECT_TRUE(edit->ownTools().empty());
    ASSERT_TRUE(edit->loadOwnTools(good, fault)) << fault.toStdString();

    QTest::mouseClick(edit->addButton(), Qt::LeftButton);
    QTableWidget *table = edit->table();
    table->setCurrentCell(0, SurveyProgramEdit::ToolColumn);
    QTest::keyClick(table, Qt::Key_F2);
    settle();
    auto *chooser = qobject_cast<ToolChooser *>(QApplication::focusWidget());
    ASSERT_NE(chooser, nullptr);
    QTest::keyClicks(chooser, QStringLiteral("kernlagen"));
    QAbstractItemModel *offered = chooser->completer()->completionModel();
    ASSERT_GE(offered->rowCount(), 1);
    EXPECT_TRUE(offered->index(0, 0).data().toString().startsWith(QStringLiteral("OP-MWD")));
    QTest::keyClick(chooser->completer()->popup(), Qt::Key_Down);
    QTest::keyClick(chooser->completer()->popup(), Qt::Key_Return);
    QTest::keyClick(chooser, Qt::Key_Return);
    settle();
    EXPECT_EQ(table->item(0, SurveyProgramEdit::ToolColumn)->text(), QStringLiteral("OP-MWD"));

    WellSettings entered;
    ASSERT_EQ(w.fault(entered), "");
    ASSERT_EQ(entered.ownTools.size(), 1u);
    EXPECT_EQ(entered.ownTools[0].terms.size(), 1u);
    EXPECT_EQ(entered.uncertainty.program,
        (std::vector<SurveyRun> { { 0, std::nullopt, "OP-MWD", "", std::nullopt } }));

    // The offsets' dialog offers the well's own tool and keeps it.
    OffsetWell o;
    o.name = "Nachbar";
    o.stations = { { 0, 0, 0 }, { 100, 2, 45 } };
    o.slotEast = 20;
    entered.offsets = { o };
    DlgOffsets d(entered, "Bezug", 0);
    d.modelBox()->setCurrentIndex(d.modelBox()->findText(QStringLiteral("Werkzeug aus dem Katalog")));
    QTest::keyClicks(d.toolChooser()->lineEdit(), QStringLiteral("op-mwd"));
    ASSERT_EQ(messageOf([&] { EXPECT_TRUE(d.takeFields()); }), QString());
    ASSERT_TRUE(d.offsets()[0].uncertainty);
    EXPECT_EQ(d.offsets()[0].uncertainty->program[0].tool, "OP-MWD");
    d.accept();
    EXPECT_EQ(d.result().ownTools, entered.ownTools);
}
