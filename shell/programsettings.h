// The one place that names where the program keeps its settings (recent files, window,
// view choices, language): QSettings under the organisation "Dravon" and the application
// "dravon". The first versions kept them under another organisation; a start takes them
// over from there once (adoptEarlierSettings).
#pragma once

#include <QSettings>
#include <QString>

namespace programsettings {

inline QString organisation()
{
    return QStringLiteral("Dravon");
}

inline QString application()
{
    return QStringLiteral("dravon");
}

// The organisation the first versions stored their settings under.
inline QString earlierOrganisation()
{
    return QStringLiteral("Local AppWizard-Generated Applications");
}

// Copies every setting of the earlier location that the current one lacks, once: a
// mark in the current location keeps a setting the user has since removed from coming
// back at the next start. The earlier file stays as it is. Returns the number of
// settings copied.
int adoptEarlierSettings();

} // namespace programsettings

inline QSettings programSettings()
{
    return QSettings(programsettings::organisation(), programsettings::application());
}
