// What an import into a site of the field would do, shown after its files are read and
// before anything is written: each wellbore read with its file, slot, well, wellbore,
// number of stations and whether it makes a new well or wellbore or adds a version to one
// the site has. The well and the wellbore are chosen among the site's or typed anew; an
// item unticked stays out. A name that is missing is said in the dialog and keeps
// "Übernehmen" from taking anything. The files that could not be read are named, with
// what their readers said.
#pragma once

#include "field/fielddb.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// What the preview shows.
struct ImportPreview
{
    QString site; // the site's path, as the panel names it
    std::vector<field::ImportItem> items; // as the readers made them
    // The site's wellbores; a well without any is one entry with an empty wellbore name.
    std::vector<field::WellboreEntry> existing;
    QStringList notices; // what the readers said without refusing a file
    QStringList unreadable; // the files left out, each with what its reader said
};

class ImportPreviewDlg : public QDialog
{
    Q_OBJECT
public:
    enum Column { Source, Slot, Well, Wellbore, Stations, Effect, ColumnCount };

    explicit ImportPreviewDlg(ImportPreview preview, QWidget *parent = nullptr);

    // The ticked items with their slot, well and wellbore as shown.
    std::vector<field::ImportItem> chosen() const;

    QTableWidget *table() const { return m_table; }
    QComboBox *wellBox(int row) const;
    QComboBox *wellboreBox(int row) const;
    QPushButton *acceptButton() const { return m_accept; }
    // The missing names, one line each; empty when all can be taken.
    QString problems() const;
    QString notices() const;

private:
    QString wellName(int row) const;
    QString wellboreName(int row) const;
    void offerWellbores(int row);
    // Each row's slot and what it makes, and the problems that keep Übernehmen back,
    // judged again after an edit (QWidget::update stays the repaint).
    void judgeRows();

    ImportPreview m_preview;
    QTableWidget *m_table = nullptr;
    QLabel *m_problems = nullptr;
    QPlainTextEdit *m_notices = nullptr;
    QPushButton *m_accept = nullptr;
    bool m_updating = false;
};
