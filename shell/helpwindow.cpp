// The help window.
#include "shell/helpwindow.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *navigationButton(const QString &text, const QString &tip, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    return button;
}

bool isHelpPage(const QUrl &url)
{
    if (url.isRelative())
        return true;
    if (!url.isLocalFile())
        return false;
    const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
    return suffix == QLatin1String("html") || suffix == QLatin1String("htm");
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("dravon – Hilfe"));
    setObjectName(QStringLiteral("Hilfe"));

    m_back = navigationButton(tr("◀ Zurück"), tr("Zurück (Alt+Links)"), this);
    m_forward = navigationButton(tr("Vor ▶"), tr("Vor (Alt+Rechts)"), this);
    m_home = navigationButton(tr("Inhalt"), tr("Zum Anfang der Hilfe"), this);
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(tr("Suchen (Strg+F)"));
    m_search->setClearButtonEnabled(true);
    auto *next = navigationButton(tr("Weiter"), tr("Nächste Stelle (F3)"), this);
    auto *previous = navigationButton(tr("Zurück suchen"), tr("Vorige Stelle (Umschalt+F3)"), this);
    m_status = new QLabel(this);

    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_home);
    bar->addSpacing(12);
    bar->addWidget(new QLabel(tr("Suchen:"), this));
    bar->addWidget(m_search, 1);
    bar->addWidget(next);
    bar->addWidget(previous);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);
    layout->addWidget(m_status);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(m_search, &QLineEdit::returnPressed, this, [this] { find(m_search->text()); });
    connect(m_search, &QLineEdit::textChanged, m_status, &QLabel::clear);
    connect(next, &QToolButton::clicked, this, [this] { find(m_search->text()); });
    connect(previous, &QToolButton::clicked, this, [this] { find(m_search->text(), true); });

    const auto shortcut = [this](const QKeySequence &key, auto slot) {
        auto *action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    shortcut(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { m_browser->backward(); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { m_browser->forward(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
    shortcut(QKeySequence(Qt::Key_F3), [this] { find(m_search->text()); });
    shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { find(m_search->text(), true); });
    shortcut(QKeySequence(Qt::Key_Escape), [this] { close(); });

    // A readable column, never larger than the screen.
    QSize size(760, 820);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

bool HelpWindow::openPage(const QString &path)
{
    const QFileInfo page(path);
    if (!page.isFile())
        return false;
    m_browser->setSearchPaths({ page.absolutePath() });
    m_browser->setSource(QUrl::fromLocalFile(page.absoluteFilePath()));
    m_browser->clearHistory();
    m_status->clear();
    return true;
}

void HelpWindow::followLink(const QUrl &url)
{
    if (isHelpPage(url)) {
        // A clicked link keeps the browser's focus frame, and the history entry of the
        // link's target would remember it: going forward to that entry again would
        // scroll back to the frame on the link (in the contents) instead of to the
        // target. A plain cursor at the same place drops the frame; the view stays put.
        const int across = m_browser->horizontalScrollBar()->value();
        const int down = m_browser->verticalScrollBar()->value();
        QTextCursor plain = m_browser->textCursor();
        plain.clearSelection();
        m_browser->setTextCursor(plain);
        m_browser->horizontalScrollBar()->setValue(across);
        m_browser->verticalScrollBar()->setValue(down);
        m_browser->setSource(m_browser->source().resolved(url));
        return;
    }
    if (m_externalOpener)
        m_externalOpener(url);
}

bool HelpWindow::find(const QString &text, bool backward)
{
    m_status->clear();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags
        = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (m_browser->find(text, flags))
        return true;
    // Once more from the other end of the page.
    QTextCursor cursor = m_browser->textCursor();
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    m_browser->setTextCursor(cursor);
    if (m_browser->find(text, flags))
        return true;
    m_status->setText(tr("„%1“ nicht gefunden").arg(text));
    return false;
}
