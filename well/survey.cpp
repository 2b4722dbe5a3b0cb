// Stations and unread lines in entry order, and the written form of a station.
#include "well/survey.h"

#include "core/cformat.h"
#include "core/cscan.h"
#include "core/hugepages.h"

#include <charconv>

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

void Survey::reserve(std::size_t stations)
{
    hugepages::reserve(m_stations, stations);
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
    Survey survey;
    survey.reserve(lines.size());
    for (const std::string &line : lines) {
        Station s;
        if (cscan::readStation(line, s.md, s.inclination, s.azimuth))
            survey.add(s, line);
        else
            survey.addUnread(line);
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
