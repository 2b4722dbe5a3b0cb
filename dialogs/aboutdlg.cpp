// The about box.
#include "dialogs/aboutdlg.h"

#include "dialogs/dialogunits.h"
#include "dravonversion.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QString::fromUtf8("Info über dravon"));
    setFont(dialogFont());
    const DialogUnits du(font());
    setFixedSize(du.size(179, 95));

    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    auto *iconLabel = new QLabel(this);
    // The size of a program icon on a dialog (32 x 32); the style's larger message-box
    // size would reach into the text column at x = 40.
    constexpr int side = 32;
    iconLabel->setPixmap(icon.pixmap(side, side));
    iconLabel->setGeometry(du.x(11), du.y(17), side, side);

    auto text = [&](const QString &line, int y, int width) {
        auto *label = new QLabel(line, this);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(du.rect(40, y, width, 8));
    };
    text(QStringLiteral("dravon, Version " DRAVON_VERSION_TEXT), 10, 83);
    text(QStringLiteral("Verlauf einer Bohrung aus Teufe,"), 22, 132);
    text(QStringLiteral("Neigung und Azimut nach dem"), 31, 132);
    text(QStringLiteral("Schmiegungskreisverfahren"), 40, 132);
    text(QStringLiteral("Erstellt und gepflegt vom Dravon-Team."), 54, 132);
    text(QString::fromUtf8("Fragen und Hinweise bitte über die"), 63, 132);
    text(QString::fromUtf8("Fehlerliste des Projekts einsenden."), 72, 132);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(du.rect(140, 7, 32, 14));
    ok->setDefault(true);
    ok->setFocus(Qt::OtherFocusReason);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
