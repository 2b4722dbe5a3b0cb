#include "dialogs/dlgoffsets.h"

#include "core/decimalsign.h"
#include "dialogs/dialogunits.h"
#include "dialogs/surveyprogramedit.h"
#include "dialogs/tableimportdlg.h"
#include "document/docfile.h"
#include "exchange/stationmapping.h"
#include "exchange/surveyfile.h"
#include "exchange/tablefile.h"
#include "i18n/i18n.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"
#include "geo/programform.h"
#include "uncertainty/uncertainty.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace {

QString utf8(const std::string &text)
{
    return QString::fromStdString(text);
}

QString length(double metres)
{
    return utf8(decimalsign::shown(metres, 2));
}

// The error model combo's entries for "the well's", one tool of the library for the
// whole offset, and a survey program.
constexpr int kWellsModel = -1;
constexpr int kOneTool = -2;
constexpr int kProgram = -3;

// The first bytes of a file: what a table is where its name does not say it.
std::string headOf(const std::string &path)
{
    std::string head;
    if (std::FILE *file = std::fopen(path.c_str(), "rb")) {
        head.resize(64 * 1024);
        head.resize(std::fread(head.data(), 1, head.size(), file));
        std::fclose(file);
    }
    return head;
}

} // namespace

DlgOffsets::DlgOffsets(
    const WellSettings &settings, const std::string &wellName, int format, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_settings(settings)
    , m_result(settings)
    , m_wellName(wellName)
    , m_offsets(settings.offsets)
    , m_slotPending(settings.offsets.size(), false)
{
    setWindowTitle(tr("Nachbarbohrungen"));
    setFont(dialogFont());
    const DialogUnits du(font());

    m_list = new QTableWidget(0, 7, this);
    m_list->setHorizontalHeaderLabels({ tr("Name"), tr("Ansatzpunkt"), tr("Höhe (m NN)"),
        tr("Bohrloch (m)"), tr("Fehlermodell"), tr("Seitenast"), tr("Messpunkte") });
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->setVisible(false);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setMinimumSize(du.size(330, 60));

    m_add = new QPushButton(tr("&Hinzufügen …"), this);
    m_remove = new QPushButton(tr("&Entfernen"), this);
    m_format = new QComboBox(this);
    m_format->addItem(tr("WEG"), int(WegFormat));
    m_format->addItem(tr("frei"), int(FreiesFormat));
    m_format->addItem(tr("ATK"), int(AtkFormat));
    m_format->setCurrentIndex(std::max(0, m_format->findData(format)));
    auto *formatLabel = new QLabel(tr("Messdateien im &Format:"), this);
    formatLabel->setBuddy(m_format);

    auto edit = [this, &du](const QString &placeholder = QString()) {
        auto *e = new QLineEdit(this);
        e->setPlaceholderText(placeholder);
        e->setMinimumWidth(du.x(80));
        return e;
    };
    m_name = edit();
    m_slotKind = new QComboBox(this);
    m_slotKind->addItem(tr("Nord und Ost vom Ansatzpunkt der Bohrung"), false);
    m_slotKind->addItem(tr("Rechts- und Hochwert (System der Bohrung)"), true);
    m_north = edit(tr("z. B. 0"));
    m_east = edit(tr("z. B. 100"));
    m_easting = edit(tr("z. B. 500100"));
    m_northing = edit(tr("z. B. 5700000"));
    m_elevation = edit(tr("wie die Bohrung"));
    m_hole = edit(tr("z. B. 0,6096 (24 Zoll)"));
    m_model = new QComboBox(this);
    m_model->addItem(tr("wie die Bohrung"), kWellsModel);
    m_model->addItem(tr("keines (nur Abstände)"), int(ErrorModel::None));
    m_model->addItem(utf8(std::string(unc::modelTitle(ErrorModel::IscwsaMwdRev4))),
        int(ErrorModel::IscwsaMwdRev4));
    m_model->addItem(utf8(std::string(unc::modelTitle(ErrorModel::IscwsaMwdRev5))),
        int(ErrorModel::IscwsaMwdRev5));
    m_model->addItem(tr("Werkzeug aus dem Katalog"), kOneTool);
    m_model->addItem(tr("Vermessungsprogramm"), kProgram);
    m_tool = new ToolChooser(this);
    m_tool->setOwnTools(settings.ownTools);
    m_program = new SurveyProgramEdit(this);
    m_program->setOwnTools(settings.ownTools);
    // A tool model loaded for one offset's program is offered to every offset.
    connect(m_program, &SurveyProgramEdit::ownToolsChanged, this,
        [this] { m_tool->setOwnTools(m_program->ownTools()); });
    m_latitude = edit(tr("vom Ansatzpunkt der Bohrung"));
    m_gravity = edit(tr("z. B. 9,80665"));
    m_totalField = edit(tr("z. B. 50000"));
    m_dip = edit(tr("z. B. 72"));
    m_parent = new QComboBox(this);
    m_kickOff = edit(tr("Teufe, an der er abzweigt"));

    const clr::RuleForm rule = clr::ruleFormOf(settings.clearance);
    m_wellHole = edit(tr("z. B. 0,9144 (36 Zoll)"));
    m_margin = edit(tr("0,3"));
    m_ahead = edit(tr("0,5"));
    m_factor = edit(tr("3,5"));
    m_warning = edit(tr("1,5"));
    m_wellHole->setText(utf8(rule.hole));
    m_margin->setText(utf8(rule.surfaceMargin));
    m_ahead->setText(utf8(rule.projectAhead));
    m_factor->setText(utf8(rule.scalingFactor));
    m_warning->setText(utf8(rule.warningFactor));

    m_hint = new QLabel(this);
    m_hint->setWordWrap(true);

    auto row = [this](QFormLayout *form, const QString &text, QWidget *field) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    auto *offset = new QGroupBox(tr("Gewählte Nachbarbohrung"), this);
    auto *offsetForm = new QFormLayout(offset);
    row(offsetForm, tr("&Name:"), m_name);
    row(offsetForm, tr("Ansatzpunkt als:"), m_slotKind);
    row(offsetForm, tr("Nord (m):"), m_north);
    row(offsetForm, tr("Ost (m):"), m_east);
    row(offsetForm, tr("Rechtswert (m):"), m_easting);
    row(offsetForm, tr("Hochwert (m):"), m_northing);
    row(offsetForm, tr("Höhe des Teufenbezugspunkts (m NN):"), m_elevation);
    row(offsetForm, tr("Bohrlochdurchmesser (m):"), m_hole);
    row(offsetForm, tr("Seitenast von:"), m_parent);
    row(offsetForm, tr("Abzweigteufe (m):"), m_kickOff);

    auto *model = new QGroupBox(tr("Fehlermodell der Nachbarbohrung"), this);
    auto *modelForm = new QFormLayout(model);
    row(modelForm, tr("Fehlermodell:"), m_model);
    row(modelForm, tr("Werkzeug:"), m_tool);
    modelForm->addRow(m_program);
    row(modelForm, tr("Geographische Breite (°):"), m_latitude);
    row(modelForm, tr("Schwerebeschleunigung (m/s²):"), m_gravity);
    row(modelForm, tr("Totalintensität (nT):"), m_totalField);
    row(modelForm, tr("Inklination des Magnetfelds (°):"), m_dip);
    auto *modelNote = new QLabel(
        tr("Deklination und Nordrichtung der Azimute sind die der Bohrung (Bearbeiten → "
           "Bohrung …)."),
        this);
    modelNote->setWordWrap(true);
    modelForm->addRow(modelNote);

    auto *ruleBox = new QGroupBox(tr("Regel (ISCWSA-Trennfaktor)"), this);
    auto *ruleForm = new QFormLayout(ruleBox);
    row(ruleForm, tr("Bohrlochdurchmesser der Bohrung (m):"), m_wellHole);
    row(ruleForm, tr("Sicherheitsabstand Sm (m):"), m_margin);
    row(ruleForm, tr("Unsicherheit voraus σpa (m):"), m_ahead);
    row(ruleForm, tr("Faktor k:"), m_factor);
    row(ruleForm, tr("Meldung unter Trennfaktor:"), m_warning);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &DlgOffsets::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DlgOffsets::reject);

    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(m_add);
    listButtons->addWidget(m_remove);
    listButtons->addSpacing(du.x(8));
    listButtons->addWidget(formatLabel);
    listButtons->addWidget(m_format);
    listButtons->addStretch();

    auto *right = new QVBoxLayout;
    right->addWidget(model);
    right->addWidget(ruleBox);
    right->addStretch();
    auto *groups = new QHBoxLayout;
    groups->addWidget(offset, 1);
    groups->addLayout(right, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(listButtons);
    layout->addLayout(groups);
    layout->addWidget(m_hint);
    layout->addWidget(buttons);

    connect(m_add, &QPushButton::clicked, this, [this] {
        const QString path
            = QFileDialog::getOpenFileName(this, tr("Nachbarbohrung hinzufügen"), QString(),
                tr("Bohrungen (*.dvn *.csv *.tsv *.txt *.xlsx *.xls *.las *.xml *.weg *.atk);;Alle "
                   "Dateien (*)"));
        if (!path.isEmpty())
            addFile(path);
    });
    connect(m_remove, &QPushButton::clicked, this, [this] { removeChosen(); });
    connect(m_list, &QTableWidget::currentCellChanged, this, [this] { chooseRow(); });
    for (QComboBox *box : { m_slotKind, m_model, m_parent })
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_updating)
                updateFields();
        });
    // From one tool to a program: the tool's run to go on from.
    connect(m_model, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_updating && m_model->currentData().toInt() == kProgram && !m_program->hasRuns()
            && !m_tool->code().isEmpty()) {
            SurveyRun run;
            run.tool = m_tool->code().toStdString();
            m_program->setProgram({ run });
        }
    });

    // The list's own wish (a table's default size) would make the dialog taller than a
    // small screen; it grows with the window instead.
    resize(sizeHint().width(), minimumSizeHint().height() + du.y(16));

    fillList();
    choose(m_offsets.empty() ? -1 : 0);
}

void DlgOffsets::choose(int row)
{
    // The list's own moves while rows come and go are no choice of the user's.
    m_updating = true;
    m_list->setCurrentCell(row, 0);
    m_updating = false;
    m_current = row;
    showFields();
}

void DlgOffsets::fillList()
{
    const bool updating = m_updating;
    m_updating = true;
    m_list->setRowCount(static_cast<int>(m_offsets.size()));
    for (std::size_t i = 0; i < m_offsets.size(); ++i) {
        const OffsetWell &o = m_offsets[i];
        QString slot;
        if (!o.parent.empty())
            slot = tr("der Mutterbohrung");
        else if (m_slotPending[i])
            slot = tr("fehlt");
        else if (o.wellhead)
            slot = tr("R %1 / H %2").arg(length(o.wellhead->easting), length(o.wellhead->northing));
        else
            slot = tr("N %1 / O %2").arg(length(o.slotNorth), length(o.slotEast));
        QString model = tr("wie die Bohrung");
        if (o.uncertainty && !o.uncertainty->program.empty())
            model = utf8(unc::modelTitle(*o.uncertainty));
        else if (o.uncertainty)
            model = o.uncertainty->model == ErrorModel::None
                ? tr("keines")
                : utf8(std::string(unc::modelTitle(o.uncertainty->model)));
        const QStringList cells
            = { utf8(o.name), slot, o.elevation ? length(*o.elevation) : tr("wie die Bohrung"),
                  utf8(decimalsign::shown(o.holeDiameter, 4)), model,
                  o.parent.empty() ? tr("—")
                                   : tr("von %1 ab %2 m").arg(utf8(o.parent), length(o.kickOffMd)),
                  QString::number(o.stations.size()) };
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = m_list->item(static_cast<int>(i), c);
            if (!item) {
                item = new QTableWidgetItem;
                m_list->setItem(static_cast<int>(i), c, item);
            }
            item->setText(cells[c]);
        }
    }
    m_list->resizeColumnsToContents();
    m_updating = updating;
}

void DlgOffsets::fillParents()
{
    m_parent->clear();
    m_parent->addItem(tr("— (eigenes Bohrloch)"), QString());
    m_parent->addItem(tr("%1 (die Bohrung)").arg(utf8(m_wellName)), utf8(m_wellName));
    for (std::size_t i = 0; i < m_offsets.size(); ++i) {
        if (static_cast<int>(i) != m_current)
            m_parent->addItem(utf8(m_offsets[i].name), utf8(m_offsets[i].name));
    }
}

void DlgOffsets::chooseRow()
{
    if (m_updating)
        return;
    const int row = m_list->currentRow();
    if (row == m_current)
        return;
    // The fields of the offset left behind are taken first; a refused one keeps it.
    if (m_current >= 0 && !takeFields()) {
        m_updating = true;
        m_list->setCurrentCell(m_current, 0);
        m_updating = false;
        return;
    }
    m_current = row;
    showFields();
}

void DlgOffsets::showFields()
{
    m_updating = true;
    const bool chosen = m_current >= 0 && m_current < static_cast<int>(m_offsets.size());
    for (QWidget *w : std::initializer_list<QWidget *> { m_name, m_slotKind, m_north, m_east,
             m_easting, m_northing, m_elevation, m_hole, m_parent, m_kickOff, m_model, m_tool,
             m_program, m_latitude, m_gravity, m_totalField, m_dip })
        w->setEnabled(chosen);
    m_remove->setEnabled(chosen);
    fillParents();
    clr::OffsetForm f;
    if (chosen) {
        f = clr::formOf(m_offsets[static_cast<std::size_t>(m_current)]);
        if (m_slotPending[static_cast<std::size_t>(m_current)])
            f.north = f.east = {};
    }
    m_name->setText(utf8(f.name));
    m_slotKind->setCurrentIndex(f.byWellhead ? 1 : 0);
    m_north->setText(utf8(f.north));
    m_east->setText(utf8(f.east));
    m_easting->setText(utf8(f.easting));
    m_northing->setText(utf8(f.northing));
    m_elevation->setText(utf8(f.elevation));
    m_hole->setText(utf8(f.hole));
    int model = f.model ? int(*f.model) : kWellsModel;
    if (f.model && !f.program.empty())
        model = geo::isToolProgram(f.program) ? kOneTool : kProgram;
    m_model->setCurrentIndex(m_model->findData(model));
    m_tool->setCode(model == kOneTool ? utf8(f.program.front().tool) : QString());
    m_program->setProgram(f.program);
    m_latitude->setText(utf8(f.latitude));
    m_gravity->setText(utf8(f.gravity));
    m_totalField->setText(utf8(f.totalField));
    m_dip->setText(utf8(f.dip));
    m_parent->setCurrentIndex(std::max(0, m_parent->findData(utf8(f.parent))));
    m_kickOff->setText(utf8(f.kickOff));
    m_updating = false;
    if (chosen)
        updateFields();
    if (!chosen || !m_slotPending[static_cast<std::size_t>(m_current)])
        m_hint->setText(m_offsets.empty()
                ? tr("Noch keine Nachbarbohrung: \"Hinzufügen …\" liest eine aus einem "
                     "Dokument, einer Tabelle oder einer Messdatei.")
                : QString());
}

// The position fields of the chosen kind, none for a sidetrack (it stands at its
// parent's slot); the model's inputs only for a model of its own.
void DlgOffsets::updateFields()
{
    const bool sidetrack = !m_parent->currentData().toString().isEmpty();
    const bool byWellhead = m_slotKind->currentData().toBool();
    m_slotKind->setEnabled(!sidetrack);
    m_north->setEnabled(!sidetrack && !byWellhead);
    m_east->setEnabled(!sidetrack && !byWellhead);
    m_easting->setEnabled(!sidetrack && byWellhead);
    m_northing->setEnabled(!sidetrack && byWellhead);
    m_elevation->setEnabled(!sidetrack);
    m_kickOff->setEnabled(sidetrack);
    const int model = m_model->currentData().toInt();
    const bool own = model != kWellsModel && model != int(ErrorModel::None);
    for (QLineEdit *input : { m_latitude, m_gravity, m_totalField, m_dip })
        input->setEnabled(own);
    m_tool->setEnabled(model == kOneTool);
    m_program->setEnabled(model == kProgram);
}

clr::OffsetForm DlgOffsets::form() const
{
    clr::OffsetForm f;
    f.name = m_name->text().toStdString();
    f.byWellhead = m_slotKind->currentData().toBool();
    f.north = m_north->text().toStdString();
    f.east = m_east->text().toStdString();
    f.easting = m_easting->text().toStdString();
    f.northing = m_northing->text().toStdString();
    f.elevation = m_elevation->text().toStdString();
    f.hole = m_hole->text().toStdString();
    const int model = m_model->currentData().toInt();
    // A tool or a program takes the place of the model.
    if (model == kOneTool || model == kProgram)
        f.model = ErrorModel::None;
    else if (model != kWellsModel)
        f.model = static_cast<ErrorModel>(model);
    f.latitude = m_latitude->text().toStdString();
    f.gravity = m_gravity->text().toStdString();
    f.totalField = m_totalField->text().toStdString();
    f.dip = m_dip->text().toStdString();
    f.parent = m_parent->currentData().toString().toStdString();
    f.kickOff = m_kickOff->text().toStdString();
    return f;
}

bool DlgOffsets::typedProgram(std::vector<SurveyRun> &out, QString &fault) const
{
    out.clear();
    const int model = m_model->currentData().toInt();
    if (model == kOneTool) {
        std::string why;
        if (geo::toolProgram(m_tool->currentText().toStdString(), tr("Werkzeug").toStdString(),
                out, why, m_program->ownTools()))
            return true;
        fault = utf8(why);
        return false;
    }
    if (model != kProgram)
        return true;
    if (!m_program->program(out, fault))
        return false;
    if (out.empty()) {
        fault = tr("Vermessungsprogramm: bitte mindestens einen Abschnitt angeben.");
        return false;
    }
    return true;
}

void DlgOffsets::refuse(const QString &fault)
{
    QMessageBox::warning(this, tr("Nachbarbohrungen"), fault);
}

bool DlgOffsets::takeFields()
{
    if (m_current < 0 || m_current >= static_cast<int>(m_offsets.size()))
        return true;
    const std::size_t at = static_cast<std::size_t>(m_current);
    clr::OffsetForm typed = form();
    QString programFault;
    if (!typedProgram(typed.program, programFault)) {
        refuse(programFault);
        return false;
    }
    OffsetWell changed;
    std::string fault;
    if (!clr::offsetFromForm(typed, m_offsets[at], m_settings, changed, fault)) {
        refuse(utf8(fault));
        return false;
    }
    // A new name is the name its sidetracks name as their parent.
    std::vector<OffsetWell> all = m_offsets;
    const std::string old = all[at].name;
    all[at] = changed;
    if (changed.name != old) {
        for (OffsetWell &o : all) {
            if (o.parent == old)
                o.parent = changed.name;
        }
    }
    if (!offsetsValid(all, m_wellName, &fault)) {
        refuse(utf8(fault));
        return false;
    }
    m_offsets = std::move(all);
    m_slotPending[at] = false;
    fillList();
    return true;
}

bool DlgOffsets::addFile(const QString &path)
{
    if (!takeFields())
        return false;
    const std::string local = QFile::encodeName(path).toStdString();
    const QString shownName = QFileInfo(path).fileName();
    well::Well source;
    std::optional<WellSettings> stored;
    if (path.endsWith(QStringLiteral(".dvn"), Qt::CaseInsensitive)) {
        DocumentItems items;
        std::string message;
        if (!readDocumentFile(local, path.toStdString(), items, message)) {
            refuse(QString::fromStdString(message));
            return false;
        }
        source = wellOf(std::move(items));
        stored = source.settings;
    } else if (exchange::isTableImportFile(local, headOf(local))) {
        // The table import with its preview and column mapping, as for the well itself.
        std::string bytes;
        exchange::TableFault fault;
        if (!exchange::readTableFile(local, bytes, fault)) {
            refuse(QString::fromStdString(fault.message));
            return false;
        }
        exchange::TableFormat format
            = exchange::tableFormatForPath(local).value_or(exchange::TableFormat::Delimited);
        if (const auto kind = exchange::surveyFileKindOf(bytes))
            format = *kind == exchange::SurveyFileKind::Las ? exchange::TableFormat::Las
                                                            : exchange::TableFormat::Witsml;
        if (const auto refused
            = exchange::checkTableContent(shownName.toStdString(), bytes, format)) {
            refuse(QString::fromStdString(refused->message));
            return false;
        }
        TableImportDialog dialog(std::move(bytes), format, shownName, 1, this);
        if (!dialog.readable()) {
            refuse(QString::fromStdString(dialog.fault()->message));
            return false;
        }
        if (dialog.exec() != QDialog::Accepted)
            return false;
        source.survey = dialog.stationImport().survey;
        source.settings.tieIn = dialog.tieIn(); // refused below: an offset begins at the surface
        source.name = dialog.wellName().empty() ? exchange::nameFromPath(local) : dialog.wellName();
    } else {
        const MeasurementFileLines file = readMeasurementFile(local);
        if (!file.opened) {
            refuse(tr("Die Datei %1 kann nicht gelesen werden.").arg(path));
            return false;
        }
        const MeasurementRead read
            = readMeasurement(file.lines, m_format->currentData().toInt(), 1);
        if (!read.faults.empty()) {
            refuse(tr("%1: %2\nDie Nachbarbohrung wird nicht übernommen.")
                       .arg(shownName, QString::fromStdString(read.faults.front().message)));
            return false;
        }
        source.survey = well::surveyFromLines(read.stations);
        source.name = read.name.empty() ? exchange::nameFromPath(local) : read.name;
    }

    OffsetWell o;
    std::string fault, note;
    if (!clr::offsetOfWell(source, stored, m_settings, o, fault, &note)) {
        refuse(tr("%1: %2\nDie Nachbarbohrung wird nicht übernommen.").arg(shownName, utf8(fault)));
        return false;
    }
    o.name = clr::freeOffsetName(m_offsets, m_wellName, o.name);
    const bool pending = !o.wellhead;
    m_offsets.push_back(std::move(o));
    m_slotPending.push_back(pending);
    fillList();
    choose(static_cast<int>(m_offsets.size()) - 1);
    if (pending) {
        m_hint->setText(tr("%1Bitte den Ansatzpunkt der neuen Nachbarbohrung angeben: Nord und "
                           "Ost vom Ansatzpunkt der Bohrung, oder Rechts- und Hochwert.")
                            .arg(note.empty() ? QString() : utf8(note) + QLatin1Char(' ')));
        m_north->setFocus();
    }
    return true;
}

bool DlgOffsets::removeChosen()
{
    if (m_current < 0 || m_current >= static_cast<int>(m_offsets.size()))
        return false;
    const std::size_t at = static_cast<std::size_t>(m_current);
    const std::string name = m_offsets[at].name;
    for (const OffsetWell &o : m_offsets) {
        if (o.parent == name) {
            refuse(tr("%1 ist die Mutterbohrung von %2: zuerst den Seitenast entfernen oder "
                      "einer anderen Bohrung zuordnen.")
                       .arg(utf8(name), utf8(o.name)));
            return false;
        }
    }
    m_offsets.erase(m_offsets.begin() + static_cast<std::ptrdiff_t>(at));
    m_slotPending.erase(m_slotPending.begin() + static_cast<std::ptrdiff_t>(at));
    fillList();
    choose(std::min(static_cast<int>(at), static_cast<int>(m_offsets.size()) - 1));
    return true;
}

void DlgOffsets::accept()
{
    if (!takeFields())
        return;
    clr::RuleForm rule;
    rule.hole = m_wellHole->text().toStdString();
    rule.surfaceMargin = m_margin->text().toStdString();
    rule.projectAhead = m_ahead->text().toStdString();
    rule.scalingFactor = m_factor->text().toStdString();
    rule.warningFactor = m_warning->text().toStdString();
    WellSettings s = m_settings;
    std::string fault;
    if (!clr::ruleFromForm(rule, s.clearance, fault)) {
        refuse(utf8(fault));
        return;
    }
    s.offsets = m_offsets;
    s.ownTools = m_program->ownTools();
    if (!offsetsValid(s.offsets, m_wellName, &fault)) {
        refuse(utf8(fault));
        return;
    }
    if (!settingsFitDocument(s)) {
        refuse(tr("Die Nachbarbohrungen sind zu groß für ein Dokument (ihre Messpunkte brauchen "
                  "mehr als 16 MiB)."));
        return;
    }
    m_result = s;
    QDialog::accept();
}

bool DlgOffsets::edit(
    QWidget *parent, WellSettings &settings, const std::string &wellName, int format)
{
    DlgOffsets dialog(settings, wellName, format, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.result();
    return true;
}
