// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "graphics/VGraphicsItemLine.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <utility>

// A line with an open head at its end point.
class VGraphicsItemArrow : public VGraphicsItemLine
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit VGraphicsItemArrow(VGraphicsItem* parent);
    Q_INVOKABLE VGraphicsItemArrow();

    // The far ends of the head's two strokes, which start at the line's end point. The head
    // grows with the stroke, so a wide arrow still has one.
    static std::pair<QPointF, QPointF> headPoints(const QLineF& line, double strokeWidth = 1);

    QRectF paintedBoundary() override;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;
};
