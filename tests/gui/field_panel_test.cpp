// The "Feld" panel as its user works it: a field file opened from the Datei menu, a node
// renamed in place, moved, deleted after the question and added to; Strg+Z and Strg+Y with
// the focus in the panel take the field's steps back and make them again, while the
// document's history stays its own. A wellbore opened becomes an unsaved document with the
// stored survey's stations; a refused change is said in the panel and changes nothing.
#include "guifixture.h"

#include "document/docfile.h"
#include "field/fielddb.h"
#include "field/wellfile.h"
#include "shell/commandids.h"
#include "shell/fieldpanel.h"
#include "textview/dravonview.h"
#include "tests/support/pgserver.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QUndoGroup>

#include <algorithm>
#include <functional>
#include <map>

namespace {

well::Well surveyed(const std::string &name, double lastMd, double azimuth)
{
    well::Well w;
    w.name = name;
    w.survey.add({ 0, 0, 0 });
    w.survey.add({ 400, 5, azimuth });
    w.survey.add({ lastMd, 30.5, azimuth + 10 });
    w.settings.wellhead = Wellhead { 5712345.5, 500123.25 };
    return w;
}

std::string bytesOf(const well::Well &w)
{
    return encodeDocument(itemsOf(w));
}

class FieldPanelTest : public ShellTest
{
protected:
    FieldPanelTest()
    {
        path = temp.filePath(QStringLiteral("Nord.sqlite"));
        std::string fault;
        std::optional<field::Database> db = field::Database::open(path.toStdString(), fault);
        EXPECT_TRUE(db) << fault;
        const auto item = [](const std::string &site, const std::string &name, well::Well w) {
            return field::ImportItem { { "Nord", site, name, name, name }, std::move(w), name };
        };
        EXPECT_TRUE(db->importWells({ item("Pad A", "A-1", a1), item("Pad A", "A-2", a2),
                                        item("Pad B", "B-1", b1) },
            "test", fault))
            << fault;
        frame->show();
        ui.fieldNames.push_back(path);
        frame->action(ID_FELD_OEFFNEN)->trigger();
        settle();
        panel()->setQuestions({ [this](const QString &q) {
                                   questions << q;
                                   return confirmAnswer;
                               },
            [this] { return files; },
            [this](const QStringList &places) -> std::optional<int> {
                offered = places;
                const auto at = std::find(places.begin(), places.end(), placeAnswer);
                if (at == places.end())
                    return std::nullopt;
                return static_cast<int>(at - places.begin());
            },
            [this] { return folder; },
            [this](const ImportPreview &preview) { return answerPreview(preview); } });
    }

    // The preview as the user sees it: the real dialog, worked by `edit`, left with
    // "Übernehmen" unless `cancelPreview`. What it showed is kept.
    std::optional<std::vector<field::ImportItem>> answerPreview(const ImportPreview &preview)
    {
        previews.push_back(preview);
        ImportPreviewDlg dialog(preview, frame.get());
        dialog.show();
        if (edit)
            edit(dialog);
        effects.clear();
        for (int row = 0; row < dialog.table()->rowCount(); ++row) {
            effects[dialog.table()->item(row, ImportPreviewDlg::Source)->text()]
                = dialog.table()->item(row, ImportPreviewDlg::Effect)->text();
        }
        shownNotices = dialog.notices();
        QAbstractButton *button = dialog.acceptButton();
        if (cancelPreview) {
            auto *box = dialog.findChild<QDialogButtonBox *>();
            for (QAbstractButton *b : box->buttons()) {
                if (box->buttonRole(b) == QDialogButtonBox::RejectRole)
                    button = b;
            }
        }
        QTest::mouseClick(button, Qt::LeftButton);
        // The frame is the active window again, as after a modal dialog.
        dialog.hide();
        frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        if (dialog.result() != QDialog::Accepted)
            return std::nullopt;
        return dialog.chosen();
    }

    // The row of the preview that came from file `name`.
    static int rowOf(const ImportPreviewDlg &dialog, const QString &name)
    {
        for (int row = 0; row < dialog.table()->rowCount(); ++row) {
            if (dialog.table()->item(row, ImportPreviewDlg::Source)->text() == name)
                return row;
        }
        return -1;
    }

    // Types `name` over the text of an editable box, as a user would.
    static void typeInto(QComboBox *box, const QString &name)
    {
        box->lineEdit()->selectAll();
        QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
        QTest::keyClicks(box->lineEdit(), name);
    }

    int versionsOf(const std::string &well)
    {
        std::string fault;
        std::optional<field::Database> db = field::Database::open(path.toStdString(), fault);
        for (const field::WellboreEntry &e : db->wellbores(fault)) {
            if (e.place.well == well)
                return e.versions;
        }
        return 0;
    }

    static bool has(const std::vector<std::string> &paths, const std::string &p)
    {
        return std::find(paths.begin(), paths.end(), p) != paths.end();
    }

    FieldPanel *panel() { return frame->fieldPanel(); }
    FieldTree *tree() { return panel()->tree(); }

    // The field file as a second reader sees it: every node as its path with its id.
    std::vector<std::string> outline()
    {
        std::string fault;
        std::optional<field::Database> db = field::Database::open(path.toStdString(), fault);
        EXPECT_TRUE(db) << fault;
        std::map<std::pair<int, std::int64_t>, std::string> paths;
        std::vector<std::string> out;
        for (const field::Node &n : db->tree(fault)) {
            const int level = static_cast<int>(n.kind);
            std::string p = level == 0 ? std::string() : paths[{ level - 1, n.parent }] + "/";
            p += n.name;
            paths[{ level, n.id }] = p;
            out.push_back(p);
        }
        std::sort(out.begin(), out.end());
        return out;
    }

    // The tree as the panel shows it, in the same form.
    std::vector<std::string> shown()
    {
        std::vector<std::string> out;
        for (QTreeWidgetItemIterator it(tree()); *it; ++it)
            out.push_back(FieldPanel::pathOf(*it).toStdString());
        std::sort(out.begin(), out.end());
        return out;
    }

    QTreeWidgetItem *find(const QString &fieldPath)
    {
        for (QTreeWidgetItemIterator it(tree()); *it; ++it) {
            if (FieldPanel::pathOf(*it) == fieldPath)
                return *it;
        }
        return nullptr;
    }

    // Selects the node at `fieldPath` and types `name` over its name, then Enter.
    void renameInPlace(const QString &fieldPath, const QString &name)
    {
        QTreeWidgetItem *item = find(fieldPath);
        ASSERT_NE(item, nullptr) << fieldPath.toStdString();
        tree()->setFocus();
        tree()->setCurrentItem(item);
        panel()->renameAction()->trigger();
        settle();
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, name);
        QTest::keyClick(editor, Qt::Key_Return);
        settle();
    }

    // Strg+Z or Strg+Y with the focus in the tree.
    void pressInTree(int key)
    {
        tree()->setFocus();
        settle();
        press(key, Qt::ControlModifier);
        settle();
    }

    const well::Well a1 = surveyed("A-1", 1500, 45), a2 = surveyed("A-2", 1200, 120),
                     b1 = surveyed("B-1", 900, 250);
    QString path;
    QStringList questions, offered, files;
    bool confirmAnswer = true;
    QString placeAnswer;
    QString folder;
    std::vector<ImportPreview> previews;
    std::function<void(ImportPreviewDlg &)> edit;
    bool cancelPreview = false;
    std::map<QString, QString> effects; // by file: what the preview said the import does
    QString shownNotices;
};

} // namespace

TEST_F(FieldPanelTest, ChangesReachTheFieldFileAndTheFocusedHistoryTakesThemBack)
{
    ASSERT_TRUE(panel()->isVisible());
    const std::vector<std::string> start = outline();
    ASSERT_EQ(start.size(), 1u + 2 + 3 * 3);
    EXPECT_EQ(shown(), start);

    // In place: the field file has the new name, and the tree.
    renameInPlace(QStringLiteral("Nord/Pad A/A-1/A-1"), QStringLiteral("A-1 neu"));
    const std::vector<std::string> renamed = outline();
    EXPECT_NE(std::find(renamed.begin(), renamed.end(), "Nord/Pad A/A-1/A-1 neu"), renamed.end());
    EXPECT_EQ(shown(), renamed);
    EXPECT_TRUE(panel()->notice().isEmpty()) << panel()->notice().toStdString();

    // A sibling's name is refused: said in the panel, nothing changed, not a step.
    const int steps = panel()->stack().count();
    renameInPlace(QStringLiteral("Nord/Pad A"), QStringLiteral("Pad B"));
    EXPECT_TRUE(panel()->notice().contains(QStringLiteral("Pad B"))) << panel()->notice().toStdString();
    EXPECT_EQ(outline(), renamed);
    EXPECT_EQ(shown(), renamed);
    EXPECT_EQ(panel()->stack().count(), steps);

    // Moved to a slot of the other site, chosen among the places offered.
    tree()->setCurrentItem(find(QStringLiteral("Nord/Pad A/A-2/A-2")));
    placeAnswer = QStringLiteral("Nord/Pad B/B-1");
    panel()->moveAction()->trigger();
    settle();
    EXPECT_FALSE(offered.contains(QStringLiteral("Nord/Pad A/A-2"))) << "not where it is";
    const std::vector<std::string> moved = outline();
    EXPECT_NE(std::find(moved.begin(), moved.end(), "Nord/Pad B/B-1/A-2/A-2"), moved.end());
    EXPECT_EQ(shown(), moved);

    // Deleted after the question, which names what goes with it.
    tree()->setCurrentItem(find(QStringLiteral("Nord/Pad B")));
    confirmAnswer = false;
    panel()->removeAction()->trigger();
    EXPECT_EQ(outline(), moved) << "the answer No keeps it";
    confirmAnswer = true;
    panel()->removeAction()->trigger();
    settle();
    ASSERT_EQ(questions.size(), 2);
    EXPECT_TRUE(questions.last().contains(QStringLiteral("Nord/Pad B"))
        && questions.last().contains(QLatin1Char('2')))
        << questions.last().toStdString();
    const std::vector<std::string> removed = outline();
    EXPECT_EQ(removed.size(), moved.size() - 6) << "the site, its slot, two wells, two wellbores";
    EXPECT_EQ(shown(), removed);

    // The document's history is not the panel's: a change of the stations stays when the
    // panel's steps are taken back.
    enterData({ "0 0 0", "100 10 45" });
    const well::Well entered = doc->well();
    pressInTree(Qt::Key_Z);
    EXPECT_EQ(outline(), moved);
    EXPECT_EQ(shown(), moved);
    pressInTree(Qt::Key_Z);
    EXPECT_EQ(outline(), renamed);
    pressInTree(Qt::Key_Z);
    EXPECT_EQ(outline(), start);
    EXPECT_EQ(shown(), start);
    EXPECT_EQ(doc->well(), entered);
    // The deleted wellbores came back with their surveys, byte for byte.
    std::string fault;
    std::optional<field::Database> db = field::Database::open(path.toStdString(), fault);
    ASSERT_TRUE(db) << fault;
    for (const field::WellboreEntry &e : db->wellbores(fault)) {
        const well::Well &stored = e.place.well == "A-1" ? a1 : e.place.well == "A-2" ? a2 : b1;
        EXPECT_EQ(bytesOf(*db->definitiveSurvey(e.id, fault)), bytesOf(stored)) << e.place.well;
    }

    for (int i = 0; i < 3; ++i)
        pressInTree(Qt::Key_Y);
    EXPECT_EQ(outline(), removed);
    EXPECT_EQ(shown(), removed);
    EXPECT_FALSE(frame->undoGroup()->canRedo());
}

TEST_F(FieldPanelTest, AWellboreOpensAsAnUnsavedDocumentWithTheStoredStations)
{
    QTreeWidgetItem *bore = find(QStringLiteral("Nord/Pad B/B-1/B-1/B-1"));
    ASSERT_NE(bore, nullptr);
    tree()->setCurrentItem(bore);
    ASSERT_TRUE(panel()->openAction()->isEnabled());
    panel()->openAction()->trigger();
    settle();
    EXPECT_EQ(doc->well().survey.stations(), b1.survey.stations());
    EXPECT_TRUE(doc->GetPathName().isEmpty());
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(shownTitle(*frame).contains(QStringLiteral("Nord/Pad B/B-1/B-1/B-1"))) << shownTitle(*frame).toStdString();
    // The results are those of the survey: its last depth.
    EXPECT_EQ(doc->result().lastDepth(), 900.0);

    // Only a wellbore opens.
    tree()->setCurrentItem(find(QStringLiteral("Nord/Pad A")));
    EXPECT_FALSE(panel()->openAction()->isEnabled());
}

TEST_F(FieldPanelTest, FilesAddedToASiteComeWholeOrNotAtAllAndGoAgainWithUndo)
{
    const std::vector<std::string> start = outline();
    files = { writeDocument(temp.filePath(QStringLiteral("A-7.dvn")), "A-7", surveyLines(6)),
        writeDocument(temp.filePath(QStringLiteral("A-1.dvn")), "A-1", surveyLines(9)) };
    QFile broken(temp.filePath(QStringLiteral("kaputt.csv")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("Teufe;Neigung;Azimut\n100;x;y\n");
    broken.close();

    tree()->setCurrentItem(find(QStringLiteral("Nord/Pad A")));
    ASSERT_TRUE(panel()->addAction()->isEnabled());
    // One file that cannot be read is named in the preview and left out; cancelled, the
    // preview keeps all of them out.
    files << broken.fileName();
    cancelPreview = true;
    panel()->addAction()->trigger();
    settle();
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_TRUE(previews[0].unreadable.join(QLatin1Char('\n')).contains(QStringLiteral("kaputt.csv")))
        << previews[0].unreadable.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(shownNotices.contains(QStringLiteral("kaputt.csv"))) << shownNotices.toStdString();
    EXPECT_EQ(previews[0].items.size(), 2u);
    EXPECT_EQ(outline(), start);
    EXPECT_EQ(panel()->stack().count(), 0);

    files.removeLast();
    cancelPreview = false;
    panel()->addAction()->trigger();
    settle();
    const std::vector<std::string> added = outline();
    EXPECT_NE(std::find(added.begin(), added.end(), "Nord/Pad A/A-7/A-7/A-7"), added.end());
    EXPECT_EQ(added.size(), start.size() + 3);
    EXPECT_EQ(shown(), added);
    std::string fault;
    auto versionsOfA1 = [&] {
        std::optional<field::Database> db = field::Database::open(path.toStdString(), fault);
        for (const field::WellboreEntry &e : db->wellbores(fault)) {
            if (e.place.well == "A-1")
                return e.versions;
        }
        return 0;
    };
    EXPECT_EQ(versionsOfA1(), 2) << "A-1 was there: a new version of its survey";

    pressInTree(Qt::Key_Z);
    EXPECT_EQ(outline(), start);
    EXPECT_EQ(versionsOfA1(), 1);
    pressInTree(Qt::Key_Y);
    EXPECT_EQ(outline(), added);
    EXPECT_EQ(versionsOfA1(), 2);
}

TEST_F(FieldPanelTest, TheLastFieldFileIsOpenedAgain)
{
    const QString other = temp.filePath(QStringLiteral("Süd.sqlite"));
    ASSERT_TRUE(panel()->openFile(other));
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
    // Only what "Feld öffnen …" opened is remembered.
    frame->reopenField();
    EXPECT_EQ(panel()->filePath(), path);
    EXPECT_EQ(tree()->topLevelItemCount(), 1);
}

TEST_F(FieldPanelTest, AStepTheFieldFileRefusesLeavesTheHistory)
{
    renameInPlace(QStringLiteral("Nord/Pad A"), QStringLiteral("Pad C"));
    renameInPlace(QStringLiteral("Nord/Pad B"), QStringLiteral("Pad D"));
    ASSERT_EQ(panel()->stack().count(), 2);
    // Someone else names a site "Pad B" meanwhile: the undo of the second rename cannot be
    // made. It is said, the file keeps both names, and the step is no longer offered.
    {
        std::string fault;
        std::optional<field::Database> db = field::Database::open(path.toStdString(), fault);
        ASSERT_TRUE(db) << fault;
        ASSERT_TRUE(db->importWells({ field::ImportItem {
                                        { "Nord", "Pad B", "X-1", "X-1", "X-1" }, b1, "X-1" } },
            "jemand", fault))
            << fault;
    }
    const std::vector<std::string> before = outline();
    pressInTree(Qt::Key_Z);
    EXPECT_TRUE(panel()->notice().contains(QStringLiteral("Pad B"))) << panel()->notice().toStdString();
    EXPECT_EQ(outline(), before);
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(panel()->stack().count(), 1);
    EXPECT_FALSE(panel()->stack().canRedo());
    // The step before it is still there and still taken back.
    pressInTree(Qt::Key_Z);
    const std::vector<std::string> after = outline();
    EXPECT_NE(std::find(after.begin(), after.end(), "Nord/Pad A"), after.end());
    EXPECT_NE(std::find(after.begin(), after.end(), "Nord/Pad D"), after.end());
}

TEST_F(FieldPanelTest, AFieldOnAServerIsOpenedByItsAddressAndRememberedWithoutItsPassword)
{
    const pgtest::Server &server = pgtest::Server::shared();
    ASSERT_EQ(server.fault(), "");
    std::string fault;
    const std::string address = server.newDatabase("panel", fault);
    ASSERT_FALSE(address.empty()) << fault;
    {
        std::optional<field::Database> db = field::Database::open(address, fault);
        ASSERT_TRUE(db) << fault;
        ASSERT_TRUE(db->importWells(
            { field::ImportItem { { "panel", "Pad S", "S-1", "S-1", "S-1" }, b1, "S-1" } }, "team",
            fault))
            << fault;
    }
    // A wrong address is said in the panel, and the field shown stays.
    ui.fieldNames.push_back(QStringLiteral("postgresql://niemand@/"));
    frame->action(ID_FELD_SERVER)->trigger();
    settle();
    EXPECT_FALSE(panel()->notice().isEmpty());
    EXPECT_EQ(panel()->filePath(), path);

    ui.fieldNames.push_back(QString::fromStdString(address));
    frame->action(ID_FELD_SERVER)->trigger();
    settle();
    ASSERT_NE(find(QStringLiteral("panel/Pad S/S-1/S-1/S-1")), nullptr)
        << panel()->notice().toStdString();
    const std::string title = panel()->windowTitle().toStdString();
    EXPECT_NE(title.find(server.address("panel", false)), std::string::npos) << title;
    EXPECT_EQ(title.find("eim"), std::string::npos) << "the password shown: " << title;

    // Opened again at the next start from what was kept, the password from libpq's
    // environment.
    ASSERT_TRUE(panel()->openFile(path));
    qputenv("PGPASSWORD", pgtest::Server::kPassword);
    frame->reopenField();
    qunsetenv("PGPASSWORD");
    EXPECT_EQ(panel()->filePath().toStdString(), server.address("panel", false));
    EXPECT_NE(find(QStringLiteral("panel/Pad S/S-1/S-1/S-1")), nullptr)
        << panel()->notice().toStdString();
}

// What the preview shows is what lands: a well renamed there is the well made, a well of
// the site chosen there takes the file as a new wellbore in its slot, a row unticked stays
// out, a wellbore the site has gets a new version and is shown so; Strg+Z gives the field
// as before.
TEST_F(FieldPanelTest, ThePreviewsEditsAreWhatLandsAndUndoGivesTheFieldAsBefore)
{
    const std::vector<std::string> start = outline();
    files = { writeDocument(temp.filePath(QStringLiteral("A-7.dvn")), "A-7", surveyLines(6)),
        writeDocument(temp.filePath(QStringLiteral("A-8.dvn")), "A-8", surveyLines(4)),
        writeDocument(temp.filePath(QStringLiteral("ST.dvn")), "ST", surveyLines(5)),
        writeDocument(temp.filePath(QStringLiteral("A-1.dvn")), "A-1", surveyLines(9)) };
    QString stationsOfA7;
    QStringList offered;
    edit = [&](ImportPreviewDlg &dialog) {
        const int a7 = rowOf(dialog, QStringLiteral("A-7.dvn"));
        stationsOfA7 = dialog.table()->item(a7, ImportPreviewDlg::Stations)->text();
        typeInto(dialog.wellBox(a7), QStringLiteral("A-7 neu"));
        dialog.table()->item(rowOf(dialog, QStringLiteral("A-8.dvn")), ImportPreviewDlg::Source)
            ->setCheckState(Qt::Unchecked);
        QComboBox *well = dialog.wellBox(rowOf(dialog, QStringLiteral("ST.dvn")));
        for (int i = 0; i < well->count(); ++i)
            offered << well->itemText(i);
        well->setCurrentIndex(well->findText(QStringLiteral("A-2")));
    };
    tree()->setCurrentItem(find(QStringLiteral("Nord/Pad A")));
    panel()->addAction()->trigger();
    settle();
    ASSERT_EQ(previews.size(), 1u);
    std::string fault;
    const std::optional<field::WellFile> a7
        = field::readWellFile(files[0].toStdString(), {}, fault);
    ASSERT_TRUE(a7) << fault;
    EXPECT_EQ(stationsOfA7, QString::number(a7->well.survey.size()));
    // The site's wells are offered, not those of another site.
    EXPECT_TRUE(offered.contains(QStringLiteral("A-1")) && offered.contains(QStringLiteral("A-2")));
    EXPECT_FALSE(offered.contains(QStringLiteral("B-1")));
    const QString &onA1 = effects[QStringLiteral("A-1.dvn")];
    EXPECT_TRUE(onA1.contains(QStringLiteral("vorhandenen")) && onA1.contains(QLatin1Char('2')))
        << "the second version of the wellbore there: " << onA1.toStdString();
    EXPECT_EQ(effects[QStringLiteral("A-7.dvn")], QStringLiteral("neue Bohrung"));
    EXPECT_EQ(effects[QStringLiteral("ST.dvn")], QStringLiteral("neuer Bohrpfad"));

    const std::vector<std::string> added = outline();
    EXPECT_TRUE(has(added, "Nord/Pad A/A-7 neu/A-7 neu/A-7")) << "the well as renamed";
    EXPECT_FALSE(has(added, "Nord/Pad A/A-7")) << "not as the file names it";
    EXPECT_TRUE(has(added, "Nord/Pad A/A-2/A-2/ST")) << "in the chosen well's slot";
    EXPECT_EQ(added.size(), start.size() + 4) << "nothing of the unticked A-8";
    EXPECT_EQ(versionsOf("A-1"), 2);
    EXPECT_EQ(shown(), added);

    pressInTree(Qt::Key_Z);
    EXPECT_EQ(outline(), start);
    EXPECT_EQ(versionsOf("A-1"), 1);
}

// A folder brings every file it has; one that cannot be read is named in the preview and
// in the panel and left out, the others come in.
TEST_F(FieldPanelTest, AFolderImportsWhatItCanReadAndNamesTheRest)
{
    const std::vector<std::string> start = outline();
    QDir(temp.path()).mkdir(QStringLiteral("Messungen"));
    const QString dir = temp.filePath(QStringLiteral("Messungen"));
    writeDocument(dir + QStringLiteral("/A-7.dvn"), "A-7", surveyLines(6));
    QFile csv(dir + QStringLiteral("/A-9.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("MD;Inc;Azi\n0;0;0\n100;2,5;45\n200;5;50\n");
    csv.close();
    QFile broken(dir + QStringLiteral("/kaputt.csv"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("Teufe;Neigung;Azimut\n100;x;y\n");
    broken.close();

    tree()->setCurrentItem(find(QStringLiteral("Nord/Pad A")));
    ASSERT_TRUE(panel()->addFolderAction()->isEnabled());
    folder = dir;
    panel()->addFolderAction()->trigger();
    settle();
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].items.size(), 2u);
    EXPECT_TRUE(previews[0].unreadable.join(QLatin1Char('\n')).contains(QStringLiteral("kaputt.csv")));
    EXPECT_TRUE(shownNotices.contains(QStringLiteral("kaputt.csv"))) << shownNotices.toStdString();
    const std::vector<std::string> added = outline();
    EXPECT_TRUE(has(added, "Nord/Pad A/A-7/A-7/A-7"));
    EXPECT_TRUE(has(added, "Nord/Pad A/A-9/A-9/A-9"));
    EXPECT_EQ(added.size(), start.size() + 6);
    EXPECT_TRUE(panel()->notice().contains(QStringLiteral("kaputt.csv"))) << panel()->notice().toStdString();

    // Only a site takes a folder; a folder with no file is said and changes nothing.
    tree()->setCurrentItem(find(QStringLiteral("Nord/Pad A/A-1")));
    EXPECT_FALSE(panel()->addFolderAction()->isEnabled());
    QDir(temp.path()).mkdir(QStringLiteral("leer"));
    EXPECT_FALSE(panel()->addFolder(find(QStringLiteral("Nord/Pad B")), temp.filePath(QStringLiteral("leer"))));
    EXPECT_TRUE(panel()->notice().contains(QStringLiteral("leer"))) << panel()->notice().toStdString();
    EXPECT_EQ(outline(), added);
    EXPECT_EQ(previews.size(), 1u) << "no preview for nothing";
}

TEST_F(FieldPanelTest, TheOpenWellIsScannedAgainstTheFieldAsItIsAndKeepsOnlyTheLink)
{
    // Two wells on a pad of their own, 20 m apart; the others stand some thousand
    // kilometres off.
    {
        std::string fault;
        std::optional<field::Database> db = field::Database::open(path.toStdString(), fault);
        std::vector<field::ImportItem> items;
        for (const auto &[name, east] : { std::pair { "C-1", 500000.0 }, { "C-2", 500020.0 } }) {
            well::Well w = surveyed(name, 1500, 90);
            w.settings.wellhead = Wellhead { east, 5700000 };
            w.settings.epsg = 25832;
            w.settings.north = NorthReference::Grid;
            w.settings.gridConvergence = 0;
            items.push_back({ { "Nord", "Pad C", name, name, name }, w, name });
        }
        ASSERT_TRUE(db->importWells(items, "test", fault)) << fault;
        panel()->refresh();
    }
    tree()->setCurrentItem(find(QStringLiteral("Nord/Pad C/C-1/C-1/C-1")));
    panel()->openAction()->trigger();
    settle();
    // The neighbours within the radius, and those beyond it.
    const auto listed = [this](bool far) {
        std::vector<std::string> names;
        for (const clr::OffsetScan &o : doc->clearance().scan.offsets) {
            if (o.outOfReach == far)
                names.push_back(o.name);
        }
        return names;
    };
    const auto scanned = [&] { return listed(false); };
    EXPECT_TRUE(scanned().empty());
    ASSERT_TRUE(frame->action(ID_ABSTAND_ALLE)->isEnabled());
    ui.scanRadii.push_back(5000);
    frame->action(ID_ABSTAND_ALLE)->trigger();
    settle();
    // Every other wellbore of the field, the well's own left out; those beyond the radius
    // are not searched.
    ASSERT_TRUE(doc->settings().field);
    EXPECT_EQ(doc->settings().field->wellbore, "Nord/Pad C/C-1");
    EXPECT_EQ(doc->settings().field->radius, 5000.0);
    EXPECT_EQ(scanned(), std::vector<std::string> { "Nord/Pad C/C-2" });
    EXPECT_EQ(listed(true),
        (std::vector<std::string> { "Nord/Pad A/A-1", "Nord/Pad A/A-2", "Nord/Pad B/B-1" }));
    // 20 m apart in the grid at the surface, on the ground 20 m over the scale of the
    // grid at its central meridian, 0.9996; nowhere farther below.
    const clr::OffsetScan &c2 = doc->clearance().scan.offsets.back();
    ASSERT_FALSE(c2.rows.empty());
    EXPECT_NEAR(c2.rows.front().distance, 20.0 / 0.9996, 1e-4);
    for (const clr::Row &row : c2.rows)
        EXPECT_LE(row.distance, 20.0 / 0.9996 + 1e-4) << row.referenceMd;

    // Saved, the document holds the link and none of the neighbours' stations.
    const QString saved = temp.filePath(QStringLiteral("c1.dvn"));
    ui.saveNames = { saved };
    press(Qt::Key_S, Qt::ControlModifier);
    DocumentItems items;
    std::string message;
    ASSERT_TRUE(readDocumentFile(saved.toStdString(), "c1.dvn", items, message)) << message;
    EXPECT_TRUE(items.m_Settings.offsets.empty());
    ASSERT_TRUE(items.m_Settings.field);
    EXPECT_EQ(items.m_Settings.field->location, QFileInfo(path).absoluteFilePath().toStdString());

    // A change of the field is the neighbours' change at once.
    ASSERT_TRUE(panel()->renameNode(find(QStringLiteral("Nord/Pad C/C-2/C-2/C-2")), "C-2a"));
    settle();
    EXPECT_EQ(scanned(), std::vector<std::string> { "Nord/Pad C/C-2/C-2a" });

    // Loosed from the field, and bound again by Strg+Z in the document's history.
    frame->action(ID_FELDBEZUG_LOESEN)->trigger();
    settle();
    EXPECT_FALSE(doc->settings().field);
    EXPECT_TRUE(scanned().empty());
    frame->textView()->setFocus();
    press(Qt::Key_Z, Qt::ControlModifier);
    settle();
    ASSERT_TRUE(doc->settings().field);
    EXPECT_EQ(scanned(), std::vector<std::string> { "Nord/Pad C/C-2/C-2a" });

    // Opened again from its file, it scans the field again, itself still left out.
    doc->SetModifiedFlag(false);
    ui.openNames = { saved };
    frame->action(ID_FILE_OPEN)->trigger();
    settle();
    EXPECT_EQ(scanned(), std::vector<std::string> { "Nord/Pad C/C-2/C-2a" });
}
