// "Nachbarbohrungen": offsets added from a document (its wellhead, elevation and model
// come along), a measurement file and a table (through the table import), each refused
// field named in a message with its text kept and nothing taken, a sidetrack that needs
// its kick-off and follows its parent's new name, a parent that cannot go before its
// sidetrack, and OK with the offsets and the rule.
#include "dialogs/dlgoffsets.h"
#include "dialogs/tableimportdlg.h"
#include "document/docfile.h"
#include "input/measurementreader.h"
#include "tests/dialogs/widgetapp.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <fstream>

namespace {

// The well: placed in UTM zone 32 with grid azimuths and a declination, so that an
// offset's own model has what it needs from the well.
WellSettings wellSettings()
{
    WellSettings s;
    s.epsg = 25832;
    s.wellhead = Wellhead { 500000, 5700000 };
    s.elevation = 100;
    s.north = NorthReference::Grid;
    s.gridConvergence = 0;
    s.declination = 1.5;
    return s;
}

struct Files
{
    QTemporaryDir dir;
    QString document, measurement, table;

    Files()
    {
        DocumentItems items;
        items.m_Name = "Nachbar 1";
        items.m_Eingabe = { "    0.00    0.00    0.00", "  100.00    2.00   45.00",
            "  200.00    4.00   45.00" };
        WellSettings &s = items.m_Settings;
        s.epsg = 25832;
        s.wellhead = Wellhead { 500030, 5700040 };
        s.north = NorthReference::Grid;
        s.elevation = 120;
        s.uncertainty.model = ErrorModel::IscwsaMwdRev5;
        s.uncertainty.totalField = 49000;
        s.uncertainty.dip = 67;
        document = dir.filePath(QStringLiteral("nachbar.dvn"));
        EXPECT_TRUE(writeDocumentFile(document.toStdString(), items));
        measurement = dir.filePath(QStringLiteral("messung.txt"));
        std::ofstream(measurement.toStdString())
            << "Bohrung Ost\n   30.0    0.50   90.00\n   60.0    1.00   91.00\n";
        table = dir.filePath(QStringLiteral("tabelle.csv"));
        std::ofstream(table.toStdString()) << "MD;Inc;Azi\n0;0;0\n50;1,5;200\n100;3;201\n";
    }
};

// Runs `act` on the dialog and answers the message box it shows; its text, empty when
// none came.
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

TEST(OffsetsDialog, AddEditRefuseAndRemove)
{
    widgetApp();
    Files files;
    DlgOffsets d(wellSettings(), "Bezug", FreiesFormat);
    EXPECT_FALSE(d.nameEdit()->isEnabled()) << "nothing to edit yet";

    // A document brings its wellhead (the same system), elevation and model.
    ASSERT_TRUE(d.addFile(files.document));
    ASSERT_EQ(d.offsets().size(), 1u);
    const OffsetWell &doc = d.offsets()[0];
    EXPECT_EQ(doc.name, "Nachbar 1");
    EXPECT_EQ(doc.wellhead, (Wellhead { 500030, 5700040 }));
    EXPECT_EQ(doc.elevation, 120);
    ASSERT_TRUE(doc.uncertainty);
    EXPECT_EQ(doc.uncertainty->dip, 67);
    EXPECT_EQ(doc.stations.size(), 3u);
    EXPECT_EQ(d.list()->item(0, 0)->text(), QStringLiteral("Nachbar 1"));
    EXPECT_TRUE(d.hintLabel()->text().isEmpty());

    // A measurement file gives no slot: its fields start empty and must be filled.
    ASSERT_TRUE(d.addFile(files.measurement));
    ASSERT_EQ(d.offsets().size(), 2u);
    EXPECT_EQ(d.list()->currentRow(), 1);
    EXPECT_EQ(d.nameEdit()->text(), QStringLiteral("Bohrung Ost"));
    EXPECT_TRUE(d.northEdit()->text().isEmpty());
    EXPECT_FALSE(d.hintLabel()->text().isEmpty());
    EXPECT_TRUE(
        messageOf([&] { EXPECT_FALSE(d.takeFields()); }).contains(QStringLiteral("Nord (m)")));
    // Choosing the other offset is refused too: this one stays chosen.
    EXPECT_FALSE(messageOf([&] { d.list()->setCurrentCell(0, 0); }).isEmpty());
    EXPECT_EQ(d.list()->currentRow(), 1);
    d.northEdit()->setText(QStringLiteral("12,5"));
    d.eastEdit()->setText(QStringLiteral("-40"));
    d.holeEdit()->setText(QStringLiteral("0,2x"));
    EXPECT_TRUE(messageOf([&] {
        EXPECT_FALSE(d.takeFields());
    }).contains(QStringLiteral("Bohrlochdurchmesser (m): \"0,2x\"")));
    EXPECT_EQ(d.holeEdit()->text(), QStringLiteral("0,2x")) << "the typed text stays";
    EXPECT_EQ(d.offsets()[1].holeDiameter, 0) << "nothing taken";
    d.holeEdit()->setText(QStringLiteral("0,2159"));
    EXPECT_EQ(messageOf([&] { EXPECT_TRUE(d.takeFields()); }), QString());
    EXPECT_EQ(d.offsets()[1].slotNorth, 12.5);
    EXPECT_EQ(d.offsets()[1].slotEast, -40);
    EXPECT_EQ(d.offsets()[1].holeDiameter, 0.2159);

    // A sidetrack of the document's well: its slot fields close, its kick-off is needed.
    d.parentBox()->setCurrentIndex(d.parentBox()->findData(QStringLiteral("Nachbar 1")));
    EXPECT_FALSE(d.northEdit()->isEnabled());
    EXPECT_TRUE(d.kickOffEdit()->isEnabled());
    EXPECT_TRUE(
        messageOf([&] { EXPECT_FALSE(d.takeFields()); }).contains(QStringLiteral("Abzweigteufe")));
    d.kickOffEdit()->setText(QStringLiteral("150"));
    // Its own model needs the field's dip.
    d.modelBox()->setCurrentIndex(d.modelBox()->findData(int(ErrorModel::IscwsaMwdRev4)));
    d.totalFieldEdit()->setText(QStringLiteral("50000"));
    EXPECT_TRUE(messageOf([&] {
        EXPECT_FALSE(d.takeFields());
    }).contains(QStringLiteral("Inklination des Magnetfelds")));
    d.dipEdit()->setText(QStringLiteral("70"));
    EXPECT_EQ(messageOf([&] { EXPECT_TRUE(d.takeFields()); }), QString());
    EXPECT_EQ(d.offsets()[1].parent, "Nachbar 1");
    EXPECT_EQ(d.offsets()[1].kickOffMd, 150);
    EXPECT_EQ(d.offsets()[1].uncertainty->model, ErrorModel::IscwsaMwdRev4);

    // The parent renamed: its sidetrack follows; a name taken is refused.
    d.list()->setCurrentCell(0, 0);
    ASSERT_EQ(d.list()->currentRow(), 0);
    d.nameEdit()->setText(QStringLiteral("Bohrung Ost"));
    EXPECT_TRUE(
        messageOf([&] { EXPECT_FALSE(d.takeFields()); }).contains(QStringLiteral("doppelt")));
    d.nameEdit()->setText(QStringLiteral("N1"));
    EXPECT_TRUE(d.takeFields());
    EXPECT_EQ(d.offsets()[1].parent, "N1");

    // The parent cannot go before its sidetrack.
    EXPECT_TRUE(messageOf([&] {
        EXPECT_FALSE(d.removeChosen());
    }).contains(QStringLiteral("Mutterbohrung")));
    EXPECT_EQ(d.offsets().size(), 2u);
    d.list()->setCurrentCell(1, 0);
    EXPECT_TRUE(d.removeChosen());
    EXPECT_TRUE(d.removeChosen());
    EXPECT_TRUE(d.offsets().empty());
    EXPECT_FALSE(d.removeButton()->isEnabled());
}

TEST(OffsetsDialog, ATableThroughTheImportAndOkWithTheRule)
{
    widgetApp();
    Files files;
    WellSettings settings = wellSettings();
    DlgOffsets d(settings, "Bezug", FreiesFormat);
    // The table import opens with its preview; OK there takes the stations.
    QPointer<QTimer> watch = whenModalOpens([](QWidget *w) {
        auto *import = qobject_cast<TableImportDialog *>(w);
        ASSERT_NE(import, nullptr);
        import->accept();
    });
    ASSERT_TRUE(d.addFile(files.table));
    ASSERT_EQ(d.offsets().size(), 1u);
    EXPECT_EQ(d.offsets()[0].name, "tabelle");
    EXPECT_EQ(d.offsets()[0].stations.back().md, 100);
    EXPECT_EQ(d.offsets()[0].stations.back().inclination, 3);
    // The same document twice gets a name of its own.
    ASSERT_TRUE(messageOf([&] {
        d.northEdit()->setText(QStringLiteral("0"));
        d.eastEdit()->setText(QStringLiteral("25"));
        EXPECT_TRUE(d.addFile(files.document));
        EXPECT_TRUE(d.addFile(files.document));
    }).isEmpty());
    EXPECT_EQ(d.offsets()[2].name, "Nachbar 1 (2)");

    d.warningEdit()->setText(QStringLiteral("0"));
    EXPECT_TRUE(
        messageOf([&] { d.accept(); }).contains(QStringLiteral("Meldung unter Trennfaktor")));
    EXPECT_EQ(d.result(), settings) << "nothing taken before OK";
    d.warningEdit()->setText(QStringLiteral("2"));
    d.wellHoleEdit()->setText(QStringLiteral("0,3112"));
    EXPECT_EQ(messageOf([&] { d.accept(); }), QString());
    EXPECT_EQ(d.result().clearance.warningFactor, 2);
    EXPECT_EQ(d.result().clearance.holeDiameter, 0.3112);
    ASSERT_EQ(d.result().offsets.size(), 3u);
    EXPECT_EQ(d.result().offsets[0].slotEast, 25);
    // The rest of the settings as they were.
    WellSettings rest = d.result();
    rest.offsets.clear();
    rest.clearance = settings.clearance;
    EXPECT_EQ(rest, settings);
}

TEST(OffsetsDialog, ADocumentInAnotherNorthIsTurnedOrRefused)
{
    widgetApp();
    Files files;
    // The document's grid azimuths with its convergence of 2° in a well of true
    // azimuths: true = grid + 2.
    DocumentItems items;
    std::string message;
    ASSERT_TRUE(readDocumentFile(files.document.toStdString(), "nachbar.dvn", items, message));
    items.m_Settings.gridConvergence = 2;
    const QString withConvergence = files.dir.filePath(QStringLiteral("konvergenz.dvn"));
    ASSERT_TRUE(writeDocumentFile(withConvergence.toStdString(), items));
    WellSettings trueNorth = wellSettings();
    trueNorth.north = NorthReference::True;
    DlgOffsets turned(trueNorth, "Bezug", FreiesFormat);
    ASSERT_EQ(messageOf([&] { EXPECT_TRUE(turned.addFile(withConvergence)); }), QString());
    EXPECT_NEAR(turned.offsets().at(0).stations[1].azimuth, 47, 1e-12);
    // Without its convergence it cannot be turned: refused, nothing added.
    DlgOffsets refused(trueNorth, "Bezug", FreiesFormat);
    EXPECT_TRUE(messageOf([&] {
        EXPECT_FALSE(refused.addFile(files.document));
    }).contains(QStringLiteral("Nordrichtung")));
    EXPECT_TRUE(refused.offsets().empty());
}
