// The stations of the document as a table to edit in place: depth, inclination and
// azimuth as entered, and beside them what the last computation made of each station
// (vertical depth, north, east and the dogleg of the interval ending there), read-only.
// The table reads the document row by row as the view asks, so that a survey of a million
// stations costs no more than the rows in sight. A row after the last is empty: a depth
// typed there adds a station.
//
// Each value is checked as it is typed, by the rules the computation checks the stations
// with (well/computation.h): a refused value changes nothing, its cell is marked and says
// why. Every accepted change is one step of the document's history.
#pragma once

#include "dialogs/documenthistory.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class StationTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Md, Inclination, Azimuth, Tvd, North, East, Dogleg, ColumnCount };

    explicit StationTableModel(DocumentHistory &history, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A value typed into a cell; false when it was refused (refused() says why) or
    // changed nothing.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // The number of stations (the rows before the empty one).
    int stationCount() const;
    // True when the last setData refused its value.
    bool lastEditRefused() const { return m_lastRefused; }

    // A station before `row` (half way to the one above, in its direction), or after the
    // last one for the empty row; false with refused() when there is no room.
    bool insertStation(int row);
    // Deletes the stations in `rows` (in any order; the empty row is ignored) as one step.
    bool removeStations(std::vector<int> rows);
    // A block copied from a spreadsheet, at `row` and `column`: lines of one to three
    // values separated by tabs, semicolons or blanks, with a decimal comma or point. Rows
    // beyond the last station are added, the others overwritten, all as one step. When
    // any line is refused nothing is taken, and the result lists each refused line with
    // its reason.
    struct PasteResult
    {
        int rows = 0; // stations taken
        QStringList refused; // "Zeile n: reason", one per refused line
    };
    PasteResult paste(int row, int column, const QString &text);

signals:
    // A value, an insertion or a paste was refused, and why.
    void refused(const QString &reason);
    // A change was taken, or the document changed otherwise (a step taken back, another
    // survey): the reason last shown no longer applies.
    void accepted();

private:
    // Which values of a station a check looks at.
    enum Checks { CheckMd = 1, CheckInclination = 2, CheckAzimuth = 4, CheckAll = 7 };
    // Why `station` may not stand at `row` between `previous` and `next` (empty when it
    // may). The first station lies below the well's tie-in point, where it has one.
    QString refusal(int row, const well::Station &station, const well::Station *previous,
        const well::Station *next, int checks) const;
    void followDocument();
    void refuse(const QModelIndex &index, const QString &reason);
    const well::Survey &survey() const { return m_history->document().well().survey; }

    DocumentHistory *m_history;
    int m_rows = 1;
    // The cells whose last value typed was refused, with the reason.
    QHash<quint64, QString> m_marks;
    bool m_lastRefused = false;
};
