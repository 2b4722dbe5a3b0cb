// The main window: views, document commands, printing, help and closing.
#include "shell/mainframe.h"

#include "dialogs/aboutdlg.h"
#include "dialogs/dlginput.h"
#include "dialogs/documentcommands.h"
#include "dialogs/prompter.h"
#include "field/location.h"
#include "field/neighbours.h"
#include "shell/messagespanel.h"
#include "shell/stationspanel.h"
#include "shell/fieldpanel.h"
#include "document/dravondoc.h"
#include "graph/view/grafik.h"
#include "graph3d/view/view3d.h"
#include "shell/commandids.h"
#include "shell/documentfilter.h"
#include "shell/frameui.h"
#include "shell/helppage.h"
#include "shell/helpwindow.h"
#include "shell/pagemargins.h"
#include "shell/programsettings.h"
#include "shell/recovery.h"
#include "shell/shellresources.h"
#include "shell/viewsettings.h"
#include "textview/dravonview.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QUndoGroup>

namespace {

const QString kWindowGroup = QStringLiteral("Settings");
// The field file the "Feld" panel showed last.
const QString kFieldFileKey = QStringLiteral("Field/file");

bool isDocumentFile(const QUrl &url)
{
    return url.isLocalFile()
        && url.toLocalFile().endsWith(documentExtension(), Qt::CaseInsensitive);
}

// A file that a drop can open: a document, or a regular file to import (a folder or a
// remote address is none).
bool isDroppableFile(const QUrl &url)
{
    return isDocumentFile(url) || (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile());
}

} // namespace

CMainFrame::CMainFrame(DocumentCommands &commands, FrameUi &ui, QWidget *parent)
    : QMainWindow(parent)
    , m_commands(&commands)
    , m_doc(&commands.document())
    , m_prompter(&commands.prompter())
    , m_ui(&ui)
    , m_printer(QPrinter::HighResolution)
{
    initShellResources();
    setWindowIcon(QIcon(QStringLiteral(":/dravon/dravon.svg")));
    setAcceptDrops(true);
    m_printer.setPageMargins(tableMargins(), QPageLayout::Millimeter);
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    createAccelerators();

    // The first view is the text view; the graph view follows on first use.
    m_stack = new QStackedWidget(this);
    setCentralWidget(m_stack);
    m_textView = new CDravonView(*m_doc, m_stack);
    m_stack->addWidget(m_textView);
    m_activeView = m_textView;
    m_textView->OnInitialUpdate();

    // The computation's remarks and the clearance go to the panel of messages, which
    // blocks nothing; docked below the views, in the Ansicht menu.
    m_messages = new MessagesPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_messages);
    // A few rows of messages at first: the views above fill what is left, and the graph
    // keeps its titles and legends in sight in a small window.
    resizeDocks({ m_messages }, { fontMetrics().height() * 6 }, Qt::Vertical);
    connect(m_messages, &MessagesPanel::remarkChosen, this, &CMainFrame::showMessageDepth);
    m_viewMenu->insertAction(action(ID_VIEW_GRAFIK), m_messages->toggleViewAction());
    // The stations beside the views, edited in place; every edit is a step of the
    // document's history like the dialogs' changes.
    m_stations = new StationsPanel(m_commands->history(), this);
    addDockWidget(Qt::RightDockWidgetArea, m_stations);
    m_viewMenu->insertAction(action(ID_VIEW_GRAFIK), m_stations->toggleViewAction());
    // The field file's tree on the left, hidden until a field is opened.
    m_field = new FieldPanel(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_field);
    m_field->hide();
    m_viewMenu->insertAction(action(ID_VIEW_GRAFIK), m_field->toggleViewAction());
    m_undoGroup->addStack(&m_field->stack());
    connect(m_field, &FieldPanel::surveyOpened, this,
        [this](const well::Well &well, const QString &title, const std::string &place) {
            openFieldSurvey(well, title, place);
        });
    // Rückgängig follows the focus: the panel's steps while a widget of it has it, the
    // document's otherwise. Menus and dialogs taking the focus change nothing.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (!now || now->window() != this)
            return;
        m_undoGroup->setActiveStack(m_field->isAncestorOf(now) ? &m_field->stack()
                                                               : &m_commands->history().stack());
    });
    m_commands->setAfterComputation(
        [this] { updateMessages(); }, DocumentCommands::Remarks::ToHook);
    // A step of the history taken back or made again computes too.
    m_commands->history().setAfterChange([this] { updateMessages(); });
    // Whatever else gave the document new results (the section's settings, a script):
    // the panel follows once the change is done.
    connect(m_doc, &CDravonDoc::viewsUpdate, this, [this] {
        QTimer::singleShot(0, this, [this] {
            // A document opened, or settings changed, with a field link: its wellbores.
            loadFieldNeighbours();
            if (m_doc->dataRevision() != m_messagesRevision)
                updateMessages();
        });
    });
    // A change of the field in the panel changes the neighbours of a well linked to it.
    connect(&m_field->stack(), &QUndoStack::indexChanged, this, [this] {
        const std::optional<FieldLink> &link = m_doc->settings().field;
        if (link && m_field->database()) {
            loadFieldNeighbours(true);
            updateMessages();
        }
    });
    updateMessages();
    connect(m_doc, &CDravonDoc::titleChanged, this, &CMainFrame::updateTitle);
    connect(m_doc, &CDravonDoc::modifiedChanged, this, &QWidget::setWindowModified);
    updateTitle();
    restoreWindowSettings();
    // A third of the window for the stations: the three values typed and the first
    // computed column, while the views keep the larger part.
    resizeDocks({ m_stations }, { std::max(width() / 3, 240) }, Qt::Horizontal);
    updateCommandUi();
}

CMainFrame::~CMainFrame()
{
    m_commands->setAfterComputation({});
    // The panel's history is cleared when the panel goes, after the document.
    disconnect(&m_field->stack(), nullptr, this, nullptr);
}

void CMainFrame::setPrompter(Prompter &prompter)
{
    m_prompter = &prompter;
    m_commands->setPrompter(prompter);
}

void CMainFrame::restoreWindowSettings()
{
    QSettings settings = programSettings();
    settings.beginGroup(kWindowGroup);
    // Qt moves a remembered window that would lie off the screens back onto one.
    if (!restoreGeometry(settings.value(QStringLiteral("Window")).toByteArray())) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
        // 800 x 600 where there is room; on a small or strongly scaled screen what is
        // left after room for the window frame, so the status bar stays in sight.
        const QSize room = available.size() - QSize(16, 48);
        const QSize size = QSize(800, 600).boundedTo(room).expandedTo(minimumSizeHint());
        resize(size);
        move(available.center() - QPoint(size.width() / 2, size.height() / 2 + 16));
    }
    const int view = settings.value(QStringLiteral("View"), int(TextViewId)).toInt();
    if (view == GraphViewId || view == View3dId)
        SwitchView(view);
}

void CMainFrame::saveWindowSettings() const
{
    QSettings settings = programSettings();
    settings.beginGroup(kWindowGroup);
    settings.setValue(QStringLiteral("Window"), saveGeometry());
    const int view = qobject_cast<CGrafik *>(m_activeView) ? GraphViewId
        : qobject_cast<View3d *>(m_activeView)             ? View3dId
                                                           : TextViewId;
    settings.setValue(QStringLiteral("View"), view);
}

void CMainFrame::updateTitle()
{
    // "[*]" is where the title bar marks unsaved changes, Qt's convention: an asterisk
    // while the window is modified. A "[*]" in the file name itself is written twice
    // so that it shows as it is.
    QString name = m_doc->GetTitle();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(name + QStringLiteral("[*] - dravon"));
    setWindowModified(m_doc->IsModified());
}

void CMainFrame::SwitchView(int id)
{
    QWidget *old = m_activeView;
    QWidget *wanted = id == GraphViewId ? static_cast<QWidget *>(m_graphView)
        : id == View3dId                ? static_cast<QWidget *>(m_view3d)
                                        : m_textView;
    if (!wanted && id == GraphViewId) {
        m_graphView = new CGrafik(*m_doc, m_stack);
        m_stack->addWidget(m_graphView);
        connect(m_graphView, &CGrafik::zoomChanged, this, &CMainFrame::updateCommandUi);
        m_graphView->setTrueScale(action(ID_MASSSTABSGETREU)->isChecked());
        m_graphView->setUncertaintyShown(m_uncertaintyWanted);
        m_graphView->setViewPreferences(loadViewPreferences());
        m_graphView->OnInitialUpdate();
        wanted = m_graphView;
    }
    if (!wanted && id == View3dId) {
        m_view3d = new View3d(*m_doc, m_stack);
        m_stack->addWidget(m_view3d);
        // A picked point is said in the status bar.
        connect(m_view3d, &View3d::statusMessage, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
        m_view3d->setUncertaintyShown(m_uncertaintyWanted);
        m_view3d->OnInitialUpdate();
        wanted = m_view3d;
    }
    if (!wanted || wanted == old)
        return;
    m_activeView = wanted;
    m_stack->setCurrentWidget(wanted);
    wanted->setFocus();
    updateCommandUi();
}

void CMainFrame::initialUpdateViews()
{
    m_textView->OnInitialUpdate();
    if (m_graphView)
        m_graphView->OnInitialUpdate();
    if (m_view3d)
        m_view3d->OnInitialUpdate();
}

QMenu *CMainFrame::createContextMenu(QWidget *parent)
{
    updateCommandUi();
    auto *menu = new QMenu(tr("Kontextmenü"), parent);
    // Each item is called as its command's button is.
    for (const int id : { ID_DATA_CHANGE, ID_FILE_NEW, ID_FILE_OPEN, ID_VIEW_GRAFIK, ID_VIEW_TEXT,
             ID_INTERPOLATION, ID_FILE_SAVE_AS }) {
        QAction *command = action(id);
        QAction *item = menu->addAction(command->toolTip());
        item->setData(id);
        // The view shown is greyed here: the short menu offers only a change.
        item->setEnabled(command->isEnabled() && !(command->actionGroup() && command->isChecked()));
        item->setStatusTip(command->statusTip());
        connect(item, &QAction::triggered, command, &QAction::trigger);
    }
    return menu;
}

void CMainFrame::contextMenuEvent(QContextMenuEvent *event)
{
    QWidget *hit = childAt(mapFromGlobal(event->globalPos()));
    const bool overView
        = m_activeView && hit && (hit == m_activeView || m_activeView->isAncestorOf(hit));
    if (!overView) {
        QMainWindow::contextMenuEvent(event);
        return;
    }
    QMenu *menu = createContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

bool CMainFrame::event(QEvent *event)
{
    // A prompt that goes away leaves "Bereit" in the message pane.
    if (event->type() == QEvent::StatusTip && statusBar()->isVisible()) {
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        statusBar()->showMessage(tip.isEmpty() ? readyText() : tip);
        return true;
    }
    return QMainWindow::event(event);
}

// ---- document commands ----

void CMainFrame::OnFileNew()
{
    // The same question as before closing: "Abbrechen" keeps the current survey.
    if (!saveModified())
        return;
    // The remarks of the survey before go; the new one's computation fills the panel.
    m_messages->clear();
    m_commands->OnDokumentNeu();
}

void CMainFrame::OnFileOpen()
{
    if (!saveModified())
        return;
    const QString path = m_ui->openFileName();
    if (path.isEmpty())
        return;
    m_messages->clear();
    const bool opened = m_commands->OnOpenDocument(path);
    if (!opened)
        updateMessages();
    if (opened) {
        m_recent.add(path);
        initialUpdateViews();
    }
    updateCommandUi();
}

bool CMainFrame::openDocumentFile(const QString &path)
{
    if (!saveModified())
        return false;
    m_messages->clear();
    const bool opened = m_commands->OnOpenDocument(path);
    // A file that cannot be read leaves the document, and so its remarks, as they were.
    if (!opened)
        updateMessages();
    if (opened) {
        m_recent.add(path);
        initialUpdateViews();
    } else {
        // A file that cannot be opened any more leaves the recent-file list.
        m_recent.remove(path);
    }
    updateCommandUi();
    return opened;
}

void CMainFrame::OnRecentFile(int index)
{
    if (index < m_recent.files().size())
        openDocumentFile(m_recent.files().at(index));
}

bool CMainFrame::doSave(bool saveAs)
{
    QString path = m_doc->GetPathName();
    if (saveAs || path.isEmpty()) {
        const QString suggested = path.isEmpty()
            ? QDir::current().filePath(m_doc->GetTitle() + documentExtension())
            : path;
        path = m_ui->saveFileName(suggested);
        if (path.isEmpty())
            return false;
    }
    if (!m_commands->OnSaveDocument(path))
        return false;
    m_recent.add(path);
    updateCommandUi();
    return true;
}

bool CMainFrame::saveModified()
{
    if (!m_doc->IsModified())
        return true;
    switch (m_ui->askSaveChanges(m_doc->GetTitle())) {
    case FrameUi::SaveAnswer::Save:
        return doSave(false);
    case FrameUi::SaveAnswer::Discard:
        return true;
    case FrameUi::SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool CMainFrame::closeDocument()
{
    if (!saveModified())
        return false;
    // reset() drops every result of the closed survey and updates the views.
    m_doc->reset();
    m_doc->markNewData();
    m_commands->history().clear();
    updateMessages();
    initialUpdateViews();
    updateCommandUi();
    return true;
}

void CMainFrame::startRecovery(DocumentRecovery &recovery)
{
    // A second dravon running beside the first neither offers nor overwrites its copy.
    if (!recovery.claim())
        return;
    if (recovery.fileExists()) {
        if (m_ui->askRestoreRecovered() && restoreUnnamed(recovery.filePath()))
            // Kept at once, in case this session does not end normally either.
            recovery.writeNow();
        else
            recovery.remove();
    }
    m_recovery = &recovery;
    recovery.start();
}

bool CMainFrame::openField(QString path)
{
    if (path.isEmpty())
        path = m_ui->fieldFileName();
    if (path.isEmpty())
        return false;
    if (m_field->isHidden()) {
        m_field->show();
        // A fifth of the window for the tree: the views keep the larger part.
        resizeDocks({ m_field }, { std::max(width() / 5, 200) }, Qt::Horizontal);
    }
    m_field->raise();
    if (!m_field->openFile(path))
        return false;
    // A server's address is kept as it was given, without a password that it may hold.
    QSettings settings = programSettings();
    settings.setValue(kFieldFileKey,
        field::isServerAddress(path.toStdString())
            ? QString::fromStdString(field::shownLocation(path.toStdString()))
            : QFileInfo(path).absoluteFilePath());
    return true;
}

bool CMainFrame::openFieldServer()
{
    const QString last = programSettings().value(kFieldFileKey).toString();
    const QString address
        = m_ui->fieldAddress(field::isServerAddress(last.toStdString()) ? last : QString());
    return !address.isEmpty() && openField(address);
}

void CMainFrame::reopenField()
{
    const QString path = programSettings().value(kFieldFileKey).toString();
    if (!path.isEmpty()
        && (field::isServerAddress(path.toStdString()) || QFileInfo(path).isFile()))
        openField(path);
}

bool CMainFrame::openFieldSurvey(
    const well::Well &well, const QString &title, const std::string &place)
{
    if (!saveModified())
        return false;
    m_messages->clear();
    m_doc->loadUnnamed(well, title);
    if (!place.empty() && m_field->database())
        m_doc->setFieldPlace({ field::linkedLocation(m_field->filePath().toStdString()), place });
    // Not saved anywhere yet: the field keeps it, the document is new.
    showUnsaved();
    updateMessages();
    return true;
}

void CMainFrame::showUnsaved()
{
    m_doc->recompute();
    m_doc->markNewData();
    m_doc->SetModifiedFlag(true);
    m_commands->history().clear();
    initialUpdateViews();
    updateTitle();
    updateCommandUi();
}

bool CMainFrame::restoreUnnamed(const QString &path)
{
    std::string message;
    if (!m_doc->load(path, message)) {
        m_prompter->message(message);
        return false;
    }
    m_doc->SetPathName(QString());
    showUnsaved();
    return true;
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (saveModified()) {
        // The program ends normally: what was not saved was given up on purpose.
        if (m_recovery)
            m_recovery->finish();
        saveWindowSettings();
        if (m_help)
            m_help->close();
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && isDroppableFile(urls.constFirst()))
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !isDroppableFile(urls.constFirst()))
        return;
    event->acceptProposedAction();
    // The drop finishes before a dialog opens.
    const QString path = urls.constFirst().toLocalFile();
    if (isDocumentFile(urls.constFirst())) {
        QMetaObject::invokeMethod(
            this, [this, path] { openDocumentFile(path); }, Qt::QueuedConnection);
        return;
    }
    // Any other file is a survey to import: the measurement dialog opens as for "Daten
    // ändern" and starts with the file (a table through the import dialog and its
    // preview); the stations reach the document only when the user confirms them.
    QMetaObject::invokeMethod(
        this,
        [this, path] {
            QTimer::singleShot(0, this, [path] {
                if (auto *dialog = qobject_cast<DlgInput *>(QApplication::activeModalWidget()))
                    dialog->openFile(path);
            });
            m_commands->OnDataChange();
        },
        Qt::QueuedConnection);
}

// ---- printing ----

int CMainFrame::printActiveView(QPrinter &printer)
{
    if (auto *graph = qobject_cast<CGrafik *>(m_activeView))
        return graph->print(printer);
    if (auto *view = qobject_cast<View3d *>(m_activeView))
        return view->print(printer);
    return m_textView->print(printer);
}

int CMainFrame::printPageCount()
{
    if (qobject_cast<CGrafik *>(m_activeView) || qobject_cast<View3d *>(m_activeView))
        return 1;
    return m_textView->OnPreparePrinting(m_printer);
}

void CMainFrame::OnFilePrint()
{
    // The dialog offers every page and presets the range to all of them.
    const int maxPage = printPageCount();
    m_printer.setPrintRange(QPrinter::AllPages);
    m_printer.setFromTo(1, maxPage);
    if (!m_ui->printDialog(m_printer, maxPage))
        return;
    printActiveView(m_printer);
}

void CMainFrame::OnFilePrintPreview()
{
    m_printer.setPrintRange(QPrinter::AllPages);
    m_printer.setFromTo(0, 0);
    QPrintPreviewDialog preview(&m_printer, this);
    preview.setWindowTitle(tr("Seitenansicht"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
        [this](QPrinter *printer) { printActiveView(*printer); });
    // Large enough to read a page, never larger than the screen.
    QSize size(900, 700);
    if (const QScreen *screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    preview.resize(size);
    preview.exec();
}

void CMainFrame::OnFilePrintSetup()
{
    m_ui->printSetup(m_printer);
}

// ---- views, zoom, help, about ----

void CMainFrame::OnViewGrafik()
{
    SwitchView(GraphViewId);
    // Back from the vertical section, the ladder or the cylinder to the view the
    // measurement dialog chose.
    if (m_graphView && m_graphView->shown() != GraphShown::Plot) {
        m_graphView->setShown(GraphShown::Plot);
        updateCommandUi();
    }
}

void CMainFrame::OnViewText()
{
    SwitchView(TextViewId);
}

void CMainFrame::OnView3d()
{
    SwitchView(View3dId);
}

void CMainFrame::OnGrafiklupe()
{
    if (auto *graph = qobject_cast<CGrafik *>(m_activeView))
        graph->OnGrafiklupe();
    updateCommandUi();
}

void CMainFrame::OnGanzeBohrung()
{
    if (auto *graph = qobject_cast<CGrafik *>(m_activeView))
        graph->showWhole();
    updateCommandUi();
}

void CMainFrame::OnHilfe()
{
    const QString page = m_helpPage.isEmpty() ? findHelpPage() : m_helpPage;
    if (page.isEmpty() || !QFileInfo(page).isFile()) {
        m_prompter->message(tr("Onlinehilfe nicht gefunden!").toStdString());
        return;
    }
    const bool first = !m_help;
    if (first) {
        m_help = new HelpWindow(this);
        m_help->setExternalOpener([this](const QUrl &url) {
            m_ui->openWithDesktop(url.isLocalFile() ? url.toLocalFile() : url.toString());
        });
    }
    // A help window that is open keeps its place in the page.
    if (!m_help->isVisible() && !m_help->openPage(page)) {
        m_prompter->message(tr("Onlinehilfe nicht gefunden!").toStdString());
        return;
    }
    if (first)
        m_help->move(frameGeometry().center() - m_help->rect().center());
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg about(this);
    about.exec();
}
