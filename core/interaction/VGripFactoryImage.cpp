// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGripFactoryImage.h"

void VGripFactoryImage::createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const
{
    Q_UNUSED(grips);
    Q_UNUSED(pItem);
}

void VGripFactoryImage::gripMoved(VGrip* pGrip, VGraphicsItem* pItem)
{
    Q_UNUSED(pGrip);
    Q_UNUSED(pItem);
}
