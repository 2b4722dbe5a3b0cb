// "Interpolation entlang der Bahn": the point on the minimum-curvature arc at a measured
// depth, every point where the path reaches a true vertical depth, or a listing at a
// regular measured-depth step. The rows come from the listing layer; the dialog shows
// them in a table that can be copied (tab-separated, for a spreadsheet) and exported.
#pragma once

#include "core/trajectory.h"
#include "core/units.h"
#include "export/exportformats.h"
#include "export/wellrows.h"
#include "listing/listing.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

class PathInterpolationDlg : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { AtMd, AtTvd, EveryMd };

    // Lengths are typed and shown in the settings' unit; the vertical section is taken
    // along their section azimuth (unset: the direction of the final displacement); the
    // rows carry the absolute columns where the settings place the well.
    PathInterpolationDlg(const traj::Trajectory &trajectory,
        const surveyexport::RowSettings &settings, QWidget *parent = nullptr);
    // The same without a place in the field.
    PathInterpolationDlg(const traj::Trajectory &trajectory, LengthUnit unit,
        std::optional<double> sectionAzimuth, QWidget *parent = nullptr);

    // The borehole and document named in a workbook the dialog writes.
    void setExportInfo(const surveyexport::ExportInfo &info) { m_info = info; }

    // Chooses the request and types its value, as the user would.
    void setRequest(Mode mode, const QString &value);

    // "Berechnen": the rows of the request the controls show. A value that is not a
    // number, a depth outside the path or a step that gives no listing leaves an empty
    // table and a German message in the dialog; returns whether rows were found.
    bool compute();
    const listing::Listing &result() const { return m_listing; }

    // The table as shown, header line first, columns separated by tabs, lines by "\n".
    QString tableText() const;
    // "Kopieren" and Ctrl+C: the table text to the clipboard.
    void copyTable();
    // Writes the rows to a CSV file; false with a German message in the dialog.
    // Writes the listing; `filter` is the file dialog's format (an index into the export
    // formats), or -1 to choose the format by the name's extension.
    bool exportTo(const QString &path, int filter = -1);

    QComboBox *modeBox() const { return m_mode; }
    QLineEdit *valueEdit() const { return m_value; }
    QPushButton *computeButton() const { return m_compute; }
    QPushButton *copyButton() const { return m_copy; }
    QPushButton *exportButton() const { return m_export; }
    QTableView *table() const { return m_table; }
    QLabel *messageLabel() const { return m_message; }

private:
    void chooseExportFile();
    void showMessage(const QString &text, bool fault);
    void updateValueCaption();

    traj::Trajectory m_trajectory;
    surveyexport::RowSettings m_settings;
    LengthUnit m_unit;
    surveyexport::ExportInfo m_info;
    listing::Listing m_listing;

    QComboBox *m_mode = nullptr;
    QLabel *m_valueCaption = nullptr;
    QLineEdit *m_value = nullptr;
    QPushButton *m_compute = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_export = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_message = nullptr;
    class ListingModel *m_model = nullptr;
};
