// The document's measurement dialog in the desktop program: runs DlgInput modally.
#pragma once

#include "core/prompter.h"
#include "document/measurementdialog.h"

#include <QPointer>
#include <QWidget>

class QtMeasurementDialog : public MeasurementDialog
{
public:
    QtMeasurementDialog(Prompter &prompter, QWidget *parent = nullptr);

    void setParent(QWidget *parent);

    bool run(LineEditor &state) override;

private:
    Prompter &m_prompter;
    QPointer<QWidget> m_parent;
};
