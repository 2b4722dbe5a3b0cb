// The panel of messages.
#include "shell/messagespanel.h"

#include "core/decimalsign.h"

#include <QApplication>
#include <QColor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QTreeWidget>

#include <functional>

namespace {

enum Column { SeverityColumn, DepthColumn, TextColumn };

// Enter on a row chooses it like a click; the tree itself only expands on Enter.
class RemarkList : public QTreeWidget
{
public:
    using QTreeWidget::QTreeWidget;
    std::function<void(QTreeWidgetItem *)> onEnter;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()
            && onEnter) {
            onEnter(currentItem());
            return;
        }
        QTreeWidget::keyPressEvent(event);
    }
};

} // namespace

MessagesPanel::MessagesPanel(QWidget *parent)
    : QDockWidget(tr("Meldungen"), parent)
{
    setObjectName(QStringLiteral("messagesPanel"));
    auto *list = new RemarkList(this);
    list->onEnter = [this](QTreeWidgetItem *item) { choose(item); };
    m_list = list;
    m_list->setObjectName(QStringLiteral("messagesList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHeaderLabels({ tr("Art"), tr("Teufe"), tr("Meldung") });
    m_list->header()->setStretchLastSection(true);
    m_list->header()->setSectionResizeMode(SeverityColumn, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(DepthColumn, QHeaderView::ResizeToContents);
    connect(m_list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { choose(item); });
    setWidget(m_list);
}

QString MessagesPanel::severityText(analysis::Severity severity)
{
    switch (severity) {
    case analysis::Severity::CollisionRisk:
        return tr("Kollisionsgefahr");
    case analysis::Severity::Warning:
        return tr("Warnung");
    case analysis::Severity::Information:
        return tr("Hinweis");
    }
    return {};
}

void MessagesPanel::clear()
{
    m_remarks.clear();
    m_list->clear();
}

void MessagesPanel::setRemarks(const std::vector<analysis::Remark> &remarks)
{
    clear();
    m_remarks = remarks;
    QStyle *style = m_list->style();
    for (std::size_t i = 0; i < m_remarks.size(); ++i) {
        const analysis::Remark &r = m_remarks[i];
        auto *item = new QTreeWidgetItem(m_list);
        item->setData(SeverityColumn, Qt::UserRole, static_cast<int>(i));
        item->setText(SeverityColumn, severityText(r.severity));
        switch (r.severity) {
        case analysis::Severity::CollisionRisk:
            item->setIcon(SeverityColumn, style->standardIcon(QStyle::SP_MessageBoxCritical));
            item->setForeground(SeverityColumn, QColor(0xc0, 0, 0));
            item->setForeground(TextColumn, QColor(0xc0, 0, 0));
            break;
        case analysis::Severity::Warning:
            item->setIcon(SeverityColumn, style->standardIcon(QStyle::SP_MessageBoxWarning));
            break;
        case analysis::Severity::Information:
            item->setIcon(SeverityColumn, style->standardIcon(QStyle::SP_MessageBoxInformation));
            break;
        }
        if (r.depth) {
            item->setText(DepthColumn, QString::fromStdString(decimalsign::shown(*r.depth, 2)));
            item->setTextAlignment(DepthColumn, Qt::AlignRight | Qt::AlignVCenter);
        }
        // A legacy remark may span lines; the row shows it on one.
        QString text = QString::fromStdString(r.text).trimmed();
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        item->setText(TextColumn, text);
        item->setToolTip(TextColumn, QString::fromStdString(r.text));
    }
}

void MessagesPanel::choose(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const int i = item->data(SeverityColumn, Qt::UserRole).toInt();
    if (i < 0 || static_cast<std::size_t>(i) >= m_remarks.size() || !m_remarks[i].depth)
        return;
    emit remarkChosen(m_remarks[i]);
}
