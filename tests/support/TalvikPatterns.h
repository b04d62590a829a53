// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace TalvikTest {

// A window no two places of which look alike: each pixel's colour tells its position.
class PositionPattern : public QWidget
{
public:
    explicit PositionPattern(const QRect& geometry)
        : QWidget(nullptr, Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint)
    {
        setGeometry(geometry);
    }

    static QRgb expectedAt(const QPoint& p)
    {
        return qRgb(p.x() % 256, p.y() % 256, p.x() / 256 * 60);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QImage image(size(), QImage::Format_RGB32);
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                image.setPixel(x, y, expectedAt(QPoint(x, y)));
        QPainter(this).drawImage(0, 0, image);
    }
};

} // namespace TalvikTest
