// Conversion between the program's Windows-1252 text and QString, for every layer that
// hands text to Qt. Header-only, Qt Core.
#pragma once

#include "core/win1252.h"

#include <QString>

#include <string>

inline QString toQt(const std::string &bytes)
{
    return QString::fromStdString(win1252::toUtf8(bytes));
}

inline std::string fromQt(const QString &text)
{
    return win1252::fromUtf8(text.toStdString());
}
