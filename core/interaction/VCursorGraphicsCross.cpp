// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCursorGraphicsCross.h"

#include <QPainter>

void VCursorGraphicsCross::paint(QPainter* painter, const QString& text,
                                 const QRectF& textRect) const
{
    painter->setPen(QColor(255, 255, 255, 255));
    if (!text.isEmpty()) {
        painter->setBrush(QColor(51, 51, 51, 204));
        painter->drawRoundedRect(textRect, 2, 2, Qt::AbsoluteSize);
        painter->drawText(textRect.adjusted(3, 0, 0, 0), int(textAlignment()), text);
    }
    // A raster operation ignores coverage: an antialiased edge would be inverted in full and
    // double every arm.
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter->drawLine(QPointF(-20, 0), QPointF(20, 0));
    painter->drawLine(QPointF(0, -20), QPointF(0, 20));
}
