// "Bild speichern" of the 3D view: the width and height of the PNG image in pixels. The
// picture keeps what the view shows; a shape other than the view's shows more of the
// scene along one side.
#pragma once

#include <QDialog>
#include <QSize>

class QSpinBox;

class ImageSizeDlg : public QDialog
{
    Q_OBJECT
public:
    explicit ImageSizeDlg(QSize size, QWidget *parent = nullptr);

    QSize size() const;

    QSpinBox *widthBox() const { return m_width; }
    QSpinBox *heightBox() const { return m_height; }

    // An image of up to 20000 pixels on each side (about 1.6 GB of pixels at most).
    static constexpr int kLargest = 20000;

private:
    QSpinBox *m_width = nullptr;
    QSpinBox *m_height = nullptr;
};
