// The about box: program name and version, a few words on what it does and who looks
// after it.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
