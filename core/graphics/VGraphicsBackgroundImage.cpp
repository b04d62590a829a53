// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsBackgroundImage.h"

#include "interaction/VRestorePenBrush.h"

void VGraphicsBackgroundImage::paint(QPainter* painter, const QRectF& rect)
{
    VRestorePenBrush restore(*painter);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QBrush(m_image));
    painter->drawRect(rect);
}
