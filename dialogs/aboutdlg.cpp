// The about box.
#include "dialogs/aboutdlg.h"

#include "dialogs/dialogunits.h"
#include "dravonversion.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Info über dravon"));
    setFont(dialogFont());
    const DialogUnits du(font());

    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    auto *iconLabel = new QLabel(this);
    // The size of a program icon on a dialog (32 x 32), not the style's larger
    // message-box size.
    constexpr int side = 32;
    iconLabel->setPixmap(icon.pixmap(side, side));
    iconLabel->setFixedSize(side, side);

    // Each paragraph is one label; its lines break where the language's words do.
    auto text = [&](const QString &paragraph) {
        auto *label = new QLabel(paragraph, this);
        label->setTextFormat(Qt::PlainText);
        return label;
    };
    auto *column = new QVBoxLayout;
    column->setSpacing(du.y(4));
    column->addWidget(text(tr("dravon, Version %1").arg(QStringLiteral(DRAVON_VERSION_TEXT))));
    column->addWidget(text(tr("Verlauf einer Bohrung aus Teufe,\nNeigung und Azimut nach dem\n"
                              "Schmiegungskreisverfahren")));
    column->addWidget(text(tr("Erstellt und gepflegt vom Dravon-Team.\nFragen und Hinweise "
                              "bitte über die\nFehlerliste des Projekts einsenden.")));
    column->addStretch();

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    ok->setMinimumWidth(du.x(50));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(du.x(11), du.y(10), du.x(7), du.y(7));
    grid->setHorizontalSpacing(du.x(8));
    grid->addWidget(iconLabel, 0, 0, Qt::AlignTop);
    grid->addLayout(column, 0, 1);
    grid->addWidget(ok, 0, 2, Qt::AlignTop);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus(Qt::OtherFocusReason);
}
