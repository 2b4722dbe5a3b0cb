// The size of an image to save.
#include "dialogs/imagesizedlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

ImageSizeDlg::ImageSizeDlg(QSize size, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Bildgröße"));
    auto *form = new QFormLayout;
    const auto box = [this](int value) {
        auto *spin = new QSpinBox(this);
        spin->setRange(1, kLargest);
        spin->setSuffix(tr(" Pixel"));
        spin->setValue(std::clamp(value, 1, kLargest));
        return spin;
    };
    m_width = box(size.width());
    m_height = box(size.height());
    form->addRow(tr("&Breite:"), m_width);
    form->addRow(tr("&Höhe:"), m_height);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QSize ImageSizeDlg::size() const
{
    return QSize(m_width->value(), m_height->value());
}
