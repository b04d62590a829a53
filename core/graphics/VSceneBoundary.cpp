// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/VUtility.h"
#include "VGraphicsItem.h"

namespace VUtility {

QRectF calcSceneBoundary(const QList<VGraphicsItem*>& items)
{
    QRectF r;
    for (VGraphicsItem* item : items)
        r |= item->sceneBoundary();
    return r;
}

} // namespace VUtility
