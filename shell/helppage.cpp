// Search for the help page.
#include "shell/helppage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString findHelpPage()
{
    const QString relative = QStringLiteral("share/dravon/help/dravon-hilfe.html");
    const QDir appDir(QCoreApplication::applicationDirPath());
    // bin/dravon after installation, <build>/shell/dravon in the build tree.
    for (const QString &base : { QStringLiteral(".."), QStringLiteral("../..") }) {
        const QFileInfo candidate(appDir.filePath(base + QLatin1Char('/') + relative));
        if (candidate.isFile())
            return candidate.canonicalFilePath();
    }
    return {};
}
