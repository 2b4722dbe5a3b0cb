// The view settings, stored with QSettings.
#include "shell/viewsettings.h"

#include "core/units.h"
#include "shell/programsettings.h"

#include <QSettings>

#include <cmath>

namespace {

const char *const kTrueScaleKey = "Grafik/Massstabsgetreu";
const char *const kUncertaintyKey = "Grafik/Unsicherheit";
// Degrees; absent for the direction of the final displacement.
const char *const kSectionAzimuthKey = "Grafik/Schnittazimut";
// "m" or "ft".
const char *const kUnitKey = "Grafik/Einheit";
// Metres; absent for the outer ring the cylinder chooses itself.
const char *const kCylinderRadiusKey = "Grafik/Zylinderradius";

} // namespace

bool loadTrueScale()
{
    return programSettings().value(QString::fromLatin1(kTrueScaleKey), false).toBool();
}

void saveTrueScale(bool on)
{
    QSettings s = programSettings();
    s.setValue(QString::fromLatin1(kTrueScaleKey), on);
    s.sync();
}

bool loadUncertaintyShown()
{
    return programSettings().value(QString::fromLatin1(kUncertaintyKey), true).toBool();
}

void saveUncertaintyShown(bool on)
{
    QSettings s = programSettings();
    s.setValue(QString::fromLatin1(kUncertaintyKey), on);
    s.sync();
}

ViewPreferences loadViewPreferences()
{
    const QSettings s = programSettings();
    ViewPreferences p;
    bool ok = false;
    const double azimuth = s.value(QString::fromLatin1(kSectionAzimuthKey)).toDouble(&ok);
    if (ok && std::isfinite(azimuth) && azimuth >= 0.0 && azimuth <= 360.0)
        p.sectionAzimuth = azimuth;
    units::parseUnit(s.value(QString::fromLatin1(kUnitKey)).toString().toStdString(), p.unit);
    const double radius = s.value(QString::fromLatin1(kCylinderRadiusKey)).toDouble(&ok);
    if (ok && std::isfinite(radius) && radius > 0.0)
        p.cylinderRadius = radius;
    return p;
}

void saveViewPreferences(const ViewPreferences &p)
{
    QSettings s = programSettings();
    if (p.sectionAzimuth)
        s.setValue(QString::fromLatin1(kSectionAzimuthKey), *p.sectionAzimuth);
    else
        s.remove(QString::fromLatin1(kSectionAzimuthKey));
    s.setValue(QString::fromLatin1(kUnitKey), QString::fromLatin1(units::unitName(p.unit)));
    if (p.cylinderRadius)
        s.setValue(QString::fromLatin1(kCylinderRadiusKey), *p.cylinderRadius);
    else
        s.remove(QString::fromLatin1(kCylinderRadiusKey));
    s.sync();
}
