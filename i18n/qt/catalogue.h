// The catalogues of the desktop program and the batch tool: the program's own English
// texts (translations/dravon_en.ts, built into the program) and Qt's German texts of the
// dialogs it supplies.
#pragma once

#include "i18n/i18n.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace i18nqt {

// Speaks `language` from now on: sets it for the Qt-free layers, installs the program's
// catalogue as theirs and, when an application object exists, in it, together with Qt's
// own texts in that language. German needs no catalogue of its own (the texts are written
// in German); a second call replaces what the first installed. False when the English
// catalogue could not be loaded (the program then speaks German).
bool install(i18n::Language language);

// The language a "--lang" value asks for ("de", "en"), or nothing.
std::optional<i18n::Language> parseLangOption(const QString &value);

// The locale numbers are shown in: German or English as the language, without grouping.
QLocale numberLocale();


} // namespace i18nqt
