// Where the program's help pages lie: installed below the program's prefix
// (share/dravon/help/ next to bin/) or, when run from the build tree, in the build
// folder's share/ copy. There is one page per language: dravon-hilfe.html in German,
// dravon-help-en.html in English.
#pragma once

#include "i18n/i18n.h"

#include <QString>

// The file name of the help page in `language`.
QString helpPageName(i18n::Language language);

// The path of the help page in `language`, else of the German one, or an empty string
// when no copy exists.
QString findHelpPage(i18n::Language language = i18n::language());
