// "Nachbarbohrungen": the offset wells the clearance scan compares the well with, and the
// rule of the scan. A list of the offsets (name, slot, elevation, hole, error model, tool or
// survey program, sidetrack, stations) with "Hinzufügen …" (a document, a table through the table
// import or a measurement file in the chosen format) and "Entfernen", the fields of the offset
// chosen in the list, and the rule with the well's own hole. The fields are taken when
// another offset is chosen and on OK; a field that is refused keeps its text and the
// offset stays chosen. The checks are clearance/offsetform's.
#pragma once

#include "clearance/offsetform.h"
#include "well/settings.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class SurveyProgramEdit;
class ToolChooser;

class DlgOffsets : public QDialog
{
    Q_OBJECT

public:
    // `wellName`: the well's own name, which a sidetrack may name as its
    // parent; `format`: the measurement file format offered first (0 WEG, 1 free, 2 ATK).
    DlgOffsets(const WellSettings &settings, const std::string &wellName, int format,
        QWidget *parent = nullptr);

    // Shows the dialog; true after OK with the offsets and rule in `settings`, which is
    // untouched after Abbrechen.
    static bool edit(
        QWidget *parent, WellSettings &settings, const std::string &wellName, int format);

    const WellSettings &result() const { return m_result; }
    // The offsets as the dialog holds them now (the chosen one's fields not yet taken).
    const std::vector<OffsetWell> &offsets() const { return m_offsets; }

    // Adds the well of the file at `path`; false after a message (nothing is added).
    bool addFile(const QString &path);
    // Removes the chosen offset; false after a message while a sidetrack names it.
    bool removeChosen();
    // Takes the fields into the chosen offset; false after a message naming the field.
    bool takeFields();

    QTableWidget *list() const { return m_list; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *removeButton() const { return m_remove; }
    QComboBox *formatBox() const { return m_format; }
    QLineEdit *nameEdit() const { return m_name; }
    QComboBox *slotKindBox() const { return m_slotKind; }
    QLineEdit *northEdit() const { return m_north; }
    QLineEdit *eastEdit() const { return m_east; }
    QLineEdit *eastingEdit() const { return m_easting; }
    QLineEdit *northingEdit() const { return m_northing; }
    QLineEdit *elevationEdit() const { return m_elevation; }
    QLineEdit *holeEdit() const { return m_hole; }
    QComboBox *modelBox() const { return m_model; }
    // The tool for the whole offset and its survey program, each chosen in modelBox().
    ToolChooser *toolChooser() const { return m_tool; }
    SurveyProgramEdit *programEdit() const { return m_program; }
    QLineEdit *totalFieldEdit() const { return m_totalField; }
    QLineEdit *dipEdit() const { return m_dip; }
    QComboBox *parentBox() const { return m_parent; }
    QLineEdit *kickOffEdit() const { return m_kickOff; }
    QLineEdit *wellHoleEdit() const { return m_wellHole; }
    QLineEdit *warningEdit() const { return m_warning; }
    QLabel *hintLabel() const { return m_hint; }

    // OK: a refused field gets a message and the dialog stays open.
    void accept() override;

private:
    void chooseRow();
    void choose(int row); // without taking the fields of the one chosen before
    void showFields();
    void updateFields();
    void fillList();
    void fillParents();
    void refuse(const QString &fault);
    clr::OffsetForm form() const;
    // The program of the chosen kind of model: one tool, the typed runs, or none.
    bool typedProgram(std::vector<SurveyRun> &out, QString &fault) const;

    WellSettings m_settings; // the well's, for the checks of the fields
    WellSettings m_result;
    std::string m_wellName; // UTF-8
    std::vector<OffsetWell> m_offsets;
    // Added without a slot: its position fields start empty and must be filled.
    std::vector<bool> m_slotPending;
    int m_current = -1;
    bool m_updating = false;

    QTableWidget *m_list;
    QPushButton *m_add, *m_remove;
    QComboBox *m_format;
    QLineEdit *m_name;
    QComboBox *m_slotKind;
    QLineEdit *m_north, *m_east, *m_easting, *m_northing, *m_elevation, *m_hole;
    QComboBox *m_model;
    ToolChooser *m_tool;
    SurveyProgramEdit *m_program;
    QLineEdit *m_latitude, *m_gravity, *m_totalField, *m_dip;
    QComboBox *m_parent;
    QLineEdit *m_kickOff;
    QLineEdit *m_wellHole, *m_margin, *m_ahead, *m_factor, *m_warning;
    QLabel *m_hint;
};
