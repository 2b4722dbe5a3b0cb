#include "geo/owntoolfile.h"

#include "exchange/delimitedtext.h"
#include "geo/wellform.h"
#include "i18n/i18n.h"
#include "toollibrary/toollibrary.h"
#include "uncertainty/settingsjson.h"
#include "well/settingsjson.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <optional>

namespace geo {

namespace {

    using settingsjson::Json;

    // Lower case without blanks, dots, hyphens and underscores: "Wt.Fn." is "wtfn".
    std::string folded(std::string_view text)
    {
        std::string out;
        for (const char c : text) {
            if (c != ' ' && c != '.' && c != '-' && c != '_')
                out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return out;
    }

    struct Alias
    {
        const char *name; // the stored member's name
        std::array<const char *, 5> others; // folded; empty entries unused
    };

    // clang-format off
    constexpr Alias kToolMembers[] = {
        { "code",           { "name", "shortname", "toolcode", "tool", "" } },
        { "description",    { "longname", "", "", "", "" } },
        { "inclinationMin", { "mininclination", "inclinationrangemin", "startinc", "", "" } },
        { "inclinationMax", { "maxinclination", "inclinationrangemax", "endinc", "", "" } },
        { "tortuosity",     { "xcltortuosity", "", "", "", "" } },
        { "courseLength",   { "misalignmentmincourselength", "", "", "", "" } },
        { "noiseReduction", { "noisereductionfactor", "", "", "", "" } },
        { "terms",          { "errorterms", "errortermvalues", "", "", "" } },
    };
    constexpr Alias kTermMembers[] = {
        { "code",        { "name", "term", "errorterm", "", "" } },
        { "function",    { "weightingfunction", "wtfn", "", "", "" } },
        { "magnitude",   { "value", "", "", "", "" } },
        { "unit",        { "units", "uom", "", "", "" } },
        { "propagation", { "propagationmode", "errorpropagationmode", "prop", "", "" } },
    };
    // clang-format on

    template <std::size_t N> const char *storedName(const Alias (&aliases)[N], std::string_view key)
    {
        const std::string f = folded(key);
        for (const Alias &a : aliases) {
            if (f == folded(a.name))
                return a.name;
            for (const char *other : a.others) {
                if (*other && f == other)
                    return a.name;
            }
        }
        return nullptr;
    }

    // 'R', 'S', 'W' or 'G' for the letter or the word; none for anything else.
    std::optional<char> propagationOf(std::string_view text)
    {
        const std::string f = folded(text);
        for (const auto &[letter, words] :
            { std::pair<char, std::array<const char *, 3>> { 'R', { "r", "random", "zufällig" } },
                { 'S', { "s", "systematic", "systematisch" } },
                { 'W', { "w", "well", "wellbywell" } }, { 'G', { "g", "global", "" } } }) {
            for (const char *word : words) {
                if (*word && f == word)
                    return letter;
            }
        }
        return std::nullopt;
    }

    // `object` with its members under the stored names; members that no alias names are
    // kept as they are. Where two members give one name, the first stays.
    template <std::size_t N> Json renamed(const Json &object, const Alias (&aliases)[N])
    {
        Json out = Json::object();
        for (const auto &[key, value] : object.items()) {
            const char *name = storedName(aliases, key);
            const std::string stored = name ? name : key;
            if (!out.contains(stored))
                out[stored] = value;
        }
        return out;
    }

    Json normalisedTool(const Json &tool)
    {
        Json out = renamed(tool, kToolMembers);
        if (out.contains("terms") && out["terms"].is_array()) {
            for (Json &term : out["terms"]) {
                if (!term.is_object())
                    continue;
                term = renamed(term, kTermMembers);
                if (term.contains("propagation") && term["propagation"].is_string()) {
                    if (const auto p = propagationOf(term["propagation"].get<std::string>()))
                        term["propagation"] = std::string(1, *p);
                }
            }
        }
        return out;
    }

    // The tool's terms computed as the library computes them, or the library's refusal.
    bool computable(const OwnTool &tool, std::string &fault)
    {
        const toollib::ModelOrRefusal r = toollib::modelFor(tool);
        if (r.refusal)
            fault = r.refusal->message;
        return !r.refusal;
    }

} // namespace

bool ownToolsFromJson(std::string_view text, std::vector<OwnTool> &out, std::string &fault)
{
    bool tooDeep = false;
    const Json j = settingsjson::parseBounded(text, kMaxSettingsDepth, tooDeep);
    if (j.is_discarded() || tooDeep) {
        fault = i18n::translate(
            "Vermessungsprogramm", "Die Datei ist kein gültiger JSON-Text in UTF-8.");
        return false;
    }
    // One tool, a list of tools, or a list under "tools".
    const Json *list = &j;
    Json single;
    if (j.is_object()) {
        const auto it = std::find_if(j.items().begin(), j.items().end(),
            [](const auto &item) { return folded(item.key()) == "tools"; });
        if (it != j.items().end()) {
            list = &it.value();
        } else {
            single = Json::array({ j });
            list = &single;
        }
    }
    if (!list->is_array() || list->empty() || list->size() > kMaxOwnTools) {
        fault = i18n::translate("Vermessungsprogramm",
            "Die Datei hält kein Werkzeug: erwartet ist ein JSON-Objekt eines Werkzeugs oder "
            "eine Liste von 1 bis 100 Werkzeugen.");
        return false;
    }
    std::vector<OwnTool> tools;
    for (const Json &object : *list) {
        const std::string where = list == &single
            ? std::string()
            : i18n::arg(i18n::translate("Vermessungsprogramm", "Werkzeug %1: "),
                  { std::to_string(tools.size() + 1) });
        if (!object.is_object()) {
            fault = where
                + i18n::translate("Vermessungsprogramm", "Das Werkzeug ist kein JSON-Objekt.");
            return false;
        }
        const Json normal = normalisedTool(object);
        settingsjson::Reader in(normal);
        OwnTool tool;
        if (!settingsjson::readOwnTool(in, tool)) {
            fault = where + in.fault;
            return false;
        }
        if (!computable(tool, fault))
            return false;
        if (std::any_of(tools.begin(), tools.end(),
                [&](const OwnTool &t) { return t.code == tool.code; })) {
            fault = i18n::arg(i18n::translate("Vermessungsprogramm",
                                  "Die Datei nennt das Werkzeug %1 zweimal."),
                { tool.code });
            return false;
        }
        tools.push_back(std::move(tool));
    }
    out = std::move(tools);
    return true;
}

bool ownToolFromTable(
    std::string_view text, const std::string &code, OwnTool &out, std::string &fault)
{
    exchange::DelimitedRead table
        = exchange::readDelimited(std::string(text), exchange::Delimiter::Automatic);
    if (table.fault) {
        fault = table.fault->message;
        return false;
    }
    const auto &rows = table.table.rows;
    const auto heading = std::find_if(
        rows.begin(), rows.end(), [](const std::vector<exchange::Cell> &r) { return !r.empty(); });
    // The columns by their headings (a heading may carry a unit: "Betrag (1σ)").
    constexpr std::array<std::array<const char *, 4>, 5> kHeadings { {
        { "code", "quelle", "term", "" },
        { "gewichtungsfunktion", "function", "weightingfunction", "wtfn" },
        { "betrag", "magnitude", "value", "" },
        { "einheit", "unit", "units", "" },
        { "fortpflanzung", "propagation", "", "" },
    } };
    std::array<std::optional<std::size_t>, 5> column;
    if (heading != rows.end()) {
        for (std::size_t c = 0; c < heading->size(); ++c) {
            std::string name((*heading)[c].text);
            name = folded(name.substr(0, name.find('(')));
            for (std::size_t f = 0; f < kHeadings.size(); ++f) {
                for (const char *h : kHeadings[f]) {
                    if (!column[f] && *h && name == h)
                        column[f] = c;
                }
            }
        }
    }
    if (std::any_of(column.begin(), column.end(), [](const auto &c) { return !c; })) {
        fault = i18n::translate("Vermessungsprogramm",
            "Die Tabelle braucht die Spalten Code, Gewichtungsfunktion, Betrag, Einheit und "
            "Fortpflanzung (oder Code, Function, Magnitude, Unit und Propagation) in ihrer "
            "ersten Zeile.");
        return false;
    }
    OwnTool tool;
    tool.code = code;
    for (auto row = heading + 1; row != rows.end(); ++row) {
        const auto field = [&](std::size_t f) {
            return *column[f] < row->size() ? trimmedField(std::string((*row)[*column[f]].text))
                                            : std::string();
        };
        if (std::all_of(column.begin(), column.end(),
                [&](const auto &c) { return field(&c - column.data()).empty(); }))
            continue;
        const std::string rowNumber = std::to_string(row - rows.begin() + 1);
        const auto at = [&](std::size_t f) {
            return i18n::arg(i18n::translate("Vermessungsprogramm", "Zeile %1, Spalte %2"),
                { rowNumber, std::string((*heading)[*column[f]].text) });
        };
        OwnToolTerm t;
        t.code = field(0);
        t.function = field(1);
        t.unit = field(3);
        std::optional<double> magnitude;
        const auto nonNegative = [](double v) { return std::isfinite(v) && v >= 0.0; };
        if (!formField(field(2), at(2), nonNegative, true, magnitude, fault))
            return false;
        t.magnitude = *magnitude;
        const std::optional<char> propagation = propagationOf(field(4));
        if (!propagation) {
            fault = i18n::arg(i18n::translate("Vermessungsprogramm",
                                  "%1: \"%2\" ist keine Fortpflanzung (R, S, W oder G)."),
                { at(4), field(4) });
            return false;
        }
        t.propagation = *propagation;
        for (const std::size_t f : { std::size_t { 0 }, std::size_t { 1 }, std::size_t { 3 } }) {
            if (field(f).empty() || field(f).size() > kMaxToolCodeSize) {
                fault = i18n::arg(i18n::translate("Vermessungsprogramm",
                                      "%1: bitte einen Text von 1 bis 60 Zeichen angeben."),
                    { at(f) });
                return false;
            }
        }
        tool.terms.push_back(std::move(t));
    }
    if (!ownToolValid(tool, &fault) || !computable(tool, fault))
        return false;
    out = std::move(tool);
    return true;
}

bool ownToolsFromFile(std::string_view bytes, const std::string &fileName,
    std::vector<OwnTool> &out, std::string &fault)
{
    const auto slash = fileName.find_last_of("/\\");
    std::string name = fileName.substr(slash == std::string::npos ? 0 : slash + 1);
    const auto dot = name.find_last_of('.');
    const std::string extension
        = dot == std::string::npos ? std::string() : folded(name.substr(dot));
    name = name.substr(0, dot);
    if (extension == "json") {
        // JSON is UTF-8; a byte order mark in front is tolerated.
        if (bytes.starts_with("\xEF\xBB\xBF"))
            bytes.remove_prefix(3);
        return ownToolsFromJson(bytes, out, fault);
    }
    OwnTool tool;
    if (!ownToolFromTable(exchange::decodeText(bytes), name, tool, fault))
        return false;
    out = { std::move(tool) };
    return true;
}

void mergeOwnTools(std::vector<OwnTool> &into, const std::vector<OwnTool> &tools)
{
    for (const OwnTool &t : tools) {
        const auto same = std::find_if(
            into.begin(), into.end(), [&](const OwnTool &o) { return o.code == t.code; });
        if (same != into.end())
            *same = t;
        else
            into.push_back(t);
    }
}

} // namespace geo
