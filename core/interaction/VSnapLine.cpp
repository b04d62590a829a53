// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VSnapLine.h"

#include <QLineF>
#include <QPainter>

bool VSnapLine::intersects(const QRectF& r) const
{
    if (m_direction == SnapHorizontal)
        return r.top() <= m_position && m_position <= r.bottom();
    return r.left() <= m_position && m_position <= r.right();
}

QRectF VSnapLine::rect(const QRectF& r) const
{
    if (m_direction == SnapHorizontal)
        return QRectF(r.left(), m_position - 1, r.width(), 3);
    return QRectF(m_position - 1, r.top(), 3, r.height());
}

void VSnapLine::paint(QPainter* painter, const QRectF& r) const
{
    painter->save();
    painter->setPen(QPen(Qt::cyan, 0));
    const QTransform& t = painter->transform();
    const QPointF d = t.map(QPointF(m_position, m_position));
    const QPoint i = d.toPoint();
    const QPointF target(d.x() < i.x() ? i.x() - 0.5 : i.x() + 0.5,
                         d.y() < i.y() ? i.y() - 0.5 : i.y() + 0.5);
    const double s = QLineF(t.map(QPointF(0, 0)), t.map(QPointF(1, 0))).length();
    if (m_direction == SnapHorizontal) {
        const double y = m_position + (target.y() - d.y()) / s;
        painter->drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    } else {
        const double x = m_position + (target.x() - d.x()) / s;
        painter->drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    }
    painter->restore();
}
