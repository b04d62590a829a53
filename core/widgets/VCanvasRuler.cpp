// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCanvasRuler.h"

#include "graphics/VGraphicsScene.h"
#include "VCanvas.h"
#include "VGraphicsView.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>

#include <cmath>

VCanvasRuler::VCanvasRuler(VCanvas* canvas, Qt::Orientation orientation)
    : QWidget(canvas), m_pCanvas(canvas), m_orientation(orientation)
{
    const bool horizontal = orientation == Qt::Horizontal;
    QScrollBar* bar = horizontal ? view()->horizontalScrollBar() : view()->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::repaint));
    if (horizontal) {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setFixedHeight(Thickness);
    } else {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        setFixedWidth(Thickness);
    }
    // A new document size moves the document in the view without any scrolling.
    connect(canvas->scene(), &QGraphicsScene::sceneRectChanged, this,
            qOverload<>(&QWidget::update));
}

VGraphicsView* VCanvasRuler::view() const
{
    return m_pCanvas->view();
}

QRect VCanvasRuler::markerStrip(int position) const
{
    return m_orientation == Qt::Horizontal ? QRect(position - 1, 0, 3, Thickness)
                                           : QRect(0, position - 1, Thickness, 3);
}

void VCanvasRuler::moveMarker(int position)
{
    update(markerStrip(m_nMarker));
    m_nMarker = position;
    update(markerStrip(m_nMarker));
}

double VCanvasRuler::majorSpacing(double width, double pixels)
{
    // The scene length of 50 pixels, raised to the next multiple of 10 at its magnitude.
    double u = width * 50 / pixels;
    // Nothing to measure: the loop below would never end.
    if (!(u > 0) || !std::isfinite(u))
        return 0.5;
    double b = 1;
    while (u < 10) {
        u *= 10;
        b *= 10;
    }
    const int d = int(u - 0.1 + 10) / 10 * 10;
    const double e = d / b;
    return e < 1 ? 0.5 : e;
}

namespace {
double start(double low, double spacing)
{
    return spacing * int(low / spacing - 1);
}

int count(double low, double high, double spacing)
{
    return int((spacing * int(high / spacing + 1) - start(low, spacing)) / spacing + 1e-9) + 1;
}
} // namespace

QList<VCanvasRuler::Tick> VCanvasRuler::ticks(double low, double high, double spacing)
{
    QList<Tick> result;
    const double first = start(low, spacing);
    const bool half = spacing >= 1 && int(spacing) % 2 == 0;
    const int minor = spacing <= 1 ? 5 : (int(spacing) % 10 == 0 ? 10 : int(spacing));
    const double step = spacing / minor;
    const int n = count(low, high, spacing);
    for (int i = 0; i < n; ++i) {
        const double p = first + i * spacing;
        result.append({p, 0});
        if (half)
            result.append({p + spacing / 2, 6});
        for (int k = 1; k * step < spacing; ++k) {
            // The half tick already stands there.
            if (!(half && 2 * k == minor))
                result.append({p + k * step, 10});
        }
    }
    return result;
}

QList<double> VCanvasRuler::labels(double low, double high, double spacing)
{
    QList<double> result;
    const double first = start(low, spacing);
    const int n = count(low, high, spacing);
    for (int i = 0; i < n; ++i)
        result.append(first + i * spacing);
    return result;
}

QFont VCanvasRuler::labelFont(const QFont& base)
{
    QFont font = base;
    font.setPointSize(7);
    return font;
}

bool VCanvasRuler::fitsAlong(int start, int length) const
{
    const int end = m_orientation == Qt::Horizontal ? width() : height();
    return start >= 0 && start + length <= end;
}

void VCanvasRuler::paintEvent(QPaintEvent* event)
{
    const QRect r = event->rect();
    if (r.isEmpty())
        return;
    QPainter painter(this);
    painter.fillRect(r, Qt::white);

    // Drawn in the ruler's own terms, along it and across it; a vertical ruler swaps the two.
    const bool horizontal = m_orientation == Qt::Horizontal;
    const auto point = [horizontal](int along, int across) {
        return horizontal ? QPoint(along, across) : QPoint(across, along);
    };
    const auto along = [horizontal](const QPointF& p) { return horizontal ? p.x() : p.y(); };

    const QTransform toView = view()->viewportTransform();
    const QRectF scene = toView.inverted().mapRect(QRectF(r));
    const double low = along(scene.topLeft());
    const double high = along(scene.bottomRight());
    const double spacing = horizontal ? majorSpacing(scene.width(), r.width())
                                      : majorSpacing(scene.height(), r.height());
    // Where a scene coordinate along the ruler lands on it, truncated to its pixel.
    const auto map = [&](double v) {
        return int(along(toView.map(horizontal ? QPointF(v, 0) : QPointF(0, v))));
    };

    painter.setPen(Qt::gray);
    for (const Tick& tick : ticks(low, high, spacing))
        painter.drawLine(point(map(tick.position), tick.from),
                         point(map(tick.position), Thickness - 1));

    const QFont font = labelFont(painter.font());
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(QColor(60, 60, 60, 255));
    // A vertical ruler's labels read upwards over the same stretch along it as a horizontal
    // one's, which the rotation turns into the one from -start - width.
    painter.save();
    if (!horizontal)
        painter.rotate(-90);
    for (double p : labels(low, high, spacing)) {
        const QString text = QString::number(p, 'g', 6);
        const int width = metrics.horizontalAdvance(text);
        const int start = map(p) + 2;
        if (fitsAlong(start, width))
            painter.drawText(horizontal ? start : -start - width, 8, text);
    }
    painter.restore();

    painter.setPen(Qt::black);
    const int first = horizontal ? r.left() : r.top();
    const int last = horizontal ? r.right() : r.bottom();
    painter.drawLine(point(first, Thickness - 1), point(last, Thickness - 1));

    if (r.contains(point(m_nMarker, 1))) {
        painter.setPen(QPen(Qt::blue, 0, Qt::DashLine));
        painter.drawLine(point(m_nMarker, 0), point(m_nMarker, Thickness - 1));
    }
}
