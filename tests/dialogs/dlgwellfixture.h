// "Bohrung …" opened on given settings, and what OK makes of its entries.
#pragma once

#include "dialogs/dlgwell.h"
#include "tests/dialogs/widgetapp.h"

#include <string>

struct WellDialogFixture
{
    QApplication &app = widgetApp();
    DlgWell dialog;

    explicit WellDialogFixture(const WellSettings &s)
        : dialog(s, ViewPreferences {}, 0.0)
    {
    }
    // The fault of OK, empty when the entries are taken into `out`.
    std::string fault(WellSettings &out) const
    {
        QString why;
        return dialog.entered(out, why) ? std::string() : why.toStdString();
    }
};
