// Recognising LAS and WITSML files and the helpers their readers share.
#include "exchange/surveyfile.h"

#include "core/filename.h"
#include "core/utf8.h"

#include <algorithm>

namespace exchange {

namespace {

    bool isSpace(char c)
    {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    }

    // Lower case of the Western European letters.
    std::string lower(std::string_view text)
    {
        std::string out;
        out.reserve(text.size());
        for (size_t i = 0; i < text.size();)
            utf8::append(out, utf8::foldCase(utf8::next(text, i)));
        return out;
    }

    // The first element's name in an XML text, without a namespace prefix: declarations,
    // comments and processing instructions before it are passed over.
    std::string firstElement(std::string_view text)
    {
        size_t at = 0;
        // The first few kilobytes are enough: a document's root comes early.
        const size_t end = std::min<size_t>(text.size(), 64 * 1024);
        while (at < end) {
            at = text.find('<', at);
            if (at == std::string_view::npos || at + 1 >= end)
                return {};
            const char next = text[at + 1];
            if (next == '?' || next == '!') {
                const std::string_view close = text.substr(at + 1, 3) == "!--" ? "-->" : ">";
                at = text.find(close, at + 1);
                if (at == std::string_view::npos)
                    return {};
                continue;
            }
            size_t stop = at + 1;
            while (stop < end && !isSpace(text[stop]) && text[stop] != '>' && text[stop] != '/')
                ++stop;
            std::string name(text.substr(at + 1, stop - at - 1));
            if (const size_t colon = name.find(':'); colon != std::string::npos)
                name.erase(0, colon + 1);
            return name;
        }
        return {};
    }

} // namespace

std::optional<SurveyFileKind> surveyFileKindOf(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    // LAS: blank and comment lines, then "~V".
    size_t at = 0;
    while (at < bytes.size()) {
        while (at < bytes.size() && isSpace(bytes[at]))
            ++at;
        if (at < bytes.size() && bytes[at] == '#') {
            at = bytes.find('\n', at);
            if (at == std::string_view::npos)
                break;
            continue;
        }
        if (at + 1 < bytes.size() && bytes[at] == '~'
            && (bytes[at + 1] == 'V' || bytes[at + 1] == 'v'))
            return SurveyFileKind::Las;
        break;
    }
    if (at < bytes.size() && bytes[at] == '<') {
        const std::string root = lower(firstElement(bytes.substr(at)));
        if (root == "trajectorys" || root == "trajectory")
            return SurveyFileKind::Witsml;
    }
    return std::nullopt;
}

std::optional<SurveyFileKind> surveyFileKindForPath(const std::string &path)
{
    const std::string extension = lowerExtension(path);
    if (extension == "las")
        return SurveyFileKind::Las;
    if (extension == "xml" || extension == "witsml")
        return SurveyFileKind::Witsml;
    return std::nullopt;
}

bool isTableImportFile(const std::string &path, std::string_view head)
{
    const std::string extension = lowerExtension(path);
    for (const char *table : { "csv", "tsv", "xlsx", "xlsm", "xls" })
        if (extension == table)
            return true;
    // A zip archive (.xlsx), an OLE2 compound file (.xls).
    if (head.starts_with("PK\x03\x04") || head.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return true;
    return surveyFileKindForPath(path) || surveyFileKindOf(head);
}

std::optional<int> chooseByNameOrNumber(
    const std::vector<std::string> &names, const std::string &wanted)
{
    if (names.empty())
        return std::nullopt;
    if (wanted.empty())
        return 0;
    const bool digits = wanted.size() <= 6
        && std::all_of(wanted.begin(), wanted.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits) {
        const int number = std::stoi(wanted);
        if (number >= 1 && number <= static_cast<int>(names.size()))
            return number - 1;
    }
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == wanted)
            return static_cast<int>(i);
    for (size_t i = 0; i < names.size(); ++i)
        if (lower(names[i]) == lower(wanted))
            return static_cast<int>(i);
    return std::nullopt;
}

TableFault fileFault(const std::string &message)
{
    TableFault fault;
    fault.message = message;
    return fault;
}

TableFault lineFault(int line, std::string text, const std::string &message)
{
    TableFault fault = fileFault(message);
    fault.row = line;
    fault.text = std::move(text);
    return fault;
}

} // namespace exchange
