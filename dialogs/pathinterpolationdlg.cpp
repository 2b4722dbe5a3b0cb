#include "dialogs/pathinterpolationdlg.h"

#include "core/decimalsign.h"
#include "core/units.h"
#include "dialogs/dialogunits.h"
#include "export/delimitedwriter.h"
#include "export/exportformats.h"
#include "i18n/i18n.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Lengths in the dialog's captions and messages, with the language's decimal sign.
QString number(double v, int decimals)
{
    return QString::fromStdString(decimalsign::shown(v, decimals));
}

// What the table shows and copies: each column's decimals, a decimal comma, tabs.
surveyexport::TextStyle shownStyle()
{
    surveyexport::TextStyle style = surveyexport::clipboardStyle(decimalsign::interfaceSign());
    style.shownDecimals = true;
    return style;
}

} // namespace

// The listing's rows as the export's column table: the same headings, units and
// decimals as the CSV and the workbook, shown with a decimal comma.
class ListingModel : public QAbstractTableModel
{
public:
    explicit ListingModel(QObject *parent)
        : QAbstractTableModel(parent)
    {
    }

    void setListing(const listing::Listing &l)
    {
        beginResetModel();
        m_table = surveyexport::listingTable(l, true);
        // The request as the listing names it, with a decimal comma.
        for (surveyexport::Column &c : m_table.columns)
            for (std::string &text : c.texts)
                std::replace(text.begin(), text.end(), '.', ',');
        endResetModel();
    }

    const surveyexport::ColumnTable &columnTable() const { return m_table; }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_table.rows());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_table.columns.size());
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
            || section >= columnCount())
            return QAbstractTableModel::headerData(section, orientation, role);
        return QString::fromStdString(
            m_table.columns[std::size_t(section)].heading(
                decimalsign::interfaceSign(), surveyexport::Words::Shown));
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.column() >= columnCount() || index.row() >= rowCount())
            return {};
        const surveyexport::Column &column = m_table.columns[std::size_t(index.column())];
        if (role == Qt::TextAlignmentRole)
            return column.isText() ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        const auto row = std::size_t(index.row());
        return QString::fromStdString(column.isText()
                ? column.texts[row]
                : surveyexport::numberText(column.numbers[row], column, shownStyle()));
    }

private:
    surveyexport::ColumnTable m_table;
};

PathInterpolationDlg::PathInterpolationDlg(const traj::Trajectory &trajectory, LengthUnit unit,
    std::optional<double> sectionAzimuth, QWidget *parent)
    : PathInterpolationDlg(
        trajectory, surveyexport::RowSettings { unit, sectionAzimuth, {} }, parent)
{
}

PathInterpolationDlg::PathInterpolationDlg(
    const traj::Trajectory &trajectory, const surveyexport::RowSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_trajectory(trajectory)
    , m_settings(settings)
    , m_unit(settings.unit)
{
    setWindowTitle(tr("Interpolation entlang der Bahn"));
    setFont(dialogFont());
    const LengthUnit unit = m_unit;
    // The headings name the section azimuth in effect before anything is computed.
    m_listing.unit = unit;
    m_listing.sectionAzimuth
        = settings.sectionAzimuth.value_or(listing::defaultSectionAzimuth(m_trajectory));

    m_mode = new QComboBox(this);
    m_mode->addItem(tr("Punkt bei einer Teufe"));
    m_mode->addItem(tr("Punkte bei einer Seigerteufe (jeder Durchgang)"));
    m_mode->addItem(tr("Liste in gleichen Teufenschritten"));
    m_valueCaption = new QLabel(this);
    m_value = new QLineEdit(this);
    m_valueCaption->setBuddy(m_value);
    m_compute = new QPushButton(tr("&Berechnen"), this);
    m_compute->setDefault(true);
    m_compute->setAutoDefault(true);

    auto *request = new QGridLayout;
    auto *modeCaption = new QLabel(tr("&Art:"), this);
    modeCaption->setBuddy(m_mode);
    request->addWidget(modeCaption, 0, 0);
    request->addWidget(m_mode, 0, 1, 1, 2);
    request->addWidget(m_valueCaption, 1, 0);
    request->addWidget(m_value, 1, 1);
    request->addWidget(m_compute, 1, 2);

    const QString range = m_trajectory.empty()
        ? tr("Es gibt keine berechneten Messpunkte.")
        : tr("Berechnete Bahn: Teufe %1 bis %2 %3")
              .arg(number(units::fromMetres(m_trajectory.stations.front().md, unit), 2),
                  number(units::fromMetres(m_trajectory.last().md, unit), 2),
                  QString::fromUtf8(units::unitName(unit)));
    auto *rangeLabel = new QLabel(range, this);

    m_message = new QLabel(this);
    m_message->setWordWrap(true);

    m_model = new ListingModel(this);
    m_model->setListing(m_listing); // no rows yet, but the headers in the unit
    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);

    m_copy = new QPushButton(tr("&Kopieren"), this);
    m_copy->setToolTip(tr("Kopiert die Tabelle (Strg+C), mit Tabulatoren getrennt"));
    m_export = new QPushButton(tr("&Exportieren …"), this);
    m_export->setToolTip(tr("Schreibt die Tabelle in eine CSV-Datei"));
    auto *close = new QPushButton(tr("&Schließen"), this);
    for (QPushButton *b : { m_copy, m_export, close })
        b->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addWidget(m_export);
    buttons->addStretch();
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(request);
    layout->addWidget(rangeLabel);
    layout->addWidget(m_message);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    connect(m_mode, &QComboBox::currentIndexChanged, this, [this] { updateValueCaption(); });
    connect(m_compute, &QPushButton::clicked, this, [this] { compute(); });
    connect(m_value, &QLineEdit::returnPressed, this, [this] { compute(); });
    connect(m_copy, &QPushButton::clicked, this, &PathInterpolationDlg::copyTable);
    connect(m_export, &QPushButton::clicked, this, &PathInterpolationDlg::chooseExportFile);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *copyKey = new QShortcut(QKeySequence::Copy, this);
    connect(copyKey, &QShortcut::activated, this, [this] {
        // Ctrl+C in the value edit copies its selected text as usual.
        if (m_value->hasFocus() && m_value->hasSelectedText())
            m_value->copy();
        else
            copyTable();
    });

    updateValueCaption();
    m_copy->setEnabled(false);
    m_export->setEnabled(false);
    resize(DialogUnits(dialogFont()).size(560, 280));
}

void PathInterpolationDlg::updateValueCaption()
{
    const QString u = QString::fromUtf8(units::unitName(m_unit));
    switch (static_cast<Mode>(m_mode->currentIndex())) {
    case Mode::AtMd:
        m_valueCaption->setText(tr("&Teufe (%1):").arg(u));
        break;
    case Mode::AtTvd:
        m_valueCaption->setText(tr("&Seigerteufe (%1):").arg(u));
        break;
    case Mode::EveryMd:
        m_valueCaption->setText(tr("&Schrittweite (%1):").arg(u));
        break;
    }
}

void PathInterpolationDlg::setRequest(Mode mode, const QString &value)
{
    m_mode->setCurrentIndex(static_cast<int>(mode));
    m_value->setText(value);
}

void PathInterpolationDlg::showMessage(const QString &text, bool fault)
{
    m_message->setStyleSheet(fault ? QStringLiteral("color: #b00000;") : QString());
    m_message->setText(text);
}

bool PathInterpolationDlg::compute()
{
    const Mode mode = static_cast<Mode>(m_mode->currentIndex());
    double value = 0;
    QString refusal;
    const std::optional<double> typed
        = decimalsign::read(m_value->text().toStdString(), decimalsign::Accept::Either);
    if (typed)
        value = *typed;
    if (!typed)
        refusal = tr("„%1“ ist keine Zahl. Bitte eine Zahl eingeben, z. B. 1250,5.")
                      .arg(m_value->text().trimmed());
    else if (mode == Mode::EveryMd && !(value > 0.0))
        refusal = tr("Die Schrittweite muss größer als 0 sein.");

    listing::Listing l;
    if (refusal.isEmpty()) {
        const listing::RequestKind kinds[] = { listing::RequestKind::AtMd,
            listing::RequestKind::AtTvd, listing::RequestKind::EveryMd };
        l = surveyexport::wellRows(
            m_trajectory, { { kinds[static_cast<int>(mode)], value } }, m_settings);
        for (const std::string &fault : l.faults)
            refusal += (refusal.isEmpty() ? QString() : QStringLiteral("\n"))
                + QString::fromStdString(fault);
        // The listing's messages write numbers with a point; a German dialog shows commas.
        static const QRegularExpression point(QStringLiteral("(\\d)\\.(\\d)"));
        if (decimalsign::interfaceSign() == decimalsign::Sign::Comma)
            refusal.replace(point, QStringLiteral("\\1,\\2"));
    } else {
        l.unit = m_unit;
        l.sectionAzimuth = m_listing.sectionAzimuth;
    }
    m_listing = l;
    m_model->setListing(m_listing);
    const bool rows = !m_listing.rows.empty();
    m_copy->setEnabled(rows);
    m_export->setEnabled(rows);
    if (!refusal.isEmpty())
        showMessage(refusal, true);
    else if (mode == Mode::AtTvd && m_listing.rows.size() > 1)
        showMessage(
            tr("Die Bahn erreicht diese Seigerteufe %1-mal.").arg(m_listing.rows.size()), false);
    else
        showMessage(tr("%1 Zeile(n).").arg(m_listing.rows.size()), false);
    // What the uncertainty columns rest on, as the title rows of the files name it.
    if (refusal.isEmpty()) {
        const auto titles = m_model->columnTable().titleRows(
            decimalsign::interfaceSign(), surveyexport::Words::Shown);
        if (!titles.empty())
            m_message->setText(m_message->text() + QLatin1Char(' ')
                + tr("%1: %2").arg(QString::fromStdString(titles.front().label),
                    QString::fromStdString(titles.front().value)));
    }
    return rows && refusal.isEmpty();
}

QString PathInterpolationDlg::tableText() const
{
    return QString::fromStdString(
        surveyexport::delimitedText(m_model->columnTable(), shownStyle()));
}

void PathInterpolationDlg::copyTable()
{
    if (m_listing.rows.empty())
        return;
    QApplication::clipboard()->setText(tableText());
    showMessage(tr("%1 Zeile(n) in die Zwischenablage kopiert.").arg(m_listing.rows.size()), false);
}

bool PathInterpolationDlg::exportTo(const QString &path, int filter)
{
    // The one place that turns the listing into a file, in every export format.
    const auto &formats = surveyexport::exportFormats();
    const std::string name = path.toStdString();
    const surveyexport::ExportFormat format = filter >= 0 && filter < int(formats.size())
        ? surveyexport::exportFormatFor(name, formats[size_t(filter)].format)
        : surveyexport::exportFormatForPath(name).value_or(surveyexport::ExportFormat::Csv);
    surveyexport::ExportInfo info = m_info;
    info.listing = true;
    // A CSV listing comes out as the batch tool's --listing writes it: the same table,
    // the same number form.
    if (!surveyexport::writeExport(name, format, m_listing, info)) {
        showMessage(tr("Die Datei %1 kann nicht geschrieben werden.").arg(path), true);
        return false;
    }
    showMessage(tr("%1 Zeile(n) nach %2 geschrieben.").arg(m_listing.rows.size()).arg(path), false);
    return true;
}

void PathInterpolationDlg::chooseExportFile()
{
    const auto &formats = surveyexport::exportFormats();
    QStringList filters;
    for (const auto &entry : formats)
        filters << QString::fromUtf8(entry.filter);
    QString chosen = filters.front();
    QString path = QFileDialog::getSaveFileName(this, tr("Liste exportieren"),
        QStringLiteral("liste.csv"), filters.join(QStringLiteral(";;")), &chosen);
    if (path.isEmpty())
        return;
    const int filter = std::max(0, int(filters.indexOf(chosen)));
    path = QString::fromStdString(
        surveyexport::withExtension(path.toStdString(), formats[size_t(filter)].format));
    exportTo(path, filter);
}
