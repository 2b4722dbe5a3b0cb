#include "dialogs/surveyprogramedit.h"

#include "dialogs/dialogunits.h"
#include "geo/owntoolfile.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The tool cell edited with the chooser; the cell keeps the code alone.
class ToolDelegate : public QStyledItemDelegate
{
public:
    ToolDelegate(const SurveyProgramEdit *edit, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_edit(edit)
    {
    }

    QWidget *createEditor(
        QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *chooser = new ToolChooser(parent);
        chooser->setOwnTools(m_edit->ownTools());
        return chooser;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        static_cast<ToolChooser *>(editor)->setCode(index.data(Qt::EditRole).toString());
    }
    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        model->setData(index, static_cast<ToolChooser *>(editor)->code(), Qt::EditRole);
    }

private:
    const SurveyProgramEdit *m_edit;
};

// The long name of a code for the cell's tip: an own tool's description, else the
// library's long name.
QString toolTipOf(const QString &code, const std::vector<OwnTool> &own)
{
    const std::string c = code.trimmed().toStdString();
    for (const OwnTool &t : own) {
        if (t.code == c)
            return utf8(t.description);
    }
    const toollib::Tool *tool = toollib::find(c);
    return tool ? utf8(tool->longName) : QString();
}

} // namespace

ToolChooser::ToolChooser(QWidget *parent)
    : QComboBox(parent)
    , m_offered(new QStringListModel(this))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(20);
    // The long names would make the box as wide as the longest; the lists are wider than
    // the box instead.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(14);
    const int listWidth = 60 * fontMetrics().averageCharWidth();
    view()->setMinimumWidth(listWidth);
    for (const toollib::Tool &tool : toollib::library())
        addItem(utf8(geo::choiceText(tool)), utf8(tool.code));
    // The list as one types: the tools whose code or long name holds the text anywhere.
    auto *completer = new QCompleter(m_offered, this);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setMaxVisibleItems(12);
    completer->popup()->setMinimumWidth(listWidth);
    setCompleter(completer);
    connect(lineEdit(), &QLineEdit::textEdited, this, &ToolChooser::offer);
    // A chosen tool shows its code first, not the end of its long name.
    const auto showCode = [this] {
        QTimer::singleShot(0, lineEdit(), [edit = lineEdit()] { edit->setCursorPosition(0); });
    };
    connect(completer, qOverload<const QString &>(&QCompleter::activated), this, showCode);
    connect(this, &QComboBox::activated, this, showCode);
    setCurrentIndex(-1);
}

void ToolChooser::setOwnTools(const std::vector<OwnTool> &tools)
{
    const QString shown = currentText();
    const QSignalBlocker quiet(this);
    for (std::size_t i = 0; i < m_own.size(); ++i)
        removeItem(0);
    m_own = tools;
    for (std::size_t i = 0; i < m_own.size(); ++i)
        insertItem(static_cast<int>(i), utf8(geo::choiceText(m_own[i])), utf8(m_own[i].code));
    setCode(utf8(geo::codeOfChoice(shown.toStdString())));
}

void ToolChooser::offer(const QString &typed)
{
    QStringList offered;
    if (!typed.trimmed().isEmpty()) {
        for (const std::string &choice : geo::searchChoices(typed.toStdString(), m_own))
            offered.append(utf8(choice));
    }
    m_offered->setStringList(offered);
    if (!offered.isEmpty())
        completer()->complete();
}

QString ToolChooser::code() const
{
    return utf8(geo::codeOfChoice(currentText().toStdString()));
}

void ToolChooser::setCode(const QString &code)
{
    const int at = findData(code.trimmed());
    setCurrentIndex(at);
    if (at < 0)
        setEditText(code);
    lineEdit()->setCursorPosition(0);
}

SurveyProgramEdit::SurveyProgramEdit(QWidget *parent)
    : QWidget(parent)
{
    const DialogUnits du(font());
    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setHorizontalHeaderLabels(
        { tr("Von MD (m)"), tr("Bis MD (m)"), tr("Werkzeug"), tr("Lauf"), tr("Datum") });
    m_table->horizontalHeaderItem(ToColumn)->setToolTip(tr("Leer: bis zum Ende der Bohrung"));
    m_table->horizontalHeaderItem(DateColumn)->setToolTip(tr("TT.MM.JJJJ"));
    m_table->setItemDelegateForColumn(ToolColumn, new ToolDelegate(this, m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
        | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_table->verticalHeader()->setVisible(false);
    QHeaderView *header = m_table->horizontalHeader();
    header->setStretchLastSection(true);
    // Wide enough for the headings and a few digits; the day takes the rest, and the table
    // shows every column without scrolling sideways, also beside its scroll bar.
    const int widths[ColumnCount] = { 40, 40, 70, 50, 50 };
    int total = 2 * m_table->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int c = 0; c < ColumnCount; ++c) {
        const QString heading = m_table->horizontalHeaderItem(c)->text();
        const int width
            = std::max(du.x(widths[c]), header->fontMetrics().horizontalAdvance(heading) + du.x(8));
        if (c + 1 < ColumnCount)
            m_table->setColumnWidth(c, width);
        total += width;
    }
    m_table->setMinimumWidth(total);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every column fits: the cell being edited does not shift them sideways.
    QScrollBar *sideways = m_table->horizontalScrollBar();
    connect(sideways, &QScrollBar::valueChanged, this, [sideways](int value) {
        if (value != 0)
            sideways->setValue(0);
    });
    m_table->setMinimumHeight(header->sizeHint().height()
        + 4 * m_table->verticalHeader()->defaultSectionSize() + 2 * m_table->frameWidth());

    m_add = new QPushButton(tr("Abschnitt hinzufügen"), this);
    m_remove = new QPushButton(tr("Abschnitt entfernen"), this);
    m_load = new QPushButton(tr("Werkzeugmodell laden …"), this);
    m_load->setToolTip(tr("Ein eigenes Werkzeugmodell aus einer Datei: JSON des "
                          "ISCWSA-Fehlermodells oder eine Tabelle der Fehlerterme"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    buttons->addWidget(m_load);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    connect(m_add, &QPushButton::clicked, this, &SurveyProgramEdit::addRun);
    connect(m_remove, &QPushButton::clicked, this, &SurveyProgramEdit::removeRun);
    connect(m_load, &QPushButton::clicked, this, &SurveyProgramEdit::chooseToolFile);
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (item->column() == ToolColumn)
            item->setToolTip(toolTipOf(item->text(), m_ownTools));
        emit changed();
    });
    connect(m_table, &QTableWidget::currentCellChanged, this, &SurveyProgramEdit::updateButtons);
    updateButtons();
}

void SurveyProgramEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SurveyProgramEdit::addRow(const geo::ProgramRow &row)
{
    const int at = m_table->rowCount();
    m_table->insertRow(at);
    const std::string *texts[ColumnCount]
        = { &row.fromMd, &row.toMd, &row.tool, &row.name, &row.date };
    for (int c = 0; c < ColumnCount; ++c)
        m_table->setItem(at, c, new QTableWidgetItem(utf8(*texts[c])));
}

void SurveyProgramEdit::setProgram(const std::vector<SurveyRun> &program)
{
    const QSignalBlocker quiet(m_table);
    m_table->setRowCount(0);
    for (const geo::ProgramRow &row : geo::programRows(program))
        addRow(row);
    for (int r = 0; r < m_table->rowCount(); ++r) {
        QTableWidgetItem *tool = m_table->item(r, ToolColumn);
        tool->setToolTip(toolTipOf(tool->text(), m_ownTools));
    }
    updateButtons();
    emit changed();
}

std::vector<geo::ProgramRow> SurveyProgramEdit::rows() const
{
    std::vector<geo::ProgramRow> rows;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const auto text = [&](int c) {
            const QTableWidgetItem *item = m_table->item(r, c);
            return item ? item->text().toStdString() : std::string();
        };
        rows.push_back({ text(FromColumn), text(ToColumn), text(ToolColumn), text(NameColumn),
            text(DateColumn) });
    }
    return rows;
}

bool SurveyProgramEdit::program(std::vector<SurveyRun> &out, QString &fault) const
{
    std::string why;
    if (geo::programFromRows(rows(), out, why, m_ownTools))
        return true;
    fault = QString::fromStdString(why);
    return false;
}

bool SurveyProgramEdit::hasRuns() const
{
    for (const geo::ProgramRow &row : rows()) {
        if (!row.empty())
            return true;
    }
    return false;
}

void SurveyProgramEdit::addRun()
{
    // The next run begins where the last one ends; the first at the surface.
    const int last = m_table->rowCount() - 1;
    geo::ProgramRow row;
    row.fromMd
        = (last >= 0 ? m_table->item(last, ToColumn)->text() : QStringLiteral("0")).toStdString();
    addRow(row);
    // Typing goes on in the new row.
    m_table->setCurrentCell(last + 1, row.fromMd.empty() ? FromColumn : ToColumn);
    m_table->scrollToItem(m_table->currentItem());
    m_table->setFocus();
    updateButtons();
    emit changed();
}

void SurveyProgramEdit::removeRun()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    m_table->removeRow(row);
    updateButtons();
    emit changed();
}

void SurveyProgramEdit::setOwnTools(const std::vector<OwnTool> &tools)
{
    m_ownTools = tools;
    const QSignalBlocker quiet(m_table);
    for (int r = 0; r < m_table->rowCount(); ++r) {
        if (QTableWidgetItem *tool = m_table->item(r, ToolColumn))
            tool->setToolTip(toolTipOf(tool->text(), m_ownTools));
    }
    emit ownToolsChanged();
}

bool SurveyProgramEdit::loadOwnTools(const QString &path, QString &fault)
{
    // A tool model is a few kilobytes; a larger file is no tool model.
    constexpr qint64 kMaxBytes = 16 << 20;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fault = tr("%1: die Datei lässt sich nicht lesen (%2).")
                    .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    if (file.size() > kMaxBytes) {
        fault = tr("%1: die Datei ist größer als 16 MiB; ein Werkzeugmodell ist kleiner.")
                    .arg(QDir::toNativeSeparators(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    std::vector<OwnTool> tools;
    std::string why;
    if (!geo::ownToolsFromFile(std::string_view(bytes.constData(), bytes.size()),
            QFileInfo(path).fileName().toStdString(), tools, why)) {
        fault = QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), utf8(why));
        return false;
    }
    std::vector<OwnTool> merged = m_ownTools;
    geo::mergeOwnTools(merged, tools);
    if (merged.size() > kMaxOwnTools) {
        fault = tr("Es sind höchstens 100 eigene Werkzeuge möglich.");
        return false;
    }
    setOwnTools(merged);
    emit changed();
    return true;
}

void SurveyProgramEdit::chooseToolFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Werkzeugmodell laden"),
        QString(), tr("Werkzeugmodelle (*.json *.csv *.txt);;Alle Dateien (*)"));
    if (path.isEmpty())
        return;
    QString fault;
    if (!loadOwnTools(path, fault))
        QMessageBox::warning(this, tr("Werkzeugmodell laden"), fault);
}

void SurveyProgramEdit::updateButtons()
{
    m_remove->setEnabled(m_table->currentRow() >= 0);
}
