// Stations and unread lines in entry order, and the written form of a station.
#include "well/survey.h"

#include "core/cformat.h"
#include "core/cscan.h"
#include "core/hugepages.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace well {

void Survey::add(const Station &station, std::string text)
{
    const bool keepTexts = !text.empty() || !m_texts.empty();
    if (keepTexts)
        m_texts.resize(m_stations.size());
    m_stations.push_back(station);
    if (keepTexts)
        m_texts.push_back(std::move(text));
}

void Survey::reserve(std::size_t stations, Texts texts)
{
    hugepages::reserve(m_stations, stations);
    // Lines read from a file or typed keep their text: room for them too, so that a long
    // survey is not moved string by string while it grows.
    if (texts == Texts::Kept)
        m_texts.reserve(stations);
}

void Survey::addUnread(std::string text)
{
    m_unread.push_back({ m_stations.size(), std::move(text) });
}

void Survey::clear()
{
    m_stations.clear();
    m_texts.clear();
    m_unread.clear();
}

std::string Survey::text(std::size_t i) const
{
    if (i < m_texts.size() && !m_texts[i].empty())
        return m_texts[i];
    return stationText(m_stations[i]);
}

StationEntry Survey::entry(std::size_t i) const
{
    return { m_stations[i], i < m_texts.size() ? m_texts[i] : std::string() };
}

std::vector<StationEntry> Survey::entries(std::size_t first, std::size_t count) const
{
    std::vector<StationEntry> out;
    out.reserve(count);
    for (std::size_t i = first; i < first + count; ++i)
        out.push_back(entry(i));
    return out;
}

void Survey::splice(std::size_t first, std::size_t count, std::vector<StationEntry> entries)
{
    const std::size_t inserted = entries.size();
    const auto at = [first](auto &v) { return v.begin() + static_cast<std::ptrdiff_t>(first); };
    bool anyText = !m_texts.empty();
    for (const StationEntry &e : entries)
        anyText = anyText || !e.text.empty();
    if (anyText)
        m_texts.resize(m_stations.size());
    // Overwrite what both ranges share, then grow or shrink at its end: an edit of one
    // station moves no other.
    const std::size_t common = std::min(count, inserted);
    for (std::size_t k = 0; k < common; ++k) {
        m_stations[first + k] = entries[k].station;
        if (anyText)
            m_texts[first + k] = std::move(entries[k].text);
    }
    if (inserted > count) {
        std::vector<Station> stations;
        std::vector<std::string> texts;
        for (std::size_t k = common; k < inserted; ++k) {
            stations.push_back(entries[k].station);
            texts.push_back(std::move(entries[k].text));
        }
        m_stations.insert(at(m_stations) + static_cast<std::ptrdiff_t>(common), stations.begin(),
            stations.end());
        if (anyText)
            m_texts.insert(at(m_texts) + static_cast<std::ptrdiff_t>(common),
                std::make_move_iterator(texts.begin()), std::make_move_iterator(texts.end()));
    } else if (count > inserted) {
        m_stations.erase(at(m_stations) + static_cast<std::ptrdiff_t>(common),
            at(m_stations) + static_cast<std::ptrdiff_t>(count));
        if (anyText)
            m_texts.erase(at(m_texts) + static_cast<std::ptrdiff_t>(common),
                at(m_texts) + static_cast<std::ptrdiff_t>(count));
    }
    for (UnreadLine &line : m_unread) {
        if (line.position >= first + count)
            line.position = line.position - count + inserted;
        else if (line.position > first)
            line.position = first + std::min(line.position - first, inserted);
    }
}

StringList Survey::lines() const
{
    StringList out;
    out.reserve(lineCount());
    std::size_t u = 0;
    for (std::size_t i = 0; i <= m_stations.size(); ++i) {
        for (; u < m_unread.size() && m_unread[u].position == i; ++u)
            out.push_back(m_unread[u].text);
        if (i < m_stations.size())
            out.push_back(text(i));
    }
    return out;
}

bool Survey::readsBackAs(const StringList &lines) const
{
    if (lines.size() != lineCount())
        return false;
    std::size_t u = 0, line = 0;
    for (std::size_t i = 0; i <= m_stations.size(); ++i) {
        for (; u < m_unread.size() && m_unread[u].position == i; ++u, ++line) {
            Station s;
            // Read again it must still be no station.
            if (lines[line] != m_unread[u].text
                || cscan::readStation(lines[line], s.md, s.inclination, s.azimuth))
                return false;
        }
        if (i == m_stations.size())
            break;
        const std::string &given = lines[line++];
        const bool sameText = i < m_texts.size() && !m_texts[i].empty()
            ? given == m_texts[i]
            : given == stationText(m_stations[i]);
        Station s;
        if (!sameText || !cscan::readStation(given, s.md, s.inclination, s.azimuth)
            || !(s == m_stations[i]))
            return false;
    }
    return true;
}

Survey surveyFromLines(const StringList &lines)
{
    return surveyFromLines(StringList(lines));
}

Survey surveyFromLines(StringList &&lines)
{
    Survey survey;
    survey.reserve(lines.size(), Survey::Texts::Kept);
    for (std::string &line : lines) {
        Station s;
        if (cscan::readStation(line, s.md, s.inclination, s.azimuth))
            survey.add(s, std::move(line));
        else
            survey.addUnread(std::move(line));
    }
    return survey;
}

namespace {

// One value right-aligned in `width` characters: two decimals when they give the value
// exactly, else the shortest digits that read back as the same double.
void appendValue(std::string &out, double value, int width)
{
    std::string digits = cfmt("%.2f", value);
    const char *p = digits.c_str();
    double back = 0;
    if (!cscan::readDouble(p, back) || back != value) {
        char shortest[64];
        const auto r = std::to_chars(shortest, shortest + sizeof shortest, value);
        digits.assign(shortest, r.ptr);
    }
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<std::size_t>(width) - digits.size(), ' ');
    out += digits;
}

} // namespace

std::string stationText(const Station &station)
{
    std::string out;
    appendValue(out, station.md, 8);
    out += "  ";
    appendValue(out, station.inclination, 7);
    out += "  ";
    appendValue(out, station.azimuth, 7);
    return out;
}

} // namespace well
