// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGripFactoryPolygon.h"

void VGripFactoryPolygon::createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const
{
    Q_UNUSED(grips);
    Q_UNUSED(pItem);
}
