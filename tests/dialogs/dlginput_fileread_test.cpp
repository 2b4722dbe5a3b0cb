// "Datei einlesen": the file dialog it opens and what the read leaves in the controls.
#include "tests/dialogs/dlginputfixture.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <fstream>

namespace {

class FileReadTest : public DlgInputTest
{
protected:
    // Writes a free-format file and returns its path.
    QString writeFreeFile()
    {
        const QString path = dir.filePath(QString::fromUtf8("Bohrung ä.txt"));
        std::ofstream out(path.toStdString(), std::ios::binary);
        out << "Bohrung Ost\n10 1 2\n20 3 4.5\n30 5 6\n";
        return path;
    }

    // Clicks "Datei einlesen" and answers the file dialog with `path` (or cancels it).
    void readThroughTheButton(const QString &path)
    {
        whenModalOpens([this, path](QWidget *w) {
            auto *files = qobject_cast<QFileDialog *>(w);
            ASSERT_NE(files, nullptr);
            filters = files->nameFilters();
            mode = files->fileMode();
            acceptMode = files->acceptMode();
            if (path.isEmpty()) {
                files->reject();
            } else {
                // Typed into the name field: selecting through the file list depends on
                // the list having been read, which happens in the background.
                auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                ASSERT_NE(name, nullptr);
                name->setText(path);
                static_cast<QDialog *>(files)->accept(); // the file dialog checks the choice
            }
        });
        clickButton(dialog->fileButton());
        settle();
    }

    QTemporaryDir dir;
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptSave;
};

TEST_F(FileReadTest, ReadsTheChosenFileIntoTheLists)
{
    ASSERT_TRUE(dir.isValid());
    const QString path = writeFreeFile();
    clickButton(dialog->formatGroup()->button(1));
    readThroughTheButton(path);

    EXPECT_EQ(filters, QStringList { QStringLiteral("Alle Dateien (*)") });
    EXPECT_EQ(mode, QFileDialog::ExistingFile);
    EXPECT_EQ(acceptMode, QFileDialog::AcceptOpen);

    ASSERT_FALSE(prompter.messages().empty());
    EXPECT_EQ(prompter.messages().front(), path.toStdString() + " wird geöffnet");
    ASSERT_EQ(dialog->stationCount(), 3);
    EXPECT_EQ(dialog->stationText(1), QStringLiteral("   20.00     3.00     4.50"));
    EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("Bohrung Ost"));
    EXPECT_EQ(dialog->statusLabel()->text(), QStringLiteral("3 Zeilen wurden eingelesen"));
    EXPECT_EQ(dialog->lineEdit()->text(), QStringLiteral(" "));
    EXPECT_EQ(state.m_bGeaendert, 1);
}

TEST_F(FileReadTest, TheViewChosenBeforeTheReadStays)
{
    ASSERT_TRUE(dir.isValid());
    const QString path = writeFreeFile();
    clickButton(dialog->formatGroup()->button(1));
    clickButton(dialog->viewGroup()->button(1));
    readThroughTheButton(path);
    EXPECT_EQ(dialog->viewGroup()->checkedId(), 1);
    clickButton(dialog->okButton());
    EXPECT_EQ(state.m_Ansicht, 1);
}

TEST_F(FileReadTest, CancellingTheFileDialogChangesNothing)
{
    clickButton(dialog->formatGroup()->button(1));
    readThroughTheButton(QString());
    EXPECT_EQ(filters, QStringList { QStringLiteral("Alle Dateien (*)") });
    EXPECT_TRUE(prompter.events.empty());
    EXPECT_EQ(dialog->stationCount(), 5);
    EXPECT_EQ(state.m_bGeaendert, 0);
    EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("Probe 1"));
}

} // namespace
