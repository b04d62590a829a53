// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGripFactoryLocation.h"

#include "graphics/VGraphicsItem.h"
#include "VGrip.h"

void VGripFactoryLocation::createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const
{
    if (!pItem)
        return;
    auto* item = const_cast<VGraphicsItem*>(pItem);
    auto* grip = new VGrip(item);
    grip->setGlyph(VGripGlyph::GlyphSquare);
    grip->setColor(Qt::cyan);
    grip->setBasePoint(item->center());
    connect(grip, &VGrip::moved, const_cast<VGripFactoryLocation*>(this),
            &VGripFactoryLocation::gripMoved);
    grips.append(grip);
}

void VGripFactoryLocation::gripMoved(VGrip* pGrip, VGraphicsItem* pItem)
{
    if (pGrip && pItem)
        pItem->setTranslation(pGrip->offset(), true);
}
