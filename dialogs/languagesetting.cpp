#include "dialogs/languagesetting.h"

namespace {

const QString kKey = QStringLiteral("language");

} // namespace

namespace languagesetting {

std::optional<i18n::Language> read(const QSettings &settings)
{
    return i18n::parseLanguage(settings.value(kKey).toString().toStdString());
}

void write(QSettings &settings, std::optional<i18n::Language> language)
{
    if (!language)
        settings.remove(kKey);
    else
        settings.setValue(kKey,
            *language == i18n::Language::English ? QStringLiteral("en") : QStringLiteral("de"));
}

} // namespace languagesetting
