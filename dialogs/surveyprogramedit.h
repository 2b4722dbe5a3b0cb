// The survey program of a well as a table of its runs (from and to MD, tool, run, day)
// with buttons that add a run below the last one and remove the chosen one, and the
// chooser of a tool of the library: an editable combo box listing every code with its
// long name, whose list, as one types, offers the tools whose code or long name contains
// the text; the operator's own tool models are listed before the library's and loaded
// from a file with a button of the table. The rows are checked by geo/programform.
#pragma once

#include "geo/programform.h"
#include "uncertainty/settings.h"

#include <QComboBox>
#include <QWidget>

#include <vector>

class QCompleter;
class QKeyEvent;
class QPushButton;
class QStringListModel;
class QTableWidget;

class ToolChooser : public QComboBox
{
    Q_OBJECT

public:
    explicit ToolChooser(QWidget *parent = nullptr);

    // The code typed or chosen, without the long name.
    QString code() const;
    // Shows `code` with its long name where the library knows it.
    void setCode(const QString &code);
    // The operator's own tools, listed before the library's.
    void setOwnTools(const std::vector<OwnTool> &tools);

private:
    void offer(const QString &typed);

    QStringListModel *m_offered;
    std::vector<OwnTool> m_own;
};

class SurveyProgramEdit : public QWidget
{
    Q_OBJECT

public:
    enum Column { FromColumn, ToColumn, ToolColumn, NameColumn, DateColumn, ColumnCount };

    explicit SurveyProgramEdit(QWidget *parent = nullptr);

    void setProgram(const std::vector<SurveyRun> &program);
    // The rows as typed, empty ones with them.
    std::vector<geo::ProgramRow> rows() const;
    // The program typed; false with the fault (in the chosen language) naming the row and
    // the field.
    bool program(std::vector<SurveyRun> &out, QString &fault) const;
    // Whether a row holds anything.
    bool hasRuns() const;

    // The operator's own tool models that the rows may name.
    void setOwnTools(const std::vector<OwnTool> &tools);
    const std::vector<OwnTool> &ownTools() const { return m_ownTools; }
    // Adds the tools of the file at `path` (JSON or a table of error terms), each
    // replacing an own tool of its code; false with the fault in the chosen language,
    // nothing added.
    bool loadOwnTools(const QString &path, QString &fault);

    QTableWidget *table() const { return m_table; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *removeButton() const { return m_remove; }
    QPushButton *loadButton() const { return m_load; }

    // A row after the last one, starting where that one ends.
    void addRun();
    // Removes the chosen row.
    void removeRun();

signals:
    void changed();
    void ownToolsChanged();

protected:
    // Return or Enter that ends the editing of a cell stops here: it does not press the
    // dialog's default button.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void addRow(const geo::ProgramRow &row);
    void updateButtons();

    void chooseToolFile();

    QTableWidget *m_table;
    QPushButton *m_add, *m_remove, *m_load;
    std::vector<OwnTool> m_ownTools;
};
