// Paper margins the program starts its printer with: narrow enough that a row of the
// results table (about 195 mm in its 4.4 mm font) fits across an A4 page, and wide
// enough for the unprintable edge of common printers.
#pragma once

#include <QMarginsF>

inline QMarginsF tableMargins()
{
    return QMarginsF(5, 5, 5, 5); // millimetres
}
