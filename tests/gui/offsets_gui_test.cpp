// The neighbouring wells from the desktop program: "Bearbeiten → Nachbarbohrungen …"
// changes the document only on OK, and each computation with offsets ends with one
// notice that does not block, naming the offset below the warning factor; the notice
// goes when nothing is below it any more.
#include "guifixture.h"

#include "dialogs/dlginput.h"
#include "dialogs/dlgoffsets.h"
#include "dialogs/qtmeasurementdialog.h"
#include "shell/commandids.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

namespace {

// Runs `script` on the offsets' dialog as soon as it is open.
void onOffsetsDialog(std::function<void(DlgOffsets &)> script)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, script] {
        if (auto *dialog = qobject_cast<DlgOffsets *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            script(*dialog);
        }
    });
    timer->start();
}

} // namespace

TEST(OffsetsGui, TheDialogChangesTheDocumentOnOkAndEachComputationGivesItsNotice)
{
    guiApp();
    ScriptedPrompter prompter;
    QtMeasurementDialog measurement(prompter);
    CDravonDoc doc;
    doc.reset();
    DocumentCommands commands(doc, prompter, measurement);
    QTimer::singleShot(0, [] {
        if (auto *input = qobject_cast<DlgInput *>(QApplication::activeModalWidget()))
            input->accept();
    });
    ASSERT_TRUE(commands.OnOpenDocument(
        QDir(qEnvironmentVariable("DRAVON_EXAMPLES")).filePath(QStringLiteral("example.dvn"))));
    ScriptedFrameUi ui;
    CMainFrame frame(commands, ui);
    measurement.setParent(&frame);
    ASSERT_FALSE(doc.IsModified());
    EXPECT_FALSE(frame.clearanceNotice()) << "no offsets, nothing to say";

    // Abbrechen: nothing changes.
    onOffsetsDialog([](DlgOffsets &d) {
        d.warningEdit()->setText(QStringLiteral("3"));
        d.reject();
    });
    frame.action(ID_NACHBARBOHRUNGEN)->trigger();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.settings().clearance, ClearanceSettings {});

    // OK with a new warning factor marks the document modified.
    onOffsetsDialog([](DlgOffsets &d) {
        d.warningEdit()->setText(QStringLiteral("3"));
        d.accept();
    });
    frame.action(ID_NACHBARBOHRUNGEN)->trigger();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.settings().clearance.warningFactor, 3);

    // A twin of the well 4 m east, with an error model for both: far below a factor of 3.
    WellSettings s = doc.settings();
    s.uncertainty.model = ErrorModel::IscwsaMwdRev5;
    s.uncertainty.totalField = 49500;
    s.uncertainty.dip = 67;
    s.declination = 2;
    OffsetWell twin;
    twin.name = "Zwilling";
    twin.slotEast = 4;
    twin.stations = doc.well().survey.stations();
    s.offsets = { twin };
    doc.setWellSettings(s);
    commands.recompute();
    ASSERT_TRUE(frame.clearanceNotice());
    EXPECT_TRUE(frame.clearanceNotice()->isVisible());
    EXPECT_FALSE(frame.clearanceNotice()->isModal());
    const QString text = frame.clearanceNotice()->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Trennfaktor unter 3.00 bei 1 Nachbarbohrung:")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Nachbarbohrung Zwilling: Trennfaktor")))
        << text.toStdString();
    EXPECT_TRUE(prompter.messages().empty()) << "the notice is no message box";

    // Moved 400 m away the twin is below nothing: the notice goes after the next run.
    s.offsets[0].slotEast = 400;
    doc.setWellSettings(s);
    commands.recompute();
    EXPECT_FALSE(frame.clearanceNotice()->isVisible());
}
