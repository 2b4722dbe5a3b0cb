// The dockable "Meldungen" panel: the remarks of the last computation and its clearance
// scan (analysis::remarks), one a row with its grade, its depth and its words. It does not
// block and asks nothing; a click or Enter on a row with a depth asks the frame to show
// that depth.
#pragma once

#include "analysis/remarks.h"

#include <QDockWidget>

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

class MessagesPanel : public QDockWidget
{
    Q_OBJECT
public:
    explicit MessagesPanel(QWidget *parent = nullptr);

    // The rows anew: the list in its order. An empty list leaves the panel empty.
    void setRemarks(const std::vector<analysis::Remark> &remarks);
    void clear();

    const std::vector<analysis::Remark> &remarks() const { return m_remarks; }
    QTreeWidget *list() const { return m_list; }

    // The grade as the panel names it, in the language spoken.
    static QString severityText(analysis::Severity severity);

signals:
    // A row with a depth was chosen (clicked or Enter): the remark chosen.
    void remarkChosen(const analysis::Remark &remark);

private:
    void choose(QTreeWidgetItem *item);

    QTreeWidget *m_list = nullptr;
    std::vector<analysis::Remark> m_remarks;
};
