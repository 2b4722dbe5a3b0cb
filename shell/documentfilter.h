// The file-dialog filter of the program's document files.
#pragma once

#include <QCoreApplication>
#include <QString>

inline QString documentFilter()
{
    return QCoreApplication::translate("QtFrameUi", "Dateityp Drav (*.dvn)");
}

inline QString documentExtension()
{
    return QStringLiteral(".dvn");
}
