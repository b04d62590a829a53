// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCanvasRulerVertical.h"

#include "VGraphicsView.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPaintEvent>

VCanvasRulerVertical::VCanvasRulerVertical(VCanvas* canvas) : VCanvasRuler(canvas, Qt::Vertical) {}

void VCanvasRulerVertical::setMarkerPosition(int position)
{
    moveMarker(position);
}

void VCanvasRulerVertical::paintEvent(QPaintEvent* event)
{
    const QRect r = event->rect();
    if (r.width() == 0)
        return;
    QPainter painter(this);
    painter.fillRect(r, Qt::white);

    const QTransform toView = view()->viewportTransform();
    const QRectF scene = toView.inverted().mapRect(QRectF(r));
    const double spacing = majorSpacing(scene.height(), r.height());
    auto map = [&](double v) { return int(toView.map(QPointF(0, v)).y()); };

    painter.setPen(Qt::gray);
    for (const Tick& tick : ticks(scene.top(), scene.bottom(), spacing))
        painter.drawLine(tick.from, map(tick.position), Thickness - 1, map(tick.position));

    const QFont font = labelFont(painter.font());
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(QColor(60, 60, 60, 255));
    painter.save();
    painter.rotate(-90);
    for (double p : labels(scene.top(), scene.bottom(), spacing)) {
        const QString text = QString::number(p, 'g', 6);
        const int width = metrics.horizontalAdvance(text);
        if (fitsAlong(map(p) + 2, width))
            painter.drawText(-map(p) - width - 2, 8, text);
    }
    painter.restore();

    painter.setPen(Qt::black);
    painter.drawLine(Thickness - 1, 0, Thickness - 1, r.bottom());

    if (r.contains(QPoint(1, m_nMarker))) {
        painter.setPen(QPen(Qt::blue, 0, Qt::DashLine));
        painter.drawLine(0, m_nMarker, Thickness - 1, m_nMarker);
    }
}
