#include "dialogs/dlgplan.h"

#include "core/decimalsign.h"
#include "dialogs/dialogunits.h"
#include "dialogs/planpreview.h"
#include "exchange/tablefile.h"
#include "plan/planfile.h"
#include "plan/refusal.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace {

// The section table: the kind, then one column per plan::Field in its order.
constexpr int kKindColumn = 0;
constexpr int kFirstField = 1;

// The target table's columns.
enum TargetColumn {
    TName,
    TKind,
    TNorth,
    TEast,
    TTvd,
    TRadius,
    TNorthFrom,
    TNorthTo,
    TEastFrom,
    TEastTo,
    TTvdFrom,
    TTvdTo,
    TInclination,
    TAzimuth,
    TAngle,
    TColumns
};

// The largest magnitude the stored settings keep of a plan's number.
constexpr double kLargest = 1e9;
// The step of the stations the settings keep at most (metres).
constexpr double kLargestStep = 1e5;

const QColor kMarked(255, 205, 205);

QString number(double v)
{
    return QString::fromStdString(decimalsign::shortest(v, decimalsign::interfaceSign()));
}

QString number(const std::optional<double> &v)
{
    return v ? number(*v) : QString();
}

// A cell's or field's number: none when empty; false when the text is no number.
bool readNumber(const QString &text, std::optional<double> &out)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        out.reset();
        return true;
    }
    const std::optional<double> v = decimalsign::read(t.toStdString(), decimalsign::Accept::Either);
    if (!v || !(std::abs(*v) <= kLargest))
        return false;
    out = v;
    return true;
}

QString cellText(const QTableWidget *t, int row, int column)
{
    const QTableWidgetItem *item = t->item(row, column);
    return item ? item->text() : QString();
}

QComboBox *comboAt(const QTableWidget *t, int row)
{
    return qobject_cast<QComboBox *>(t->cellWidget(row, kKindColumn));
}

QComboBox *targetComboAt(const QTableWidget *t, int row)
{
    return qobject_cast<QComboBox *>(t->cellWidget(row, TKind));
}

} // namespace

DlgPlan::DlgPlan(const WellSettings &settings, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_result(settings)
{
    setWindowTitle(tr("Planung"));
    setFont(dialogFont());
    const DialogUnits du(font());

    // The start and the steps.
    auto *startBox = new QGroupBox(tr("Ansatz der Planung"), this);
    auto *startGrid = new QGridLayout(startBox);
    const std::array<QString, 6> startNames { tr("&MD (m):"), tr("&Seigerteufe (m):"),
        tr("&Nord (m):"), tr("&Ost (m):"), tr("N&eigung (°):"), tr("&Azimut (°):") };
    for (int i = 0; i < 6; ++i) {
        m_start[i] = new QLineEdit(this);
        m_start[i]->setMinimumWidth(du.x(40));
        auto *label = new QLabel(startNames[static_cast<std::size_t>(i)], this);
        label->setBuddy(m_start[i]);
        startGrid->addWidget(label, i / 3, (i % 3) * 2);
        startGrid->addWidget(m_start[i], i / 3, (i % 3) * 2 + 1);
    }
    m_tieIn = new QPushButton(tr("Anschlusspunkt ü&bernehmen"), this);
    m_tieIn->setEnabled(settings.tieIn.has_value());
    m_tieIn->setToolTip(tr("Der Ansatz der Planung wird der Anschlusspunkt der Vermessung"));
    m_step = new QLineEdit(this);
    m_step->setPlaceholderText(number(plan::kDefaultStep));
    m_bit = new QLineEdit(this);
    m_bit->setPlaceholderText(tr("keiner"));
    auto *stepLabel = new QLabel(tr("S&chrittweite der Stationen (m):"), this);
    stepLabel->setBuddy(m_step);
    auto *bitLabel = new QLabel(tr("Abstand Sensor–&Meißel (m):"), this);
    bitLabel->setBuddy(m_bit);
    startGrid->addWidget(stepLabel, 2, 0, 1, 2);
    startGrid->addWidget(m_step, 2, 2);
    startGrid->addWidget(bitLabel, 2, 3, 1, 2);
    startGrid->addWidget(m_bit, 2, 5);
    startGrid->addWidget(m_tieIn, 3, 0, 1, 6, Qt::AlignLeft);

    // The sections.
    auto *sectionBox = new QGroupBox(tr("Abschnitte"), this);
    m_sections = new QTableWidget(0, kFirstField + plan::kFieldCount, this);
    QStringList sectionHeads { tr("Abschnitt") };
    for (int f = 0; f < plan::kFieldCount; ++f)
        sectionHeads << QString::fromStdString(plan::fieldHeading(static_cast<plan::Field>(f)));
    m_sections->setHorizontalHeaderLabels(sectionHeads);
    m_sections->setSelectionMode(QAbstractItemView::SingleSelection);
    m_sections->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_sections->setMinimumSize(du.size(330, 70));
    auto *addSectionButton = new QPushButton(tr("&Hinzufügen"), this);
    auto *removeSectionButton = new QPushButton(tr("&Entfernen"), this);
    auto *upButton = new QPushButton(tr("Nach &oben"), this);
    auto *downButton = new QPushButton(tr("Nach &unten"), this);
    m_load = new QPushButton(tr("Planung &laden …"), this);
    auto *sectionButtons = new QHBoxLayout;
    for (QPushButton *b : { addSectionButton, removeSectionButton, upButton, downButton })
        sectionButtons->addWidget(b);
    sectionButtons->addStretch(1);
    sectionButtons->addWidget(m_load);
    auto *sectionLayout = new QVBoxLayout(sectionBox);
    sectionLayout->addWidget(m_sections);
    sectionLayout->addLayout(sectionButtons);

    // The targets.
    auto *targetBox = new QGroupBox(tr("Ziele"), this);
    m_targets = new QTableWidget(0, TColumns, this);
    m_targets->setHorizontalHeaderLabels({ tr("Name"), tr("Art"), tr("Nord (m)"), tr("Ost (m)"),
        tr("Seigerteufe (m)"), tr("Radius (m)"), tr("Nord von (m)"), tr("Nord bis (m)"),
        tr("Ost von (m)"), tr("Ost bis (m)"), tr("Seigerteufe von (m)"),
        tr("Seigerteufe bis (m)"), tr("Neigung (°)"), tr("Azimut (°)"),
        tr("Winkeltoleranz (°)") });
    m_targets->setSelectionMode(QAbstractItemView::SingleSelection);
    m_targets->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_targets->setMinimumSize(du.size(330, 45));
    auto *addTargetButton = new QPushButton(tr("Ziel hin&zufügen"), this);
    auto *removeTargetButton = new QPushButton(tr("Ziel en&tfernen"), this);
    auto *targetButtons = new QHBoxLayout;
    targetButtons->addWidget(addTargetButton);
    targetButtons->addWidget(removeTargetButton);
    targetButtons->addStretch(1);
    auto *targetLayout = new QVBoxLayout(targetBox);
    targetLayout->addWidget(m_targets);
    targetLayout->addLayout(targetButtons);

    m_refusal = new QLabel(this);
    m_refusal->setWordWrap(true);
    QPalette red = m_refusal->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    m_refusal->setPalette(red);

    m_preview = new PlanPreview(this);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    m_removePlan = buttons->addButton(tr("Planung ent&fernen"), QDialogButtonBox::DestructiveRole);

    auto *left = new QVBoxLayout;
    left->addWidget(startBox);
    left->addWidget(sectionBox, 3);
    left->addWidget(targetBox, 2);
    left->addWidget(m_refusal);
    auto *both = new QHBoxLayout;
    both->addLayout(left, 3);
    both->addWidget(m_preview, 2);
    auto *main = new QVBoxLayout(this);
    main->addLayout(both);
    main->addWidget(buttons);

    // The values of the settings.
    m_filling = true;
    const plan::Plan p = settings.plan.value_or(plan::Plan {});
    const std::array<double, 6> start { p.start.md, p.start.tvd, p.start.north, p.start.east,
        p.start.inclination, p.start.azimuth };
    for (int i = 0; i < 6; ++i)
        m_start[i]->setText(number(start[static_cast<std::size_t>(i)]));
    m_step->setText(number(settings.planStep));
    m_bit->setText(number(settings.bitDistance));
    fillSections(p.sections);
    fillTargets(p.targets);
    m_filling = false;

    for (QLineEdit *e : m_start)
        connect(e, &QLineEdit::textChanged, this, [this] { recompute(); });
    connect(m_step, &QLineEdit::textChanged, this, [this] { recompute(); });
    connect(m_sections, &QTableWidget::cellChanged, this, [this] { recompute(); });
    connect(m_targets, &QTableWidget::cellChanged, this, [this] { recompute(); });
    connect(m_tieIn, &QPushButton::clicked, this, [this] { takeTieIn(); });
    connect(addSectionButton, &QPushButton::clicked, this, [this] { addSection(); });
    connect(removeSectionButton, &QPushButton::clicked, this, [this] { removeSection(); });
    connect(upButton, &QPushButton::clicked, this, [this] { moveSection(-1); });
    connect(downButton, &QPushButton::clicked, this, [this] { moveSection(1); });
    connect(addTargetButton, &QPushButton::clicked, this, [this] { addTarget(); });
    connect(removeTargetButton, &QPushButton::clicked, this, [this] { removeTarget(); });
    connect(m_load, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Planung laden"), QString(),
            tr("Planungsdateien (*.csv *.txt);;Alle Dateien (*)"));
        if (!path.isEmpty())
            loadFile(path);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &DlgPlan::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DlgPlan::reject);
    connect(m_removePlan, &QPushButton::clicked, this, [this] { removePlan(); });
    recompute();
    // Room for the value columns and a preview that shows the shape of the plan.
    resize(du.size(620, 330).expandedTo(sizeHint()));
}

bool DlgPlan::edit(QWidget *parent, WellSettings &settings)
{
    DlgPlan dialog(settings, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.result();
    return true;
}

void DlgPlan::fillSections(const std::vector<plan::Section> &sections)
{
    m_sections->setRowCount(0);
    for (std::size_t i = 0; i < sections.size(); ++i)
        insertSectionRow(static_cast<int>(i), sections[i]);
}

void DlgPlan::fillTargets(const std::vector<plan::Target> &targets)
{
    m_targets->setRowCount(0);
    for (std::size_t i = 0; i < targets.size(); ++i)
        insertTargetRow(static_cast<int>(i), targets[i]);
}

void DlgPlan::insertSectionRow(int row, const plan::Section &section)
{
    const bool filling = m_filling;
    m_filling = true;
    m_sections->insertRow(row);
    auto *kind = new QComboBox(m_sections);
    kind->addItem(tr("halten"), int(plan::SectionKind::Hold));
    kind->addItem(tr("bogen"), int(plan::SectionKind::Arc));
    kind->addItem(tr("ziel"), int(plan::SectionKind::CurveToTarget));
    kind->addItem(tr("landen"), int(plan::SectionKind::Landing));
    kind->setCurrentIndex(kind->findData(int(section.kind)));
    m_sections->setItem(row, kKindColumn, new QTableWidgetItem);
    m_sections->setCellWidget(row, kKindColumn, kind);
    for (int f = 0; f < plan::kFieldCount; ++f)
        m_sections->setItem(
            row, kFirstField + f, new QTableWidgetItem(number(section.value(plan::Field(f)))));
    connect(kind, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    m_filling = filling;
}

void DlgPlan::insertTargetRow(int row, const plan::Target &t)
{
    const bool filling = m_filling;
    m_filling = true;
    m_targets->insertRow(row);
    auto *kind = new QComboBox(m_targets);
    kind->addItem(tr("Punkt"), int(plan::TargetKind::Point));
    kind->addItem(tr("Quader"), int(plan::TargetKind::Box));
    kind->addItem(tr("Landung"), int(plan::TargetKind::Landing));
    kind->setCurrentIndex(kind->findData(int(t.kind)));
    m_targets->setItem(row, TName, new QTableWidgetItem(QString::fromStdString(t.name)));
    m_targets->setItem(row, TKind, new QTableWidgetItem);
    m_targets->setCellWidget(row, TKind, kind);
    const bool box = t.kind == plan::TargetKind::Box;
    const bool landing = t.kind == plan::TargetKind::Landing;
    auto put = [&](int column, double v, bool used) {
        m_targets->setItem(row, column, new QTableWidgetItem(used ? number(v) : QString()));
    };
    put(TNorth, t.north, !box);
    put(TEast, t.east, !box);
    put(TTvd, t.tvd, !box);
    put(TRadius, t.radius, !box);
    put(TNorthFrom, t.northFrom, box);
    put(TNorthTo, t.northTo, box);
    put(TEastFrom, t.eastFrom, box);
    put(TEastTo, t.eastTo, box);
    put(TTvdFrom, t.tvdFrom, box);
    put(TTvdTo, t.tvdTo, box);
    put(TInclination, t.inclination, landing);
    put(TAzimuth, t.azimuth, landing);
    put(TAngle, t.angleTolerance, landing);
    connect(kind, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    m_filling = filling;
}

plan::SectionKind DlgPlan::sectionKind(int row) const
{
    const QComboBox *c = comboAt(m_sections, row);
    return c ? static_cast<plan::SectionKind>(c->currentData().toInt()) : plan::SectionKind::Hold;
}

void DlgPlan::setSectionKind(int row, plan::SectionKind kind)
{
    if (QComboBox *c = comboAt(m_sections, row))
        c->setCurrentIndex(c->findData(int(kind)));
}

void DlgPlan::setTargetKind(int row, plan::TargetKind kind)
{
    if (QComboBox *c = targetComboAt(m_targets, row))
        c->setCurrentIndex(c->findData(int(kind)));
}

double DlgPlan::step() const
{
    std::optional<double> s;
    if (!readNumber(m_step->text(), s) || !s)
        return plan::kDefaultStep;
    return *s;
}

std::optional<plan::Plan> DlgPlan::tablePlan(QString *fault) const
{
    plan::Plan p;
    const std::array<double *, 6> start { &p.start.md, &p.start.tvd, &p.start.north,
        &p.start.east, &p.start.inclination, &p.start.azimuth };
    const std::array<QString, 6> startNames { tr("MD"), tr("Seigerteufe"), tr("Nord"), tr("Ost"),
        tr("Neigung"), tr("Azimut") };
    for (int i = 0; i < 6; ++i) {
        std::optional<double> v;
        if (!readNumber(m_start[i]->text(), v)) {
            if (fault)
                *fault = tr("Ansatz, %1: „%2“ ist keine Zahl")
                             .arg(startNames[static_cast<std::size_t>(i)], m_start[i]->text());
            return std::nullopt;
        }
        *start[static_cast<std::size_t>(i)] = v.value_or(0.0);
    }
    for (int row = 0; row < m_sections->rowCount(); ++row) {
        plan::Section s;
        s.kind = sectionKind(row);
        for (int f = 0; f < plan::kFieldCount; ++f) {
            const QString text = cellText(m_sections, row, kFirstField + f);
            if (!readNumber(text, s.value(plan::Field(f)))) {
                if (fault)
                    *fault = tr("Abschnitt %1, %2: „%3“ ist keine Zahl")
                                 .arg(row + 1)
                                 .arg(QString::fromStdString(plan::fieldHeading(plan::Field(f))),
                                     text);
                return std::nullopt;
            }
        }
        p.sections.push_back(s);
    }
    for (int row = 0; row < m_targets->rowCount(); ++row) {
        plan::Target t;
        t.name = cellText(m_targets, row, TName).trimmed().toStdString();
        if (const QComboBox *c = targetComboAt(m_targets, row))
            t.kind = static_cast<plan::TargetKind>(c->currentData().toInt());
        const std::array<std::pair<int, double *>, 13> values { {
            { TNorth, &t.north },
            { TEast, &t.east },
            { TTvd, &t.tvd },
            { TRadius, &t.radius },
            { TNorthFrom, &t.northFrom },
            { TNorthTo, &t.northTo },
            { TEastFrom, &t.eastFrom },
            { TEastTo, &t.eastTo },
            { TTvdFrom, &t.tvdFrom },
            { TTvdTo, &t.tvdTo },
            { TInclination, &t.inclination },
            { TAzimuth, &t.azimuth },
            { TAngle, &t.angleTolerance },
        } };
        for (const auto &[column, out] : values) {
            const QString text = cellText(m_targets, row, column);
            std::optional<double> v;
            if (!readNumber(text, v)) {
                if (fault)
                    *fault = tr("Ziel %1, %2: „%3“ ist keine Zahl")
                                 .arg(row + 1)
                                 .arg(m_targets->horizontalHeaderItem(column)->text(), text);
                return std::nullopt;
            }
            if (v)
                *out = *v;
        }
        p.targets.push_back(std::move(t));
    }
    return p;
}

void DlgPlan::markRow(int row)
{
    m_markedRow = row;
    const bool filling = m_filling;
    m_filling = true;
    for (int r = 0; r < m_sections->rowCount(); ++r)
        for (int c = 0; c < m_sections->columnCount(); ++c)
            if (QTableWidgetItem *item = m_sections->item(r, c))
                item->setBackground(r == row ? QBrush(kMarked) : QBrush());
    m_filling = filling;
}

void DlgPlan::recompute()
{
    if (m_filling)
        return;
    QString fault;
    const std::optional<plan::Plan> p = tablePlan(&fault);
    if (!p) {
        m_preview->setPlan(plan::PlanResult {}, {});
        m_refusal->setText(fault);
        markRow(-1);
        return;
    }
    // A row that is not a section on its own is refused as the plan would be.
    std::optional<plan::Refusal> refusal;
    for (std::size_t i = 0; i < p->sections.size() && !refusal; ++i)
        refusal = plan::checkSection(p->sections[i], static_cast<int>(i) + 1);
    plan::PlanResult result;
    if (refusal)
        result.refusal = refusal;
    else
        result = plan::compute(*p, step());
    m_preview->setPlan(result, p->targets);
    if (result.refusal) {
        m_refusal->setText(QString::fromStdString(plan::text(*result.refusal)));
        markRow(result.refusal->section - 1);
    } else {
        m_refusal->clear();
        markRow(-1);
    }
}

void DlgPlan::takeTieIn()
{
    if (!m_result.tieIn)
        return;
    const well::TieIn &t = *m_result.tieIn;
    const std::array<double, 6> v { t.md, t.tvd, t.north, t.east, t.inclination, t.azimuth };
    m_filling = true;
    for (int i = 0; i < 6; ++i)
        m_start[i]->setText(number(v[static_cast<std::size_t>(i)]));
    m_filling = false;
    recompute();
}

void DlgPlan::addSection()
{
    const int row = m_sections->currentRow() >= 0 ? m_sections->currentRow() + 1
                                                  : m_sections->rowCount();
    insertSectionRow(row, plan::Section {});
    m_sections->setCurrentCell(row, kFirstField);
    recompute();
}

void DlgPlan::removeSection()
{
    const int row = m_sections->currentRow();
    if (row < 0)
        return;
    m_sections->removeRow(row);
    recompute();
}

void DlgPlan::moveSection(int by)
{
    const int row = m_sections->currentRow();
    const int other = row + by;
    if (row < 0 || other < 0 || other >= m_sections->rowCount())
        return;
    m_filling = true;
    for (int c = kFirstField; c < m_sections->columnCount(); ++c) {
        const QString a = cellText(m_sections, row, c), b = cellText(m_sections, other, c);
        m_sections->item(row, c)->setText(b);
        m_sections->item(other, c)->setText(a);
    }
    const plan::SectionKind a = sectionKind(row), b = sectionKind(other);
    setSectionKind(row, b);
    setSectionKind(other, a);
    m_filling = false;
    m_sections->setCurrentCell(other, m_sections->currentColumn());
    recompute();
}

void DlgPlan::addTarget()
{
    insertTargetRow(m_targets->rowCount(), plan::Target {});
    m_targets->setCurrentCell(m_targets->rowCount() - 1, TName);
    recompute();
}

void DlgPlan::removeTarget()
{
    const int row = m_targets->currentRow();
    if (row < 0)
        return;
    m_targets->removeRow(row);
    recompute();
}

bool DlgPlan::loadFile(const QString &path)
{
    std::string bytes;
    exchange::TableFault read;
    if (!exchange::readTableFile(path.toStdString(), bytes, read)) {
        QMessageBox::warning(this, tr("Planung laden"), QString::fromStdString(read.message));
        return false;
    }
    const plan::PlanFileRead file = plan::readPlanFile(bytes);
    if (!file.plan) {
        QStringList lines;
        for (const plan::FileFault &f : file.faults)
            lines << QString::fromStdString(f.message);
        QMessageBox::warning(this, tr("Planung laden"),
            tr("Die Planung wurde nicht geladen:\n%1").arg(lines.join(QLatin1Char('\n'))));
        return false;
    }
    m_filling = true;
    fillSections(file.plan->sections);
    fillTargets(file.plan->targets);
    m_filling = false;
    recompute();
    return true;
}

void DlgPlan::accept()
{
    QString fault;
    const std::optional<plan::Plan> p = tablePlan(&fault);
    std::optional<double> stepValue, bitValue;
    if (p && !readNumber(m_step->text(), stepValue))
        fault = tr("Schrittweite: „%1“ ist keine Zahl").arg(m_step->text());
    else if (p && stepValue && !(*stepValue >= plan::kMinStep && *stepValue <= kLargestStep))
        fault = tr("Die Schrittweite muss zwischen %1 und %2 m liegen")
                    .arg(number(plan::kMinStep), number(kLargestStep));
    else if (p && !readNumber(m_bit->text(), bitValue))
        fault = tr("Abstand Sensor–Meißel: „%1“ ist keine Zahl").arg(m_bit->text());
    else if (p && bitValue && !plan::validBitDistance(*bitValue))
        fault = tr("Der Abstand Sensor–Meißel muss zwischen 0 und 1000 m liegen");
    if (!fault.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), fault);
        return;
    }
    // Empty tables are no plan.
    if (p->sections.empty() && p->targets.empty())
        m_result.plan.reset();
    else
        m_result.plan = *p;
    m_result.planStep = stepValue;
    m_result.bitDistance = bitValue;
    QDialog::accept();
}

void DlgPlan::removePlan()
{
    m_result.plan.reset();
    m_result.planStep.reset();
    m_result.bitDistance.reset();
    QDialog::accept();
}
