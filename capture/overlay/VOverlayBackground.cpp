// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VOverlayBackground.h"

#include "foundation/VRestorePainter.h"

#include <QPainter>

void VOverlayBackground::paint(QPainter* painter, const QRectF& rect)
{
    // Whole pixels of the picture; the view shows them one to one.
    const QRect area = rect.toAlignedRect() & m_screen.rect();
    if (area.isEmpty())
        return;
    VRestorePainter restore(*painter);
    painter->drawPixmap(area.topLeft(), m_screen, area);
    painter->setOpacity(kDimming);
    painter->fillRect(area, Qt::black);
}
