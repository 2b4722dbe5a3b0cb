#include "dialogs/viewsettingsdlg.h"

#include "dialogs/dialogunits.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ViewSettingsDlg::ViewSettingsDlg(
    const ViewPreferences &shown, bool inDocument, double automaticAzimuth, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Einstellungen"));
    setFont(dialogFont());
    const QLocale german(QLocale::German, QLocale::Germany);

    auto *section = new QGroupBox(QStringLiteral("Azimut des Vertikalschnitts"), this);
    auto *grid = new QGridLayout(section);
    m_automatic = new QRadioButton(QStringLiteral("&automatisch: Richtung der Endabweichung (%1°)")
                                       .arg(german.toString(automaticAzimuth, 'f', 1)),
        section);
    m_fixed = new QRadioButton(QStringLiteral("&fest:"), section);
    auto *group = new QButtonGroup(section);
    group->addButton(m_automatic);
    group->addButton(m_fixed);
    m_azimuth = new QDoubleSpinBox(section);
    m_azimuth->setLocale(german);
    m_azimuth->setRange(0.0, 360.0);
    m_azimuth->setDecimals(2);
    m_azimuth->setSuffix(QStringLiteral("°"));
    m_azimuth->setValue(shown.sectionAzimuth.value_or(automaticAzimuth));
    grid->addWidget(m_automatic, 0, 0, 1, 2);
    grid->addWidget(m_fixed, 1, 0);
    grid->addWidget(m_azimuth, 1, 1);
    (shown.sectionAzimuth ? m_fixed : m_automatic)->setChecked(true);
    m_azimuth->setEnabled(m_fixed->isChecked());
    connect(m_fixed, &QRadioButton::toggled, m_azimuth, &QWidget::setEnabled);

    m_unit = new QComboBox(this);
    m_unit->addItem(
        QStringLiteral("Meter (m), Abknickung je 30 m"), static_cast<int>(LengthUnit::Metre));
    m_unit->addItem(
        QStringLiteral("Fuß (ft), Abknickung je 100 ft"), static_cast<int>(LengthUnit::Foot));
    m_unit->setCurrentIndex(shown.unit == LengthUnit::Foot ? 1 : 0);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Einheit der Listen:"), m_unit);

    m_document = new QCheckBox(QStringLiteral("Im &Dokument speichern (gilt dann für diese "
                                              "Bohrung vor den Programmeinstellungen)"),
        this);
    m_document->setChecked(inDocument);
    auto *note = new QLabel(QStringLiteral("Die Ergebnistabelle bleibt in Metern."), this);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(section);
    layout->addLayout(form);
    layout->addWidget(m_document);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

ViewPreferences ViewSettingsDlg::preferences() const
{
    ViewPreferences p;
    if (m_fixed->isChecked())
        p.sectionAzimuth = m_azimuth->value();
    p.unit = static_cast<LengthUnit>(m_unit->currentData().toInt());
    return p;
}

bool ViewSettingsDlg::storeInDocument() const
{
    return m_document->isChecked();
}
