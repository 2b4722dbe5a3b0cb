// The wellbores of a field placed as the offset wells of one well.
#include "field/neighbours.h"

#include "clearance/offsetform.h"
#include "field/fielddb.h"
#include "field/location.h"
#include "i18n/i18n.h"

#include <filesystem>

namespace field {

std::string linkedLocation(const std::string &where)
{
    if (isServerAddress(where))
        return shownLocation(where);
    std::error_code failed;
    const std::filesystem::path whole = std::filesystem::absolute(where, failed);
    return failed ? where : whole.lexically_normal().string();
}

std::string resolvedLocation(const std::string &location, const std::string &documentFolder)
{
    if (isServerAddress(location) || documentFolder.empty())
        return location;
    const std::filesystem::path path = std::filesystem::path(location);
    if (path.is_absolute())
        return location;
    return (std::filesystem::path(documentFolder) / path).lexically_normal().string();
}

std::vector<OffsetWell> offsetsOf(const std::vector<well::Well> &wells, const WellSettings &own,
    std::vector<std::string> &notes)
{
    std::vector<OffsetWell> out;
    for (const well::Well &w : wells) {
        OffsetWell o;
        std::string why;
        if (clr::offsetOfWell(w, w.settings, own, o, why))
            out.push_back(std::move(o));
        else
            notes.push_back(w.name + ": " + why);
    }
    return out;
}

std::optional<Neighbours> neighboursOf(const FieldLink &link, const WellSettings &own,
    const std::string &documentFolder, std::string &fault)
{
    const std::string where = resolvedLocation(link.location, documentFolder);
    // A link reads a field; it never makes an empty one where the file went missing.
    std::error_code failed;
    if (!isServerAddress(where) && !std::filesystem::is_regular_file(where, failed)) {
        fault = i18n::arg(
            i18n::translate("Feld", "Das Feld %1, zu dem die Bohrung gehört, ist nicht da."),
            { where });
        return std::nullopt;
    }
    std::optional<Database> db = Database::open(where, fault);
    if (!db)
        return std::nullopt;
    std::vector<std::pair<WellboreEntry, well::Well>> all = db->definitiveSurveys(fault);
    if (!fault.empty())
        return std::nullopt;
    Neighbours out;
    std::string ownField;
    std::vector<well::Well> others;
    for (auto &[entry, w] : all) {
        w.name = pathOf(entry.place);
        if (!link.wellbore.empty() && w.name == link.wellbore)
            ownField = entry.place.field;
        else
            others.push_back(std::move(w));
    }
    out.offsets = offsetsOf(others, own, out.notes);
    // The rules of the well's own field, else of the field the location is named after.
    std::string why;
    const std::string text
        = db->rules(ownField.empty() ? fieldNameOf(where) : ownField, why);
    if (!why.empty()) {
        out.notes.push_back(why);
    } else if (!text.empty()) {
        clr::RuleSet rules;
        if (clr::readRuleSet(text, rules, why))
            out.rules = std::move(rules);
        else
            out.notes.push_back(shownLocation(where) + ": " + why);
    }
    return out;
}

} // namespace field
