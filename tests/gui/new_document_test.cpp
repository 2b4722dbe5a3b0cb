// A new document is new: the example opened and changed in the real measurement dialog,
// then "Neu" without saving, stations typed, saved; and the dialog's size kept from one
// run to the next.
#include "guifixture.h"

#include "dialogs/dlginput.h"
#include "dialogs/qtmeasurementdialog.h"

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs `act` on the measurement dialog once it is the modal window.
void whenDialogOpens(std::function<void(DlgInput &)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *dialog = qobject_cast<DlgInput *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the measurement dialog stayed open";
                dialog->reject();
            }
        }
    });
    timer->start();
}

void typeAndEnter(DlgInput &dialog, const QString &line)
{
    QLineEdit *edit = dialog.lineEdit();
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, line);
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents();
}

class RealDialogTest : public ::testing::Test
{
protected:
    RealDialogTest()
        : measurement(prompter)
    {
        guiApp();
        QSettings().clear();
        doc.reset();
        commands = std::make_unique<DocumentCommands>(doc, prompter, measurement);
        frame = std::make_unique<CMainFrame>(*commands, ui);
        measurement.setParent(frame.get());
        frame->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        frame->activateWindow();
        (void)QTest::qWaitForWindowActive(frame.get());
    }
    ~RealDialogTest() override
    {
        doc.SetModifiedFlag(false);
        frame.reset();
    }

    // A key on the main window, as the user presses it there.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        frame->activateWindow();
        (void)QTest::qWaitForWindowActive(frame.get());
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : frame.get();
        QTest::keyClick(target, key, modifiers);
        QApplication::processEvents();
    }

    ScriptedPrompter prompter;
    QtMeasurementDialog measurement;
    CDravonDoc doc;
    ScriptedFrameUi ui;
    std::unique_ptr<DocumentCommands> commands;
    std::unique_ptr<CMainFrame> frame;
    QTemporaryDir temp;
};

TEST_F(RealDialogTest, NeuAfterAChangedExampleSavesNoneOfItsDescriptiveLines)
{
    // Open the example; in the dialog that opens on it, change the third station.
    StringList exampleInfo;
    whenDialogOpens([&](DlgInput &dialog) {
        exampleInfo.clear();
        for (int i = 0; i < dialog.infoList()->count(); ++i)
            exampleInfo.push_back(dialog.infoList()->item(i)->text().toStdString());
        QListView *list = dialog.stationList();
        const QPoint at = list->visualRect(list->model()->index(2, 0)).center();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
        typeAndEnter(dialog, QStringLiteral("89,63 1,5 198,54"));
        dialog.okButton()->click();
    });
    ASSERT_TRUE(frame->openDocumentFile(
        QDir(qEnvironmentVariable("DRAVON_EXAMPLES")).filePath(QStringLiteral("example.dvn"))));
    ASSERT_FALSE(exampleInfo.empty()) << "the example has descriptive lines";
    ASSERT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.well().survey.lines()[2], "89.63 1.5 198.54");
    // The title bar marks the unsaved change.
    EXPECT_EQ(shownTitle(*frame), QStringLiteral("example.dvn* - dravon"));

    // Strg+N, "Nein"; the dialog opens empty; three stations typed with Enter.
    ui.saveAnswers = { FrameUi::SaveAnswer::Discard };
    int infoShown = -1;
    whenDialogOpens([&](DlgInput &dialog) {
        infoShown = dialog.infoList()->count();
        dialog.modeGroup()->button(1)->click(); // append
        for (const char *line : { "100 0 0", "200 5 40", "300 10 42" })
            typeAndEnter(dialog, QString::fromLatin1(line));
        dialog.okButton()->click();
    });
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(ui.questions, QStringList { "example.dvn" });
    EXPECT_EQ(infoShown, 0);
    EXPECT_EQ(shownTitle(*frame), QStringLiteral("Unbenannt* - dravon"));

    const QString path = temp.filePath(QStringLiteral("neu.dvn"));
    ui.saveNames = { path };
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_FALSE(doc.IsModified());
    EXPECT_EQ(shownTitle(*frame), QStringLiteral("neu.dvn - dravon"));

    CDravonDoc saved;
    std::string message;
    ASSERT_TRUE(saved.load(path, message)) << message;
    EXPECT_TRUE(saved.well().info.empty());
    EXPECT_EQ(saved.well().survey.lines(), (StringList { "100 0 0", "200 5 40", "300 10 42" }));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (const std::string &line : exampleInfo)
        EXPECT_FALSE(bytes.contains(QByteArray::fromStdString(line))) << line;
}

TEST_F(RealDialogTest, TheDialogOpensAtTheSizeItWasLeftAt)
{
    QSize classic, grown, reopened;
    whenDialogOpens([&](DlgInput &dialog) {
        classic = dialog.size();
        dialog.resize(classic + QSize(120, 200));
        QApplication::processEvents();
        grown = dialog.size();
        dialog.reject(); // a size is kept whichever way the dialog ends
    });
    commands->OnDataChange();
    ASSERT_TRUE(grown.isValid());
    ASSERT_NE(grown, classic);
    whenDialogOpens([&](DlgInput &dialog) {
        reopened = dialog.size();
        dialog.accept();
    });
    commands->OnDataChange();
    EXPECT_EQ(reopened, grown);
}

} // namespace
