// The "Stationen" panel: the document's stations as a table beside the views, edited in
// place like a spreadsheet. Enter takes a value and moves down; a depth typed in the empty
// row at the end adds a station; Einfg inserts a station, Entf deletes the selected rows,
// Strg+V pastes a block copied from a spreadsheet. A refused value or paste is said below
// the table and at its cell; nothing is taken from it.
#pragma once

#include <QDockWidget>
#include <QTableView>

class DocumentHistory;
class QLabel;
class StationTableModel;

class StationTableView : public QTableView
{
    Q_OBJECT
public:
    explicit StationTableView(QWidget *parent = nullptr);

    StationTableModel *stationModel() const;
    // Strg+V: the clipboard's text at the current cell.
    void pasteClipboard();
    void insertStation();
    void removeSelectedStations();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};

class StationsPanel : public QDockWidget
{
    Q_OBJECT
public:
    StationsPanel(DocumentHistory &history, QWidget *parent = nullptr);

    StationTableView *table() const { return m_table; }
    StationTableModel *model() const { return m_model; }
    // What the panel says below the table: the reason of the last refusal, or nothing.
    QString notice() const;

private:
    StationTableModel *m_model;
    StationTableView *m_table;
    QLabel *m_notice;
};
