// The borehole in the field from the desktop program: "Bearbeiten → Bohrung …" and the
// measurement dialog's button reach the same dialog, OK with a change marks the document
// modified, and the map export writes the GeoJSON or says in German what is missing.
#include "guifixture.h"

#include "dialogs/dlginput.h"
#include "dialogs/dlgwell.h"
#include "dialogs/qtmeasurementdialog.h"
#include "shell/commandids.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <nlohmann/json.hpp>

TEST(WellGui, TheDialogChangesTheDocumentOnlyWithValidInputAndTheMapFollows)
{
    guiApp();
    ScriptedPrompter prompter;
    QtMeasurementDialog measurement(prompter);
    CDravonDoc doc;
    doc.reset();
    DocumentCommands commands(doc, prompter, measurement);
    ASSERT_TRUE(openExample(commands));
    ScriptedFrameUi ui;
    CMainFrame frame(commands, ui);
    measurement.setParent(&frame);
    measurement.setWellCommand([&frame](QWidget *parent) { frame.editWellSettings(parent); });
    ASSERT_FALSE(doc.IsModified());

    QTemporaryDir dir;
    const QString map = dir.filePath(QStringLiteral("map.geojson"));
    EXPECT_FALSE(frame.exportMap(map));
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_NE(prompter.messages()[0].find("EPSG"), std::string::npos);

    // From the menu, Abbrechen: nothing changes.
    onModalDialog<DlgWell>([](DlgWell &d) {
        d.eastingEdit()->setText(QStringLiteral("1"));
        d.reject();
    });
    frame.action(ID_BOHRUNG)->trigger();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.settings().empty());

    // From the measurement dialog's button: the Bohrung dialog over it, OK there.
    QTimer::singleShot(0, [] {
        auto *input = qobject_cast<DlgInput *>(QApplication::activeModalWidget());
        ASSERT_TRUE(input);
        ASSERT_TRUE(input->wellButton()->isVisible());
        onModalDialog<DlgWell>([](DlgWell &d) {
            d.eastingEdit()->setText(QStringLiteral("500000"));
            d.northingEdit()->setText(QStringLiteral("5700000"));
            d.epsgEdit()->setText(QStringLiteral("25832"));
            d.elevationEdit()->setText(QStringLiteral("250,5"));
            d.accept();
        });
        input->wellButton()->click();
        input->reject();
    });
    frame.action(ID_DATA_CHANGE)->trigger();
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.settings().wellhead);
    EXPECT_EQ(doc.settings().wellhead->northing, 5700000);
    EXPECT_EQ(doc.settings().epsg, 25832);
    EXPECT_EQ(doc.settings().elevation, 250.5);

    ASSERT_TRUE(frame.exportMap(map));
    QFile file(map);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto json = nlohmann::json::parse(file.readAll().toStdString());
    const auto &first = json["features"][0]["geometry"]["coordinates"][0];
    EXPECT_NEAR(first[0].get<double>(), 9.0, 1e-7);
    EXPECT_NEAR(first[2].get<double>(), 250.5, 1e-9);
}
