// The main frame's commands: start state, menus and toolbar, view switching with its
// enable rules, the context menu, the accelerator keys, help and zoom.
#include "guifixture.h"

#include "graph/view/grafik.h"
#include "shell/commandids.h"
#include "shell/helpwindow.h"
#include "shell/messagespanel.h"
#include "textview/dravonview.h"
#include "textview/tablepage.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintPreviewWidget>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QAbstractButton>
#include <QToolBar>
#include <QUrl>

namespace {

QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *a : menu->actions()) {
        if (a->isSeparator())
            texts << QStringLiteral("--");
        else if (a->isVisible())
            texts << a->text();
    }
    return texts;
}

QMenu *topMenu(CMainFrame &frame, int index)
{
    return frame.menuBar()->actions().at(index)->menu();
}

} // namespace

using FrameCommands = ShellTest;

TEST_F(FrameCommands, StartStateShowsTheTextViewCheckedAndZoomDisabled)
{
    EXPECT_EQ(frame->GetActiveView(), frame->textView());
    EXPECT_EQ(frame->graphView(), nullptr);
    EXPECT_FALSE(frame->action(ID_VIEW_GRAFIK)->isChecked());
    EXPECT_TRUE(frame->action(ID_VIEW_TEXT)->isChecked());
    EXPECT_FALSE(frame->action(ID_GRAFIKLUPE)->isEnabled());
    EXPECT_EQ(shownTitle(*frame), QStringLiteral("Unbenannt - dravon"));
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Bereit"));
    // The toolbar shows the same commands, so its buttons show the view shown pressed.
    auto *textButton = qobject_cast<QAbstractButton *>(
        frame->toolBar()->widgetForAction(frame->action(ID_VIEW_TEXT)));
    ASSERT_NE(textButton, nullptr);
    EXPECT_TRUE(textButton->isChecked());
    auto *graphButton = qobject_cast<QAbstractButton *>(
        frame->toolBar()->widgetForAction(frame->action(ID_VIEW_GRAFIK)));
    ASSERT_NE(graphButton, nullptr);
    EXPECT_TRUE(graphButton->isEnabled());
    EXPECT_FALSE(graphButton->isChecked());
}

TEST_F(FrameCommands, MenuBarHasTheGermanCaptionsInOrder)
{
    QStringList titles;
    for (QAction *a : frame->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList { "&Datei", "&Bearbeiten", "&Ansicht", "&Hilfe" }));
    // The table import, the export and the map export (the borehole's path in WGS 84 as
    // GeoJSON) have their own group after the document commands; "Bild speichern …" (the
    // graph or the 3D view as PNG, SVG or PDF) joins them, and "Feld öffnen …" and
    // "Felddatenbank verbinden …" (the field of a file or a server in its panel) lead them.
    EXPECT_EQ(menuTexts(topMenu(*frame, 0)),
        (QStringList { "&Neu\tStrg+N", "Ö&ffnen...\tStrg+O", "S&peichern\tStrg+S",
            "Speichern &unter...", "&Schließen\tStrg+W", "--", "Fe&ld öffnen …",
            "Felddatenbank &verbinden …", "Tabelle &importieren …", "E&xportieren …",
            "&Karte exportieren (GeoJSON) …", "&Bild speichern …", "--", "&Drucken...\tStrg+P",
            "Sei&tenansicht", "Drucker&einrichtung...", "--", "Letzte Datei", "--",
            "&Beenden\tStrg+Q" }));
    EXPECT_FALSE(frame->recentPlaceholder()->isEnabled());
    // "Kopieren" is new: Ctrl+C puts the computed stations on the clipboard; so are
    // "Bohrung …" (the settings that place the borehole in the field), "Nachbarbohrungen …"
    // (the offset wells of the clearance scan, next to the well's own settings) with
    // "Abstand zu allen …" and "Vom Feld lösen" (a field's wellbores as the neighbours), "Planung …"
    // (the well plan and its targets) with "Planung als Messpunkte übernehmen" (its stations
    // as the survey of a well being planned) and "Interpolation entlang der Bahn …" (points on the
    // arc next to the legacy straight-line interpolation).
    // "Rückgängig" and "Wiederholen" take the document's changes back and make them again;
    // with nothing to take back they name no step.
    EXPECT_EQ(menuTexts(topMenu(*frame, 1)),
        (QStringList { "Rückgängig\tStrg+Z", "Wiederholen\tStrg+Y", "--", "&Kopieren\tStrg+C", "--", "Daten ändern\tF2", "&Bohrung …",
            "&Nachbarbohrungen …", "Abstand zu &allen …", "Vom Feld lösen", "&Planung …", "Planung als Messpunkte übernehmen", "Interpolation", "Interpolation entlang der Bahn …",
            "Ergebnisse ausgeben", "Ergebnisse einlesen" }));
    EXPECT_EQ(menuTexts(topMenu(*frame, 2)),
        // "Maßstabsgetreu" is new: the side view drawn without exaggeration; so are the
        // third graph view "Vertikalschnitt", the view settings, "Unsicherheit" (the
        // error ellipses and bands of a well with an error model), the views of the
        // neighbouring wells "Abstand" (the ladder) and "Zylinder" (the travelling
        // cylinder) and "3D" (the well in three dimensions), each with its key, and
        // "Meldungen", the panel of the computation's remarks beside the bars, "Stationen",
        // the panel of the stations edited in place, "Feld", the panel of the field file's
        // tree, and "Ganze Bohrung zeigen", the graph without its zoom again (Pos1 in the
        // graph).
        (QStringList { "&Symbolleiste", "S&tatusleiste", "Meldungen", "Stationen", "Feld", "Grafik	F3", "Text	F4",
            "Vertikalschnitt", "Abstand\tF7", "Zylinder\tF8", "3D\tF5", "Grafik Lupe an",
            "Ganze Bohrung zeigen", "Maßstabsgetreu", "Unsicherheit", "--", "Einstellungen …" }));
    EXPECT_EQ(menuTexts(topMenu(*frame, 3)),
        (QStringList { "Hilfe\tF1", "--", "Inf&o über dravon..." }));
    // Menu items show no pictures, so the zoom shows as a plain check mark.
    for (int i = 0; i < 4; ++i) {
        for (QAction *a : topMenu(*frame, i)->actions())
            EXPECT_FALSE(!a->icon().isNull() && a->isIconVisibleInMenu())
                << a->text().toStdString();
    }
}

TEST_F(FrameCommands, ToolbarHasItsButtonsWithPromptsAndTooltips)
{
    QList<int> ids;
    for (QAction *a : frame->toolBar()->actions())
        ids << (a->isSeparator() ? 0 : a->data().toInt());
    EXPECT_EQ(ids,
        (QList<int> { ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_VIEW_GRAFIK, ID_VIEW_TEXT,
            ID_DATA_CHANGE, ID_GRAFIKLUPE, ID_GANZE_BOHRUNG, ID_FILE_PRINT, ID_APP_ABOUT }));
    EXPECT_EQ(frame->toolBar()->iconSize(), QSize(16, 15));
    for (QAction *a : frame->toolBar()->actions()) {
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->data().toInt();
        }
    }
    EXPECT_EQ(frame->action(ID_DATA_CHANGE)->statusTip(),
        QStringLiteral("Eingabedatei aufbauen bzw. ändern"));
    EXPECT_EQ(frame->action(ID_DATA_CHANGE)->toolTip(), QStringLiteral("Daten ändern"));
    EXPECT_EQ(
        frame->action(ID_FILE_NEW)->statusTip(), QStringLiteral("Erstellt ein neues Dokument."));
    EXPECT_EQ(frame->action(ID_FILE_NEW)->toolTip(), QStringLiteral("Neu"));
    EXPECT_EQ(frame->action(ID_GRAFIKLUPE)->toolTip(), QStringLiteral("Grafik Lupe"));
    EXPECT_EQ(frame->action(ID_APP_ABOUT)->toolTip(), QStringLiteral("Info"));
}

TEST_F(FrameCommands, StatusBarShowsAPromptAndReturnsToBereit)
{
    const QStringList indicators = [this] {
        QStringList texts;
        for (QLabel *l : frame->statusBar()->findChildren<QLabel *>())
            texts << l->text();
        return texts;
    }();
    EXPECT_TRUE(
        indicators.contains("UF") && indicators.contains("NUM") && indicators.contains("RF"));
    frame->action(ID_VIEW_GRAFIK)->showStatusText(frame.get());
    EXPECT_EQ(
        frame->statusBar()->currentMessage(), QStringLiteral("Zeigt die Ergebnisse als Grafik an"));
    QStatusTipEvent leave { QString() };
    QApplication::sendEvent(frame.get(), &leave);
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Bereit"));
}

TEST_F(FrameCommands, SwitchingCreatesExactlyOneGraphViewAndReusesIt)
{
    press(Qt::Key_F3);
    CGrafik *graph = frame->graphView();
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(frame->GetActiveView(), graph);
    EXPECT_TRUE(graph->isVisible());
    EXPECT_FALSE(frame->textView()->isVisible());
    graph->viewport()->repaint();
    // The first drawing finds new data and computes.
    EXPECT_EQ(graph->page().m_bComputed, 1);
    // The view keeps its own record of the data it scaled instead of clearing the
    // document's new-data flag: the document is only read.
    EXPECT_GT(graph->page().m_scaledRevision, 0u);
    EXPECT_TRUE(frame->action(ID_VIEW_GRAFIK)->isChecked());
    EXPECT_FALSE(frame->action(ID_VIEW_TEXT)->isChecked());
    EXPECT_TRUE(frame->action(ID_GRAFIKLUPE)->isEnabled());
    EXPECT_TRUE(frame->action(ID_GRAFIKLUPE)->isCheckable());

    press(Qt::Key_F4);
    EXPECT_EQ(frame->GetActiveView(), frame->textView());
    EXPECT_TRUE(frame->textView()->isVisible());
    EXPECT_FALSE(frame->action(ID_GRAFIKLUPE)->isEnabled());

    press(Qt::Key_F3);
    EXPECT_EQ(frame->graphView(), graph);
    EXPECT_EQ(frame->GetActiveView(), graph);
    EXPECT_EQ(frame->findChildren<CGrafik *>().size(), 1);
    EXPECT_EQ(frame->findChildren<CDravonView *>().size(), 1);
    // Not initialised again: the computed state survived.
    EXPECT_EQ(graph->page().m_bComputed, 1);
}

TEST_F(FrameCommands, ShowingTheViewAlreadyShownDoesNothing)
{
    press(Qt::Key_F4); // text shown: "Text" is disabled
    EXPECT_EQ(frame->GetActiveView(), frame->textView());
    EXPECT_EQ(frame->graphView(), nullptr);

    press(Qt::Key_F3);
    CGrafik *graph = frame->graphView();
    ASSERT_NE(graph, nullptr);
    graph->viewport()->repaint();
    ASSERT_EQ(graph->page().m_bComputed, 1);
    // A second F3 would initialise nothing, create nothing, and not switch.
    press(Qt::Key_F3);
    EXPECT_EQ(frame->GetActiveView(), graph);
    EXPECT_EQ(frame->findChildren<CGrafik *>().size(), 1);
    EXPECT_EQ(graph->page().m_bComputed, 1);
    // Choosing the view shown again changes nothing.
    frame->action(ID_VIEW_GRAFIK)->trigger();
    EXPECT_EQ(frame->GetActiveView(), graph);
}

TEST_F(FrameCommands, ContextMenuListsSevenItemsUnderTheSameRules)
{
    std::unique_ptr<QMenu> menu(frame->createContextMenu(nullptr));
    QStringList texts;
    QList<bool> enabled;
    for (QAction *a : menu->actions()) {
        texts << a->text();
        enabled << a->isEnabled();
    }
    EXPECT_EQ(texts,
        (QStringList { "Daten ändern", "Neu", "Öffnen", "Grafik", "Text", "Interpolation",
            "Speichern unter" }));
    EXPECT_EQ(enabled, (QList<bool> { true, true, true, true, false, true, true }));

    // Choosing "Grafik" there switches the view like the menu.
    menu->actions().at(3)->trigger();
    EXPECT_EQ(frame->GetActiveView(), frame->graphView());
    std::unique_ptr<QMenu> again(frame->createContextMenu(nullptr));
    EXPECT_FALSE(again->actions().at(3)->isEnabled());
    EXPECT_TRUE(again->actions().at(4)->isEnabled());
}

TEST_F(FrameCommands, RightClickOverAViewOpensTheContextMenu)
{
    QWidget *viewport = frame->textView()->viewport();
    QContextMenuEvent event(
        QContextMenuEvent::Mouse, QPoint(20, 20), viewport->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(viewport, &event);
    settle();
    QMenu *popup = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *m = qobject_cast<QMenu *>(w); m && m->isVisible())
            popup = m;
    }
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->title(), QStringLiteral("Kontextmenü"));
    EXPECT_EQ(popup->actions().size(), 7);
    popup->close();
}

// Keys that belong to no command of this program: each must leave everything alone.
class KeysWithoutEffect
    : public ShellTest,
      public ::testing::WithParamInterface<std::pair<int, Qt::KeyboardModifiers>>
{
};

TEST_P(KeysWithoutEffect, ChangeNothing)
{
    enterData(surveyLines(8));
    const StringList table = doc->resultsTable();
    const int runs = dialog.runs;
    const size_t events = prompter.events.size();
    const auto [key, modifiers] = GetParam();
    press(key, modifiers);
    EXPECT_EQ(frame->GetActiveView(), frame->textView());
    EXPECT_EQ(dialog.runs, runs);
    EXPECT_EQ(prompter.events.size(), events);
    EXPECT_EQ(doc->resultsTable(), table);
    EXPECT_TRUE(ui.questions.isEmpty());
    EXPECT_EQ(ui.printDialogs, 0);
    EXPECT_TRUE(frame->isVisible());
    // The same frame still reacts to its real keys (the key reached it).
    press(Qt::Key_F2);
    EXPECT_EQ(dialog.runs, runs + 1);
}

INSTANTIATE_TEST_SUITE_P(EditAndPaneKeys, KeysWithoutEffect,
    ::testing::Values(std::pair { int(Qt::Key_C), Qt::KeyboardModifiers(Qt::ControlModifier) },
        std::pair { int(Qt::Key_V), Qt::KeyboardModifiers(Qt::ControlModifier) },
        std::pair { int(Qt::Key_X), Qt::KeyboardModifiers(Qt::ControlModifier) },
        std::pair { int(Qt::Key_Insert), Qt::KeyboardModifiers(Qt::ControlModifier) },
        std::pair { int(Qt::Key_Insert), Qt::KeyboardModifiers(Qt::ShiftModifier) },
        std::pair { int(Qt::Key_Delete), Qt::KeyboardModifiers(Qt::ShiftModifier) },
        std::pair { int(Qt::Key_Backspace), Qt::KeyboardModifiers(Qt::AltModifier) },
        std::pair { int(Qt::Key_F6), Qt::KeyboardModifiers(Qt::NoModifier) },
        std::pair { int(Qt::Key_F6), Qt::KeyboardModifiers(Qt::ShiftModifier) }));

// "Interpolation" answers from the computed path: the point on the minimum-curvature
// arc between the stations, not on their chord, and without computing again, so that
// the remarks of the computation are not shown a second time. (It used to interpolate
// along the chord and ran the computation again with all its messages.)
TEST_F(FrameCommands, InterpolationGivesThePointOnTheArcAndRepeatsNoRemark)
{
    // From vertical to 60 degrees east over 100 m: an arc of radius 300/pi. The last
    // line holds no station and draws a remark.
    enterData({ "0 0 90", "100 60 90", "Ende" });
    const auto remarks = [this] {
        // The computation's remarks are listed in the panel of messages; a box for one
        // would be a second showing.
        int count = 0;
        for (const std::string &m : prompter.messages())
            count += m.find("keine 3 Werte") != std::string::npos;
        for (const analysis::Remark &r : frame->messagesPanel()->remarks())
            count += r.text.find("keine 3 Werte") != std::string::npos;
        return count;
    };
    ASSERT_EQ(remarks(), 1);
    const StringList table = doc->resultsTable();
    const std::uint64_t revision = doc->dataRevision();
    const size_t events = prompter.events.size();

    prompter.numberAnswers = { 50.0f };
    frame->action(ID_INTERPOLATION)->trigger();
    ASSERT_EQ(prompter.events.size(), events + 2);
    EXPECT_EQ(prompter.events[events].kind, ScriptedPrompter::Kind::Number);
    EXPECT_EQ(prompter.events[events].text, "Maximale Teufe:100");
    const std::string &answer = prompter.events[events + 1].text;
    // Half way along the arc the hole has turned 30 degrees: vertical depth R sin 30,
    // east R (1 - cos 30) with R = 300/pi; the chord's middle would be 41.35 and 23.87.
    EXPECT_NE(answer.find("Bohrlochteufe   (m):   50.00"), std::string::npos) << answer;
    EXPECT_NE(answer.find("Vertikale Teufe (m):   47.75"), std::string::npos) << answer;
    EXPECT_NE(answer.find("OST(+)  WEST(-) (m):   12.79"), std::string::npos) << answer;
    EXPECT_EQ(remarks(), 1);
    EXPECT_EQ(doc->resultsTable(), table);
    EXPECT_EQ(doc->dataRevision(), revision);

    // Below the last station it refuses, again without computing.
    prompter.numberAnswers = { 150.0f };
    frame->action(ID_INTERPOLATION)->trigger();
    ASSERT_FALSE(prompter.messages().empty());
    EXPECT_EQ(prompter.messages().back(), "Die vorgegebene Teufe ist größer als die Max.Teufe");
    EXPECT_EQ(remarks(), 1);
}

TEST_F(FrameCommands, HelpWithAMissingPageSaysOnlinehilfeNichtGefunden)
{
    frame->setHelpPage(temp.filePath(QStringLiteral("fehlt.html")));
    press(Qt::Key_F1);
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages().front(), "Onlinehilfe nicht gefunden!");
    EXPECT_TRUE(ui.opened.isEmpty());
}

// The help page now opens in the program's own help window instead of the desktop's
// viewer, so a failing viewer no longer matters (help_window_test.cpp covers the window).
TEST_F(FrameCommands, HelpOpensThePageInTheProgramsOwnWindow)
{
    const QString page = temp.filePath(QStringLiteral("hilfe.html"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body>Hilfe</body></html>");
    file.close();
    frame->setHelpPage(page);
    ui.desktopOpens = false;

    frame->action(ID_HILFE)->trigger();
    ASSERT_NE(frame->helpWindow(), nullptr);
    EXPECT_TRUE(frame->helpWindow()->isVisible());
    EXPECT_TRUE(ui.opened.isEmpty());
    EXPECT_TRUE(prompter.messages().empty());

    // Pressed again, the one window comes to the front.
    HelpWindow *first = frame->helpWindow();
    frame->action(ID_HILFE)->trigger();
    EXPECT_EQ(frame->helpWindow(), first);
    EXPECT_TRUE(prompter.messages().empty());
}

// The page fills the window now; "Grafik Lupe an" is one zoom step into the middle of
// the plot area instead of a larger fixed page, and undoes itself when pressed again.
TEST_F(FrameCommands, ZoomTogglesThePlotAreaAndShowsAsCheckMark)
{
    enterData(surveyLines(12));
    press(Qt::Key_F3);
    CGrafik *graph = frame->graphView();
    ASSERT_NE(graph, nullptr);
    graph->viewport()->repaint();
    const int width = graph->page().m_Breite, height = graph->page().m_Hoehe;
    const double depths = graph->page().xmax - graph->page().xmin;
    const QPoint before = graph->page().m_Punkte[5];

    frame->action(ID_GRAFIKLUPE)->trigger();
    EXPECT_TRUE(graph->isZoomed());
    EXPECT_TRUE(frame->action(ID_GRAFIKLUPE)->isChecked());
    // The same area shows a third less of the depths.
    EXPECT_EQ(graph->page().m_Breite, width);
    EXPECT_EQ(graph->page().m_Hoehe, height);
    EXPECT_NEAR(graph->page().xmax - graph->page().xmin, depths / 1.5, 1e-9 * depths);
    EXPECT_NE(graph->page().m_Punkte[5], before);

    // The zoom survives switching views; in the text view the command is disabled.
    press(Qt::Key_F4);
    EXPECT_FALSE(frame->action(ID_GRAFIKLUPE)->isEnabled());
    frame->action(ID_GRAFIKLUPE)->trigger();
    EXPECT_TRUE(graph->isZoomed());
    press(Qt::Key_F3);
    EXPECT_TRUE(frame->action(ID_GRAFIKLUPE)->isChecked());

    frame->action(ID_GRAFIKLUPE)->trigger();
    EXPECT_FALSE(graph->isZoomed());
    EXPECT_FALSE(frame->action(ID_GRAFIKLUPE)->isChecked());
    EXPECT_EQ(graph->page().m_Breite, width);
    EXPECT_EQ(graph->page().m_Hoehe, height);
    EXPECT_EQ(graph->page().m_Punkte[5], before);
}

TEST_F(FrameCommands, ToolbarAndStatusBarCanBeHiddenAndShown)
{
    EXPECT_TRUE(frame->action(ID_VIEW_TOOLBAR)->isChecked());
    frame->action(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_TRUE(frame->toolBar()->isHidden());
    EXPECT_FALSE(frame->action(ID_VIEW_TOOLBAR)->isChecked());
    frame->action(ID_VIEW_STATUS_BAR)->trigger();
    EXPECT_TRUE(frame->statusBar()->isHidden());
    frame->action(ID_VIEW_STATUS_BAR)->trigger();
    frame->action(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_FALSE(frame->toolBar()->isHidden());
    EXPECT_FALSE(frame->statusBar()->isHidden());
}

TEST_F(FrameCommands, PreviewShowsThePagesOfTheActiveView)
{
    showTable(tableLines(70));
    int pages = -1;
    bool contextMenuOpened = false;
    QTimer::singleShot(50, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Seitenansicht"));
        auto *preview = modal->findChild<QPrintPreviewWidget *>();
        ASSERT_NE(preview, nullptr);
        preview->updatePreview();
        pages = preview->pageCount();
        // A right click in the preview opens no context menu of the frame.
        QContextMenuEvent event(
            QContextMenuEvent::Mouse, QPoint(5, 5), preview->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(preview, &event);
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *m = qobject_cast<QMenu *>(w);
                m && m->isVisible() && m->title() == QStringLiteral("Kontextmenü"))
                contextMenuOpened = true;
        modal->close();
    });
    frame->action(ID_FILE_PRINT_PREVIEW)->trigger();
    EXPECT_EQ(pages, tablepage::pageCount(70, 59));
    EXPECT_FALSE(contextMenuOpened);
}

TEST_F(FrameCommands, AboutOpensTheAboutBox)
{
    QString title;
    QTimer::singleShot(50, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        title = modal->windowTitle();
        modal->close();
    });
    frame->action(ID_APP_ABOUT)->trigger();
    EXPECT_EQ(title, QStringLiteral("Info über dravon"));
}

TEST_F(FrameCommands, DroppedDocumentFileIsOpened)
{
    const QString path
        = writeDocument(temp.filePath(QStringLiteral("abgelegt.dvn")), "Abgelegt", surveyLines(4));

    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(path) });
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &drop);
    settle();
    EXPECT_EQ(doc->name(), "Abgelegt");
    EXPECT_EQ(shownTitle(*frame), QStringLiteral("abgelegt.dvn - dravon"));

    // Other files are refused.
    QMimeData text;
    text.setUrls({ QUrl::fromLocalFile(temp.filePath(QStringLiteral("notiz.txt"))) });
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(frame.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}
