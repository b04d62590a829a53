#include "VGraphicsItemArrow.h"

#include "interaction/VRestorePainter.h"

#include <QPainter>

namespace {
constexpr double kHeadLength = 7;
constexpr double kHeadHalfAngle = 30;
} // namespace

VGraphicsItemArrow::VGraphicsItemArrow(VGraphicsItem* parent) : VGraphicsItemLine(parent) {}

VGraphicsItemArrow::VGraphicsItemArrow() = default;

std::pair<QPointF, QPointF> VGraphicsItemArrow::headPoints(const QLineF& line)
{
    QLineF back(line.p2(), line.p1());
    back.setLength(kHeadLength);
    const double angle = back.angle();
    QLineF left = back;
    QLineF right = back;
    left.setAngle(angle - kHeadHalfAngle);
    right.setAngle(angle + kHeadHalfAngle);
    return {left.p2(), right.p2()};
}

void VGraphicsItemArrow::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                               QWidget* widget)
{
    const QLineF l = line();
    if (l.isNull())
        return;
    VGraphicsItemLine::paint(painter, option, widget);
    VRestorePainter restore(*painter);
    VGraphicsItem::paint(painter, option, widget);
    const auto [left, right] = headPoints(l);
    painter->drawLine(l.p2(), left);
    painter->drawLine(l.p2(), right);
}
