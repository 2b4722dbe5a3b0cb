// Taking the settings over from the organisation of the first versions.
#include "shell/programsettings.h"

#include <QStringList>

namespace programsettings {

namespace {

// Set in the current location once the earlier settings were looked at.
const QString kAdoptedKey = QStringLiteral("earlierSettingsAdopted");

} // namespace

int adoptEarlierSettings()
{
    QSettings current = programSettings();
    if (current.value(kAdoptedKey, false).toBool())
        return 0;
    const QSettings earlier(earlierOrganisation(), application());
    int copied = 0;
    const QStringList keys = earlier.allKeys();
    for (const QString &key : keys) {
        // What the current location already has is newer than the earlier copy.
        if (current.contains(key))
            continue;
        current.setValue(key, earlier.value(key));
        ++copied;
    }
    current.setValue(kAdoptedKey, true);
    current.sync();
    return copied;
}

} // namespace programsettings
