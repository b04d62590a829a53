// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VPainterAntiScale.h"

#include <QLineF>
#include <QPainter>

VPainterAntiScale::VPainterAntiScale(QPainter& painter)
    : m_painter(painter), m_transform(painter.transform())
{
    const double sx =
        QLineF(m_transform.map(QPointF(0, 0)), m_transform.map(QPointF(1, 0))).length();
    const double sy =
        QLineF(m_transform.map(QPointF(0, 0)), m_transform.map(QPointF(0, 1))).length();
    // A degenerate transform has nothing to undo.
    if (sx > 0 && sy > 0)
        m_painter.setTransform(QTransform::fromScale(1 / sx, 1 / sy) * m_transform);
}

VPainterAntiScale::~VPainterAntiScale()
{
    m_painter.setTransform(m_transform);
}
