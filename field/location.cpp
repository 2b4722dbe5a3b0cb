#include "field/location.h"

#include "i18n/i18n.h"

#include <charconv>
#include <filesystem>

namespace field {

namespace {

constexpr std::string_view kSchemes[] = { "postgresql://", "postgres://" };

std::size_t schemeLength(std::string_view where)
{
    for (std::string_view scheme : kSchemes) {
        if (where.starts_with(scheme))
            return scheme.size();
    }
    return 0;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// `text` with its %XX codes replaced by their bytes; none when a % stands before no code.
std::optional<std::string> decoded(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? hexDigit(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexDigit(text[i + 2]) : -1;
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

} // namespace

bool isServerAddress(std::string_view where)
{
    return schemeLength(where) != 0;
}

std::string shownLocation(const std::string &where)
{
    const std::size_t scheme = schemeLength(where);
    if (scheme == 0)
        return where;
    std::string shown = where;
    // user:password@ → user@
    const std::size_t authorityEnd = std::min(shown.find('/', scheme), shown.find('?', scheme));
    const std::size_t at = shown.rfind('@', authorityEnd);
    if (at != std::string::npos && at >= scheme) {
        const std::size_t colon = shown.find(':', scheme);
        if (colon < at)
            shown.erase(colon, at - colon);
    }
    // ?…&password=…&… without that keyword
    const std::size_t mark = shown.find('?');
    if (mark == std::string::npos)
        return shown;
    std::string kept;
    for (std::size_t from = mark + 1; from <= shown.size();) {
        const std::size_t end = std::min(shown.find('&', from), shown.size());
        const std::string_view pair = std::string_view(shown).substr(from, end - from);
        if (!pair.empty() && !pair.starts_with("password=")) {
            kept += kept.empty() ? '?' : '&';
            kept += pair;
        }
        from = end + 1;
    }
    shown.resize(mark);
    shown += kept;
    return shown;
}

std::optional<ServerAddress> parseServerAddress(std::string_view where, std::string &fault)
{
    const auto refuse = [&](const char *why) {
        fault = i18n::arg(i18n::translate("Feld", "Die Adresse %1 der Felddatenbank ist ungültig: %2."),
            { shownLocation(std::string(where)), i18n::translate("Feld", why) });
        return std::nullopt;
    };
    const char *const kBadCode
        = DRV_TRANSLATE_NOOP("Feld", "ein %-Zeichen steht vor keinem zweistelligen Hexadezimalcode");
    const char *const kBadPort
        = DRV_TRANSLATE_NOOP("Feld", "der Port muss eine ganze Zahl von 1 bis 65535 sein");

    std::string_view rest = where.substr(schemeLength(where));
    std::string_view query;
    if (const std::size_t mark = rest.find('?'); mark != std::string_view::npos) {
        query = rest.substr(mark + 1);
        rest = rest.substr(0, mark);
    }
    const std::size_t slash = rest.find('/');
    std::string_view authority = rest.substr(0, slash);
    std::string_view database = slash == std::string_view::npos ? std::string_view {} : rest.substr(slash + 1);

    ServerAddress address;
    std::string_view userInfo;
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        userInfo = authority.substr(0, at);
        authority = authority.substr(at + 1);
    }
    std::string_view user = userInfo, password;
    if (const std::size_t colon = userInfo.find(':'); colon != std::string_view::npos) {
        user = userInfo.substr(0, colon);
        password = userInfo.substr(colon + 1);
    }
    // An IPv6 address in brackets keeps its colons.
    std::string_view host = authority, port;
    const std::size_t bracket = authority.starts_with('[') ? authority.find(']') : 0;
    if (const std::size_t colon = authority.find(':', bracket == std::string_view::npos ? 0 : bracket);
        colon != std::string_view::npos) {
        host = authority.substr(0, colon);
        port = authority.substr(colon + 1);
    }
    if (host.starts_with('[') && host.ends_with(']'))
        host = host.substr(1, host.size() - 2);

    const auto takePort = [&](std::string_view text) {
        int value = 0;
        const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
        if (r.ec != std::errc() || r.ptr != text.data() + text.size() || value < 1 || value > 65535)
            return false;
        address.port = value;
        return true;
    };
    const auto d = [&](std::string_view text, std::string &into) {
        std::optional<std::string> plain = decoded(text);
        if (plain)
            into = std::move(*plain);
        return plain.has_value();
    };
    if (!d(host, address.host) || !d(user, address.user) || !d(password, address.password)
        || !d(database, address.database))
        return refuse(kBadCode);
    if (!port.empty() && !takePort(port))
        return refuse(kBadPort);

    // The query's keywords as libpq names them; those of the parts above replace them.
    while (!query.empty()) {
        const std::size_t amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view {} : query.substr(amp + 1);
        if (pair.empty())
            continue;
        const std::size_t equals = pair.find('=');
        std::string key, value;
        if (equals == std::string_view::npos || !d(pair.substr(0, equals), key)
            || !d(pair.substr(equals + 1), value) || key.empty()
            || key.find_first_not_of("abcdefghijklmnopqrstuvwxyz_") != std::string::npos)
            return refuse(DRV_TRANSLATE_NOOP("Feld",
                "nach dem ? stehen Angaben der Form Schlüsselwort=Wert, getrennt durch &"));
        if (key == "host")
            address.host = value;
        else if (key == "port") {
            if (!takePort(value))
                return refuse(kBadPort);
        } else if (key == "user")
            address.user = value;
        else if (key == "password")
            address.password = value;
        else if (key == "dbname")
            address.database = value;
        else if (value.find(';') != std::string::npos)
            // The driver hands its options on separated by semicolons.
            return refuse(DRV_TRANSLATE_NOOP("Feld", "ein Wert enthält ein Semikolon"));
        else
            address.options.emplace_back(std::move(key), std::move(value));
    }
    if (address.database.empty())
        return refuse(DRV_TRANSLATE_NOOP("Feld", "sie nennt keine Datenbank (…/DATENBANK)"));
    return address;
}

std::string fieldNameOf(const std::string &where)
{
    if (isServerAddress(where)) {
        std::string ignored;
        if (std::optional<ServerAddress> address = parseServerAddress(where, ignored))
            return address->database;
        return {};
    }
    return std::filesystem::path(where).stem().string();
}

} // namespace field
