// The one place that names where the program keeps its settings (recent files, window,
// view choices): QSettings under the organisation and application of the first version.
#pragma once

#include <QSettings>
#include <QString>

inline QSettings programSettings()
{
    return QSettings(
        QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("dravon"));
}
