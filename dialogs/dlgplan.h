// "Planung": the well plan of the settings edited as the engineer writes it down. The
// start (taken from the survey's tie-in on request), the step of the stations and the
// distance from the sensor to the bit; the sections in a table (kind and the values of
// the plan file's columns) with add, remove, move and "Planung laden …"; the targets in a
// table of their own. Every change of a cell computes the plan anew (plan::compute) and
// shows it in the preview beside the tables; a refused plan shows its reason under the
// tables and marks the section's row, and can still be kept with OK, so that nothing
// typed is lost. Only a cell that is no number at all keeps the dialog open.
#pragma once

#include "plan/compute.h"
#include "plan/plan.h"
#include "well/settings.h"

#include <QDialog>

#include <optional>

class PlanPreview;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class DlgPlan : public QDialog
{
    Q_OBJECT

public:
    explicit DlgPlan(const WellSettings &settings, QWidget *parent = nullptr);

    // Shows the dialog; true after OK (or "Planung entfernen") with the plan, its step and
    // the bit distance in `settings`, which is untouched after Abbrechen.
    static bool edit(QWidget *parent, WellSettings &settings);

    const WellSettings &result() const { return m_result; }

    // The plan as the tables and fields hold it now; nothing when a cell or field is no
    // number, `fault` then naming it.
    std::optional<plan::Plan> tablePlan(QString *fault = nullptr) const;
    // The step of the stations the preview is computed at.
    double step() const;

    // Reads the plan file at `path` into the tables (the start stays); false after a
    // message naming each fault's row, column and reason, the tables as they were.
    bool loadFile(const QString &path);
    // Takes the start from the survey's tie-in (the button does it).
    void takeTieIn();

    void addSection();
    void removeSection(); // the chosen row
    void moveSection(int by); // the chosen row up (-1) or down (+1)
    void addTarget();
    void removeTarget();

    // The kind of section `row` as its combo shows it.
    plan::SectionKind sectionKind(int row) const;
    void setSectionKind(int row, plan::SectionKind kind);
    void setTargetKind(int row, plan::TargetKind kind);
    // The row of the section the last refusal names, -1 when there is none.
    int markedRow() const { return m_markedRow; }

    QTableWidget *sectionTable() const { return m_sections; }
    QTableWidget *targetTable() const { return m_targets; }
    PlanPreview *preview() const { return m_preview; }
    QLabel *refusalLabel() const { return m_refusal; }
    QLineEdit *startEdit(int i) const { return m_start[i]; } // MD, TVD, Nord, Ost, Neigung, Azimut
    QLineEdit *stepEdit() const { return m_step; }
    QLineEdit *bitEdit() const { return m_bit; }
    QPushButton *tieInButton() const { return m_tieIn; }
    QPushButton *loadButton() const { return m_load; }
    QPushButton *removePlanButton() const { return m_removePlan; }

    // The plan computed again from the tables, the preview and the refusal shown anew.
    void recompute();

    void accept() override;
    // "Planung entfernen": the settings then hold no plan.
    void removePlan();

private:
    void fillSections(const std::vector<plan::Section> &sections);
    void fillTargets(const std::vector<plan::Target> &targets);
    void insertSectionRow(int row, const plan::Section &section);
    void insertTargetRow(int row, const plan::Target &target);
    void markRow(int row);

    WellSettings m_result;
    bool m_filling = false;
    int m_markedRow = -1;

    QLineEdit *m_start[6];
    QLineEdit *m_step, *m_bit;
    QPushButton *m_tieIn, *m_load, *m_removePlan;
    QTableWidget *m_sections, *m_targets;
    PlanPreview *m_preview;
    QLabel *m_refusal;
};
