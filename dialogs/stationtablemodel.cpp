#include "dialogs/stationtablemodel.h"

#include "core/decimalsign.h"
#include "well/computation.h"
#include "well/diagnostic.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QRegularExpression>
#include <QStyle>

#include <algorithm>

namespace {

quint64 cellKey(int row, int column)
{
    return (static_cast<quint64>(static_cast<quint32>(row)) << 8) | static_cast<quint32>(column);
}

// A diagnostic of the check as one line of text, without the station's line it quotes.
QString checkText(well::Message id, std::vector<double> values)
{
    return QString::fromStdString(well::text({ id, std::move(values), {} }))
        .simplified();
}

// A value as entered: two decimals as the station list writes it, more digits only where
// two do not give the very value, so that the column stays tidy and nothing is hidden.
QString entered(double value)
{
    const decimalsign::Sign sign = decimalsign::interfaceSign();
    const std::string two = decimalsign::fixed(value, 2, sign);
    const std::optional<double> back = decimalsign::read(two, decimalsign::Accept::Either);
    return QString::fromStdString(back && *back == value ? two : decimalsign::shortest(value, sign));
}

std::optional<double> number(const QString &text)
{
    return decimalsign::read(text.trimmed().toStdString(), decimalsign::Accept::Either);
}

double &valueOf(well::Station &station, int column)
{
    return column == StationTableModel::Md ? station.md
        : column == StationTableModel::Inclination ? station.inclination
                                                   : station.azimuth;
}

double valueOf(const well::Station &station, int column)
{
    return valueOf(const_cast<well::Station &>(station), column);
}

} // namespace

StationTableModel::StationTableModel(DocumentHistory &history, QObject *parent)
    : QAbstractTableModel(parent)
    , m_history(&history)
    , m_rows(stationCount() + 1)
{
    connect(&history.document(), &CDravonDoc::viewsUpdate, this, &StationTableModel::followDocument);
}

int StationTableModel::stationCount() const
{
    return static_cast<int>(survey().size());
}

int StationTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int StationTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

void StationTableModel::followDocument()
{
    // Rows come and go at the end; every value may have changed, since each station's
    // position depends on all above it. Only the rows in sight are read again.
    const int rows = stationCount() + 1;
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
    m_marks.clear();
    emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1));
    // A refusal said before is about data that have changed since.
    emit accepted();
}

QVariant StationTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row(), column = index.column();
    const auto mark = m_marks.constFind(cellKey(row, column));
    if (mark != m_marks.constEnd()) {
        if (role == Qt::BackgroundRole)
            return QBrush(QColor(255, 200, 200));
        // The selection's colour covers the background; the sign stays beside the value.
        if (role == Qt::DecorationRole)
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        if (role == Qt::ToolTipRole)
            return *mark;
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (row >= stationCount())
        return QString();
    const well::Station &station = survey().stations()[static_cast<std::size_t>(row)];
    if (column <= Azimuth) {
        // As entered, to the last digit, so that an edit starts from the very value.
        return entered(valueOf(station, column));
    }
    // The computed path starts with the surface station; a first station below the
    // surface comes after it. Rows after a refused line have no computed position.
    const traj::Trajectory &path = m_history->document().trajectory();
    const std::size_t offset
        = !survey().stations().empty() && well::depthRises(0.0, survey().stations()[0].md) ? 1 : 0;
    const std::size_t k = static_cast<std::size_t>(row) + offset;
    if (k >= path.stations.size() || role == Qt::EditRole)
        return QString();
    const traj::Station &computed = path.stations[k];
    const double value = column == Tvd ? computed.tvd
        : column == North              ? computed.north
        : column == East               ? computed.east
                                       : computed.doglegPer30;
    return QString::fromStdString(decimalsign::shown(value, 2));
}

QVariant StationTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section < stationCount() ? QString::number(section + 1) : QStringLiteral("*");
    switch (section) {
    case Md:
        return tr("MD [m]");
    case Inclination:
        return tr("Neigung [°]");
    case Azimuth:
        return tr("Azimut [°]");
    case Tvd:
        return tr("TVD [m]");
    case North:
        return tr("Nord [m]");
    case East:
        return tr("Ost [m]");
    case Dogleg:
        return tr("Abknickung [°/30 m]");
    default:
        return {};
    }
}

Qt::ItemFlags StationTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() <= Azimuth)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QString StationTableModel::refusal(int row, const well::Station &station,
    const well::Station *previous, const well::Station *next, int checks) const
{
    const std::optional<well::TieIn> &tieIn = m_history->document().well().settings.tieIn;
    if ((checks & CheckMd) && row == 0 && tieIn && !well::depthRises(tieIn->md, station.md))
        return checkText(well::Message::FirstDepthAtTieIn, { station.md, tieIn->md });
    if ((checks & CheckMd) && row == 0 && !well::firstDepthAccepted(station.md))
        return checkText(well::Message::NegativeFirstDepth, { station.md });
    if ((checks & CheckInclination) && !well::inclinationAccepted(station.inclination))
        return checkText(well::Message::InclinationOutOfRange, { station.inclination });
    if ((checks & CheckAzimuth) && !well::azimuthAccepted(station.azimuth))
        return checkText(well::Message::AzimuthOutOfRange, { station.azimuth });
    if ((checks & CheckMd) && previous && !well::depthRises(previous->md, station.md))
        return checkText(well::Message::DepthNotIncreasing, { double(row + 1), station.md });
    if ((checks & CheckMd) && next && !well::depthRises(station.md, next->md))
        return tr("Die Teufe %1 liegt nicht über der folgenden Teufe %2.")
            .arg(QString::fromStdString(decimalsign::shortest(station.md, decimalsign::interfaceSign())),
                QString::fromStdString(decimalsign::shortest(next->md, decimalsign::interfaceSign())));
    return {};
}

void StationTableModel::refuse(const QModelIndex &index, const QString &reason)
{
    m_lastRefused = true;
    if (index.isValid()) {
        m_marks.insert(cellKey(index.row(), index.column()), reason);
        emit dataChanged(index, index, { Qt::BackgroundRole, Qt::DecorationRole, Qt::ToolTipRole });
    }
    emit refused(reason);
}

bool StationTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    m_lastRefused = false;
    if (!index.isValid() || role != Qt::EditRole || index.column() > Azimuth)
        return false;
    const QString text = value.toString().trimmed();
    // An editor left empty changes nothing.
    if (text.isEmpty())
        return false;
    const std::optional<double> typed = number(text);
    if (!typed) {
        refuse(index, tr("„%1“ ist keine Zahl.").arg(text));
        return false;
    }
    const int row = index.row(), column = index.column();
    const int count = stationCount();
    const std::vector<well::Station> &stations = survey().stations();
    const auto at = [&](int r) { return &stations[static_cast<std::size_t>(r)]; };
    const well::Station *previous = row > 0 && row - 1 < count ? at(row - 1) : nullptr;
    if (row >= count) {
        // A new station starts with its depth and takes the direction of the one above.
        if (column != Md) {
            refuse(index, tr("Eine neue Station beginnt mit ihrer Teufe."));
            return false;
        }
        well::Station station = previous ? *previous : well::Station {};
        station.md = *typed;
        const QString reason = refusal(count, station, previous, nullptr, CheckAll);
        if (!reason.isEmpty()) {
            refuse(index, reason);
            return false;
        }
        m_history->changeStations(
            tr("Station anfügen"), static_cast<std::size_t>(count), 0, { { station, {} } });
        emit accepted();
        return true;
    }
    well::Station station = *at(row);
    if (valueOf(station, column) == *typed)
        return false;
    valueOf(station, column) = *typed;
    const int checks = column == Md ? CheckMd : column == Inclination ? CheckInclination : CheckAzimuth;
    const QString reason = refusal(row, station, previous, row + 1 < count ? at(row + 1) : nullptr, checks);
    if (!reason.isEmpty()) {
        refuse(index, reason);
        return false;
    }
    const QString name = column == Md ? tr("Teufe ändern")
        : column == Inclination      ? tr("Neigung ändern")
                                     : tr("Azimut ändern");
    m_history->changeStations(name, static_cast<std::size_t>(row), 1, { { station, {} } });
    emit accepted();
    return true;
}

bool StationTableModel::insertStation(int row)
{
    m_lastRefused = false;
    const int count = stationCount();
    const std::vector<well::Station> &stations = survey().stations();
    row = std::clamp(row, 0, count);
    well::Station station;
    if (row == count) {
        // After the last station by the step between the last two (30 m after a single
        // one), in the direction of the last.
        if (count > 0) {
            station = stations.back();
            const double step = count > 1 ? stations[stations.size() - 1].md - stations[stations.size() - 2].md : 30.0;
            station.md += step > 0 ? step : 30.0;
        }
    } else {
        // Half way between the station above (above the first: the tie-in point, or the
        // surface) and this one.
        const std::optional<well::TieIn> &tieIn = m_history->document().well().settings.tieIn;
        const well::Station &below = stations[static_cast<std::size_t>(row)];
        const double above = row > 0 ? stations[static_cast<std::size_t>(row) - 1].md
            : tieIn                  ? tieIn->md
                                     : 0.0;
        station = row > 0 ? stations[static_cast<std::size_t>(row) - 1] : below;
        station.md = above + (below.md - above) / 2;
        if (!(row == 0 && !tieIn
                    ? well::firstDepthAccepted(station.md) && well::depthRises(station.md, below.md)
                    : well::depthRises(above, station.md)
                        && well::depthRises(station.md, below.md))) {
            refuse({}, tr("Zwischen den Teufen %1 und %2 ist kein Platz für eine weitere Station.")
                           .arg(QString::fromStdString(decimalsign::shortest(above, decimalsign::interfaceSign())),
                               QString::fromStdString(decimalsign::shortest(below.md, decimalsign::interfaceSign()))));
            return false;
        }
    }
    m_history->changeStations(tr("Station einfügen"), static_cast<std::size_t>(row), 0, { { station, {} } });
    emit accepted();
    return true;
}

bool StationTableModel::removeStations(std::vector<int> rows)
{
    m_lastRefused = false;
    const int count = stationCount();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [count](int r) { return r < 0 || r >= count; }),
        rows.end());
    if (rows.empty())
        return false;
    const QString name = rows.size() == 1 ? tr("Station löschen") : tr("Stationen löschen");
    // Runs of neighbouring rows, deleted from the bottom up so that the rows above keep
    // their numbers; several runs make one step.
    std::vector<std::pair<int, int>> runs; // first, count
    for (int r : rows) {
        if (!runs.empty() && runs.back().first + runs.back().second == r)
            ++runs.back().second;
        else
            runs.emplace_back(r, 1);
    }
    QUndoStack &stack = m_history->stack();
    if (runs.size() > 1)
        stack.beginMacro(name);
    for (auto run = runs.rbegin(); run != runs.rend(); ++run)
        m_history->changeStations(name, static_cast<std::size_t>(run->first),
            static_cast<std::size_t>(run->second), {});
    if (runs.size() > 1)
        stack.endMacro();
    emit accepted();
    return true;
}

StationTableModel::PasteResult StationTableModel::paste(int row, int column, const QString &text)
{
    m_lastRefused = false;
    PasteResult result;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    // A spreadsheet ends its block with a line break.
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    const int count = stationCount();
    row = std::clamp(row, 0, count);
    column = std::clamp(column, 0, int(Azimuth));
    const QRegularExpression blanks(QStringLiteral("\\s+"));
    const bool tabs = text.contains(QLatin1Char('\t'));
    const bool semicolons = !tabs && text.contains(QLatin1Char(';'));
    const std::vector<well::Station> &stations = survey().stations();
    std::vector<well::StationEntry> entries;
    const auto refuseLine = [&](int line, const QString &reason) {
        result.refused << tr("Zeile %1: %2").arg(line).arg(reason);
    };
    for (int i = 0; i < lines.size(); ++i) {
        const int r = row + i;
        const QString line = lines[i].trimmed();
        QStringList cells = tabs ? lines[i].split(QLatin1Char('\t'))
            : semicolons         ? lines[i].split(QLatin1Char(';'))
                                 : line.split(blanks, Qt::SkipEmptyParts);
        while (!cells.isEmpty() && cells.back().trimmed().isEmpty())
            cells.removeLast();
        const well::Station *previous = entries.empty()
            ? (r > 0 && r - 1 < count ? &stations[static_cast<std::size_t>(r) - 1] : nullptr)
            : &entries.back().station;
        if (cells.isEmpty()) {
            refuseLine(i + 1, tr("Die Zeile ist leer."));
            entries.push_back({ previous ? *previous : well::Station {}, {} });
            continue;
        }
        if (column + cells.size() > Azimuth + 1) {
            refuseLine(i + 1,
                tr("Die Zeile hat %1 Werte; ab dieser Spalte passen höchstens %2.")
                    .arg(cells.size())
                    .arg(Azimuth + 1 - column));
            entries.push_back({ previous ? *previous : well::Station {}, {} });
            continue;
        }
        const bool appended = r >= count;
        if (appended && column != Md) {
            refuseLine(i + 1, tr("Eine neue Station beginnt mit ihrer Teufe."));
            entries.push_back({ previous ? *previous : well::Station {}, {} });
            continue;
        }
        // A new station takes the direction of the one above where the block gives none.
        well::Station station = appended ? (previous ? *previous : well::Station {})
                                         : stations[static_cast<std::size_t>(r)];
        int checks = appended ? CheckAll : 0;
        QString fault;
        for (int c = 0; c < cells.size() && fault.isEmpty(); ++c) {
            const std::optional<double> value = number(cells[c]);
            if (!value)
                fault = tr("„%1“ ist keine Zahl.").arg(cells[c].trimmed());
            else
                valueOf(station, column + c) = *value;
            checks |= column + c == Md ? CheckMd : column + c == Inclination ? CheckInclination : CheckAzimuth;
        }
        const bool last = i + 1 == lines.size();
        const well::Station *next = last && r + 1 < count ? &stations[static_cast<std::size_t>(r) + 1] : nullptr;
        if (fault.isEmpty())
            fault = refusal(r, station, previous, next, checks);
        if (!fault.isEmpty())
            refuseLine(i + 1, fault);
        entries.push_back({ station, {} });
    }
    if (!result.refused.isEmpty() || entries.empty()) {
        if (!result.refused.isEmpty()) {
            m_lastRefused = true;
            emit refused(tr("Nichts eingefügt. %1").arg(result.refused.join(QStringLiteral("; "))));
        }
        return result;
    }
    result.rows = static_cast<int>(entries.size());
    const std::size_t overwritten = std::min<std::size_t>(entries.size(), static_cast<std::size_t>(count - row));
    m_history->changeStations(tr("Stationen einfügen"), static_cast<std::size_t>(row), overwritten, std::move(entries));
    emit accepted();
    return result;
}
