#include "i18n/i18n.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace i18n {
namespace {

    Language g_language = Language::German;
    Catalogue g_catalogue;

    bool isConversionChar(char c)
    {
        return std::strchr("diouxXcsfFeEgGaAp", c) != nullptr;
    }

} // namespace

Language language()
{
    return g_language;
}

void setLanguage(Language language)
{
    g_language = language;
}

std::optional<Language> parseLanguage(std::string_view code)
{
    auto startsWith = [&](std::string_view two) {
        if (code.size() < 2 || std::tolower(static_cast<unsigned char>(code[0])) != two[0]
            || std::tolower(static_cast<unsigned char>(code[1])) != two[1])
            return false;
        return code.size() == 2 || code[2] == '_' || code[2] == '-' || code[2] == '.'
            || code[2] == '@' || code[2] == ':';
    };
    if (startsWith("de"))
        return Language::German;
    if (startsWith("en"))
        return Language::English;
    return std::nullopt;
}

std::optional<Language> parseLanguageOption(std::string_view value)
{
    if (value == "de")
        return Language::German;
    if (value == "en")
        return Language::English;
    return std::nullopt;
}

Language languageFromEnvironment(const Environment &getenv)
{
    for (const char *name : { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const char *value = getenv ? getenv(name) : std::getenv(name);
        if (value == nullptr || *value == '\0')
            continue;
        // LANGUAGE may list several ("en_GB:de"); the first is the one wanted.
        const std::string_view first = std::string_view(value).substr(0, std::strcspn(value, ":"));
        return parseLanguage(first) == Language::English ? Language::English : Language::German;
    }
    return Language::German;
}

void setCatalogue(Catalogue catalogue)
{
    g_catalogue = std::move(catalogue);
}

std::string translate(const char *context, const char *source)
{
    if (g_catalogue) {
        if (std::optional<std::string> text = g_catalogue(context, source))
            return std::move(*text);
    }
    return source;
}

std::string translateFormat(const char *context, const char *source)
{
    std::string text = translate(context, source);
    if (text != source && formatConversions(text) != formatConversions(source))
        return source;
    return text;
}

std::string formatConversions(std::string_view format)
{
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%')
            continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        const std::size_t start = i++;
        while (i < format.size() && !isConversionChar(format[i]))
            ++i;
        if (i == format.size()) {
            out.append(format.substr(start));
            break;
        }
        out.append(format.substr(start, i - start + 1));
    }
    return out;
}

std::string arg(std::string_view text, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < args.size()) {
                out.append(args.begin()[index]);
                ++i;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

char decimalSeparator()
{
    return g_language == Language::German ? ',' : '.';
}

} // namespace i18n
