// The depth request of the interpolation command.
#include "dialogs/dlginterpolation.h"

#include "core/cformat.h"
#include "core/cscan.h"
#include "dialogs/dialogunits.h"
#include "input/lineeditor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <cmath>

namespace {

// A whole number and nothing else: white space around it is allowed, trailing letters
// are not. A decimal comma counts as the point ("12,5" is 12.5); a comma that may as
// well separate two numbers ("12,5,3") makes it no number.
bool parseDepth(const QString &text, float &value)
{
    std::string bytes = text.toStdString();
    if (!LineEditor::takeDecimalCommas(bytes, 1))
        return false;
    const char *p = bytes.c_str();
    float read = 0;
    if (!cscan::readFloat(p, read))
        return false;
    while (cscan::isSpace(*p))
        ++p;
    if (*p != '\0' || !std::isfinite(read))
        return false;
    value = read;
    return true;
}

} // namespace

DlgInterpolation::DlgInterpolation(QWidget *parent, Prompter *prompter)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_prompter(prompter)
{
    setWindowTitle(tr("Eingabe der Teufe zur Interpolation"));
    setFont(dialogFont());
    const DialogUnits du(font());

    m_edit = new QLineEdit(this);
    m_edit->setMinimumWidth(du.x(40));

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Abbrechen"), this);
    m_cancel->setAutoDefault(false);
    for (QPushButton *button : { m_ok, m_cancel })
        button->setMinimumWidth(du.x(50));

    auto *prompt = new QLabel(tr("Geben Sie die Teufe zur Interpolation ein"), this);
    prompt->setBuddy(m_edit);
    m_label = new QLabel(tr("Maximale Teufe"), this);

    // The buttons on top at the right, the depth's text below them and the request
    // with its edit at the bottom: the order of the classic box, at any text length.
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_ok);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(du.x(7), du.y(7), du.x(7), du.y(7));
    grid->setHorizontalSpacing(du.x(6));
    grid->addLayout(buttons, 0, 0, 1, 2);
    grid->addWidget(m_label, 1, 0, 1, 2);
    grid->addWidget(prompt, 2, 0);
    grid->addWidget(m_edit, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &DlgInterpolation::accept);
    connect(m_cancel, &QPushButton::clicked, this, &DlgInterpolation::reject);

    // Tab goes from the depth to OK and then to Abbrechen, the order of the layout.
    setTabOrder(m_edit, m_ok);
    setTabOrder(m_ok, m_cancel);
    m_edit->setFocus(Qt::OtherFocusReason);
}

void DlgInterpolation::showEvent(QShowEvent *event)
{
    if (!m_bShown) {
        // Opening shows the members: the caller sets them between construction and
        // showing the dialog.
        m_bShown = true;
        m_label->setText(QString::fromStdString(m_Text));
        m_edit->setText(QString::fromStdString(cfmt("%g", static_cast<double>(m_SollTeufe))));
        m_edit->selectAll();
    }
    QDialog::showEvent(event);
}

void DlgInterpolation::accept()
{
    float value = 0;
    if (!parseDepth(m_edit->text(), value)) {
        const QString text = tr("Bitte geben Sie eine Zahl ein.");
        if (m_prompter) {
            m_prompter->message(text.toStdString());
        } else {
            QMessageBox box(
                QMessageBox::NoIcon, QStringLiteral("dravon"), text, QMessageBox::Ok, this);
            box.exec();
        }
        m_edit->setFocus(Qt::OtherFocusReason);
        m_edit->selectAll();
        return;
    }
    m_SollTeufe = value;
    m_Text = m_label->text().toStdString();
    QDialog::accept();
}
