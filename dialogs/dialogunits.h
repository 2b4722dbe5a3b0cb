// Dialog layouts are given in dialog units, which scale with the dialog font: a
// horizontal unit is a quarter of the font's average character width, a vertical unit
// an eighth of its height. This turns them into pixels for Qt widgets.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// The face every dialog uses: an 8-point sans serif.
QFont dialogFont();

// The face of lists and boxes whose lines are laid out in columns: an 8-point fixed
// pitch, so that the columns line up.
QFont fixedPitchFont();

class DialogUnits
{
public:
    explicit DialogUnits(const QFont &font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int x, int y, int width, int height) const;
    QSize size(int width, int height) const;

    double baseX() const { return m_baseX; }
    int baseY() const { return m_baseY; }

private:
    double m_baseX; // average letter width in pixels
    int m_baseY; // font height in pixels
};
