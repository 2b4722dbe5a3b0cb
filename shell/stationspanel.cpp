#include "shell/stationspanel.h"

#include "dialogs/stationtablemodel.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include <set>

StationTableView::StationTableView(QWidget *parent)
    : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
        | QAbstractItemView::EditKeyPressed);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setAlternatingRowColors(true);
    // Fixed row heights: a million rows are never measured one by one.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(true);
}

StationTableModel *StationTableView::stationModel() const
{
    return qobject_cast<StationTableModel *>(model());
}

bool StationTableView::event(QEvent *event)
{
    // The frame's window-wide keys would take Strg+V before the table sees it; while the
    // table has the focus, pasting is its own.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Paste) || key->key() == Qt::Key_Insert
            || key->key() == Qt::Key_Delete) {
            event->accept();
            return true;
        }
    }
    return QTableView::event(event);
}

void StationTableView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteClipboard();
        return;
    }
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Insert:
            insertStation();
            return;
        case Qt::Key_Delete:
            removeSelectedStations();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            // Enter outside an editor moves down as in a spreadsheet. An editor's Enter
            // comes here too, before its value is taken: closeEditor moves on then.
            if (state() == QAbstractItemView::EditingState)
                break;
            const QModelIndex current = currentIndex();
            if (current.isValid() && current.row() + 1 < model()->rowCount())
                setCurrentIndex(model()->index(current.row() + 1, current.column()));
            return;
        }
        default:
            break;
        }
    }
    QTableView::keyPressEvent(event);
}

void StationTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Enter in an editor: the value taken, the next row down, as in a spreadsheet; a
    // refused value keeps the cell current, marked with its reason.
    const bool enter = hint == QAbstractItemDelegate::SubmitModelCache;
    QTableView::closeEditor(editor, enter ? QAbstractItemDelegate::NoHint : hint);
    const QModelIndex current = currentIndex();
    if (enter && current.isValid() && stationModel() && !stationModel()->lastEditRefused()
        && current.row() + 1 < model()->rowCount())
        setCurrentIndex(model()->index(current.row() + 1, current.column()));
}

void StationTableView::pasteClipboard()
{
    const QModelIndex current = currentIndex();
    if (!stationModel())
        return;
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    const int row = current.isValid() ? current.row() : stationModel()->stationCount();
    const int column = current.isValid() ? current.column() : 0;
    stationModel()->paste(row, column, text);
}

void StationTableView::insertStation()
{
    if (stationModel())
        stationModel()->insertStation(currentIndex().isValid() ? currentIndex().row()
                                                               : stationModel()->stationCount());
}

void StationTableView::removeSelectedStations()
{
    if (!stationModel())
        return;
    std::set<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty() && currentIndex().isValid())
        rows.insert(currentIndex().row());
    stationModel()->removeStations(std::vector<int>(rows.begin(), rows.end()));
}

void StationTableView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(tr("Station einfügen"), this, &StationTableView::insertStation);
    menu.addAction(tr("Stationen löschen"), this, &StationTableView::removeSelectedStations);
    menu.addSeparator();
    menu.addAction(tr("Einfügen aus der Zwischenablage"), this, &StationTableView::pasteClipboard);
    menu.exec(event->globalPos());
}

StationsPanel::StationsPanel(DocumentHistory &history, QWidget *parent)
    : QDockWidget(tr("Stationen"), parent)
{
    setObjectName(QStringLiteral("Stationen"));
    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_model = new StationTableModel(history, this);
    m_table = new StationTableView(content);
    m_table->setModel(m_model);
    for (int c = 0; c < StationTableModel::ColumnCount; ++c)
        m_table->setColumnWidth(c, m_table->fontMetrics().horizontalAdvance(
                                       m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString())
                + 16);
    m_notice = new QLabel(content);
    m_notice->setWordWrap(true);
    m_notice->setStyleSheet(QStringLiteral("color: #b00000"));
    m_notice->hide();
    layout->addWidget(m_table);
    layout->addWidget(m_notice);
    setWidget(content);
    connect(m_model, &StationTableModel::refused, this, [this](const QString &reason) {
        m_notice->setText(reason);
        m_notice->show();
    });
    connect(m_model, &StationTableModel::accepted, this, [this] {
        m_notice->clear();
        m_notice->hide();
    });
}

QString StationsPanel::notice() const
{
    return m_notice->text();
}
