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

// The first character of `text` that the program's character set cannot hold (it
// would become "?"), as it stands in `text`; empty when every character fits.
inline QString firstUnrepresentable(const QString &text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length
            = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
            ? 2
            : 1;
        const QString character = text.mid(i, length);
        if (toQt(fromQt(character)) != character)
            return character;
        i += length;
    }
    return {};
}
