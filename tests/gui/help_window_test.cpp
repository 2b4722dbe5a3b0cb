// The help window: pages, links with back and forward, search, links out of the help,
// and the shipped help page itself.
#include "guifixture.h"

#include "shell/commandids.h"
#include "shell/helppage.h"
#include "shell/helpwindow.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolButton>

#include <vector>

namespace {

void writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class HelpWindowTest : public ShellTest
{
protected:
    HelpWindowTest()
    {
        page = temp.filePath(QStringLiteral("hilfe.html"));
        writeFile(page,
            "<html><body><h1>Hilfe</h1><p>Die Teufe steigt an.</p>"
            "<p><a href=\"zwei.html\">Weiter</a> <a href=\"https://example.org/x\">Netz</a></p>"
            "<p>Noch einmal TEUFE.</p></body></html>");
        writeFile(temp.filePath(QStringLiteral("zwei.html")),
            "<html><body><p>Zweite Seite</p></body></html>");
        frame->setHelpPage(page);
        press(Qt::Key_F1);
        help = frame->helpWindow();
    }
    QString shownFile() const { return help->browser()->source().toLocalFile(); }

    QString page;
    HelpWindow *help = nullptr;
};

TEST_F(HelpWindowTest, LinksCanBeFollowedBackAndForward)
{
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(shownFile(), page);
    EXPECT_FALSE(help->backButton()->isEnabled());
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Die Teufe steigt an.")));

    emit help->browser()->anchorClicked(QUrl(QStringLiteral("zwei.html")));
    EXPECT_EQ(shownFile(), temp.filePath(QStringLiteral("zwei.html")));
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Zweite Seite")));
    ASSERT_TRUE(help->backButton()->isEnabled());
    help->backButton()->click();
    EXPECT_EQ(shownFile(), page);
    ASSERT_TRUE(help->forwardButton()->isEnabled());
    help->forwardButton()->click();
    EXPECT_EQ(shownFile(), temp.filePath(QStringLiteral("zwei.html")));

    // A web address leaves the help for the desktop's viewer; the page stays.
    emit help->browser()->anchorClicked(QUrl(QStringLiteral("https://example.org/x")));
    EXPECT_EQ(ui.opened, QStringList { QStringLiteral("https://example.org/x") });
    EXPECT_EQ(shownFile(), temp.filePath(QStringLiteral("zwei.html")));
}

TEST_F(HelpWindowTest, ForwardReturnsToTheSectionALinkInTheContentsLedTo)
{
    // One long page with its contents at the top, as the shipped help is: a link
    // clicked with the mouse, back to the contents, forward again.
    QByteArray html = "<html><body><p><a href=\"#ende\">Zum Ende</a></p>";
    for (int i = 0; i < 200; ++i)
        html += "<p>Absatz " + QByteArray::number(i) + "</p>";
    html += "<h2 id=\"ende\">Ende</h2><p>Letzter Absatz</p></body></html>";
    const QString longPage = temp.filePath(QStringLiteral("lang.html"));
    writeFile(longPage, html);
    ASSERT_TRUE(help->openPage(longPage));
    help->show();
    QTextBrowser *browser = help->browser();
    QScrollBar *bar = browser->verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));

    QTextCursor link = browser->document()->find(QStringLiteral("Zum Ende"));
    link.setPosition(link.selectionStart() + 2);
    const QPoint at = browser->cursorRect(link).center();
    ASSERT_EQ(browser->anchorAt(at), QStringLiteral("#ende"));
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    const int section = bar->value();
    ASSERT_GT(section, 0);
    EXPECT_EQ(browser->source().fragment(), QStringLiteral("ende"));

    help->backButton()->click();
    EXPECT_EQ(bar->value(), 0);
    help->forwardButton()->click();
    EXPECT_EQ(browser->source().fragment(), QStringLiteral("ende"));
    EXPECT_EQ(bar->value(), section); // not the contents where the link was clicked
    help->close();
}

TEST_F(HelpWindowTest, SearchFindsEveryPlaceAndWrapsAround)
{
    ASSERT_NE(help, nullptr);
    QStringList found;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(help->find(QStringLiteral("teufe")));
        found << help->browser()->textCursor().selectedText();
    }
    EXPECT_EQ(found, (QStringList { "Teufe", "TEUFE", "Teufe" }));
    ASSERT_TRUE(help->find(QStringLiteral("teufe"), true)); // backward, round the start
    EXPECT_EQ(help->browser()->textCursor().selectedText(), QStringLiteral("TEUFE"));

    help->searchField()->setText(QStringLiteral("Bohrkrone"));
    emit help->searchField()->returnPressed();
    EXPECT_EQ(help->searchStatus()->text(), QStringLiteral("„Bohrkrone“ nicht gefunden"));
    EXPECT_TRUE(prompter.messages().empty());
}

// The help page of each language (the window shows the one of the program's language).
struct ShippedPage
{
    i18n::Language language;
    const char *title;
    std::vector<const char *> words; // a word of several sections, for the search
};

class ShippedHelpPage : public ::testing::TestWithParam<ShippedPage>
{
};

TEST_P(ShippedHelpPage, LoadsAndEveryLinkInsideItHasItsTarget)
{
    guiApp();
    const ShippedPage &shipped = GetParam();
    const QString path = findHelpPage(shipped.language);
    ASSERT_FALSE(path.isEmpty()) << "the build tree's share/dravon/help copy is missing";
    EXPECT_EQ(QFileInfo(path).fileName(), helpPageName(shipped.language));
    HelpWindow help;
    ASSERT_TRUE(help.openPage(path));
    EXPECT_EQ(help.browser()->documentTitle(), QString::fromUtf8(shipped.title));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QSet<QString> targets;
    static const QRegularExpression id(QStringLiteral("\\bid=\"([^\"]+)\""));
    for (auto it = id.globalMatch(html); it.hasNext();)
        targets.insert(it.next().captured(1));
    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    int links = 0;
    for (auto it = link.globalMatch(html); it.hasNext(); ++links) {
        const QString target = it.next().captured(1);
        EXPECT_TRUE(targets.contains(target)) << target.toStdString();
    }
    EXPECT_GE(links, 10);
    // The page is found by its search: every section's heading.
    for (const char *word : shipped.words)
        EXPECT_TRUE(help.find(QString::fromUtf8(word))) << word;
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedHelpPage,
    ::testing::Values(ShippedPage { i18n::Language::German, "dravon – Hilfe",
                          { "Drucken", "Hilfe", "Fenster", "Meridiankonvergenz" } },
        ShippedPage { i18n::Language::English, "dravon – Help",
            { "Printing", "Help", "window", "grid convergence" } }));
