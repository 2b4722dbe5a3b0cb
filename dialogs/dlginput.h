// The measurement dialog: borehole name, format, view and thinning choices, the sorted
// station list with its line operations, the descriptive list and "Datei einlesen".
// The widgets only mirror a LineEditor: before an operation the controls are read into
// its members, afterwards the members are shown again.
#pragma once

#include "dialogs/prompter.h"
#include "input/lineeditor.h"
#include "well/fieldreading.h"
#include "well/station.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QRadioButton;
class StationListModel;

class DlgInput : public QDialog
{
    Q_OBJECT

public:
    // Works directly on `state`, which the caller has filled; the messages and
    // questions the editor returns are shown through `prompter`. Construction does what
    // opening the dialog does: the lists are filled, mode, thinning and the change flag
    // reset.
    DlgInput(LineEditor &state, Prompter &prompter, QWidget *parent = nullptr);
    ~DlgInput() override;

    // Controls, for tests that drive the dialog with keys and mouse.
    QListWidget *infoList() const { return m_listInfo; }
    // The station list is a view over the editor's lines: 100,000 stations are laid out
    // and drawn only as far as they show.
    QListView *stationList() const { return m_listEingabe; }
    // The number of station rows and the text row `row` shows (typed lines aligned).
    int stationCount() const;
    QString stationText(int row) const;
    // The station row that has the focus frame, -1 for none.
    int currentStation() const;
    QLineEdit *lineEdit() const { return m_zeile; }
    QLineEdit *nameEdit() const { return m_name; }
    QLabel *statusLabel() const { return m_status; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *fileButton() const { return m_file; }
    QPushButton *tableButton() const { return m_table; }
    QPushButton *wellButton() const { return m_well; }

    // "Bohrung …" opens what `command` opens (the settings of the borehole, which belong to
    // the document, not to this dialog); without a command the button is hidden.
    void setWellCommand(std::function<void(QWidget *parent)> command);
    // The tie-in point of the survey file imported last, when it brought one: the
    // document takes it with the stations.
    const std::optional<well::TieIn> &importedTieIn() const { return m_importedTieIn; }
    // The field readings of the last imported table file; none when no file was imported.
    const std::optional<std::vector<well::FieldReading>> &importedFieldReadings() const
    {
        return m_importedFieldReadings;
    }
    QButtonGroup *formatGroup() const { return m_formatGroup; }
    QButtonGroup *modeGroup() const { return m_modeGroup; }
    QButtonGroup *viewGroup() const { return m_viewGroup; }
    QButtonGroup *thinningGroup() const { return m_thinningGroup; }

    // Dialog units by which the right-hand column is wider than the classic layout, so
    // that station lines show whole in the lists' fixed pitch.
    static int widerUnits(const QWidget &dialog);

    // The controls in tab order (the radio groups by their first button).
    QList<QWidget *> tabStops() const { return m_tabStops; }

    // The Windows-style read and show of all members (UpdateData TRUE / FALSE).
    void readControls();
    void showMembers();

    // OK: a line operation still pending runs first, then the controls are read and
    // the dialog closes with Accepted.
    void accept() override;
    // Abbrechen, Escape, closing: nothing is read and the state goes back to what the
    // caller handed in.
    void reject() override;

    // "Tabelle importieren …": a CSV, .xlsx, .xls, LAS or WITSML file through the import dialog replaces the
    // station list, as "Datei einlesen" does. Ctrl+V in the station list: rows copied from
    // a spreadsheet go through the same dialog and are added to the list.
    void importTable();
    // The table import with a file chosen elsewhere (a table or workbook given to
    // "Datei einlesen").
    void importTableFile(const QString &path);
    void pasteTable();
    // A file dropped on the main window: a table, workbook, LAS or WITSML file goes
    // through the import dialog and its preview, any other is read as a measurement file
    // in the chosen format, as "Datei einlesen" would; OK then takes the stations.
    void openFile(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void onStationDoubleClicked(int row);
    void onFileOpen();
    void readFile(const QString &path); // "Datei einlesen" once the file is chosen
    void runPendingLineOperation();
    // Enter in the edit line: its operation at once.
    void takeEditLine();
    // The descriptive list: shows the editor's lines; takes an edited line; adds,
    // edits and deletes one.
    void showInfoLines();
    void takeInfoLine(int row, const QString &text);
    void addInfoLine();
    void editInfoLine();
    void deleteInfoLine();
    void selectMarked();
    // Tells the user that `character` was refused, once per attempt.
    void refuseCharacter(const QString &character);

    // Keeps the station lines as they came before the first operation that may replace
    // them, so that "Abbrechen" can give them back; a million lines are not copied for a
    // dialog that is only looked at.
    void keepOriginalStations();

    LineEditor &m_state;
    Prompter &m_prompter;
    LineEditor m_original; // everything as it came but the station lines
    std::optional<StringList> m_originalStations; // those, once an operation may change them

    bool m_bPending = false; // the edit line lost the focus, operation not yet run
    bool m_bBusy = false; // an operation (and its message boxes) is running
    bool m_bWaitForRelease = false; // the focus left with a mouse click still under way
    bool m_bRefusing = false; // the message about a refused character is on its way
    bool m_bTaken = false; // Enter took the edit line, not typed anew since
    int m_newInfoRow = -1; // the descriptive line being added, -1 for none

    QLabel *m_status = nullptr;
    QListWidget *m_listInfo = nullptr;
    QListView *m_listEingabe = nullptr;
    StationListModel *m_stations = nullptr;
    QLineEdit *m_zeile = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_file = nullptr;
    QPushButton *m_table = nullptr;
    QPushButton *m_well = nullptr;
    std::function<void(QWidget *)> m_wellCommand;
    std::optional<well::TieIn> m_importedTieIn;
    std::optional<std::vector<well::FieldReading>> m_importedFieldReadings;
    QLineEdit *m_name = nullptr;
    QButtonGroup *m_formatGroup = nullptr;
    QButtonGroup *m_modeGroup = nullptr;
    QButtonGroup *m_viewGroup = nullptr;
    QButtonGroup *m_thinningGroup = nullptr;
    QList<QWidget *> m_tabStops;
    QLabel *m_depthCaption = nullptr;
    QLabel *m_unitCaption = nullptr;

    // A control of the right-hand column, where the classic size puts it, and how it
    // follows a larger window.
    enum Follow { MoveX = 1, HalfMoveX = 2, MoveY = 4, GrowX = 8, GrowY = 16 };
    struct Follower
    {
        QWidget *widget;
        QRect classic;
        int how;
    };
    std::vector<Follower> m_followers;
};
