// The reader of the settings' members and the members kept for writing back.
#include "well/settingsreader.h"

#include "i18n/i18n.h"

#include <utility>

namespace settingsjson {

Reader::Reader(const Json &object, std::string where)
    : m_object(object)
    , m_where(std::move(where))
{
}

bool Reader::number(
    const char *key, bool (*valid)(double), std::optional<double> &out, const char *range)
{
    const auto it = m_object.find(key);
    if (it == m_object.end())
        return true;
    if (!it->is_number() || !valid(it->get<double>())) {
        if (!range)
            return fail(key,
                DRV_TRANSLATE_NOOP(
                    "Bohrungseinstellungen", "Der Eintrag \"%1\" ist keine gültige Zahl."));
        return fail(key,
            DRV_TRANSLATE_NOOP(
                "Bohrungseinstellungen", "Der Eintrag \"%1\" ist keine gültige Zahl %2."),
            i18n::translate("Bohrungseinstellungen", range));
    }
    out = it->get<double>();
    return true;
}

bool Reader::number(const char *key, bool (*valid)(double), double &out, const char *range)
{
    std::optional<double> read;
    if (!number(key, valid, read, range))
        return false;
    if (read)
        out = *read;
    return true;
}

bool Reader::namedValue(const char *key, const std::function<bool(const std::string &)> &take)
{
    const auto it = m_object.find(key);
    if (it == m_object.end())
        return true;
    if (it->is_string() && take(it->get_ref<const std::string &>()))
        return true;
    return fail(key,
        DRV_TRANSLATE_NOOP(
            "Bohrungseinstellungen", "Der Eintrag \"%1\" ist keiner der erlaubten Werte."));
}

bool Reader::text(const char *key, std::size_t maxSize, bool required, std::string &out)
{
    const auto it = m_object.find(key);
    if (it == m_object.end())
        return !required
            || fail(key,
                DRV_TRANSLATE_NOOP(
                    "Bohrungseinstellungen", "Der Eintrag \"%1\" ist nicht angegeben."));
    if (!it->is_string() || it->get_ref<const std::string &>().size() > maxSize
        || (required && it->get_ref<const std::string &>().empty()))
        return fail(key,
            DRV_TRANSLATE_NOOP(
                "Bohrungseinstellungen", "Der Eintrag \"%1\" ist kein gültiger Text."));
    out = it->get_ref<const std::string &>();
    return true;
}

const Json *Reader::member(const char *key) const
{
    const auto it = m_object.find(key);
    return it == m_object.end() ? nullptr : &*it;
}

bool Reader::fail(const std::string &key, const char *sentence, const std::string &more)
{
    fault = i18n::arg(i18n::translate("Bohrungseinstellungen", sentence), { m_where + key, more });
    return false;
}

std::string otherMembersOf(
    const Json &object, const std::function<bool(const std::string &)> &known)
{
    Json others = Json::object();
    for (const auto &[key, value] : object.items()) {
        if (!known(key))
            others[key] = value;
    }
    return others.empty() ? std::string() : others.dump();
}

void addOtherMembers(Json &j, const std::string &others)
{
    if (others.empty())
        return;
    const Json parsed = Json::parse(others, nullptr, false);
    if (!parsed.is_object())
        return;
    for (const auto &[key, value] : parsed.items()) {
        if (!j.contains(key))
            j[key] = value;
    }
}

Json parseBounded(std::string_view text, int maxDepth, bool &tooDeep)
{
    tooDeep = false;
    const Json::parser_callback_t depthCheck = [&](int depth, Json::parse_event_t, Json &) {
        if (depth > maxDepth)
            tooDeep = true;
        return true;
    };
    return Json::parse(text.begin(), text.end(), depthCheck, false);
}

} // namespace settingsjson
