// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsBackgroundColor.h"

#include "interaction/VRestorePenBrush.h"

void VGraphicsBackgroundColor::paint(QPainter* painter, const QRectF& rect)
{
    VRestorePenBrush restore(*painter);
    painter->setPen(Qt::NoPen);
    painter->setBrush(m_color);
    painter->drawRect(rect);
}
