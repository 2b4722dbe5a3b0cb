// The list of the four most recently used document files, kept with the program's
// settings (programsettings.h), group "Recent File List", keys File1 to File4 (newest
// first).
#pragma once

#include <QString>
#include <QStringList>

class RecentFileList
{
public:
    static constexpr int kSize = 4;

    // Reads the stored list.
    RecentFileList();

    const QStringList &files() const { return m_files; }

    // Puts `path` (made absolute) first; an entry of the same file moves up, the oldest
    // falls off beyond four. Stored at once.
    void add(const QString &path);
    // Removes `path` (a file that could no longer be opened). Stored at once.
    void remove(const QString &path);

    // Menu text of entry `index` (from 0): "&1 name" for a file in the current folder,
    // else with its folder, shortened in the middle when long.
    QString menuText(int index) const;

private:
    void load();
    void save() const;

    QStringList m_files;
};
