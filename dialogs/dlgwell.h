// "Bohrung": the settings that place the borehole in the field. The wellhead's easting
// and northing with their coordinate system, the elevation of the depth reference, the
// north of the measured azimuths with the angles between the norths, the error model of
// the surveys with its inputs (its fields open only with a model) or the survey program
// of runs with their tools that takes its place, the day of the survey for which the
// geomagnetic model gives the declination, dip and total field left empty (shown beside
// those fields), and the tie-in point where a survey that continues another one begins.
// An empty field is a value that is not set. The section azimuth and unit of listings are
// chosen under "Ansicht → Einstellungen …"; this dialog shows the values in effect and
// keeps the document's own ones as they are.
#pragma once

#include "document/viewpreferences.h"
#include "geo/wellform.h"
#include "well/settings.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class SurveyProgramEdit;

class DlgWell : public QDialog
{
    Q_OBJECT

public:
    // `inEffect`: the section azimuth and unit that listings use now; `automaticAzimuth`:
    // the direction of the final displacement, shown for an automatic azimuth.
    DlgWell(const WellSettings &settings, const ViewPreferences &inEffect, double automaticAzimuth,
        QWidget *parent = nullptr);

    // Shows the dialog; true after OK with the entered settings in `settings`, which is
    // untouched after Abbrechen.
    static bool edit(QWidget *parent, WellSettings &settings, const ViewPreferences &inEffect,
        double automaticAzimuth);

    // The settings as entered; false with the German fault when a field is refused.
    bool entered(WellSettings &out, QString &fault) const;
    const WellSettings &result() const { return m_result; }

    QLineEdit *eastingEdit() const { return m_easting; }
    QLineEdit *northingEdit() const { return m_northing; }
    QLineEdit *elevationEdit() const { return m_elevation; }
    QLineEdit *epsgEdit() const { return m_epsg; }
    QComboBox *northBox() const { return m_north; }
    QLineEdit *convergenceEdit() const { return m_convergence; }
    QLineEdit *declinationEdit() const { return m_declination; }
    QLineEdit *surveyDateEdit() const { return m_surveyDate; }
    // What the geomagnetic model gives for the place and date typed, or why it gives
    // nothing.
    QLabel *modelNote() const { return m_modelNote; }
    QComboBox *errorModelBox() const { return m_errorModel; }
    QLineEdit *latitudeEdit() const { return m_latitude; }
    QLineEdit *gravityEdit() const { return m_gravity; }
    QLineEdit *totalFieldEdit() const { return m_totalField; }
    QLineEdit *dipEdit() const { return m_dip; }
    QLineEdit *ellipseSigmaEdit() const { return m_ellipseSigma; }
    // The survey program; with runs it takes the place of the error model.
    SurveyProgramEdit *programEdit() const { return m_program; }
    QLabel *programNote() const { return m_programNote; }
    // The tie-in point's fields: MD, TVD, north, east, inclination, azimuth.
    QLineEdit *tieInEdit(int i) const { return m_tieIn[i]; }
    // The section azimuth and unit in effect, read-only.
    QLabel *sectionLabel() const { return m_section; }
    QLabel *unitLabel() const { return m_unit; }

    // OK: a refused field gets a message and the dialog stays open.
    void accept() override;

private:
    void updateAngles();
    void updateModel();
    geo::WellForm typedForm() const;

    WellSettings m_base;
    WellSettings m_result;
    QLineEdit *m_easting, *m_northing, *m_elevation, *m_epsg;
    QComboBox *m_north;
    QLineEdit *m_convergence, *m_declination, *m_surveyDate;
    QLabel *m_modelNote;
    // The placeholders of the magnetic fields where the model gives nothing.
    QString m_totalFieldExample, m_dipExample;
    QComboBox *m_errorModel;
    QLineEdit *m_latitude, *m_gravity, *m_totalField, *m_dip, *m_ellipseSigma;
    SurveyProgramEdit *m_program;
    QLabel *m_programNote;
    QLineEdit *m_tieIn[6];
    QLabel *m_section, *m_unit;
};
