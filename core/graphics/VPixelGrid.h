// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

#include <cmath>

// Where a painter's drawing lands on the device's pixels.
namespace VPixelGrid {

inline double devicePixelRatio(const QPainter& painter)
{
    const QPaintDevice* pDevice = painter.device();
    return pDevice ? pDevice->devicePixelRatioF() : 1.0;
}

// Moves the painter's origin by less than a device pixel onto a whole one, undoing any
// half-pixel shift meant for strokes. An origin halfway between two pixels goes to the upper
// left one. A rotated or sheared painter is left as it is.
inline void alignToDevicePixels(QPainter& painter)
{
    const QTransform t = painter.combinedTransform();
    if (t.type() > QTransform::TxScale || qFuzzyIsNull(t.m11()) || qFuzzyIsNull(t.m22()))
        return;
    const double dpr = devicePixelRatio(painter);
    const QPointF p = t.map(QPointF(0, 0)) * dpr;
    const QPointF whole(std::ceil(p.x() - 0.5), std::ceil(p.y() - 0.5));
    const QPointF d = (whole - p) / dpr;
    painter.translate(d.x() / t.m11(), d.y() / t.m22());
}

} // namespace VPixelGrid
