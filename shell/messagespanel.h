// The dockable "Meldungen" panel: the remarks of the last computation and its clearance
// scan (analysis::remarks), one a row with its grade, its depth and its words. It does not
// block and asks nothing; a click or Enter on a row with a depth asks the frame to show
// that depth. The rows are made only as they are shown: a long survey may bring tens of
// thousands of straight intervals, and filling the panel must not cost more than the
// computation that found them.
#pragma once

#include "analysis/remarks.h"

#include <QDockWidget>

#include <vector>

class QModelIndex;
class QTreeView;
class RemarkModel;

class MessagesPanel : public QDockWidget
{
    Q_OBJECT
public:
    explicit MessagesPanel(QWidget *parent = nullptr);

    // The rows anew: the list in its order. An empty list leaves the panel empty.
    void setRemarks(const std::vector<analysis::Remark> &remarks);
    void clear();

    const std::vector<analysis::Remark> &remarks() const { return m_remarks; }
    // The list of the rows; its model answers the texts (display role), the grade's colour
    // (foreground) and the whole remark as the tool tip.
    QTreeView *list() const { return m_list; }
    // The text of a cell as shown (column 0 the grade, 1 the depth, 2 the words).
    QString cellText(int row, int column) const;
    int rowCount() const { return static_cast<int>(m_remarks.size()); }

    // The grade as the panel names it, in the language spoken.
    static QString severityText(analysis::Severity severity);

signals:
    // A row with a depth was chosen (clicked or Enter): the remark chosen.
    void remarkChosen(const analysis::Remark &remark);

private:
    void choose(const QModelIndex &index);

    QTreeView *m_list = nullptr;
    RemarkModel *m_model = nullptr;
    std::vector<analysis::Remark> m_remarks;
};
