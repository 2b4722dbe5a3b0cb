// The recent-file list and its settings.
#include "shell/recentfiles.h"

#include "shell/programsettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const char *const kGroup = "Recent File List";

QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

// Longer names keep their first folder and the file name.
QString shortened(const QString &path)
{
    constexpr int kMaxLength = 40;
    const QString native = QDir::toNativeSeparators(path);
    if (native.size() <= kMaxLength)
        return native;
    const QChar sep = QDir::separator();
    const QString name = QFileInfo(path).fileName();
    const int firstSep = native.indexOf(sep, 1);
    const QString head = firstSep > 0 ? native.left(firstSep + 1) : QString();
    return head + QStringLiteral("...") + sep + name;
}

} // namespace

RecentFileList::RecentFileList()
{
    load();
}

void RecentFileList::load()
{
    QSettings s = programSettings();
    s.beginGroup(QString::fromLatin1(kGroup));
    m_files.clear();
    for (int i = 1; i <= kSize; ++i) {
        const QString file = s.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty() && !m_files.contains(file))
            m_files.append(file);
    }
}

void RecentFileList::save() const
{
    QSettings s = programSettings();
    s.beginGroup(QString::fromLatin1(kGroup));
    for (int i = 1; i <= kSize; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= m_files.size())
            s.setValue(key, m_files.at(i - 1));
        else
            s.remove(key);
    }
}

void RecentFileList::add(const QString &path)
{
    const QString file = absolute(path);
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > kSize)
        m_files.removeLast();
    save();
}

void RecentFileList::remove(const QString &path)
{
    m_files.removeAll(absolute(path));
    save();
}

QString RecentFileList::menuText(int index) const
{
    const QString &file = m_files.at(index);
    const QFileInfo info(file);
    QString shown = info.absolutePath() == QDir::currentPath() ? info.fileName() : shortened(file);
    // An ampersand in a name must not become a mnemonic.
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}
