// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VScrollProgress.h"

#include "grab/VScreenGrab.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int kPadding = 6;
constexpr int kGap = 4;

// Where a box of `size` fits on the screen just outside `window` (both logical pixels): below,
// above, right or left of it; null when nowhere.
QRect placeOutside(const QRect& window, const QSize& size, const QRect& screen)
{
    const QRect candidates[] = {
        QRect(QPoint(window.left(), window.bottom() + 1 + kGap), size),
        QRect(QPoint(window.left(), window.top() - kGap - size.height()), size),
        QRect(QPoint(window.right() + 1 + kGap, window.top()), size),
        QRect(QPoint(window.left() - kGap - size.width(), window.top()), size),
    };
    for (const QRect& candidate : candidates) {
        if (screen.contains(candidate) && !candidate.intersects(window))
            return candidate;
    }
    return QRect();
}

} // namespace

VScrollProgress::VScrollProgress(const QRect& deviceRect)
{
    setFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
             Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus);
    setRows(0);
    const QList<QScreen*> screens = screensTouching(deviceRect);
    if (screens.isEmpty())
        return;
    QScreen* pScreen = screens.front();
    // The window in the screen's logical pixels, as this window is placed.
    const QRect device = deviceGeometry(pScreen);
    const qreal ratio = pScreen->devicePixelRatio();
    const QRect window(pScreen->geometry().topLeft() +
                           ((deviceRect.topLeft() - device.topLeft()) / ratio),
                       deviceRect.size() / ratio);
    const QFontMetrics metrics(QGuiApplication::font());
    const QString widest = tr("%1 rows · Esc stops").arg(QStringLiteral("000000"));
    const QSize box(metrics.horizontalAdvance(widest) + 2 * kPadding,
                    metrics.height() + 2 * kPadding);
    // Grown by a pixel: a rounded edge must not touch the grabbed area either.
    const QRect place = placeOutside(window.adjusted(-1, -1, 1, 1), box, pScreen->geometry());
    if (place.isNull())
        return;
    setScreen(pScreen);
    setGeometry(place);
    show();
}

void VScrollProgress::setRows(qint64 rows)
{
    m_text = tr("%1 rows · Esc stops").arg(rows);
    update();
}

void VScrollProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area(QPoint(0, 0), size());
    painter.fillRect(area, QColor(40, 40, 40));
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignCenter, m_text);
}
