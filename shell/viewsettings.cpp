// The view settings, stored with QSettings.
#include "shell/viewsettings.h"

#include <QSettings>

namespace {

const char *const kOrganisation = "Local AppWizard-Generated Applications";
const char *const kApplication = "dravon";
const char *const kTrueScaleKey = "Grafik/Massstabsgetreu";

QSettings settings()
{
    return QSettings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
}

} // namespace

bool loadTrueScale()
{
    return settings().value(QString::fromLatin1(kTrueScaleKey), false).toBool();
}

void saveTrueScale(bool on)
{
    QSettings s = settings();
    s.setValue(QString::fromLatin1(kTrueScaleKey), on);
    s.sync();
}
