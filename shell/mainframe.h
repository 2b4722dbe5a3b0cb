// The main window: menu bar, toolbar, status bar and the client area that shows the
// results text view, the graph view or the 3D view of the one document. The frame switches the
// views, applies the enable rules of the commands, opens the context menu, runs the
// file and print commands and starts the help page.
#pragma once

#include "shell/recentfiles.h"

#include <QHash>
#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <QPrinter>

#include "well/settings.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CDravonDoc;
class DocumentCommands;
class CDravonView;
class DocumentRecovery;
class CGrafik;
enum class GraphShown;
class View3d;
class FrameUi;
class HelpWindow;
class Prompter;
class QActionGroup;
class QLabel;
class QMenu;
class MessagesPanel;
class StationsPanel;
class FieldPanel;
class QUndoGroup;
namespace well {
struct Well;
}
namespace analysis {
struct Remark;
}
class QStackedWidget;
class QToolBar;
namespace surveyexport {
struct RowSettings;
}

// What a command of the main frame has besides its caption and its status-bar prompt.
struct CommandExtras
{
    QString icon; // the toolbar picture
    QKeySequence key; // its key, carried into the accelerator table
    bool keyInCaption = false; // the menu caption names the key
    QString tip; // the tooltip when it is not the caption itself
};

class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    // Ids of the views for SwitchView.
    enum ViewId { TextViewId = 1, GraphViewId = 2, View3dId = 3 };

    // The frame runs the document commands of `commands` and shows their messages through
    // its prompter.
    CMainFrame(DocumentCommands &commands, FrameUi &ui, QWidget *parent = nullptr);
    ~CMainFrame() override;

    void setPrompter(Prompter &prompter);
    void setFrameUi(FrameUi &ui) { m_ui = &ui; }
    // The help page to open; an empty string searches the installed or build-tree copy.
    void setHelpPage(const QString &path) { m_helpPage = path; }

    // The command with this id (see commandids.h) as menu and toolbar show it.
    QAction *action(int id) const { return m_actions.value(id); }
    // The recent-file entries of the "Datei" menu (always four, hidden when unused) and
    // the greyed placeholder shown while the list is empty.
    const std::array<QAction *, RecentFileList::kSize> &recentActions() const { return m_mru; }
    QAction *recentPlaceholder() const { return m_mruPlaceholder; }

    QWidget *GetActiveView() const { return m_activeView; }
    CDravonView *textView() const { return m_textView; }
    CGrafik *graphView() const { return m_graphView; }
    View3d *view3d() const { return m_view3d; }
    QToolBar *toolBar() const { return m_toolBar; }
    CDravonDoc &document() const { return *m_doc; }
    DocumentCommands &commands() const { return *m_commands; }
    RecentFileList &recentFiles() { return m_recent; }
    QPrinter &printer() { return m_printer; }

    // Shows the text view (1), the graph view (2) or the 3D view (3), creating the graph
    // and the 3D view the first time; a view that exists is never initialised again.
    void SwitchView(int id);

    // Applies the enable and check rules to menu, toolbar and the recent-file entries.
    void updateCommandUi();

    // The context menu with its seven items, enabled by the same rules as the menu.
    QMenu *createContextMenu(QWidget *parent);

    // Opens a document file after asking about unsaved changes; returns true when the
    // file was opened.
    bool openDocumentFile(const QString &path);
    // Asks about unsaved changes; false when the user cancelled (or saving failed).
    bool saveModified();
    // "Schließen": after asking about unsaved changes, an empty, unnamed document takes
    // the place of the current one (the frame has one document); false when cancelled.
    bool closeDocument();

    // Keeps unsaved changes in `recovery` from now on and until the frame closes, unless
    // another running dravon keeps its own there. When
    // a copy is left from a session that did not end normally, first offers it back:
    // restored, it becomes an unnamed document with unsaved changes, so that
    // "Speichern" asks for a name and never writes over a file unasked.
    void startRecovery(DocumentRecovery &recovery);
    // The document file at `path` as an unnamed document with unsaved changes; false
    // (after a message) when it cannot be read.
    bool restoreUnnamed(const QString &path);
    // "Speichern" (asks for a name when the document has none) and "Speichern unter".
    bool doSave(bool saveAs);

    // Prints the active view on `printer` without any dialog; returns the page count.
    int printActiveView(QPrinter &printer);
    // The pages a print of the active view on the frame's printer has.
    int printPageCount();

    // Initialises both views again (after a document was opened).
    void initialUpdateViews();

    // The help window, once F1 or the help menu opened it (null before).
    HelpWindow *helpWindow() const { return m_help; }

    // Size, position and view of the last session; on the first start a size that fits
    // the screen's available area, centred on it. Called by the constructor.
    void restoreWindowSettings();
    // Keeps size, position and the active view for the next start (on closing).
    void saveWindowSettings() const;
    // "Bohrung …": the borehole's settings in their dialog over `parent` (the frame when
    // none); OK with a change gives them to the document (wellcommands.cpp).
    void editWellSettings(QWidget *parent = nullptr);
    // "Karte exportieren (GeoJSON) …" into `path`, asked for when empty; false after a
    // message (or when the user cancelled).
    bool exportMap(QString path = QString());
    // "Bild speichern …": the graph or the 3D view into `path` (asked for when empty; a
    // PNG of the 3D view at a size asked for too); false after a message or when the
    // user cancelled.
    bool saveImage(QString path = QString());
    // "Nachbarbohrungen …": the offset wells and the clearance rule in their dialog over
    // `parent` (the frame when none); OK with a change gives them to the document and
    // scans again (wellcommands.cpp).
    void editOffsets(QWidget *parent = nullptr);
    // "Planung …": the well plan in its dialog over `parent` (the frame when none); OK with a
    // change is one undoable step of the history (wellcommands.cpp).
    void editPlan(QWidget *parent = nullptr);
    // "Abstand zu allen …": after asking for the radius, the wellbores of the field open in
    // the panel become the well's neighbours as the field holds them (a link in the
    // settings, one step of the history, no copies); the scan, the views and the messages
    // follow (wellcommands.cpp). False when there is no field or the user cancelled.
    bool scanField();
    // "Vom Feld lösen": the link taken out of the settings, one step of the history.
    void unlinkField();
    // The wellbores of the settings' field link read again from the field when the link
    // changed since they were read, or always with `again` (the field changed); a field
    // that cannot be read is said in the status bar and leaves no neighbours of it.
    void loadFieldNeighbours(bool again = false);
    // The computed plan's stations in the place of the survey, one step of the history:
    // the plan's uncertainty, its scan, ladder and cylinder are then those of the views.
    void takePlanAsSurvey();
    // The panel of messages filled anew from the document: the last computation's remarks
    // and its clearance scan (after each computation and each change of the offsets or
    // the well's settings). It blocks nothing; a collision risk brings it into view.
    void updateMessages();
    MessagesPanel *messagesPanel() const { return m_messages; }
    // The panel of the stations, edited in place beside the views.
    StationsPanel *stationsPanel() const { return m_stations; }
    // The panel of the field file ("Feld"), docked on the left.
    FieldPanel *fieldPanel() const { return m_field; }
    // "Feld öffnen …": the field file at `path` (asked for when empty) in the panel, which
    // comes into view; remembered for the next start. False when cancelled or refused
    // (the panel says why).
    bool openField(QString path = QString());
    // "Felddatenbank verbinden …": the address asked for, starting from the last server's.
    bool openFieldServer();
    // The field file of the last session in the panel again, when there was one and it
    // is still there.
    void reopenField();
    // A survey of the field as a new, unsaved document titled `title`, after asking about
    // unsaved changes; false when the user cancelled. `place` (field::pathOf) is the
    // well's own place in the panel's field, which is no neighbour of it.
    bool openFieldSurvey(
        const well::Well &well, const QString &title, const std::string &place = {});
    // The history Rückgängig and Wiederholen apply to: the panel's while it has the focus.
    QUndoGroup *undoGroup() const { return m_undoGroup; }
    // What choosing a message with a depth does: the results table scrolls to the line
    // of the depth (of a straight interval: the interval's line) and marks it, and the
    // status bar names the depth, which is all the graph views show of it.
    void showMessageDepth(const analysis::Remark &remark);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The document just loaded, computed and shown as new and unsaved, with no history.
    void showUnsaved();
    // framemenus.cpp
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createAccelerators();
    // A key as a menu caption names it, in the language ("Strg+N", "F7").
    static QString keyText(const QKeySequence &key);
    QAction *addCommand(
        int id, const QString &caption, const QString &prompt, const CommandExtras &extras = {});
    void updateRecentMenu();
    // "Unsicherheit": its prompt, and why it is greyed out (empty when it is not).
    static QString uncertaintyPrompt();
    QString uncertaintyUnavailable() const;
    // "Bereit", the message pane's text while no prompt is shown.
    static QString readyText() { return tr("Bereit"); }

    // commands
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnViewGrafik();
    void OnViewText();
    void OnView3d();
    void OnGrafiklupe();
    void OnGanzeBohrung();
    // framesection.cpp: the vertical section, the ladder and the cylinder, the view
    // settings, the path dialog.
    void OnViewSection();
    void showOffsetView(GraphShown shown);
    void OnViewSettings();
    void OnPathInterpolation();
    void OnHilfe();
    void OnAppAbout();
    void OnRecentFile(int index);
    // frameexport.cpp
    void OnFileExport();
    void OnEditCopy();
    bool hasTrajectory() const;
    // The unit and section azimuth in effect (the document's, else the remembered ones)
    // and the placement of the well: what the exports, the clipboard and the path dialog
    // write, as the batch tool does with the same settings.
    surveyexport::RowSettings rowSettings(std::string *unplaced = nullptr) const;
    void updateTitle();

    DocumentCommands *m_commands;
    CDravonDoc *m_doc;
    Prompter *m_prompter;
    FrameUi *m_ui;
    QString m_helpPage;
    HelpWindow *m_help = nullptr;
    RecentFileList m_recent;
    QPrinter m_printer;

    QStackedWidget *m_stack = nullptr;
    CDravonView *m_textView = nullptr;
    CGrafik *m_graphView = nullptr;
    View3d *m_view3d = nullptr;
    QWidget *m_activeView = nullptr;

    QHash<int, QAction *> m_actions;
    // The commands' keys in the order they were added (addCommand).
    std::vector<std::pair<QKeySequence, int>> m_commandKeys;
    std::array<QAction *, RecentFileList::kSize> m_mru {};
    QAction *m_mruPlaceholder = nullptr;
    QToolBar *m_toolBar = nullptr;
    QMenu *m_viewMenu = nullptr;
    QActionGroup *m_viewGroup = nullptr; // the views: one is checked, the one shown
    QPointer<DocumentRecovery> m_recovery;
    bool m_uncertaintyWanted = true; // the user's setting; drawn only with an error model
    bool m_reasonShown = false; // the status bar says why "Unsicherheit" is greyed out
    std::array<QLabel *, 3> m_indicators {};
    // The document's data revision the panel of messages last listed.
    std::uint64_t m_messagesRevision = 0;
    MessagesPanel *m_messages = nullptr;
    StationsPanel *m_stations = nullptr;
    FieldPanel *m_field = nullptr;
    // The link, the well's settings and the document folder the field's neighbours were
    // last read for (the settings without their offsets and readings: what places them),
    // and what kept wellbores out then.
    std::optional<FieldLink> m_loadedLink;
    std::uint64_t m_loadedGeneration = 0;
    WellSettings m_loadedFor;
    QString m_loadedFolder;
    std::vector<std::string> m_fieldNotes;
    QUndoGroup *m_undoGroup = nullptr;
};
