// The tools every layer's part of the settings' JSON form is written with: the JSON value
// that keeps its members in order, a reader that takes members one by one with their
// limits and names the first problem in German, and the members that this program does
// not know, kept for writing back. No Qt.
#pragma once

#include "i18n/i18n.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settingsjson {

// The fault of an entry that is no JSON object (a text of the catalogue, %1 its name).
inline constexpr const char *kNotAnObject
    = DRV_TRANSLATE_NOOP("Bohrungseinstellungen", "Der Eintrag \"%1\" ist kein JSON-Objekt.");

// Keeps the members in the order they were read or set, so that unknown members are
// written back where they were among themselves and equal settings give equal text.
using Json = nlohmann::ordered_json;

// Reads members of one parsed object; the first problem ends the reading and stays in
// `fault`.
class Reader
{
public:
    // `where` names the object in the faults: empty for the settings themselves,
    // "offsets[2]." for an offset well's.
    explicit Reader(const Json &object, std::string where = {});

    std::string fault;

    // A number within `valid`; a missing member leaves `out` as it is. `range` (if given,
    // a text of the catalogue) completes the fault: "keine gültige Zahl von -90 bis 90
    // Grad".
    bool number(const char *key, bool (*valid)(double), std::optional<double> &out,
        const char *range = nullptr);
    // A number that has a default in place of "not set".
    bool number(const char *key, bool (*valid)(double), double &out, const char *range);

    // One of `names`, whose index goes to `out`.
    template <typename Enum>
    bool choice(const char *key, std::initializer_list<const char *> names, Enum &out)
    {
        return namedValue(key, [&](const std::string &text) {
            int index = 0;
            for (const char *name : names) {
                if (text == name) {
                    out = static_cast<Enum>(index);
                    return true;
                }
                ++index;
            }
            return false;
        });
    }

    // A value that `lookup` knows by its name.
    template <typename Value>
    bool choice(const char *key, std::optional<Value> (*lookup)(std::string_view), Value &out)
    {
        return namedValue(key, [&](const std::string &text) {
            const std::optional<Value> found = lookup(text);
            if (found)
                out = *found;
            return found.has_value();
        });
    }

    // A text of at most `maxSize` bytes; `required` refuses a missing or empty one.
    bool text(const char *key, std::size_t maxSize, bool required, std::string &out);

    // The member, when it is there.
    const Json *member(const char *key) const;
    // What the faults put in front of a member's name.
    const std::string &where() const { return m_where; }

    // `sentence`: a text of the catalogue with the entry's name as %1 and `more` as %2.
    bool fail(const std::string &key, const char *sentence, const std::string &more = {});

private:
    // A text member that `take` accepts (and keeps); a missing member is no fault.
    bool namedValue(const char *key, const std::function<bool(const std::string &)> &take);

    const Json &m_object;
    std::string m_where;
};

// A list of JSON objects under `key`, each read into a `T` by `read(Reader &, T &)` with a
// reader that names it "key[i]." in its faults; a missing member leaves `out` as it is.
// More than `most` entries, or a member that is no list, fail with `notAList` (a text of
// the catalogue with the entry's name as %1); an entry that is no object fails too.
template <class T, class Read>
bool readObjects(Reader &in, const char *key, std::size_t most, const char *notAList,
    std::vector<T> &out, Read read)
{
    const Json *list = in.member(key);
    if (!list)
        return true;
    if (!list->is_array() || list->size() > most)
        return in.fail(key, notAList);
    std::vector<T> values;
    for (const Json &object : *list) {
        const std::string name = std::string(key) + "[" + std::to_string(values.size()) + "]";
        if (!object.is_object())
            return in.fail(name, kNotAnObject);
        Reader item(object, in.where() + name + ".");
        T value;
        if (!read(item, value)) {
            in.fault = item.fault;
            return false;
        }
        values.push_back(std::move(value));
    }
    out = std::move(values);
    return true;
}

// Parses a stored JSON text, noting in `tooDeep` when it nests deeper than `maxDepth`
// (writing such members back would recurse without bound); a text that is no JSON gives
// a discarded value.
Json parseBounded(std::string_view text, int maxDepth, bool &tooDeep);

// The members of `object` that `known` does not name, as compact JSON; empty for none.
std::string otherMembersOf(
    const Json &object, const std::function<bool(const std::string &)> &known);

// Adds the members of `others` (compact JSON) to `j` after its own, none twice.
void addOtherMembers(Json &j, const std::string &others);

} // namespace settingsjson
