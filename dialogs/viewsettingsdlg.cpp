#include "dialogs/viewsettingsdlg.h"

#include "core/decimalsign.h"
#include "dialogs/dialogunits.h"
#include "i18n/i18n.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The radius as typed, with a decimal comma or point: none for an empty field, NaN for
// what is no positive number.
std::optional<double> radiusOf(const QString &typed)
{
    QString text = typed.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(v) || !(v > 0.0))
        return std::nan("");
    return v;
}

} // namespace

ViewSettingsDlg::ViewSettingsDlg(
    const ViewPreferences &shown, bool inDocument, double automaticAzimuth, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Einstellungen"));
    setFont(dialogFont());
    // The azimuth is typed as before, with a decimal comma or point.
    const QLocale german(QLocale::German, QLocale::Germany);

    auto *section = new QGroupBox(tr("Azimut des Vertikalschnitts"), this);
    auto *grid = new QGridLayout(section);
    m_automatic
        = new QRadioButton(tr("&automatisch: Richtung der Endabweichung (%1°)")
                               .arg(QString::fromStdString(decimalsign::shown(automaticAzimuth, 1))),
            section);
    m_fixed = new QRadioButton(tr("&fest:"), section);
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
    m_unit->addItem(tr("Meter (m), Abknickung je 30 m"), static_cast<int>(LengthUnit::Metre));
    m_unit->addItem(tr("Fuß (ft), Abknickung je 100 ft"), static_cast<int>(LengthUnit::Foot));
    m_unit->setCurrentIndex(shown.unit == LengthUnit::Foot ? 1 : 0);
    // The language: its own choice, since the desktop's may not be the user's.
    m_language = new QComboBox(this);
    m_language->addItem(tr("Automatisch (wie der Desktop)"));
    m_language->addItem(tr("Deutsch"), static_cast<int>(i18n::Language::German));
    m_language->addItem(tr("English"), static_cast<int>(i18n::Language::English));
    auto *languageNote
        = new QLabel(tr("Die Sprache gilt ab dem nächsten Start des Programms."), this);

    // The cylinder's outer ring: empty for the automatic choice.
    m_cylinderRadius = new QLineEdit(this);
    m_cylinderRadius->setPlaceholderText(tr("automatisch"));
    if (shown.cylinderRadius) {
        const std::string metres
            = decimalsign::shortest(*shown.cylinderRadius, decimalsign::interfaceSign());
        m_cylinderRadius->setText(QString::fromStdString(metres));
    }
    m_cylinderMessage = new QLabel(this);
    m_cylinderMessage->setStyleSheet(QStringLiteral("color: #b00000"));
    m_cylinderMessage->setWordWrap(true);
    m_cylinderMessage->hide();
    connect(m_cylinderRadius, &QLineEdit::textEdited, m_cylinderMessage, &QWidget::hide);

    auto *form = new QFormLayout;
    form->addRow(tr("&Einheit der Listen:"), m_unit);
    form->addRow(tr("&Zylinderradius (m):"), m_cylinderRadius);
    form->addRow(QString(), m_cylinderMessage);
    form->addRow(tr("&Sprache:"), m_language);
    form->addRow(QString(), languageNote);

    m_document = new QCheckBox(tr("Im &Dokument speichern (gilt dann für diese "
                                  "Bohrung vor den Programmeinstellungen)"),
        this);
    m_document->setChecked(inDocument);
    auto *note = new QLabel(tr("Die Ergebnistabelle bleibt in Metern."), this);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(section);
    layout->addLayout(form);
    layout->addWidget(m_document);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void ViewSettingsDlg::setLanguage(std::optional<i18n::Language> language)
{
    m_language->setCurrentIndex(language ? m_language->findData(static_cast<int>(*language)) : 0);
}

std::optional<i18n::Language> ViewSettingsDlg::language() const
{
    const QVariant chosen = m_language->currentData();
    if (!chosen.isValid())
        return std::nullopt;
    return static_cast<i18n::Language>(chosen.toInt());
}

ViewPreferences ViewSettingsDlg::preferences() const
{
    ViewPreferences p;
    if (m_fixed->isChecked())
        p.sectionAzimuth = m_azimuth->value();
    p.unit = static_cast<LengthUnit>(m_unit->currentData().toInt());
    const std::optional<double> radius = radiusOf(m_cylinderRadius->text());
    if (radius && std::isfinite(*radius))
        p.cylinderRadius = radius;
    return p;
}

void ViewSettingsDlg::accept()
{
    const std::optional<double> radius = radiusOf(m_cylinderRadius->text());
    if (radius && !std::isfinite(*radius)) {
        // What was typed stays in the field to be corrected.
        m_cylinderMessage->setText(
            tr("Bitte eine Zahl größer als 0 eingeben (Meter); leer: automatisch."));
        m_cylinderMessage->show();
        // The dialog grows by the message's line.
        adjustSize();
        m_cylinderRadius->setFocus();
        m_cylinderRadius->selectAll();
        return;
    }
    QDialog::accept();
}

bool ViewSettingsDlg::storeInDocument() const
{
    return m_document->isChecked();
}
