// Search for the help page.
#include "shell/helppage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString helpPageName(i18n::Language language)
{
    return language == i18n::Language::English ? QStringLiteral("dravon-help-en.html")
                                               : QStringLiteral("dravon-hilfe.html");
}

QString findHelpPage(i18n::Language language)
{
    const QDir appDir(QCoreApplication::applicationDirPath());
    // A page in the language first; an installation that lacks it still has help, in
    // German.
    for (const i18n::Language wanted : { language, i18n::Language::German }) {
        const QString relative = QStringLiteral("share/dravon/help/") + helpPageName(wanted);
        // bin/dravon after installation, <build>/shell/dravon in the build tree.
        for (const QString &base : { QStringLiteral(".."), QStringLiteral("../..") }) {
            const QFileInfo candidate(appDir.filePath(base + QLatin1Char('/') + relative));
            if (candidate.isFile())
                return candidate.canonicalFilePath();
        }
    }
    return {};
}
