// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QString>

#include <functional>

// A tool icon drawn in one pen on a 20 x 20 grid, sharp on a 200% screen too.
inline QIcon drawnIcon(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(40, 40);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(50, 60, 75), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(painter);
    return QIcon(pixmap);
}

// A toolbar picture, drawn for the overlay's dark row, inked in the same pen colour as the drawn
// icons so that it shows on the light panel.
inline QIcon inkedIcon(const QString& path)
{
    QPixmap pixmap = QIcon(path).pixmap(QSize(20, 20), 2.0);
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), QColor(50, 60, 75));
    painter.end();
    return QIcon(pixmap);
}
