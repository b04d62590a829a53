// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGripFactoryBoundary.h"

#include "graphics/VGraphicsItemRectangle.h"

void VGripFactoryBoundary::gripMoved(VGrip* pGrip, VGraphicsItem* pItem)
{
    auto* rectangle = qobject_cast<VGraphicsItemRectangle*>(pItem);
    if (!pGrip || !rectangle)
        return;
    rectangle->setBoundary(getNewBoundary(pGrip, rectangle));
}
