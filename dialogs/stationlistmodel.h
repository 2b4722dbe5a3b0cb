// The measurement dialog's station list as a Qt item model: the editor's sorted station
// lines, one row each, for a list view that lays out only what it shows. Typed lines
// show aligned in the columns of the lines the readers write; the stored lines stay as
// they are.
#pragma once

#include "core/stringlist.h"

#include <QAbstractListModel>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class StationListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // Shows `lines`. The model keeps a copy, so that a box opened while
    // the editor's list changes never shows rows the view has not been told of. Returns
    // false, telling the view nothing, when it already shows exactly these lines.
    bool setLines(const StringList &lines);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    // The display text and the tooltip are the line as shown (see shownLine).
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The column layouts of the readers: free and ATK files ("%8.2f  %7.2f  %7.2f") and
    // WEG files ("%8.2f %7.2f %7.2f").
    enum class Layout { Free, Weg };

    // The layout of the first line in `lines` that a reader wrote; Free when none is.
    static Layout layoutOf(const StringList &lines);

    // How `line` shows in a list whose reader lines have `layout`: a line a reader wrote
    // as it is; a typed station line with its first three numbers in two decimals where
    // they give the value exactly, as a reader writes them, their decimal points in the
    // columns of the layout's (a number with more decimals keeps them, lined up at its
    // point) and the rest of the line as typed; anything else as it is.
    static std::string shownLine(const std::string &line, Layout layout);

private:
    bool holds(const StringList &lines) const;
    std::string_view line(std::size_t i) const;

    // The copy: the lines one after the other in one string, and where each ends. A
    // million lines are two blocks of memory, made and compared in one sweep, instead of
    // a million strings.
    std::string m_text;
    std::vector<std::size_t> m_ends;
    Layout m_layout = Layout::Free;
};
