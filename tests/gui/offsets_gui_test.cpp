// The neighbouring wells from the desktop program: "Bearbeiten → Nachbarbohrungen …"
// changes the document only on OK, and each computation with offsets lists the offsets in
// the panel of messages, which does not block, graded against the warning factor.
#include "guifixture.h"

#include "dialogs/dlginput.h"
#include "dialogs/dlgoffsets.h"
#include "dialogs/qtmeasurementdialog.h"
#include "shell/commandids.h"
#include "shell/messagespanel.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

TEST(OffsetsGui, TheDialogChangesTheDocumentOnOkAndEachComputationGivesItsNotice)
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
    ASSERT_FALSE(doc.IsModified());
    const auto clearanceRemarks = [&frame] {
        std::vector<analysis::Remark> out;
        for (const analysis::Remark &r : frame.messagesPanel()->remarks())
            if (r.source == analysis::RemarkSource::Clearance)
                out.push_back(r);
        return out;
    };
    EXPECT_TRUE(clearanceRemarks().empty()) << "no offsets, nothing to say";

    // Abbrechen: nothing changes.
    onModalDialog<DlgOffsets>([](DlgOffsets &d) {
        d.warningEdit()->setText(QStringLiteral("3"));
        d.reject();
    });
    frame.action(ID_NACHBARBOHRUNGEN)->trigger();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.settings().clearance, ClearanceSettings {});

    // OK with a new warning factor marks the document modified.
    onModalDialog<DlgOffsets>([](DlgOffsets &d) {
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
    const auto near = clearanceRemarks();
    ASSERT_EQ(near.size(), 1u);
    EXPECT_NE(near[0].severity, analysis::Severity::Information) << near[0].text;
    EXPECT_TRUE(near[0].text.starts_with("Nachbarbohrung Zwilling: kleinster Trennfaktor"))
        << near[0].text;
    EXPECT_NE(near[0].text.find("; unter 3,00 von"), std::string::npos) << near[0].text;
    EXPECT_TRUE(prompter.messages().empty()) << "the panel is no message box";

    // Moved 400 m away the twin is below nothing: after the next run it is only worth
    // knowing.
    s.offsets[0].slotEast = 400;
    doc.setWellSettings(s);
    commands.recompute();
    const auto far = clearanceRemarks();
    ASSERT_EQ(far.size(), 1u);
    EXPECT_EQ(far[0].severity, analysis::Severity::Information) << far[0].text;
}
