// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemArrow.h"

#include "foundation/VRestorePainter.h"

#include <QPainter>
#include <QPolygonF>

namespace {
// Seven units for a one-pixel line, as it always was, then 3.5 more for each pixel of width.
constexpr double kHeadPerWidth = 3.5;
constexpr double kHeadHalfAngle = 30;
} // namespace

VGraphicsItemArrow::VGraphicsItemArrow(VGraphicsItem* parent) : VGraphicsItemLine(parent) {}

VGraphicsItemArrow::VGraphicsItemArrow() = default;

std::pair<QPointF, QPointF> VGraphicsItemArrow::headPoints(const QLineF& line, double strokeWidth)
{
    QLineF back(line.p2(), line.p1());
    back.setLength(kHeadPerWidth * (qMax(1.0, strokeWidth) + 1));
    const double angle = back.angle();
    QLineF left = back;
    QLineF right = back;
    left.setAngle(angle - kHeadHalfAngle);
    right.setAngle(angle + kHeadHalfAngle);
    return {left.p2(), right.p2()};
}

QRectF VGraphicsItemArrow::paintedBoundary()
{
    const QLineF l = line();
    if (l.isNull())
        return VGraphicsItemLine::paintedBoundary();
    const auto [left, right] = headPoints(l, strokeWidth());
    const double reach = strokeWidth() / 2.0;
    const QRectF head = QPolygonF({l.p2(), left, right}).boundingRect();
    return VGraphicsItemLine::paintedBoundary() | head.adjusted(-reach, -reach, reach, reach);
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
    const auto [left, right] = headPoints(l, strokeWidth());
    painter->drawLine(l.p2(), left);
    painter->drawLine(l.p2(), right);
}
