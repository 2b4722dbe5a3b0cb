// "Ansicht → Einstellungen": the azimuth of the vertical section (automatic: the direction
// of the final displacement, or a value) and the length unit of listings, exports and
// the path dialog. The choice is the user's; it can also be stored with the document.
// Besides, the language the program starts in next time, and the outer ring of the
// travelling cylinder in metres (empty: chosen from the neighbours); a value that is no
// positive number keeps the dialog open with a message beside the field.
#pragma once

#include "document/viewpreferences.h"
#include "i18n/i18n.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class ViewSettingsDlg : public QDialog
{
    Q_OBJECT
public:
    // `shown`: the values in effect; `inDocument`: the document sets them itself;
    // `automaticAzimuth`: the direction of the final displacement of the current data,
    // shown next to the automatic choice.
    ViewSettingsDlg(const ViewPreferences &shown, bool inDocument, double automaticAzimuth,
        QWidget *parent = nullptr);

    // The values as the controls show them.
    ViewPreferences preferences() const;
    // "Im Dokument speichern" is checked.
    bool storeInDocument() const;

    // The language of the next start: nothing is "automatic" (the desktop's).
    void setLanguage(std::optional<i18n::Language> language);
    std::optional<i18n::Language> language() const;

    QRadioButton *automaticButton() const { return m_automatic; }
    QRadioButton *fixedButton() const { return m_fixed; }
    QDoubleSpinBox *azimuthBox() const { return m_azimuth; }
    QComboBox *unitBox() const { return m_unit; }
    QCheckBox *documentBox() const { return m_document; }
    QComboBox *languageBox() const { return m_language; }
    QLineEdit *cylinderRadiusBox() const { return m_cylinderRadius; }
    QLabel *cylinderRadiusMessage() const { return m_cylinderMessage; }

    // OK: closes the dialog unless the cylinder's radius cannot be read.
    void accept() override;

private:
    QRadioButton *m_automatic = nullptr;
    QRadioButton *m_fixed = nullptr;
    QDoubleSpinBox *m_azimuth = nullptr;
    QComboBox *m_unit = nullptr;
    QCheckBox *m_document = nullptr;
    QComboBox *m_language = nullptr;
    QLineEdit *m_cylinderRadius = nullptr;
    QLabel *m_cylinderMessage = nullptr;
};
