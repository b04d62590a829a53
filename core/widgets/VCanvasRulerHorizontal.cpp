// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCanvasRulerHorizontal.h"

#include "VGraphicsView.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPaintEvent>

VCanvasRulerHorizontal::VCanvasRulerHorizontal(VCanvas* canvas)
    : VCanvasRuler(canvas, Qt::Horizontal)
{
}

void VCanvasRulerHorizontal::setMarkerPosition(int position)
{
    moveMarker(position);
}

void VCanvasRulerHorizontal::paintEvent(QPaintEvent* event)
{
    const QRect r = event->rect();
    if (r.width() == 0)
        return;
    QPainter painter(this);
    painter.fillRect(r, Qt::white);

    const QTransform toView = view()->viewportTransform();
    const QRectF scene = toView.inverted().mapRect(QRectF(r));
    const double spacing = majorSpacing(scene.width(), r.width());
    auto map = [&](double v) { return int(toView.map(QPointF(v, 0)).x()); };

    painter.setPen(Qt::gray);
    for (const Tick& tick : ticks(scene.left(), scene.right(), spacing))
        painter.drawLine(map(tick.position), tick.from, map(tick.position), Thickness - 1);

    const QFont font = labelFont(painter.font());
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(QColor(60, 60, 60, 255));
    for (double p : labels(scene.left(), scene.right(), spacing)) {
        const QString text = QString::number(p, 'g', 6);
        if (fitsAlong(map(p) + 2, metrics.horizontalAdvance(text)))
            painter.drawText(map(p) + 2, 8, text);
    }

    painter.setPen(Qt::black);
    painter.drawLine(r.left(), Thickness - 1, r.right(), Thickness - 1);

    if (r.contains(QPoint(m_nMarker, 1))) {
        painter.setPen(QPen(Qt::blue, 0, Qt::DashLine));
        painter.drawLine(m_nMarker, 0, m_nMarker, Thickness - 1);
    }
}
