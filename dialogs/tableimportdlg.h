// The table import dialog: a preview of the first rows of a CSV or .xlsx file (or of rows
// pasted from a spreadsheet) with the delimiter, sheet, decimal sign, heading row, the
// columns of depth, inclination and azimuth and the depth unit, each as detected and
// changeable, and the station lines that OK hands to the measurement dialog. The reading
// and mapping are the exchange layer's; this window only shows their choices.
#pragma once

#include "exchange/stationmapping.h"
#include "exchange/tablefile.h"

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QListWidget;
class QTableWidget;

class TableImportDialog : public QDialog
{
    Q_OBJECT

public:
    // `bytes` is the file's content (or the pasted text as UTF-8), `source` what the
    // caption names, `step` the thinning of the measurement dialog (1, 2, 5, 10).
    TableImportDialog(std::string bytes, exchange::TableFormat format, const QString &source,
        int step, QWidget *parent = nullptr);
    ~TableImportDialog() override;

    // The station lines OK takes (valid once the dialog was accepted).
    const exchange::StationImport &stationImport() const { return m_import; }
    // True when the current choices give stations without a fault.
    bool usable() const { return !m_load.fault && !m_import.fault; }
    // False when the file cannot be read as a table at all (no workbook, a damaged one,
    // an unclosed quote): no choice in the dialog could help. `fault()` then says why.
    bool readable() const { return !m_load.fault || !m_load.sheetNames.empty(); }
    const std::optional<exchange::TableFault> &fault() const { return m_load.fault; }
    // The well's name a LAS or WITSML file states (empty when it has none).
    const std::string &wellName() const { return m_load.wellName; }
    // The tie-in point the survey begins at: the table's first row when the user takes it
    // as such, else the one a WITSML trajectory names (none when it begins at the surface).
    const std::optional<well::TieIn> &tieIn() const
    {
        return m_import.tieIn ? m_import.tieIn : m_load.tieIn;
    }
    // Whether the first row may be taken as the tie-in (not for rows added to a survey).
    void offerTieIn(bool offered);
    // The magnetic and gravity readings of the stations: those of the table's reading
    // columns where it has any, else those of a WITSML trajectory (none for others).
    const std::vector<well::FieldReading> &fieldReadings() const
    {
        return m_import.fieldReadings.empty() ? m_load.fieldReadings : m_import.fieldReadings;
    }

    // Controls, for tests.
    QComboBox *sheetBox() const { return m_sheet; }
    QComboBox *delimiterBox() const { return m_delimiter; }
    QComboBox *decimalBox() const { return m_decimal; }
    QComboBox *headerBox() const { return m_header; }
    QComboBox *columnBox(int meaning) const { return m_columns[static_cast<size_t>(meaning)]; }
    QComboBox *unitBox() const { return m_unit; }
    QComboBox *positionBox(int position) const { return m_position[static_cast<size_t>(position)]; }
    QCheckBox *tieInRowBox() const { return m_tieInRow; }
    QComboBox *readingBox(int reading) const { return m_readings[static_cast<size_t>(reading)]; }
    QTableWidget *preview() const { return m_preview; }
    QListWidget *stationPreview() const { return m_stations; }
    QLabel *statusLabel() const { return m_status; }
    QDialogButtonBox *buttons() const { return m_buttons; }

private:
    void buildControls();
    void reload(); // the table again: another delimiter or sheet
    void remap(); // the mapping and stations again: any other choice
    void showChoices();
    void showPreview();

    std::string m_bytes;
    exchange::TableFormat m_format;
    int m_step;
    exchange::TableLoad m_load;
    exchange::StationImport m_import;
    bool m_updating = false; // the boxes are being refilled: their signals mean nothing

    QComboBox *m_sheet = nullptr;
    QComboBox *m_delimiter = nullptr;
    QComboBox *m_decimal = nullptr;
    QComboBox *m_header = nullptr;
    std::array<QComboBox *, 3> m_columns {};
    QComboBox *m_unit = nullptr;
    std::array<QComboBox *, 3> m_position {}; // TVD, North, East
    QCheckBox *m_tieInRow = nullptr;
    std::array<QComboBox *, 3> m_readings {}; // total field, dip, gravity
    QFormLayout *m_choices = nullptr;
    bool m_tieInOffered = true;
    QTableWidget *m_preview = nullptr;
    QListWidget *m_stations = nullptr;
    QLabel *m_status = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
