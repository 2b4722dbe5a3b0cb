// The QPainter back end of the drawing layer: logical units of 0.1 mm with y upward,
// mapped to the painter's coordinates by the device's resolution.
#include "graph/painterdrawcontext.h"

#include "graph/pixelthinning.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QStringList>
#include <QTransform>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

namespace {

QColor qtColor(const DrawColor &c)
{
    return QColor(c.r, c.g, c.b, c.a);
}

// Logical units per inch: 25.4 mm of 0.1 mm each.
constexpr double kUnitsPerInch = 254.0;

QString toQString(const std::string &text)
{
    return QString::fromStdString(text);
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The Debian faces standing in for the families and for the Windows faces the program
// was designed with; the Liberation faces have the same metrics as those.
QStringList familiesFor(const DrawFont &font, QFont::StyleHint &hint)
{
    const std::string face = lower(font.face);
    FontFamily family = font.family;
    QStringList named;
    if (face == "courier new" || face == "courier")
        family = FontFamily::Modern;
    else if (face == "arial" || face == "helvetica" || face == "ms sans serif")
        family = FontFamily::Swiss;
    else if (face == "times new roman" || face == "times")
        family = FontFamily::Roman;
    else if (!face.empty())
        named << toQString(font.face);

    switch (family) {
    case FontFamily::Modern:
        hint = QFont::TypeWriter;
        return named << QStringLiteral("Liberation Mono") << QStringLiteral("DejaVu Sans Mono");
    case FontFamily::Roman:
        hint = QFont::Serif;
        return named << QStringLiteral("Liberation Serif") << QStringLiteral("DejaVu Serif");
    case FontFamily::Swiss:
    case FontFamily::DontCare:
        break;
    }
    hint = QFont::SansSerif;
    return named << QStringLiteral("Liberation Sans") << QStringLiteral("DejaVu Sans");
}

} // namespace

PainterDrawContext::PainterDrawContext(QPainter &painter)
    : PainterDrawContext(
        painter, pixelsPerUnitX(*painter.device()), pixelsPerUnitY(*painter.device()))
{
}

PainterDrawContext::PainterDrawContext(
    QPainter &painter, double pixelsPerUnitX, double pixelsPerUnitY)
    : m_painter(painter)
    , m_sx(pixelsPerUnitX)
    , m_sy(pixelsPerUnitY)
{
    m_qfont = qtFont(m_font);
    applyPen();
}

double PainterDrawContext::pixelsPerUnitX(const QPaintDevice &device)
{
    return device.logicalDpiX() / kUnitsPerInch;
}

double PainterDrawContext::pixelsPerUnitY(const QPaintDevice &device)
{
    return device.logicalDpiY() / kUnitsPerInch;
}

QPointF PainterDrawContext::toDevice(int x, int y) const
{
    // The only place where y turns around: logical y grows upward, device y downward.
    return QPointF((x - m_origin.x()) * m_sx, (m_origin.y() - y) * m_sy);
}

QPointF PainterDrawContext::toLogical(QPointF device) const
{
    return QPointF(device.x() / m_sx + m_origin.x(), m_origin.y() - device.y() / m_sy);
}

QFont PainterDrawContext::qtFont(const DrawFont &font) const
{
    QFont::StyleHint hint = QFont::AnyStyle;
    QFont f;
    f.setFamilies(familiesFor(font, hint));
    f.setStyleHint(hint);
    if (hint == QFont::TypeWriter)
        f.setFixedPitch(true);
    f.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    f.setKerning(false);

    // A positive height is the cell height (ascent plus descent), a negative one the
    // character height; Qt sizes fonts by the character height, so the cell is measured
    // on a large probe and scaled down.
    const int height = font.height == 0 ? 45 : font.height;
    const double pixels = std::abs(height) * m_sy;
    double em = pixels;
    if (height > 0) {
        QFont probe = f;
        probe.setPixelSize(1000);
        const double cell = QFontMetricsF(probe).height();
        if (cell > 0.0)
            em = pixels * 1000.0 / cell;
    }
    const QPaintDevice *device = m_painter.device();
    const int dpi = device ? device->logicalDpiY() : 96;
    f.setPointSizeF(std::max(0.1, em * 72.0 / dpi));
    return f;
}

void PainterDrawContext::setWindowOrg(int x, int y)
{
    m_origin = QPoint(x, y);
}

void PainterDrawContext::applyPen()
{
    QPen pen(qtColor(m_pen.color));
    // Thinner than a device pixel means the thinnest line (a cosmetic pen).
    const double width = m_pen.width * (m_sx + m_sy) / 2.0;
    pen.setWidthF(width < 1.0 ? 0.0 : width);
    if (m_pen.style == PenStyle::Dotted) {
        pen.setStyle(Qt::DotLine);
        pen.setCapStyle(Qt::FlatCap);
    } else if (m_pen.style == PenStyle::Dashed) {
        // Dashes a few line widths long, the same on the screen and on paper.
        pen.setStyle(Qt::CustomDashLine);
        pen.setDashPattern({ 5.0, 3.0 });
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        pen.setStyle(Qt::SolidLine);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    m_painter.setPen(pen);
}

DrawPen PainterDrawContext::selectPen(const DrawPen &pen)
{
    const DrawPen old = m_pen;
    m_pen = pen;
    applyPen();
    return old;
}

DrawFont PainterDrawContext::selectFont(const DrawFont &font)
{
    const DrawFont old = m_font;
    m_font = font;
    m_qfont = qtFont(font);
    return old;
}

void PainterDrawContext::textOut(int x, int y, const std::string &text)
{
    if (text.empty())
        return;
    const QString s = toQString(text);
    const QFontMetricsF fm(m_qfont, m_painter.device());
    QPointF p = toDevice(x, y);
    if (m_align == TextAlign::TopCenter)
        p.rx() -= fm.horizontalAdvance(s) / 2.0;
    // Texts are black whatever pen draws the lines; the anchor is the top of the cell.
    m_painter.save();
    m_painter.setPen(QPen(Qt::black));
    m_painter.setFont(m_qfont);
    m_painter.drawText(QPointF(p.x(), p.y() + fm.ascent()), s);
    m_painter.restore();
}

DrawSize PainterDrawContext::textExtent(const std::string &text)
{
    const QFontMetricsF fm(m_qfont, m_painter.device());
    const double w = text.empty() ? 0.0 : fm.horizontalAdvance(toQString(text));
    return { static_cast<int>(std::lround(w / m_sx)),
        static_cast<int>(std::lround(fm.height() / m_sy)) };
}

void PainterDrawContext::rectangle(int x1, int y1, int x2, int y2)
{
    applyPen();
    m_painter.save();
    m_painter.setBrush(Qt::white);
    m_painter.drawRect(QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized());
    m_painter.restore();
}

void PainterDrawContext::ellipse(int x1, int y1, int x2, int y2, bool filled)
{
    applyPen();
    m_painter.save();
    if (filled)
        m_painter.setBrush(qtColor(m_pen.color));
    else
        m_painter.setBrush(Qt::NoBrush);
    m_painter.drawEllipse(QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized());
    m_painter.restore();
}

void PainterDrawContext::polyline(const QPoint *points, int count)
{
    if (count < 2)
        return;
    QPolygonF poly;
    if (m_pixelThinning && count > kThinningAbove) {
        // From logical units to pixels of the device itself: the painter's
        // transformation (the scroll offset) and the device pixel ratio of a
        // high-resolution screen apply on top of toDevice. Affine, so it is applied by
        // hand: a hundred thousand calls of QTransform::map cost more than the thinning.
        const double ratio = m_painter.device()->devicePixelRatioF();
        const QTransform t
            = QTransform(m_sx, 0.0, 0.0, -m_sy, -m_origin.x() * m_sx, m_origin.y() * m_sy)
            * m_painter.combinedTransform() * QTransform::fromScale(ratio, ratio);
        std::vector<QPointF> pixels(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const double x = points[i].x(), y = points[i].y();
            pixels[static_cast<std::size_t>(i)]
                = QPointF(t.m11() * x + t.m21() * y + t.dx(), t.m12() * x + t.m22() * y + t.dy());
        }
        const std::vector<int> kept = pixelThinnedIndices(pixels.data(), count);
        poly.reserve(static_cast<qsizetype>(kept.size()));
        for (int i : kept)
            poly << toDevice(points[i].x(), points[i].y());
        // In pieces that share their end points: the outline of a path that crosses
        // itself many times costs far more than those of its pieces, and with round
        // joins and round caps the pieces cover exactly what the whole covers.
        applyPen();
        // A pen of about one pixel is drawn as the device's thinnest line, which Qt
        // draws without building an outline: for a path of many long strokes (the plan
        // view of a hole that wanders) that is the difference between seconds and a
        // fifth of one.
        QPen pen = m_painter.pen();
        if (pen.widthF() * ratio < 1.5) {
            pen.setWidthF(0.0);
            m_painter.setPen(pen);
        }
        constexpr qsizetype kPiece = 64;
        for (qsizetype from = 0; from + 1 < poly.size(); from += kPiece)
            m_painter.drawPolyline(poly.constData() + from,
                static_cast<int>(std::min(kPiece + 1, poly.size() - from)));
        return;
    } else {
        poly.reserve(count);
        for (int i = 0; i < count; ++i)
            poly << toDevice(points[i].x(), points[i].y());
    }
    applyPen();
    m_painter.drawPolyline(poly);
}

void PainterDrawContext::fillArea(
    const std::vector<std::vector<QPoint>> &polygons, const DrawColor &color)
{
    // One path filled once: pieces filled one by one would show their common edges as
    // hairlines where the antialiasing of both leaves the background shining through.
    // Under the winding rule the union needs every polygon turning the same way; the
    // back end sees to that so that callers need not.
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const std::vector<QPoint> &ring : polygons) {
        if (ring.size() < 3)
            continue;
        double twiceArea = 0.0;
        for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
            twiceArea += double(ring[j].x()) * ring[i].y() - double(ring[i].x()) * ring[j].y();
        QPolygonF poly;
        poly.reserve(static_cast<qsizetype>(ring.size()));
        if (twiceArea >= 0.0) {
            for (const QPoint &p : ring)
                poly << toDevice(p.x(), p.y());
        } else {
            for (auto p = ring.rbegin(); p != ring.rend(); ++p)
                poly << toDevice(p->x(), p->y());
        }
        path.addPolygon(poly);
        path.closeSubpath();
    }
    if (path.isEmpty())
        return;
    m_painter.save();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(qtColor(color));
    m_painter.drawPath(path);
    m_painter.restore();
}

void PainterDrawContext::moveTo(int x, int y)
{
    m_current = QPoint(x, y);
}

void PainterDrawContext::lineTo(int x, int y)
{
    applyPen();
    m_painter.drawLine(toDevice(m_current.x(), m_current.y()), toDevice(x, y));
    m_current = QPoint(x, y);
}

void PainterDrawContext::beginClip(int x1, int y1, int x2, int y2)
{
    if (m_clipSaved)
        endClip();
    m_hadClip = m_painter.hasClipping();
    m_savedClip = m_painter.clipRegion();
    m_clipSaved = true;
    m_painter.setClipRect(QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized(),
        m_hadClip ? Qt::IntersectClip : Qt::ReplaceClip);
}

void PainterDrawContext::endClip()
{
    if (!m_clipSaved)
        return;
    m_clipSaved = false;
    if (m_hadClip)
        m_painter.setClipRegion(m_savedClip);
    else
        m_painter.setClipping(false);
}
