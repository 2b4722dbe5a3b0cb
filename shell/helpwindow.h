// The program's own help window: the shipped help page in a text browser, with back and
// forward through the links followed, a way home to the start of the page and a search
// field. No external viewer is involved; links that lead out of the help (web addresses,
// files other than HTML pages) go to the opener the frame sets.
#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the page `path` (a local HTML file), starting a new history. False when the
    // file does not exist; the window then keeps what it showed.
    bool openPage(const QString &path);

    // Searches the page for `text` from the current selection on, forward or backward,
    // and wraps around at the end. Selects the find and returns true, or says "nicht
    // gefunden" below the page and returns false.
    bool find(const QString &text, bool backward = false);

    // Where links that leave the help go; without an opener they are ignored.
    void setExternalOpener(std::function<void(const QUrl &)> opener)
    {
        m_externalOpener = std::move(opener);
    }

    QTextBrowser *browser() const { return m_browser; }
    QLineEdit *searchField() const { return m_search; }
    QToolButton *backButton() const { return m_back; }
    QToolButton *forwardButton() const { return m_forward; }
    QLabel *searchStatus() const { return m_status; }

private:
    void followLink(const QUrl &url);

    QTextBrowser *m_browser;
    QLineEdit *m_search;
    QLabel *m_status;
    QToolButton *m_back;
    QToolButton *m_forward;
    QToolButton *m_home;
    std::function<void(const QUrl &)> m_externalOpener;
};
