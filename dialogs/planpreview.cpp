#include "dialogs/planpreview.h"

#include "core/units.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// Where a target lies: its point, or the middle of its box.
struct TargetPoint
{
    double north, east, tvd;
};

TargetPoint pointOf(const plan::Target &t)
{
    if (t.kind == plan::TargetKind::Box)
        return { (t.northFrom + t.northTo) / 2, (t.eastFrom + t.eastTo) / 2,
            (t.tvdFrom + t.tvdTo) / 2 };
    return { t.north, t.east, t.tvd };
}

bool finite(const TargetPoint &p)
{
    return std::isfinite(p.north) && std::isfinite(p.east) && std::isfinite(p.tvd);
}

} // namespace

PlanPreview::PlanPreview(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(240, 320);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

QSize PlanPreview::sizeHint() const
{
    return { 320, 480 };
}

void PlanPreview::setPlan(const plan::PlanResult &result, const std::vector<plan::Target> &targets)
{
    m_result = result;
    m_targets = targets;
    m_azimuth = 0;
    if (m_result.plan && !m_result.plan->stations.empty()) {
        const plan::PlanStation &a = m_result.plan->stations.front();
        const plan::PlanStation &b = m_result.plan->stations.back();
        const double dn = b.north - a.north, de = b.east - a.east;
        if (std::hypot(dn, de) > 1e-6) {
            m_azimuth = std::atan2(de, dn) / units::kRadiansPerDegree;
            if (m_azimuth < 0)
                m_azimuth += 360;
        }
    }
    update();
}

void PlanPreview::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = QRectF(rect()).adjusted(4, 4, -4, -4);
    const double half = all.height() / 2;
    const QRectF top(all.left(), all.top(), all.width(), half - 4);
    const QRectF section(all.left(), all.top() + half + 4, all.width(), half - 4);

    const double a = m_azimuth * units::kRadiansPerDegree;
    const double cn = std::cos(a), ce = std::sin(a);
    std::vector<QPointF> above, side;
    if (m_result.plan)
        for (const plan::PlanStation &s : m_result.plan->stations) {
            above.emplace_back(s.east, s.north);
            side.emplace_back(s.north * cn + s.east * ce, -s.tvd);
        }
    std::vector<std::pair<QPointF, QString>> aboveMarks, sideMarks;
    for (std::size_t i = 0; i < m_targets.size(); ++i) {
        const TargetPoint t = pointOf(m_targets[i]);
        if (!finite(t))
            continue;
        const QString name = m_targets[i].name.empty() ? QString::number(i + 1)
                                                       : QString::fromStdString(m_targets[i].name);
        aboveMarks.emplace_back(QPointF(t.east, t.north), name);
        sideMarks.emplace_back(QPointF(t.north * cn + t.east * ce, -t.tvd), name);
    }
    drawPicture(p, top, tr("Draufsicht"), tr("Ost (m)"), tr("Nord (m)"), above, aboveMarks);
    drawPicture(p, section,
        tr("Vertikalschnitt, Azimut %1°").arg(QString::number(m_azimuth, 'f', 1)),
        tr("Horizontalversatz (m)"), tr("Seigerteufe (m)"), side, sideMarks);
}

void PlanPreview::drawPicture(QPainter &p, const QRectF &box, const QString &title,
    const QString &across, const QString &up, const std::vector<QPointF> &path,
    const std::vector<std::pair<QPointF, QString>> &marks) const
{
    p.setPen(QPen(Qt::gray, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    const QFontMetrics fm(font());
    p.setPen(Qt::black);
    p.drawText(box.adjusted(4, 2, -4, -2), Qt::AlignTop | Qt::AlignLeft, title);
    p.drawText(box.adjusted(4, 2, -4, -2), Qt::AlignBottom | Qt::AlignRight, across);
    p.save();
    p.translate(box.left() + fm.height(), box.bottom() - 4);
    p.rotate(-90);
    p.drawText(0, 0, up);
    p.restore();

    if (path.empty() && marks.empty())
        return;
    double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300;
    auto take = [&](const QPointF &q) {
        x0 = std::min(x0, q.x());
        x1 = std::max(x1, q.x());
        y0 = std::min(y0, q.y());
        y1 = std::max(y1, q.y());
    };
    for (const QPointF &q : path)
        take(q);
    for (const auto &m : marks)
        take(m.first);
    // Room for the title above and the captions beside; one scale for both axes, so that
    // angles look as they are.
    const QRectF area = box.adjusted(fm.height() * 2, fm.height() * 1.5, -fm.height(),
        -fm.height() * 1.5);
    const double spanX = std::max(x1 - x0, 1.0), spanY = std::max(y1 - y0, 1.0);
    const double scale = std::min(area.width() / spanX, area.height() / spanY);
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    auto at = [&](const QPointF &q) {
        return QPointF(area.center().x() + (q.x() - cx) * scale,
            area.center().y() - (q.y() - cy) * scale);
    };

    if (path.size() > 1) {
        QPainterPath line(at(path.front()));
        for (std::size_t i = 1; i < path.size(); ++i)
            line.lineTo(at(path[i]));
        p.setPen(QPen(QColor(0, 70, 180), 2));
        p.drawPath(line);
    }
    if (!path.empty()) {
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(0, 70, 180), 1.5));
        p.drawEllipse(at(path.front()), 3, 3);
    }
    p.setPen(QPen(QColor(200, 0, 0), 1.5));
    p.setBrush(Qt::NoBrush);
    for (const auto &m : marks) {
        const QPointF c = at(m.first);
        p.drawEllipse(c, 5, 5);
        p.drawLine(c + QPointF(-7, 0), c + QPointF(7, 0));
        p.drawLine(c + QPointF(0, -7), c + QPointF(0, 7));
        // Right of the mark, or left of it where the name would leave the picture.
        const double w = fm.horizontalAdvance(m.second);
        const double x = c.x() + 8 + w > box.right() - 2 ? c.x() - 8 - w : c.x() + 8;
        p.drawText(QPointF(x, c.y() - 6), m.second);
    }
}
