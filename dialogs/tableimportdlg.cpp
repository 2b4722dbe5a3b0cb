// The table import dialog's widgets.
#include "dialogs/tableimportdlg.h"

#include "core/cformat.h"
#include "core/decimalsign.h"
#include "dialogs/dialogunits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {

// Rows and columns the preview shows; the import itself reads the whole table.
constexpr int kPreviewRows = 30;
constexpr int kPreviewColumns = 26;
// Heading rows offered for choice.
constexpr int kHeaderChoices = 50;
constexpr int kStationPreview = 12;

using exchange::DecimalSign;
using exchange::Delimiter;

// A station as the preview lists it: in the columns of its written form, each value as
// the spreadsheet shows it unless two decimals give it exactly (a workbook's
// 0.7600000047849319 is listed as 0.76; the import takes the value as stored).
QString previewLine(const well::Station &station)
{
    const auto column = [](double value, int width) {
        std::string digits = decimalsign::fixed(value, 2, decimalsign::Sign::Point);
        if (decimalsign::read(digits, decimalsign::Accept::Point) != value)
            digits = decimalsign::general(value, decimalsign::Sign::Point);
        return QString::fromStdString(digits).rightJustified(width);
    };
    return column(station.md, 8) + QStringLiteral("  ") + column(station.inclination, 7)
        + QStringLiteral("  ") + column(station.azimuth, 7);
}

QString columnCaption(int column)
{
    return QCoreApplication::translate("TableImportDialog", "Spalte %1")
        .arg(QString::fromStdString(exchange::columnLetters(column + 1)));
}

// The heading text of a column, when the mapping found a heading row.
QString headingOf(const exchange::Table &table, int headerRow, int column)
{
    // A heading broken over lines in its cell is shown on one.
    const exchange::Cell *cell = table.cell(headerRow, column);
    return cell ? QString::fromStdString(cell->text).simplified() : QString();
}

int columnCount(const exchange::Table &table)
{
    size_t columns = 0;
    for (size_t r = 0; r < table.rows.size() && r < 200; ++r)
        columns = std::max(columns, table.rows[r].size());
    return static_cast<int>(std::min<size_t>(columns, exchange::kMaxColumns));
}

} // namespace

TableImportDialog::TableImportDialog(std::string bytes, exchange::TableFormat format,
    const QString &source, int step, QWidget *parent)
    : QDialog(parent)
    , m_bytes(std::move(bytes))
    , m_format(format)
    , m_step(step)
{
    setWindowTitle(tr("Tabelle importieren – %1").arg(source));
    setFont(dialogFont());
    buildControls();
    reload();
}

TableImportDialog::~TableImportDialog() = default;

void TableImportDialog::buildControls()
{
    auto *choices = new QFormLayout;
    m_choices = choices;
    auto combo = [&](const QString &label) {
        auto *box = new QComboBox(this);
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        choices->addRow(label, box);
        return box;
    };
    m_sheet = combo(tr("Tabellenblatt:"));
    m_delimiter = combo(tr("Trennzeichen:"));
    m_decimal = combo(tr("Dezimalzeichen:"));
    m_header = combo(tr("Kopfzeile:"));
    m_columns[0] = combo(tr("Teufe:"));
    m_columns[1] = combo(tr("Neigung:"));
    m_columns[2] = combo(tr("Azimut:"));
    m_unit = combo(tr("Einheit der Teufe:"));
    // A table with the position of its stations may begin at a tie-in: its first row.
    m_position[0] = combo(tr("TVD:"));
    m_position[1] = combo(tr("Nord:"));
    m_position[2] = combo(tr("Ost:"));
    m_tieInRow = new QCheckBox(tr("Erste Zeile als Anschlusspunkt (TVD, Nord, Ost)"), this);
    choices->addRow(m_tieInRow);
    choices->setRowVisible(m_tieInRow, false);
    // What the survey tool measured besides the direction: the readings the survey check
    // compares with the reference field.
    m_readings[0] = combo(tr("Gesamtfeld:"));
    m_readings[1] = combo(tr("Inklination des Magnetfelds:"));
    m_readings[2] = combo(tr("Schwere:"));
    if (m_format == exchange::TableFormat::Xlsx || m_format == exchange::TableFormat::Xls) {
        choices->setRowVisible(m_delimiter, false);
    } else if (m_format == exchange::TableFormat::Las
        || m_format == exchange::TableFormat::Witsml) {
        // The file's own format leaves no delimiter to choose; a WITSML file's trajectories
        // are chosen like a workbook's sheets.
        choices->setRowVisible(m_delimiter, false);
        if (m_format == exchange::TableFormat::Witsml)
            qobject_cast<QLabel *>(choices->labelForField(m_sheet))->setText(tr("Trajektorie:"));
        else
            choices->setRowVisible(m_sheet, false);
    } else {
        choices->setRowVisible(m_sheet, false);
    }

    for (Delimiter d : { Delimiter::Automatic, Delimiter::Semicolon, Delimiter::Comma,
             Delimiter::Tab, Delimiter::Blanks })
        m_delimiter->addItem(QString::fromUtf8(exchange::delimiterName(d)), static_cast<int>(d));
    m_decimal->addItem(tr("automatisch"), static_cast<int>(DecimalSign::Automatic));
    m_decimal->addItem(tr("Komma"), static_cast<int>(DecimalSign::Comma));
    m_decimal->addItem(tr("Punkt"), static_cast<int>(DecimalSign::Point));
    m_unit->addItem(tr("automatisch"), static_cast<int>(exchange::DepthUnit::Automatic));
    m_unit->addItem(tr("Meter"), static_cast<int>(exchange::DepthUnit::Metres));
    m_unit->addItem(tr("Fuß (in Meter umgerechnet)"), static_cast<int>(exchange::DepthUnit::Feet));

    m_preview = new QTableWidget(this);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setSelectionMode(QAbstractItemView::NoSelection);
    m_preview->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    m_preview->setMinimumSize(460, 300);

    m_stations = new QListWidget(this);
    m_stations->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_stations->setSelectionMode(QAbstractItemView::NoSelection);
    m_stations->setMinimumWidth(m_stations->fontMetrics().horizontalAdvance(QString(30, u'0')));

    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_buttons = new QDialogButtonBox(this);
    m_buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    m_buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *grid = new QGridLayout(this);
    grid->addLayout(choices, 0, 0);
    auto *stationsLabel = new QLabel(tr("Messwertzeilen (Teufe Neigung Azimut):"), this);
    grid->addWidget(stationsLabel, 1, 0);
    grid->addWidget(m_stations, 2, 0);
    grid->addWidget(new QLabel(tr("Vorschau der ersten Zeilen:"), this), 0, 1, Qt::AlignBottom);
    grid->addWidget(m_preview, 1, 1, 2, 1);
    grid->addWidget(m_status, 3, 0, 1, 2);
    grid->addWidget(m_buttons, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);

    auto onReload = [this] {
        if (!m_updating)
            reload();
    };
    auto onRemap = [this] {
        if (!m_updating)
            remap();
    };
    connect(m_sheet, &QComboBox::currentIndexChanged, this, onReload);
    connect(m_delimiter, &QComboBox::currentIndexChanged, this, onReload);
    for (QComboBox *box : { m_decimal, m_header, m_columns[0], m_columns[1], m_columns[2], m_unit,
             m_position[0], m_position[1], m_position[2], m_readings[0], m_readings[1],
             m_readings[2] })
        connect(box, &QComboBox::currentIndexChanged, this, onRemap);
    connect(m_tieInRow, &QCheckBox::toggled, this, onRemap);
}

void TableImportDialog::reload()
{
    const std::string sheet = m_sheet->currentIndex() >= 0
        ? std::to_string(m_sheet->currentIndex() + 1)
        : std::string();
    m_load = exchange::loadTable(
        m_bytes, m_format, static_cast<Delimiter>(m_delimiter->currentData().toInt()), sheet);

    // The sheet list and the rows and columns offered follow the table.
    m_updating = true;
    if (m_sheet->count() == 0) {
        for (const std::string &name : m_load.sheetNames)
            m_sheet->addItem(QString::fromStdString(name));
        m_sheet->setCurrentIndex(std::max(0, m_load.sheetIndex));
    }
    const int headerChoice
        = m_header->currentData().isValid() ? m_header->currentData().toInt() : -1;
    m_header->clear();
    m_header->addItem(tr("automatisch"), -1);
    m_header->addItem(tr("keine"), 0);
    const int rows = std::min<int>(static_cast<int>(m_load.table.rows.size()), kHeaderChoices);
    for (int r = 1; r <= rows; ++r)
        m_header->addItem(tr("Zeile %1").arg(r), r);
    m_header->setCurrentIndex(std::max(0, m_header->findData(headerChoice)));
    const int columns = columnCount(m_load.table);
    for (QComboBox *box :
        { m_columns[0], m_columns[1], m_columns[2], m_position[0], m_position[1], m_position[2],
            m_readings[0], m_readings[1], m_readings[2] }) {
        const int choice = box->currentData().isValid() ? box->currentData().toInt() : 0;
        box->clear();
        box->addItem(tr("automatisch"), 0);
        for (int c = 0; c < columns; ++c)
            box->addItem(columnCaption(c), c + 1);
        box->setCurrentIndex(std::max(0, box->findData(choice)));
    }
    m_updating = false;
    remap();
}

void TableImportDialog::remap()
{
    exchange::MappingRequest request;
    request.headerRow = m_header->currentData().toInt();
    request.decimal = static_cast<DecimalSign>(m_decimal->currentData().toInt());
    request.unit = static_cast<exchange::DepthUnit>(m_unit->currentData().toInt());
    request.step = m_step;
    for (size_t m = 0; m < 3; ++m) {
        request.columns[m].number = m_columns[m]->currentData().toInt();
        request.position[m].number = m_position[m]->currentData().toInt();
        request.readings[m].number = m_readings[m]->currentData().toInt();
    }
    request.tieInRow = m_tieInOffered && m_tieInRow->isChecked();
    if (m_load.fault) {
        m_import = {};
    } else {
        m_import = exchange::importStations(m_load.table, request);
        // Another choice of columns took the position away: the box goes out of sight, and
        // with it what it asked for.
        if (request.tieInRow && m_import.fault && !m_import.mapping.hasPosition()) {
            request.tieInRow = false;
            m_import = exchange::importStations(m_load.table, request);
        }
    }
    showChoices();
    showPreview();
}

void TableImportDialog::showChoices()
{
    // The automatic entries say what was found; the others stay as they are.
    m_updating = true;
    const exchange::Mapping &mapping = m_import.mapping;
    const bool mapped = !m_load.fault && mapping.firstDataRow >= 0;
    m_delimiter->setItemText(0,
        tr("automatisch (%1)").arg(QString::fromUtf8(exchange::delimiterName(m_load.delimiter))));
    m_decimal->setItemText(0,
        tr("automatisch (%1)")
            .arg(mapping.decimal == DecimalSign::Comma ? tr("Komma") : tr("Punkt")));
    m_unit->setItemText(0,
        tr("automatisch (%1)")
            .arg(mapping.unit == exchange::DepthUnit::Feet ? tr("Fuß") : tr("Meter")));
    m_header->setItemText(0,
        mapped && mapping.headerRow >= 0 ? tr("automatisch (Zeile %1)").arg(mapping.headerRow + 1)
                                         : tr("automatisch"));
    for (size_t m = 0; m < 3; ++m) {
        QString found = tr("automatisch");
        if (mapped) {
            const int column = mapping.columns[m];
            const QString heading = headingOf(m_load.table, mapping.headerRow, column);
            found = tr("automatisch (%1%2)")
                        .arg(columnCaption(column),
                            heading.isEmpty() ? QString() : QStringLiteral(": ") + heading);
        }
        m_columns[m]->setItemText(0, found);
        QString foundPosition = tr("automatisch");
        if (mapped && mapping.position[m] >= 0) {
            const int column = mapping.position[m];
            const QString heading = headingOf(m_load.table, mapping.headerRow, column);
            foundPosition = tr("automatisch (%1%2)")
                                .arg(columnCaption(column),
                                    heading.isEmpty() ? QString() : QStringLiteral(": ") + heading);
        } else if (mapped) {
            foundPosition = tr("automatisch (keine)");
        }
        m_position[m]->setItemText(0, foundPosition);
        QString foundReading = tr("automatisch");
        if (mapped && mapping.readings[m] >= 0) {
            const int column = mapping.readings[m];
            const QString heading = headingOf(m_load.table, mapping.headerRow, column);
            foundReading = tr("automatisch (%1%2)")
                               .arg(columnCaption(column),
                                   heading.isEmpty() ? QString() : QStringLiteral(": ") + heading);
        } else if (mapped) {
            foundReading = tr("automatisch (keine)");
        }
        m_readings[m]->setItemText(0, foundReading);
        for (QComboBox *box : { m_columns[m], m_position[m], m_readings[m] }) {
            for (int i = 1; i < box->count(); ++i) {
                const int column = box->itemData(i).toInt() - 1;
                const QString heading
                    = mapped ? headingOf(m_load.table, mapping.headerRow, column) : QString();
                box->setItemText(i,
                    columnCaption(column)
                        + (heading.isEmpty() ? QString() : QStringLiteral(": ") + heading));
            }
        }
    }
    // Offered only where the table has the position of its first row.
    m_choices->setRowVisible(m_tieInRow, m_tieInOffered && mapped && mapping.hasPosition());
    for (QComboBox *box : m_position)
        m_choices->setRowVisible(box, m_tieInOffered);
    m_updating = false;

    const std::optional<exchange::TableFault> &fault = m_load.fault ? m_load.fault : m_import.fault;
    if (fault) {
        m_status->setStyleSheet(QStringLiteral("color: #b00000"));
        m_status->setText(QString::fromStdString(fault->message));
    } else {
        m_status->setStyleSheet(QString());
        QString text = tr("%1 Datenzeilen ab Zeile %2; %3 Messwertzeilen werden übernommen.")
                           .arg(m_import.records)
                           .arg(mapping.firstDataRow + 1)
                           .arg(m_import.survey.size());
        if (mapping.hasReadings())
            text += QLatin1Char('\n')
                + tr("%1 Messpunkte mit Feldmessungen (Gesamtfeld, Inklination, Schwere).")
                      .arg(m_import.fieldReadings.size());
        if (m_import.afterFirst > 0)
            text += QLatin1Char('\n')
                + (m_import.afterLast > m_import.afterFirst
                        ? tr("Zeilen %1 bis %2 nach der Tabelle nicht gelesen")
                              .arg(m_import.afterFirst)
                              .arg(m_import.afterLast)
                        : tr("Zeile %1 nach der Tabelle nicht gelesen").arg(m_import.afterFirst));
        // The trajectory's first station is its tie-in point, not one of the stations
        // listed: said, so that the user does not miss it.
        const auto shown
            = [](double value) { return QString::fromStdString(decimalsign::shown(value, 2)); };
        if (const std::optional<well::TieIn> &t = m_import.tieIn) {
            text += QLatin1Char('\n')
                + tr("Die erste Zeile ist der Anschlusspunkt: MD %1 m, TVD %2 m, Nord %3 m, "
                     "Ost %4 m, Neigung %5°, Azimut %6°.")
                      .arg(shown(t->md), shown(t->tvd), shown(t->north), shown(t->east),
                          shown(t->inclination), shown(t->azimuth));
        } else if (mapping.tieInRow) {
            text += QLatin1Char('\n')
                + tr("Die erste Zeile liegt an der Oberfläche und bleibt der erste Messpunkt.");
        } else if (const std::optional<well::TieIn> &t = m_load.tieIn) {
            text += QLatin1Char('\n')
                + tr("Die Messung beginnt am Anschlusspunkt der Datei: MD %1 m, TVD %2 m, "
                     "Nord %3 m, Ost %4 m, Neigung %5°, Azimut %6°.")
                      .arg(shown(t->md), shown(t->tvd), shown(t->north), shown(t->east),
                          shown(t->inclination), shown(t->azimuth));
        }
        m_status->setText(text);
    }
    m_buttons->buttons().first()->setEnabled(usable());

    m_stations->clear();
    const std::vector<well::Station> &stations = m_import.survey.stations();
    for (size_t i = 0; i < stations.size() && i < kStationPreview; ++i)
        m_stations->addItem(previewLine(stations[i]));
    if (stations.size() > kStationPreview)
        m_stations->addItem(QString::fromUtf8("…"));
}

void TableImportDialog::showPreview()
{
    const exchange::Table &table = m_load.table;
    const exchange::Mapping &mapping = m_import.mapping;
    const bool mapped = !m_load.fault && mapping.firstDataRow >= 0;
    const int rows = std::min<int>(static_cast<int>(table.rows.size()), kPreviewRows);
    const int columns = std::min(columnCount(table), kPreviewColumns);
    m_preview->clear();
    m_preview->setRowCount(rows);
    m_preview->setColumnCount(columns);

    QStringList captions;
    for (int c = 0; c < columns; ++c) {
        QString caption = QString::fromStdString(exchange::columnLetters(c + 1));
        for (int m = 0; m < 3 && mapped; ++m)
            if (mapping.columns[static_cast<size_t>(m)] == c)
                caption += QStringLiteral("\n") + QString::fromUtf8(exchange::meaningName(m));
        for (int p = 0; p < 3 && mapped && m_tieInOffered; ++p)
            if (mapping.position[static_cast<size_t>(p)] == c)
                caption += QStringLiteral("\n") + QString::fromUtf8(exchange::positionName(p));
        // The dip's full name would widen its column beyond the others: a short one.
        for (int q = 0; q < 3 && mapped; ++q)
            if (mapping.readings[static_cast<size_t>(q)] == c)
                caption += QStringLiteral("\n")
                    + (q == exchange::Dip ? tr("Inkl. Magnetfeld")
                                          : QString::fromUtf8(exchange::readingName(q)));
        captions << caption;
    }
    m_preview->setHorizontalHeaderLabels(captions);

    const QColor chosen(0xdd, 0xea, 0xf7);
    const QColor tieInColour(0xf7, 0xe8, 0xc8);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const exchange::Cell *cell = table.cell(r, c);
            if (!cell)
                continue;
            auto *item = new QTableWidgetItem(QString::fromStdString(cell->text));
            if (cell->number) {
                // A workbook's number as the spreadsheet shows it, not every digit of
                // the double it stores; the import reads the stored value.
                if (const auto value
                    = decimalsign::read(cell->text, decimalsign::Accept::Point))
                    item->setText(QString::fromStdString(
                        decimalsign::general(*value, decimalsign::interfaceSign())));
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            if (mapped && r == mapping.headerRow) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            } else if (mapped
                && (r < mapping.firstDataRow
                    || (m_import.afterFirst > 0 && r + 1 >= m_import.afterFirst))) {
                item->setForeground(Qt::gray); // not read: above the data or below the table
            }
            const bool column = mapped
                && std::find(mapping.columns.begin(), mapping.columns.end(), c)
                    != mapping.columns.end();
            // The readings are taken with the stations, and shown so.
            const bool reading = mapped
                && std::find(mapping.readings.begin(), mapping.readings.end(), c)
                    != mapping.readings.end();
            const bool tieInRow = m_import.tieIn && r == mapping.firstDataRow;
            const bool position = tieInRow
                && std::find(mapping.position.begin(), mapping.position.end(), c)
                    != mapping.position.end();
            if (tieInRow && (column || position))
                item->setBackground(tieInColour); // the tie-in, no station of the survey
            else if ((column || (reading && !tieInRow)) && r >= mapping.firstDataRow
                && (m_import.afterFirst <= 0 || r + 1 < m_import.afterFirst))
                item->setBackground(chosen);
            m_preview->setItem(r, c, item);
        }
    }
    m_preview->resizeColumnsToContents();
    // A long title in the first rows must not push the survey's columns out of sight.
    const int widest = m_preview->fontMetrics().horizontalAdvance(QString(24, u'0'));
    for (int c = 0; c < columns; ++c)
        m_preview->setColumnWidth(c, std::min(m_preview->columnWidth(c), widest));
}

void TableImportDialog::offerTieIn(bool offered)
{
    m_tieInOffered = offered;
    if (!offered)
        m_tieInRow->setChecked(false); // remaps
    remap();
}
