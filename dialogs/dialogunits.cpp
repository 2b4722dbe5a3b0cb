// Dialog units to pixels, measured from the dialog font.
#include "dialogs/dialogunits.h"

#include <QFontMetrics>
#include <QStringList>

#include <cmath>

QFont dialogFont()
{
    // Liberation Sans first (its widths match the common sans faces), DejaVu Sans as
    // the fallback every Debian desktop has.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies(
        QStringList { QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") });
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QFont fixedPitchFont()
{
    // Liberation Mono has the metrics of the fixed face the layouts were made with.
    QFont font(QStringLiteral("Liberation Mono"));
    font.setFamilies(
        QStringList { QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono") });
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(8);
    return font;
}

DialogUnits::DialogUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    // The average width is measured over the 52 letters. It is not rounded to whole
    // pixels: the sans faces at hand are narrower in their capitals than in running
    // text, and rounding down would clip captions that fit their boxes.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = letters / 52.0;
    m_baseY = metrics.height();
    if (m_baseX < 1)
        m_baseX = 1;
    if (m_baseY < 1)
        m_baseY = 1;
}

int DialogUnits::x(int units) const
{
    return static_cast<int>(std::lround(units * m_baseX / 4.0));
}

int DialogUnits::y(int units) const
{
    return static_cast<int>(std::lround(units * m_baseY / 8.0));
}

QRect DialogUnits::rect(int x0, int y0, int width, int height) const
{
    // Convert both corners, so that neighbouring controls that touch in dialog units
    // touch in pixels too.
    const int left = x(x0);
    const int top = y(y0);
    return QRect(left, top, x(x0 + width) - left, y(y0 + height) - top);
}

QSize DialogUnits::size(int width, int height) const
{
    return QSize(x(width), y(height));
}
