// Message boxes and the number request of the desktop program.
#include "dialogs/qtprompter.h"

#include "document/qttext.h"
#include "dialogs/dlginterpolation.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

QtPrompter::QtPrompter(QWidget *parent)
    : m_parent(parent)
{
}

void QtPrompter::setParent(QWidget *parent)
{
    m_parent = parent;
}

QWidget *QtPrompter::boxParent() const
{
    // A box belongs on top of the dialog that asked for it, not behind it on the main
    // window.
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return m_parent.data();
}

void QtPrompter::message(const std::string &text)
{
    QMessageBox box(
        QMessageBox::NoIcon, QStringLiteral("dravon"), toQt(text), QMessageBox::Ok, boxParent());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtPrompter::askYesNo(const std::string &question)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("dravon"), toQt(question),
        QMessageBox::NoButton, boxParent());
    box.setTextFormat(Qt::PlainText);
    QPushButton *yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

bool QtPrompter::askNumber(const std::string &text, float &value)
{
    DlgInterpolation dialog(boxParent(), this);
    dialog.m_Text = text;
    dialog.m_SollTeufe = value;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.m_SollTeufe;
    return true;
}
