// The frame's commands, menu bar, toolbar, status bar and accelerator table.
#include "shell/commandids.h"
#include "shell/mainframe.h"
#include "shell/viewsettings.h"

#include "dialogs/dlginput.h"
#include "dialogs/documentcommands.h"
#include "document/dravondoc.h"
#include "geo/errormodelinputs.h"
#include "graph/view/grafik.h"
#include "graph3d/view/view3d.h"
#include "shell/fieldpanel.h"
#include "textview/dravonview.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QUndoGroup>
#include <QUndoStack>

#include <QRegularExpression>

#include <vector>

namespace {

QIcon toolIcon(const QString &name)
{
    return QIcon(QStringLiteral(":/dravon/icons/%1.svg").arg(name));
}

// What a command's button says when the pointer rests on it, unless it is told otherwise:
// its menu caption without the mnemonic and the trailing dots of a command that asks.
QString tipOfCaption(QString caption)
{
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
    for (const QString &dots :
        { QStringLiteral(" …"), QStringLiteral("..."), QStringLiteral("…") }) {
        if (caption.endsWith(dots)) {
            caption.chop(dots.size());
            break;
        }
    }
    return caption;
}

} // namespace

QString CMainFrame::keyText(const QKeySequence &key)
{
    // The modifier keys are named as the keyboards of the language label them; Qt's own
    // names would need Qt's catalogue of the language, which the program may lack.
    if (key.isEmpty())
        return {};
    const QKeyCombination combination = key[0];
    QStringList parts;
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    if (modifiers & Qt::ControlModifier)
        parts << tr("Strg");
    if (modifiers & Qt::AltModifier)
        parts << tr("Alt");
    if (modifiers & Qt::ShiftModifier)
        parts << tr("Umschalt");
    parts << QKeySequence(combination.key()).toString(QKeySequence::PortableText);
    return parts.join(QLatin1Char('+'));
}

QAction *CMainFrame::addCommand(
    int id, const QString &caption, const QString &prompt, const CommandExtras &extras)
{
    // Two commands under one number would silently share one action: the later would run
    // the earlier's handler. Every start of the program and of its tests stops here.
    if (m_actions.contains(id))
        qFatal("Befehlsnummer %d ist doppelt vergeben", id);
    // The caption names the key only where the menu always did; the key itself works
    // either way (createAccelerators).
    QString text = caption;
    if (extras.keyInCaption && !extras.key.isEmpty()) {
        text += QLatin1Char('\t');
        text += keyText(extras.key);
    }
    auto *action = new QAction(text, this);
    action->setData(id);
    action->setStatusTip(prompt);
    action->setToolTip(extras.tip.isEmpty() ? tipOfCaption(caption) : extras.tip);
    if (!extras.icon.isEmpty())
        action->setIcon(toolIcon(extras.icon));
    // The pictures belong to the toolbar; menu items show plain text and, for the
    // zoom, a check mark.
    action->setIconVisibleInMenu(false);
    // The keys are the accelerator table's business (createAccelerators), which runs a
    // command only while it is enabled, so the action has no shortcut of its own.
    if (!extras.key.isEmpty())
        m_commandKeys.emplace_back(extras.key, id);
    m_actions.insert(id, action);
    return action;
}

void CMainFrame::createActions()
{
    const auto key = [](const QKeySequence &sequence, bool inCaption, const char *iconName = "") {
        CommandExtras extras;
        extras.key = sequence;
        extras.keyInCaption = inCaption;
        extras.icon = QString::fromLatin1(iconName);
        return extras;
    };
    const auto tip = [](const QString &text, const char *iconName = "") {
        CommandExtras extras;
        extras.tip = text;
        extras.icon = QString::fromLatin1(iconName);
        return extras;
    };

    addCommand(ID_FILE_NEW, tr("&Neu"), tr("Erstellt ein neues Dokument."),
        key(QKeySequence(QKeySequence::New), true, "new"));
    addCommand(ID_FILE_OPEN, tr("Ö&ffnen..."), tr("Öffnet ein bestehendes Dokument."),
        key(QKeySequence(QKeySequence::Open), true, "open"));
    addCommand(ID_FILE_CLOSE, tr("&Schließen"),
        tr("Schließt das aktive Dokument; fragt, ob es gespeichert werden soll."),
        key(QKeySequence(Qt::CTRL | Qt::Key_W), true));
    addCommand(ID_FILE_SAVE, tr("S&peichern"), tr("Speichert das aktive Dokument."),
        key(QKeySequence(QKeySequence::Save), true, "save"));
    addCommand(ID_FILE_SAVE_AS, tr("Speichern &unter..."),
        tr("Speichert das aktive Dokument unter neuem Namen."));
    addCommand(ID_FELD_OEFFNEN, tr("Fe&ld öffnen …"),
        tr("Öffnet eine Felddatei oder legt sie an; ihr Baum steht im Bereich „Feld“"));
    addCommand(ID_FELD_SERVER, tr("Felddatenbank &verbinden …"),
        tr("Öffnet das Feld einer Datenbank auf einem PostgreSQL-Server im Bereich „Feld“"));
    addCommand(ID_TABLE_IMPORT, tr("Tabelle &importieren …"),
        tr("Liest Messwerte aus einer CSV- oder Excel-Datei in den Eingabedialog."));
    addCommand(ID_FILE_EXPORT, tr("E&xportieren …"),
        tr("Schreibt die berechneten Messpunkte als CSV- oder Excel-Datei."));
    addCommand(ID_EDIT_COPY, tr("&Kopieren"),
        tr("Kopiert die berechneten Messpunkte als Tabelle in die Zwischenablage."),
        key(QKeySequence(QKeySequence::Copy), true));
    addCommand(ID_KARTE_EXPORTIEREN, tr("&Karte exportieren (GeoJSON) …"),
        tr("Schreibt den Verlauf der Bohrung in WGS 84 als GeoJSON-Datei für Kartenprogramme"),
        tip(tr("Karte exportieren")));
    addCommand(ID_FILE_SAVE_IMAGE, tr("&Bild speichern …"),
        tr("Schreibt die angezeigte Grafik oder 3D-Ansicht als Bild (PNG, SVG oder PDF)"));
    addCommand(ID_FILE_PRINT, tr("&Drucken..."), tr("Druckt das aktive Dokument."),
        key(QKeySequence(QKeySequence::Print), true, "print"));
    addCommand(ID_FILE_PRINT_PREVIEW, tr("Sei&tenansicht"), tr("Zeigt ganze Seiten an."));
    addCommand(ID_FILE_PRINT_SETUP, tr("Drucker&einrichtung..."),
        tr("Ändert den Drucker und die Druckoptionen."));
    // Ctrl+Q on every platform (QKeySequence::Quit has no key on Windows).
    addCommand(ID_APP_EXIT, tr("&Beenden"),
        tr("Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen."),
        key(QKeySequence(Qt::CTRL | Qt::Key_Q), true));

    // The history's own actions name the step they take back or make again and are
    // greyed out while there is none; their keys go through the accelerator table.
    {
        // One pair of actions for the document's history and the "Feld" panel's: the
        // group's active stack is the one of the part that has the focus.
        m_undoGroup = new QUndoGroup(this);
        m_undoGroup->addStack(&m_commands->history().stack());
        m_undoGroup->setActiveStack(&m_commands->history().stack());
        QUndoGroup &stack = *m_undoGroup;
        QAction *undo = stack.createUndoAction(this);
        QAction *redo = stack.createRedoAction(this);
        // Qt's own captions would be English and put the name after a bare prefix; the
        // menu says "Rückgängig: <step>" with its key, and only the word without a step.
        const auto caption = [](QAction *action, const QString &word, const QString &format,
                                 const QKeySequence &key, const QString &step) {
            action->setText((step.isEmpty() ? word : format.arg(step)) + QLatin1Char('\t') + keyText(key));
        };
        const auto follow = [&](QAction *action, const QString &word, const QString &format,
                                const QKeySequence &key, auto textChanged, const QString &now) {
            caption(action, word, format, key, now);
            connect(&stack, textChanged, action,
                [=](const QString &step) { caption(action, word, format, key, step); });
        };
        follow(undo, tr("Rückgängig"), tr("Rückgängig: %1"), QKeySequence(Qt::CTRL | Qt::Key_Z),
            &QUndoGroup::undoTextChanged, stack.undoText());
        follow(redo, tr("Wiederholen"), tr("Wiederholen: %1"), QKeySequence(Qt::CTRL | Qt::Key_Y),
            &QUndoGroup::redoTextChanged, stack.redoText());
        undo->setStatusTip(tr("Nimmt die letzte Änderung des Dokuments zurück."));
        // The status tip above is the document's; the field's steps say their own.
        redo->setStatusTip(tr("Stellt die zuletzt zurückgenommene Änderung wieder her."));
        undo->setData(ID_EDIT_UNDO);
        redo->setData(ID_EDIT_REDO);
        m_actions.insert(ID_EDIT_UNDO, undo);
        m_actions.insert(ID_EDIT_REDO, redo);
        m_commandKeys.emplace_back(QKeySequence(Qt::CTRL | Qt::Key_Z), ID_EDIT_UNDO);
        m_commandKeys.emplace_back(QKeySequence(Qt::CTRL | Qt::Key_Y), ID_EDIT_REDO);
        m_commandKeys.emplace_back(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), ID_EDIT_REDO);
    }
    addCommand(ID_DATA_CHANGE, tr("Daten ändern"), tr("Eingabedatei aufbauen bzw. ändern"),
        key(QKeySequence(Qt::Key_F2), true, "datachange"));
    addCommand(ID_BOHRUNG, tr("&Bohrung …"),
        tr("Ansatzpunkt, Koordinatenbezugssystem und Nordrichtung der Bohrung"));
    addCommand(ID_NACHBARBOHRUNGEN, tr("&Nachbarbohrungen …"),
        tr("Nachbarbohrungen, mit denen der Abstand und der Trennfaktor nach ISCWSA verglichen "
           "werden"));
    addCommand(ID_ABSTAND_ALLE, tr("Abstand zu &allen …"),
        tr("Die Bohrung mit allen Bohrpfaden des offenen Felds im Umkreis vergleichen, wie das "
           "Feld sie jeweils hält"));
    addCommand(ID_FELDBEZUG_LOESEN, tr("Vom Feld lösen"),
        tr("Die Bohrpfade des Felds sind nicht mehr die Nachbarn der Bohrung"));
    addCommand(ID_PLANUNG, tr("&Planung …"),
        tr("Die geplante Bahn: Ansatz, Abschnitte und Ziele, mit der Vorschau der Planung"));
    addCommand(ID_PLANUNG_MESSPUNKTE, tr("Planung als Messpunkte übernehmen"),
        tr("Die Stationen der Planung werden die Messpunkte: Unsicherheit, Abstand zu den "
           "Nachbarbohrungen, Leiter und Zylinder der geplanten Bahn"));
    addCommand(ID_INTERPOLATION, tr("Interpolation"), tr("Interpoliert bei vorgegebener Teufe"));
    addCommand(ID_PATH_INTERPOLATION, tr("Interpolation entlang der Bahn …"),
        tr("Punkte auf der Bahn bei Teufe oder Seigerteufe und Listen in Teufenschritten"));
    addCommand(ID_ERGEBNISSE_AUSGEBEN, tr("Ergebnisse ausgeben"),
        tr("Ergebnisse in die Datei AUS.TXT ausgeben"));
    addCommand(ID_ERGEBNISSE_EINLESEN, tr("Ergebnisse einlesen"),
        tr("ERgebnisse der Datei AUS.TXT einlesen"));

    QAction *toolbar = addCommand(ID_VIEW_TOOLBAR, tr("&Symbolleiste"),
        tr("Blendet die Symbolleiste ein oder aus."), tip(tr("Symbolleiste ein-/ausschalten")));
    toolbar->setCheckable(true);
    QAction *statusbar = addCommand(ID_VIEW_STATUS_BAR, tr("S&tatusleiste"),
        tr("Blendet die Statusleiste ein oder aus."), tip(tr("Statusleiste ein-/ausschalten")));
    statusbar->setCheckable(true);
    addCommand(ID_VIEW_GRAFIK, tr("Grafik"), tr("Zeigt die Ergebnisse als Grafik an"),
        key(QKeySequence(Qt::Key_F3), true, "graph"));
    addCommand(ID_VIEW_TEXT, tr("Text"), tr("Zeigt die Ergebnisse als Tabelle an"),
        key(QKeySequence(Qt::Key_F4), true, "text"));
    addCommand(ID_VIEW_3D, tr("3D"),
        tr("Zeigt die Bohrung räumlich: mit der linken Maustaste drehen, mit der mittleren "
           "verschieben, mit dem Rad vergrößern"),
        [&] {
            CommandExtras extras = key(QKeySequence(Qt::Key_F5), true);
            extras.tip = tr("3D-Ansicht");
            return extras;
        }());
    addCommand(ID_GRAFIKLUPE, tr("Grafik Lupe an"),
        tr("Grafik Lupe: vergrößert die Mitte der Grafik; ist sie schon vergrößert, zeigt sie "
           "wieder die ganze Bohrung"),
        tip(tr("Grafik Lupe"), "zoom"))
        ->setCheckable(true);
    // Pos1 is the graph view's own key (the text view and the panels keep theirs), named
    // in the prompt.
    addCommand(ID_GANZE_BOHRUNG, tr("Ganze Bohrung zeigen"),
        tr("Zeigt wieder die ganze Bohrung in der Grafik (Pos1). Mausrad: vergrößern; linke "
           "Maustaste ziehen: verschieben; mit Strg ziehen: Ausschnitt vergrößern"),
        tip(tr("Ganze Bohrung zeigen"), "fit"));
    // A setting of the user, not of the document: remembered across sessions.
    QAction *trueScale = addCommand(ID_MASSSTABSGETREU, tr("Maßstabsgetreu"),
        tr("Zeichnet die Seitenansicht ohne Überhöhung, waagerecht und senkrecht im gleichen "
           "Maßstab"));
    trueScale->setCheckable(true);
    trueScale->setChecked(loadTrueScale());
    // Also a setting of the user, remembered; it draws something only for a well with an
    // error model, and says why not otherwise (updateCommandUi).
    QAction *uncertainty = addCommand(ID_UNSICHERHEIT, tr("Unsicherheit"), uncertaintyPrompt());
    uncertainty->setCheckable(true);
    m_uncertaintyWanted = loadUncertaintyShown();
    addCommand(ID_VIEW_SECTION, tr("Vertikalschnitt"),
        tr("Zeigt die Seigerteufe über dem Vertikalschnitt entlang des Schnittazimuts"));
    addCommand(ID_VIEW_LADDER, tr("Abstand"),
        tr("Zeigt Abstand und Trennfaktor der Nachbarbohrungen über der Teufe"),
        key(QKeySequence(Qt::Key_F7), true));
    addCommand(ID_VIEW_CYLINDER, tr("Zylinder"),
        tr("Zeigt die Nachbarbohrungen im mitlaufenden Zylinder: Abstand und Winkel von der "
           "Hochseite"),
        key(QKeySequence(Qt::Key_F8), true));
    addCommand(ID_VIEW_SETTINGS, tr("Einstellungen …"),
        tr("Azimut des Vertikalschnitts und Einheit der Listen"));

    addCommand(ID_APP_ABOUT, tr("Inf&o über dravon..."),
        tr("Zeigt Programminformationen, Versionsnummer und Copyright an."),
        tip(tr("Info"), "about"));
    addCommand(ID_HILFE, tr("Hilfe"), tr("Zeigt die Online Hilfe an"),
        key(QKeySequence(QKeySequence::HelpContents), true));

    // The views are one choice: the menu and the toolbar mark the one shown
    // (updateCommandUi).
    m_viewGroup = new QActionGroup(this);
    m_viewGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (const int id : { ID_VIEW_GRAFIK, ID_VIEW_TEXT, ID_VIEW_SECTION, ID_VIEW_LADDER,
             ID_VIEW_CYLINDER, ID_VIEW_3D }) {
        action(id)->setCheckable(true);
        m_viewGroup->addAction(action(id));
    }

    connect(action(ID_FILE_NEW), &QAction::triggered, this, &CMainFrame::OnFileNew);
    connect(action(ID_FILE_OPEN), &QAction::triggered, this, &CMainFrame::OnFileOpen);
    connect(action(ID_FILE_CLOSE), &QAction::triggered, this, [this] { closeDocument(); });
    connect(action(ID_FELD_OEFFNEN), &QAction::triggered, this, [this] { openField(); });
    connect(action(ID_FELD_SERVER), &QAction::triggered, this, [this] { openFieldServer(); });
    connect(action(ID_FILE_SAVE), &QAction::triggered, this, [this] { doSave(false); });
    connect(action(ID_FILE_SAVE_AS), &QAction::triggered, this, [this] { doSave(true); });
    connect(action(ID_FILE_PRINT), &QAction::triggered, this, &CMainFrame::OnFilePrint);
    connect(
        action(ID_FILE_PRINT_PREVIEW), &QAction::triggered, this, &CMainFrame::OnFilePrintPreview);
    connect(action(ID_FILE_PRINT_SETUP), &QAction::triggered, this, &CMainFrame::OnFilePrintSetup);
    connect(action(ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);
    connect(
        action(ID_DATA_CHANGE), &QAction::triggered, this, [this] { m_commands->OnDataChange(); });
    connect(action(ID_TABLE_IMPORT), &QAction::triggered, this, [this] {
        // The measurement dialog opens as for "Daten ändern" and starts with its table
        // import; the stations reach the document only when the user confirms it.
        QTimer::singleShot(0, this, [] {
            if (auto *dialog = qobject_cast<DlgInput *>(QApplication::activeModalWidget()))
                dialog->importTable();
        });
        m_commands->OnDataChange();
    });
    connect(action(ID_FILE_EXPORT), &QAction::triggered, this, &CMainFrame::OnFileExport);
    connect(action(ID_EDIT_COPY), &QAction::triggered, this, &CMainFrame::OnEditCopy);
    connect(action(ID_FILE_SAVE_IMAGE), &QAction::triggered, this, [this] { saveImage(); });
    connect(action(ID_BOHRUNG), &QAction::triggered, this, [this] { editWellSettings(); });
    connect(action(ID_NACHBARBOHRUNGEN), &QAction::triggered, this, [this] { editOffsets(); });
    connect(action(ID_ABSTAND_ALLE), &QAction::triggered, this, [this] { scanField(); });
    connect(action(ID_FELDBEZUG_LOESEN), &QAction::triggered, this, [this] { unlinkField(); });
    connect(action(ID_PLANUNG), &QAction::triggered, this, [this] { editPlan(); });
    connect(action(ID_PLANUNG_MESSPUNKTE), &QAction::triggered, this, [this] { takePlanAsSurvey(); });
    connect(action(ID_KARTE_EXPORTIEREN), &QAction::triggered, this, [this] { exportMap(); });
    connect(action(ID_INTERPOLATION), &QAction::triggered, this,
        [this] { m_commands->OnInterpolation(); });
    connect(
        action(ID_PATH_INTERPOLATION), &QAction::triggered, this, &CMainFrame::OnPathInterpolation);
    connect(action(ID_VIEW_SECTION), &QAction::triggered, this, &CMainFrame::OnViewSection);
    connect(action(ID_VIEW_LADDER), &QAction::triggered, this,
        [this] { showOffsetView(GraphShown::Ladder); });
    connect(action(ID_VIEW_CYLINDER), &QAction::triggered, this,
        [this] { showOffsetView(GraphShown::Cylinder); });
    connect(action(ID_VIEW_SETTINGS), &QAction::triggered, this, &CMainFrame::OnViewSettings);
    connect(action(ID_ERGEBNISSE_AUSGEBEN), &QAction::triggered, this,
        [this] { m_commands->OnErgebnisseAusgeben(); });
    connect(action(ID_ERGEBNISSE_EINLESEN), &QAction::triggered, this,
        [this] { m_commands->OnErgebnisseEinlesen(); });
    connect(toolbar, &QAction::triggered, this, [this](bool on) {
        m_toolBar->setVisible(on);
        updateCommandUi();
    });
    connect(statusbar, &QAction::triggered, this, [this](bool on) {
        statusBar()->setVisible(on);
        updateCommandUi();
    });
    connect(action(ID_VIEW_GRAFIK), &QAction::triggered, this, &CMainFrame::OnViewGrafik);
    connect(action(ID_VIEW_TEXT), &QAction::triggered, this, &CMainFrame::OnViewText);
    connect(action(ID_VIEW_3D), &QAction::triggered, this, &CMainFrame::OnView3d);
    connect(action(ID_GRAFIKLUPE), &QAction::triggered, this, &CMainFrame::OnGrafiklupe);
    connect(action(ID_GANZE_BOHRUNG), &QAction::triggered, this, &CMainFrame::OnGanzeBohrung);
    connect(trueScale, &QAction::toggled, this, [this](bool on) {
        saveTrueScale(on);
        if (m_graphView)
            m_graphView->setTrueScale(on);
    });
    // Only a click changes the setting; the check mark that updateCommandUi sets shows
    // whether anything is drawn.
    connect(uncertainty, &QAction::triggered, this, [this](bool on) {
        m_uncertaintyWanted = on;
        saveUncertaintyShown(on);
        if (m_graphView)
            m_graphView->setUncertaintyShown(on);
        if (m_view3d)
            m_view3d->setUncertaintyShown(on);
        updateCommandUi();
    });
    connect(action(ID_APP_ABOUT), &QAction::triggered, this, &CMainFrame::OnAppAbout);
    connect(action(ID_HILFE), &QAction::triggered, this, &CMainFrame::OnHilfe);

    for (int i = 0; i < RecentFileList::kSize; ++i) {
        auto *entry = new QAction(this);
        entry->setData(ID_FILE_MRU_FILE1 + i);
        entry->setStatusTip(tr("Öffnet dieses Dokument."));
        connect(entry, &QAction::triggered, this, [this, i] { OnRecentFile(i); });
        m_mru[static_cast<size_t>(i)] = entry;
    }
    m_mruPlaceholder = new QAction(tr("Letzte Datei"), this);
    m_mruPlaceholder->setData(ID_FILE_MRU_FILE1);
    m_mruPlaceholder->setEnabled(false);
}

void CMainFrame::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&Datei"));
    file->addAction(action(ID_FILE_NEW));
    file->addAction(action(ID_FILE_OPEN));
    file->addAction(action(ID_FILE_SAVE));
    file->addAction(action(ID_FILE_SAVE_AS));
    file->addAction(action(ID_FILE_CLOSE));
    file->addSeparator();
    file->addAction(action(ID_FELD_OEFFNEN));
    file->addAction(action(ID_FELD_SERVER));
    file->addAction(action(ID_TABLE_IMPORT));
    file->addAction(action(ID_FILE_EXPORT));
    file->addAction(action(ID_KARTE_EXPORTIEREN));
    file->addAction(action(ID_FILE_SAVE_IMAGE));
    file->addSeparator();
    file->addAction(action(ID_FILE_PRINT));
    file->addAction(action(ID_FILE_PRINT_PREVIEW));
    file->addAction(action(ID_FILE_PRINT_SETUP));
    file->addSeparator();
    file->addAction(m_mruPlaceholder);
    for (QAction *entry : m_mru)
        file->addAction(entry);
    file->addSeparator();
    file->addAction(action(ID_APP_EXIT));

    QMenu *edit = menuBar()->addMenu(tr("&Bearbeiten"));
    edit->addAction(action(ID_EDIT_UNDO));
    edit->addAction(action(ID_EDIT_REDO));
    edit->addSeparator();
    edit->addAction(action(ID_EDIT_COPY));
    edit->addSeparator();
    edit->addAction(action(ID_DATA_CHANGE));
    edit->addAction(action(ID_BOHRUNG));
    edit->addAction(action(ID_NACHBARBOHRUNGEN));
    edit->addAction(action(ID_ABSTAND_ALLE));
    edit->addAction(action(ID_FELDBEZUG_LOESEN));
    edit->addAction(action(ID_PLANUNG));
    edit->addAction(action(ID_PLANUNG_MESSPUNKTE));
    edit->addAction(action(ID_INTERPOLATION));
    edit->addAction(action(ID_PATH_INTERPOLATION));
    edit->addAction(action(ID_ERGEBNISSE_AUSGEBEN));
    edit->addAction(action(ID_ERGEBNISSE_EINLESEN));

    QMenu *view = menuBar()->addMenu(tr("&Ansicht"));
    view->addAction(action(ID_VIEW_TOOLBAR));
    view->addAction(action(ID_VIEW_STATUS_BAR));
    view->addAction(action(ID_VIEW_GRAFIK));
    view->addAction(action(ID_VIEW_TEXT));
    view->addAction(action(ID_VIEW_SECTION));
    view->addAction(action(ID_VIEW_LADDER));
    view->addAction(action(ID_VIEW_CYLINDER));
    view->addAction(action(ID_VIEW_3D));
    view->addAction(action(ID_GRAFIKLUPE));
    view->addAction(action(ID_GANZE_BOHRUNG));
    view->addAction(action(ID_MASSSTABSGETREU));
    view->addAction(action(ID_UNSICHERHEIT));
    view->addSeparator();
    view->addAction(action(ID_VIEW_SETTINGS));

    QMenu *help = menuBar()->addMenu(tr("&Hilfe"));
    help->addAction(action(ID_HILFE));
    help->addSeparator();
    help->addAction(action(ID_APP_ABOUT));

    // The rules are applied again before a menu opens, as they are before the context
    // menu opens.
    for (QMenu *menu : { file, edit, view, help })
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandUi);
    // A greyed-out item gets no hover of its own: eventFilter says why for it.
    m_viewMenu = view;
    view->installEventFilter(this);
}

QString CMainFrame::uncertaintyPrompt()
{
    return tr("Zeichnet die Fehlerellipsen der Messpunkte in der Draufsicht, ein Band um den "
              "Verlauf in der Seitenansicht und im Vertikalschnitt und einen Schlauch in der "
              "3D-Ansicht");
}

QString CMainFrame::uncertaintyUnavailable() const
{
    const WellSettings &settings = m_doc->settings();
    if (!settings.uncertainty.hasModel())
        return tr("Keine Unsicherheit: Die Bohrung hat kein Fehlermodell (Bearbeiten > "
                  "Bohrung …).");
    // Where the geomagnetic model would have given the value, why it did not.
    const std::string reason = geo::missingInputReason(settings, m_doc->uncertaintyMissing());
    const QString because = reason.empty() ? QString() : ' ' + QString::fromStdString(reason);
    switch (m_doc->uncertaintyMissing()) {
    case unc::MissingInput::TotalField:
        return tr("Keine Unsicherheit: Dem Fehlermodell fehlt die Totalintensität des "
                  "Erdmagnetfelds (Bearbeiten > Bohrung …).")
            + because;
    case unc::MissingInput::Dip:
        return tr("Keine Unsicherheit: Dem Fehlermodell fehlt die Inklination des "
                  "Erdmagnetfelds (Bearbeiten > Bohrung …).")
            + because;
    case unc::MissingInput::Declination:
        return tr("Keine Unsicherheit: Dem Fehlermodell fehlt die Deklination, denn die Azimute "
                  "sind nicht auf magnetisch Nord bezogen (Bearbeiten > Bohrung …).")
            + because;
    case unc::MissingInput::Convergence:
        return tr("Keine Unsicherheit: Dem Fehlermodell fehlt die Meridiankonvergenz, denn die "
                  "Azimute sind auf Gitter-Nord bezogen (Bearbeiten > Bohrung …).");
    case unc::MissingInput::Program:
        return tr("Keine Unsicherheit: %1 (Bearbeiten > Bohrung …)")
            .arg(QString::fromStdString(m_doc->uncertaintyRefusal()));
    case unc::MissingInput::None:
        break;
    }
    return {};
}

bool CMainFrame::eventFilter(QObject *watched, QEvent *event)
{
    // The greyed-out "Unsicherheit" says why, in the status bar while the pointer rests
    // on it and as its tooltip.
    if (watched == m_viewMenu) {
        QAction *uncertainty = action(ID_UNSICHERHEIT);
        const auto greyedAt = [&](QPoint pos) {
            return m_viewMenu->actionAt(pos) == uncertainty && !uncertainty->isEnabled();
        };
        switch (event->type()) {
        case QEvent::MouseMove: {
            const bool over = greyedAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            if (over)
                statusBar()->showMessage(uncertainty->statusTip());
            else if (m_reasonShown)
                statusBar()->showMessage(readyText());
            m_reasonShown = over;
            break;
        }
        case QEvent::ToolTip: {
            const auto *help = static_cast<QHelpEvent *>(event);
            if (greyedAt(help->pos())) {
                QToolTip::showText(help->globalPos(), uncertainty->toolTip(), m_viewMenu);
                return true;
            }
            break;
        }
        case QEvent::Hide:
            if (m_reasonShown)
                statusBar()->showMessage(readyText());
            m_reasonShown = false;
            break;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::createToolBar()
{
    m_toolBar = new QToolBar(tr("Symbolleiste"), this);
    m_toolBar->setObjectName(QStringLiteral("Symbolleiste"));
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->addAction(action(ID_FILE_NEW));
    m_toolBar->addAction(action(ID_FILE_OPEN));
    m_toolBar->addAction(action(ID_FILE_SAVE));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(ID_VIEW_GRAFIK));
    m_toolBar->addAction(action(ID_VIEW_TEXT));
    m_toolBar->addAction(action(ID_DATA_CHANGE));
    m_toolBar->addAction(action(ID_GRAFIKLUPE));
    m_toolBar->addAction(action(ID_GANZE_BOHRUNG));
    m_toolBar->addAction(action(ID_FILE_PRINT));
    m_toolBar->addAction(action(ID_APP_ABOUT));
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    connect(m_toolBar, &QToolBar::visibilityChanged, this, &CMainFrame::updateCommandUi);
}

void CMainFrame::createStatusBar()
{
    QStatusBar *bar = statusBar();
    const char *const texts[] = { "UF", "NUM", "RF" };
    for (size_t i = 0; i < m_indicators.size(); ++i) {
        auto *label = new QLabel(QString::fromLatin1(texts[i]), bar);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("NUM")) + 12);
        bar->addPermanentWidget(label);
        m_indicators[i] = label;
    }
    // The message pane says "Bereit" whenever no prompt is shown.
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString &message) {
        if (message.isEmpty())
            bar->showMessage(readyText());
    });
    bar->showMessage(readyText());
}

void CMainFrame::createAccelerators()
{
    struct Accelerator
    {
        QKeySequence key;
        int command; // 0: a key that is taken and does nothing
    };
    // The commands' keys come with the commands (addCommand); the edit and pane keys
    // have no command in this program but stay taken.
    std::vector<Accelerator> table;
    for (const auto &[key, command] : m_commandKeys)
        table.push_back({ key, command });
    for (const QKeySequence &taken : { QKeySequence(Qt::CTRL | Qt::Key_V),
             QKeySequence(Qt::ALT | Qt::Key_Backspace), QKeySequence(Qt::SHIFT | Qt::Key_Delete),
             QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6),
             QKeySequence(Qt::CTRL | Qt::Key_Insert), QKeySequence(Qt::SHIFT | Qt::Key_Insert),
             QKeySequence(Qt::CTRL | Qt::Key_X) })
        table.push_back({ taken, 0 });
    for (const Accelerator &entry : table) {
        auto *key = new QAction(this);
        key->setShortcut(entry.key);
        key->setShortcutContext(Qt::WindowShortcut);
        key->setAutoRepeat(false);
        const int command = entry.command;
        // A key reaches its command only while the command is enabled, like a menu
        // click; the edit and pane keys have no command in this program.
        connect(key, &QAction::triggered, this, [this, command] {
            if (command == 0)
                return;
            updateCommandUi();
            QAction *target = action(command);
            if (target && target->isEnabled())
                target->trigger();
        });
        addAction(key);
    }
}

void CMainFrame::updateRecentMenu()
{
    const QStringList &files = m_recent.files();
    m_mruPlaceholder->setVisible(files.isEmpty());
    for (int i = 0; i < RecentFileList::kSize; ++i) {
        QAction *entry = m_mru[static_cast<size_t>(i)];
        const bool used = i < files.size();
        entry->setVisible(used);
        if (used)
            entry->setText(m_recent.menuText(i));
    }
}

void CMainFrame::updateCommandUi()
{
    const bool graphShown = qobject_cast<CGrafik *>(m_activeView) != nullptr;
    const bool textShown = qobject_cast<CDravonView *>(m_activeView) != nullptr;
    const bool view3dShown = qobject_cast<View3d *>(m_activeView) != nullptr;
    const GraphShown shown = graphShown ? m_graphView->shown() : GraphShown::Plot;
    // The views are always there to choose; the one shown is checked (choosing it again
    // changes nothing). "Grafik" also leads back from the vertical section, the ladder
    // and the cylinder.
    QAction *current = textShown ? action(ID_VIEW_TEXT)
        : view3dShown            ? action(ID_VIEW_3D)
        : !graphShown            ? nullptr
        : shown == GraphShown::Section ? action(ID_VIEW_SECTION)
        : shown == GraphShown::Ladder  ? action(ID_VIEW_LADDER)
        : shown == GraphShown::Cylinder ? action(ID_VIEW_CYLINDER)
                                        : action(ID_VIEW_GRAFIK);
    if (current)
        current->setChecked(true);
    else if (QAction *checked = m_viewGroup->checkedAction())
        checked->setChecked(false);
    // An image of what is shown: the graph or the 3D view of a computed path.
    action(ID_FILE_SAVE_IMAGE)->setEnabled((graphShown || view3dShown) && hasTrajectory());
    // While the text view is active the zoom is disabled; in the graph view it shows
    // the zoom state as its check mark.
    QAction *zoom = action(ID_GRAFIKLUPE);
    zoom->setEnabled(graphShown);
    zoom->setChecked(m_graphView && m_graphView->isZoomed());
    action(ID_GANZE_BOHRUNG)->setEnabled(graphShown);
    // The plan's stations can become the survey where the plan computes.
    action(ID_PLANUNG_MESSPUNKTE)->setEnabled(m_doc && m_doc->analysis().plan().ok());
    // The field's wellbores need an open field, or a link to take back.
    action(ID_ABSTAND_ALLE)->setEnabled(m_doc && m_field && m_field->database());
    action(ID_FELDBEZUG_LOESEN)->setEnabled(m_doc && m_doc->settings().field.has_value());
    // Export and copy need a computed station.
    action(ID_FILE_EXPORT)->setEnabled(hasTrajectory());
    action(ID_EDIT_COPY)->setEnabled(hasTrajectory());
    // "Unsicherheit" needs a well with an error model whose inputs are all there; greyed
    // out, it says what is missing.
    const QString missing = uncertaintyUnavailable();
    QAction *uncertainty = action(ID_UNSICHERHEIT);
    uncertainty->setEnabled(missing.isEmpty());
    uncertainty->setChecked(missing.isEmpty() && m_uncertaintyWanted);
    uncertainty->setStatusTip(missing.isEmpty() ? uncertaintyPrompt() : missing);
    uncertainty->setToolTip(missing.isEmpty() ? tipOfCaption(uncertainty->text()) : missing);
    action(ID_VIEW_TOOLBAR)->setChecked(m_toolBar && !m_toolBar->isHidden());
    action(ID_VIEW_STATUS_BAR)->setChecked(!statusBar()->isHidden());
    updateRecentMenu();
}
