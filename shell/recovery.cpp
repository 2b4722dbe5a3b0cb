// The recovery file of unsaved changes.
#include "shell/recovery.h"

#include "document/dravondoc.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

DocumentRecovery::DocumentRecovery(CDravonDoc &doc, const QString &folder, QObject *parent)
    : QObject(parent)
    , m_doc(doc)
    , m_folder(folder)
    , m_lock(QDir(folder).filePath(QStringLiteral("recovery.lock")))
{
    m_timer.setInterval(kInterval);
    connect(&m_timer, &QTimer::timeout, this, [this] { writeNow(); });
    // Saved, or a new, opened or closed document: nothing is left to recover. The
    // changes that were given up on purpose go with the copy.
    connect(&m_doc, &CDravonDoc::modifiedChanged, this, [this](bool modified) {
        if (!modified && m_timer.isActive())
            remove();
    });
}

QString DocumentRecovery::standardFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString DocumentRecovery::filePath() const
{
    return QDir(m_folder).filePath(QStringLiteral("recovery.dvn"));
}

bool DocumentRecovery::fileExists() const
{
    return QFile::exists(filePath());
}

bool DocumentRecovery::claim()
{
    if (m_lock.isLocked())
        return true;
    return QDir().mkpath(m_folder) && m_lock.tryLock(0);
}

void DocumentRecovery::setInterval(std::chrono::milliseconds interval)
{
    m_timer.setInterval(interval);
}

void DocumentRecovery::start()
{
    m_timer.start();
}

bool DocumentRecovery::writeNow()
{
    if (!m_doc.IsModified()) {
        remove();
        return true;
    }
    if (!QDir().mkpath(m_folder))
        return false;
    return m_doc.writeCopy(filePath());
}

void DocumentRecovery::finish()
{
    m_timer.stop();
    remove();
}

void DocumentRecovery::remove()
{
    QFile::remove(filePath());
}
