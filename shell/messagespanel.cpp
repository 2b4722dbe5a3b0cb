// The panel of messages.
#include "shell/messagespanel.h"

#include "core/decimalsign.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QColor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QTreeView>

#include <functional>

namespace {

enum Column { SeverityColumn, DepthColumn, TextColumn, ColumnCount };

// Enter on a row chooses it like a click; the tree itself only expands on Enter.
class RemarkList : public QTreeView
{
public:
    using QTreeView::QTreeView;
    std::function<void(const QModelIndex &)> onEnter;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            && currentIndex().isValid() && onEnter) {
            onEnter(currentIndex());
            return;
        }
        QTreeView::keyPressEvent(event);
    }
};

// A legacy remark may span lines; the row shows it on one.
QString oneLine(const std::string &text)
{
    QString line = QString::fromStdString(text).trimmed();
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

} // namespace

// The panel's remarks as rows, each cell made when the view asks for it.
class RemarkModel : public QAbstractTableModel
{
public:
    RemarkModel(const std::vector<analysis::Remark> &remarks, QObject *parent)
        : QAbstractTableModel(parent)
        , m_remarks(remarks)
    {
    }

    // The panel's list changes as a whole by `change`.
    void reload(const std::function<void()> &change)
    {
        beginResetModel();
        change();
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_remarks.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : ColumnCount;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        switch (section) {
        case SeverityColumn:
            return MessagesPanel::tr("Art");
        case DepthColumn:
            return MessagesPanel::tr("Teufe");
        case TextColumn:
            return MessagesPanel::tr("Meldung");
        }
        return {};
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const analysis::Remark &r = m_remarks[static_cast<std::size_t>(index.row())];
        const int column = index.column();
        switch (role) {
        case Qt::DisplayRole:
            if (column == SeverityColumn)
                return MessagesPanel::severityText(r.severity);
            if (column == DepthColumn)
                return r.depth ? QString::fromStdString(decimalsign::shown(*r.depth, 2)) : QString();
            return oneLine(r.text);
        case Qt::DecorationRole:
            if (column != SeverityColumn)
                return {};
            return QApplication::style()->standardIcon(iconOf(r.severity));
        case Qt::ForegroundRole:
            if (r.severity == analysis::Severity::CollisionRisk && column != DepthColumn)
                return QColor(0xc0, 0, 0);
            return {};
        case Qt::TextAlignmentRole:
            if (column == DepthColumn)
                return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
            return {};
        case Qt::ToolTipRole:
            return column == TextColumn ? QString::fromStdString(r.text) : QVariant();
        }
        return {};
    }

private:
    static QStyle::StandardPixmap iconOf(analysis::Severity severity)
    {
        switch (severity) {
        case analysis::Severity::CollisionRisk:
            return QStyle::SP_MessageBoxCritical;
        case analysis::Severity::Warning:
            return QStyle::SP_MessageBoxWarning;
        case analysis::Severity::Information:
            break;
        }
        return QStyle::SP_MessageBoxInformation;
    }

    const std::vector<analysis::Remark> &m_remarks;
};

MessagesPanel::MessagesPanel(QWidget *parent)
    : QDockWidget(tr("Meldungen"), parent)
{
    setObjectName(QStringLiteral("messagesPanel"));
    auto *list = new RemarkList(this);
    list->onEnter = [this](const QModelIndex &index) { choose(index); };
    m_list = list;
    m_model = new RemarkModel(m_remarks, this);
    m_list->setModel(m_model);
    m_list->setObjectName(QStringLiteral("messagesList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->header()->setStretchLastSection(true);
    // Widths from the header and the first rows only: measuring every row of a long list
    // would cost as much as making it.
    m_list->header()->setResizeContentsPrecision(64);
    m_list->header()->setSectionResizeMode(SeverityColumn, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(DepthColumn, QHeaderView::ResizeToContents);
    connect(m_list, &QTreeView::clicked, this, [this](const QModelIndex &index) { choose(index); });
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

QString MessagesPanel::cellText(int row, int column) const
{
    return m_model->data(m_model->index(row, column), Qt::DisplayRole).toString();
}

void MessagesPanel::clear()
{
    m_model->reload([this] { m_remarks.clear(); });
}

void MessagesPanel::setRemarks(const std::vector<analysis::Remark> &remarks)
{
    m_model->reload([&] { m_remarks = remarks; });
}

void MessagesPanel::choose(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const int i = index.row();
    if (i < 0 || static_cast<std::size_t>(i) >= m_remarks.size() || !m_remarks[i].depth)
        return;
    emit remarkChosen(m_remarks[i]);
}
