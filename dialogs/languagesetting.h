// The language the desktop program starts in, as the user chose it under "Ansicht →
// Einstellungen": kept in the program settings under "language" ("de" or "en"; absent
// means the desktop's language), where the start-up reads it before any window opens.
#pragma once

#include "i18n/i18n.h"

#include <QSettings>

#include <optional>

namespace languagesetting {

// The chosen language; nothing for "automatic" and for a value the program does not know.
std::optional<i18n::Language> read(const QSettings &settings);

// Keeps `language`; nothing removes the key, so that the desktop decides again.
void write(QSettings &settings, std::optional<i18n::Language> language);

} // namespace languagesetting
