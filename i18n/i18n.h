// The language of the texts the program shows, and the catalogue they are looked up in.
//
// Every text a user reads is written here in German and marked where it is written:
// i18n::translate("Kontext", "Deutscher Text") for a text used at once,
// DRV_TRANSLATE_NOOP("Kontext", "Deutscher Text") for one kept in a table and
// looked up later with translate(). The catalogue extractor finds both, so the German
// texts are the catalogue's keys. Without a catalogue (the Qt-free layers' own tests, the
// fuzz targets) every text is its German source; the desktop program and the batch tool
// install the catalogue of the chosen language at start-up (i18n/qt/catalogue.h).
//
// Texts with printf conversions (%d, %s, %.2f …) are looked up with translateFormat(),
// which keeps the German source when a translation's conversions differ from it, so that
// a faulty catalogue entry can never make a format read the wrong arguments.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// Marks a text for the catalogue without looking it up: for tables of texts.
#define DRV_TRANSLATE_NOOP(context, source) source

namespace i18n {

enum class Language { German, English };

// The language the program speaks: German until the start-up chooses another.
Language language();
void setLanguage(Language language);

// "de" or "en", also with a territory and code set ("en_GB.UTF-8"); nothing for others.
std::optional<Language> parseLanguage(std::string_view code);
// The language a "--lang" value or a stored choice names: exactly "de" or "en", nothing
// for anything else.
std::optional<Language> parseLanguageOption(std::string_view value);

// The desktop's language: the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is
// set decides; one that begins with "en" is English, anything else (also C and POSIX)
// German. `getenv` is the environment to read (the process's by default).
using Environment = std::function<const char *(const char *)>;
Language languageFromEnvironment(const Environment &getenv = {});

// The catalogue: the translation of `source` in `context`, or nothing when it has none.
using Catalogue
    = std::function<std::optional<std::string>(const char *context, const char *source)>;
// Installed once at start-up, before any thread looks up a text; an empty one removes it.
void setCatalogue(Catalogue catalogue);

// `source` in the chosen language (UTF-8).
std::string translate(const char *context, const char *source);
// The same for a printf format: the translation only when it has the source's
// conversions in the same order.
std::string translateFormat(const char *context, const char *source);

// The printf conversions of a format in their order ("%d%s%.2f" for "Zeile %d: %s %.2f"),
// "%%" left out; what translateFormat compares.
std::string formatConversions(std::string_view format);

// `text` with "%1" … "%9" replaced by `args` in their order; other "%" stay as they are.
std::string arg(std::string_view text, std::initializer_list<std::string_view> args);

// The decimal separator of the language.
char decimalSeparator();

} // namespace i18n
