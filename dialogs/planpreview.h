// The picture beside the plan's tables: the computed plan from above (east across, north
// up) and in the vertical section along the direction from its start to its end, each at
// one scale for both axes, the targets marked. It draws what it is given and computes
// nothing; the dialog hands it every new result.
#pragma once

#include "plan/compute.h"
#include "plan/plan.h"

#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <vector>

class PlanPreview : public QWidget
{
    Q_OBJECT

public:
    explicit PlanPreview(QWidget *parent = nullptr);

    // The computed plan and the targets it was computed with; a refused plan is drawn as
    // an empty picture with the targets alone.
    void setPlan(const plan::PlanResult &result, const std::vector<plan::Target> &targets);
    const plan::PlanResult &result() const { return m_result; }

    // The azimuth (degrees) of the vertical section drawn: from the start to the last
    // station, north when they lie on one vertical.
    double sectionAzimuth() const { return m_azimuth; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // One of the two pictures: its points (x across, y up in metres; depths negated, so
    // that up is shallower) in `box`.
    void drawPicture(QPainter &p, const QRectF &box, const QString &title, const QString &across,
        const QString &up, const std::vector<QPointF> &path,
        const std::vector<std::pair<QPointF, QString>> &marks) const;

    plan::PlanResult m_result;
    std::vector<plan::Target> m_targets;
    double m_azimuth = 0;
};
