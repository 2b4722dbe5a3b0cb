// The file-dialog filter of the program's document files.
#pragma once

#include <QString>

inline QString documentFilter()
{
    return QStringLiteral("Dateityp Drav (*.dvn)");
}

inline QString documentExtension()
{
    return QStringLiteral(".dvn");
}
