// The stations of one survey in the order entered, each with the text it was entered as,
// and the lines that could not be read as a station, kept in their place. The text is
// kept so that a stored document reads back byte for byte and the station list shows
// what the user typed; the computations read only the numbers. A line that is no station
// stays with the survey so that nothing entered is lost; the check of the survey stops
// where it stands, as it always has. No Qt.
#pragma once

#include "core/stringlist.h"
#include "well/station.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace well {

using ::StringList;

// A line that holds no station, and where it stood: before stations[position] (at the end
// when position is the number of stations).
struct UnreadLine
{
    std::size_t position = 0;
    std::string text;

    bool operator==(const UnreadLine &) const = default;
};

// A station with the text it was entered as (empty: written from its numbers), as an
// edit of the station table takes it out of a survey and puts it back.
struct StationEntry
{
    Station station;
    std::string text;

    bool operator==(const StationEntry &) const = default;
};

// The texts of a survey's stations, shared between copies of the survey until one of them
// changes its own: a document's well is copied for a dialog or a step of the history
// without copying a million strings.
class SharedTexts
{
public:
    const std::vector<std::string> &get() const { return m_texts ? *m_texts : none(); }
    // The texts to change, this survey's own from now on.
    std::vector<std::string> &edit();
    bool operator==(const SharedTexts &other) const
    {
        return m_texts == other.m_texts || get() == other.get();
    }

private:
    static const std::vector<std::string> &none();
    std::shared_ptr<std::vector<std::string>> m_texts;
};

class Survey
{
public:
    Survey() = default;

    std::size_t size() const { return m_stations.size(); }
    bool empty() const { return m_stations.empty() && m_unread.empty(); }
    const std::vector<Station> &stations() const { return m_stations; }
    const std::vector<UnreadLine> &unreadLines() const { return m_unread; }

    // A station with the text it was entered as; an empty text means "as the numbers are
    // written" (see stationText).
    void add(const Station &station, std::string text = {});
    // A line that is no station, after the stations added so far.
    void addUnread(std::string text);
    // Whether the stations to come bring the texts they were entered as.
    enum class Texts { Written, Kept };
    void reserve(std::size_t stations, Texts texts = Texts::Written);
    void clear();

    // The text of station i: as entered, or the numbers in their written form.
    std::string text(std::size_t i) const;
    // Every line in entry order, stations and unread lines together: what a document
    // stores and the station list shows.
    StringList lines() const;
    // Station i with its own text (empty when it has none).
    StationEntry entry(std::size_t i) const;
    // Stations [first, first + count) of `entries`, so that an undo gets the very text back.
    std::vector<StationEntry> entries(std::size_t first, std::size_t count) const;
    // Replaces the `count` stations from `first` by `entries` (an edit, an insertion or a
    // deletion of the station table). The unread lines keep their place among the stations
    // around them; one that stood inside a shrunken range moves to its end. Only the
    // changed stations move through the caller: a table edit of a huge survey copies no
    // other station.
    void splice(std::size_t first, std::size_t count, std::vector<StationEntry> entries);
    // The unread lines as a whole, for an undo that puts back exactly what was there.
    void setUnreadLines(std::vector<UnreadLine> lines) { m_unread = std::move(lines); }

    // Number of lines in entry order.
    std::size_t lineCount() const { return m_stations.size() + m_unread.size(); }
    // True when reading `lines` (surveyFromLines) gives this survey's lines and stations
    // again: then nothing needs reading. Makes no copy of a line that has its text.
    bool readsBackAs(const StringList &lines) const;

    bool operator==(const Survey &) const = default;

private:
    std::vector<Station> m_stations;
    // Either empty (every station written from its numbers) or one text per station.
    SharedTexts m_texts;
    std::vector<UnreadLine> m_unread;
};

// Reads station lines: a line with three numbers is a station and keeps its text, any
// other line is kept as an unread line in its place.
Survey surveyFromLines(const StringList &lines);
// The same, taking the lines' texts over instead of copying them.
Survey surveyFromLines(StringList &&lines);

// The written form of a station without a text of its own: three right-aligned columns
// of eight and seven characters with two decimals, as the table import and the free
// format always wrote them; a value that two decimals do not give exactly gets the
// shortest digits that read back as the same number instead, so that nothing is lost.
std::string stationText(const Station &station);

} // namespace well
