// The preview of an import into a site: each row says whether it makes a well, a wellbore
// or a new version of a wellbore the site has, and changes that as the names are edited;
// a missing name is said and keeps "Übernehmen" from taking anything; what is taken is the
// ticked rows with their names as shown.
#include "dialogs/importpreviewdlg.h"
#include "tests/dialogs/widgetapp.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

field::ImportItem itemOf(const std::string &file, const std::string &well,
    const std::string &bore, int stations)
{
    field::ImportItem item;
    item.place = { "Nord", "Pad A", well, well, bore };
    item.source = file;
    item.well.name = bore;
    for (int i = 0; i < stations; ++i)
        item.well.survey.add({ 100.0 * i, 2.0 * i, 45 });
    return item;
}

field::WellboreEntry entryOf(const std::string &slot, const std::string &well,
    const std::string &bore, int versions)
{
    field::WellboreEntry e;
    e.place = { "Nord", "Pad A", slot, well, bore };
    e.versions = versions;
    return e;
}

// The site has A-1 (three versions) in slot S1, and A-2 in slot A-2 with no wellbore yet.
ImportPreview somePreview()
{
    ImportPreview p;
    p.site = QStringLiteral("Nord/Pad A");
    p.existing = { entryOf("S1", "A-1", "A-1", 3), entryOf("S1", "A-1", "A-1 ST", 1),
        entryOf("A-2", "A-2", "", 0) };
    p.items = { itemOf("a1.dvn", "A-1", "A-1", 4), itemOf("neu.csv", "N-1", "N-1", 7),
        itemOf("a2.las", "A-2", "A-2", 2) };
    p.notices = { QStringLiteral("neu.csv: 2 Zeilen ohne Zahlen übergangen") };
    p.unreadable = { QStringLiteral("kaputt.xlsx: keine Tabelle") };
    return p;
}

QString cell(const ImportPreviewDlg &d, int row, int column)
{
    return d.table()->item(row, column)->text();
}

void typeInto(QComboBox *box, const QString &text)
{
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(box->lineEdit(), text);
}

TEST(ImportPreviewDlg, EachRowSaysWhatItMakesAsItsNamesAreEdited)
{
    widgetApp();
    ImportPreviewDlg d(somePreview());
    ASSERT_TRUE(showActive(&d));
    ASSERT_EQ(d.table()->rowCount(), 3);
    // A wellbore the site has: the version after its three, in the slot it has.
    EXPECT_TRUE(cell(d, 0, ImportPreviewDlg::Effect).contains(QStringLiteral("vorhandenen"))
        && cell(d, 0, ImportPreviewDlg::Effect).contains(QLatin1Char('4')))
        << cell(d, 0, ImportPreviewDlg::Effect).toStdString();
    EXPECT_EQ(cell(d, 0, ImportPreviewDlg::Slot), QStringLiteral("S1"));
    EXPECT_EQ(cell(d, 1, ImportPreviewDlg::Effect), QStringLiteral("neue Bohrung"));
    EXPECT_EQ(cell(d, 2, ImportPreviewDlg::Effect), QStringLiteral("neuer Bohrpfad"));
    EXPECT_EQ(cell(d, 1, ImportPreviewDlg::Stations), QStringLiteral("7"));
    EXPECT_TRUE(d.notices().contains(QStringLiteral("kaputt.xlsx")));
    EXPECT_TRUE(d.notices().contains(QStringLiteral("2 Zeilen ohne Zahlen")));

    // The new well renamed as the one the site has: its wellbores are offered, and the
    // row's wellbore is new in it.
    typeInto(d.wellBox(1), QStringLiteral("A-1"));
    QStringList bores;
    for (int i = 0; i < d.wellboreBox(1)->count(); ++i)
        bores << d.wellboreBox(1)->itemText(i);
    EXPECT_EQ(bores, (QStringList { QStringLiteral("A-1"), QStringLiteral("A-1 ST") }));
    EXPECT_EQ(cell(d, 1, ImportPreviewDlg::Slot), QStringLiteral("S1"));
    EXPECT_EQ(cell(d, 1, ImportPreviewDlg::Effect), QStringLiteral("neuer Bohrpfad"));
    // …and as its first wellbore, after row 1: the version after row 1's.
    d.wellboreBox(1)->setCurrentIndex(0);
    EXPECT_TRUE(cell(d, 1, ImportPreviewDlg::Effect).contains(QLatin1Char('5')))
        << cell(d, 1, ImportPreviewDlg::Effect).toStdString();
    // Row 1 left out: row 2 is the fourth version again, row 1 says it stays out.
    d.table()->item(0, ImportPreviewDlg::Source)->setCheckState(Qt::Unchecked);
    EXPECT_TRUE(cell(d, 1, ImportPreviewDlg::Effect).contains(QLatin1Char('4')))
        << cell(d, 1, ImportPreviewDlg::Effect).toStdString();
    EXPECT_EQ(cell(d, 0, ImportPreviewDlg::Effect), QStringLiteral("ausgelassen"));

    // What is taken: the ticked rows with the names shown.
    const std::vector<field::ImportItem> chosen = d.chosen();
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen[0].source, "neu.csv");
    EXPECT_EQ(chosen[0].place.slot, "S1");
    EXPECT_EQ(chosen[0].place.well, "A-1");
    EXPECT_EQ(chosen[0].place.wellbore, "A-1");
    EXPECT_EQ(chosen[0].well.survey.size(), 7u);
    EXPECT_EQ(chosen[1].source, "a2.las");
    EXPECT_EQ(chosen[1].place.slot, "A-2");
}

TEST(ImportPreviewDlg, AMissingNameIsSaidAndTakesNothing)
{
    widgetApp();
    ImportPreviewDlg d(somePreview());
    ASSERT_TRUE(showActive(&d));
    typeInto(d.wellBox(2), QStringLiteral("   "));
    EXPECT_FALSE(d.acceptButton()->isEnabled());
    EXPECT_TRUE(d.problems().contains(QStringLiteral("a2.las"))) << d.problems().toStdString();
    EXPECT_TRUE(d.problems().contains(QStringLiteral("Bohrung"))) << d.problems().toStdString();
    const auto *label = d.findChild<QLabel *>(QStringLiteral("importProblems"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    // "Übernehmen" clicked anyway does not end the dialog.
    QTest::mouseClick(d.acceptButton(), Qt::LeftButton);
    EXPECT_TRUE(d.isVisible());
    EXPECT_NE(d.result(), QDialog::Accepted);

    // The wellbore's name missing as well: both said. Unticked, the row is no problem.
    typeInto(d.wellboreBox(2), QString());
    EXPECT_TRUE(d.problems().contains(QStringLiteral("Bohrpfad"))) << d.problems().toStdString();
    d.table()->item(2, ImportPreviewDlg::Source)->setCheckState(Qt::Unchecked);
    EXPECT_TRUE(d.problems().isEmpty()) << d.problems().toStdString();
    EXPECT_TRUE(d.acceptButton()->isEnabled());
    // Nothing ticked at all: nothing to take.
    d.table()->item(0, ImportPreviewDlg::Source)->setCheckState(Qt::Unchecked);
    d.table()->item(1, ImportPreviewDlg::Source)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(d.acceptButton()->isEnabled());
    EXPECT_FALSE(d.problems().isEmpty());
    EXPECT_TRUE(d.chosen().empty());
}

} // namespace
