// Every text the desktop program shows goes through the catalogue: with a catalogue that
// marks each text it hands out, the walk through the menus, the tool bars, the dialogs,
// the messages and the drawn pages finds no words without the mark. A text that is
// written past the catalogue would stay German in the English program.
#include "guifixture.h"

#include "dialogs/dlginput.h"
#include "input/lineeditor.h"
#include "shell/commandids.h"
#include "tests/support/pseudocatalogue.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QXmlStreamReader>

namespace {

// Installed before the frame builds its menus.
class PseudoInstalled
{
protected:
    PseudoInstalled()
    {
        guiApp();
        catalogue.install(true);
    }
    ~PseudoInstalled() { catalogue.uninstall(); }
    PseudoCatalogue catalogue;
};

class TranslationWalk : public PseudoInstalled, public ShellTest
{
protected:
    // The texts of `window` and its children that a reader reads, by where they stand.
    void collect(QWidget *window, const QString &where)
    {
        auto add = [&](const QString &text, const QObject *from) {
            if (!text.isEmpty())
                texts << where + QLatin1Char('/')
                        + QString::fromLatin1(from->metaObject()->className()) + QLatin1Char(' ')
                        + from->objectName() + QLatin1String(": ") + text;
        };
        add(window->windowTitle(), window);
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets << window;
        for (QWidget *w : widgets) {
            add(w->toolTip(), w);
            add(w->statusTip(), w);
            if (auto *label = qobject_cast<QLabel *>(w))
                add(label->text(), w);
            if (auto *button = qobject_cast<QAbstractButton *>(w))
                add(button->text(), w);
            if (auto *box = qobject_cast<QGroupBox *>(w))
                add(box->title(), w);
            if (auto *combo = qobject_cast<QComboBox *>(w); combo && !combo->isEditable()) {
                for (int i = 0; i < combo->count(); ++i)
                    add(combo->itemText(i), w);
            }
            if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
                for (int i = 0; i < tabs->count(); ++i)
                    add(tabs->tabText(i), w);
            }
            if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model()) {
                for (int c = 0; c < view->model()->columnCount(); ++c)
                    add(view->model()->headerData(c, Qt::Horizontal).toString(), w);
            }
        }
        for (QAction *a : window->findChildren<QAction *>()) {
            add(a->text(), a);
            add(a->toolTip(), a);
            add(a->statusTip(), a);
        }
    }

    // The words of an SVG page the program wrote, one entry per text element.
    void collectSvg(const QString &path, const QString &where)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        QXmlStreamReader xml(&file);
        QString text;
        int depth = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("text"))
                ++depth;
            else if (xml.isCharacters() && depth > 0)
                text += xml.text();
            else if (xml.isEndElement() && xml.name() == QLatin1String("text") && --depth == 0) {
                texts << where + QLatin1String(": ") + text;
                text.clear();
            }
        }
    }

    // Opens the modal dialog that `command` shows, takes its texts and closes it.
    void collectDialog(int command, const QString &where)
    {
        bool seen = false;
        onModalDialog<QDialog>([&](QDialog &d) {
            collect(&d, where);
            seen = true;
            d.reject();
        });
        frame->action(command)->trigger();
        settle();
        EXPECT_TRUE(seen) << where.toStdString();
    }

    QStringList unmarked() const
    {
        QStringList out;
        for (const QString &t : texts) {
            // The well's own name and the document's title are the user's, not ours.
            QString words = t.mid(t.indexOf(QLatin1String(": ")) + 2);
            for (const QString &data : dataTexts)
                words.remove(data);
            if (PseudoCatalogue::unmarkedWords(words))
                out << t;
        }
        return out;
    }

    QStringList texts;
    QStringList dataTexts;
};

const StringList kSurvey { "0 0 0", "300 0 0", "600 30 60", "900 45 60", "1500 45 60" };

} // namespace

TEST_F(TranslationWalk, MenusBarsDialogsMessagesAndPagesComeFromTheCatalogue)
{
    enterData(kSurvey);
    // The program's name stands in the window title in every language.
    dataTexts << doc->GetTitle() << QString::fromLatin1(doc->name().c_str())
              << QStringLiteral("dravon");
    // A neighbour, so that the ladder and the cylinder have something to name.
    WellSettings s = doc->settings();
    OffsetWell beside;
    beside.name = "N1";
    beside.slotNorth = 15;
    beside.stations = doc->well().survey.stations();
    s.offsets = { beside };
    doc->setWellSettings(s);

    collect(frame.get(), QStringLiteral("Hauptfenster"));
    for (int key : { Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F7, Qt::Key_F8 }) {
        press(key);
        settle();
        collect(frame.get(), QStringLiteral("Ansicht %1").arg(key - Qt::Key_F1 + 1));
    }
    // The drawn pages: the graph, the ladder, the cylinder and the 3D view.
    for (int key : { Qt::Key_F3, Qt::Key_F7, Qt::Key_F8, Qt::Key_F5 }) {
        press(key);
        settle();
        const QString svg = temp.filePath(QStringLiteral("seite-%1.svg").arg(key));
        ASSERT_TRUE(frame->saveImage(svg));
        collectSvg(svg, QStringLiteral("Seite F%1").arg(key - Qt::Key_F1 + 1));
    }

    for (int command :
        { ID_BOHRUNG, ID_NACHBARBOHRUNGEN, ID_VIEW_SETTINGS, ID_PATH_INTERPOLATION, ID_APP_ABOUT })
        collectDialog(command, QStringLiteral("Dialog %1").arg(command));

    // The measurement dialog, with the editor's messages it shows.
    LineEditor state;
    DlgInput input(state, prompter);
    input.show();
    collect(&input, QStringLiteral("Messwerte"));

    // Every message the program gave on the way.
    for (const std::string &m : prompter.messages())
        texts << QStringLiteral("Meldung: ") + QString::fromLatin1(m.c_str());

    const QStringList missing = unmarked();
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " texts past the catalogue:\n"
                                   << missing.join(QLatin1Char('\n')).toStdString();
    // The walk saw the program: menus, dialogs and pages.
    EXPECT_GT(texts.size(), 200);
}
