#include "dialogs/dlgwell.h"

#include "core/decimalsign.h"
#include "dialogs/dialogunits.h"
#include "dialogs/surveyprogramedit.h"
#include "geo/projection.h"
#include "geo/wellform.h"
#include "i18n/i18n.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString fromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

DlgWell::DlgWell(const WellSettings &settings, const ViewPreferences &inEffect,
    double automaticAzimuth, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_base(settings)
    , m_result(settings)
{
    setWindowTitle(tr("Bohrung"));
    setFont(dialogFont());
    const geo::WellForm form = geo::formOf(settings);

    auto edit = [this](const std::string &text, const QString &placeholder) {
        auto *e = new QLineEdit(fromUtf8(text), this);
        e->setPlaceholderText(placeholder);
        e->setMinimumWidth(DialogUnits(font()).x(90));
        return e;
    };
    m_easting = edit(form.easting, tr("z. B. 500000"));
    m_northing = edit(form.northing, tr("z. B. 5700000"));
    m_elevation = edit(form.elevation, tr("über dem Meeresspiegel"));
    m_epsg = edit(form.epsg, tr("z. B. EPSG:25832"));
    m_convergence = edit(form.gridConvergence, QString());
    m_declination = edit(form.declination, QString());
    m_surveyDate = edit(form.surveyDate, tr("TT.MM.JJJJ"));
    m_modelNote = new QLabel(this);
    m_modelNote->setWordWrap(true);
    m_modelNote->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_latitude = edit(form.latitude, QString());
    m_gravity = edit(form.gravity, tr("z. B. 9,80665"));
    m_totalFieldExample = tr("z. B. 50000");
    m_dipExample = tr("z. B. 72");
    m_totalField = edit(form.totalField, m_totalFieldExample);
    m_dip = edit(form.dip, m_dipExample);
    m_ellipseSigma = edit(form.ellipseSigma, tr("z. B. 2"));
    // An empty latitude is the wellhead's where the settings place it on the earth.
    if (const auto onEarth = geo::wellheadOnEarth(settings))
        m_latitude->setPlaceholderText(
            tr("vom Ansatzpunkt: %1")
                .arg(QString::fromStdString(decimalsign::shown(onEarth->latitude, 4))));
    else
        m_latitude->setPlaceholderText(tr("unbekannt (für MWD nicht nötig)"));
    m_errorModel = new QComboBox(this);
    m_errorModel->addItem(tr("keine"), int(ErrorModel::None));
    m_errorModel->addItem(tr("ISCWSA MWD Rev. 4"), int(ErrorModel::IscwsaMwdRev4));
    m_errorModel->addItem(tr("ISCWSA MWD Rev. 5"), int(ErrorModel::IscwsaMwdRev5));
    m_errorModel->setCurrentIndex(m_errorModel->findData(int(form.errorModel)));
    m_programNote = new QLabel(tr("Das Vermessungsprogramm ersetzt das Fehlermodell."), this);
    m_programNote->setWordWrap(true);
    // The note's room is kept while it is hidden, so that the dialog keeps its size.
    QSizePolicy keepRoom = m_programNote->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_programNote->setSizePolicy(keepRoom);
    m_program = new SurveyProgramEdit(this);
    m_program->setOwnTools(settings.ownTools);
    m_program->setProgram(settings.uncertainty.program);

    m_north = new QComboBox(this);
    m_north->addItem(tr("geographisch Nord"), int(NorthReference::True));
    m_north->addItem(tr("Gitternord"), int(NorthReference::Grid));
    m_north->addItem(tr("magnetisch Nord"), int(NorthReference::Magnetic));
    m_north->setCurrentIndex(m_north->findData(int(form.north)));
    // The values in effect, from the one place where they are chosen.
    const QString degrees = QString::fromStdString(
        decimalsign::shown(inEffect.sectionAzimuth.value_or(automaticAzimuth), 2));
    m_section = new QLabel(inEffect.sectionAzimuth
            ? tr("%1°").arg(degrees)
            : tr("%1° (automatisch: Richtung der Endabweichung)").arg(degrees),
        this);
    m_unit = new QLabel(inEffect.unit == LengthUnit::Foot ? tr("Fuß (ft), Abknickung je 100 ft")
                                                          : tr("Meter (m), Abknickung je 30 m"),
        this);
    for (QLabel *value : { m_section, m_unit })
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // The labels of the three groups share one width, so that their fields line up.
    QList<QLabel *> labels;
    auto row = [&](QFormLayout *form, const QString &text, QWidget *field) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        labels.append(label);
        form->addRow(label, field);
    };
    auto *place = new QGroupBox(tr("Ansatzpunkt"), this);
    auto *placeForm = new QFormLayout(place);
    row(placeForm, tr("Rechtswert (m):"), m_easting);
    row(placeForm, tr("Hochwert (m):"), m_northing);
    row(placeForm, tr("Koordinatenbezugssystem:"), m_epsg);
    row(placeForm, tr("Höhe des Teufenbezugspunkts (m NN):"), m_elevation);

    // The tie-in point beside the wellhead, three rows of two short fields (depths,
    // position, direction), so that the dialog keeps its height and fits a small screen.
    auto *tieIn = new QGroupBox(tr("Anschlusspunkt"), this);
    auto *tieInGrid = new QGridLayout(tieIn);
    const QString tieInLabels[6] = { tr("MD (m):"), tr("TVD (m):"), tr("Nord (m):"), tr("Ost (m):"),
        tr("Neigung (°):"), tr("Azimut (°):") };
    for (int i = 0; i < 6; ++i) {
        m_tieIn[i] = edit(form.tieIn[static_cast<std::size_t>(i)], QString());
        m_tieIn[i]->setMinimumWidth(DialogUnits(font()).x(50));
        auto *label = new QLabel(tieInLabels[i], this);
        label->setBuddy(m_tieIn[i]);
        // MD beside TVD, north beside east, inclination beside azimuth.
        const int column = 2 * (i % 2), line = i / 2;
        tieInGrid->addWidget(label, line, column);
        tieInGrid->addWidget(m_tieIn[i], line, column + 1);
    }
    auto *tieInNote = new QLabel(tr("Wo eine Messung beginnt, die eine andere fortsetzt. Alle "
                                    "Felder leer: sie beginnt an der Oberfläche."),
        this);
    tieInNote->setWordWrap(true);
    tieInGrid->addWidget(tieInNote, 3, 0, 1, 4);

    auto *north = new QGroupBox(tr("Nordrichtung der gemessenen Azimute"), this);
    auto *northForm = new QFormLayout(north);
    row(northForm, tr("Azimute bezogen auf:"), m_north);
    row(northForm, tr("Meridiankonvergenz (°):"), m_convergence);
    row(northForm, tr("Vermessungsdatum:"), m_surveyDate);
    northForm->addRow(m_modelNote);
    row(northForm, tr("Deklination (°):"), m_declination);
    auto *rule = new QLabel(tr("Gitterazimut = geographischer Azimut − Meridiankonvergenz "
                               "(positiv, wo Gitternord östlich von geographisch Nord liegt).\n"
                               "Geographischer Azimut = magnetischer Azimut + Deklination "
                               "(Ost positiv)."),
        this);
    rule->setWordWrap(true);
    northForm->addRow(rule);

    auto *uncertainty = new QGroupBox(tr("Positionsunsicherheit"), this);
    auto *uncertaintyForm = new QFormLayout(uncertainty);
    row(uncertaintyForm, tr("Fehlermodell:"), m_errorModel);
    uncertaintyForm->addRow(QString(), m_programNote);
    row(uncertaintyForm, tr("Geographische Breite (°):"), m_latitude);
    row(uncertaintyForm, tr("Schwerebeschleunigung (m/s²):"), m_gravity);
    row(uncertaintyForm, tr("Totalintensität (nT):"), m_totalField);
    row(uncertaintyForm, tr("Inklination des Magnetfelds (°):"), m_dip);
    row(uncertaintyForm, tr("Ellipse (Vielfaches von σ):"), m_ellipseSigma);

    // Beside the error model whose place it takes.
    auto *program = new QGroupBox(tr("Vermessungsprogramm"), this);
    auto *programLayout = new QVBoxLayout(program);
    auto *programHelp = new QLabel(tr("Jeder Abschnitt der Teufe mit dem Werkzeug, mit dem er "
                                      "vermessen wurde. Bis MD leer: bis zum Ende der Bohrung."),
        this);
    programHelp->setWordWrap(true);
    programLayout->addWidget(programHelp);
    programLayout->addWidget(m_program, 1);

    auto *lists = new QGroupBox(tr("Listen"), this);
    auto *listForm = new QFormLayout(lists);
    row(listForm, tr("Azimut des Vertikalschnitts:"), m_section);
    row(listForm, tr("Einheit:"), m_unit);
    auto *where = new QLabel(documentSetsPreferences(settings)
            ? tr("Im Dokument gespeichert; geändert unter Ansicht → Einstellungen …")
            : tr("Programmeinstellung; geändert unter Ansicht → Einstellungen …"),
        this);
    where->setWordWrap(true);
    listForm->addRow(where);

    int width = 0;
    for (QLabel *label : labels)
        width = std::max(width, label->sizeHint().width());
    for (QLabel *label : labels)
        label->setMinimumWidth(width);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &DlgWell::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DlgWell::reject);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    top->addWidget(place);
    top->addWidget(tieIn);
    layout->addLayout(top);
    layout->addWidget(north);
    auto *model = new QHBoxLayout;
    model->addWidget(uncertainty);
    model->addWidget(program, 1);
    layout->addLayout(model);
    layout->addWidget(lists);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_north, &QComboBox::currentIndexChanged, this, &DlgWell::updateAngles);
    connect(m_errorModel, &QComboBox::currentIndexChanged, this, &DlgWell::updateAngles);
    connect(m_program, &SurveyProgramEdit::changed, this, &DlgWell::updateAngles);
    // The model's values follow the place and the date as they are typed.
    for (QLineEdit *input : { m_easting, m_northing, m_epsg, m_elevation, m_surveyDate })
        connect(input, &QLineEdit::textChanged, this, &DlgWell::updateModel);
    updateAngles();
    updateModel();
}

// The geomagnetic model's values as the placeholders of the fields that it fills when
// they are left empty, and the note under the date: the model and the day, or why the
// model gives nothing.
void DlgWell::updateModel()
{
    const geo::ModelNotes notes = geo::modelNotes(typedForm());
    m_declination->setPlaceholderText(fromUtf8(notes.declination));
    m_dip->setPlaceholderText(notes.dip.empty() ? m_dipExample : fromUtf8(notes.dip));
    m_totalField->setPlaceholderText(
        notes.totalField.empty() ? m_totalFieldExample : fromUtf8(notes.totalField));
    m_modelNote->setText(fromUtf8(notes.note));
    m_modelNote->setVisible(!notes.note.empty());
}

// The angles that the chosen north needs, and the error model's inputs while a model is
// chosen or the survey program has runs; the others keep their values but are greyed. An
// error model needs the declination whatever the north of the azimuths: it works in
// magnetic north. A program takes the place of the model, whose choice is then greyed.
void DlgWell::updateAngles()
{
    const auto north = static_cast<NorthReference>(m_north->currentData().toInt());
    const bool program = m_program->hasRuns();
    m_errorModel->setEnabled(!program);
    m_programNote->setVisible(program);
    const bool model = program
        || static_cast<ErrorModel>(m_errorModel->currentData().toInt()) != ErrorModel::None;
    m_declination->setEnabled(north == NorthReference::Magnetic || model);
    for (QLineEdit *input : { m_latitude, m_gravity, m_totalField, m_dip, m_ellipseSigma })
        input->setEnabled(model);
}

geo::WellForm DlgWell::typedForm() const
{
    geo::WellForm form;
    form.easting = m_easting->text().toStdString();
    form.northing = m_northing->text().toStdString();
    form.elevation = m_elevation->text().toStdString();
    form.epsg = m_epsg->text().toStdString();
    form.north = static_cast<NorthReference>(m_north->currentData().toInt());
    form.gridConvergence = m_convergence->text().toStdString();
    form.declination = m_declination->text().toStdString();
    form.surveyDate = m_surveyDate->text().toStdString();
    form.errorModel = static_cast<ErrorModel>(m_errorModel->currentData().toInt());
    form.latitude = m_latitude->text().toStdString();
    form.gravity = m_gravity->text().toStdString();
    form.totalField = m_totalField->text().toStdString();
    form.dip = m_dip->text().toStdString();
    form.ellipseSigma = m_ellipseSigma->text().toStdString();
    for (int i = 0; i < 6; ++i)
        form.tieIn[static_cast<std::size_t>(i)] = m_tieIn[i]->text().toStdString();
    // Chosen under "Einstellungen …": the document keeps its own values.
    const geo::WellForm kept = geo::formOf(m_base);
    form.sectionAzimuth = kept.sectionAzimuth;
    form.unit = kept.unit;
    return form;
}

bool DlgWell::entered(WellSettings &out, QString &fault) const
{
    WellSettings base = m_base;
    base.ownTools = m_program->ownTools();
    if (!m_program->program(base.uncertainty.program, fault))
        return false;
    std::string why;
    if (geo::settingsFromForm(typedForm(), base, out, why))
        return true;
    fault = fromUtf8(why);
    return false;
}

void DlgWell::accept()
{
    QString fault;
    WellSettings s;
    if (!entered(s, fault)) {
        QMessageBox::warning(this, tr("Bohrung"), fault);
        return;
    }
    m_result = s;
    QDialog::accept();
}

bool DlgWell::edit(QWidget *parent, WellSettings &settings, const ViewPreferences &inEffect,
    double automaticAzimuth)
{
    DlgWell dialog(settings, inEffect, automaticAzimuth, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.result();
    return true;
}
