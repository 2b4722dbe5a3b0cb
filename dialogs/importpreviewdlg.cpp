#include "dialogs/importpreviewdlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace {

QString fromStd(const std::string &s)
{
    return QString::fromStdString(s);
}

// A well and its wellbores as the site has them, or as an import makes them.
using WellKey = std::pair<QString, QString>; // slot, well
using BoreKey = std::tuple<QString, QString, QString>; // slot, well, wellbore

QTableWidgetItem *fixedItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QComboBox *nameBox(const QStringList &offered, const QString &name)
{
    auto *box = new QComboBox;
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    box->setMinimumContentsLength(14);
    box->addItems(offered);
    box->setEditText(name);
    return box;
}

} // namespace

ImportPreviewDlg::ImportPreviewDlg(ImportPreview preview, QWidget *parent)
    : QDialog(parent)
    , m_preview(std::move(preview))
    , m_table(new QTableWidget(static_cast<int>(m_preview.items.size()), ColumnCount))
    , m_problems(new QLabel)
    , m_notices(new QPlainTextEdit(this))
{
    setWindowTitle(tr("Bohrungen übernehmen"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Die gelesenen Bohrpfade für „%1“. Zeilen ohne Haken bleiben draußen; "
                                "Bohrung und Bohrpfad lassen sich wählen oder neu benennen.")
                                 .arg(m_preview.site));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_table->setHorizontalHeaderLabels({ tr("Datei"), tr("Slot"), tr("Bohrung"), tr("Bohrpfad"),
        tr("Messpunkte"), tr("Ergebnis") });
    m_table->verticalHeader()->setVisible(false);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setObjectName(QStringLiteral("importItems"));

    QStringList wells;
    for (const field::WellboreEntry &e : m_preview.existing) {
        if (!wells.contains(fromStd(e.place.well)))
            wells << fromStd(e.place.well);
    }
    wells.sort();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const field::ImportItem &item = m_preview.items[static_cast<std::size_t>(row)];
        QTableWidgetItem *source = fixedItem(fromStd(item.source));
        source->setFlags(source->flags() | Qt::ItemIsUserCheckable);
        source->setCheckState(Qt::Checked);
        m_table->setItem(row, Source, source);
        m_table->setItem(row, Slot, fixedItem(QString()));
        QTableWidgetItem *stations
            = fixedItem(QString::number(static_cast<qulonglong>(item.well.survey.size())));
        stations->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, Stations, stations);
        m_table->setItem(row, Effect, fixedItem(QString()));
        QComboBox *well = nameBox(wells, fromStd(item.place.well));
        QComboBox *bore = nameBox({}, fromStd(item.place.wellbore));
        well->setAccessibleName(tr("Bohrung von %1").arg(fromStd(item.source)));
        bore->setAccessibleName(tr("Bohrpfad von %1").arg(fromStd(item.source)));
        m_table->setCellWidget(row, Well, well);
        m_table->setCellWidget(row, Wellbore, bore);
        connect(well, &QComboBox::editTextChanged, this, [this, row] {
            if (m_updating)
                return;
            offerWellbores(row);
            judgeRows();
        });
        connect(bore, &QComboBox::editTextChanged, this, [this] {
            if (!m_updating)
                judgeRows();
        });
        offerWellbores(row);
    }
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!m_updating && item->column() == Source)
            judgeRows();
    });
    layout->addWidget(m_table, 1);

    m_problems->setObjectName(QStringLiteral("importProblems"));
    m_problems->setWordWrap(true);
    QPalette warning = m_problems->palette();
    warning.setColor(QPalette::WindowText, QColor(0xb0, 0x00, 0x00));
    m_problems->setPalette(warning);
    layout->addWidget(m_problems);

    m_notices->setObjectName(QStringLiteral("importNotices"));
    QStringList said;
    for (const QString &file : m_preview.unreadable)
        said << tr("Nicht gelesen und ausgelassen: %1").arg(file);
    said << m_preview.notices;
    if (!said.isEmpty()) {
        auto *caption = new QLabel(tr("Beim Lesen:"));
        layout->addWidget(caption);
        m_notices->setReadOnly(true);
        m_notices->setPlainText(said.join(QLatin1Char('\n')));
        m_notices->setMaximumHeight(m_notices->fontMetrics().lineSpacing() * 6);
        layout->addWidget(m_notices);
    } else {
        m_notices->hide();
    }

    auto *buttons = new QDialogButtonBox;
    m_accept = buttons->addButton(tr("Übernehmen"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel = buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    // Enter in a name's field ends the name, not the dialog.
    for (QPushButton *button : { m_accept, cancel }) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    judgeRows();
    // Rows high enough for the name boxes.
    if (m_table->rowCount() > 0) {
        QHeaderView *rows = m_table->verticalHeader();
        rows->setDefaultSectionSize(
            std::max(rows->defaultSectionSize(), wellBox(0)->sizeHint().height() + 2));
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    // The whole table in view where the screen allows it.
    int width = m_table->frameWidth() * 2 + m_table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < ColumnCount; ++column)
        width += m_table->columnWidth(column);
    const int rows = std::min(m_table->rowCount(), 12);
    int height = m_table->frameWidth() * 2 + m_table->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < rows; ++row)
        height += m_table->rowHeight(row);
    m_table->setMinimumSize(std::min(width, 1100), std::min(height, 480));
}

QComboBox *ImportPreviewDlg::wellBox(int row) const
{
    return qobject_cast<QComboBox *>(m_table->cellWidget(row, Well));
}

QComboBox *ImportPreviewDlg::wellboreBox(int row) const
{
    return qobject_cast<QComboBox *>(m_table->cellWidget(row, Wellbore));
}

QString ImportPreviewDlg::wellName(int row) const
{
    return wellBox(row)->currentText().trimmed();
}

QString ImportPreviewDlg::wellboreName(int row) const
{
    return wellboreBox(row)->currentText().trimmed();
}

QString ImportPreviewDlg::problems() const
{
    return m_problems->text();
}

QString ImportPreviewDlg::notices() const
{
    return m_notices->toPlainText();
}

// The wellbores the site has for the row's well, the typed name kept.
void ImportPreviewDlg::offerWellbores(int row)
{
    QComboBox *box = wellboreBox(row);
    const QString well = wellName(row);
    const QString typed = box->currentText();
    QStringList bores;
    for (const field::WellboreEntry &e : m_preview.existing) {
        if (fromStd(e.place.well) == well && !e.place.wellbore.empty())
            bores << fromStd(e.place.wellbore);
    }
    bores.removeDuplicates();
    bores.sort();
    m_updating = true;
    box->clear();
    box->addItems(bores);
    box->setEditText(typed);
    m_updating = false;
}

void ImportPreviewDlg::judgeRows()
{
    m_updating = true;
    // A well the site has keeps its slot; a new one gets a slot of its own name.
    std::map<QString, QString> slotOfWell;
    std::map<BoreKey, int> versions;
    std::set<WellKey> wellsThere;
    for (const field::WellboreEntry &e : m_preview.existing) {
        const QString slot = fromStd(e.place.slot), well = fromStd(e.place.well);
        slotOfWell.try_emplace(well, slot);
        wellsThere.insert({ slot, well });
        if (!e.place.wellbore.empty())
            versions[{ slot, well, fromStd(e.place.wellbore) }] = e.versions;
    }
    std::map<BoreKey, int> madeAt; // a wellbore this import makes: its first row
    std::set<WellKey> wellsMade;
    QStringList problems;
    int ticked = 0;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QString well = wellName(row), bore = wellboreName(row);
        const auto known = slotOfWell.find(well);
        const QString slot = known != slotOfWell.end() ? known->second : well;
        m_table->item(row, Slot)->setText(slot);
        QTableWidgetItem *effect = m_table->item(row, Effect);
        const QString source = m_table->item(row, Source)->text();
        if (m_table->item(row, Source)->checkState() != Qt::Checked) {
            effect->setText(tr("ausgelassen"));
            continue;
        }
        ++ticked;
        if (well.isEmpty() || bore.isEmpty()) {
            if (well.isEmpty())
                problems << tr("Zeile %1 (%2): Der Name der Bohrung fehlt.").arg(row + 1).arg(source);
            if (bore.isEmpty())
                problems
                    << tr("Zeile %1 (%2): Der Name des Bohrpfads fehlt.").arg(row + 1).arg(source);
            effect->setText(tr("Name fehlt"));
            continue;
        }
        const BoreKey key { slot, well, bore };
        const auto there = versions.find(key);
        const auto made = madeAt.find(key);
        if (there != versions.end()) {
            effect->setText(made != madeAt.end()
                    ? tr("neue Version %1 des Bohrpfads (wie Zeile %2)")
                          .arg(++there->second)
                          .arg(made->second + 1)
                    : tr("neue Version %1 des vorhandenen Bohrpfads").arg(++there->second));
            madeAt.try_emplace(key, row);
        } else if (wellsThere.contains({ slot, well }) || wellsMade.contains({ slot, well })) {
            effect->setText(tr("neuer Bohrpfad"));
            versions[key] = 1;
            madeAt.try_emplace(key, row);
        } else {
            effect->setText(tr("neue Bohrung"));
            versions[key] = 1;
            madeAt.try_emplace(key, row);
            wellsMade.insert({ slot, well });
        }
    }
    if (ticked == 0)
        problems << tr("Keine Zeile ist angehakt: es gibt nichts zu übernehmen.");
    m_problems->setText(problems.join(QLatin1Char('\n')));
    m_problems->setVisible(!problems.isEmpty());
    m_accept->setEnabled(problems.isEmpty());
    m_updating = false;
}

std::vector<field::ImportItem> ImportPreviewDlg::chosen() const
{
    std::vector<field::ImportItem> out;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->item(row, Source)->checkState() != Qt::Checked)
            continue;
        field::ImportItem item = m_preview.items[static_cast<std::size_t>(row)];
        item.place.slot = m_table->item(row, Slot)->text().toStdString();
        item.place.well = wellName(row).toStdString();
        item.place.wellbore = wellboreName(row).toStdString();
        // The survey is named as its wellbore, as the readers name it.
        item.well.name = item.place.wellbore;
        out.push_back(std::move(item));
    }
    return out;
}
