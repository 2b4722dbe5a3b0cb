// The station list's rows and how typed lines line up with the readers' columns.
#include "dialogs/stationlistmodel.h"

#include "core/cformat.h"
#include "core/cscan.h"

#include <array>

namespace {

// The columns of the three decimal points in each layout, counted from 0.
constexpr std::array<int, 3> kFreePoints { 5, 14, 23 };
constexpr std::array<int, 3> kWegPoints { 5, 13, 21 };

bool readerLine(const std::string &line, StationListModel::Layout &layout)
{
    float depth = 0, inclination = 0, azimuth = 0;
    if (!cscan::readStation(line, depth, inclination, azimuth))
        return false;
    const auto d = static_cast<double>(depth);
    const auto i = static_cast<double>(inclination);
    const auto a = static_cast<double>(azimuth);
    if (line == cfmt("%8.2f  %7.2f  %7.2f", d, i, a)) {
        layout = StationListModel::Layout::Free;
        return true;
    }
    if (line == cfmt("%8.2f %7.2f %7.2f", d, i, a)) {
        layout = StationListModel::Layout::Weg;
        return true;
    }
    return false;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Where a number word lines up: at its decimal point, else after its leading sign and
// digits.
size_t anchorOf(const std::string &word)
{
    const size_t point = word.find('.');
    if (point != std::string::npos)
        return point;
    size_t i = 0;
    if (i < word.size() && (word[i] == '+' || word[i] == '-'))
        ++i;
    while (i < word.size() && isDigit(word[i]))
        ++i;
    return i;
}

// A number word in the two decimals a reader writes, when they give its value exactly
// ("50" as "50.00", "12.5" as "12.50"); a word with more digits than that stays as typed.
std::string twoDecimals(const std::string &word)
{
    const char *p = word.c_str();
    double value = 0;
    if (!cscan::readDouble(p, value) || *p != '\0')
        return word;
    const std::string written = cfmt("%.2f", value);
    const char *q = written.c_str();
    double back = 0;
    return cscan::readDouble(q, back) && back == value ? written : word;
}

} // namespace

StationListModel::Layout StationListModel::layoutOf(const StringList &lines)
{
    Layout layout = Layout::Free;
    for (const std::string &line : lines) {
        if (readerLine(line, layout))
            return layout;
    }
    return Layout::Free;
}

std::string StationListModel::shownLine(const std::string &line, Layout layout)
{
    Layout own = Layout::Free;
    if (readerLine(line, own))
        return line;
    float depth = 0, inclination = 0, azimuth = 0;
    if (!cscan::readStation(line, depth, inclination, azimuth))
        return line;

    const std::array<int, 3> &points = layout == Layout::Weg ? kWegPoints : kFreePoints;
    std::string shown;
    size_t i = 0;
    for (int column : points) {
        while (i < line.size() && cscan::isSpace(line[i]))
            ++i;
        const size_t begin = i;
        while (i < line.size() && !cscan::isSpace(line[i]))
            ++i;
        const std::string word = twoDecimals(line.substr(begin, i - begin));
        // A word too long for its column pushes the rest to the right, one blank apart.
        const auto wanted = static_cast<long>(column) - static_cast<long>(anchorOf(word));
        const long blanks
            = std::max<long>(shown.empty() ? 0 : 1, wanted - static_cast<long>(shown.size()));
        shown.append(static_cast<size_t>(blanks), ' ');
        shown += word;
    }
    return shown + line.substr(i);
}

bool StationListModel::setLines(const StringList &lines)
{
    if (holds(lines))
        return false;
    beginResetModel();
    std::size_t length = 0;
    for (const std::string &l : lines)
        length += l.size();
    m_text.clear();
    m_text.reserve(length);
    m_ends.clear();
    m_ends.reserve(lines.size());
    for (const std::string &l : lines) {
        m_text += l;
        m_ends.push_back(m_text.size());
    }
    m_layout = layoutOf(lines);
    endResetModel();
    return true;
}

bool StationListModel::holds(const StringList &lines) const
{
    if (lines.size() != m_ends.size())
        return false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (line(i) != lines[i])
            return false;
    }
    return true;
}

std::string_view StationListModel::line(std::size_t i) const
{
    const std::size_t begin = i == 0 ? 0 : m_ends[i - 1];
    return std::string_view(m_text).substr(begin, m_ends[i] - begin);
}

int StationListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_ends.size());
}

QVariant StationListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount())
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    return QString::fromStdString(
        shownLine(std::string(line(static_cast<std::size_t>(index.row()))), m_layout));
}
