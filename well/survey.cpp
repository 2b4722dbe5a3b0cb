// Stations and unread lines in entry order, and the written form of a station.
#include "well/survey.h"

#include "core/cformat.h"
#include "core/cscan.h"
#include "core/hugepages.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace well {

std::vector<std::string> &SharedTexts::edit()
{
    if (!m_texts)
        m_texts = std::make_shared<std::vector<std::string>>();
    else if (m_texts.use_count() > 1)
        m_texts = std::make_shared<std::vector<std::string>>(*m_texts);
    return *m_texts;
}

const std::vector<std::string> &SharedTexts::none()
{
    static const std::vector<std::string> empty;
    return empty;
}

void Survey::add(const Station &station, std::string text)
{
    const bool keepTexts = !text.empty() || !m_texts.get().empty();
    if (keepTexts) {
        std::vector<std::string> &texts = m_texts.edit();
        texts.resize(m_stations.size());
        texts.push_back(std::move(text));
    }
    m_stations.push_back(station);
}

void Survey::reserve(std::size_t stations, Texts texts)
{
    hugepages::reserve(m_stations, stations);
    // Lines read from a file or typed keep their text: room for them too, so that a long
    // survey is not moved string by string while it grows.
    if (texts == Texts::Kept)
        m_texts.edit().reserve(stations);
}

void Survey::addUnread(std::string text)
{
    m_unread.push_back({ m_stations.size(), std::move(text) });
}

void Survey::clear()
{
    m_stations.clear();
    m_texts = {};
    m_unread.clear();
}

std::string Survey::text(std::size_t i) const
{
    const std::vector<std::string> &texts = m_texts.get();
    if (i < texts.size() && !texts[i].empty())
        return texts[i];
    return stationText(m_stations[i]);
}

StationEntry Survey::entry(std::size_t i) const
{
    const std::vector<std::string> &texts = m_texts.get();
    return { m_stations[i], i < texts.size() ? texts[i] : std::string() };
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
    bool anyText = !m_texts.get().empty();
    for (const StationEntry &e : entries)
        anyText = anyText || !e.text.empty();
    std::vector<std::string> *texts = anyText ? &m_texts.edit() : nullptr;
    if (texts)
        texts->resize(m_stations.size());
    // Overwrite what both ranges share, then grow or shrink at its end: an edit of one
    // station moves no other.
    const std::size_t common = std::min(count, inserted);
    for (std::size_t k = 0; k < common; ++k) {
        m_stations[first + k] = entries[k].station;
        if (texts)
            (*texts)[first + k] = std::move(entries[k].text);
    }
    if (inserted > count) {
        std::vector<Station> stations;
        std::vector<std::string> added;
        for (std::size_t k = common; k < inserted; ++k) {
            stations.push_back(entries[k].station);
            added.push_back(std::move(entries[k].text));
        }
        m_stations.insert(at(m_stations) + static_cast<std::ptrdiff_t>(common), stations.begin(),
            stations.end());
        if (texts)
            texts->insert(at(*texts) + static_cast<std::ptrdiff_t>(common),
                std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    } else if (count > inserted) {
        m_stations.erase(at(m_stations) + static_cast<std::ptrdiff_t>(common),
            at(m_stations) + static_cast<std::ptrdiff_t>(count));
        if (texts)
            texts->erase(at(*texts) + static_cast<std::ptrdiff_t>(common),
                at(*texts) + static_cast<std::ptrdiff_t>(count));
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
    const std::vector<std::string> &texts = m_texts.get();
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
        const bool sameText = i < texts.size() && !texts[i].empty()
            ? given == texts[i]
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
