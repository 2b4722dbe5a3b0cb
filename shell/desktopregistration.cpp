// Per-user file-type registration on XDG desktops.
#include "shell/desktopregistration.h"

#include "core/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // A full disk must not leave a half desktop entry that the desktop then shows.
    return atomicfile::writeFile(QFile::encodeName(path).toStdString(),
        std::string_view(content.constData(), static_cast<std::size_t>(content.size())))
        .ok();
}

bool fileContains(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll().contains(text);
}

QByteArray resource(const QString &name)
{
    QFile file(QStringLiteral(":/dravon/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The cache tools are run without waiting; a missing tool is no fault.
void runTool(const QString &tool, const QString &folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty())
        QProcess::startDetached(program, { folder });
}

} // namespace

int registerDesktopFiles(const QString &dataHome, const QString &executable)
{
    if (qEnvironmentVariableIsSet("DRAVON_NO_REGISTER") || dataHome.isEmpty())
        return 0;
    int written = 0;

    const QString mimeDir = dataHome + QStringLiteral("/mime");
    const QString mimeFile = mimeDir + QStringLiteral("/packages/dravon-mime.xml");
    if (!QFileInfo::exists(mimeFile)) {
        const QByteArray xml = resource(QStringLiteral("dravon-mime.xml"));
        if (!xml.isEmpty() && writeFile(mimeFile, xml)) {
            ++written;
            runTool(QStringLiteral("update-mime-database"), mimeDir);
        }
    }

    const QString iconFile = dataHome + QStringLiteral("/icons/hicolor/scalable/apps/dravon.svg");
    if (!QFileInfo::exists(iconFile)) {
        const QByteArray svg = resource(QStringLiteral("dravon.svg"));
        if (!svg.isEmpty() && writeFile(iconFile, svg))
            ++written;
    }

    const QString appDir = dataHome + QStringLiteral("/applications");
    const QString desktopFile = appDir + QStringLiteral("/dravon.desktop");
    // An entry of an older version, without the print action, is brought up to date;
    // any other entry that is there stays as it is.
    if (!QFileInfo::exists(desktopFile) || !fileContains(desktopFile, "[Desktop Action print]")) {
        QByteArray entry = resource(QStringLiteral("dravon.desktop"));
        // A program that is not on the PATH is started by its full name.
        if (!executable.isEmpty()) {
            QByteArray program = QFile::encodeName(executable);
            if (program.contains(' '))
                program = '"' + program + '"';
            entry.replace("Exec=dravon ", "Exec=" + program + ' ');
        }
        if (!entry.isEmpty() && writeFile(desktopFile, entry)) {
            ++written;
            runTool(QStringLiteral("update-desktop-database"), appDir);
        }
    }
    return written;
}

void registerDesktopFilesForUser()
{
    registerDesktopFiles(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        QCoreApplication::applicationFilePath());
}
