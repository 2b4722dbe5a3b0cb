// Which character of a text the document file cannot hold: its four items are
// Windows-1252 (docfile.h). The dialogs refuse such a character where it is typed, so
// that nothing the user sees is lost when the document is saved. Header-only, Qt Core.
#pragma once

#include "document/docfile.h"

#include <QString>

// The first character of `text` that the document file cannot hold (it would become
// "?"), as it stands in `text`; empty when every character fits.
inline QString firstUnrepresentable(const QString &text)
{
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size()
            && text.at(i + 1).isLowSurrogate();
        const char32_t cp
            = pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        const qsizetype length = pair ? 2 : 1;
        if (!documentHolds(cp))
            return text.mid(i, length);
        i += length;
    }
    return {};
}
