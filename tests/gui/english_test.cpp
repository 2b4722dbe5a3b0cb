// The desktop program in English: the menus, the help window and the desktop --help.
// A test program of its own: installing a language changes the whole process (the
// program's catalogue and Qt's), which the German GUI tests must never see.
#include "guifixture.h"

#include "graph/plotdata.h"
#include "i18n/qt/catalogue.h"
#include "shell/helppage.h"
#include "shell/helpwindow.h"

#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTextBrowser>

namespace {

const QRegularExpression &germanLetters()
{
    static const QRegularExpression letters(QStringLiteral("[äöüÄÖÜß]"));
    return letters;
}

// Every caption of the menu bar and its menus, in order; hidden entries (the unused
// recent files) left out.
QStringList menuCaptions(const CMainFrame &frame)
{
    QStringList captions;
    for (QAction *top : frame.menuBar()->actions()) {
        captions << top->text();
        for (QAction *item : top->menu()->actions()) {
            if (!item->isSeparator() && item->isVisible())
                captions << item->text();
        }
    }
    return captions;
}

// The desktop program's standard output for `args`, with the desktop's language `lang`.
QString desktopOutput(const QStringList &args, const QString &lang)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), lang);
    env.insert(QStringLiteral("LANG"), lang);
    env.insert(QStringLiteral("LC_ALL"), lang);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("DRAVON_NO_REGISTER"), QStringLiteral("1"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(DRAVON_DESKTOP), args);
    EXPECT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0);
    return QString::fromUtf8(program.readAllStandardOutput());
}

} // namespace

using EnglishShell = ShellTest;

TEST_F(EnglishShell, EveryMenuCaptionIsTranslatedAndFreeOfGerman)
{
    // The fixture's frame was built before any catalogue: German. The same frame again
    // in English must translate every caption, not only those a list names.
    i18nqt::install(i18n::Language::German);
    const QStringList german = menuCaptions(*frame);
    ASSERT_TRUE(i18nqt::install(i18n::Language::English));
    CMainFrame english(*commands, ui);
    const QStringList captions = menuCaptions(english);
    ASSERT_EQ(captions.size(), german.size());
    for (qsizetype i = 0; i < captions.size(); ++i) {
        EXPECT_NE(captions[i], german[i]) << german[i].toStdString();
        EXPECT_FALSE(captions[i].contains(germanLetters())) << captions[i].toStdString();
    }
    // The prompts and tooltips of every command, and the status bar's resting text.
    for (const QAction *action : english.findChildren<QAction *>()) {
        EXPECT_FALSE(action->statusTip().contains(germanLetters()))
            << action->statusTip().toStdString();
        EXPECT_FALSE(action->toolTip().contains(germanLetters()))
            << action->toolTip().toStdString();
    }
    english.show();
    EXPECT_FALSE(english.statusBar()->currentMessage().isEmpty());
    EXPECT_NE(english.statusBar()->currentMessage(), frame->statusBar()->currentMessage());
    // A key named in a caption keeps its key and loses only the German modifier name.
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const qsizetype tab = german[i].indexOf(QLatin1Char('\t'));
        if (tab < 0)
            continue;
        const QString key = german[i].mid(tab + 1);
        EXPECT_TRUE(captions[i].endsWith(
            QString(key).replace(QStringLiteral("Strg+"), QStringLiteral("Ctrl+"))))
            << captions[i].toStdString();
    }
}

TEST_F(EnglishShell, HelpShowsThePageOfTheLanguage)
{
    ASSERT_TRUE(i18nqt::install(i18n::Language::English));
    press(Qt::Key_F1);
    HelpWindow *help = frame->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->browser()->source().fileName(), helpPageName(i18n::Language::English));
    EXPECT_EQ(help->browser()->documentTitle(), help->windowTitle());
    EXPECT_FALSE(help->browser()->toPlainText().contains(germanLetters()));
    // In German the German page, found in the same place.
    i18nqt::install(i18n::Language::German);
    EXPECT_EQ(QFileInfo(findHelpPage()).fileName(), helpPageName(i18n::Language::German));
    EXPECT_EQ(QFileInfo(findHelpPage()).path(),
        QFileInfo(help->browser()->source().toLocalFile()).path());
}

TEST(EnglishDesktopHelp, LangChoosesTheLanguageBeforeTheHelpIsPrinted)
{
    // --lang wins over the desktop's language wherever it stands on the line.
    const QString english = desktopOutput(
        { QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--help") },
        QStringLiteral("de_DE.UTF-8"));
    EXPECT_TRUE(english.startsWith(QStringLiteral("Usage: dravon"))) << english.toStdString();
    EXPECT_TRUE(english.contains(QStringLiteral("--lang de|en")));
    EXPECT_FALSE(english.contains(germanLetters())) << english.toStdString();
    const QString german = desktopOutput(
        { QStringLiteral("--help"), QStringLiteral("--lang=de") }, QStringLiteral("en_GB.UTF-8"));
    EXPECT_TRUE(german.startsWith(QStringLiteral("Aufruf: dravon"))) << german.toStdString();
    // The same options in both, in the same order.
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*"));
    const auto options = [](const QString &text) {
        QStringList found;
        for (auto it = option.globalMatch(text); it.hasNext();)
            found << it.next().captured();
        return found;
    };
    EXPECT_EQ(options(english), options(german));
}

TEST(EnglishPageTexts, NotesWriteNumbersAsTheLanguageDoes)
{
    guiApp();
    ASSERT_TRUE(i18nqt::install(i18n::Language::English));
    EXPECT_EQ(shortEndNote(200.0, 700.0), "Computed to 200.00 m (of 700.00 m)");
    EXPECT_EQ(shortEndNote(1234.5, std::nullopt), "Computed to 1234.50 m");
    i18nqt::install(i18n::Language::German);
    EXPECT_EQ(shortEndNote(200.0, 700.0), "Berechnet bis 200,00 m (von 700,00 m)");
}
